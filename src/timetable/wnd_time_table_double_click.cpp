// The double click on the timetable grid: a lesson opens its activity (or, in a dated plan, its
// people or its room pairs), a group item its group, and empty selected time the absence there.
#include "controls/app_document.h"
#include "model/plan_check.h"
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
    EditAbsenceInRanges(FALSE);
    return 0;
}
