// Selection commands of the timetable page and the removal of lessons from the grid's selection.
#include "controls/app_document.h"
#include "model/plan_check.h"
#include "model/time_values.h"
#include "platform/ui/wait_cursor.h"
#include "resource_ids.h"
#include "timetable/wnd_time_table.h"

namespace {

// The selected range covers the interval, both ends with the 3-minute tolerance.
bool Covers(const CItemTime& range, const COleDateTime& start, const COleDateTime& end) {
    return CompareTimesApprox(range.m_dtStart, start) != 1 && CompareTimesApprox(range.GetEndTime(), end) != -1;
}

}  // namespace

void CWndTimeTable::OnRemove() {
    CScheduleData* data = GetAppDocument();
    CTimeTableCtrlView* pane = m_wndTimeTable.GetActivePane();
    if (!data || !pane) return;
    if (GetPanel().m_nMode == 5 && GetPanel().m_wndList.GetSelectedCount() > 0) {
        GetPanel().SendMessage(WM_COMMAND, CWndPanel::kRemoveCommand, 0);
        return;
    }
    // What goes, collected first so that the undo step is taken only when something changes.
    struct Removal {
        int group = 0;  // group entries in the interval, else the entry
        COleDateTime start, end;
        CTimetableEntry entry;
        bool wholeEntry = true;  // else only the pane's entity leaves the entry
    };
    std::vector<Removal> removals;
    for (const CTimeTableItem& item : pane->m_arrItems) {
        const COleDateTime start = item.m_dtStart, end = item.GetEndTime();
        std::vector<const CItemTime*> covering;
        if (!item.m_bSelected)
            for (const CItemTime& range : pane->m_arrSelectedRanges)
                if (Covers(range, start, end)) covering.push_back(&range);
        if (item.m_bGroupItem) {
            if (item.m_bSelected) removals.push_back({item.m_nGroup, start, end, {}, true});
            for (const CItemTime* range : covering)
                removals.push_back({item.m_nGroup, range->m_dtStart, range->GetEndTime(), {}, true});
            continue;
        }
        const auto entry = data->FindEntryBySerial(item.m_nSource);
        if (entry == data->m_arrEntries.end()) continue;
        if (item.m_bSelected) {
            removals.push_back({0, start, end, *entry, true});
            continue;
        }
        if (covering.empty()) continue;
        const auto activity = data->FindActivity(entry->m_nActivity);
        const bool own = activity == data->m_arrActivities.end() || activity->HasEntityId(*data, pane->m_nEntity);
        removals.push_back({0, start, end, *entry, own});
    }
    if (removals.empty()) return;
    CWaitCursor wait;
    data->SaveUndo();
    for (const Removal& removal : removals) {
        if (removal.group)
            data->RemoveGroupEntriesInRange(removal.group, removal.start, removal.end);
        else if (removal.wholeEntry)
            data->RemoveEntry(removal.entry);
        else
            data->RemoveEntityFromEntry(pane->m_nEntity, removal.entry);
    }
    RecheckAndRefresh(*data, TRUE);
}

void CWndTimeTable::OnUpdateRemove(CCmdUI* cmdUI) {
    const CTimeTableCtrlView* pane = m_wndTimeTable.GetActivePane();
    cmdUI->Enable(pane && !pane->m_arrItems.empty() && pane->m_nSelectionMode != 0);
}

LRESULT CWndTimeTable::OnDeleteKey(WPARAM, LPARAM) {
    const CTimeTableCtrlView* pane = m_wndTimeTable.GetActivePane();
    if (pane && !pane->m_arrItems.empty() && pane->m_nSelectionMode != 0) OnRemove();
    return 0;
}

LRESULT CWndTimeTable::OnSelectAllKey(WPARAM, LPARAM selectAll) {
    CTimeTableCtrlView* pane = m_wndTimeTable.GetActivePane();
    if (!pane) return 0;
    if (selectAll == 1)
        pane->SelectAll();
    else
        pane->ClearSelection();
    RefreshPanelMode(GetPanel().m_nMode);
    return 0;
}

void CWndTimeTable::OnToggleSelectAll() {
    CTimeTableCtrlView* pane = m_wndTimeTable.GetActivePane();
    if (!pane) return;
    if (pane->m_nSelectionMode != 0) {
        pane->ClearSelection();
        if (pane->GetBody().GetSafeHwnd()) pane->GetBody().Invalidate(FALSE);
    } else {
        pane->SelectAll();
    }
    RefreshPanelMode(GetPanel().m_nMode);
}

void CWndTimeTable::OnSwapSelectionKind() {
    CTimeTableCtrlView* pane = m_wndTimeTable.GetActivePane();
    if (!pane) return;
    if (pane->m_nSelectionMode == 1)
        pane->SelectionToRanges();
    else if (pane->m_nSelectionMode == 2)
        pane->RangesToSelection();
}

void CWndTimeTable::OnTogglePinnedRanges() {
    CTimeTableCtrlView* pane = m_wndTimeTable.GetActivePane();
    if (!pane) return;
    if (!m_arrPinnedRanges.empty())
        m_arrPinnedRanges.clear();
    else if (pane->m_nSelectionMode == 2)
        m_arrPinnedRanges = pane->m_arrSelectedRanges;
    pane->ClearSelection();
    if (pane->GetBody().GetSafeHwnd()) pane->GetBody().Invalidate(FALSE);
}
