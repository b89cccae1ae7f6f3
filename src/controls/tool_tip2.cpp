#include "controls/tool_tip2.h"

#include "platform/core/colors.h"
#include "platform/ui/client_dc.h"
#include "platform/ui/window_api.h"

BEGIN_MESSAGE_MAP(CToolTip2, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

BOOL CToolTip2::Create(CWnd* pOwner) {
    m_pOwner = pOwner;
    m_font.DeleteObject();
    m_font.CreateFont(15, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, L"MS Sans Serif");
    // A popup owned by the owner, at screen coordinates, that never takes the focus.
    return CreateEx(0, nullptr, L"", WS_POPUP | WS_CLIPSIBLINGS, 0, 0, 0, 0, pOwner ? pOwner->m_hWnd : nullptr,
                    nullptr);
}

CSize CToolTip2::Measure(CDC* dc) const {
    const CSize text = dc->GetTextExtent(m_text);
    return CSize(text.cx + 7, text.cy + 2);
}

void CToolTip2::DrawTip(CDC* dc, CSize size) {
    dc->SetBkMode(TRANSPARENT);
    CPen black(PS_SOLID, 1, RGB(0, 0, 0));
    CBrush back(::GetSysColor(COLOR_INFOBK));
    CPen* oldPen = dc->SelectObject(&black);
    CBrush* oldBrush = dc->SelectObject(&back);
    dc->Rectangle(0, 0, size.cx, size.cy);
    dc->SelectObject(oldBrush);
    dc->SelectObject(oldPen);
    dc->SetTextColor(::GetSysColor(COLOR_INFOTEXT));
    dc->TextOut(3, 1, m_text);
}

void CToolTip2::ShowAt(CPoint anchor) {
    if (!m_hWnd) return;
    m_anchor = anchor;
    CSize size;
    {
        CClientDC dc(this);
        CFont* old = dc.SelectObject(&m_font);
        size = Measure(&dc);
        dc.SelectObject(old);
    }
    CRect rect(anchor, size);
    if (m_pOwner) m_pOwner->ClientToScreen(&rect);
    SetWindowPos(nullptr, rect.left + 1, rect.top + 1, size.cx, size.cy,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    Invalidate(FALSE);
}

void CToolTip2::OnPaint() {
    CPaintDC dc(this);
    CFont* old = dc.SelectObject(&m_font);
    DrawTip(&dc, Measure(&dc));
    dc.SelectObject(old);
}
