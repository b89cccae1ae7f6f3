// The magnet board body's pictures: the full paint of the rows in view, and one row with the
// feedback of a drag. Both draw in content pixels; the device context's origin carries the
// pane's horizontal and the board's vertical scroll offsets.
#include <algorithm>
#include <cmath>

#include "controls/app_document.h"
#include "controls/fill_gradient_rect.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "planner/magnet_ctrl.h"
#include "planner/magnet_ctrl_body.h"
#include "planner/magnet_ctrl_view.h"
#include "platform/ui/client_dc.h"
#include "timetable/draw_arrow.h"

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kOrange = RGB(255, 128, 64);
constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr int kBand = CMagnetCtrlHeader::kBand;
constexpr COLORREF kClashRed = RGB(220, 0, 0);

enum Brush { kBackground = 0, kAvailable = 1, kCurrentBackground = 2, kCurrentAvailable = 3, kAbsence = 4, kOpenPlace = 5 };

void FillDown(CDC* dc, const CRect& rect, COLORREF top, COLORREF bottom) {
    if (rect.Width() > 0 && rect.Height() > 0) FillGradientRect(dc, rect, top, bottom, 1);
}

COleDateTime AtHour(const COleDateTime& date, __time64_t timeOfDay) {
    return COleDateTime(date.GetYear(), date.GetMonth(), date.GetDay(), std::max(0, GetLocalHour(timeOfDay)), 0, 0);
}

}  // namespace

std::vector<CMagnetCtrlBody::ShownDay> CMagnetCtrlBody::GetShownDays(const CMagnetCtrl& control) const {
    std::vector<ShownDay> days;
    const CScheduleData* data = GetAppDocument();
    if (!data) return days;
    const CMagnetCtrlTitle& first = const_cast<CMagnetCtrl&>(control).GetPane(0).GetTitle();
    for (int i = 0; i < CMagnetRow::kDaySlots; ++i) {
        const COleDateTime date = data->GetDayDate(i);
        if (first.HasDay(date)) days.push_back({i, date});
    }
    return days;
}

bool CMagnetCtrlBody::IsShown(const CMagnetItem& magnet) const { return !magnet.m_rect.IsRectEmpty(); }

void CMagnetCtrlBody::PaintRowBackground(CDC* dc, const CMagnetRow& row, const std::vector<ShownDay>& days,
                                         bool current, int left, int right) {
    const CMagnetCtrlTitle* title = GetTitle();
    CBrush* background = m_brushes[current ? kCurrentBackground : kBackground].GetBrush();
    CBrush* available = m_brushes[current ? kCurrentAvailable : kAvailable].GetBrush();
    // The background is filled only between the available hours: pattern fills cost by area.
    int x = left;
    for (const ShownDay& day : days) {
        if (CompareTime64Approx(row.m_tDayStart[day.index], row.m_tDayEnd[day.index]) == 0) continue;
        const COleDateTime from = AtHour(day.date, row.m_tDayStart[day.index]);
        int l = 0, r = 0;
        if (!title->TimeSpanToX(from, AtHour(day.date, row.m_tDayEnd[day.index]) - from, l, r) || r <= l) continue;
        if (r <= left || l >= right) continue;
        const CRect gap(x, row.m_rect.top, std::max(x, l), row.m_rect.bottom);
        if (gap.Width() > 0) dc->FillRect(&gap, background);
        const CRect hours(std::max(l, left), row.m_rect.top, std::min(r, right), row.m_rect.bottom);
        dc->FillRect(&hours, available);
        x = std::max(x, hours.right);
    }
    const CRect rest(x, row.m_rect.top, right, row.m_rect.bottom);
    if (rest.Width() > 0) dc->FillRect(&rest, background);
    const auto fill = [&](const CItemTime& block, Brush brush) {
        int l = 0, r = 0;
        if (!title->TimeSpanToX(block.m_dtStart, block.m_tsDuration, l, r) || r <= l || r <= left || l >= right) return;
        const CRect rect(l, row.m_rect.top, r, row.m_rect.bottom);
        dc->FillRect(&rect, m_brushes[brush].GetBrush());
    };
    for (const CItemTime& absence : row.m_arrAbsences) fill(absence, kAbsence);
    for (const CItemTime& place : row.m_arrOpenPlaces) fill(place, kOpenPlace);
}

void CMagnetCtrlBody::PaintHourGrid(CDC* dc, int left, int right, int top, int bottom, int hourWidth) {
    if (hourWidth <= 0) return;
    CPen pen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
    CPen* old = dc->SelectObject(&pen);
    // The lines lie one pixel left of every hour boundary, counted from content x 0.
    for (int x = (std::max(0, left) / hourWidth) * hourWidth - 1; x <= right; x += hourWidth) {
        dc->MoveTo(x, top);
        dc->LineTo(x, bottom);
    }
    dc->SelectObject(old);
}

void CMagnetCtrlBody::PaintColumnFrames(CDC* dc, int top, int bottom) {
    for (const CDayColumn& column : GetTitle()->GetColumns()) {
        if (column.GetMinutes() <= 5) continue;
        const CRect frame(column.m_nLeft - 1, top, column.m_nRight, bottom);
        dc->Draw3dRect(&frame, kBlack, kBlack);
    }
}

void CMagnetCtrlBody::PaintBand(CDC* dc, const CMagnetRow& row, int left, int right, bool green) {
    const CRect band(left, row.m_rect.top, right, row.m_rect.top + kBand);
    if (green)
        FillDown(dc, band, RGB(0, 255, 0), RGB(0, 128, 0));
    else
        dc->FillSolidRect(&band, GetSysColor(COLOR_WINDOW));
    dc->Draw3dRect(&band, kBlack, kBlack);
}

void CMagnetCtrlBody::PaintConflictMark(CDC* dc, const CMagnetItem& magnet) {
    // Entries shown inside this magnet clash with it: a red corner marks the clash without
    // hiding the title.
    if (!magnet.ShowsClash()) return;
    const CRect& r = magnet.m_rect;
    const int size = std::min(10, std::max(0, static_cast<int>(r.Width()) / 3));
    const POINT corner[3] = {{r.right - 2 - size, r.top + kBand}, {r.right - 2, r.top + kBand}, {r.right - 2, r.top + kBand + size}};
    CBrush red(kClashRed);
    CPen outline(PS_SOLID, 1, kClashRed);
    CBrush* oldBrush = dc->SelectObject(&red);
    CPen* oldPen = dc->SelectObject(&outline);
    dc->Polygon(corner, 3);
    dc->SelectObject(oldPen);
    dc->SelectObject(oldBrush);
}

BOOL CMagnetCtrlBody::OnEraseBkgnd(CDC*) { return TRUE; }

void CMagnetCtrlBody::OnPaint() {
    CPaintDC dc(this);
    CMagnetCtrlView* pane = GetPane();
    CMagnetCtrl* control = GetControl();
    if (!pane || !pane->GetSafeHwnd() || !control) return;
    CRect client;
    GetClientRect(&client);
    const int h = pane->GetHorizontalOffset(), v = control->GetVerticalOffset();
    const int saved = dc.SaveDC();
    dc.SelectObject(&m_font);
    dc.SetBkMode(TRANSPARENT);
    dc.SetViewportOrg(-h, -v);
    // The client area in content pixels.
    const CRect view(client.left + h, client.top + v, client.right + h, client.bottom + v);
    auto& rows = control->GetRows();
    int first = 0, last = 0;
    control->GetRowsInRange(view.top, view.bottom, first, last);
    const std::vector<ShownDay> days = GetShownDays(*control);
    for (int i = first; i < last; ++i)
        PaintRowBackground(&dc, rows[i], days, rows[i].m_nEntityId == control->GetCurrentRowId(), view.left, view.right);
    // Below the last row.
    const CRect below(view.left, last > first ? rows[last - 1].m_rect.bottom : view.top, view.right, view.bottom);
    if (below.Height() > 0) dc.FillRect(&below, m_brushes[kBackground].GetBrush());
    PaintHourGrid(&dc, view.left, view.right, view.top, view.bottom, control->GetHourWidth());
    int bottom = view.top;
    for (int i = first; i < last; ++i) {
        PaintBand(&dc, rows[i], view.left, view.right, false);
        bottom = rows[i].m_rect.bottom;
    }
    PaintColumnFrames(&dc, view.top, view.bottom);
    const bool marks = !control->m_bDragActive;
    for (int i = first; i < last; ++i) {
        for (const CMagnetItem& magnet : rows[i].m_arrMagnets) {
            if (!IsShown(magnet) || magnet.m_rect.right < view.left || magnet.m_rect.left > view.right) continue;
            magnet.Draw(&dc, 0, marks, true);
            PaintConflictMark(&dc, magnet);
        }
    }
    for (int i = first; i < last; ++i) {
        const CRect band(view.left, rows[i].m_rect.top, view.right, rows[i].m_rect.top + kBand);
        dc.Draw3dRect(&band, kBlack, kBlack);
    }
    if (last > first) {
        dc.MoveTo(view.left, bottom);
        dc.LineTo(view.right, bottom);
    }
    PaintSwapPreview(&dc, *control);
    dc.RestoreDC(saved);
}

void CMagnetCtrlBody::PaintSwapPreview(CDC* dc, const CMagnetCtrl& control) {
    if (!control.m_bSwapPreview) return;
    CPoint t, p, d;
    if (!control.GetSwapPreviewPoints(t, p, d)) return;
    DrawArrow(dc, t.x, t.y, p.x, p.y, RGB(0, 0, 255));
    DrawArrow(dc, p.x, p.y - 10, d.x, d.y - 10, RGB(0, 128, 0));
    DrawArrow(dc, d.x, d.y + 10, t.x, t.y + 10, RGB(255, 0, 0));
}

// One row, with the drag feedback ----------------------------------------------------------------------

void CMagnetCtrlBody::PaintRow(int entityId) {
    CMagnetCtrl* control = GetControl();
    CMagnetCtrlView* pane = GetPane();
    if (!control || !pane || !GetSafeHwnd()) return;
    CMagnetRow* row = control->GetRow(entityId);
    if (!row) return;
    CRect client;
    GetClientRect(&client);
    const int h = pane->GetHorizontalOffset(), v = control->GetVerticalOffset();
    const int top = row->m_rect.top - v, bottom = row->m_rect.bottom - v;
    if (bottom <= client.top || top >= client.bottom) return;

    CClientDC dc(this);
    const int saved = dc.SaveDC();
    dc.IntersectClipRect(client.left, top, client.right, bottom - 1);
    dc.SetViewportOrg(-h, -v);
    dc.SelectObject(&m_font);
    dc.SetBkMode(TRANSPARENT);
    const int left = client.left + h, right = client.right + h;
    const bool current = entityId == control->GetCurrentRowId();
    const CRect rect(left, row->m_rect.top, right, row->m_rect.bottom);
    const std::vector<ShownDay> days = GetShownDays(*control);
    PaintRowBackground(&dc, *row, days, current, left, right);
    dc.Draw3dRect(&rect, kBlack, kBlack);
    PaintHourGrid(&dc, left, right, row->m_rect.top, row->m_rect.bottom, control->GetHourWidth());
    // One dragged magnet, or an activity or group from the entity board, shows where it may go.
    const bool moving = control->m_nDragMode == CMagnetCtrl::kDragMove;
    const bool green = control->m_bDragActive && (!moving || control->m_arrDragItems.size() <= 1);
    PaintBand(&dc, *row, left, right, green);
    if (green && current) PaintDragBand(&dc, *control, *row, days);
    PaintColumnFrames(&dc, row->m_rect.top, row->m_rect.bottom);
    PaintRowMagnets(&dc, *control, *row);
    const CRect band(left, row->m_rect.top, right, row->m_rect.top + kBand);
    dc.Draw3dRect(&band, kBlack, kBlack);
    if (control->m_bDragActive && moving) PaintGhosts(&dc, *control, *row);
    dc.RestoreDC(saved);
}

void CMagnetCtrlBody::PaintDragBand(CDC* dc, const CMagnetCtrl& control, const CMagnetRow& row,
                                    const std::vector<ShownDay>& days) {
    const CMagnetCtrlTitle* title = GetTitle();
    const int top = row.m_rect.top, bottom = row.m_rect.top + kBand;
    const auto bar = [&](int l, int r, COLORREF from, COLORREF to) { FillDown(dc, CRect(l, top, r, bottom), from, to); };
    for (const ShownDay& day : days) {
        if (CompareTime64Approx(row.m_tDayStart[day.index], row.m_tDayEnd[day.index]) != -1) continue;
        int dayLeft = 0, dayRight = 0, l = 0, r = 0;
        if (!title->GetDayXRange(day.date, dayLeft, dayRight)) continue;
        const COleDateTime from = AtHour(day.date, row.m_tDayStart[day.index]);
        if (!title->TimeSpanToX(from, AtHour(day.date, row.m_tDayEnd[day.index]) - from, l, r)) continue;
        bar(dayLeft, l, kOrange, kYellow);
        bar(r, dayRight, kOrange, kYellow);
    }
    for (const CItemTime& block : control.m_arrBlockedTimes) {
        int l = 0, r = 0;
        if (title->TimeSpanToX(block.m_dtStart, block.m_tsDuration, l, r)) bar(l, r, kOrange, kYellow);
    }
    const int dragged = control.m_nDragMode == CMagnetCtrl::kDragMove ? control.FindDraggedInRow() : CMagnetCtrl::kNone;
    const CMagnetItem* own = dragged == CMagnetCtrl::kNone ? nullptr : &row.m_arrMagnets[dragged];
    for (const CItemTime& block : control.m_arrClashBlocks) {
        int l = 0, r = 0;
        if (!title->TimeSpanToX(block.m_dtStart, block.m_tsDuration, l, r)) continue;
        const bool mine = own && IntervalsOverlap(own->m_dtEntryStart, own->GetEntryEnd(), block.m_dtStart, block.GetEndTime());
        if (mine)
            bar(l, r, RGB(0, 255, 0), RGB(0, 196, 0));
        else
            bar(l, r, RGB(255, 0, 0), RGB(196, 0, 0));
    }
}

bool CMagnetCtrlBody::IsHighlighted(const CMagnetCtrl& control, const CMagnetItem& magnet) const {
    if (control.m_nDragMode == CMagnetCtrl::kDragExternal) {
        if (control.m_nExternalDragKind == 1) return !magnet.m_bGroupItem && magnet.m_nActivity == control.m_nExternalDragId;
        if (control.m_nExternalDragKind == 2) return magnet.m_bGroupItem && magnet.m_nGroup == control.m_nExternalDragId;
        return false;
    }
    if (control.m_nDragMode != CMagnetCtrl::kDragMove || control.m_arrDragItems.size() != 1) return false;
    const CMagnetItem& dragged = control.m_arrDragItems.front();
    return dragged.m_bGroupItem ? magnet.m_nGroup == dragged.m_nGroup : magnet.m_nActivity == dragged.m_nActivity;
}

void CMagnetCtrlBody::PaintRowMagnets(CDC* dc, CMagnetCtrl& control, CMagnetRow& row) {
    const bool active = control.m_bDragActive != 0;
    const bool moving = active && control.m_nDragMode == CMagnetCtrl::kDragMove;
    for (CMagnetItem& magnet : row.m_arrMagnets) {
        if (!IsShown(magnet)) continue;
        // Moved magnets are drawn as ghosts at the pointer.
        if (!control.m_bSwapPreview && magnet.m_bSelected && moving) continue;
        if (!active) {
            magnet.Draw(dc, 0, true, control.m_nDragMode == CMagnetCtrl::kDragNone);
            PaintConflictMark(dc, magnet);
            continue;
        }
        const bool selection = !(control.m_bPressed && control.m_nDragMode == CMagnetCtrl::kDragMove);
        magnet.Draw(dc, 0, IsHighlighted(control, magnet), selection);
        PaintConflictMark(dc, magnet);
        if (magnet.m_nSwapMark != 0 && control.m_nBlinkPhase && !magnet.m_bSelected && magnet.m_nState != 7) {
            if (magnet.m_nSwapMark >= 17 && magnet.m_nSwapMark <= 19) {
                const CRect& r = magnet.m_rect;
                m_images.Draw(dc, magnet.m_nSwapMark, CPoint((r.left + r.right) / 2 - 8, (r.top + r.bottom) / 2 - 8),
                              ILD_TRANSPARENT);
            } else {
                magnet.m_nSwapMark = 0;
            }
        }
    }
}

void CMagnetCtrlBody::PaintGhosts(CDC* dc, const CMagnetCtrl& control, const CMagnetRow& row) {
    const CMagnetCtrlView* pane = GetPane();
    if (control.m_ptDrag.x == pane->GetHorizontalOffset()) return;
    int startX = 0, unused = 0;
    if (!GetTitle()->TimeSpanToX(control.m_dtDragStart, COleDateTimeSpan(0, 0, 5, 0), startX, unused)) return;
    const int move = control.m_ptDrag.x - startX;
    const double hourWidth = control.GetHourWidth();
    for (const CMagnetItem& magnet : row.m_arrMagnets) {
        if (!magnet.m_bSelected || !IsShown(magnet)) continue;
        const double hours = static_cast<double>(magnet.m_tsEntryLength) * 24.0;
        const int width = static_cast<int>(hourWidth * (hours + (hours < 0 ? -kHalfSecondBias : kHalfSecondBias) * 24.0));
        const int left = magnet.m_rect.left + move;
        magnet.DrawInRect(dc, CRect(left, row.m_rect.top + kBand, left + width, row.m_rect.bottom - 3));
    }
}
