#include "controls/push_button_base.h"

#include "platform/core/window_styles.h"

BEGIN_MESSAGE_MAP(CPushButtonBase, CButton)
    ON_WM_GETDLGCODE()
    ON_MESSAGE(BM_SETSTYLE, &CPushButtonBase::OnSetStyle)
END_MESSAGE_MAP()

DWORD CPushButtonBase::AdoptStyle(DWORD style) {
    m_nButtonType = static_cast<int>(style & 0x0F);
    if (m_nButtonType == BS_DEFPUSHBUTTON) {
        m_bDefault = TRUE;
        m_nButtonType = BS_PUSHBUTTON;
    }
    m_bPushButton = m_nButtonType == BS_PUSHBUTTON;
    return (style & ~0x0Fu) | BS_OWNERDRAW;
}

BOOL CPushButtonBase::Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CButton::Create(lpszCaption, AdoptStyle(dwStyle), rect, pParentWnd, nID);
}

void CPushButtonBase::PreSubclassWindow() {
    if (m_nButtonType != 15) return;
    const DWORD style = GetStyle();
    ModifyStyle(style & 0x0F, AdoptStyle(style) & 0x0F, SWP_FRAMECHANGED);
}

UINT CPushButtonBase::OnGetDlgCode() {
    UINT code = static_cast<UINT>(Default()) & ~(DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON);
    if (m_bPushButton) code |= m_bDefault ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON;
    if (m_nButtonType == BS_RADIOBUTTON || m_nButtonType == BS_AUTORADIOBUTTON) code |= DLGC_RADIOBUTTON;
    if (m_nButtonType == BS_GROUPBOX) code = DLGC_STATIC;
    return code;
}

LRESULT CPushButtonBase::OnSetStyle(WPARAM wParam, LPARAM lParam) {
    const UINT style = static_cast<UINT>(wParam);
    if (style == BS_DEFPUSHBUTTON) m_bDefault = TRUE;
    else if (style == BS_PUSHBUTTON) m_bDefault = FALSE;
    DefWindowProc(BM_SETSTYLE, (style & ~0x0Fu) | BS_OWNERDRAW, lParam);
    Invalidate();
    return 0;
}
