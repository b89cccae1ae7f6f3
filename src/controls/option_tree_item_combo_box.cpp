#include "controls/option_tree_item_combo_box.h"

#include "controls/option_tree.h"
#include "platform/core/virtual_keys.h"
#include "platform/core/window_styles.h"
#include "platform/ui/dc.h"

BEGIN_MESSAGE_MAP(COptionTreeItemComboBox, CComboBox)
    ON_WM_SETFOCUS()
END_MESSAGE_MAP()

COptionTreeItemComboBox::COptionTreeItemComboBox() { m_kind = kComboBox; }

BOOL COptionTreeItemComboBox::CreateComboWindow(DWORD dwStyle) {
    if (!m_pTree || m_hWnd) return FALSE;
    if (!CComboBox::Create(dwStyle | WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWN, m_rcValue, &m_pTree->GetList(),
                           static_cast<UINT>(m_id)))
        return FALSE;
    FinishEditor();
    return TRUE;
}

void COptionTreeItemComboBox::DrawValue(CDC* pDC, const RECT& rcValue) {
    if (!BeginValueDrawing(pDC, m_bFocus, m_hWnd != nullptr)) return;
    CString text;
    GetWindowText(text);
    CRect rect = rcValue;
    pDC->DrawText(text, &rect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

void COptionTreeItemComboBox::EndEdit() {
    if (!m_hWnd) return;
    CString text;
    GetWindowText(text);
    if (FindStringExact(-1, text) == CB_ERR) SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.GetString()));
    HideEditor();
}

void COptionTreeItemComboBox::OnDeselect() {
    m_bFocus = FALSE;
    CommitChanges();
    HideEditor();
}

void COptionTreeItemComboBox::OnSetFocus(CWnd* pOldWnd) {
    CComboBox::OnSetFocus(pOldWnd);
    m_bFocus = TRUE;
}

BOOL COptionTreeItemComboBox::PreTranslateMessage(MSG* pMsg) {
    // Enter and Tab move the tree on; the combo box keeps every other key.
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_TAB)) {
        // In a dialog Tab leaves the tree; the tree decides.
        if (pMsg->wParam == VK_TAB && m_pTree && m_pTree->PreTranslateMessage(pMsg)) return TRUE;
        ForwardKey(VK_TAB);
        return TRUE;
    }
    return CComboBox::PreTranslateMessage(pMsg);
}
