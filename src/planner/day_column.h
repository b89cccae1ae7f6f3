#pragma once
// CDayColumn: one plan day of a board's title strip (the magnet board and the diary): its
// caption and date, the time-of-day range it shows, and where the layout pass placed it.
#include "platform/core/cstring.h"
#include "platform/core/ole_date_time.h"
#include "platform/core/time64.h"
#include "platform/core/win_types.h"

class CDC;
class CRect;

class CDayColumn {
public:
    CDayColumn() = default;
    CDayColumn(const CString& caption, const COleDateTime& date, __time64_t start, __time64_t end);

    // The date with the local time of day of the start (the end).
    COleDateTime GetStart() const;
    COleDateTime GetEnd() const;
    // Whole minutes from start to end.
    int GetMinutes() const { return static_cast<int>((m_tEnd - m_tStart) / 60); }

    // Takes GetStart and the end's time of day as plain day numbers, which the conversions
    // between times and x read in place of calendar arithmetic. The constructor and the layout
    // pass call it.
    void CacheBounds();

    // Draws the caption on one line, centred in the box (format adds the vertical placement). A
    // caption wider than the box is shortened with an ellipsis rather than dropped, so that no day
    // in view is left without a name.
    void DrawCaption(CDC* dc, const CRect& box, UINT format = 0) const;

    // Earlier date first; dates within 3 minutes count as equal.
    static bool LessByDate(const CDayColumn& a, const CDayColumn& b);

    CString m_strCaption;
    COleDateTime m_dtDate;
    __time64_t m_tStart = 0;
    __time64_t m_tEnd = 0;
    int m_nLeft = 0;   // content x, from the layout pass
    int m_nRight = 0;
    double m_dStart = 0.0;      // GetStart as a day number
    double m_dEndOfDay = 0.0;   // the end's local time of day, in days
};
