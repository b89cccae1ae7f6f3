#include "planner/magnet_ctrl_title.h"

#include <algorithm>
#include <cmath>

#include "controls/app_document.h"
#include "controls/fill_gradient_rect.h"
#include "controls/icon_menu.h"
#include "model/lesson_hours.h"
#include "model/model_host.h"
#include "model/merge_sort.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "planner/magnet_ctrl.h"
#include "planner/magnet_messages.h"
#include "platform/ui/client_dc.h"
#include "platform/core/load_res_string.h"
#include "platform/ui/icon.h"
#include "platform/ui/menu_cmd_ui.h"
#include "resource_ids.h"
#include "timetable/grid_scale.h"

BEGIN_MESSAGE_MAP(CMagnetCtrlTitle, CWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_MESSAGE(WM_MB_HIGHLIGHT, &CMagnetCtrlTitle::OnHighlight)
    ON_WM_RBUTTONDOWN()
    ON_COMMAND(ID_TIME_AXIS_HOURS, &CMagnetCtrlTitle::OnHourCaptions)
    ON_COMMAND(ID_TIME_AXIS_LESSONS, &CMagnetCtrlTitle::OnLessonCaptions)
    ON_UPDATE_COMMAND_UI(ID_TIME_AXIS_HOURS, &CMagnetCtrlTitle::OnUpdateHourCaptions)
    ON_UPDATE_COMMAND_UI(ID_TIME_AXIS_LESSONS, &CMagnetCtrlTitle::OnUpdateLessonCaptions)
END_MESSAGE_MAP()

namespace {

long long DayKey(const COleDateTime& date) { return static_cast<long long>(std::floor(static_cast<double>(date))); }

// Whole minutes times the hour width over 60, in floating point, cut toward zero.
int MinutesToPixels(int minutes, int hourWidth) { return static_cast<int>(minutes * static_cast<double>(hourWidth) / 60.0); }

}  // namespace

CMagnetCtrlTitle::~CMagnetCtrlTitle() { DestroyWindow(); }

int CMagnetCtrlTitle::OnCreate(LPCREATESTRUCT cs) {
    if (CWnd::OnCreate(cs) == -1) return -1;
    const double s = GetGridScale();
    CreateGridFont(m_captionFont, ScaleGridPixels(22, s), 700, CLEARTYPE_QUALITY, L"Arial");
    CreateGridFont(m_hourFont, ScaleGridPixels(16, s), 400, CLEARTYPE_QUALITY);
    return 0;
}

CMagnetCtrl* CMagnetCtrlTitle::GetControl() const {
    CWnd* pane = GetParent();
    return pane ? dynamic_cast<CMagnetCtrl*>(pane->GetParent()) : nullptr;
}

// Columns -------------------------------------------------------------------------------------------

void CMagnetCtrlTitle::AddDayColumn(const CString& caption, const COleDateTime& date, __time64_t start,
                                    __time64_t end) {
    m_arrColumns.emplace_back(caption, date, start, end);
    m_dayIndex.emplace(DayKey(date), static_cast<int>(m_arrColumns.size()) - 1);
}

void CMagnetCtrlTitle::ClearDayColumns() {
    m_arrColumns.clear();
    m_dayIndex.clear();
    m_nHighlightColumn = m_nHighlightHour = -1;
}

void CMagnetCtrlTitle::SortDayColumns() {
    StableMergeSort(m_arrColumns, &CDayColumn::LessByDate);
    RebuildDayIndex();
}

void CMagnetCtrlTitle::RebuildDayIndex() {
    m_dayIndex.clear();
    for (std::size_t i = 0; i < m_arrColumns.size(); ++i) m_dayIndex.emplace(DayKey(m_arrColumns[i].m_dtDate), static_cast<int>(i));
}

void CMagnetCtrlTitle::LayoutColumns(int hourWidth) {
    m_nHourWidth = hourWidth;
    int x = 0;
    for (CDayColumn& column : m_arrColumns) {
        column.CacheBounds();
        const int minutes = column.GetMinutes();
        if (minutes <= 5) continue;
        column.m_nLeft = x;
        // The hour cells run from the start in whole hours while before the end.
        const int cells = (minutes + 59) / 60;
        column.m_nRight = x + cells * hourWidth;
        x += MinutesToPixels(minutes, hourWidth);
    }
}

int CMagnetCtrlTitle::GetTotalWidth() const {
    int total = 0;
    for (const CDayColumn& column : m_arrColumns) total += column.GetMinutes() * m_nHourWidth / 60;
    return total;
}

int CMagnetCtrlTitle::GetTotalHours() const {
    int total = 0;
    for (const CDayColumn& column : m_arrColumns) total += column.GetMinutes() / 60;
    return total;
}

// Conversions ---------------------------------------------------------------------------------------

int CMagnetCtrlTitle::FindDayColumn(const COleDateTime& date) const {
    if (date.GetStatus() != COleDateTime::valid) return -1;
    const auto found = m_dayIndex.find(DayKey(date));
    return found == m_dayIndex.end() ? -1 : found->second;
}

bool CMagnetCtrlTitle::GetDayXRange(const COleDateTime& date, int& left, int& right) const {
    const int index = FindDayColumn(date);
    if (index < 0) return false;
    left = m_arrColumns[index].m_nLeft;
    right = m_arrColumns[index].m_nRight;
    return true;
}

bool CMagnetCtrlTitle::TimeSpanToX(const COleDateTime& start, const COleDateTimeSpan& span, int& left,
                                   int& right) const {
    const int index = FindDayColumn(start);
    if (index < 0) return false;
    const CDayColumn& column = m_arrColumns[index];
    // Day numbers of dates from 1900 on are linear, so the clipping is plain arithmetic on the
    // column's cached bounds; the calendar road serves older dates and invalid spans.
    const double st = static_cast<double>(start);
    const double en = st + span.m_span;
    double a = 0.0, b = 0.0, s = column.m_dStart;
    if (st >= 0.0 && en >= 0.0 && span.GetStatus() == COleDateTimeSpan::valid) {
        a = st > s && WholeMinutes(st - s) >= 3 ? st : s;
        const double e = std::floor(en) + column.m_dEndOfDay;
        b = e > en && WholeMinutes(e - en) >= 3 ? en : e;
    } else {
        const COleDateTime end = start + span;
        const COleDateTime cs = column.GetStart();
        const COleDateTime ca = CompareTimesApprox(start, cs) == 1 ? start : cs;
        const COleDateTime ce(end.GetYear(), end.GetMonth(), end.GetDay(), column.GetEnd().GetHour(),
                              column.GetEnd().GetMinute(), 0);
        const COleDateTime cb = CompareTimesApprox(ce, end) == 1 ? end : ce;
        s = static_cast<double>(cs);
        a = static_cast<double>(ca);
        b = static_cast<double>(cb);
        if (ca.GetStatus() != COleDateTime::valid || cb.GetStatus() != COleDateTime::valid) b = a;
    }
    left = column.m_nLeft;
    const int before = WholeMinutes(a - s);
    if (before > 0) left += MinutesToPixels(before, m_nHourWidth);
    right = std::min(left + MinutesToPixels(WholeMinutes(b - a), m_nHourWidth), column.m_nRight);
    return true;
}

const CDayColumn* CMagnetCtrlTitle::ColumnAt(int x) const {
    const int index = ColumnIndexAt(x);
    return index < 0 ? nullptr : &m_arrColumns[index];
}

COleDateTime CMagnetCtrlTitle::XToTime(int x) const {
    const CDayColumn* column = ColumnAt(x);
    if (!column || m_nHourWidth <= 0) {
        if (m_arrColumns.empty()) {
            COleDateTime none;
            none.SetStatus(COleDateTime::invalid);
            return none;
        }
        return m_arrColumns.back().GetEnd();
    }
    const double w = m_nHourWidth;
    const int h = static_cast<int>((x - column->m_nLeft) / w);
    const int m = static_cast<int>((x - h * w - column->m_nLeft) * 60.0 / w);
    const COleDateTime& d = column->m_dtDate;
    return COleDateTime(d.GetYear(), d.GetMonth(), d.GetDay(), 0, 0, 0) +
           COleDateTimeSpan(0, std::max(0, GetLocalHour(column->m_tStart)) + h, m, 0);
}

__time64_t CMagnetCtrlTitle::XToTimeOfDay(int x) const {
    const CDayColumn* column = ColumnAt(x);
    if (!column || m_nHourWidth <= 0) {
        if (m_arrColumns.empty()) return -1;
        return MakeTimeOfDay(std::max(0, GetLocalHour(m_arrColumns.back().m_tEnd)), 0);
    }
    const COleDateTime t = XToTime(x);
    return MakeTimeOfDay(t.GetHour(), t.GetMinute());
}

COleDateTimeSpan CMagnetCtrlTitle::WidthToSpan(const COleDateTime& start, int width) const {
    int left = 0, right = 0;
    if (!TimeSpanToX(start, COleDateTimeSpan(0.0), left, right)) return COleDateTimeSpan(0.0);
    return COleDateTimeSpan(0, 0, WholeMinutes(XToTime(left + width) - start), 0);
}

int CMagnetCtrlTitle::ColumnIndexAt(int x) const {
    for (std::size_t i = 0; i < m_arrColumns.size(); ++i)
        if (m_arrColumns[i].m_nLeft <= x && x <= m_arrColumns[i].m_nRight) return static_cast<int>(i);
    return -1;
}

int CMagnetCtrlTitle::HourIndexAt(int x) const {
    const CDayColumn* column = ColumnAt(x);
    if (!column || m_nHourWidth <= 0) return -1;
    return static_cast<int>((x - column->m_nLeft) / static_cast<double>(m_nHourWidth));
}

bool CMagnetCtrlTitle::IsAtHourBoundary(int x) const {
    const int w = m_nHourWidth;
    if (w == 0) return false;
    const int c = x % w;
    return c < 3 || c > w - 3;
}

int CMagnetCtrlTitle::GetCaptionMode() {
    const CScheduleData* data = GetAppDocument();
    return data ? data->Settings().GetCaptionMode() : 0;
}

int CMagnetCtrlTitle::MeasureCaptionWidth() {
    CClientDC dc(GetSafeHwnd() ? this : nullptr);
    CFont* old = m_hourFont.GetSafeHandle() ? dc.SelectObject(&m_hourFont) : nullptr;
    const int width = dc.GetTextExtent(GetCaptionMode() == 1 ? CString(L"99:991") : CString(L"991")).cx;
    if (old) dc.SelectObject(old);
    return width;
}

// Painting ------------------------------------------------------------------------------------------

BOOL CMagnetCtrlTitle::OnEraseBkgnd(CDC*) { return TRUE; }

void CMagnetCtrlTitle::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    if (m_arrColumns.empty()) {
        dc.FillSolidRect(&client, GetSysColor(COLOR_BTNFACE));
        return;
    }
    dc.FillSolidRect(&client, GetSysColor(COLOR_WINDOW));
    dc.SetBkMode(TRANSPARENT);
    const double s = GetGridScale();
    const int y1 = client.top + ScaleGridPixels(25, s);
    const int y2 = client.bottom - ScaleGridPixels(18, s);
    for (std::size_t i = 0; i < m_arrColumns.size(); ++i) {
        const CDayColumn& column = m_arrColumns[i];
        if (column.GetMinutes() <= 5) continue;
        // Only the columns in view are drawn.
        if (column.m_nRight - m_nScrollOffset < client.left || column.m_nLeft - m_nScrollOffset > client.right) continue;
        PaintColumn(&dc, column, static_cast<int>(i), client, y1, y2);
    }
}

void CMagnetCtrlTitle::PaintColumn(CDC* dc, const CDayColumn& column, int index, const CRect& client, int y1,
                                   int y2) {
    const int x0 = column.m_nLeft - m_nScrollOffset;
    const int width = MinutesToPixels(column.GetMinutes(), m_nHourWidth);
    const bool highlighted = index == m_nHighlightColumn;
    const CRect band(std::max(x0 + 2, 0), client.top + 2, std::min(x0 + width - 2, static_cast<int>(client.right)), y1 - 2);
    if (band.Width() > 0)
        FillGradientRect(dc, band, highlighted ? RGB(245, 250, 245) : RGB(235, 235, 235),
                         highlighted ? RGB(215, 231, 251) : RGB(210, 210, 210), 1);
    dc->SelectObject(&m_captionFont);
    dc->SetTextColor(GetSysColor(COLOR_WINDOWTEXT));
    // The band is the part of the column in view.
    if (band.Width() > 0) column.DrawCaption(dc, CRect(band.left, band.top - 3, band.right, band.bottom));
    dc->SelectObject(&m_hourFont);
    const CScheduleData* data = GetAppDocument();
    const int mode = GetCaptionMode();
    int x = x0;
    int hour = 0;
    for (__time64_t t = column.m_tStart; t < column.m_tEnd; t += 3600, x += m_nHourWidth, ++hour) {
        if (x + m_nHourWidth < client.left || x > client.right) continue;
        const CRect cell(x + 1, y2, x + m_nHourWidth, client.bottom);
        if (index == m_nHighlightColumn && hour == m_nHighlightHour) dc->FillSolidRect(&cell, RGB(255, 255, 128));
        dc->Draw3dRect(&cell, GetSysColor(COLOR_WINDOW), RGB(128, 128, 128));
        if (!data) continue;
        CString caption = GetLessonCaption(*data, mode, 0, GetHourSlot(*data, t));
        if (caption.GetLength() > 5) caption = caption.Left(5);
        CRect text = cell;
        dc->DrawText(caption, &text, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    }
}

// Hour-width drag and highlight ------------------------------------------------------------------------

void CMagnetCtrlTitle::OnLButtonDown(UINT flags, CPoint point) {
    m_bClicked = 1;
    if (m_nPointerState == 2) {
        ::SetCursor(::LoadCursor(nullptr, IDC_SIZEWE));
        m_bWidthDrag = 1;
        m_nPressX = point.x;
        SetCapture();
    }
    CWnd::OnLButtonDown(flags, point);
}

void CMagnetCtrlTitle::OnMouseMove(UINT flags, CPoint point) {
    CRect client;
    GetClientRect(&client);
    if (m_bWidthDrag) {
        ::SetCursor(::LoadCursor(nullptr, IDC_SIZEWE));
        CClientDC dc(this);
        const int top = client.bottom - ScaleGridPixels(18, GetGridScale());
        const CRect old(m_nLastX - 1, top, m_nLastX + 1, client.bottom);
        const CRect now(point.x - 1, top, point.x + 1, client.bottom);
        dc.InvertRect(&old);
        dc.InvertRect(&now);
    } else if (IsAtHourBoundary(point.x + m_nScrollOffset)) {
        ::SetCursor(::LoadCursor(nullptr, IDC_SIZEWE));
        m_nPointerState = 2;
    } else {
        ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
        m_nPointerState = 0;
    }
    m_nLastX = point.x;
    m_nLastY = point.y;
    CWnd::OnMouseMove(flags, point);
}

void CMagnetCtrlTitle::OnLButtonUp(UINT flags, CPoint point) {
    if (m_bWidthDrag) {
        ReleaseCapture();
        CMagnetCtrl* control = GetControl();
        const int width = m_nHourWidth + (point.x - m_nPressX);
        if (control) {
            control->SetHourWidth(width);
            control->RelayoutPanes();
        } else {
            LayoutColumns(std::max(width, 1));
        }
        Invalidate();
    }
    m_bWidthDrag = 0;
    CWnd::OnLButtonUp(flags, point);
}

LRESULT CMagnetCtrlTitle::OnHighlight(WPARAM wParam, LPARAM lParam) {
    if (wParam == 0) {
        m_nHighlightColumn = m_nHighlightHour = -1;
    } else {
        const int x = static_cast<int>(lParam);
        m_nHighlightColumn = ColumnIndexAt(x);
        m_nHighlightHour = m_nHighlightColumn < 0 ? -1 : HourIndexAt(x);
    }
    Invalidate();
    return 0;
}

// Caption menu ---------------------------------------------------------------------------------------

void CMagnetCtrlTitle::OnRButtonDown(UINT flags, CPoint point) {
    const CScheduleData* data = GetAppDocument();
    if (data && data->GetChimeSetCount() <= 1) {
        CIconMenu menu;
        menu.CreatePopupMenu();
        menu.AppendMenu(MF_STRING | MF_CHECKED, ID_TIME_AXIS_HOURS, LoadResString(IDS_MAGNET_HOUR_CAPTIONS));
        menu.AppendMenu(MF_STRING | MF_CHECKED, ID_TIME_AXIS_LESSONS, LoadResString(IDS_MAGNET_LESSON_CAPTIONS));
        menu.LoadToolBarImages(IDR_TIME_AXIS_MENU);
        menu.ConvertToOwnerDraw(&menu);
        menu.UpdateCommandUI(&menu, this);
        CPoint screen = point;
        ClientToScreen(&screen);
        menu.TrackPopupMenu(TPM_RIGHTBUTTON, screen.x, screen.y, this);
        menu.DestroyMenu();
    }
    CWnd::OnRButtonDown(flags, point);
}

void CMagnetCtrlTitle::OnHourCaptions() {
    CScheduleData* data = GetAppDocument();
    if (!data || !::IsWindow(GetParent() ? GetParent()->GetSafeHwnd() : nullptr)) return;
    const int before = data->Settings().GetCaptionMode();
    data->Settings().SetCaptionMode(0);
    // Every page that shows hour captions is refreshed at once, with the frame's title and
    // status text.
    data->Host().RefreshPages(PageRefresh::Full);
    if (before == 1) {
        if (CMagnetCtrl* control = GetControl()) {
            control->SetHourWidth(MeasureCaptionWidth());
            control->RelayoutPanes();
        }
    }
    data->Host().BroadcastUpdate(1);
}

void CMagnetCtrlTitle::OnLessonCaptions() {
    CScheduleData* data = GetAppDocument();
    if (!data || !::IsWindow(GetParent() ? GetParent()->GetSafeHwnd() : nullptr)) return;
    data->Settings().SetCaptionMode(1);
    data->Host().BroadcastUpdate(0);
    data->Host().BroadcastUpdate(1);
}

void CMagnetCtrlTitle::OnUpdateHourCaptions(CCmdUI* cmdUI) {
    cmdUI->Enable(TRUE);
    cmdUI->SetCheck(GetCaptionMode() == 0 ? 1 : 0);
}

void CMagnetCtrlTitle::OnUpdateLessonCaptions(CCmdUI* cmdUI) {
    cmdUI->Enable(TRUE);
    cmdUI->SetCheck(GetCaptionMode() == 1 ? 1 : 0);
}
