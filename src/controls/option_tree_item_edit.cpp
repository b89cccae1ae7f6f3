#include "controls/option_tree_item_edit.h"

#include "controls/option_tree.h"
#include "platform/core/virtual_keys.h"
#include "platform/core/window_styles.h"
#include "platform/ui/dc.h"

BEGIN_MESSAGE_MAP(COptionTreeItemEdit, CEdit)
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
    ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

COptionTreeItemEdit::COptionTreeItemEdit() { m_kind = kEdit; }

BOOL COptionTreeItemEdit::CreateEditWindow(DWORD dwStyle, DWORD dwOptions) {
    if (!m_pTree || m_hWnd) return FALSE;
    DWORD style = dwStyle | WS_CHILD | WS_VISIBLE;
    if (dwOptions & OT_EDIT_MULTILINE) {
        style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL;
        m_nRowHeight = 75;
    } else {
        style |= ES_AUTOHSCROLL;
    }
    if (dwOptions & OT_EDIT_PASSWORD) style |= ES_PASSWORD;
    if (dwOptions & OT_EDIT_NUMERICAL) style |= ES_NUMBER;
    if (!CEdit::Create(style, m_rcValue, &m_pTree->GetList(), static_cast<UINT>(m_id))) return FALSE;
    ModifyStyleEx(0, WS_EX_CLIENTEDGE, SWP_FRAMECHANGED);
    FinishEditor();
    m_dwOptions = dwOptions;
    SetSel(0, 0);
    return TRUE;
}

void COptionTreeItemEdit::DrawValue(CDC* pDC, const RECT& rcValue) {
    if (!BeginValueDrawing(pDC, m_bFocus, m_hWnd != nullptr)) return;
    CString text;
    GetWindowText(text);
    if (m_dwOptions & OT_EDIT_PASSWORD) text = CString(std::wstring(static_cast<size_t>(text.GetLength()), L'*').c_str());
    CRect rect = rcValue;
    if (m_dwOptions & OT_EDIT_MULTILINE) pDC->DrawText(text, &rect, DT_WORDBREAK | DT_TOP | DT_NOPREFIX);
    else pDC->DrawText(text, &rect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

void COptionTreeItemEdit::OnSetFocus(CWnd* pOldWnd) {
    CEdit::OnSetFocus(pOldWnd);
    EditorGotFocus();
}

void COptionTreeItemEdit::OnKillFocus(CWnd* pNewWnd) {
    CEdit::OnKillFocus(pNewWnd);
    CommitWhenFocusMovesInside(pNewWnd, TreeOwner());
}

UINT COptionTreeItemEdit::OnGetDlgCode() { return static_cast<UINT>(Default()) | DLGC_WANTALLKEYS; }

void COptionTreeItemEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    const bool wantReturn = (GetStyle() & ES_WANTRETURN) != 0;
    int start = 0, end = 0;
    GetSel(start, end);
    const bool noSelection = start == end;
    switch (nChar) {
    case VK_RETURN:
        if (!wantReturn) {
            ForwardKey(VK_TAB);
            return;
        }
        break;
    case VK_TAB: ForwardKey(VK_TAB); return;
    case VK_LEFT:
        if (start == 0 && noSelection) {
            ForwardKey(VK_UP);
            return;
        }
        break;
    case VK_UP:
        if (!wantReturn || LineFromChar(start) == 0) {
            ForwardKey(VK_UP);
            return;
        }
        break;
    case VK_RIGHT:
        if (end == GetWindowTextLength() && noSelection) {
            ForwardKey(VK_DOWN);
            return;
        }
        break;
    case VK_DOWN:
        if (!wantReturn || LineFromChar(start) == GetLineCount() - 1) {
            ForwardKey(VK_DOWN);
            return;
        }
        break;
    default: break;
    }
    CEdit::OnKeyDown(nChar, nRepCnt, nFlags);
}

void COptionTreeItemEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (nChar == L'\t') return;
    if (nChar == L'\r' && !(GetStyle() & ES_MULTILINE)) return;
    CEdit::OnChar(nChar, nRepCnt, nFlags);
}
