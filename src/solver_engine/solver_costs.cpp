#include "solver_engine/solver_costs.h"

#include <algorithm>

#include "model/plan_index.h"
#include "model/schedule_data.h"
#include "model/time_clash.h"
#include "model/time_values.h"
#include "solver_engine/solver_work.h"

namespace {

const COleDateTimeSpan kHour(0, 1, 0, 0);

// Walks the free hours of the plan days for one underplanned activity and takes a meeting off
// its remaining time for each; gives what is left.
COleDateTimeSpan RemainingAfterFreeHours(const CScheduleData& data, const CUnderplannedActivity& activity,
                                         const CPlanIndex* index) {
    COleDateTimeSpan remaining = activity.m_tsRemaining;
    const int hour = GetLocalHour(data.m_tDayStart);
    const int minute = GetLocalMinute(data.m_tDayStart);
    for (int day = 0; day < data.m_nDays && WholeMinutes(remaining.m_span) > 5; ++day) {
        const COleDateTime date = data.GetDayDate(day);
        const COleDateTime from(date.GetYear(), date.GetMonth(), date.GetDay(), hour, minute, 0);
        const COleDateTime to(date.GetYear(), date.GetMonth(), date.GetDay(), 22, 0, 0);
        if (from.GetStatus() != COleDateTime::valid || to.GetStatus() != COleDateTime::valid) continue;
        for (COleDateTime t = from; t < to && WholeMinutes(remaining.m_span) > 5; t += kHour) {
            if (data.CanPlaceEntry(activity.m_nActivity, 0, CTimetableEntry(t, kHour), index))
                remaining -= activity.m_tsMeeting;
        }
    }
    return remaining;
}

bool IsLeftUnplaceable(const COleDateTimeSpan& remaining) {
    return remaining.GetStatus() == COleDateTimeSpan::valid && WholeMinutes(remaining.m_span) > 5;
}

}  // namespace

void RefreshEntityItems(CScheduleData& data) {
    for (CEntity& entity : data.m_arrEntities) {
        entity.RefreshItemTimes(data);
        SortEntityItems(entity);
    }
}

double CostEntityOverlaps(double weight, const CScheduleData& data) {
    double cost = 0.0;
    for (const CEntity& entity : data.m_arrEntities) {
        if (!entity.m_bUnavailable) cost += entity.GetOverlapCost(data, weight);
    }
    return cost;
}

double CostUnplaceableTimeOf(const CScheduleData& data, const CUnderplannedActivity& activity, double weight,
                             const CPlanIndex* index) {
    const COleDateTimeSpan remaining = RemainingAfterFreeHours(data, activity, index);
    return IsLeftUnplaceable(remaining) ? weight * WholeMinutes(remaining.m_span) : 0.0;
}

double CostUnplaceableTime(const CScheduleData& data, const CSolverWork& work, double weight, const CPlanIndex* index) {
    double cost = 0.0;
    for (const CUnderplannedActivity& activity : work.m_arrUnderplanned)
        if (activity.m_nShares != 0) cost += CostUnplaceableTimeOf(data, activity, weight, index);
    return cost;
}

bool HasUnplaceableTime(const CScheduleData& data, const CSolverWork& work, const CPlanIndex* index) {
    return std::any_of(work.m_arrUnderplanned.begin(), work.m_arrUnderplanned.end(),
                       [&](const CUnderplannedActivity& activity) {
                           return activity.m_nShares != 0 &&
                                  IsLeftUnplaceable(RemainingAfterFreeHours(data, activity, index));
                       });
}

double CostGroupHoursOverLimitOf(const CScheduleData& data, const CGroupHourLimit& limit, double weight) {
    const auto entity = data.FindEntity(limit.m_nEntity);
    if (entity == data.m_arrEntities.end()) return 0.0;
    const COleDateTimeSpan steps = entity->SumGroupHourSteps(data, limit.m_nGroup);
    if (WholeMinutes(steps.m_span) <= WholeMinutes(limit.m_tsRequired.m_span)) return 0.0;
    return weight * WholeMinutes((steps - limit.m_tsRequired).m_span);
}

double CostGroupHoursOverLimit(const CScheduleData& data, const CSolverWork& work, double weight) {
    double cost = 0.0;
    for (const CGroupHourLimit& limit : work.m_arrGroupHourLimits) cost += CostGroupHoursOverLimitOf(data, limit, weight);
    return cost;
}

double CostEntityHoursOf(const CScheduleData& data, const CEntity& entity, double weight) {
    if (entity.m_nType != 1 && entity.m_nType != 2) return 0.0;
    return CostEntityHoursOf(data, entity, weight, entity.SumActivityTime(data));
}

double CostEntityHoursOf(const CScheduleData& data, const CEntity& entity, double weight,
                         const CCategorySpans& planned) {
    if (entity.m_nType != 1 && entity.m_nType != 2) return 0.0;
    double cost = 0.0;
    COleDateTimeSpan before, gaps, after, spans;
    entity.SumGapTimes(data, before, gaps, after, spans);
    const COleDateTimeSpan uncovered = entity.SumUncoveredTime(data, planned);
    const COleDateTimeSpan windows(entity.m_nAllowedWindows / 24.0);
    const int gapMinutes = WholeMinutes(gaps.m_span);
    const int uncoveredMinutes = WholeMinutes(uncovered.m_span);
    const int windowMinutes = WholeMinutes(windows.m_span);
    // Gaps beyond the allowed windows, in minutes on both sides. A cost never pays back.
    if (uncoveredMinutes < gapMinutes - windowMinutes) {
        cost += weight * std::max(0, gapMinutes - 2 * uncoveredMinutes);
    } else if (entity.m_nAllowedWindows != 0 && windowMinutes + uncoveredMinutes > 0) {
        cost += weight * gapMinutes / static_cast<double>(windowMinutes + uncoveredMinutes);
    }
    const int days = entity.CountItemDays();
    if (entity.m_nDays != 0 && days > entity.m_nDays) cost += (days - entity.m_nDays) * weight * 10.0;
    return cost;
}

double CostEntityHours(const CScheduleData& data, double weight) {
    double cost = 0.0;
    for (const CEntity& entity : data.m_arrEntities) cost += CostEntityHoursOf(data, entity, weight);
    return cost;
}

bool IsWithinDailyLimit(const CScheduleData& data, const CTimetableEntry& candidate, const CPlanIndex* index) {
    if (data.m_nSolverOption == 0) return true;
    const auto activity = data.FindActivity(candidate.m_nActivity);
    if (activity == data.m_arrActivities.end()) return false;
    if (activity->m_nDispersion == 0) return true;
    int count = 0;
    auto counts = [&](const CTimetableEntry& entry) {
        return entry.m_nActivity == candidate.m_nActivity && entry.GetState(data) != 7 &&
               IsSameDay(entry.m_dtStart, candidate.m_dtStart);
    };
    if (index) {
        for (std::size_t e : index->EntriesOfActivity(candidate.m_nActivity)) count += counts(data.m_arrEntries[e]);
    } else {
        for (const CTimetableEntry& entry : data.m_arrEntries) count += counts(entry);
    }
    return count < activity->m_nDispersion;
}
