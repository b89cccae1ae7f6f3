#include "platform/ui/wnd.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QPushButton>
#include <QThread>
#include <QWidget>

#include <memory>
#include <thread>
#include <vector>

#include "platform/ui/client_dc.h"
#include "platform/ui/edit.h"
#include "platform/ui/icon.h"
#include "platform/ui/message_map.h"
#include "platform/ui/test_support.h"
#include "platform/ui/window_api.h"
#include "platform/ui/window_class.h"

namespace {

struct Received {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// Records every message its window procedure sees (input messages only unless told otherwise).
class CRecorder : public CWnd {
public:
    std::vector<Received> log;
    bool captureOnPress = false;
    bool recordAll = false;
    HWND ownerOfLastCapture = nullptr;
    LRESULT mouseActivateAnswer = 0;  // 0: the default answer

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        const bool input = (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
                           (message >= WM_KEYFIRST && message <= WM_KEYLAST) || message == WM_CAPTURECHANGED ||
                           message == WM_MOUSELEAVE || message == WM_SETFOCUS || message == WM_KILLFOCUS;
        if (input || recordAll) log.push_back({message, wParam, lParam});
        if (message == WM_MOUSEACTIVATE && mouseActivateAnswer) return mouseActivateAnswer;
        if (message == WM_LBUTTONDOWN && captureOnPress) SetCapture();
        if (message == WM_LBUTTONUP && captureOnPress && GetCapture() == this) ReleaseCapture();
        return CWnd::WindowProc(message, wParam, lParam);
    }

    std::vector<UINT> Messages(UINT first = 0, UINT last = 0xFFFF) const {
        std::vector<UINT> out;
        for (const auto& r : log)
            if (r.message >= first && r.message <= last) out.push_back(r.message);
        return out;
    }
};

class WindowTest : public ::testing::Test {
protected:
    std::unique_ptr<CRecorder> MakeWindow(UINT classStyle, const CRect& rc = CRect(100, 100, 300, 250)) {
        auto w = std::make_unique<CRecorder>();
        LPCTSTR cls = AfxRegisterWndClass(classStyle, LoadCursor(nullptr, IDC_ARROW), GetSysColorBrush(COLOR_WINDOW));
        EXPECT_TRUE(w->CreateEx(0, cls, L"test", WS_POPUP | WS_VISIBLE, rc, nullptr, 0));
        vorn_test::ProcessEvents();
        w->log.clear();
        return w;
    }
};

TEST_F(WindowTest, ClickGivesButtonDownAndUpWithClientCoordinatesAndKeyFlags) {
    auto w = MakeWindow(0);
    vorn_test::Click(w.get(), CPoint(12, 34), Qt::LeftButton, Qt::ShiftModifier);
    const auto buttons = w->Messages(WM_LBUTTONDOWN, WM_MBUTTONDBLCLK);
    ASSERT_EQ(buttons, (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP}));
    for (const auto& r : w->log) {
        if (r.message != WM_LBUTTONDOWN && r.message != WM_LBUTTONUP) continue;
        EXPECT_EQ(GET_X_LPARAM(r.lParam), 12);
        EXPECT_EQ(GET_Y_LPARAM(r.lParam), 34);
        EXPECT_TRUE(r.wParam & MK_SHIFT);
        EXPECT_EQ((r.wParam & MK_LBUTTON) != 0, r.message == WM_LBUTTONDOWN);
    }
}

struct DoubleClickCase {
    UINT classStyle;
    std::vector<UINT> expected;
};

TEST_F(WindowTest, DoubleClickNeedsTheDblClksClassStyle) {
    const DoubleClickCase cases[] = {
        {CS_DBLCLKS, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}},
        {0, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDOWN, WM_LBUTTONUP}},
    };
    for (const auto& c : cases) {
        auto w = MakeWindow(c.classStyle);
        vorn_test::DoubleClick(w.get(), CPoint(20, 20));
        EXPECT_EQ(w->Messages(WM_LBUTTONDOWN, WM_MBUTTONDBLCLK), c.expected) << "class style " << c.classStyle;
        // A third press right after a double click is a plain press again.
        w->log.clear();
        vorn_test::MousePress(w.get(), CPoint(20, 20), Qt::LeftButton, Qt::NoModifier, 50);
        EXPECT_EQ(w->Messages(WM_LBUTTONDOWN, WM_MBUTTONDBLCLK), std::vector<UINT>{WM_LBUTTONDOWN});
        vorn_test::MouseRelease(w.get(), CPoint(20, 20));
    }
}

TEST_F(WindowTest, DragUnderCaptureFollowsTheMouseOutsideWithNegativeCoordinates) {
    auto w = MakeWindow(0);
    w->captureOnPress = true;
    vorn_test::MousePress(w.get(), CPoint(10, 10));
    EXPECT_EQ(CWnd::GetCapture(), w.get());
    vorn_test::MouseMove(w.get(), CPoint(-30, -7), Qt::LeftButton);
    vorn_test::MouseRelease(w.get(), CPoint(-40, 300));
    EXPECT_EQ(CWnd::GetCapture(), nullptr);

    std::vector<Received> moves, ups;
    for (const auto& r : w->log) {
        if (r.message == WM_MOUSEMOVE) moves.push_back(r);
        if (r.message == WM_LBUTTONUP) ups.push_back(r);
    }
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(GET_X_LPARAM(moves[0].lParam), -30);
    EXPECT_EQ(GET_Y_LPARAM(moves[0].lParam), -7);
    EXPECT_TRUE(moves[0].wParam & MK_LBUTTON);
    ASSERT_EQ(ups.size(), 1u);
    EXPECT_EQ(GET_X_LPARAM(ups[0].lParam), -40);
    EXPECT_EQ(GET_Y_LPARAM(ups[0].lParam), 300);
    EXPECT_EQ(w->Messages(WM_CAPTURECHANGED, WM_CAPTURECHANGED).size(), 1u);

    // Without capture a move outside the window does not reach it.
    w->log.clear();
    w->captureOnPress = false;
    vorn_test::MouseMove(w.get(), CPoint(-30, -7));
    EXPECT_TRUE(w->Messages(WM_MOUSEMOVE, WM_MOUSEMOVE).empty());
}

TEST_F(WindowTest, WheelTurnSendsDeltaAndScreenPoint) {
    auto w = MakeWindow(0);
    w->SetFocus();
    vorn_test::Wheel(w.get(), CPoint(5, 6), -120, Qt::ControlModifier);
    ASSERT_EQ(w->Messages(WM_MOUSEWHEEL, WM_MOUSEWHEEL).size(), 1u);
    for (const auto& r : w->log) {
        if (r.message != WM_MOUSEWHEEL) continue;
        EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(r.wParam), -120);
        EXPECT_TRUE(LOWORD(r.wParam) & MK_CONTROL);
        CPoint screen(5, 6);
        w->ClientToScreen(&screen);
        EXPECT_EQ(GET_X_LPARAM(r.lParam), screen.x);
        EXPECT_EQ(GET_Y_LPARAM(r.lParam), screen.y);
    }
}

TEST_F(WindowTest, KeyPressGivesKeyDownCharAndKeyUp) {
    auto w = MakeWindow(0);
    w->SetFocus();
    w->log.clear();
    vorn_test::KeyPress(w.get(), Qt::Key_A, QStringLiteral("a"));
    ASSERT_EQ(w->Messages(WM_KEYFIRST, WM_KEYLAST), (std::vector<UINT>{WM_KEYDOWN, WM_CHAR, WM_KEYUP}));
    const auto& down = w->log[0];
    EXPECT_EQ(down.wParam, static_cast<WPARAM>('A'));
    EXPECT_EQ(down.lParam & 0xFFFF, 1);          // repeat count
    EXPECT_EQ((down.lParam >> 31) & 1, 0);       // transition: pressed
    EXPECT_EQ(w->log[1].wParam, static_cast<WPARAM>('a'));
    const auto& up = w->log[2];
    EXPECT_EQ(up.wParam, static_cast<WPARAM>('A'));
    EXPECT_EQ((up.lParam >> 30) & 3, 3);         // was down, now released
    EXPECT_EQ(GetKeyState('A') & 0x8000, 0);

    // Escape is VK_ESCAPE with character 27.
    w->log.clear();
    vorn_test::KeyPress(w.get(), Qt::Key_Escape, QString(QChar(27)));
    ASSERT_EQ(w->Messages(WM_KEYFIRST, WM_KEYLAST), (std::vector<UINT>{WM_KEYDOWN, WM_CHAR, WM_KEYUP}));
    EXPECT_EQ(w->log[0].wParam, static_cast<WPARAM>(VK_ESCAPE));
    EXPECT_EQ(w->log[1].wParam, 27u);
}

// A dialog that Qt makes over one of our windows (a message box, a file dialog) keeps its own
// keys and clicks: none of them reaches the window that owns it.
TEST_F(WindowTest, AWindowThatQtMadeKeepsItsOwnKeysAndClicks) {
    auto w = MakeWindow(0);
    w->SetFocus();
    QDialog box(w->GetWidget());
    auto* edit = new QLineEdit(&box);
    auto* button = new QPushButton(QStringLiteral("OK"), &box);
    edit->setGeometry(10, 10, 100, 24);
    button->setGeometry(10, 40, 80, 24);
    bool clicked = false;
    QObject::connect(button, &QPushButton::clicked, [&clicked] { clicked = true; });
    box.setGeometry(QRect(w->GetWidget()->mapToGlobal(QPoint(20, 20)), QSize(150, 80)));
    box.show();
    edit->setFocus();
    vorn_test::ProcessEvents();
    w->log.clear();

    for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent key(type, Qt::Key_B, Qt::NoModifier, QStringLiteral("b"));
        QCoreApplication::sendEvent(edit, &key);
    }
    EXPECT_EQ(edit->text(), QStringLiteral("b"));
    const QPoint centre = button->rect().center();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent mouse(type, centre, centre, button->mapToGlobal(centre), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier,
                          QPointingDevice::primaryPointingDevice());
        QCoreApplication::sendEvent(button, &mouse);
    }
    EXPECT_TRUE(clicked);
    EXPECT_TRUE(w->Messages(WM_KEYFIRST, WM_KEYLAST).empty());
    EXPECT_TRUE(w->Messages(WM_MOUSEFIRST, WM_MOUSELAST).empty());
}

TEST_F(WindowTest, KeysOfOtherScriptsGiveKeyDownAndCharacter) {
    struct Case {
        const char* name;
        int qtKey;
        char16_t typed;
        Qt::KeyboardModifiers modifiers;
        std::vector<UINT> messages;
    };
    const Case cases[] = {
        {"Hebrew letter", 0x05E9, u'\u05E9', Qt::NoModifier, {WM_KEYDOWN, WM_CHAR, WM_KEYUP}},
        {"accented letter", Qt::Key_Eacute, u'\u00E9', Qt::NoModifier, {WM_KEYDOWN, WM_CHAR, WM_KEYUP}},
        {"Alt with a Hebrew letter", 0x05E9, u'\u05E9', Qt::AltModifier, {WM_SYSKEYDOWN, WM_SYSCHAR, WM_SYSKEYUP}},
    };
    auto w = MakeWindow(0);
    w->SetFocus();
    for (const Case& c : cases) {
        w->log.clear();
        vorn_test::KeyPress(w.get(), c.qtKey, QString(QChar(c.typed)), c.modifiers);
        ASSERT_EQ(w->Messages(WM_KEYFIRST, WM_KEYLAST), c.messages) << c.name;
        EXPECT_NE(w->log[0].wParam, 0u) << c.name;  // a virtual key, though no table names it
        EXPECT_EQ(w->log[1].wParam, static_cast<WPARAM>(c.typed)) << c.name;
    }
}

TEST_F(WindowTest, FocusMessagesNameTheOtherWindow) {
    auto a = MakeWindow(0);
    auto b = MakeWindow(0, CRect(400, 100, 500, 200));
    a->SetFocus();
    a->log.clear();
    b->log.clear();
    EXPECT_EQ(b->SetFocus(), a.get());
    ASSERT_EQ(a->Messages(WM_KILLFOCUS, WM_KILLFOCUS).size(), 1u);
    EXPECT_EQ(reinterpret_cast<HWND>(a->log.back().wParam), b->m_hWnd);
    ASSERT_EQ(b->Messages(WM_SETFOCUS, WM_SETFOCUS).size(), 1u);
    EXPECT_EQ(reinterpret_cast<HWND>(b->log.back().wParam), a->m_hWnd);
    EXPECT_EQ(CWnd::GetFocus(), b.get());
}

// A parent that takes Escape in PreTranslateMessage; its child never sees it.
class CKeyEater : public CWnd {
public:
    int eaten = 0;
    BOOL PreTranslateMessage(MSG* msg) override {
        if (msg->message == WM_KEYDOWN && msg->wParam == static_cast<WPARAM>(VK_ESCAPE)) {
            ++eaten;
            return TRUE;
        }
        return FALSE;
    }
};

TEST_F(WindowTest, PreTranslateMessageWalksFromTheTargetUpThroughItsParents) {
    CKeyEater parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, L"parent", WS_POPUP | WS_VISIBLE, CRect(50, 50, 250, 250), nullptr, 0));
    CRecorder child;
    ASSERT_TRUE(child.Create(nullptr, L"child", WS_CHILD | WS_VISIBLE, CRect(10, 10, 100, 100), &parent, 7));
    child.SetFocus();
    child.log.clear();
    vorn_test::KeyPress(&child, Qt::Key_Escape, QString(QChar(27)));
    EXPECT_EQ(parent.eaten, 1);
    // The key-down was eaten, so no character follows; the key-up still arrives.
    EXPECT_EQ(child.Messages(WM_KEYFIRST, WM_KEYLAST), std::vector<UINT>{WM_KEYUP});
    vorn_test::KeyPress(&child, Qt::Key_B, QStringLiteral("b"));
    EXPECT_EQ(parent.eaten, 1);
}

// The walk goes on from an owned window to its owner, but not to an owner that a modal
// window has disabled: its accelerators must not act meanwhile.
TEST_F(WindowTest, PreTranslateMessageSkipsADisabledOwner) {
    CKeyEater owner;
    ASSERT_TRUE(owner.CreateEx(0, nullptr, L"owner", WS_POPUP | WS_VISIBLE, CRect(50, 50, 250, 250), nullptr, 0));
    CRecorder owned;
    ASSERT_TRUE(owned.CreateEx(0, nullptr, L"owned", WS_POPUP | WS_VISIBLE, CRect(80, 80, 200, 200), &owner, 0));
    owned.SetFocus();
    vorn_test::KeyPress(&owned, Qt::Key_Escape, QString(QChar(27)));
    EXPECT_EQ(owner.eaten, 1);
    owner.EnableWindow(FALSE);
    owned.log.clear();
    vorn_test::KeyPress(&owned, Qt::Key_Escape, QString(QChar(27)));
    EXPECT_EQ(owner.eaten, 1);
    EXPECT_EQ(owned.Messages(WM_KEYFIRST, WM_KEYLAST), (std::vector<UINT>{WM_KEYDOWN, WM_CHAR, WM_KEYUP}));
    owned.DestroyWindow();
    owner.DestroyWindow();
}

TEST_F(WindowTest, PostMessageFromAnotherThreadArrivesOnTheUiThreadInOrder) {
    auto w = MakeWindow(0);
    w->recordAll = true;
    const HWND h = w->m_hWnd;
    std::thread worker([h] {
        for (int i = 0; i < 200; ++i) PostMessage(h, WM_USER + 17, static_cast<WPARAM>(i), 0);
    });
    worker.join();
    vorn_test::ProcessEvents();
    std::vector<WPARAM> order;
    for (const auto& r : w->log)
        if (r.message == WM_USER + 17) order.push_back(r.wParam);
    ASSERT_EQ(order.size(), 200u);
    for (std::size_t i = 0; i < order.size(); ++i) EXPECT_EQ(order[i], i);
}

TEST_F(WindowTest, PostedMessageToADestroyedWindowIsDropped) {
    auto w = MakeWindow(0);
    w->PostMessage(WM_USER + 1);
    w->DestroyWindow();
    vorn_test::ProcessEvents();  // must not crash
    EXPECT_FALSE(::IsWindow(w->m_hWnd));
}

TEST_F(WindowTest, TimerFiresUntilKilled) {
    auto w = MakeWindow(0);
    w->recordAll = true;
    w->SetTimer(5, 10);
    w->SetTimer(5, 10);  // setting the same id again restarts that one timer
    // Wait for the first tick (bounded, so a slow machine cannot hang the test).
    for (int i = 0; i < 200 && w->Messages(WM_TIMER, WM_TIMER).empty(); ++i) vorn_test::ProcessEvents(10);
    const auto ticks = w->Messages(WM_TIMER, WM_TIMER);
    ASSERT_FALSE(ticks.empty());
    for (const auto& r : w->log)
        if (r.message == WM_TIMER) {
            EXPECT_EQ(r.wParam, 5u);
        }
    EXPECT_TRUE(w->KillTimer(5));
    w->log.clear();
    vorn_test::ProcessEvents(40);
    EXPECT_TRUE(w->Messages(WM_TIMER, WM_TIMER).empty());
    EXPECT_FALSE(w->KillTimer(5));
}

TEST_F(WindowTest, MouseLeaveAfterTrackMouseEvent) {
    auto a = MakeWindow(0);
    auto b = MakeWindow(0, CRect(400, 100, 500, 200));
    vorn_test::MouseMove(a.get(), CPoint(10, 10));
    TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, a->m_hWnd, 0};
    ASSERT_TRUE(TrackMouseEvent(&tme));
    vorn_test::MouseMove(a.get(), CPoint(20, 10));
    vorn_test::ProcessEvents();
    EXPECT_TRUE(a->Messages(WM_MOUSELEAVE, WM_MOUSELEAVE).empty());
    vorn_test::MouseMove(b.get(), CPoint(10, 10));
    vorn_test::ProcessEvents();
    EXPECT_EQ(a->Messages(WM_MOUSELEAVE, WM_MOUSELEAVE).size(), 1u);
    // Tracking ends with the message.
    vorn_test::MouseMove(a.get(), CPoint(10, 10));
    vorn_test::MouseMove(b.get(), CPoint(10, 10));
    vorn_test::ProcessEvents();
    EXPECT_EQ(a->Messages(WM_MOUSELEAVE, WM_MOUSELEAVE).size(), 1u);
}

TEST_F(WindowTest, MouseOverAWindowShowsItsClassCursor) {
    auto w = std::make_unique<CRecorder>();
    LPCTSTR cls = AfxRegisterWndClass(0, LoadCursor(nullptr, IDC_SIZEWE), nullptr);
    ASSERT_TRUE(w->CreateEx(0, cls, L"", WS_POPUP | WS_VISIBLE, CRect(600, 100, 700, 200), nullptr, 0));
    vorn_test::MouseMove(w.get(), CPoint(5, 5));
    EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_SIZEWE));
    EXPECT_EQ(w->GetWidget()->cursor().shape(), Qt::SizeHorCursor);
}

TEST_F(WindowTest, WindowFromPointFindsTheChildAndPopupsAboveOthers) {
    auto back = MakeWindow(0, CRect(100, 100, 300, 300));
    CRecorder child;
    ASSERT_TRUE(child.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(10, 10, 50, 50), back.get(), 3));
    EXPECT_EQ(CWnd::WindowFromPoint(CPoint(120, 120)), &child);
    EXPECT_EQ(CWnd::WindowFromPoint(CPoint(200, 200)), back.get());
    EXPECT_EQ(CWnd::WindowFromPoint(CPoint(5, 5)), nullptr);
    auto front = MakeWindow(0, CRect(110, 110, 140, 140));
    EXPECT_EQ(CWnd::WindowFromPoint(CPoint(120, 120)), front.get());
    EXPECT_EQ(back->GetDlgItem(3), &child);
    EXPECT_EQ(child.GetDlgCtrlID(), 3);
    EXPECT_EQ(child.GetParent(), back.get());
}

TEST_F(WindowTest, PopupChildStyleMakesAnOwnedPopupAtScreenCoordinates) {
    auto back = MakeWindow(0, CRect(100, 100, 300, 300));
    CRecorder pane;
    ASSERT_TRUE(pane.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(10, 10, 100, 100), back.get(), 3));
    // Placed partly outside the owner: a child would be clipped and offset by the pane's origin.
    CRecorder tip;
    ASSERT_TRUE(tip.CreateEx(0, nullptr, L"", WS_POPUP | WS_CHILD | WS_VISIBLE, CRect(250, 280, 350, 320), &pane, 0));
    EXPECT_EQ(::GetWindow(tip.m_hWnd, GW_OWNER), back->m_hWnd);
    EXPECT_TRUE(tip.GetWidget()->isWindow());
    CRect rc;
    tip.GetWindowRect(&rc);
    EXPECT_EQ(rc, CRect(250, 280, 350, 320));
    EXPECT_EQ(CWnd::WindowFromPoint(CPoint(340, 310)), &tip);
    EXPECT_EQ(::GetDlgItem(pane.m_hWnd, 0), nullptr);
}

TEST_F(WindowTest, RightClickAndMenuKeyAskTheParentForTheContextMenu) {
    auto top = MakeWindow(0, CRect(100, 100, 300, 250));
    CRecorder pane;
    ASSERT_TRUE(pane.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 60), top.get(), 3));
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, CRect(10, 80, 150, 100), top.get(), 4));
    struct Case {
        const char* name;
        CWnd* target;
        bool key;
    };
    const Case cases[] = {
        {"own window, right click", &pane, false},
        {"own window, menu key", &pane, true},
        {"edit control, right click", &edit, false},
        {"edit control, menu key", &edit, true},
    };
    top->recordAll = true;
    for (const Case& c : cases) {
        top->log.clear();
        POINT expected{-1, -1};
        if (c.key) {
            c.target->SetFocus();
            vorn_test::KeyPress(c.target, Qt::Key_Menu);
        } else {
            expected = POINT{5, 6};
            c.target->ClientToScreen(&expected);
            vorn_test::Click(c.target, CPoint(5, 6), Qt::RightButton);
        }
        std::vector<Received> menus;
        for (const Received& r : top->log)
            if (r.message == WM_CONTEXTMENU) menus.push_back(r);
        ASSERT_EQ(menus.size(), 1u) << c.name;
        EXPECT_EQ(reinterpret_cast<HWND>(menus[0].wParam), c.target->m_hWnd) << c.name;
        EXPECT_EQ(GET_X_LPARAM(menus[0].lParam), expected.x) << c.name;
        EXPECT_EQ(GET_Y_LPARAM(menus[0].lParam), expected.y) << c.name;
    }
    // The toolkit's own edit menu never opens.
    QWidget* inner = edit.GetWidget()->focusProxy();
    ASSERT_NE(inner, nullptr);
    QContextMenuEvent e(QContextMenuEvent::Mouse, QPoint(5, 5), inner->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(inner, &e);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
}

TEST_F(WindowTest, MaximisingAndMinimisingTellTheStateInWmSize) {
    CRecorder frame;
    ASSERT_TRUE(frame.CreateEx(0, nullptr, L"frame", WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, CRect(50, 50, 350, 250), nullptr, 0));
    vorn_test::ProcessEvents();
    frame.recordAll = true;
    struct Case {
        int show;
        WPARAM kind;
        BOOL iconic, zoomed;
    };
    const Case cases[] = {
        {SW_SHOWMAXIMIZED, SIZE_MAXIMIZED, FALSE, TRUE},
        {SW_RESTORE, SIZE_RESTORED, FALSE, FALSE},
        {SW_MINIMIZE, SIZE_MINIMIZED, TRUE, FALSE},
        {SW_RESTORE, SIZE_RESTORED, FALSE, FALSE},
    };
    for (const Case& c : cases) {
        frame.log.clear();
        frame.ShowWindow(c.show);
        vorn_test::ProcessEvents();
        std::vector<WPARAM> kinds;
        for (const Received& r : frame.log)
            if (r.message == WM_SIZE) kinds.push_back(r.wParam);
        ASSERT_FALSE(kinds.empty()) << c.show;
        EXPECT_EQ(kinds.back(), c.kind) << c.show;
        EXPECT_EQ(frame.IsIconic(), c.iconic) << c.show;
        EXPECT_EQ(frame.IsZoomed(), c.zoomed) << c.show;
    }
}

TEST_F(WindowTest, LockWindowUpdateHoldsOneWindowAtATime) {
    auto a = MakeWindow(0);
    auto b = MakeWindow(0);
    EXPECT_TRUE(a->LockWindowUpdate());
    EXPECT_FALSE(a->GetWidget()->updatesEnabled());
    EXPECT_FALSE(b->LockWindowUpdate());
    a->UnlockWindowUpdate();
    EXPECT_TRUE(a->GetWidget()->updatesEnabled());
    EXPECT_TRUE(b->LockWindowUpdate());
    b->UnlockWindowUpdate();
}

TEST_F(WindowTest, ActivationIsToldAndEndsTheMouseCapture) {
    auto a = MakeWindow(0, CRect(100, 100, 300, 250));
    auto b = MakeWindow(0, CRect(400, 100, 600, 250));
    CRecorder pane;
    ASSERT_TRUE(pane.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(10, 10, 100, 100), a.get(), 3));
    a->recordAll = b->recordAll = pane.recordAll = true;
    QApplication::setActiveWindow(a->GetWidget());
    EXPECT_EQ(a->Messages(WM_ACTIVATE, WM_ACTIVATE).size(), 1u);
    pane.SetCapture();
    a->log.clear();
    pane.log.clear();
    QApplication::setActiveWindow(b->GetWidget());
    EXPECT_EQ(pane.Messages(WM_CANCELMODE, WM_CANCELMODE).size(), 1u);
    EXPECT_EQ(GetCapture(), nullptr);
    ASSERT_EQ(a->Messages(WM_ACTIVATE, WM_ACTIVATE).size(), 1u);
    for (const Received& r : a->log) {
        if (r.message == WM_ACTIVATE) {
            EXPECT_EQ(LOWORD(r.wParam), WA_INACTIVE);
        }
    }
    QApplication::setActiveWindow(nullptr);
}

TEST_F(WindowTest, AClickInAnInactiveWindowAsksWhetherItActivatesAndCounts) {
    struct Case {
        LRESULT answer;
        bool clickArrives;
    };
    const Case cases[] = {{0, true}, {MA_NOACTIVATE, true}, {MA_ACTIVATEANDEAT, false}, {MA_NOACTIVATEANDEAT, false}};
    for (const Case& c : cases) {
        auto other = MakeWindow(0, CRect(400, 100, 600, 250));
        auto w = MakeWindow(0, CRect(100, 100, 300, 250));
        CRecorder pane;
        ASSERT_TRUE(pane.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(10, 10, 100, 100), w.get(), 3));
        pane.recordAll = true;
        pane.mouseActivateAnswer = c.answer;
        QApplication::setActiveWindow(other->GetWidget());
        pane.log.clear();
        vorn_test::Click(&pane, CPoint(5, 5));
        const std::vector<UINT> activates = pane.Messages(WM_MOUSEACTIVATE, WM_MOUSEACTIVATE);
        ASSERT_EQ(activates.size(), 1u) << c.answer;
        for (const Received& r : pane.log)
            if (r.message == WM_MOUSEACTIVATE) {
                EXPECT_EQ(reinterpret_cast<HWND>(r.wParam), w->m_hWnd) << c.answer;
                EXPECT_EQ(LOWORD(r.lParam), static_cast<WORD>(HTCLIENT)) << c.answer;
                EXPECT_EQ(HIWORD(r.lParam), static_cast<WORD>(WM_LBUTTONDOWN)) << c.answer;
            }
        EXPECT_EQ(pane.Messages(WM_LBUTTONDOWN, WM_LBUTTONDOWN).size(), c.clickArrives ? 1u : 0u) << c.answer;
        QApplication::setActiveWindow(nullptr);
    }
}

}  // namespace

