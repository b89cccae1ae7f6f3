#include "controls/option_tree_radio_wnd.h"

#include "controls/option_tree.h"
#include "platform/core/colors.h"
#include "controls/buffered_paint_dc.h"

BEGIN_MESSAGE_MAP(COptionTreeRadioWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

void COptionTreeRadioWnd::DrawOptions(CDC* pDC, const CRect& cell, bool flat, bool storeHits) {
    for (size_t k = 0; k < m_options.size(); ++k) {
        const int top = cell.top + 16 * static_cast<int>(k);
        CRect glyph(cell.left, top + 2, cell.left + 14, top + 16);
        UINT state = DFCS_BUTTONRADIO | (m_options[k].checked ? DFCS_CHECKED : 0) | (flat ? DFCS_FLAT : 0);
        pDC->DrawFrameControl(&glyph, DFC_BUTTON, state);
        CRect text(cell.left + 19, top + 2, cell.right, top + 16);
        pDC->DrawText(m_options[k].text, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        if (storeHits) m_options[k].hit = CRect(cell.left, top + 2, cell.right, top + 16);
    }
}

void COptionTreeRadioWnd::CheckOnly(size_t index) {
    for (size_t k = 0; k < m_options.size(); ++k) m_options[k].checked = k == index;
}

BOOL COptionTreeRadioWnd::OnEraseBkgnd(CDC*) { return TRUE; }

void COptionTreeRadioWnd::OnPaint() {
    CBufferedPaintDC dc(this);
    if (!m_pRadioTree) return;
    const CRect client = dc.Client();
    dc.FillSolidRect(&client, ::GetSysColor(m_pRadioTree->IsWindowEnabled() ? COLOR_WINDOW : COLOR_BTNFACE));
    CFont* oldFont = dc.SelectObject(COptionTree::NormalFont());
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(::GetSysColor(COLOR_WINDOWTEXT));
    DrawOptions(&dc, client, false, true);
    dc.SelectObject(oldFont);
}

int COptionTreeRadioWnd::OptionAt(CPoint point) const {
    // The bands as DrawOptions lays them out on the client area.
    CRect client;
    GetClientRect(&client);
    for (size_t k = 0; k < m_options.size(); ++k) {
        const int top = 16 * static_cast<int>(k);
        if (CRect(client.left, top + 2, client.right, top + 16).PtInRect(point)) return static_cast<int>(k);
    }
    return -1;
}

void COptionTreeRadioWnd::OnLButtonUp(UINT, CPoint point) {
    const int k = OptionAt(point);
    if (k < 0) return;
    CheckOnly(static_cast<size_t>(k));
    Invalidate(FALSE);
}
