// The report page's browser control: a right click inside the page shows no browser menu and
// reaches the parent as WM_CONTEXTMENU at the click's screen position; without forwarding the
// parent hears nothing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QWebEngineView>

#include <vector>

#include "platform/ui/test_support.h"
#include "platform/ui/window_api.h"
#include "reports/html_ctrl.h"

namespace {

class CMenuRecorder : public CWnd {
public:
    std::vector<std::pair<WPARAM, LPARAM>> menus;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_CONTEXTMENU) menus.emplace_back(wParam, lParam);
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

void RightClick(CHtmlCtrl& browser, QPoint at) {
    QWidget* target = browser.GetBrowser()->focusProxy();
    ASSERT_NE(target, nullptr);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        const Qt::MouseButtons buttons = type == QEvent::MouseButtonPress ? Qt::RightButton : Qt::NoButton;
        QMouseEvent e(type, QPointF(at), QPointF(target->mapToGlobal(at)), Qt::RightButton, buttons, Qt::NoModifier,
                      QPointingDevice::primaryPointingDevice());
        QCoreApplication::sendEvent(target, &e);
    }
    vorn_test::ProcessEvents(300);
}

TEST(HtmlCtrl, RightClickReachesTheParentAtItsScreenPosition) {
    CMenuRecorder parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, L"page", WS_POPUP | WS_VISIBLE, CRect(40, 30, 640, 480), nullptr, 0));
    CHtmlCtrl browser;
    ASSERT_TRUE(browser.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(20, 10, 600, 440), &parent, 59648));
    ASSERT_EQ(browser.WriteHtml(L"<html><body><p style='height:300px'>Report</p></body></html>"), S_OK);
    const QPoint at(50, 60);
    const QPoint screen = browser.GetBrowser()->focusProxy()->mapToGlobal(at);

    RightClick(browser, at);
    EXPECT_TRUE(parent.menus.empty());  // forwarding is off

    browser.m_forwardContextMenu = 1;
    RightClick(browser, at);
    ASSERT_EQ(parent.menus.size(), 1u);
    EXPECT_EQ(GET_X_LPARAM(parent.menus[0].second), screen.x());
    EXPECT_EQ(GET_Y_LPARAM(parent.menus[0].second), screen.y());
    // The browser window is away from the parent's corner, so client and screen points differ.
    EXPECT_NE(screen, at);
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_FALSE(qobject_cast<QMenu*>(w) && w->isVisible()) << "the engine showed its menu";
    browser.DestroyWindow();
    parent.DestroyWindow();
}

}  // namespace
