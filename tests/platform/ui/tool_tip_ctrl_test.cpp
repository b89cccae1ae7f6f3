// The tooltip control: a tool's text is shown after the mouse rests on it (relayed or seen
// through TTF_SUBCLASS), asked for when it is a callback, and hidden by a click.
#include <gtest/gtest.h>

#include <QLabel>
#include <QWidget>

#include "notify_host.h"
#include "platform/ui/test_support.h"
#include "platform/ui/tool_tip_ctrl.h"
#include "platform/ui/window_api.h"

namespace {

QString Shown(CToolTipCtrl& tip) {
    QWidget* w = tip.GetWidget();
    if (!w || !w->isVisible()) return QString();
    auto* label = w->findChild<QLabel*>();
    return label ? label->text() : QString();
}

}  // namespace

TEST(ToolTipControl, RelayedMouseShowsTheToolUnderIt) {
    NotifyHost host;
    CToolTipCtrl tip;
    ASSERT_TRUE(tip.Create(&host));
    tip.SetDelayTime(TTDT_INITIAL, 1);
    CRect left(0, 0, 100, 100), right(100, 0, 200, 100);
    ASSERT_TRUE(tip.AddTool(&host, L"Left half", &left, 1));
    ASSERT_TRUE(tip.AddTool(&host, LPSTR_TEXTCALLBACK, &right, 2));
    EXPECT_EQ(tip.GetToolCount(), 2);
    host.onNotify = [](NMHDR* hdr) -> LRESULT {
        if (static_cast<int>(hdr->code) == TTN_GETDISPINFO) {
            auto* info = reinterpret_cast<NMTTDISPINFO*>(hdr);
            wcscpy(info->szText, hdr->idFrom == 2 ? L"Asked for" : L"?");
        }
        return 0;
    };
    MSG move{host.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10), 0, POINT{0, 0}};
    tip.RelayEvent(&move);
    vorn_test::ProcessEvents(30);
    EXPECT_EQ(Shown(tip), QStringLiteral("Left half"));
    move.lParam = MAKELPARAM(150, 10);
    tip.RelayEvent(&move);
    vorn_test::ProcessEvents(30);
    EXPECT_EQ(Shown(tip), QStringLiteral("Asked for"));
    MSG click{host.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(150, 10), 0, POINT{0, 0}};
    tip.RelayEvent(&click);
    EXPECT_TRUE(Shown(tip).isEmpty());
    // A deactivated tooltip shows nothing.
    tip.Activate(FALSE);
    move.lParam = MAKELPARAM(10, 10);
    tip.RelayEvent(&move);
    vorn_test::ProcessEvents(30);
    EXPECT_TRUE(Shown(tip).isEmpty());
}

TEST(ToolTipControl, SubclassedToolSeesTheMouseItself) {
    NotifyHost host;
    CToolTipCtrl tip;
    ASSERT_TRUE(tip.Create(&host));
    tip.SetDelayTime(TTDT_INITIAL, 1);
    TOOLINFO info{};
    info.cbSize = sizeof(TOOLINFO);
    info.uFlags = TTF_SUBCLASS;
    info.hwnd = host.m_hWnd;
    info.uId = 5;
    info.rect = RECT{0, 0, 300, 300};
    info.lpszText = const_cast<LPTSTR>(L"Whole window");
    ASSERT_TRUE(tip.SendMessage(TTM_ADDTOOL, 0, reinterpret_cast<LPARAM>(&info)));
    vorn_test::MouseMove(&host, CPoint(20, 20));
    vorn_test::ProcessEvents(30);
    EXPECT_EQ(Shown(tip), QStringLiteral("Whole window"));
    tip.UpdateTipText(L"Changed", &host, 5);
    EXPECT_EQ(Shown(tip), QStringLiteral("Changed"));
    tip.DelTool(&host, 5);
    EXPECT_EQ(tip.GetToolCount(), 0);
    EXPECT_TRUE(Shown(tip).isEmpty());
}
