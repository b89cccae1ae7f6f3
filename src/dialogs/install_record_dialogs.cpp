#include "dialogs/install_record_dialogs.h"

#include <algorithm>

#include "controls/app_document.h"
#include "dialogs/activity_group_dlg.h"
#include "dialogs/chime_dlg.h"
#include "dialogs/contacts_dlg.h"
#include "dialogs/select_by_dlg.h"
#include "dialogs/substitute_dlg.h"
#include "dialogs/task_dlg.h"
#include "frame/wnd_contacts.h"
#include "frame/wnd_panel.h"
#include "model/activity.h"
#include "model/activity_group.h"
#include "model/chime_set.h"
#include "model/entity.h"
#include "model/plan_check.h"
#include "model/schedule_data.h"
#include "model/timetable_entry.h"
#include "platform/core/load_res_string.h"
#include "resource_ids.h"

namespace {

BOOL EditEntity(CEntity& entity, UINT okText, bool multiple, CMultipleEditOptions& options) {
    CContactsDlg dlg(&entity, nullptr);
    dlg.m_multiple = multiple ? 1 : 0;
    dlg.m_okText = LoadResString(okText);
    if (dlg.DoModal() != IDOK) return FALSE;
    options.chosenType = dlg.m_newStaffType;
    options.defaultColours = dlg.m_resetColours != 0;
    options.weekHours = dlg.m_scheduleChoice == 1;
    return TRUE;
}

// The chime-set dialog keeps the caption of its template.
BOOL EditChimeSet(CChimeSet& set, UINT, bool& makeDefault) {
    CChimeDlg dlg(&set, nullptr);
    if (dlg.DoModal() != IDOK) return FALSE;
    makeDefault = dlg.m_bMakeDefault != 0;
    return TRUE;
}

BOOL SelectBy(CSelectByFilter& filter) {
    CSelectByDlg dlg(&filter, nullptr);
    return dlg.DoModal() == IDOK;
}

// The replacement of the entity in the panel's entry. The dialog edits a copy of the entry, so
// the store stays as it was until the user accepts.
BOOL EditReplacement(CScheduleData& data, std::uint64_t entrySerial, int entityId) {
    data.RebuildReplacementIndex();
    const auto live = data.FindEntryBySerial(entrySerial);
    const auto entity = data.FindEntity(entityId);
    if (live == data.m_arrEntries.end() || entity == data.m_arrEntities.end()) return FALSE;
    CTimetableEntry entry = *live;
    const auto record = std::find_if(entry.m_arrReplacements.begin(), entry.m_arrReplacements.end(),
                                     [entityId](const CReplacement& r) { return r.m_nEntity == entityId; });
    if (record == entry.m_arrReplacements.end()) return FALSE;
    const bool standsInElsewhere = entity->IsReplacingInOverlap(data, entry);
    const bool busy = entity->HasEntryInInterval(data, entry.m_dtStart, entry.GetEndTime());
    if (standsInElsewhere) record->m_bExtending = 1;
    if (!busy) record->m_bExtending = 0;
    CSubstituteDlg dlg(&*record, &entry, LoadResString(IDS_EDIT_RECORD_CAPTION), busy && !standsInElsewhere, nullptr);
    entry.GetMissingMembers(data, dlg.m_candidates);
    if (dlg.DoModal() != IDOK) return FALSE;
    data.SaveUndo();
    *data.FindEntryBySerial(entrySerial) = entry;
    RecheckAndRefresh(data, TRUE);
    return TRUE;
}

BOOL EditActivity(CScheduleData& data, int id) {
    CActivity copy = *data.FindActivity(id);
    CTaskDlg dlg(&copy, nullptr);
    dlg.m_okText = LoadResString(IDS_EDIT_RECORD_CAPTION);
    if (dlg.DoModal() != IDOK) return FALSE;
    const auto stored = data.FindActivity(id);
    if (stored == data.m_arrActivities.end()) return FALSE;
    data.SaveUndo();
    *stored = copy;
    if (!copy.m_strLocation.IsEmpty()) data.ClearActivityRooms(id);
    RecheckAndRefresh(data, TRUE);
    return TRUE;
}

BOOL EditPanelEntity(CScheduleData& data, int id) {
    CEntity copy = *data.FindEntity(id);
    CMultipleEditOptions options;
    if (!EditEntity(copy, IDS_EDIT_RECORD_CAPTION, false, options)) return FALSE;
    const auto stored = data.FindEntity(id);
    if (stored == data.m_arrEntities.end()) return FALSE;
    data.SaveUndo();
    data.ApplyEntityEdit(copy, *stored);
    return TRUE;
}

BOOL EditGroup(CScheduleData& data, int id) {
    CActivityGroup copy = *data.FindGroup(id);
    CActivityGroupDlg dlg(&copy, nullptr);
    if (dlg.DoModal() != IDOK) return FALSE;
    const auto stored = data.FindGroup(id);
    if (stored == data.m_arrGroups.end()) return FALSE;
    data.SaveUndo();
    stored->m_strName = copy.m_strName;
    stored->m_crBackground = copy.m_crBackground;
    stored->m_crForeground = copy.m_crForeground;
    stored->m_nHatch = copy.m_nHatch;
    RecheckAndRefresh(data, TRUE);
    return TRUE;
}

// The panel has checked that the record of its mode exists.
BOOL EditPanelRecord(CWndPanel& panel, int id) {
    CScheduleData* data = GetAppDocument();
    if (!data) return FALSE;
    if (panel.m_nMode == 5) return EditReplacement(*data, panel.GetCurrentEntry(), id);
    if (panel.m_nMode == 1) return EditActivity(*data, id);
    if (panel.m_wndList.m_nDisplayMode != 0 && panel.m_nMode != 4) return EditPanelEntity(*data, id);
    return EditGroup(*data, id);
}

}  // namespace

void InstallRecordDialogs() {
    CWndContacts::s_dialogs = CContactsDialogs{EditEntity, EditChimeSet, SelectBy};
    CWndPanel::s_editRecord = EditPanelRecord;
    InstallSwapChooser();
    InstallTasksDialogs();
    InstallTimeTableDialogs();
    InstallMagnetDialogs();
}
