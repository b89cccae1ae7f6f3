// The magnet board's window side: the layout pass, the children's places, vertical scrolling,
// zoom, the splitters, the control's own painting and the blink timer.
#include <algorithm>

#include "controls/app_document.h"
#include "planner/magnet_ctrl.h"
#include "planner/magnet_messages.h"
#include "platform/core/load_res_string.h"
#include "platform/ui/client_dc.h"
#include "platform/ui/icon.h"
#include "platform/ui/system_metrics.h"
#include "resource_ids.h"
#include "timetable/grid_scale.h"
#include "timetable/scroll_position.h"

namespace {
constexpr int kMinHeaderWidth = 80;
}

// The layout pass -------------------------------------------------------------------------------------

void CMagnetCtrl::LayoutBoard() {
    CMagnetCtrlTitle& title = m_firstPane.GetTitle();
    // The hour cells are at least as wide as their captions.
    if (title.GetSafeHwnd()) {
        const int caption = title.MeasureCaptionWidth();
        if (m_nHourWidth < caption) m_nHourWidth = std::max(caption, m_nMinHourWidth);
    }
    title.LayoutColumns(m_nHourWidth);
    m_secondPane.GetTitle().LayoutColumns(m_nHourWidth);
    const int pitch = GetRowPitch();
    for (std::size_t i = 0; i < m_arrRows.size(); ++i) {
        CMagnetRow& row = m_arrRows[i];
        const int top = static_cast<int>(i) * pitch;
        row.m_rect = CRect(0, top, m_nHeaderWidth, top + pitch);
        for (CMagnetItem& magnet : row.m_arrMagnets) {
            int left = 0, right = 0;
            // A magnet whose day has no column is neither drawn nor hit.
            if (title.TimeSpanToX(magnet.m_dtEntryStart, magnet.GetShownEnd() - magnet.m_dtEntryStart, left, right))
                magnet.m_rect = CRect(left, row.m_rect.top, right, row.m_rect.bottom);
            else
                magnet.m_rect = CRect(0, 0, 0, 0);
        }
    }
    if (const CMagnetRow* current = GetRow(m_nCurrentRowId)) {
        m_nCurrentRowTop = current->m_rect.top;
        m_nCurrentRowBottom = current->m_rect.bottom;
    }
}

void CMagnetCtrl::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    RecalcLayout();
}

void CMagnetCtrl::RecalcLayout() {
    if (!m_header.GetSafeHwnd()) return;
    LayoutBoard();
    CRect client;
    GetClientRect(&client);
    const int b = GetSystemMetrics(SM_CYHSCROLL);
    const int t = m_nTitleHeight, w = m_nHeaderWidth;
    const int height = std::max(0, client.bottom - b - client.top - t);
    m_scrollBar.MoveWindow(client.right - b, client.top + t, b, height);
    m_header.MoveWindow(client.left, client.top + t, w, height);
    if (m_bSplit) {
        const int free = client.right - w - client.left;
        if (m_nSplitPosition > free) m_nSplitPosition = free / 2;
        m_secondPane.ShowWindow(SW_SHOW);
        m_firstPane.MoveWindow(client.left + w, client.top, std::max(0, m_nSplitPosition - 2), client.Height());
        const int x = client.left + w + m_nSplitPosition + 2;
        m_secondPane.MoveWindow(x, client.top, std::max(0, client.right - b - x), client.Height());
    } else {
        m_secondPane.ShowWindow(SW_HIDE);
        m_firstPane.MoveWindow(client.left + w, client.top, std::max(0, client.right - b - client.left - w),
                               client.Height());
    }
    m_firstPane.Layout();
    if (m_bSplit) m_secondPane.Layout();
    UpdateVerticalScroll();
    Invalidate();
}

void CMagnetCtrl::RelayoutPanes() {
    LayoutBoard();
    m_firstPane.Layout();
    m_firstPane.Invalidate();
    if (m_bSplit) {
        m_secondPane.Layout();
        m_secondPane.Invalidate();
    }
    if (m_header.GetSafeHwnd()) m_header.Invalidate();
}

void CMagnetCtrl::SetHourWidth(int width) { m_nHourWidth = std::max(width, m_nMinHourWidth); }

void CMagnetCtrl::SetHeaderWidth(int width) {
    m_nHeaderWidth = std::max(width, ScaleGridPixels(kMinHeaderWidth, GetGridScale()));
    RecalcLayout();
}

// Vertical scrolling --------------------------------------------------------------------------------------

int CMagnetCtrl::CalcVerticalPage() const {
    // One page is what the header shows.
    if (!m_header.GetSafeHwnd()) return 0;
    CRect client;
    m_header.GetClientRect(&client);
    return std::max(0, static_cast<int>(client.Height()));
}

void CMagnetCtrl::RepaintBodiesAndHeader() {
    if (m_header.GetSafeHwnd()) m_header.Invalidate();
    if (m_firstPane.GetSafeHwnd()) m_firstPane.GetBody().Invalidate();
    if (m_bSplit && m_secondPane.GetSafeHwnd()) m_secondPane.GetBody().Invalidate();
}

void CMagnetCtrl::UpdateVerticalScroll() {
    RepaintBodiesAndHeader();
    if (!m_scrollBar.GetSafeHwnd()) return;
    const int total = m_header.GetTotalHeight();
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    info.nMin = 0;
    info.nMax = total;
    info.nPage = static_cast<UINT>(std::min(CalcVerticalPage(), total));
    info.nPos = std::clamp(m_nVerticalOffset, 0, std::max(0, total - static_cast<int>(info.nPage)));
    m_scrollBar.SetScrollInfo(&info, TRUE);
}

void CMagnetCtrl::SetVerticalOffset(int offset) {
    m_nVerticalOffset = offset;
    m_nVerticalPosition = offset;
    if (m_scrollBar.GetSafeHwnd()) m_scrollBar.SetScrollPos(offset);
    RepaintBodiesAndHeader();
}

void CMagnetCtrl::OnVScroll(UINT code, UINT pos, CScrollBar* bar) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    m_scrollBar.GetScrollInfo(&info, SIF_ALL);
    const int p = NextScrollPosition(info, code, m_nVerticalPosition, 10);
    if (code == SB_THUMBTRACK) {
        m_nVerticalPosition = p;
        m_scrollBar.SetScrollPos(p);
    } else {
        SetVerticalOffset(p);
    }
    CWnd::OnVScroll(code, pos, bar);
}

int CMagnetCtrl::ScrollByWheel(int delta) {
    const int p = m_nVerticalPosition - delta / 12;
    const int limit = std::max(0, m_header.GetTotalHeight() - CalcVerticalPage());
    if (p < 0 || p > limit) return 0;
    SetVerticalOffset(p);
    return 1;
}

void CMagnetCtrl::ScrollToTop() {
    SetVerticalOffset(0);
    for (CMagnetCtrlView* pane : {&m_firstPane, &m_secondPane})
        if (pane->GetSafeHwnd()) pane->SendMessage(WM_MB_RELAYOUT, 0, 0);
}

LRESULT CMagnetCtrl::OnResetScroll(WPARAM, LPARAM) {
    if (IsWindowVisible()) {
        ScrollToTop();
        RecalcLayout();
    }
    return 0;
}

// Zoom ------------------------------------------------------------------------------------------------------

namespace {
int Scaled(int value, double factor) { return static_cast<int>(value * factor); }
}  // namespace

void CMagnetCtrl::ZoomIn() {
    m_nHourWidth = Scaled(m_nHourWidth, 1.1);
    m_header.SetRowHeight(Scaled(m_header.GetRowHeight(), 1.1));
    if (IsWindowVisible()) OnResetScroll(0, 0);
}

void CMagnetCtrl::ZoomOut() {
    m_nHourWidth = std::max(Scaled(m_nHourWidth, 0.9), m_firstPane.GetSafeHwnd() ? m_firstPane.GetMinHourWidth() : 0);
    m_header.SetRowHeight(std::max(Scaled(m_header.GetRowHeight(), 0.9), m_header.GetMinRowHeight()));
    if (IsWindowVisible()) OnResetScroll(0, 0);
}

void CMagnetCtrl::ZoomToFit() {
    const int hours = m_firstPane.GetTitle().GetTotalHours();
    if (m_arrRows.empty() || hours == 0) return;
    CRect client;
    GetClientRect(&client);
    const int b = GetSystemMetrics(SM_CYHSCROLL);
    const int minHour = m_firstPane.GetSafeHwnd() ? m_firstPane.GetMinHourWidth() : 0;
    m_nHourWidth = std::max((client.Width() - m_nHeaderWidth - b) / hours, minHour);
    // Every row takes its band too: the rows with their bands fill the free height.
    const int rows = static_cast<int>(m_arrRows.size());
    const int fitted = (client.Height() - m_nTitleHeight - b) / rows - CMagnetCtrlHeader::kBand;
    m_header.SetRowHeight(std::max(fitted, m_header.GetMinRowHeight()));
    if (IsWindowVisible()) OnResetScroll(0, 0);
}

void CMagnetCtrl::ToggleSplit() {
    if (m_bSplit) {
        m_bSplit = 0;
    } else {
        m_bSplit = 1;
        if (m_nSplitPosition == -1) {
            CRect client;
            GetClientRect(&client);
            m_nSplitPosition = (client.Width() - m_nHeaderWidth) / 2;
        }
    }
    RecalcLayout();
}

// The control's own picture: the grip, the band over the header and the split bar ---------------------------

BOOL CMagnetCtrl::OnEraseBkgnd(CDC*) { return TRUE; }

void CMagnetCtrl::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    const int saved = dc.SaveDC();
    dc.SelectObject(&m_font);
    dc.SetBkMode(TRANSPARENT);
    dc.FillSolidRect(&client, GetSysColor(COLOR_WINDOW));
    const int w = m_nHeaderWidth, t = m_nTitleHeight;
    const CRect grip(w - 10, client.bottom - m_nGripHeight, w, client.bottom);
    dc.FillSolidRect(&grip, GetSysColor(COLOR_BTNFACE));
    dc.Draw3dRect(&grip, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW));
    const CRect band(client.left, client.top + t - m_nGripHeight, client.right, client.top + t);
    dc.FillSolidRect(&band, GetSysColor(COLOR_BTNFACE));
    CRect text(4, band.top + 1, ScaleGridPixels(108, GetGridScale()), band.bottom - 1);
    dc.SetTextColor(GetSysColor(COLOR_BTNTEXT));
    dc.DrawText(LoadResString(IDS_MAGNET_ROWS_TITLE), &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    const CRect panes(w, client.top, client.right, client.bottom);
    dc.FillSolidRect(&panes, GetSysColor(COLOR_BTNFACE));
    if (m_bSplit) {
        const CRect bar(w + m_nSplitPosition - 2, client.top, w + m_nSplitPosition + 2, client.bottom);
        dc.Draw3dRect(&bar, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_3DDKSHADOW));
    }
    dc.RestoreDC(saved);
}

// Splitters: the header's right edge and the split between the panes -------------------------------------

void CMagnetCtrl::InvertSplitLine(int x) {
    CClientDC dc(this);
    CRect client;
    GetClientRect(&client);
    const CRect line(x - 2, client.top, x + 2, client.bottom);
    dc.InvertRect(&line);
}

void CMagnetCtrl::OnMouseMove(UINT flags, CPoint point) {
    CRect client;
    GetClientRect(&client);
    const int w = m_nHeaderWidth;
    if ((point.x > w && m_bSplit) || (w - point.x < 10 && point.y > client.bottom - 16)) ::SetCursor(m_hSplitterCursor);
    if (m_bSplitterDrag) {
        InvertSplitLine(m_nDragEdgeX);
        m_nDragEdgeX = point.x;
        InvertSplitLine(m_nDragEdgeX);
    }
    CWnd::OnMouseMove(flags, point);
}

void CMagnetCtrl::OnLButtonDown(UINT flags, CPoint point) {
    const int w = m_nHeaderWidth;
    if ((point.x > w && m_bSplit) || (point.x < w && w - point.x < 10 && point.y > 50)) {
        ::SetCursor(m_hSplitterCursor);
        m_bSplitterDrag = 1;
        m_bHeaderEdgeDrag = point.x < w;
        m_nDragEdgeX = m_bHeaderEdgeDrag ? w : w + m_nSplitPosition;
        SetCapture();
    }
    CWnd::OnLButtonDown(flags, point);
}

void CMagnetCtrl::OnLButtonUp(UINT flags, CPoint point) {
    if (m_bSplitterDrag) {
        m_bSplitterDrag = 0;
        ReleaseCapture();
        CRect client;
        GetClientRect(&client);
        const int w = m_nHeaderWidth;
        if (m_bHeaderEdgeDrag) {
            m_bHeaderEdgeDrag = 0;
            m_nHeaderWidth = point.x > kMinHeaderWidth ? point.x : kMinHeaderWidth;
        } else if (m_bSplit) {
            if (point.x > client.right - 30 || point.x < w + 30) {
                m_bSplit = 0;
                m_nSplitPosition = (client.right - w - client.left) / 2;
            } else {
                m_nSplitPosition = point.x - w;
            }
        }
        RecalcLayout();
    }
    CWnd::OnLButtonUp(flags, point);
}

// Blink timer ------------------------------------------------------------------------------------------------

void CMagnetCtrl::OnTimer(UINT_PTR id) {
    KillTimer(m_nTimerId);
    if (m_bDragActive) {
        m_nBlinkPhase = 1 - m_nBlinkPhase;
        RepaintRow(m_nCurrentRowId);
        m_nTimerId = SetTimer(kBlinkTimer, 500);
    }
    CWnd::OnTimer(id);
}
