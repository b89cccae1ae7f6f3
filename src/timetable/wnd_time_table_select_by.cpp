// Selecting by a filter on the timetable page: hour slots of chosen plan days become selected
// time, or the lessons of chosen groups and activities, or with a participant of a given name,
// become selected.
#include <algorithm>

#include "controls/app_document.h"
#include "model/time_values.h"
#include "resource_ids.h"
#include "timetable/wnd_time_table.h"

namespace {

constexpr int kHourSlots = 16;

bool Contains(const std::vector<int>& ids, int id) { return std::find(ids.begin(), ids.end(), id) != ids.end(); }

bool Flagged(const std::vector<int>& flags, int index) {
    return index < static_cast<int>(flags.size()) && flags[index] != 0;
}

// Whether an entity whose name contains the text takes part in the entry: a room with a role in
// it that no overlapping entry beats, or one of its own rooms; anyone else as a member of the
// activity or named in its replacement records or rooms.
bool HasParticipantNamed(const CScheduleData& data, const CTimetableEntry& entry, const CString& text) {
    for (const CEntity& entity : data.m_arrEntities) {
        if (entity.m_strName.Find(text) < 0) continue;
        if (entity.m_nType == 4) {
            const int role = entry.GetRoomRole(data, entity.m_nId);
            const int elsewhere = role != 0 ? entry.GetBestRoomRoleElsewhere(data, entity.m_nId) : 0;
            if ((role != 0 && (elsewhere == 0 || elsewhere == 5 || elsewhere >= role)) || entry.HasRoom(entity.m_nId))
                return true;
        } else if (entry.HasMemberEntity(data, entity.m_nId) || entry.HasParticipant(entity.m_nId)) {
            return true;
        }
    }
    return false;
}

}  // namespace

void CWndTimeTable::OnSelectBy() {
    CScheduleData* data = GetAppDocument();
    CTimeTableCtrlView* pane = m_wndTimeTable.GetActivePane();
    if (!data || !pane || data->m_arrEntities.empty() || pane->m_nSelectionMode == 0 || !s_dialogs.selectBy) return;
    CSelectByFilter filter;
    filter.m_nMode = pane->m_nSelectionMode == 1 ? 3 : 2;
    const auto entity = data->FindEntity(pane->m_nEntity);
    filter.m_pEntity = entity != data->m_arrEntities.end() ? &*entity : nullptr;
    if (!s_dialogs.selectBy(filter)) return;
    pane->ClearSelection();
    if (filter.m_nMode == 2) {
        pane->m_nSelectionMode = 2;
        const int startHour = std::max(0, GetLocalHour(data->m_tDayStart));
        for (int day = 0; day < data->m_nDays; ++day) {
            if (!Flagged(filter.m_arrDays, day)) continue;
            const COleDateTime date = data->GetDayDate(day);
            for (int slot = 0; slot < kHourSlots; ++slot)
                if (Flagged(filter.m_arrHours, slot))
                    pane->AddRange(COleDateTime(date.GetYear(), date.GetMonth(), date.GetDay(), 0, 0, 0) +
                                       COleDateTimeSpan(0, startHour + slot, 0, 0),
                                   COleDateTimeSpan(0, 1, 0, 0));
        }
    } else {
        for (CTimeTableItem& item : pane->m_arrItems) {
            const auto entry = data->FindEntryBySerial(item.m_nSource);
            if (item.m_bGroupItem || entry == data->m_arrEntries.end()) continue;
            const auto activity = data->FindActivity(entry->m_nActivity);
            if (activity == data->m_arrActivities.end()) continue;
            if (Contains(filter.m_arrGroups, activity->m_nGroup) || Contains(filter.m_arrActivities, activity->m_nId) ||
                (!filter.m_strText.IsEmpty() && HasParticipantNamed(*data, *entry, filter.m_strText)))
                item.m_bSelected = 1;
        }
        pane->RebuildSelectionCopies();
        pane->m_nSelectionMode = 1;
    }
    if (pane->GetBody().GetSafeHwnd()) pane->GetBody().Invalidate(FALSE);
}
