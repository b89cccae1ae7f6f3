// The "tooltips_class32" control: a popup that shows the text of the tool under the mouse.
// Mouse messages reach it through TTM_RELAYEVENT, or, for tools with TTF_SUBCLASS, from the
// tool's window directly. A tool's text may be asked for when shown (LPSTR_TEXTCALLBACK:
// TTN_GETDISPINFO to the tool's window).
#include <QLabel>

#include <algorithm>
#include <vector>

#include "platform/core/cstring.h"
#include "platform/ui/common_control_defs.h"
#include "platform/ui/native_control.h"
#include "platform/ui/icon.h"
#include "platform/ui/window_api.h"
#include "platform/ui/window_record.h"

namespace vorn_ui {

namespace {

constexpr UINT_PTR kShowTimer = 1, kPopTimer = 2;
HHOOK g_watchHook = nullptr;

// A text given as a string id.
std::wstring LoadText(ULONG_PTR id) {
    CString text;
    text.LoadString(static_cast<UINT>(id));
    return text.str();
}

struct Tool {
    UINT flags = 0;
    HWND hwnd = nullptr;
    UINT_PTR id = 0;
    RECT rect{0, 0, 0, 0};
    std::wstring text;
    bool callback = false;
    LPARAM param = 0;
};

class ToolTipControl;
std::vector<ToolTipControl*>& Subclassing();

class ToolTipControl : public CNativeControl {
public:
    explicit ToolTipControl(HWND h) : CNativeControl(h) {
        m_label = new QLabel;
        m_label->setMargin(3);
        m_label->setAutoFillBackground(true);
        m_label->setFrameStyle(QFrame::Box | QFrame::Plain);
        QPalette p = m_label->palette();
        p.setColor(QPalette::Window, QColorOf(GetSysColor(COLOR_INFOBK)));
        p.setColor(QPalette::WindowText, QColorOf(GetSysColor(COLOR_INFOTEXT)));
        m_label->setPalette(p);
        SetQtWidget(m_label);
        Subclassing().push_back(this);
    }
    ~ToolTipControl() override {
        auto& all = Subclassing();
        all.erase(std::remove(all.begin(), all.end(), this), all.end());
    }

    // A mouse message of a window with subclassed tools.
    void Watch(const MSG& msg) {
        for (const Tool& t : m_tools)
            if ((t.flags & TTF_SUBCLASS) && t.hwnd == msg.hwnd) {
                Relay(msg);
                return;
            }
    }

    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
        case TTM_ADDTOOL: {
            const auto* info = reinterpret_cast<const TOOLINFO*>(lParam);
            if (!info) return FALSE;
            m_tools.push_back(ToolFrom(*info));
            return TRUE;
        }
        case TTM_DELTOOL: {
            const auto* info = reinterpret_cast<const TOOLINFO*>(lParam);
            if (auto it = Find(info); it != m_tools.end()) {
                if (m_current == static_cast<int>(it - m_tools.begin())) Pop();
                m_tools.erase(it);
            }
            return 0;
        }
        case TTM_NEWTOOLRECT: {
            const auto* info = reinterpret_cast<const TOOLINFO*>(lParam);
            if (auto it = Find(info); it != m_tools.end()) it->rect = info->rect;
            return 0;
        }
        case TTM_UPDATETIPTEXT: {
            const auto* info = reinterpret_cast<const TOOLINFO*>(lParam);
            if (auto it = Find(info); it != m_tools.end()) {
                const Tool fresh = ToolFrom(*info);
                it->text = fresh.text;
                it->callback = fresh.callback;
                if (m_current == static_cast<int>(it - m_tools.begin()) && m_shown) Show();
            }
            return 0;
        }
        case TTM_GETTOOLINFO: {
            auto* info = reinterpret_cast<TOOLINFO*>(lParam);
            auto it = Find(info);
            if (it == m_tools.end()) return FALSE;
            info->uFlags = it->flags;
            info->rect = it->rect;
            info->lParam = it->param;
            return TRUE;
        }
        case TTM_SETTOOLINFO: {
            const auto* info = reinterpret_cast<const TOOLINFO*>(lParam);
            if (auto it = Find(info); it != m_tools.end()) *it = ToolFrom(*info);
            return 0;
        }
        case TTM_GETTOOLCOUNT: return static_cast<LRESULT>(m_tools.size());
        case TTM_GETTEXT: {
            auto* info = reinterpret_cast<TOOLINFO*>(lParam);
            auto it = Find(info);
            if (it == m_tools.end() || !info->lpszText) return 0;
            const int max = wParam ? static_cast<int>(wParam) : 80;
            const int n = std::min<int>(max - 1, static_cast<int>(it->text.size()));
            std::copy_n(it->text.c_str(), n, info->lpszText);
            info->lpszText[n] = 0;
            return n;
        }
        case TTM_ACTIVATE:
            m_active = wParam != 0;
            if (!m_active) Pop();
            return 0;
        case TTM_SETMAXTIPWIDTH: {
            const int old = m_maxWidth;
            m_maxWidth = static_cast<int>(lParam);
            return old;
        }
        case TTM_GETMAXTIPWIDTH: return m_maxWidth;
        case TTM_SETDELAYTIME: {
            const int ms = static_cast<short>(LOWORD(lParam));
            if (wParam == TTDT_INITIAL) m_initial = ms < 0 ? 500 : ms;
            else if (wParam == TTDT_AUTOPOP) m_autoPop = ms < 0 ? 5000 : ms;
            else if (wParam == TTDT_AUTOMATIC) m_initial = ms < 0 ? 500 : ms, m_autoPop = ms < 0 ? 5000 : ms * 10;
            return 0;
        }
        case TTM_GETDELAYTIME: return wParam == TTDT_AUTOPOP ? m_autoPop : m_initial;
        case TTM_SETTIPBKCOLOR:
        case TTM_SETTIPTEXTCOLOR: {
            QPalette p = m_label->palette();
            p.setColor(message == TTM_SETTIPBKCOLOR ? QPalette::Window : QPalette::WindowText, QColorOf(static_cast<COLORREF>(wParam)));
            m_label->setPalette(p);
            return 0;
        }
        case TTM_RELAYEVENT: {
            if (const auto* msg = reinterpret_cast<const MSG*>(lParam)) Relay(*msg);
            return 0;
        }
        case TTM_POP: Pop(); return 0;
        case TTM_POPUP:
            if (m_current >= 0) Show();
            return 0;
        case TTM_UPDATE:
            if (m_shown) Show();
            return 0;
        case TTM_TRACKACTIVATE: {
            const auto* info = reinterpret_cast<const TOOLINFO*>(lParam);
            auto it = Find(info);
            if (!wParam || it == m_tools.end()) {
                Pop();
                return 0;
            }
            m_current = static_cast<int>(it - m_tools.begin());
            m_tracking = true;
            Show();
            return 0;
        }
        case TTM_TRACKPOSITION:
            m_trackPos = POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            if (m_tracking && m_shown) Show();
            return 0;
        case TTM_WINDOWFROMPOINT: return reinterpret_cast<LRESULT>(WindowFromPoint(*reinterpret_cast<const POINT*>(lParam)));
        case WM_TIMER:
            if (wParam == kShowTimer) {
                KillTimer(Window(), kShowTimer);
                if (m_current >= 0) Show();
            } else if (wParam == kPopTimer) {
                Pop();
            }
            return 0;
        default: return CNativeControl::WndProc(message, wParam, lParam);
        }
    }

    // What the tooltip shows (for the program's tests as for the user).
    std::wstring ShownText() const { return m_shown ? m_label->text().toStdWString() : std::wstring(); }

protected:
    UINT CtlColorMessage() const override { return 0; }

private:
    Tool ToolFrom(const TOOLINFO& info) const {
        Tool t;
        t.flags = info.uFlags;
        t.hwnd = info.hwnd;
        t.id = info.uId;
        t.rect = info.rect;
        t.param = info.lParam;
        if (info.lpszText == LPSTR_TEXTCALLBACK) t.callback = true;
        else if (info.lpszText && !IS_INTRESOURCE(info.lpszText)) t.text = info.lpszText;
        else if (info.lpszText) t.text = LoadText(reinterpret_cast<ULONG_PTR>(info.lpszText));
        return t;
    }

    std::vector<Tool>::iterator Find(const TOOLINFO* info) {
        if (!info) return m_tools.end();
        return std::find_if(m_tools.begin(), m_tools.end(), [info](const Tool& t) { return t.hwnd == info->hwnd && t.id == info->uId; });
    }

    int ToolAt(HWND hwnd, POINT client) const {
        for (std::size_t i = 0; i < m_tools.size(); ++i) {
            const Tool& t = m_tools[i];
            if (t.flags & TTF_IDISHWND) {
                if (reinterpret_cast<HWND>(t.id) == hwnd) return static_cast<int>(i);
                continue;
            }
            if (t.hwnd == hwnd && PtInRect(&t.rect, client)) return static_cast<int>(i);
        }
        return -1;
    }

    void Relay(const MSG& msg) {
        if (!m_active) return;
        switch (msg.message) {
        case WM_MOUSEMOVE: {
            const int tool = ToolAt(msg.hwnd, POINT{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)});
            if (tool == m_current) return;
            Pop();
            m_current = tool;
            if (tool >= 0) SetTimer(Window(), kShowTimer, static_cast<UINT>(m_initial), nullptr);
            return;
        }
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
        case WM_MOUSELEAVE:
            Pop();
            m_current = -1;
            return;
        default: return;
        }
    }

    void Show() {
        if (m_current < 0 || m_current >= static_cast<int>(m_tools.size())) return;
        Tool& t = m_tools[static_cast<std::size_t>(m_current)];
        std::wstring text = t.text;
        if (t.callback) {
            NMTTDISPINFO info{};
            info.uFlags = t.flags;
            info.lParam = t.param;
            info.lpszText = info.szText;
            info.hdr.hwndFrom = Window();
            info.hdr.idFrom = t.id;
            info.hdr.code = static_cast<UINT>(TTN_GETDISPINFO);
            HWND to = t.hwnd ? t.hwnd : Parent();
            if (to) SendMessage(to, WM_NOTIFY, t.id, reinterpret_cast<LPARAM>(&info));
            if (!IsLive(Window())) return;
            if (info.lpszText && !IS_INTRESOURCE(info.lpszText)) text = info.lpszText;
            else if (info.lpszText) text = LoadText(reinterpret_cast<ULONG_PTR>(info.lpszText));
        }
        if (text.empty()) {
            Pop();
            return;
        }
        // An empty text shows nothing; a maximum width breaks lines, "\n" always does.
        m_label->setWordWrap(m_maxWidth > 0);
        m_label->setText(QString::fromStdWString(text));
        QSize size = m_label->sizeHint();
        if (m_maxWidth > 0 && size.width() > m_maxWidth) {
            m_label->setFixedWidth(m_maxWidth);
            size = QSize(m_maxWidth, m_label->heightForWidth(m_maxWidth));
            m_label->setMinimumWidth(0);
            m_label->setMaximumWidth(QWIDGETSIZE_MAX);
        }
        POINT at = m_trackPos;
        if (!m_tracking) {
            GetCursorPos(&at);
            at.y += 20;
        }
        SetWindowPos(Window(), HWND_TOPMOST, at.x, at.y, size.width(), size.height(), SWP_NOACTIVATE | SWP_SHOWWINDOW);
        m_shown = true;
        NMHDR nm{};
        nm.hwndFrom = Window();
        nm.idFrom = t.id;
        nm.code = static_cast<UINT>(TTN_SHOW);
        if (HWND to = t.hwnd ? t.hwnd : Parent()) SendMessage(to, WM_NOTIFY, t.id, reinterpret_cast<LPARAM>(&nm));
        if (!m_tracking && m_autoPop > 0) SetTimer(Window(), kPopTimer, static_cast<UINT>(m_autoPop), nullptr);
    }

    void Pop() {
        KillTimer(Window(), kShowTimer);
        KillTimer(Window(), kPopTimer);
        m_tracking = false;
        if (!m_shown) return;
        m_shown = false;
        ShowWindow(Window(), SW_HIDE);
        if (m_current >= 0 && m_current < static_cast<int>(m_tools.size())) {
            const Tool& t = m_tools[static_cast<std::size_t>(m_current)];
            NMHDR nm{};
            nm.hwndFrom = Window();
            nm.idFrom = t.id;
            nm.code = static_cast<UINT>(TTN_POP);
            if (HWND to = t.hwnd ? t.hwnd : Parent()) SendMessage(to, WM_NOTIFY, t.id, reinterpret_cast<LPARAM>(&nm));
        }
    }

    QLabel* m_label = nullptr;
    std::vector<Tool> m_tools;
    int m_current = -1;
    bool m_active = true;
    bool m_shown = false;
    bool m_tracking = false;
    POINT m_trackPos{0, 0};
    int m_maxWidth = -1;
    int m_initial = 500;
    int m_autoPop = 5000;
};

std::vector<ToolTipControl*>& Subclassing() {
    static std::vector<ToolTipControl*> all;
    return all;
}

// Tools with TTF_SUBCLASS see the mouse messages of their windows as they are sent.
LRESULT WatchSentMessages(int code, WPARAM wParam, LPARAM lParam) {
    const auto* cwp = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && cwp &&
        ((cwp->message >= WM_MOUSEFIRST && cwp->message <= WM_MOUSELAST) || cwp->message == WM_MOUSELEAVE)) {
        const MSG msg{cwp->hwnd, cwp->message, cwp->wParam, cwp->lParam, GetMessageTime(), POINT{0, 0}};
        for (ToolTipControl* t : std::vector<ToolTipControl*>(Subclassing())) t->Watch(msg);
    }
    return CallNextHookEx(g_watchHook, code, wParam, lParam);
}

}  // namespace

CNativeControl* CreateToolTipControl(HWND h) {
    if (!g_watchHook) g_watchHook = SetWindowsHookEx(WH_CALLWNDPROC, &WatchSentMessages, nullptr, GetCurrentThreadId());
    return new ToolTipControl(h);
}

}  // namespace vorn_ui
