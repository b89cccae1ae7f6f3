// The magnet page's edits of the document: the write-back of edited magnets, drops from the
// entity board, deleting magnets and the activity editor. Each takes the undo snapshot just
// before its first change and ends with FinishEdit.
#include <algorithm>
#include <limits>

#include "controls/app_document.h"
#include "model/model_host.h"
#include "model/plan_check.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "planner/wnd_magnet.h"
#include "platform/core/load_res_string.h"
#include "platform/ui/wait_cursor.h"
#include "resource_ids.h"

namespace {

// A new entry of the activity at the dropped time: state 2, no links.
CTimetableEntry DroppedEntry(int activityId, const CMagnetDropRecord& drop) {
    CTimetableEntry entry(drop.m_dtStart, drop.m_tsLength);
    entry.m_nActivity = activityId;
    entry.SetState(2);
    return entry;
}

// Whether the magnet shows other values than its entry in the document holds.
bool DiffersFromEntry(const CMagnetItem& magnet, const CScheduleData& data, const CTimetableEntry& entry) {
    if (WholeMinutes(magnet.m_dtEntryStart - entry.m_dtStart) != 0) return true;
    if (WholeMinutes(magnet.m_tsEntryLength) != WholeMinutes(entry.m_tsLength)) return true;
    if (magnet.m_nState != entry.GetState(data)) return true;
    return magnet.m_nState == 9 && magnet.m_strRemark != entry.m_strRemark;
}

}  // namespace

// An entity that was over its limit already (an imported plan, a clash made elsewhere) does not
// block edits that leave it as it was; only an edit that puts someone new over the limit goes.
void CWndMagnet::FinishEdit(CScheduleData& data, const std::vector<int>& overLimitBefore) {
    if (data.PutsNewEntityOverLimit(overLimitBefore)) {
        data.RollBackEdit();
        Refresh();
        return;
    }
    RecheckAndRefresh(data, TRUE);
}

LRESULT CWndMagnet::OnMagnetsEdited(WPARAM, LPARAM) {
    CScheduleData* data = GetAppDocument();
    if (!data) return 0;
    const int pinned = GetBoard().m_pinned;
    CWaitCursor wait;
    CMagnetRow* row = m_ctrl.GetCurrentRow();
    if (!row) return 0;
    // Only magnets that differ from their entries are written, each with its own entry's
    // start and length: a merged magnet's shown span is never written.
    bool saved = false;
    bool changed = false;
    std::vector<int> overLimit;
    const auto snapshot = [&] {
        if (!saved) {
            overLimit = data->FindEntitiesOverLimit();
            data->SaveUndo();
        }
        saved = true;
    };
    for (const CMagnetItem& magnet : row->m_arrMagnets) {
        if (magnet.m_bGroupItem) {
            const COleDateTime from = magnet.m_block.m_dtStart;
            if (WholeMinutes(magnet.m_dtEntryStart - from) == 0 &&
                WholeMinutes(magnet.m_tsEntryLength) == WholeMinutes(magnet.m_block.m_tsDuration))
                continue;
            snapshot();
            changed |= data->MoveGroupEntries(magnet.m_nGroup, from, from + magnet.m_block.m_tsDuration,
                                              magnet.m_dtEntryStart, magnet.m_tsEntryLength) != 0;
            continue;
        }
        auto entry = data->FindEntryBySerial(magnet.m_nEntry);
        if (entry == data->m_arrEntries.end() || !DiffersFromEntry(magnet, *data, *entry)) continue;
        snapshot();
        data->UpdateEntry(&*entry, magnet.m_nActivity, magnet.m_dtEntryStart, magnet.m_tsEntryLength, magnet.m_nState,
                          magnet.m_strRemark);
        changed = true;
    }
    if (changed) {
        FinishEdit(*data, overLimit);
    } else {
        if (saved) data->RestorePreviousUndo();
        RecheckAndRefresh(*data, TRUE);
    }
    GetBoard().m_pinned = pinned;
    UpdateBoard();
    return 0;
}

LRESULT CWndMagnet::OnActivityDropped(WPARAM, LPARAM) {
    CScheduleData* data = GetAppDocument();
    if (!data) return 0;
    if (!m_ctrl.GetCurrentRow()) {
        data->Answerer().Ask(LoadResString(IDS_MAGNET_NO_ENTITY), CString(), MessageButtons::Ok, MessageIcon::None);
        return 0;
    }
    const auto activity = data->FindActivity(m_ctrl.m_dropRecord.m_nId);
    if (activity == data->m_arrActivities.end()) return 0;
    const CTimetableEntry entry = DroppedEntry(activity->m_nId, m_ctrl.m_dropRecord);
    if (!data->CanPlaceEntry(activity->m_nId, 0, entry)) return 0;
    const std::vector<int> overLimit = data->FindEntitiesOverLimit();
    data->SaveUndo();
    data->AddEntry(entry, TRUE);
    FinishEdit(*data, overLimit);
    return 0;
}

LRESULT CWndMagnet::OnGroupDropped(WPARAM, LPARAM) {
    CScheduleData* data = GetAppDocument();
    const CMagnetRow* row = m_ctrl.GetCurrentRow();
    if (!data || !row) return 0;
    const auto group = data->FindGroup(m_ctrl.m_dropRecord.m_nId);
    if (group == data->m_arrGroups.end()) return 0;
    const int groupId = group->m_nId;
    std::vector<int> chosen, filled, refused, others;
    for (const CActivity& activity : data->m_arrActivities) {
        if (activity.m_nGroup != groupId) continue;
        if (activity.IsTimeFilled(*data)) {
            filled.push_back(activity.m_nId);
        } else if (!data->CanPlaceEntry(activity.m_nId, 0, DroppedEntry(activity.m_nId, m_ctrl.m_dropRecord))) {
            refused.push_back(activity.m_nId);
        } else if (activity.HasEntityId(*data, row->m_nEntityId)) {
            chosen.push_back(activity.m_nId);
        } else {
            others.push_back(activity.m_nId);
        }
    }
    if (chosen.empty() || !GetDialogs().chooseActivities) return 0;
    if (!GetDialogs().chooseActivities(chosen, filled, refused, others)) return 0;
    if (chosen.empty() && others.empty()) return 0;
    const std::vector<int> overLimit = data->FindEntitiesOverLimit();
    data->SaveUndo();
    for (const std::vector<int>* ids : {&chosen, &others})
        for (const int id : *ids) data->AddEntry(DroppedEntry(id, m_ctrl.m_dropRecord), TRUE);
    FinishEdit(*data, overLimit);
    return 0;
}

void CWndMagnet::OnDeleteMagnets() {
    CScheduleData* data = GetAppDocument();
    CMagnetRow* row = m_ctrl.GetCurrentRow();
    if (!data || !row || !data->HasDefaultStartDate()) return;
    const int pinned = GetBoard().m_pinned;
    CWaitCursor wait;
    std::vector<CMagnetItem> selected;
    for (const CMagnetItem& magnet : row->m_arrMagnets)
        if (magnet.m_bSelected) selected.push_back(magnet);
    if (selected.empty()) return;
    const std::vector<int> overLimit = data->FindEntitiesOverLimit();
    data->SaveUndo();
    for (const CMagnetItem& magnet : selected) {
        if (magnet.m_bGroupItem) {
            data->RemoveGroupEntriesInRange(magnet.m_nGroup, magnet.m_dtEntryStart, magnet.GetEntryEnd());
            continue;
        }
        const auto entry = data->FindEntryBySerial(magnet.m_nEntry);
        if (entry != data->m_arrEntries.end()) data->RemoveEntryByPointer(&*entry);
    }
    FinishEdit(*data, overLimit);
    GetBoard().m_pinned = pinned;
    UpdateBoard();
}

void CWndMagnet::OnEditActivity() {
    CScheduleData* data = GetAppDocument();
    CMagnetRow* row = m_ctrl.GetCurrentRow();
    if (!data || !row || !GetDialogs().editActivity) return;
    const int dragged = m_ctrl.FindDraggedInRow();
    if (dragged == CMagnetCtrl::kNone || row->m_arrMagnets[dragged].m_bGroupItem) return;
    const int id = row->m_arrMagnets[dragged].m_nActivity;
    auto activity = data->FindActivity(id);
    if (activity == data->m_arrActivities.end()) return;
    CActivity copy = *activity;
    if (!GetDialogs().editActivity(copy, IDS_MAGNET_EDIT_OK)) return;
    data->SaveUndo();
    activity = data->FindActivity(id);
    if (activity == data->m_arrActivities.end()) return;
    *activity = copy;
    if (!copy.m_strLocation.IsEmpty()) data->ClearActivityRooms(id);
    RecheckAndRefresh(*data, TRUE);
}

void CWndMagnet::OnNewActivity() {
    CScheduleData* data = GetAppDocument();
    const CMagnetRow* row = m_ctrl.GetCurrentRow();
    if (!data || !row || !GetDialogs().editActivity) return;
    unsigned largest = 0;
    for (const CActivity& activity : data->m_arrActivities) largest = std::max(largest, static_cast<unsigned>(activity.m_nId));
    CActivity activity;
    activity.m_nId = static_cast<int>(largest + 1);
    activity.m_nGroup = 0;
    activity.m_crBackground = GetSysColor(COLOR_WINDOW);
    activity.m_crForeground = GetSysColor(COLOR_WINDOWTEXT);
    activity.m_nHatch = 6;
    activity.m_tsMeeting = COleDateTimeSpan(0, 0, 60, 0);
    activity.m_nDispersion = data->m_nDispersion;
    activity.m_nPosition = 0;
    if (!GetDialogs().editActivity(activity, IDS_NEW_ENTITY_CAPTION)) return;
    data->SaveUndo();
    activity.AddEntity(*data, row->m_nEntityId);
    data->m_arrActivities.push_back(activity);
    RecheckAndRefresh(*data, TRUE);
}
