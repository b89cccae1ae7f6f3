// The length of an activity group before a solver run.
#include <algorithm>
#include <vector>

#include "model/activity_group.h"
#include "model/schedule_data.h"
#include "model/time_values.h"

namespace {

bool IsLimitedNonType0(const CEntity& entity) { return entity.m_nType != 0 && entity.m_nOverlaps != 0; }

// The distinct members of the group's activities that have the entity (all the group's
// activities when the id is 0) and are limited entities of a type other than 0, in order.
std::vector<int> LimitedMembers(const CScheduleData& data, int groupId, int entityId) {
    std::vector<int> ids;
    for (const CActivity& activity : data.m_arrActivities) {
        if (activity.m_nGroup != groupId) continue;
        if (entityId != 0 && !activity.HasEntityId(data, entityId)) continue;
        for (int id : activity.m_arrMembers) {
            const auto member = data.FindEntity(id);
            if (member == data.m_arrEntities.end() || !IsLimitedNonType0(*member)) continue;
            if (std::find(ids.begin(), ids.end(), id) == ids.end()) ids.push_back(id);
        }
    }
    return ids;
}

COleDateTimeSpan LongestGroupTime(const CScheduleData& data, const CActivityGroup& group, const std::vector<int>& ids) {
    COleDateTimeSpan best(0.0);
    for (int id : ids) {
        const COleDateTimeSpan t = group.GetEntityGroupTime(data, id);
        if (WholeMinutes(t.m_span) > WholeMinutes(best.m_span)) best = t;
    }
    return best;
}

}  // namespace

COleDateTimeSpan CActivityGroup::GetEntityGroupTime(const CScheduleData& data, int entityId) const {
    const auto entity = data.FindEntity(entityId);
    if (entity == data.m_arrEntities.end()) return COleDateTimeSpan(0.0);
    if (IsLimitedNonType0(*entity)) {
        COleDateTimeSpan sum(0.0);
        for (const CActivity& activity : data.m_arrActivities) {
            if (activity.m_nGroup == m_nId && activity.HasEntityId(data, entityId)) sum += activity.m_tsDuration;
        }
        return sum;
    }
    // A type-0 or unlimited entity: the longest time of the limited members it meets here.
    return LongestGroupTime(data, *this, LimitedMembers(data, m_nId, entityId));
}

void CActivityGroup::ComputeLength(const CScheduleData& data) {
    m_tsLength = COleDateTimeSpan(0.0);
    m_arrWork.clear();
    for (const CTimetableEntry& entry : data.m_arrEntries) {
        const auto activity = data.FindActivity(entry.m_nActivity);
        if (activity == data.m_arrActivities.end() || activity->m_nGroup != m_nId) continue;
        const int chimeSet = activity->m_nChimeSet ? activity->m_nChimeSet : activity->m_nDerivedChimeSet;
        m_arrWork.emplace_back(entry, activity->m_nPosition, activity->m_nGroup, chimeSet, 0, 1);
    }
    m_tsLength = LongestGroupTime(data, *this, LimitedMembers(data, m_nId, 0));
}
