#include "controls/filter_edit.h"

#include "platform/ui/client_dc.h"
#include "platform/ui/clipboard.h"
#include "platform/ui/common_control_defs.h"
#include "platform/ui/message_box.h"
#include "platform/ui/window_api.h"

BEGIN_MESSAGE_MAP(CFilterEdit, CEdit)
    ON_WM_CREATE()
    ON_WM_CHAR()
    ON_WM_KEYDOWN()
    ON_WM_KILLFOCUS()
    ON_MESSAGE(WM_PASTE, &CFilterEdit::OnPaste)
END_MESSAGE_MAP()

CFilterEdit& CFilterEdit::GetInstance() {
    static CFilterEdit* instance = new CFilterEdit;  // kept for the life of the process
    return *instance;
}

int CFilterEdit::OnCreate(LPCREATESTRUCT cs) {
    if (CEdit::OnCreate(cs) == -1) return -1;
    CClientDC dc(this);
    m_font.DeleteObject();
    m_font.CreateFont(14 * dc.GetDeviceCaps(LOGPIXELSY) / 96, 0, 0, 0, 0, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, 5, 0x20, L"Tahoma");
    SetFont(&m_font);
    ShowWindow(SW_SHOW);
    SetWindowText(m_strInitial);
    SetSel(0, -1);
    SetFocus();
    return 0;
}

BOOL CFilterEdit::PreTranslateMessage(MSG* msg) {
    if (msg->message == WM_KEYDOWN && (msg->wParam == VK_ESCAPE || msg->wParam == VK_RETURN)) {
        if (msg->wParam == VK_ESCAPE) m_bCancelled = 1;
        if (CWnd* parent = GetParent()) parent->SetFocus();
        return TRUE;
    }
    return CEdit::PreTranslateMessage(msg);
}

void CFilterEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
    // Copy, backspace, paste and cut always pass.
    const bool control = nChar == 3 || nChar == 8 || nChar == 22 || nChar == 24;
    if (!control && !IsAllowed(static_cast<wchar_t>(nChar))) {
        MessageBeep(MB_ICONEXCLAMATION);
        return;
    }
    CEdit::OnChar(nChar, nRepCnt, nFlags);
}

void CFilterEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    // The paste keys go through WM_PASTE, so pasted text meets the same filter as typing.
    const bool ctrl = GetKeyState(VK_CONTROL) < 0, shift = GetKeyState(VK_SHIFT) < 0;
    if ((ctrl && nChar == 'V') || (shift && nChar == VK_INSERT)) {
        SendMessage(WM_PASTE);
        return;
    }
    CEdit::OnKeyDown(nChar, nRepCnt, nFlags);
}

LRESULT CFilterEdit::OnPaste(WPARAM, LPARAM) {
    if (!OpenClipboard(m_hWnd)) return Default();
    CString text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) text = chars;
        GlobalUnlock(data);
    }
    CloseClipboard();
    if (text.IsEmpty()) return 0;
    CString kept;
    for (int i = 0; i < text.GetLength(); ++i)
        if (IsAllowed(text[i])) kept += text[i];
    if (kept.GetLength() != text.GetLength()) MessageBeep(MB_ICONEXCLAMATION);
    ReplaceSel(kept, TRUE);
    return 0;
}

void CFilterEdit::SendResult() {
    CWnd* parent = GetParent();
    if (!parent) return;
    CString text;
    if (m_bCancelled) text = m_strInitial;
    else GetWindowText(text);
    NMLVDISPINFO info{};
    info.hdr.hwndFrom = parent->m_hWnd;
    info.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
    info.hdr.code = static_cast<UINT>(LVN_ENDLABELEDITW);
    info.item.mask = LVIF_TEXT;
    info.item.iItem = m_nItem;
    info.item.iSubItem = m_nSubItem;
    info.item.pszText = const_cast<LPTSTR>(text.GetString());
    info.item.cchTextMax = text.GetLength();
    parent->SendMessage(WM_NOTIFY, static_cast<WPARAM>(parent->GetDlgCtrlID()), reinterpret_cast<LPARAM>(&info));
}

void CFilterEdit::OnKillFocus(CWnd* newWnd) {
    CEdit::OnKillFocus(newWnd);
    SendResult();
    PostMessage(WM_CLOSE);
}
