// Members, meeting length and chime set of an activity group.
#include <algorithm>

#include "model/activity_group.h"
#include "model/plan_index.h"
#include "model/schedule_data.h"
#include "model/time_values.h"

bool CActivityGroup::HasEntity(const CScheduleData& data, int entityId) const {
    if (entityId == 0) return false;
    const auto entity = data.FindEntity(entityId);
    if (entity == data.m_arrEntities.end()) return false;
    return std::any_of(data.m_arrActivities.begin(), data.m_arrActivities.end(), [&](const CActivity& activity) {
        return activity.m_nGroup == m_nId && activity.HasEntity(*entity);
    });
}

void CActivityGroup::GetMembers(const CScheduleData& data, std::vector<int>& ids) const {
    ids.clear();
    for (const CActivity& activity : data.m_arrActivities) {
        if (activity.m_nGroup != m_nId) continue;
        for (int id : activity.m_arrMembers)
            if (data.FindEntity(id) != data.m_arrEntities.end() && std::find(ids.begin(), ids.end(), id) == ids.end())
                ids.push_back(id);
    }
}

COleDateTimeSpan CActivityGroup::GetMaxMeetingLength(const CScheduleData& data) const {
    COleDateTimeSpan longest(0.0);
    for (const CActivity& activity : data.m_arrActivities) {
        if (activity.m_nGroup != m_nId || activity.IsTimeFilled(data)) continue;
        if (IsSpanLonger(activity.m_tsMeeting, longest)) longest = activity.m_tsMeeting;
    }
    return longest;
}

int CActivityGroup::GetCommonChimeSetId(const CScheduleData& data, const CPlanIndex* index) const {
    int shared = 0;
    const auto differs = [&](const CActivity& activity) {
        const int chimeSet = activity.m_nChimeSet != 0 ? activity.m_nChimeSet : activity.m_nDerivedChimeSet;
        if (chimeSet == 0) return false;
        if (shared != 0 && chimeSet != shared) return true;
        shared = chimeSet;
        return false;
    };
    if (index) {
        for (std::size_t position : index->ActivitiesOfGroup(m_nId))
            if (differs(data.m_arrActivities[position])) return 0;
        return shared;
    }
    for (const CActivity& activity : data.m_arrActivities)
        if (activity.m_nGroup == m_nId && differs(activity)) return 0;
    return shared;
}
