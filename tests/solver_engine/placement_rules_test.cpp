// The hard rules of the plan that a run must keep in either mode, checked on the document
// afterwards: rooms, links, fixed lessons, the per-day limit, whole lessons inside free time; the
// exhaustive mode's keeping of an expensive first placement; the fault count; the worker's
// guard against an exception.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <new>
#include <set>

#include "model/plan_check.h"
#include "resource_ids.h"
#include "solver_engine/genetic_solver.h"
#include "solver_engine/mersenne_twister.h"
#include "solver_engine/placement_model.h"
#include "solver_engine/solver_costs.h"
#include "solver_engine/solver_fitness.h"
#include "solver_engine/solver_genome.h"
#include "solver_engine/solver_run.h"
#include "solver_engine/solver_work.h"
#include "solver_fixture.h"

namespace {

CSolverParams Params(int mode) {
    CSolverParams params;
    params.m_nMode = mode;
    params.m_nPopulation = 100;
    params.m_nDuration = 30;
    params.m_arrSeedKey = {0x123, 0x234, 0x345, 0x456};
    return params;
}

const int kModes[] = {0, 1, 2};

// Throws on the first line the search itself writes, as an allocation that fails would.
class CThrowingSink : public CRecordingSink {
public:
    void AddLogLine(const CString& line) override {
        if (m_bArmed) {
            m_bArmed = false;
            throw std::bad_alloc();
        }
        CRecordingSink::AddLogLine(line);
    }
    bool m_bArmed = false;
};

}  // namespace

class PlacementRulesTest : public SolverFixture {
public:
    // For the tables of cases below.
    using SolverFixture::AddActivity;
    using SolverFixture::AddEntity;
    using SolverFixture::AddEntry;
    using SolverFixture::At;
    using SolverFixture::m_data;

protected:
    void Run(int mode) {
        m_work = CSolverWork();
        m_control.m_bRunning.store(1);
        RunSolver(m_data, Params(mode), m_work, m_control, m_sink);
    }
    // An empty plan of the given days, for the next case of a table.
    void NewPlan(int days) {
        m_data.ResetToNew(FALSE);
        m_data.m_dtStartDate = At(0, 0);
        m_data.m_nDays = days;
    }
    std::vector<COleDateTime> StartsOf(int activity) const {
        std::vector<COleDateTime> starts;
        for (const CTimetableEntry& entry : m_data.m_arrEntries)
            if (entry.m_nActivity == activity) starts.push_back(entry.m_dtStart);
        return starts;
    }
    // A class (1) and a teacher (101) on one day, busy but for the given hours.
    void OneDayWithFreeHours(std::set<int> free) {
        m_data.m_nDays = 1;
        AddEntity(1, 0);
        AddEntity(101, 1);
        AddActivity(50, {1, 101}, kHours);
        for (int h = kFirstHour; h < kFirstHour + kHours; ++h)
            if (free.count(h) == 0) AddEntry(50, 0, h);
    }

    CSolverWork m_work;
    CSolverControl m_control;
    CRecordingSink m_sink;
};

// Two lessons of different classes and teachers share a room in each of the ways a room is
// booked; with two free hours they must take one each, in every mode.
TEST_F(PlacementRulesTest, ARoomIsNeverBookedTwice) {
    enum How { Member, OwnRoom, ActivityRoom, Replacement };
    for (How how : {Member, OwnRoom, ActivityRoom, Replacement}) {
        for (int mode : kModes) {
            SCOPED_TRACE(testing::Message() << "room kind " << how << " mode " << mode);
            m_data.ResetToNew(FALSE);
            m_data.m_dtStartDate = At(0, 0);
            m_data.m_nDays = 1;
            for (int id : {1, 2}) AddEntity(id, 0);
            for (int id : {101, 102}) AddEntity(id, 1);
            AddEntity(500, 4);
            for (int a : {10, 11}) {
                std::vector<int> members = {a - 9, 101 + a - 10};
                if (how == Member) members.push_back(500);
                CActivity& activity = AddActivity(a, members, 1);
                if (how == ActivityRoom) activity.m_arrRooms = {500};
                CTimetableEntry& entry = AddOpenEntry(a);
                if (how == OwnRoom) entry.m_arrRooms = {500};
                if (how == Replacement) {
                    CReplacement record;
                    record.m_nEntity = 500;
                    entry.m_arrReplacements.push_back(record);
                }
            }
            // Only 07:00 and 08:00 are free for both classes.
            AddActivity(60, {1, 2}, 7);
            for (int h = kFirstHour + 2; h < kFirstHour + kHours; ++h) AddEntry(60, 0, h);
            Run(mode);
            const auto first = StartsOf(10), second = StartsOf(11);
            ASSERT_EQ(first.size(), 1u);
            ASSERT_EQ(second.size(), 1u);
            EXPECT_FALSE(IsUnplacedDate(first[0]));
            EXPECT_FALSE(IsUnplacedDate(second[0]));
            EXPECT_NE(CompareTimesApprox(first[0], second[0]), 0);
        }
    }
}

// Linked activities (one group) start together: all open, or one of them kept at its hours.
TEST_F(PlacementRulesTest, LinkedLessonsStartTogether) {
    for (bool pinned : {false, true}) {
        for (int mode : kModes) {
            SCOPED_TRACE(testing::Message() << "pinned " << pinned << " mode " << mode);
            NewPlan(2);
            for (int id : {1, 2}) AddEntity(id, 0);
            for (int id : {101, 102}) AddEntity(id, 1);
            AddActivity(10, {1, 101}, 2, 7);
            AddActivity(11, {2, 102}, 2, 7);
            // Each class has other lessons at different hours, so that apart is the easy way.
            AddActivity(20, {1}, 4);
            AddActivity(21, {2}, 4);
            for (int d = 0; d < 2; ++d) {
                AddEntry(20, d, 8);
                AddEntry(21, d, 9);
            }
            for (int i = 0; i < 2; ++i) {
                if (pinned)
                    AddEntry(10, i, 11);
                else
                    AddOpenEntry(10);
                AddOpenEntry(11);
            }
            Run(mode);
            std::multiset<double> a, b;
            for (const COleDateTime& t : StartsOf(10)) a.insert(std::round(COleDateTime::ToLinear(t.m_dt) * 1440.0));
            for (const COleDateTime& t : StartsOf(11)) b.insert(std::round(COleDateTime::ToLinear(t.m_dt) * 1440.0));
            EXPECT_EQ(a, b);
            EXPECT_EQ(CountUnplaced(), 0);
            if (pinned) EXPECT_EQ(CompareTimesApprox(StartsOf(10)[0], At(0, 11)), 0);
        }
    }
}

// A link's activities with fewer lessons start at some of the full ones' starts: two short
// activities share a teacher, so they take one start of the full activity each; the full one
// is open, or one of its lessons is kept.
TEST_F(PlacementRulesTest, ShortLinkedLessonsTakeStartsOfTheFullOnes) {
    for (bool pinned : {false, true}) {
        for (int mode : kModes) {
            SCOPED_TRACE(testing::Message() << "pinned " << pinned << " mode " << mode);
            NewPlan(2);
            for (int id : {1, 2, 3}) AddEntity(id, 0);
            for (int id : {101, 102}) AddEntity(id, 1);
            AddActivity(10, {1, 101}, 2, 7);
            AddActivity(11, {2, 102}, 1, 7);
            AddActivity(12, {3, 102}, 1, 7);
            // The teacher of the short ones is busy on the second day but at 14:00.
            AddActivity(20, {102}, 8);
            for (int h = kFirstHour; h < kFirstHour + kHours; ++h)
                if (h != 14) AddEntry(20, 1, h);
            if (pinned)
                AddEntry(10, 0, 11);
            else
                AddOpenEntry(10);
            AddOpenEntry(10);
            AddOpenEntry(11);
            AddOpenEntry(12);
            Run(mode);
            EXPECT_EQ(CountUnplaced(), 0);
            EXPECT_EQ(CPlacementModel::CountHardFaults(m_data), 0);
            const auto full = StartsOf(10);
            const auto first = StartsOf(11), second = StartsOf(12);
            ASSERT_EQ(full.size(), 2u);
            ASSERT_EQ(first.size(), 1u);
            ASSERT_EQ(second.size(), 1u);
            for (const COleDateTime& start : {first[0], second[0]})
                EXPECT_TRUE(CompareTimesApprox(start, full[0]) == 0 || CompareTimesApprox(start, full[1]) == 0);
            EXPECT_NE(CompareTimesApprox(first[0], second[0]), 0);
            if (pinned) {
                EXPECT_EQ(CompareTimesApprox(full[0], At(0, 11)), 0);
            }
        }
    }
}

// A kept lesson pins one start of a link. Of the other activity's two open lessons, each with its
// own room, either could take that start on its own, but one room is free only then: the search
// must give the start to that lesson, not to the first that fits there.
TEST_F(PlacementRulesTest, AKeptLinkStartGoesToTheLessonThatFitsNowhereElse) {
    NewPlan(2);
    for (int id : {1, 2}) AddEntity(id, 0);
    for (int id : {101, 102}) AddEntity(id, 1);
    for (int id : {500, 501}) AddEntity(id, 4);
    AddActivity(10, {1, 101}, 2, 7);
    AddActivity(11, {2, 102}, 2, 7);
    // Room 501 is booked all the time but on the first day at 11:00.
    AddActivity(21, {501}, 2 * kHours - 1);
    for (int d = 0; d < 2; ++d)
        for (int h = kFirstHour; h < kFirstHour + kHours; ++h)
            if (d != 0 || h != 11) AddEntry(21, d, h);
    AddEntry(10, 0, 11);
    AddOpenEntry(10);
    AddOpenEntry(11).m_arrRooms = {500};
    AddOpenEntry(11).m_arrRooms = {501};
    Run(0);
    EXPECT_EQ(CountUnplaced(), 0);
    EXPECT_EQ(CPlacementModel::CountHardFaults(m_data), 0);
    for (const CTimetableEntry& entry : m_data.m_arrEntries) {
        if (entry.m_nActivity != 11) continue;
        ASSERT_EQ(entry.m_arrRooms.size(), 1u);
        EXPECT_EQ(CompareTimesApprox(entry.m_dtStart, At(0, 11)) == 0, entry.m_arrRooms[0] == 501);
    }
    std::multiset<double> a, b;
    for (const COleDateTime& t : StartsOf(10)) a.insert(std::round(COleDateTime::ToLinear(t.m_dt) * 1440.0));
    for (const COleDateTime& t : StartsOf(11)) b.insert(std::round(COleDateTime::ToLinear(t.m_dt) * 1440.0));
    EXPECT_EQ(a, b);
}

// With the rule switch on an activity gets no more entries a day than its DISPERSION; fixed
// entries stay where they are and count.
TEST_F(PlacementRulesTest, PerDayLimitAndFixedLessonsAreKept) {
    for (int mode : kModes) {
        SCOPED_TRACE(mode);
        m_data.ResetToNew(FALSE);
        m_data.m_dtStartDate = At(0, 0);
        m_data.m_nDays = 3;
        m_data.m_nSolverOption = 1;
        AddEntity(1, 0);
        AddEntity(101, 1);
        CActivity& activity = AddActivity(10, {1, 101}, 3);
        activity.m_nDispersion = 1;
        AddEntry(10, 0, 9);
        AddOpenEntry(10);
        AddOpenEntry(10);
        Run(mode);
        std::map<int, int> perDay;
        for (const COleDateTime& t : StartsOf(10)) ++perDay[m_data.GetDayIndex(t)];
        EXPECT_EQ(perDay, (std::map<int, int>{{0, 1}, {1, 1}, {2, 1}}));
        int fixedAtNine = 0;
        for (const CTimetableEntry& entry : m_data.m_arrEntries)
            fixedAtNine += entry.m_nState == 0 && CompareTimesApprox(entry.m_dtStart, At(0, 9)) == 0;
        EXPECT_EQ(fixedAtNine, 1);
    }
}

// A lesson takes only a start at which it lies wholly within its members' free time: an
// absence in its second half or the end of the day window rules a start out.
TEST_F(PlacementRulesTest, SlotsTestTheWholeLesson) {
    struct Case {
        const char* name;
        int absenceHour;  // -1 none
        int windowEnd;    // hour
        int expectedHour; // -1 unplaced
    };
    const Case cases[] = {
        {"absence in the second hour", 8, 16, 9},
        {"day window ends within the lesson", -1, 9, 7},
    };
    for (const Case& c : cases) {
        for (int mode : kModes) {
            SCOPED_TRACE(testing::Message() << c.name << " mode " << mode);
            m_data.ResetToNew(FALSE);
            m_data.m_dtStartDate = At(0, 0);
            m_data.m_nDays = 1;
            CEntity& pupil = AddEntity(1, 0);
            pupil.m_tDayEnd[0] = MakeTimeOfDay(c.windowEnd, 0);
            CEntity& teacher = AddEntity(101, 1);
            if (c.absenceHour >= 0) {
                CAbsence absence;
                absence.m_dtStart = At(0, c.absenceHour, 30);
                absence.m_tsLength = Minutes(30);
                teacher.m_arrAbsences.push_back(absence);
            }
            AddActivity(10, {1, 101}, 2).m_tsMeeting = Minutes(120);
            AddOpenEntry(10, 120);
            Run(mode);
            const COleDateTime start = StartsOf(10).at(0);
            ASSERT_FALSE(IsUnplacedDate(start));
            // Any start the rule allows will do; none the rule forbids.
            const COleDateTime end = start + Minutes(120);
            EXPECT_TRUE(m_data.FindEntity(1)->IsAvailable(m_data, start, end));
            EXPECT_TRUE(m_data.FindEntity(101)->IsAvailable(m_data, start, end));
            if (c.expectedHour == 7) EXPECT_EQ(CompareTimesApprox(start, At(0, 7)), 0);
        }
    }
}

// Idle hours of many teachers make the only complete placement cost more than a million: the
// exhaustive mode keeps it all the same, as its first complete placement.
TEST_F(PlacementRulesTest, ExhaustiveModeKeepsAnExpensiveFirstPlacement) {
    m_data.m_nDays = 1;
    for (int t = 0; t < 30; ++t) {
        AddEntity(1 + t, 0);
        CEntity& teacher = AddEntity(101 + t, 1);
        teacher.m_nAllowedWindows = 0;
        AddActivity(10 + t, {1 + t, 101 + t}, 2);
        AddEntry(10 + t, 0, kFirstHour);
        // The class is busy until the last hour of the day.
        AddActivity(100 + t, {1 + t}, kHours - 2);
        for (int h = kFirstHour + 1; h < kFirstHour + kHours - 1; ++h) AddEntry(100 + t, 0, h);
        AddOpenEntry(10 + t);
    }
    Run(0);
    EXPECT_EQ(CountUnplaced(), 0);
    ASSERT_FALSE(m_sink.m_improvements.empty());
    EXPECT_GT(m_sink.m_improvements.front().second, 1000000);
    EXPECT_EQ(m_data.CheckOverlapLimits(FALSE), 0);
}

// The fault count sees each kind of broken rule in a placed timetable.
TEST_F(PlacementRulesTest, HardFaultsAreCounted) {
    struct Case {
        const char* name;
        void (*make)(PlacementRulesTest&);
    };
    const Case cases[] = {
        {"teacher twice", [](PlacementRulesTest& t) {
             t.AddActivity(11, {2, 101}, 1);
             t.AddEntry(11, 0, 7);
         }},
        {"room twice", [](PlacementRulesTest& t) {
             t.AddEntity(500, 4);
             t.AddActivity(11, {2, 500}, 1);
             t.AddEntry(11, 0, 7);
             t.m_data.FindActivity(10)->m_arrMembers.push_back(500);
         }},
        {"absent", [](PlacementRulesTest& t) {
             CAbsence absence;
             absence.m_dtStart = t.At(0, 7, 30);
             absence.m_tsLength = Minutes(10);
             t.m_data.FindEntity(101)->m_arrAbsences.push_back(absence);
         }},
        {"links apart", [](PlacementRulesTest& t) {
             t.m_data.FindActivity(10)->m_nGroup = 7;
             t.AddActivity(11, {2, 102}, 1, 7);
             t.AddEntry(11, 0, 8);
         }},
        {"two a day over the limit", [](PlacementRulesTest& t) {
             t.m_data.FindActivity(10)->m_nDispersion = 1;
             t.AddEntry(10, 0, 9);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_data.ResetToNew(FALSE);
        m_data.m_dtStartDate = At(0, 0);
        m_data.m_nDays = 1;
        m_data.m_nSolverOption = 1;
        for (int id : {1, 2}) AddEntity(id, 0);
        for (int id : {101, 102}) AddEntity(id, 1);
        AddActivity(10, {1, 101}, 1);
        AddEntry(10, 0, 7);
        EXPECT_EQ(CPlacementModel::CountHardFaults(m_data), 0);
        c.make(*this);
        EXPECT_GT(CPlacementModel::CountHardFaults(m_data), 0);
    }
}

// An exception on the worker ends the run with a line saying so, and every entry is where it
// was before the run.
TEST_F(PlacementRulesTest, AnExceptionInTheSearchEndsTheRunAndRestores) {
    for (int mode : kModes) {
        SCOPED_TRACE(mode);
        m_data.ResetToNew(FALSE);
        m_data.m_dtStartDate = At(0, 0);
        PlantTimetable(3, 2, 6);
        CThrowingSink sink;
        CSolverWork work;
        m_control.m_bRunning.store(1);
        PrepareSolverRun(m_data, Params(mode), work, m_control, sink);
        sink.m_bArmed = true;
        RunSolverSearch(m_data, Params(mode), work, m_control, sink);
        EXPECT_EQ(CountUnplaced(), 6);
        EXPECT_EQ(sink.m_nEnded, 1);
        EXPECT_FALSE(m_control.IsRunning());
        ASSERT_FALSE(sink.m_lines.empty());
        CString expected;
        expected.Format(IDS_SOLVER_RUN_FAILED, CString(std::bad_alloc().what()).GetString());
        EXPECT_EQ(sink.m_lines.back(), expected);
    }
}

// The genetic optimiser mutates two genes at a time once 20 generations in a row brought no
// improvement, one before.
TEST_F(PlacementRulesTest, MutationTakesTwoGenesAfterTwentyStalls) {
    // Two lessons for one free hour: the fitness can never reach 0.
    OneDayWithFreeHours({9});
    AddActivity(10, {1}, 2);
    AddOpenEntry(10);
    AddActivity(11, {1}, 1);
    AddOpenEntry(11);
    m_control.m_bRunning.store(1);
    PrepareSolverRun(m_data, Params(1), m_work, m_control, m_sink);
    for (const auto& [limit, genes] : std::map<int, int>{{15, 1}, {40, 2}}) {
        SCOPED_TRACE(limit);
        const std::uint32_t key[1] = {7};
        CMersenneTwister::SeedByArray(key, 1);
        CMersenneTwister generator;
        CSolverGenome genome(m_data);
        CSolverFitness fitness(m_data, m_work, genome);
        CGeneticSolver solver(100, 0, generator, m_control, m_sink, 0.2);
        solver.Run(limit, genome, fitness);
        EXPECT_EQ(solver.GetMutationGeneCount(), genes);
    }
}
