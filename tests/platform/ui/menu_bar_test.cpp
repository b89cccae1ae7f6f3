// A menu bar made of the layer's parts, as the frame builds one: a text-only toolbar with one
// button per top-level entry, popups tracked under the buttons, a message filter that follows
// the mouse from one button to the next while a popup is open, commands sent on to the frame.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

#include <string>
#include <vector>

#include "platform/ui/frame_wnd.h"
#include "platform/ui/menu.h"
#include "platform/ui/message_map.h"
#include "platform/ui/test_support.h"
#include "platform/ui/tool_bar_ctrl.h"
#include "platform/ui/window_api.h"

#include "frame_pack_fixture.h"
#include "frame_picture.h"

namespace {

std::vector<std::string> g_hits;

class CBarFrame : public CFrameWnd {
public:
    void OnCopy() { g_hits.push_back("copy"); }
    void OnNew() { g_hits.push_back("new"); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CBarFrame, CFrameWnd)
    ON_COMMAND(ID_TEST_COPY, &CBarFrame::OnCopy)
    ON_COMMAND(ID_TEST_NEW, &CBarFrame::OnNew)
END_MESSAGE_MAP()

class CTestMenuBar;
CTestMenuBar* g_tracking = nullptr;
HHOOK g_hook = nullptr;

class CTestMenuBar : public CToolBarCtrl {
public:
    CFrameWnd* frame = nullptr;
    CMenu* menu = nullptr;
    int current = -1;
    int switchTo = -1;
    std::vector<POINT> opened;  // where each popup was asked to open

    void Fill() {
        SetBitmapSize(CSize(1, 1));
        for (int i = 0; i < menu->GetMenuItemCount(); ++i) {
            CString text;
            menu->GetMenuString(static_cast<UINT>(i), text, MF_BYPOSITION);
            std::wstring list(text.GetString());
            list.push_back(L'\0');
            TBBUTTON b{};
            b.iBitmap = -1;
            b.idCommand = i;
            b.fsState = TBSTATE_ENABLED;
            b.fsStyle = BTNS_AUTOSIZE;
            b.iString = AddStrings(list.c_str());
            AddButtons(1, &b);
        }
    }

    // Opens the popups one after the other while the mouse moves the bar to another button.
    void TrackFrom(int index) {
        for (int next = index; next >= 0;) {
            current = next;
            switchTo = -1;
            CRect rc;
            GetItemRect(current, &rc);
            ClientToScreen(&rc);
            TPMPARAMS tpm{sizeof(TPMPARAMS), rc};
            PressButton(current, TRUE);
            g_tracking = this;
            g_hook = SetWindowsHookEx(WH_MSGFILTER, &Filter, nullptr, GetCurrentThreadId());
            menu->GetSubMenu(current)->TrackPopupMenuEx(TPM_VERTICAL | TPM_RIGHTBUTTON, rc.left, rc.bottom, this, &tpm);
            UnhookWindowsHookEx(g_hook);
            g_tracking = nullptr;
            PressButton(current, FALSE);
            next = switchTo;
        }
    }

    static LRESULT Filter(int code, WPARAM wParam, LPARAM lParam) {
        auto* msg = reinterpret_cast<MSG*>(lParam);
        if (code == MSGF_MENU && g_tracking && msg->message == WM_MOUSEMOVE) {
            POINT pt{GET_X_LPARAM(msg->lParam), GET_Y_LPARAM(msg->lParam)};
            g_tracking->ScreenToClient(&pt);
            const int hit = g_tracking->HitTest(&pt);
            if (hit >= 0 && hit != g_tracking->current) {
                g_tracking->switchTo = hit;
                g_tracking->SendMessage(WM_CANCELMODE);
                return 1;
            }
        }
        return CallNextHookEx(g_hook, code, wParam, lParam);
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        // The frame updates the popups and receives the commands, as with a window menu.
        if (message == WM_INITMENUPOPUP || message == WM_MENUSELECT) frame->SendMessage(message, wParam, lParam);
        if (message == WM_COMMAND) return frame->SendMessage(message, wParam, lParam);
        return CToolBarCtrl::WindowProc(message, wParam, lParam);
    }
};

class MenuBarTest : public FramePackTest {
protected:
    void SetUp() override {
        FramePackTest::SetUp();
        g_hits.clear();
        frame = new CBarFrame;
        ASSERT_TRUE(frame->LoadFrame(IDR_TESTFRAME));
        frame->MoveWindow(20, 20, 400, 200);
        bar.frame = frame;
        bar.menu = frame->GetMenu();
        ASSERT_TRUE(bar.Create(WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_LIST | CCS_NORESIZE, CRect(0, 0, 400, 24), frame, 0));
        bar.Fill();
        frame->ShowWindow(SW_SHOW);
        vorn_test::ProcessEvents();
    }
    void TearDown() override {
        SetMenuChooser({});
        bar.DestroyWindow();
        frame->DestroyWindow();
        FramePackTest::TearDown();
    }
    QPoint ButtonCentreOnScreen(int index) {
        CRect rc;
        bar.GetItemRect(index, &rc);
        bar.ClientToScreen(&rc);
        return QPoint(rc.CenterPoint().x, rc.CenterPoint().y);
    }
    CBarFrame* frame = nullptr;
    CTestMenuBar bar;
};

TEST_F(MenuBarTest, MovingTheMouseAcrossTheBarSwitchesPopupsAndTheChoiceReachesTheFrame) {
    std::vector<HMENU> shown;
    std::vector<bool> pasteEnabled;
    int step = 0;
    SetMenuChooser([&](CMenuTrackRequest& request) {
        shown.push_back(request.hMenu);
        bar.opened.push_back(request.pt);
        return DriveMenu(request, [&](QMenu* menu) {
            if (step++ == 0) {
                // Over the second button ("Edit") while "File" is open.
                QMouseEvent move(QEvent::MouseMove, QPointF(menu->mapFromGlobal(ButtonCentreOnScreen(1))),
                                 QPointF(ButtonCentreOnScreen(1)), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
                QApplication::sendEvent(menu, &move);
                return;
            }
            for (QAction* a : menu->actions())
                if (a->text() == QStringLiteral("&Paste")) pasteEnabled.push_back(a->isEnabled());
            menu->actions()[1]->trigger();  // "Copy"
        });
    });
    SaveWindowPicture(frame, "menu_bar.png");
    bar.TrackFrom(0);
    vorn_test::ProcessEvents();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], bar.menu->GetSubMenu(0)->GetSafeHmenu());
    EXPECT_EQ(shown[1], bar.menu->GetSubMenu(1)->GetSafeHmenu());
    // Each popup opened under its button.
    CRect edit;
    bar.GetItemRect(1, &edit);
    bar.ClientToScreen(&edit);
    EXPECT_EQ(bar.opened[1].x, edit.left);
    EXPECT_EQ(bar.opened[1].y, edit.bottom);
    // The frame's command update ran for the popup; the command went to the frame.
    EXPECT_EQ(pasteEnabled, std::vector<bool>{false});
    EXPECT_EQ(g_hits, std::vector<std::string>{"copy"});
    EXPECT_FALSE(bar.IsButtonPressed(1));
}

}  // namespace
