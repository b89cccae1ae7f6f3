// What the end of the solver wizard does to the document, and the placement pass.
#include <string>

#include "../solver_engine/solver_fixture.h"
#include "model/time_values.h"
#include "platform/core/load_res_string.h"
#include "resource_ids.h"
#include "solver/auto_placement.h"
#include "solver/solver_command.h"
#include "solver/solver_wizard_launch.h"

namespace {

class SolverConclusionTest : public SolverFixture {
protected:
    SolverConclusionTest() { m_data.SetServices({&m_host, &m_settings, &m_answerer, nullptr}); }

    // Two classes taught by one teacher at the same hour: one of them is over its limit.
    void PlanWithOneClash() {
        AddEntity(1, 0);
        AddEntity(2, 0);
        AddEntity(101, 1);
        AddActivity(10, {1, 101}, 1);
        AddActivity(20, {2, 101}, 1);
        AddEntry(10, 0, 8);
        CTimetableEntry& moved = AddEntry(20, 0, 8, 60, 2);
        moved.m_dtUnmovedStart = GetUnplacedDate();  // the solver put it there
    }
    int Count(int activity) const {
        int n = 0;
        for (const CTimetableEntry& entry : m_data.m_arrEntries) n += entry.m_nActivity == activity;
        return n;
    }

    CScriptedMessageAnswerer m_answerer;
};

// Teacher 101 teaches class 1 at Monday 08:00 and class 2 at 10:00, and class 3 at 08:00 too
// (a clash the plan held before the run). The run moves class 2's lesson onto 08:00 and makes a
// new lesson of class 4 there: the placement pass after it sends class 2's lesson back to 10:00,
// says so, leaves out only the lesson the run made, and keeps the old clash for the plan check.
TEST_F(SolverConclusionTest, ThePlacementPassNeverDropsALessonThePlanHeld) {
    AddEntity(1, 0);
    AddEntity(2, 0);
    AddEntity(3, 0);
    AddEntity(4, 0);
    AddEntity(101, 1);
    AddActivity(10, {1, 101}, 1);
    AddActivity(20, {2, 101}, 1);
    AddActivity(30, {3, 101}, 1);
    AddActivity(40, {4, 101}, 1);
    AddEntry(10, 0, 8);
    AddEntry(20, 0, 10);
    AddEntry(30, 0, 8).m_arrSlots.resize(5);
    m_data.m_nMode = 1;
    m_data.SaveUndo();  // as the wizard does before the run

    CTimetableEntry& moved = *m_data.FindEntryAt(20, At(0, 10));
    moved.m_dtStart = At(0, 8);
    moved.m_arrSlots.resize(3);  // more options: tried after the fixed lesson
    AddEntry(40, 0, 8, 60, 2).m_arrSlots.resize(4);
    ConcludeSolverWizard(m_data, true, true);

    EXPECT_NE(m_data.FindEntryAt(20, At(0, 10)), m_data.m_arrEntries.end()) << "back where it was";
    EXPECT_EQ(Count(20), 1);
    EXPECT_EQ(Count(10), 1);
    EXPECT_EQ(Count(30), 1) << "a lesson the plan held is never dropped";
    EXPECT_EQ(Count(40), 0) << "the run's own lesson that does not fit is left out";
    ASSERT_EQ(m_answerer.m_asked.size(), 1u);
    CString told;
    told.Format(LoadResString(IDS_AUTO_PLACEMENT_RETURNED), 1);
    EXPECT_EQ(m_answerer.m_asked.front(), told);
    EXPECT_TRUE(m_data.HasUndoSnapshot()) << "one Undo takes back the run and the pass";
}

// Without a run the pass takes nothing away, whatever the entries' original times say.
TEST_F(SolverConclusionTest, ThePlacementPassAloneKeepsEveryEntryOfADatedPlan) {
    ASSERT_TRUE(m_data.Load(CString(VORN_SHARED_DIR "/fixtures/documents/small-dated.xml"), FALSE));
    const std::size_t entries = m_data.m_arrEntries.size();
    ASSERT_GT(entries, 0u);
    EXPECT_EQ(RunAutoPlacement(m_data), 0);
    EXPECT_EQ(m_data.m_arrEntries.size(), entries);
    EXPECT_TRUE(m_answerer.m_asked.empty());
}

// A genetic result is rolled back, with the message that says why, when too many entities are
// over their limits: 50 or more with the apply box set, any without it.
struct LimitCase {
    bool apply;
    int over;
    UINT message;  // 0: kept
};

class SolverLimits : public SolverConclusionTest, public ::testing::WithParamInterface<LimitCase> {
protected:
    // n teachers, each with two lessons at the same hour: each one is over its limit.
    void PlanWithTeachersOverTheirLimits(int n) {
        for (int k = 0; k < n; ++k) {
            AddEntity(1 + k, 1);
            AddActivity(100 + 2 * k, {1 + k}, 1);
            AddActivity(101 + 2 * k, {1 + k}, 1);
            AddEntry(100 + 2 * k, 0, 8);
            AddEntry(101 + 2 * k, 0, 8, 60, 2);
        }
    }
};

TEST_P(SolverLimits, AGeneticResultIsKeptOnlyWithinItsLimits) {
    const LimitCase c = GetParam();
    PlanWithTeachersOverTheirLimits(c.over);
    // Undo swaps whole collections, so the name is looked up afresh each time.
    const auto name = [&]() -> CString& { return m_data.m_arrEntities.front().m_strName; };
    m_data.SaveUndo();  // an edit of the user's before the run
    name() = L"edited by the user";
    m_data.m_nMode = 1;
    m_data.SaveUndo();
    name() = L"renamed by the run";
    ConcludeSolverWizard(m_data, true, c.apply);
    const bool kept = name() == L"renamed by the run";
    if (c.message) {
        ASSERT_EQ(m_answerer.m_asked.size(), 1u);
        EXPECT_EQ(m_answerer.m_asked.front(), LoadResString(c.message));
        EXPECT_EQ(name(), CString(L"edited by the user")) << "rolled back";
        ASSERT_TRUE(m_data.CanUndo()) << "the level before the run stays";
        m_data.Undo(FALSE);
        EXPECT_EQ(name(), CString(L"E1"));
    } else {
        EXPECT_TRUE(m_answerer.m_asked.empty());
        EXPECT_TRUE(kept);
        EXPECT_TRUE(m_data.HasUndoSnapshot()) << "one Undo takes back the run";
    }
}

INSTANTIATE_TEST_SUITE_P(Conclusion, SolverLimits,
                         ::testing::Values(LimitCase{false, 1, IDS_SOLVER_OVER_LIMITS_ROLLED_BACK},
                                           LimitCase{true, 50, IDS_SOLVER_TOO_MANY_OVER_LIMITS},
                                           LimitCase{true, 49, 0}),
                         [](const auto& info) {
                             return std::string(info.param.apply ? "ApplyBox" : "NoApplyBox") +
                                    std::to_string(info.param.over) + "OverLimits";
                         });

TEST_F(SolverConclusionTest, AGeneticResultWithinItsLimitsIsKeptAndPlaced) {
    PlanWithOneClash();
    m_data.m_nMode = 1;
    m_data.SaveUndo();
    m_data.m_arrEntries.back().m_dtStart = At(0, 9);
    ConcludeSolverWizard(m_data, true, true);
    EXPECT_TRUE(m_answerer.m_asked.empty());
    EXPECT_TRUE(m_data.HasUndoSnapshot()) << "one Undo takes back the run and the placement";
    EXPECT_EQ(Count(20), 1);
}

}  // namespace

namespace {

TEST_F(SolverConclusionTest, TheSolverCommandOnADatedPlanSaysWhyItDoesNothing) {
    PlanWithOneClash();
    ASSERT_FALSE(m_data.HasDefaultStartDate());
    m_data.m_arrProblems.resize(1);
    RunSolverCommand(m_data, nullptr);
    ASSERT_EQ(m_answerer.m_asked.size(), 1u);
    EXPECT_EQ(m_answerer.m_asked.front(), LoadResString(IDS_SOLVER_NEEDS_WEEK_TEMPLATE));
    EXPECT_EQ(m_data.m_arrProblems.size(), 1u) << "not even the data check runs";
    EXPECT_FALSE(m_data.HasUndoSnapshot());
}

}  // namespace
