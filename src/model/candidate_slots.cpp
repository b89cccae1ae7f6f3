// Candidate slots of an entry: the hours at which it could be placed, thinned and scored.
#include <algorithm>
#include <stdexcept>

#include "model/candidate_rules.h"
#include "model/merge_sort.h"
#include "model/plan_index.h"
#include "model/schedule_data.h"
#include "model/time_clash.h"
#include "model/time_values.h"

namespace {

const COleDateTimeSpan kHour(0, 1, 0, 0);
// At most one slot per hour of the day; guards the walks against dates that are not valid.
constexpr int kMaxSlotsPerDay = 24;

bool IsValidDate(const COleDateTime& t) { return t.GetStatus() == COleDateTime::valid; }

__time64_t TimeOfDayOrThrow(int hour, int minute) {
    const __time64_t t = MakeTimeOfDay(hour, minute);
    if (t == -1) throw std::invalid_argument("time of day cannot be made");
    return t;
}

COleDateTime DateAt(const COleDateTime& date, __time64_t timeOfDay) {
    const int hour = GetLocalHour(timeOfDay);
    const int minute = GetLocalMinute(timeOfDay);
    if (hour < 0 || minute < 0) throw std::invalid_argument("time of day cannot be made");
    return COleDateTime(date.GetYear(), date.GetMonth(), date.GetDay(), hour, minute, 0);
}

// The entries of the activity, in collection order.
template <class Visit>
void ForEntriesOf(const CScheduleData& data, int activityId, const CPlanIndex* index, Visit visit) {
    if (index) {
        for (std::size_t e : index->EntriesOfActivity(activityId)) visit(data.m_arrEntries[e]);
        return;
    }
    for (const CTimetableEntry& entry : data.m_arrEntries)
        if (entry.m_nActivity == activityId) visit(entry);
}

}  // namespace

bool LessCandidateSlot(const CCandidateSlot& a, const CCandidateSlot& b) {
    return CompareTimesApprox(b.m_dtStart, a.m_dtStart) == 1;
}

void CActivity::GetDayWindow(const CScheduleData& data, int day, COleDateTime& start, COleDateTime& end) const {
    const COleDateTime date = data.GetDayDate(day);
    const COleDateTime midnight(date.GetYear(), date.GetMonth(), date.GetDay(), 0, 0, 0);
    if (day < 0 || day >= kMaxPlanDays) {
        start = end = midnight;
        return;
    }
    __time64_t windowStart = TimeOfDayOrThrow(0, 0);
    __time64_t windowEnd = TimeOfDayOrThrow(23, 0);
    for (int id : m_arrMembers) {
        const auto member = data.FindEntity(id);
        if (member == data.m_arrEntities.end()) continue;
        const __time64_t memberStart = member->m_tDayStart[day];
        const __time64_t memberEnd = member->m_tDayEnd[day];
        if (CompareTime64Approx(memberEnd, memberStart) != 1) {
            start = end = midnight;
            return;
        }
        if (CompareTime64Approx(memberStart, windowStart) == 1) windowStart = memberStart;
        if (CompareTime64Approx(windowEnd, memberEnd) == 1) windowEnd = memberEnd;
    }
    start = DateAt(date, windowStart);
    end = DateAt(date, windowEnd);
}

void CTimetableEntry::BuildCandidateSlots(const CScheduleData& data) {
    m_arrSlots.clear();
    m_dtUnmovedStart = m_dtStart;
    const auto activity = data.FindActivity(m_nActivity);
    if (activity == data.m_arrActivities.end()) return;
    const int days = std::min(data.m_nDays, kMaxPlanDays);
    // The day windows first, so that the slots are allocated once.
    COleDateTime windowStart[kMaxPlanDays], windowEnd[kMaxPlanDays];
    std::size_t count = 0;
    const auto forSlots = [&](int n, auto&& visit) {
        COleDateTime t = windowStart[n];
        for (int i = 0; i < kMaxSlotsPerDay && IsValidDate(t) && CompareTimesApprox(t + kHour, windowEnd[n]) != 1; ++i) {
            visit(t);
            t += kHour;
        }
    };
    for (int n = 0; n < days; ++n) {
        activity->GetDayWindow(data, n, windowStart[n], windowEnd[n]);
        forSlots(n, [&](const COleDateTime&) { ++count; });
    }
    m_arrSlots.reserve(count);
    for (int n = 0; n < days; ++n) forSlots(n, [&](const COleDateTime& t) { m_arrSlots.push_back(CCandidateSlot{t, 0.0}); });
    // Slots whose first ten minutes run into a member's absence go.
    const COleDateTimeSpan probe(0, 0, 10, 0);
    for (int id : activity->m_arrMembers) {
        const auto member = data.FindEntity(id);
        if (member == data.m_arrEntities.end()) continue;
        for (const CAbsence& absence : member->m_arrAbsences) {
            const COleDateTime absenceEnd = absence.m_dtStart + absence.m_tsLength;
            std::erase_if(m_arrSlots, [&](const CCandidateSlot& slot) {
                const COleDateTime probeEnd = slot.m_dtStart + probe;
                return !IntervalsLieApart(slot.m_dtStart, probeEnd, absence.m_dtStart, absenceEnd) &&
                       IntervalsOverlap(slot.m_dtStart, probeEnd, absence.m_dtStart, absenceEnd);
            });
        }
    }
    // The slots are made in time order as a rule; the sort cannot move a slot of a list whose
    // valid starts never fall back, so only another list is sorted.
    const bool ordered = std::adjacent_find(m_arrSlots.begin(), m_arrSlots.end(), [](const CCandidateSlot& a,
                                                                                    const CCandidateSlot& b) {
                             return !IsValidDate(a.m_dtStart) || !IsValidDate(b.m_dtStart) || b.m_dtStart < a.m_dtStart;
                         }) == m_arrSlots.end();
    if (!ordered) StableMergeSort(m_arrSlots, LessCandidateSlot);
}

void CTimetableEntry::RemoveOverlappingCandidates(const COleDateTime& start, const COleDateTime& end) {
    std::erase_if(m_arrSlots, [&](const CCandidateSlot& slot) {
        const COleDateTime slotEnd = slot.m_dtStart + m_tsLength;
        return !IntervalsLieApart(slot.m_dtStart, slotEnd, start, end) && IntervalsOverlap(slot.m_dtStart, slotEnd, start, end);
    });
}

int CTimetableEntry::FindCandidateIndex() const {
    for (std::size_t i = 0; i < m_arrSlots.size(); ++i)
        if (CompareTimesApprox(m_arrSlots[i].m_dtStart, m_dtStart) == 0) return static_cast<int>(i);
    return -1;
}

void CTimetableEntry::ScoreCandidateOverlaps(const std::vector<CCandidateSlot>& others,
                                             const COleDateTimeSpan& otherLength) {
    if (others.empty() || m_arrSlots.empty()) return;
    const double share = 1.0 / static_cast<double>(others.size());
    // Every pair of slots that overlap by more than 5 minutes scores. The other slots are
    // looked up by start, so only those near a slot are compared; the rest cannot overlap it.
    std::vector<std::pair<double, std::size_t>> byStart;
    std::vector<std::size_t> unusual;  // compared with every slot
    const bool regularOther = otherLength.GetStatus() == COleDateTimeSpan::valid && otherLength.m_span >= 0.0;
    const bool regularOwn = m_tsLength.GetStatus() == COleDateTimeSpan::valid && m_tsLength.m_span >= 0.0;
    for (std::size_t i = 0; i < others.size(); ++i) {
        if (regularOther && regularOwn && IsValidDate(others[i].m_dtStart))
            byStart.emplace_back(COleDateTime::ToLinear(others[i].m_dtStart.m_dt), i);
        else
            unusual.push_back(i);
    }
    std::sort(byStart.begin(), byStart.end());
    const double margin = 10.0 / 1440.0;
    for (CCandidateSlot& slot : m_arrSlots) {
        const COleDateTime slotEnd = slot.m_dtStart + m_tsLength;
        auto test = [&](std::size_t i) {
            const COleDateTime& start = others[i].m_dtStart;
            if (IntervalsOverlap(slot.m_dtStart, slotEnd, start, start + otherLength)) slot.m_dScore += share;
        };
        for (std::size_t i : unusual) test(i);
        if (!IsValidDate(slot.m_dtStart)) {
            for (const auto& item : byStart) test(item.second);
            continue;
        }
        const double s = COleDateTime::ToLinear(slot.m_dtStart.m_dt);
        const double low = s - otherLength.m_span - margin;
        const double high = s + m_tsLength.m_span + margin;
        auto it = std::lower_bound(byStart.begin(), byStart.end(), std::make_pair(low, std::size_t{0}));
        for (; it != byStart.end() && it->first <= high; ++it) test(it->second);
    }
}

double ComputeEntryScore(const CTimetableEntry& entry) {
    if (entry.m_arrSlots.empty()) return 0.0;
    double sum = 0.0;
    for (const CCandidateSlot& slot : entry.m_arrSlots) sum += slot.m_dScore;
    return sum * WholeMinutes(entry.m_tsLength.m_span) / (static_cast<double>(entry.m_arrSlots.size()) * 60.0);
}

double ComputeActivityWeight(const CScheduleData& data, std::vector<CCandidateSlot>& out, const CActivity& activity,
                             const CPlanIndex* index) {
    double score = 0.0;
    bool first = true;
    ForEntriesOf(data, activity.m_nId, index, [&](const CTimetableEntry& entry) {
        const double s = ComputeEntryScore(entry);
        if (first || s > score) score = s;
        first = false;
        out.insert(out.end(), entry.m_arrSlots.begin(), entry.m_arrSlots.end());
    });
    const COleDateTimeSpan free = activity.ComputeFreeSlotTime(data, index);
    const COleDateTimeSpan remaining = activity.GetRemainingTime(data, index);
    if (WholeMinutes(remaining.m_span) <= WholeMinutes(free.m_span)) return score;
    return WholeMinutes(remaining.m_span) + 1000000.0;
}

void CActivity::CountCandidateDays(const CScheduleData& data, int& slots, int& days, const CPlanIndex* index) const {
    slots = 0;
    days = 0;
    const CTimetableEntry* most = nullptr;
    ForEntriesOf(data, m_nId, index, [&](const CTimetableEntry& entry) {
        if (!most || entry.m_arrSlots.size() > most->m_arrSlots.size()) most = &entry;
    });
    if (!most) return;
    slots = static_cast<int>(most->m_arrSlots.size());
    COleDateTime day = GetUnplacedDate();
    for (const CCandidateSlot& slot : most->m_arrSlots) {
        if (IsSameDay(slot.m_dtStart, day)) continue;
        ++days;
        day = slot.m_dtStart;
    }
}

bool CActivity::CanPlaceElsewhere(const CScheduleData& data, const CTimetableEntry& entry,
                                  const CPlanIndex* index) const {
    const COleDateTime entryEnd = entry.GetEndTime();
    CTimetableEntry trial(GetUnplacedDate(), m_tsMeeting);
    trial.m_nActivity = m_nId;
    const int days = std::min(data.m_nDays, kMaxPlanDays);
    for (int n = 0; n < days; ++n) {
        COleDateTime windowStart, windowEnd;
        GetDayWindow(data, n, windowStart, windowEnd);
        COleDateTime t = windowStart;
        for (int i = 0; i < kMaxSlotsPerDay && IsValidDate(t) && CompareTimesApprox(t + kHour, windowEnd) != 1; ++i, t += kHour) {
            trial.m_dtStart = trial.m_dtUnmovedStart = t;
            if (IntervalsOverlap(t, trial.GetEndTime(), entry.m_dtStart, entryEnd)) continue;
            if (data.CanPlaceEntry(m_nId, 0, trial, index)) return true;
        }
    }
    return false;
}
