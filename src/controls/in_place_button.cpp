#include "controls/in_place_button.h"

#include "controls/in_place_ctrl_msg.h"
#include "platform/ui/window_api.h"

IMPLEMENT_DYNCREATE(CInPlaceButton, CButton)

BEGIN_MESSAGE_MAP(CInPlaceButton, CButton)
    ON_CONTROL_REFLECT(BN_CLICKED, &CInPlaceButton::OnClicked)
    ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

BOOL CInPlaceButton::Create(LPCTSTR caption, DWORD style, const RECT& rect, CWnd* list, UINT id) {
    m_list = list ? list->m_hWnd : nullptr;
    return CButton::Create(caption, style | WS_CHILD, rect, list, id);
}

void CInPlaceButton::Hide() { SetWindowPos(nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE); }

BOOL CInPlaceButton::PreTranslateMessage(MSG* msg) {
    if (msg->hwnd == m_hWnd && msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE) {
        SendInPlaceRecord(m_list, nullptr, IPC_CTRLMSG::kKey, VK_ESCAPE);
        return TRUE;
    }
    return CButton::PreTranslateMessage(msg);
}

void CInPlaceButton::OnClicked() {
    m_clicking = true;
    SendInPlaceRecord(m_list, nullptr, IPC_CTRLMSG::kClicked, static_cast<UINT_PTR>(GetDlgCtrlID()));
    m_clicking = false;
}

void CInPlaceButton::OnKillFocus(CWnd* newWnd) {
    CButton::OnKillFocus(newWnd);
    if (!IsWindowVisible() || m_clicking) return;
    if (SendInPlaceRecord(m_list, nullptr, IPC_CTRLMSG::kFocusLost, reinterpret_cast<UINT_PTR>(newWnd ? newWnd->m_hWnd : nullptr)))
        Hide();
}
