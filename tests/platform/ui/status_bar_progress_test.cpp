// The progress part of a status bar: shown over a pane or the whole bar, it follows the range,
// position and step it is given and gives the covered pane its text back when hidden.
#include "platform/ui/status_bar_progress.h"

#include <gtest/gtest.h>

#include <memory>

#include "notify_host.h"
#include "platform/ui/test_support.h"
#include "platform/ui/window_api.h"

#include "frame_pack_fixture.h"
#include "frame_picture.h"

namespace {

const UINT kIndicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};

class StatusBarProgressTest : public FramePackTest {
protected:
    void SetUp() override {
        FramePackTest::SetUp();
        host = std::make_unique<NotifyHost>();
        ASSERT_TRUE(bar.Create(host.get()));
        ASSERT_TRUE(bar.SetIndicators(kIndicators, 4));
        bar.MoveWindow(0, 300, 480, 24);
        bar.SetPaneText(0, L"Ready");
        ASSERT_TRUE(part.Create(&bar));
        vorn_test::ProcessEvents();
    }
    void TearDown() override {
        host->DestroyWindow();
        FramePackTest::TearDown();
    }
    CRect InBar(CWnd& child) {
        CRect rc;
        child.GetWindowRect(&rc);
        bar.ScreenToClient(&rc);
        return rc;
    }
    std::unique_ptr<NotifyHost> host;
    CStatusBar bar;
    CStatusBarProgress part;
};

TEST_F(StatusBarProgressTest, HiddenUntilShownAndTheLabelTakesTheBarsFont) {
    EXPECT_FALSE(part.IsShown());
    EXPECT_FALSE(part.GetProgressCtrl().IsWindowVisible());
    EXPECT_FALSE(part.GetLabel().IsWindowVisible());
    EXPECT_EQ(part.GetLabel().GetDlgCtrlID(), 0xFFFF);
    EXPECT_EQ(part.GetLabel().SendMessage(WM_GETFONT), bar.SendMessage(WM_GETFONT));
    CStatusBarProgress unattached;
    EXPECT_FALSE(unattached.Create(nullptr));
}

TEST_F(StatusBarProgressTest, SteppingMovesThePositionAndHidingGivesThePaneItsTextBack) {
    part.SetRange(0, 5);
    part.SetPos(0);
    part.SetStep(1);
    part.SetLabelText(L"Placing lessons");
    part.Show(0);
    EXPECT_TRUE(part.IsShown());
    EXPECT_TRUE(part.GetProgressCtrl().IsWindowVisible());
    EXPECT_TRUE(part.GetLabel().IsWindowVisible());
    EXPECT_EQ(bar.GetPaneText(0), CString());
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(part.StepIt(), i - 1);
        EXPECT_EQ(part.GetPos(), i);
    }
    EXPECT_EQ(part.GetProgressCtrl().GetPos(), 3);
    // The part lies inside the message pane, the control first and the label after it.
    CRect pane, progress = InBar(part.GetProgressCtrl()), label = InBar(part.GetLabel());
    bar.GetItemRect(0, &pane);
    EXPECT_GE(progress.left, pane.left);
    EXPECT_EQ(progress.Width(), 160);
    EXPECT_GT(label.left, progress.right);
    EXPECT_LE(label.right, pane.right);
    EXPECT_GT(progress.Height(), 0);

    const QImage picture = SaveWindowPicture(&bar, "status_bar_progress.png");
    EXPECT_FALSE(picture.isNull());

    // Showing again must not take the blanked text for the pane's own.
    part.Show(0);
    part.Hide();
    EXPECT_FALSE(part.IsShown());
    EXPECT_FALSE(part.GetProgressCtrl().IsWindowVisible());
    EXPECT_FALSE(part.GetLabel().IsWindowVisible());
    EXPECT_EQ(bar.GetPaneText(0), CString(L"Ready"));
    EXPECT_EQ(bar.GetPaneText(1), CString(L"CAP"));
}

TEST_F(StatusBarProgressTest, TextWrittenIntoTheCoveredPaneIsKept) {
    part.Show(0);
    bar.SetPaneText(0, L"Saved");
    part.Hide();
    EXPECT_EQ(bar.GetPaneText(0), CString(L"Saved"));
}

TEST_F(StatusBarProgressTest, OverTheWholeBarTheControlStartsAtTheLeftAndTheLabelRunsToTheRight) {
    part.SetLabelText(L"Checking the plan");
    part.Show();
    CRect client, progress = InBar(part.GetProgressCtrl()), label = InBar(part.GetLabel());
    bar.GetClientRect(&client);
    EXPECT_EQ(progress, CRect(client.left + 5, client.top + 2, client.left + 165, client.bottom - 2));
    EXPECT_EQ(label, CRect(client.left + 170, client.top + 2, client.right - 5, client.bottom - 2));
    EXPECT_EQ(bar.GetPaneText(0), CString(L"Ready"));  // no pane is covered
    part.Hide();
    EXPECT_EQ(bar.GetPaneText(0), CString(L"Ready"));
}

TEST_F(StatusBarProgressTest, LabelTextSetWhileHiddenShowsWithTheNextShow) {
    part.SetLabelText(L"Printing");
    EXPECT_EQ(part.GetLabelText(), CString(L"Printing"));
    EXPECT_FALSE(part.GetLabel().IsWindowVisible());
    EXPECT_EQ(InBar(part.GetLabel()).Width(), 0);  // not laid out while hidden
    part.Show();
    EXPECT_TRUE(part.GetLabel().IsWindowVisible());
    EXPECT_GT(InBar(part.GetLabel()).Width(), 0);
    EXPECT_EQ(part.GetLabelText(), CString(L"Printing"));
}

}  // namespace
