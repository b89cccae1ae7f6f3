#include "controls/option_tree_check_button.h"

#include "controls/option_tree.h"
#include "platform/core/colors.h"
#include "platform/core/load_res_string.h"
#include "controls/buffered_paint_dc.h"
#include "resource_ids.h"

BEGIN_MESSAGE_MAP(COptionTreeCheckButton, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

COptionTreeCheckButton::COptionTreeCheckButton()
    : m_uncheckedText(LoadResString(IDS_OPTION_TREE_UNCHECKED)), m_checkedText(LoadResString(IDS_OPTION_TREE_CHECKED)) {}

void COptionTreeCheckButton::SetCheck(BOOL bChecked) {
    m_bChecked = bChecked;
    if (m_hWnd) Invalidate(FALSE);
}

BOOL COptionTreeCheckButton::OnEraseBkgnd(CDC*) { return TRUE; }

void COptionTreeCheckButton::OnPaint() {
    CBufferedPaintDC dc(this);
    if (!m_pButtonTree) return;
    const CRect client = dc.Client();
    dc.FillSolidRect(&client, ::GetSysColor(m_pButtonTree->IsWindowEnabled() ? COLOR_WINDOW : COLOR_BTNFACE));
    CRect box(0, 3, 14, 17);
    UINT state = DFCS_BUTTONCHECK | (m_bChecked ? DFCS_CHECKED : 0);
    if (GetStyle() & 0x8000) state |= DFCS_FLAT;
    dc.DrawFrameControl(&box, DFC_BUTTON, state);
    m_rcHit = box;
    if (m_dwCheckOptions & OT_CHECKBOX_SHOWTEXT) {
        CFont* oldFont = dc.SelectObject(COptionTree::NormalFont());
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(::GetSysColor(COLOR_WINDOWTEXT));
        CRect text(19, 0, client.right, client.bottom);
        dc.DrawText(m_bChecked ? m_checkedText : m_uncheckedText, &text, DT_SINGLELINE | DT_VCENTER);
        dc.SelectObject(oldFont);
        m_rcHit.right = client.right;
    }
}

void COptionTreeCheckButton::OnLButtonUp(UINT, CPoint point) {
    if (!m_rcHit.PtInRect(point)) return;
    m_bChecked = !m_bChecked;
    Invalidate(FALSE);
}
