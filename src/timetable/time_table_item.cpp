#include "timetable/time_table_item.h"

#include "model/time_values.h"

CTimeTableItem::CTimeTableItem(const CString& title, COLORREF background, COLORREF foreground, int hatch,
                               const COleDateTime& start, const COleDateTimeSpan& length, int state, int groupItem)
    : m_block(COleDateTime(0.0), COleDateTimeSpan(0.0), 0, 0),
      m_bGroupItem(groupItem),
      m_nState(state),
      m_strTitle(title),
      m_crBackground(background),
      m_crForeground(foreground),
      m_nHatch(hatch),
      m_dtStart(start),
      m_tsLength(length),
      m_tsLengthAtResize(0.0) {}

COleDateTime CTimeTableItem::GetEndTime() const { return m_dtStart + m_tsLength; }

int CTimeTableItem::IsLengthChanged() const {
    return WholeMinutes(m_tsLength) != WholeMinutes(m_tsLengthAtResize) ? 1 : 0;
}

bool CompareTimeTableItems(const CTimeTableItem& a, const CTimeTableItem& b) {
    const bool aValid = a.m_dtStart.GetStatus() == COleDateTime::valid;
    const bool bValid = b.m_dtStart.GetStatus() == COleDateTime::valid;
    if (aValid != bValid) return aValid;
    if (aValid) {
        const std::int32_t aStart = WholeMinutes(a.m_dtStart), bStart = WholeMinutes(b.m_dtStart);
        if (aStart != bStart) return aStart < bStart;
    }
    const std::int32_t aLength = WholeMinutes(a.m_tsLength), bLength = WholeMinutes(b.m_tsLength);
    if (aLength != bLength) return aLength > bLength;
    return a.m_strTitle.Compare(b.m_strTitle) < 0;
}
