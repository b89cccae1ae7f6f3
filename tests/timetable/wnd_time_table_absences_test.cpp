// Absences entered through the page's absence wizard (answered by a script) for whole days and
// for a selected time, shown in the grid; a cancelled wizard changes nothing; absences removed.
#include "time_table_page_fixture.h"

#include "model/time_values.h"

namespace {

using vorn_test::MousePress;
using vorn_test::MouseRelease;

class TimeTableAbsenceTest : public TimeTablePageTest {
protected:
    void Command(UINT id) {
        Page().SendMessage(WM_COMMAND, id, 0);
        vorn_test::ProcessEvents();
    }
    // Selects the first free hour of Monday in the grid; false when there is none.
    bool SelectFreeHourOnMonday() {
        for (int hour = 7; hour < 17; ++hour) {
            const CPoint p = PointAt(5, hour, 30);
            if (p.y < 0 || Pane().ItemAt(p) != CTimeTableCtrlView::kNone) continue;
            MousePress(&Body(), p);
            MouseRelease(&Body(), p);
            vorn_test::ProcessEvents();
            if (Pane().m_nSelectionMode == 2) return true;
        }
        return false;
    }
    CEntity& Shown() { return *Data().FindCurrentEntity(); }
};

TEST_F(TimeTableAbsenceTest, TheWizardEntersAnAbsenceThatShowsInTheGrid) {
    struct Case {
        const char* name;
        bool range;   // a selected free hour, else whole days
        bool finish;  // Finish, else Cancel
    };
    const Case cases[] = {{"whole Wednesday", false, true}, {"a free hour", true, true}, {"cancelled", false, false}};
    for (const Case& c : cases) {
        Load("school-dated.xml");
        Shown().m_arrAbsences.clear();
        RecheckAndRefresh(Data(), TRUE);
        Data().DiscardUndo();
        if (c.range) {
            ASSERT_TRUE(SelectFreeHourOnMonday()) << c.name;
        }
        const std::vector<CItemTime> ranges = Pane().m_arrSelectedRanges;
        BOOL wholeDayAsked = -1;
        CWndTimeTable::s_dialogs.absenceWizard = [&](BOOL wholeDay, CAbsenceWizardAnswers& answers) {
            wholeDayAsked = wholeDay;
            answers.days.assign(21, 0);
            answers.days[2] = 1;  // Wednesday 7 October
            answers.absence.m_strCategory = L"Illness";
            return c.finish ? TRUE : FALSE;
        };
        Command(ID_ABSENCE_WIZARD);
        EXPECT_EQ(wholeDayAsked, c.range ? FALSE : TRUE) << c.name;
        if (!c.finish) {
            EXPECT_TRUE(Shown().m_arrAbsences.empty()) << c.name;
            EXPECT_FALSE(Data().HasUndoSnapshot()) << c.name;
            continue;
        }
        ASSERT_EQ(Shown().m_arrAbsences.size(), 1u) << c.name;
        const CAbsence& absence = Shown().m_arrAbsences.front();
        EXPECT_EQ(absence.m_strCategory, CString(L"Illness")) << c.name;
        if (c.range) {
            ASSERT_EQ(ranges.size(), 1u);
            EXPECT_EQ(CompareTimesApprox(absence.m_dtStart, ranges.front().m_dtStart), 0) << c.name;
            EXPECT_EQ(absence.m_bWholeDay, 0) << c.name;
        } else {
            EXPECT_EQ(absence.m_dtStart.GetDay(), 7) << c.name;
            EXPECT_EQ(absence.m_bWholeDay, 1) << c.name;
        }
        EXPECT_TRUE(Data().HasUndoSnapshot()) << c.name;
        // The grid shows the absence as a block.
        ASSERT_EQ(Pane().m_arrAbsences.size(), 1u) << c.name;
        EXPECT_EQ(Pane().m_arrAbsences.front().m_dtStart.GetDay(), absence.m_dtStart.GetDay()) << c.name;
        if (!c.range) SaveFramePicture("timetable_absence_from_wizard.png");
    }
}

// Without a selection all absences go after Yes, with no way back; a selected time takes out
// the absence over it as one undo step.
TEST_F(TimeTableAbsenceTest, AbsencesAreRemovedAllOrOverTheSelectedTime) {
    Load("school-dated.xml");
    CAbsence absence;
    absence.m_dtStart = COleDateTime(2026, 10, 5, 0, 0, 0);
    absence.m_tsLength = COleDateTimeSpan(1, 0, 0, 0);
    absence.m_bWholeDay = 1;
    Shown().m_arrAbsences = {absence};
    RecheckAndRefresh(Data(), TRUE);
    ASSERT_TRUE(SelectFreeHourOnMonday());
    Data().DiscardUndo();
    Command(ID_REMOVE_ABSENCES);
    EXPECT_TRUE(Shown().m_arrAbsences.empty());
    EXPECT_TRUE(Data().HasUndoSnapshot());

    Shown().m_arrAbsences = {absence};
    RecheckAndRefresh(Data(), TRUE);
    Pane().ClearSelection();
    answers.script = {MessageAnswer::No};
    Command(ID_REMOVE_ABSENCES);
    EXPECT_EQ(Shown().m_arrAbsences.size(), 1u) << "No keeps them";
    answers.script = {MessageAnswer::Yes};
    Command(ID_REMOVE_ABSENCES);
    EXPECT_TRUE(Shown().m_arrAbsences.empty());
    EXPECT_FALSE(Data().HasUndoSnapshot());
}

}  // namespace
