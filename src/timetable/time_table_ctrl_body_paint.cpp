// The layers of the timetable body's picture, in the order they are painted.
#include "controls/app_document.h"
#include "controls/fill_gradient_rect.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "timetable/draw_arrow.h"
#include "timetable/time_table_ctrl.h"
#include "timetable/time_table_ctrl_body.h"
#include "timetable/time_table_ctrl_title.h"
#include "timetable/time_table_ctrl_view.h"

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kDarkGreen = RGB(0, 128, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kOrange = RGB(255, 128, 64);
constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr int kStripWidth = 7;
constexpr int kLinkedState = 7;

// A horizontal gradient over the rectangle (left colour to right colour).
void FillAcross(CDC* dc, const CRect& rect, COLORREF left, COLORREF right) {
    if (rect.IsRectEmpty()) return;
    FillGradientRect(dc, rect, left, right, 0);
}

}  // namespace

CRect CTimeTableCtrlBody::DayTimeRect(const COleDateTime& start, const COleDateTimeSpan& length) const {
    CRect rect = m_pHeader->GetTimeRect(start, length);
    int left = 0, right = 0;
    m_pTitle->GetDayExtent(m_nPaneIndex, start, left, right);
    rect.left = left;
    rect.right = right;
    return rect;
}

void CTimeTableCtrlBody::DrawCentredImage(CDC* dc, int image, const CRect& rect) {
    m_images.Draw(dc, image, CPoint((rect.left + rect.right) / 2 - 8, (rect.top + rect.bottom) / 2 - 8),
                  ILD_TRANSPARENT);
}

// 1. Outside the working time. The working time of layer 2 covers the rest, so only what lies
// outside it is filled here.
void CTimeTableCtrlBody::PaintBackground(CDC* dc, const CRect& client) {
    CRgn outside;
    outside.CreateRectRgnIndirect(&client);
    for (const CTimeTableDayColumn& column : m_pTitle->GetColumns()) {
        const CRect rect = WorkingTimeRect(column);
        if (rect.IsRectEmpty()) continue;
        CRgn working;
        working.CreateRectRgnIndirect(&rect);
        outside.CombineRgn(&outside, &working, RGN_DIFF);
    }
    dc->FillRgn(&outside, m_outsideBrush.GetBrush());
}

CRect CTimeTableCtrlBody::WorkingTimeRect(const CTimeTableDayColumn& column) const {
    const int x = m_pTitle->GetColumnLeft(column);
    const COleDateTime& start = column.m_dtRangeStart[m_nPaneIndex];
    CRect rect = m_pHeader->GetTimeRect(start, column.m_dtRangeEnd[m_nPaneIndex] - start);
    rect.left = x;
    rect.right = x + column.GetEffectiveWidth();
    return rect;
}

// 2. The working time of every day, as an absence on a day the entity is away.
void CTimeTableCtrlBody::PaintWorkingTime(CDC* dc, const CTimeTableCtrlView& pane) {
    for (const CTimeTableDayColumn& column : m_pTitle->GetColumns()) {
        const CRect rect = WorkingTimeRect(column);
        if (rect.IsRectEmpty()) continue;
        const bool away = pane.m_bUnavailable || pane.IsWholeDayAbsent(column.m_dtRangeStart[m_nPaneIndex]);
        dc->FillRect(&rect, away ? m_absenceBrush.GetBrush() : m_workingBrush.GetBrush());
    }
}

// 3. Part-day absences.
void CTimeTableCtrlBody::PaintAbsences(CDC* dc, const CTimeTableCtrlView& pane) {
    if (pane.m_bUnavailable) return;
    for (const CItemTime& absence : pane.m_arrAbsences) {
        if (absence.m_nTag != 0) continue;
        const CRect rect = DayTimeRect(absence.m_dtStart, absence.m_tsDuration);
        if (!rect.IsRectEmpty()) dc->FillRect(&rect, m_absenceBrush.GetBrush());
    }
}

// 4. Freed intervals, then the pinned and selected ranges as blocks across their days.
void CTimeTableCtrlBody::PaintFreedAndPinned(CDC* dc, CTimeTableCtrlView& pane) {
    for (const CFreedInterval& interval : pane.m_arrFreedIntervals)
        if (!interval.m_rect.IsRectEmpty()) dc->FillRect(&interval.m_rect, m_freedBrush.GetBrush());
    if (m_bDragging) return;
    auto fillBlocks = [&](const std::vector<CItemTime>& blocks, COLORREF colour) {
        for (const CItemTime& block : blocks) {
            CRect rect = DayTimeRect(block.m_dtStart, block.m_tsDuration);
            rect.right += kStripWidth;
            if (rect.Height() > 0) dc->FillSolidRect(&rect, colour);
        }
    };
    if (const std::vector<CItemTime>* pinned = GetPinnedRanges()) fillBlocks(*pinned, kMagenta);
    if (pane.m_nSelectionMode == 2 && m_nDragMode != kDragMove) fillBlocks(pane.m_arrSelectedRanges, kBlue);
}

// 5. A line at every hour.
void CTimeTableCtrlBody::PaintHourLines(CDC* dc, const CRect& client) {
    CPen pen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
    CPen* old = dc->SelectObject(&pen);
    const int step = std::max(1, m_pHeader->GetHourHeight());
    for (int y = -m_pHeader->GetVerticalOffset(); y <= client.bottom + m_nVerticalOffset; y += step) {
        if (y < client.top) continue;
        dc->MoveTo(client.left - m_nHorizontalOffset, y);
        dc->LineTo(client.right + m_nHorizontalOffset, y);
    }
    dc->SelectObject(old);
}

// 6. The strip at the left of every day: green where a dragged activity fits, orange to yellow
// where it does not.
void CTimeTableCtrlBody::PaintDayStrips(CDC* dc, const CTimeTableCtrlView& pane, const CRect& client) {
    const auto& columns = m_pTitle->GetColumns();
    COLORREF from = GetSysColor(COLOR_WINDOW), to = from;
    if (m_bDragging) {
        const bool entityDrag = m_nPanelMode == 2 && m_nDragMode == kDragExternal;
        from = entityDrag ? kOrange : kDarkGreen;
        to = entityDrag ? kYellow : kGreen;
    }
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const CTimeTableDayColumn& column = columns[c];
        const COleDateTime& rangeStart = column.m_dtRangeStart[m_nPaneIndex];
        int left = 0, right = 0;
        m_pTitle->GetDayExtent(m_nPaneIndex, rangeStart, left, right);
        const CRect strip(left, client.top, left + kStripWidth, client.bottom);
        FillAcross(dc, strip, from, to);
        if (m_bDragging) {
            const int freeTop = m_pHeader->TimeToY(rangeStart + column.m_tsFreeStart[m_nPaneIndex]);
            const int freeBottom =
                m_pHeader->TimeToY(column.m_dtRangeEnd[m_nPaneIndex] - column.m_tsFreeEnd[m_nPaneIndex]);
            FillAcross(dc, CRect(strip.left, strip.top, strip.right, freeTop), kOrange, kYellow);
            FillAcross(dc, CRect(strip.left, freeBottom, strip.right, strip.bottom), kOrange, kYellow);
            for (const CItemTime& blocked : pane.m_arrBlockedTimes) {
                if (blocked.m_nDayIndex != static_cast<int>(c)) continue;
                FillAcross(dc,
                           CRect(strip.left, m_pHeader->TimeToY(blocked.m_dtStart), strip.right,
                                 m_pHeader->TimeToY(blocked.GetEndTime())),
                           kOrange, kYellow);
            }
        }
        dc->Draw3dRect(&strip, RGB(0, 0, 0), RGB(0, 0, 0));
    }
}

// 7. The pinned and selected ranges again, as bars on the day strips.
void CTimeTableCtrlBody::PaintRangeBars(CDC* dc, const CTimeTableCtrlView& pane) {
    if (m_bDragging) return;
    auto bars = [&](const std::vector<CItemTime>& blocks, COLORREF colour) {
        for (const CItemTime& block : blocks) {
            const CRect rect = DayTimeRect(block.m_dtStart, block.m_tsDuration);
            const CRect bar(rect.left + 1, rect.top, rect.left + 6, rect.bottom);
            if (bar.Height() > 0) dc->FillSolidRect(&bar, colour);
        }
    };
    if (const std::vector<CItemTime>* pinned = GetPinnedRanges()) bars(*pinned, kMagenta);
    if (pane.m_nSelectionMode == 2 && m_nDragMode != kDragMove) bars(pane.m_arrSelectedRanges, kBlue);
}

// 8. Clash bars: the entries that clash with the dragged or current activity; green where the
// current item itself lies.
void CTimeTableCtrlBody::PaintClashBlocks(CDC* dc, const CTimeTableCtrlView& pane) {
    const bool during = m_bDragging || (m_nDragMode == kDragExternal && m_nPanelMode != 2);
    const CTimeTableItem* current = pane.GetCurrentItem();
    if (!during || !(m_nPanelMode == 1 || m_nPanelMode == 4 || current)) return;
    for (const CItemTime& block : pane.m_arrClashBlocks) {
        const CRect rect = DayTimeRect(block.m_dtStart, block.m_tsDuration);
        const CRect bar(rect.left + 1, rect.top, rect.left + 6, rect.bottom);
        const bool own = current && IntervalsOverlap(current->m_dtStart, current->GetEndTime(), block.m_dtStart,
                                                     block.GetEndTime());
        FillAcross(dc, bar, own ? kDarkGreen : RGB(196, 0, 0), own ? kGreen : RGB(255, 0, 0));
    }
}

bool CTimeTableCtrlBody::IsHighlighted(const CTimeTableCtrlView& pane, const CTimeTableItem& item) const {
    if (m_nDragMode == kDragExternal) {
        if (m_nPanelMode == 1 && !item.m_bGroupItem) return m_nDraggedId == item.m_nActivity;
        if (m_nPanelMode == 4 && item.m_bGroupItem) return m_nDraggedId == item.m_nGroup;
        return false;
    }
    const CTimeTableItem* current = pane.GetCurrentItem();
    if (m_nDragMode != kDragMove || m_bModifier || !current) return false;
    return current->m_bGroupItem ? current->m_nGroup == item.m_nGroup : current->m_nActivity == item.m_nActivity;
}

// 9. The items, with the highlights, swap marks and drop images of a drag.
void CTimeTableCtrlBody::PaintItems(CDC* dc, CTimeTableCtrlView& pane, const CRect& area) {
    const CScheduleData* data = GetAppDocument();
    const CPoint point = GetCurrentPoint();
    for (CTimeTableItem& item : pane.m_arrItems) {
        if (item.m_bSelected && m_nDragMode == kDragMove) continue;
        // Only items in the area to repaint are drawn (a hover repaints two items).
        const CRect reach(item.m_rect.left, item.m_rect.top, item.m_rect.right + 2, item.m_rect.bottom);
        CRect visible;
        if (!visible.IntersectRect(&reach, &area) || !dc->RectVisible(&reach)) continue;
        BOOL highlight = FALSE;
        int image = -1;
        if (m_bDragging) {
            const bool entityOverEntry =
                m_nDragMode == kDragExternal && (m_nPanelMode == 2 || m_nPanelMode == 3) && !item.m_bGroupItem;
            if (entityOverEntry) {
                if (data) image = EntityDropImage(*data, item);
            } else {
                highlight = IsHighlighted(pane, item);
                if (m_bMarks && m_nBlinkPhase == 1 && !item.m_bSelected && item.m_nState != kLinkedState) {
                    if (item.m_nSwapMark >= 17 && item.m_nSwapMark <= 19)
                        image = item.m_nSwapMark;
                    else
                        item.m_nSwapMark = 0;
                }
            }
        }
        pane.PaintItem(dc, item, m_bRoomMarks, highlight, point);
        if (image >= 0 && m_nBlinkPhase == 1) DrawCentredImage(dc, image, item.m_rect);
    }
}

int CTimeTableCtrlBody::EntityDropImage(const CScheduleData& data, const CTimeTableItem& item) const {
    if (item.m_nState == kLinkedState) return 4;
    const auto entryIt = data.FindEntryBySerial(item.m_nSource);
    const auto entity = data.FindEntity(m_nDraggedId);
    const bool hasEntity = entity != data.m_arrEntities.end();
    if (m_nPanelMode == 2) {
        if (hasEntity && entity->m_nType == 0) return data.CanAddEntityToActivity(item.m_nActivity, m_nDraggedId) ? 3 : 4;
        if (entryIt == data.m_arrEntries.end()) return hasEntity ? 4 : 3;
        const CTimetableEntry& entry = *entryIt;
        if (hasEntity && entity->TakesPartIn(data, entry)) return 4;
        if (!hasEntity) return 3;
        if (data.HasDefaultStartDate()) return data.CanAddEntityToActivity(entry.m_nActivity, m_nDraggedId) ? 3 : 4;
        if (entity->CanTakeEntry(data, entry)) return 3;
        return entity->IsFreeAt(data, entry.m_dtStart, entry.GetEndTime()) ? 17 : 4;
    }
    // Rooms.
    if (entryIt == data.m_arrEntries.end() || !hasEntity) return 3;
    const CTimetableEntry& entry = *entryIt;
    const auto activity = data.FindActivity(entry.m_nActivity);
    bool refused = item.m_bHoliday || entry.IsLinkedState(data) || entry.HasRoom(m_nDraggedId);
    if (activity != data.m_arrActivities.end()) {
        const std::vector<int>& list = entity->m_nType == 4 ? activity->m_arrRooms : activity->m_arrMembers;
        refused = refused || std::find(list.begin(), list.end(), m_nDraggedId) != list.end() ||
                  !activity->m_strLocation.IsEmpty();
    }
    if (refused) return 4;
    const int role = entry.GetBestRoomRoleElsewhere(data, m_nDraggedId);
    if (role == 3 || role == 4) return 17;
    if (role == 1 || role == 2) return 15;
    return 3;
}

// 10. The arrows of a swap preview.
void CTimeTableCtrlBody::PaintSwapPreview(CDC* dc, const CTimeTableCtrlView& pane) {
    if (!pane.m_bSwapPreview) return;
    CPoint target, choice, source;
    BOOL hasTarget = FALSE, hasSource = FALSE;
    pane.GetSwapArrowPoints(target, hasTarget, choice, source, hasSource);
    if (hasTarget) DrawArrow(dc, target.x, target.y, choice.x, choice.y, kBlue);
    if (hasSource) DrawArrow(dc, choice.x, choice.y, source.x, source.y, kDarkGreen);
    if (hasTarget && hasSource) DrawArrow(dc, source.x, source.y, target.x, target.y, RGB(255, 0, 0));
}

// 11. The current time, ten minutes of the grid high.
void CTimeTableCtrlBody::PaintCurrentTime(CDC* dc) {
    const CTimeTableCtrl* control = GetControl();
    const CScheduleData* data = GetAppDocument();
    if (!control || !data || !control->GetClockFlag()) return;
    const COleDateTime now = control->GetNow();
    if (!data->IsInPlanDaytime(now)) return;
    const CRect rect = DayTimeRect(now, COleDateTimeSpan(0, 0, 10, 0));
    if (rect.IsRectEmpty()) return;
    FillAcross(dc, rect, kMagenta, kYellow);
    DrawCentredImage(dc, 21, rect);
}

// 13. The ghosts of the items being moved.
void CTimeTableCtrlBody::PaintGhosts(CDC* dc, CTimeTableCtrlView& pane) {
    if (m_nDragMode != kDragMove || pane.m_bSwapPreview) return;
    pane.PaintGhosts(dc, m_workingBrush.GetBrush(), &m_font, GetCurrentPoint(), CPoint(m_nPressX, m_nPressY));
}
