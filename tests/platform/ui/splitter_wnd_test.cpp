#include "platform/ui/splitter_wnd.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/ui/test_support.h"
#include "platform/ui/window_api.h"

namespace {

class CHost : public CWnd {
public:
    std::vector<WPARAM> commands;
    BOOL OnCommand(WPARAM wParam, LPARAM) override {
        commands.push_back(wParam);
        return TRUE;
    }
};

class SplitterTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(host.CreateEx(0, nullptr, L"host", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 300), nullptr, 0));
        ASSERT_TRUE(splitter.Create(&host, TRUE, CRect(0, 0, 400, 300), 77));
        ASSERT_TRUE(left.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), &host, 1));
        ASSERT_TRUE(right.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), &host, 2));
        splitter.SetMinPaneSize(50);
        splitter.SetPanes(&left, &right);
        splitter.SetSplitPos(150);
        vorn_test::ProcessEvents();
    }
    void TearDown() override { host.DestroyWindow(); }
    int Width(CWnd& w) {
        CRect rc;
        w.GetWindowRect(&rc);
        return rc.Width();
    }
    CHost host;
    CSplitterWnd splitter;
    CWnd left, right;
};

TEST_F(SplitterTest, DraggingTheBarMovesTheSplitWithinTheLeastPaneSizes) {
    EXPECT_EQ(left.GetParent(), &splitter);
    EXPECT_EQ(Width(left), 150);
    EXPECT_EQ(Width(right), 400 - 150 - 4);
    struct Case { int dropX; int expected; };
    const Case cases[] = {
        {250, 249},  // grabbed one pixel into the bar
        {10, 50},    // the left pane keeps its least width
        {395, 346},  // and so does the right one
    };
    for (const Case& c : cases) {
        const CRect bar = splitter.GetBarRect();
        const CPoint grab(bar.left + 1, 100);
        vorn_test::MousePress(&splitter, grab);
        vorn_test::MouseMove(&splitter, CPoint(c.dropX, 100), Qt::LeftButton);
        EXPECT_EQ(splitter.GetSplitPos(), c.expected) << c.dropX;  // the panes follow while dragging
        vorn_test::MouseRelease(&splitter, CPoint(c.dropX, 100));
        EXPECT_EQ(splitter.GetSplitPos(), c.expected) << c.dropX;
        EXPECT_EQ(Width(left), c.expected) << c.dropX;
        EXPECT_EQ(Width(right), 400 - c.expected - 4) << c.dropX;
    }
    ASSERT_EQ(host.commands.size(), 3u);
    EXPECT_EQ(host.commands[0], static_cast<WPARAM>(MAKEWPARAM(77, SPN_MOVED)));
    // A press off the bar starts no drag.
    vorn_test::MousePress(&splitter, CPoint(5, 5));
    vorn_test::MouseRelease(&splitter, CPoint(200, 5));
    EXPECT_EQ(host.commands.size(), 3u);
}

}  // namespace
