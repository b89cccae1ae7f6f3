#include "solver_engine/solver_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "resource_ids.h"
#include "solver_engine/exhaustive_search.h"
#include "solver_engine/solver_work.h"
#include "solver_fixture.h"

namespace {

// Stops the run at its first improvement, as a user pressing Stop would.
class CStoppingSink : public CRecordingSink {
public:
    explicit CStoppingSink(CSolverControl& control) : m_control(control) {}
    void OnImproved(int over, long long value) override {
        CRecordingSink::OnImproved(over, value);
        m_control.m_bRunning.store(0);
    }
    CSolverControl& m_control;
};

CSolverParams Params(int mode, int population = 100, int duration = 50) {
    CSolverParams params;
    params.m_nMode = mode;
    params.m_nPopulation = population;
    params.m_nDuration = duration;
    params.m_arrSeedKey = {0x123, 0x234, 0x345, 0x456};
    return params;
}

}  // namespace

class SolverRunTest : public SolverFixture {
protected:
    void Run(const CSolverParams& params) { RunSolver(m_data, params, m_work, m_control, m_sink); }

    CSolverWork m_work;
    CSolverControl m_control;
    CRecordingSink m_sink;
};

TEST_F(SolverRunTest, ExhaustiveSearchPlacesAFewOpenEntriesWithoutCost) {
    PlantTimetable(3, 2, 8);
    ASSERT_EQ(CountUnplaced(), 8);
    Run(Params(0));
    EXPECT_EQ(CountUnplaced(), 0);
    EXPECT_EQ(m_data.CheckOverlapLimits(FALSE), 0);
    ASSERT_FALSE(m_sink.m_improvements.empty());
    EXPECT_EQ(m_sink.m_improvements.back().second, 0);
    EXPECT_EQ(m_sink.m_nEnded, 1);
    EXPECT_EQ(m_control.m_bRunning.load(), 0);
}

TEST_F(SolverRunTest, GeneticModesReachZeroOverlaps) {
    for (int mode : {1, 2}) {
        SCOPED_TRACE(mode);
        m_data.ResetToNew(FALSE);
        m_data.m_dtStartDate = COleDateTime(2024, 3, 4, 0, 0, 0);
        m_work = CSolverWork();
        m_sink = CRecordingSink();
        PlantTimetable(3, 2, 12);
        Run(Params(mode, 200, 100));
        EXPECT_EQ(CountUnplaced(), 0);
        EXPECT_EQ(m_data.CheckOverlapLimits(FALSE), 0);
        EXPECT_EQ(m_sink.m_nEnded, 1);
    }
}

// A stop leaves the placement the run stored as its best, not the individual evaluated last.
TEST_F(SolverRunTest, StoppedGeneticRunAppliesTheStoredBest) {
    PlantTimetable(3, 2, 12);
    CStoppingSink sink(m_control);
    RunSolver(m_data, Params(1, 200, 100), m_work, m_control, sink);
    ASSERT_EQ(sink.m_improvements.size(), 1u);
    EXPECT_EQ(CountUnplaced(), 0);
    EXPECT_EQ(m_data.CheckOverlapLimits(FALSE), sink.m_improvements.front().first);
    EXPECT_EQ(sink.m_nEnded, 1);
}

// The wizard's shape: the search runs on a worker thread and the user's Stop clears the flag.
TEST_F(SolverRunTest, WorkerThreadStopsOnTheRunningFlag) {
    PlantTimetable(6, 5, 150);
    // The first 300 evaluations make the first population; 3,000 are several generations.
    const CSolverParams params = Params(1, 100, 1000);
    m_control.m_bRunning.store(1);
    PrepareSolverRun(m_data, params, m_work, m_control, m_sink);
    std::thread worker([&] { RunSolverSearch(m_data, params, m_work, m_control, m_sink); });
    while (m_control.m_nEvaluations.load() < 3000 && m_control.IsRunning()) std::this_thread::yield();
    m_control.m_bRunning.store(0);
    worker.join();
    EXPECT_EQ(m_sink.m_nEnded, 1);
    ASSERT_FALSE(m_sink.m_improvements.empty());
    // The stored best, its clashes moved to free hours; what fits nowhere stays unplaced.
    EXPECT_LT(CountUnplaced(), 150);
    EXPECT_EQ(m_data.CheckOverlapLimits(FALSE), 0);
}

// Two open entries of one class with a single free hour between them: no complete placement
// exists, so one takes the hour and the other stays unplaced, in the plan; the log says so.
TEST_F(SolverRunTest, ExhaustiveSearchWithoutCompletePlacementPlacesWhatFits) {
    CTestStrings strings({{IDS_SOLVER_SEARCH_PARTIAL, L"%d placed, %d left"}});
    PlantTimetable(2, 1, 1);
    int activity = 0;
    for (const CTimetableEntry& entry : m_data.m_arrEntries)
        if (IsUnplacedDate(entry.m_dtStart)) activity = entry.m_nActivity;
    AddOpenEntry(activity);
    const std::size_t entries = m_data.m_arrEntries.size();
    Run(Params(0));
    EXPECT_EQ(m_data.m_arrEntries.size(), entries);
    EXPECT_EQ(CountUnplaced(), 1);
    EXPECT_EQ(m_data.CheckOverlapLimits(FALSE), 0);
    EXPECT_NE(std::find(m_sink.m_lines.begin(), m_sink.m_lines.end(), CString(L"1 placed, 1 left")), m_sink.m_lines.end());
    EXPECT_EQ(m_sink.m_nEnded, 1);
}

// An activity of ten hours for the nine hours of a class's only day, with its entries made by the
// run: nine are placed, in either mode, and the one left over is not left behind in the plan,
// where the plan check would report it as a lesson it removed.
TEST_F(SolverRunTest, EntriesTheRunMadeAndCouldNotPlaceAreNotLeftInThePlan) {
    for (int mode : {0, 1}) {
        SCOPED_TRACE(mode);
        m_data.ResetToNew(FALSE);
        // A week template: the run makes the missing entries.
        m_data.m_dtStartDate = m_data.m_dtFirstWeekday = COleDateTime(2000, 1, 3, 0, 0, 0);
        m_data.m_nDays = 1;
        m_work = CSolverWork();
        m_sink = CRecordingSink();
        AddEntity(1, 0);
        AddActivity(10, {1}, 10);
        m_data.m_arrSolverIds = {10};
        m_data.m_nSolverSelection = 1;
        Run(Params(mode, 100, 5));
        EXPECT_EQ(m_data.m_arrEntries.size(), 9u);
        EXPECT_EQ(CountUnplaced(), 0);
        EXPECT_EQ(m_data.CheckOverlapLimits(FALSE), 0);
    }
}

// Ten lessons for the nine hours of a class's only day: no leaf of the search is feasible, and
// the search ends (by its limits or by running out of choices) instead of walking all 9! orders;
// nine of the lessons are placed.
TEST_F(SolverRunTest, InfeasibleExhaustiveSearchEndsByItsLimits) {
    m_data.m_nDays = 1;
    AddEntity(1, 0);
    for (int i = 0; i < 10; ++i) {
        AddActivity(10 + i, {1}, 1);
        AddOpenEntry(10 + i);
    }
    const CSolverParams params = Params(0, 100, 5);
    m_control.m_bRunning.store(1);
    PrepareSolverRun(m_data, params, m_work, m_control, m_sink);
    CExhaustiveSearch search(m_data, m_work, m_control, m_sink, params.m_nDuration);
    EXPECT_FALSE(search.SolverBranchAndBound());
    EXPECT_LE(search.m_nNodes, CExhaustiveSearch::kNodesPerLimit * params.m_nDuration + 1);
    RunSolverSearch(m_data, params, m_work, m_control, m_sink);
    EXPECT_EQ(CountUnplaced(), 1);
    EXPECT_EQ(m_data.CheckOverlapLimits(FALSE), 0);
    EXPECT_EQ(m_sink.m_nEnded, 1);
}

// A stop before the run stored any placement leaves every entry where it was, in every mode.
TEST_F(SolverRunTest, RunStoppedAtOnceRestoresTheEntries) {
    for (int mode : {0, 1, 2}) {
        SCOPED_TRACE(mode);
        m_data.ResetToNew(FALSE);
        m_data.m_dtStartDate = COleDateTime(2024, 3, 4, 0, 0, 0);
        m_work = CSolverWork();
        m_sink = CRecordingSink();
        PlantTimetable(3, 2, 12);
        const CSolverParams params = Params(mode);
        m_control.m_bRunning.store(1);
        PrepareSolverRun(m_data, params, m_work, m_control, m_sink);
        m_control.m_bRunning.store(0);
        RunSolverSearch(m_data, params, m_work, m_control, m_sink);
        EXPECT_EQ(CountUnplaced(), 12);
        EXPECT_EQ(m_sink.m_nEnded, 1);
    }
}

// An entry that no hour suits is neither erased nor moved; the log names how many there are.
TEST_F(SolverRunTest, EntriesWithoutPossibleTimeAreKeptAndReported) {
    CTestStrings strings({{IDS_SOLVER_ENTRIES_WITHOUT_TIME, L"%d without time"}});
    PlantTimetable(2, 1, 0);
    AddOpenEntry(ActivityId(0, 0));
    for (int mode : {0, 1}) {
        SCOPED_TRACE(mode);
        m_sink = CRecordingSink();
        m_work = CSolverWork();
        Run(Params(mode));
        EXPECT_EQ(CountUnplaced(), 1);
        EXPECT_NE(std::find(m_sink.m_lines.begin(), m_sink.m_lines.end(), CString(L"1 without time")),
                  m_sink.m_lines.end());
        EXPECT_EQ(m_sink.m_nEnded, 1);
    }
}

// With the activities of class 1 selected, the open entries of class 2 keep their place (and
// their existence), whatever their state.
TEST_F(SolverRunTest, NothingOutsideTheSelectionChanges) {
    PlantTimetable(2, 2, 6);
    std::vector<std::pair<std::uint64_t, double>> outside;
    for (const CTimetableEntry& entry : m_data.m_arrEntries) {
        const int c = (entry.m_nActivity - 1000) / 100;
        if (c == 0 && IsUnplacedDate(entry.m_dtStart) &&
            std::find(m_data.m_arrSolverIds.begin(), m_data.m_arrSolverIds.end(), entry.m_nActivity) ==
                m_data.m_arrSolverIds.end())
            m_data.m_arrSolverIds.push_back(entry.m_nActivity);
    }
    for (const CTimetableEntry& entry : m_data.m_arrEntries)
        if ((entry.m_nActivity - 1000) / 100 == 1) outside.emplace_back(entry.GetSerial(), entry.m_dtStart.m_dt);
    ASSERT_FALSE(m_data.m_arrSolverIds.empty());
    m_data.m_nSolverSelection = 1;
    Run(Params(1, 100, 50));
    for (const auto& [serial, start] : outside) {
        const auto entry = m_data.FindEntryBySerial(serial);
        ASSERT_NE(entry, m_data.m_arrEntries.end());
        EXPECT_EQ(entry->m_dtStart.m_dt, start);
    }
    for (const CTimetableEntry& entry : m_data.m_arrEntries) {
        const bool inside = (entry.m_nActivity - 1000) / 100 == 0;
        EXPECT_TRUE(!inside || !IsUnplacedDate(entry.m_dtStart));
    }
}

// A moved entry that the run does not move keeps the start it was moved from.
TEST_F(SolverRunTest, UnmovedEntriesKeepTheirHistory) {
    PlantTimetable(3, 2, 3);
    CTimetableEntry& moved = m_data.m_arrEntries[1];
    moved.m_nState = 2;
    const COleDateTime history = At(1, 15);
    moved.m_dtUnmovedStart = history;
    const std::uint64_t serial = moved.GetSerial();
    const COleDateTime start = moved.m_dtStart;
    Run(Params(0));
    const auto entry = m_data.FindEntryBySerial(serial);
    ASSERT_NE(entry, m_data.m_arrEntries.end());
    EXPECT_EQ(entry->m_dtStart, start);
    EXPECT_EQ(entry->m_dtUnmovedStart, history);
    EXPECT_EQ(CountUnplaced(), 0);
}

struct ClampCase {
    int population, duration;
    int wantPopulation, wantDuration;
};
static const ClampCase kClamp[] = {
    {250, 100, 250, 100},
    {0, 0, 100, 5},       // a document may hold anything
    {99, 3, 100, 5},
    {5000, 5000, 1000, 1000},
    {-7, -1, 100, 5},
};
TEST_F(SolverRunTest, ParametersAreHeldToTheirRanges) {
    for (const ClampCase& c : kClamp) {
        m_data.m_nPopulation = c.population;
        m_data.m_nDuration = c.duration;
        const CSolverParams params = CSolverParams::FromStore(m_data);
        EXPECT_EQ(params.m_nPopulation, c.wantPopulation) << c.population;
        EXPECT_EQ(params.m_nDuration, c.wantDuration) << c.duration;
    }
}
