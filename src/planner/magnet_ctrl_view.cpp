#include "planner/magnet_ctrl_view.h"

#include <algorithm>

#include "planner/magnet_ctrl.h"
#include "planner/magnet_messages.h"
#include "platform/ui/system_metrics.h"
#include "timetable/scroll_position.h"

BEGIN_MESSAGE_MAP(CMagnetCtrlView, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_HSCROLL()
    ON_MESSAGE(WM_MB_REPAINT_ROW, &CMagnetCtrlView::OnRepaintRow)
    ON_MESSAGE(WM_MB_RELAYOUT, &CMagnetCtrlView::OnResetScroll)
END_MESSAGE_MAP()

namespace {
constexpr int kScrollBarId = 101;
constexpr int kTitleId = 102;
constexpr int kBodyId = 103;
}  // namespace

CMagnetCtrlView::~CMagnetCtrlView() { DestroyWindow(); }

int CMagnetCtrlView::OnCreate(LPCREATESTRUCT cs) {
    if (CWnd::OnCreate(cs) == -1) return -1;
    m_scrollBar.Create(WS_CHILD | SBS_HORZ, CRect(0, 0, 0, 0), this, kScrollBarId);
    m_scrollBar.ShowScrollBar(TRUE);
    m_scrollBar.EnableScrollBar(ESB_ENABLE_BOTH);
    m_title.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, kTitleId);
    m_body.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, kBodyId);
    return 0;
}

CMagnetCtrl* CMagnetCtrlView::GetControl() const {
    CWnd* owner = GetOwner();
    return dynamic_cast<CMagnetCtrl*>(owner ? owner : GetParent());
}

void CMagnetCtrlView::SortDayColumns() {
    m_title.SortDayColumns();
    if (m_scrollBar.GetSafeHwnd()) m_scrollBar.SetScrollPos(0);
    SetHorizontalOffset(0);
    Layout();
}

void CMagnetCtrlView::SetHorizontalOffset(int offset) {
    m_nHorizontalOffset = offset;
    m_title.m_nScrollOffset = offset;
    if (m_title.GetSafeHwnd()) m_title.Invalidate();
    if (m_body.GetSafeHwnd()) m_body.Invalidate();
}

void CMagnetCtrlView::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    Layout();
}

void CMagnetCtrlView::Layout() {
    if (!m_title.GetSafeHwnd()) return;
    CRect client;
    GetClientRect(&client);
    m_nContentWidth = client.Width();
    const int b = GetSystemMetrics(SM_CYHSCROLL);
    const CMagnetCtrl* control = GetControl();
    const int t = control ? control->GetTitleHeight() : 40;
    m_scrollBar.MoveWindow(client.left, client.bottom - b, client.Width(), b);
    m_title.MoveWindow(client.left, client.top, client.Width(), t);
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    info.nMin = 0;
    info.nMax = m_title.GetTotalWidth();
    info.nPage = static_cast<UINT>(std::min(CalcHorizontalPage(), info.nMax));
    info.nPos = std::clamp(m_nHorizontalOffset, 0, info.nMax);
    m_scrollBar.SetScrollInfo(&info);
    m_body.MoveWindow(client.left, client.top + t, client.Width(), std::max(0, client.Height() - t - b));
    m_body.Invalidate();
    m_title.Invalidate();
}

void CMagnetCtrlView::OnHScroll(UINT code, UINT pos, CScrollBar* bar) {
    const CMagnetCtrl* control = GetControl();
    if (control && !control->GetRows().empty()) {
        SCROLLINFO info{};
        info.cbSize = sizeof(info);
        m_scrollBar.GetScrollInfo(&info, SIF_ALL);
        const int p = NextScrollPosition(info, code, m_nHorizontalPosition, 1);
        if (code != SB_THUMBTRACK) SetHorizontalOffset(p);
        m_nHorizontalPosition = p;
        m_scrollBar.SetScrollPos(p);
    }
    CWnd::OnHScroll(code, pos, bar);
}

LRESULT CMagnetCtrlView::OnRepaintRow(WPARAM wParam, LPARAM) {
    m_body.PaintRow(static_cast<int>(wParam));
    return 0;
}

LRESULT CMagnetCtrlView::OnResetScroll(WPARAM, LPARAM) {
    m_scrollBar.SetScrollPos(0);
    SetHorizontalOffset(0);
    Layout();
    return 0;
}
