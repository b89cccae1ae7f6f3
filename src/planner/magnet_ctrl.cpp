#include "planner/magnet_ctrl.h"

#include <algorithm>

#include "controls/app_document.h"
#include "frame/wnd_board.h"
#include "model/entity.h"
#include "model/merge_sort.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "planner/magnet_messages.h"
#include "platform/ui/icon.h"
#include "platform/ui/window_class.h"
#include "platform/ui/system_metrics.h"
#include "resource_ids.h"
#include "timetable/grid_scale.h"
#include "timetable/scroll_position.h"

BEGIN_MESSAGE_MAP(CMagnetCtrl, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_VSCROLL()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_TIMER()
    ON_MESSAGE(WM_MB_RELAYOUT, &CMagnetCtrl::OnResetScroll)
    ON_MESSAGE(CWndBoard::kDragBegin, &CMagnetCtrl::OnBoardDragBegin)
    ON_MESSAGE(CWndBoard::kDragOver, &CMagnetCtrl::OnBoardDragMove)
    ON_MESSAGE(CWndBoard::kDrop, &CMagnetCtrl::OnBoardDrop)
    ON_MESSAGE(CWndBoard::kDragEnd, &CMagnetCtrl::OnBoardDragCancel)
    ON_MESSAGE(WM_MB_SWAP_PREVIEW_SHOW, &CMagnetCtrl::OnShowSwapPreview)
    ON_MESSAGE(WM_MB_SWAP_PREVIEW_HIDE, &CMagnetCtrl::OnHideSwapPreview)
    ON_MESSAGE(WM_MB_SWAP_CANDIDATE, &CMagnetCtrl::OnSetSwapCandidate)
END_MESSAGE_MAP()

namespace {

constexpr int kScrollBarId = 100;
constexpr int kHeaderId = 102;
constexpr int kFirstPaneId = 103;
constexpr int kSecondPaneId = 104;
constexpr int kMinHeaderWidth = 80;

// The local hour of a stored time of day as a time of day on 1 January 2000.
__time64_t HourOf(__time64_t t) { return MakeTimeOfDay(std::max(0, GetLocalHour(t)), 0); }

int DefaultDayStartHour() {
    const CScheduleData* data = GetAppDocument();
    return data ? std::max(0, GetLocalHour(data->m_tDayStart)) : 8;
}

}  // namespace

CMagnetCtrl::CMagnetCtrl() { Clear(); }

CMagnetCtrl::~CMagnetCtrl() { DestroyWindow(); }

BOOL CMagnetCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(nullptr, L"", style, rect, parent, id);
}

CWnd* CMagnetCtrl::GetPage() const {
    CWnd* owner = GetOwner();
    return owner ? owner : GetParent();
}

int CMagnetCtrl::OnCreate(LPCREATESTRUCT cs) {
    if (CWnd::OnCreate(cs) == -1) return -1;
    m_scrollBar.Create(WS_CHILD | SBS_VERT, CRect(0, 0, 0, 0), this, kScrollBarId);
    m_scrollBar.ShowScrollBar(TRUE);
    m_scrollBar.EnableScrollBar(ESB_ENABLE_BOTH);
    m_header.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, kHeaderId);
    m_firstPane.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, kFirstPaneId);
    m_secondPane.Create(nullptr, L"", WS_CHILD, CRect(0, 0, 0, 0), this, kSecondPaneId);
    // Placeholder columns until the page's first reload.
    const CScheduleData* data = GetAppDocument();
    const __time64_t start = MakeTimeOfDay(8, 0) + 1, end = MakeTimeOfDay(16, 0) + 1;
    COleDateTime date(2000, 1, 1, 1, 1, 1);
    for (int i = 0; i < 6; ++i, date += COleDateTimeSpan(1.0))
        AddDayColumn(data ? data->FormatDayTitle(i) : CString(), date, start, end);
    m_images.Create(IDB_PANEL_IMAGES, 16, 1, RGB(255, 0, 255));
    const double s = GetGridScale();
    m_nGripHeight = ScaleGridPixels(18, s);
    m_nHeaderWidth = ScaleGridPixels(kMinHeaderWidth, s);
    m_nTitleHeight = ScaleGridPixels(40, s);
    CreateGridFont(m_font, ScaleGridPixels(13, s), 400, CLEARTYPE_QUALITY);
    m_hSplitterCursor = ::LoadCursor(AfxGetInstanceHandle(), MAKEINTRESOURCE(IDCUR_SPLIT_VERT));
    return 0;
}

// Reload interface ------------------------------------------------------------------------------------

void CMagnetCtrl::Clear() {
    m_arrDragItems.clear();
    m_arrClashBlocks.clear();
    m_arrBlockedTimes.clear();
    m_arrRows.clear();
    m_rowIndex.clear();
    m_pPressPane = nullptr;
    m_nExternalDragId = 0;
    m_nCurrentRowId = m_nCurrentRowTop = m_nCurrentRowBottom = 0;
    m_nPressInt = m_bPressed = 0;
    m_bHeaderEdgeDrag = 0;
    m_nExternalDragKind = 0;
    m_nBlinkPhase = 0;
    m_ptDragAnchor = CPoint(0, 0);
    m_ptPress = CPoint(0, 0);
    m_nSwapTarget = m_nThirdMagnet = m_nDraggedMagnet = kNone;
}

void CMagnetCtrl::AddRow(int entityId, const CString& caption, int entityType) {
    m_arrRows.emplace_back(entityId, caption, entityType);
    m_rowIndex.emplace(entityId, static_cast<int>(m_arrRows.size()) - 1);
}

void CMagnetCtrl::SetRowSchedule(int entityId, const CEntity& entity) {
    CMagnetRow* row = GetRow(entityId);
    if (!row) return;
    for (int i = 0; i < CMagnetRow::kDaySlots; ++i) {
        row->m_tDayEnd[i] = entity.m_tDayEnd[i];
        row->m_tDayStart[i] = entity.m_tDayStart[i];
    }
}

void CMagnetCtrl::AddDay(const CString& caption, const COleDateTime& date, int i) {
    if (i < 0 || i >= CMagnetRow::kDaySlots) return;
    __time64_t earliest = MakeTimeOfDay(23, 0), latest = MakeTimeOfDay(0, 0);
    const __time64_t dayStart = MakeTimeOfDay(DefaultDayStartHour(), 0);
    if (m_arrRows.empty()) {
        earliest = dayStart;
        latest = earliest + 32400;
    }
    for (const CMagnetRow& row : m_arrRows) {
        const __time64_t end = HourOf(row.m_tDayEnd[i]), start = HourOf(row.m_tDayStart[i]);
        if (CompareTime64Approx(end, latest) == 1) latest = end;
        if (CompareTime64Approx(start, earliest) == -1) earliest = start;
    }
    if (dayStart > earliest) earliest = dayStart;
    // A time of day the clock cannot make adds no column.
    if (earliest < 0 || latest < 0 || dayStart < 0) return;
    AddDayColumn(caption, date, earliest, latest);
}

void CMagnetCtrl::AddDayColumn(const CString& caption, const COleDateTime& date, __time64_t start, __time64_t end) {
    m_firstPane.AddDayColumn(caption, date, start, end);
    m_secondPane.AddDayColumn(caption, date, start, end);
}

void CMagnetCtrl::ClearDayColumns() {
    m_firstPane.GetTitle().ClearDayColumns();
    m_secondPane.GetTitle().ClearDayColumns();
}

void CMagnetCtrl::SortAndLayout() {
    StableMergeSort(m_arrRows, &CMagnetRow::LessById);
    RebuildRowIndex();
    m_firstPane.GetTitle().SortDayColumns();
    m_secondPane.GetTitle().SortDayColumns();
    LayoutBoard();
    m_firstPane.SortDayColumns();
    m_secondPane.SortDayColumns();
    UpdateVerticalScroll();
}

void CMagnetCtrl::RebuildRowIndex() {
    m_rowIndex.clear();
    for (std::size_t i = 0; i < m_arrRows.size(); ++i) m_rowIndex.emplace(m_arrRows[i].m_nEntityId, static_cast<int>(i));
}

// Rows ------------------------------------------------------------------------------------------------

int CMagnetCtrl::FindRow(int entityId) const {
    const auto found = m_rowIndex.find(entityId);
    return found == m_rowIndex.end() ? kNone : found->second;
}

CMagnetRow* CMagnetCtrl::GetRow(int entityId) {
    const int index = FindRow(entityId);
    return index == kNone ? nullptr : &m_arrRows[index];
}

void CMagnetCtrl::RepaintRow(int entityId) {
    if (m_firstPane.GetSafeHwnd()) m_firstPane.SendMessage(WM_MB_REPAINT_ROW, static_cast<WPARAM>(entityId), 0);
    if (m_bSplit && m_secondPane.GetSafeHwnd())
        m_secondPane.SendMessage(WM_MB_REPAINT_ROW, static_cast<WPARAM>(entityId), 0);
}

void CMagnetCtrl::SelectRow(int entityId) {
    const int previous = FindRow(m_nCurrentRowId);
    const int next = FindRow(entityId);
    if (next == kNone) return;
    m_nCurrentRowTop = m_arrRows[next].m_rect.top;
    m_nCurrentRowBottom = m_arrRows[next].m_rect.bottom;
    const int oldId = m_nCurrentRowId;
    m_nCurrentRowId = entityId;
    RepaintRow(entityId);
    if (previous != kNone) {
        m_arrRows[previous].ClearSelection();
        RepaintRow(oldId);
        RepaintRow(entityId);
    }
    if (m_header.GetSafeHwnd()) m_header.Invalidate();
    if (CWnd* page = GetSafeHwnd() ? GetPage() : nullptr) page->SendMessage(WM_MB_ROW_CHANGED, 0, 0);
}

int CMagnetCtrl::GetRowPitch() const { return m_header.GetRowHeight() + CMagnetCtrlHeader::kBand; }

int CMagnetCtrl::RowAtY(int y) const {
    const int pitch = GetRowPitch();
    const int content = y + m_nVerticalOffset;
    if (pitch <= 0 || content < 0) return kNone;
    const int index = content / pitch;
    if (index >= static_cast<int>(m_arrRows.size())) return kNone;
    const CRect& r = m_arrRows[index].m_rect;
    return content >= r.top && content < r.bottom ? index : kNone;
}

void CMagnetCtrl::GetRowsInRange(int top, int bottom, int& first, int& last) const {
    const int pitch = GetRowPitch();
    const int count = static_cast<int>(m_arrRows.size());
    if (pitch <= 0 || bottom < 0) {
        first = last = 0;
        return;
    }
    first = std::clamp(top / pitch, 0, count);
    last = std::clamp(bottom / pitch + 1, first, count);
}

// Selection -------------------------------------------------------------------------------------------

void CMagnetCtrl::SelectSingle(CMagnetItem& magnet) {
    magnet.m_bSelected = 1;
    m_arrDragItems.clear();
    m_arrDragItems.push_back(magnet);
}

void CMagnetCtrl::CopySelectionToDrag() {
    m_arrDragItems.clear();
    if (const CMagnetRow* row = GetRow(m_nCurrentRowId))
        for (const CMagnetItem& magnet : row->m_arrMagnets)
            if (magnet.m_bSelected) m_arrDragItems.push_back(magnet);
}

void CMagnetCtrl::ClearSelection() {
    m_arrDragItems.clear();
    if (CMagnetRow* row = GetRow(m_nCurrentRowId)) row->ClearSelection();
}

int CMagnetCtrl::FindDraggedInRow() const {
    const int index = FindRow(m_nCurrentRowId);
    if (index == kNone || m_arrDragItems.empty()) return kNone;
    const auto& magnets = m_arrRows[index].m_arrMagnets;
    for (std::size_t i = 0; i < magnets.size(); ++i)
        if (magnets[i].m_nEntry == m_arrDragItems.front().m_nEntry) return static_cast<int>(i);
    return kNone;
}
