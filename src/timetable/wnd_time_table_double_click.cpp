// The double click on the timetable grid: a lesson opens its activity (or, in a dated plan, its
// people or its room pairs), a group item its group, and empty selected time the absence there.
#include "controls/app_document.h"
#include "model/plan_check.h"
#include "model/time_values.h"
#include "platform/core/load_res_string.h"
#include "resource_ids.h"
#include "timetable/wnd_time_table.h"

LRESULT CWndTimeTable::OnItemDoubleClicked(WPARAM entrySerial, LPARAM groupId) {
    CScheduleData* data = GetAppDocument();
    if (!data) return 0;
    if (entrySerial != 0) {
        const auto entry = data->FindEntryBySerial(static_cast<std::uint64_t>(entrySerial));
        if (entry == data->m_arrEntries.end()) return 0;
        const bool dated = !data->HasDefaultStartDate();
        if (dated && !entry->m_arrReplacements.empty()) {
            OnShowEntryPeople();
        } else if (dated && entry->CountAvailableStaff(*data) > 1 && entry->CountRooms(*data) > 0) {
            if (EditAssociations(entry->GetSerial())) RecheckAndRefresh(*data, TRUE);
        } else
            EditActivity(entry->m_nActivity, FALSE);
        return 0;
    }
    if (groupId != 0) {
        EditGroup(static_cast<int>(groupId));
        return 0;
    }
    EditAbsenceInRanges();
    return 0;
}

void CWndTimeTable::EditAbsenceInRanges() {
    CScheduleData* data = GetAppDocument();
    const CTimeTableCtrlView* pane = m_wndTimeTable.GetActivePane();
    if (!data || !pane || pane->m_nSelectionMode != 2 || data->HasDefaultStartDate() || !s_dialogs.editAbsence) return;
    const auto entity = GetActiveViewEntity();
    if (entity == data->m_arrEntities.end()) return;
    for (const CItemTime& range : pane->m_arrSelectedRanges) {
        for (std::size_t i = 0; i < entity->m_arrAbsences.size(); ++i) {
            const CAbsence& absence = entity->m_arrAbsences[i];
            if (!IntervalsOverlap(absence.m_dtStart, absence.m_dtStart + absence.m_tsLength, range.m_dtStart,
                                  range.GetEndTime()))
                continue;
            CAbsence copy = absence;
            const int entityId = entity->m_nId;
            if (!s_dialogs.editAbsence(copy, LoadResString(IDS_TT_ABSENCE_UPDATE))) return;
            const auto target = data->FindEntity(entityId);
            if (target == data->m_arrEntities.end() || i >= target->m_arrAbsences.size()) return;
            data->SaveUndo();
            target->m_arrAbsences[i] = copy;
            RecheckAndRefresh(*data, TRUE);
            return;
        }
    }
}
