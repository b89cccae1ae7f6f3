// The warning mark of the timetable's cell list: whether placing an entry of an activity leaves
// the rest of the plan placeable.
#include <algorithm>
#include <optional>

#include "model/participation_rules.h"
#include "model/plan_index.h"
#include "model/schedule_data.h"
#include "model/time_values.h"

bool CScheduleData::IsPlacementSafe(int activityId, const CTimetableEntry& entry, const CPlanIndex* index) const {
    const auto activity = FindActivity(activityId);
    if (activity == m_arrActivities.end()) return false;
    std::optional<CPlanIndex> own;
    if (!index) index = &own.emplace(*this);
    CTimetableEntry tested(entry);
    tested.m_nActivity = activityId;
    const COleDateTime start = tested.m_dtStart;
    const COleDateTime end = tested.GetEndTime();

    // A type-0 entity whose time is fully planned, and that is free at this hour, must still be
    // able to use the hour for one of its activities.
    for (const CEntity& entity : m_arrEntities) {
        if (entity.m_nType != 0 || entity.m_bUnavailable) continue;
        if (entity.IsAbsent(start, end) || !entity.IsAvailable(*this, start, end)) continue;
        if (activity->HasEntityId(*this, entity.m_nId)) continue;
        // Every test here is a plain question; the cheaper ones go first.
        if (!entity.IsLoadBalanced(*this, index) || index->TakesPartDuring(entity, tested)) continue;
        bool usable = false;
        for (std::size_t a : index->ActivitiesOf(entity.m_nId)) {
            const CActivity& other = m_arrActivities[a];
            if (other.IsTimeFilled(*this, index)) continue;
            if (other.m_nId != activityId && ActivitiesShareMember(*this, *activity, other)) continue;
            if (CanPlaceEntry(other.m_nId, 0, tested, index)) {
                usable = true;
                break;
            }
        }
        if (!usable) return false;
    }

    // Every open activity that shares a member with this one must still find an hour elsewhere.
    CPlanIndex::Positions sharing;
    for (int id : activity->m_arrMembers) {
        const auto& listing = index->ActivitiesListingMember(id);
        sharing.insert(sharing.end(), listing.begin(), listing.end());
    }
    std::sort(sharing.begin(), sharing.end());
    sharing.erase(std::unique(sharing.begin(), sharing.end()), sharing.end());
    for (std::size_t a : sharing) {
        const CActivity& other = m_arrActivities[a];
        if (other.m_nId == activityId || !ActivitiesShareMember(*this, *activity, other)) continue;
        if (other.IsTimeFilled(*this, index)) continue;
        if (!other.CanPlaceElsewhere(*this, tested, index)) return false;
    }
    return true;
}
