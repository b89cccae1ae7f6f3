#include "timetable/time_table_day_column.h"

CTimeTableDayColumn::CTimeTableDayColumn(const CString& caption) : m_strCaption(caption) {
    for (int pane = 0; pane < 2; ++pane) {
        m_dtRangeStart[pane] = COleDateTime(0.0);
        m_dtRangeEnd[pane] = COleDateTime(0.0);
    }
    ResetFreeOffsets();
}

void CTimeTableDayColumn::ResetFreeOffsets() {
    for (int pane = 0; pane < 2; ++pane) {
        m_tsFreeStart[pane] = COleDateTimeSpan(0.0);
        m_tsFreeEnd[pane] = COleDateTimeSpan(0.0);
    }
}

int CTimeTableDayColumn::GetEffectiveWidth() const {
    if (m_nFixedWidth != 0) return m_nFixedWidth;
    if (m_nWidth != 0) return m_nWidth;
    return m_nMinWidth;
}
