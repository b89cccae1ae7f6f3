// The board window's layout pass, scrolling, zoom, splitters, the row header's boundary drag and
// the hit tests on magnets, and presses that select.
#include <gtest/gtest.h>

#include <QScrollBar>

#include "model/time_values.h"
#include "planner/magnet_ctrl.h"
#include "planner/magnet_messages.h"
#include "planner_test_support.h"
#include "platform/ui/system_metrics.h"
#include "platform/ui/test_support.h"
#include "platform/ui/window_api.h"

namespace {

void Send(CWnd& wnd, UINT message, int x, int y) { wnd.SendMessage(message, 0, MAKELPARAM(x, y)); }

// Drags the thumb to the position and lets it go, as the user does.
void ScrollTo(CMagnetCtrl& control, int position) {
    QWidget* widget = control.GetScrollBar().GetWidget();
    auto* bar = widget ? widget->findChild<QScrollBar*>() : nullptr;
    ASSERT_NE(bar, nullptr);
    bar->setSliderDown(true);
    bar->setSliderPosition(position);
    bar->setSliderDown(false);
}

void Scroll(CMagnetCtrl& control, UINT code) {
    control.SendMessage(WM_VSCROLL, MAKEWPARAM(code, 0), reinterpret_cast<LPARAM>(control.GetScrollBar().GetSafeHwnd()));
}

int Pitch(CMagnetCtrl& control) { return control.GetHeader().GetRowHeight() + CMagnetCtrlHeader::kBand; }

}  // namespace

class MagnetLayoutTest : public PlannerTest {
protected:
    void SetUp() override {
        PlannerTest::SetUp();
        m_data.m_tDayStart = MakeTimeOfDay(8, 0);
    }
    // count rows with ids 1..count over Monday 3 and Tuesday 4 January 2000, 08:00 to 17:00.
    void Fill(CMagnetCtrl& control, int count) {
        control.Clear();
        for (int id = 1; id <= count; ++id) {
            control.AddRow(id, L"row", 0);
            control.SetRowSchedule(id, Working(8, 0, 17, 0));
        }
        control.ClearDayColumns();
        control.AddDay(L"Mon", At(2000, 1, 3, 0, 0), 0);
        control.AddDay(L"Tue", At(2000, 1, 4, 0, 0), 1);
        control.SortAndLayout();
        control.RecalcLayout();
        vorn_test::ProcessEvents();
    }
};

TEST_F(MagnetLayoutTest, ManyRowsLayOutScrollAndAreFoundAtTheirPlace) {
    BoardHost host;
    CMagnetCtrl& control = host.control;
    Fill(control, 1000);
    const int pitch = Pitch(control);
    ASSERT_EQ(pitch, 35);
    for (const int i : {0, 1, 500, 999}) {
        EXPECT_EQ(control.GetRows()[i].m_rect.top, i * pitch);
        EXPECT_EQ(control.GetRows()[i].m_rect.bottom, (i + 1) * pitch);
    }
    // The range counts every row with its band; the page is the visible height.
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    control.GetScrollBar().GetScrollInfo(&info, SIF_ALL);
    CRect header;
    control.GetHeader().GetClientRect(&header);
    EXPECT_EQ(info.nMax, 1000 * pitch);
    EXPECT_EQ(static_cast<int>(info.nPage), header.Height());

    struct Case {
        int offset;  // scrolled by thumb position
        int y;       // header client y
        int id;
    } cases[] = {{0, 0, 1}, {0, 34, 1}, {0, 35, 2}, {0, 70, 3}, {350, 0, 11}, {350, 36, 12}};
    for (const Case& c : cases) {
        ScrollTo(control, c.offset);
        EXPECT_EQ(control.GetHeader().RowIdAt(CPoint(10, c.y)), c.id) << c.offset << " " << c.y;
    }
    EXPECT_EQ(control.GetHeader().RowIdAt(CPoint(500, 10)), 0);  // right of the header

    // Page down to the end: the last row comes fully into view.
    for (int i = 0; i < 2000 && control.GetVerticalOffset() < 1000 * pitch - header.Height(); ++i) Scroll(control, SB_PAGEDOWN);
    EXPECT_EQ(control.GetVerticalOffset(), 1000 * pitch - header.Height());
    const CMagnetRow& last = control.GetRows().back();
    EXPECT_LE(last.m_rect.bottom - control.GetVerticalOffset(), header.Height());
    EXPECT_EQ(control.GetHeader().RowIdAt(CPoint(10, header.Height() - 1)), 1000);
    Scroll(control, SB_PAGEDOWN);  // stays at the end
    EXPECT_EQ(control.GetVerticalOffset(), 1000 * pitch - header.Height());
}

TEST_F(MagnetLayoutTest, ScrollStepsStayInRange) {
    BoardHost host;
    CMagnetCtrl& control = host.control;
    Fill(control, 40);
    CRect header;
    control.GetHeader().GetClientRect(&header);
    const int end = 40 * Pitch(control) - header.Height();
    struct Case {
        UINT code;
        int from, to;
    } cases[] = {
        {SB_LINEDOWN, 0, 10},
        {SB_LINEUP, 5, 0},
        {SB_PAGEUP, 50, 0},  // a page back near the top reaches the top
        {SB_PAGEDOWN, end - 5, end},
        {SB_LINEDOWN, end - 3, end},
    };
    for (const Case& c : cases) {
        ScrollTo(control, c.from);
        ASSERT_EQ(control.GetVerticalOffset(), c.from);
        Scroll(control, c.code);
        EXPECT_EQ(control.GetVerticalOffset(), c.to) << c.code << " from " << c.from;
    }
    // The wheel: a notch of 120 is 10 pixels; a notch past either end is ignored.
    control.ScrollToTop();
    EXPECT_EQ(control.ScrollByWheel(-120), 1);
    EXPECT_EQ(control.GetVerticalOffset(), 10);
    EXPECT_EQ(control.ScrollByWheel(240), 0);
    EXPECT_EQ(control.GetVerticalOffset(), 10);
    Scroll(control, SB_LINEDOWN);  // scrolling goes on from where the wheel left it
    EXPECT_EQ(control.GetVerticalOffset(), 20);
}

TEST_F(MagnetLayoutTest, AnEmptyBoardHasNothingToScroll) {
    BoardHost host;
    CMagnetCtrl& control = host.control;
    Fill(control, 0);
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    control.GetScrollBar().GetScrollInfo(&info, SIF_ALL);
    EXPECT_EQ(info.nMax, 0);
    EXPECT_EQ(info.nPage, 0u);
    EXPECT_EQ(control.ScrollByWheel(-120), 0);
    Scroll(control, SB_PAGEDOWN);
    EXPECT_EQ(control.GetVerticalOffset(), 0);
    control.ZoomToFit();  // nothing to fit
    EXPECT_EQ(control.GetHeader().GetRowHeight(), 28);
}

TEST_F(MagnetLayoutTest, Zoom) {
    BoardHost host;
    CMagnetCtrl& control = host.control;
    Fill(control, 9);
    const int hour = control.GetHourWidth(), row = control.GetHeader().GetRowHeight();
    control.ZoomIn();
    EXPECT_EQ(control.GetHourWidth(), static_cast<int>(hour * 1.1));
    EXPECT_EQ(control.GetHeader().GetRowHeight(), static_cast<int>(row * 1.1));
    EXPECT_EQ(control.GetRows()[1].m_rect.top, Pitch(control));  // laid out again
    for (int i = 0; i < 60; ++i) control.ZoomOut();
    EXPECT_EQ(control.GetHourWidth(), control.GetPane(0).GetMinHourWidth());
    EXPECT_EQ(control.GetHeader().GetRowHeight(), control.GetHeader().GetMinRowHeight());
    for (int i = 0; i < 30; ++i) control.ZoomIn();
    EXPECT_GT(control.GetHourWidth(), 10 * control.GetPane(0).GetMinHourWidth());  // no upper limit

    // Fit: 9 rows with their bands in 500 pixels of free height give rows of 500 / 9 - 7 = 48;
    // 18 hours in 900 pixels 50 each. Everything is then in view.
    const int b = GetSystemMetrics(SM_CYHSCROLL);
    control.MoveWindow(0, 0, control.GetHeaderWidth() + b + 900, control.GetTitleHeight() + b + 500);
    control.ZoomToFit();
    EXPECT_EQ(control.GetHeader().GetRowHeight(), 48);
    EXPECT_EQ(control.GetHourWidth(), 50);
    EXPECT_EQ(control.GetVerticalOffset(), 0);
    EXPECT_LE(control.GetRows().back().m_rect.bottom, 500);
    EXPECT_LE(control.GetPane(0).GetTitle().GetColumns().back().m_nRight, 900);
    // In a window lower than the title there is no free height: the rows keep their minimum.
    control.MoveWindow(0, 0, 600, 20);
    control.ZoomToFit();
    EXPECT_EQ(control.GetHeader().GetRowHeight(), control.GetHeader().GetMinRowHeight());
}

TEST_F(MagnetLayoutTest, SplittersAndHeaderEdge) {
    BoardHost host(1000, 600);
    CMagnetCtrl& control = host.control;
    Fill(control, 5);
    CRect client;
    control.GetClientRect(&client);
    // The header edge dragged to x = 30 leaves the narrowest header.
    const int w = control.GetHeaderWidth();
    Send(control, WM_LBUTTONDOWN, w - 5, client.bottom - 5);
    Send(control, WM_LBUTTONUP, 30, client.bottom - 5);
    EXPECT_EQ(control.GetHeaderWidth(), 80);
    Send(control, WM_LBUTTONDOWN, 75, client.bottom - 5);
    Send(control, WM_LBUTTONUP, 200, client.bottom - 5);
    EXPECT_EQ(control.GetHeaderWidth(), 200);
    EXPECT_EQ(control.GetRows()[0].m_rect.Width(), 200);

    control.ToggleSplit();
    ASSERT_TRUE(control.IsSplit());
    EXPECT_EQ(control.GetSplitPosition(), (client.Width() - 200) / 2);
    EXPECT_TRUE(control.GetPane(1).IsWindowVisible());
    // Released near the right edge the split closes and keeps the middle for the next time.
    const int split = 200 + control.GetSplitPosition();
    Send(control, WM_LBUTTONDOWN, split, 300);
    Send(control, WM_LBUTTONUP, client.right - 10, 300);
    EXPECT_FALSE(control.IsSplit());
    EXPECT_FALSE(control.GetPane(1).IsWindowVisible());
    control.ToggleSplit();
    EXPECT_EQ(control.GetSplitPosition(), (client.Width() - 200) / 2);
}

TEST_F(MagnetLayoutTest, RowBoundaryDragSetsEveryRowsHeight) {
    BoardHost host;
    CMagnetCtrl& control = host.control;
    Fill(control, 5);
    CMagnetCtrlHeader& header = control.GetHeader();
    // On a boundary (content y 33 to 37 around 35) a press starts a height drag, not a selection.
    Send(header, WM_MOUSEMOVE, 10, 36);
    Send(header, WM_LBUTTONDOWN, 10, 36);
    Send(header, WM_LBUTTONUP, 10, 56);
    EXPECT_EQ(header.GetRowHeight(), 48);
    EXPECT_EQ(control.GetCurrentRowId(), 0);
    EXPECT_EQ(control.GetRows()[1].m_rect.top, 55);
    // Dragged up by more than a row the height stops at the minimum.
    Send(header, WM_MOUSEMOVE, 10, 55);
    Send(header, WM_LBUTTONDOWN, 10, 55);
    Send(header, WM_LBUTTONUP, 10, 0);
    EXPECT_EQ(header.GetRowHeight(), header.GetMinRowHeight());
    // Inside a row a press selects it.
    Send(header, WM_MOUSEMOVE, 10, 35);
    Send(header, WM_LBUTTONDOWN, 10, 35);
    Send(header, WM_LBUTTONUP, 10, 35);
    EXPECT_EQ(control.GetCurrentRowId(), 2);
}

TEST_F(MagnetLayoutTest, HitTestsOnMagnets) {
    BoardHost host;
    CMagnetCtrl& control = host.control;
    Fill(control, 30);
    CMagnetRow& row = *control.GetRow(2);
    row.m_arrMagnets.push_back(MakeMagnet(1, At(2000, 1, 3, 9, 0), 60));
    row.m_arrMagnets.push_back(MakeMagnet(2, At(2000, 1, 4, 8, 0), 120));
    row.m_arrMagnets.push_back(MakeMagnet(3, At(2000, 1, 9, 8, 0), 60));  // no column that day
    control.LayoutBoard();
    const int w = control.GetHourWidth(), pitch = Pitch(control);
    CMagnetCtrlBody& body = control.GetPane(0).GetBody();
    EXPECT_TRUE(row.m_arrMagnets[2].m_rect.IsRectEmpty());
    struct Case {
        int x, y;
        int row, magnet;
    } cases[] = {
        {w + 5, pitch + 10, 1, 0},         // Monday 09:00
        {w * 2 - 1, pitch + 10, 1, 0},
        {w * 2 + 1, pitch + 10, 1, -1},    // after it
        {w + 5, 10, 0, -1},                // the row above
        {9 * w + w, pitch + 20, 1, 1},     // Tuesday 08:00 to 10:00
        {9 * w + 5, 30 * pitch + 5, -1, -1},  // below the rows
    };
    for (const Case& c : cases) {
        int rowIndex = -2;
        EXPECT_EQ(body.MagnetAt(CPoint(c.x, c.y), rowIndex), c.magnet) << c.x << "," << c.y;
        EXPECT_EQ(rowIndex, c.row) << c.x << "," << c.y;
    }
    // Scrolled to the right and down, the same magnet is found where it is shown.
    control.GetPane(0).SetHorizontalOffset(w);
    ScrollTo(control, 20);
    int rowIndex = -2;
    EXPECT_EQ(body.MagnetAt(CPoint(5, pitch - 20 + 10), rowIndex), 0);
    EXPECT_EQ(rowIndex, 1);
}

// Presses through the input path: the first makes the row current, the next select magnets.
TEST_F(MagnetLayoutTest, PressesMakeTheRowCurrentAndSelectMagnets) {
    BoardHost host;
    CMagnetCtrl& control = host.control;
    Fill(control, 5);
    CMagnetRow& row = *control.GetRow(2);
    row.m_arrMagnets.push_back(MakeMagnet(1, At(2000, 1, 3, 9, 0), 60));
    row.m_arrMagnets.push_back(MakeMagnet(2, At(2000, 1, 3, 11, 0), 60));
    control.LayoutBoard();
    const int w = control.GetHourWidth(), y = Pitch(control) + 15;
    CMagnetCtrlBody& body = control.GetPane(0).GetBody();
    struct Step {
        int x;
        Qt::KeyboardModifiers modifiers;
        int current;
        std::vector<int> selected;
    } steps[] = {
        {w + 5, Qt::NoModifier, 2, {}},               // only makes the row current
        {w + 5, Qt::NoModifier, 2, {1}},
        {3 * w + 5, Qt::NoModifier, 2, {2}},          // a plain press starts a new selection
        {w + 5, Qt::ShiftModifier, 2, {1, 2}},        // Shift adds
        {3 * w + w / 2, Qt::ControlModifier, 2, {1}},  // Ctrl toggles (away from the grip of a selected magnet)
        {6 * w, Qt::NoModifier, 2, {1}},              // no magnet there: the selection stays
    };
    for (const Step& s : steps) {
        vorn_test::Click(&body, CPoint(s.x, y), Qt::LeftButton, s.modifiers);
        vorn_test::ProcessEvents();
        std::vector<int> selected;
        for (const CMagnetItem& magnet : control.GetRow(2)->m_arrMagnets)
            if (magnet.m_bSelected) selected.push_back(static_cast<int>(magnet.m_nEntry));
        EXPECT_EQ(control.GetCurrentRowId(), s.current) << s.x;
        EXPECT_EQ(selected, s.selected) << s.x;
        EXPECT_EQ(control.m_arrDragItems.size(), s.selected.size()) << s.x;
        EXPECT_EQ(control.m_bPressed, 0) << s.x;  // every release ends the press
    }
    // A press whose release never comes leaves nothing behind once the mouse is taken away.
    vorn_test::MousePress(&body, CPoint(w + 5, y));
    EXPECT_EQ(control.m_bPressed, 1);
    host.SetCapture();
    vorn_test::ProcessEvents();
    EXPECT_EQ(control.m_bPressed, 0);
    ReleaseCapture();
}
