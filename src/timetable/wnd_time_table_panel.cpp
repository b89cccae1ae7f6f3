// The timetable page's side panel: the lists that follow the grid's selection (activities that
// fit the selected time, people and rooms that may join the selected lessons, the people of the
// current lesson, the activity groups with their time accounts) and applying the panel's choice.
#include "controls/app_document.h"
#include "model/plan_check.h"
#include "platform/core/load_res_string.h"
#include "resource_ids.h"
#include "timetable/time_table_messages.h"
#include "timetable/timetable_panel_apply.h"
#include "timetable/timetable_panel_lists.h"
#include "timetable/wnd_time_table.h"

void CWndTimeTable::ShowPanelList(const CPanelList& list) {
    CWndPanel& panel = GetPanel();
    panel.m_wndList.EnableGroupView(TRUE);
    for (const CPanelListGroup& group : list.m_arrGroups) panel.InsertGroup(LoadResString(group.m_nTitle), group.m_nId);
    for (const CPanelItem& item : list.m_arrItems) panel.m_arrItems.push_back(item);
    panel.Fill();
}

// Opens a mode of the page's own: the base's start with the list's column, menu flags and drag
// image, then the list.
void CWndTimeTable::ShowPageMode(int mode, UINT dragImage, const CPanelList& list) {
    StartMode(mode, dragImage, list.m_nMenuFlags < 0 ? 0 : list.m_nMenuFlags, list.m_nColumnTitle, list.m_nColumnWidth);
    m_wndTimeTable.SendMessage(kPanelMode, static_cast<WPARAM>(mode), 0);
    ShowPanelList(list);
    LayoutPanes();
}

void CWndTimeTable::FillPanelList() {
    CScheduleData* data = GetAppDocument();
    if (!data) return;
    GetPanel().m_wndList.RemoveAllGroups();
    ShowPanelList(ListEntityActivities(*data));
}

void CWndTimeTable::FillPanelExtraList() {
    CScheduleData* data = GetAppDocument();
    const CTimeTableCtrlView* pane = m_wndTimeTable.GetActivePane();
    if (!data || !pane) return;
    GetPanel().m_arrItems.clear();
    GetPanel().m_wndList.RemoveAllGroups();
    ShowPanelList(ListGroupTimes(*data, pane->m_nEntity));
}

void CWndTimeTable::FillPlaceableActivities() {
    CScheduleData* data = GetAppDocument();
    if (!data || !HasSelection()) {
        OnShowPanelList();
        return;
    }
    ShowPageMode(1, 193, ListPlaceableActivities(*data, m_wndTimeTable.GetPane(0)));
}

void CWndTimeTable::FillJoinableEntities() {
    CScheduleData* data = GetAppDocument();
    if (!data || !HasSelection()) {
        OnShowPanelEntities();
        return;
    }
    ShowPageMode(2, 292, ListJoinableEntities(*data, m_wndTimeTable.GetPane(0)));
}

void CWndTimeTable::FillFreeRooms() {
    CScheduleData* data = GetAppDocument();
    if (!data) return;
    if (!HasSelection()) {
        OnShowPanelRooms();
        return;
    }
    if (!data->HasRooms()) {
        data->Answerer().Ask(LoadResString(IDS_TT_NO_ROOMS), LoadResString(IDS_ERROR_CAPTION), MessageButtons::Ok,
                             MessageIcon::Warning);
        return;
    }
    ShowPageMode(3, 293, ListFreeRooms(*data, m_wndTimeTable.GetPane(0)));
}

void CWndTimeTable::RebuildList() {
    CScheduleData* data = GetAppDocument();
    CTimeTableCtrlView* pane = m_wndTimeTable.GetActivePane();
    if (!data || !pane) return;
    pane->RebuildSelectionCopies();
    const CPanelList list = ListEntryPeople(*data, pane->GetCurrentItem());
    StartMode(5, 292, 0, list.m_nColumnTitle, list.m_nColumnWidth);
    GetPanel().m_wndList.m_bDragEnabled = 0;
    GetPanel().SetCurrentEntry(list.m_nCurrentEntry);
    ShowPanelList(list);
    LayoutPanes();
}

void CWndTimeTable::RefreshPanelMode(int mode) {
    if (GetPanel().m_nMode != mode) return;
    switch (mode) {
    case 1: FillPlaceableActivities(); break;
    case 2: FillJoinableEntities(); break;
    case 3: FillFreeRooms(); break;
    case 4: OnShowPanelExtraList(); break;
    case 5: RebuildList(); break;
    default: break;
    }
}

void CWndTimeTable::OnShowPlaceableActivities() {
    if (m_wndTimeTable.GetPane(0).m_nSelectionMode != 2) {
        OnShowPanelList();
        return;
    }
    FillPlaceableActivities();
}

void CWndTimeTable::OnShowJoinableEntities() { FillJoinableEntities(); }

void CWndTimeTable::OnShowFreeRooms() { FillFreeRooms(); }

void CWndTimeTable::OnShowEntryPeople() {
    CScheduleData* data = GetAppDocument();
    const CTimeTableCtrlView* pane = m_wndTimeTable.GetActivePane();
    if (!data) return;
    if (!pane || pane->m_nSelectionMode != 1) {
        const UINT text = m_wndTimeTable.IsSplit() ? IDS_TT_PEOPLE_NEED_ITEM_SPLIT : IDS_TT_PEOPLE_NEED_ITEM;
        data->Answerer().Ask(LoadResString(text), LoadResString(IDS_ERROR_CAPTION), MessageButtons::Ok,
                             MessageIcon::Warning);
        return;
    }
    RebuildList();
}

LRESULT CWndTimeTable::OnEntryPeopleRequest(WPARAM, LPARAM) {
    OnShowEntryPeople();
    return 0;
}

LRESULT CWndTimeTable::OnClosePanelRequest(WPARAM, LPARAM) {
    ClosePanelUnlessPinned();
    return 0;
}

void CWndTimeTable::OnUpdateShowPanelMode(CCmdUI* cmdUI) { cmdUI->Enable(GetAppDocument() != nullptr); }

// Applying the panel's choice ----------------------------------------------------------------------

BOOL CWndTimeTable::CanApplyPanelSelection(int mode, const std::vector<int>& ids) {
    CScheduleData* data = GetAppDocument();
    return data && ::CanApplyPanelSelection(*data, m_wndTimeTable.GetPane(0), mode, ids);
}

BOOL CWndTimeTable::ConfirmPanelSelection(int mode) {
    CScheduleData* data = GetAppDocument();
    if (!data) return FALSE;
    m_panelPlacing = AskPanelSelectionPlacing(*data, mode);
    return m_panelPlacing != MessageAnswer::Cancel;
}

void CWndTimeTable::ApplyPanelSelection(int mode, const std::vector<int>& ids) {
    if (CScheduleData* data = GetAppDocument())
        ::ApplyPanelSelection(*data, m_wndTimeTable.GetPane(0), mode, ids, m_panelPlacing);
}

void CWndTimeTable::ApplyDroppedEntity() {
    CScheduleData* data = GetAppDocument();
    CTimeTableCtrlView* pane = m_wndTimeTable.GetActivePane();
    if (!data || !pane) return;
    ::ApplyDroppedEntity(*data, *pane, pane->GetBody().m_nDraggedId);
}
