#pragma once
// Small dated plans with a planted timetable for the solver tests: C classes (type 0) and C
// teachers (type 1), every class taught every hour of D plan days, each lesson by the teacher
// (class + day + hour) mod C, so no teacher ever teaches two classes at once. Unplacing k
// lessons leaves a problem whose zero-overlap solutions include the planted one.
#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "../model/model_test_support.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "solver_engine/solver_sink.h"

// Keeps what a run tells its driver.
class CRecordingSink : public ISolverSink {
public:
    void AddLogLine(const CString& line) override { m_lines.push_back(line); }
    void OnImproved(int over, long long value) override { m_improvements.emplace_back(over, value); }
    void OnRunEnded() override { ++m_nEnded; }

    std::vector<CString> m_lines;
    std::vector<std::pair<int, long long>> m_improvements;
    int m_nEnded = 0;
};

class SolverFixture : public ::testing::Test {
protected:
    static constexpr int kFirstHour = 7;  // entity windows run from 07:00 to 16:00
    static constexpr int kHours = 9;

    SolverFixture() {
        m_data.SetServices({&m_host, &m_settings, nullptr, nullptr});
        m_data.m_dtStartDate = COleDateTime(2024, 3, 4, 0, 0, 0);
        m_data.m_dtFirstWeekday = m_data.m_dtStartDate;
        m_data.m_tDayStart = MakeTimeOfDay(7, 0);
    }

    COleDateTime At(int day, int hour, int minute = 0) const { return COleDateTime(2024, 3, 4 + day, hour, minute, 0); }
    static COleDateTimeSpan Minutes(double minutes) { return COleDateTimeSpan(minutes / 1440.0); }

    CEntity& AddEntity(int id, int type, int overlaps = 1) {
        CEntity entity;
        entity.m_nId = id;
        entity.m_nType = type;
        entity.m_nOverlaps = overlaps;
        entity.m_strName.Format(L"E%d", id);
        m_data.m_arrEntities.push_back(entity);
        return *m_data.FindEntity(id);
    }
    CActivity& AddActivity(int id, std::vector<int> members, double hours, int group = 0) {
        CActivity activity;
        activity.m_nId = id;
        activity.m_arrMembers = std::move(members);
        activity.m_nGroup = group;
        activity.m_tsDuration = Minutes(hours * 60);
        activity.m_tsMeeting = Minutes(60);
        m_data.m_arrActivities.push_back(activity);
        return *m_data.FindActivity(id);
    }
    // A fixed (state 0) entry placed at day/hour.
    CTimetableEntry& AddEntry(int activity, int day, int hour, int minutes = 60, int state = 0) {
        CTimetableEntry entry(At(day, hour), Minutes(minutes));
        entry.m_nActivity = activity;
        entry.m_nState = state;
        m_data.m_arrEntries.push_back(entry);
        return m_data.m_arrEntries.back();
    }
    // An open entry: unplaced, stored state 2.
    CTimetableEntry& AddOpenEntry(int activity, int minutes = 60) {
        CTimetableEntry entry(GetUnplacedDate(), Minutes(minutes));
        entry.m_nActivity = activity;
        entry.m_nState = 2;
        m_data.m_arrEntries.push_back(entry);
        return m_data.m_arrEntries.back();
    }

    // Classes are entities 1..C, teachers 101..100+C; activity 1000 + 100 c + t joins class c and
    // teacher t. Every lesson is a fixed entry; then `open` of them, spread over the plan, are
    // unplaced and become movable.
    void PlantTimetable(int classes, int days, int open) {
        m_data.m_nDays = days;
        for (int c = 1; c <= classes; ++c) AddEntity(c, 0);
        for (int t = 1; t <= classes; ++t) AddEntity(100 + t, 1);
        std::map<int, int> lessons;
        for (int c = 0; c < classes; ++c)
            for (int d = 0; d < days; ++d)
                for (int h = 0; h < kHours; ++h) ++lessons[ActivityId(c, (c + d + h) % classes)];
        for (const auto& [id, count] : lessons) {
            const int c = (id - 1000) / 100;
            const int t = (id - 1000) % 100;
            AddActivity(id, {c + 1, 100 + t + 1}, count);
        }
        for (int c = 0; c < classes; ++c)
            for (int d = 0; d < days; ++d)
                for (int h = 0; h < kHours; ++h) AddEntry(ActivityId(c, (c + d + h) % classes), d, kFirstHour + h);
        const int total = static_cast<int>(m_data.m_arrEntries.size());
        for (int i = 0; i < open; ++i) {
            CTimetableEntry& entry = m_data.m_arrEntries[static_cast<std::size_t>((i * 7919) % total)];
            entry.m_dtStart = GetUnplacedDate();
            entry.m_dtUnmovedStart = GetUnplacedDate();
            entry.m_nState = 2;
        }
    }
    static int ActivityId(int c, int t) { return 1000 + 100 * c + t; }

    int CountUnplaced() const {
        int n = 0;
        for (const CTimetableEntry& entry : m_data.m_arrEntries) n += IsUnplacedDate(entry.m_dtStart);
        return n;
    }

    CPinnedTimeZone m_zone{"Europe/Berlin"};
    CRecordingHost m_host;
    CMemoryAppSettings m_settings;
    CScheduleData m_data;
};
