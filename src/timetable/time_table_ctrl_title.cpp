#include "timetable/time_table_ctrl_title.h"

#include <algorithm>
#include <cstdlib>

#include "controls/app_document.h"
#include "controls/buffered_paint_dc.h"
#include "controls/fill_gradient_rect.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "platform/ui/client_dc.h"
#include "platform/ui/icon.h"
#include "platform/ui/window_api.h"
#include "timetable/grid_scale.h"
#include "timetable/hour_slot_captions.h"
#include "timetable/time_table_ctrl.h"
#include "timetable/time_table_item.h"
#include "timetable/time_table_messages.h"

BEGIN_MESSAGE_MAP(CTimeTableCtrlTitle, CWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_SIZE()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_MESSAGE(WM_TT_HIGHLIGHT, &CTimeTableCtrlTitle::OnHighlightColumn)
END_MESSAGE_MAP()

namespace {

// The day of a date at a clock time; invalid when the date is.
COleDateTime AtTimeOfDay(const COleDateTime& day, int hour, int minute) {
    if (day.GetStatus() != COleDateTime::valid) return COleDateTime(-1, -1, -1, 0, 0, 0);
    return COleDateTime(day.GetYear(), day.GetMonth(), day.GetDay(), hour, minute, 0);
}

// The day of a date at the local hour and minute of a 64-bit time.
COleDateTime AtTimeOfDay(const COleDateTime& day, __time64_t t) {
    return AtTimeOfDay(day, GetLocalHour(t), GetLocalMinute(t));
}

int AbsWholeMinutes(const COleDateTimeSpan& span) { return std::abs(WholeMinutes(span)); }

}  // namespace

CTimeTableCtrlTitle::CTimeTableCtrlTitle() = default;

CTimeTableCtrlTitle::~CTimeTableCtrlTitle() { DestroyWindow(); }

int CTimeTableCtrlTitle::OnCreate(LPCREATESTRUCT cs) {
    if (CWnd::OnCreate(cs) == -1) return -1;
    CreateGridFont(m_font, ScaleGridPixels(14, GetGridScale()), FW_BOLD, 5);
    return 0;
}

CTimeTableCtrl* CTimeTableCtrlTitle::GetControl() const {
    CWnd* owner = GetOwner();
    return dynamic_cast<CTimeTableCtrl*>(owner ? owner : GetParent());
}

int CTimeTableCtrlTitle::ClientWidth() const {
    if (!m_hWnd) return 0;
    CRect client;
    GetClientRect(&client);
    return client.Width();
}

// Column list and layout ----------------------------------------------------------------------

void CTimeTableCtrlTitle::AddColumn(const CString& caption, const COleDateTime& date) {
    // Measured in the strip's own bold font, the font the caption is painted in.
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CFont* old = m_font.GetSafeHandle() ? dc.SelectObject(&m_font) : nullptr;
    const CSize size = dc.GetTextExtent(caption);
    if (old) dc.SelectObject(old);

    CTimeTableDayColumn column(caption);
    column.m_nMinWidth = size.cx + 6;
    int year = -1, month = -1, day = -1;
    if (date.GetStatus() == COleDateTime::valid) date.GetDateParts(year, month, day);
    for (int pane = 0; pane < 2; ++pane) {
        column.m_dtRangeStart[pane] = COleDateTime(year, month, day, 8, 0, 0);
        column.m_dtRangeEnd[pane] = COleDateTime(year, month, day, 16, 0, 0);
    }
    m_arrColumns.push_back(column);
    GeometryChanged();
}

void CTimeTableCtrlTitle::RemoveAllColumns() {
    m_arrColumns.clear();
    m_nHighlightedColumn = -1;
    m_nBorderColumn = -1;
    GeometryChanged();
}

void CTimeTableCtrlTitle::LayoutColumns(int key) {
    if (!m_arrColumns.empty()) {
        StoreWidths();
        if (!ApplyWidths(key)) DefaultLayout();
        GeometryChanged();
    }
    if (m_hWnd) Invalidate(TRUE);
}

void CTimeTableCtrlTitle::StoreWidths() {
    if (m_nCurrentKey == 0 || !m_hWnd || !IsWindowVisible()) return;
    std::vector<int> widths;
    widths.reserve(m_arrColumns.size());
    for (const CTimeTableDayColumn& column : m_arrColumns) widths.push_back(column.GetEffectiveWidth());
    for (CColumnWidthSet& set : m_arrSavedWidths) {
        if (set.m_nKey == m_nCurrentKey) {
            set.m_arrWidths = std::move(widths);
            return;
        }
    }
    m_arrSavedWidths.push_back({m_nCurrentKey, std::move(widths)});
}

bool CTimeTableCtrlTitle::ApplyWidths(int key) {
    if (key == 0) return false;
    m_nCurrentKey = key;
    for (const CColumnWidthSet& set : m_arrSavedWidths) {
        if (set.m_nKey != key) continue;
        const std::size_t n = std::min(set.m_arrWidths.size(), m_arrColumns.size());
        for (std::size_t i = 0; i < n; ++i) m_arrColumns[i].m_nWidth = set.m_arrWidths[i];
        GeometryChanged();
        return true;
    }
    return false;
}

void CTimeTableCtrlTitle::ForgetSavedWidths() { m_arrSavedWidths.clear(); }

void CTimeTableCtrlTitle::DefaultLayout() {
    const int fixedSum = GetFixedWidthSum();
    const int fixedCount = GetFixedColumnCount();
    const int n = static_cast<int>(m_arrColumns.size());
    const int share = fixedCount < n ? (ClientWidth() - fixedSum) / (n - fixedCount) : 0;
    for (CTimeTableDayColumn& column : m_arrColumns) {
        if (column.m_nFixedWidth != 0)
            column.m_nWidth = column.m_nFixedWidth;
        else
            column.m_nWidth = share >= column.m_nMinWidth ? share : column.m_nMinWidth;
    }
}

int CTimeTableCtrlTitle::GetTotalWidth() const {
    int total = 0;
    for (const CTimeTableDayColumn& column : m_arrColumns) total += column.GetEffectiveWidth();
    return total;
}

int CTimeTableCtrlTitle::GetFixedWidthSum() const {
    int sum = 0;
    for (const CTimeTableDayColumn& column : m_arrColumns) sum += column.m_nFixedWidth;
    return sum;
}

int CTimeTableCtrlTitle::GetFixedColumnCount() const {
    return static_cast<int>(std::count_if(m_arrColumns.begin(), m_arrColumns.end(),
                                          [](const CTimeTableDayColumn& c) { return c.m_nFixedWidth != 0; }));
}

void CTimeTableCtrlTitle::GeometryChanged() {
    int x = 0;
    for (CTimeTableDayColumn& column : m_arrColumns) {
        column.m_nLeft = x;
        x += column.GetEffectiveWidth();
    }
    if (m_geometryListener) m_geometryListener();
}

void CTimeTableCtrlTitle::SetScrollOffset(int offset) {
    if (offset == m_nScrollOffset) return;
    m_nScrollOffset = offset;
    GeometryChanged();
}

// Geometry -----------------------------------------------------------------------------------

CTimeTableCtrlTitle::iterator CTimeTableCtrlTitle::FindColumnAt(int x) {
    const auto found = static_cast<const CTimeTableCtrlTitle*>(this)->FindColumnAt(x);
    return m_arrColumns.begin() + (found - m_arrColumns.cbegin());
}

CTimeTableCtrlTitle::const_iterator CTimeTableCtrlTitle::FindColumnAt(int x) const {
    int remaining = x + m_nScrollOffset;
    for (auto it = m_arrColumns.begin(); it != m_arrColumns.end(); ++it) {
        const int width = it->GetEffectiveWidth();
        if (remaining < width) return it;
        remaining -= width;
    }
    return m_arrColumns.end();
}

int CTimeTableCtrlTitle::GetColumnIndexAt(int x) const {
    const auto it = FindColumnAt(x);
    return it == m_arrColumns.end() ? -1 : static_cast<int>(it - m_arrColumns.begin());
}

COleDateTime CTimeTableCtrlTitle::GetDateAt(int x) const {
    const auto it = FindColumnAt(x);
    return it == m_arrColumns.end() ? GetUnplacedDate() : it->m_dtRangeStart[0];
}

BOOL CTimeTableCtrlTitle::GetDayExtent(int pane, const COleDateTime& date, int& left, int& right) const {
    for (const CTimeTableDayColumn& column : m_arrColumns) {
        const COleDateTime& start = column.m_dtRangeStart[pane];
        if (start.GetStatus() != COleDateTime::valid || date.GetStatus() != COleDateTime::valid) continue;
        if (start.GetYear() == date.GetYear() && start.GetMonth() == date.GetMonth() &&
            start.GetDay() == date.GetDay()) {
            left = GetColumnLeft(column);
            right = left + column.GetEffectiveWidth();
            return TRUE;
        }
    }
    left = right = GetTotalWidth() - m_nScrollOffset;
    return FALSE;
}

int CTimeTableCtrlTitle::IsDateInRange(const COleDateTime& t) const {
    if (m_arrColumns.empty()) return 0;
    const COleDateTime first = AtTimeOfDay(m_arrColumns.front().m_dtRangeStart[0], 0, 0);
    if (first.GetStatus() != COleDateTime::valid || t.GetStatus() != COleDateTime::valid) return 0;
    const COleDateTime last = first + COleDateTimeSpan(static_cast<double>(m_arrColumns.size()));
    return !(t < first) && !(last < t) ? 1 : 0;
}

BOOL CTimeTableCtrlTitle::PlaceItem(int pane, CTimeTableItem& item) const {
    const int lanes = std::max(1, item.m_nLaneCount);
    for (const CTimeTableDayColumn& column : m_arrColumns) {
        if (!IsSameDay(column.m_dtRangeStart[pane], item.m_dtStart)) continue;
        const int laneWidth = (column.GetEffectiveWidth() - 9) / lanes;
        item.m_rect.left = GetColumnLeft(column) + laneWidth * (item.m_nLane - 1) + 7;
        item.m_rect.right = item.m_rect.left + laneWidth * item.m_nLaneSpan;
        return TRUE;
    }
    return FALSE;
}

int CTimeTableCtrlTitle::HitTestDayRange(int x, int y, __time64_t t, int pane) const {
    const auto column = FindColumnAt(x);
    if (column == m_arrColumns.end()) return 0;
    const CTimeTableCtrl* control = GetControl();
    const COleDateTime& start = column->m_dtRangeStart[pane];
    const bool holiday = control && control->IsHolidayDate(start);
    if (IsRangeEmpty(pane, column) && y < 5 && !holiday) return 4;
    const COleDateTime at = AtTimeOfDay(start, t);
    if (control && control->IsHolidayDate(at)) return 0;
    if (AbsWholeMinutes(at - start) < 10) return 3;
    if (AbsWholeMinutes(at - column->m_dtRangeEnd[pane]) < 10) return 4;
    return 0;
}

// Working-time ranges and free time -------------------------------------------------------------

void CTimeTableCtrlTitle::MoveRangeStart(int pane, iterator column, __time64_t t) {
    if (column == m_arrColumns.end()) return;
    COleDateTime& start = column->m_dtRangeStart[pane];
    const COleDateTime& end = column->m_dtRangeEnd[pane];
    start = AtTimeOfDay(start, t);
    if (CompareTimesApprox(start, end) == 1) start = end;
    CScheduleData* data = GetAppDocument();
    if (data)
        m_strStatusText.Format(L"%s : %s-%s", column->m_strCaption, GetHourSlotCaptionOfDate(*data, start),
                               GetHourSlotCaptionOfDate(*data, end));
}

void CTimeTableCtrlTitle::MoveRangeEnd(int pane, iterator column, __time64_t t) {
    if (column == m_arrColumns.end()) return;
    COleDateTime& start = column->m_dtRangeStart[pane];
    COleDateTime& end = column->m_dtRangeEnd[pane];
    end = AtTimeOfDay(end, t);
    if (CompareTimesApprox(start, end) == 1) start = end;
    CScheduleData* data = GetAppDocument();
    if (data)
        m_strStatusText.Format(L"%s : %s-%s", column->m_strCaption, GetHourSlotCaptionOfDate(*data, start),
                               GetHourSlotCaptionOfDate(*data, end));
}

int CTimeTableCtrlTitle::IsRangeEmpty(int pane, const_iterator column) const {
    if (column == m_arrColumns.end()) return 0;
    return CompareTimesApprox(column->m_dtRangeStart[pane], column->m_dtRangeEnd[pane]) == 0 ? 1 : 0;
}

void CTimeTableCtrlTitle::ComputeFreeTime(int activityId, int pane) {
    const CScheduleData* data = GetAppDocument();
    if (!data) return;
    const auto activity = data->FindActivity(activityId);
    if (activity == data->m_arrActivities.end()) return;
    std::vector<const CEntity*> members;
    for (const int id : activity->m_arrMembers) {
        const auto member = data->FindEntity(id);
        if (id != 0 && member != data->m_arrEntities.end()) members.push_back(&*member);
    }
    for (std::size_t c = 0; c < m_arrColumns.size(); ++c) {
        CTimeTableDayColumn& column = m_arrColumns[c];
        column.ResetFreeOffsets();
        // An entity has day windows for the first 21 plan days only.
        if (c >= static_cast<std::size_t>(kMaxPlanDays)) continue;
        const COleDateTime& rangeStart = column.m_dtRangeStart[pane];
        const COleDateTime& rangeEnd = column.m_dtRangeEnd[pane];
        for (const CEntity* member : members) {
            const COleDateTime freeStart = AtTimeOfDay(rangeStart, member->m_tDayStart[c]);
            if (CompareTimesApprox(rangeStart + column.m_tsFreeStart[pane], freeStart) == -1)
                column.m_tsFreeStart[pane] = freeStart - rangeStart;
            const COleDateTime freeEnd = AtTimeOfDay(rangeEnd, member->m_tDayEnd[c]);
            if (CompareTimesApprox(rangeEnd - column.m_tsFreeEnd[pane], freeEnd) == 1)
                column.m_tsFreeEnd[pane] = rangeEnd - freeEnd;
        }
    }
}

// Status text ----------------------------------------------------------------------------------

void CTimeTableCtrlTitle::SetPointerText(iterator column, __time64_t t) {
    const CScheduleData* data = GetAppDocument();
    const CString hour = data ? GetHourSlotCaption(*data, t) : CString();
    if (column == m_arrColumns.end())
        m_strStatusText.Format(L"%s", hour);
    else
        m_strStatusText.Format(L"%s : %s", column->m_strCaption, hour);
}

// Window -----------------------------------------------------------------------------------------

void CTimeTableCtrlTitle::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    m_arrSavedWidths.clear();
    LayoutColumns(0);
}

void CTimeTableCtrlTitle::OnPaint() {
    CBufferedPaintDC dc(this);
    const CRect& client = dc.Client();
    CFont* oldFont = dc.SelectObject(&m_font);
    dc.SetBkMode(TRANSPARENT);
    dc.FillSolidRect(&client, GetSysColor(COLOR_BTNFACE));
    const CTimeTableCtrl* control = GetControl();
    const bool clock = control && control->GetClockFlag();
    const int today = control ? control->GetNow().GetDayOfWeek() : 0;
    for (std::size_t i = 0; i < m_arrColumns.size(); ++i) {
        const CTimeTableDayColumn& column = m_arrColumns[i];
        const int x = client.left + GetColumnLeft(column);
        const int w = column.GetEffectiveWidth();
        if (x > client.right || x + w < client.left) continue;
        const CRect cell(x + 1, client.top, x + w - 1, client.bottom);
        const bool highlighted = static_cast<int>(i) == m_nHighlightedColumn;
        FillGradientRect(&dc, cell, highlighted ? RGB(125, 159, 198) : RGB(255, 243, 140),
                         highlighted ? RGB(175, 204, 234) : RGB(238, 208, 91), 1);
        dc.Draw3dRect(&cell, RGB(255, 255, 255), RGB(0, 0, 0));
        const bool isToday = clock && column.m_dtRangeStart[0].GetDayOfWeek() == today;
        dc.SetTextColor(isToday ? RGB(0, 0, 255) : GetSysColor(COLOR_WINDOWTEXT));
        CRect text(x + 2, client.top, x + w - 2, client.bottom - 4);
        dc.DrawText(column.m_strCaption, &text, DT_CENTER | DT_BOTTOM | DT_SINGLELINE | DT_NOPREFIX);
    }
    // The line that follows the pointer while a border is dragged.
    if (m_bResizing) dc.InvertRect(ResizeBand(m_nLastX));
    dc.SelectObject(oldFont);
}

// Resizing a column -------------------------------------------------------------------------------

int CTimeTableCtrlTitle::HitTestBorder(int x) {
    m_nBorderColumn = -1;
    int right = 0;
    for (std::size_t i = 0; i < m_arrColumns.size(); ++i) {
        right += m_arrColumns[i].GetEffectiveWidth();
        if (std::abs(right - x) < 3) {
            m_nBorderColumn = static_cast<int>(i);
            break;
        }
    }
    return m_nBorderColumn;
}

CRect CTimeTableCtrlTitle::ResizeBand(int x) const {
    CRect client;
    GetClientRect(&client);
    return CRect(x - 1, client.top, x + 1, client.bottom);
}

void CTimeTableCtrlTitle::OnMouseMove(UINT flags, CPoint point) {
    if (!m_bResizing) {
        const bool overBorder = HitTestBorder(point.x + m_nScrollOffset) >= 0;
        m_nBorderFlag = overBorder ? 2 : 0;
        ::SetCursor(::LoadCursor(nullptr, overBorder ? IDC_SIZEWE : IDC_ARROW));
    } else {
        ::SetCursor(::LoadCursor(nullptr, IDC_SIZEWE));
        const CRect oldBand = ResizeBand(m_nLastX);
        const CRect newBand = ResizeBand(point.x);
        InvalidateRect(&oldBand, FALSE);
        InvalidateRect(&newBand, FALSE);
    }
    m_nLastX = point.x;
    m_nLastY = point.y;
    CWnd::OnMouseMove(flags, point);
}

void CTimeTableCtrlTitle::OnLButtonDown(UINT flags, CPoint point) {
    if (m_nBorderFlag == 2) {
        ::SetCursor(::LoadCursor(nullptr, IDC_SIZEWE));
        m_bResizing = 1;
        m_nResizeStartX = point.x;
        m_nLastX = point.x;
        SetCapture();
        const CRect band = ResizeBand(point.x);
        InvalidateRect(&band, FALSE);
    }
    CWnd::OnLButtonDown(flags, point);
}

void CTimeTableCtrlTitle::OnLButtonUp(UINT flags, CPoint point) {
    if (m_bResizing) {
        ReleaseCapture();
        m_bResizing = 0;
        m_nBorderFlag = 0;
        if (!m_arrColumns.empty()) {
            CTimeTableDayColumn& column = m_arrColumns[m_nBorderColumn <= 0 ? 0 : m_nBorderColumn];
            column.m_nWidth += point.x - m_nResizeStartX;
            if (column.GetEffectiveWidth() < column.m_nMinWidth) column.m_nWidth = column.m_nMinWidth;
            GeometryChanged();
        }
        Invalidate(TRUE);
        AfterWidthsChanged();
    }
    CWnd::OnLButtonUp(flags, point);
}

void CTimeTableCtrlTitle::OnLButtonDblClk(UINT flags, CPoint point) {
    m_arrSavedWidths.erase(std::remove_if(m_arrSavedWidths.begin(), m_arrSavedWidths.end(),
                                          [this](const CColumnWidthSet& s) { return s.m_nKey == m_nCurrentKey; }),
                           m_arrSavedWidths.end());
    DefaultLayout();
    GeometryChanged();
    StoreWidths();
    Invalidate(TRUE);
    AfterWidthsChanged();
    CWnd::OnLButtonDblClk(flags, point);
}

void CTimeTableCtrlTitle::AfterWidthsChanged() {
    CTimeTableCtrl* control = GetControl();
    if (!control || !::IsWindow(control->GetSafeHwnd())) return;
    control->SendMessage(WM_TT_RELAYOUT, 0, 0);
    control->RepaintBodies();
}

// Highlighting -------------------------------------------------------------------------------------

LRESULT CTimeTableCtrlTitle::OnHighlightColumn(WPARAM wParam, LPARAM lParam) {
    // A clear never sets a highlight, whatever lParam holds.
    const int column = wParam == 0 ? -1 : GetColumnIndexAt(static_cast<int>(lParam));
    if (column != m_nHighlightedColumn) {
        m_nHighlightedColumn = column;
        Invalidate(FALSE);
    }
    return 0;
}
