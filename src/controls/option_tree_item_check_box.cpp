#include "controls/option_tree_item_check_box.h"

#include "controls/option_tree.h"
#include "platform/core/virtual_keys.h"
#include "platform/ui/dc.h"

BEGIN_MESSAGE_MAP(COptionTreeItemCheckBox, COptionTreeCheckButton)
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
    ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

COptionTreeItemCheckBox::COptionTreeItemCheckBox() { m_kind = kCheckBox; }

COptionTreeItemCheckBox::~COptionTreeItemCheckBox() = default;

BOOL COptionTreeItemCheckBox::CreateCheckWindow(BOOL bChecked, DWORD dwOptions) {
    if (!m_pTree || m_hWnd) return FALSE;
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    if (!(dwOptions & OT_CHECKBOX_3D)) style |= 0x8000;  // flat box
    if (!CreateOwnEditor(style)) return FALSE;
    m_pButtonTree = m_pTree;
    m_bChecked = bChecked;
    m_dwCheckOptions = dwOptions;
    return TRUE;
}

void COptionTreeItemCheckBox::DrawValue(CDC* pDC, const RECT& rcValue) {
    if (!BeginValueDrawing(pDC, m_bFocus, m_hWnd != nullptr)) return;
    CRect text = rcValue;
    if (m_dwCheckOptions & OT_CHECKBOX_SHOWCHECK) {
        CRect box(rcValue.left, rcValue.top + 3, rcValue.left + 14, rcValue.top + 17);
        UINT state = DFCS_BUTTONCHECK | (m_bChecked ? DFCS_CHECKED : 0);
        if (!(m_dwCheckOptions & OT_CHECKBOX_3D)) state |= DFCS_FLAT;
        pDC->DrawFrameControl(&box, DFC_BUTTON, state);
        text.left = box.right + 5;
    }
    if (m_dwCheckOptions & OT_CHECKBOX_SHOWTEXT)
        pDC->DrawText(m_bChecked ? m_checkedText : m_uncheckedText, &text, DT_SINGLELINE | DT_VCENTER);
}

void COptionTreeItemCheckBox::OnDeselect() { CommitChanges(); }

void COptionTreeItemCheckBox::OnSelect() { CommitChanges(); }

void COptionTreeItemCheckBox::OnSetFocus(CWnd* pOldWnd) {
    COptionTreeCheckButton::OnSetFocus(pOldWnd);
    EditorGotFocus();
}

void COptionTreeItemCheckBox::OnKillFocus(CWnd* pNewWnd) {
    COptionTreeCheckButton::OnKillFocus(pNewWnd);
    CommitWhenFocusMovesInside(pNewWnd, TreeOwner());
}

UINT COptionTreeItemCheckBox::OnGetDlgCode() { return DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTCHARS; }

void COptionTreeItemCheckBox::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    switch (nChar) {
    case VK_TAB:
    case VK_RETURN: ForwardKey(VK_TAB); return;
    case VK_SPACE: SetCheck(!m_bChecked); return;
    case VK_LEFT:
    case VK_UP: ForwardKey(VK_UP); return;
    case VK_RIGHT:
    case VK_DOWN: ForwardKey(VK_DOWN); return;
    default: COptionTreeCheckButton::OnKeyDown(nChar, nRepCnt, nFlags); return;
    }
}

void COptionTreeItemCheckBox::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (nChar == L'\t' || nChar == L'\r') return;
    COptionTreeCheckButton::OnChar(nChar, nRepCnt, nFlags);
}
