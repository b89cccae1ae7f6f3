// The tasks page's commands on the diary's selection: new task or entry, edit, delete, remove
// entries, dissolve and make groups, quota, associations, the narrowed panel lists and the
// report. Each edit takes the undo snapshot just before it first changes the document and ends
// with the plan check.
#include <algorithm>
#include <unordered_set>

#include "controls/app_document.h"
#include "frame/edit_group_record.h"
#include "frame/frame_application.h"
#include "model/activity_group.h"
#include "model/description_texts.h"
#include "model/linked_entities.h"
#include "model/plan_check.h"
#include "model/plan_index.h"
#include "model/schedule_data.h"
#include "planner/wnd_tasks.h"
#include "platform/core/load_res_string.h"
#include "platform/ui/cmd_ui_state.h"
#include "platform/ui/win_app.h"
#include "resource_ids.h"

namespace {

void Tell(CScheduleData& data, UINT text, UINT caption, MessageIcon icon) {
    data.Answerer().Ask(LoadResString(text), LoadResString(caption), MessageButtons::Ok, icon);
}

// Whether the values the quota dialog may write are the same.
bool SameTaskSettings(const CActivity& a, const CActivity& b) {
    return a.m_tsDuration == b.m_tsDuration && a.m_tsMeeting == b.m_tsMeeting && a.m_nPosition == b.m_nPosition &&
           a.m_nDispersion == b.m_nDispersion && a.m_strSupervisor == b.m_strSupervisor && a.m_strRemark == b.m_strRemark &&
           a.m_strLocation == b.m_strLocation;
}

// The undo snapshot, taken once and only when the command is about to change something.
class CUndoStep {
public:
    explicit CUndoStep(CScheduleData& data) : m_data(data) {}
    void Take() {
        if (m_taken) return;
        m_data.SaveUndo();
        m_taken = true;
    }
    bool Taken() const { return m_taken; }

private:
    CScheduleData& m_data;
    bool m_taken = false;
};

}  // namespace

// Update rules ---------------------------------------------------------------------------------------------

void CWndTasks::OnUpdateNewTask(CCmdUI* cmdUI) {
    const CScheduleData* data = GetAppDocument();
    if (!data || data->m_arrEntities.empty() || data->FindCurrentEntity() == data->m_arrEntities.end()) {
        cmdUI->Enable(FALSE);
        return;
    }
    const int kind = m_wndDiary.m_nSelectionKind;
    if (kind == CDiaryCtrl::kSelectMembers || kind == CDiaryCtrl::kSelectGroup) {
        cmdUI->Enable(FALSE);
    } else if (kind == CDiaryCtrl::kSelectRange) {
        const int row = m_wndDiary.m_nCurrentRow;
        const bool valid = row >= 0 && row < static_cast<int>(m_wndDiary.m_arrRows.size());
        cmdUI->Enable(valid && data->CanPlaceEntry(m_wndDiary.m_arrRows[row].m_nActivity, 0,
                                                   CTimetableEntry(m_wndDiary.m_dtRangeStart, m_wndDiary.m_tsRangeLength)));
    } else {
        cmdUI->Enable(TRUE);
    }
}

void CWndTasks::OnUpdateEditTask(CCmdUI* cmdUI) {
    const int kind = m_wndDiary.m_nSelectionKind;
    cmdUI->Enable(!m_wndDiary.IsEmpty() && kind != CDiaryCtrl::kSelectNothing && kind != CDiaryCtrl::kSelectMembers);
}

void CWndTasks::OnUpdateDelete(CCmdUI* cmdUI) {
    const CScheduleData* data = GetAppDocument();
    const int kind = m_wndDiary.m_nSelectionKind;
    if (kind == CDiaryCtrl::kSelectRange) {
        const int row = m_wndDiary.m_nCurrentRow;
        cmdUI->Enable(data && row >= 0 && row < static_cast<int>(m_wndDiary.m_arrRows.size()) &&
                      data->ActivityHasOverlappingEntry(m_wndDiary.m_arrRows[row].m_nActivity, m_wndDiary.m_dtRangeStart,
                                                        m_wndDiary.m_tsRangeLength));
        return;
    }
    cmdUI->Enable(kind != CDiaryCtrl::kSelectNothing);
}

void CWndTasks::OnUpdateCopy(CCmdUI* cmdUI) {
    const int kind = m_wndDiary.m_nSelectionKind;
    cmdUI->Enable(kind != CDiaryCtrl::kSelectNothing && kind != CDiaryCtrl::kSelectRange);
}

void CWndTasks::OnUpdatePaste(CCmdUI* cmdUI) {
    CScheduleData* data = GetAppDocument();
    CString text;
    cmdUI->Enable(data && !data->m_arrEntities.empty() && data->Clipboard().GetText(text) && !text.IsEmpty());
}

// Dialog helpers -------------------------------------------------------------------------------------------

void CWndTasks::EditActivity(int activityId, bool clearRoomsOfLocation) {
    CScheduleData* data = GetAppDocument();
    if (!data) return;
    const auto stored = data->FindActivity(activityId);
    if (stored == data->m_arrActivities.end() || !s_dialogs.editTask) return;
    CActivity copy = *stored;
    if (!s_dialogs.editTask(copy, IDS_TASK_EDIT_OK)) return;
    data->SaveUndo();
    const auto target = data->FindActivity(activityId);
    if (target == data->m_arrActivities.end()) return;
    *target = copy;
    if (clearRoomsOfLocation && !copy.m_strLocation.IsEmpty()) data->ClearActivityRooms(activityId);
    RecheckAndRefresh(*data, TRUE);
    Rebuild();
    StartScrollTimer(activityId);
}

void CWndTasks::EditGroup(int groupId) {
    if (CScheduleData* data = GetAppDocument()) EditGroupRecord(*data, groupId, s_dialogs.editGroup);
}

// New, edit, delete --------------------------------------------------------------------------------------------

void CWndTasks::OnNewTask() {
    CScheduleData* data = GetAppDocument();
    if (!data) return;
    const auto current = data->FindCurrentEntity();
    if (current == data->m_arrEntities.end()) return;
    const int kind = m_wndDiary.m_nSelectionKind;
    if (kind == CDiaryCtrl::kSelectNothing || kind == CDiaryCtrl::kSelectRows) {
        CActivity activity;
        activity.m_nId = data->GetNextActivityId();
        activity.m_nGroup = 0;
        activity.m_crBackground = GetSysColor(COLOR_WINDOW);
        activity.m_crForeground = GetSysColor(COLOR_WINDOWTEXT);
        activity.m_nHatch = 6;
        activity.m_nDispersion = data->m_nDispersion;
        activity.m_nPosition = 0;
        activity.m_tsMeeting = COleDateTimeSpan(0, 0, 60, 0);
        if (!s_dialogs.editTask || !s_dialogs.editTask(activity, IDS_NEW_ENTITY_CAPTION)) return;
        data->SaveUndo();
        m_bRefillFully = 0;
        const int currentId = current->m_nId;
        activity.AddEntity(*data, currentId);
        activity.DeriveChimeSet(*data);
        const int id = activity.m_nId;
        data->m_arrActivities.push_back(std::move(activity));
        RecheckAndRefresh(*data, TRUE);
        StartScrollTimer(id);
    } else if (kind == CDiaryCtrl::kSelectRange) {
        const int row = m_wndDiary.m_nCurrentRow;
        if (row < 0 || row >= static_cast<int>(m_wndDiary.m_arrRows.size())) return;
        CTimetableEntry entry(m_wndDiary.m_dtRangeStart, m_wndDiary.m_tsRangeLength);
        entry.m_nActivity = m_wndDiary.m_arrRows[row].m_nActivity;
        entry.SetState(2);
        data->SaveUndo();
        m_bRefillFully = 0;
        // A dated plan gives the entry state 4 and the unplaced original.
        data->AddEntry(entry, FALSE);
        data->Host().SetStatusText(LoadResString(IDS_STATUS_READY));
        RecheckAndRefresh(*data, TRUE);
    }
}

void CWndTasks::OnEditTask() {
    const int kind = m_wndDiary.m_nSelectionKind;
    if (kind == CDiaryCtrl::kSelectRows) {
        if (m_wndDiary.CountFlaggedRows() == 1 && m_wndDiary.m_nCurrentRow >= 0 &&
            m_wndDiary.m_nCurrentRow < static_cast<int>(m_wndDiary.m_arrRows.size()))
            EditActivity(m_wndDiary.m_arrRows[m_wndDiary.m_nCurrentRow].m_nActivity, true);
        else
            OnTaskQuota();
    } else if (kind == CDiaryCtrl::kSelectGroup && m_wndDiary.CountSelectedGroups() == 1 && m_wndDiary.m_nCurrentGroup >= 0 &&
               m_wndDiary.m_nCurrentGroup < static_cast<int>(m_wndDiary.m_arrGroups.size())) {
        EditGroup(m_wndDiary.m_arrGroups[m_wndDiary.m_nCurrentGroup].m_nGroup);
    }
}

void CWndTasks::OnDelete() {
    CScheduleData* data = GetAppDocument();
    if (!data) return;
    const int kind = m_wndDiary.m_nSelectionKind;
    if (kind == CDiaryCtrl::kSelectNothing) return;
    CUndoStep undo(*data);
    data->m_arrProblems.clear();
    m_bRefillFully = 0;
    if (kind == CDiaryCtrl::kSelectRows) {
        std::unordered_set<int> withEntries;
        for (const CTimetableEntry& entry : data->m_arrEntries) withEntries.insert(entry.m_nActivity);
        bool problems = false;
        for (int id : FlaggedActivities()) {
            const auto activity = data->FindActivity(id);
            if (activity == data->m_arrActivities.end()) continue;
            if (withEntries.count(id)) {
                CString text;
                text.Format(IDS_TASK_HAS_ENTRIES, FormatActivityWithMembers(*data, *activity).GetString());
                AddProblem(*data, 13, text, activity->GetMainMemberId(*data));
                problems = true;
                continue;
            }
            undo.Take();
            data->DeleteActivity(id);
            m_bRefillFully = 1;
        }
        if (problems) {
            // The tasks that were deleted must leave the diary too; the problems stay listed.
            RecheckAndRefresh(*data, FALSE);
            RefreshPanel();
            return;
        }
    } else if (kind == CDiaryCtrl::kSelectMembers) {
        bool removed = false;
        for (const CDiaryRow& row : m_wndDiary.m_arrRows)
            for (const CDiaryMember& member : row.m_arrMembers) {
                if (!member.m_bSelected) continue;
                const auto activity = data->FindActivity(row.m_nActivity);
                if (activity == data->m_arrActivities.end()) continue;
                undo.Take();
                activity->RemoveEntity(*data, member.m_nEntity);
                removed = true;
            }
        if (!removed) return;
    } else if (kind == CDiaryCtrl::kSelectRange) {
        const int row = m_wndDiary.m_nCurrentRow;
        if (row < 0 || row >= static_cast<int>(m_wndDiary.m_arrRows.size())) return;
        undo.Take();
        data->ClearActivityInterval(m_wndDiary.m_arrRows[row].m_nActivity, m_wndDiary.m_dtRangeStart,
                                    m_wndDiary.m_tsRangeLength);
    } else if (kind == CDiaryCtrl::kSelectGroup) {
        const int group = m_wndDiary.m_nCurrentGroup;
        if (group < 0 || group >= static_cast<int>(m_wndDiary.m_arrGroups.size())) return;
        m_bRefillFully = 1;
        // Someone over their limit already (an imported plan, a clash made elsewhere) does not
        // block the deletion; only one that puts someone new over the limit is taken back.
        const std::vector<int> overLimit = data->FindEntitiesOverLimit();
        undo.Take();
        data->DeleteGroup(m_wndDiary.m_arrGroups[group].m_nGroup);
        if (data->PutsNewEntityOverLimit(overLimit)) {
            // Taken back whole: no clean-up may follow that the undo could not restore.
            data->RollBackEdit();
            RefreshPanel();
            return;
        }
    }
    data->DeleteActivitiesWithoutMembers();
    data->DeleteUnusedGroups();
    RecheckAndRefresh(*data, TRUE);
    RefreshPanel();
}

void CWndTasks::OnRemoveEntries() {
    CScheduleData* data = GetAppDocument();
    if (!data) return;
    if (m_wndDiary.CountFlaggedRows() == 0 && m_wndDiary.CountSelectedGroups() == 0) {
        Tell(*data, IDS_SELECT_TASKS_FIRST, IDS_ERROR_CAPTION, MessageIcon::Stop);
        RecheckAndRefresh(*data, TRUE);
        return;
    }
    const MessageAnswer answer = data->Answerer().Ask(LoadResString(IDS_CONFIRM_REMOVE_TASK_ENTRIES),
                                                      LoadResString(IDS_SAVE_CAPTION), MessageButtons::YesNoCancel,
                                                      MessageIcon::Question);
    if (answer == MessageAnswer::Yes) {
        CUndoStep undo(*data);
        std::unordered_set<int> withEntries;
        for (const CTimetableEntry& entry : data->m_arrEntries) withEntries.insert(entry.m_nActivity);
        m_bRefillFully = 0;
        std::vector<int> groups;
        for (const CDiaryGroup& group : m_wndDiary.m_arrGroups)
            if (group.m_bSelected) groups.push_back(group.m_nGroup);
        for (const CActivity& activity : data->m_arrActivities) {
            const int row = m_wndDiary.FindRow(activity.m_nId);
            const bool flagged = row != CDiaryCtrl::kNone && m_wndDiary.m_arrRows[row].m_bFlagged;
            const bool inGroup = activity.m_nGroup && std::find(groups.begin(), groups.end(), activity.m_nGroup) != groups.end();
            if ((!flagged && !inGroup) || !withEntries.count(activity.m_nId)) continue;
            undo.Take();
            data->RemoveActivityEntries(activity.m_nId);
        }
    }
    RecheckAndRefresh(*data, TRUE);
}

// Groups ---------------------------------------------------------------------------------------------------------

void CWndTasks::OnDissolveGroups() {
    CScheduleData* data = GetAppDocument();
    if (!data) return;
    data->m_arrProblems.clear();
    if (m_wndDiary.CountFlaggedRows() == 0) return;
    if (data->Answerer().Ask(LoadResString(IDS_CONFIRM_DISSOLVE_GROUPS), LoadResString(IDS_SAVE_CAPTION),
                             MessageButtons::YesNo, MessageIcon::Question) != MessageAnswer::Yes)
        return;
    std::vector<int> groups;
    for (int id : FlaggedActivities()) {
        const auto activity = data->FindActivity(id);
        if (activity != data->m_arrActivities.end() && activity->m_nGroup) groups.push_back(activity->m_nGroup);
    }
    if (groups.empty()) return;
    data->SaveUndo();
    IProgress& progress = data->Host().ShowProgress(LoadResString(IDS_DISSOLVING_GROUPS));
    progress.SetRange(0, static_cast<int>(groups.size()) + 1);
    progress.SetPos(0);
    progress.SetStep(1);
    for (int group : groups) {
        for (CActivity& activity : data->m_arrActivities) {
            if (activity.m_nGroup != group) continue;
            data->RemoveActivityEntries(activity.m_nId);
            activity.m_nGroup = 0;
        }
        progress.StepIt();
    }
    data->DeleteUnusedGroups();
    progress.StepIt();
    data->Host().HideProgress();
    RecheckAndRefresh(*data, TRUE);
}

void CWndTasks::OnGroupTasks() {
    CScheduleData* data = GetAppDocument();
    if (!data) return;
    const std::vector<int> flagged = FlaggedActivities();
    if (flagged.size() < 2) {
        Tell(*data, IDS_SELECT_TWO_TASKS, IDS_ERROR_CAPTION, MessageIcon::Stop);
        return;
    }
    CString name;
    int target = 0;
    for (int id : flagged) {
        const auto activity = data->FindActivity(id);
        if (activity == data->m_arrActivities.end()) continue;
        name += activity->GetDisplayName() + L"/";
        if (activity->m_nGroup == 0) continue;
        if (target == 0) {
            target = activity->m_nGroup;
        } else if (activity->m_nGroup != target) {
            data->m_arrProblems.clear();
            AddProblem(*data, 13, LoadResString(IDS_TASKS_IN_TWO_GROUPS), data->m_nCurrentEntity);
            data->PublishProblems();
            return;
        }
    }
    CUndoStep undo(*data);
    if (target == 0) {
        CActivityGroup group;
        group.m_nId = data->GetNextGroupId();
        group.m_crBackground = GetSysColor(COLOR_BTNSHADOW);
        group.m_crForeground = GetSysColor(COLOR_WINDOWTEXT);
        group.m_nHatch = 6;
        name.TrimRight(L'/');
        group.m_strName = name;
        if (!s_dialogs.editGroup || !s_dialogs.editGroup(group)) return;
        undo.Take();
        target = group.m_nId;
        data->m_arrGroups.push_back(std::move(group));
    }
    for (int id : flagged) {
        const auto activity = data->FindActivity(id);
        if (activity == data->m_arrActivities.end() || activity->m_nGroup == target) continue;
        undo.Take();
        activity->m_nGroup = target;
    }
    if (undo.Taken()) RecheckAndRefresh(*data, TRUE);
    RefreshPanel();
    m_wndDiary.SelectGroup(target);
}

// Quota and associations ---------------------------------------------------------------------------------------------

void CWndTasks::OnTaskQuota() {
    CScheduleData* data = GetAppDocument();
    if (!data || data->FindCurrentEntity() == data->m_arrEntities.end()) return;
    if (m_wndDiary.m_nSelectionKind == CDiaryCtrl::kSelectRows && m_wndDiary.CountFlaggedRows() < 2) {
        Tell(*data, IDS_SELECT_TWO_TASKS_FOR_QUOTA, IDS_ERROR_CAPTION, MessageIcon::Warning);
        return;
    }
    if (!s_dialogs.taskQuota) return;
    // The dialog writes into the store; the snapshot is taken afterwards from the rows' activities
    // as they were, and only when the dialog changed one of them.
    std::vector<CActivity> before;
    for (const CDiaryRow& row : m_wndDiary.m_arrRows) {
        const auto activity = data->FindActivity(row.m_nActivity);
        if (activity != data->m_arrActivities.end()) before.push_back(*activity);
    }
    s_dialogs.taskQuota(m_wndDiary, this);
    std::vector<CActivity> after;
    for (const CActivity& old : before) {
        const auto now = data->FindActivity(old.m_nId);
        if (now != data->m_arrActivities.end() && !SameTaskSettings(old, *now)) after.push_back(*now);
    }
    if (!after.empty()) {
        for (const CActivity& changed : after) *data->FindActivity(changed.m_nId) = *std::find_if(
            before.begin(), before.end(), [&](const CActivity& a) { return a.m_nId == changed.m_nId; });
        data->SaveUndo();
        for (CActivity& changed : after) *data->FindActivity(changed.m_nId) = std::move(changed);
    }
    RecheckAndRefresh(*data, TRUE);
}

void CWndTasks::OnAssociations() {
    CScheduleData* data = GetAppDocument();
    if (!data) return;
    const std::vector<int> flagged = FlaggedActivities();
    if (flagged.size() != 1) return;
    const auto activity = data->FindActivity(flagged.front());
    if (activity == data->m_arrActivities.end()) return;
    std::vector<int> staff, rooms;
    for (int id : activity->m_arrMembers) {
        const auto entity = data->FindEntity(id);
        if (entity != data->m_arrEntities.end() && entity->m_nType >= 1 && entity->m_nType <= 3) staff.push_back(id);
    }
    for (int id : activity->m_arrRooms)
        if (data->FindEntity(id) != data->m_arrEntities.end()) rooms.push_back(id);
    if (rooms.size() < 2) {
        Tell(*data, IDS_TASK_NEEDS_TWO_ROOMS, IDS_ERROR_CAPTION, MessageIcon::Stop);
        return;
    }
    std::vector<CRoomPair> pairs = activity->m_arrPairs;
    // Cancel leaves the activity and its entries as they were.
    if (!s_dialogs.associations || !s_dialogs.associations(rooms, staff, pairs)) return;
    data->SaveUndo();
    const int id = activity->m_nId;
    activity->m_arrPairs = std::move(pairs);
    for (CTimetableEntry& entry : data->m_arrEntries)
        if (entry.m_nActivity == id) entry.m_arrPairs.clear();
}

// Narrowed panel lists -------------------------------------------------------------------------------------------------

void CWndTasks::OnShowPanelFittingEntities() {
    CScheduleData* data = GetAppDocument();
    GetPanel().Clear();
    const std::vector<int> flagged = FlaggedActivities();
    if (!data || flagged.empty()) {
        OnShowPanelEntities();
        return;
    }
    StartMode(2, 292, 5, IDS_PANEL_FITTING_PEOPLE, 195);
    m_wndDiary.SendMessage(kPanelMode, 2, 0);
    CWndPanel& panel = GetPanel();
    panel.m_wndList.RemoveAllGroups();
    panel.m_wndList.EnableGroupView(TRUE);
    const UINT titles[4] = {IDS_CONTACTS_CLASSES, IDS_CONTACTS_STAFF, IDS_CONTACTS_ASSISTANTS, IDS_CONTACTS_EQUIPMENT};
    for (int g = 0; g < 4; ++g) panel.InsertGroup(LoadResString(titles[g]), g);
    const CPlanIndex index(*data);
    const std::unordered_set<int> linkedToCurrent = LinkedEntities(*data, index, data->m_nCurrentEntity);
    for (const CEntity& entity : data->m_arrEntities) {
        if (entity.m_nType == 4) continue;
        const bool fits = std::all_of(flagged.begin(), flagged.end(), [&](int id) {
            return data->CanAddEntityToActivity(id, entity.m_nId, &index) != 0;
        });
        if (!fits) continue;
        const bool linked = linkedToCurrent.count(entity.m_nId) != 0;
        const int group = entity.m_nType == 1 || entity.m_nType == 2 ? 1 : entity.m_nType == 3 ? 2 : entity.m_nType == 0 ? 0 : 3;
        panel.AddItem(6 + entity.m_nType, entity.m_strName, CString(), linked ? RGB(255, 255, 0) : GetSysColor(COLOR_WINDOW),
                      linked ? 5 : 1, group, entity.m_nId);
    }
    panel.Fill();
    LayoutPanes();
}

void CWndTasks::OnShowPanelFittingRooms() {
    CScheduleData* data = GetAppDocument();
    GetPanel().Clear();
    const std::vector<int> flagged = FlaggedActivities();
    if (!data || flagged.empty()) {
        OnShowPanelRooms();
        return;
    }
    StartMode(3, 293, 5, IDS_PANEL_FITTING_ROOMS, 195);
    const int rooms = static_cast<int>(
        std::count_if(data->m_arrEntities.begin(), data->m_arrEntities.end(), [](const CEntity& e) { return e.m_nType == 4; }));
    IProgress& progress = data->Host().ShowProgress(LoadResString(IDS_FILLING_ROOM_PANEL));
    progress.SetRange(0, rooms);
    progress.SetStep(1);
    m_wndDiary.SendMessage(kPanelMode, 3, 0);
    CWndPanel& panel = GetPanel();
    panel.m_wndList.RemoveAllGroups();
    panel.m_wndList.EnableGroupView(TRUE);
    panel.InsertGroup(LoadResString(IDS_PANEL_ROOMS_FREE), 1);
    panel.InsertGroup(LoadResString(IDS_PANEL_ROOMS_LIMITED), 2);
    const CPlanIndex index(*data);
    const std::unordered_set<int> linkedToCurrent = LinkedEntities(*data, index, data->m_nCurrentEntity);
    for (const CEntity& room : data->m_arrEntities) {
        if (room.m_nType != 4) continue;
        int worst = 0;
        for (int id : flagged) {
            const auto activity = data->FindActivity(id);
            worst = std::max(worst, activity == data->m_arrActivities.end()
                                        ? 2
                                        : activity->GetRoomConflict(*data, room.m_nId, &index));
        }
        progress.StepIt();
        if (worst == 2) continue;
        const bool linked = linkedToCurrent.count(room.m_nId) != 0;
        panel.AddItem(6 + room.m_nType, room.m_strName, CString(), linked ? RGB(255, 255, 0) : GetSysColor(COLOR_WINDOW),
                      linked ? 5 : 1, worst == 1 ? 2 : 1, room.m_nId);
    }
    data->Host().HideProgress();
    panel.Fill();
    LayoutPanes();
}

void CWndTasks::OnShowReport() {
    CScheduleData* data = GetAppDocument();
    if (!data) return;
    data->m_nViewType = 1;
    data->NotifyAllViews(6);
}

void CWndTasks::OnToggleSelectAll() {
    if (m_wndDiary.m_nSelectionKind == CDiaryCtrl::kSelectNothing) {
        m_wndDiary.SelectAllRows();
    } else {
        m_wndDiary.ClearSelection();
        m_wndDiary.UpdateScrollRange();
    }
}
