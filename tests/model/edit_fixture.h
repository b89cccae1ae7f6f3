#pragma once
// A store with recording services and builders for small documents, for the tests of the edit
// operations. Every test ends by walking the store for dangling references.
#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "model/schedule_data.h"
#include "model_test_support.h"
#include "store_integrity.h"

class EditFixture : public ::testing::Test {
protected:
    // A week template from Monday 3 January 2000, so that the plan check keeps entries of that
    // week.
    void SetUp() override {
        m_settings.m_dtDefaultPlanDate = COleDateTime(2000, 1, 3, 0, 0, 0);
        m_data.SetServices({&m_host, &m_settings, &m_answerer, &m_clipboard});
        m_data.m_dtStartDate = m_settings.m_dtDefaultPlanDate;
        m_data.m_dtFirstWeekday = m_settings.m_dtDefaultPlanDate;
    }
    void TearDown() override { EXPECT_EQ(FindStoreFaults(m_data), std::vector<std::string>{}); }

    CEntity& Entity(int id, const wchar_t* name, int type = 0) {
        CEntity entity(m_data.m_tDayStart, m_data.m_nDays);
        entity.m_nId = id;
        entity.m_strName = name;
        entity.m_nType = type;
        m_data.m_arrEntities.push_back(entity);
        return m_data.m_arrEntities.back();
    }

    // Members of any type but 4 go to the member list, rooms to the room list.
    CActivity& Activity(int id, const wchar_t* name, std::initializer_list<int> entities = {}, int group = 0) {
        CActivity activity;
        activity.m_nId = id;
        activity.m_strName = name;
        activity.m_nGroup = group;
        for (int e : entities) {
            const auto entity = m_data.FindEntity(e);
            const bool room = entity != m_data.m_arrEntities.end() && entity->m_nType == 4;
            (room ? activity.m_arrRooms : activity.m_arrMembers).push_back(e);
        }
        m_data.m_arrActivities.push_back(activity);
        return m_data.m_arrActivities.back();
    }

    CActivityGroup& Group(int id, const wchar_t* name) {
        CActivityGroup group;
        group.m_nId = id;
        group.m_strName = name;
        m_data.m_arrGroups.push_back(group);
        return m_data.m_arrGroups.back();
    }

    CChimeSet& Chimes(int id, const wchar_t* name) {
        CChimeSet chimes;
        chimes.m_nId = id;
        chimes.m_strName = name;
        m_data.m_arrChimeSets.push_back(chimes);
        return m_data.m_arrChimeSets.back();
    }

    CTimetableEntry& Entry(int activity, const COleDateTime& start, int minutes) {
        CTimetableEntry entry(start, COleDateTimeSpan(minutes / 1440.0));
        entry.m_nActivity = activity;
        m_data.m_arrEntries.push_back(entry);
        return m_data.m_arrEntries.back();
    }

    std::vector<int> EntityIds() const {
        std::vector<int> ids;
        for (const CEntity& e : m_data.m_arrEntities) ids.push_back(e.m_nId);
        return ids;
    }
    std::vector<int> ActivityIds() const {
        std::vector<int> ids;
        for (const CActivity& a : m_data.m_arrActivities) ids.push_back(a.m_nId);
        return ids;
    }
    bool Called(const std::string& call) const {
        return std::find(m_host.m_calls.begin(), m_host.m_calls.end(), call) != m_host.m_calls.end();
    }

    CPinnedTimeZone m_zone{"UTC0"};
    CRecordingHost m_host;
    CMemoryAppSettings m_settings;
    CScriptedMessageAnswerer m_answerer;
    CMemoryClipboard m_clipboard;
    CScheduleData m_data;
};

inline COleDateTime At(int year, int month, int day, int hour, int minute) {
    return COleDateTime(year, month, day, hour, minute, 0);
}

inline COleDateTimeSpan Minutes(int minutes) { return COleDateTimeSpan(minutes / 1440.0); }
