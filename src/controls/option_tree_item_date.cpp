#include "controls/option_tree_item_date.h"

#include "controls/option_tree.h"
#include "platform/core/virtual_keys.h"
#include "platform/core/window_styles.h"
#include "platform/ui/common_control_defs.h"
#include "platform/ui/dc.h"

BEGIN_MESSAGE_MAP(COptionTreeItemDate, CDateTimeCtrl)
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

COptionTreeItemDate::COptionTreeItemDate() { m_kind = kDate; }

BOOL COptionTreeItemDate::CreateDateWindow(const CString& format, DWORD dwStyle) {
    if (!m_pTree || m_hWnd) return FALSE;
    if (!CDateTimeCtrl::Create(dwStyle | WS_CHILD | WS_VISIBLE, m_rcValue, &m_pTree->GetList(),
                               static_cast<UINT>(m_id)))
        return FALSE;
    SendMessage(DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(format.GetString()));
    FinishEditor();
    return TRUE;
}

void COptionTreeItemDate::DrawValue(CDC* pDC, const RECT& rcValue) {
    if (!BeginValueDrawing(pDC, m_bFocus, m_hWnd != nullptr)) return;
    CString text;
    GetWindowText(text);
    CRect rect = rcValue;
    pDC->DrawText(text, &rect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

void COptionTreeItemDate::OnSetFocus(CWnd* pOldWnd) {
    CDateTimeCtrl::OnSetFocus(pOldWnd);
    m_bFocus = TRUE;
}

void COptionTreeItemDate::OnKillFocus(CWnd* pNewWnd) {
    CDateTimeCtrl::OnKillFocus(pNewWnd);
    HWND calendar = reinterpret_cast<HWND>(SendMessage(DTM_GETMONTHCAL));
    if (!(calendar && pNewWnd && pNewWnd->m_hWnd == calendar)) CommitWhenFocusMovesInside(pNewWnd, m_pTree);
}

BOOL COptionTreeItemDate::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_TAB)) {
        // In a dialog Tab leaves the tree; the tree decides.
        if (pMsg->wParam == VK_TAB && m_pTree && m_pTree->PreTranslateMessage(pMsg)) return TRUE;
        ForwardKey(VK_TAB);
        return TRUE;
    }
    return CDateTimeCtrl::PreTranslateMessage(pMsg);
}
