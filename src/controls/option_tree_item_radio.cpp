#include "controls/option_tree_item_radio.h"

#include "controls/option_tree.h"
#include "platform/ui/dc.h"

BEGIN_MESSAGE_MAP(COptionTreeItemRadio, COptionTreeRadioWnd)
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

COptionTreeItemRadio::COptionTreeItemRadio() { m_kind = kRadio; }

BOOL COptionTreeItemRadio::CreateRadioWindow() {
    if (!m_pTree || m_hWnd) return FALSE;
    if (!CreateOwnEditor(WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN)) return FALSE;
    m_bLabelOffset = TRUE;
    m_pRadioTree = m_pTree;
    return TRUE;
}

void COptionTreeItemRadio::AddOption(BOOL bChecked, const CString& text) {
    if (bChecked)
        for (Option& o : m_options) o.checked = FALSE;
    m_options.push_back(Option{text, bChecked, CRect()});
    UpdateRowHeight();
}

BOOL COptionTreeItemRadio::SetCheckedIndex(int index) {
    if (index < 0 || index >= static_cast<int>(m_options.size())) {
        CheckOnly(m_options.size());
        return FALSE;
    }
    CheckOnly(static_cast<size_t>(index));
    if (m_hWnd) Invalidate(FALSE);
    return TRUE;
}

int COptionTreeItemRadio::GetCheckedIndex() const {
    for (size_t k = 0; k < m_options.size(); ++k)
        if (m_options[k].checked) return static_cast<int>(k);
    return -1;
}

void COptionTreeItemRadio::DrawValue(CDC* pDC, const RECT& rcValue) {
    if (!BeginValueDrawing(pDC, m_bFocus, m_hWnd != nullptr)) return;
    DrawOptions(pDC, rcValue, true, false);
}

void COptionTreeItemRadio::LayoutChanged() {
    COptionTreeEditorItem::LayoutChanged();
    UpdateRowHeight();
}

void COptionTreeItemRadio::OnDeselect() { CommitChanges(); }

void COptionTreeItemRadio::OnSelect() { CommitChanges(); }

void COptionTreeItemRadio::OnSetFocus(CWnd* pOldWnd) {
    COptionTreeRadioWnd::OnSetFocus(pOldWnd);
    EditorGotFocus();
}

void COptionTreeItemRadio::OnKillFocus(CWnd* pNewWnd) {
    COptionTreeRadioWnd::OnKillFocus(pNewWnd);
    CommitWhenFocusMovesInside(pNewWnd, TreeOwner());
}
