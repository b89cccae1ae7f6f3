#include "model/time_clash.h"

#include "model/entity.h"
#include "model/entity_item.h"
#include "model/merge_sort.h"
#include "model/timetable_entry.h"
#include "model/time_values.h"

namespace {

bool IsPlacedStart(const COleDateTime& start) {
    return !(start.GetStatus() == COleDateTime::valid && start.GetYear() == 1970);
}

bool ShareMoreThanThreeMinutes(const COleDateTime& s1, const COleDateTime& e1, const COleDateTime& s2,
                               const COleDateTime& e2) {
    if (IntervalsLieApart(s1, e1, s2, e2)) return false;
    return WholeMinutes(IntersectIntervals(s1, e1, s2, e2).m_span) > 3;
}

}  // namespace

// Whether two intervals lie more than ten minutes apart, so that they share nothing: a quick
// answer for valid intervals that run forward, before the tolerant comparison.
bool IntervalsLieApart(const COleDateTime& s1, const COleDateTime& e1, const COleDateTime& s2, const COleDateTime& e2) {
    constexpr double kGap = 10.0 / 1440.0;
    for (const COleDateTime* t : {&s1, &e1, &s2, &e2})
        if (t->GetStatus() != COleDateTime::valid) return false;
    const double a1 = COleDateTime::ToLinear(s1.m_dt), b1 = COleDateTime::ToLinear(e1.m_dt);
    const double a2 = COleDateTime::ToLinear(s2.m_dt), b2 = COleDateTime::ToLinear(e2.m_dt);
    if (b1 < a1 || b2 < a2) return false;
    return a2 > b1 + kGap || a1 > b2 + kGap;
}

bool EntriesClashInTime(const CScheduleData& data, const CTimetableEntry& other, int chimeSetId,
                        const CTimetableEntry& entry) {
    (void)data;
    (void)chimeSetId;
    if (!IsPlacedStart(entry.m_dtStart)) return false;
    return ShareMoreThanThreeMinutes(other.m_dtStart, other.GetEndTime(), entry.m_dtStart, entry.GetEndTime());
}

bool ItemsClashInTime(const CEntityItem& later, const CEntityItem& earlier) {
    if (!IsPlacedStart(later.m_dtStart)) return false;
    return ShareMoreThanThreeMinutes(later.m_dtStart, later.m_dtEnd, earlier.m_dtStart, earlier.m_dtEnd);
}

bool LessEntityItem(const CEntityItem& a, const CEntityItem& b) {
    if (CompareTimesApprox(b.m_dtStart, a.m_dtStart) == 1) return true;
    if (a.m_dtStart.GetStatus() != COleDateTime::valid || CompareTimesApprox(a.m_dtStart, b.m_dtStart) == 1)
        return false;
    if (a.m_nState != b.m_nState) return a.m_nState < b.m_nState;
    if (a.m_nOrder != b.m_nOrder) return a.m_nOrder > b.m_nOrder;
    return WholeMinutes((a.m_dtEnd - a.m_dtStart).m_span) > WholeMinutes((b.m_dtEnd - b.m_dtStart).m_span);
}

void SortEntityItems(std::vector<CEntityItem>& items) { StableMergeSort(items, LessEntityItem); }

void SortEntityItems(CEntity& entity) { SortEntityItems(entity.m_arrItems); }
