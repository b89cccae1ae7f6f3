// The tasks page on the school plan: the refill for a teacher, updates while hidden, a drag from
// the side panel onto a task row, every command with scripted dialog answers (its effect, one undo level and the
// plan check), entity navigation, the tooltip's highlight, and copy and paste between two
// documents.
#include <QPainter>

#include <algorithm>

#include "model/activity_group.h"
#include "model/entity.h"
#include "model/time_values.h"
#include "planner/diary_messages.h"
#include "tasks_fixture.h"

namespace {

int CountEntries(const CScheduleData& data, int activityId) {
    return static_cast<int>(std::count_if(data.m_arrEntries.begin(), data.m_arrEntries.end(),
                                          [&](const CTimetableEntry& e) { return e.m_nActivity == activityId; }));
}

}  // namespace

class TasksPageTest : public TasksTest {
protected:
    // Flags the rows of the activities, as clicks with Ctrl on their captions would.
    void FlagRows(std::initializer_list<int> ids) {
        Diary().ClearSelection();
        for (int id : ids) Diary().SelectRow(Diary().CountFlaggedRows() > 0, Diary().FindRow(id));
    }
    void Command(UINT id) {
        Tasks().SendMessage(WM_COMMAND, id, 0);
        vorn_test::ProcessEvents();
    }
    // The point in the diary's client area on the caption line of the activity's row.
    CPoint RowPoint(int activityId) {
        const CDiaryRow& row = Diary().m_arrRows[Diary().FindRow(activityId)];
        return CPoint(40, Diary().GetTitleHeight() + row.m_rect.top - Diary().GetVerticalOffset() + 5);
    }
    int RowActivity(std::size_t index) { return Diary().m_arrRows.at(index).m_nActivity; }
    // Starts dragging the side list's entry of the entity, as the mouse does: a press on the
    // entry and a move a little beyond it.
    void StartPanelDrag(int entity) {
        CMyListCtrl& list = Tasks().GetPanel().m_wndList;
        int index = -1;
        for (int i = 0; i < list.GetItemCount(); ++i)
            if (static_cast<int>(list.GetItemData(i)) == entity) index = i;
        ASSERT_GE(index, 0);
        list.EnsureVisible(index, FALSE);
        vorn_test::ProcessEvents();
        CRect r;
        list.GetItemRect(index, &r, LVIR_BOUNDS);
        const CPoint from(r.left + 30, r.CenterPoint().y);
        vorn_test::MouseMove(&list, from);
        vorn_test::MousePress(&list, from);
        vorn_test::MouseMove(&list, from + CPoint(12, 0), Qt::LeftButton);
    }
    // Moves the dragged entry over the caption line of the activity's row and lets it go there.
    void DropOnRow(int activityId) {
        CMyListCtrl& list = Tasks().GetPanel().m_wndList;
        CPoint to = RowPoint(activityId);
        Diary().ClientToScreen(&to);
        list.ScreenToClient(&to);
        vorn_test::MouseMove(&list, to, Qt::LeftButton);
        vorn_test::MouseRelease(&list, to);
        vorn_test::ProcessEvents();
    }
    // An activity of the current entity alone, without entries.
    int AddBareActivity(const wchar_t* name) {
        CActivity activity;
        activity.m_nId = Data().GetNextActivityId();
        activity.m_strName = name;
        activity.AddEntity(Data(), Data().m_nCurrentEntity);
        const int id = activity.m_nId;
        Data().m_arrActivities.push_back(std::move(activity));
        RecheckAndRefresh(Data(), TRUE);
        vorn_test::ProcessEvents();
        return id;
    }
    CActivity& Activity(int id) { return *Data().FindActivity(id); }
};

TEST_F(TasksPageTest, TeacherDiaryShowsEveryActivityWithItsMembersAndRooms) {
    OpenTeacher();
    const int teacher = Data().m_nCurrentEntity;
    ASSERT_NE(teacher, 0);
    const CPlanIndex index(Data());
    ASSERT_EQ(Diary().m_arrRows.size(), index.ActivitiesOf(teacher).size());
    for (const CDiaryRow& row : Diary().m_arrRows) {
        const CActivity& activity = Activity(row.m_nActivity);
        EXPECT_EQ(row.m_arrMembers.size(), activity.m_arrMembers.size() + activity.m_arrRooms.size()) << row.m_nActivity;
        for (const CDiaryMember& member : row.m_arrMembers) EXPECT_GE(member.m_nTimes, 0);
    }
    EXPECT_FALSE(Diary().m_arrCurrentTimes.empty());
    SaveScreenPicture(frame, "tasks_page_teacher.png");
    // Split, with the second task collapsed and an hour range selected in the first.
    Command(ID_TOGGLE_SPLIT);
    EXPECT_TRUE(Diary().IsSplit());
    Diary().ToggleCollapsed(RowActivity(1));
    Diary().SelectRange(0, Data().GetDayDate(0) + COleDateTimeSpan(0, 9, 0, 0), COleDateTimeSpan(0, 2, 0, 0), false);
    Diary().Relayout();
    SaveScreenPicture(frame, "tasks_page_split.png");
}

TEST_F(TasksPageTest, HiddenPageOnlyMarksItselfAndRefillsWhenShown) {
    Load("school-dated.xml");
    MakeCurrent(BusiestEntity(1));
    EXPECT_TRUE(Diary().IsEmpty());
    EXPECT_EQ(Tasks().m_bDirty, 1);
    ShowTasks();
    EXPECT_EQ(Tasks().m_bDirty, 0);
    EXPECT_FALSE(Diary().IsEmpty());
}

TEST_F(TasksPageTest, DropOfAPersonFromTheSidePanelJoinsTheRowAndKeepsCollapsedRows) {
    OpenTeacher();
    int activity = 0, person = 0;
    for (std::size_t r = 0; r < Diary().m_arrRows.size() && !person; ++r)
        for (const CEntity& e : Data().m_arrEntities)
            if (e.m_nType != 4 && !Activity(RowActivity(r)).HasEntity(e) && Data().CanAddEntityToActivity(RowActivity(r), e.m_nId)) {
                activity = RowActivity(r);
                person = e.m_nId;
                break;
            }
    ASSERT_NE(person, 0);
    const int other = RowActivity(Diary().FindRow(activity) == 0 ? 1 : 0);
    Diary().ToggleCollapsed(other);
    Command(ID_SHOW_PANEL_ENTITIES);
    ASSERT_EQ(Diary().m_nMode, 2);
    Diary().ClearSelection();
    StartPanelDrag(person);
    EXPECT_EQ(Diary().m_arrRows[Diary().FindRow(activity)].m_nAvailability, 0);
    DropOnRow(activity);
    EXPECT_TRUE(Activity(activity).HasEntityId(Data(), person));
    EXPECT_TRUE(Data().HasUndoSnapshot());
    EXPECT_FALSE(Diary().IsExpanded(other));  // synchronised, not refilled
    const CDiaryRow& row = Diary().m_arrRows[Diary().FindRow(activity)];
    EXPECT_TRUE(std::any_of(row.m_arrMembers.begin(), row.m_arrMembers.end(),
                            [&](const CDiaryMember& m) { return m.m_nEntity == person; }));
    Data().Undo(TRUE);
    EXPECT_FALSE(Data().FindActivity(activity)->HasEntityId(Data(), person));
}

// A person who cannot join the row's task is refused, and the message panel says so.
TEST_F(TasksPageTest, DropOfAPersonWhoCannotJoinIsRefusedWithAMessage) {
    OpenTeacher();
    Data().DiscardUndo();
    int activity = 0, person = 0;
    for (std::size_t r = 0; r < Diary().m_arrRows.size() && !person; ++r)
        for (const CEntity& e : Data().m_arrEntities)
            if (e.m_nType != 4 && !Activity(RowActivity(r)).HasEntity(e) && !Data().CanAddEntityToActivity(RowActivity(r), e.m_nId)) {
                activity = RowActivity(r);
                person = e.m_nId;
                break;
            }
    ASSERT_NE(person, 0);
    Command(ID_SHOW_PANEL_ENTITIES);
    StartPanelDrag(person);
    DropOnRow(activity);
    EXPECT_FALSE(Activity(activity).HasEntityId(Data(), person));
    EXPECT_FALSE(Data().HasUndoSnapshot());
    const CString name = Data().FindEntity(person)->m_strName;
    EXPECT_TRUE(std::any_of(Data().m_arrProblems.begin(), Data().m_arrProblems.end(),
                            [&](const CProblem& p) { return p.m_strText.Find(name.GetString()) == 0; }));
}

TEST_F(TasksPageTest, NewTaskJoinsTheCurrentEntityAndUndoTakesItAway) {
    OpenTeacher();
    const std::size_t before = Data().m_arrActivities.size();
    CWndTasks::s_dialogs.editTask = [](CActivity& a, UINT) {
        a.m_strName = L"Robotics";
        return TRUE;
    };
    Diary().ClearSelection();
    Command(ID_CONTACTS_ADD);
    ASSERT_EQ(Data().m_arrActivities.size(), before + 1);
    const CActivity& added = Data().m_arrActivities.back();
    EXPECT_TRUE(added.HasEntityId(Data(), Data().m_nCurrentEntity));
    EXPECT_TRUE(Diary().HasRow(added.m_nId));
    Data().Undo(TRUE);
    EXPECT_EQ(Data().m_arrActivities.size(), before);

    CWndTasks::s_dialogs.editTask = [](CActivity&, UINT) { return FALSE; };
    Data().DiscardUndo();
    Command(ID_CONTACTS_ADD);
    EXPECT_EQ(Data().m_arrActivities.size(), before);
    EXPECT_FALSE(Data().HasUndoSnapshot());
}

TEST_F(TasksPageTest, NewEntryFromARangeInADatedPlanIsUnplacedWithState4) {
    OpenTeacher();
    const int id = AddBareActivity(L"Extra");
    const int row = Diary().FindRow(id);
    const COleDateTime start = Data().GetDayDate(1) + COleDateTimeSpan(0, 10, 0, 0);
    Diary().SelectRange(row, start, COleDateTimeSpan(0, 1, 0, 0), false);
    const CString before = Diary().m_arrRows[row].m_strSecondText;
    Command(ID_CONTACTS_ADD);
    ASSERT_EQ(CountEntries(Data(), id), 1);
    const auto entry = std::find_if(Data().m_arrEntries.begin(), Data().m_arrEntries.end(),
                                    [&](const CTimetableEntry& e) { return e.m_nActivity == id; });
    EXPECT_EQ(entry->m_nState, 4);
    EXPECT_TRUE(IsUnplacedDate(entry->m_dtUnmovedStart));
    // The plan check refreshed the page: the row tells the placed time.
    EXPECT_NE(Diary().m_arrRows[Diary().FindRow(id)].m_strSecondText, before);
    Data().Undo(TRUE);
    EXPECT_EQ(CountEntries(Data(), id), 0);
}

TEST_F(TasksPageTest, DoubleClickEditsTheTaskOnlyWhenTheDialogIsAccepted) {
    OpenTeacher();
    const int id = RowActivity(0);
    Data().DiscardUndo();
    CWndTasks::s_dialogs.editTask = [](CActivity& a, UINT) {
        a.m_strName = L"Renamed";
        return FALSE;
    };
    Diary().SendMessage(WM_DIARY_DBLCLK, static_cast<WPARAM>(id), 1);
    EXPECT_NE(Activity(id).m_strName, CString(L"Renamed"));
    EXPECT_FALSE(Data().HasUndoSnapshot());
    CWndTasks::s_dialogs.editTask = [](CActivity& a, UINT) {
        a.m_strName = L"Renamed";
        return TRUE;
    };
    Tasks().SendMessage(WM_DIARY_DBLCLK, static_cast<WPARAM>(id), 1);
    EXPECT_EQ(Activity(id).m_strName, CString(L"Renamed"));
    EXPECT_TRUE(Data().HasUndoSnapshot());
    EXPECT_NE(Diary().m_arrRows[Diary().FindRow(id)].m_strCaption.Find(L"Renamed"), -1);
    // A moment later the edited task's row is selected and in view.
    vorn_test::ProcessEvents(250);
    EXPECT_EQ(Diary().m_nSelectionKind, CDiaryCtrl::kSelectRows);
    EXPECT_TRUE(Diary().m_arrRows[Diary().FindRow(id)].m_bFlagged);
}

TEST_F(TasksPageTest, DeleteKeepsTasksWithEntriesListsThemAndRemovesTheOthersFromTheDiary) {
    OpenTeacher();
    const int placed = RowActivity(0);
    ASSERT_GT(CountEntries(Data(), placed), 0);
    const int bare = AddBareActivity(L"Unplaced");
    FlagRows({placed, bare});
    Command(ID_CONTACTS_DELETE);
    EXPECT_NE(Data().FindActivity(placed), Data().m_arrActivities.end());
    EXPECT_EQ(Data().FindActivity(bare), Data().m_arrActivities.end());
    EXPECT_FALSE(Diary().HasRow(bare));
    EXPECT_TRUE(std::any_of(Data().m_arrProblems.begin(), Data().m_arrProblems.end(),
                            [](const CProblem& p) { return p.m_nKind == 13; }));
    Data().Undo(TRUE);
    EXPECT_NE(Data().FindActivity(bare), Data().m_arrActivities.end());
}

TEST_F(TasksPageTest, DeleteOfAMemberLineOrARangeChangesOnlyThat) {
    OpenTeacher();
    const int id = RowActivity(0);
    const int row = Diary().FindRow(id);
    const CDiaryMember member = Diary().m_arrRows[row].m_arrMembers.back();
    Diary().SelectMember(row, static_cast<int>(Diary().m_arrRows[row].m_arrMembers.size()) - 1, false);
    Command(ID_CONTACTS_DELETE);
    EXPECT_FALSE(Activity(id).HasEntityId(Data(), member.m_nEntity));

    const auto entry = std::find_if(Data().m_arrEntries.begin(), Data().m_arrEntries.end(),
                                    [&](const CTimetableEntry& e) { return e.m_nActivity == id; });
    ASSERT_NE(entry, Data().m_arrEntries.end());
    const int entries = CountEntries(Data(), id);
    Diary().SelectRange(Diary().FindRow(id), entry->m_dtStart, entry->m_tsLength, false);
    Command(ID_CONTACTS_DELETE);
    EXPECT_EQ(CountEntries(Data(), id), entries - 1);
    Data().Undo(TRUE);
    EXPECT_EQ(CountEntries(Data(), id), entries);
}

TEST_F(TasksPageTest, RemoveEntriesAndDissolveGroupsAskFirst) {
    OpenTeacher();
    const int id = RowActivity(0);
    ASSERT_GT(CountEntries(Data(), id), 0);
    FlagRows({id});
    answers.script = {MessageAnswer::No};
    Command(ID_REMOVE_TASK_ENTRIES);
    EXPECT_GT(CountEntries(Data(), id), 0);
    FlagRows({id});  // the plan check after the answer refilled the diary
    answers.script = {MessageAnswer::Yes};
    Command(ID_REMOVE_TASK_ENTRIES);
    EXPECT_EQ(CountEntries(Data(), id), 0);

    const auto grouped = std::find_if(Diary().m_arrRows.begin(), Diary().m_arrRows.end(),
                                      [](const CDiaryRow& r) { return r.m_nGroup != 0; });
    ASSERT_NE(grouped, Diary().m_arrRows.end());
    const int group = grouped->m_nGroup;
    FlagRows({grouped->m_nActivity});
    answers.script = {MessageAnswer::Yes};
    Command(ID_DISSOLVE_GROUPS);
    for (const CActivity& a : Data().m_arrActivities) EXPECT_NE(a.m_nGroup, group) << a.m_nId;
    Data().Undo(TRUE);
    EXPECT_TRUE(std::any_of(Data().m_arrActivities.begin(), Data().m_arrActivities.end(),
                            [&](const CActivity& a) { return a.m_nGroup == group; }));
}

TEST_F(TasksPageTest, GroupTasksMakesANewGroupReusesOneOrRefusesTwo) {
    OpenTeacher();
    const int a = AddBareActivity(L"A"), b = AddBareActivity(L"B");
    int dialogs = 0;
    CWndTasks::s_dialogs.editGroup = [&](CActivityGroup& g) {
        ++dialogs;
        EXPECT_EQ(g.m_strName, CString(L"A/B"));
        return TRUE;
    };
    FlagRows({a, b});
    Command(ID_GROUP_TASKS);
    const int group = Activity(a).m_nGroup;
    EXPECT_NE(group, 0);
    EXPECT_EQ(Activity(b).m_nGroup, group);
    EXPECT_EQ(Diary().m_nSelectionKind, CDiaryCtrl::kSelectGroup);
    EXPECT_EQ(dialogs, 1);

    const int c = AddBareActivity(L"C");
    FlagRows({a, c});
    Command(ID_GROUP_TASKS);
    EXPECT_EQ(Activity(c).m_nGroup, group);  // the one group is reused without a dialog
    EXPECT_EQ(dialogs, 1);

    const auto other = std::find_if(Data().m_arrActivities.begin(), Data().m_arrActivities.end(), [&](const CActivity& x) {
        return x.m_nGroup != 0 && x.m_nGroup != group && Diary().HasRow(x.m_nId);
    });
    ASSERT_NE(other, Data().m_arrActivities.end());
    const int otherGroup = other->m_nGroup, otherId = other->m_nId;
    FlagRows({a, otherId});
    Command(ID_GROUP_TASKS);
    EXPECT_EQ(Activity(a).m_nGroup, group);
    EXPECT_EQ(Activity(otherId).m_nGroup, otherGroup);
    EXPECT_FALSE(Data().m_arrProblems.empty());
}

TEST_F(TasksPageTest, AssociationsChangeTheEntriesOnlyWhenAccepted) {
    OpenTeacher();
    const int id = RowActivity(0);
    CActivity& activity = Activity(id);
    for (const CEntity& e : Data().m_arrEntities)
        if (e.m_nType == 4 && activity.m_arrRooms.size() < 2 && !activity.HasEntity(e)) activity.m_arrRooms.push_back(e.m_nId);
    const auto entry = std::find_if(Data().m_arrEntries.begin(), Data().m_arrEntries.end(),
                                    [&](const CTimetableEntry& e) { return e.m_nActivity == id; });
    ASSERT_NE(entry, Data().m_arrEntries.end());
    entry->m_arrPairs.push_back(CRoomPair{activity.m_arrRooms[0], Data().m_nCurrentEntity});
    FlagRows({id});
    Data().DiscardUndo();
    CWndTasks::s_dialogs.associations = [](const std::vector<int>& rooms, const std::vector<int>&,
                                           std::vector<CRoomPair>& pairs) {
        pairs.push_back(CRoomPair{rooms[1], 1});
        return FALSE;
    };
    Command(ID_TASK_ASSOCIATIONS);
    EXPECT_EQ(entry->m_arrPairs.size(), 1u);
    EXPECT_FALSE(Data().HasUndoSnapshot());
    CWndTasks::s_dialogs.associations = [](const std::vector<int>& rooms, const std::vector<int>&,
                                           std::vector<CRoomPair>& pairs) {
        pairs.assign(1, CRoomPair{rooms[1], 1});
        return TRUE;
    };
    Command(ID_TASK_ASSOCIATIONS);
    EXPECT_TRUE(entry->m_arrPairs.empty());
    EXPECT_EQ(Activity(id).m_arrPairs.size(), 1u);
    EXPECT_TRUE(Data().HasUndoSnapshot());
}

TEST_F(TasksPageTest, QuotaOpensForTheDiaryUnlessOneRowIsFlaggedAndLeavesAnUndoStepOnlyForAChange) {
    OpenTeacher();
    const int id = RowActivity(0);
    int opened = 0;
    bool change = false;
    CWndTasks::s_dialogs.taskQuota = [&](CDiaryCtrl& diary, CWnd*) {
        ++opened;
        EXPECT_EQ(&diary, &Diary());
        if (change) Data().FindActivity(id)->m_tsDuration = COleDateTimeSpan(0, 7, 0, 0);
    };
    FlagRows({id});
    Command(ID_TASK_QUOTA);
    EXPECT_EQ(opened, 0);
    EXPECT_EQ(answers.asked.size(), 1u);
    Data().DiscardUndo();
    FlagRows({id, RowActivity(1)});
    Command(ID_TASK_QUOTA);
    EXPECT_EQ(opened, 1);
    EXPECT_FALSE(Data().HasUndoSnapshot());
    const COleDateTimeSpan duration = Activity(id).m_tsDuration;
    change = true;
    FlagRows({id, RowActivity(1)});
    Command(ID_TASK_QUOTA);
    EXPECT_EQ(Activity(id).m_tsDuration, COleDateTimeSpan(0, 7, 0, 0));
    Data().Undo(TRUE);
    EXPECT_EQ(Activity(id).m_tsDuration, duration);
}

TEST_F(TasksPageTest, NavigationNextAndBackReturnsToTheEntityLeft) {
    OpenTeacher();
    const int teacher = Data().m_nCurrentEntity;
    CWnd& body = Diary().GetPane(0).GetBody();
    body.SendMessage(WM_COMMAND, ID_NEXT_ENTITY, 0);
    vorn_test::ProcessEvents();
    ASSERT_NE(Data().m_nCurrentEntity, teacher);
    EXPECT_EQ(Diary().m_nFirstSlot, teacher);
    body.SendMessage(WM_COMMAND, ID_NAVIGATE_FORWARD, 0);
    vorn_test::ProcessEvents();
    EXPECT_EQ(Data().m_nCurrentEntity, teacher);
}

TEST_F(TasksPageTest, TooltipOfAnotherCommitmentHighlightsItsBox) {
    OpenTeacher();
    CDiaryCtrlBody& body = Diary().GetPane(0).GetBody();
    const CDiaryCtrlTitle& title = Diary().GetPane(0).GetTitle();
    CRect client;
    body.GetClientRect(&client);
    // A member line's commitment of another activity, in view.
    CPoint point(-1, -1);
    for (const CDiaryRow& row : Diary().m_arrRows)
        for (std::size_t m = 0; m < row.m_arrMembers.size() && point.x < 0; ++m)
            for (const CDiaryTimeRecord& r : Diary().m_arrEntityTimes[row.m_arrMembers[m].m_nTimes].m_arrTimes) {
                int l = 0, rr = 0;
                const int y = row.m_rect.top + static_cast<int>(m + 1) * Diary().GetLineHeight() + 8;
                if (r.m_nActivity == row.m_nActivity || r.m_nActivity == 0 || y >= client.bottom ||
                    !title.TimeSpanToX(r.m_dtStart, r.m_tsLength, l, rr) || rr >= client.right)
                    continue;
                int member = 0, hitRow = 0;
                CDiaryTimeRecord hit;
                if (!Diary().HitTestCommitment(Diary().GetPane(0), CPoint((l + rr) / 2, y), hitRow, member, hit)) continue;
                point = CPoint((l + rr) / 2, y);
                break;
            }
    ASSERT_GE(point.x, 0);
    // The pointer rests there: the tip asks for its text.
    CPoint screen = point;
    body.ClientToScreen(&screen);
    ::SetCursorPos(screen.x, screen.y);
    MSG msg{body.GetSafeHwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y), 0, screen};
    body.PreTranslateMessage(&msg);
    body.GetToolTip().SendMessage(WM_TIMER, CHtmlToolTip::TIMER_SHOW, 0);
    vorn_test::ProcessEvents();
    EXPECT_TRUE(body.GetToolTip().IsWindowVisible());
    ASSERT_TRUE(body.GetHighlight().shown);
    EXPECT_TRUE(body.GetHighlight().box.PtInRect(point));
    // The picture: the main window with the tip where it stands on the screen.
    QImage picture = frame->GetWidget()->grab().toImage();
    CRect frameRect, tipRect;
    frame->GetWindowRect(&frameRect);
    body.GetToolTip().GetWindowRect(&tipRect);
    QPainter painter(&picture);
    painter.drawPixmap(tipRect.left - frameRect.left, tipRect.top - frameRect.top, body.GetToolTip().GetWidget()->grab());
    painter.end();
    picture.save(QString::fromStdWString(vorn_test::PicturePath("tasks_tooltip_highlight.png").GetString()));
    // Told away, the tip takes its highlight along.
    body.GetToolTip().HideNow();
    vorn_test::ProcessEvents();
    EXPECT_FALSE(body.GetHighlight().shown);
}

TEST_F(TasksPageTest, TasksAndMembersCopiedFromOneDocumentPasteIntoAnother) {
    OpenTeacher();
    const int first = RowActivity(0), second = RowActivity(1);
    const CString firstName = Activity(first).m_strName;
    FlagRows({first, second});
    Command(ID_EDIT_COPY);
    CString text;
    ASSERT_TRUE(clipboard.GetText(text));
    EXPECT_NE(text.Find(L"<ACTIVITY"), -1);

    Load("small-dated.xml");
    MakeCurrent(BusiestEntity(1));
    const std::size_t before = Data().m_arrActivities.size();
    Command(ID_EDIT_PASTE);
    EXPECT_EQ(Data().m_arrActivities.size(), before + 2);
    const CActivity& pasted = Data().m_arrActivities[before];
    EXPECT_EQ(pasted.m_strName, firstName);
    EXPECT_TRUE(pasted.HasEntityId(Data(), Data().m_nCurrentEntity));
    EXPECT_TRUE(Data().HasUndoSnapshot());
}

TEST_F(TasksPageTest, PastedMemberJoinsFlaggedRowsByNameAndType) {
    OpenTeacher();
    const int id = RowActivity(0);
    const int row = Diary().FindRow(id);
    const CDiaryMember member = Diary().m_arrRows[row].m_arrMembers.front();
    Diary().SelectMember(row, 0, false);
    Command(ID_EDIT_COPY);

    Load("small-dated.xml");
    ShowTasks();
    MakeCurrent(BusiestEntity(1));
    // This document's only namesake has another id.
    for (CEntity& e : Data().m_arrEntities)
        if (e.m_strName == member.m_strName) e.m_strName += L" (old)";
    const auto sameType = std::find_if(Data().m_arrEntities.begin(), Data().m_arrEntities.end(),
                                       [&](const CEntity& e) { return e.m_nType == member.m_nType; });
    ASSERT_NE(sameType, Data().m_arrEntities.end());
    CEntity namesake = *sameType;
    namesake.m_strName = member.m_strName;
    const int namesakeId = Data().AppendEntity(namesake);
    ASSERT_NE(namesakeId, member.m_nEntity);
    int target = 0;
    for (const CDiaryRow& r : Diary().m_arrRows)
        if (!target && Data().CanAddEntityToActivity(r.m_nActivity, namesakeId)) target = r.m_nActivity;
    ASSERT_NE(target, 0);
    FlagRows({target});
    Command(ID_EDIT_PASTE);
    EXPECT_TRUE(Activity(target).HasEntityId(Data(), namesakeId));
}

TEST_F(TasksPageTest, ForeignTextIsRefusedWithAMessageAndAddsNothing) {
    OpenTeacher();
    Data().DiscardUndo();
    clipboard.SetText(L"<NOTES><ACTIVITY NAME=\"x\"/></NOTES>");
    const std::size_t before = Data().m_arrActivities.size();
    Command(ID_EDIT_PASTE);
    EXPECT_EQ(Data().m_arrActivities.size(), before);
    EXPECT_FALSE(answers.asked.empty());
    EXPECT_FALSE(Data().HasUndoSnapshot());
}

TEST_F(TasksPageTest, GroupDeletionThatOverloadsAnEntityIsTakenBackWhole) {
    Load("school-dated.xml");
    ShowTasks();
    // A group that no activity names: a clean-up after the deletion would take it away.
    CActivityGroup unused;
    unused.m_nId = Data().GetNextGroupId();
    unused.m_strName = L"Unused";
    Data().m_arrGroups.push_back(unused);
    // A class whose parallel group lessons overlap: without the group it is in two places at once.
    bool rolledBack = false, undone = false;
    for (const CEntity& entity : Data().m_arrEntities) {
        if (entity.m_nType != 0 || rolledBack) continue;
        MakeCurrent(entity.m_nId);
        for (std::size_t g = 0; g < Diary().m_arrGroups.size() && !rolledBack; ++g) {
            const int group = Diary().m_arrGroups[g].m_nGroup;
            Diary().SelectGroupAt(false, static_cast<int>(g));
            Command(ID_CONTACTS_DELETE);
            if (Data().FindGroup(group) == Data().m_arrGroups.end()) {
                Data().Undo(TRUE);  // this one was deleted for good; look further
                undone = true;
                vorn_test::ProcessEvents();
                continue;
            }
            rolledBack = true;
            EXPECT_EQ(Data().HasUndoSnapshot(), undone) << "the level before the refused deletion stays";
            EXPECT_NE(Data().FindGroup(unused.m_nId), Data().m_arrGroups.end());
            EXPECT_FALSE(Data().m_arrProblems.empty());
            EXPECT_TRUE(std::any_of(Diary().m_arrRows.begin(), Diary().m_arrRows.end(),
                                    [&](const CDiaryRow& r) { return r.m_nGroup == group; }));
        }
    }
    EXPECT_TRUE(rolledBack);
}

// Dee teaches Choir and Band at one hour: over her limit before anything is deleted. Taking
// away 5b's group leaves its two lessons at different hours, which puts nobody new over a limit
// and goes ahead; taking away 5a's group leaves 5a in two lessons at once and is refused whole.
TEST_F(TasksPageTest, GroupDeletionIsRefusedOnlyWhenItPutsSomeoneNewOverALimit) {
    const struct {
        int schoolClass;
        int group;
        bool deleted;
    } cases[] = {{2, 2, true}, {1, 1, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.group);
        ASSERT_TRUE(Data().Load(CString(VORN_TEST_DIR "/plans/group_deletion.xml"), TRUE));
        RecheckAndRefresh(Data(), TRUE);
        ASSERT_EQ(Data().FindEntitiesOverLimit(), std::vector<int>{14});
        ShowTasks();
        MakeCurrent(c.schoolClass);
        ShowTasks();
        ASSERT_EQ(Diary().m_arrRows.size(), 2u) << "the class's two grouped lessons";
        const auto shown = std::find_if(Diary().m_arrGroups.begin(), Diary().m_arrGroups.end(),
                                        [&](const CDiaryGroup& g) { return g.m_nGroup == c.group; });
        ASSERT_NE(shown, Diary().m_arrGroups.end());
        Diary().SelectGroupAt(false, static_cast<int>(shown - Diary().m_arrGroups.begin()));
        ASSERT_EQ(Diary().m_nSelectionKind, CDiaryCtrl::kSelectGroup);
        Data().SaveUndo();  // an earlier edit of the user's
        Data().FindEntity(14)->m_strName = L"Dee Renamed";
        Command(ID_CONTACTS_DELETE);

        EXPECT_EQ(Data().FindGroup(c.group) == Data().m_arrGroups.end(), c.deleted);
        const bool grouped = std::all_of(Data().m_arrActivities.begin(), Data().m_arrActivities.end(),
                                         [&](const CActivity& a) { return !a.HasEntityId(Data(), c.schoolClass) || a.m_nGroup == c.group; });
        EXPECT_EQ(grouped, !c.deleted);
        EXPECT_EQ(Data().FindEntitiesOverLimit(), std::vector<int>{14});
        if (!c.deleted)
            EXPECT_TRUE(std::any_of(Data().m_arrProblems.begin(), Data().m_arrProblems.end(),
                                    [&](const CProblem& p) { return p.m_nRecord == c.schoolClass; }))
                << "the problems name the class the deletion would put over its limit";
        // Undo takes back the deletion, or after a refused one the earlier edit.
        ASSERT_TRUE(Data().CanUndo());
        Data().Undo(TRUE);
        EXPECT_NE(Data().FindGroup(c.group), Data().m_arrGroups.end());
        EXPECT_EQ(Data().FindEntity(14)->m_strName == L"Dee", !c.deleted);
    }
}

TEST_F(TasksPageTest, PanelListsOfferOnlyWhatFitsTheCurrentEntityOrTheFlaggedRows) {
    OpenTeacher();
    const int teacher = Data().m_nCurrentEntity;
    Command(ID_SHOW_PANEL_LIST);
    ASSERT_EQ(Tasks().GetPanel().m_nMode, 1);
    for (const CPanelItem& item : Tasks().GetPanel().m_arrItems) {
        EXPECT_FALSE(Activity(item.m_nId).HasEntityId(Data(), teacher)) << item.m_nId;
        EXPECT_TRUE(Data().CanAddEntityToActivity(item.m_nId, teacher)) << item.m_nId;
    }
    const int id = RowActivity(0);
    FlagRows({id});
    Command(ID_SHOW_PANEL_FITTING_ENTITIES);
    ASSERT_EQ(Tasks().GetPanel().m_nMode, 2);
    EXPECT_EQ(Diary().m_nMode, 2);
    EXPECT_FALSE(Tasks().GetPanel().m_arrItems.empty());
    for (const CPanelItem& item : Tasks().GetPanel().m_arrItems) {
        EXPECT_TRUE(Data().CanAddEntityToActivity(id, item.m_nId)) << item.m_nId;
        EXPECT_NE(Data().FindEntity(item.m_nId)->m_nType, 4);
    }
}

TEST_F(TasksPageTest, SchoolDiaryAnswersClicksDragsAndTheToggleBox) {
    OpenTeacher();
    CDiaryCtrl& d = Diary();
    // Grouped rows come first, ordered by their groups' names.
    bool ungrouped = false;
    CString lastGroup;
    for (const CDiaryRow& row : d.m_arrRows) {
        if (!row.m_nGroup) {
            ungrouped = true;
            continue;
        }
        EXPECT_FALSE(ungrouped) << row.m_nActivity;
        const CString name = Data().FindGroup(row.m_nGroup)->m_strName;
        EXPECT_LE(lastGroup.Compare(name), 0);
        lastGroup = name;
    }
    CWnd* header = &d.GetHeader();
    CWnd* body = &d.GetPane(0).GetBody();
    const int line = d.GetLineHeight();
    const CDiaryRow& first = d.m_arrRows[0];
    vorn_test::Click(header, CPoint(60, first.m_rect.top + 5));
    EXPECT_EQ(d.m_nSelectionKind, CDiaryCtrl::kSelectRows);
    vorn_test::Click(header, CPoint(60, first.m_rect.top + line + 5));
    EXPECT_EQ(d.m_nSelectionKind, CDiaryCtrl::kSelectMembers);
    ASSERT_FALSE(d.m_arrGroups.empty());
    vorn_test::Click(body, CPoint(200, d.m_arrGroups[0].m_rect.top + 5));
    EXPECT_EQ(d.m_nSelectionKind, CDiaryCtrl::kSelectGroup);

    // A range dragged from the last hour of the first day towards the second day stays in the first.
    const CDiaryCtrlTitle& title = d.GetPane(0).GetTitle();
    const CDayColumn& monday = title.GetColumns()[0];
    const int hw = title.GetHourWidth();
    const int y = first.m_rect.top + line + 5;
    vorn_test::MousePress(body, CPoint(monday.m_nRight - hw / 2, y));
    vorn_test::MouseMove(body, CPoint(monday.m_nRight + hw / 2, y), Qt::LeftButton);
    vorn_test::MouseRelease(body, CPoint(monday.m_nRight + hw / 2, y));
    EXPECT_EQ(d.m_nSelectionKind, CDiaryCtrl::kSelectRange);
    EXPECT_TRUE(IsSameDay(d.m_dtRangeStart, monday.m_dtDate));
    EXPECT_EQ(WholeMinutes(d.m_tsRangeLength), 60);

    // The toggle box collapses the row; the next row moves up.
    const int secondTop = d.m_arrRows[1].m_rect.top;
    vorn_test::Click(header, CPoint(6, first.m_rect.top + 4));
    EXPECT_FALSE(d.IsExpanded(first.m_nActivity));
    EXPECT_LT(d.m_arrRows[1].m_rect.top, secondTop);
}
