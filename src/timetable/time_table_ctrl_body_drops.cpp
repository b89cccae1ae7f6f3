// Drags from the page's side panel onto the body: activities and activity groups show the times
// they clash with and are placed where they are dropped; people and rooms join the lesson they
// are dropped on. Several list items at once go to the page's apply of the panel's choice.
#include "controls/app_document.h"
#include "controls/my_list_ctrl.h"
#include "model/schedule_data.h"
#include "platform/ui/wait_cursor.h"
#include "timetable/drag_feedback_blocks.h"
#include "timetable/time_table_ctrl_body.h"
#include "timetable/time_table_ctrl_header.h"
#include "timetable/time_table_ctrl_title.h"
#include "timetable/time_table_ctrl_view.h"
#include "timetable/time_table_messages.h"

namespace {
// The panel modes whose items are placed on the grid's time, not dropped on a lesson.
bool PlacesOnTime(int panelMode) { return panelMode == 1 || panelMode == 4; }
}  // namespace

void CTimeTableCtrlBody::EndHighlights() {
    if (m_pHeader && m_pHeader->GetSafeHwnd()) m_pHeader->SendMessage(WM_TT_HIGHLIGHT, 0, 0);
    if (m_pTitle && m_pTitle->GetSafeHwnd()) m_pTitle->SendMessage(WM_TT_HIGHLIGHT, 0, 0);
}

int CTimeTableCtrlBody::ItemIndexAt(CPoint point) const {
    const CTimeTableCtrlView* pane = GetPane();
    if (!pane) return -1;
    for (std::size_t i = 0; i < pane->m_arrItems.size(); ++i)
        if (pane->m_arrItems[i].m_rect.PtInRect(point)) return static_cast<int>(i);
    return -1;
}

LRESULT CTimeTableCtrlBody::OnDragPrepare(WPARAM, LPARAM) {
    if (m_nPanelMode == 1)
        if (CTimeTableCtrlView* pane = GetPane()) pane->ClearSelection();
    return 0;
}

LRESULT CTimeTableCtrlBody::OnDragBegin(WPARAM wParam, LPARAM lParam) {
    CTimeTableCtrlView* pane = GetPane();
    CScheduleData* data = GetAppDocument();
    if (!pane || !data) return 0;
    m_nDraggedId = static_cast<int>(wParam);
    m_bMultiDrop = lParam == 1 ? 1 : 0;
    if (pane->m_arrSelection.size() > 1 && (m_nPanelMode == 2 || m_nPanelMode == 3)) m_bMultiDrop = 1;
    if (lParam == 0 && pane->m_nSelectionMode == 2 && pane->m_arrSelectedRanges.size() >= 2 && PlacesOnTime(m_nPanelMode))
        m_bMultiDrop = 1;
    if (m_bMultiDrop) {
        m_bDragging = 0;
        return 0;
    }
    m_nDragMode = kDragExternal;
    if (PlacesOnTime(m_nPanelMode)) {
        const int groupFlag = m_nPanelMode == 4 ? 1 : 0;
        pane->BuildClashBlocks(m_nDraggedId, 0, groupFlag);
        if (data->GetChimeSetCount() > 1) {
            if (groupFlag) {
                const auto group = data->FindGroup(m_nDraggedId);
                if (group != data->m_arrGroups.end())
                    AlignClashBlocksToChimeSets(*data, pane->m_arrClashBlocks, group->GetCommonChimeSetId(*data),
                                                group->GetMaxMeetingLength(*data));
            } else {
                const auto activity = data->FindActivity(m_nDraggedId);
                if (activity != data->m_arrActivities.end())
                    AlignClashBlocksToChimeSets(*data, pane->m_arrClashBlocks, activity->m_nChimeSet, activity->m_tsMeeting);
            }
        }
        pane->ClearBlockedTimes();
        pane->PrepareDragFeedback(groupFlag, m_nDraggedId);
    } else if (data->FindEntity(m_nDraggedId) == data->m_arrEntities.end()) {
        // The drag mode stays until the next drop or release returns the body to idle.
        m_nDraggedId = 0;
        m_bDragging = 0;
        return 0;
    }
    m_bDragging = 1;
    m_bMarks = 0;
    m_nTimerId = SetTimer(kBlinkTimer, 500);
    Invalidate(FALSE);
    return 0;
}

LRESULT CTimeTableCtrlBody::OnDragOver(WPARAM wParam, LPARAM lParam) {
    CTimeTableCtrlView* pane = GetPane();
    CScheduleData* data = GetAppDocument();
    if (!pane || !data || !m_pTitle || !m_pHeader) return 0;
    CPoint point(static_cast<int>(wParam), static_cast<int>(lParam));
    ScreenToClient(&point);
    m_nCurrentX = point.x;
    m_nCurrentY = point.y;
    CWnd* page = GetPage();
    if (PlacesOnTime(m_nPanelMode)) {
        m_pTitle->SetPointerText(m_pTitle->FindColumnAt(point.x), m_pHeader->YToTime(point.y));
        if (page) page->SendNotifyMessage(WM_TT_STATUS_TEXT, 0, 0);
        m_pHeader->SendNotifyMessage(WM_TT_HIGHLIGHT, 1, point.y);
        m_pTitle->SendNotifyMessage(WM_TT_HIGHLIGHT, 1, point.x);
    } else if (const int index = ItemIndexAt(point); index >= 0) {
        const CTimeTableItem& item = pane->m_arrItems[index];
        CString text;
        text.Format(L"%s : %s", item.GetTitle().GetString(), item.FormatSlot(*data).GetString());
        SetStatusText(text);
        if (page) page->SendNotifyMessage(WM_TT_STATUS_TEXT, 0, 0);
    }
    Invalidate(FALSE);
    return 0;
}

LRESULT CTimeTableCtrlBody::OnDrop(WPARAM wParam, LPARAM) {
    CTimeTableCtrlView* pane = GetPane();
    CScheduleData* data = GetAppDocument();
    EndHighlights();
    if (!pane || !data || !wParam) return 0;
    const CPoint point = *reinterpret_cast<const CPoint*>(wParam);
    if (m_bMultiDrop) {
        if (pane->m_nSelectionMode == 0) {
            if (const int index = ItemIndexAt(point); index >= 0) {
                pane->m_arrItems[index].m_bSelected = 1;
                pane->m_nSelectionMode = 1;
            }
        }
        if (CWnd* page = GetPage()) page->SendMessage(WM_USER + 36, 0, 0);
        return 0;
    }
    CWaitCursor wait;
    m_nDragMode = kDragNone;
    if (m_pTitle && m_pHeader) {
        if (m_nPanelMode == 1) {
            COleDateTime date = m_pTitle->GetDateAt(point.x);
            const auto activity = data->FindActivity(m_nDraggedId);
            if (activity != data->m_arrActivities.end()) {
                COleDateTimeSpan length = activity->m_tsMeeting;
                m_pHeader->YToHourTime(date, length, point.y);
                pane->DropActivity(m_nDraggedId, date, length);
            }
        } else if (m_nPanelMode == 4) {
            COleDateTime date = m_pTitle->GetDateAt(point.x);
            COleDateTimeSpan length(0, 1, 0, 0);
            m_pHeader->YToHourTime(date, length, point.y);
            pane->DropGroup(m_nDraggedId, date, length);
        } else if (const int index = ItemIndexAt(point); index >= 0) {
            pane->DropOnItem(m_nDraggedId, index);
        }
    }
    m_bDragging = 0;
    m_bMarks = 1;
    if (GetSafeHwnd()) Invalidate(FALSE);
    return 0;
}

LRESULT CTimeTableCtrlBody::OnDragCancel(WPARAM, LPARAM) {
    EndHighlights();
    if (m_bDragging && !m_bMultiDrop) {
        m_bDragging = 0;
        m_bMarks = 1;
        m_nDragMode = kDragNone;
        Invalidate(FALSE);
    }
    return 0;
}
