#include "solver_engine/solver_preparation.h"

#include <gtest/gtest.h>

#include "model/participation_rules.h"
#include "model/plan_index.h"
#include "solver_engine/solver_work.h"
#include "solver_fixture.h"

class SolverPreparationTest : public SolverFixture {
protected:
    CSolverWork m_work;
};

TEST_F(SolverPreparationTest, EntryPressureFollowsClashingTimeAndOptions) {
    AddEntity(1, 0);
    AddActivity(10, {1}, 10);
    AddActivity(11, {1}, 10);
    CTimetableEntry& open = AddOpenEntry(10);
    open.m_arrSlots.resize(4);
    AddEntry(11, 0, 8, 420);  // 420 clashing minutes and the entry's own 60
    AddActivity(12, {}, 1);
    AddEntry(12, 1, 8);       // no options
    ComputeEntryPressure(m_data);
    EXPECT_NEAR(m_data.m_arrEntries[0].m_dWorkWeight, 24.389, 1e-9);
    EXPECT_DOUBLE_EQ(m_data.m_arrEntries[2].m_dWorkWeight, 1.5);
}

TEST_F(SolverPreparationTest, ActivitiesPlannedInFullAreNotUnderplanned) {
    AddEntity(1, 0);
    AddActivity(10, {1}, 2);
    AddEntry(10, 0, 8);
    AddOpenEntry(10, 57);           // placed or not, 117 minutes are planned: within 5 of 120
    AddActivity(11, {1}, 3);
    AddEntry(11, 0, 10);            // one hour planned, two remain; shares the class
    AddActivity(12, {}, 2);         // nothing planned, shares nothing
    const CPlanIndex index(m_data);
    CollectUnderplannedActivities(m_data, m_work, index);
    ASSERT_EQ(m_work.m_arrUnderplanned.size(), 2u);
    EXPECT_EQ(m_work.m_arrUnderplanned[0].m_nActivity, 11);
    EXPECT_EQ(m_work.m_arrUnderplanned[0].m_nShares, 1);
    EXPECT_EQ(WholeMinutes(m_work.m_arrUnderplanned[0].m_tsRemaining.m_span), 120);
    EXPECT_EQ(m_work.m_arrUnderplanned[1].m_nActivity, 12);
    EXPECT_EQ(m_work.m_arrUnderplanned[1].m_nShares, 0);
}

TEST_F(SolverPreparationTest, FixPlacedEntriesKeepsOptionsOfUnplacedAndOpenStates) {
    AddEntity(1, 0);
    AddActivity(10, {1}, 10);
    struct Case { bool placed; int state; bool keeps; };
    const Case cases[] = {{false, 2, true}, {true, 2, false}, {true, 3, true}, {true, 6, true}, {true, 0, false}};
    for (const Case& c : cases) {
        CTimetableEntry& entry = c.placed ? AddEntry(10, 5, 15, 60, c.state) : AddOpenEntry(10);
        entry.SetState(c.state);
        entry.m_arrSlots.push_back({At(4, 9), 0.0});
    }
    FixPlacedEntries(m_data);
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(!m_data.m_arrEntries[i].m_arrSlots.empty(), cases[i].keeps) << i;
}

// The neighbour index must give the same weights as testing every pair of entries.
TEST_F(SolverPreparationTest, ConflictWeightsMatchTheWalkOverAllPairs) {
    PlantTimetable(3, 2, 14);
    for (CTimetableEntry& entry : m_data.m_arrEntries)
        if (IsUnplacedDate(entry.m_dtStart)) entry.BuildCandidateSlots(m_data);
    WeighSlotConflicts(nullptr, m_data);
    for (CTimetableEntry& e : m_data.m_arrEntries) {
        if (e.m_arrSlots.empty()) continue;
        CTimetableEntry reference = e;
        for (CCandidateSlot& slot : reference.m_arrSlots) slot.m_dScore = 0.0;
        for (const CTimetableEntry& f : m_data.m_arrEntries)
            if (!f.m_arrSlots.empty() && EntriesShareParticipant(m_data, f, e))
                reference.ScoreCandidateOverlaps(f.m_arrSlots, f.m_tsLength);
        for (std::size_t i = 0; i < e.m_arrSlots.size(); ++i)
            EXPECT_DOUBLE_EQ(e.m_arrSlots[i].m_dScore, reference.m_arrSlots[i].m_dScore);
    }
}

// The weights must be those of the tolerant interval test over every pair of options, bit for
// bit: options that touch, share 5 or 6 minutes, lie within the 3-minute tolerance, run over
// midnight, or start a fraction of a minute off the whole minutes.
TEST_F(SolverPreparationTest, ConflictWeightsFollowTheTolerantOverlapOfEveryPair) {
    AddEntity(1, 0);
    AddEntity(2, 1);
    AddEntity(3, 0);
    AddActivity(10, {1, 2}, 10);
    AddActivity(11, {1}, 10);
    AddActivity(12, {2}, 10);
    AddActivity(13, {3}, 10);  // shares nobody: its options weigh only against themselves
    const auto seconds = [](double n) { return COleDateTimeSpan(n / 86400.0); };
    struct Options {
        int activity;
        int minutes;
        std::vector<COleDateTime> starts;
    };
    const Options entries[] = {
        {10, 60, {At(0, 8), At(0, 9), At(0, 23, 30)}},
        {11, 60, {At(0, 9), At(0, 8, 55), At(0, 8, 54), At(0, 10, 3), At(1, 0)}},
        {12, 45, {At(0, 8, 57) + seconds(30), At(0, 9, 57), At(0, 23, 20)}},
        {12, 45, {At(0, 8) + seconds(0.001), At(0, 9, 2), At(0, 9, 6), At(1, 0, 15)}},
        {10, 120, {At(0, 7, 58), At(0, 9, 2), At(0, 22, 57)}},
        {11, 0, {At(0, 8, 30), At(0, 9)}},
        {10, 6, {At(0, 9), At(0, 9, 3)}},  // the 2 minutes to 09:02 count as none
        {13, 60, {At(0, 8), At(0, 9)}},
        {10, 60, {At(0, 10) + seconds(30), At(0, 11)}},
    };
    for (const Options& o : entries) {
        CTimetableEntry& entry = AddOpenEntry(o.activity, o.minutes);
        for (const COleDateTime& start : o.starts) entry.m_arrSlots.push_back({start, 7.0});
    }
    AddEntry(11, 0, 8);  // without options: weighs nothing
    WeighSlotConflicts(nullptr, m_data);
    for (const CTimetableEntry& e : m_data.m_arrEntries) {
        for (std::size_t i = 0; i < e.m_arrSlots.size(); ++i) {
            const COleDateTime start = e.m_arrSlots[i].m_dtStart;
            double expected = 0.0;
            for (const CTimetableEntry& f : m_data.m_arrEntries) {
                if (f.m_arrSlots.empty() || !EntriesShareParticipant(m_data, f, e)) continue;
                for (const CCandidateSlot& other : f.m_arrSlots)
                    if (IntervalsOverlap(start, start + e.m_tsLength, other.m_dtStart, other.m_dtStart + f.m_tsLength))
                        expected += 1.0 / static_cast<double>(f.m_arrSlots.size());
            }
            EXPECT_EQ(e.m_arrSlots[i].m_dScore, expected)
                << "activity " << e.m_nActivity << " at " << start.Format(L"%d %H:%M:%S").GetString();
        }
    }
    EXPECT_EQ(m_data.m_arrEntries[7].m_arrSlots[0].m_dScore, 0.5);
    EXPECT_EQ(m_data.m_arrEntries[7].m_arrSlots[1].m_dScore, 0.5);
}

TEST_F(SolverPreparationTest, OptionsAreRemovedWhereAFixedEntryOfAParticipantLies) {
    m_data.m_nDays = 1;
    AddEntity(1, 0);
    AddEntity(2, 1);
    AddActivity(10, {1}, 10);
    AddActivity(11, {1, 2}, 1);
    AddActivity(12, {2}, 1);
    AddOpenEntry(10);
    AddEntry(11, 0, 8, 60, 0);
    AddEntry(12, 0, 9, 60, 0);  // shares nothing with the class's activity
    CollectSlotOptions(m_data, nullptr, m_work);
    const auto& slots = m_data.m_arrEntries[0].m_arrSlots;
    EXPECT_EQ(slots.size(), 8u);
    for (const CCandidateSlot& slot : slots) EXPECT_NE(slot.m_dtStart, At(0, 8));
    ASSERT_EQ(m_work.m_arrBefore.size(), 1u);
    EXPECT_TRUE(IsUnplacedDate(m_work.m_arrBefore[0].m_dtStart));
}

// The class's day runs from 07:00 to 16:00; the teacher's longer day does not count.
TEST_F(SolverPreparationTest, PositionRulesKeepTheHoursThatSuitTheClass) {
    struct Case {
        int position;
        std::vector<int> hours;
    };
    const Case cases[] = {
        {0, {7, 8, 9, 10, 11, 12, 13, 14, 15}},
        {1, {7}},
        {2, {15}},
        {3, {7, 15}},
        {4, {8, 9, 10, 11, 12, 13, 14}},
    };
    m_data.m_nDays = 1;
    AddEntity(1, 0);
    AddEntity(2, 1);
    for (int d = 0; d < kMaxPlanDays; ++d) {
        m_data.FindEntity(2)->m_tDayStart[d] = MakeTimeOfDay(6, 0);
        m_data.FindEntity(2)->m_tDayEnd[d] = MakeTimeOfDay(17, 0);
    }
    AddActivity(10, {1, 2}, 1);
    AddOpenEntry(10);
    for (const Case& c : cases) {
        m_data.FindActivity(10)->m_nPosition = c.position;
        m_data.m_arrEntries[0].BuildCandidateSlots(m_data);
        PrunePositionSlots(m_data);
        std::vector<int> hours;
        for (const CCandidateSlot& slot : m_data.m_arrEntries[0].m_arrSlots) hours.push_back(slot.m_dtStart.GetHour());
        EXPECT_EQ(hours, c.hours) << c.position;
    }
}

// Pruning against the fixed entries looks only at the intervals near each option; it must give
// the options that testing every pair of entries in turn gives.
TEST_F(SolverPreparationTest, PruningMatchesTheWalkOverAllPairs) {
    PlantTimetable(4, 3, 20);
    m_data.m_arrEntries[5].m_tsLength = Minutes(90);    // a fixed entry of unusual length
    m_data.m_arrEntries[9].m_dtStart += Minutes(25);    // and one off the hour
    for (CTimetableEntry& entry : m_data.m_arrEntries) entry.BuildCandidateSlots(m_data);
    CScheduleData reference;
    reference.SetServices({&m_host, &m_settings, nullptr, nullptr});
    reference.m_dtStartDate = m_data.m_dtStartDate;
    reference.m_nDays = m_data.m_nDays;
    reference.m_arrEntities = m_data.m_arrEntities;
    reference.m_arrActivities = m_data.m_arrActivities;
    reference.m_arrEntries = m_data.m_arrEntries;
    FixPlacedEntries(m_data);
    for (CTimetableEntry& entry : reference.m_arrEntries)
        if (!IsUnplacedDate(entry.m_dtStart)) entry.m_arrSlots.clear();
    for (CTimetableEntry& e : reference.m_arrEntries)
        for (const CTimetableEntry& f : reference.m_arrEntries)
            if (&f != &e && !e.m_arrSlots.empty() && f.m_arrSlots.empty() && EntriesShareParticipant(reference, f, e))
                e.RemoveOverlappingCandidates(f.m_dtStart, f.GetEndTime());
    int pruned = 0;
    for (std::size_t i = 0; i < m_data.m_arrEntries.size(); ++i) {
        const auto& slots = m_data.m_arrEntries[i].m_arrSlots;
        const auto& expected = reference.m_arrEntries[i].m_arrSlots;
        ASSERT_EQ(slots.size(), expected.size()) << i;
        for (std::size_t k = 0; k < slots.size(); ++k) EXPECT_EQ(slots[k].m_dtStart, expected[k].m_dtStart) << i;
        if (IsUnplacedDate(m_data.m_arrEntries[i].m_dtStart)) pruned += 27 - static_cast<int>(slots.size());
    }
    EXPECT_GT(pruned, 0);
}
