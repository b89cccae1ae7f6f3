#include "timetable/time_table_ctrl.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

#include "controls/app_document.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "platform/ui/client_dc.h"
#include "platform/ui/icon.h"
#include "platform/ui/window_class.h"
#include "platform/ui/system_metrics.h"
#include "platform/ui/window_api.h"
#include "resource_ids.h"
#include "timetable/grid_scale.h"
#include "timetable/scroll_position.h"
#include "timetable/time_table_messages.h"

BEGIN_MESSAGE_MAP(CTimeTableCtrl, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_TIMER()
    ON_WM_HSCROLL()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_MESSAGE(WM_TT_RELAYOUT, &CTimeTableCtrl::OnRelayout)
    ON_MESSAGE(WM_TT_PANEL_MODE, &CTimeTableCtrl::OnPanelMode)
    ON_MESSAGE(WM_TT_ACTIVATE_PANE, &CTimeTableCtrl::OnActivatePane)
END_MESSAGE_MAP()

namespace {

constexpr UINT kFolderTabsId = 1;
constexpr UINT kHorizontalBarId = 101;
constexpr UINT kFirstPaneId = 102;
constexpr UINT kTitleId = 103;
constexpr UINT kSecondPaneId = 105;
constexpr int kFolderTabStyle = 2;

// The day of a date at the local clock time of a 64-bit time.
COleDateTime AtClockTime(const COleDateTime& day, __time64_t t) {
    if (day.GetStatus() != COleDateTime::valid) return day;
    return COleDateTime(day.GetYear(), day.GetMonth(), day.GetDay(), GetLocalHour(t), GetLocalMinute(t), 0);
}

}  // namespace

CTimeTableCtrl::CTimeTableCtrl(const std::vector<CItemTime>* pinnedRanges)
    : m_dtPlanStart(0.0),
      m_dtPlanEnd(0.0),
      m_firstPane(&m_title, 0),
      m_secondPane(&m_title, 1),
      m_pActivePane(&m_firstPane),
      m_pPinnedRanges(pinnedRanges) {
    m_title.SetGeometryListener([this] {
        m_firstPane.LayoutItems();
        m_secondPane.LayoutItems();
    });
}

CTimeTableCtrl::~CTimeTableCtrl() {
    m_title.SetGeometryListener(nullptr);
    DestroyWindow();
}

BOOL CTimeTableCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(nullptr, L"", style, rect, parent, id);
}

COleDateTime CTimeTableCtrl::GetNow() const { return m_now ? m_now() : COleDateTime::GetCurrentTime(); }

CWnd* CTimeTableCtrl::GetPage() const {
    CWnd* owner = GetOwner();
    return owner ? owner : GetParent();
}

int CTimeTableCtrl::OnCreate(LPCREATESTRUCT cs) {
    if (CWnd::OnCreate(cs) == -1) return -1;
    m_horizontalBar.Create(WS_CHILD | SBS_HORZ, CRect(0, 0, 0, 0), this, kHorizontalBarId);
    m_horizontalBar.ShowScrollBar(TRUE);
    m_horizontalBar.EnableScrollBar(ESB_ENABLE_BOTH);

    m_title.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, kTitleId);
    m_title.SetOwner(this);
    // Placeholder columns until the page sets the plan's days.
    const CScheduleData* data = GetAppDocument();
    COleDateTime date(2000, 1, 1, 0, 0, 0);
    for (int i = 0; i < 6; ++i) {
        date += COleDateTimeSpan(1.0);
        m_title.AddColumn(data ? data->FormatDayTitle(i) : CString(), date);
    }

    for (CTimeTableCtrlView* pane : {&m_firstPane, &m_secondPane}) {
        pane->Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this,
                     pane == &m_firstPane ? kFirstPaneId : kSecondPaneId);
        pane->SetOwner(this);
    }
    m_folderTabs.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, kFolderTabsId, kFolderTabStyle);
    m_folderTabs.SetOwner(this);
    m_folderTabs.SetSecondViewEntity(&m_nSecondPaneEntity);

    m_hSplitterCursor = ::LoadCursor(AfxGetInstanceHandle(), MAKEINTRESOURCE(IDCUR_SPLIT_HORZ));
    m_nHeaderWidth = ScaleGridPixels(50, GetGridScale());
    return 0;
}

// Days -------------------------------------------------------------------------------------------

void CTimeTableCtrl::SetDayRange(int dayCount, const COleDateTime& start, __time64_t dayStart) {
    // Every per-day table holds 21 days.
    m_nDays = std::clamp(dayCount, 0, kMaxDays);
    m_dtPlanStart = start;
    m_dtPlanEnd = start + COleDateTimeSpan(m_nDays, 1, 0, 0);
    std::fill(std::begin(m_bHolidays), std::end(m_bHolidays), 0);
    m_title.RemoveAllColumns();
    const CScheduleData* data = GetAppDocument();
    COleDateTime running = start;
    for (int i = 0; i < m_nDays; ++i) {
        CString caption = data ? data->FormatDayTitle(i) : running.Format(L"%A");
        m_bHolidays[i] = data && data->Settings().IsHoliday(data->GetDayDate(i)) ? 1 : 0;
        if (m_bHolidays[i]) caption = data->Settings().GetHolidayName(running);
        m_title.AddColumn(caption, running);
        running += COleDateTimeSpan(1.0);
    }
    for (CTimeTableCtrlView* pane : {&m_firstPane, &m_secondPane}) {
        pane->GetHeader().SetDayStart(dayStart);
        pane->SetVerticalOffset(0);
    }
    if (m_hWnd && IsWindowVisible()) {
        ResetHorizontalScroll();
        RecalcLayout();
    }
}

int CTimeTableCtrl::IsHolidayDate(const COleDateTime& date) const {
    const CScheduleData* data = GetAppDocument();
    if (!data) return 0;
    const int day = data->GetDayIndex(date);
    return day < m_nDays ? GetHolidayFlag(day) : 0;
}

void CTimeTableCtrl::ReadDayRangesFromColumns(int pane) {
    CTimeTableCtrlView& view = GetPane(pane);
    const auto& columns = m_title.GetColumns();
    const std::size_t n = std::min(columns.size(), static_cast<std::size_t>(CTimeTableCtrlView::kDaySlots));
    for (std::size_t i = 0; i < n; ++i) {
        const COleDateTime& start = columns[i].m_dtRangeStart[pane];
        const COleDateTime& end = columns[i].m_dtRangeEnd[pane];
        if (start.GetStatus() != COleDateTime::valid || end.GetStatus() != COleDateTime::valid)
            throw std::invalid_argument("a day range has no time of day");
        const __time64_t slotStart = MakeTimeOfDay(start.GetHour(), start.GetMinute());
        const __time64_t slotEnd = MakeTimeOfDay(end.GetHour(), end.GetMinute());
        if (slotStart == -1 || slotEnd == -1) throw std::invalid_argument("a day range has no time of day");
        view.m_tDaySlotStart[i] = slotStart;
        view.m_tDaySlotEnd[i] = slotEnd;
    }
}

void CTimeTableCtrl::ApplyDaySlotsToColumns(int pane) {
    CTimeTableCtrlView& view = GetPane(pane);
    auto& columns = m_title.GetColumns();
    const std::size_t n = std::min(columns.size(), static_cast<std::size_t>(CTimeTableCtrlView::kDaySlots));
    for (std::size_t i = 0; i < n; ++i) {
        COleDateTime& start = columns[i].m_dtRangeStart[pane];
        COleDateTime& end = columns[i].m_dtRangeEnd[pane];
        if (IsHolidayDate(start)) {
            end = start;
            continue;
        }
        const COleDateTime day = start;
        start = AtClockTime(day, view.m_tDaySlotStart[i]);
        end = AtClockTime(day, view.m_tDaySlotEnd[i]);
    }
}

// Split display and folder tabs ------------------------------------------------------------------------

void CTimeTableCtrl::ToggleSplit() {
    m_bSplit = !m_bSplit;
    m_secondPane.ShowWindow(m_bSplit ? SW_SHOW : SW_HIDE);
    RecalcLayout();
}

void CTimeTableCtrl::AddEntityTab(const CString& name, int entityId, int removeUnpinned) {
    if (removeUnpinned) m_folderTabs.RemoveUnpinnedTabs();
    const auto& tabs = m_folderTabs.GetTabs();
    if (std::none_of(tabs.begin(), tabs.end(), [entityId](const CFolderTabCtrl::Tab& t) { return t.data == entityId; }))
        m_folderTabs.AddTab(name, entityId, false);
}

void CTimeTableCtrl::SelectSecondPaneTab() {
    if (m_nSecondPaneEntity == 0) return;
    const auto& tabs = m_folderTabs.GetTabs();
    const int selected = m_folderTabs.GetSelectedIndex();
    if (selected >= 0 && selected < static_cast<int>(tabs.size()) && tabs[selected].data == m_nSecondPaneEntity) return;
    for (std::size_t i = 0; i < tabs.size(); ++i) {
        if (tabs[i].data == m_nSecondPaneEntity) {
            m_folderTabs.SelectTab(static_cast<int>(i));
            return;
        }
    }
}

BOOL CTimeTableCtrl::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header && header->idFrom == kFolderTabsId && header->code == CFolderTabCtrl::kNotifySelect) {
        const auto* notify = reinterpret_cast<const NMFOLDERTAB*>(lParam);
        const auto& tabs = m_folderTabs.GetTabs();
        const int entity =
            notify->nTab >= 0 && notify->nTab < static_cast<int>(tabs.size()) ? tabs[notify->nTab].data : 0;
        if (CWnd* page = GetPage()) page->SendNotifyMessage(WM_TT_SHOW_ENTITY, static_cast<WPARAM>(entity), 0);
        *result = 0;
        return TRUE;
    }
    return CWnd::OnNotify(wParam, lParam, result);
}

// Layout ---------------------------------------------------------------------------------------------

void CTimeTableCtrl::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    RecalcLayout();
}

void CTimeTableCtrl::RecalcLayout() {
    if (!m_title.GetSafeHwnd()) return;
    CRect client;
    GetClientRect(&client);
    const int barWidth = GetSystemMetrics(SM_CXVSCROLL);
    const int barHeight = GetSystemMetrics(SM_CYHSCROLL);
    const bool tabs = m_bSplit && !m_folderTabs.GetTabs().empty();
    bool needBar;
    if (tabs) {
        needBar = true;
        const int tabsWidth = std::min(m_folderTabs.GetExtent(), client.Width() * 2 / 3);
        m_folderTabs.MoveWindow(0, client.bottom - barHeight, tabsWidth, barWidth);
        m_folderTabs.RecalcLayout();
        m_folderTabs.ShowWindow(SW_SHOW);
        m_horizontalBar.MoveWindow(client.left + tabsWidth, client.bottom - barHeight,
                                   client.right - (client.left + tabsWidth), barHeight);
        m_horizontalBar.ShowWindow(SW_SHOW);
    } else {
        // Split without a tab lays the bottom out as the single display does.
        m_folderTabs.ShowWindow(SW_HIDE);
        needBar = m_title.GetTotalWidth() > client.Width() - barWidth - m_nHeaderWidth;
        if (needBar) {
            m_horizontalBar.MoveWindow(client.left, client.bottom - barHeight, client.Width(), barHeight);
            m_horizontalBar.ShowWindow(SW_SHOW);
        } else {
            m_horizontalBar.ShowWindow(SW_HIDE);
            SetHorizontalOffset(0);
            m_title.Invalidate(TRUE);
        }
    }
    const int titleHeight = ScaleGridPixels(20, GetGridScale());
    m_title.MoveWindow(client.left + m_nHeaderWidth, client.top, (client.right - barWidth) - (client.left + m_nHeaderWidth),
                       titleHeight);
    const int top = client.top + titleHeight;
    const int bottom = client.bottom - (needBar ? barHeight : 0);
    if (!m_bSplit) {
        m_firstPane.MoveWindow(client.left, top, client.Width(), bottom - top);
    } else {
        const int line = (client.bottom - top) / 2 - m_nSplitOffset + top - 2;
        m_firstPane.MoveWindow(client.left, top, client.Width(), line - top);
        m_secondPane.MoveWindow(client.left, line + 4, client.Width(), bottom - (line + 4));
    }
    if (needBar) {
        CRect titleClient;
        m_title.GetClientRect(&titleClient);
        SCROLLINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = SIF_ALL;
        info.nMin = 0;
        info.nMax = m_title.GetTotalWidth();
        info.nPage = static_cast<UINT>(std::max(0, titleClient.Width()));
        info.nPos = m_title.GetScrollOffset();
        m_horizontalBar.SetScrollInfo(&info);
    }
}

void CTimeTableCtrl::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, GetSysColor(COLOR_BTNFACE));
}

LRESULT CTimeTableCtrl::OnRelayout(WPARAM, LPARAM) {
    if (IsWindowVisible()) {
        ResetHorizontalScroll();
        RecalcLayout();
    }
    return 0;
}

LRESULT CTimeTableCtrl::OnPanelMode(WPARAM wParam, LPARAM) {
    m_firstPane.GetBody().m_nPanelMode = static_cast<int>(wParam);
    return 0;
}

LRESULT CTimeTableCtrl::OnActivatePane(WPARAM wParam, LPARAM) {
    CTimeTableCtrlView* pane = wParam == 0 ? &m_firstPane : &m_secondPane;
    if (pane != m_pActivePane) {
        m_pActivePane->ClearSelection();
        if (m_pActivePane->GetBody().GetSafeHwnd()) m_pActivePane->GetBody().Invalidate(TRUE);
        m_pActivePane = pane;
    }
    return 0;
}

void CTimeTableCtrl::RepaintBodies() {
    m_firstPane.GetBody().Invalidate(TRUE);
    if (m_bSplit) m_secondPane.GetBody().Invalidate(TRUE);
}

void CTimeTableCtrl::OnTimer(UINT_PTR id) {
    if (id == kClockTimer) {
        // The current-time marker lives in the bodies and today's captions in the title strip.
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        if (m_bClock) SetTimer(kClockTimer, kClockPeriod);
    }
    CWnd::OnTimer(id);
}

// Horizontal scrolling ------------------------------------------------------------------------------------

void CTimeTableCtrl::SetHorizontalOffset(int offset) {
    m_title.SetScrollOffset(offset);
    for (CTimeTableCtrlView* pane : {&m_firstPane, &m_secondPane}) {
        pane->GetBody().m_nHorizontalOffset = offset;
        if (pane->GetBody().GetSafeHwnd()) pane->GetBody().Invalidate(TRUE);
    }
}

void CTimeTableCtrl::ResetHorizontalScroll() {
    m_horizontalBar.SetScrollPos(0);
    SetHorizontalOffset(0);
}

void CTimeTableCtrl::OnHScroll(UINT code, UINT, CScrollBar*) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    m_horizontalBar.GetScrollInfo(&info, SIF_ALL);
    const int offset = NextScrollPosition(info, code, m_title.GetScrollOffset(), 1);
    SetHorizontalOffset(offset);
    m_title.Invalidate(TRUE);
    m_horizontalBar.SetScrollPos(offset);
}

// The split line ----------------------------------------------------------------------------------------

CRect CTimeTableCtrl::SplitBand(int y) const {
    CRect client;
    GetClientRect(&client);
    const int h = client.Height();
    const int top = y + h % 2 - 1;
    return CRect(client.left, top, client.right, top + 2);
}

void CTimeTableCtrl::OnLButtonDown(UINT flags, CPoint point) {
    if (!m_bSplitting) {
        ::SetCursor(m_hSplitterCursor);
        m_nDragStartX = point.x;
        m_nDragStartY = point.y;
        m_bSplitting = 1;
        SetCapture();
    }
    CWnd::OnLButtonDown(flags, point);
}

void CTimeTableCtrl::OnMouseMove(UINT flags, CPoint point) {
    ::SetCursor(m_hSplitterCursor);
    if (m_bSplitting) {
        CRect client;
        GetClientRect(&client);
        m_nSplitOffset = client.Height() / 2 - point.y;
        // The line is drawn afresh over a clean picture at every move; it shows across the panes.
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        m_nTrackY = point.y;
        CClientDC dc(this);
        dc.InvertRect(SplitBand(m_nTrackY));
    }
    CWnd::OnMouseMove(flags, point);
}

void CTimeTableCtrl::OnLButtonUp(UINT flags, CPoint point) {
    if (m_bSplitting) {
        ReleaseCapture();
        m_bSplitting = 0;
        m_nTrackY = -1;
        CRect client;
        GetClientRect(&client);
        const int h = client.Height();
        m_nSplitOffset = h / 2 - point.y;
        if (h / 4 < std::abs(m_nSplitOffset)) m_nSplitOffset = 0;
        Invalidate(TRUE);
        if (IsWindowVisible()) {
            ResetHorizontalScroll();
            RecalcLayout();
        }
        m_firstPane.Invalidate(TRUE);
        m_secondPane.Invalidate(TRUE);
    }
    CWnd::OnLButtonUp(flags, point);
}
