#include "platform/ui/re_bar.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/ui/message_map.h"
#include "platform/ui/test_support.h"
#include "platform/ui/tool_bar.h"
#include "platform/ui/tool_bar_ctrl.h"
#include "platform/ui/window_api.h"

#include "frame_pack_fixture.h"

namespace {

// The rebar's parent: records commands and height changes.
class CHost : public CWnd {
public:
    std::vector<UINT> commands;
    int heightChanges = 0;
    BOOL OnCommand(WPARAM wParam, LPARAM) override {
        commands.push_back(LOWORD(wParam));
        return TRUE;
    }
    BOOL OnNotify(WPARAM, LPARAM lParam, LRESULT*) override {
        if (reinterpret_cast<NMHDR*>(lParam)->code == static_cast<UINT>(RBN_HEIGHTCHANGE)) ++heightChanges;
        return TRUE;
    }
};

class ReBarTest : public FramePackTest {
protected:
    void SetUp() override {
        FramePackTest::SetUp();
        ASSERT_TRUE(host.CreateEx(0, nullptr, L"host", WS_POPUP | WS_VISIBLE, CRect(0, 0, 600, 200), nullptr, 0));
        ASSERT_TRUE(rebar.Create(&host));
        rebar.MoveWindow(0, 0, 600, 10);
        // A text-only bar standing for a menu bar, and the pack's toolbar on a row of its own.
        ASSERT_TRUE(menuBar.Create(WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_LIST | CCS_NORESIZE, CRect(0, 0, 120, 22), &host, 7));
        menuBar.SetBitmapSize(CSize(1, 1));
        ASSERT_TRUE(toolbar.CreateEx(&host, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP));
        ASSERT_TRUE(toolbar.LoadToolBar(IDR_TESTFRAME));
        ASSERT_TRUE(rebar.AddBar(&menuBar, nullptr, nullptr, RBBS_GRIPPERALWAYS | RBBS_FIXEDBMP));
        ASSERT_TRUE(rebar.AddBar(&toolbar, nullptr, nullptr, RBBS_BREAK));
        vorn_test::ProcessEvents();
    }
    void TearDown() override {
        host.DestroyWindow();
        FramePackTest::TearDown();
    }
    CHost host;
    CReBar rebar;
    CToolBarCtrl menuBar;
    CToolBar toolbar;
};

TEST_F(ReBarTest, BandsTakeTheirChildrenInRowsAndTheRebarFitsItsHeight) {
    CReBarCtrl& ctrl = rebar.GetReBarCtrl();
    EXPECT_EQ(ctrl.GetBandCount(), 2u);
    EXPECT_EQ(ctrl.GetRowCount(), 2u);
    EXPECT_EQ(menuBar.GetParent(), &rebar);
    EXPECT_EQ(toolbar.GetParent(), &rebar);
    const UINT height = ctrl.GetBarHeight();
    EXPECT_EQ(height, 22u + 4 + 2 + 39 + 4);  // two rows with their padding and the border between
    CRect mine;
    rebar.GetClientRect(&mine);
    EXPECT_EQ(static_cast<UINT>(mine.Height()), height);
    EXPECT_GT(host.heightChanges, 0);
    // The last band of a row reaches the right edge; the child sits after the gripper.
    CRect band, child;
    ctrl.GetRect(0, &band);
    EXPECT_EQ(band.right, 600);
    menuBar.GetWindowRect(&child);
    rebar.ScreenToClient(&child);
    EXPECT_GT(child.left, band.left);
    EXPECT_EQ(child.Height(), 22);
}

TEST_F(ReBarTest, ChangingABandsChildSizeRelaysTheRebar) {
    CReBarCtrl& ctrl = rebar.GetReBarCtrl();
    const UINT before = ctrl.GetBarHeight();
    const int changes = host.heightChanges;
    // The way a menu bar fits its band to itself.
    REBARBANDINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = RBBIM_CHILD;
    int found = -1;
    for (UINT i = 0; i < ctrl.GetBandCount(); ++i) {
        ctrl.GetBandInfo(i, &info);
        if (info.hwndChild == menuBar.GetSafeHwnd()) found = static_cast<int>(i);
    }
    ASSERT_EQ(found, 0);
    info.fMask = RBBIM_CHILDSIZE;
    info.cxMinChild = 200;
    info.cyMinChild = info.cyChild = info.cyMaxChild = 30;
    ASSERT_TRUE(ctrl.SetBandInfo(0, &info));
    EXPECT_EQ(ctrl.GetBarHeight(), before + 8);
    EXPECT_EQ(host.heightChanges, changes + 1);
    info.fMask = RBBIM_CHILDSIZE;
    ASSERT_TRUE(ctrl.GetBandInfo(0, &info));
    EXPECT_EQ(info.cxMinChild, 200u);
    // Hiding the toolbar's band leaves one row.
    ctrl.ShowBand(1, FALSE);
    EXPECT_EQ(ctrl.GetRowCount(), 1u);
    EXPECT_FALSE(toolbar.IsWindowVisible());
}

TEST_F(ReBarTest, CommandsOfTheBandsReachTheRebarsParent) {
    CRect rc;
    toolbar.GetItemRect(toolbar.CommandToIndex(ID_TEST_NEW), &rc);
    vorn_test::Click(&toolbar, rc.CenterPoint());
    EXPECT_EQ(host.commands, std::vector<UINT>{ID_TEST_NEW});
}

}  // namespace
