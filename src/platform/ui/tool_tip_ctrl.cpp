#include "platform/ui/tool_tip_ctrl.h"

#include "platform/ui/native_control.h"

namespace {

TOOLINFO Info(CWnd* pWnd, UINT_PTR nIDTool) {
    TOOLINFO info{};
    info.cbSize = sizeof(TOOLINFO);
    info.hwnd = pWnd ? pWnd->m_hWnd : nullptr;
    info.uId = nIDTool;
    return info;
}

}  // namespace

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle) {
    vorn_ui::EnsureNativeClasses();
    return CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, TOOLTIPS_CLASS, nullptr, WS_POPUP | dwStyle,
                    0, 0, 0, 0, pParentWnd ? pParentWnd->m_hWnd : nullptr, nullptr);
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCTSTR lpszText, LPCRECT lpRectTool, UINT_PTR nIDTool) {
    TOOLINFO info = Info(pWnd, nIDTool);
    info.lpszText = const_cast<LPTSTR>(lpszText);
    if (lpRectTool) {
        info.rect = *lpRectTool;
    } else if (pWnd) {
        // Without a rectangle and an id the tool is the whole window.
        info.uFlags |= TTF_IDISHWND;
        info.uId = reinterpret_cast<UINT_PTR>(pWnd->m_hWnd);
        if (nIDTool) info.uFlags &= ~TTF_IDISHWND, info.uId = nIDTool, pWnd->GetClientRect(&info.rect);
    }
    return static_cast<BOOL>(SendMessage(TTM_ADDTOOL, 0, reinterpret_cast<LPARAM>(&info)));
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool, UINT_PTR nIDTool) {
    return AddTool(pWnd, MAKEINTRESOURCE(nIDText), lpRectTool, nIDTool);
}

void CToolTipCtrl::DelTool(CWnd* pWnd, UINT_PTR nIDTool) {
    TOOLINFO info = Info(pWnd, nIDTool ? nIDTool : reinterpret_cast<UINT_PTR>(pWnd ? pWnd->m_hWnd : nullptr));
    SendMessage(TTM_DELTOOL, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect) {
    TOOLINFO info = Info(pWnd, nIDTool);
    if (lpRect) info.rect = *lpRect;
    SendMessage(TTM_NEWTOOLRECT, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool) {
    TOOLINFO info = Info(pWnd, nIDTool ? nIDTool : reinterpret_cast<UINT_PTR>(pWnd ? pWnd->m_hWnd : nullptr));
    info.lpszText = const_cast<LPTSTR>(lpszText);
    SendMessage(TTM_UPDATETIPTEXT, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::UpdateTipText(UINT nIDText, CWnd* pWnd, UINT_PTR nIDTool) { UpdateTipText(MAKEINTRESOURCE(nIDText), pWnd, nIDTool); }

BOOL CToolTipCtrl::GetToolInfo(TOOLINFO& toolInfo, CWnd* pWnd, UINT_PTR nIDTool) const {
    toolInfo = Info(pWnd, nIDTool);
    return static_cast<BOOL>(SendMessage(TTM_GETTOOLINFO, 0, reinterpret_cast<LPARAM>(&toolInfo)));
}

void CToolTipCtrl::SetToolInfo(LPTOOLINFO lpToolInfo) { SendMessage(TTM_SETTOOLINFO, 0, reinterpret_cast<LPARAM>(lpToolInfo)); }
int CToolTipCtrl::GetToolCount() const { return static_cast<int>(SendMessage(TTM_GETTOOLCOUNT)); }
void CToolTipCtrl::Activate(BOOL bActivate) { SendMessage(TTM_ACTIVATE, bActivate); }
void CToolTipCtrl::RelayEvent(LPMSG lpMsg) { SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(lpMsg)); }
int CToolTipCtrl::SetMaxTipWidth(int iWidth) { return static_cast<int>(SendMessage(TTM_SETMAXTIPWIDTH, 0, iWidth)); }
void CToolTipCtrl::SetDelayTime(UINT nDelay) { SendMessage(TTM_SETDELAYTIME, TTDT_AUTOMATIC, static_cast<LPARAM>(nDelay)); }
void CToolTipCtrl::SetDelayTime(DWORD dwDuration, int iTime) { SendMessage(TTM_SETDELAYTIME, dwDuration, MAKELPARAM(iTime, 0)); }
void CToolTipCtrl::SetTipBkColor(COLORREF clr) { SendMessage(TTM_SETTIPBKCOLOR, clr); }
void CToolTipCtrl::SetTipTextColor(COLORREF clr) { SendMessage(TTM_SETTIPTEXTCOLOR, clr); }
void CToolTipCtrl::Pop() { SendMessage(TTM_POP); }
void CToolTipCtrl::Popup() { SendMessage(TTM_POPUP); }
void CToolTipCtrl::Update() { SendMessage(TTM_UPDATE); }
