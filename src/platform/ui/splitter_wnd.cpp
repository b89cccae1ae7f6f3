#include "platform/ui/splitter_wnd.h"

#include <algorithm>

#include "platform/core/colors.h"
#include "platform/ui/client_dc.h"
#include "platform/ui/icon.h"
#include "platform/ui/window_api.h"

BEGIN_MESSAGE_MAP(CSplitterWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_CAPTURECHANGED()
    ON_WM_SETCURSOR()
END_MESSAGE_MAP()

BOOL CSplitterWnd::Create(CWnd* pParentWnd, BOOL bVerticalBar, const RECT& rect, UINT nID) {
    m_vertical = bVerticalBar != FALSE;
    return CWnd::Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, rect, pParentWnd, nID);
}

void CSplitterWnd::SetPanes(CWnd* pFirst, CWnd* pSecond) {
    m_first = pFirst;
    m_second = pSecond;
    for (CWnd* pane : {pFirst, pSecond})
        if (pane && pane->GetSafeHwnd() && pane->GetParent() != this) pane->SetParent(this);
    RecalcLayout();
}

int CSplitterWnd::Extent() const {
    CRect client;
    GetClientRect(&client);
    return m_vertical ? client.Width() : client.Height();
}

int CSplitterWnd::Clamp(int pos) const {
    const int most = Extent() - m_bar - m_min;
    // When the window is too small for both least sizes the first pane gives way.
    return std::max(0, std::min(std::max(pos, m_min), most));
}

void CSplitterWnd::SetSplitPos(int pos) {
    m_pos = std::max(0, pos);
    RecalcLayout();
}

void CSplitterWnd::SetMinPaneSize(int cMin) {
    m_min = std::max(0, cMin);
    RecalcLayout();
}

void CSplitterWnd::SetBarWidth(int width) {
    m_bar = std::max(1, width);
    RecalcLayout();
}

CRect CSplitterWnd::GetBarRect() const {
    CRect client;
    GetClientRect(&client);
    const int pos = Clamp(m_pos);
    return m_vertical ? CRect(pos, 0, pos + m_bar, client.bottom) : CRect(0, pos, client.right, pos + m_bar);
}

void CSplitterWnd::RecalcLayout() {
    if (!m_hWnd) return;
    CRect client;
    GetClientRect(&client);
    const CRect bar = GetBarRect();
    CRect first = client, second = client;
    if (m_vertical) {
        first.right = bar.left;
        second.left = bar.right;
    } else {
        first.bottom = bar.top;
        second.top = bar.bottom;
    }
    if (m_first && m_first->GetSafeHwnd()) m_first->MoveWindow(&first);
    if (m_second && m_second->GetSafeHwnd()) m_second->MoveWindow(&second);
    Invalidate();
}

BOOL CSplitterWnd::OnEraseBkgnd(CDC*) { return TRUE; }

void CSplitterWnd::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, GetSysColor(COLOR_BTNFACE));
    CRect bar = GetBarRect();
    dc.DrawEdge(&bar, BDR_RAISEDINNER, m_vertical ? (BF_LEFT | BF_RIGHT) : (BF_TOP | BF_BOTTOM));
}

void CSplitterWnd::OnSize(UINT, int, int) { RecalcLayout(); }

void CSplitterWnd::OnLButtonDown(UINT, CPoint point) {
    const CRect bar = GetBarRect();
    if (!bar.PtInRect(point)) return;
    m_dragging = true;
    m_grabOffset = m_vertical ? point.x - bar.left : point.y - bar.top;
    SetCapture();
}

void CSplitterWnd::OnMouseMove(UINT, CPoint point) {
    if (!m_dragging) return;
    const int pos = Clamp((m_vertical ? point.x : point.y) - m_grabOffset);
    if (pos != Clamp(m_pos)) {
        m_pos = pos;
        RecalcLayout();
        UpdateWindow();
    }
}

void CSplitterWnd::OnLButtonUp(UINT, CPoint point) {
    if (!m_dragging) return;
    m_dragging = false;
    m_pos = Clamp((m_vertical ? point.x : point.y) - m_grabOffset);
    if (GetCapture() == this) ReleaseCapture();
    RecalcLayout();
    if (CWnd* parent = GetParent())
        parent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), SPN_MOVED), reinterpret_cast<LPARAM>(m_hWnd));
}

void CSplitterWnd::OnCaptureChanged(CWnd* pWnd) {
    if (pWnd != this) m_dragging = false;
}

BOOL CSplitterWnd::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
    POINT pt;
    GetCursorPos(&pt);
    ScreenToClient(&pt);
    if (nHitTest == HTCLIENT && (m_dragging || GetBarRect().PtInRect(pt))) {
        SetCursor(LoadCursor(nullptr, m_vertical ? IDC_SIZEWE : IDC_SIZENS));
        return TRUE;
    }
    return CWnd::OnSetCursor(pWnd, nHitTest, message);
}
