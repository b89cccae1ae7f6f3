#include "planner/day_column.h"

#include <algorithm>

#include "model/time_values.h"
#include "platform/core/geometry.h"
#include "platform/ui/dc.h"
#include "platform/ui/gdi_defs.h"

namespace {
COleDateTime OnDate(const COleDateTime& date, __time64_t timeOfDay) {
    return COleDateTime(date.GetYear(), date.GetMonth(), date.GetDay(), std::max(0, GetLocalHour(timeOfDay)),
                        std::max(0, GetLocalMinute(timeOfDay)), 0);
}
}  // namespace

CDayColumn::CDayColumn(const CString& caption, const COleDateTime& date, __time64_t start, __time64_t end)
    : m_strCaption(caption), m_dtDate(date), m_tStart(start), m_tEnd(end) {
    CacheBounds();
}

void CDayColumn::CacheBounds() {
    m_dStart = static_cast<double>(GetStart());
    m_dEndOfDay = std::max(0, GetLocalHour(m_tEnd)) / 24.0 + std::max(0, GetLocalMinute(m_tEnd)) / 1440.0;
}

COleDateTime CDayColumn::GetStart() const { return OnDate(m_dtDate, m_tStart); }

COleDateTime CDayColumn::GetEnd() const { return OnDate(m_dtDate, m_tEnd); }

bool CDayColumn::LessByDate(const CDayColumn& a, const CDayColumn& b) {
    return CompareTimesApprox(a.m_dtDate, b.m_dtDate) == -1;
}

void CDayColumn::DrawCaption(CDC* dc, const CRect& box, UINT format) const {
    CRect text = box;
    dc->DrawText(m_strCaption, &text, DT_SINGLELINE | DT_CENTER | DT_NOPREFIX | DT_END_ELLIPSIS | format);
}
