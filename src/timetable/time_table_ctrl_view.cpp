#include "timetable/time_table_ctrl_view.h"

#include <algorithm>
#include <numeric>

#include "model/merge_sort.h"
#include "model/time_values.h"
#include "timetable/block_drawing.h"
#include "platform/ui/client_dc.h"
#include "platform/ui/system_metrics.h"
#include "platform/ui/window_class.h"
#include "timetable/grid_scale.h"
#include "timetable/scroll_position.h"
#include "timetable/time_table_ctrl.h"
#include "timetable/time_table_ctrl_title.h"
#include "timetable/time_table_messages.h"
#include "timetable/time_table_view_messages.h"

BEGIN_MESSAGE_MAP(CTimeTableCtrlView, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_VSCROLL()
    ON_MESSAGE(WM_TT_RELAYOUT, &CTimeTableCtrlView::OnResetScroll)
    ON_MESSAGE(WM_TT_SWAP_PREVIEW_ON, &CTimeTableCtrlView::OnSwapPreviewOn)
    ON_MESSAGE(WM_TT_SWAP_PREVIEW_OFF, &CTimeTableCtrlView::OnSwapPreviewOff)
    ON_MESSAGE(WM_TT_SWAP_CHOICE, &CTimeTableCtrlView::OnSwapChoice)
END_MESSAGE_MAP()

namespace {

constexpr int kScrollBarId = 100;
constexpr int kHeaderId = 102;
constexpr int kBodyId = 104;

bool Overlaps(const CTimeTableItem& item, const COleDateTime& start, const COleDateTime& end) {
    return IntervalsOverlap(item.m_dtStart, item.GetEndTime(), start, end);
}

}  // namespace

CTimeTableCtrlView::CTimeTableCtrlView(CTimeTableCtrlTitle* title, int paneIndex)
    : m_body(title, &m_header, paneIndex), m_pTitle(title) {
    m_header.SetGeometryListener([this] { LayoutItems(); });
}

CTimeTableCtrlView::~CTimeTableCtrlView() {
    m_header.SetGeometryListener(nullptr);
    DestroyWindow();
}

int CTimeTableCtrlView::OnCreate(LPCREATESTRUCT cs) {
    if (CWnd::OnCreate(cs) == -1) return -1;
    m_scrollBar.Create(WS_CHILD | SBS_VERT, CRect(0, 0, 0, 0), this, kScrollBarId);
    m_scrollBar.ShowScrollBar(TRUE);
    m_scrollBar.EnableScrollBar(ESB_DISABLE_BOTH);
    m_header.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, kHeaderId);
    m_header.SetOwner(this);
    m_body.Create(AfxRegisterWndClass(CS_DBLCLKS), L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, kBodyId);
    m_body.SetOwner(this);
    m_nHeaderWidth = ScaleGridPixels(50, GetGridScale());
    return 0;
}

CTimeTableCtrlTitle* CTimeTableCtrlView::GetControlTitle() const {
    CWnd* owner = GetOwner();
    const auto* control = dynamic_cast<CTimeTableCtrl*>(owner ? owner : GetParent());
    return control ? &const_cast<CTimeTableCtrl*>(control)->GetTitle() : m_pTitle;
}

// Items -----------------------------------------------------------------------------------------

void CTimeTableCtrlView::ClearItems() {
    m_arrItems.clear();
    m_arrSelection.clear();
    m_arrAbsences.clear();
    m_arrClashBlocks.clear();
    m_arrFreedIntervals.clear();
    m_arrBlockedTimes.clear();
    m_nSelectionMode = 0;
    m_nCurrentItem = kNone;
    m_nSwapTarget = m_nSwapChoice = m_nSwapSource = m_nDropTarget = kNone;
    m_body.InvalidateTipIndex();
}

void CTimeTableCtrlView::SortItems() {
    if (m_arrItems.empty()) return;
    std::vector<int> order(m_arrItems.size());
    std::iota(order.begin(), order.end(), 0);
    StableMergeSort(order, [this](int a, int b) { return CompareTimeTableItems(m_arrItems[a], m_arrItems[b]); });
    std::vector<int> newIndex(order.size());
    std::vector<CTimeTableItem> sorted;
    sorted.reserve(m_arrItems.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        newIndex[order[i]] = static_cast<int>(i);
        sorted.push_back(std::move(m_arrItems[order[i]]));
    }
    m_arrItems = std::move(sorted);
    for (int* index : {&m_nCurrentItem, &m_nSwapTarget, &m_nSwapChoice, &m_nSwapSource, &m_nDropTarget})
        if (*index >= 0 && *index < static_cast<int>(newIndex.size())) *index = newIndex[*index];
    AssignLanes();
}

void CTimeTableCtrlView::AssignLanes() {
    for (CTimeTableItem& item : m_arrItems) item.m_nLane = 0;
    const COleDateTimeSpan hour(0, 1, 0, 0);
    for (CTimeTableItem& item : m_arrItems) item.m_nLane = FindFreeLane(item.m_dtStart, item.m_dtStart + hour);
    LayoutItems();
}

int CTimeTableCtrlView::FindFreeLane(const COleDateTime& start, const COleDateTime& end) const {
    int lane = 1;
    for (bool moved = true; moved;) {
        moved = false;
        for (const CTimeTableItem& item : m_arrItems) {
            if (item.m_nLane == lane && Overlaps(item, start, end)) {
                ++lane;
                moved = true;
            }
        }
    }
    return lane;
}

int CTimeTableCtrlView::GetMaxLane(const COleDateTime& start, const COleDateTime& end) const {
    int lane = 0;
    for (const CTimeTableItem& item : m_arrItems)
        if (item.m_nLane > lane && Overlaps(item, start, end)) lane = item.m_nLane;
    return lane;
}

int CTimeTableCtrlView::GetLaneSpan(const CTimeTableItem& item) const {
    int span = 100;
    bool found = false;
    for (const CTimeTableItem& other : m_arrItems) {
        if (other.m_nLane <= item.m_nLane || !Overlaps(other, item.m_dtStart, item.GetEndTime())) continue;
        span = std::min(span, other.m_nLane - item.m_nLane);
        found = true;
    }
    return found ? span : 1;
}

void CTimeTableCtrlView::LayoutItems() {
    for (CTimeTableItem& item : m_arrItems) {
        item.m_nLaneCount = GetMaxLane(item.m_dtStart, item.GetEndTime());
        item.m_nLaneSpan = GetLaneSpan(item);
        // An item that is not drawn is never hit either.
        if (!m_pTitle || !m_pTitle->IsDateInRange(item.m_dtStart)) {
            item.m_rect.SetRectEmpty();
            continue;
        }
        const CRect time = m_header.GetTimeRect(item.m_dtStart, item.m_tsLength);
        item.m_rect.top = time.top;
        item.m_rect.bottom = time.bottom;
        if (!m_pTitle->PlaceItem(GetPaneIndex(), item)) item.m_rect.SetRectEmpty();
    }
    for (CFreedInterval& interval : m_arrFreedIntervals) interval.m_rect = TimeRectInDay(interval.m_dtStart, interval.m_tsLength);
    MeasureTitles();
}

void CTimeTableCtrlView::MeasureTitles() {
    CFont* font = m_body.GetFont();
    if (!font || !font->GetSafeHandle()) return;
    CDC dc;
    CFont* old = nullptr;
    for (CTimeTableItem& item : m_arrItems) {
        const CRect textBox = ItemTextBox(item.m_rect);
        if (item.m_rect.IsRectEmpty() || item.m_nTitleWidth == textBox.Width()) continue;
        if (!dc.GetSafeHdc()) {
            dc.CreateCompatibleDC(nullptr);
            old = dc.SelectObject(font);
        }
        item.m_szTitle = MeasureBlockTitle(&dc, item.m_strTitle, textBox);
        item.m_nTitleWidth = textBox.Width();
    }
    if (old) dc.SelectObject(old);
}

CRect CTimeTableCtrlView::TimeRectInDay(const COleDateTime& start, const COleDateTimeSpan& length) const {
    CRect rect = m_header.GetTimeRect(start, length);
    int left = 0, right = 0;
    if (!m_pTitle || !m_pTitle->GetDayExtent(GetPaneIndex(), start, left, right)) return CRect(0, 0, 0, 0);
    rect.left = left;
    rect.right = right;
    return rect;
}

int CTimeTableCtrlView::ItemAt(CPoint point) const {
    for (std::size_t i = 0; i < m_arrItems.size(); ++i)
        if (m_arrItems[i].m_rect.PtInRect(point)) return static_cast<int>(i);
    return kNone;
}

int CTimeTableCtrlView::IsIntervalFree(const CItemTime& block) const {
    for (const CTimeTableItem& item : m_arrItems)
        if (Overlaps(item, block.m_dtStart, block.GetEndTime())) return 0;
    return 1;
}

int CTimeTableCtrlView::IsWholeDayAbsent(const COleDateTime& date) const {
    for (const CItemTime& absence : m_arrAbsences)
        if (absence.m_nTag != 0 && IsSameDay(absence.m_dtStart, date)) return 1;
    return 0;
}

void CTimeTableCtrlView::ClearSelection() {
    for (CTimeTableItem& item : m_arrItems) item.m_bSelected = 0;
    m_arrSelection.clear();
    m_arrSelectedRanges.clear();
    m_nSelectionMode = 0;
    m_nCurrentItem = kNone;
}

CTimeTableItem* CTimeTableCtrlView::GetCurrentItem() {
    return m_nCurrentItem >= 0 && m_nCurrentItem < static_cast<int>(m_arrItems.size()) ? &m_arrItems[m_nCurrentItem]
                                                                                          : nullptr;
}

const CTimeTableItem* CTimeTableCtrlView::GetCurrentItem() const {
    return const_cast<CTimeTableCtrlView*>(this)->GetCurrentItem();
}

void CTimeTableCtrlView::RebuildSelectionCopies() {
    m_arrSelection.clear();
    for (const CTimeTableItem& item : m_arrItems)
        if (item.m_bSelected) m_arrSelection.push_back(item);
}

void CTimeTableCtrlView::GetSwapArrowPoints(CPoint& target, BOOL& hasTarget, CPoint& choice, CPoint& source,
                                            BOOL& hasSource) const {
    const int count = static_cast<int>(m_arrItems.size());
    auto centre = [this](int i) { return m_arrItems[i].m_rect.CenterPoint(); };
    hasTarget = m_nSwapTarget >= 0 && m_nSwapTarget < count;
    hasSource = m_nSwapSource >= 0 && m_nSwapSource < count;
    if (hasTarget) target = centre(m_nSwapTarget);
    if (hasSource) source = centre(m_nSwapSource);
    choice = m_nSwapChoice >= 0 && m_nSwapChoice < count ? centre(m_nSwapChoice) : GetTimePoint(m_dtSwapFreeTime);
}

CPoint CTimeTableCtrlView::GetTimePoint(const COleDateTime& time) const {
    const COleDateTimeSpan length =
        m_nSwapTarget >= 0 && m_nSwapTarget < static_cast<int>(m_arrItems.size()) ? m_arrItems[m_nSwapTarget].m_tsLength
                                                                                 : COleDateTimeSpan(0.0);
    CRect rect = m_header.GetTimeRect(time, length);
    int left = 0, right = 0;
    if (m_pTitle) m_pTitle->GetDayExtent(GetPaneIndex(), time, left, right);
    return CPoint((left + right) / 2, (rect.top + rect.bottom) / 2);
}

// Scrolling and layout ------------------------------------------------------------------------------

void CTimeTableCtrlView::SetVerticalOffset(int offset) {
    m_body.m_nVerticalOffset = offset;
    m_header.SetVerticalOffset(offset);
    if (m_header.GetSafeHwnd()) m_header.Invalidate(TRUE);
    if (m_body.GetSafeHwnd()) m_body.Invalidate(TRUE);
    if (m_scrollBar.GetSafeHwnd()) m_scrollBar.SetScrollPos(offset);
}

int CTimeTableCtrlView::ScrollByWheel(int delta) {
    const int offset = m_header.GetVerticalOffset() - static_cast<short>(delta) / 12;
    CRect client(0, 0, 0, 0);
    if (m_header.GetSafeHwnd()) m_header.GetClientRect(&client);
    if (offset < 0 || offset > m_header.GetContentHeight() - client.Height() + 12) return 0;
    SetVerticalOffset(offset);
    return 1;
}

void CTimeTableCtrlView::OnVScroll(UINT code, UINT, CScrollBar*) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    m_scrollBar.GetScrollInfo(&info, SIF_ALL);
    SetVerticalOffset(NextScrollPosition(info, code, m_header.GetVerticalOffset(), 10));
}

LRESULT CTimeTableCtrlView::OnResetScroll(WPARAM, LPARAM) {
    if (!IsWindowVisible()) return 0;
    m_scrollBar.SetScrollPos(0);
    SetVerticalOffset(0);
    m_body.m_nHorizontalOffset = 0;
    if (m_pTitle) {
        m_pTitle->SetScrollOffset(0);
        m_pTitle->Invalidate(TRUE);
    }
    Layout();
    return 0;
}

void CTimeTableCtrlView::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    Layout();
}

void CTimeTableCtrlView::Layout() {
    if (!m_header.GetSafeHwnd()) return;
    CRect client;
    GetClientRect(&client);
    const int barWidth = GetSystemMetrics(SM_CXVSCROLL);
    m_scrollBar.MoveWindow(client.right - barWidth, client.top, barWidth, client.Height());
    m_header.MoveWindow(client.left, client.top, m_nHeaderWidth, client.Height());
    CRect headerClient;
    m_header.GetClientRect(&headerClient);
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    info.nMin = 0;
    info.nMax = m_header.GetContentHeight();
    info.nPage = static_cast<UINT>(std::max(0, headerClient.Height()));
    info.nPos = m_header.GetVerticalOffset();
    m_scrollBar.SetScrollInfo(&info);
    // The bar is created disabled; it works whenever there is something to scroll.
    m_scrollBar.EnableScrollBar(info.nMax > static_cast<int>(info.nPage) ? ESB_ENABLE_BOTH : ESB_DISABLE_BOTH);
    m_body.MoveWindow(client.left + m_nHeaderWidth, client.top, client.right - barWidth - client.left - m_nHeaderWidth,
                      client.Height());
}

void CTimeTableCtrlView::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, GetSysColor(COLOR_BTNFACE));
}
