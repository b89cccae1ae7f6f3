// A scroll-bar control made hidden is shown and enabled through the SB_CTL forms; disabled
// arrows give no scroll messages to the parent.
#include <gtest/gtest.h>

#include <vector>

#include "notify_host.h"
#include "platform/ui/scroll_bar.h"
#include "platform/ui/test_support.h"
#include "platform/ui/window_api.h"

namespace {

class BarParent : public NotifyHost {
public:
    std::vector<UINT> codes;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_VSCROLL) codes.push_back(LOWORD(wParam));
        return NotifyHost::WindowProc(message, wParam, lParam);
    }
};

class ScrollBarCtlTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(bar.Create(WS_CHILD | SBS_VERT, CRect(10, 10, 27, 210), &parent, 3));
        SCROLLINFO info{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 100, 10, 50, 0};
        bar.SetScrollInfo(&info);
    }
    std::vector<UINT> ClickArrows() {
        parent.codes.clear();
        vorn_test::Click(&bar, CPoint(8, 5));    // up arrow
        vorn_test::Click(&bar, CPoint(8, 195));  // down arrow
        return parent.codes;
    }
    BarParent parent;
    CScrollBar bar;
};

TEST_F(ScrollBarCtlTest, ShowScrollBarWithSbCtlShowsAndHidesTheControl) {
    EXPECT_FALSE(bar.IsWindowVisible());
    bar.ShowScrollBar(TRUE);
    EXPECT_TRUE(bar.IsWindowVisible());
    EXPECT_TRUE(::ShowScrollBar(bar.m_hWnd, SB_CTL, FALSE));
    EXPECT_FALSE(bar.IsWindowVisible());
    // The parent's own bars are not touched by it.
    EXPECT_FALSE(parent.GetStyle() & (WS_VSCROLL | WS_HSCROLL));
}

struct ArrowCase {
    UINT arrows;
    std::vector<UINT> codes;  // from clicking the up arrow, then the down arrow
};

TEST_F(ScrollBarCtlTest, DisabledArrowsGiveNoScrollMessages) {
    bar.ShowScrollBar();
    const ArrowCase cases[] = {
        {ESB_DISABLE_BOTH, {}},
        {ESB_DISABLE_UP, {SB_LINEDOWN}},
        {ESB_DISABLE_DOWN, {SB_LINEUP}},
        {ESB_ENABLE_BOTH, {SB_LINEUP, SB_LINEDOWN}},
    };
    for (const auto& c : cases) {
        ::EnableScrollBar(bar.m_hWnd, SB_CTL, c.arrows);
        std::vector<UINT> lines;
        for (UINT code : ClickArrows())
            if (code == SB_LINEUP || code == SB_LINEDOWN) lines.push_back(code);
        EXPECT_EQ(lines, c.codes) << "arrows " << c.arrows;
        EXPECT_EQ(bar.GetScrollPos(), 50);
    }
}

TEST_F(ScrollBarCtlTest, ScrollInfoWithSbCtlReachesTheControl) {
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_POS, 0, 0, 0, 20, 0};
    EXPECT_TRUE(::SetScrollInfo(bar.m_hWnd, SB_CTL, &info, TRUE));
    SCROLLINFO back{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
    EXPECT_TRUE(::GetScrollInfo(bar.m_hWnd, SB_CTL, &back));
    EXPECT_EQ(back.nPos, 20);
    EXPECT_EQ(back.nMax, 100);
    EXPECT_EQ(back.nPage, 10u);
}

}  // namespace
