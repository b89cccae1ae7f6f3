#pragma once
// A small week template built in memory for the magnet board's page tests: Monday 3 January
// 2000 on, five days; entities working 08:00 to 16:00; activities, groups and entries made by
// the helpers.
#include <initializer_list>
#include <vector>

#include "planner_test_support.h"

class MagnetPlanTest : public PlannerTest {
protected:
    void SetUp() override {
        PlannerTest::SetUp();
        m_data.SetStartDate(At(2000, 1, 3, 0, 0));
        m_data.m_nDays = 5;
    }
    CEntity& AddEntity(int id, int type) {
        CEntity entity = Working(8, 0, 16, 0);
        entity.m_nId = id;
        entity.m_nType = type;
        entity.m_strName.Format(L"E%d", id);
        m_data.m_arrEntities.push_back(entity);
        return m_data.m_arrEntities.back();
    }
    CActivity& AddActivity(int id, int group, std::vector<int> members, std::vector<int> rooms = {}) {
        CActivity activity;
        activity.m_nId = id;
        activity.m_nGroup = group;
        activity.m_strName.Format(L"A%d", id);
        activity.m_arrMembers = std::move(members);
        activity.m_arrRooms = std::move(rooms);
        m_data.m_arrActivities.push_back(activity);
        return m_data.m_arrActivities.back();
    }
    void AddGroup(int id) {
        CActivityGroup group;
        group.m_nId = id;
        group.m_strName.Format(L"G%d", id);
        m_data.m_arrGroups.push_back(group);
    }
    CTimetableEntry& AddEntry(int activity, int day, int hour, int minutes, int state = 2, int minute = 0) {
        CTimetableEntry entry(At(2000, 1, 3 + day, hour, minute), COleDateTimeSpan(0, 0, minutes, 0));
        entry.m_nActivity = activity;
        entry.SetState(state);
        m_data.m_arrEntries.push_back(entry);
        return m_data.m_arrEntries.back();
    }
    std::vector<CMagnetRow> Rows(std::initializer_list<int> ids) {
        std::vector<CMagnetRow> rows;
        for (const int id : ids) rows.emplace_back(id, CString(L"row"), m_data.FindEntity(id)->m_nType);
        return rows;
    }
};

