// The timetable control: layout, the split display and its line, scrolling in both directions,
// the folder tabs, the active pane and the day slots of the panes.
#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>

#include <algorithm>
#include <stdexcept>

#include "model/time_values.h"
#include "../platform/ui/frame_picture.h"
#include "platform/ui/system_metrics.h"
#include "platform/ui/test_support.h"
#include "timetable/time_table_ctrl.h"
#include "timetable/time_table_messages.h"
#include "timetable_test_support.h"

namespace {

COleDateTime Monday(int hour, int minute) { return At(2024, 9, 2, hour, minute); }

// The client y of the split line's gap (4 pixels between the panes).
int SplitGapTop(CTimeTableCtrl& control) {
    CRect first;
    control.GetPane(0).GetWindowRect(&first);
    control.ScreenToClient(&first);
    return first.bottom;
}

}  // namespace

class TimetableCtrlTest : public TimetableTest {
protected:
    void SetUp() override {
        TimetableTest::SetUp();
        for (int id : {1, 2, 3}) {
            CEntity entity(MakeTimeOfDay(8, 0), 5);
            entity.m_nId = id;
            entity.m_strName.Format(L"Entity %d", id);
            m_data.m_arrEntities.push_back(entity);
        }
        m_data.SetStartDate(Monday(0, 0));
        m_data.m_nDays = 5;
        m_data.m_tDayStart = MakeTimeOfDay(8, 0);
    }
};

TEST_F(TimetableCtrlTest, SplitDisplayKeepsTheSecondPanesEntity) {
    GridHost host;
    CTimeTableCtrl& control = host.control;
    control.SetDayRange(5, Monday(0, 0), MakeTimeOfDay(8, 0));
    control.AddEntityTab(L"Entity 2", 2, 1);
    control.m_nSecondPaneEntity = 2;
    control.ToggleSplit();
    EXPECT_TRUE(control.IsSplit());
    EXPECT_TRUE(control.GetPane(1).IsWindowVisible());
    EXPECT_TRUE(control.GetFolderTabs().IsWindowVisible());
    CRect first, second;
    control.GetPane(0).GetWindowRect(&first);
    control.GetPane(1).GetWindowRect(&second);
    EXPECT_EQ(second.top - first.bottom, 4);

    control.ToggleSplit();
    EXPECT_FALSE(control.IsSplit());
    EXPECT_FALSE(control.GetPane(1).IsWindowVisible());
    EXPECT_FALSE(control.GetFolderTabs().IsWindowVisible());
    EXPECT_EQ(control.m_nSecondPaneEntity, 2);
    ASSERT_EQ(control.GetFolderTabs().GetTabs().size(), 1u);

    // On again: the same entity with its tab.
    control.ToggleSplit();
    control.SelectSecondPaneTab();
    EXPECT_EQ(control.GetFolderTabs().GetSelectedIndex(), 0);
    EXPECT_EQ(control.GetFolderTabs().GetTabs()[0].data, 2);
}

TEST_F(TimetableCtrlTest, EntityTabsAreAddedOnceAndSelectedForTheSecondPane) {
    GridHost host;
    CTimeTableCtrl& control = host.control;
    control.AddEntityTab(L"Entity 1", 1, 0);
    control.AddEntityTab(L"Entity 2", 2, 0);
    control.AddEntityTab(L"Entity 2", 2, 0);
    ASSERT_EQ(control.GetFolderTabs().GetTabs().size(), 2u);
    control.m_nSecondPaneEntity = 2;
    control.SelectSecondPaneTab();
    EXPECT_EQ(control.GetFolderTabs().GetSelectedIndex(), 1);
    control.AddEntityTab(L"Entity 3", 3, 1);  // unpinned tabs go first, but for the selected one
    ASSERT_EQ(control.GetFolderTabs().GetTabs().size(), 2u);
    EXPECT_EQ(control.GetFolderTabs().GetTabs()[0].data, 2);
    EXPECT_EQ(control.GetFolderTabs().GetTabs()[1].data, 3);
}

TEST_F(TimetableCtrlTest, ChoosingATabTellsThePage) {
    GridHost host;
    CTimeTableCtrl& control = host.control;
    control.AddEntityTab(L"Entity 1", 1, 0);
    control.AddEntityTab(L"Entity 3", 3, 0);
    struct Case {
        int tab;
        WPARAM entity;
    };
    const Case cases[] = {{1, 3}, {0, 1}, {2, 0}, {-1, 0}};
    for (const Case& c : cases) {
        host.messages.clear();
        NMFOLDERTAB notify{};
        notify.hdr.hwndFrom = control.GetFolderTabs().GetSafeHwnd();
        notify.hdr.idFrom = 1;
        notify.hdr.code = CFolderTabCtrl::kNotifySelect;
        notify.nTab = c.tab;
        control.SendMessage(WM_NOTIFY, 1, reinterpret_cast<LPARAM>(&notify));
        ASSERT_EQ(host.messages.size(), 1u) << c.tab;
        EXPECT_EQ(host.messages[0].message, WM_TT_SHOW_ENTITY);
        EXPECT_EQ(host.messages[0].wParam, c.entity) << c.tab;
    }
}

TEST_F(TimetableCtrlTest, ReleasingTheSplitLine) {
    struct Case {
        const char* name;
        int fromMiddle;  // pixels above the middle of the control where the line is released
        int offset;
    };
    const Case cases[] = {
        {"ten pixels above the middle", 10, 10},
        {"twenty below", -20, -20},
        {"more than a quarter away returns to the middle", 200, 0},
    };
    for (const Case& c : cases) {
        GridHost host;
        CTimeTableCtrl& control = host.control;
        control.m_nSecondPaneEntity = 1;
        control.ToggleSplit();
        CRect client;
        control.GetClientRect(&client);
        const int h = client.Height();
        const int gap = SplitGapTop(control) + 1;
        vorn_test::MousePress(&control, CPoint(200, gap));
        vorn_test::MouseMove(&control, CPoint(200, h / 2 - c.fromMiddle), Qt::LeftButton);
        EXPECT_TRUE(control.IsSplitting()) << c.name;
        vorn_test::MouseRelease(&control, CPoint(200, h / 2 - c.fromMiddle));
        EXPECT_FALSE(control.IsSplitting()) << c.name;
        EXPECT_EQ(control.GetSplitOffset(), c.offset) << c.name;
        EXPECT_EQ(SplitGapTop(control), (h - 20) / 2 - c.offset + 20 - 2) << c.name;
    }
}

TEST_F(TimetableCtrlTest, TheSplitLineShowsAcrossThePanesWhileDragging) {
    GridHost host;
    CTimeTableCtrl& control = host.control;
    control.m_nSecondPaneEntity = 1;
    control.ToggleSplit();
    vorn_test::ProcessEvents();
    const int gap = SplitGapTop(control) + 1;
    vorn_test::MousePress(&control, CPoint(200, gap));
    vorn_test::MouseMove(&control, CPoint(200, gap - 60), Qt::LeftButton);
    vorn_test::ProcessEvents();
    const QImage picture = SaveWindowPicture(&control, "timetable_split_line_drag.png");
    vorn_test::MouseRelease(&control, CPoint(200, gap - 60));
    vorn_test::ProcessEvents();
    const QImage after = control.GetWidget()->grab().toImage();
    // The line crosses the first pane's body while dragging and is gone after the release.
    const QPoint onLine(400, gap - 60);
    EXPECT_NE(picture.pixel(onLine), after.pixel(onLine));
}

TEST_F(TimetableCtrlTest, HorizontalScrollingStaysInRange) {
    GridHost host(500, 400);
    CTimeTableCtrl& control = host.control;
    control.SetDayRange(7, Monday(0, 0), MakeTimeOfDay(8, 0));
    for (auto& column : control.GetTitle().GetColumns()) column.m_nMinWidth = 150;
    control.GetTitle().LayoutColumns(0);
    control.RecalcLayout();
    ASSERT_TRUE(control.GetHorizontalBar().IsWindowVisible());
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    control.GetHorizontalBar().GetScrollInfo(&info, SIF_ALL);
    const int last = info.nMax - static_cast<int>(info.nPage);
    ASSERT_GT(last, static_cast<int>(info.nPage));
    ASSERT_LT(last, 2 * static_cast<int>(info.nPage));
    struct Step {
        UINT code;
        int offset;
    };
    const Step steps[] = {
        {SB_LINERIGHT, 1},           {SB_PAGERIGHT, 1 + static_cast<int>(info.nPage)},
        {SB_PAGELEFT, 1},            {SB_PAGELEFT, 0},  // near the start a page reaches the start
        {SB_LINELEFT, 0},            {SB_PAGERIGHT, static_cast<int>(info.nPage)},
        {SB_PAGERIGHT, last},        // near the end a page reaches the end
        {SB_LINERIGHT, last},        {SB_PAGERIGHT, last},
    };
    for (const Step& s : steps) {
        control.SendMessage(WM_HSCROLL, s.code, 0);
        EXPECT_EQ(control.GetTitle().GetScrollOffset(), s.offset) << s.code;
        EXPECT_EQ(control.GetPane(0).GetBody().m_nHorizontalOffset, s.offset) << s.code;
        EXPECT_EQ(control.GetHorizontalBar().GetScrollPos(), s.offset) << s.code;
    }
    // Columns that fit hide the bar and scroll back to the start.
    for (auto& column : control.GetTitle().GetColumns()) column.m_nMinWidth = 20;
    control.GetTitle().LayoutColumns(0);
    control.RecalcLayout();
    EXPECT_FALSE(control.GetHorizontalBar().IsWindowVisible());
    EXPECT_EQ(control.GetTitle().GetScrollOffset(), 0);
}

TEST_F(TimetableCtrlTest, VerticalScrollingAndTheWheelStayInRange) {
    GridHost host(700, 400);
    CTimeTableCtrl& control = host.control;
    control.SetDayRange(5, Monday(0, 0), MakeTimeOfDay(7, 0));
    CTimeTableCtrlView& pane = control.GetPane(0);
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    pane.GetScrollBar().GetScrollInfo(&info, SIF_ALL);
    const int page = static_cast<int>(info.nPage);
    const int last = info.nMax - page;
    struct Step {
        int from;
        UINT code;
        int offset;
    };
    const Step steps[] = {
        {8, SB_LINEUP, 0},           {20, SB_LINEUP, 10},       {0, SB_LINEDOWN, 10},
        {last - 4, SB_LINEDOWN, last}, {40, SB_PAGEUP, 0},        {page + 5, SB_PAGEUP, 5},
        {last - 5, SB_PAGEDOWN, last}, {0, SB_PAGEDOWN, std::min(page, last)},
    };
    for (const Step& s : steps) {
        pane.SetVerticalOffset(s.from);
        pane.SendMessage(WM_VSCROLL, s.code, 0);
        EXPECT_EQ(pane.GetHeader().GetVerticalOffset(), s.offset) << s.from << " code " << s.code;
        EXPECT_EQ(pane.GetBody().m_nVerticalOffset, s.offset);
        EXPECT_EQ(pane.GetScrollBar().GetScrollPos(), s.offset);
    }
    struct WheelCase {
        int from;
        int delta;
        int result;
        int offset;
    };
    const WheelCase wheels[] = {{5, 120, 0, 5}, {40, 120, 1, 30}, {0, -240, 1, 20}, {last + 12, -120, 0, last + 12}};
    for (const WheelCase& w : wheels) {
        pane.SetVerticalOffset(w.from);
        EXPECT_EQ(pane.ScrollByWheel(w.delta), w.result) << w.from << " " << w.delta;
        EXPECT_EQ(pane.GetHeader().GetVerticalOffset(), w.offset);
    }
    // The wheel over the body scrolls through the same path.
    pane.SetVerticalOffset(40);
    vorn_test::Wheel(&pane.GetBody(), CPoint(100, 100), 120);
    EXPECT_EQ(pane.GetHeader().GetVerticalOffset(), 30);
    vorn_test::Wheel(&pane.GetHeader(), CPoint(10, 100), 120);
    EXPECT_EQ(pane.GetHeader().GetVerticalOffset(), 20);
}

TEST_F(TimetableCtrlTest, ActivatingTheOtherPaneClearsTheFormerSelection) {
    GridHost host;
    CTimeTableCtrl& control = host.control;
    control.SetDayRange(5, Monday(0, 0), MakeTimeOfDay(8, 0));
    CTimeTableCtrlView& first = control.GetPane(0);
    first.m_arrItems = {MakeItem(L"A", Monday(9, 0), 60)};
    first.SortItems();
    first.m_arrItems[0].m_bSelected = 1;
    first.m_nCurrentItem = 0;
    first.m_nSelectionMode = 1;
    control.SendMessage(WM_TT_ACTIVATE_PANE, 0, 0);  // already active: nothing is cleared
    EXPECT_EQ(first.m_arrItems[0].m_bSelected, 1);
    control.SendMessage(WM_TT_ACTIVATE_PANE, 1, 0);
    EXPECT_EQ(control.GetActivePane(), &control.GetPane(1));
    EXPECT_EQ(first.m_arrItems[0].m_bSelected, 0);
    EXPECT_EQ(first.m_nSelectionMode, 0);
    EXPECT_EQ(first.GetCurrentItem(), nullptr);
}

TEST_F(TimetableCtrlTest, PanelModeGoesToTheFirstBodyOnly) {
    GridHost host;
    host.control.SendMessage(WM_TT_PANEL_MODE, 3, 0);
    EXPECT_EQ(host.control.GetPane(0).GetBody().m_nPanelMode, 3);
    EXPECT_EQ(host.control.GetPane(1).GetBody().m_nPanelMode, 0);
}

TEST_F(TimetableCtrlTest, DaySlotsAndColumnRangesAreExchanged) {
    m_settings.AddHoliday(Monday(0, 0) + COleDateTimeSpan(2.0), L"Holiday");
    GridHost host;
    CTimeTableCtrl& control = host.control;
    control.SetDayRange(5, Monday(0, 0), MakeTimeOfDay(8, 0));
    CTimeTableCtrlView& pane = control.GetPane(1);
    for (int i = 0; i < CTimeTableCtrlView::kDaySlots; ++i) {
        pane.m_tDaySlotStart[i] = MakeTimeOfDay(9, 15);
        pane.m_tDaySlotEnd[i] = MakeTimeOfDay(13, 45);
    }
    control.ApplyDaySlotsToColumns(1);
    const auto& columns = control.GetTitle().GetColumns();
    EXPECT_EQ(columns[0].m_dtRangeStart[1], Monday(9, 15));
    EXPECT_EQ(columns[1].m_dtRangeEnd[1], At(2024, 9, 3, 13, 45));
    EXPECT_EQ(columns[2].m_dtRangeEnd[1], columns[2].m_dtRangeStart[1]);  // the holiday is empty
    EXPECT_EQ(columns[0].m_dtRangeStart[0], Monday(8, 0));                 // the first pane keeps its ranges

    control.GetTitle().GetColumns()[3].m_dtRangeEnd[1] = At(2024, 9, 5, 17, 30);
    control.ReadDayRangesFromColumns(1);
    EXPECT_EQ(pane.m_tDaySlotEnd[3], MakeTimeOfDay(17, 30));
    EXPECT_EQ(pane.m_tDaySlotStart[0], MakeTimeOfDay(9, 15));

    control.GetTitle().GetColumns()[1].m_dtRangeStart[1] = COleDateTime(-1, -1, -1, 0, 0, 0);
    EXPECT_THROW(control.ReadDayRangesFromColumns(1), std::invalid_argument);
}

TEST_F(TimetableCtrlTest, TheClockTimerRepaintsAndRearmsOnlyWhileTheFlagIsSet) {
    GridHost host;
    CTimeTableCtrl& control = host.control;
    control.SetClockFlag(1);
    control.SendMessage(WM_TIMER, CTimeTableCtrl::kClockTimer, 0);
    EXPECT_TRUE(control.KillTimer(CTimeTableCtrl::kClockTimer));
    control.SetClockFlag(0);
    control.SendMessage(WM_TIMER, CTimeTableCtrl::kClockTimer, 0);
    EXPECT_FALSE(control.KillTimer(CTimeTableCtrl::kClockTimer));
}
