#include "controls/in_place_edit.h"

#include "controls/in_place_ctrl_msg.h"
#include "platform/ui/window_api.h"

IMPLEMENT_DYNCREATE(CInPlaceEdit, CEdit)

BEGIN_MESSAGE_MAP(CInPlaceEdit, CEdit)
    ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

BOOL CInPlaceEdit::Create(DWORD style, const RECT& rect, CWnd* list, UINT id) {
    m_list = list ? list->m_hWnd : nullptr;
    return CEdit::Create(style | WS_CHILD | ES_MULTILINE | ES_AUTOHSCROLL | ES_NOHIDESEL | ES_WANTRETURN, rect, list, id);
}

void CInPlaceEdit::Hide() { SetWindowPos(nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE); }

BOOL CInPlaceEdit::PreTranslateMessage(MSG* msg) {
    if (msg->hwnd == m_hWnd && msg->message == WM_KEYDOWN && (msg->wParam == VK_ESCAPE || msg->wParam == VK_RETURN)) {
        if (SendInPlaceRecord(m_list, m_hWnd, IPC_CTRLMSG::kKey, msg->wParam)) {
            Hide();
            ::SetFocus(m_list);
        }
        return TRUE;
    }
    return CEdit::PreTranslateMessage(msg);
}

void CInPlaceEdit::OnKillFocus(CWnd* newWnd) {
    CEdit::OnKillFocus(newWnd);
    if (!IsWindowVisible()) return;
    if (SendInPlaceRecord(m_list, m_hWnd, IPC_CTRLMSG::kFocusLost, reinterpret_cast<UINT_PTR>(newWnd ? newWnd->m_hWnd : nullptr))) {
        Hide();
        if (::IsWindow(m_list) && ::GetFocus() != m_list) ::SetFocus(m_list);
    }
}
