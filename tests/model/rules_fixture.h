#pragma once
// A small dated plan for the rule tests: a store in a pinned time zone whose plan starts on
// Monday 4 March 2024, with helpers that add entities, activities and entries by id.
#include <gtest/gtest.h>

#include <vector>

#include "model/schedule_data.h"
#include "model/time_values.h"
#include "model_test_support.h"

class RulesFixture : public ::testing::Test {
protected:
    RulesFixture() {
        m_data.SetServices({&m_host, &m_settings, nullptr, nullptr});
        m_data.m_dtStartDate = COleDateTime(2024, 3, 4, 0, 0, 0);
        m_data.m_dtFirstWeekday = m_data.m_dtStartDate;
    }

    // Windows 07:00 to 16:00 on the first six plan days.
    CEntity& AddEntity(int id, int type, int overlaps = 1) {
        CEntity entity;
        entity.m_nId = id;
        entity.m_nType = type;
        entity.m_nOverlaps = overlaps;
        m_data.m_arrEntities.push_back(entity);
        return Entity(id);
    }
    CActivity& AddActivity(int id, std::vector<int> members, std::vector<int> rooms = {}, int group = 0) {
        CActivity activity;
        activity.m_nId = id;
        activity.m_arrMembers = std::move(members);
        activity.m_arrRooms = std::move(rooms);
        activity.m_nGroup = group;
        m_data.m_arrActivities.push_back(activity);
        return Activity(id);
    }
    // An entry on plan day `day` at hh:mm for `minutes`, unmoved; returns its position.
    std::size_t AddEntry(int activity, int day, int hour, int minute, int minutes) {
        CTimetableEntry entry(At(day, hour, minute), Minutes(minutes));
        entry.m_nActivity = activity;
        entry.m_nState = 0;
        m_data.m_arrEntries.push_back(entry);
        return m_data.m_arrEntries.size() - 1;
    }
    CTimetableEntry& Entry(std::size_t i) { return m_data.m_arrEntries[i]; }
    CEntity& Entity(int id) { return *m_data.FindEntity(id); }
    CActivity& Activity(int id) { return *m_data.FindActivity(id); }

    COleDateTime At(int day, int hour, int minute, int second = 0) const {
        return COleDateTime(2024, 3, 4 + day, hour, minute, second);
    }
    static COleDateTimeSpan Minutes(double minutes) { return COleDateTimeSpan(minutes / 1440.0); }
    static CReplacement Replacement(int entity, bool extending = false) {
        CReplacement replacement;
        replacement.m_nEntity = entity;
        replacement.m_bExtending = extending ? 1 : 0;
        return replacement;
    }
    CAbsence Absence(int day, int hour, int minute, int minutes, bool wholeDay = false) const {
        CAbsence absence;
        absence.m_dtStart = At(day, hour, minute);
        absence.m_tsLength = Minutes(minutes);
        absence.m_bWholeDay = wholeDay ? 1 : 0;
        return absence;
    }

    CPinnedTimeZone m_zone{"Europe/Berlin"};
    CRecordingHost m_host;
    CMemoryAppSettings m_settings;
    CScheduleData m_data;
};
