// The edits the grid makes on an item while the user moves and stretches it, its grips and its
// texts.
#include <algorithm>

#include "model/time_values.h"
#include "timetable/slot_text.h"
#include "timetable/time_table_ctrl_header.h"
#include "timetable/time_table_item.h"

namespace {
COleDateTimeSpan Minutes(int minutes) { return COleDateTimeSpan(0, 0, minutes, 0); }
}  // namespace

int CTimeTableItem::SetEndIfLongEnough(const COleDateTime& newEnd, int minimumMinutes) {
    const COleDateTimeSpan length = newEnd - m_dtStart;
    if (WholeMinutes(length) < minimumMinutes) return 0;
    m_tsLength = length;
    return 1;
}

void CTimeTableItem::SetEndTimeOfDay(__time64_t time) {
    if (m_dtStart.GetStatus() != COleDateTime::valid) return;
    const COleDateTime newEnd(m_dtStart.GetYear(), m_dtStart.GetMonth(), m_dtStart.GetDay(),
                              std::max(0, GetLocalHour(time)), std::max(0, GetLocalMinute(time)), 0);
    if (WholeMinutes(newEnd - m_dtStart) <= 10) return;
    m_tsLength = newEnd - m_dtStart;
}

void CTimeTableItem::SnapToHours(const CTimeTableCtrlHeader& hours) {
    m_dtStart = hours.SnapToHour(m_dtStart);
    const COleDateTime end = hours.SnapToHour(m_dtStart + m_tsLength);
    m_tsLength = end - m_dtStart;
    if (WholeMinutes(m_tsLength) < 60) m_tsLength = Minutes(60);
}

int CTimeTableItem::HitTestEdge(CPoint point) const {
    if (m_nState == 0 || m_nState == 7) return 0;
    const CRect& r = m_rect;
    const CRect outer(r.left, r.top - 5, r.right, r.bottom + 5);
    const CRect inner(r.left + 9, r.top + 5, r.right - 2, r.bottom - 5);
    if (!outer.PtInRect(point) || inner.PtInRect(point)) return 0;
    if (point.x < r.left + 10 && m_nState != 5 && m_nState != 9) return 2;
    if (point.x <= r.right - 7 && point.y > r.bottom - 5) return 1;
    return 0;
}

CString CTimeTableItem::FormatLength() const {
    CString text;
    text.Format(L"%s", FormatHoursMinutes(m_tsLength).GetString());
    return text;
}

CString CTimeTableItem::FormatSlot(const CScheduleData& data) const {
    return FormatSlotText(data, CItemTime(m_dtStart, COleDateTimeSpan(0.0), 0, 0));
}
