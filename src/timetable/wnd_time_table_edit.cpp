// Writing the grid's edits and drops into the document: one undo step per edit, taken only when
// the document is about to change, then the overlap limits and the plan check.
#include <algorithm>
#include <stdexcept>

#include "controls/app_document.h"
#include "model/plan_check.h"
#include "model/time_values.h"
#include "platform/core/load_res_string.h"
#include "platform/ui/wait_cursor.h"
#include "resource_ids.h"
#include "timetable/time_table_ctrl_view.h"
#include "timetable/time_table_messages.h"
#include "timetable/wnd_time_table.h"

namespace {

// The remark of a state-9 item is asked for every entity but an entity of type 5. The entity's
// OVERLAPS plays no part: 0 there means only that its entries may overlap without limit.
bool AsksForRemark(const CEntity& entity) { return entity.m_nType != 5; }

void ShowStop(CScheduleData& data, UINT text, MessageIcon icon = MessageIcon::Stop) {
    data.Answerer().Ask(LoadResString(text), LoadResString(IDS_ERROR_CAPTION), MessageButtons::Ok, icon);
}

// Whether the item differs from what the document holds for it.
bool IsItemChanged(const CScheduleData& data, const CTimeTableItem& item, int grouping) {
    if (item.m_bGroupItem) {
        if (!grouping) return false;
        return CompareTimesApprox(item.m_dtStart, item.m_block.m_dtStart) != 0 ||
               WholeMinutes(item.m_tsLength) != WholeMinutes(item.m_block.m_tsDuration);
    }
    const auto entry = data.FindEntryBySerial(item.m_nSource);
    if (entry == data.m_arrEntries.end()) return false;
    return CompareTimesApprox(item.m_dtStart, entry->m_dtStart) != 0 ||
           WholeMinutes(item.m_tsLength) != WholeMinutes(entry->m_tsLength) || item.m_nState != entry->GetState(data) ||
           (item.m_nState == 9 && item.m_strRemark != entry->m_strRemark);
}

// A new entry of the activity where the pane's drop landed: state 2, not cancelled.
CTimetableEntry DroppedEntry(const CTimeTableCtrlView& pane, int activityId) {
    CTimetableEntry entry(pane.m_dtDropStart, pane.m_tsDropLength);
    entry.m_nActivity = activityId;
    entry.m_nState = 2;
    return entry;
}

}  // namespace

// An entity that was over its limit already (an imported plan, a clash made elsewhere) does not
// block edits that leave it as it was; only an edit that puts someone new over the limit goes.
void CWndTimeTable::FinishEdit(CScheduleData& data, const std::vector<int>& overLimitBefore) {
    if (data.PutsNewEntityOverLimit(overLimitBefore)) {
        // Someone would be booked beyond OVERLAPS: the edit leaves no trace but the problem list.
        data.RollBackEdit();
        RefreshPanel();
        return;
    }
    RecheckAndRefresh(data, TRUE);
}

LRESULT CWndTimeTable::OnItemsChanged(WPARAM paneIndex, LPARAM askRemark) {
    CScheduleData* data = GetAppDocument();
    if (!data) return 0;
    const int pinned = GetPanel().m_bPinned;
    const int index = paneIndex == 1 ? 1 : 0;
    CTimeTableCtrlView& pane = m_wndTimeTable.GetPane(index);
    const auto entity = data->FindEntity(pane.m_nEntity);
    if (entity == data->m_arrEntities.end()) return 0;
    CWaitCursor wait;
    m_wndTimeTable.SendMessage(WM_TT_ACTIVATE_PANE, static_cast<WPARAM>(index), 0);

    if (askRemark == 1 && pane.m_nSelectionMode == 1 && AsksForRemark(*entity)) {
        const CTimeTableItem* current = pane.GetCurrentItem();
        CString remark = current ? current->m_strRemark : CString();
        if (!s_dialogs.remark || !s_dialogs.remark(remark)) {
            for (CTimeTableItem& item : pane.m_arrItems)
                if (item.m_nState == 9 && item.m_strRemark.IsEmpty()) item.m_nState = 2;
            pane.GetBody().Invalidate(FALSE);
            return 0;
        }
        for (CTimeTableItem& item : pane.m_arrItems)
            if (item.m_bSelected && !item.m_bGroupItem) item.m_strRemark = remark;
    }

    // What differs from the document: day windows first, then the items.
    bool rangesRead = true;
    try {
        m_wndTimeTable.ReadDayRangesFromColumns(index);
    } catch (const std::invalid_argument&) {
        rangesRead = false;
    }
    const __time64_t dayStart = data->m_tDayStart;
    std::vector<int> changedDays;
    const auto& columns = m_wndTimeTable.GetTitle().GetColumns();
    for (int i = 0; rangesRead && i < CTimeTableCtrlView::kDaySlots && i < static_cast<int>(columns.size()); ++i) {
        // A holiday's column has no working time to read.
        if (m_wndTimeTable.IsHolidayDate(columns[i].m_dtRangeStart[index])) continue;
        const __time64_t shownStart =
            CompareTime64Approx(entity->m_tDayStart[i], dayStart) == -1 ? dayStart : entity->m_tDayStart[i];
        if (CompareTime64Approx(pane.m_tDaySlotEnd[i], entity->m_tDayEnd[i]) != 0 ||
            CompareTime64Approx(pane.m_tDaySlotStart[i], shownStart) != 0)
            changedDays.push_back(i);
    }
    std::vector<const CTimeTableItem*> changedItems;
    for (const CTimeTableItem& item : pane.m_arrItems)
        if (IsItemChanged(*data, item, m_bGrouping)) changedItems.push_back(&item);
    if (changedDays.empty() && changedItems.empty()) {
        if (!pinned) OnClosePanel(0, 0);
        return 0;
    }

    const std::vector<int> overLimit = data->FindEntitiesOverLimit();
    data->SaveUndo();
    for (const int i : changedDays) {
        if (CompareTime64Approx(pane.m_tDaySlotEnd[i], entity->m_tDayEnd[i]) != 0) entity->m_tDayEnd[i] = pane.m_tDaySlotEnd[i];
        const __time64_t start = pane.m_tDaySlotStart[i];
        if (CompareTime64Approx(start, entity->m_tDayStart[i]) != 0)
            entity->m_tDayStart[i] = CompareTime64Approx(start, dayStart) == -1 ? dayStart : start;
    }
    for (const CTimeTableItem* item : changedItems) {
        if (item->m_bGroupItem) {
            data->MoveGroupEntries(item->m_nGroup, item->m_block.m_dtStart, item->m_block.GetEndTime(), item->m_dtStart,
                                   item->m_tsLength);
            continue;
        }
        const auto entry = data->FindEntryBySerial(item->m_nSource);
        if (entry != data->m_arrEntries.end())
            data->UpdateEntry(&*entry, item->m_nActivity, item->m_dtStart, item->m_tsLength, item->m_nState,
                              item->m_strRemark);
    }
    FinishEdit(*data, overLimit);
    if (!pinned) OnClosePanel(0, 0);
    return 0;
}

void CWndTimeTable::CommitItems() {
    CScheduleData* data = GetAppDocument();
    CTimeTableCtrlView* pane = m_wndTimeTable.GetActivePane();
    if (!data || !pane) return;
    CWaitCursor wait;
    int changed = 0;
    for (const CTimeTableItem& item : pane->m_arrItems) {
        const auto entry = data->FindEntryBySerial(item.m_nSource);
        if (item.m_bGroupItem || entry == data->m_arrEntries.end()) continue;
        changed |= data->UpdateEntry(&*entry, item.m_nActivity, item.m_dtStart, item.m_tsLength, item.m_nState,
                                     item.m_strRemark);
    }
    if (changed) RecheckAndRefresh(*data, TRUE);
}

// Drops from the side panel ------------------------------------------------------------------------

LRESULT CWndTimeTable::OnEntityDroppedOnItem(WPARAM, LPARAM) {
    CScheduleData* data = GetAppDocument();
    CTimeTableCtrlView* pane = m_wndTimeTable.GetActivePane();
    if (!data || !pane) return 0;
    const int target = pane->m_nDropTarget;
    if (target < 0 || target >= static_cast<int>(pane->m_arrItems.size())) return 0;
    const auto entry = data->FindEntryBySerial(pane->m_arrItems[target].m_nSource);
    if (entry == data->m_arrEntries.end()) return 0;
    const auto activity = data->FindActivity(entry->m_nActivity);
    const auto entity = data->FindEntity(pane->m_nDropEntity);
    if (activity == data->m_arrActivities.end() || entity == data->m_arrEntities.end()) return 0;
    const COleDateTime start = entry->m_dtStart, end = entry->m_dtStart + entry->m_tsLength;
    if (entity->m_nType == 4) {
        if (!activity->m_strLocation.IsEmpty()) {
            ShowStop(*data, IDS_TT_ROOM_HAS_LOCATION);
            return 0;
        }
        if (!entity->IsRoomFreeFor(*data, *entry)) {
            ShowStop(*data, IDS_TT_ROOM_NOT_FREE);
            return 0;
        }
        data->SaveUndo();
        entry->m_arrRooms.push_back(entity->m_nId);
    } else {
        if (!entity->IsFreeAt(*data, start, end) || entity->TakesPartIn(*data, *entry)) return 0;
        if (data->HasDefaultStartDate()) {
            if (!data->CanAddEntityToActivity(activity->m_nId, entity->m_nId)) {
                ShowStop(*data, IDS_TT_CANNOT_JOIN);
                return 0;
            }
            data->SaveUndo();
            activity->AddEntity(*data, entity->m_nId);
        } else {
            CReplacement record;
            record.m_nEntity = entity->m_nId;
            int openChoice = 1;
            if (entity->IsReplacingInOverlap(*data, *entry)) {
                record.m_bExtending = 1;
                openChoice = 0;
            } else if (!entity->HasEntryInInterval(*data, start, end)) {
                record.m_bExtending = 0;
                openChoice = 0;
            }
            data->RebuildReplacementIndex();
            std::vector<int> candidates;
            entry->GetMissingMembers(*data, candidates);
            if (!s_dialogs.substitute ||
                !s_dialogs.substitute(record, *entry, LoadResString(IDS_TT_SUBSTITUTE_TITLE), openChoice, candidates))
                return 0;
            data->SaveUndo();
            entry->m_arrReplacements.push_back(record);
        }
    }
    RecheckAndRefresh(*data, TRUE);
    return 0;
}

LRESULT CWndTimeTable::OnActivityDropped(WPARAM paneIndex, LPARAM) {
    CScheduleData* data = GetAppDocument();
    if (!data) return 0;
    const CTimeTableCtrlView& pane = m_wndTimeTable.GetPane(paneIndex == 1 ? 1 : 0);
    const auto activity = data->FindActivity(pane.m_nDropActivity);
    const auto entity = GetActiveViewEntity();
    if (activity == data->m_arrActivities.end() || entity == data->m_arrEntities.end()) return 0;
    const CTimetableEntry entry = DroppedEntry(pane, activity->m_nId);
    const bool member = activity->HasEntityId(*data, entity->m_nId);
    if (member && !data->CanPlaceEntry(activity->m_nId, 0, entry)) return 0;
    const std::vector<int> overLimit = data->FindEntitiesOverLimit();
    data->SaveUndo();
    if (member)
        data->AddEntry(entry, FALSE);
    else
        data->AddEntityToActivity(activity->m_nId, entity->m_nId, TRUE);
    FinishEdit(*data, overLimit);
    return 0;
}

LRESULT CWndTimeTable::OnGroupDropped(WPARAM paneIndex, LPARAM) {
    CScheduleData* data = GetAppDocument();
    if (!data) return 0;
    const CTimeTableCtrlView& pane = m_wndTimeTable.GetPane(paneIndex == 1 ? 1 : 0);
    const auto group = data->FindGroup(pane.m_nDropActivity);
    const auto entity = GetActiveViewEntity();
    if (group == data->m_arrGroups.end() || entity == data->m_arrEntities.end()) return 0;
    std::vector<int> withEntity, complete, notPlaceable, others;
    for (const CActivity& activity : data->m_arrActivities) {
        if (activity.m_nGroup != group->m_nId) continue;
        if (activity.IsTimeFilled(*data)) {
            complete.push_back(activity.m_nId);
            continue;
        }
        if (!data->CanPlaceEntry(activity.m_nId, 0, DroppedEntry(pane, activity.m_nId)))
            notPlaceable.push_back(activity.m_nId);
        else if (activity.HasEntityId(*data, entity->m_nId))
            withEntity.push_back(activity.m_nId);
        else
            others.push_back(activity.m_nId);
    }
    if (withEntity.empty() && others.empty()) {
        if (!complete.empty()) ShowStop(*data, IDS_TT_GROUP_ALREADY_COMPLETE, MessageIcon::Warning);
        return 0;
    }
    if (!s_dialogs.chooseActivities || !s_dialogs.chooseActivities(withEntity, complete, notPlaceable, others)) return 0;
    if (withEntity.empty() && others.empty()) return 0;
    const std::vector<int> overLimit = data->FindEntitiesOverLimit();
    data->SaveUndo();
    for (const std::vector<int>* list : {&withEntity, &others})
        for (const int id : *list) {
            // The plan check below refreshes every page once for all the new entries.
            data->AddEntry(DroppedEntry(pane, id), FALSE);
        }
    FinishEdit(*data, overLimit);
    return 0;
}
