// Drag feedback of a timetable pane (blocked times, clash blocks, group clash blocks) for a
// teacher with an absence and a day off, the drops handed to the page, and a picture of a drag.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "../platform/ui/frame_picture.h"
#include "model/time_values.h"
#include "platform/ui/test_support.h"
#include "timetable/time_table_ctrl.h"
#include "timetable/time_table_view_messages.h"
#include "plan_builder.h"
#include "timetable_test_support.h"

// The dated plan of plan_builder.h: teacher Ada (1) with an absence and a day off.
class FeedbackTest : public TimetableTest {
protected:
    void SetUp() override {
        TimetableTest::SetUp();
        const DatedTestPlan plan = AddDatedTestPlan(m_data);
        e1 = plan.e1;
        e2 = plan.e2;
        e3 = plan.e3;
        e4 = plan.e4;
        e5 = plan.e5;
        e6 = plan.e6;
        e7 = plan.e7;
    }
    CTimeTableCtrlView& Show(GridHost& host) {
        host.control.SetDayRange(5, m_data.GetStartDate(), m_data.m_tDayStart);
        host.control.GetTitle().LayoutColumns(1);
        FillPaneForEntity(host.control, 0, m_data, 1);
        return host.control.GetPane(0);
    }
    // The starts of the blocks, as "day hh:mm" texts, in list order.
    static std::vector<std::string> Starts(const std::vector<CItemTime>& blocks) {
        std::vector<std::string> starts;
        for (const CItemTime& block : blocks) starts.push_back(block.m_dtStart.Format(L"%a %H:%M").ToUtf8());
        return starts;
    }
    std::uint64_t e1 = 0, e2 = 0, e3 = 0, e4 = 0, e5 = 0, e6 = 0, e7 = 0;
};

TEST_F(FeedbackTest, BlockedTimesOfATeacherWithAnAbsenceAndADayOff) {
    GridHost host;
    CTimeTableCtrlView& pane = Show(host);
    pane.BuildBlockedTimes(10);
    ASSERT_EQ(pane.m_arrBlockedTimes.size(), 2u);
    const CItemTime& absence = pane.m_arrBlockedTimes[0];
    EXPECT_EQ(CompareTimesApprox(absence.m_dtStart, At(2024, 9, 3, 13, 0)), 0);
    EXPECT_EQ(WholeMinutes(absence.m_tsDuration), 180);
    EXPECT_EQ(absence.m_nTag, 0);
    EXPECT_EQ(absence.m_nDayIndex, 1);
    const CItemTime& dayOff = pane.m_arrBlockedTimes[1];
    EXPECT_EQ(CompareTimesApprox(dayOff.m_dtStart, At(2024, 9, 5, 1, 0)), 0);
    EXPECT_EQ(CompareTimesApprox(dayOff.GetEndTime(), At(2024, 9, 5, 23, 0)), 0);
    EXPECT_EQ(dayOff.m_nTag, 1);
    EXPECT_EQ(dayOff.m_nDayIndex, 3);

    // The list grows until the drag begins again.
    pane.BuildBlockedTimes(20);
    EXPECT_EQ(pane.m_arrBlockedTimes.size(), 4u);
    pane.BuildBlockedTimes(999);
    EXPECT_EQ(pane.m_arrBlockedTimes.size(), 4u);
    pane.PrepareDragFeedback(0, 10);
    EXPECT_EQ(pane.m_arrBlockedTimes.size(), 6u);
    pane.ClearBlockedTimes();
    EXPECT_TRUE(pane.m_arrBlockedTimes.empty());
    for (const CTimeTableDayColumn& column : host.control.GetTitle().GetColumns())
        EXPECT_EQ(WholeMinutes(column.m_tsFreeStart[0]) + WholeMinutes(column.m_tsFreeEnd[0]), 0);
}

TEST_F(FeedbackTest, GroupDragPreparesTheGroupsActivitiesOfThePanesEntity) {
    GridHost host;
    CTimeTableCtrlView& pane = Show(host);
    // Of group 7 only Choir has Ada: her absence and her day off.
    pane.PrepareDragFeedback(1, 7);
    EXPECT_EQ(pane.m_arrBlockedTimes.size(), 2u);
    pane.ClearBlockedTimes();
    pane.PrepareDragFeedback(1, 99);
    EXPECT_TRUE(pane.m_arrBlockedTimes.empty());
    // A group item over Tuesday 09:00 stands for Choir (Ada's) but not Drama.
    CTimeTableItem group = MakeItem(L"Options", At(2024, 9, 3, 9, 0), 60);
    group.m_bGroupItem = 1;
    group.m_nGroup = 7;
    pane.PrepareGroupItemFeedback(group, 7);
    EXPECT_EQ(pane.m_arrBlockedTimes.size(), 2u);
}

TEST_F(FeedbackTest, ClashBlocks) {
    GridHost host;
    CTimeTableCtrlView& pane = Show(host);

    // Maths pressed on Monday: its other entry, Art (1a), Choir (Ada, 1a) and Chess (1a, another
    // group) clash; Music and Drama share nobody; the pressed entry itself is left out.
    pane.BuildClashBlocks(10, e1, 0);
    EXPECT_EQ(Starts(pane.m_arrClashBlocks),
              (std::vector<std::string>{"Wed 08:00", "Mon 10:00", "Tue 09:00", "Fri 09:00"}));
    ASSERT_EQ(pane.m_arrClashBlocks.size(), 4u);
    EXPECT_EQ(pane.m_arrClashBlocks[1].m_nDayIndex, 11);  // the clashing entry's activity
    EXPECT_EQ(pane.m_arrClashBlocks[1].m_nTag, 0);        // its chime set: the plan has none
    EXPECT_EQ(WholeMinutes(pane.m_arrClashBlocks[1].m_tsDuration), 60);

    // A group that does not exist leaves the list empty.
    pane.BuildClashBlocks(99, 0, 1);
    EXPECT_TRUE(pane.m_arrClashBlocks.empty());

    // Group 7 dragged: every entry shares somebody with one of its activities.
    pane.BuildClashBlocks(7, 0, 1);
    EXPECT_EQ(pane.m_arrClashBlocks.size(), 7u);

    // An entry whose activity is gone ends the list there.
    AddTestEntry(m_data, 77, At(2024, 9, 2, 12, 0), 60);
    AddTestEntry(m_data, 10, At(2024, 9, 6, 12, 0), 60);
    pane.BuildClashBlocks(10, e1, 0);
    EXPECT_EQ(pane.m_arrClashBlocks.size(), 4u);
}

TEST_F(FeedbackTest, GroupClashBlocksLeaveOutTheGroupUnderTheItem) {
    GridHost host;
    CTimeTableCtrlView& pane = Show(host);
    CTimeTableItem group = MakeItem(L"Options", At(2024, 9, 3, 9, 0), 60);
    group.m_bGroupItem = 1;
    group.m_nGroup = 7;
    // Under the item Ada has Choir (Ada, 1a): Maths twice and Art share them; Chess shares only
    // class 1a, which members of one group may share; Music shares nobody.
    pane.BuildGroupClashBlocks(group, 7);
    EXPECT_EQ(Starts(pane.m_arrClashBlocks), (std::vector<std::string>{"Mon 08:00", "Wed 08:00", "Mon 10:00"}));
    pane.BuildGroupClashBlocks(group, 99);
    EXPECT_TRUE(pane.m_arrClashBlocks.empty());
}

TEST_F(FeedbackTest, DropsWithinThePlanGoToThePage) {
    struct Case {
        const char* name;
        bool group;
        COleDateTime start;
        int minutes;
        bool sent;
    };
    const COleDateTime planEnd = At(2024, 9, 7, 1, 0);
    const Case cases[] = {
        {"activity at the plan start", false, At(2024, 9, 2, 0, 0), 45, true},
        {"activity ending on the plan end", false, planEnd - COleDateTimeSpan(0, 0, 45, 0), 45, true},
        {"activity ending 10 minutes after the plan", false, planEnd - COleDateTimeSpan(0, 0, 35, 0), 45, false},
        {"activity before the plan", false, At(2024, 9, 1, 23, 0), 45, false},
        {"group on Tuesday", true, At(2024, 9, 3, 9, 0), 60, true},
    };
    for (const Case& c : cases) {
        GridHost host;
        CTimeTableCtrlView& pane = Show(host);
        host.messages.clear();
        const COleDateTimeSpan length(0, 0, c.minutes, 0);
        if (c.group)
            pane.DropGroup(7, c.start, length);
        else
            pane.DropActivity(10, c.start, length);
        const UINT expected = c.group ? WM_TT_DROP_GROUP : WM_TT_DROP_ACTIVITY;
        const auto sent = std::count_if(host.messages.begin(), host.messages.end(),
                                        [&](const GridHost::Message& m) { return m.message == expected; });
        EXPECT_EQ(sent, c.sent ? 1 : 0) << c.name;
        if (!c.sent) continue;
        EXPECT_EQ(pane.m_nDropActivity, c.group ? 7 : 10) << c.name;
        EXPECT_EQ(CompareTimesApprox(pane.m_dtDropStart, c.start), 0) << c.name;
        EXPECT_EQ(WholeMinutes(pane.m_tsDropLength), c.minutes) << c.name;
    }

    GridHost host;
    CTimeTableCtrlView& pane = Show(host);
    host.messages.clear();
    pane.DropOnItem(4, 1);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].message, WM_TT_DROP_ON_ITEM);
    EXPECT_EQ(pane.m_nDropEntity, 4);
    EXPECT_EQ(pane.m_nDropTarget, 1);
}

// A teacher of the dated school plan, away on Tuesday afternoon and all Wednesday, drags her first
// lesson: the strips show her blocked times, the red bars the lessons that clash.
TEST_F(FeedbackTest, PictureOfADragWithBlockedTimesAndClashBlocks) {
    m_data.ResetToNew(FALSE);
    LoadFixture("school-dated.xml");
    GridHost host(1100, 760);
    CTimeTableCtrl& control = host.control;
    control.SetDayRange(m_data.m_nDays, m_data.GetStartDate(), m_data.m_tDayStart);
    FillPaneForEntity(control, 0, m_data, 42);
    control.GetTitle().LayoutColumns(42);
    control.RecalcLayout();
    CTimeTableCtrlView& pane = control.GetPane(0);
    ASSERT_FALSE(pane.m_arrItems.empty());
    pane.m_nCurrentItem = 0;
    CTimeTableItem& pressed = pane.m_arrItems[0];
    pressed.m_bSelected = 1;
    pane.RebuildSelectionCopies();
    pane.BuildClashBlocks(pressed.m_nActivity, pressed.m_nSource, 0);
    pane.ClearBlockedTimes();
    pane.PrepareDragFeedback(0, pressed.m_nActivity);
    EXPECT_FALSE(pane.m_arrBlockedTimes.empty());
    EXPECT_FALSE(pane.m_arrClashBlocks.empty());

    CTimeTableCtrlBody& body = pane.GetBody();
    body.m_bPressed = body.m_bDragging = 1;
    body.m_nDragMode = CTimeTableCtrlBody::kDragMove;
    body.m_nPressX = pressed.m_rect.left + 4;
    body.m_nPressY = pressed.m_rect.top + 4;
    body.SetCurrentPoint(CPoint(body.m_nPressX + 150, body.m_nPressY + 90));
    body.Invalidate(FALSE);
    SaveWindowPicture(&control, "timetable_drag_blocked_and_clashes.png");
    body.m_bPressed = body.m_bDragging = 0;
    body.m_nDragMode = CTimeTableCtrlBody::kDragNone;
}
