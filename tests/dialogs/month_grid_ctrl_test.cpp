// The month calendar driven by the mouse: day and range selections with their notifications,
// the scroll arrows, the Today and None buttons and the month list popup.
#include <gtest/gtest.h>

#include <functional>

#include "../controls/language_pack_fixture.h"
#include "../controls/test_host.h"
#include "dialogs/month_grid_ctrl.h"
#include "dialogs/month_list_popup.h"
#include "platform/ui/system_change_messages.h"
#include "platform/ui/test_support.h"

#include <QApplication>
#include <QFont>
#include <QPalette>

namespace {

COleDateTime Day(int year, int month, int day) { return COleDateTime(year, month, day, 0, 0, 0); }

class MonthGridCtrlTest : public EnglishPackTest {
protected:
    void Open(DWORD styleBits, int rows = 2, int columns = 3) {
        host = std::make_unique<TestHost>(900, 600);
        ctrl.m_model.m_nRows = rows;
        ctrl.m_model.m_nColumns = columns;
        ctrl.m_model.m_nMonth = 3;
        ctrl.m_model.m_nYear = 2024;
        ctrl.RebuildPanels();
        ctrl.SetFirstDayOfWeek(1);
        ctrl.Create(nullptr, L"", WS_CHILD | WS_VISIBLE | styleBits, CRect(10, 10, 850, 550), host.get(), 32999);
        const CSize total = ctrl.GetTotalSize();
        ctrl.MoveWindow(10, 10, total.cx, total.cy);
        ctrl.UpdateWindow();
        ctrl.Layout();
    }
    void TearDown() override {
        ctrl.DestroyWindow();
        host.reset();
        EnglishPackTest::TearDown();
    }
    // The centre of the day's cell in the first panel that draws it.
    CPoint PointOf(const COleDateTime& date) {
        ctrl.Layout();
        for (const auto& panel : ctrl.m_arrPanels)
            for (const auto& cell : panel.cells)
                if (!cell.rect.IsRectEmpty() && cell.date == date) return cell.rect.CenterPoint();
        ADD_FAILURE() << "no cell for " << date.Format(L"%d/%m/%Y").ToUtf8();
        return CPoint();
    }
    int Count(int code) const {
        return static_cast<int>(std::count(host->notifyCodes.begin(), host->notifyCodes.end(), code));
    }

    std::unique_ptr<TestHost> host;
    CMonthGridCtrl ctrl;
};

TEST_F(MonthGridCtrlTest, ARangeDragSelectsEveryDayUpToTheLimit) {
    Open(CMonthGridCtrl::kRangeMode);
    ctrl.m_model.m_nMaxRange = 100;
    struct Case {
        COleDateTime from, to, start, end;
    };
    const Case cases[] = {
        {Day(2024, 3, 4), Day(2024, 3, 20), Day(2024, 3, 4), Day(2024, 3, 20)},
        {Day(2024, 5, 9), Day(2024, 4, 28), Day(2024, 4, 28), Day(2024, 5, 9)},   // dragged backwards
        {Day(2024, 3, 1), Day(2024, 8, 30), Day(2024, 3, 1), Day(2024, 6, 9)},    // cut to 100 days
    };
    for (const auto& c : cases) {
        host->notifyCodes.clear();
        const CPoint from = PointOf(c.from), to = PointOf(c.to);
        vorn_test::MousePress(&ctrl, from);
        vorn_test::MouseMove(&ctrl, CPoint((from.x + to.x) / 2, (from.y + to.y) / 2), Qt::LeftButton);
        vorn_test::MouseMove(&ctrl, to, Qt::LeftButton);
        EXPECT_EQ(Count(NM_CLICK), 0) << "nothing is reported before the release";
        vorn_test::MouseRelease(&ctrl, to);
        EXPECT_EQ(ctrl.m_model.m_dtSelStart, c.start) << c.to.Format(L"%d/%m/%Y").ToUtf8();
        EXPECT_EQ(ctrl.m_model.m_dtSelEnd, c.end) << c.to.Format(L"%d/%m/%Y").ToUtf8();
        EXPECT_EQ(Count(NM_CLICK), 1);
        EXPECT_EQ(CWnd::GetCapture(), nullptr);
    }
}

TEST_F(MonthGridCtrlTest, ClicksAndDoubleClicksAreReported) {
    Open(0);
    vorn_test::Click(&ctrl, PointOf(Day(2024, 4, 17)));
    EXPECT_EQ(ctrl.m_model.m_dtSelStart, Day(2024, 4, 17));
    EXPECT_EQ(ctrl.m_model.m_dtSelEnd, Day(2024, 4, 17));
    EXPECT_EQ(Count(NM_CLICK), 1);
    vorn_test::DoubleClick(&ctrl, PointOf(Day(2024, 5, 2)));
    EXPECT_EQ(ctrl.m_model.m_dtSelStart, Day(2024, 5, 2));
    EXPECT_EQ(Count(NM_DBLCLK), 1);
    // Outside range mode a drag moves the single selected day.
    vorn_test::MousePress(&ctrl, PointOf(Day(2024, 3, 5)));
    vorn_test::MouseMove(&ctrl, PointOf(Day(2024, 3, 8)), Qt::LeftButton);
    vorn_test::MouseRelease(&ctrl, PointOf(Day(2024, 3, 8)));
    EXPECT_EQ(ctrl.m_model.m_dtSelStart, Day(2024, 3, 8));
    EXPECT_EQ(ctrl.m_model.m_dtSelEnd, Day(2024, 3, 8));
}

TEST_F(MonthGridCtrlTest, ArrowsStepAPageOnThePressAndOnTheTimerOnly) {
    Open(0);
    ctrl.Layout();
    const CPoint right = ctrl.m_rcRightArrow.CenterPoint();
    vorn_test::MousePress(&ctrl, right);
    EXPECT_EQ(ctrl.m_model.m_nMonth, 9);
    for (int i = 0; i < 5; ++i) vorn_test::MouseMove(&ctrl, right + CPoint(i % 2, 0), Qt::LeftButton, Qt::NoModifier, 1);
    EXPECT_EQ(ctrl.m_model.m_nMonth, 9) << "moving the mouse does not step";
    ctrl.SendMessage(WM_TIMER, CMonthGridCtrl::kArrowTimer, 0);
    EXPECT_EQ(ctrl.m_model.m_nMonth, 3);
    EXPECT_EQ(ctrl.m_model.m_nYear, 2025) << "a timer tick over the arrow steps";
    vorn_test::MouseRelease(&ctrl, right);
    ctrl.SendMessage(WM_TIMER, CMonthGridCtrl::kArrowTimer, 0);
    EXPECT_EQ(ctrl.m_model.m_nMonth, 3) << "after the release the timer is done";

    ctrl.m_model.m_nMonth = 1;
    ctrl.m_model.m_nYear = 2024;
    ctrl.Layout();
    vorn_test::Click(&ctrl, ctrl.m_rcLeftArrow.CenterPoint());
    EXPECT_EQ(ctrl.m_model.m_nMonth, 7);
    EXPECT_EQ(ctrl.m_model.m_nYear, 2023);
}

TEST_F(MonthGridCtrlTest, TodayAndNoneButtonsReturnToTheCurrentMonth) {
    Open(CMonthGridCtrl::kTodayButton | CMonthGridCtrl::kNoneButton);
    const COleDateTime now = COleDateTime::GetCurrentTime();
    vorn_test::Click(&ctrl, ctrl.m_rcToday.CenterPoint());
    EXPECT_EQ(ctrl.m_model.m_dtSelStart, CMonthGridModel::DayOf(now));
    EXPECT_EQ(ctrl.m_model.m_nMonth, now.GetMonth());
    EXPECT_EQ(Count(NM_CLICK), 1);
    ctrl.m_model.m_nMonth = now.GetMonth() % 12 + 1;
    ctrl.UpdateWindow();
    ctrl.Layout();
    vorn_test::Click(&ctrl, ctrl.m_rcNone.CenterPoint());
    EXPECT_FALSE(ctrl.m_model.HasSelection());
    EXPECT_EQ(ctrl.m_model.m_nMonth, now.GetMonth());
    EXPECT_EQ(Count(NM_CLICK), 2);
    // A press released elsewhere does nothing.
    vorn_test::MousePress(&ctrl, ctrl.m_rcToday.CenterPoint());
    vorn_test::MouseMove(&ctrl, CPoint(2, 2), Qt::LeftButton);
    vorn_test::MouseRelease(&ctrl, CPoint(2, 2));
    EXPECT_FALSE(ctrl.m_model.HasSelection());
}

TEST_F(MonthGridCtrlTest, TheMonthListShowsTheChosenMonthInThePressedPanel) {
    Open(0);
    ctrl.Layout();
    const CPoint title = ctrl.m_arrPanels[4].title.CenterPoint();  // July 2024
    vorn_test::MousePress(&ctrl, title);
    ASSERT_TRUE(ctrl.m_pPopup && ctrl.m_pPopup->GetSafeHwnd());
    EXPECT_EQ(ctrl.m_pPopup->m_nCentreMonth, 7);
    // Held below the list, the last row is the chosen one.
    CRect list;
    ctrl.m_pPopup->GetWindowRect(&list);
    ctrl.ScreenToClient(&list);
    vorn_test::MouseMove(&ctrl, CPoint(title.x, list.bottom + 5), Qt::LeftButton);
    EXPECT_EQ(ctrl.m_pPopup->m_nChosenMonth, 10);
    vorn_test::MouseRelease(&ctrl, CPoint(title.x, list.bottom + 5));
    EXPECT_FALSE(ctrl.m_pPopup);
    EXPECT_EQ(ctrl.m_model.m_nMonth, 6) << "October in the fifth panel puts June in the first";
    EXPECT_EQ(ctrl.m_model.m_nYear, 2024);
}

TEST_F(MonthGridCtrlTest, AutoSizeShrinksTheFontsToTheParent) {
    host = std::make_unique<TestHost>(300, 200);
    ctrl.m_model.m_nRows = 2;
    ctrl.m_model.m_nColumns = 3;
    ctrl.RebuildPanels();
    ctrl.Create(nullptr, L"", WS_CHILD | WS_VISIBLE | CMonthGridCtrl::kAutoSize, CRect(0, 0, 10, 10), host.get(), 1);
    EXPECT_EQ(ctrl.m_daysFont.m_nPointSize, 5) << "the minimum when nothing fits";
    ctrl.m_nMaxWidth = ctrl.m_nMaxHeight = -2;
    ctrl.AutoSize();
    EXPECT_GT(ctrl.m_daysFont.m_nPointSize, 5) << "without a limit the fonts keep their start size";
    CRect rect;
    ctrl.GetWindowRect(&rect);
    EXPECT_EQ(rect.Size(), ctrl.GetTotalSize());
}

}  // namespace

namespace {
int g_specialDayAsks = 0;
int CountSpecialDayAsks(const COleDateTime&) {
    ++g_specialDayAsks;
    return 0;
}
}  // namespace

// A new colour scheme or application font reaches the calendar, which draws itself again.
TEST_F(MonthGridCtrlTest, SystemColourAndFontChangesRepaintTheCalendar) {
    InstallSystemChangeMessages();
    Open(0);
    ctrl.m_pfnSpecialDay = &CountSpecialDayAsks;
    vorn_test::ProcessEvents();
    const QPalette palette = QApplication::palette();
    const QFont font = QApplication::font();
    const std::pair<const char*, std::function<void()>> changes[] = {
        {"colours", [] {
             QPalette dark = QApplication::palette();
             dark.setColor(QPalette::Window, Qt::darkGray);
             QApplication::setPalette(dark);
         }},
        {"font", [] {
             QFont bigger = QApplication::font();
             bigger.setPointSize(bigger.pointSize() + 3);
             QApplication::setFont(bigger);
         }},
    };
    for (const auto& [name, change] : changes) {
        g_specialDayAsks = 0;
        change();
        vorn_test::ProcessEvents();
        EXPECT_GT(g_specialDayAsks, 0) << name << ": the days were drawn again";
    }
    QApplication::setPalette(palette);
    QApplication::setFont(font);
    vorn_test::ProcessEvents();
}
