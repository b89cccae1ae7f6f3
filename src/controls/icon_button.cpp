#include "controls/icon_button.h"

#include <QImage>

#include <array>

#include "controls/theme_api.h"
#include "platform/core/colors.h"
#include "platform/core/window_styles.h"
#include "platform/ui/client_dc.h"
#include "platform/ui/icon.h"
#include "platform/ui/window_api.h"

BEGIN_MESSAGE_MAP(CIconButton, CPushButtonBase)
    ON_WM_GETDLGCODE()
    ON_WM_KEYDOWN()
    ON_WM_KEYUP()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSELEAVE()
    ON_WM_ERASEBKGND()
    ON_WM_THEMECHANGED()
    ON_WM_ENABLE()
END_MESSAGE_MAP()

CIconButton::~CIconButton() {
    if (m_hIcon) ::DestroyIcon(m_hIcon);
    if (m_hGrayIcon) ::DestroyIcon(m_hGrayIcon);
    if (m_pOldBackground) m_dcBackground.SelectObject(m_pOldBackground);
    CThemeApi::Instance().CloseTheme(m_hTheme);
}

const COLORREF* CIconButton::GreyTable() {
    static const auto table = [] {
        std::array<COLORREF, 256> t{};
        for (int i = 0; i < 256; ++i) t[static_cast<size_t>(i)] = RGB(255 - i, 255 - i, 255 - i);
        return t;
    }();
    return table.data();
}

HICON CIconButton::MakeDisabledBitmap(HICON hIcon, const COLORREF* table) {
    if (!hIcon) return nullptr;
    HICON grey = ::CopyIcon(hIcon);
    QImage& image = grey->color;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = line[x];
            const int d = 255 - (qBlue(p) + qGreen(p) + qRed(p)) / 3;
            const int index = d == 0 ? 1 : d;
            if (qAlpha(p) == 0 && d == 255) continue;
            const COLORREF c = table[index];
            line[x] = qRgba(GetRValue(c), GetGValue(c), GetBValue(c), qAlpha(p));
        }
    }
    return grey;
}

void CIconButton::SetIcon(HICON hIcon, int nPlacement) {
    if (m_hIcon) ::DestroyIcon(m_hIcon);
    if (m_hGrayIcon) ::DestroyIcon(m_hGrayIcon);
    m_hIcon = hIcon;
    m_hGrayIcon = MakeDisabledBitmap(hIcon, GreyTable());
    m_nPlacement = nPlacement;
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

bool CIconButton::Themed() const {
    return m_hTheme && m_bUseVisualStyles && CThemeApi::Instance().IsAppThemed() &&
           m_crBackground == static_cast<COLORREF>(-1) && m_crText == static_cast<COLORREF>(-1);
}

void CIconButton::SaveParentBackground() {
    CWnd* parent = GetParent();
    if (!parent) return;
    GetWindowRect(&m_rcInParent);
    parent->ScreenToClient(&m_rcInParent);
    // Hide the button so the parent paints what lies under it, then copy that.
    const DWORD style = GetStyle();
    ::SetWindowLong(m_hWnd, GWL_STYLE, static_cast<LONG>(style & ~WS_VISIBLE));
    parent->RedrawWindow(&m_rcInParent, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    if (m_pOldBackground) m_dcBackground.SelectObject(m_pOldBackground);
    m_dcBackground.DeleteDC();
    m_bmpBackground.DeleteObject();
    CClientDC parentDC(parent);
    m_dcBackground.CreateCompatibleDC(&parentDC);
    m_bmpBackground.CreateBitmap(m_rcInParent.Width(), m_rcInParent.Height(), 1, 32, nullptr);
    m_pOldBackground = m_dcBackground.SelectObject(&m_bmpBackground);
    m_dcBackground.BitBlt(0, 0, m_rcInParent.Width(), m_rcInParent.Height(), &parentDC, m_rcInParent.left,
                          m_rcInParent.top, SRCCOPY);
    ::SetWindowLong(m_hWnd, GWL_STYLE, static_cast<LONG>(style));
}

void CIconButton::DrawItem(LPDRAWITEMSTRUCT lpDIS) {
    CDC* target = CDC::FromHandle(lpDIS->hDC);
    const CRect item = lpDIS->rcItem;
    CDC dc;
    dc.CreateCompatibleDC(target);
    CBitmap buffer;
    buffer.CreateBitmap(item.Width(), item.Height(), 1, 32, nullptr);
    CBitmap* oldBuffer = dc.SelectObject(&buffer);
    dc.BitBlt(0, 0, item.Width(), item.Height(), target, item.left, item.top, SRCCOPY);

    // 1. (Re)open the visual style and save the parent's background.
    if (m_bReopenTheme) {
        m_bReopenTheme = FALSE;
        CThemeApi& api = CThemeApi::Instance();
        api.CloseTheme(m_hTheme);
        m_hTheme = api.OpenThemeData(m_hWnd, m_bFlat ? L"Toolbar" : L"Button");
        SaveParentBackground();
    }
    // 2. Font and text.
    CWnd* parent = GetParent();
    CFont* font = parent ? CFont::FromHandle(reinterpret_cast<HFONT>(parent->SendMessage(WM_GETFONT))) : nullptr;
    CFont* oldFont = font ? dc.SelectObject(font) : nullptr;
    CString text;
    GetWindowText(text);
    // 3. and 4. State.
    const bool themed = Themed();
    const bool disabled = (lpDIS->itemState & ODS_DISABLED) != 0;
    const bool focused = (lpDIS->itemState & ODS_FOCUS) != 0;
    bool pressed;
    if (m_bToggleMode) pressed = (!m_bMouseDown || m_bHover) ? m_bToggled : !m_bToggled;
    else pressed = (lpDIS->itemState & ODS_SELECTED) != 0;
    const bool customColour = m_crBackground != static_cast<COLORREF>(-1) || m_crText != static_cast<COLORREF>(-1);

    CRect rect(0, 0, item.Width(), item.Height());
    // 5. Flat: the parent's background.
    if (m_bFlat && m_dcBackground.m_hDC) dc.BitBlt(0, 0, rect.Width(), rect.Height(), &m_dcBackground, 0, 0, SRCCOPY);
    // 6. Face.
    if (!themed) {
        if (!m_bFlat || customColour) {
            CRect inner = rect;
            inner.DeflateRect(1, 1);
            dc.FillSolidRect(&inner, m_crBackground == static_cast<COLORREF>(-1) ? ::GetSysColor(COLOR_BTNFACE)
                                                                                : m_crBackground);
        }
        if (!m_bFlat && (focused || m_bDefault) && !(pressed && m_bToggleMode)) {
            CBrush black(RGB(0, 0, 0));
            dc.FrameRect(&rect, &black);
            rect.DeflateRect(1, 1);
        }
        if (pressed) dc.DrawEdge(&rect, EDGE_SUNKEN, BF_RECT);
        else if (!m_bFlat) dc.DrawEdge(&rect, EDGE_RAISED, BF_RECT);
    }
    // 7. Icon.
    int iconWidth = 0;
    if (m_hIcon) {
        int cx = 32, cy = 32;
        ICONINFO info{};
        if (::GetIconInfo(m_hIcon, &info)) {
            BITMAP bm{};
            if (::GetObject(info.hbmColor, sizeof(bm), &bm)) {
                cx = bm.bmWidth;
                cy = bm.bmHeight;
            }
            ::DeleteObject(info.hbmColor);
            ::DeleteObject(info.hbmMask);
        }
        iconWidth = cx;
        int x;
        if (text.IsEmpty()) x = (item.Width() - cx) / 2;
        else if (m_nPlacement == 2) x = item.Width() - cx / 2 - cx;
        else x = cx / 2;
        int y = (item.Height() - cy) / 2;
        if (pressed && !themed) {
            ++x;
            ++y;
        }
        if (disabled && m_hGrayIcon) dc.DrawState(CPoint(x, y), CSize(cx, cy), m_hGrayIcon, DST_ICON | DSS_NORMAL);
        else dc.DrawState(CPoint(x, y), CSize(cx, cy), m_hIcon, DST_ICON | (disabled ? DSS_DISABLED : DSS_NORMAL));
    }
    // 8. Text.
    if (!text.IsEmpty()) {
        CRect textRect(0, 0, item.Width(), item.Height());
        if (m_hIcon) {
            if (m_nPlacement == 2) {
                textRect.left = iconWidth / 2;
                textRect.right = item.Width() - iconWidth / 2 - iconWidth;
            } else {
                textRect.left = iconWidth * 2;
            }
        }
        UINT format = (GetStyle() & BS_MULTILINE) ? (DT_WORDBREAK | DT_VCENTER) : (DT_SINGLELINE | DT_VCENTER);
        if (!m_hIcon) format |= DT_CENTER;
        CRect measured = textRect;
        dc.DrawText(text, &measured, format | DT_CALCRECT);
        const int dy = (textRect.Height() - measured.Height()) / 2;
        textRect.top += dy;
        textRect.bottom = textRect.top + measured.Height();
        if (pressed && !themed) textRect.OffsetRect(1, 1);
        dc.SetBkMode(TRANSPARENT);
        if (disabled) {
            textRect.OffsetRect(1, 1);
            dc.SetTextColor(::GetSysColor(COLOR_BTNHIGHLIGHT));
            dc.DrawText(text, &textRect, format);
            textRect.OffsetRect(-1, -1);
            dc.SetTextColor(::GetSysColor(COLOR_BTNSHADOW));
        } else {
            dc.SetTextColor(m_crText == static_cast<COLORREF>(-1) ? ::GetSysColor(COLOR_BTNTEXT) : m_crText);
        }
        dc.DrawText(text, &textRect, format);
    }
    // 9. Focus.
    if (focused && !(lpDIS->itemState & ODS_NOFOCUSRECT)) {
        CRect focusRect(0, 0, item.Width(), item.Height());
        focusRect.DeflateRect(3, 3);
        dc.DrawFocusRect(&focusRect);
    }
    if (oldFont) dc.SelectObject(oldFont);
    target->BitBlt(item.left, item.top, item.Width(), item.Height(), &dc, 0, 0, SRCCOPY);
    dc.SelectObject(oldBuffer);
}

UINT CIconButton::OnGetDlgCode() {
    const MSG* current = GetCurrentMessage();
    const MSG* msg = current ? reinterpret_cast<const MSG*>(current->lParam) : nullptr;
    if (msg && msg->message == WM_KEYDOWN && msg->wParam == VK_TAB) return 0;
    return CPushButtonBase::OnGetDlgCode() | DLGC_WANTALLKEYS;
}

void CIconButton::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    const bool repeat = (nFlags & 0x4000) != 0;  // the previous-state bit of the key flags
    if ((nChar == VK_SPACE || nChar == VK_RETURN) && !repeat) {
        SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(1, 1));
        return;
    }
    CPushButtonBase::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CIconButton::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (nChar == VK_SPACE || nChar == VK_RETURN) {
        SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
        return;
    }
    CPushButtonBase::OnKeyUp(nChar, nRepCnt, nFlags);
}

void CIconButton::OnLButtonDown(UINT, CPoint) {
    m_bMouseDown = TRUE;
    if (m_bToggleMode) {
        m_bToggled = !m_bToggled;
        Invalidate();
    }
    Default();
}

void CIconButton::OnLButtonUp(UINT, CPoint point) {
    m_bMouseDown = FALSE;
    CRect client;
    GetClientRect(&client);
    if (m_bToggleMode && !client.PtInRect(point)) {
        m_bToggled = !m_bToggled;
        Invalidate();
    }
    Default();
    if (m_bDoubleClickPending) {
        m_bDoubleClickPending = FALSE;
        SetState(FALSE);
        if (CWnd* parent = GetParent())
            parent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), BN_CLICKED), reinterpret_cast<LPARAM>(m_hWnd));
    }
}

void CIconButton::OnLButtonDblClk(UINT, CPoint) {
    if (m_bToggleMode) {
        SetState(m_bToggled);
        return;
    }
    SetState(TRUE);
    m_bDoubleClickPending = TRUE;
}

void CIconButton::OnMouseMove(UINT, CPoint point) {
    Default();
    CRect client;
    GetClientRect(&client);
    const BOOL inside = client.PtInRect(point);
    if (inside && !m_bHover) {
        TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, m_hWnd, 0};
        ::TrackMouseEvent(&track);
    }
    if (inside != m_bHover) {
        m_bHover = inside;
        Invalidate();
    }
}

void CIconButton::OnMouseLeave() {
    m_bHover = FALSE;
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

BOOL CIconButton::OnEraseBkgnd(CDC*) { return TRUE; }

LRESULT CIconButton::OnThemeChanged() {
    if (Themed()) {
        CThemeApi::Instance().CloseTheme(m_hTheme);
        m_hTheme = nullptr;
        m_bReopenTheme = TRUE;
    }
    return 0;
}

void CIconButton::OnEnable(BOOL bEnable) {
    CPushButtonBase::OnEnable(bEnable);
    Invalidate();
}
