#pragma once
// The day columns of the timetable grid and the column widths saved per entity.
#include <vector>

#include "platform/core/cstring.h"
#include "platform/core/ole_date_time.h"

// One plan day of the grid. Each of the two panes has its own working-time range of the day and
// its own free-time offsets of a dragged activity (index 0 the first pane, 1 the second).
class CTimeTableDayColumn {
public:
    // Zero ranges, widths and offsets.
    explicit CTimeTableDayColumn(const CString& caption);

    CString GetCaption() const { return m_strCaption; }
    // The four free-time offsets become zero spans.
    void ResetFreeOffsets();
    // The fixed width when set, else the width when set, else the minimum width.
    int GetEffectiveWidth() const;

    COleDateTime m_dtRangeStart[2];
    COleDateTime m_dtRangeEnd[2];
    int m_nWidth = 0;
    int m_nMinWidth = 0;   // the caption's width plus 6
    int m_nFixedWidth = 0; // 0 for a free column
    CString m_strCaption;
    COleDateTimeSpan m_tsFreeStart[2];
    COleDateTimeSpan m_tsFreeEnd[2];
    // From the strip's layout: the left edge in content pixels (before scrolling).
    int m_nLeft = 0;
};

// The effective widths of the columns, in column order, as they were when an entity's columns
// were left; key is the entity's id.
struct CColumnWidthSet {
    int m_nKey = 0;
    std::vector<int> m_arrWidths;
};
