#include "reports/html_ctrl.h"

#include "platform/ui/window_api.h"

BOOL CHtmlCtrl::PreTranslateMessage(MSG* pMsg) {
    const UINT message = pMsg->message;
    const bool rightButton = message == WM_CONTEXTMENU || message == WM_RBUTTONDOWN || message == WM_RBUTTONUP ||
                             message == WM_RBUTTONDBLCLK;
    if (m_forwardContextMenu && rightButton && pMsg->hwnd) {
        wchar_t name[64] = {};
        ::GetClassName(pMsg->hwnd, name, 64);
        if (CString(name) == HTMLVIEW_BROWSER_CLASS) {
            if (message == WM_RBUTTONUP) {
                // WM_CONTEXTMENU carries screen coordinates; the button message has client ones.
                POINT at{GET_X_LPARAM(pMsg->lParam), GET_Y_LPARAM(pMsg->lParam)};
                ::ClientToScreen(pMsg->hwnd, &at);
                if (CWnd* parent = GetParent())
                    parent->SendMessage(WM_CONTEXTMENU, pMsg->wParam, MAKELPARAM(at.x, at.y));
            }
            return TRUE;
        }
    }
    return CHtmlView::PreTranslateMessage(pMsg);
}
