// The diary's geometry: creation of its parts, the layout pass of the rows, the placing of the
// children, vertical scrolling, the split bar and the row-name edge, and the corner painting.
#include <algorithm>
#include <cmath>

#include "controls/app_document.h"
#include "model/schedule_data.h"
#include "planner/diary_ctrl.h"
#include "planner/diary_messages.h"
#include "planner/diary_scroll_range.h"
#include "platform/core/load_res_string.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/client_dc.h"
#include "platform/ui/system_metrics.h"
#include "platform/ui/win_app.h"
#include "platform/ui/icon.h"
#include "platform/ui/window_api.h"
#include "resource_ids.h"
#include "timetable/grid_scale.h"
#include "timetable/scroll_position.h"

namespace {
constexpr int kEdgeReach = 10;
constexpr int kSplitBar = 4;
constexpr int kMinHeaderWidth = 110;
}  // namespace

int CDiaryCtrl::OnCreate(LPCREATESTRUCT cs) {
    if (CWnd::OnCreate(cs) == -1) return -1;
    m_scrollBar.Create(WS_CHILD | SBS_VERT, CRect(0, 0, 0, 0), this, kScrollBarId);
    m_scrollBar.ShowScrollBar(TRUE);
    m_header.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, kHeaderId);
    m_firstPane.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, kFirstPaneId);
    m_secondPane.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, kSecondPaneId);
    m_firstPane.GetBody().m_bFirstPane = m_firstPane.GetBody().m_bLastPane = 1;
    m_secondPane.GetBody().m_bFirstPane = m_secondPane.GetBody().m_bLastPane = 0;
    CBitmap strip;
    if (m_images.Create(16, 16, ILC_COLOR32 | ILC_MASK, 23, 1) && strip.LoadBitmap(IDB_PANEL_IMAGES))
        m_images.Add(&strip, RGB(255, 0, 255));
    const double s = GetGridScale();
    CreateGridFont(m_font, ScaleGridPixels(13, s), 0, CLEARTYPE_QUALITY);
    m_hSplitCursor = AfxGetApp() ? AfxGetApp()->LoadCursor(IDCUR_SPLIT_VERT) : nullptr;
    m_nLineHeight = ScaleGridPixels(18, s);
    m_nHeaderWidth = ScaleGridPixels(kMinHeaderWidth, s);
    m_nTitleHeight = ScaleGridPixels(55, s);
    return 0;
}

// The layout pass ------------------------------------------------------------------------------------

int CDiaryCtrl::GetRowHeight(const CDiaryRow& row) const {
    if (!IsExpanded(row.m_nActivity) || row.m_arrMembers.empty()) return m_nLineHeight;
    return m_nLineHeight * static_cast<int>(row.m_arrMembers.size() + 1);
}

void CDiaryCtrl::LayoutRows() {
    for (CDiaryGroup& group : m_arrGroups) group.m_rect.SetRectEmpty();
    int y = 0;
    int previous = 0;
    for (CDiaryRow& row : m_arrRows) {
        if (row.m_nGroup != previous) {
            if (previous != 0) y += 2;
            for (CDiaryGroup& group : m_arrGroups)
                if (group.m_nGroup == row.m_nGroup) {
                    group.m_rect = CRect(0, y, 5000, y + m_nLineHeight);
                    y += m_nLineHeight;
                }
            previous = row.m_nGroup;
        }
        row.m_rect = CRect(0, y, 5000, y + GetRowHeight(row));
        y = row.m_rect.bottom;
    }
}

int CDiaryCtrl::GetContentHeight() const {
    const int pitch = static_cast<int>(std::lround(1.1 * m_nLineHeight));
    int total = 0;
    for (const CDiaryRow& row : m_arrRows) {
        const int lines = IsExpanded(row.m_nActivity) ? static_cast<int>(row.m_arrMembers.size()) + 1 : 1;
        total += lines * pitch;
    }
    return total;
}

int CDiaryCtrl::RowAt(int y) const {
    // The rows lie one below the other in the order of the layout pass.
    const auto found = std::upper_bound(m_arrRows.begin(), m_arrRows.end(), y,
                                        [](int v, const CDiaryRow& row) { return v < row.m_rect.top; });
    if (found == m_arrRows.begin()) return kNone;
    const auto row = std::prev(found);
    return y < row->m_rect.bottom ? static_cast<int>(row - m_arrRows.begin()) : kNone;
}

int CDiaryCtrl::GroupAt(int y) const {
    for (std::size_t i = 0; i < m_arrGroups.size(); ++i) {
        const CRect& r = m_arrGroups[i].m_rect;
        if (!r.IsRectEmpty() && r.top <= y && y < r.top + m_nLineHeight) return static_cast<int>(i);
    }
    return kNone;
}

int CDiaryCtrl::MemberAt(int row, int y) const {
    if (row < 0 || row >= static_cast<int>(m_arrRows.size())) return kNone;
    const CDiaryRow& r = m_arrRows[row];
    if (!IsExpanded(r.m_nActivity) || m_nLineHeight <= 0) return kNone;
    const int line = (y - r.m_rect.top) / m_nLineHeight - 1;
    return line >= 0 && line < static_cast<int>(r.m_arrMembers.size()) ? line : kNone;
}

// Placing the children ------------------------------------------------------------------------------------

void CDiaryCtrl::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    Relayout();
}

void CDiaryCtrl::Relayout() {
    if (!m_header.GetSafeHwnd()) return;
    CRect client;
    GetClientRect(&client);
    const int w = client.Width(), h = client.Height();
    const int s = GetSystemMetrics(SM_CXVSCROLL), t = m_nTitleHeight;
    m_scrollBar.MoveWindow(w - s, t, s, std::max(0, h - s - t));
    m_header.MoveWindow(0, t, m_nHeaderWidth, std::max(0, h - s - t));
    auto& first = m_firstPane.GetBody();
    auto& second = m_secondPane.GetBody();
    if (m_bSplit) {
        if (w - m_nHeaderWidth < m_nSplitPosition) m_nSplitPosition = (w - m_nHeaderWidth) / 2;
        first.m_bFirstPane = 1, first.m_bLastPane = 0;
        second.m_bFirstPane = 0, second.m_bLastPane = 1;
        m_secondPane.ShowWindow(SW_SHOW);
        m_firstPane.MoveWindow(m_nHeaderWidth, 0, std::max(0, m_nSplitPosition - 2), h);
        const int x = m_nHeaderWidth + m_nSplitPosition + 2;
        m_secondPane.MoveWindow(x, 0, std::max(0, w - s - x), h);
    } else {
        m_secondPane.ShowWindow(SW_HIDE);
        first.m_bFirstPane = first.m_bLastPane = 1;
        m_firstPane.MoveWindow(m_nHeaderWidth, 0, std::max(0, w - s - m_nHeaderWidth), h);
    }
    LayoutRows();
    UpdateScrollRange();
    Invalidate();
}

// Vertical scrolling ------------------------------------------------------------------------------------

void CDiaryCtrl::UpdateScrollRange() {
    if (!m_scrollBar.GetSafeHwnd()) return;
    CRect header;
    m_header.GetClientRect(&header);
    // A page is what the row-name column shows.
    SetDiaryScrollRange(m_scrollBar, GetContentHeight(), static_cast<int>(header.Height()), m_nScrollPosition);
    RepaintChildren();
}

void CDiaryCtrl::SetVerticalOffset(int offset) {
    m_nVerticalOffset = offset;
    RepaintChildren();
}

void CDiaryCtrl::RepaintChildren() {
    if (!GetSafeHwnd()) return;
    m_header.Invalidate();
    for (int p = 0; p < 2; ++p) {
        GetPane(p).GetBody().Invalidate();
        GetPane(p).GetTitle().Invalidate();
    }
}

void CDiaryCtrl::OnVScroll(UINT code, UINT pos, CScrollBar* bar) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    m_scrollBar.GetScrollInfo(&info, SIF_ALL);
    const int p = NextScrollPosition(info, code, m_nScrollPosition, 10);
    m_nScrollPosition = p;
    m_scrollBar.SetScrollPos(p);
    // While the thumb is dragged only the box moves; the rows follow when it is let go.
    if (code != SB_THUMBTRACK) SetVerticalOffset(p);
    CWnd::OnVScroll(code, pos, bar);
}

BOOL CDiaryCtrl::ScrollByWheel(short delta) {
    CRect header;
    m_header.GetClientRect(&header);
    const int q = GetContentHeight(), v = static_cast<int>(header.Height());
    const int next = m_nVerticalOffset + (delta < 0 ? m_nLineHeight : -m_nLineHeight);
    if (next < 0 || next > q - std::min(v, q) + 12) return FALSE;
    m_nScrollPosition = next;
    m_scrollBar.SetScrollPos(next);
    SetVerticalOffset(next);
    return TRUE;
}

BOOL CDiaryCtrl::OnMouseWheel(UINT, short delta, CPoint) { return ScrollByWheel(delta); }

void CDiaryCtrl::ScrollToTop() {
    m_nScrollPosition = 0;
    if (m_scrollBar.GetSafeHwnd()) m_scrollBar.SetScrollPos(0);
    SetAvailabilityDisplay(0);
    SetVerticalOffset(0);
}

void CDiaryCtrl::ScrollToRow(int id, int offset) {
    m_nVerticalOffset = offset;
    SelectRowById(id);
    RepaintChildren();
    m_nScrollPosition = offset;
    if (m_scrollBar.GetSafeHwnd()) m_scrollBar.SetScrollPos(offset);
}

LRESULT CDiaryCtrl::OnRelayoutMessage(WPARAM, LPARAM) {
    if (IsWindowVisible()) {
        ScrollToTop();
        if (m_firstPane.GetBody().GetSafeHwnd()) m_firstPane.GetBody().SetFocus();
    }
    return 0;
}

// The split bar and the row-name edge ------------------------------------------------------------------------

void CDiaryCtrl::ToggleSplit() {
    if (m_bSplit) {
        m_bSplit = false;
    } else {
        CRect client;
        GetClientRect(&client);
        if (m_nSplitPosition == -1) m_nSplitPosition = (client.Width() - m_nHeaderWidth) / 2;
        m_bSplit = true;
    }
    Relayout();
}

void CDiaryCtrl::InvertSplitBar(int x) {
    CClientDC dc(this);
    CRect client;
    GetClientRect(&client);
    const CRect bar(x, 0, x + kSplitBar, client.bottom);
    dc.InvertRect(&bar);
}

void CDiaryCtrl::OnLButtonDown(UINT flags, CPoint point) {
    const bool onBar = point.x > m_nHeaderWidth && m_bSplit;
    const bool onEdge = point.x < m_nHeaderWidth && point.x >= m_nHeaderWidth - kEdgeReach && point.y > 50;
    if (onBar || onEdge) {
        m_bSplitterDrag = true;
        m_bEdgeDrag = onEdge && !onBar;
        if (m_hSplitCursor) ::SetCursor(m_hSplitCursor);
        SetCapture();
        m_nLastBarX = -1;
    }
    CWnd::OnLButtonDown(flags, point);
}

void CDiaryCtrl::OnMouseMove(UINT flags, CPoint point) {
    CRect client;
    GetClientRect(&client);
    if (m_bSplitterDrag) {
        if (m_nLastBarX >= 0) InvertSplitBar(m_nLastBarX);
        InvertSplitBar(point.x);
        m_nLastBarX = point.x;
        if (m_bEdgeDrag) m_nHeaderWidth = std::max(point.x, kMinHeaderWidth);
        else m_nSplitPosition = point.x - m_nHeaderWidth;
    } else if (m_hSplitCursor) {
        const bool overBar = m_bSplit && point.x > m_nHeaderWidth;
        const bool overEdge = point.x < m_nHeaderWidth && point.x >= m_nHeaderWidth - kEdgeReach &&
                              point.y > client.bottom - 16;
        if (overBar || overEdge) ::SetCursor(m_hSplitCursor);
    }
    CWnd::OnMouseMove(flags, point);
}

void CDiaryCtrl::OnLButtonUp(UINT flags, CPoint point) {
    if (!m_bSplitterDrag) return CWnd::OnLButtonUp(flags, point);
    m_bSplitterDrag = false;
    if (GetCapture() == this) ReleaseCapture();
    CRect client;
    GetClientRect(&client);
    if (m_bEdgeDrag) {
        m_nHeaderWidth = std::max(static_cast<int>(point.x), kMinHeaderWidth);
    } else if (m_bSplit) {
        if (point.x > client.right - 30 || point.x < m_nHeaderWidth + 30) {
            m_bSplit = false;
            m_nSplitPosition = (client.Width() - m_nHeaderWidth) / 2;
        } else {
            m_nSplitPosition = point.x - m_nHeaderWidth;
        }
    }
    m_bEdgeDrag = false;
    m_nLastBarX = -1;
    Relayout();
    CWnd::OnLButtonUp(flags, point);
}

// The corner and the gaps between the children -------------------------------------------------------------

BOOL CDiaryCtrl::OnEraseBkgnd(CDC*) { return TRUE; }

void CDiaryCtrl::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, GetSysColor(COLOR_WINDOW));
    const int line = m_nLineHeight;
    const CRect grip(m_nHeaderWidth - 10, client.bottom - line, m_nHeaderWidth, client.bottom);
    dc.FillSolidRect(&grip, GetSysColor(COLOR_BTNFACE));
    dc.Draw3dRect(&grip, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW));
    const CRect band(0, m_nTitleHeight - line, m_nHeaderWidth, m_nTitleHeight);
    dc.FillSolidRect(&band, GetSysColor(COLOR_BTNFACE));
    CFont* old = dc.SelectObject(&m_font);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(GetSysColor(COLOR_BTNTEXT));
    CRect text(4, band.top, ScaleGridPixels(108, GetGridScale()), band.bottom);
    dc.DrawText(LoadResString(IDS_DIARY_CORNER), &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    dc.SelectObject(old);
    const CRect right(m_nHeaderWidth, 0, client.right, client.bottom);
    dc.FillSolidRect(&right, GetSysColor(COLOR_BTNFACE));
    if (m_bSplit) {
        const CRect bar(m_nHeaderWidth + m_nSplitPosition - 2, 0, m_nHeaderWidth + m_nSplitPosition + 2, client.bottom);
        dc.Draw3dRect(&bar, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_3DDKSHADOW));
    }
}
