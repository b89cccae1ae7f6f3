// CWnd: creation, destruction, message dispatch, relations, styles and geometry.
#include "platform/ui/wnd.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <mutex>
#include <set>
#include <vector>

#include "platform/ui/dc.h"
#include "platform/ui/font.h"
#include "platform/ui/gdi_records.h"
#include "platform/ui/icon.h"
#include "platform/ui/rgn.h"
#include "platform/ui/ui_thread.h"
#include "platform/ui/win_app.h"
#include "platform/ui/window_api.h"
#include "platform/ui/window_class.h"
#include "platform/ui/window_overlay.h"
#include "platform/ui/window_record.h"

using namespace vorn_ui;

namespace {

std::mutex g_liveMutex;
std::set<HWND> g_live;
long long g_zCounter = 0;

constexpr int kUseDefault = static_cast<int>(0x80000000u);

// The message being handled by each window, for Default().
struct CurrentMessage {
    const CWnd* wnd;
    MSG msg;
};
std::vector<CurrentMessage> g_messageStack;

// WS_POPUP together with WS_CHILD makes an owned popup, not a child.
bool IsChildStyle(DWORD style) { return (style & WS_CHILD) != 0 && !(style & WS_POPUP); }

Qt::WindowFlags TopLevelFlags(DWORD style, DWORD exStyle) {
    Qt::WindowFlags flags;
    if (style & WS_POPUP) {
        // Tool-window popups (tips, drop-downs) never take the focus and float above all.
        flags = (exStyle & WS_EX_TOOLWINDOW) ? (Qt::ToolTip | Qt::FramelessWindowHint)
                                             : (Qt::Tool | Qt::FramelessWindowHint);
        if (exStyle & WS_EX_NOACTIVATE) flags |= Qt::WindowDoesNotAcceptFocus;
    } else {
        flags = Qt::Window;
        if (exStyle & WS_EX_TOOLWINDOW) flags |= Qt::Tool;
    }
    if (exStyle & WS_EX_TOPMOST) flags |= Qt::WindowStaysOnTopHint;
    return flags;
}

QWidget* WidgetOf(HWND h) { return h && IsLive(h) ? h->widget.data() : nullptr; }

// Top-level stacking is the window manager's; the offscreen platform has none.
void Raise(QWidget* w) {
    if (!w->isWindow() || !IsOffscreen()) w->raise();
}

bool IsGroupBox(HWND h) {
    return (h->style & BS_TYPEMASK) == BS_GROUPBOX && CString(h->className.c_str()).CompareNoCase(L"BUTTON") == 0;
}

// A new child goes below its siblings, so the first control of a template lies on top.
// Group boxes stay beneath the controls they frame.
void StackAtBottom(HWND h, QWidget* widget) {
    QWidget* parentWidget = widget->parentWidget();
    if (!parentWidget) return;
    for (QObject* o : parentWidget->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w == widget) continue;
        HWND sibling = RecordOfWidget(w);
        if (!sibling || sibling == h->parent || sibling->parent != h->parent || IsGroupBox(sibling)) continue;
        widget->stackUnder(w);
        return;
    }
}

}  // namespace

namespace vorn_ui {

bool IsLive(HWND h) {
    if (!h) return false;
    std::lock_guard<std::mutex> lock(g_liveMutex);
    return g_live.count(h) != 0;
}

HWND RecordOfWidget(const QWidget* w) {
    for (; w; w = w->parentWidget()) {
        if (auto* ww = dynamic_cast<const CWindowWidget*>(w)) return ww->hwnd();
        const QVariant v = w->property("vornHwnd");
        if (v.isValid()) return reinterpret_cast<HWND>(v.value<quintptr>());
        // A top-level window that Qt made (a message box, a file dialog) is its own window, not
        // part of the window that owns it: its input is its own.
        if (w->isWindow()) break;
    }
    return nullptr;
}

QMargins NonClientMargins(HWND h) {
    int border = 0;
    if (IsChildStyle(h->style) || (h->style & WS_POPUP)) {
        if (h->exStyle & WS_EX_CLIENTEDGE) border += 2;
        if (h->exStyle & WS_EX_STATICEDGE) border += 1;
        if (h->style & WS_BORDER) border += 1;
        if ((h->style & WS_DLGFRAME) && !(h->style & WS_BORDER)) border += 3;
    }
    QMargins m(border, border, border, border);
    const int sb = 17;
    if ((h->style & WS_VSCROLL) && h->scroll[SB_VERT].bar) {
        if (h->exStyle & WS_EX_LEFTSCROLLBAR) m.setLeft(m.left() + sb);
        else m.setRight(m.right() + sb);
    }
    if ((h->style & WS_HSCROLL) && h->scroll[SB_HORZ].bar) m.setBottom(m.bottom() + sb);
    return m;
}

QRect ClientRectInWidget(HWND h) {
    QWidget* w = WidgetOf(h);
    if (!w) return QRect();
    const QMargins m = NonClientMargins(h);
    QRect r = w->rect().marginsRemoved(m);
    if (r.width() < 0) r.setWidth(0);
    if (r.height() < 0) r.setHeight(0);
    return r;
}

QPoint ClientOriginOnScreen(HWND h) {
    QWidget* w = WidgetOf(h);
    if (!w) return QPoint();
    return w->mapToGlobal(ClientRectInWidget(h).topLeft());
}

LRESULT CallWindow(HWND h, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!IsLive(h) || !RequireUiThread("a window procedure")) return 0;
    CWnd* wnd = CWnd::FromHandle(h);
    if (!wnd) return 0;
    CurrentMessage current{wnd, MSG{h, message, wParam, lParam, 0, POINT{0, 0}}};
    g_messageStack.push_back(current);
    const LRESULT r = wnd->WindowProc(message, wParam, lParam);
    g_messageStack.pop_back();
    return r;
}

bool IsOffscreen() {
    static const bool offscreen = QGuiApplication::platformName() == QLatin1String("offscreen") ||
                                  QGuiApplication::platformName() == QLatin1String("minimal");
    return offscreen;
}

}  // namespace vorn_ui

// Message map of CWnd: empty; handlers are reached through derived maps.
const AFX_MSGMAP* CWnd::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr, nullptr}};
    static const AFX_MSGMAP map = {&CCmdTarget::GetThisMessageMap, entries};
    return &map;
}
const AFX_MSGMAP* CWnd::GetMessageMap() const { return GetThisMessageMap(); }

bool CWnd::MapsMessage(UINT message) const {
    const AFX_MSGMAP* own = GetThisMessageMap();
    for (const AFX_MSGMAP* map = GetMessageMap(); map && map != own; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr)
        for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e && e->nMessage; ++e)
            if (e->nMessage == message) return true;
    return false;
}

CWnd::CWnd() = default;

CWnd::~CWnd() {
    if (m_hWnd && IsLive(m_hWnd)) {
        HWND h = m_hWnd;
        // Messages sent while tearing down go to the plain window procedure from here on.
        if (h->wnd == this) {
            h->wnd = nullptr;
            h->ownsWnd = false;
        }
        m_hWnd = nullptr;
        ::DestroyWindow(h);
    }
}

CWnd* CWnd::FromHandlePermanent(HWND h) {
    if (!IsLive(h)) return nullptr;
    return h->ownsWnd ? nullptr : h->wnd;
}

CWnd* CWnd::FromHandle(HWND h) {
    if (!IsLive(h)) return nullptr;
    if (!h->wnd) {
        h->wnd = new CWnd;
        h->wnd->m_hWnd = h;
        h->ownsWnd = true;
    }
    return h->wnd;
}

BOOL CWnd::Attach(HWND h) {
    if (!IsLive(h) || m_hWnd) return FALSE;
    if (h->ownsWnd) {
        h->wnd->m_hWnd = nullptr;
        delete h->wnd;
    }
    h->wnd = this;
    h->ownsWnd = false;
    m_hWnd = h;
    return TRUE;
}

HWND CWnd::Detach() {
    HWND h = m_hWnd;
    if (h && IsLive(h) && h->wnd == this) {
        h->wnd = nullptr;
        h->ownsWnd = false;
    }
    m_hWnd = nullptr;
    return h;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT&) { return TRUE; }

void CWnd::PreSubclassWindow() {}

BOOL CWnd::SubclassWindow(HWND hWnd) {
    if (!Attach(hWnd)) return FALSE;
    PreSubclassWindow();
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
    HWND control = pParent ? ::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID)) : nullptr;
    return control ? SubclassWindow(control) : FALSE;
}

HWND CWnd::UnsubclassWindow() { return Detach(); }

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                  UINT nID, void*) {
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                    CWnd* pParentWnd, UINT nID, LPVOID lpParam) {
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, pParentWnd ? pParentWnd->m_hWnd : nullptr,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x, int y,
                    int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam) {
    if (m_hWnd) return FALSE;
    if (!RequireUiThread("CWnd::CreateEx")) return FALSE;
    EnsureInputFilter();
    CREATESTRUCT cs{};
    cs.lpCreateParams = lpParam;
    cs.hInstance = AfxGetInstanceHandle();
    cs.hMenu = nIDorHMenu;
    cs.hwndParent = hWndParent;
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.style = static_cast<LONG>(dwStyle);
    cs.lpszName = lpszWindowName;
    cs.lpszClass = lpszClassName;
    cs.dwExStyle = dwExStyle;
    if (!PreCreateWindow(cs)) return FALSE;

    WNDCLASS wc{};
    if (!FindWindowClass(cs.lpszClass, &wc)) return FALSE;
    const DWORD style = static_cast<DWORD>(cs.style);
    HWND parent = cs.hwndParent;
    if (IsChildStyle(style) && !IsLive(parent)) return FALSE;
    if (parent && !IsLive(parent)) return FALSE;

    auto* h = new HWND__;
    h->wnd = this;
    h->className = cs.lpszClass ? cs.lpszClass : L"";
    h->cls = wc;
    h->style = style & ~WS_VISIBLE;
    h->exStyle = cs.dwExStyle;
    h->text = cs.lpszName ? cs.lpszName : L"";
    h->zOrder = ++g_zCounter;
    if (IsChildStyle(style)) {
        h->parent = parent;
        h->id = static_cast<UINT>(reinterpret_cast<UINT_PTR>(cs.hMenu));
    } else if (parent) {
        // A top-level window's "parent" is its owner, which must be a top-level window.
        HWND owner = parent;
        while (owner && owner->parent) owner = owner->parent;
        h->owner = owner;
    }
    {
        std::lock_guard<std::mutex> lock(g_liveMutex);
        g_live.insert(h);
    }
    m_hWnd = h;

    int cx = cs.x == kUseDefault ? 100 : cs.x, cy = cs.y == kUseDefault ? 100 : cs.y;
    int width = cs.cx == kUseDefault ? 640 : cs.cx, height = cs.cy == kUseDefault ? 480 : cs.cy;
    QWidget* widget;
    if (IsChildStyle(style)) {
        QWidget* parentWidget = parent->widget.data();
        widget = new CWindowWidget(h, parentWidget, Qt::Widget);
        // A child made without WS_VISIBLE stays hidden when its parent is shown later (a
        // dialog's hidden placeholder), as it does in the system.
        if (!(style & WS_VISIBLE)) widget->setVisible(false);
        StackAtBottom(h, widget);
        const QPoint origin = ClientRectInWidget(parent).topLeft();
        widget->setGeometry(origin.x() + cx, origin.y() + cy, std::max(0, width), std::max(0, height));
    } else {
        QWidget* ownerWidget = h->owner ? h->owner->widget.data() : nullptr;
        widget = new CWindowWidget(h, ownerWidget, TopLevelFlags(style, cs.dwExStyle));
        if (style & WS_POPUP || h->exStyle & WS_EX_NOACTIVATE) widget->setAttribute(Qt::WA_ShowWithoutActivating);
        widget->setGeometry(cx, cy, std::max(0, width), std::max(0, height));
        widget->setWindowTitle(QString::fromStdWString(h->text));
    }
    widget->setEnabled(!(style & WS_DISABLED));
    h->widget = widget;
    if (style & (WS_VSCROLL | WS_HSCROLL)) {
        h->style &= ~(WS_VSCROLL | WS_HSCROLL);
        if (style & WS_VSCROLL) ShowScrollBar(SB_VERT, TRUE);
        if (style & WS_HSCROLL) ShowScrollBar(SB_HORZ, TRUE);
    }

    PreSubclassWindow();
    if (!IsLive(h)) return FALSE;
    if (!SendMessage(WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs)) ||
        SendMessage(WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyWindow();
        return FALSE;
    }
    if (!IsLive(h)) return FALSE;
    NoteGeometry(h);
    if (style & WS_VISIBLE) ShowWindow((h->exStyle & WS_EX_NOACTIVATE) ? SW_SHOWNA : SW_SHOW);
    return IsLive(h) ? TRUE : FALSE;
}

namespace {

void CollectChildren(HWND h, std::vector<HWND>& out) {
    std::lock_guard<std::mutex> lock(g_liveMutex);
    for (HWND c : g_live)
        if (c->parent == h) out.push_back(c);
}

void CollectOwned(HWND h, std::vector<HWND>& out) {
    std::lock_guard<std::mutex> lock(g_liveMutex);
    for (HWND c : g_live)
        if (c->owner == h) out.push_back(c);
}

void DestroyTree(HWND h) {
    if (!IsLive(h) || h->destroying) return;
    h->destroying = true;
    std::vector<HWND> owned;
    CollectOwned(h, owned);
    for (HWND o : owned) ::DestroyWindow(o);
    if (QWidget* w = h->widget.data()) w->hide();
    NoteDestroyed(h);
    NoteUpdateLockDestroyed(h);
    CallWindow(h, WM_DESTROY, 0, 0);
    std::vector<HWND> children;
    CollectChildren(h, children);
    for (HWND c : children) DestroyTree(c);
    for (auto& t : h->timers) delete t.second;
    h->timers.clear();
    if (QWidget* w = h->widget.data()) {
        if (auto* ww = dynamic_cast<CWindowWidget*>(w)) ww->Detach();
        w->setParent(nullptr);
        w->deleteLater();
    }
    h->widget = nullptr;
    CallWindow(h, WM_NCDESTROY, 0, 0);
    // A window whose handler did not run the default WM_NCDESTROY processing is detached here.
    if (IsLive(h) && h->wnd && h->wnd->m_hWnd == h) h->wnd->OnNcDestroy();
    {
        std::lock_guard<std::mutex> lock(g_liveMutex);
        g_live.erase(h);
    }
    if (h->ownsWnd && h->wnd) {
        h->wnd->m_hWnd = nullptr;
        delete h->wnd;
    }
    DeleteObject(h->windowRgn);
    delete h;
}

}  // namespace

BOOL CWnd::DestroyWindow() {
    if (!m_hWnd || !IsLive(m_hWnd) || !RequireUiThread("DestroyWindow")) return FALSE;
    DestroyTree(m_hWnd);
    return TRUE;
}

BOOL DestroyWindow(HWND hwnd) {
    if (!IsLive(hwnd)) return FALSE;
    CWnd* w = CWnd::FromHandle(hwnd);
    return w->DestroyWindow();
}

void CWnd::OnNcDestroy() {
    HWND h = m_hWnd;
    if (h && IsLive(h) && h->wnd == this) {
        h->wnd = nullptr;
        h->ownsWnd = false;
    }
    m_hWnd = nullptr;
    // The application forgets its main window once it is gone.
    if (CWinApp* app = AfxGetApp(); app && app->m_pMainWnd == this) app->m_pMainWnd = nullptr;
    PostNcDestroy();
}

void CWnd::PostNcDestroy() {}

// Dispatch

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
    return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!m_hWnd) return 0;
    if (m_hWnd->cls.lpfnWndProc && m_hWnd->cls.lpfnWndProc != &::DefWindowProc)
        return m_hWnd->cls.lpfnWndProc(m_hWnd, message, wParam, lParam);
    return ::DefWindowProc(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    LRESULT result = 0;
    BOOL handled = FALSE;
    if (message == WM_COMMAND) {
        handled = OnCommand(wParam, lParam);
        result = handled ? 1 : 0;
    } else if (message == WM_NOTIFY) {
        handled = OnNotify(wParam, lParam, &result);
    } else {
        AfxMessageCall call;
        call.message = message;
        call.wParam = wParam;
        call.lParam = lParam;
        handled = DispatchToMap(call, message, 0, 0, false);
        result = call.result;
    }
    if (pResult) *pResult = result;
    return handled;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT id = LOWORD(wParam);
    const int code = static_cast<short>(HIWORD(wParam));
    HWND control = reinterpret_cast<HWND>(lParam);
    if (control && IsLive(control)) {
        // The control may handle its own notification first.
        CWnd* child = FromHandlePermanent(control);
        if (child && child->OnChildNotify(WM_COMMAND, wParam, lParam, nullptr)) return TRUE;
        if (code == 0 && id == 0) return FALSE;
        return OnCmdMsg(id, code, nullptr, nullptr);
    }
    return OnCmdMsg(id, CN_COMMAND, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult) {
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (!header) return FALSE;
    if (header->hwndFrom && IsLive(header->hwndFrom)) {
        CWnd* child = FromHandlePermanent(header->hwndFrom);
        if (child && child->OnChildNotify(WM_NOTIFY, header->idFrom, lParam, pResult)) return TRUE;
    }
    AfxMessageCall call;
    call.message = WM_NOTIFY;
    call.lParam = lParam;
    call.extra = header;
    const BOOL handled = DispatchToMap(call, WM_NOTIFY, header->code, static_cast<UINT>(header->idFrom), true);
    if (handled && pResult) *pResult = call.result;
    return handled;
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    AfxMessageCall call;
    call.message = message + WM_REFLECT_BASE;
    call.wParam = wParam;
    call.lParam = lParam;
    BOOL handled = FALSE;
    if (message == WM_NOTIFY) {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        call.extra = header;
        handled = DispatchToMap(call, WM_REFLECT_BASE + WM_NOTIFY, header->code, 0, false);
    } else if (message == WM_COMMAND) {
        handled = DispatchToMap(call, WM_REFLECT_BASE + WM_COMMAND, static_cast<UINT>(static_cast<short>(HIWORD(wParam))), 0, false);
    } else {
        handled = DispatchToMap(call, WM_REFLECT_BASE + message, 0, 0, false);
    }
    if (handled && pResult) *pResult = call.result;
    return handled;
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

BOOL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg) {
    if (!pMsg) return FALSE;
    for (HWND h = pMsg->hwnd; h && IsLive(h);) {
        CWnd* w = FromHandlePermanent(h);
        if (w && w->PreTranslateMessage(pMsg)) return TRUE;
        if (h == hWndStop) break;
        // PreTranslateMessage may have destroyed the window.
        if (!IsLive(h)) break;
        // A disabled owner (one that a modal dialog blocks) takes no part, not even with its
        // accelerators.
        if (!h->parent && h->owner && !::IsWindowEnabled(h->owner)) break;
        h = h->parent ? h->parent : h->owner;
    }
    return FALSE;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::SendMessage(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::PostMessage(m_hWnd, message, wParam, lParam);
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep) {
    std::vector<HWND> children;
    CollectChildren(m_hWnd, children);
    for (HWND c : children) {
        if (!IsLive(c)) continue;
        ::SendMessage(c, message, wParam, lParam);
        if (bDeep && IsLive(c)) CWnd::FromHandle(c)->SendMessageToDescendants(message, wParam, lParam, TRUE);
    }
}

LRESULT CWnd::Default() {
    for (auto it = g_messageStack.rbegin(); it != g_messageStack.rend(); ++it)
        if (it->wnd == this) return DefWindowProc(it->msg.message, it->msg.wParam, it->msg.lParam);
    return 0;
}

const MSG* CWnd::GetCurrentMessage() { return g_messageStack.empty() ? nullptr : &g_messageStack.back().msg; }

// Relations

CWnd* CWnd::GetParent() const { return m_hWnd ? FromHandle(::GetParent(m_hWnd)) : nullptr; }

HWND GetParent(HWND hwnd) {
    if (!IsLive(hwnd)) return nullptr;
    return hwnd->parent ? hwnd->parent : hwnd->owner;
}

CWnd* CWnd::SetParent(CWnd* pWndNewParent) {
    if (!m_hWnd || !RequireUiThread("SetParent")) return nullptr;
    HWND old = m_hWnd->parent ? m_hWnd->parent : m_hWnd->owner;
    HWND np = pWndNewParent ? pWndNewParent->m_hWnd : nullptr;
    QWidget* w = m_hWnd->widget.data();
    if (IsChildStyle(m_hWnd->style) && IsLive(np)) {
        const QPoint pos = w ? w->pos() - ClientRectInWidget(old).topLeft() : QPoint();
        m_hWnd->parent = np;
        if (w) {
            const bool visible = m_hWnd->style & WS_VISIBLE;
            w->setParent(np->widget.data());
            w->move(ClientRectInWidget(np).topLeft() + pos);
            w->setVisible(visible);
        }
    } else {
        m_hWnd->owner = np;
    }
    return FromHandle(old);
}

CWnd* CWnd::GetOwner() const {
    if (!m_hWnd) return nullptr;
    return FromHandle(m_hWnd->owner ? m_hWnd->owner : m_hWnd->parent);
}

void CWnd::SetOwner(CWnd* pOwnerWnd) {
    if (m_hWnd) m_hWnd->owner = pOwnerWnd ? pOwnerWnd->m_hWnd : nullptr;
}

CWnd* CWnd::GetTopLevelParent() const {
    HWND h = m_hWnd;
    while (h && h->parent) h = h->parent;
    return FromHandle(h);
}

HWND GetDlgItem(HWND hwnd, int id) {
    if (!IsLive(hwnd)) return nullptr;
    std::vector<HWND> children;
    CollectChildren(hwnd, children);
    HWND best = nullptr;
    for (HWND c : children)
        if (static_cast<int>(c->id) == id && (!best || c->zOrder < best->zOrder)) best = c;
    return best;
}

CWnd* CWnd::GetDlgItem(int nID) const { return FromHandle(::GetDlgItem(m_hWnd, nID)); }

int GetDlgCtrlID(HWND hwnd) { return IsLive(hwnd) ? static_cast<int>(hwnd->id) : 0; }
int CWnd::GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
int CWnd::SetDlgCtrlID(int nID) {
    if (!m_hWnd) return 0;
    const int old = static_cast<int>(m_hWnd->id);
    m_hWnd->id = static_cast<UINT>(nID);
    return old;
}

namespace {

// Siblings in stacking order, lowest first (Qt's child order, which raise() and lower() keep).
std::vector<HWND> Siblings(HWND h) {
    std::vector<HWND> out;
    if (h->parent && h->parent->widget) {
        for (QObject* o : h->parent->widget->children())
            if (auto* w = qobject_cast<QWidget*>(o)) {
                HWND r = RecordOfWidget(w);
                if (r && r != h->parent && r->parent == h->parent && IsLive(r)) out.push_back(r);
            }
    } else {
        std::lock_guard<std::mutex> lock(g_liveMutex);
        for (HWND c : g_live)
            if (!c->parent) out.push_back(c);
        std::sort(out.begin(), out.end(), [](HWND a, HWND b) { return a->zOrder < b->zOrder; });
    }
    return out;
}

}  // namespace

HWND GetWindow(HWND hwnd, UINT cmd) {
    if (!IsLive(hwnd)) return nullptr;
    if (cmd == GW_OWNER) return hwnd->owner;
    if (cmd == GW_CHILD) {
        std::vector<HWND> children;
        if (hwnd->widget)
            for (QObject* o : hwnd->widget->children())
                if (auto* w = qobject_cast<QWidget*>(o)) {
                    HWND r = RecordOfWidget(w);
                    if (r && r != hwnd && r->parent == hwnd && IsLive(r)) children.push_back(r);
                }
        // The first child is the top of the stacking order.
        return children.empty() ? nullptr : children.back();
    }
    std::vector<HWND> sib = Siblings(hwnd);
    std::reverse(sib.begin(), sib.end());  // top first, as GW_HWNDNEXT walks down
    auto it = std::find(sib.begin(), sib.end(), hwnd);
    if (it == sib.end()) return nullptr;
    switch (cmd) {
    case GW_HWNDFIRST: return sib.front();
    case GW_HWNDLAST: return sib.back();
    case GW_HWNDNEXT: return (it + 1) != sib.end() ? *(it + 1) : nullptr;
    case GW_HWNDPREV: return it != sib.begin() ? *(it - 1) : nullptr;
    default: return nullptr;
    }
}

CWnd* CWnd::GetWindow(UINT nCmd) const { return FromHandle(::GetWindow(m_hWnd, nCmd)); }

BOOL IsChild(HWND parent, HWND hwnd) {
    if (!IsLive(parent) || !IsLive(hwnd)) return FALSE;
    for (HWND h = hwnd->parent; h; h = h->parent)
        if (h == parent) return TRUE;
    return FALSE;
}

BOOL CWnd::IsChild(const CWnd* pWnd) const { return pWnd && ::IsChild(m_hWnd, pWnd->m_hWnd); }

BOOL IsWindow(HWND hwnd) { return IsLive(hwnd) ? TRUE : FALSE; }

int GetClassName(HWND hwnd, LPTSTR buffer, int maxCount) {
    if (!IsLive(hwnd) || !buffer || maxCount <= 0) return 0;
    const int n = std::min<int>(maxCount - 1, static_cast<int>(hwnd->className.size()));
    std::copy_n(hwnd->className.c_str(), n, buffer);
    buffer[n] = 0;
    return n;
}

// Styles and state

DWORD CWnd::GetStyle() const { return m_hWnd ? m_hWnd->style : 0; }
DWORD CWnd::GetExStyle() const { return m_hWnd ? m_hWnd->exStyle : 0; }

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
    if (!m_hWnd) return FALSE;
    const DWORD old = m_hWnd->style;
    const DWORD next = (old & ~dwRemove) | dwAdd;
    if (next == old) return FALSE;
    SetWindowLongPtr(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(next));
    if (nFlags) SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
    if (!m_hWnd) return FALSE;
    const DWORD old = m_hWnd->exStyle;
    const DWORD next = (old & ~dwRemove) | dwAdd;
    if (next == old) return FALSE;
    SetWindowLongPtr(m_hWnd, GWL_EXSTYLE, static_cast<LONG_PTR>(next));
    if (nFlags) SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}

LONG_PTR GetWindowLongPtr(HWND hwnd, int index) {
    if (!IsLive(hwnd)) return 0;
    switch (index) {
    case GWL_STYLE: return static_cast<LONG_PTR>(hwnd->style);
    case GWL_EXSTYLE: return static_cast<LONG_PTR>(hwnd->exStyle);
    case GWLP_ID: return static_cast<LONG_PTR>(hwnd->id);
    case GWLP_USERDATA: return hwnd->userData;
    case GWLP_HWNDPARENT: return reinterpret_cast<LONG_PTR>(hwnd->parent ? hwnd->parent : hwnd->owner);
    default: return 0;
    }
}

LONG_PTR SetWindowLongPtr(HWND hwnd, int index, LONG_PTR value) {
    if (!IsLive(hwnd) || !RequireUiThread("SetWindowLongPtr")) return 0;
    const LONG_PTR old = GetWindowLongPtr(hwnd, index);
    switch (index) {
    case GWL_STYLE: {
        STYLESTRUCT styles{hwnd->style, static_cast<DWORD>(value)};
        CallWindow(hwnd, WM_STYLECHANGING, static_cast<WPARAM>(GWL_STYLE), reinterpret_cast<LPARAM>(&styles));
        if (!IsLive(hwnd)) return old;
        const DWORD next = styles.styleNew;
        const DWORD changed = hwnd->style ^ next;
        hwnd->style = (next & ~(WS_VISIBLE | WS_DISABLED | WS_VSCROLL | WS_HSCROLL)) |
                      (hwnd->style & (WS_VISIBLE | WS_DISABLED | WS_VSCROLL | WS_HSCROLL));
        CWnd* w = CWnd::FromHandle(hwnd);
        if (changed & WS_VSCROLL) w->ShowScrollBar(SB_VERT, (next & WS_VSCROLL) != 0);
        if (changed & WS_HSCROLL) w->ShowScrollBar(SB_HORZ, (next & WS_HSCROLL) != 0);
        if (changed & WS_DISABLED) w->EnableWindow(!(next & WS_DISABLED));
        if (changed & WS_VISIBLE) w->ShowWindow((next & WS_VISIBLE) ? SW_SHOWNA : SW_HIDE);
        if (changed & (WS_BORDER | WS_DLGFRAME)) NoteGeometry(hwnd);
        styles.styleNew = hwnd->style;
        if (IsLive(hwnd)) CallWindow(hwnd, WM_STYLECHANGED, static_cast<WPARAM>(GWL_STYLE), reinterpret_cast<LPARAM>(&styles));
        break;
    }
    case GWL_EXSTYLE: {
        STYLESTRUCT styles{hwnd->exStyle, static_cast<DWORD>(value)};
        CallWindow(hwnd, WM_STYLECHANGING, static_cast<WPARAM>(GWL_EXSTYLE), reinterpret_cast<LPARAM>(&styles));
        if (!IsLive(hwnd)) return old;
        const DWORD changed = hwnd->exStyle ^ styles.styleNew;
        hwnd->exStyle = styles.styleNew;
        if (changed & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE | WS_EX_LEFTSCROLLBAR)) NoteGeometry(hwnd);
        CallWindow(hwnd, WM_STYLECHANGED, static_cast<WPARAM>(GWL_EXSTYLE), reinterpret_cast<LPARAM>(&styles));
        break;
    }
    case GWLP_ID: hwnd->id = static_cast<UINT>(value); break;
    case GWLP_USERDATA: hwnd->userData = value; break;
    default: return 0;
    }
    return old;
}

BOOL IsWindowVisible(HWND hwnd) {
    for (HWND h = hwnd; h; h = h->parent) {
        if (!IsLive(h) || !(h->style & WS_VISIBLE)) return FALSE;
    }
    return TRUE;
}
BOOL CWnd::IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }

BOOL IsWindowEnabled(HWND hwnd) { return IsLive(hwnd) && !(hwnd->style & WS_DISABLED); }

BOOL IsIconic(HWND hwnd) { return IsLive(hwnd) && !hwnd->parent && hwnd->widget && hwnd->widget->isMinimized(); }
BOOL IsZoomed(HWND hwnd) { return IsLive(hwnd) && !hwnd->parent && hwnd->widget && hwnd->widget->isMaximized(); }
BOOL CWnd::IsIconic() const { return ::IsIconic(m_hWnd); }
BOOL CWnd::IsZoomed() const { return ::IsZoomed(m_hWnd); }

namespace {
HWND g_lockedWindow = nullptr;
}

namespace vorn_ui {
HWND LockedUpdateWindow() { return g_lockedWindow; }
void NoteUpdateLockDestroyed(HWND h) {
    if (g_lockedWindow == h) g_lockedWindow = nullptr;
}
}  // namespace vorn_ui

BOOL LockWindowUpdate(HWND hwnd) {
    if (!RequireUiThread("LockWindowUpdate")) return FALSE;
    if (g_lockedWindow && !IsLive(g_lockedWindow)) g_lockedWindow = nullptr;
    if (!hwnd) {
        HWND locked = g_lockedWindow;
        g_lockedWindow = nullptr;
        if (!locked) return FALSE;
        if (QWidget* w = locked->widget.data()) w->setUpdatesEnabled(true);
        // What was drawn meanwhile shows now.
        RedrawWindow(locked, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        return TRUE;
    }
    if (!IsLive(hwnd) || g_lockedWindow) return FALSE;
    g_lockedWindow = hwnd;
    if (QWidget* w = hwnd->widget.data()) w->setUpdatesEnabled(false);
    return TRUE;
}
BOOL CWnd::LockWindowUpdate() { return ::LockWindowUpdate(m_hWnd); }
void CWnd::UnlockWindowUpdate() { ::LockWindowUpdate(nullptr); }
BOOL CWnd::IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }

BOOL CWnd::EnableWindow(BOOL bEnable) {
    if (!m_hWnd || !RequireUiThread("EnableWindow")) return FALSE;
    const BOOL wasDisabled = (m_hWnd->style & WS_DISABLED) != 0;
    if (bEnable == !wasDisabled) return wasDisabled;
    if (bEnable) m_hWnd->style &= ~WS_DISABLED;
    else m_hWnd->style |= WS_DISABLED;
    if (QWidget* w = m_hWnd->widget.data()) w->setEnabled(bEnable != FALSE);
    if (!bEnable && ::GetFocus() && (::GetFocus() == m_hWnd || ::IsChild(m_hWnd, ::GetFocus()))) ::SetFocus(nullptr);
    // A window that stops taking input ends what it was tracking, as a modal dialog over it asks.
    if (!bEnable && ::GetCapture() && (::GetCapture() == m_hWnd || ::IsChild(m_hWnd, ::GetCapture())))
        ::SendMessage(::GetCapture(), WM_CANCELMODE, 0, 0);
    if (!bEnable && ::GetCapture() == m_hWnd) ::ReleaseCapture();
    SendMessage(WM_ENABLE, bEnable ? TRUE : FALSE, 0);
    return wasDisabled;
}
BOOL EnableWindow(HWND hwnd, BOOL enable) { return IsLive(hwnd) && CWnd::FromHandle(hwnd)->EnableWindow(enable); }

BOOL CWnd::ShowWindow(int nCmdShow) {
    if (!m_hWnd || !RequireUiThread("ShowWindow")) return FALSE;
    HWND h = m_hWnd;
    const BOOL wasVisible = (h->style & WS_VISIBLE) != 0;
    const bool show = nCmdShow != SW_HIDE;
    if (show && wasVisible && !h->parent && h->widget) {
        // A shown top-level window changes its state.
        QWidget* w = h->widget.data();
        if (nCmdShow == SW_SHOWMAXIMIZED) w->showMaximized();
        else if (nCmdShow == SW_MINIMIZE || nCmdShow == SW_SHOWMINIMIZED || nCmdShow == SW_SHOWMINNOACTIVE) w->showMinimized();
        else if (nCmdShow == SW_RESTORE && (w->isMinimized() || w->isMaximized())) w->showNormal();
    }
    if (show == static_cast<bool>(wasVisible)) {
        if (show && nCmdShow != SW_SHOWNA && nCmdShow != SW_SHOWNOACTIVATE && !h->parent && h->widget) Raise(h->widget.data());
        return wasVisible;
    }
    SendMessage(WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
    if (!IsLive(h)) return wasVisible;
    QWidget* w = h->widget.data();
    if (show) {
        h->style |= WS_VISIBLE;
        if (!h->parent) h->zOrder = ++g_zCounter;
        if (w) {
            const bool activate = !(nCmdShow == SW_SHOWNA || nCmdShow == SW_SHOWNOACTIVATE ||
                                    nCmdShow == SW_SHOWMINNOACTIVE || (h->style & WS_POPUP) ||
                                    (h->exStyle & WS_EX_NOACTIVATE));
            w->setAttribute(Qt::WA_ShowWithoutActivating, !activate);
            if (nCmdShow == SW_SHOWMAXIMIZED) w->showMaximized();
            else if (nCmdShow == SW_RESTORE && (w->isMinimized() || w->isMaximized())) w->showNormal();
            else if (nCmdShow == SW_MINIMIZE || nCmdShow == SW_SHOWMINIMIZED || nCmdShow == SW_SHOWMINNOACTIVE) w->showMinimized();
            else w->show();
            if (!h->parent) Raise(w);
            if (activate && !h->parent) w->activateWindow();
        }
        h->everShown = true;
        InvalidateAll(h, true);
    } else {
        h->style &= ~WS_VISIBLE;
        if (::GetFocus() && (::GetFocus() == h || ::IsChild(h, ::GetFocus()))) ::SetFocus(h->parent);
        if (w) w->hide();
        // A hidden window gives its picture up; showing it again repaints it whole. So do the
        // windows inside it: a page behind a tab keeps no pictures of its panes.
        CWindowOverlay::Drop(h);
        h->store = QImage();
        h->invalid = QRegion();
        if (w)
            // The window widget has no meta-object of its own, so the search is for every widget
            // and the controls' Qt faces are told apart by their type.
            for (QWidget* child : w->findChildren<QWidget*>()) {
                const auto* inner = dynamic_cast<const CWindowWidget*>(child);
                const HWND c = inner ? inner->hwnd() : nullptr;
                if (!c || !IsLive(c) || c->store.isNull()) continue;
                CWindowOverlay::Drop(c);
                c->store = QImage();
                InvalidateAll(c, true);
            }
    }
    return wasVisible;
}

BOOL ShowWindow(HWND hwnd, int cmdShow) { return IsLive(hwnd) && CWnd::FromHandle(hwnd)->ShowWindow(cmdShow); }

void CWnd::SetWindowText(LPCTSTR lpszString) { SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpszString)); }

int CWnd::GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const {
    return static_cast<int>(SendMessage(WM_GETTEXT, static_cast<WPARAM>(nMaxCount), reinterpret_cast<LPARAM>(lpszStringBuf)));
}

void CWnd::GetWindowText(CString& rString) const {
    const int length = GetWindowTextLength();
    std::wstring buffer(static_cast<std::size_t>(length) + 1, L'\0');
    const int n = GetWindowText(buffer.data(), length + 1);
    buffer.resize(static_cast<std::size_t>(std::max(0, n)));
    rString = CString(buffer);
}

int CWnd::GetWindowTextLength() const { return static_cast<int>(SendMessage(WM_GETTEXTLENGTH, 0, 0)); }

void CWnd::SetFont(CFont* pFont, BOOL bRedraw) {
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(pFont ? pFont->m_hObject : nullptr), bRedraw);
}

CFont* CWnd::GetFont() const {
    return CFont::FromHandle(reinterpret_cast<HFONT>(SendMessage(WM_GETFONT, 0, 0)));
}

void CWnd::SetRedraw(BOOL bRedraw) { SendMessage(WM_SETREDRAW, bRedraw, 0); }

QWidget* CWnd::GetWidget() const { return m_hWnd && IsLive(m_hWnd) ? m_hWnd->widget.data() : nullptr; }

// Geometry

void CWnd::GetWindowRect(LPRECT lpRect) const { ::GetWindowRect(m_hWnd, lpRect); }

BOOL GetWindowRect(HWND hwnd, LPRECT rc) {
    QWidget* w = WidgetOf(hwnd);
    if (!w || !rc) return FALSE;
    QRect g;
    if (w->isWindow() && !(hwnd->style & WS_POPUP) && w->isVisible()) g = w->frameGeometry();
    else g = QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
    *rc = RECT{g.left(), g.top(), g.left() + g.width(), g.top() + g.height()};
    return TRUE;
}

void CWnd::GetClientRect(LPRECT lpRect) const { ::GetClientRect(m_hWnd, lpRect); }

BOOL GetClientRect(HWND hwnd, LPRECT rc) {
    if (!rc || !IsLive(hwnd)) return FALSE;
    const QRect r = ClientRectInWidget(hwnd);
    *rc = RECT{0, 0, r.width(), r.height()};
    return TRUE;
}

BOOL ClientToScreen(HWND hwnd, LPPOINT point) {
    if (!point || !IsLive(hwnd)) return FALSE;
    const QPoint o = ClientOriginOnScreen(hwnd);
    point->x += o.x();
    point->y += o.y();
    return TRUE;
}

BOOL ScreenToClient(HWND hwnd, LPPOINT point) {
    if (!point || !IsLive(hwnd)) return FALSE;
    const QPoint o = ClientOriginOnScreen(hwnd);
    point->x -= o.x();
    point->y -= o.y();
    return TRUE;
}

void CWnd::ClientToScreen(LPPOINT lpPoint) const { ::ClientToScreen(m_hWnd, lpPoint); }
void CWnd::ClientToScreen(LPRECT lpRect) const {
    ::ClientToScreen(m_hWnd, reinterpret_cast<LPPOINT>(&lpRect->left));
    ::ClientToScreen(m_hWnd, reinterpret_cast<LPPOINT>(&lpRect->right));
}
void CWnd::ScreenToClient(LPPOINT lpPoint) const { ::ScreenToClient(m_hWnd, lpPoint); }
void CWnd::ScreenToClient(LPRECT lpRect) const {
    ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(&lpRect->left));
    ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(&lpRect->right));
}

int MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count) {
    const QPoint a = from ? ClientOriginOnScreen(from) : QPoint();
    const QPoint b = to ? ClientOriginOnScreen(to) : QPoint();
    const QPoint d = a - b;
    for (UINT i = 0; points && i < count; ++i) {
        points[i].x += d.x();
        points[i].y += d.y();
    }
    return MAKELONG(d.x(), d.y());
}

void CWnd::MapWindowPoints(CWnd* pwndTo, LPPOINT lpPoint, UINT nCount) const {
    ::MapWindowPoints(m_hWnd, pwndTo ? pwndTo->m_hWnd : nullptr, lpPoint, nCount);
}
void CWnd::MapWindowPoints(CWnd* pwndTo, LPRECT lpRect) const {
    ::MapWindowPoints(m_hWnd, pwndTo ? pwndTo->m_hWnd : nullptr, reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint) {
    SetWindowPos(nullptr, x, y, nWidth, nHeight, SWP_NOZORDER | SWP_NOACTIVATE | (bRepaint ? 0 : SWP_NOREDRAW));
}
void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint) {
    if (lpRect) MoveWindow(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top, bRepaint);
}
BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
    if (!IsLive(hwnd)) return FALSE;
    CWnd::FromHandle(hwnd)->MoveWindow(x, y, width, height, repaint);
    return TRUE;
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags) {
    HWND after = pWndInsertAfter ? pWndInsertAfter->m_hWnd : HWND_TOP;
    if (pWndInsertAfter == reinterpret_cast<const CWnd*>(HWND_TOPMOST)) after = HWND_TOPMOST;
    else if (pWndInsertAfter == reinterpret_cast<const CWnd*>(HWND_BOTTOM)) after = HWND_BOTTOM;
    else if (pWndInsertAfter == reinterpret_cast<const CWnd*>(HWND_NOTOPMOST)) after = HWND_NOTOPMOST;
    return ::SetWindowPos(m_hWnd, after, x, y, cx, cy, nFlags);
}

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    if (!RequireUiThread("SetWindowPos")) return FALSE;
    QWidget* w = WidgetOf(hwnd);
    if (!w) return FALSE;
    const QSize oldSize = w->size();
    if (!(flags & SWP_NOSIZE)) w->resize(std::max(0, cx), std::max(0, cy));
    if (!(flags & SWP_NOMOVE)) {
        if (hwnd->parent) w->move(ClientRectInWidget(hwnd->parent).topLeft() + QPoint(x, y));
        else w->move(x, y);
    }
    if (!(flags & SWP_NOZORDER)) {
        if (insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST) {
            if (!hwnd->parent) {
                const bool top = insertAfter == HWND_TOPMOST;
                if (top) hwnd->exStyle |= WS_EX_TOPMOST;
                else hwnd->exStyle &= ~WS_EX_TOPMOST;
                const bool visible = w->isVisible();
                w->setWindowFlag(Qt::WindowStaysOnTopHint, top);
                if (visible) w->show();
            }
            Raise(w);
            if (!hwnd->parent) hwnd->zOrder = ++g_zCounter;
        } else if (insertAfter == HWND_TOP) {
            Raise(w);
            if (!hwnd->parent) hwnd->zOrder = ++g_zCounter;
        } else if (insertAfter == HWND_BOTTOM) {
            if (!w->isWindow() || !IsOffscreen()) w->lower();
            if (!hwnd->parent) hwnd->zOrder = -(++g_zCounter);
        } else if (IsLive(insertAfter) && insertAfter->widget) {
            if (!w->isWindow() || !IsOffscreen()) w->stackUnder(insertAfter->widget.data());
            if (!hwnd->parent) hwnd->zOrder = insertAfter->zOrder - 1;
        }
    }
    WINDOWPOS pos{hwnd, insertAfter, x, y, cx, cy, flags};
    CallWindow(hwnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
    if (!IsLive(hwnd)) return TRUE;
    if (flags & SWP_SHOWWINDOW) CWnd::FromHandle(hwnd)->ShowWindow((flags & SWP_NOACTIVATE) ? SW_SHOWNA : SW_SHOW);
    if (flags & SWP_HIDEWINDOW) CWnd::FromHandle(hwnd)->ShowWindow(SW_HIDE);
    if (IsLive(hwnd) && (flags & SWP_FRAMECHANGED)) {
        LayoutScrollBars(hwnd);
        NoteGeometry(hwnd);
        if (QWidget* ww = hwnd->widget.data()) ww->update();
    }
    (void)oldSize;
    return TRUE;
}

void CWnd::BringWindowToTop() { SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); }

void CWnd::CenterWindow(CWnd* pAlternateOwner) {
    CRect mine, area;
    GetWindowRect(&mine);
    CWnd* owner = pAlternateOwner ? pAlternateOwner : GetOwner();
    if (owner && !IsChildStyle(GetStyle())) {
        owner->GetWindowRect(&area);
    } else if (IsChildStyle(GetStyle())) {
        GetParent()->GetClientRect(&area);
        GetParent()->ClientToScreen(&area);
    } else {
        const QRect s = QGuiApplication::primaryScreen()->availableGeometry();
        area = CRect(s.left(), s.top(), s.left() + s.width(), s.top() + s.height());
    }
    CPoint p(area.left + (area.Width() - mine.Width()) / 2, area.top + (area.Height() - mine.Height()) / 2);
    if (IsChildStyle(GetStyle())) GetParent()->ScreenToClient(&p);
    SetWindowPos(nullptr, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int CWnd::SetWindowRgn(HRGN hRgn, BOOL bRedraw) { return ::SetWindowRgn(m_hWnd, hRgn, bRedraw); }

int SetWindowRgn(HWND hwnd, HRGN rgn, BOOL redraw) {
    QWidget* w = WidgetOf(hwnd);
    if (!w || !RequireUiThread("SetWindowRgn")) return 0;
    // The window owns the region from here on.
    if (hwnd->windowRgn && hwnd->windowRgn != rgn) DeleteObject(hwnd->windowRgn);
    hwnd->windowRgn = rgn;
    if (RgnRecord* r = ToRgn(rgn)) w->setMask(r->region);
    else w->clearMask();
    if (redraw) w->update();
    return 1;
}

int CWnd::GetWindowRgn(HRGN hRgn) const {
    RgnRecord* dst = ToRgn(hRgn);
    RgnRecord* src = m_hWnd ? ToRgn(m_hWnd->windowRgn) : nullptr;
    if (!dst || !src) return ERROR;
    dst->region = src->region;
    return src->region.rectCount() > 1 ? COMPLEXREGION : (src->region.isEmpty() ? NULLREGION : SIMPLEREGION);
}

HWND CreateWindowEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style, int x, int y, int width,
                    int height, HWND parent, HMENU menuOrId, HINSTANCE, LPVOID param) {
    auto* wnd = new CWnd;
    if (!wnd->CreateEx(exStyle, className, windowName, style, x, y, width, height, parent, menuOrId, param)) {
        delete wnd;
        return nullptr;
    }
    HWND h = wnd->m_hWnd;
    h->ownsWnd = true;  // the wrapper goes with the window
    return h;
}

// The plain window procedure.
LRESULT DefWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!IsLive(hwnd)) return 0;
    switch (message) {
    case WM_NCCREATE: return TRUE;
    case WM_ERASEBKGND: {
        HBRUSH brush = hwnd->cls.hbrBackground;
        if (!brush) return 0;
        RECT rc;
        GetClientRect(hwnd, &rc);
        FillRect(reinterpret_cast<HDC>(wParam), &rc, brush);
        return 1;
    }
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(hwnd, &ps);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_SETCURSOR: {
        if (hwnd->parent && SendMessage(hwnd->parent, WM_SETCURSOR, wParam, lParam)) return TRUE;
        if (LOWORD(lParam) == HTCLIENT && hwnd->cls.hCursor) SetCursor(hwnd->cls.hCursor);
        else if (LOWORD(lParam) != HTCLIENT) SetCursor(LoadCursor(nullptr, IDC_ARROW));
        return FALSE;
    }
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
    case WM_CONTEXTMENU:
        return hwnd->parent ? SendMessage(hwnd->parent, message, wParam, lParam) : 0;
    case WM_RBUTTONUP: {
        // A right click asks for the context menu at the pointer, in screen coordinates.
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ClientToScreen(hwnd, &p);
        SendMessage(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(p.x, p.y));
        return 0;
    }
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
        // The menu key and Shift+F10 ask for it from the keyboard: the point is (-1, -1).
        if ((message == WM_KEYUP && wParam == VK_APPS) ||
            (message == WM_SYSKEYDOWN && wParam == VK_F10 && (GetKeyState(VK_SHIFT) & 0x8000)))
            SendMessage(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(-1, -1));
        return 0;
    case WM_MOUSEACTIVATE:
        if (hwnd->parent) {
            const LRESULT r = SendMessage(hwnd->parent, message, wParam, lParam);
            if (r) return r;
        }
        return MA_ACTIVATE;
    case WM_CLOSE: DestroyWindow(hwnd); return 0;
    case WM_CANCELMODE:
        if (GetCapture() == hwnd) ReleaseCapture();
        return 0;
    case WM_SETTEXT: {
        hwnd->text = lParam ? reinterpret_cast<LPCTSTR>(lParam) : L"";
        if (hwnd->widget && !hwnd->parent) hwnd->widget->setWindowTitle(QString::fromStdWString(hwnd->text));
        return TRUE;
    }
    case WM_GETTEXT: {
        auto* buffer = reinterpret_cast<LPTSTR>(lParam);
        const int max = static_cast<int>(wParam);
        if (!buffer || max <= 0) return 0;
        const int n = std::min<int>(max - 1, static_cast<int>(hwnd->text.size()));
        std::copy_n(hwnd->text.c_str(), n, buffer);
        buffer[n] = 0;
        return n;
    }
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(hwnd->text.size());
    case WM_SETFONT:
        hwnd->font = reinterpret_cast<HFONT>(wParam);
        if (lParam) InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(hwnd->font);
    case WM_SETREDRAW:
        hwnd->redraw = wParam != 0;
        return 0;
    case WM_NCHITTEST: {
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ScreenToClient(hwnd, &p);
        RECT rc;
        GetClientRect(hwnd, &rc);
        if (PtInRect(&rc, p)) return HTCLIENT;
        if ((hwnd->style & WS_VSCROLL) && p.x >= rc.right && p.y >= 0 && p.y < rc.bottom) return HTVSCROLL;
        if ((hwnd->style & WS_HSCROLL) && p.y >= rc.bottom && p.x >= 0 && p.x < rc.right) return HTHSCROLL;
        return HTBORDER;
    }
    case WM_WINDOWPOSCHANGED:
        NoteGeometry(hwnd);
        return 0;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: {
        // A control that chooses its own colours (ON_WM_CTLCOLOR_REFLECT) answers first.
        HWND control = reinterpret_cast<HWND>(lParam);
        if (CWnd* child = control != hwnd ? CWnd::FromHandlePermanent(control) : nullptr) {
            LRESULT brush = 0;
            if (child->OnChildNotify(message, wParam, lParam, &brush) && brush) return brush;
        }
        HDC dc = reinterpret_cast<HDC>(wParam);
        const bool face = message == WM_CTLCOLORDLG || message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN ||
                          message == WM_CTLCOLORMSGBOX;
        if (dc) {
            SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
            SetBkColor(dc, GetSysColor(face ? COLOR_BTNFACE : COLOR_WINDOW));
        }
        return reinterpret_cast<LRESULT>(GetSysColorBrush(face ? COLOR_BTNFACE : COLOR_WINDOW));
    }
    default: return 0;
    }
}

// Default handlers: each hands its message to the default processing.
int CWnd::OnCreate(LPCREATESTRUCT) { return static_cast<int>(Default()); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnPaint() { Default(); }
BOOL CWnd::OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnMove(int, int) { Default(); }
void CWnd::OnWindowPosChanged(WINDOWPOS*) { Default(); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnEnable(BOOL) { Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return static_cast<BOOL>(Default()); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnRButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnMButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnMButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnMButtonDblClk(UINT, CPoint) { Default(); }
BOOL CWnd::OnMouseWheel(UINT, short, CPoint) { return static_cast<BOOL>(Default()); }
void CWnd::OnMouseLeave() { Default(); }
void CWnd::OnCaptureChanged(CWnd*) { Default(); }
int CWnd::OnMouseActivate(CWnd*, UINT, UINT) { return static_cast<int>(Default()); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysChar(UINT, UINT, UINT) { Default(); }
UINT CWnd::OnGetDlgCode() { return static_cast<UINT>(Default()); }
void CWnd::OnVScroll(UINT, UINT, CScrollBar*) { Default(); }
void CWnd::OnHScroll(UINT, UINT, CScrollBar*) { Default(); }
void CWnd::OnContextMenu(CWnd*, CPoint) { Default(); }
void CWnd::OnActivate(UINT, CWnd*, BOOL) { Default(); }
void CWnd::OnActivateApp(BOOL, DWORD) { Default(); }
void CWnd::OnCancelMode() { Default(); }
void CWnd::OnSysColorChange() { Default(); }
void CWnd::OnSettingChange(UINT, LPCTSTR) { Default(); }
void CWnd::OnTimeChange() { Default(); }
LRESULT CWnd::OnThemeChanged() { return Default(); }
HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT) { return reinterpret_cast<HBRUSH>(Default()); }
