#pragma once
// CTimeTableItem: one drawn item of a timetable pane, either one timetable entry or a group
// item that stands for the merged entries of an activity group. Items refer to their entry by
// the entry's serial number, so they stay valid while the document's entries grow or are sorted.
//
// The rectangle, lane span and lane count are written by the pane's layout pass; painting, hit
// tests and tooltips read them.
#include <cstdint>

#include "platform/core/colors.h"
#include "platform/core/cstring.h"
#include "platform/core/geometry.h"
#include "platform/core/ole_date_time.h"
#include "platform/core/time64.h"
#include "timetable/item_time.h"

class CTimeTableCtrlHeader;
class CScheduleData;

class CTimeTableItem {
public:
    CTimeTableItem() = default;
    // The other fields start at zero, empty or none.
    CTimeTableItem(const CString& title, COLORREF background, COLORREF foreground, int hatch,
                   const COleDateTime& start, const COleDateTimeSpan& length, int state, int groupItem);

    COleDateTime GetEndTime() const;
    CString GetTitle() const { return m_strTitle; }
    // 1 when the whole minutes of the length differ from those at the start of a resize.
    int IsLengthChanged() const;

    // Editing by the grid (time_table_item_edit.cpp).
    // Length := newEnd - start when that is at least minimumMinutes whole minutes (1), else
    // nothing changes (0).
    int SetEndIfLongEnough(const COleDateTime& newEnd, int minimumMinutes);
    // The end moves to the start's day at the local hour and minute of time, when that lies more
    // than 10 minutes after the start.
    void SetEndTimeOfDay(__time64_t time);
    // Start and end to the nearest hour marks of the hour column; at least 60 minutes long.
    void SnapToHours(const CTimeTableCtrlHeader& hours);
    // The grip under the point: 1 the bottom edge (resize), 2 the move strip at the left edge,
    // 0 none.
    int HitTestEdge(CPoint point) const;
    CString FormatLength() const;
    // The day and hour slot of the start, as the status text shows it while dragging.
    CString FormatSlot(const CScheduleData& data) const;

    // For a group item the merged block of the group; a zero block for an entry item.
    CItemTime m_block;
    // The serial of the entry the item shows (CTimetableEntry::GetSerial); for a group item the
    // page's own key of its merged group record.
    std::uint64_t m_nSource = 0;
    int m_bGroupItem = 0;
    int m_bHoliday = 0;           // the item's plan day is a holiday: drawn grey
    int m_nActivity = 0;          // 0 for a group item
    int m_nGroup = 0;
    int m_nChimeSet = 0;
    int m_nState = 0;             // 0, 5, 7 and 9 may not be swapped; 7 linked; 9 carries a remark
    CRect m_rect;                 // body client pixels, from the layout pass
    CString m_strTitle;
    CString m_strRemark;
    int m_bSelected = 0;
    int m_nRoomCheck = 0;         // 0 fine, 1 fewer free rooms than staff, 2 no free room, 3 own rooms
    int m_nSwapMark = 0;          // 0, 17 or 18
    COLORREF m_crBackground = 0;
    COLORREF m_crForeground = 0;  // hatch and text
    int m_nHatch = 6;             // 0..5 hatch styles, 6 plain, 7..10 gradients of modes 0..3
    int m_nLane = 0;              // 1 for the leftmost lane; 0 until laid out
    int m_nLaneSpan = 1;          // lanes the item covers, from the layout pass
    int m_nLaneCount = 1;         // lanes its day has over its interval, from the layout pass
    CSize m_szTitle;              // the title's size with word breaks, from the layout pass,
    int m_nTitleWidth = -1;       // measured for a text box this wide (-1: not measured)
    COleDateTime m_dtStart;
    COleDateTimeSpan m_tsLength;
    COleDateTimeSpan m_tsLengthAtResize;
};

// The order of a pane's items: earlier start (in whole minutes) first, items whose start is not
// valid after all others; at the same minute the longer item (in whole minutes) first; then the
// titles in ascending case-sensitive order. A strict weak order, safe for any sort.
bool CompareTimeTableItems(const CTimeTableItem& a, const CTimeTableItem& b);
