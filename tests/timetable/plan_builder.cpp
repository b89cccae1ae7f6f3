#include "plan_builder.h"

#include "model/time_values.h"

void SetTestServices(CScheduleData& data, IModelHost& host, IAppSettings& settings, IMessageAnswerer& answerer,
                     IClipboard* clipboard) {
    ModelServices services;
    services.host = &host;
    services.settings = &settings;
    services.answerer = &answerer;
    services.clipboard = clipboard;
    data.SetServices(services);
}

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

DatedTestPlan AddDatedTestPlan(CScheduleData& data) {
    data.SetStartDate(COleDateTime(2024, 9, 2, 0, 0, 0));
    data.m_nDays = 5;
    data.m_tDayStart = MakeTimeOfDay(7, 0);
    CEntity& ada = AddTestEntity(data, 1, 1, L"Ada Brook");
    ada.m_tDayStart[3] = ada.m_tDayEnd[3] = MakeTimeOfDay(8, 0);
    CAbsence absence;
    absence.m_dtStart = COleDateTime(2024, 9, 3, 13, 0, 0);
    absence.m_tsLength = COleDateTimeSpan(0, 3, 0, 0);
    ada.m_arrAbsences.push_back(absence);
    AddTestEntity(data, 2, 0, L"1a");
    AddTestEntity(data, 3, 0, L"1b");
    AddTestEntity(data, 4, 1, L"Ben Cole");
    AddTestEntity(data, 5, 1, L"Cy Dunn");
    AddTestGroup(data, 7, L"Options");
    AddTestActivity(data, 10, L"Maths", {1, 2});
    AddTestActivity(data, 11, L"Art", {4, 2});
    AddTestActivity(data, 12, L"Music", {5, 3});
    AddTestActivity(data, 20, L"Choir", {1, 2}, 7);
    AddTestActivity(data, 21, L"Drama", {4, 3}, 7);
    AddTestActivity(data, 22, L"Chess", {5, 2}, 7);
    DatedTestPlan plan;
    plan.e1 = AddTestEntry(data, 10, COleDateTime(2024, 9, 2, 8, 0, 0), 60);
    plan.e2 = AddTestEntry(data, 10, COleDateTime(2024, 9, 4, 8, 0, 0), 60);
    plan.e3 = AddTestEntry(data, 11, COleDateTime(2024, 9, 2, 10, 0, 0), 60);
    plan.e4 = AddTestEntry(data, 12, COleDateTime(2024, 9, 2, 10, 0, 0), 60);
    plan.e5 = AddTestEntry(data, 20, COleDateTime(2024, 9, 3, 9, 0, 0), 60);
    plan.e6 = AddTestEntry(data, 21, COleDateTime(2024, 9, 3, 9, 0, 0), 60);
    plan.e7 = AddTestEntry(data, 22, COleDateTime(2024, 9, 6, 9, 0, 0), 60);
    return plan;
}
