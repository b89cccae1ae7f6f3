#include "controls/entity_filter_edit.h"

#include "platform/ui/thread_messages.h"
#include "platform/ui/window_api.h"

BEGIN_MESSAGE_MAP(CEntityFilterEdit, CEdit)
    ON_WM_CHAR()
END_MESSAGE_MAP()

void CEntityFilterEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (nChar == VK_ESCAPE || nChar == VK_RETURN) return;
    CEdit::OnChar(nChar, nRepCnt, nFlags);
    if (CWnd* box = GetParent()) ::SendNotifyMessage(box->m_hWnd, kTyped, 0, 0);
}

BOOL CEntityFilterEdit::PreTranslateMessage(MSG* msg) {
    if (msg->hwnd == m_hWnd && msg->message == WM_KEYDOWN &&
        (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE || msg->wParam == VK_DELETE || GetKeyState(VK_CONTROL) < 0)) {
        SendMessage(msg->message, msg->wParam, msg->lParam);
        return TRUE;
    }
    return CEdit::PreTranslateMessage(msg);
}
