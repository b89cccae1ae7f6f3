// The timetable page's side panel on a small week plan: the lists its modes show for the grid's
// selection, applying the panel's choice with the answers Yes and No, and activities, activity
// groups and people dragged from the panel onto the grid.
#include "time_table_page_fixture.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "controls/my_list_ctrl.h"
#include "frame/menu_bar.h"
#include "model/time_values.h"
#include "platform/core/load_res_string.h"
#include "timetable/time_table_messages.h"
#include "plan_builder.h"
#include "resource_ids.h"
#include "timetable/timetable_panel_lists.h"
#include "timetable_test_support.h"

namespace {

using vorn_test::MouseMove;
using vorn_test::MousePress;
using vorn_test::MouseRelease;

class TimeTablePanelTest : public TimeTablePageTest {
protected:
    void Command(UINT id) {
        Page().SendMessage(WM_COMMAND, id, 0);
        vorn_test::ProcessEvents();
    }
    CWndPanel& Panel() { return Page().GetPanel(); }
    // The ids and list groups of the panel's items, in order.
    std::vector<std::pair<int, int>> PanelItems() {
        std::vector<std::pair<int, int>> items;
        for (const CPanelItem& item : Panel().m_arrItems) items.emplace_back(item.m_nId, item.m_nGroup);
        return items;
    }
    // A click on the day and hour selects the lesson there, or an hour of free time.
    void Click(int day, int hour, int minute = 30) {
        const CPoint p = PointAt(day, hour, minute);
        MousePress(&Body(), p);
        MouseRelease(&Body(), p);
        vorn_test::ProcessEvents();
    }
    // Selects free time on the day from one hour to the end of another.
    void SelectTime(int day, int fromHour, int toHour) {
        const CPoint from = PointAt(day, fromHour, 10), to = PointAt(day, toHour, 50);
        MousePress(&Body(), from);
        MouseMove(&Body(), to, Qt::LeftButton);
        MouseRelease(&Body(), to);
        vorn_test::ProcessEvents();
    }
    // Drags the panel item with the id onto the body point as the panel's list does.
    void DropFromPanel(int id, CPoint at) {
        Body().SendMessage(CMyListCtrl::kDragPrepare, 0, 0);
        Body().SendMessage(CMyListCtrl::kDragBegin, static_cast<WPARAM>(id), 0);
        CPoint screen = at;
        Body().ClientToScreen(&screen);
        Body().SendMessage(CMyListCtrl::kDragOver, static_cast<WPARAM>(screen.x), screen.y);
        Body().SendMessage(CMyListCtrl::kDrop, reinterpret_cast<WPARAM>(&at), 0);
        vorn_test::ProcessEvents();
    }
    // Chooses the item of the menu bar's popup as a user does; false when it is missing or
    // disabled once the popup's command update ran.
    bool ChooseFromMenuBar(int popup, const char* text) {
        QMenuBar* bar = frame->GetMenuBar().GetWidget()->findChild<QMenuBar*>();
        frame->GetMenuBar().OpenPopup(popup, FALSE);
        vorn_test::ProcessEvents();
        QAction* chosen = nullptr;
        for (QAction* a : bar->actions()[popup]->menu()->actions())
            if (a->text().startsWith(QString::fromUtf8(text))) chosen = a;
        const bool usable = chosen && chosen->isEnabled();
        if (usable) chosen->trigger();
        bar->actions()[popup]->menu()->hide();
        vorn_test::ProcessEvents();
        return usable;
    }
    // The starts and lengths (minutes) of the activity's entries on the day.
    std::vector<std::pair<int, int>> EntriesOn(int activity, int day) {
        std::vector<std::pair<int, int>> found;
        for (const CTimetableEntry& entry : Data().m_arrEntries)
            if (entry.m_nActivity == activity && entry.m_dtStart.GetDay() == day)
                found.emplace_back(entry.m_dtStart.GetHour() * 60 + entry.m_dtStart.GetMinute(),
                                   WholeMinutes(entry.m_tsLength));
        std::sort(found.begin(), found.end());
        return found;
    }
};

TEST_F(TimeTablePanelTest, ModesListWhatFitsTheGridsSelection) {
    ShowWeek(false);
    AddTestEntity(Data(), 7, 4, L"Lab");
    Data().FindEntryBySerial(maths)->m_arrRooms.push_back(7);

    // Without a selection the page's modes are the base's lists: the teacher's activities,
    // not in a group, so in the base's group 2.
    Command(ID_SHOW_PLACEABLE_ACTIVITIES);
    EXPECT_EQ(Panel().m_nMode, 1);
    EXPECT_EQ(PanelItems(), (std::vector<std::pair<int, int>>{{10, 2}, {11, 2}, {12, 2}}));

    // Wednesday 09:00 is free: all three fit there and are short of time (group 1).
    Click(5, 9);
    ASSERT_EQ(Pane().m_nSelectionMode, 2);
    Command(ID_SHOW_PLACEABLE_ACTIVITIES);
    EXPECT_EQ(Panel().m_nMode, 1);
    EXPECT_EQ(PanelItems(), (std::vector<std::pair<int, int>>{{10, 1}, {11, 1}, {12, 1}}));

    // The Maths lesson: who may join it, and its people and rooms.
    Click(3, 8);
    ASSERT_EQ(Pane().m_nSelectionMode, 1);
    Command(ID_SHOW_JOINABLE_ENTITIES);
    EXPECT_EQ(Panel().m_nMode, 2);
    std::vector<std::pair<int, int>> joinable;
    for (const CPanelItem& item : ListJoinableEntities(Data(), Pane()).m_arrItems)
        joinable.emplace_back(item.m_nId, item.m_nGroup);
    EXPECT_EQ(PanelItems(), joinable);
    EXPECT_FALSE(joinable.empty());

    Page().SendMessage(WM_TT_ENTRY_PEOPLE, 0, 0);
    EXPECT_EQ(Panel().m_nMode, 5);
    EXPECT_EQ(PanelItems(), (std::vector<std::pair<int, int>>{{7, 4}}));
    EXPECT_EQ(Panel().GetCurrentEntry(), maths);
    EXPECT_EQ(Panel().m_wndList.m_bDragEnabled, 0);

    // The people of a lesson need a selected lesson: a warning, the panel stays as it was.
    Click(5, 9);
    const std::size_t asked = answers.asked.size();
    Command(ID_SHOW_ENTRY_PEOPLE);
    ASSERT_EQ(answers.asked.size(), asked + 1);
    EXPECT_EQ(answers.asked.back(), LoadResString(IDS_TT_PEOPLE_NEED_ITEM));
    EXPECT_EQ(Panel().m_nMode, 5);
}

// Two hours of Wednesday take Music (45-minute meetings): Yes places one entry over the whole
// time, No entries of the meeting length from its start; Cancel places nothing and keeps the
// undo level of an earlier edit.
TEST_F(TimeTablePanelTest, ApplyingTheChoiceAsksForOneEntryOrMeetings) {
    struct Case {
        const char* name;
        MessageAnswer answer;
        std::vector<std::pair<int, int>> entries;  // minutes after midnight, length
    };
    const Case cases[] = {
        {"Yes", MessageAnswer::Yes, {{9 * 60, 120}}},
        {"No", MessageAnswer::No, {{9 * 60, 45}, {9 * 60 + 45, 45}, {10 * 60 + 30, 45}}},
        {"Cancel", MessageAnswer::Cancel, {}},
    };
    for (const Case& c : cases) {
        ShowWeek(false);
        Data().FindActivity(12)->m_tsMeeting = COleDateTimeSpan(0, 0, 45, 0);
        SelectTime(5, 9, 10);
        ASSERT_EQ(Pane().m_nSelectionMode, 2) << c.name;
        Command(ID_SHOW_PLACEABLE_ACTIVITIES);
        CListCtrl& list = Panel().m_wndList;
        for (int i = 0; i < list.GetItemCount(); ++i)
            if (list.GetItemData(i) == 12) list.SetItemState(i, LVIS_SELECTED, LVIS_SELECTED);
        ASSERT_EQ(Panel().GetSelectedIds(), std::vector<int>{12}) << c.name;
        const bool earlierEdit = c.answer == MessageAnswer::Cancel;
        if (earlierEdit) Data().SaveUndo();
        answers.script = {c.answer};
        Command(ID_APPLY_PANEL_SELECTION);
        EXPECT_EQ(EntriesOn(12, 5), c.entries) << c.name;
        EXPECT_TRUE(answers.script.empty()) << c.name << ": asked once";
        EXPECT_EQ(Data().HasUndoSnapshot(), earlierEdit || !c.entries.empty()) << c.name;
    }
}

TEST_F(TimeTablePanelTest, ActivitiesGroupsAndPeopleDroppedFromThePanel) {
    ShowWeek(false);
    // Art dragged from the teacher's activities onto Thursday 09:30: placed on the whole hour.
    Command(ID_SHOW_PANEL_LIST);
    ASSERT_EQ(Body().m_nPanelMode, 1);
    DropFromPanel(11, PointAt(6, 9, 30));
    EXPECT_EQ(EntriesOn(11, 6), (std::vector<std::pair<int, int>>{{9 * 60, 60}}));
    EXPECT_TRUE(Data().HasUndoSnapshot());
    EXPECT_EQ(Body().m_bDragging, 0);
    EXPECT_EQ(Body().m_nDragMode, 0);

    // A group of two parallel activities dropped on Friday 11:00; the chooser keeps both.
    AddTestGroup(Data(), 20, L"Languages");
    AddTestActivity(Data(), 14, L"French", {1, 2}, 20);
    AddTestActivity(Data(), 15, L"German", {5, 3}, 20);
    RecheckAndRefresh(Data(), TRUE);
    vorn_test::ProcessEvents();
    CWndTimeTable::s_dialogs.chooseActivities = [](std::vector<int>&, std::vector<int>&, std::vector<int>&,
                                                  std::vector<int>&) { return TRUE; };
    Command(ID_SHOW_PANEL_EXTRA_LIST);
    ASSERT_EQ(Body().m_nPanelMode, 4);
    DropFromPanel(20, PointAt(7, 11, 20));
    EXPECT_EQ(EntriesOn(14, 7), (std::vector<std::pair<int, int>>{{11 * 60, 60}}));
    EXPECT_EQ(EntriesOn(15, 7), (std::vector<std::pair<int, int>>{{11 * 60, 60}}));

    // Ben dragged from the people onto the Maths lesson joins Maths.
    Command(ID_SHOW_PANEL_ENTITIES);
    ASSERT_EQ(Body().m_nPanelMode, 2);
    const int item = FindItemOf(maths);
    ASSERT_GE(item, 0);
    DropFromPanel(5, InItem(item, 20, 20));
    EXPECT_TRUE(Data().FindActivity(10)->HasEntityId(Data(), 5));
}

// The side list's modes, applying its choice and the problems are reached from the menu bar.
TEST_F(TimeTablePanelTest, TheMenuBarOpensEveryPanelModeAppliesTheChoiceAndShowsProblems) {
    ShowWeek(false);
    AddTestEntity(Data(), 7, 4, L"Lab");
    RecheckAndRefresh(Data(), TRUE);
    const std::pair<const char*, int> modes[] = {
        {"&Activities", 1}, {"&People", 2}, {"&Rooms", 3}, {"Activity &groups", 4}};
    for (const auto& [text, mode] : modes) {
        EXPECT_TRUE(ChooseFromMenuBar(2, text)) << text;
        EXPECT_EQ(Panel().m_nMode, mode) << text;
    }
    // Art chosen in the activities and applied to free Wednesday 09:00 becomes a lesson there.
    Click(5, 9);
    ASSERT_TRUE(ChooseFromMenuBar(2, "&Activities"));
    CListCtrl& list = Panel().m_wndList;
    for (int i = 0; i < list.GetItemCount(); ++i)
        if (list.GetItemData(i) == 11) list.SetItemState(i, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_TRUE(ChooseFromMenuBar(2, "Appl&y"));
    EXPECT_EQ(EntriesOn(11, 5), (std::vector<std::pair<int, int>>{{9 * 60, 60}}));

    // Two lessons of the teacher at one time: the problems fill the message panel.
    AddTestEntry(Data(), 12, At(2000, 1, 3, 8, 0), 60);
    Data().m_arrProblems.clear();
    frame->FillMessagePanel();
    ASSERT_FALSE(frame->IsMessagePanelShown());
    EXPECT_TRUE(ChooseFromMenuBar(3, "Show &problems"));
    EXPECT_TRUE(frame->IsMessagePanelShown());
}

// The report of the page asks the reports page for view type 3, from the explorer bar too.
TEST_F(TimeTablePanelTest, TheReportOfThePageAsksForViewTypeThree) {
    ShowWeek(false);
    Data().m_nViewType = 0;
    frame->SendMessage(WM_COMMAND, ID_MAGNET_PAGE_REPORT, 0);
    EXPECT_EQ(Data().m_nViewType, 3);
}

// Outside the split display a click on another lesson refills the lists that belong to the
// clicked lesson: who may join it, its free rooms, and its people.
TEST_F(TimeTablePanelTest, ClickingAnotherLessonRefillsTheListsOfTheLesson) {
    ShowWeek(true);
    AddTestEntity(Data(), 7, 4, L"Lab");
    AddTestEntity(Data(), 8, 4, L"Gym");
    Data().FindEntryBySerial(maths)->m_arrRooms.push_back(7);
    // Sport takes the gym during Maths, and Cy Dunn joins Art.
    for (CTimetableEntry& entry : Data().m_arrEntries)
        if (entry.m_nActivity == 13) entry.m_arrRooms.push_back(8);
    RecheckAndRefresh(Data(), TRUE);
    vorn_test::ProcessEvents();
    ASSERT_FALSE(Page().GetControl().IsSplit());
    const std::pair<UINT, const char*> modes[] = {
        {ID_SHOW_JOINABLE_ENTITIES, "people who may join"},
        {ID_SHOW_FREE_ROOMS, "free rooms"},
        {ID_SHOW_ENTRY_PEOPLE, "people of the lesson"},
    };
    for (const auto& [command, name] : modes) {
        Click(3, 8);
        Command(command);
        const auto ofMaths = PanelItems();
        Click(3, 10);
        ASSERT_EQ(Pane().GetCurrentItem()->m_nSource, art) << name;
        Command(command);
        const auto ofArt = PanelItems();
        ASSERT_NE(ofMaths, ofArt) << name << ": the fixture tells the lessons apart";
        Click(3, 8);
        EXPECT_EQ(PanelItems(), ofMaths) << name;
        if (command == ID_SHOW_ENTRY_PEOPLE) EXPECT_EQ(Panel().GetCurrentEntry(), maths);
    }
}

// In a dated plan a person dropped on a lesson stands in for it: the record is added once the
// stand-in dialog says OK, and a cancelled dialog adds nothing.
TEST_F(TimeTablePanelTest, APersonDroppedOnALessonOfADatedPlanStandsIn) {
    for (const BOOL accept : {FALSE, TRUE}) {
        CScheduleData& data = Data();
        data.ResetToNew(FALSE);
        data.SetStartDate(COleDateTime(2000, 2, 7, 0, 0, 0));
        data.m_nDays = 5;
        data.m_tDayStart = MakeTimeOfDay(7, 0);
        AddTestEntity(data, 1, 1, L"Ada Brook");
        AddTestEntity(data, 2, 0, L"1a");
        AddTestEntity(data, 5, 1, L"Ben Cole");
        AddTestActivity(data, 10, L"Maths", {1, 2});
        const std::uint64_t lesson = AddTestEntry(data, 10, At(2000, 2, 7, 8, 0), 60);
        data.m_nCurrentEntity = 1;
        RecheckAndRefresh(data, TRUE);
        ShowTimeTable();
        ASSERT_FALSE(data.HasDefaultStartDate());
        data.DiscardUndo();
        int asked = 0;
        CWndTimeTable::s_dialogs.substitute = [&](CReplacement& record, CTimetableEntry&, const CString&, int,
                                                  const std::vector<int>&) {
            ++asked;
            EXPECT_EQ(record.m_nEntity, 5);
            return accept;
        };
        Command(ID_SHOW_PANEL_ENTITIES);
        const int item = FindItemOf(lesson);
        ASSERT_GE(item, 0);
        DropFromPanel(5, InItem(item, 20, 20));
        EXPECT_EQ(asked, 1) << accept;
        const CTimetableEntry& entry = *data.FindEntryBySerial(lesson);
        ASSERT_EQ(entry.m_arrReplacements.size(), accept ? 1u : 0u) << accept;
        if (accept) EXPECT_EQ(entry.m_arrReplacements[0].m_nEntity, 5);
        EXPECT_EQ(data.HasUndoSnapshot(), accept != FALSE);
        EXPECT_FALSE(data.FindActivity(10)->HasEntityId(data, 5)) << "a stand-in does not join the activity";
    }
}

}  // namespace
