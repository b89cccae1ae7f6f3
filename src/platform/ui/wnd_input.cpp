// The message pump side of the layer: Qt input becomes Windows messages (mouse, keyboard,
// wheel, focus, capture, mouse leave), posted messages, timers, thread hooks and the
// PreTranslateMessage filter.
#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QThread>
#include <QWheelEvent>

#include <algorithm>
#include <array>
#include <cstdio>
#include <deque>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "platform/ui/icon.h"
#include "platform/ui/native_control.h"
#include "platform/ui/ui_thread.h"
#include "platform/ui/window_api.h"
#include "platform/ui/window_record.h"
#include "platform/ui/wnd.h"

using namespace vorn_ui;

namespace {

HWND g_focus = nullptr;
HWND g_capture = nullptr;
HWND g_mouseWindow = nullptr;  // the window the mouse was last over
bool g_settingFocus = false;
std::array<BYTE, 256> g_keys{};  // bit 7 down, bit 0 toggled
POINT g_cursor{0, 0};
DWORD g_messageTime = 0;
POINT g_messagePos{0, 0};
PreTranslateHandler g_preTranslate = nullptr;

// Double clicks: the last button press, to tell a second press within the double-click
// time and distance.
struct LastPress {
    HWND hwnd = nullptr;
    UINT message = 0;
    ulong time = 0;
    QPoint pos;
    bool wasDouble = false;
} g_lastPress;

QElapsedTimer& Clock() {
    static QElapsedTimer timer;
    if (!timer.isValid()) timer.start();
    return timer;
}

// Posted messages wait in our own queue; each one wakes the receiver on the user-interface
// thread with an empty Qt event, and the receiver takes the oldest message, so the order is
// kept. Our lock, not the toolkit's event queue, hands a message from the posting thread to the
// user-interface thread, so thread checkers see the hand-over. The cursor position a posted
// message carries is kept under the same lock for posts from other threads.
constexpr QEvent::Type kPostedMessage = static_cast<QEvent::Type>(QEvent::User + 0x57);

struct PostedQueue {
    std::mutex mutex;
    std::deque<MSG> messages;
    POINT cursor{0, 0};
};

PostedQueue& Posted() {
    static PostedQueue queue;
    return queue;
}

void SetCursorPoint(const QPoint& screen) {
    g_cursor = POINT{screen.x(), screen.y()};
    PostedQueue& queue = Posted();
    std::lock_guard<std::mutex> lock(queue.mutex);
    queue.cursor = g_cursor;
}

class Dispatcher : public QObject {
public:
    bool event(QEvent* e) override {
        // The lock comes before the event is looked at: the posting thread made the event under it.
        PostedQueue& queue = Posted();
        std::unique_lock<std::mutex> lock(queue.mutex);
        if (e->type() != kPostedMessage) {
            lock.unlock();
            return QObject::event(e);
        }
        if (queue.messages.empty()) return true;
        MSG msg = queue.messages.front();
        queue.messages.pop_front();
        lock.unlock();
        if (msg.message == WM_QUIT) {
            QCoreApplication::exit(static_cast<int>(msg.wParam));
            return true;
        }
        if (msg.hwnd && !IsWindow(msg.hwnd)) return true;
        DispatchThroughFilter(msg);
        return true;
    }
};

Dispatcher* TheDispatcher() {
    static Dispatcher* dispatcher = [] {
        auto* d = new Dispatcher;
        if (QCoreApplication::instance() && d->thread() != QCoreApplication::instance()->thread())
            d->moveToThread(QCoreApplication::instance()->thread());
        return d;
    }();
    return dispatcher;
}

// Thread hooks, newest first.
struct HookRecord {
    int kind;
    HOOKPROC proc;
};
std::vector<HookRecord*> g_hooks;

LRESULT RunHooks(int kind, int code, WPARAM wParam, LPARAM lParam) {
    for (HookRecord* h : std::vector<HookRecord*>(g_hooks))
        if (h->kind == kind) return h->proc(code, wParam, lParam);
    return 0;
}

// Virtual keys of Qt keys.
int VirtualKey(const QKeyEvent* e) {
    const int key = e->key();
    const bool keypad = e->modifiers() & Qt::KeypadModifier;
    if (keypad && key >= Qt::Key_0 && key <= Qt::Key_9) return VK_NUMPAD0 + (key - Qt::Key_0);
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return 'A' + (key - Qt::Key_A);
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return '0' + (key - Qt::Key_0);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return VK_F1 + (key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Backspace: return VK_BACK;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return VK_TAB;
    case Qt::Key_Clear: return VK_CLEAR;
    case Qt::Key_Return:
    case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Shift: return VK_SHIFT;
    case Qt::Key_Control: return VK_CONTROL;
    case Qt::Key_Alt:
    case Qt::Key_AltGr: return VK_MENU;
    case Qt::Key_Pause: return VK_PAUSE;
    case Qt::Key_CapsLock: return VK_CAPITAL;
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Space: return VK_SPACE;
    case Qt::Key_PageUp: return VK_PRIOR;
    case Qt::Key_PageDown: return VK_NEXT;
    case Qt::Key_End: return VK_END;
    case Qt::Key_Home: return VK_HOME;
    case Qt::Key_Left: return VK_LEFT;
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Right: return VK_RIGHT;
    case Qt::Key_Down: return VK_DOWN;
    case Qt::Key_Print: return VK_SNAPSHOT;
    case Qt::Key_Insert: return VK_INSERT;
    case Qt::Key_Delete: return VK_DELETE;
    case Qt::Key_Help: return VK_HELP;
    case Qt::Key_Meta: return VK_LWIN;
    case Qt::Key_Menu: return VK_APPS;
    case Qt::Key_NumLock: return VK_NUMLOCK;
    case Qt::Key_ScrollLock: return VK_SCROLL;
    case Qt::Key_Asterisk: return keypad ? VK_MULTIPLY : '8';
    case Qt::Key_Plus: return keypad ? VK_ADD : VK_OEM_PLUS;
    case Qt::Key_Minus: return keypad ? VK_SUBTRACT : VK_OEM_MINUS;
    case Qt::Key_Slash: return keypad ? VK_DIVIDE : VK_OEM_2;
    case Qt::Key_Period: return keypad ? VK_DECIMAL : VK_OEM_PERIOD;
    case Qt::Key_Comma: return VK_OEM_COMMA;
    case Qt::Key_Equal: return VK_OEM_PLUS;
    case Qt::Key_Semicolon:
    case Qt::Key_Colon: return VK_OEM_1;
    case Qt::Key_Question: return VK_OEM_2;
    case Qt::Key_QuoteLeft:
    case Qt::Key_AsciiTilde: return VK_OEM_3;
    case Qt::Key_BracketLeft:
    case Qt::Key_BraceLeft: return VK_OEM_4;
    case Qt::Key_Backslash:
    case Qt::Key_Bar: return VK_OEM_5;
    case Qt::Key_BracketRight:
    case Qt::Key_BraceRight: return VK_OEM_6;
    case Qt::Key_Apostrophe:
    case Qt::Key_QuoteDbl: return VK_OEM_7;
    case Qt::Key_Less: return VK_OEM_COMMA;
    case Qt::Key_Greater: return VK_OEM_PERIOD;
    case Qt::Key_Underscore: return VK_OEM_MINUS;
    // Shifted digits of the US layout.
    case Qt::Key_Exclam: return '1';
    case Qt::Key_At: return '2';
    case Qt::Key_NumberSign: return '3';
    case Qt::Key_Dollar: return '4';
    case Qt::Key_Percent: return '5';
    case Qt::Key_AsciiCircum: return '6';
    case Qt::Key_Ampersand: return '7';
    case Qt::Key_ParenLeft: return '9';
    case Qt::Key_ParenRight: return '0';
    default: return 0;
    }
}

bool IsExtendedKey(int vk, const QKeyEvent* e) {
    switch (vk) {
    case VK_INSERT: case VK_DELETE: case VK_HOME: case VK_END: case VK_PRIOR: case VK_NEXT:
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN: case VK_DIVIDE: case VK_APPS:
        return !(e->modifiers() & Qt::KeypadModifier) || vk == VK_DIVIDE;
    case VK_RETURN: return (e->modifiers() & Qt::KeypadModifier) != 0;
    default: return false;
    }
}

// The scan code: evdev key codes (X key code - 8) are the PC scan codes for the usual keys.
UINT ScanCode(const QKeyEvent* e, int vk) {
    const quint32 native = e->nativeScanCode();
    if (native > 8 && native < 0x80 + 8) return native - 8;
    switch (vk) {
    case VK_ESCAPE: return 0x01;
    case VK_BACK: return 0x0E;
    case VK_TAB: return 0x0F;
    case VK_RETURN: return 0x1C;
    case VK_CONTROL: return 0x1D;
    case VK_SHIFT: return 0x2A;
    case VK_MENU: return 0x38;
    case VK_SPACE: return 0x39;
    case VK_HOME: return 0x47;
    case VK_UP: return 0x48;
    case VK_PRIOR: return 0x49;
    case VK_LEFT: return 0x4B;
    case VK_RIGHT: return 0x4D;
    case VK_END: return 0x4F;
    case VK_DOWN: return 0x50;
    case VK_NEXT: return 0x51;
    case VK_INSERT: return 0x52;
    case VK_DELETE: return 0x53;
    default: return 0;
    }
}

// The letter or digit key at a scan code, as a US keyboard names it. Keys that type letters of
// other scripts (Hebrew, accented letters) keep the virtual key of their position.
int LetterKeyOfScanCode(UINT scan) {
    static const char* const kRows[] = {"1234567890", "QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};
    static const UINT kFirst[] = {0x02, 0x10, 0x1E, 0x2C};
    for (int row = 0; row < 4; ++row) {
        const UINT length = static_cast<UINT>(std::char_traits<char>::length(kRows[row]));
        if (scan >= kFirst[row] && scan < kFirst[row] + length) return kRows[row][scan - kFirst[row]];
    }
    return 0;
}

// The virtual key of a key press: a key the table does not know that still types a character
// takes its position's key, or VK_PACKET when it has none (input methods, synthetic keys).
int VirtualKeyOfTypingKey(const QKeyEvent* e) {
    const int vk = VirtualKey(e);
    if (vk) return vk;
    const QString text = e->text();
    if (text.isEmpty() || text.at(0).unicode() < 0x20 || text.at(0).unicode() == 0x7F) return 0;
    const int position = LetterKeyOfScanCode(ScanCode(e, 0));
    return position ? position : VK_PACKET;
}

void UpdateModifierKeys(Qt::KeyboardModifiers m) {
    auto set = [](int vk, bool down) {
        if (down) g_keys[static_cast<std::size_t>(vk)] |= 0x80;
        else g_keys[static_cast<std::size_t>(vk)] &= static_cast<BYTE>(~0x80);
    };
    set(VK_SHIFT, m & Qt::ShiftModifier);
    set(VK_CONTROL, m & Qt::ControlModifier);
    set(VK_MENU, m & Qt::AltModifier);
}

void UpdateButtonKeys(Qt::MouseButtons b) {
    auto set = [](int vk, bool down) {
        if (down) g_keys[static_cast<std::size_t>(vk)] |= 0x80;
        else g_keys[static_cast<std::size_t>(vk)] &= static_cast<BYTE>(~0x80);
    };
    set(VK_LBUTTON, b & Qt::LeftButton);
    set(VK_RBUTTON, b & Qt::RightButton);
    set(VK_MBUTTON, b & Qt::MiddleButton);
}

WPARAM MouseKeyFlags(Qt::MouseButtons b, Qt::KeyboardModifiers m) {
    WPARAM f = 0;
    if (b & Qt::LeftButton) f |= MK_LBUTTON;
    if (b & Qt::RightButton) f |= MK_RBUTTON;
    if (b & Qt::MiddleButton) f |= MK_MBUTTON;
    if (b & Qt::XButton1) f |= MK_XBUTTON1;
    if (b & Qt::XButton2) f |= MK_XBUTTON2;
    if (m & Qt::ShiftModifier) f |= MK_SHIFT;
    if (m & Qt::ControlModifier) f |= MK_CONTROL;
    return f;
}

// The topmost visible, enabled window of ours at a screen point. On a real display the window
// system has already picked the top-level window under the pointer (`window`, the one the event
// came to): the search stays inside it, since windows that Qt made and the window manager's
// stacking are unknown to our own order.
HWND HitTest(const QPoint& screen, const QWidget* window = nullptr) {
    HWND best = nullptr;
    if (window && !IsOffscreen() && window->isWindow() && window->rect().contains(window->mapFromGlobal(screen))) {
        HWND h = RecordOfWidget(window);
        if (!h || !IsLive(h) || h->parent || !window->isVisible()) return nullptr;
        best = h;
    }
    for (QWidget* top : best ? QWidgetList() : QApplication::topLevelWidgets()) {
        HWND h = RecordOfWidget(top);
        if (!h || !IsLive(h) || !top->isVisible() || h->parent) continue;
        const QPoint local = top->mapFromGlobal(screen);
        if (!top->rect().contains(local)) continue;
        if (!top->mask().isEmpty() && !top->mask().contains(local)) continue;
        auto rank = [](HWND w) { return std::make_pair((w->exStyle & WS_EX_TOPMOST) ? 1 : 0, w->zOrder); };
        if (!best || rank(h) > rank(best)) best = h;
    }
    if (!best) return nullptr;
    // Descend into the children, topmost first.
    for (bool found = true; found;) {
        found = false;
        QWidget* w = best->widget.data();
        const QList<QObject*> kids = w->children();
        for (auto it = kids.rbegin(); it != kids.rend(); ++it) {
            auto* cw = qobject_cast<QWidget*>(*it);
            // A window transparent to the mouse (a static without SS_NOTIFY) lets it through.
            if (!cw || !cw->isVisible() || cw->testAttribute(Qt::WA_TransparentForMouseEvents)) continue;
            HWND c = RecordOfWidget(cw);
            if (!c || c == best || c->parent != best) continue;
            const QPoint local = cw->mapFromGlobal(screen);
            if (!cw->rect().contains(local)) continue;
            if (!cw->mask().isEmpty() && !cw->mask().contains(local)) continue;
            best = c;
            found = true;
            break;
        }
    }
    return best;
}

void SendLeave(HWND h) {
    if (IsLive(h) && h->trackLeave) {
        h->trackLeave = false;
        PostMessage(h, WM_MOUSELEAVE, 0, 0);
    }
}

// A window whose widget is a Qt control (it carries the "vornHwnd" property) rather than
// the layer's plain window widget.
bool IsNativeControl(const QWidget* receiver) {
    for (const QWidget* w = receiver; w; w = w->parentWidget()) {
        if (dynamic_cast<const CWindowWidget*>(w)) return false;
        if (w->property("vornHwnd").isValid()) return true;
    }
    return false;
}

// A press in a window whose top-level window is not the active one asks it first whether to
// activate and whether the click counts; false eats the click.
bool MouseActivate(HWND target, LRESULT hit, UINT message) {
    HWND top = target;
    while (top->parent) top = top->parent;
    QWidget* topWidget = top->widget.data();
    if (!topWidget || QApplication::activeWindow() == topWidget) return true;
    const LRESULT r = SendMessage(target, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(top),
                                  MAKELPARAM(static_cast<WORD>(hit), message));
    if (!IsLive(target) || !IsLive(top)) return false;
    const bool activate = r == MA_ACTIVATE || r == MA_ACTIVATEANDEAT;
    if (activate && !(top->style & WS_POPUP) && !(top->exStyle & WS_EX_NOACTIVATE) && top->widget)
        top->widget->activateWindow();
    return r != MA_ACTIVATEANDEAT && r != MA_NOACTIVATEANDEAT;
}

bool Dispatch(MSG& msg) {
    g_messageTime = msg.time;
    g_messagePos = msg.pt;
    DispatchThroughFilter(msg);
    return true;
}

bool HandleMouse(QWidget* receiver, QMouseEvent* e) {
    HWND own = RecordOfWidget(receiver);
    const bool nonClient = receiver->property("vornNonClient").toBool();
    const QPoint screen = e->globalPosition().toPoint();
    SetCursorPoint(screen);
    UpdateModifierKeys(e->modifiers());
    UpdateButtonKeys(e->buttons());
    const HWND under = HitTest(screen, receiver->window());
    if (g_mouseWindow != under) {
        SendLeave(g_mouseWindow);
        g_mouseWindow = under;
    }
    HWND target = g_capture ? g_capture : under;
    if (!g_capture && nonClient) return false;  // the window's own scroll bars handle this
    // Outside all our windows and not captured: nobody gets the message.
    if (!target || !IsLive(target)) return own != nullptr;
    if (!g_capture && !IsWindowEnabled(target)) return true;

    UINT message = WM_MOUSEMOVE;
    const QEvent::Type type = e->type();
    const Qt::MouseButton button = e->button();
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
        const UINT down = button == Qt::RightButton ? WM_RBUTTONDOWN : button == Qt::MiddleButton ? WM_MBUTTONDOWN : WM_LBUTTONDOWN;
        if (type == QEvent::MouseButtonDblClick && g_lastPress.hwnd == target && g_lastPress.message == down &&
            g_lastPress.time == e->timestamp())
            return true;  // Qt repeats the second press of a double click; it was handled
        const bool isDouble = (type == QEvent::MouseButtonDblClick ||
                               (g_lastPress.hwnd == target && g_lastPress.message == down && !g_lastPress.wasDouble &&
                                e->timestamp() - g_lastPress.time <= GetDoubleClickTime() &&
                                std::abs(screen.x() - g_lastPress.pos.x()) <= 2 &&
                                std::abs(screen.y() - g_lastPress.pos.y()) <= 2));
        const bool dblClass = target->cls.style & CS_DBLCLKS;
        message = (isDouble && dblClass) ? down + 2 : down;
        g_lastPress = LastPress{target, down, static_cast<ulong>(e->timestamp()), screen, isDouble};
    } else if (type == QEvent::MouseButtonRelease) {
        message = button == Qt::RightButton ? WM_RBUTTONUP : button == Qt::MiddleButton ? WM_MBUTTONUP : WM_LBUTTONUP;
    }

    if (!g_capture && (message == WM_MOUSEMOVE || message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN ||
                       message == WM_MBUTTONDOWN || message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDBLCLK ||
                       message == WM_MBUTTONDBLCLK)) {
        const LRESULT hit = SendMessage(target, WM_NCHITTEST, 0, MAKELPARAM(screen.x(), screen.y()));
        SendMessage(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target), MAKELPARAM(static_cast<WORD>(hit), message));
        if (!IsLive(target)) return true;
        if (message != WM_MOUSEMOVE && !MouseActivate(target, hit, message)) return true;
    }
    POINT client{screen.x(), screen.y()};
    ScreenToClient(target, &client);
    MSG msg{target, message, MouseKeyFlags(e->buttons(), e->modifiers()), MAKELPARAM(client.x, client.y),
            static_cast<DWORD>(e->timestamp()), g_cursor};
    if (IsNativeControl(receiver) && !g_capture) {
        // A control built on a Qt widget handles its own input after the message filter.
        g_messageTime = msg.time;
        return g_preTranslate ? g_preTranslate(&msg) != FALSE : CWnd::WalkPreTranslateTree(nullptr, &msg) != FALSE;
    }
    return Dispatch(msg);
}

bool HandleWheel(QWidget* receiver, QWheelEvent* e) {
    const QPoint screen = e->globalPosition().toPoint();
    SetCursorPoint(screen);
    UpdateModifierKeys(e->modifiers());
    HWND target = g_focus && IsWindowVisible(g_focus) ? g_focus : HitTest(screen);
    if (!target) target = RecordOfWidget(receiver);
    if (!target) return false;
    const bool horizontal = e->angleDelta().y() == 0 && e->angleDelta().x() != 0;
    const int delta = horizontal ? -e->angleDelta().x() : e->angleDelta().y();
    MSG msg{target, horizontal ? WM_MOUSEHWHEEL : WM_MOUSEWHEEL,
            MAKEWPARAM(MouseKeyFlags(e->buttons(), e->modifiers()), static_cast<WORD>(static_cast<short>(delta))),
            MAKELPARAM(screen.x(), screen.y()), static_cast<DWORD>(e->timestamp()), g_cursor};
    return Dispatch(msg);
}

bool HandleKey(QWidget* receiver, QKeyEvent* e) {
    const int vk = VirtualKeyOfTypingKey(e);
    UpdateModifierKeys(e->modifiers());
    const bool down = e->type() == QEvent::KeyPress;
    if (vk) {
        BYTE& state = g_keys[static_cast<std::size_t>(vk)];
        const bool wasDown = state & 0x80;
        if (down) {
            if (!wasDown) state ^= 1;
            state |= 0x80;
        } else {
            state &= static_cast<BYTE>(~0x80);
        }
        (void)wasDown;
    }
    HWND target = g_focus ? g_focus : RecordOfWidget(receiver);
    if (!target || !vk) return target != nullptr && dynamic_cast<CWindowWidget*>(receiver) != nullptr;
    const bool alt = e->modifiers() & Qt::AltModifier;
    const UINT scan = ScanCode(e, vk);
    LPARAM lParam = 1 | (static_cast<LPARAM>(scan & 0xFF) << 16);
    if (IsExtendedKey(vk, e)) lParam |= 1L << 24;
    if (alt) lParam |= 1L << 29;
    if (!down || e->isAutoRepeat()) lParam |= 1L << 30;
    if (!down) lParam |= static_cast<LPARAM>(1UL << 31);
    lParam &= 0xFFFFFFFF;
    if (RunHooks(WH_KEYBOARD, HC_ACTION, static_cast<WPARAM>(vk), lParam)) return true;
    const bool sys = alt || vk == VK_F10;
    MSG msg{target, down ? (sys ? WM_SYSKEYDOWN : WM_KEYDOWN) : (sys ? WM_SYSKEYUP : WM_KEYUP),
            static_cast<WPARAM>(vk), lParam, static_cast<DWORD>(e->timestamp()), g_cursor};
    g_messageTime = msg.time;
    if (g_preTranslate ? g_preTranslate(&msg) : CWnd::WalkPreTranslateTree(nullptr, &msg)) return true;
    if (IsNativeControl(receiver)) return false;  // the Qt widget takes the key itself
    SendMessage(msg.hwnd, msg.message, msg.wParam, msg.lParam);
    // The characters of a key press follow it, as the message loop's translation makes them.
    if (down && IsWindow(target)) {
        const std::u32string text = e->text().toStdU32String();
        for (char32_t c : text) {
            HWND charTarget = g_focus ? g_focus : target;
            if (!IsWindow(charTarget)) break;
            MSG ch{charTarget, sys ? static_cast<UINT>(WM_SYSCHAR) : WM_CHAR, static_cast<WPARAM>(c), lParam & ~(1L << 30),
                   msg.time, g_cursor};
            Dispatch(ch);
        }
    }
    return true;
}

// Text an input method commits arrives as WM_CHAR messages, one per character, as typed
// characters do; the composition shown meanwhile stays the Qt widget's.
bool HandleInputMethod(QWidget* receiver, QInputMethodEvent* e) {
    if (e->commitString().isEmpty()) return false;
    HWND target = g_focus ? g_focus : RecordOfWidget(receiver);
    if (!target) return false;
    // The widget drops its composition; the characters come back to it through the messages.
    QInputMethodEvent clear;
    QCoreApplication::sendEvent(receiver, &clear);
    for (char32_t c : e->commitString().toStdU32String()) {
        HWND charTarget = g_focus ? g_focus : target;
        if (!IsWindow(charTarget)) break;
        MSG ch{charTarget, WM_CHAR, static_cast<WPARAM>(c), 1, GetMessageTime(), g_cursor};
        Dispatch(ch);
    }
    return true;
}

// Moves our focus record (and the messages) to a window the user gave the focus in Qt.
// Focus that moves into a toolkit window (a file, colour or message dialog) leaves ours: the
// window that had it hears so. The drop-downs of our controls are popups and keep it.
void HandleFocusIn(QWidget* receiver) {
    if (g_settingFocus) return;
    const QWidget* window = receiver->window();
    if (!dynamic_cast<const CWindowWidget*>(window) && window->windowType() != Qt::Popup &&
        window->windowType() != Qt::ToolTip) {
        HWND old = g_focus;
        g_focus = nullptr;
        if (IsLive(old)) SendMessage(old, WM_KILLFOCUS, 0, 0);
        return;
    }
    HWND h = RecordOfWidget(receiver);
    if (h && h != g_focus && IsLive(h)) SetFocus(h);
}

class InputFilter : public QObject {
public:
    bool eventFilter(QObject* object, QEvent* e) override {
        if (!object->isWidgetType()) return false;
        auto* widget = static_cast<QWidget*>(object);
        switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            // Native controls hand their input on to their Qt widgets; Qt's popups keep theirs.
            if (QtHandlesInput(widget)) return false;
            break;
        default: break;
        }
        switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            if (!RecordOfWidget(widget)) {
                // A modal window that Qt made takes the mouse even from a window that had captured it.
                if (g_capture && widget->window() == QApplication::activeModalWidget()) ReleaseCapture();
                if (!g_capture) return false;
            }
            return HandleMouse(widget, static_cast<QMouseEvent*>(e));
        case QEvent::Wheel:
            if (!RecordOfWidget(widget)) return false;
            return HandleWheel(widget, static_cast<QWheelEvent*>(e));
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            if (!RecordOfWidget(widget)) return false;
            return HandleKey(widget, static_cast<QKeyEvent*>(e));
        case QEvent::FocusIn:
            HandleFocusIn(widget);
            return false;
        case QEvent::InputMethod:
            if (!RecordOfWidget(widget) || QtHandlesInput(widget)) return false;
            return HandleInputMethod(widget, static_cast<QInputMethodEvent*>(e));
        case QEvent::ContextMenu:
            // Our windows ask for context menus with WM_CONTEXTMENU; Qt's own menus stay away.
            return RecordOfWidget(widget) != nullptr && !QtHandlesInput(widget);
        case QEvent::Leave:
            if (widget->isWindow() && RecordOfWidget(widget)) {
                // The last mouse message was inside the window; where the pointer went, only the
                // window system knows.
                const QPoint screen = IsOffscreen() ? QPoint(g_cursor.x, g_cursor.y) : QCursor::pos();
                if (!HitTest(screen) || !widget->geometry().contains(screen)) {
                    SendLeave(g_mouseWindow);
                    g_mouseWindow = nullptr;
                }
            }
            return false;
        default: return false;
        }
    }
};

void BroadcastActivateApp(bool active) {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        HWND h = RecordOfWidget(top);
        if (h && IsLive(h) && !h->parent) SendMessage(h, WM_ACTIVATEAPP, active ? TRUE : FALSE, 0);
    }
}

}  // namespace

namespace vorn_ui {

void EnsureInputFilter() {
    static bool installed = false;
    if (installed || !qApp) return;
    installed = true;
    Clock();
    TheDispatcher();
    qApp->installEventFilter(new InputFilter);
    QObject::connect(qApp, &QGuiApplication::applicationStateChanged, qApp, [](Qt::ApplicationState s) {
        static bool active = true;
        const bool now = s == Qt::ApplicationActive;
        if (now != active) {
            active = now;
            BroadcastActivateApp(now);
        }
    });
}

void NoteDestroyed(HWND h) {
    if (g_capture == h || (g_capture && IsChild(h, g_capture))) ReleaseCapture();
    if (g_focus == h || (g_focus && IsChild(h, g_focus))) {
        HWND old = g_focus;
        g_focus = nullptr;
        if (IsLive(old)) SendMessage(old, WM_KILLFOCUS, 0, 0);
    }
    if (g_mouseWindow == h) g_mouseWindow = nullptr;
    if (g_lastPress.hwnd == h) g_lastPress = LastPress{};
}

}  // namespace vorn_ui

// Messages

LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!RequireUiThread("SendMessage")) return 0;
    if (!IsLive(hwnd)) return 0;
    if (!g_hooks.empty()) {
        CWPSTRUCT cwp{lParam, wParam, message, hwnd};
        RunHooks(WH_CALLWNDPROC, HC_ACTION, 1, reinterpret_cast<LPARAM>(&cwp));
        if (!IsLive(hwnd)) return 0;
    }
    return CallWindow(hwnd, message, wParam, lParam);
}

BOOL PostMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (hwnd && !IsLive(hwnd)) return FALSE;
    PostedQueue& queue = Posted();
    QEvent* wake = nullptr;
    {
        std::lock_guard<std::mutex> lock(queue.mutex);
        queue.messages.push_back(
            MSG{hwnd, message, wParam, lParam, static_cast<DWORD>(Clock().elapsed()), queue.cursor});
        wake = new QEvent(kPostedMessage);
    }
    QCoreApplication::postEvent(TheDispatcher(), wake);
    return TRUE;
}

void PostQuitMessage(int exitCode) { PostMessage(nullptr, WM_QUIT, static_cast<WPARAM>(exitCode), 0); }

UINT RegisterWindowMessage(LPCTSTR name) {
    static std::mutex mutex;
    static std::map<std::wstring, UINT> names;
    if (!name || !*name) return 0;
    std::lock_guard<std::mutex> lock(mutex);
    auto it = names.find(name);
    if (it != names.end()) return it->second;
    const UINT id = 0xC000 + static_cast<UINT>(names.size());
    names.emplace(name, id);
    return id;
}

void SetPreTranslateHandler(PreTranslateHandler handler) { g_preTranslate = handler; }

void DispatchThroughFilter(MSG& msg) {
    if (g_preTranslate ? g_preTranslate(&msg) : CWnd::WalkPreTranslateTree(nullptr, &msg)) return;
    if (msg.hwnd && IsLive(msg.hwnd)) SendMessage(msg.hwnd, msg.message, msg.wParam, msg.lParam);
}

BOOL IsWindowCompositionAvailable() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland")) ? TRUE : FALSE;
}

// Focus and capture

HWND SetFocus(HWND hwnd) {
    if (!RequireUiThread("SetFocus")) return nullptr;
    if (hwnd && !IsLive(hwnd)) return nullptr;
    HWND old = g_focus;
    if (old == hwnd) return old;
    g_focus = hwnd;
    if (old && IsLive(old)) SendMessage(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
    if (hwnd && IsLive(hwnd) && g_focus == hwnd) {
        if (QWidget* w = hwnd->widget.data()) {
            g_settingFocus = true;
            w->setFocus(Qt::OtherFocusReason);
            g_settingFocus = false;
        }
        SendMessage(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(old && IsLive(old) ? old : nullptr), 0);
    }
    return old;
}

HWND GetFocus() { return g_focus; }

CWnd* CWnd::SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
CWnd* CWnd::GetFocus() { return FromHandle(::GetFocus()); }

HWND SetCapture(HWND hwnd) {
    HWND old = g_capture;
    if (!IsLive(hwnd) || !RequireUiThread("SetCapture")) return old;
    g_capture = hwnd;
    if (old && old != hwnd && IsLive(old)) SendMessage(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
    if (!IsOffscreen() && hwnd->widget && hwnd->widget->isVisible()) hwnd->widget->grabMouse();
    return old;
}

BOOL ReleaseCapture() {
    HWND old = g_capture;
    if (!old) return TRUE;
    if (!RequireUiThread("ReleaseCapture")) return FALSE;
    g_capture = nullptr;
    if (IsLive(old)) {
        if (!IsOffscreen() && old->widget) old->widget->releaseMouse();
        SendMessage(old, WM_CAPTURECHANGED, 0, 0);
    }
    return TRUE;
}

HWND GetCapture() { return g_capture; }

CWnd* CWnd::SetCapture() { return FromHandle(::SetCapture(m_hWnd)); }
CWnd* CWnd::GetCapture() { return FromHandle(::GetCapture()); }

HWND GetActiveWindow() { return RecordOfWidget(QApplication::activeWindow()); }

BOOL TrackMouseEvent(LPTRACKMOUSEEVENT track) {
    if (!track || !IsLive(track->hwndTrack)) return FALSE;
    if (track->dwFlags & TME_QUERY) {
        track->dwFlags = track->hwndTrack->trackLeave ? TME_LEAVE : 0;
        return TRUE;
    }
    if (!(track->dwFlags & TME_LEAVE)) return TRUE;
    if (track->dwFlags & TME_CANCEL) {
        track->hwndTrack->trackLeave = false;
        return TRUE;
    }
    track->hwndTrack->trackLeave = true;
    // Asking while the mouse is already elsewhere gets the leave message at once.
    if (HitTest(QPoint(g_cursor.x, g_cursor.y)) != track->hwndTrack && g_mouseWindow != track->hwndTrack)
        SendLeave(track->hwndTrack);
    return TRUE;
}

SHORT GetKeyState(int virtualKey) {
    if (virtualKey < 0 || virtualKey > 255) return 0;
    const BYTE s = g_keys[static_cast<std::size_t>(virtualKey)];
    return static_cast<SHORT>(((s & 0x80) ? 0x8000 : 0) | (s & 1));
}

SHORT GetAsyncKeyState(int virtualKey) {
    if (virtualKey < 0 || virtualKey > 255) return 0;
    return (g_keys[static_cast<std::size_t>(virtualKey)] & 0x80) ? static_cast<SHORT>(0x8000) : 0;
}

BOOL GetCursorPos(LPPOINT point) {
    if (!point) return FALSE;
    if (IsOffscreen()) {
        *point = g_cursor;
    } else {
        const QPoint p = QCursor::pos();
        *point = POINT{p.x(), p.y()};
    }
    return TRUE;
}

BOOL SetCursorPos(int x, int y) {
    SetCursorPoint(QPoint(x, y));
    if (!IsOffscreen()) QCursor::setPos(x, y);
    return TRUE;
}

HWND WindowFromPoint(POINT point) { return HitTest(QPoint(point.x, point.y)); }

CWnd* CWnd::WindowFromPoint(POINT point) { return FromHandle(::WindowFromPoint(point)); }

HWND ChildWindowFromPoint(HWND parent, POINT point) {
    if (!IsLive(parent)) return nullptr;
    RECT rc;
    GetClientRect(parent, &rc);
    if (!PtInRect(&rc, point)) return nullptr;
    QWidget* w = parent->widget.data();
    if (!w) return parent;
    POINT screen = point;
    ClientToScreen(parent, &screen);
    const QList<QObject*> kids = w->children();
    for (auto it = kids.rbegin(); it != kids.rend(); ++it) {
        auto* cw = qobject_cast<QWidget*>(*it);
        if (!cw) continue;
        HWND c = RecordOfWidget(cw);
        if (!c || c == parent || c->parent != parent || !(c->style & WS_VISIBLE)) continue;
        if (cw->rect().contains(cw->mapFromGlobal(QPoint(screen.x, screen.y)))) return c;
    }
    return parent;
}

CWnd* CWnd::ChildWindowFromPoint(POINT point) const { return FromHandle(::ChildWindowFromPoint(m_hWnd, point)); }

UINT GetDoubleClickTime() { return 500; }
DWORD GetMessageTime() { return g_messageTime; }
DWORD GetMessagePos() { return static_cast<DWORD>(MAKELONG(g_messagePos.x, g_messagePos.y)); }
DWORD GetTickCount() { return static_cast<DWORD>(Clock().elapsed()); }
DWORD GetCurrentThreadId() { return static_cast<DWORD>(reinterpret_cast<std::uintptr_t>(QThread::currentThreadId())); }

// Timers

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc) {
    if (!RequireUiThread("SetTimer")) return 0;
    if (!IsLive(hwnd) || !hwnd->widget) return 0;
    QTimer*& timer = hwnd->timers[id];
    if (!timer) {
        timer = new QTimer(hwnd->widget.data());
        QObject::connect(timer, &QTimer::timeout, [hwnd, id] {
            if (!IsLive(hwnd)) return;
            auto p = hwnd->timerProcs.find(id);
            if (p != hwnd->timerProcs.end() && p->second) {
                p->second(hwnd, WM_TIMER, id, GetTickCount());
                return;
            }
            MSG msg{hwnd, WM_TIMER, id, 0, GetTickCount(), g_cursor};
            DispatchThroughFilter(msg);
        });
    }
    hwnd->timerProcs[id] = proc;
    // Setting a timer again restarts it with the new interval.
    timer->start(static_cast<int>(std::max<UINT>(elapse, 1)));
    return id ? id : 1;
}

BOOL KillTimer(HWND hwnd, UINT_PTR id) {
    if (!IsLive(hwnd) || !RequireUiThread("KillTimer")) return FALSE;
    auto it = hwnd->timers.find(id);
    if (it == hwnd->timers.end()) return FALSE;
    it->second->stop();
    it->second->deleteLater();
    hwnd->timers.erase(it);
    hwnd->timerProcs.erase(id);
    return TRUE;
}

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer) {
    return ::SetTimer(m_hWnd, nIDEvent, nElapse, lpfnTimer);
}
BOOL CWnd::KillTimer(UINT_PTR nIDEvent) { return ::KillTimer(m_hWnd, nIDEvent); }

// Hooks

HHOOK SetWindowsHookEx(int idHook, HOOKPROC proc, HINSTANCE, DWORD) {
    if (!proc || (idHook != WH_KEYBOARD && idHook != WH_CALLWNDPROC && idHook != WH_MSGFILTER)) return nullptr;
    auto* h = new HookRecord{idHook, proc};
    g_hooks.insert(g_hooks.begin(), h);
    return reinterpret_cast<HHOOK>(h);
}

BOOL UnhookWindowsHookEx(HHOOK hook) {
    auto* h = reinterpret_cast<HookRecord*>(hook);
    auto it = std::find(g_hooks.begin(), g_hooks.end(), h);
    if (it == g_hooks.end()) return FALSE;
    g_hooks.erase(it);
    delete h;
    return TRUE;
}

BOOL CallMsgFilter(LPMSG msg, int code) {
    if (!msg) return FALSE;
    return RunHooks(WH_MSGFILTER, code, 0, reinterpret_cast<LPARAM>(msg)) != 0 ? TRUE : FALSE;
}

LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam) {
    auto* h = reinterpret_cast<HookRecord*>(hook);
    auto it = std::find(g_hooks.begin(), g_hooks.end(), h);
    if (it == g_hooks.end()) return 0;
    for (++it; it != g_hooks.end(); ++it)
        if ((*it)->kind == h->kind) return (*it)->proc(code, wParam, lParam);
    return 0;
}
