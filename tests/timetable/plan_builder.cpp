#include "plan_builder.h"

#include "model/time_values.h"

CEntity& AddTestEntity(CScheduleData& data, int id, int type, const wchar_t* name) {
    CEntity entity(MakeTimeOfDay(8, 0), 5);
    entity.m_nId = id;
    entity.m_nType = type;
    entity.m_strName = name;
    data.m_arrEntities.push_back(entity);
    return *data.FindEntity(id);
}

CActivity& AddTestActivity(CScheduleData& data, int id, const wchar_t* name, std::vector<int> members, int group) {
    CActivity activity;
    activity.m_nId = id;
    activity.m_strName = name;
    activity.m_nGroup = group;
    activity.m_arrMembers = std::move(members);
    activity.m_tsDuration = COleDateTimeSpan(0, 4, 0, 0);
    data.m_arrActivities.push_back(activity);
    return *data.FindActivity(id);
}

std::uint64_t AddTestEntry(CScheduleData& data, int activity, const COleDateTime& start, int minutes) {
    CTimetableEntry entry(start, COleDateTimeSpan(0, 0, minutes, 0));
    entry.m_nActivity = activity;
    const std::uint64_t serial = entry.GetSerial();
    data.m_arrEntries.push_back(std::move(entry));
    return serial;
}

void AddTestGroup(CScheduleData& data, int id, const wchar_t* name) {
    CActivityGroup group;
    group.m_nId = id;
    group.m_strName = name;
    data.m_arrGroups.push_back(group);
}
