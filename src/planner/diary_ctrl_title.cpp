#include "planner/diary_ctrl_title.h"

#include <algorithm>
#include <cmath>

#include "controls/app_document.h"
#include "controls/buffered_paint_dc.h"
#include "controls/fill_gradient_rect.h"
#include "controls/icon_menu.h"
#include "model/entity.h"
#include "model/lesson_hours.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "planner/diary_ctrl.h"
#include "planner/diary_messages.h"
#include "planner/diary_view.h"
#include "platform/core/load_res_string.h"
#include "platform/ui/client_dc.h"
#include "platform/ui/cmd_ui_state.h"
#include "platform/ui/system_metrics.h"
#include "platform/ui/win_app.h"
#include "platform/ui/icon.h"
#include "platform/ui/window_api.h"
#include "resource_ids.h"
#include "timetable/block_drawing.h"
#include "timetable/grid_scale.h"

BEGIN_MESSAGE_MAP(CDiaryCtrlTitle, CWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_RBUTTONDOWN()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_COMMAND(ID_TIME_AXIS_HOURS, &CDiaryCtrlTitle::OnPlainHours)
    ON_COMMAND(ID_TIME_AXIS_LESSONS, &CDiaryCtrlTitle::OnLessonCaptions)
    ON_UPDATE_COMMAND_UI(ID_TIME_AXIS_HOURS, &CDiaryCtrlTitle::OnUpdatePlainHours)
    ON_UPDATE_COMMAND_UI(ID_TIME_AXIS_LESSONS, &CDiaryCtrlTitle::OnUpdateLessonCaptions)
END_MESSAGE_MAP()

namespace {

int MinutesToPixels(int minutes, int hourWidth) { return static_cast<int>(minutes * static_cast<double>(hourWidth) / 60.0); }

int ColumnMinutes(const CDayColumn& column) { return std::max(0, WholeMinutes(column.GetEnd() - column.GetStart())); }

// The caption mode is the application's setting, shared with the magnet board.
int AppCaptionMode() {
    const CScheduleData* data = GetAppDocument();
    return data ? data->Settings().GetCaptionMode() : 0;
}

void SetAppCaptionMode(int mode) {
    if (CScheduleData* data = GetAppDocument()) data->Settings().SetCaptionMode(mode);
}

}  // namespace

CDiaryCtrlTitle::~CDiaryCtrlTitle() { DestroyWindow(); }

CDiaryView* CDiaryCtrlTitle::GetPane() const { return dynamic_cast<CDiaryView*>(GetParent()); }

CDiaryCtrl* CDiaryCtrlTitle::GetControl() const {
    const CDiaryView* pane = GetPane();
    return pane ? pane->GetControl() : nullptr;
}

int CDiaryCtrlTitle::OnCreate(LPCREATESTRUCT cs) {
    if (CWnd::OnCreate(cs) == -1) return -1;
    const double s = GetGridScale();
    CreateGridFont(m_captionFont, ScaleGridPixels(22, s), 700, CLEARTYPE_QUALITY, L"Arial");
    CreateGridFont(m_hourFont, ScaleGridPixels(16, s), 0, CLEARTYPE_QUALITY);
    m_nCaptionMode = AppCaptionMode();
    m_nHourWidth = MeasureHourCaption();
    return 0;
}

void CDiaryCtrlTitle::AddDayColumn(const CString& caption, const COleDateTime& date, __time64_t start, __time64_t end) {
    m_arrColumns.emplace_back(caption, date, start, end);
}

void CDiaryCtrlTitle::SetReferenceTime(__time64_t time) {
    m_tReference = time;
    if (CDiaryView* pane = GetPane()) pane->SetHorizontalOffset(0);
    if (GetSafeHwnd()) Invalidate();
}

// The layout pass and the mappings (content x) -----------------------------------------------------------

void CDiaryCtrlTitle::LayoutColumns() {
    // The hour cells are never narrower than their captions.
    m_nHourWidth = std::max(m_nHourWidth, MeasureHourCaption());
    int x = 0;
    for (CDayColumn& column : m_arrColumns) {
        const int minutes = ColumnMinutes(column);
        column.m_nLeft = x;
        // The hour cells cover every started hour; the caption box only the minutes.
        column.m_nRight = x + (minutes + 59) / 60 * m_nHourWidth;
        x += MinutesToPixels(minutes, m_nHourWidth);
    }
}

int CDiaryCtrlTitle::GetTotalWidth() const {
    int total = 0;
    for (const CDayColumn& column : m_arrColumns) total += MinutesToPixels(ColumnMinutes(column), m_nHourWidth);
    return total;
}

int CDiaryCtrlTitle::FindColumn(const COleDateTime& date) const {
    for (std::size_t i = 0; i < m_arrColumns.size(); ++i)
        if (IsSameDay(m_arrColumns[i].m_dtDate, date)) return static_cast<int>(i);
    return -1;
}

bool CDiaryCtrlTitle::TimeSpanToX(const COleDateTime& start, const COleDateTimeSpan& length, int& left, int& right) const {
    const int index = FindColumn(start);
    if (index < 0) return false;
    const CDayColumn& column = m_arrColumns[index];
    const COleDateTime dayStart = column.GetStart(), dayEnd = column.GetEnd();
    COleDateTime a = start, b = start + length;
    if (CompareTimesApprox(a, dayStart) == -1) a = dayStart;
    if (CompareTimesApprox(b, dayEnd) == 1) b = dayEnd;
    left = column.m_nLeft + MinutesToPixels(std::max(0, WholeMinutes(a - dayStart)), m_nHourWidth);
    right = std::min(left + MinutesToPixels(std::max(0, WholeMinutes(b - a)), m_nHourWidth), column.m_nRight);
    return true;
}

bool CDiaryCtrlTitle::XToHour(int x, COleDateTime& start, COleDateTimeSpan& length) const {
    if (m_nHourWidth <= 0) return false;
    for (const CDayColumn& column : m_arrColumns) {
        if (x < column.m_nLeft || x >= column.m_nRight) continue;
        const int hour = (x - column.m_nLeft) / m_nHourWidth;
        start = column.GetStart() + COleDateTimeSpan(0, hour, 0, 0);
        length = COleDateTimeSpan(0, 1, 0, 0);
        return true;
    }
    return false;
}

int CDiaryCtrlTitle::MeasureHourCaption() {
    CClientDC dc(GetSafeHwnd() ? this : nullptr);
    CFont* old = m_hourFont.GetSafeHandle() ? dc.SelectObject(&m_hourFont) : nullptr;
    const int width = dc.GetTextExtent(m_nCaptionMode == 1 ? CString(L"99:991") : CString(L"991")).cx;
    if (old) dc.SelectObject(old);
    return width;
}

// Painting ---------------------------------------------------------------------------------------------------

BOOL CDiaryCtrlTitle::OnEraseBkgnd(CDC*) { return TRUE; }

void CDiaryCtrlTitle::OnPaint() {
    CBufferedPaintDC dc(this);
    const CRect& client = dc.Client();
    const double s = GetGridScale();
    dc.FillSolidRect(&client, GetSysColor(COLOR_WINDOW));
    const int strip = GetSystemMetrics(SM_CYHSCROLL);
    const CRect bottomStrip(client.left, client.bottom - strip, client.right, client.bottom);
    dc.FillSolidRect(&bottomStrip, GetSysColor(COLOR_BTNSHADOW));
    const CDiaryView* pane = GetPane();
    const int h = pane ? pane->GetHorizontalOffset() : 0;
    dc.SetBkMode(TRANSPARENT);
    dc.SetViewportOrg(-h, 0);
    CScheduleData* data = GetAppDocument();
    if (data && data->GetChimeSetCount() == 1) {
        // With one chime set, that set is the one the captions come from.
        data->m_nCurrentChimeSet = data->m_arrChimeSets.front().m_nId;
    }
    const int chimeSet = data ? data->GetCurrentChimeSetId() : 0;
    const int hourTop = client.bottom - ScaleGridPixels(32, s);
    for (const CDayColumn& column : m_arrColumns) {
        const int width = MinutesToPixels(ColumnMinutes(column), m_nHourWidth);
        const int x = column.m_nLeft;
        // Columns out of view are skipped.
        if (column.m_nRight < h || x > h + client.Width()) continue;
        const CRect box(std::max(x + 2, h), client.top + 2, std::min(x + width - 2, h + static_cast<int>(client.right)),
                        ScaleGridPixels(25, s) - 2);
        if (box.Width() > 0 && box.Height() > 0) {
            FillGradientRect(&dc, box, RGB(0xF5, 0xFA, 0xFE), RGB(0xD7, 0xE7, 0xFB), 1);
            dc.Draw3dRect(&box, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_3DDKSHADOW));
            CFont* old = dc.SelectObject(&m_captionFont);
            dc.SetTextColor(GetSysColor(COLOR_WINDOWTEXT));
            // The box is the part of the column in view.
            column.DrawCaption(&dc, box, DT_VCENTER);
            dc.SelectObject(old);
        }
        CFont* old = dc.SelectObject(&m_hourFont);
        const COleDateTime dayEnd = column.GetEnd();
        int cellX = x;
        for (COleDateTime t = column.GetStart(); CompareTimesApprox(t, dayEnd) == -1;
             t += COleDateTimeSpan(0, 1, 0, 0), cellX += m_nHourWidth) {
            if (cellX + m_nHourWidth < h || cellX > h + client.Width()) continue;
            const CRect cell(cellX, hourTop, cellX + m_nHourWidth, client.bottom - strip);
            dc.Draw3dRect(&cell, GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_BTNFACE));
            if (!data) continue;
            __time64_t t64 = 0;
            if (!t.GetAsTime64(t64)) continue;
            CString caption = GetLessonCaption(*data, m_nCaptionMode, chimeSet, GetHourSlot(*data, t64));
            if (caption.GetLength() > 5) caption = caption.Left(5);
            CRect text = cell;
            dc.DrawText(caption, &text, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
        }
        dc.SelectObject(old);
    }
    // The current entity's own commitments in the bottom strip.
    const CDiaryCtrl* control = GetControl();
    if (!control || !data) return;
    for (const CDiaryTimeRecord& record : control->m_arrCurrentTimes) {
        int l = 0, r = 0;
        if (!TimeSpanToX(record.m_dtStart, record.m_tsLength, l, r) || r < h || l > h + client.Width()) continue;
        CBlockLook look{record.m_crBackground, record.m_crHatch, record.m_nHatch};
        int state = record.m_nState;
        if (record.m_bGroupClash) {
            const auto group = data->FindGroup(record.m_nGroup);
            const COLORREF colour = group == data->m_arrGroups.end() ? record.m_crBackground : group->m_crBackground;
            look = CBlockLook{colour, colour, 6};
            state = 8;
        }
        CPen pen(PS_SOLID, 3, GetStateFrameColour(*data, state));
        CPen* oldPen = dc.SelectObject(&pen);
        CBlockShape shape;
        shape.outline = CRect(l + 2, bottomStrip.top + 2, r - 2, bottomStrip.bottom - 2);
        shape.corner = shape.hatchCorner = shape.gradientCorner = CSize(8, 8);
        shape.gradient = shape.outline;
        DrawBlock(&dc, shape, look);
        dc.SelectObject(oldPen);
    }
}

// Hour-width drag ---------------------------------------------------------------------------------------------

void CDiaryCtrlTitle::InvertDragBar(int x) {
    CClientDC dc(this);
    CRect client;
    GetClientRect(&client);
    const CRect bar(x - 1, client.bottom - ScaleGridPixels(32, GetGridScale()), x + 1, client.bottom);
    dc.InvertRect(&bar);
}

void CDiaryCtrlTitle::OnMouseMove(UINT flags, CPoint point) {
    const CDiaryView* pane = GetPane();
    const int h = pane ? pane->GetHorizontalOffset() : 0;
    if (m_bWidthDrag) {
        if (m_nLastX >= 0) InvertDragBar(m_nLastX);
        InvertDragBar(point.x);
        m_nLastX = point.x;
    } else if (m_nHourWidth > 0) {
        const int c = (point.x + h) % m_nHourWidth;
        m_nPointerState = c <= 2 || c > m_nHourWidth - 3 ? 2 : 0;
        ::SetCursor(::LoadCursor(nullptr, m_nPointerState == 2 ? IDC_SIZEWE : IDC_ARROW));
    }
    CWnd::OnMouseMove(flags, point);
}

void CDiaryCtrlTitle::OnLButtonDown(UINT flags, CPoint point) {
    if (m_nPointerState == 2) {
        m_bWidthDrag = 1;
        m_nDragStartX = point.x;
        m_nLastX = -1;
        SetCapture();
    }
    CWnd::OnLButtonDown(flags, point);
}

void CDiaryCtrlTitle::OnLButtonUp(UINT flags, CPoint point) {
    if (m_bWidthDrag) {
        m_bWidthDrag = 0;
        if (GetCapture() == this) ReleaseCapture();
        m_nHourWidth = std::max(m_nHourWidth + (point.x - m_nDragStartX), MeasureHourCaption());
        m_nLastX = -1;
        if (CWnd* pane = GetParent()) pane->SendMessage(WM_DIARY_RELAYOUT, 0, 0);
    }
    CWnd::OnLButtonUp(flags, point);
}

// Caption modes ------------------------------------------------------------------------------------------------

void CDiaryCtrlTitle::OnRButtonDown(UINT, CPoint point) {
    CIconMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING | MF_CHECKED, ID_TIME_AXIS_HOURS, LoadResString(IDS_DIARY_PLAIN_HOURS));
    menu.AppendMenu(MF_STRING | MF_CHECKED, ID_TIME_AXIS_LESSONS, LoadResString(IDS_DIARY_LESSON_CAPTIONS));
    menu.LoadToolBarImages(IDR_TIME_AXIS_MENU);
    menu.ConvertToOwnerDraw(&menu);
    menu.UpdateCommandUI(&menu, this);
    ClientToScreen(&point);
    menu.TrackPopupMenu(TPM_RIGHTBUTTON, point.x, point.y, this);
}

void CDiaryCtrlTitle::OnUpdatePlainHours(CCmdUI* cmdUI) {
    cmdUI->Enable(TRUE);
    cmdUI->SetCheck(AppCaptionMode() == 0);
}

void CDiaryCtrlTitle::OnUpdateLessonCaptions(CCmdUI* cmdUI) {
    cmdUI->Enable(TRUE);
    cmdUI->SetCheck(AppCaptionMode() == 1);
}

void CDiaryCtrlTitle::OnLessonCaptions() {
    if (!GetParent()) return;
    SetAppCaptionMode(m_nCaptionMode = 1);
    GetParent()->SendMessage(WM_DIARY_RELAYOUT, 0, 0);
    if (CScheduleData* data = GetAppDocument()) {
        data->NotifyAllViews(0);
        data->NotifyAllViews(1);
    }
    Invalidate();
}

void CDiaryCtrlTitle::OnPlainHours() {
    if (!GetParent()) return;
    const int was = AppCaptionMode();
    SetAppCaptionMode(m_nCaptionMode = 0);
    if (was == 1) m_nHourWidth = MeasureHourCaption();
    GetParent()->SendMessage(WM_DIARY_RELAYOUT, 0, 0);
    if (CScheduleData* data = GetAppDocument()) {
        data->NotifyAllViews(0);
        data->NotifyAllViews(1);
    }
    Invalidate();
}
