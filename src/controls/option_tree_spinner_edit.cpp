#include "controls/option_tree_spinner_edit.h"

#include "controls/option_tree_spinner_wnd.h"
#include "platform/core/load_res_string.h"
#include "platform/core/virtual_keys.h"
#include "platform/core/window_styles.h"
#include "platform/ui/clipboard.h"
#include "platform/ui/global_memory.h"
#include "platform/ui/menu.h"
#include "platform/ui/window_api.h"
#include "resource_ids.h"

BEGIN_MESSAGE_MAP(COptionTreeSpinnerEdit, CEdit)
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
    ON_WM_KILLFOCUS()
    ON_WM_CONTEXTMENU()
    ON_CONTROL_REFLECT(EN_CHANGE, &COptionTreeSpinnerEdit::OnChange)
    ON_MESSAGE(WM_PASTE, &COptionTreeSpinnerEdit::OnPaste)
END_MESSAGE_MAP()

namespace {
constexpr UINT kSelectAll = 0x7400;
}

bool COptionTreeSpinnerEdit::IsPastable(const CString& text) {
    if (text.IsEmpty()) return false;
    for (int i = 0; i < text.GetLength(); ++i)
        if (text[i] < L'0' || text[i] > L'9') return false;
    return true;
}

bool COptionTreeSpinnerEdit::TypingAllowed() const {
    return m_pSpinner && (m_pSpinner->GetOptions() & OT_SPINNER_EDITABLE) && !(GetStyle() & ES_READONLY);
}

void COptionTreeSpinnerEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (m_pSpinner && nChar == VK_UP) m_pSpinner->SendMessage(OT_SPINNER_STEP_UP);
    if (m_pSpinner && nChar == VK_DOWN) m_pSpinner->SendMessage(OT_SPINNER_STEP_DOWN);
    // Keyboard pastes take the same road as the menu's, so that they are checked too.
    const bool ctrl = ::GetKeyState(VK_CONTROL) < 0, shift = ::GetKeyState(VK_SHIFT) < 0;
    if ((ctrl && nChar == 'V') || (shift && nChar == VK_INSERT)) {
        SendMessage(WM_PASTE);
        return;
    }
    CEdit::OnKeyDown(nChar, nRepCnt, nFlags);
}

void COptionTreeSpinnerEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (!TypingAllowed()) return;
    CEdit::OnChar(nChar, nRepCnt, nFlags);
}

void COptionTreeSpinnerEdit::OnKillFocus(CWnd* pNewWnd) {
    CEdit::OnKillFocus(pNewWnd);
    if (m_pSpinner && !(pNewWnd && pNewWnd->m_hWnd == m_pSpinner->m_hWnd))
        m_pSpinner->PostMessage(OT_SPINNER_EDIT_KILLFOCUS);
}

void COptionTreeSpinnerEdit::OnChange() {
    if (m_pSpinner) m_pSpinner->PostMessage(OT_SPINNER_EDIT_CHANGED);
}

LRESULT COptionTreeSpinnerEdit::OnPaste(WPARAM, LPARAM) {
    if (!TypingAllowed() || !::OpenClipboard(m_hWnd)) return 0;
    CString text;
    if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(::GlobalLock(data))) text = chars;
        ::GlobalUnlock(data);
    }
    ::CloseClipboard();
    // A number takes digits only; anything else is refused whole.
    if (IsPastable(text)) ReplaceSel(text, TRUE);
    return 0;
}

void COptionTreeSpinnerEdit::OnContextMenu(CWnd*, CPoint point) {
    const bool allowed = TypingAllowed();
    int start = 0, end = 0;
    GetSel(start, end);
    const bool selection = start != end;
    auto state = [](bool on) { return MF_STRING | (on ? MF_ENABLED : MF_GRAYED); };
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(state(allowed && CanUndo()), EM_UNDO, LoadResString(IDS_SPINNER_MENU_UNDO));
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(state(allowed && selection), WM_CUT, LoadResString(IDS_SPINNER_MENU_CUT));
    menu.AppendMenu(state(selection), WM_COPY, LoadResString(IDS_SPINNER_MENU_COPY));
    menu.AppendMenu(state(allowed && ::IsClipboardFormatAvailable(CF_TEXT)), WM_PASTE, LoadResString(IDS_SPINNER_MENU_PASTE));
    menu.AppendMenu(state(allowed && selection), WM_CLEAR, LoadResString(IDS_SPINNER_MENU_DELETE));
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(state(GetWindowTextLength() > 0), kSelectAll, LoadResString(IDS_SPINNER_MENU_SELECT_ALL));
    const UINT command = static_cast<UINT>(menu.TrackPopupMenu(TPM_RIGHTBUTTON | TPM_RETURNCMD, point.x, point.y, this));
    if (command) SendMessage(WM_COMMAND, command);
}

BOOL COptionTreeSpinnerEdit::OnCommand(WPARAM wParam, LPARAM) {
    // Without the editable option every command is ignored, Copy included.
    if (!m_pSpinner || !(m_pSpinner->GetOptions() & OT_SPINNER_EDITABLE)) return TRUE;
    const UINT command = LOWORD(wParam);
    if (command == kSelectAll) SetSel(0, -1);
    else if (command == EM_UNDO || command == WM_CUT || command == WM_COPY || command == WM_PASTE || command == WM_CLEAR)
        SendMessage(command);
    return TRUE;
}
