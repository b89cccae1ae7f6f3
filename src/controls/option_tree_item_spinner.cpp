#include "controls/option_tree_item_spinner.h"

#include <algorithm>
#include <cwchar>

#include "controls/option_tree.h"
#include "platform/ui/dc.h"

BEGIN_MESSAGE_MAP(COptionTreeItemSpinner, COptionTreeSpinnerWnd)
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_MESSAGE(OT_SPINNER_EDIT_KILLFOCUS, &COptionTreeItemSpinner::OnEditKillFocus)
END_MESSAGE_MAP()

COptionTreeItemSpinner::COptionTreeItemSpinner() { m_kind = kSpinner; }

BOOL COptionTreeItemSpinner::CreateSpinnerWindow(DWORD dwOptions, double value, double minimum, double maximum) {
    if (!m_pTree || m_hWnd) return FALSE;
    if (!CreateOwnEditor(WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN)) return FALSE;
    m_dMin = minimum;
    m_dwOptions = dwOptions;
    m_dMax = maximum;
    SetValue(value);
    m_pSpinTree = m_pTree;
    return TRUE;
}

void COptionTreeItemSpinner::SetIntText(int value) {
    CString text;
    text.Format(L"%d", value);
    if (m_edit.m_hWnd) m_edit.SetWindowText(text);
}

BOOL COptionTreeItemSpinner::GetIntValue(int& value) const {
    value = 0;
    if (!m_edit.m_hWnd) return FALSE;
    CString text;
    m_edit.GetWindowText(text);
    value = static_cast<int>(std::wcstol(text.GetString(), nullptr, 10));
    return TRUE;
}

void COptionTreeItemSpinner::DrawValue(CDC* pDC, const RECT& rcValue) {
    if (!BeginValueDrawing(pDC, m_bFocus, m_hWnd != nullptr)) return;
    CRect rect = rcValue;
    pDC->DrawText(GetText(), &rect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

void COptionTreeItemSpinner::EndEdit() {
    // A typed value beyond the range is brought back into it when the edit ends.
    double value = 0.0;
    if (GetValue(value)) {
        const double clamped = std::clamp(value, m_dMin, m_dMax);
        if (clamped != value || GetText().IsEmpty()) SetValue(clamped);
    }
    HideEditor();
}

void COptionTreeItemSpinner::OnSetFocus(CWnd* pOldWnd) {
    COptionTreeSpinnerWnd::OnSetFocus(pOldWnd);
    m_bFocus = TRUE;
    // Typing goes to the number itself.
    if (m_edit.m_hWnd) m_edit.SetFocus();
}

void COptionTreeItemSpinner::OnKillFocus(CWnd* pNewWnd) {
    COptionTreeSpinnerWnd::OnKillFocus(pNewWnd);
    if (IsInside(pNewWnd, m_pTree) && !(pNewWnd && pNewWnd->m_hWnd == m_edit.m_hWnd)) {
        m_bFocus = FALSE;
        CommitChanges();
    }
}

LRESULT COptionTreeItemSpinner::OnEditKillFocus(WPARAM, LPARAM) {
    m_bFocus = FALSE;
    CommitChanges();
    return 0;
}
