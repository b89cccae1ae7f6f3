#include "model/time_clash.h"

#include "model/entity.h"
#include "model/entity_item.h"
#include "model/merge_sort.h"
#include "model/schedule_data.h"
#include "model/timetable_entry.h"
#include "model/time_values.h"

namespace {

bool IsPlacedStart(const COleDateTime& start) {
    if (start.GetStatus() != COleDateTime::valid) return true;
    // Only a start near 1970 (days 25569 to 25933) needs the calendar's year.
    const double linear = COleDateTime::ToLinear(start.m_dt);
    if (linear < 25000.0 || linear > 26500.0) return true;
    return start.GetYear() != 1970;
}

// Whether two touching placements of different chime sets still collide: snapped to the lessons
// of its own set, the earlier one ends later than the later one starts, so their real lessons
// overlap.
bool LessonsRunInto(const CScheduleData& data, int earlierSet, const COleDateTime& earlierStart,
                    const COleDateTimeSpan& earlierLength, int laterSet, const COleDateTime& laterStart,
                    const COleDateTimeSpan& laterLength) {
    if (earlierSet == 0 || laterSet == 0 || earlierSet == laterSet) return false;
    const auto earlier = data.FindChimeSet(earlierSet);
    const auto later = data.FindChimeSet(laterSet);
    if (earlier == data.m_arrChimeSets.end() || later == data.m_arrChimeSets.end()) return false;
    __time64_t earlierFirst = 0, earlierLast = 0, laterFirst = 0, laterLast = 0;
    earlier->SnapToLessons(data, earlierStart, earlierLength, earlierFirst, earlierLast);
    later->SnapToLessons(data, laterStart, laterLength, laterFirst, laterLast);
    return CompareTime64Approx(earlierLast, laterFirst) == 1;
}

bool Touch(const COleDateTime& end, const COleDateTime& start) { return CompareTimesApprox(end, start) == 0; }

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
    if (!IsPlacedStart(entry.m_dtStart)) return false;
    const COleDateTime otherEnd = other.GetEndTime();
    const COleDateTime entryEnd = entry.GetEndTime();
    if (IntervalsLieApart(other.m_dtStart, otherEnd, entry.m_dtStart, entryEnd)) return false;
    if (WholeMinutes(IntersectIntervals(other.m_dtStart, otherEnd, entry.m_dtStart, entryEnd).m_span) > 3) return true;
    // Touching entries: whichever comes first is snapped in its own chime set.
    const int otherSet = other.GetChimeSetId(data);
    if (Touch(otherEnd, entry.m_dtStart))
        return LessonsRunInto(data, otherSet, other.m_dtStart, other.m_tsLength, chimeSetId, entry.m_dtStart,
                              entry.m_tsLength);
    if (Touch(entryEnd, other.m_dtStart))
        return LessonsRunInto(data, chimeSetId, entry.m_dtStart, entry.m_tsLength, otherSet, other.m_dtStart,
                              other.m_tsLength);
    return false;
}

bool ItemsClashInTime(const CScheduleData& data, const CEntityItem& later, const CEntityItem& earlier) {
    if (!IsPlacedStart(later.m_dtStart)) return false;
    if (IntervalsLieApart(later.m_dtStart, later.m_dtEnd, earlier.m_dtStart, earlier.m_dtEnd)) return false;
    if (WholeMinutes(IntersectIntervals(later.m_dtStart, later.m_dtEnd, earlier.m_dtStart, earlier.m_dtEnd).m_span) > 3)
        return true;
    if (!Touch(earlier.m_dtEnd, later.m_dtStart)) return false;
    return LessonsRunInto(data, earlier.m_nChimeSet, earlier.m_dtStart, earlier.m_dtEnd - earlier.m_dtStart,
                          later.m_nChimeSet, later.m_dtStart, later.m_dtEnd - later.m_dtStart);
}

bool LessEntityItem(const CEntityItem& a, const CEntityItem& b) {
    // b starts later (CompareTimesApprox (b, a) is 1): less; a starts later, or has no valid
    // start: not less; starts within three minutes, or b without a valid start: the rest decides.
    if (a.m_dtStart.GetStatus() != COleDateTime::valid) return false;
    if (b.m_dtStart.GetStatus() == COleDateTime::valid) {
        const double startA = COleDateTime::ToLinear(a.m_dtStart.m_dt);
        const double startB = COleDateTime::ToLinear(b.m_dtStart.m_dt);
        if (WholeMinutes(startA < startB ? startB - startA : startA - startB) >= 3) return startA < startB;
    }
    if (a.m_nState != b.m_nState) return a.m_nState < b.m_nState;
    if (a.m_nOrder != b.m_nOrder) return a.m_nOrder > b.m_nOrder;
    return WholeMinutes((a.m_dtEnd - a.m_dtStart).m_span) > WholeMinutes((b.m_dtEnd - b.m_dtStart).m_span);
}

void SortEntityItems(std::vector<CEntityItem>& items) { StableMergeSort(items, LessEntityItem); }

void SortEntityItems(CEntity& entity) { SortEntityItems(entity.m_arrItems); }
