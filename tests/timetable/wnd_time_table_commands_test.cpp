// The selection commands of the timetable page and the removal of lessons, on the week plan
// through the grid's mouse and keys.
#include "time_table_page_fixture.h"

#include "../frame/explorer_commands.h"

#include "model/time_values.h"
#include "plan_builder.h"
#include "platform/core/load_res_string.h"
#include "platform/ui/cmd_ui_state.h"
#include "resource_ids.h"
#include "timetable/time_table_messages.h"
#include "timetable_test_support.h"

namespace {

using vorn_test::MousePress;
using vorn_test::MouseRelease;

class TimeTableCommandsTest : public TimeTablePageTest {
protected:
    void Command(UINT id) {
        Page().SendMessage(WM_COMMAND, id, 0);
        vorn_test::ProcessEvents();
    }
    void ClickAt(CPoint p) {
        MousePress(&Body(), p);
        MouseRelease(&Body(), p);
        vorn_test::ProcessEvents();
    }
    void ClickLesson(std::uint64_t serial) {
        const int item = FindItemOf(serial);
        ASSERT_GE(item, 0);
        ClickAt(InItem(item, 20, 20));
    }
    int SelectedCount() {
        int n = 0;
        for (const CTimeTableItem& item : Pane().m_arrItems) n += item.m_bSelected ? 1 : 0;
        return n;
    }
    bool Has(std::uint64_t serial) { return Data().FindEntryBySerial(serial) != Data().m_arrEntries.end(); }
};

TEST_F(TimeTableCommandsTest, TheDeleteKeyRemovesSelectedLessonsAndLessonsInsideSelectedTime) {
    ShowWeek(false);
    // Nothing selected: nothing removed, no undo step.
    Page().SendMessage(WM_TT_DELETE_KEY, 0, 0);
    EXPECT_EQ(Data().m_arrEntries.size(), 3u);
    EXPECT_FALSE(Data().HasUndoSnapshot());

    ClickLesson(maths);
    Page().SendMessage(WM_TT_DELETE_KEY, 0, 0);
    vorn_test::ProcessEvents();
    EXPECT_FALSE(Data().FindEntryAt(10, At(2000, 1, 3, 8, 0)) != Data().m_arrEntries.end());
    EXPECT_EQ(Data().m_arrEntries.size(), 2u);
    EXPECT_TRUE(Data().HasUndoSnapshot());

    // Art's lesson turned into selected time: the lesson inside it goes, Music stays.
    ShowWeek(false);
    ClickLesson(art);
    Command(ID_SWAP_SELECTION_KIND);
    ASSERT_EQ(Pane().m_nSelectionMode, 2);
    ASSERT_EQ(Pane().m_arrSelectedRanges.size(), 1u);
    Command(CWndPanel::kRemoveCommand);
    EXPECT_EQ(Data().FindEntryAt(11, At(2000, 1, 3, 10, 0)), Data().m_arrEntries.end());
    EXPECT_NE(Data().FindEntryAt(12, At(2000, 1, 4, 8, 0)), Data().m_arrEntries.end());
    EXPECT_TRUE(Data().HasUndoSnapshot());
}

// Ben stands in at Maths: turned into selected time, that lesson is no longer selected as a
// lesson, so Delete takes Ben out of it and leaves the class its Maths.
TEST_F(TimeTableCommandsTest, ALessonTurnedIntoTimeIsNoLongerSelected) {
    ShowWeek(false);
    CReplacement standIn;
    standIn.m_nEntity = 5;
    Data().FindEntryBySerial(maths)->m_arrReplacements.push_back(standIn);
    ASSERT_TRUE(Data().SetCurrentEntity(5));
    RecheckAndRefresh(Data(), TRUE);
    Data().DiscardUndo();
    vorn_test::ProcessEvents();
    ClickLesson(maths);
    ASSERT_EQ(SelectedCount(), 1);
    Command(ID_SWAP_SELECTION_KIND);
    ASSERT_EQ(Pane().m_nSelectionMode, 2);
    EXPECT_EQ(SelectedCount(), 0);
    Page().SendMessage(WM_TT_DELETE_KEY, 0, 0);
    vorn_test::ProcessEvents();
    ASSERT_TRUE(Has(maths));
    EXPECT_TRUE(Data().FindEntryBySerial(maths)->m_arrReplacements.empty());
    EXPECT_TRUE(Data().HasUndoSnapshot());
}

TEST_F(TimeTableCommandsTest, SelectAllEscapeAndPinnedTime) {
    ShowWeek(false);
    Page().SendMessage(WM_TT_SELECT_KEY, 0, 1);
    EXPECT_EQ(SelectedCount(), 3);
    Page().SendMessage(WM_TT_SELECT_KEY, 0, 0);
    EXPECT_EQ(SelectedCount(), 0);
    Command(ID_SELECT_ALL_CARDS);
    EXPECT_EQ(SelectedCount(), 3);
    Command(ID_SELECT_ALL_CARDS);
    EXPECT_EQ(SelectedCount(), 0);

    // Pressed twice with the same time selected: pinned, then forgotten; the selection goes.
    for (const std::size_t pinned : {1u, 0u}) {
        ClickAt(PointAt(5, 9));
        ASSERT_EQ(Pane().m_nSelectionMode, 2);
        Command(ID_TOGGLE_PINNED_RANGES);
        EXPECT_EQ(Page().GetPinnedRanges().size(), pinned);
        EXPECT_EQ(Pane().m_nSelectionMode, 0);
    }
}


// The explorer bar on the timetable tab lists the page's commands, and the page handles each.
TEST_F(TimeTableCommandsTest, TheExplorerBarListsCommandsThePageHandles) {
    ShowWeek(false);
    const std::vector<UINT> commands = ExplorerCommands(*frame);
    EXPECT_GE(commands.size(), 15u);
    EXPECT_TRUE(ExplorerCommandsWithoutHandler(*frame, Page()).empty());
}

// Print asks the reports page for the current entity's report (view type 2), also with OVERLAPS
// 0, which sets no limit; an entity of type 5 has no timetable to print and is refused.
TEST_F(TimeTableCommandsTest, PrintAsksTheReportsPageForTheCurrentEntity) {
    ShowWeek(false);
    auto entity = Data().FindEntity(Data().m_nCurrentEntity);
    ASSERT_NE(entity, Data().m_arrEntities.end());
    entity->m_nOverlaps = 0;
    Data().m_nViewType = 0;
    Command(ID_FILE_PRINT);
    EXPECT_EQ(Data().m_nViewType, 2);
    EXPECT_TRUE(answers.asked.empty());

    entity->m_nType = 5;
    Data().m_nViewType = 0;
    Command(ID_FILE_PRINT);
    EXPECT_EQ(Data().m_nViewType, 0);
    ASSERT_EQ(answers.asked.size(), 1u);
    EXPECT_EQ(answers.asked[0], LoadResString(IDS_TT_PRINT_REFUSED));
}

// A new task over two selected half hours: cancelled, nothing changes; on OK the teacher's new
// activity gets two short lessons (shorter than its hour-long meeting). Taken or absent time
// disables the command.
TEST_F(TimeTableCommandsTest, NewTaskMakesLessonsOverTheSelectedFreeTime) {
    ShowWeek(false);
    const COleDateTimeSpan half(0, 0, 30, 0);
    Pane().ClearSelection();
    Pane().AddRange(At(2000, 1, 5, 8, 0), half);
    Pane().AddRange(At(2000, 1, 5, 11, 0), half);
    EXPECT_TRUE(CCmdUIState::IsEnabled(&Page(), ID_CONTACTS_ADD));
    const std::size_t activities = Data().m_arrActivities.size(), entries = Data().m_arrEntries.size();

    UINT okText = 0;
    BOOL answer = FALSE;
    CWndTimeTable::s_dialogs.editTask = [&](CActivity& activity, UINT text) {
        okText = text;
        activity.m_strName = L"Chess";
        return answer;
    };
    Command(ID_CONTACTS_ADD);
    EXPECT_EQ(okText, static_cast<UINT>(IDS_NEW_ENTITY_CAPTION));
    EXPECT_EQ(Data().m_arrActivities.size(), activities);
    EXPECT_FALSE(Data().HasUndoSnapshot());

    answer = TRUE;
    Command(ID_CONTACTS_ADD);
    ASSERT_EQ(Data().m_arrActivities.size(), activities + 1);
    const CActivity& chess = Data().m_arrActivities.back();
    EXPECT_EQ(chess.m_strName, CString(L"Chess"));
    EXPECT_TRUE(chess.HasEntityId(Data(), Data().m_nCurrentEntity));
    EXPECT_EQ(Data().m_arrEntries.size(), entries + 2);
    for (const COleDateTime& start : {At(2000, 1, 5, 8, 0), At(2000, 1, 5, 11, 0)}) {
        const auto entry = Data().FindEntryAt(chess.m_nId, start);
        ASSERT_NE(entry, Data().m_arrEntries.end());
        EXPECT_EQ(entry->GetState(Data()), 3);
    }
    EXPECT_TRUE(Data().HasUndoSnapshot());
    EXPECT_EQ(Pane().m_nSelectionMode, 0);

    // Time that holds a lesson cannot take a new task.
    ShowWeek(false);
    Pane().ClearSelection();
    Pane().AddRange(At(2000, 1, 3, 8, 0), half);
    EXPECT_FALSE(CCmdUIState::IsEnabled(&Page(), ID_CONTACTS_ADD));
}

// Edit opens the clicked lesson's activity: cancelled, nothing changes; OK writes it back, and
// a LOCATION text drops its rooms.
TEST_F(TimeTableCommandsTest, EditWritesTheLessonsActivityBack) {
    ShowWeek(false);
    EXPECT_FALSE(CCmdUIState::IsEnabled(&Page(), CWndPanel::kEditCommand));
    ClickLesson(maths);
    EXPECT_TRUE(CCmdUIState::IsEnabled(&Page(), CWndPanel::kEditCommand));
    BOOL answer = FALSE;
    int edited = 0;
    CWndTimeTable::s_dialogs.editTask = [&](CActivity& activity, UINT) {
        edited = activity.m_nId;
        activity.m_strLocation = L"Hall";
        activity.m_arrRooms = {99};
        return answer;
    };
    Command(CWndPanel::kEditCommand);
    EXPECT_EQ(edited, 10);
    EXPECT_TRUE(Data().FindActivity(10)->m_strLocation.IsEmpty());
    EXPECT_FALSE(Data().HasUndoSnapshot());

    answer = TRUE;
    Command(CWndPanel::kEditCommand);
    EXPECT_EQ(Data().FindActivity(10)->m_strLocation, CString(L"Hall"));
    EXPECT_TRUE(Data().FindActivity(10)->m_arrRooms.empty());
    EXPECT_TRUE(Data().HasUndoSnapshot());
}

// Double click: a lesson opens its activity, a group item its group; cancelled, nothing changes.
TEST_F(TimeTableCommandsTest, DoubleClickEditsTheLessonsActivityOrTheGroup) {
    ShowWeek(false);
    int edited = 0;
    CWndTimeTable::s_dialogs.editTask = [&](CActivity& activity, UINT) {
        edited = activity.m_nId;
        activity.m_strName = L"Algebra";
        return TRUE;
    };
    Page().SendMessage(WM_TT_DOUBLE_CLICK, static_cast<WPARAM>(maths), 0);
    EXPECT_EQ(edited, 10);
    EXPECT_EQ(Data().FindActivity(10)->m_strName, CString(L"Algebra"));
    EXPECT_TRUE(Data().HasUndoSnapshot());

    // A lesson gone from the document is ignored.
    edited = 0;
    Page().SendMessage(WM_TT_DOUBLE_CLICK, static_cast<WPARAM>(maths + 1000), 0);
    EXPECT_EQ(edited, 0);

    CActivityGroup group;
    group.m_nId = 7;
    group.m_strName = L"Arts";
    Data().m_arrGroups.push_back(group);
    BOOL answer = FALSE;
    CWndTimeTable::s_dialogs.editGroup = [&](CActivityGroup& g) {
        g.m_strName = L"Crafts";
        g.m_nHatch = 2;
        return answer;
    };
    for (const BOOL ok : {FALSE, TRUE}) {
        answer = ok;
        Page().SendMessage(WM_TT_DOUBLE_CLICK, 0, 7);
        EXPECT_EQ(Data().FindGroup(7)->m_strName, CString(ok ? L"Crafts" : L"Arts"));
    }
}

// A double click on selected empty time of a dated plan edits the absence there; cancelled, or
// in a week template, nothing changes.
TEST_F(TimeTableCommandsTest, DoubleClickOnEmptyTimeEditsTheAbsenceThere) {
    ShowWeek(false);
    auto teacher = Data().FindEntity(Data().m_nCurrentEntity);
    ASSERT_NE(teacher, Data().m_arrEntities.end());
    CAbsence absence;
    absence.m_dtStart = At(2000, 1, 5, 9, 0);
    absence.m_tsLength = COleDateTimeSpan(0, 2, 0, 0);
    absence.m_strRemark = L"course";
    teacher->m_arrAbsences.push_back(absence);
    Pane().ClearSelection();
    Pane().AddRange(At(2000, 1, 5, 10, 0), COleDateTimeSpan(0, 1, 0, 0));
    CString okText;
    BOOL answer = FALSE;
    int asked = 0;
    CWndTimeTable::s_dialogs.editAbsence = [&](CAbsence& a, const CString& text) {
        ++asked;
        okText = text;
        a.m_strRemark = L"ill";
        return answer;
    };
    Page().SendMessage(WM_TT_DOUBLE_CLICK, 0, 0);
    EXPECT_EQ(asked, 0);  // a week template has no absences to edit

    Data().SetStartDate(At(2001, 1, 1, 0, 0));
    ASSERT_FALSE(Data().HasDefaultStartDate());
    for (const BOOL ok : {FALSE, TRUE}) {
        answer = ok;
        Page().SendMessage(WM_TT_DOUBLE_CLICK, 0, 0);
        EXPECT_EQ(Data().FindEntity(Data().m_nCurrentEntity)->m_arrAbsences[0].m_strRemark,
                  CString(ok ? L"ill" : L"course"));
        EXPECT_EQ(Data().HasUndoSnapshot(), ok == TRUE);
    }
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(okText, LoadResString(IDS_TT_ABSENCE_UPDATE));
}

// Room pairs of the selected lesson: without a selected lesson a warning; cancelled, nothing
// changes; a room left without a pair is dropped when the user agrees.
TEST_F(TimeTableCommandsTest, AssociationsPairTheLessonsRoomsAndDropUnpairedOnes) {
    ShowWeek(false);
    AddTestEntity(Data(), 20, 4, L"Room 20");
    AddTestEntity(Data(), 21, 4, L"Room 21");
    Data().FindEntryBySerial(art)->m_arrRooms = {20, 21};
    Command(ID_TASK_ASSOCIATIONS);
    ASSERT_EQ(answers.asked.size(), 1u);
    EXPECT_EQ(answers.asked[0], LoadResString(IDS_TT_ASSOC_NEED_ITEM));

    ClickLesson(art);
    std::vector<int> shownRooms;
    BOOL answer = FALSE;
    CWndTimeTable::s_dialogs.associations = [&](const std::vector<int>& rooms, const std::vector<int>&,
                                                std::vector<CRoomPair>& pairs) {
        shownRooms = rooms;
        pairs = {{20, 1}};
        return answer;
    };
    Command(ID_TASK_ASSOCIATIONS);
    EXPECT_EQ(shownRooms, (std::vector<int>{20, 21}));
    EXPECT_TRUE(Data().FindEntryBySerial(art)->m_arrPairs.empty());
    EXPECT_FALSE(Data().HasUndoSnapshot());

    answer = TRUE;
    answers.script = {MessageAnswer::Yes};
    Page().SendMessage(WM_TT_ASSOCIATIONS, 0, 0);
    ASSERT_EQ(answers.asked.size(), 2u);
    EXPECT_EQ(answers.asked[1], LoadResString(IDS_TT_DROP_UNPAIRED_ROOMS));
    const auto entry = Data().FindEntryBySerial(art);
    EXPECT_EQ(entry->m_arrRooms, std::vector<int>{20});
    EXPECT_EQ(entry->m_arrPairs, (std::vector<CRoomPair>{{20, 1}}));
    EXPECT_TRUE(Data().HasUndoSnapshot());
}

// The absence-or-remark command: a whole-day absence matches selected time on its day (the
// double click needs an overlap); the remark of selected lessons in state 9 is written back.
TEST_F(TimeTableCommandsTest, EditAbsenceOrRemarkCommand) {
    ShowWeek(false);
    Data().SetStartDate(At(2000, 2, 7, 0, 0));  // dated, from a Monday
    Data().FindEntryBySerial(maths)->m_dtStart = At(2000, 2, 7, 8, 0);
    Data().FindEntryBySerial(maths)->m_dtUnmovedStart = At(2000, 2, 7, 8, 0);
    RecheckAndRefresh(Data(), TRUE);
    CAbsence absence;
    absence.m_dtStart = At(2000, 2, 9, 0, 0);
    absence.m_tsLength = COleDateTimeSpan(0, 0, 1, 0);
    absence.m_bWholeDay = 1;
    Data().FindEntity(Data().m_nCurrentEntity)->m_arrAbsences.push_back(absence);
    Pane().ClearSelection();
    Pane().AddRange(At(2000, 2, 9, 10, 0), COleDateTimeSpan(0, 1, 0, 0));
    int asked = 0;
    CWndTimeTable::s_dialogs.editAbsence = [&](CAbsence& a, const CString&) {
        ++asked;
        a.m_strRemark = L"ill";
        return TRUE;
    };
    Page().SendMessage(WM_TT_DOUBLE_CLICK, 0, 0);
    EXPECT_EQ(asked, 0);
    Command(ID_EDIT_ABSENCE_OR_REMARK);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(Data().FindEntity(Data().m_nCurrentEntity)->m_arrAbsences[0].m_strRemark, CString(L"ill"));
    EXPECT_TRUE(Data().HasUndoSnapshot());

    Data().DiscardUndo();
    // A lesson that carries a remark.
    Data().FindEntryBySerial(maths)->m_nState = 9;
    Pane().m_arrItems[FindItemOf(maths)].m_nState = 9;
    ClickLesson(maths);
    ASSERT_EQ(Pane().GetCurrentItem()->m_nState, 9);
    CWndTimeTable::s_dialogs.remark = [](CString& remark) {
        remark = L"Trip";
        return TRUE;
    };
    Command(ID_EDIT_ABSENCE_OR_REMARK);
    EXPECT_EQ(Data().FindEntryBySerial(maths)->m_strRemark, CString(L"Trip"));
    EXPECT_TRUE(Data().HasUndoSnapshot());
}

// Select by: with lessons selected, the lessons of chosen activities or with a participant of
// the given name; with time selected, the chosen hour slots of the chosen days.
TEST_F(TimeTableCommandsTest, SelectByFilterSelectsLessonsOrTime) {
    ShowWeek(false);
    ClickLesson(maths);
    CSelectByFilter chosen;
    int mode = -1;
    BOOL answer = FALSE;
    CWndTimeTable::s_dialogs.selectBy = [&](CSelectByFilter& filter) {
        mode = filter.m_nMode;
        chosen.m_nMode = filter.m_nMode;
        filter = chosen;
        return answer;
    };
    Command(ID_SELECT_BY);
    EXPECT_EQ(mode, 3);
    EXPECT_EQ(SelectedCount(), 1);  // cancelled

    answer = TRUE;
    const struct {
        std::vector<int> activities;
        const wchar_t* text;
        std::vector<std::uint64_t> selected;
    } cases[] = {{{12}, L"", {music}}, {{}, L"Cy", {art}}, {{10}, L"Cy", {maths, art}}};
    for (const auto& c : cases) {
        ClickLesson(maths);
        chosen = CSelectByFilter();
        chosen.m_arrActivities = c.activities;
        chosen.m_strText = c.text;
        Command(ID_SELECT_BY);
        EXPECT_EQ(Pane().m_nSelectionMode, 1);
        EXPECT_EQ(SelectedCount(), static_cast<int>(c.selected.size())) << c.selected.size();
        for (const std::uint64_t serial : c.selected) EXPECT_TRUE(Pane().m_arrItems[FindItemOf(serial)].m_bSelected);
    }

    ClickAt(PointAt(4, 9));
    ASSERT_EQ(Pane().m_nSelectionMode, 2);
    chosen = CSelectByFilter();
    chosen.m_arrDays = {0, 1};
    chosen.m_arrHours = {0, 1, 1};
    Command(ID_SELECT_BY);
    EXPECT_EQ(mode, 2);
    ASSERT_EQ(Pane().m_arrSelectedRanges.size(), 2u);
    EXPECT_EQ(Pane().m_arrSelectedRanges[0].m_dtStart, At(2000, 1, 4, 8, 0));
    EXPECT_EQ(Pane().m_arrSelectedRanges[1].m_dtStart, At(2000, 1, 4, 9, 0));
}

}  // namespace
