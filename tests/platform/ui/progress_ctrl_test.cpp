// The progress bar keeps its position inside its range and wraps round when stepped past
// the end.
#include <gtest/gtest.h>

#include "notify_host.h"
#include "platform/ui/progress_ctrl.h"
#include "platform/ui/scroll_bar.h"
#include "platform/ui/test_support.h"

TEST(ProgressControl, PositionStaysInRangeAndSteppingWraps) {
    NotifyHost host;
    CProgressCtrl bar;
    ASSERT_TRUE(bar.Create(WS_VISIBLE, CRect(10, 10, 210, 30), &host, 1));
    bar.SetRange(0, 50);
    EXPECT_EQ(bar.SetPos(80), 0);
    EXPECT_EQ(bar.GetPos(), 50);
    bar.SetPos(40);
    bar.SetStep(15);
    EXPECT_EQ(bar.StepIt(), 40);
    EXPECT_EQ(bar.GetPos(), 5);
    bar.OffsetPos(-10);
    EXPECT_EQ(bar.GetPos(), 0);
    int low = -1, high = -1;
    bar.SetRange32(10, 100000);
    bar.GetRange(low, high);
    EXPECT_EQ(low, 10);
    EXPECT_EQ(high, 100000);
    EXPECT_EQ(bar.GetPos(), 10);
}

// A scroll bar control reports to its parent and leaves moving the thumb to it.
class ScrollHost : public NotifyHost {
public:
    std::vector<UINT> codes;
    HWND from = nullptr;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_VSCROLL) {
            codes.push_back(LOWORD(wParam));
            from = reinterpret_cast<HWND>(lParam);
            return 0;
        }
        return NotifyHost::WindowProc(message, wParam, lParam);
    }
};

TEST(ScrollBarControl, ArrowClickReportsAndTheOwnerMovesTheThumb) {
    ScrollHost host;
    CScrollBar bar;
    ASSERT_TRUE(bar.Create(WS_VISIBLE | SBS_VERT, CRect(10, 10, 27, 210), &host, 3));
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 100, 10, 5, 0};
    bar.SetScrollInfo(&info);
    EXPECT_EQ(bar.GetScrollPos(), 5);
    EXPECT_EQ(bar.GetScrollLimit(), 91);
    vorn_test::Click(&bar, CPoint(8, 195));  // the down arrow
    ASSERT_FALSE(host.codes.empty());
    EXPECT_EQ(host.codes.front(), SB_LINEDOWN);
    EXPECT_EQ(host.from, bar.m_hWnd);
    EXPECT_EQ(bar.GetScrollPos(), 5);
    bar.SetScrollPos(200);
    EXPECT_EQ(bar.GetScrollPos(), 91);
}
