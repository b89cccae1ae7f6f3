#include "timetable/wnd_time_table.h"

#include <algorithm>

#include "controls/app_document.h"
#include "frame/page_report_request.h"
#include "model/time_values.h"
#include "platform/ui/wait_cursor.h"
#include "resource_ids.h"
#include "timetable/time_table_ctrl_title.h"
#include "timetable/time_table_ctrl_view.h"
#include "timetable/time_table_messages.h"

CTimeTableDialogs CWndTimeTable::s_dialogs;

BEGIN_MESSAGE_MAP(CWndTimeTable, CMyView)
    ON_WM_CREATE()
    ON_WM_SHOWWINDOW()
    ON_MESSAGE(WM_TT_ITEM_CLICKED, &CWndTimeTable::OnItemClicked)
    ON_MESSAGE(WM_TT_ITEMS_CHANGED, &CWndTimeTable::OnItemsChanged)
    ON_MESSAGE(WM_USER + 12, &CWndTimeTable::OnEntityDroppedOnItem)
    ON_MESSAGE(WM_USER + 24, &CWndTimeTable::OnActivityDropped)
    ON_MESSAGE(WM_USER + 29, &CWndTimeTable::OnGroupDropped)
    ON_MESSAGE(WM_TT_STATUS_TEXT, &CWndTimeTable::OnPointerMoved)
    ON_MESSAGE(WM_TT_NAVIGATE, &CWndTimeTable::OnNavigateEntity)
    ON_MESSAGE(WM_TT_SHOW_ENTITY, &CWndTimeTable::OnTabChanged)
    ON_MESSAGE(WM_TT_ENTRY_PEOPLE, &CWndTimeTable::OnEntryPeopleRequest)
    ON_MESSAGE(CWndPanel::kParticipantsChanged, &CWndTimeTable::OnClosePanelRequest)
    ON_COMMAND(ID_TOGGLE_SPLIT, &CWndTimeTable::OnToggleSplit)
    ON_COMMAND(ID_ABSENCE_WIZARD, &CWndTimeTable::RunAbsenceWizard)
    ON_COMMAND(ID_REMOVE_ABSENCES, &CWndTimeTable::OnRemoveAbsences)
    ON_UPDATE_COMMAND_UI(ID_ABSENCE_WIZARD, &CWndTimeTable::OnUpdateShowPanelMode)
    ON_UPDATE_COMMAND_UI(ID_REMOVE_ABSENCES, &CWndTimeTable::OnUpdateShowPanelMode)
    ON_COMMAND(CWndPanel::kRemoveCommand, &CWndTimeTable::OnRemove)
    ON_UPDATE_COMMAND_UI(CWndPanel::kRemoveCommand, &CWndTimeTable::OnUpdateRemove)
    ON_COMMAND(ID_CONTACTS_ADD, &CWndTimeTable::OnNewTask)
    ON_UPDATE_COMMAND_UI(ID_CONTACTS_ADD, &CWndTimeTable::OnUpdateNewTask)
    ON_COMMAND(CWndPanel::kEditCommand, &CWndTimeTable::OnEdit)
    ON_UPDATE_COMMAND_UI(CWndPanel::kEditCommand, &CWndTimeTable::OnUpdateEdit)
    ON_MESSAGE(WM_TT_DOUBLE_CLICK, &CWndTimeTable::OnItemDoubleClicked)
    ON_COMMAND(ID_TASK_ASSOCIATIONS, &CWndTimeTable::OnAssociations)
    ON_MESSAGE(WM_TT_ASSOCIATIONS, &CWndTimeTable::OnAssociationsRequest)
    ON_COMMAND(ID_EDIT_ABSENCE_OR_REMARK, &CWndTimeTable::OnEditAbsenceOrRemark)
    ON_COMMAND(ID_SELECT_BY, &CWndTimeTable::OnSelectBy)
    ON_MESSAGE(WM_TT_DELETE_KEY, &CWndTimeTable::OnDeleteKey)
    ON_MESSAGE(WM_TT_SELECT_KEY, &CWndTimeTable::OnSelectAllKey)
    ON_COMMAND(ID_SELECT_ALL_CARDS, &CWndTimeTable::OnToggleSelectAll)
    ON_COMMAND(ID_SWAP_SELECTION_KIND, &CWndTimeTable::OnSwapSelectionKind)
    ON_COMMAND(ID_TOGGLE_PINNED_RANGES, &CWndTimeTable::OnTogglePinnedRanges)
    ON_COMMAND(ID_EDIT_COPY, &CWndTimeTable::CopyToClipboard)
    ON_COMMAND(ID_EDIT_PASTE, &CWndTimeTable::PasteFromClipboard)
    ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, &CWndTimeTable::OnUpdateCopy)
    ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, &CWndTimeTable::OnUpdatePaste)
    ON_COMMAND(ID_FILE_PRINT, &CWndTimeTable::OnPrint)
    ON_UPDATE_COMMAND_UI(ID_FILE_PRINT, &CWndTimeTable::OnUpdatePrint)
    ON_COMMAND(ID_SHOW_PLACEABLE_ACTIVITIES, &CWndTimeTable::OnShowPlaceableActivities)
    ON_COMMAND(ID_SHOW_JOINABLE_ENTITIES, &CWndTimeTable::OnShowJoinableEntities)
    ON_COMMAND(ID_SHOW_FREE_ROOMS, &CWndTimeTable::OnShowFreeRooms)
    ON_COMMAND(ID_SHOW_ENTRY_PEOPLE, &CWndTimeTable::OnShowEntryPeople)
    ON_UPDATE_COMMAND_UI(ID_SHOW_PLACEABLE_ACTIVITIES, &CWndTimeTable::OnUpdateShowPanelMode)
    ON_UPDATE_COMMAND_UI(ID_SHOW_JOINABLE_ENTITIES, &CWndTimeTable::OnUpdateShowPanelMode)
    ON_UPDATE_COMMAND_UI(ID_SHOW_FREE_ROOMS, &CWndTimeTable::OnUpdateShowPanelMode)
    ON_UPDATE_COMMAND_UI(ID_SHOW_ENTRY_PEOPLE, &CWndTimeTable::OnUpdateShowPanelMode)
    ON_COMMAND(ID_TOGGLE_GROUP_BLOCKS, &CWndTimeTable::OnToggleGroupBlocks)
    ON_COMMAND(ID_MAGNET_PAGE_REPORT, &CWndTimeTable::OnPageReport)
    ON_COMMAND(ID_TOGGLE_ENTRY_COLOURS, &CWndTimeTable::OnToggleEntryColours)
    ON_UPDATE_COMMAND_UI(ID_TOGGLE_SPLIT, &CWndTimeTable::OnUpdateToggleSplit)
    ON_UPDATE_COMMAND_UI(ID_TOGGLE_GROUP_BLOCKS, &CWndTimeTable::OnUpdateToggleGroupBlocks)
    ON_UPDATE_COMMAND_UI(ID_TOGGLE_ENTRY_COLOURS, &CWndTimeTable::OnUpdateToggleEntryColours)
END_MESSAGE_MAP()

CWndTimeTable::CWndTimeTable() : m_wndTimeTable(&m_arrPinnedRanges) { m_bIncludeType5 = 0; }

CWndTimeTable::~CWndTimeTable() = default;

int CWndTimeTable::OnCreate(LPCREATESTRUCT cs) {
    if (CMyView::OnCreate(cs) == -1) return -1;
    if (!m_wndTimeTable.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, kControlId)) return -1;
    m_wndTimeTable.SetOwner(this);
    GetPanel().m_wndList.m_pDropTarget = &m_wndTimeTable.GetPane(0).GetBody();
    CTimeTableCtrlView& first = m_wndTimeTable.GetPane(0);
    std::fill(std::begin(first.m_tDaySlotStart), std::end(first.m_tDaySlotStart), MakeTimeOfDay(8, 0));
    std::fill(std::begin(first.m_tDaySlotEnd), std::end(first.m_tDaySlotEnd), MakeTimeOfDay(15, 0));
    const CScheduleData* data = GetAppDocument();
    const COleDateTime firstDay = data ? data->GetFirstWeekdayDate() : COleDateTime(2000, 1, 3, 0, 0, 0);
    m_wndTimeTable.SetDayRange(6, firstDay, MakeTimeOfDay(7, 0));
    return 0;
}

// Page-base slots ----------------------------------------------------------------------------------

CWnd* CWndTimeTable::GetMainWnd() { return &m_wndTimeTable; }

void CWndTimeTable::OnLayoutDone() {
    m_wndTimeTable.GetPane(0).GetBody().m_bRoomMarks = GetPanel().m_nMode == 3 ? 1 : 0;
}

BOOL CWndTimeTable::HasSelection() {
    const CTimeTableCtrlView* pane = m_wndTimeTable.GetActivePane();
    return pane && pane->m_nSelectionMode != 0;
}

CEntityArray::iterator CWndTimeTable::GetActiveViewEntity() {
    CScheduleData* data = GetAppDocument();
    static CEntityArray none;
    if (!data) return none.end();
    if (!m_wndTimeTable.IsSplit() || m_wndTimeTable.GetActivePane() == &m_wndTimeTable.GetPane(0))
        return data->FindCurrentEntity();
    return data->FindEntity(m_wndTimeTable.m_nSecondPaneEntity);
}

// Update broadcast -----------------------------------------------------------------------------------

void CWndTimeTable::ClosePanelUnlessPinned() {
    if (GetPanel().m_bPinned) return;
    GetPanel().m_nMode = 0;
    LayoutPanes();
}

void CWndTimeTable::LayoutColumnsForNoEntity() {
    m_wndTimeTable.GetTitle().ForgetSavedWidths();
    m_wndTimeTable.GetTitle().LayoutColumns(0);
}

void CWndTimeTable::Update(int kind) {
    CScheduleData* data = GetAppDocument();
    if (!data || !GetSafeHwnd()) return;
    const bool hidden = !IsWindowVisible();
    if (hidden && kind == 2) m_wndTimeTable.GetPane(0).m_nChimeSet = data->GetCurrentChimeSetId();
    if (hidden && kind != 3 && kind != 4 && kind != 5) {
        LayoutColumnsForNoEntity();
        m_bPendingRefresh = 1;
        return;
    }
    m_bPendingRefresh = 0;
    switch (kind) {
    case 0:
        LayoutColumnsForNoEntity();
        m_wndTimeTable.Invalidate(TRUE);
        break;
    case 2:
        ClosePanelUnlessPinned();
        m_wndTimeTable.GetPane(0).m_nChimeSet = data->GetCurrentChimeSetId();
        if (m_wndTimeTable.m_nSecondPaneEntity == 0) {
            const auto current = data->FindCurrentEntity();
            if (current != data->m_arrEntities.end()) m_wndTimeTable.AddEntityTab(current->m_strName, current->m_nId, 1);
        }
        break;
    case 3:
        ClosePanelUnlessPinned();
        LayoutPanes();
        LayoutColumnsForNoEntity();
        m_wndTimeTable.GetPane(0).ClearItems();
        m_wndTimeTable.GetPane(1).ClearItems();
        return;
    case 4:
    case 5:
        m_wndTimeTable.SetDayRange(data->m_nDays, data->GetStartDate(), data->m_tDayStart);
        LayoutColumnsForNoEntity();
        m_wndTimeTable.GetPane(0).m_nChimeSet = data->GetCurrentChimeSetId();
        if (m_wndTimeTable.IsSplit())
            m_wndTimeTable.ToggleSplit();
        else
            m_wndTimeTable.GetTitle().LayoutColumns(data->m_nCurrentEntity);
        break;
    case 7:
        if (m_wndTimeTable.IsSplit()) AddTabsFromPanel();
        return;
    default: break;
    }
    m_wndTimeTable.GetTitle().LayoutColumns(data->m_nCurrentEntity);
    RefreshPanel();
}

void CWndTimeTable::RefreshContent(const CPageContent&) {
    const CScheduleData* data = GetAppDocument();
    if (!data) return;
    const std::size_t days = static_cast<std::size_t>(std::clamp(data->m_nDays, 0, CTimeTableCtrl::kMaxDays));
    const bool sameDays = m_wndTimeTable.GetTitle().GetColumns().size() == days &&
                          IsSameDay(m_wndTimeTable.GetPlanStart(), data->GetStartDate()) &&
                          m_wndTimeTable.GetPane(0).GetHeader().GetDayStart() == data->m_tDayStart;
    Update(sameDays ? 1 : 4);
}

void CWndTimeTable::OnShowWindow(BOOL show, UINT status) {
    CMyView::OnShowWindow(show, status);
    CScheduleData* data = GetAppDocument();
    if (!show || !data || data->m_arrEntities.empty() || !m_bPendingRefresh) return;
    ClosePanelUnlessPinned();
    LayoutPanes();
    m_wndTimeTable.GetTitle().LayoutColumns(data->m_nCurrentEntity);
    RefreshPanel();
    m_bPendingRefresh = 0;
}

void CWndTimeTable::RefreshPanel() {
    CScheduleData* data = GetAppDocument();
    if (!data) return;
    if (data->m_arrEntities.empty()) {
        ClosePanelUnlessPinned();
        LayoutPanes();
        CMyView::RefreshPanel();
        return;
    }
    if (data->FindCurrentEntity() != data->m_arrEntities.end()) {
        FillView(0, data->m_nCurrentEntity);
        if (m_wndTimeTable.IsSplit()) {
            FillView(1, m_wndTimeTable.m_nSecondPaneEntity);
            m_wndTimeTable.SelectSecondPaneTab();
            m_wndTimeTable.GetFolderTabs().Invalidate(FALSE);
        }
        CMyView::RefreshPanel();
        RefreshPanelMode(5);
        return;
    }
    for (int p = 0; p < 2; ++p) {
        CTimeTableCtrlView& pane = m_wndTimeTable.GetPane(p);
        std::fill(std::begin(pane.m_tDaySlotStart), std::end(pane.m_tDaySlotStart), MakeTimeOfDay(8, 0));
        std::fill(std::begin(pane.m_tDaySlotEnd), std::end(pane.m_tDaySlotEnd), MakeTimeOfDay(16, 0));
        m_wndTimeTable.ApplyDaySlotsToColumns(p);
    }
    CMyView::RefreshPanel();
}

// Split display and folder tabs --------------------------------------------------------------------

void CWndTimeTable::SetSecondPaneEntity(const CEntity& entity) {
    CScheduleData* data = GetAppDocument();
    CTimeTableCtrlView& second = m_wndTimeTable.GetPane(1);
    m_wndTimeTable.m_nSecondPaneEntity = entity.m_nId;
    second.m_bRoom = entity.m_nType == 4 ? 1 : 0;
    second.m_nChimeSet = data ? data->GetEntityChimeSetId(entity.m_nId) : 0;
}

void CWndTimeTable::OnToggleSplit() {
    CScheduleData* data = GetAppDocument();
    if (!data) return;
    const auto current = data->FindCurrentEntity();
    if (current == data->m_arrEntities.end()) return;
    if (m_wndTimeTable.m_nSecondPaneEntity == 0) {
        m_wndTimeTable.AddEntityTab(current->m_strName, current->m_nId, 1);
        SetSecondPaneEntity(*current);
    }
    m_wndTimeTable.ToggleSplit();
    RefreshPanel();
}

void CWndTimeTable::OnUpdateToggleSplit(CCmdUI* cmdUI) {
    const CScheduleData* data = GetAppDocument();
    cmdUI->Enable(data && data->FindCurrentEntity() != data->m_arrEntities.end());
    cmdUI->SetCheck(m_wndTimeTable.IsSplit());
}

LRESULT CWndTimeTable::OnTabChanged(WPARAM entityId, LPARAM) {
    CScheduleData* data = GetAppDocument();
    const int id = static_cast<int>(entityId);
    if (!data || id == 0) return 0;
    const auto entity = data->FindEntity(id);
    if (entity == data->m_arrEntities.end()) return 0;
    SetSecondPaneEntity(*entity);
    FillView(1, id);
    m_wndTimeTable.GetPane(1).GetBody().Invalidate(FALSE);
    m_wndTimeTable.SelectSecondPaneTab();
    m_wndTimeTable.GetFolderTabs().Invalidate(FALSE);
    return 0;
}

LRESULT CWndTimeTable::OnNavigateEntity(WPARAM entityId, LPARAM) {
    CScheduleData* data = GetAppDocument();
    const int id = static_cast<int>(entityId);
    if (!data || id == 0) return 0;
    const auto entity = data->FindEntity(id);
    if (entity == data->m_arrEntities.end()) return 0;
    if (!m_wndTimeTable.IsSplit() || m_wndTimeTable.GetActivePane() == &m_wndTimeTable.GetPane(0)) {
        data->SetCurrentEntity(id);
        return 0;
    }
    m_wndTimeTable.AddEntityTab(entity->m_strName, id, 1);
    SetSecondPaneEntity(*entity);
    FillView(1, id);
    m_wndTimeTable.GetPane(1).GetBody().Invalidate(FALSE);
    m_wndTimeTable.SelectSecondPaneTab();
    m_wndTimeTable.RecalcLayout();
    return 0;
}

LRESULT CWndTimeTable::OnItemClicked(WPARAM pane, LPARAM) {
    // The people of the lesson, the people who may join it and its free rooms follow the click.
    RefreshPanelMode(5);
    AddTabsForClickedItem(pane);
    RefreshPanelMode(2);
    RefreshPanelMode(3);
    return 0;
}

void CWndTimeTable::AddTabsForClickedItem(WPARAM pane) {
    CScheduleData* data = GetAppDocument();
    CTimeTableCtrlView* active = m_wndTimeTable.GetActivePane();
    if (!data || !m_wndTimeTable.IsSplit() || !active || !active->GetCurrentItem()) return;
    if (pane == 0) m_wndTimeTable.GetFolderTabs().RemoveUnpinnedTabs();
    const CTimeTableItem& item = *active->GetCurrentItem();
    std::vector<int> ids;
    if (item.m_bGroupItem) {
        const auto group = data->FindGroup(item.m_nGroup);
        if (group != data->m_arrGroups.end()) group->GetMembers(*data, ids);
    } else {
        const auto entry = data->FindEntryBySerial(item.m_nSource);
        if (entry != data->m_arrEntries.end()) entry->GetParticipantsByType(*data, ids, 6);
    }
    const auto addTab = [&](int id) {
        const auto entity = data->FindEntity(id);
        if (id == data->m_nCurrentEntity || entity == data->m_arrEntities.end()) return;
        m_wndTimeTable.AddEntityTab(entity->m_strName, id, 0);
    };
    for (const int id : ids) {
        addTab(id);
        const auto entity = data->FindEntity(id);
        if (pane != 1 || entity == data->m_arrEntities.end() || (entity->m_nType != 1 && entity->m_nType != 2)) continue;
        for (const CEntity& other : data->m_arrEntities)
            if (other.m_nType == 0) addTab(other.m_nId);
    }
    m_wndTimeTable.RecalcLayout();
    m_wndTimeTable.SelectSecondPaneTab();
}

void CWndTimeTable::OnPageReport() {
    if (CScheduleData* data = GetAppDocument()) RequestPageReport(*data, 3);
}

void CWndTimeTable::AddTabsFromPanel() {
    CScheduleData* data = GetAppDocument();
    if (!data) return;
    std::vector<int> ids;
    for (const int id : GetPanel().GetSelectedIds()) {
        if (GetPanel().m_nMode == 1) {
            const auto activity = data->FindActivity(id);
            if (activity != data->m_arrActivities.end())
                ids.insert(ids.end(), activity->m_arrMembers.begin(), activity->m_arrMembers.end());
        } else if (GetPanel().m_nMode != 4) {
            ids.push_back(id);
        }
    }
    if (!ids.empty() && static_cast<int>(ids.size()) < data->Settings().GetMaxTabs()) {
        for (const int id : ids) {
            const auto entity = data->FindEntity(id);
            if (entity == data->m_arrEntities.end()) continue;
            m_wndTimeTable.AddEntityTab(entity->m_strName, id, 1);
            m_wndTimeTable.GetFolderTabs().SelectTabByData(id);
        }
    }
    m_wndTimeTable.RecalcLayout();
    m_wndTimeTable.SelectSecondPaneTab();
}

// Status text and display switches ------------------------------------------------------------------

LRESULT CWndTimeTable::OnPointerMoved(WPARAM, LPARAM) {
    if (CScheduleData* data = GetAppDocument()) data->Host().SetStatusText(m_wndTimeTable.GetTitle().GetStatusText());
    return 0;
}

void CWndTimeTable::OnToggleGroupBlocks() {
    m_bGrouping = !m_bGrouping;
    RefreshPanel();
}

void CWndTimeTable::OnToggleEntryColours() {
    m_bEntryColours = !m_bEntryColours;
    RefreshPanel();
}

void CWndTimeTable::OnUpdateToggleGroupBlocks(CCmdUI* cmdUI) {
    cmdUI->Enable(TRUE);
    cmdUI->SetCheck(m_bGrouping);
}

void CWndTimeTable::OnUpdateToggleEntryColours(CCmdUI* cmdUI) {
    cmdUI->Enable(TRUE);
    cmdUI->SetCheck(m_bEntryColours);
}
