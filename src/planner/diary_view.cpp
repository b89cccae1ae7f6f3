#include "planner/diary_view.h"

#include <algorithm>

#include "planner/diary_ctrl.h"
#include "planner/diary_messages.h"
#include "planner/diary_scroll_range.h"
#include "platform/ui/system_metrics.h"
#include "resource_ids.h"
#include "timetable/scroll_position.h"

BEGIN_MESSAGE_MAP(CDiaryView, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_HSCROLL()
    ON_MESSAGE(WM_DIARY_RELAYOUT, &CDiaryView::OnResetScroll)
END_MESSAGE_MAP()

namespace {
constexpr UINT kScrollBarId = 101, kTitleId = 102, kBodyId = 103;
constexpr UINT kPatternIds[9] = {IDB_STATE_PATTERN_0, IDB_STATE_PATTERN_1, IDB_STATE_PATTERN_2,
                                 IDB_STATE_PATTERN_3, IDB_STATE_PATTERN_4, IDB_STATE_PATTERN_5,
                                 IDB_GRID_ABSENCE,    IDB_GRID_FREED,      IDB_STATE_PATTERN_8};
}  // namespace

CDiaryView::~CDiaryView() { DestroyWindow(); }

CDiaryCtrl* CDiaryView::GetControl() const { return dynamic_cast<CDiaryCtrl*>(GetParent()); }

int CDiaryView::OnCreate(LPCREATESTRUCT cs) {
    if (CWnd::OnCreate(cs) == -1) return -1;
    m_scrollBar.Create(WS_CHILD | SBS_HORZ, CRect(0, 0, 0, 0), this, kScrollBarId);
    m_scrollBar.ShowScrollBar(TRUE);
    m_scrollBar.EnableScrollBar(ESB_ENABLE_BOTH);
    m_title.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, kTitleId);
    m_body.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, kBodyId);
    for (int i = 0; i < 9; ++i) m_patterns[i].Load(kPatternIds[i]);
    // Six placeholder days from today until the page sets the plan's days.
    const COleDateTime now = COleDateTime::GetCurrentTime();
    const COleDateTime today(now.GetYear(), now.GetMonth(), now.GetDay(), 0, 0, 0);
    __time64_t start = 0, end = 0;
    COleDateTime(2000, 1, 1, 8, 0, 1).GetAsTime64(start);
    COleDateTime(2000, 1, 1, 16, 0, 1).GetAsTime64(end);
    for (int i = 0; i < 6; ++i) {
        const COleDateTime date = today + COleDateTimeSpan(i, 0, 0, 0);
        m_title.AddDayColumn(FormatDateTitle(date), date, start, end);
    }
    return 0;
}

CBrush* CDiaryView::GetPattern(int index) {
    if (index < 0 || index >= kPatterns || !m_patterns[index].IsLoaded()) return nullptr;
    return m_patterns[index].GetBrush();
}

void CDiaryView::SetHorizontalOffset(int offset) {
    m_nHorizontalOffset = offset;
    if (m_title.GetSafeHwnd()) m_title.Invalidate();
    if (m_body.GetSafeHwnd()) m_body.Invalidate();
}

void CDiaryView::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    Layout();
}

void CDiaryView::Layout() {
    if (!m_title.GetSafeHwnd()) return;
    CRect client;
    GetClientRect(&client);
    const int w = client.Width(), h = client.Height();
    m_nContentWidth = w;
    const int s = GetSystemMetrics(SM_CYHSCROLL);
    const CDiaryCtrl* control = GetControl();
    const int t = control ? control->GetTitleHeight() : 55;
    m_scrollBar.MoveWindow(0, h - s, w, s);
    m_title.MoveWindow(0, 0, w, t);
    m_body.MoveWindow(0, t, w, std::max(0, h - s - t));
    m_title.LayoutColumns();
    // A page is what the pane shows.
    SetDiaryScrollRange(m_scrollBar, m_title.GetTotalWidth(), w, m_nScrollPosition);
    m_title.Invalidate();
    m_body.Invalidate();
}

void CDiaryView::OnHScroll(UINT code, UINT pos, CScrollBar* bar) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    m_scrollBar.GetScrollInfo(&info, SIF_ALL);
    const int p = NextScrollPosition(info, code, m_nScrollPosition, 1);
    m_nScrollPosition = p;
    m_scrollBar.SetScrollPos(p);
    if (code != SB_THUMBTRACK) SetHorizontalOffset(p);
    CWnd::OnHScroll(code, pos, bar);
}

LRESULT CDiaryView::OnResetScroll(WPARAM, LPARAM) {
    m_nScrollPosition = 0;
    m_scrollBar.SetScrollPos(0);
    SetHorizontalOffset(0);
    Layout();
    return 0;
}
