#include "controls/folder_button.h"

#include "platform/core/colors.h"
#include "platform/ui/dc.h"
#include "platform/ui/gdi_object.h"

IMPLEMENT_DYNAMIC(CFolderButton, CButton)

namespace {
constexpr UINT_PTR kRepeatTimer = 1;
}

BEGIN_MESSAGE_MAP(CFolderButton, CButton)
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_LBUTTONUP()
    ON_WM_TIMER()
END_MESSAGE_MAP()

void CFolderButton::DrawItem(LPDRAWITEMSTRUCT dis) {
    CDC* dc = CDC::FromHandle(dis->hDC);
    CRect r = dis->rcItem;
    const bool pressed = (dis->itemState & ODS_SELECTED) != 0;
    const bool disabled = (dis->itemState & ODS_DISABLED) != 0;
    dc->FillSolidRect(&r, GetSysColor(COLOR_BTNFACE));
    if (pressed) r.OffsetRect(1, 1);
    const COLORREF line = disabled ? GetSysColor(COLOR_BTNSHADOW) : RGB(0, 0, 0);
    CPen pen(PS_SOLID, 1, line);
    CPen* old = dc->SelectObject(&pen);
    dc->MoveTo(r.left, r.top);
    dc->LineTo(r.right, r.top);
    dc->SelectObject(old);
    const COLORREF light = GetSysColor(pressed ? COLOR_BTNFACE : COLOR_BTNHIGHLIGHT);
    CRect frame(r.left, r.top + 1, r.right, r.bottom);
    for (int i = 0; i < 2; ++i) {
        dc->Draw3dRect(&frame, light, GetSysColor(COLOR_BTNSHADOW));
        frame.right -= 1;
        frame.bottom -= 1;
    }
    // Five vertical lines 9, 7, 5, 3 and 1 pixels high, each one pixel further in the arrow's
    // direction; first and last end in a bar.
    const int id = GetDlgCtrlID();
    const bool left = id == 1 || id == 2;
    const bool bar = id == 1 || id == 4;
    const CPoint c = r.CenterPoint();
    CPen arrowPen(PS_SOLID, 1, line);
    old = dc->SelectObject(&arrowPen);
    const int width = bar ? 7 : 5;  // the lines, a gap and the bar
    const int step = left ? -1 : 1;
    int x = c.x - step * (width / 2);
    for (int i = 0; i < 5; ++i, x += step) {
        const int half = 4 - i;
        dc->MoveTo(x, c.y - half);
        dc->LineTo(x, c.y + half + 1);
    }
    if (bar) {
        x += step;
        dc->MoveTo(x, c.y - 4);
        dc->LineTo(x, c.y + 5);
    }
    dc->SelectObject(old);
}

void CFolderButton::OnLButtonDown(UINT flags, CPoint point) {
    m_repeatCount = 0;
    SetTimer(kRepeatTimer, 500);
    CButton::OnLButtonDown(flags, point);
}

void CFolderButton::OnLButtonDblClk(UINT flags, CPoint point) { OnLButtonDown(flags, point); }

void CFolderButton::OnLButtonUp(UINT flags, CPoint point) {
    KillTimer(kRepeatTimer);
    CButton::OnLButtonUp(flags, point);
}

void CFolderButton::OnTimer(UINT_PTR id) {
    if (id != kRepeatTimer) {
        CButton::OnTimer(id);
        return;
    }
    if (!IsWindowEnabled()) {
        KillTimer(kRepeatTimer);
        return;
    }
    if (CWnd* parent = GetParent()) parent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), BN_CLICKED), reinterpret_cast<LPARAM>(m_hWnd));
    if (m_repeatCount++ == 0) SetTimer(kRepeatTimer, 150);
}
