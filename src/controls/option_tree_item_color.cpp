#include "controls/option_tree_item_color.h"

#include "controls/option_tree.h"
#include "controls/option_tree_color_popup.h"
#include "platform/core/colors.h"
#include "platform/core/load_res_string.h"
#include "platform/ui/client_dc.h"
#include "resource_ids.h"

BEGIN_MESSAGE_MAP(COptionTreeItemColor, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONUP()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_MESSAGE(OT_COLOR_SELCHANGE, &COptionTreeItemColor::OnSelChange)
    ON_MESSAGE(WM_USER + 1003, &COptionTreeItemColor::OnSetColor)
    ON_MESSAGE(OT_COLOR_SELENDOK, &COptionTreeItemColor::OnSelEndOk)
    ON_MESSAGE(OT_COLOR_SELENDCANCEL, &COptionTreeItemColor::OnSelEndCancel)
END_MESSAGE_MAP()

COptionTreeItemColor::COptionTreeItemColor() { m_kind = kColor; }

BOOL COptionTreeItemColor::CreateColorWindow(DWORD dwOptions, COLORREF color, COLORREF automatic) {
    if (!m_pTree || m_hWnd) return FALSE;
    if (!CreateOwnEditor(WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN)) return FALSE;
    m_dwOptions = dwOptions;
    m_crColor = color;
    m_crAutomatic = automatic;
    return TRUE;
}

void COptionTreeItemColor::DrawSwatch(CDC* pDC, int left, int top) const {
    CBrush frame(::GetSysColor(COLOR_BTNSHADOW));
    CRect outer(left, top, left + 16, top + 16);
    pDC->FrameRect(&outer, &frame);
    pDC->FillSolidRect(left + 1, top + 1, 14, 14, m_crColor);
}

void COptionTreeItemColor::DrawValue(CDC* pDC, const RECT& rcValue) {
    if (!BeginValueDrawing(pDC, m_bFocus || m_bPopupOpen, m_hWnd != nullptr)) return;
    DrawSwatch(pDC, rcValue.left, rcValue.top + 2);
}

BOOL COptionTreeItemColor::OnEraseBkgnd(CDC*) { return TRUE; }

void COptionTreeItemColor::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, m_crValueBack);
    if (m_bFocus) DrawSwatch(&dc, 0, 2);
}

void COptionTreeItemColor::OnSetFocus(CWnd* pOldWnd) {
    CWnd::OnSetFocus(pOldWnd);
    m_bFocus = TRUE;
}

void COptionTreeItemColor::OnKillFocus(CWnd* pNewWnd) {
    CWnd::OnKillFocus(pNewWnd);
    m_bFocus = FALSE;
    // While the popup is open the value is half chosen: only its final message commits.
    if (!m_bPopupOpen) CommitChanges();
}

void COptionTreeItemColor::OnLButtonUp(UINT, CPoint) {
    // Marked first: hiding the focused cell moves the focus, which must not commit a half-chosen value.
    m_bPopupOpen = TRUE;
    HideEditor();
    CPoint cursor;
    ::GetCursorPos(&cursor);
    new COptionTreeColorPopup(m_crColor, cursor.x, cursor.y, m_crAutomatic, this,
                              LoadResString(IDS_OPTION_TREE_AUTOMATIC), LoadResString(IDS_OPTION_TREE_MORE_COLORS));
    if (m_pTree) m_pTree->Repaint();
}

LRESULT COptionTreeItemColor::OnSelChange(WPARAM wParam, LPARAM) {
    if (m_dwOptions & OT_COLOR_LIVEUPDATE) m_crColor = static_cast<COLORREF>(wParam);
    HideEditor();
    if (m_pTree) {
        m_pTree->UpdateScrollRange();
        m_pTree->Repaint();
    }
    return 0;
}

LRESULT COptionTreeItemColor::OnSetColor(WPARAM wParam, LPARAM) {
    m_crColor = static_cast<COLORREF>(wParam);
    HideEditor();
    if (m_pTree) m_pTree->Repaint();
    return 0;
}

LRESULT COptionTreeItemColor::OnSelEndOk(WPARAM wParam, LPARAM) {
    m_bPopupOpen = FALSE;
    m_crColor = static_cast<COLORREF>(wParam);
    m_bFocus = FALSE;
    CommitChanges();
    if (m_pTree) m_pTree->Repaint();
    return 0;
}

LRESULT COptionTreeItemColor::OnSelEndCancel(WPARAM wParam, LPARAM) {
    m_bPopupOpen = FALSE;
    m_crColor = static_cast<COLORREF>(wParam);
    HideEditor();
    if (m_pTree) m_pTree->Repaint();
    return 0;
}
