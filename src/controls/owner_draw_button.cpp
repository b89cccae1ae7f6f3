#include "controls/owner_draw_button.h"

#include <QImage>

#include "platform/core/colors.h"
#include "platform/core/window_styles.h"
#include "platform/ui/client_dc.h"
#include "platform/ui/dialog.h"
#include "platform/ui/icon.h"
#include "platform/ui/menu.h"
#include "platform/ui/shell_execute.h"
#include "platform/ui/window_api.h"

BEGIN_MESSAGE_MAP(COwnerDrawButton, CButton)
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSELEAVE()
    ON_WM_KILLFOCUS()
    ON_WM_CANCELMODE()
    ON_WM_ACTIVATE()
    ON_WM_ENABLE()
    ON_WM_SETCURSOR()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_GETDLGCODE()
    ON_MESSAGE(BM_SETCHECK, &COwnerDrawButton::OnSetCheck)
    ON_MESSAGE(BM_GETCHECK, &COwnerDrawButton::OnGetCheck)
    ON_MESSAGE(BM_SETSTYLE, &COwnerDrawButton::OnSetStyle)
END_MESSAGE_MAP()

COwnerDrawButton::COwnerDrawButton() { ResetColors(); }

COwnerDrawButton::~COwnerDrawButton() {
    FreeIcons();
    if (m_pbmpOldBk) m_dcBk.SelectObject(m_pbmpOldBk);
    if (m_hMenu) ::DestroyMenu(m_hMenu);
    if (m_hCursor) ::DestroyCursor(m_hCursor);
}

void COwnerDrawButton::ResetColors() {
    m_crBkIn = m_crBkOut = m_crBkFocus = ::GetSysColor(COLOR_BTNFACE);
    m_crFgIn = m_crFgOut = m_crFgFocus = ::GetSysColor(COLOR_BTNTEXT);
}

DWORD COwnerDrawButton::AdoptStyle(DWORD style) {
    m_nTypeStyle = static_cast<int>(style & 0x0F);
    if (m_nTypeStyle == BS_DEFPUSHBUTTON) {
        m_bIsDefault = TRUE;
        m_nTypeStyle = BS_PUSHBUTTON;
    }
    if (style & 0x02) m_bIsCheckBox = TRUE;
    return (style & ~0x0Fu) | BS_OWNERDRAW;
}

BOOL COwnerDrawButton::Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CButton::Create(lpszCaption, AdoptStyle(dwStyle), rect, pParentWnd, nID);
}

void COwnerDrawButton::PreSubclassWindow() {
    // A button this class created itself is already owner-drawn and recorded.
    if (m_nTypeStyle != 15) return;
    const DWORD style = GetStyle();
    const DWORD owner = AdoptStyle(style);
    ModifyStyle(style & 0x0F, owner & 0x0F, SWP_FRAMECHANGED);
}

LRESULT COwnerDrawButton::OnSetStyle(WPARAM wParam, LPARAM lParam) {
    const UINT style = static_cast<UINT>(wParam);
    if (style == BS_DEFPUSHBUTTON) m_bIsDefault = TRUE;
    else if (style == BS_PUSHBUTTON) m_bIsDefault = FALSE;
    // The layer's button keeps its owner-drawn kind; the default flag lives here.
    DefWindowProc(BM_SETSTYLE, (style & ~0x0Fu) | BS_OWNERDRAW, lParam);
    Invalidate();
    return 0;
}

UINT COwnerDrawButton::OnGetDlgCode() {
    UINT code = static_cast<UINT>(Default());
    code &= ~(DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON);
    code |= m_bIsDefault ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON;
    return code;
}

LRESULT COwnerDrawButton::OnSetCheck(WPARAM wParam, LPARAM) {
    if (m_bIsCheckBox) {
        m_nCheck = (wParam == BST_CHECKED || wParam == BST_INDETERMINATE) ? 1 : 0;
        Invalidate();
    }
    return 0;
}

LRESULT COwnerDrawButton::OnGetCheck(WPARAM, LPARAM) { return m_nCheck; }

void COwnerDrawButton::FreeIcons() {
    if (m_hIconIn) ::DestroyIcon(m_hIconIn);
    if (m_hIconOut) ::DestroyIcon(m_hIconOut);
    m_hIconIn = m_hIconOut = nullptr;
    m_cxIconIn = m_cyIconIn = m_cxIconOut = m_cyIconOut = 0;
}

HICON COwnerDrawButton::CreateGrayscaleIcon(HICON hIcon) {
    if (!hIcon) return nullptr;
    HICON grey = ::CopyIcon(hIcon);
    QImage& image = grey->color;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = line[x];
            if ((p & 0xFFFFFF) == 0) continue;  // black stays black
            const int g = static_cast<int>(0.299 * qRed(p) + 0.587 * qGreen(p) + 0.114 * qBlue(p));
            line[x] = qRgba(g, g, g, qAlpha(p));
        }
    }
    return grey;
}

DWORD COwnerDrawButton::SetIcon(HICON hIconIn, HICON hIconOut) {
    FreeIcons();
    if (hIconIn) {
        ICONINFO info{};
        if (!::GetIconInfo(hIconIn, &info)) {
            FreeIcons();
            return 1;
        }
        m_hIconIn = hIconIn;
        m_cxIconIn = static_cast<int>(info.xHotspot * 2);
        m_cyIconIn = static_cast<int>(info.yHotspot * 2);
        ::DeleteObject(info.hbmColor);
        ::DeleteObject(info.hbmMask);
        if (hIconOut == kGrayOut) {
            m_hIconOut = CreateGrayscaleIcon(hIconIn);
        } else if (hIconOut) {
            if (!::GetIconInfo(hIconOut, &info)) {
                FreeIcons();
                return 1;
            }
            m_hIconOut = hIconOut;
            ::DeleteObject(info.hbmColor);
            ::DeleteObject(info.hbmMask);
        }
        if (m_hIconOut) {
            m_cxIconOut = m_cxIconIn;
            m_cyIconOut = m_cyIconIn;
        }
    }
    Invalidate();
    return 0;
}

void COwnerDrawButton::SetMenu(HMENU hMenu, CWnd* pOwner) {
    if (m_hMenu) ::DestroyMenu(m_hMenu);
    m_hMenu = hMenu;
    m_pMenuOwner = pOwner;
}

void COwnerDrawButton::SetMenuCallback(HWND hWnd, UINT nMessage, LPARAM lParam) {
    m_hCallbackWnd = hWnd;
    m_nCallbackMessage = nMessage;
    m_callbackLParam = lParam;
}

void COwnerDrawButton::CancelHover() {
    if (!m_bIsFlat || !m_bMouseOnButton) return;
    m_bMouseOnButton = FALSE;
    Invalidate();
}

void COwnerDrawButton::OnMouseMove(UINT nFlags, CPoint point) {
    CButton::OnMouseMove(nFlags, point);
    if (!m_bIsFlat) return;
    if ((nFlags & MK_LBUTTON) && !m_bMouseOnButton) return;
    CPoint screen = point;
    ClientToScreen(&screen);
    CWnd* under = CWnd::WindowFromPoint(screen);
    if (under && under->m_hWnd == m_hWnd && (m_bAlwaysTrack || ::GetActiveWindow() != nullptr)) {
        if (!m_bMouseOnButton) {
            m_bMouseOnButton = TRUE;
            Invalidate();
            TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, m_hWnd, 0};
            ::TrackMouseEvent(&track);
        }
    } else {
        CancelHover();
    }
}

void COwnerDrawButton::OnMouseLeave() { CancelHover(); }

void COwnerDrawButton::OnKillFocus(CWnd* pNewWnd) {
    CButton::OnKillFocus(pNewWnd);
    CancelHover();
    // Losing the focus to nobody because this button is being disabled: the focus moves on
    // to the next tab stop of the parent, or to the parent. A button disabled while another
    // window has the focus never gets here, so the user's field keeps it.
    if (!pNewWnd && !IsWindowEnabled()) MoveFocusOn();
}

void COwnerDrawButton::MoveFocusOn() {
    CWnd* parent = GetParent();
    if (!parent) return;
    // The next tab stop after this button in the dialog's order, found as if it were still enabled.
    const DWORD style = GetStyle();
    ::SetWindowLong(m_hWnd, GWL_STYLE, static_cast<LONG>(style & ~WS_DISABLED));
    HWND next = ::GetNextDlgTabItem(parent->m_hWnd, m_hWnd, FALSE);
    ::SetWindowLong(m_hWnd, GWL_STYLE, static_cast<LONG>(style));
    if (next && next != m_hWnd && ::IsWindowEnabled(next)) ::SetFocus(next);
    else parent->SetFocus();
}

void COwnerDrawButton::OnCancelMode() {
    CButton::OnCancelMode();
    CancelHover();
}

void COwnerDrawButton::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized) {
    CButton::OnActivate(nState, pWndOther, bMinimized);
    if (nState == WA_INACTIVE) CancelHover();
}

void COwnerDrawButton::OnEnable(BOOL bEnable) {
    CButton::OnEnable(bEnable);
    if (!bEnable) CancelHover();
    Invalidate();
}

BOOL COwnerDrawButton::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
    if (m_hCursor) {
        ::SetCursor(m_hCursor);
        return TRUE;
    }
    return CButton::OnSetCursor(pWnd, nHitTest, message);
}

void COwnerDrawButton::OnSysColorChange() {
    CButton::OnSysColorChange();
    if (m_pbmpOldBk) m_dcBk.SelectObject(m_pbmpOldBk);
    m_pbmpOldBk = nullptr;
    m_dcBk.DeleteDC();
    m_bmpBk.DeleteObject();
    ResetColors();
    Invalidate();
}

BOOL COwnerDrawButton::PreTranslateMessage(MSG* pMsg) {
    if (!m_toolTip.m_hWnd) {
        m_toolTip.Create(this, m_dwToolTipStyle);
        m_toolTip.Activate(FALSE);
        m_toolTip.SetMaxTipWidth(400);
    }
    m_toolTip.RelayEvent(pMsg);
    // A double click counts as two clicks.
    if (pMsg->message == WM_LBUTTONDBLCLK) pMsg->message = WM_LBUTTONDOWN;
    return CButton::PreTranslateMessage(pMsg);
}

BOOL COwnerDrawButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        OnClicked();
        return FALSE;  // the parent still receives the click
    }
    return CButton::OnChildNotify(message, wParam, lParam, pResult);
}

void COwnerDrawButton::OnClicked() {
    SetFocus();
    if (m_bIsCheckBox) {
        m_nCheck = !m_nCheck;
        Invalidate();
    } else if (m_hMenu) {
        m_bMenuDisplayed = TRUE;
        Invalidate();
        HMENU sub = ::GetSubMenu(m_hMenu, 0);
        if (m_hCallbackWnd)
            ::SendMessage(m_hCallbackWnd, m_nCallbackMessage, reinterpret_cast<WPARAM>(sub), m_callbackLParam);
        CRect rect;
        GetWindowRect(&rect);
        HWND owner = m_pMenuOwner ? m_pMenuOwner->m_hWnd : nullptr;
        const UINT command = static_cast<UINT>(::TrackPopupMenuEx(
            sub, TPM_LEFTALIGN | TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, rect.left, rect.bottom, owner, nullptr));
        m_bMenuDisplayed = FALSE;
        Invalidate();
        if (command && owner) ::PostMessage(owner, WM_COMMAND, MAKEWPARAM(command, 0), 0);
    } else if (!m_url.IsEmpty()) {
        SHELLEXECUTEINFO info;
        info.fMask = SEE_MASK_FLAG_NO_UI;
        info.hwnd = m_hWnd;
        info.lpVerb = L"open";
        info.lpFile = m_url;
        info.nShow = SW_SHOWMAXIMIZED;
        ::ShellExecuteEx(&info);
    }
}

void COwnerDrawButton::PaintParentBackground(CDC* pDC, const CRect& rect) {
    CWnd* parent = GetParent();
    if (!parent) return;
    if (!m_dcBk.m_hDC) {
        CRect inParent = rect;
        MapWindowPoints(parent, &inParent);
        CClientDC parentDC(parent);
        m_dcBk.CreateCompatibleDC(&parentDC);
        m_bmpBk.CreateBitmap(rect.Width(), rect.Height(), 1, 32, nullptr);
        m_pbmpOldBk = m_dcBk.SelectObject(&m_bmpBk);
        m_dcBk.BitBlt(0, 0, rect.Width(), rect.Height(), &parentDC, inParent.left, inParent.top, SRCCOPY);
    }
    pDC->BitBlt(rect.left, rect.top, rect.Width(), rect.Height(), &m_dcBk, 0, 0, SRCCOPY);
}

void COwnerDrawButton::DrawItem(LPDRAWITEMSTRUCT lpDIS) {
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    // 1. State.
    if (m_bIsCheckBox) m_bIsPressed = (lpDIS->itemState & ODS_SELECTED) || m_nCheck;
    else m_bIsPressed = (lpDIS->itemState & ODS_SELECTED) != 0;
    if (m_bMenuDisplayed) m_bIsPressed = TRUE;
    m_bIsFocused = (lpDIS->itemState & ODS_FOCUS) != 0;
    m_bIsDisabled = (lpDIS->itemState & ODS_DISABLED) != 0;
    CRect itemRect = lpDIS->rcItem;
    pDC->SetBkMode(TRANSPARENT);

    // 2. Background, 3. border.
    if (m_bDrawTransparent) PaintParentBackground(pDC, itemRect);
    else OnDrawBackground(pDC, &itemRect);
    OnDrawBorder(pDC, &itemRect);

    // 4. Icon, 5. text.
    CString title;
    GetWindowText(title);
    CRect captionRect = lpDIS->rcItem;
    if (m_hIconIn) DrawTheIcon(pDC, !title.IsEmpty(), &lpDIS->rcItem, &captionRect, m_bIsPressed, m_bIsDisabled);
    if (!title.IsEmpty()) DrawTheText(pDC, title, &lpDIS->rcItem, &captionRect, m_bIsPressed, m_bIsDisabled);

    // 6. Focus.
    if (m_bIsFocused && (!m_bIsFlat || m_bDrawFlatFocus)) {
        CRect focusRect = itemRect;
        focusRect.DeflateRect(3, 3);
        pDC->DrawFocusRect(&focusRect);
    }
}

void COwnerDrawButton::OnDrawBackground(CDC* pDC, CRect* pRect) {
    if (!m_bIsFlat && (m_bIsFocused || m_bIsDefault)) {
        CBrush black(RGB(0, 0, 0));
        pDC->FrameRect(pRect, &black);
        pRect->DeflateRect(1, 1);
    }
    COLORREF color = m_crBkOut;
    if (m_bMouseOnButton || m_bIsPressed) color = m_crBkIn;
    else if (m_bIsFocused) color = m_crBkFocus;
    pDC->FillSolidRect(pRect, color);
}

void COwnerDrawButton::OnDrawBorder(CDC* pDC, CRect* pRect) {
    if (m_bIsPressed) {
        if (m_bIsFlat) {
            if (m_bDrawBorder) pDC->Draw3dRect(pRect, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNHIGHLIGHT));
        } else {
            CBrush shadow(::GetSysColor(COLOR_BTNSHADOW));
            pDC->FrameRect(pRect, &shadow);
        }
        return;
    }
    if (!m_bIsFlat) {
        CRect r = *pRect;
        pDC->Draw3dRect(&r, ::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_3DDKSHADOW));
        r.DeflateRect(1, 1);
        pDC->Draw3dRect(&r, ::GetSysColor(COLOR_3DLIGHT), ::GetSysColor(COLOR_BTNSHADOW));
    } else if (m_bMouseOnButton && m_bDrawBorder) {
        pDC->Draw3dRect(pRect, ::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_BTNSHADOW));
    }
}

void COwnerDrawButton::DrawTheIcon(CDC* pDC, BOOL bHasTitle, RECT* rpItem, CRect* rpCaption, BOOL bIsPressed,
                                   BOOL bIsDisabled) {
    const bool useOut = m_hIconOut && (m_bIsCheckBox ? !bIsPressed : (!bIsPressed && !m_bMouseOnButton));
    HICON icon = useOut ? m_hIconOut : m_hIconIn;
    const int cx = useOut ? m_cxIconOut : m_cxIconIn;
    const int cy = useOut ? m_cyIconOut : m_cyIconIn;
    CRect item = *rpItem;
    CRect image;
    switch (m_byAlign) {
    case 1:  // above the text
        image.left = item.left + (item.Width() - cx) / 2;
        if (bHasTitle) {
            image.top = item.top + m_nImageMarginY;
            rpCaption->top = image.top + cy;
        } else {
            image.top = item.top + (item.Height() - cy) / 2;
        }
        break;
    case 2:  // right of the text
        image.top = item.top + (item.Height() - cy) / 2;
        if (bHasTitle) {
            image.left = item.right - cx - m_nImageMarginX;
            rpCaption->left = item.left + m_nImageMarginX;
            rpCaption->right = image.left;
        } else {
            image.left = item.left + (item.Width() - cx) / 2;
        }
        break;
    default:  // left of the text
        image.top = item.top + (item.Height() - cy) / 2;
        if (bHasTitle) {
            image.left = item.left + m_nImageMarginX;
            rpCaption->left = image.left + cx + m_nImageMarginX;
        } else {
            image.left = item.left + (item.Width() - cx) / 2;
        }
        break;
    }
    if (bIsPressed && !m_bIsCheckBox) image.OffsetRect(m_nPressedOffsetX, m_nPressedOffsetY);
    pDC->DrawState(image.TopLeft(), CSize(cx, cy), icon, DST_ICON | (bIsDisabled ? DSS_DISABLED : DSS_NORMAL));
}

void COwnerDrawButton::DrawTheText(CDC* pDC, LPCTSTR lpszText, RECT*, CRect* rpCaption, BOOL bIsPressed,
                                   BOOL bIsDisabled) {
    CRect caption = *rpCaption;
    if (bIsPressed && !m_bIsCheckBox) caption.OffsetRect(m_nPressedOffsetX, m_nPressedOffsetY);
    CFont* oldFont = pDC->SelectObject(GetFont());
    CRect measured = caption;
    const CString text(lpszText);
    pDC->DrawText(text, &measured, DT_WORDBREAK | DT_CENTER | DT_CALCRECT);
    // Centre the measured block in the caption rectangle.
    measured.OffsetRect((caption.Width() - measured.Width()) / 2 + caption.left - measured.left,
                        (caption.Height() - measured.Height()) / 2 + caption.top - measured.top);
    if (bIsDisabled) {
        measured.OffsetRect(1, 1);
        pDC->SetTextColor(::GetSysColor(COLOR_BTNHIGHLIGHT));
        pDC->DrawText(text, &measured, DT_WORDBREAK | DT_CENTER);
        measured.OffsetRect(-1, -1);
        pDC->SetTextColor(::GetSysColor(COLOR_BTNSHADOW));
        pDC->DrawText(text, &measured, DT_WORDBREAK | DT_CENTER);
    } else {
        COLORREF fg = m_crFgOut, bk = m_crBkOut;
        if (m_bMouseOnButton || bIsPressed) {
            fg = m_crFgIn;
            bk = m_crBkIn;
        } else if (m_bIsFocused) {
            fg = m_crFgFocus;
            bk = m_crBkFocus;
        }
        pDC->SetTextColor(fg);
        pDC->SetBkColor(bk);
        pDC->DrawText(text, &measured, DT_WORDBREAK | DT_CENTER);
    }
    pDC->SelectObject(oldFont);
}
