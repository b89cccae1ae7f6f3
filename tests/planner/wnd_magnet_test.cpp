// The magnet page on a small week template: rebuilding on updates, writing edited magnets back
// under one undo level with the plan check, rolling back a refused move, drops from the entity
// board and deleting magnets.
#include "planner/wnd_magnet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "magnet_page_fixture.h"
#include "model/description_texts.h"
#include "model/page_content.h"
#include "model/time_values.h"
#include "planner/magnet_messages.h"
#include "platform/ui/menu.h"
#include "platform/ui/test_support.h"
#include "resource_ids.h"

namespace {

TEST_F(MagnetPageTest, UpdatesRebuildRowsAndDaysOrMarkThePageDirty) {
    ASSERT_EQ(Control().GetRows().size(), 2u);  // classes only
    EXPECT_EQ(Control().GetRows()[0].m_strName, CString(L"E1 (Ms Ray)"));
    EXPECT_EQ(Control().GetPane(0).GetTitle().GetColumns().size(), 5u);
    // Row 1 shows its two overlapping entries as one magnet and its third apart.
    EXPECT_EQ(Control().GetRows()[0].m_arrMagnets.size(), 2u);

    m_page->ShowWindow(SW_HIDE);
    m_data.m_arrEntries.erase(m_data.m_arrEntries.begin() + 3);
    m_page->Update(1);
    EXPECT_TRUE(m_page->IsDirty());
    EXPECT_EQ(Control().GetRows()[1].m_arrMagnets.size(), 1u);  // not rebuilt while hidden
    m_page->ShowWindow(SW_SHOW);
    EXPECT_FALSE(m_page->IsDirty());
    EXPECT_EQ(Control().GetRows()[1].m_arrMagnets.size(), 0u);
}

TEST_F(MagnetPageTest, AnEditWritesOnlyChangedMagnetsUnderOneUndoLevel) {
    // Activity 12 moves to Wednesday 13:00; the merged magnet of 10 and 11 is left as it is.
    CMagnetItem& moved = Magnet(1, 12);
    moved.m_dtEntryStart = At(2000, 1, 5, 13, 0);
    moved.m_tsEntryLength = COleDateTimeSpan(0, 0, 90, 0);
    const int refreshes = m_host.refreshes;
    m_page->SendMessage(WM_MB_MAGNETS_EDITED, 0, 0);
    EXPECT_EQ(Entry(12).m_dtStart, At(2000, 1, 5, 13, 0));
    EXPECT_EQ(WholeMinutes(Entry(12).m_tsLength), 90);
    EXPECT_EQ(WholeMinutes(Entry(10).m_tsLength), 60);   // both merged entries keep their own lengths
    EXPECT_EQ(WholeMinutes(Entry(11).m_tsLength), 90);
    EXPECT_EQ(Entry(11).m_dtStart, At(2000, 1, 3, 8, 30));
    EXPECT_TRUE(m_data.HasUndoSnapshot());
    EXPECT_EQ(m_host.refreshes, refreshes + 1);  // the plan check ran
    m_data.Undo(FALSE);
    EXPECT_EQ(Entry(12).m_dtStart, At(2000, 1, 4, 10, 0));

    // Nothing edited: no undo level is taken.
    m_data.DiscardUndo();
    Magnet(1, 12);
    m_page->SendMessage(WM_MB_MAGNETS_EDITED, 0, 0);
    EXPECT_FALSE(m_data.HasUndoSnapshot());
}

// A magnet dragged by its grip through the input path: to a later hour, then to another day.
TEST_F(MagnetPageTest, DraggingAMagnetMovesItsEntry) {
    CMagnetCtrlBody& body = Control().GetPane(0).GetBody();
    struct Step {
        int hours;  // how far the pointer moves, in hour widths
        COleDateTime start;
    } steps[] = {{3, At(2000, 1, 4, 13, 0)}, {-9, At(2000, 1, 3, 12, 0)}};  // Monday runs 08:00 to 16:00
    for (const Step& s : steps) {
        const CRect rect = Magnet(1, 12).m_rect;
        const CPoint at(rect.left + 5 - Control().GetPane(0).GetHorizontalOffset(), rect.top + 20 - Control().GetVerticalOffset());
        vorn_test::Click(&body, at);  // selects it
        m_data.DiscardUndo();
        vorn_test::MousePress(&body, at);  // the grip of a selected magnet
        ASSERT_EQ(Control().m_nDragMode, CMagnetCtrl::kDragMove);
        const CPoint to(at.x + s.hours * Control().GetHourWidth(), at.y);
        vorn_test::MouseMove(&body, to, Qt::LeftButton);
        vorn_test::MouseRelease(&body, to);
        vorn_test::ProcessEvents();
        EXPECT_EQ(Entry(12).m_dtStart, s.start) << s.hours;
        EXPECT_EQ(WholeMinutes(Entry(12).m_tsLength), 60);
        EXPECT_TRUE(m_data.HasUndoSnapshot());
        EXPECT_EQ(Control().m_nDragMode, CMagnetCtrl::kDragNone);
    }
    // Dropped on the merged magnet of Monday 08:00 it exchanges places with that magnet's own
    // entry; the entry merged into it stays where it is.
    const CRect rect = Magnet(1, 12).m_rect;
    const CPoint at(rect.left + 5 - Control().GetPane(0).GetHorizontalOffset(), rect.top + 20 - Control().GetVerticalOffset());
    vorn_test::Click(&body, at);
    m_data.DiscardUndo();
    vorn_test::MousePress(&body, at);
    const CPoint onto(at.x - 3 * Control().GetHourWidth(), at.y);
    vorn_test::MouseMove(&body, onto, Qt::LeftButton);
    vorn_test::MouseRelease(&body, onto);
    EXPECT_EQ(Entry(12).m_dtStart, At(2000, 1, 3, 8, 0));
    EXPECT_EQ(Entry(10).m_dtStart, At(2000, 1, 3, 12, 0));
    EXPECT_EQ(Entry(11).m_dtStart, At(2000, 1, 3, 8, 30));
    EXPECT_EQ(WholeMinutes(Entry(11).m_tsLength), 90);
    EXPECT_TRUE(m_data.HasUndoSnapshot());
}

// A move shorter than the whole hour it snaps back to is no edit: the page is not told, so
// neither an undo level nor a plan check follows.
TEST_F(MagnetPageTest, AShortMoveThatTheHourTakesBackIsNoEdit) {
    CMagnetCtrlBody& body = Control().GetPane(0).GetBody();
    const COleDateTime start = Entry(12).m_dtStart;
    const CRect rect = Magnet(1, 12).m_rect;
    const CPoint at(rect.left + 5 - Control().GetPane(0).GetHorizontalOffset(), rect.top + 20 - Control().GetVerticalOffset());
    vorn_test::Click(&body, at);
    m_data.DiscardUndo();
    const int refreshes = m_host.refreshes;
    vorn_test::MousePress(&body, at);
    ASSERT_EQ(Control().m_nDragMode, CMagnetCtrl::kDragMove);
    const CPoint to(at.x + Control().GetHourWidth() / 4, at.y);
    vorn_test::MouseMove(&body, to, Qt::LeftButton);
    vorn_test::MouseRelease(&body, to);
    vorn_test::ProcessEvents();
    EXPECT_EQ(Entry(12).m_dtStart, start);
    EXPECT_FALSE(m_data.HasUndoSnapshot());
    EXPECT_EQ(m_host.refreshes, refreshes);
}

TEST_F(MagnetPageTest, AMoveOverAnOverlapLimitIsRolledBack) {
    // The teacher of 12 and 13 would be in two places at once on Wednesday 10:00.
    Magnet(1, 12).m_dtEntryStart = At(2000, 1, 5, 10, 0);
    m_page->SendMessage(WM_MB_MAGNETS_EDITED, 0, 0);
    EXPECT_EQ(Entry(12).m_dtStart, At(2000, 1, 4, 10, 0));
    EXPECT_FALSE(m_data.HasUndoSnapshot());
    EXPECT_FALSE(m_data.m_arrProblems.empty());
    // The board shows the document again.
    EXPECT_EQ(Magnet(1, 12).m_dtEntryStart, At(2000, 1, 4, 10, 0));
}

// A teacher booked twice at once elsewhere does not make the board uneditable: a move that
// leaves them as they were is kept; one that puts another teacher over the limit still goes.
TEST_F(MagnetPageTest, AnEarlierDoubleBookingElsewhereDoesNotBlockOtherMoves) {
    AddEntity(4, 1).m_nOverlaps = 1;
    AddActivity(14, 0, {2, 4});
    AddActivity(15, 0, {2, 4});
    AddEntry(14, 3, 9, 60);
    AddEntry(15, 3, 9, 60);
    m_page->Update(4);
    Control().SelectRow(1);
    Magnet(1, 12).m_dtEntryStart = At(2000, 1, 4, 11, 0);
    m_page->SendMessage(WM_MB_MAGNETS_EDITED, 0, 0);
    EXPECT_EQ(Entry(12).m_dtStart, At(2000, 1, 4, 11, 0));
    EXPECT_TRUE(m_data.HasUndoSnapshot());

    Magnet(1, 12).m_dtEntryStart = At(2000, 1, 5, 10, 0);
    m_page->SendMessage(WM_MB_MAGNETS_EDITED, 0, 0);
    EXPECT_EQ(Entry(12).m_dtStart, At(2000, 1, 4, 11, 0));
    // The refused move leaves the undo level of the good one before it.
    ASSERT_TRUE(m_data.CanUndo());
    m_data.Undo(TRUE);
    EXPECT_EQ(Entry(12).m_dtStart, At(2000, 1, 4, 10, 0));
}

TEST_F(MagnetPageTest, DropsFromTheEntityBoard) {
    Control().m_dropRecord.m_nId = 10;
    Control().m_dropRecord.m_dtStart = At(2000, 1, 6, 9, 0);
    Control().m_dropRecord.m_tsLength = COleDateTimeSpan(0, 1, 0, 0);
    // Without a current row nothing is added and the user is told.
    Control().Clear();
    m_page->SendMessage(WM_MB_ACTIVITY_DROPPED, 0, 0);
    ASSERT_EQ(m_answerer.asked.size(), 1u);
    EXPECT_EQ(m_answerer.asked[0], CString(L"Can't locate entity!"));
    EXPECT_EQ(m_data.m_arrEntries.size(), 4u);

    m_page->Update(4);
    Control().SelectRow(1);
    m_page->SendMessage(WM_MB_ACTIVITY_DROPPED, 0, 0);
    ASSERT_EQ(m_data.m_arrEntries.size(), 5u);
    EXPECT_TRUE(m_data.HasUndoSnapshot());
    EXPECT_EQ(m_data.FindEntryAt(10, At(2000, 1, 6, 9, 0))->m_nActivity, 10);

    // A group dropped: the chooser decides; cancelled, nothing changes.
    AddGroup(7);
    AddActivity(20, 7, {1}).m_tsDuration = COleDateTimeSpan(0, 2, 0, 0);
    AddActivity(21, 7, {2}).m_tsDuration = COleDateTimeSpan(0, 2, 0, 0);
    std::vector<int> offered;
    bool accept = false;
    CMagnetPageDialogs dialogs;
    dialogs.chooseActivities = [&](std::vector<int>& chosen, std::vector<int>&, std::vector<int>&, std::vector<int>& others) {
        offered = chosen;
        offered.insert(offered.end(), others.begin(), others.end());
        return accept;
    };
    CWndMagnet::SetDialogs(dialogs);
    Control().m_dropRecord.m_nId = 7;
    Control().m_dropRecord.m_dtStart = At(2000, 1, 7, 9, 0);
    m_data.DiscardUndo();
    m_page->SendMessage(WM_MB_GROUP_DROPPED, 0, 0);
    EXPECT_EQ(offered, (std::vector<int>{20, 21}));
    EXPECT_EQ(m_data.m_arrEntries.size(), 5u);
    EXPECT_FALSE(m_data.HasUndoSnapshot());
    accept = true;
    Control().SelectRow(1);
    m_page->SendMessage(WM_MB_GROUP_DROPPED, 0, 0);
    EXPECT_EQ(m_data.m_arrEntries.size(), 7u);
    CWndMagnet::SetDialogs({});
}

TEST_F(MagnetPageTest, DeleteRemovesTheSelectedMagnetsEntries) {
    CMagnetItem& magnet = Magnet(1, 12);
    Control().SelectSingle(magnet);
    Control().CopySelectionToDrag();
    m_page->OnDeleteMagnets();
    EXPECT_EQ(m_data.m_arrEntries.size(), 3u);
    for (const CTimetableEntry& entry : m_data.m_arrEntries) EXPECT_NE(entry.m_nActivity, 12);
    EXPECT_TRUE(m_data.HasUndoSnapshot());
}

// A selected group magnet stands for the lessons of the whole group at that time: deleting it
// removes each of them, and nothing else.
TEST_F(MagnetPageTest, DeletingAGroupMagnetRemovesTheGroupsLessonsBehindIt) {
    AddGroup(7);
    AddActivity(20, 7, {1});
    AddActivity(21, 7, {2});
    AddEntry(20, 3, 9, 60);
    AddEntry(21, 3, 9, 60);
    AddEntry(20, 4, 9, 60);  // another time of the group stays
    m_page->Update(4);
    Control().SelectRow(1);
    CMagnetItem* group = nullptr;
    for (CMagnetItem& magnet : Control().GetCurrentRow()->m_arrMagnets)
        if (magnet.m_bGroupItem && magnet.m_dtEntryStart.GetDay() == FindStart(10).GetDay() + 3) group = &magnet;
    ASSERT_NE(group, nullptr);
    Control().SelectSingle(*group);
    Control().CopySelectionToDrag();
    m_page->OnDeleteMagnets();
    std::vector<std::pair<int, int>> left;  // activity, day of the month
    for (const CTimetableEntry& entry : m_data.m_arrEntries) left.emplace_back(entry.m_nActivity, entry.m_dtStart.GetDay());
    std::sort(left.begin(), left.end());
    const int monday = FindStart(10).GetDay();
    EXPECT_EQ(left, (std::vector<std::pair<int, int>>{{10, monday}, {11, monday}, {12, monday + 1}, {13, monday + 2},
                                                     {20, monday + 4}}));
    EXPECT_TRUE(m_data.HasUndoSnapshot());
}

// The rows report asks the reports page for the board's classes in row order (the rows sort by
// id, whatever the order of the collection); a row whose entity is no longer a class or is gone
// is left out, and with no class left the list is emptied and nothing is asked for.
TEST_F(MagnetPageTest, TheRowsReportListsTheBoardsClassesInRowOrder) {
    std::rotate(m_data.m_arrEntities.begin(), m_data.m_arrEntities.begin() + 1, m_data.m_arrEntities.begin() + 2);
    m_page->Update(4);
    struct Step {
        const char* what;
        void (*change)(CScheduleData& data);
        std::vector<int> ids;
    };
    const Step steps[] = {
        {"both classes", [](CScheduleData&) {}, {1, 2}},
        {"class 1 became a teacher", [](CScheduleData& data) { data.FindEntity(1)->m_nType = 1; }, {2}},
        {"class 2 is gone", [](CScheduleData& data) { data.m_arrEntities.erase(data.FindEntity(2)); }, {}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.change(m_data);
        m_data.m_arrReportIds = {99};
        m_data.m_nViewType = 0;
        m_host.broadcasts.clear();
        m_page->SendMessage(WM_COMMAND, ID_MAGNET_ROWS_REPORT, 0);
        EXPECT_EQ(m_data.m_arrReportIds, step.ids);
        EXPECT_EQ(m_host.broadcasts, step.ids.empty() ? std::vector<int>{} : std::vector<int>{6});
        EXPECT_EQ(m_data.m_nViewType, step.ids.empty() ? 0 : 4);
        EXPECT_EQ(Control().GetRows().size(), 2u);  // the request rebuilds no rows
    }
}

// The context menu's state commands act on the selected magnets through the input path: the
// chosen state is written under one undo level; the commands are checked for the state all
// selected magnets share and disabled for a locked one; with nothing selected no menu opens.
TEST_F(MagnetPageTest, TheMenuSetsTheStateOfTheSelectedMagnets) {
    CMagnetCtrlBody& body = Control().GetPane(0).GetBody();
    struct Shown {
        UINT id;
        bool enabled, checked;
    };
    std::vector<Shown> shown;
    UINT chosen = 0;
    SetMenuChooser([&](CMenuTrackRequest& request) -> UINT {
        CMenu* menu = CMenu::FromHandle(request.hMenu);
        shown.clear();
        for (int i = 0; i < menu->GetMenuItemCount(); ++i) {
            const UINT id = menu->GetMenuItemID(i);
            const UINT state = menu->GetMenuState(id, MF_BYCOMMAND);
            shown.push_back({id, (state & (MF_GRAYED | MF_DISABLED)) == 0, (state & MF_CHECKED) != 0});
        }
        return chosen;
    });
    const CRect rect = Magnet(1, 12).m_rect;
    const CPoint on(rect.left + 30 - Control().GetPane(0).GetHorizontalOffset(), rect.top + 20 - Control().GetVerticalOffset());
    // Nothing selected: no menu.
    vorn_test::Click(&body, on, Qt::RightButton);
    EXPECT_TRUE(shown.empty());

    vorn_test::Click(&body, on);
    ASSERT_EQ(Control().m_arrDragItems.size(), 1u);
    m_data.DiscardUndo();
    chosen = ID_SET_STATE_0;
    vorn_test::Click(&body, on, Qt::RightButton);
    vorn_test::ProcessEvents();
    ASSERT_EQ(shown.size(), 3u);
    const Shown expected[] = {{ID_SET_STATE_0, true, false}, {ID_SET_STATE_1, true, false}, {ID_SET_STATE_2, true, true}};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(shown[i].id, expected[i].id);
        EXPECT_EQ(shown[i].enabled, expected[i].enabled) << i;
        EXPECT_EQ(shown[i].checked, expected[i].checked) << i;
    }
    EXPECT_EQ(Entry(12).GetState(m_data), 0);
    EXPECT_EQ(Entry(12).m_dtStart, At(2000, 1, 4, 10, 0));
    EXPECT_TRUE(m_data.HasUndoSnapshot());
    m_data.Undo(FALSE);
    EXPECT_EQ(Entry(12).GetState(m_data), 2);

    // A locked magnet among the selection disables every state command; nothing is written.
    for (const int locked : {3, 5, 6}) {
        vorn_test::Click(&body, on);
        Control().m_arrDragItems.front().m_nState = locked;
        chosen = ID_SET_STATE_1;
        vorn_test::Click(&body, on, Qt::RightButton);
        ASSERT_EQ(shown.size(), 3u);
        for (const Shown& item : shown) EXPECT_FALSE(item.enabled) << locked;
        EXPECT_EQ(Entry(12).GetState(m_data), 2);
    }
    SetMenuChooser(nullptr);
}

// The body's tooltip: the magnet under the pointer (in a week template without its remark), no
// text between magnets, and during a move what the magnet would meet in the hour under the
// pointer.
TEST_F(MagnetPageTest, TheTooltipDescribesTheMagnetOrWhatAMoveWouldMeet) {
    CMagnetCtrlBody& body = Control().GetPane(0).GetBody();
    const auto screenAt = [&](CPoint client) {
        body.ClientToScreen(&client);
        return client;
    };
    CMagnetItem& magnet = Magnet(1, 12);
    magnet.m_strRemark = L"bring the maps";
    const CRect rect = magnet.m_rect;
    const CPoint on(rect.left + 5 - Control().GetPane(0).GetHorizontalOffset(), rect.top + 20 - Control().GetVerticalOffset());
    const CString entryTip = BuildTimetableEntryTip(m_data, *m_data.FindActivity(12), true, &Entry(12), true);
    ASSERT_FALSE(entryTip.IsEmpty());
    EXPECT_EQ(body.BuildToolTipText(screenAt(on)), entryTip);
    EXPECT_EQ(body.BuildToolTipText(screenAt(CPoint(on.x + 2 * Control().GetHourWidth(), on.y))), CString());

    // Moving 12, whose teacher also teaches 13: over an hour of a clash block of 13 the tip
    // names 13 under 12's heading; over the magnet's own hour there is none.
    vorn_test::Click(&body, on);
    vorn_test::MousePress(&body, on);
    ASSERT_EQ(Control().m_nDragMode, CMagnetCtrl::kDragMove);
    CItemTime clash;
    clash.m_dtStart = At(2000, 1, 4, 13, 0);
    clash.m_tsDuration = COleDateTimeSpan(0, 1, 0, 0);
    clash.m_nDayIndex = 13;
    Control().m_arrClashBlocks = {clash};
    const CString tip = body.BuildToolTipText(screenAt(CPoint(on.x + 3 * Control().GetHourWidth(), on.y)));
    const CString title13 = EscapeHtmlLiteText(FormatActivityTitle(m_data, *m_data.FindActivity(13), m_data.m_nCurrentEntity));
    const CString title12 = EscapeHtmlLiteText(FormatActivityTitle(m_data, *m_data.FindActivity(12), 1));
    EXPECT_GE(tip.Find(L"Clashes"), 0) << tip.ToUtf8();
    EXPECT_GE(tip.Find(title12), 0);
    EXPECT_GT(tip.Find(L"<br>" + title13 + L"<ilst index=2"), tip.Find(title12)) << tip.ToUtf8();
    EXPECT_EQ(body.BuildToolTipText(screenAt(on)), CString());
    vorn_test::MouseRelease(&body, on);
}

// Stretching a magnet's right edge through the input path: the end snaps to the whole hour at
// the release, a stretch within the same hour writes nothing, and the end stops where the
// teacher's next lesson begins (a relative stretch with Shift is not stopped there: the plan
// check refuses it).
TEST_F(MagnetPageTest, ResizingAMagnetStretchesItsEntryUpToItsLatestEnd) {
    AddActivity(14, 0, {3});
    AddEntry(14, 1, 12, 60);  // the teacher of 12 teaches again on Tuesday at 12:00
    m_page->Update(4);
    CMagnetCtrlBody& body = Control().GetPane(0).GetBody();
    struct Case {
        double hours;  // how far the pointer moves, in hour widths
        int length;    // the entry's length afterwards
        bool written;
        bool shift;  // relative: the end moves as far as the pointer, past other lessons, never below an hour
    } cases[] = {{0.5, 60, false, false}, {1.25, 120, true, false}, {2.25, 120, true, false},
                 {1.25, 120, true, true}, {3.25, 60, false, true}, {-2.0, 60, false, true}};
    for (const Case& c : cases) {
        m_data.DiscardUndo();
        const CRect rect = Magnet(1, 12).m_rect;
        const CPoint at(rect.right - 5 - Control().GetPane(0).GetHorizontalOffset(), rect.top + 20 - Control().GetVerticalOffset());
        vorn_test::Click(&body, CPoint(at.x - 20, at.y));  // selects it
        vorn_test::MousePress(&body, at, Qt::LeftButton, c.shift ? Qt::ShiftModifier : Qt::NoModifier);
        ASSERT_EQ(Control().m_nDragMode, CMagnetCtrl::kDragResize) << c.hours;
        const CPoint to(at.x + static_cast<int>(c.hours * Control().GetHourWidth()), at.y);
        vorn_test::MouseMove(&body, to, Qt::LeftButton);
        vorn_test::MouseRelease(&body, to);
        EXPECT_EQ(WholeMinutes(Entry(12).m_tsLength), c.length) << c.hours;
        EXPECT_EQ(Entry(12).m_dtStart, At(2000, 1, 4, 10, 0));
        EXPECT_EQ(m_data.HasUndoSnapshot(), c.written) << c.hours;
        EXPECT_EQ(Control().m_nDragMode, CMagnetCtrl::kDragNone);
        if (c.written) m_data.Undo(FALSE);
        m_page->Update(4);
    }
}

}  // namespace
