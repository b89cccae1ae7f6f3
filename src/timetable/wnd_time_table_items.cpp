// Filling a pane of the timetable page from the document: the entity's day windows, absences,
// the intervals freed by cancelled entries, an item per entry and a merged item per block of an
// activity group.
#include <algorithm>
#include <map>
#include <numeric>

#include "controls/app_document.h"
#include "model/description_texts.h"
#include "model/merge_sort.h"
#include "model/participation_rules.h"
#include "model/plan_index.h"
#include "model/time_values.h"
#include "platform/ui/wait_cursor.h"
#include "timetable/time_table_ctrl_view.h"
#include "timetable/wnd_time_table.h"

bool CompareGroupBlocks(const CGroupBlock& a, const CGroupBlock& b) {
    const int start = CompareTimesApprox(a.m_dtStart, b.m_dtStart);
    if (start != 0) return start < 0;
    const int aLength = WholeMinutes(a.m_tsLength), bLength = WholeMinutes(b.m_tsLength);
    if (aLength != bLength) return aLength > bLength;
    return a.m_nGroup < b.m_nGroup;
}

void ExtendGroupBlock(CGroupBlock& block, const COleDateTime& newEnd, int minimumMinutes) {
    const COleDateTimeSpan length = newEnd - block.m_dtStart;
    if (WholeMinutes(length) >= minimumMinutes) block.m_tsLength = length;
}

// Blocks of different groups stay apart even where they overlap: each group item stands for the
// entries of its own group only.
void MergeGroupBlocks(std::vector<CGroupBlock>& blocks) {
    StableMergeSort(blocks, CompareGroupBlocks);
    std::vector<CGroupBlock> merged;
    std::map<int, std::size_t> current;  // group id -> its block being merged into
    for (const CGroupBlock& block : blocks) {
        const auto found = current.find(block.m_nGroup);
        if (found != current.end()) {
            CGroupBlock& into = merged[found->second];
            const COleDateTime intoEnd = into.m_dtStart + into.m_tsLength;
            const COleDateTime end = block.m_dtStart + block.m_tsLength;
            if (IntervalsOverlap(into.m_dtStart, intoEnd, block.m_dtStart, end)) {
                if (CompareTimesApprox(end, intoEnd) == 1) ExtendGroupBlock(into, end, 60);
                continue;
            }
        }
        current[block.m_nGroup] = merged.size();
        merged.push_back(block);
    }
    blocks = std::move(merged);
}

void CWndTimeTable::FillView(int paneIndex, int entityId) {
    CScheduleData* data = GetAppDocument();
    if (!data) return;
    m_wndTimeTable.SetClockFlag(!data->HasDefaultStartDate() && data->Settings().GetClock() ? 1 : 0);
    if (m_wndTimeTable.GetClockFlag() && m_wndTimeTable.GetSafeHwnd())
        m_wndTimeTable.SetTimer(CTimeTableCtrl::kClockTimer, CTimeTableCtrl::kClockPeriod);
    CWaitCursor wait;
    CTimeTableCtrlBody& firstBody = m_wndTimeTable.GetPane(0).GetBody();
    firstBody.m_bToolTips = 0;
    CTimeTableCtrlView& pane = m_wndTimeTable.GetPane(paneIndex);
    pane.GetBody().m_bToolTips = 0;
    pane.ClearItems();
    const auto entity = data->FindEntity(entityId);
    if (entity != data->m_arrEntities.end()) {
        SetDayWindows(pane, *entity);
        pane.m_bUnavailable = entity->m_bUnavailable;
        if (!entity->m_bUnavailable) AddAbsenceBlocks(pane, *entity);
        if (entity->m_nType != 5) {
            AddEntryItems(pane, *entity);
            pane.SortItems();
        }
        if (pane.GetBody().GetSafeHwnd()) pane.GetBody().Invalidate(FALSE);
        if (pane.GetHeader().GetSafeHwnd()) pane.GetHeader().Invalidate(FALSE);
    }
    // Both bodies: a swap applied in the pane left its tips off until this refill.
    firstBody.SetToolTipsOn(1);
    pane.GetBody().SetToolTipsOn(1);
}

void CWndTimeTable::SetDayWindows(CTimeTableCtrlView& pane, const CEntity& entity) {
    const CScheduleData* data = GetAppDocument();
    pane.m_nEntity = entity.m_nId;
    const __time64_t dayStart = data ? data->m_tDayStart : 0;
    for (int i = 0; i < CTimeTableCtrlView::kDaySlots; ++i) {
        const __time64_t start = entity.m_tDayStart[i];
        pane.m_tDaySlotStart[i] = CompareTime64Approx(start, dayStart) == -1 ? dayStart : start;
        pane.m_tDaySlotEnd[i] = entity.m_tDayEnd[i];
    }
    m_wndTimeTable.ApplyDaySlotsToColumns(pane.GetPaneIndex());
}

void CWndTimeTable::AddAbsenceBlocks(CTimeTableCtrlView& pane, const CEntity& entity) {
    const CScheduleData* data = GetAppDocument();
    if (!data) return;
    for (const CAbsence& absence : entity.m_arrAbsences) {
        CItemTime block;
        block.Init(*data, absence.m_dtStart, absence.m_tsLength, absence.m_bWholeDay);
        pane.m_arrAbsences.push_back(block);
    }
}

void CWndTimeTable::AddEntryItems(CTimeTableCtrlView& pane, const CEntity& entity) {
    CScheduleData* data = GetAppDocument();
    if (!data || data->m_arrEntries.empty()) return;
    data->RebuildReplacementIndex();
    // Only the entries of the entity's activities and those naming it can involve it (a room
    // takes part through roles the index does not list, so it walks them all).
    const CPlanIndex index(*data);
    CPlanIndex::Positions positions;
    if (entity.m_nType == 4) {
        positions.resize(data->m_arrEntries.size());
        std::iota(positions.begin(), positions.end(), std::size_t{0});
    } else {
        index.GetEntriesInvolving(entity.m_nId, positions);
    }
    std::vector<CGroupBlock> blocks;
    for (const std::size_t position : positions) {
        CTimetableEntry& entry = data->m_arrEntries[position];
        const auto activity = data->FindActivity(entry.m_nActivity);
        if (activity == data->m_arrActivities.end() || !entity.TakesPartIn(*data, entry, &index)) continue;
        const int state = entry.GetState(*data);
        const COleDateTime end = entry.m_dtStart + entry.m_tsLength;
        if (state == 7 && !data->IsEntityReplacingElsewhere(entry, entity.m_nId) &&
            entry.IsEntityAvailable(*data, entity)) {
            // The entity is free again during a cancelled entry it could take.
            if (!entity.IsAbsent(entry.m_dtStart, end) && entity.CanTakeEntry(*data, entry, &index))
                pane.AddFreedInterval(entry.m_dtStart, entry.m_tsLength, entry.GetSerial());
            continue;
        }
        if (activity->m_nGroup != 0 && m_bGrouping) {
            blocks.push_back(CGroupBlock{activity->m_nGroup, entry.m_dtStart, entry.m_tsLength});
            continue;
        }
        COLORREF background = GetSysColor(COLOR_WINDOW), foreground = GetSysColor(COLOR_WINDOWTEXT);
        int hatch = 6;
        if (m_bEntryColours) entry.GetDrawColours(*data, background, foreground, hatch);
        CString title = FormatActivityEntryPlainText(*data, *activity, entity.m_nId, &entry, entity.m_nType, &index);
        if (pane.m_nChimeSet == 0) {
            CString timed;
            timed.Format(L"%s : %s", entry.GetLessonStart(*data).Format(L"%H:%M").GetString(), title.GetString());
            title = timed;
        }
        CTimeTableItem item(title, background, foreground, hatch, entry.m_dtStart, entry.m_tsLength, state, 0);
        item.m_nSource = entry.GetSerial();
        item.m_bHoliday = m_wndTimeTable.IsHolidayDate(entry.m_dtStart);
        item.m_nActivity = activity->m_nId;
        item.m_nGroup = activity->m_nGroup;
        item.m_nChimeSet = entry.GetChimeSetId(*data);
        item.m_nRoomCheck = entry.CheckRooms(*data, &index);
        if (state == 9) item.m_strRemark = entry.m_strRemark;
        pane.m_arrItems.push_back(std::move(item));
    }
    if (blocks.empty()) return;
    MergeGroupBlocks(blocks);
    for (const CGroupBlock& block : blocks) {
        const auto group = data->FindGroup(block.m_nGroup);
        if (group == data->m_arrGroups.end()) continue;
        const CTimetableEntry probe(block.m_dtStart, block.m_tsLength);
        CTimeTableItem item(group->m_strName,
                            m_bEntryColours ? group->m_crBackground : GetSysColor(COLOR_BTNFACE), group->m_crForeground,
                            group->m_nHatch, block.m_dtStart, block.m_tsLength, GetGroupStateAt(*data, probe, *group), 1);
        item.m_block = CItemTime(block.m_dtStart, block.m_tsLength, 0, data->GetDayIndex(block.m_dtStart));
        item.m_nSource = kGroupItemKey + m_nNextGroupKey++;
        item.m_nGroup = group->m_nId;
        item.m_nChimeSet = group->GetCommonChimeSetId(*data);
        item.m_bHoliday = m_wndTimeTable.IsHolidayDate(block.m_dtStart);
        pane.m_arrItems.push_back(std::move(item));
    }
}
