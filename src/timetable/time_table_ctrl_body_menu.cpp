// The grid body's context menu: the state commands of the selected items and the navigation
// between entities (the people of an item, back and forward, the next and previous entity).
#include <algorithm>

#include "controls/app_document.h"
#include "controls/icon_menu.h"
#include "model/merge_sort.h"
#include "model/schedule_data.h"
#include "platform/core/load_res_string.h"
#include "resource_ids.h"
#include "timetable/time_table_ctrl.h"
#include "timetable/time_table_ctrl_body.h"
#include "timetable/time_table_ctrl_view.h"
#include "timetable/time_table_messages.h"

namespace {

bool NamesEntity(const CScheduleData& data, int id) { return id != 0 && data.FindEntity(id) != data.m_arrEntities.end(); }

}  // namespace

void CTimeTableCtrlBody::OnRButtonDown(UINT flags, CPoint point) {
    ShowContextMenu(point);
    CWnd::OnRButtonDown(flags, point);
}

void CTimeTableCtrlBody::AddPopupMember(int entityId) {
    const CScheduleData* data = GetAppDocument();
    if (!data || entityId == data->m_nCurrentEntity || entityId == m_nBackTarget || entityId == m_nForwardTarget) return;
    if (std::find(m_arrPopupMembers.begin(), m_arrPopupMembers.end(), entityId) != m_arrPopupMembers.end()) return;
    m_arrPopupMembers.push_back(entityId);
}

void CTimeTableCtrlBody::ShowContextMenu(CPoint point) {
    if (CTimeTableCtrl* control = GetControl()) control->SendNotifyMessage(WM_TT_ACTIVATE_PANE, m_nPaneIndex, 0);
    CTimeTableCtrlView* pane = GetPane();
    CScheduleData* data = GetAppDocument();
    if (!pane || !data) return;
    CIconMenu menu;
    menu.CreatePopupMenu();
    bool separator = false;
    if (pane->m_nSelectionMode == 1 && m_nDragMode != kDragMove) {
        menu.AppendMenu(MF_STRING | MF_CHECKED, ID_SET_STATE_0, LoadResString(IDS_TT_STATE_0));
        menu.AppendMenu(MF_STRING | MF_CHECKED, ID_SET_STATE_1, LoadResString(IDS_TT_STATE_1));
        menu.AppendMenu(MF_STRING | MF_CHECKED, ID_SET_STATE_2, LoadResString(IDS_TT_STATE_2));
        if (pane->AllSelectedInvolveEntity() &&
            (pane->IsEntityAbsentForSelection() || pane->IsEntityReplacingForSelection())) {
            menu.AppendMenu(MF_STRING | MF_CHECKED, ID_SET_STATE_7, LoadResString(IDS_TT_STATE_7));
            menu.AppendMenu(MF_STRING | MF_CHECKED, ID_SET_STATE_9, LoadResString(IDS_TT_STATE_9));
        }
        separator = true;
    }
    pane->RebuildSelectionCopies();
    const CTimeTableItem* under = nullptr;
    if (pane->m_arrSelection.size() < 2) {
        const int index = pane->ItemAt(point);
        under = index == CTimeTableCtrlView::kNone ? nullptr : &pane->m_arrItems[index];
        if (under) {
            m_arrPopupMembers.clear();
            if (under->m_bGroupItem) {
                if (data->FindGroup(under->m_nGroup) != data->m_arrGroups.end())
                    for (const CActivity& activity : data->m_arrActivities)
                        if (activity.m_nGroup == under->m_nGroup)
                            for (const int id : activity.m_arrMembers) AddPopupMember(id);
            } else {
                const auto entry = data->FindEntryBySerial(under->m_nSource);
                if (entry != data->m_arrEntries.end()) {
                    for (const CReplacement& replacement : entry->m_arrReplacements) AddPopupMember(replacement.m_nEntity);
                    const auto activity = data->FindActivity(entry->m_nActivity);
                    if (activity != data->m_arrActivities.end())
                        for (const int id : activity->m_arrMembers) AddPopupMember(id);
                }
            }
            std::erase_if(m_arrPopupMembers, [data](int id) { return !NamesEntity(*data, id); });
            StableMergeSort(m_arrPopupMembers, [data](int a, int b) {
                const CEntity& x = *data->FindEntity(a);
                const CEntity& y = *data->FindEntity(b);
                if (x.m_nType != y.m_nType) return x.m_nType < y.m_nType;
                return x.m_strName.Compare(y.m_strName) < 0;
            });
            if (separator && !m_arrPopupMembers.empty()) menu.AppendMenu(MF_SEPARATOR);
            for (std::size_t k = 0; k < m_arrPopupMembers.size(); ++k)
                menu.AppendMenu(MF_STRING | MF_CHECKED, ID_NAVIGATE_MEMBER + static_cast<UINT>(k),
                                data->FindEntity(m_arrPopupMembers[k])->m_strName);
            separator = true;
        }
        if (separator) menu.AppendMenu(MF_SEPARATOR);
        if (NamesEntity(*data, m_nForwardTarget))
            menu.AppendMenu(MF_STRING | MF_CHECKED, ID_NAVIGATE_FORWARD, data->FindEntity(m_nForwardTarget)->m_strName);
        if (NamesEntity(*data, m_nBackTarget))
            menu.AppendMenu(MF_STRING | MF_CHECKED, ID_NAVIGATE_BACK, data->FindEntity(m_nBackTarget)->m_strName);
        menu.AppendMenu(MF_STRING | MF_CHECKED, ID_PREVIOUS_ENTITY, LoadResString(IDS_PREVIOUS_ENTITY));
        menu.AppendMenu(MF_STRING | MF_CHECKED, ID_NEXT_ENTITY, LoadResString(IDS_NEXT_ENTITY));
    }
    if (under && !under->m_bGroupItem) {
        const auto entry = data->FindEntryBySerial(under->m_nSource);
        if (entry != data->m_arrEntries.end()) {
            const bool rooms = data->HasRooms();
            const bool replaced = !entry->m_arrReplacements.empty();
            if (rooms || replaced || !entry->m_arrRooms.empty()) menu.AppendMenu(MF_SEPARATOR);
            if (rooms) menu.AppendMenu(MF_STRING, ID_ENTRY_ASSOCIATIONS, LoadResString(IDS_TT_ASSOCIATIONS));
            if (replaced) menu.AppendMenu(MF_STRING, ID_ENTRY_PEOPLE, LoadResString(IDS_TT_ENTRY_PEOPLE));
        }
    }
    menu.LoadToolBarImages(IDR_NAVIGATE_MENU);
    menu.ConvertToOwnerDraw(&menu);
    menu.UpdateCommandUI(&menu, this);
    CPoint screen = point;
    ClientToScreen(&screen);
    menu.TrackPopupMenu(TPM_RIGHTBUTTON, screen.x, screen.y, this);
}

// State commands ---------------------------------------------------------------------------------

void CTimeTableCtrlBody::ApplyState(int state, LPARAM remark) {
    CTimeTableCtrlView* pane = GetPane();
    if (!pane || !pane->GetSafeHwnd()) return;
    pane->SetSelectedState(state);
    if (CWnd* page = GetPage()) page->SendNotifyMessage(WM_TT_ITEMS_CHANGED, m_nPaneIndex, remark);
    Invalidate(FALSE);
}

void CTimeTableCtrlBody::OnSetState0() { ApplyState(0, 0); }
void CTimeTableCtrlBody::OnSetState1() { ApplyState(1, 0); }
void CTimeTableCtrlBody::OnSetState2() { ApplyState(2, 0); }
void CTimeTableCtrlBody::OnSetState7() { ApplyState(7, 0); }
void CTimeTableCtrlBody::OnSetState9() { ApplyState(9, 1); }

void CTimeTableCtrlBody::UpdateStateCommand(CCmdUI* cmdUI, int state) {
    CTimeTableCtrlView* pane = GetPane();
    if (!pane) return;
    pane->RebuildSelectionCopies();
    const auto& selected = pane->m_arrSelection;
    const bool anyGroup = std::any_of(selected.begin(), selected.end(), [](const CTimeTableItem& i) { return i.m_bGroupItem; });
    const bool allInState =
        std::all_of(selected.begin(), selected.end(), [state](const CTimeTableItem& i) { return i.m_nState == state; });
    const auto anyIn = [&selected](std::initializer_list<int> states) {
        return std::any_of(selected.begin(), selected.end(), [states](const CTimeTableItem& i) {
            return std::find(states.begin(), states.end(), i.m_nState) != states.end();
        });
    };
    bool enable = true, check = allInState;
    switch (state) {
    case 7: enable = !anyIn({5}); break;
    case 9: enable = selected.size() == 1 && !anyIn({5}); break;
    default:
        enable = !anyIn({3, 5, 6}) && !anyGroup;
        check = allInState && !anyGroup;
        break;
    }
    cmdUI->Enable(enable);
    cmdUI->SetCheck(check ? 1 : 0);
}

void CTimeTableCtrlBody::OnUpdateSetState0(CCmdUI* cmdUI) { UpdateStateCommand(cmdUI, 0); }
void CTimeTableCtrlBody::OnUpdateSetState1(CCmdUI* cmdUI) { UpdateStateCommand(cmdUI, 1); }
void CTimeTableCtrlBody::OnUpdateSetState2(CCmdUI* cmdUI) { UpdateStateCommand(cmdUI, 2); }
void CTimeTableCtrlBody::OnUpdateSetState7(CCmdUI* cmdUI) { UpdateStateCommand(cmdUI, 7); }
void CTimeTableCtrlBody::OnUpdateSetState9(CCmdUI* cmdUI) { UpdateStateCommand(cmdUI, 9); }
void CTimeTableCtrlBody::OnUpdateAlwaysEnabled(CCmdUI* cmdUI) { cmdUI->Enable(TRUE); }

// Entity navigation ------------------------------------------------------------------------------

namespace {
void RequestEntity(CWnd* page, int id) {
    if (page) page->SendNotifyMessage(WM_TT_NAVIGATE, static_cast<WPARAM>(id), 0);
}
}  // namespace

void CTimeTableCtrlBody::OnNavigateToMember(UINT id) {
    const CScheduleData* data = GetAppDocument();
    const std::size_t k = id - ID_NAVIGATE_MEMBER;
    const int target = k < m_arrPopupMembers.size() ? m_arrPopupMembers[k] : 0;
    m_arrPopupMembers.clear();
    if (!data || !NamesEntity(*data, target)) return;
    m_nBackTarget = data->m_nCurrentEntity;
    m_nForwardTarget = 0;
    RequestEntity(GetPage(), target);
}

void CTimeTableCtrlBody::OnNavigateBack() {
    const CScheduleData* data = GetAppDocument();
    if (!data) return;
    const int target = m_nBackTarget;
    m_nForwardTarget = data->m_nCurrentEntity;
    m_nBackTarget = 0;
    RequestEntity(GetPage(), target);
}

void CTimeTableCtrlBody::OnNavigateForward() {
    const CScheduleData* data = GetAppDocument();
    if (!data) return;
    const int target = m_nForwardTarget;
    m_nBackTarget = data->m_nCurrentEntity;
    m_nForwardTarget = 0;
    RequestEntity(GetPage(), target);
}

// Back after next or previous returns to the entity that was left.
void CTimeTableCtrlBody::NavigateToNeighbour(bool next) {
    CScheduleData* data = GetAppDocument();
    if (!data) return;
    const auto neighbour = next ? data->GetNextEntity() : data->GetPreviousEntity();
    if (neighbour == data->m_arrEntities.end()) return;
    m_nBackTarget = data->m_nCurrentEntity;
    m_nForwardTarget = 0;
    RequestEntity(GetPage(), neighbour->m_nId);
}

void CTimeTableCtrlBody::OnNextEntity() { NavigateToNeighbour(true); }
void CTimeTableCtrlBody::OnPreviousEntity() { NavigateToNeighbour(false); }

void CTimeTableCtrlBody::OnUpdateNextEntity(CCmdUI* cmdUI) {
    CScheduleData* data = GetAppDocument();
    cmdUI->Enable(data && data->GetNextEntity() != data->m_arrEntities.end());
}

void CTimeTableCtrlBody::OnUpdatePreviousEntity(CCmdUI* cmdUI) {
    CScheduleData* data = GetAppDocument();
    cmdUI->Enable(data && data->GetPreviousEntity() != data->m_arrEntities.end());
}

void CTimeTableCtrlBody::OnEntryPeople() {
    if (CWnd* page = GetPage()) page->SendNotifyMessage(WM_TT_ENTRY_PEOPLE, 0, 0);
}

void CTimeTableCtrlBody::OnAssociations() {
    if (CWnd* page = GetPage()) page->SendNotifyMessage(WM_TT_ASSOCIATIONS, 0, 0);
}
