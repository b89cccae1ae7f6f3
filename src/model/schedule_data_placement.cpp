// Whether an entry may be placed, whether an entity may join an activity, and which entity
// makes an entry conflict. Read-only: the solver's worker asks these too.
#include <algorithm>

#include "model/participation_rules.h"
#include "model/plan_index.h"
#include "model/schedule_data.h"
#include "model/time_clash.h"
#include "model/time_values.h"

namespace {

// A copy of the proposed entry carrying the activity's id, as the clash tests compare it.
CTimetableEntry WithActivity(const CTimetableEntry& entry, int activityId) {
    CTimetableEntry copy(entry);
    copy.m_nActivity = activityId;
    return copy;
}

// The member when it exists, is available from start to end and is not absent then; else null.
const CEntity* AttendingMember(const CScheduleData& data, int id, const COleDateTime& start, const COleDateTime& end) {
    const auto entity = data.FindEntity(id);
    if (entity == data.m_arrEntities.end()) return nullptr;
    if (!entity->IsAvailable(data, start, end)) return nullptr;
    if (entity->IsAbsent(start, end)) return nullptr;
    return &*entity;
}

}  // namespace

int CScheduleData::CanPlaceEntry(int activityId, int excludedId, const CTimetableEntry& entry,
                                 const CPlanIndex* index) const {
    const auto activity = FindActivity(activityId);
    if (activity == m_arrActivities.end()) return 0;
    if (activity->m_arrMembers.empty()) return 1;
    const COleDateTime start = entry.m_dtStart;
    const COleDateTime end = entry.GetEndTime();
    for (int id : activity->m_arrMembers) {
        if (!AttendingMember(*this, id, start, end)) return 0;
        if (EntityHasClash(id, activityId, entry, excludedId, index)) return 0;
    }
    return 1;
}

int CScheduleData::CanPlaceEntryByOverlaps(int activityId, const CTimetableEntry& entry) const {
    const auto activity = FindActivity(activityId);
    if (activity == m_arrActivities.end()) return 0;
    if (activity->m_arrMembers.empty()) return 1;
    const int chimeSet = activity->m_nChimeSet ? activity->m_nChimeSet : activity->m_nDerivedChimeSet;
    const COleDateTime start = entry.m_dtStart;
    const COleDateTime end = entry.GetEndTime();
    for (int id : activity->m_arrMembers) {
        const CEntity* entity = AttendingMember(*this, id, start, end);
        if (!entity) return 0;
        // OVERLAPS 0 sets no limit. A stored copy of the entry counts itself, hence the - 1.
        if (entity->m_nOverlaps == 0) continue;
        if (entity->CountClashingEntries(*this, chimeSet, entry) - 1 > entity->m_nOverlaps) return 0;
    }
    return 1;
}

int CScheduleData::EntityHasClash(int entityId, int activityId, const CTimetableEntry& entry, int excludedId,
                                  const CPlanIndex* index) const {
    const auto entity = FindEntity(entityId);
    if (entity == m_arrEntities.end()) return 0;
    if (entity->m_nType != 0) {
        if (entity->m_nOverlaps == 0) return 0;
        const int n = CountEntityOverlaps(entityId, activityId, excludedId, nullptr, entry, index);
        return (excludedId != 0 ? n > entity->m_nOverlaps : n >= entity->m_nOverlaps) ? 1 : 0;
    }
    // A type-0 entity: by time alone against the entries of its other activities.
    const auto activity = FindActivity(activityId);
    if (activity == m_arrActivities.end()) return 0;
    const CTimetableEntry tested = WithActivity(entry, activityId);
    const int chimeSet = tested.GetChimeSetId(*this);
    auto tests = [&](const CActivity& other) {
        if (other.m_nId == excludedId) return false;
        if (activity->m_nGroup != 0 && other.m_nGroup == activity->m_nGroup && other.m_nId != activityId) return false;
        return std::find(other.m_arrMembers.begin(), other.m_arrMembers.end(), entityId) != other.m_arrMembers.end();
    };
    auto clashes = [&](const CTimetableEntry& stored) {
        return !stored.m_bLinked && IsSameDay(stored.m_dtStart, entry.m_dtStart) &&
               EntriesClashInTime(*this, stored, chimeSet, tested);
    };
    if (index) {
        for (std::size_t a : index->ActivitiesOf(entityId)) {
            const CActivity& other = m_arrActivities[a];
            if (!tests(other)) continue;
            for (std::size_t e : index->EntriesOfActivity(other.m_nId))
                if (clashes(m_arrEntries[e])) return 1;
        }
        return 0;
    }
    for (const CTimetableEntry& stored : m_arrEntries) {
        if (!clashes(stored)) continue;
        const auto other = FindActivity(stored.m_nActivity);
        if (other != m_arrActivities.end() && tests(*other)) return 1;
    }
    return 0;
}

int CScheduleData::CountEntityOverlaps(int entityId, int activityId, int excludedId,
                                       const std::vector<const CTimetableEntry*>* list, const CTimetableEntry& entry,
                                       const CPlanIndex* index) const {
    const CTimetableEntry tested = WithActivity(entry, activityId);
    const int chimeSet = tested.GetChimeSetId(*this);
    int count = 0;
    auto visit = [&](const CTimetableEntry& stored) {
        if (stored.m_bLinked || !IsSameDay(stored.m_dtStart, entry.m_dtStart)) return;
        if (!EntriesClashInTime(*this, stored, chimeSet, tested)) return;
        const auto activity = FindActivity(stored.m_nActivity);
        if (activity == m_arrActivities.end() || activity->m_nId == excludedId) return;
        if (activity->HasEntityId(*this, entityId) || stored.HasParticipant(entityId)) ++count;
    };
    if (list) {
        for (const CTimetableEntry* stored : *list) visit(*stored);
    } else if (index) {
        // Only the entries of the entity's activities and those naming it can count.
        CPlanIndex::Positions positions;
        index->GetEntriesInvolving(entityId, positions);
        for (std::size_t e : positions) visit(m_arrEntries[e]);
    } else {
        for (const CTimetableEntry& stored : m_arrEntries) visit(stored);
    }
    return count;
}

int CScheduleData::GetEntityMaxOverlap(int entityId) const {
    const auto entity = FindEntity(entityId);
    if (entity == m_arrEntities.end()) return 0;
    std::vector<const CTimetableEntry*> list;
    for (const CTimetableEntry& stored : m_arrEntries) {
        if (stored.m_bLinked) continue;
        const auto activity = FindActivity(stored.m_nActivity);
        if (activity != m_arrActivities.end() && activity->HasEntity(*entity)) list.push_back(&stored);
    }
    int most = 0;
    for (const CTimetableEntry* stored : list)
        most = std::max(most, CountEntityOverlaps(entityId, stored->m_nActivity, 0, &list, *stored));
    return most;
}

CEntityArray::const_iterator CScheduleData::FindConflictingEntity(const CTimetableEntry& entry) const {
    std::vector<int> participants;
    entry.GetParticipantsByType(*this, participants, 6);
    const int chimeSet = entry.GetChimeSetId(*this);
    const COleDateTime start = entry.m_dtStart;
    const COleDateTime end = entry.GetEndTime();
    std::vector<int> others;
    for (const CTimetableEntry& other : m_arrEntries) {
        if (other.m_bLinked || other.GetSerial() == entry.GetSerial()) continue;
        if (!IntervalsOverlap(other.m_dtStart, other.GetEndTime(), start, end)) continue;
        other.GetParticipantsByType(*this, others, 6);
        for (int id : participants) {
            if (std::find(others.begin(), others.end(), id) == others.end()) continue;
            const auto entity = FindEntity(id);
            if (entity == m_arrEntities.end()) continue;
            if (entity->IsAbsent(start, end)) continue;
            // OVERLAPS 0 sets no limit.
            if (entity->m_nOverlaps == 0) continue;
            if (entity->m_nOverlaps != 1 && entity->CountClashingEntries(*this, chimeSet, entry) < entity->m_nOverlaps)
                continue;
            return entity;
        }
    }
    return m_arrEntities.end();
}

int CScheduleData::IsEntityBusyDuring(int entityId, const CTimetableEntry& entry) const {
    const auto entity = FindEntity(entityId);
    if (entity == m_arrEntities.end()) return 0;
    const COleDateTime start = entry.m_dtStart;
    const COleDateTime end = entry.GetEndTime();
    for (const CTimetableEntry& other : m_arrEntries) {
        if (other.m_bLinked || other.m_nActivity == entry.m_nActivity) continue;
        if (!IntervalsOverlap(other.m_dtStart, other.GetEndTime(), start, end)) continue;
        if (entity->TakesPartIn(*this, other)) return 1;
    }
    return 0;
}

int CScheduleData::AreEntitiesLinked(int entityId, int otherId) const {
    for (const CActivity& activity : m_arrActivities) {
        if (activity.HasEntityId(*this, entityId) && activity.HasEntityId(*this, otherId)) return 1;
    }
    for (const CTimetableEntry& entry : m_arrEntries) {
        const bool namesFirst = entry.HasParticipant(entityId);
        const bool namesSecond = entry.HasParticipant(otherId);
        if (namesFirst && namesSecond) return 1;
        if (!namesFirst && !namesSecond) continue;
        const auto activity = FindActivity(entry.m_nActivity);
        if (activity == m_arrActivities.end()) continue;
        if (namesFirst && activity->HasEntityId(*this, otherId)) return 1;
        if (namesSecond && activity->HasEntityId(*this, entityId)) return 1;
    }
    return 0;
}

int CScheduleData::CanEntityUseActivity(int activityId, int entityId) const {
    const auto activity = FindActivity(activityId);
    if (activity == m_arrActivities.end()) return 0;
    return activity->GetRoomConflict(*this, entityId) != 2 ? 1 : 0;
}

int CScheduleData::CanAddEntityToActivity(int activityId, int entityId, const CPlanIndex* index) const {
    const auto entity = FindEntity(entityId);
    if (entity == m_arrEntities.end() || entity->m_bUnavailable) return 0;
    const auto activity = FindActivity(activityId);
    if (activity == m_arrActivities.end() || activity->HasEntity(*entity)) return 0;
    if (entity->m_nType == 4)
        return activity->m_strLocation.IsEmpty() && activity->GetRoomConflict(*this, entityId, index) != 2 ? 1 : 0;
    auto admits = [&](const CTimetableEntry& entry) {
        return !EntityHasClash(entityId, activityId, entry, 0, index) && !entry.HasParticipant(entityId) &&
               entry.IsEntityAvailable(*this, *entity) && !entity->IsAbsent(entry.m_dtStart, entry.GetEndTime());
    };
    if (index) {
        for (const std::size_t e : index->EntriesOfActivity(activityId))
            if (!admits(m_arrEntries[e])) return 0;
        return 1;
    }
    for (const CTimetableEntry& entry : m_arrEntries)
        if (entry.m_nActivity == activityId && !admits(entry)) return 0;
    return 1;
}
