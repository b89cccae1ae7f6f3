// The grid body's mouse and keyboard: selecting items and time ranges, moving and resizing the
// selected items, dragging a day's working-time range, and the reports to the page that writes
// the edits into the document.
#include <algorithm>
#include <stdexcept>

#include "controls/app_document.h"
#include "model/lesson_hours.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "platform/core/load_res_string.h"
#include "platform/ui/icon.h"
#include "platform/ui/window_api.h"
#include "resource_ids.h"
#include "timetable/drag_feedback_blocks.h"
#include "timetable/time_table_ctrl.h"
#include "timetable/time_table_ctrl_body.h"
#include "timetable/time_table_ctrl_title.h"
#include "timetable/time_table_ctrl_view.h"
#include "timetable/time_table_messages.h"

namespace {

COleDateTime InvalidDate() {
    COleDateTime date;
    date.SetStatus(COleDateTime::invalid);
    return date;
}

const COleDateTimeSpan kOneHour(0, 1, 0, 0);
const COleDateTimeSpan kSixMinutes(0, 0, 6, 0);

}  // namespace

CWnd* CTimeTableCtrlBody::GetPage() const {
    CTimeTableCtrl* control = GetControl();
    if (!control) return nullptr;
    CWnd* owner = control->GetOwner();
    return owner ? owner : control->GetParent();
}

void CTimeTableCtrlBody::SetStatusText(const CString& text) {
    if (m_pTitle) m_pTitle->SetStatusText(text);
    if (CWnd* page = GetPage()) page->SendNotifyMessage(WM_TT_STATUS_TEXT, 0, 0);
}

// Hit parts and times ---------------------------------------------------------------------------

int CTimeTableCtrlBody::SetHitCursor(int part) {
    const CTimeTableCtrlView* pane = GetPane();
    if (pane && pane->m_bRoom) return 0;
    switch (part) {
    case 1: ::SetCursor(::LoadCursor(nullptr, IDC_SIZENS)); return kDragResize;
    case 2: ::SetCursor(::LoadCursor(nullptr, IDC_SIZEALL)); return kDragMove;
    case 3:
    case 4:
        if (m_hDragCursor) ::SetCursor(m_hDragCursor);
        return part;
    default: return kDragNone;
    }
}

COleDateTime CTimeTableCtrlBody::GetDateTimeAt(int x, int y) const {
    const CTimeTableCtrlView* pane = GetPane();
    if (!pane || !m_pTitle || !m_pHeader || x < 0) return InvalidDate();
    // Right of the last column (or with no selection at all) there is no plan day to land on.
    const auto column = m_pTitle->FindColumnAt(x);
    if (column == m_pTitle->GetColumns().end()) return InvalidDate();
    const COleDateTime& day = column->m_dtRangeStart[m_nPaneIndex];
    if (day.GetStatus() != COleDateTime::valid) return InvalidDate();
    const __time64_t t = m_pHeader->YToTime(y);
    const COleDateTime at(day.GetYear(), day.GetMonth(), day.GetDay(), std::max(0, GetLocalHour(t)),
                          std::max(0, GetLocalMinute(t)), 0);
    return pane->m_bSnap ? m_pHeader->SnapToHour(at) : at;
}

// Press ------------------------------------------------------------------------------------------

void CTimeTableCtrlBody::OnLButtonDown(UINT flags, CPoint point) {
    SetFocus();
    if (m_bPressed || m_nDragMode != kDragNone) {
        CWnd::OnLButtonDown(flags, point);
        return;
    }
    BeginPress(flags, point.x, point.y);
}

void CTimeTableCtrlBody::ClearSelectionUnlessOnGrip() {
    CTimeTableCtrlView* pane = GetPane();
    if (!pane) return;
    if (pane->m_arrSelection.size() >= 2) {
        const CPoint point = GetCurrentPoint();
        for (const CTimeTableItem& item : pane->m_arrItems) {
            if (!item.m_rect.PtInRect(point)) continue;
            if (!item.m_bSelected) break;
            const int grip = item.HitTestEdge(point);
            if (grip == 1 || grip == 2) return;
        }
    }
    pane->ClearSelection();
}

void CTimeTableCtrlBody::BeginPress(UINT flags, int x, int y) {
    CTimeTableCtrlView* pane = GetPane();
    if (!pane) return;
    if (CTimeTableCtrl* control = GetControl()) control->SendNotifyMessage(WM_TT_ACTIVATE_PANE, m_nPaneIndex, 0);
    if (m_bDragging) return;  // an external drag is under way
    m_nClickColumn = m_pTitle ? m_pTitle->GetColumnIndexAt(x) : -1;
    m_nPressX = m_nCurrentX = x;
    m_nPressY = m_nCurrentY = y;
    m_bPressed = 1;
    m_bMarks = 1;
    m_bModifier = (flags & (MK_SHIFT | MK_CONTROL)) ? 1 : 0;
    m_arrItemsAtPress = pane->m_arrItems;
    if (!m_bModifier) ClearSelectionUnlessOnGrip();

    const CPoint point(x, y);
    const int index = pane->ItemAt(point);
    if (index != CTimeTableCtrlView::kNone) {
        CTimeTableItem& item = pane->m_arrItems[index];
        m_nDragMode = SetHitCursor(item.HitTestEdge(point));
        if (m_nDragMode == kDragNone) {
            item.m_bSelected = m_bModifier ? !item.m_bSelected : 1;
            if (item.m_bSelected) pane->SelectItem(index);
            if (CWnd* page = GetPage()) page->SendMessage(WM_TT_ITEM_CLICKED, m_nPaneIndex, 0);
        } else {
            m_nGrabX = x - item.m_rect.left;
            m_nGrabY = y - item.m_rect.top;
            if (!m_bModifier) {
                pane->SelectItem(index);
                if (m_nDragMode == kDragMove) {
                    PrepareMoveFeedback(*pane, index);
                    const CScheduleData* data = GetAppDocument();
                    if (data && data->GetChimeSetCount() > 1)
                        AlignClashBlocksToChimeSets(*data, pane->m_arrClashBlocks, pane->m_arrItems[index].m_nChimeSet,
                                                    pane->m_arrItems[index].m_tsLength);
                }
                pane->ComputeLatestEnd();
            }
            const CPoint origin = pane->GetSelectionOrigin();
            m_dtDragStart = GetDateTimeAt(origin.x, origin.y);
            m_tPointerTime = m_pHeader->YToTime(y);
            pane->m_arrItems[index].m_tsLengthAtResize = pane->m_arrItems[index].m_tsLength;
        }
    }
    if (m_nDragMode == kDragNone && m_pTitle && m_pHeader) {
        const __time64_t t = m_pHeader->YToTime(y);
        m_nDragMode = SetHitCursor(m_pTitle->HitTestDayRange(x, y, t, m_nPaneIndex));
        // A range is drawn only on a plan day; right of the last column there is none.
        if (m_nDragMode == kDragNone && pane->m_nSelectionMode != 1 && m_pTitle->GetColumnIndexAt(x) >= 0) {
            COleDateTime date = m_pTitle->GetDateAt(x);
            COleDateTimeSpan length(0.0);
            m_pHeader->YToHourTime(date, length, y);
            if (date.GetStatus() == COleDateTime::valid && !IsUnplacedDate(date)) pane->AddRange(date, length);
        }
    }
    Invalidate(FALSE);
    SetCapture();
}

// Hover and drag ---------------------------------------------------------------------------------

void CTimeTableCtrlBody::OnMouseMove(UINT flags, CPoint point) {
    CTimeTableCtrlView* pane = GetPane();
    if (!m_bPressed) {
        SetCurrentPoint(point);
        if (pane && m_pTitle && m_pHeader) {
            bool onItem = false;
            for (const CTimeTableItem& item : pane->m_arrItems) {
                if (!item.m_rect.PtInRect(point)) continue;
                SetHitCursor(item.HitTestEdge(point));
                onItem = true;
            }
            if (!onItem)
                SetHitCursor(m_pTitle->HitTestDayRange(point.x, point.y, m_pHeader->YToTime(point.y), m_nPaneIndex));
        }
        CWnd::OnMouseMove(flags, point);
        return;
    }
    m_nCurrentX = point.x;
    m_nCurrentY = point.y;
    if (pane) DragTo(*pane, point.x, point.y);
    if (m_nDragMode != kDragExternal) Invalidate(FALSE);
    CWnd::OnMouseMove(flags, point);
}

void CTimeTableCtrlBody::DragTo(CTimeTableCtrlView& pane, int x, int y) {
    if (!m_pTitle || !m_pHeader) return;
    auto& columns = m_pTitle->GetColumns();
    const bool hasColumn = m_nClickColumn >= 0 && m_nClickColumn < static_cast<int>(columns.size());
    const auto column = hasColumn ? columns.begin() + m_nClickColumn : columns.end();
    CWnd* page = GetPage();
    switch (m_nDragMode) {
    case kDragNone:
        if (pane.m_nSelectionMode == 2 && hasColumn) {
            COleDateTime date = column->m_dtRangeStart[m_nPaneIndex];
            COleDateTimeSpan length(0.0);
            m_pHeader->YToHourTime(date, length, y);
            if (date.GetStatus() == COleDateTime::valid) pane.ExtendRangeTo(date, kOneHour);
        }
        break;
    case kDragResize: {
        __time64_t t = m_pHeader->YToTime(y);
        if (m_bModifier) {
            pane.ResizeSelection(m_tPointerTime, t);
            m_pTitle->SetStatusText(LoadResString(IDS_TT_STATUS_GROUP_RESIZE));
            m_tPointerTime = t;
        } else if (CTimeTableItem* current = pane.GetCurrentItem()) {
            t = pane.ClampToLatestEnd(t);
            current->SetEndTimeOfDay(t);
            CString text;
            text.Format(L"%s : %s", current->GetTitle().GetString(), current->FormatLength().GetString());
            m_pTitle->SetStatusText(text);
        }
        pane.LayoutItems();
        if (page) page->SendNotifyMessage(WM_TT_STATUS_TEXT, 0, 0);
        break;
    }
    case kDragMove: {
        if (!m_bDragging && !m_bModifier) {
            m_bDragging = 1;
            if (pane.GetCurrentItem()) BeginMoveFeedback(pane);
            m_nTimerId = SetTimer(kBlinkTimer, 500);
        }
        const CPoint p(x - m_nGrabX, y - m_nGrabY);
        m_pTitle->SetPointerText(m_pTitle->FindColumnAt(p.x), m_pHeader->YToTime(p.y));
        if (page) page->SendNotifyMessage(WM_TT_STATUS_TEXT, 0, 0);
        m_pHeader->SendNotifyMessage(WM_TT_HIGHLIGHT, 1, p.y);
        if (CTimeTableCtrlTitle* title = pane.GetControlTitle()) title->SendNotifyMessage(WM_TT_HIGHLIGHT, 1, p.x);
        break;
    }
    case kDragRangeStart:
        m_pTitle->MoveRangeStart(m_nPaneIndex, column, m_pHeader->YToTime(y));
        if (page) page->SendNotifyMessage(WM_TT_STATUS_TEXT, 0, 0);
        break;
    case kDragRangeEnd:
        m_pTitle->MoveRangeEnd(m_nPaneIndex, column, m_pHeader->YToTime(y));
        if (page) page->SendNotifyMessage(WM_TT_STATUS_TEXT, 0, 0);
        break;
    default: break;
    }
}

// Release ----------------------------------------------------------------------------------------

void CTimeTableCtrlBody::OnLButtonUp(UINT flags, CPoint point) {
    m_bEndingPress = 1;
    if (GetCapture() == this) ReleaseCapture();
    m_bEndingPress = 0;
    if (m_toolTip.GetSafeHwnd()) m_toolTip.Pop();
    CTimeTableCtrlView* pane = GetPane();
    if (!m_bPressed || !pane) {
        CWnd::OnLButtonUp(flags, point);
        return;
    }
    if (m_nDragMode == kDragMove) {
        m_pHeader->SendNotifyMessage(WM_TT_HIGHLIGHT, 0, 0);
        if (CTimeTableCtrlTitle* title = pane->GetControlTitle()) title->SendNotifyMessage(WM_TT_HIGHLIGHT, 0, 0);
        pane->MoveGhosts(point.x - m_nPressX, point.y - m_nPressY);
    }
    m_bPressed = 0;
    m_bDragging = 0;
    m_bMarks = 0;
    const int changed = ApplyRelease(*pane, point.x, point.y);
    pane->ClearSwapMarks();
    m_nDragMode = kDragNone;
    m_arrItemsAtPress.clear();
    if (changed)
        if (CWnd* page = GetPage()) page->SendNotifyMessage(WM_TT_ITEMS_CHANGED, m_nPaneIndex, 0);
    // The drag's ghosts and marks go in any case; a refused drop shows the items where they are.
    Invalidate(FALSE);
    SetStatusText(LoadResString(IDS_TT_STATUS_READY));
    m_nClickColumn = m_pTitle ? m_pTitle->GetColumnIndexAt(point.x) : -1;
    CWnd::OnLButtonUp(flags, point);
}

int CTimeTableCtrlBody::ApplyRelease(CTimeTableCtrlView& pane, int x, int y) {
    (void)x, (void)y;
    auto& columns = m_pTitle->GetColumns();
    const bool hasColumn = m_nClickColumn >= 0 && m_nClickColumn < static_cast<int>(columns.size());
    switch (m_nDragMode) {
    case kDragResize: {
        int changed = 0;
        for (CTimeTableItem& item : pane.m_arrItems) {
            if (!item.m_bSelected) continue;
            item.SnapToHours(*m_pHeader);
            if (item.IsLengthChanged()) changed = 1;
        }
        pane.LayoutItems();
        return changed;
    }
    case kDragMove: {
        const int moved = pane.m_nCurrentItem;
        const CTimeTableItem* current = pane.GetCurrentItem();
        if (!current) return 0;
        const CPoint origin = pane.GetSelectionOrigin();
        if (!m_bModifier && !current->m_bGroupItem) {
            const int target = pane.ItemAt(origin);
            if (target != CTimeTableCtrlView::kNone) {
                const CTimeTableItem& other = pane.m_arrItems[target];
                const bool sameGroup = other.m_nGroup != 0 && other.m_nGroup == current->m_nGroup;
                if (other.m_nSource != current->m_nSource && !sameGroup) return SwapOnRelease(pane, target, moved);
            }
        }
        const COleDateTime newStart = GetDateTimeAt(origin.x, origin.y);
        // Dropped beside the plan days, or dragged from nowhere: nothing to move to.
        if (newStart.GetStatus() != COleDateTime::valid || m_dtDragStart.GetStatus() != COleDateTime::valid) return 0;
        if (!m_bModifier)
            for (const CItemTime& clash : pane.m_arrClashBlocks)
                if (IntervalsOverlap(clash.m_dtStart, clash.GetEndTime(), newStart, newStart + kSixMinutes)) return 0;
        pane.MoveSelection(m_dtDragStart, newStart);
        pane.SortItems();
        return 1;
    }
    case kDragRangeStart:
    case kDragRangeEnd: {
        if (!hasColumn) return 0;
        COleDateTime& edge = m_nDragMode == kDragRangeStart ? columns[m_nClickColumn].m_dtRangeStart[m_nPaneIndex]
                                                            : columns[m_nClickColumn].m_dtRangeEnd[m_nPaneIndex];
        if (pane.m_bSnap) edge = m_pHeader->SnapToHour(edge);
        return 1;
    }
    default: return 0;
    }
}

// A press that loses the mouse (another window took it, a message box opened) ends without an
// edit: the items and the day ranges go back to what they were at the press.
void CTimeTableCtrlBody::OnCaptureChanged(CWnd* wnd) {
    if (m_bPressed && !m_bEndingPress) CancelPress();
    CWnd::OnCaptureChanged(wnd);
}

void CTimeTableCtrlBody::CancelPress() {
    CTimeTableCtrlView* pane = GetPane();
    if (pane) {
        if (m_nDragMode == kDragResize && m_arrItemsAtPress.size() == pane->m_arrItems.size()) {
            for (std::size_t i = 0; i < pane->m_arrItems.size(); ++i) {
                pane->m_arrItems[i].m_dtStart = m_arrItemsAtPress[i].m_dtStart;
                pane->m_arrItems[i].m_tsLength = m_arrItemsAtPress[i].m_tsLength;
            }
            pane->LayoutItems();
        }
        if (m_nDragMode == kDragRangeStart || m_nDragMode == kDragRangeEnd)
            if (CTimeTableCtrl* control = GetControl()) control->ApplyDaySlotsToColumns(m_nPaneIndex);
        if (m_nDragMode == kDragMove) {
            m_pHeader->SendNotifyMessage(WM_TT_HIGHLIGHT, 0, 0);
            if (CTimeTableCtrlTitle* title = pane->GetControlTitle()) title->SendNotifyMessage(WM_TT_HIGHLIGHT, 0, 0);
        }
        pane->RebuildSelectionCopies();
        pane->ClearSwapMarks();
    }
    if (m_toolTip.GetSafeHwnd()) m_toolTip.Pop();
    m_bPressed = 0;
    m_bDragging = 0;
    m_bMarks = 0;
    m_nDragMode = kDragNone;
    m_arrItemsAtPress.clear();
    SetStatusText(LoadResString(IDS_TT_STATUS_READY));
    Invalidate(FALSE);
}

// Double click and keys --------------------------------------------------------------------------

void CTimeTableCtrlBody::OnLButtonDblClk(UINT flags, CPoint point) {
    const CTimeTableCtrlView* pane = GetPane();
    WPARAM entry = 0;
    LPARAM group = 0;
    if (pane) {
        const CPoint current = GetCurrentPoint();
        for (const CTimeTableItem& item : pane->m_arrItems) {
            if (entry != 0) break;
            if (!item.m_rect.PtInRect(current)) continue;
            group = item.m_nGroup;
            entry = item.m_bGroupItem ? 0 : static_cast<WPARAM>(item.m_nSource);
        }
    }
    if (CWnd* page = GetPage()) page->SendMessage(WM_TT_DOUBLE_CLICK, entry, group);
    CWnd::OnLButtonDblClk(flags, point);
}

void CTimeTableCtrlBody::OnKeyDown(UINT key, UINT repeat, UINT flags) {
    CWnd* page = GetPage();
    if (page) {
        if (key == VK_DELETE) page->SendNotifyMessage(WM_TT_DELETE_KEY, 0, 0);
        if (key == 'A' && ::GetKeyState(VK_CONTROL) < 0) page->SendNotifyMessage(WM_TT_SELECT_KEY, 0, 1);
        if (key == VK_ESCAPE) page->SendNotifyMessage(WM_TT_SELECT_KEY, 0, 0);
    }
    CWnd::OnKeyDown(key, repeat, flags);
}
