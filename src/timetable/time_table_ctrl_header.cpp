#include "timetable/time_table_ctrl_header.h"

#include <algorithm>
#include <cstdlib>

#include "controls/app_document.h"
#include "controls/buffered_paint_dc.h"
#include "controls/icon_menu.h"
#include "model/lesson_hours.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "platform/core/load_res_string.h"
#include "platform/ui/icon.h"
#include "platform/ui/menu_cmd_ui.h"
#include "platform/ui/window_api.h"
#include "resource_ids.h"
#include "timetable/grid_scale.h"
#include "timetable/time_table_ctrl_view.h"
#include "timetable/time_table_messages.h"

BEGIN_MESSAGE_MAP(CTimeTableCtrlHeader, CWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_MESSAGE(WM_TT_HIGHLIGHT, &CTimeTableCtrlHeader::OnTrackPointer)
    ON_WM_RBUTTONDOWN()
    ON_COMMAND(ID_TIME_AXIS_HOURS, &CTimeTableCtrlHeader::OnAxisHours)
    ON_COMMAND(ID_TIME_AXIS_LESSONS, &CTimeTableCtrlHeader::OnAxisLessons)
    ON_COMMAND(ID_TIME_AXIS_LESSONS_AND_HOURS, &CTimeTableCtrlHeader::OnAxisLessonsAndHours)
    ON_UPDATE_COMMAND_UI(ID_TIME_AXIS_HOURS, &CTimeTableCtrlHeader::OnUpdateAxisHours)
    ON_UPDATE_COMMAND_UI(ID_TIME_AXIS_LESSONS, &CTimeTableCtrlHeader::OnUpdateAxisLessons)
    ON_UPDATE_COMMAND_UI(ID_TIME_AXIS_LESSONS_AND_HOURS, &CTimeTableCtrlHeader::OnUpdateAxisLessonsAndHours)
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEWHEEL()
END_MESSAGE_MAP()

namespace {

constexpr COLORREF kHighlight = 0xFF9933;
constexpr int kMinutesPerDay = 24 * 60;

// Minutes of the day of a 64-bit time of day (local clock).
int ClockMinutes(__time64_t t) { return std::max(0, GetLocalHour(t)) * 60 + std::max(0, GetLocalMinute(t)); }

COleDateTimeSpan Minutes(long long minutes) { return COleDateTimeSpan(static_cast<double>(minutes) / kMinutesPerDay); }

// The day of a date at a number of minutes after midnight.
COleDateTime DayAtMinutes(const COleDateTime& day, int minutes) {
    if (day.GetStatus() != COleDateTime::valid) return day;
    return COleDateTime(day.GetYear(), day.GetMonth(), day.GetDay(), 0, 0, 0) + Minutes(minutes);
}

}  // namespace

CTimeTableCtrlHeader::CTimeTableCtrlHeader() : m_tDayStart(MakeTimeOfDay(7, 0)) {}

CTimeTableCtrlHeader::~CTimeTableCtrlHeader() { DestroyWindow(); }

int CTimeTableCtrlHeader::OnCreate(LPCREATESTRUCT cs) {
    if (CWnd::OnCreate(cs) == -1) return -1;
    m_dScale = GetGridScale();
    m_nHourHeight = ScaleGridPixels(36, m_dScale);
    CreateGridFont(m_hourFont, ScaleGridPixels(26, m_dScale), 0, 5);
    CreateGridFont(m_minuteFont, ScaleGridPixels(14, m_dScale), 0, 5);
    CreateGridFont(m_captionFont, ScaleGridPixels(14, m_dScale), FW_BOLD, 4);
    return 0;
}

CTimeTableCtrlView* CTimeTableCtrlHeader::GetPane() const {
    CWnd* owner = GetOwner();
    return dynamic_cast<CTimeTableCtrlView*>(owner ? owner : GetParent());
}

int CTimeTableCtrlHeader::GetPaneChimeSet() const {
    const CTimeTableCtrlView* pane = GetPane();
    return pane ? pane->m_nChimeSet : 0;
}

void CTimeTableCtrlHeader::GeometryChanged() {
    if (m_geometryListener) m_geometryListener();
}

// Geometry -----------------------------------------------------------------------------------

int CTimeTableCtrlHeader::GetContentHeight() const {
    // The rows run to midnight, so the scroll bar and the wheel reach evening entries.
    return (kMinutesPerDay - ClockMinutes(m_tDayStart)) * m_nHourHeight / 60;
}

int CTimeTableCtrlHeader::TimeToY(const COleDateTime& t) const {
    const int minutes = WholeMinutes(t - DayAtMinutes(t, ClockMinutes(m_tDayStart)));
    return -m_nVerticalOffset + static_cast<int>(static_cast<long long>(minutes) * m_nHourHeight / 60);
}

CRect CTimeTableCtrlHeader::GetTimeRect(const COleDateTime& start, const COleDateTimeSpan& length) const {
    CRect client(0, 0, 0, 0);
    if (m_hWnd) GetClientRect(&client);
    const int top = TimeToY(start);
    const int bottom = top + static_cast<int>(static_cast<long long>(WholeMinutes(length)) * m_nHourHeight / 60);
    return CRect(client.left, top, client.right, bottom);
}

void CTimeTableCtrlHeader::YToHourTime(COleDateTime& date, COleDateTimeSpan& length, int y) const {
    const int hours = (y + m_nVerticalOffset) / m_nHourHeight;
    date = DayAtMinutes(date, ClockMinutes(m_tDayStart)) + Minutes(hours * 60LL);
    if (length.GetStatus() == COleDateTimeSpan::valid && WholeMinutes(length) < 60) length = Minutes(60);
}

__time64_t CTimeTableCtrlHeader::YToTime(int y) const {
    const long long minutes = static_cast<long long>((y + m_nVerticalOffset) * 60.0 / m_nHourHeight);
    return m_tDayStart + minutes * 60;
}

COleDateTime CTimeTableCtrlHeader::SnapToHour(const COleDateTime& t) const {
    if (t.GetStatus() != COleDateTime::valid) return t;
    const COleDateTime dayEnd = DayAtMinutes(t, kMinutesPerDay) - COleDateTimeSpan(0, 0, 0, 1);
    for (COleDateTime mark = DayAtMinutes(t, ClockMinutes(m_tDayStart)); mark < dayEnd; mark += Minutes(60)) {
        const int distance = std::abs(WholeMinutes(t - mark));
        if (distance == 0) return t;
        if (distance < 30) return mark;
    }
    return t;
}

// State ----------------------------------------------------------------------------------------

void CTimeTableCtrlHeader::SetDayStart(__time64_t dayStart) {
    m_tDayStart = dayStart;
    GeometryChanged();
}

void CTimeTableCtrlHeader::SetVerticalOffset(int offset) {
    if (offset == m_nVerticalOffset) return;
    m_nVerticalOffset = offset;
    GeometryChanged();
}

// Painting -------------------------------------------------------------------------------------

void CTimeTableCtrlHeader::OnPaint() {
    CBufferedPaintDC dc(this);
    const CRect& client = dc.Client();
    dc.SetBkMode(TRANSPARENT);
    dc.FillSolidRect(&client, GetSysColor(COLOR_BTNFACE));
    const int px = m_nHourHeight;
    const int y0 = client.top - m_nVerticalOffset;
    if (m_nHighlightedRow >= 0) {
        const int top = m_nHighlightedRow * px - m_nVerticalOffset;
        dc.FillSolidRect(CRect(client.left, top, client.right, top + px), kHighlight);
    }
    const CScheduleData* data = GetAppDocument();
    const int chimeSet = GetPaneChimeSet();
    const int mode = data ? data->Settings().GetTimeAxisMode() : 0;
    const bool lessons = data && mode != 0 && chimeSet != 0;
    const bool rightToLeft = LoadResString(IDS_RTL_LAYOUT) == L"Y";
    CPen shadow(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
    CPen* oldPen = dc.SelectObject(&shadow);
    CFont* oldFont = dc.SelectObject(&m_hourFont);
    dc.SetTextColor(GetSysColor(COLOR_WINDOWTEXT));
    const int startMinutes = ClockMinutes(m_tDayStart);
    for (int m = 0; startMinutes + m * 60 < kMinutesPerDay; ++m) {
        const int y = y0 + m * px;
        if (y > client.bottom) break;
        if (y + px + 5 < client.top) continue;
        CRect box(client.left + 2, y + 5, client.right - 2, y + 5 + px);
        if (!lessons) {
            dc.MoveTo(client.left, y);
            dc.LineTo(client.right, y);
            CString caption;
            if (data)
                caption = GetLessonCaption(*data, 0, 0, m);
            else
                caption.Format(L"%02d", m);
            dc.SelectObject(&m_hourFont);
            dc.DrawText(caption, &box, DT_CENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
            continue;
        }
        const CString start = GetLessonCaption(*data, 1, chimeSet, m);
        const CString hour = start.Left(2);
        const CString minute = start.GetLength() >= 5 ? start.Mid(3, 2) : CString();
        dc.MoveTo(client.left + 3, y);
        dc.LineTo(client.right - 3, y);
        const int half = y + ScaleGridPixels(18, m_dScale);
        const int middle = (client.right - client.left) / 2;
        if (rightToLeft) {
            dc.MoveTo(middle + client.left + 3, half);
            dc.LineTo(client.right - 3, half);
        } else {
            dc.MoveTo(client.left + 3, half);
            dc.LineTo(client.right - middle - 3, half);
        }
        dc.SelectObject(&m_hourFont);
        dc.DrawText(hour, &box, (rightToLeft ? DT_RIGHT : DT_LEFT) | DT_SINGLELINE | DT_END_ELLIPSIS);
        CRect minuteBox = box;
        minuteBox.top -= 3;
        if (rightToLeft) minuteBox.right -= ScaleGridPixels(25, m_dScale);
        const UINT minuteAlign = rightToLeft ? DT_LEFT : DT_RIGHT;
        dc.SelectObject(&m_minuteFont);
        dc.DrawText(minute, &minuteBox, minuteAlign | DT_SINGLELINE | DT_END_ELLIPSIS);
        if (mode == 2) {
            CRect captionBox = minuteBox;
            captionBox.OffsetRect(0, ScaleGridPixels(18, m_dScale));
            dc.SelectObject(&m_captionFont);
            dc.SetTextColor(0xFF0000);
            dc.DrawText(GetLessonCaption(*data, 0, 0, m), &captionBox, minuteAlign | DT_SINGLELINE | DT_END_ELLIPSIS);
            dc.SetTextColor(GetSysColor(COLOR_WINDOWTEXT));
        }
    }
    // The line that follows the pointer while an hour boundary is dragged.
    if (m_nTrackingLine >= 0) dc.InvertRect(TrackingBand(m_nTrackingLine));
    dc.SelectObject(oldFont);
    dc.SelectObject(oldPen);
}

void CTimeTableCtrlHeader::InvalidateRow(int row) {
    if (row < 0 || !m_hWnd) return;
    CRect client;
    GetClientRect(&client);
    const int top = row * m_nHourHeight - m_nVerticalOffset;
    const CRect area(client.left, top, client.right, top + m_nHourHeight + 5);
    InvalidateRect(&area, FALSE);
}

LRESULT CTimeTableCtrlHeader::OnTrackPointer(WPARAM wParam, LPARAM lParam) {
    // A clear (wParam 0) never sets a highlight.
    const int row = wParam == 0 ? -1 : (static_cast<int>(lParam) + m_nVerticalOffset) / m_nHourHeight;
    if (row != m_nHighlightedRow) {
        InvalidateRow(m_nHighlightedRow);
        m_nHighlightedRow = row;
        InvalidateRow(row);
    }
    return 0;
}

// Time-axis menu ---------------------------------------------------------------------------------

void CTimeTableCtrlHeader::OnRButtonDown(UINT flags, CPoint point) {
    CWnd::OnRButtonDown(flags, point);
    if (GetPaneChimeSet() == 0) return;
    CIconMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING | MF_CHECKED, ID_TIME_AXIS_HOURS, LoadResString(IDS_TIME_AXIS_HOURS));
    menu.AppendMenu(MF_STRING | MF_CHECKED, ID_TIME_AXIS_LESSONS, LoadResString(IDS_TIME_AXIS_LESSONS));
    menu.AppendMenu(MF_STRING | MF_CHECKED, ID_TIME_AXIS_LESSONS_AND_HOURS,
                    LoadResString(IDS_TIME_AXIS_LESSONS_AND_HOURS));
    menu.LoadToolBarImages(IDR_TIME_AXIS_MENU);
    menu.ConvertToOwnerDraw(&menu);
    menu.UpdateCommandUI(&menu, this);
    ClientToScreen(&point);
    menu.TrackPopupMenu(TPM_RIGHTBUTTON, point.x, point.y, this);
}

void CTimeTableCtrlHeader::SetTimeAxisMode(int mode) {
    const CTimeTableCtrlView* pane = GetPane();
    CScheduleData* data = GetAppDocument();
    if (!pane || !::IsWindow(pane->GetSafeHwnd()) || !data) return;
    data->Settings().SetTimeAxisMode(mode);
    // Every page that shows times repaints through the frame's broadcast.
    data->Host().BroadcastUpdate(0);
}

void CTimeTableCtrlHeader::OnAxisHours() { SetTimeAxisMode(0); }
void CTimeTableCtrlHeader::OnAxisLessons() { SetTimeAxisMode(1); }
void CTimeTableCtrlHeader::OnAxisLessonsAndHours() { SetTimeAxisMode(2); }

void CTimeTableCtrlHeader::UpdateAxisCheck(CCmdUI* cmdUI, int mode) {
    const CScheduleData* data = GetAppDocument();
    cmdUI->Enable(TRUE);
    cmdUI->SetCheck(data && data->Settings().GetTimeAxisMode() == mode ? 1 : 0);
}

void CTimeTableCtrlHeader::OnUpdateAxisHours(CCmdUI* cmdUI) { UpdateAxisCheck(cmdUI, 0); }
void CTimeTableCtrlHeader::OnUpdateAxisLessons(CCmdUI* cmdUI) { UpdateAxisCheck(cmdUI, 1); }
void CTimeTableCtrlHeader::OnUpdateAxisLessonsAndHours(CCmdUI* cmdUI) { UpdateAxisCheck(cmdUI, 2); }

// Resizing the hour height -------------------------------------------------------------------------

CRect CTimeTableCtrlHeader::TrackingBand(int y) const {
    CRect client;
    GetClientRect(&client);
    return CRect(client.left, y, client.right, y + 1);
}

void CTimeTableCtrlHeader::OnMouseMove(UINT flags, CPoint point) {
    const HCURSOR sizeCursor = ::LoadCursor(nullptr, IDC_SIZENS);
    if (!m_bResizing) {
        const int c = point.y + m_nVerticalOffset;
        const int within = ((c % m_nHourHeight) + m_nHourHeight) % m_nHourHeight;
        if (within < 2 || within > m_nHourHeight - 2) {
            ::SetCursor(sizeCursor);
            m_nGrabPosition = c;
        } else {
            m_nGrabPosition = -1;
        }
    } else {
        ::SetCursor(sizeCursor);
        if (m_nTrackingLine >= 0) {
            const CRect old = TrackingBand(m_nTrackingLine);
            InvalidateRect(&old, FALSE);
        }
        m_nTrackingLine = point.y;
        const CRect band = TrackingBand(point.y);
        InvalidateRect(&band, FALSE);
    }
    CWnd::OnMouseMove(flags, point);
}

void CTimeTableCtrlHeader::OnLButtonDown(UINT flags, CPoint point) {
    if (m_nGrabPosition != -1) {
        ::SetCursor(::LoadCursor(nullptr, IDC_SIZENS));
        m_bResizing = 1;
        SetCapture();
    }
    SetFocus();
    CWnd::OnLButtonDown(flags, point);
}

void CTimeTableCtrlHeader::OnLButtonUp(UINT flags, CPoint point) {
    if (m_bResizing) {
        ReleaseCapture();
        m_bResizing = 0;
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        const int minimum = static_cast<int>(dc.GetDeviceCaps(LOGPIXELSY) * 0.375);
        m_nHourHeight = std::max(minimum, m_nHourHeight + point.y + m_nVerticalOffset - m_nGrabPosition);
        m_nTrackingLine = -1;
        GeometryChanged();
        Invalidate(TRUE);
        if (CTimeTableCtrlView* pane = GetPane()) pane->SendMessage(WM_TT_RELAYOUT, 0, 0);
    }
    CWnd::OnLButtonUp(flags, point);
}

BOOL CTimeTableCtrlHeader::OnMouseWheel(UINT, short delta, CPoint) {
    CTimeTableCtrlView* pane = GetPane();
    return pane ? pane->ScrollByWheel(delta) : FALSE;
}
