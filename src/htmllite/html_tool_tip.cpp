#include "htmllite/html_tool_tip.h"

#include "platform/ui/icon.h"
#include "platform/ui/window_api.h"
#include "platform/ui/window_class.h"

namespace {

const wchar_t kClassName[] = L"CQxToolTip";

bool RegisterToolTipClass() {
    WNDCLASS wc{};
    if (::GetClassInfo(nullptr, kClassName, &wc)) return true;
    wc.style = CS_SAVEBITS;
    wc.lpfnWndProc = ::DefWindowProc;
    wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = kClassName;
    return ::RegisterClass(&wc) != 0;
}

}  // namespace

BEGIN_MESSAGE_MAP(CHtmlToolTip, CWnd)
    ON_WM_PAINT()
    ON_WM_TIMER()
    ON_WM_SETCURSOR()
    ON_WM_ACTIVATEAPP()
    ON_MESSAGE(HTTM_HOVER_REPAINT, &CHtmlToolTip::OnHoverRepaint)
END_MESSAGE_MAP()

CHtmlToolTip::CHtmlToolTip()
    : m_startColor(GetSysColor(COLOR_INFOBK)),
      m_middleColor(GetSysColor(COLOR_INFOBK)),
      m_endColor(GetSysColor(COLOR_INFOBK)) {
    RegisterToolTipClass();
    if (!m_borderBrush.CreateSolidBrush(GetSysColor(COLOR_INFOTEXT))) m_borderWidth = m_borderHeight = 0;
}

CHtmlToolTip::~CHtmlToolTip() {
    if (m_hWnd) DestroyWindow();
    FreeTipPictures();
    RemoveAllTools();
}

BOOL CHtmlToolTip::Create(CWnd* parent, BOOL balloon) {
    m_parent = parent;
    if (!RegisterToolTipClass()) return FALSE;
    if (!CreateEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kClassName, nullptr, WS_POPUP, 0, 0, 0, 0,
                  parent ? parent->GetSafeHwnd() : nullptr, nullptr))
        return FALSE;
    SetDefaultSizes(balloon);
    m_drawer.m_repaintCallback.window = m_hWnd;
    m_drawer.m_repaintCallback.message = HTTM_HOVER_REPAINT;
    SetTimer(TIMER_CHECK, 100);
    return TRUE;
}

void CHtmlToolTip::SetDefaultSizes(BOOL balloon) {
    if (balloon) {
        m_cornerWidth = m_cornerHeight = 16;
        m_marginX = m_marginY = 12;
        m_tailBase = 12;
        m_tailHeight = 16;
        m_tailOffset = 16;
    } else {
        m_cornerWidth = m_cornerHeight = 0;
        m_marginX = 3;
        m_marginY = 1;
        m_tailBase = m_tailHeight = m_tailOffset = 0;
    }
}

BOOL CHtmlToolTip::DestroyWindow() {
    HideNow();
    KillTimer(TIMER_CHECK);
    return CWnd::DestroyWindow();
}

BOOL CHtmlToolTip::PreTranslateMessage(MSG* msg) {
    RelayEvent(msg);
    return CWnd::PreTranslateMessage(msg);
}

bool CHtmlToolTip::TipUnderCursor() const {
    if (!m_hWnd || !(GetStyle() & WS_VISIBLE)) return false;
    POINT cursor{};
    ::GetCursorPos(&cursor);
    return ::WindowFromPoint(cursor) == m_hWnd;
}

// The mouse messages that move a tip come only while the pointer is over our windows: a tip
// whose tool the pointer left for another program or the desktop goes on the next check.
void CHtmlToolTip::PopWhenThePointerLeftTheTool() {
    if (!IsWindowVisible() || (m_showState != 1 && m_showState != 2) || m_displayedKind != 0 || !m_displayedWindow ||
        TipUnderCursor())
        return;
    POINT cursor{};
    ::GetCursorPos(&cursor);
    CPoint client(cursor);
    if (m_parent) m_parent->ScreenToClient(&client);
    HWND toolWindow = nullptr;
    CHtmlToolInfo tool;
    if (FindTool(client, toolWindow, tool) && toolWindow == m_displayedWindow && tool.m_rect == m_displayed.m_rect) return;
    m_displayedWindow = nullptr;
    m_displayed.m_rect.SetRectEmpty();
    Pop();
}

LRESULT CHtmlToolTip::RelayEvent(MSG* msg) {
    if (!m_hWnd || !msg) return 0;
    switch (msg->message) {
    case WM_MOUSEMOVE: {
        const CPoint pt(msg->pt);
        if (pt == m_lastPoint) return 0;
        m_lastPoint = pt;
        CPoint client = pt;
        if (m_parent) m_parent->ScreenToClient(&client);
        if (TipUnderCursor()) {
            if (!(m_displayed.m_styleBits & HTTS_FOLLOW_MOUSE)) {
                if (m_displayed.m_styleBits & HTTS_STAY_OVER_TIP)
                    RestartAutoHide();
                else
                    Pop();
            }
            return 0;
        }
        HWND toolWindow = nullptr;
        CHtmlToolInfo tool;
        if (!FindTool(client, toolWindow, tool)) {
            m_displayedWindow = nullptr;
            m_displayed.m_rect.SetRectEmpty();
            KillTimer(TIMER_SHOW);
            Pop();
            return 0;
        }
        if (toolWindow == m_displayedWindow && tool.m_rect == m_displayed.m_rect) {
            const int bits = m_displayed.m_styleBits;
            if (bits & HTTS_FOLLOW_MOUSE) {
                RestartAutoHide();
                SetWindowPos(nullptr, pt.x, pt.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
                return 0;
            }
            if (bits & HTTS_STAY_IN_TOOL) {
                RestartAutoHide();
                return 0;
            }
            if (!(bits & HTTS_SHOW_AGAIN)) {
                Pop();
                return 0;
            }
        }
        ShowTool(tool, toolWindow, TRUE, 0);
        return 0;
    }
    case WM_LBUTTONDOWN:
        if (TipUnderCursor()) {
            CPoint pt(msg->pt);
            ScreenToClient(&pt);
            m_drawer.ClickLink(pt);
        }
        if (!m_keepOnClick) HideNow();
        return 0;
    case WM_NCLBUTTONDOWN: case WM_NCLBUTTONDBLCLK: case WM_NCRBUTTONDOWN: case WM_NCRBUTTONDBLCLK:
    case WM_NCMBUTTONDOWN: case WM_NCMBUTTONDBLCLK: case WM_KEYDOWN: case WM_SYSKEYDOWN: case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN: case WM_RBUTTONDBLCLK: case WM_MBUTTONDOWN: case WM_MBUTTONDBLCLK: case WM_MOUSEWHEEL:
        HideNow();
        return 0;
    default:
        return 0;
    }
}

void CHtmlToolTip::ShowTool(const CHtmlToolInfo& tool, HWND window, BOOL useDelay, int kind) {
    if (m_showState == 1 || m_showState == 2) {
        SendNotify(nullptr, &m_next, HTTN_POP);
        if (m_showState == 1) KillTimer(TIMER_FADEIN);
        AutoHideStep();
    }
    m_queued = FALSE;
    m_nextKind = kind;
    m_nextWindow = window;
    m_next = tool;
    if (m_showState != 0) {
        m_queued = TRUE;
        m_queuedWithDelay = useDelay && m_showDelay != 0;
    } else if (useDelay && m_showDelay) {
        SetTimer(TIMER_SHOW, m_showDelay);
    } else {
        ShowStep();
    }
}

void CHtmlToolTip::Pop() {
    SendNotify(nullptr, &m_next, HTTN_POP);
    if (m_showState == 1) {
        KillTimer(TIMER_FADEIN);
        AutoHideStep();
    } else if (m_showState == 2) {
        AutoHideStep();
    }
}

void CHtmlToolTip::HideNow() {
    m_showState = 0;
    m_displayedKind = m_nextKind = 0;
    for (UINT_PTR id = TIMER_SHOW; id <= TIMER_FADEOUT; ++id) KillTimer(id);
    if (m_hWnd && IsWindowVisible()) {
        if (m_displayed.m_styleBits & HTTS_SHOW_AGAIN) {
            m_displayedWindow = nullptr;
            m_displayed.m_rect.SetRectEmpty();
        }
        SendNotify(nullptr, &m_next, HTTN_POP);
        ShowWindow(SW_HIDE);
    }
}

void CHtmlToolTip::RestartAutoHide() {
    if (m_autoHideDelay && !(m_displayed.m_styleBits & HTTS_NO_AUTOHIDE)) SetTimer(TIMER_AUTOHIDE, m_autoHideDelay);
}

void CHtmlToolTip::ShowStep() {
    KillTimer(TIMER_SHOW);
    CPoint pt = m_lastPoint;
    if (m_nextKind != 1 && m_nextKind != 2) ::GetCursorPos(&pt);
    if (pt != m_lastPoint) {
        Pop();
        return;
    }
    if (m_showState != 0) return;
    m_showState = 1;
    DisplayTooltip(m_lastPoint);
    if (m_fadeIn && m_fadeInDelay) {
        SetTimer(TIMER_FADEIN, m_fadeInDelay);
    } else {
        m_showState = 2;
        if (m_autoHideDelay && !(m_next.m_styleBits & HTTS_NO_AUTOHIDE)) SetTimer(TIMER_AUTOHIDE, m_autoHideDelay);
    }
}

void CHtmlToolTip::AutoHideStep() {
    KillTimer(TIMER_SHOW);
    KillTimer(TIMER_FADEIN);
    KillTimer(TIMER_AUTOHIDE);
    if (m_showState == 3) return;
    m_showState = 3;
    if (m_fadeOut && m_fadeOutDelay) {
        SetTimer(TIMER_FADEOUT, m_fadeOutDelay);
    } else {
        m_transparency = 100;
        FadeOutStep();
    }
}

void CHtmlToolTip::FadeOutStep() {
    m_transparency = m_transparency >= 80 ? 100 : m_transparency + 20;
    if (m_transparency < 100) {
        PaintTip(m_transparency);
        return;
    }
    KillTimer(TIMER_FADEOUT);
    if (m_displayed.m_styleBits & HTTS_SHOW_AGAIN) {
        m_displayedWindow = nullptr;
        m_displayed.m_rect.SetRectEmpty();
    }
    SendNotify(nullptr, &m_next, HTTN_POP);
    ShowWindow(SW_HIDE);
    m_showState = 0;
    if (m_queued) {
        m_queued = FALSE;
        if (m_queuedWithDelay)
            SetTimer(TIMER_SHOW, m_showDelay);
        else
            ShowStep();
    } else {
        m_displayedKind = m_nextKind = 0;
    }
}

void CHtmlToolTip::OnTimer(UINT_PTR id) {
    switch (id) {
    case TIMER_SHOW: ShowStep(); break;
    case TIMER_AUTOHIDE: AutoHideStep(); break;
    case TIMER_FADEIN:
        m_transparency = m_transparency <= 20 ? 0 : m_transparency - 20;
        if (m_displayed.m_transparency >= m_transparency) {
            m_transparency = m_displayed.m_transparency;
            KillTimer(TIMER_FADEIN);
            m_showState = 2;
            RestartAutoHide();
        }
        PaintTip(m_transparency);
        break;
    case TIMER_FADEOUT: FadeOutStep(); break;
    case TIMER_CHECK:
        if (IsWindowVisible() && m_showState == 2 && m_drawer.StepAnimations()) PaintTip(m_transparency);
        PopWhenThePointerLeftTheTool();
        break;
    default: CWnd::OnTimer(id); break;
    }
}

void CHtmlToolTip::OnPaint() {
    PAINTSTRUCT ps{};
    HDC hdc = ::BeginPaint(m_hWnd, &ps);
    m_displayed = m_next;
    m_displayedWindow = m_nextWindow;
    m_displayedKind = m_nextKind;
    PaintTip(m_transparency, CDC::FromHandle(hdc));
    ::EndPaint(m_hWnd, &ps);
}

LRESULT CHtmlToolTip::OnHoverRepaint(WPARAM, LPARAM) {
    if (m_hoverRepaint) PaintTip(0);
    return 0;
}

BOOL CHtmlToolTip::OnSetCursor(CWnd*, UINT, UINT) {
    CPoint pt;
    ::GetCursorPos(&pt);
    ScreenToClient(&pt);
    if (!m_drawer.SetLinkCursor(pt)) ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
    return TRUE;
}

void CHtmlToolTip::OnActivateApp(BOOL active, DWORD threadId) {
    CWnd::OnActivateApp(active, threadId);
    if (!active) HideNow();
}

void CHtmlToolTip::OnDrawBorder(CDC* dc, CRgn* region) {
    if (dc && region) dc->FrameRgn(region, &m_borderBrush, m_borderWidth, m_borderHeight);
}
