// The room pairs of a lesson: which of its rooms goes with which of its staff.
#include <algorithm>

#include "controls/app_document.h"
#include "model/plan_check.h"
#include "platform/core/load_res_string.h"
#include "resource_ids.h"
#include "timetable/wnd_time_table.h"

namespace {

// Same count, and every pair of b is in a.
bool SamePairSets(const std::vector<CRoomPair>& a, const std::vector<CRoomPair>& b) {
    if (a.size() != b.size()) return false;
    return std::all_of(b.begin(), b.end(), [&](const CRoomPair& p) { return std::find(a.begin(), a.end(), p) != a.end(); });
}

}  // namespace

void CWndTimeTable::OnAssociations() {
    CScheduleData* data = GetAppDocument();
    CTimeTableCtrlView* pane = m_wndTimeTable.GetActivePane();
    if (!data || !pane) return;
    if (pane->m_nSelectionMode != 1) {
        const UINT text = m_wndTimeTable.IsSplit() ? IDS_TT_ASSOC_NEED_ITEM_SPLIT : IDS_TT_ASSOC_NEED_ITEM;
        data->Answerer().Ask(LoadResString(text), LoadResString(IDS_ERROR_CAPTION), MessageButtons::Ok,
                             MessageIcon::Warning);
        return;
    }
    if (!data->HasRooms()) return;
    pane->RebuildSelectionCopies();
    if (pane->m_arrSelection.size() != 1) return;
    const CTimeTableItem& item = pane->m_arrSelection.front();
    if (item.m_bGroupItem || data->FindEntryBySerial(item.m_nSource) == data->m_arrEntries.end()) return;
    if (EditAssociations(item.m_nSource)) RecheckAndRefresh(*data, TRUE);
}

LRESULT CWndTimeTable::OnAssociationsRequest(WPARAM, LPARAM) {
    OnAssociations();
    return 0;
}

BOOL CWndTimeTable::EditAssociations(std::uint64_t entrySerial) {
    CScheduleData* data = GetAppDocument();
    if (!data || !s_dialogs.associations) return FALSE;
    const auto entry = data->FindEntryBySerial(entrySerial);
    if (entry == data->m_arrEntries.end()) return FALSE;
    std::vector<int> rooms, staff;
    entry->GetAvailableRooms(*data, rooms);
    entry->GetAvailableStaff(*data, staff);
    const auto activity = data->FindActivity(entry->m_nActivity);
    if (rooms.size() < 2 || activity == data->m_arrActivities.end()) return FALSE;
    // The edit runs on a copy so that a cancelled dialog leaves the lesson as it was.
    CTimetableEntry edited = *entry;
    if (edited.m_arrPairs.empty()) edited.m_arrPairs = activity->m_arrPairs;
    if (!s_dialogs.associations(rooms, staff, edited.m_arrPairs)) return FALSE;
    if (edited.CountRoomsWithoutPair() > 0 &&
        data->Answerer().Ask(LoadResString(IDS_TT_DROP_UNPAIRED_ROOMS), LoadResString(IDS_APP_CAPTION),
                             MessageButtons::YesNo, MessageIcon::Question) == MessageAnswer::Yes)
        edited.DropRoomsWithoutPair();
    // Pairs equal to the activity's are not kept: the lesson falls back to the activity's.
    if (SamePairSets(edited.m_arrPairs, activity->m_arrPairs)) edited.m_arrPairs.clear();
    if (edited.m_arrRooms == entry->m_arrRooms && edited.m_arrPairs == entry->m_arrPairs) return FALSE;
    data->SaveUndo();
    const auto target = data->FindEntryBySerial(entrySerial);
    if (target == data->m_arrEntries.end()) return FALSE;
    target->m_arrRooms = edited.m_arrRooms;
    target->m_arrPairs = edited.m_arrPairs;
    return TRUE;
}
