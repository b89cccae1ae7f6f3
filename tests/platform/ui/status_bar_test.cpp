#include "platform/ui/status_bar.h"

#include <gtest/gtest.h>

#include <QMenu>

#include "platform/core/colors.h"
#include "platform/ui/client_dc.h"
#include "platform/ui/frame_wnd.h"
#include "platform/ui/idle_hooks.h"
#include "platform/ui/menu.h"
#include "platform/ui/re_bar.h"
#include "platform/ui/test_support.h"
#include "platform/ui/tool_bar.h"
#include "platform/ui/window_api.h"
#include "platform/ui/window_class.h"

#include "frame_pack_fixture.h"
#include "frame_picture.h"

namespace {

const UINT kIndicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};

// A stand-in for a long operation's progress part: a child that fills a share of itself.
class CProgressPart : public CWnd {
public:
    int percent = 0;
    DECLARE_MESSAGE_MAP()
    void OnPaint() {
        CPaintDC dc(this);
        CRect rc;
        GetClientRect(&rc);
        dc.FillSolidRect(&rc, RGB(255, 255, 255));
        dc.Draw3dRect(&rc, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));
        CRect done = rc;
        done.DeflateRect(2, 2);
        done.right = done.left + done.Width() * percent / 100;
        dc.FillSolidRect(&done, RGB(0, 120, 215));
    }
};
BEGIN_MESSAGE_MAP(CProgressPart, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

// A status bar that leaves its panes unpainted while a part covers them, as a bar with a
// progress part does.
class CCoveredStatusBar : public CStatusBar {
public:
    CProgressPart part;
    bool partShown = false;
    void ShowPart(bool show) {
        partShown = show;
        if (show) {
            CRect rc;
            GetClientRect(&rc);
            part.MoveWindow(rc.left + 5, rc.top + 2, 160, rc.Height() - 4);
        }
        part.ShowWindow(show ? SW_SHOW : SW_HIDE);
        Invalidate();
        UpdateWindow();
    }
    void OnPaint() {
        if (!partShown) {
            CStatusBar::OnPaint();
            return;
        }
        CPaintDC dc(this);  // validates without drawing the panes
        CRect rc;
        GetClientRect(&rc);
        dc.FillSolidRect(&rc, GetSysColor(COLOR_BTNFACE));
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CCoveredStatusBar, CStatusBar)
    ON_WM_PAINT()
END_MESSAGE_MAP()

class CBarsFrame : public CFrameWnd {
public:
    CReBar rebar;
    CToolBar toolbar;
    CCoveredStatusBar status;
    CWnd pane;
    void OnNew() {}
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CBarsFrame, CFrameWnd)
    ON_COMMAND(ID_TEST_NEW, &CBarsFrame::OnNew)
END_MESSAGE_MAP()

class StatusBarTest : public FramePackTest {
protected:
    void SetUp() override {
        FramePackTest::SetUp();
        frame = new CBarsFrame;
        ASSERT_TRUE(frame->LoadFrame(IDR_TESTFRAME));
        frame->MoveWindow(30, 30, 520, 260);
        ASSERT_TRUE(frame->toolbar.CreateEx(frame, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP));
        ASSERT_TRUE(frame->toolbar.LoadToolBar(IDR_TESTFRAME));
        ASSERT_TRUE(frame->rebar.Create(frame));
        ASSERT_TRUE(frame->rebar.AddBar(&frame->toolbar, nullptr, nullptr, RBBS_BREAK));
        ASSERT_TRUE(frame->status.Create(frame, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM | CBRS_BORDER_TOP));
        ASSERT_TRUE(frame->status.SetIndicators(kIndicators, 4));
        ASSERT_TRUE(frame->status.part.Create(nullptr, nullptr, WS_CHILD, CRect(0, 0, 0, 0), &frame->status, 0xFFFE));
        ASSERT_TRUE(frame->pane.CreateEx(WS_EX_CLIENTEDGE, AfxRegisterWndClass(0, nullptr, GetSysColorBrush(COLOR_WINDOW)),
                                         nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), frame, AFX_IDW_PANE_FIRST));
        frame->ShowWindow(SW_SHOW);
        frame->RecalcLayout();
        vorn_test::ProcessEvents();
    }
    void TearDown() override {
        frame->DestroyWindow();
        FramePackTest::TearDown();
    }
    CStatusBar& Status() { return frame->status; }
    CBarsFrame* frame = nullptr;
};

TEST_F(StatusBarTest, TheFirstPaneTakesTheRoomTheIndicatorsLeave) {
    ASSERT_EQ(Status().GetCount(), 4);
    EXPECT_EQ(Status().GetPaneText(1), CString(L"CAP"));
    EXPECT_EQ(Status().CommandToIndex(ID_INDICATOR_SCRL), 3);
    EXPECT_EQ(Status().GetItemID(2), static_cast<UINT>(ID_INDICATOR_NUM));
    CRect client, first, caps, num, scroll;
    Status().GetClientRect(&client);
    Status().GetItemRect(0, &first);
    Status().GetItemRect(1, &caps);
    Status().GetItemRect(2, &num);
    Status().GetItemRect(3, &scroll);
    EXPECT_LT(caps.Width(), first.Width());
    EXPECT_LT(caps.Width(), scroll.Width());  // "CAP" is narrower than "SCRL"
    EXPECT_GT(scroll.right, client.right - 10);
    EXPECT_LT(first.right, caps.left);
    // A wider pane pushes the first one narrower.
    UINT id, style;
    int width;
    Status().GetPaneInfo(1, id, style, width);
    Status().SetPaneInfo(1, id, style, width + 40);
    CRect narrower;
    Status().GetItemRect(0, &narrower);
    EXPECT_EQ(narrower.Width(), first.Width() - 40);
}

TEST_F(StatusBarTest, DockedAtTheBottomWithTheToolbarRebarOnTopAndThePaneBetween) {
    CRect client, rebar, status, pane;
    frame->GetClientRect(&client);
    auto inFrame = [this](CWnd& w) {
        CRect rc;
        w.GetWindowRect(&rc);
        frame->ScreenToClient(&rc);
        return rc;
    };
    rebar = inFrame(frame->rebar);
    status = inFrame(frame->status);
    pane = inFrame(frame->pane);
    EXPECT_EQ(rebar.top, 0);
    EXPECT_EQ(rebar.Height(), 39 + 4);  // the toolbar's buttons and the band's padding
    EXPECT_EQ(status.bottom, client.bottom);
    EXPECT_EQ(pane.top, rebar.bottom);
    EXPECT_EQ(pane.bottom, status.top);
    EXPECT_EQ(frame->toolbar.GetParent(), &frame->rebar);
}

TEST_F(StatusBarTest, MessageTextPromptsAndTheIdlePromptShowInTheFirstPane) {
    frame->SetMessageText(L"Checking the plan");
    EXPECT_EQ(Status().GetPaneText(0), CString(L"Checking the plan"));
    frame->SetMessageText(ID_TEST_SAVE);
    EXPECT_EQ(Status().GetPaneText(0), CString(L"Save the plan"));
    // Moving through a menu shows the prompt of the item; closing it the idle prompt.
    SetMenuChooser([](CMenuTrackRequest& request) {
        return DriveMenu(request, [](QMenu* menu) { menu->setActiveAction(menu->actions()[0]); });
    });
    frame->GetMenu()->GetSubMenu(0)->TrackPopupMenu(TPM_RETURNCMD, 100, 100, frame);
    SetMenuChooser({});
    EXPECT_EQ(Status().GetPaneText(0), CString(L"Ready"));
    frame->SendMessage(WM_MENUSELECT, MAKEWPARAM(ID_TEST_NEW, MF_HILITE),
                       reinterpret_cast<LPARAM>(frame->GetMenu()->GetSubMenu(0)->GetSafeHmenu()));
    EXPECT_EQ(Status().GetPaneText(0), CString(L"Start a new plan"));
}

TEST_F(StatusBarTest, KeyIndicatorsFollowTheKeyStateOnIdle) {
    const bool capsOn = (GetKeyState(VK_CAPITAL) & 1) != 0;
    RunIdleHooks();
    EXPECT_EQ((Status().GetPaneStyle(1) & SBPS_DISABLED) == 0, capsOn);
    vorn_test::KeyPress(&frame->pane, Qt::Key_CapsLock);
    RunIdleHooks();
    EXPECT_EQ((Status().GetPaneStyle(1) & SBPS_DISABLED) == 0, !capsOn);
}

TEST_F(StatusBarTest, APartCoveringTheBarLeavesThePanesUnpainted) {
    frame->SetMessageText(L"Placing lessons");
    frame->status.part.percent = 40;
    frame->status.ShowPart(true);
    QImage shown = SaveWindowPicture(frame, "status_bar_progress.png");
    CRect part;
    frame->status.part.GetWindowRect(&part);
    frame->ScreenToClient(&part);
    // Inside the part, 10% in: the progress colour; the panes' text is gone under it.
    EXPECT_EQ(QColor(shown.pixel(part.left + part.Width() / 10, part.CenterPoint().y)), QColor(0, 120, 215));
    frame->status.ShowPart(false);
    frame->SetMessageText(L"Ready for the next step");
    RunIdleHooks();
    SaveWindowPicture(frame, "frame_bars.png");
    EXPECT_FALSE(frame->status.part.IsWindowVisible());
}

}  // namespace
