// The magnets, open places and absence blocks the page builds from the document: small plans
// with the expected rows, and both school plans against a plain walk over every row, activity,
// group and entry.
#include "planner/magnet_build.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <tuple>
#include <vector>

#include "model/time_values.h"
#include "magnet_plan_fixture.h"

namespace {

using MagnetBuildTest = MagnetPlanTest;

// A magnet as the tests compare it: start hour and day, length in minutes, group flag, and the
// merged entries' lengths.
struct Shown {
    int day, hour, minutes, group;
    std::vector<int> merged;
    bool operator==(const Shown&) const = default;
};

std::vector<Shown> Describe(const CMagnetRow& row) {
    std::vector<Shown> shown;
    for (const CMagnetItem& magnet : row.m_arrMagnets) {
        Shown s{magnet.m_dtEntryStart.GetDay() - 3, magnet.m_dtEntryStart.GetHour(), WholeMinutes(magnet.m_tsEntryLength),
                magnet.m_bGroupItem, {}};
        for (const CMergedEntry& merged : magnet.m_arrMerged) s.merged.push_back(WholeMinutes(merged.m_tsLength));
        shown.push_back(s);
    }
    return shown;
}

TEST_F(MagnetBuildTest, RowsGetTheMagnetsOfTheirActivitiesAndGroups) {
    AddEntity(1, 0);
    AddEntity(2, 0);
    AddEntity(4, 4);   // a room
    AddEntity(5, 1);   // a teacher who stands in for entity 1's teacher
    AddGroup(7);
    AddActivity(10, 0, {1}, {4});
    AddActivity(11, 0, {2, 4});  // lists 4 as a member: a room takes part only through its room list
    AddActivity(20, 7, {1, 2});
    AddActivity(21, 7, {2});
    AddEntry(10, 0, 8, 90);
    AddEntry(11, 1, 9, 45);
    AddEntry(20, 2, 10, 60);
    AddEntry(21, 2, 10, 120);    // overlaps the group's other entry in row 2: one merged magnet
    CReplacement standIn;
    standIn.m_nEntity = 5;
    standIn.m_nReplacing = 2;
    AddEntry(21, 3, 8, 60).m_arrReplacements.push_back(standIn);
    std::vector<CMagnetRow> rows = Rows({1, 2, 4, 5, 1});
    BuildMagnets(m_data, rows, false);
    const std::vector<std::vector<Shown>> expected = {
        {{0, 8, 90, 0, {}}, {2, 10, 60, 1, {}}},
        {{1, 9, 45, 0, {}}, {2, 10, 120, 1, {60}}, {3, 8, 60, 1, {}}},
        {{0, 8, 90, 0, {}}},
        {{3, 8, 60, 1, {}}},   // through the replacement's entity
        {{0, 8, 90, 0, {}}, {2, 10, 60, 1, {}}},  // an entity in two rows: both show its magnets
    };
    for (std::size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(Describe(rows[i]), expected[i]) << "row " << rows[i].m_nEntityId;
    // A group magnet keeps the time it was built at for the write-back; its title is the group's.
    const CMagnetItem& group = rows[0].m_arrMagnets[1];
    EXPECT_EQ(group.m_block.m_dtStart, group.m_dtEntryStart);
    EXPECT_EQ(group.m_strTitle, CString(L"G7"));
    EXPECT_EQ(group.m_nGroup, 7);
    EXPECT_EQ(rows[0].m_arrMagnets[0].m_strTitle, CString(L"A10"));
    EXPECT_EQ(rows[4].m_arrMagnets[0].m_strTitle, CString(L"A10"));
}

TEST_F(MagnetBuildTest, OpenPlacesGoToFreeMembersOnly) {
    AddEntity(1, 0);
    AddEntity(2, 0).m_arrAbsences.push_back(CAbsence());
    CAbsence& absence = m_data.FindEntity(2)->m_arrAbsences.back();
    absence.m_dtStart = At(2000, 1, 4, 8, 0);
    absence.m_tsLength = COleDateTimeSpan(0, 4, 0, 0);
    AddEntity(3, 0);
    AddActivity(10, 0, {1, 2});
    AddEntry(10, 1, 9, 60, 7);
    std::vector<CMagnetRow> rows = Rows({1, 2, 3});
    BuildMagnets(m_data, rows, false);
    BuildAbsenceBlocks(m_data, rows);
    struct Expected {
        std::size_t magnets, openPlaces, absences;
    } expected[] = {{0, 1, 0}, {0, 0, 1}, {0, 0, 0}};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].m_arrMagnets.size(), expected[i].magnets) << i;
        EXPECT_EQ(rows[i].m_arrOpenPlaces.size(), expected[i].openPlaces) << i;
        EXPECT_EQ(rows[i].m_arrAbsences.size(), expected[i].absences) << i;
    }
    EXPECT_EQ(rows[0].m_arrOpenPlaces[0].m_dtStart, At(2000, 1, 4, 9, 0));
    EXPECT_EQ(rows[1].m_arrAbsences[0].m_nDayIndex, 1);
}

TEST_F(MagnetBuildTest, MarksAndAnEmptyTimetable) {
    AddEntity(1, 0);
    AddEntity(2, 0);
    AddActivity(10, 0, {1});
    AddActivity(11, 0, {2});
    std::vector<CMagnetRow> rows = Rows({1, 2});
    rows[0].m_arrMagnets.push_back(MakeMagnet(99, At(2000, 1, 3, 8, 0), 60));
    // No entry at all: the rows stay as they are.
    BuildMagnets(m_data, rows, true);
    EXPECT_EQ(rows[0].m_arrMagnets.size(), 1u);
    AddEntry(10, 0, 8, 60);
    AddEntry(11, 0, 8, 60);
    m_data.m_nCurrentEntity = 2;
    BuildMagnets(m_data, rows, true);
    EXPECT_EQ(rows[0].m_arrMagnets[0].m_bCurrentEntity, 0);
    EXPECT_EQ(rows[1].m_arrMagnets[0].m_bCurrentEntity, 1);
    BuildMagnets(m_data, rows, false);
    EXPECT_EQ(rows[1].m_arrMagnets[0].m_bCurrentEntity, 0);
}

// The plain walk of the rules over every row, activity, group and entry (the entries listed per
// activity and per group once, so that the walk stays quick): for each row the (entry serial,
// group flag, start and length in minutes) of every magnet, merged ones included.
using Key = std::tuple<std::uint64_t, int, int, int>;

struct PlainPlan {
    std::map<int, std::vector<const CTimetableEntry*>> byActivity, byGroup;
    explicit PlainPlan(const CScheduleData& data) {
        for (const CTimetableEntry& entry : data.m_arrEntries) {
            if (entry.GetState(data) == 7) continue;
            byActivity[entry.m_nActivity].push_back(&entry);
            const auto activity = data.FindActivity(entry.m_nActivity);
            if (activity != data.m_arrActivities.end() && activity->m_nGroup != 0) byGroup[activity->m_nGroup].push_back(&entry);
        }
    }
};

std::vector<Key> PlainWalk(const CScheduleData& data, const PlainPlan& plan, const CEntity& entity) {
    std::vector<Key> keys;
    const auto add = [&](const CTimetableEntry& entry, int group) {
        keys.emplace_back(entry.GetSerial(), group, WholeMinutes(entry.m_dtStart), WholeMinutes(entry.m_tsLength));
    };
    for (const CActivity& activity : data.m_arrActivities) {
        if (activity.m_nGroup != 0 || !activity.HasEntity(entity) || !plan.byActivity.count(activity.m_nId)) continue;
        for (const CTimetableEntry* entry : plan.byActivity.at(activity.m_nId)) add(*entry, 0);
    }
    for (const CActivityGroup& group : data.m_arrGroups) {
        if (!plan.byGroup.count(group.m_nId)) continue;
        for (const CTimetableEntry* entry : plan.byGroup.at(group.m_nId)) {
            bool takesPart = data.FindActivity(entry->m_nActivity)->HasEntity(entity);
            for (const CReplacement& r : entry->m_arrReplacements) takesPart = takesPart || r.m_nEntity == entity.m_nId;
            for (const int room : entry->m_arrRooms) takesPart = takesPart || room == entity.m_nId;
            if (takesPart) add(*entry, 1);
        }
    }
    std::sort(keys.begin(), keys.end());
    return keys;
}

std::vector<Key> Built(const CMagnetRow& row) {
    std::vector<Key> keys;
    for (const CMagnetItem& magnet : row.m_arrMagnets) {
        keys.emplace_back(magnet.m_nEntry, magnet.m_bGroupItem, WholeMinutes(magnet.m_dtEntryStart), WholeMinutes(magnet.m_tsEntryLength));
        for (const CMergedEntry& merged : magnet.m_arrMerged) {
            keys.emplace_back(merged.m_nEntry, merged.m_bGroupItem, WholeMinutes(merged.m_dtStart), WholeMinutes(merged.m_tsLength));
        }
    }
    std::sort(keys.begin(), keys.end());
    return keys;
}

class MagnetBuildFixtureTest : public PlannerTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(MagnetBuildFixtureTest, EveryRowMatchesThePlainWalk) {
    LoadFixture(GetParam());
    std::vector<CMagnetRow> rows;
    for (const CEntity& entity : m_data.m_arrEntities) rows.emplace_back(entity.m_nId, entity.m_strName, entity.m_nType);
    BuildMagnets(m_data, rows, false);
    BuildAbsenceBlocks(m_data, rows);
    const PlainPlan plan(m_data);
    std::size_t magnets = 0, grouped = 0;
    for (const CMagnetRow& row : rows) {
        const CEntity& entity = *m_data.FindEntity(row.m_nEntityId);
        ASSERT_EQ(Built(row), PlainWalk(m_data, plan, entity)) << entity.m_strName.ToUtf8();
        ASSERT_EQ(row.m_arrAbsences.size(), entity.m_arrAbsences.size());
        magnets += row.m_arrMagnets.size();
        for (const CMagnetItem& magnet : row.m_arrMagnets) grouped += magnet.m_bGroupItem;
    }
    EXPECT_GT(magnets, 1000u);
    EXPECT_GT(grouped, 100u);
}

INSTANTIATE_TEST_SUITE_P(SchoolPlans, MagnetBuildFixtureTest, ::testing::Values("school-template.xml", "school-dated.xml"));

}  // namespace
