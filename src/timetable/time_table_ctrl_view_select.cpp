// What the user picks in a pane (items or time ranges) and the edits of the selected items:
// moving by whole hours, resizing, state changes. Only the pane's items change here; the page
// writes them into the document afterwards.
#include <algorithm>

#include "controls/app_document.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "platform/core/load_res_string.h"
#include "resource_ids.h"
#include "timetable/time_table_ctrl_view.h"

namespace {

constexpr int kLinkedState = 7;

CEntityArray::const_iterator PaneEntity(const CScheduleData& data, int id) { return data.FindEntity(id); }

}  // namespace

// Selection --------------------------------------------------------------------------------------

void CTimeTableCtrlView::SelectItem(int index) {
    if (index < 0 || index >= static_cast<int>(m_arrItems.size())) return;
    m_nCurrentItem = index;
    m_arrItems[index].m_bSelected = 1;
    m_arrSelectedRanges.clear();
    RebuildSelectionCopies();
    m_nSelectionMode = 1;
    m_nCurrentActivity = m_arrItems[index].m_nActivity;
    m_nCurrentGroup = m_arrItems[index].m_nGroup;
}

void CTimeTableCtrlView::SelectAll() {
    m_nCurrentItem = kNone;
    for (CTimeTableItem& item : m_arrItems) item.m_bSelected = 1;
    RebuildSelectionCopies();
    m_nSelectionMode = 1;
    if (m_body.GetSafeHwnd()) m_body.Invalidate(FALSE);
}

CPoint CTimeTableCtrlView::GetSelectionOrigin() const {
    CPoint origin(99999, 99999);
    for (const CTimeTableItem& copy : m_arrSelection) {
        origin.x = std::min(origin.x, copy.m_rect.left);
        origin.y = std::min(origin.y, copy.m_rect.top);
    }
    return origin;
}

int CTimeTableCtrlView::AllSelectedInvolveEntity() {
    RebuildSelectionCopies();
    const CScheduleData* data = GetAppDocument();
    if (!data || m_nEntity == 0) return 0;
    const auto entity = PaneEntity(*data, m_nEntity);
    if (entity == data->m_arrEntities.end()) return 0;
    for (const CTimeTableItem& copy : m_arrSelection) {
        const auto activity = data->FindActivity(copy.m_nActivity);
        if (activity == data->m_arrActivities.end() || !activity->HasEntity(*entity)) return 0;
    }
    return 1;
}

int CTimeTableCtrlView::IsEntityAbsentForSelection() {
    RebuildSelectionCopies();
    const CScheduleData* data = GetAppDocument();
    if (!data || m_nEntity == 0) return 0;
    const auto entity = PaneEntity(*data, m_nEntity);
    if (entity == data->m_arrEntities.end()) return 0;
    for (const CTimeTableItem& copy : m_arrSelection)
        if (!entity->IsAbsent(copy.m_dtStart, copy.GetEndTime())) return 0;
    return 1;
}

int CTimeTableCtrlView::IsEntityReplacingForSelection() {
    RebuildSelectionCopies();
    CScheduleData* data = GetAppDocument();
    if (!data || m_nEntity == 0 || PaneEntity(*data, m_nEntity) == data->m_arrEntities.end()) return 0;
    data->RebuildReplacementIndex();
    for (const CTimeTableItem& copy : m_arrSelection) {
        const auto entry = data->FindEntryBySerial(copy.m_nSource);
        if (entry == data->m_arrEntries.end()) continue;
        if (!data->IsEntityReplacingElsewhere(*entry, m_nEntity)) return 0;
    }
    return 1;
}

void CTimeTableCtrlView::SetSelectedState(int state) {
    CScheduleData* data = GetAppDocument();
    for (CTimeTableItem& item : m_arrItems) {
        if (!item.m_bSelected) continue;
        if (item.m_nState != kLinkedState || !data) {
            item.m_nState = state;
            continue;
        }
        const auto entry = data->FindEntryBySerial(item.m_nSource);
        const auto conflict =
            entry == data->m_arrEntries.end() ? data->m_arrEntities.cend() : data->FindConflictingEntity(*entry);
        if (conflict == data->m_arrEntities.cend()) {
            item.m_nState = state;
            continue;
        }
        CString text;
        text.Format(LoadResString(IDS_TT_LINKED_CONFLICT), conflict->m_strName.GetString());
        data->Answerer().Ask(text, LoadResString(IDS_ERROR_CAPTION), MessageButtons::Ok, MessageIcon::Stop);
    }
}

// Moving and resizing ---------------------------------------------------------------------------

void CTimeTableCtrlView::MoveSelection(const COleDateTime& from, const COleDateTime& to) {
    const COleDateTimeSpan d = to > from ? to - from : from - to;
    if (WholeMinutes(d) < 60) {
        ClearSelection();
        return;
    }
    const int direction = CompareTimesApprox(from, to) == 1 ? -1 : 1;
    for (CTimeTableItem& item : m_arrItems) {
        if (!item.m_bSelected) continue;
        item.m_dtStart = direction > 0 ? item.m_dtStart + d : item.m_dtStart - d;
        if (m_bSnap) item.SnapToHours(m_header);
    }
}

void CTimeTableCtrlView::ResizeSelection(__time64_t oldTime, __time64_t newTime) {
    const long long minutes = (newTime - oldTime) / 60;
    const COleDateTimeSpan shift(static_cast<double>(minutes) / (24.0 * 60.0));
    for (CTimeTableItem& item : m_arrItems)
        if (item.m_bSelected) item.SetEndIfLongEnough(item.GetEndTime() + shift, 60);
}

void CTimeTableCtrlView::ComputeLatestEnd() {
    m_tLatestEnd = MakeTimeOfDay(23, 59);
    const CScheduleData* data = GetAppDocument();
    const CTimeTableItem* current = GetCurrentItem();
    if (!data || !current) return;
    const auto entry = data->FindEntryBySerial(current->m_nSource);
    if (entry == data->m_arrEntries.end()) return;
    const COleDateTime latest = data->GetLatestEndTime(&*entry, entry->m_dtStart + entry->m_tsLength);
    if (latest.GetStatus() != COleDateTime::valid) return;
    m_tLatestEnd = MakeTimeOfDay(latest.GetHour(), latest.GetMinute());
}

__time64_t CTimeTableCtrlView::ClampToLatestEnd(__time64_t time) const {
    return CompareTime64Approx(time, m_tLatestEnd) == 1 ? m_tLatestEnd : time;
}

void CTimeTableCtrlView::MoveGhosts(int dx, int dy) {
    CRect client(0, 0, 0, 0);
    if (GetSafeHwnd()) GetClientRect(&client);
    for (CTimeTableItem& copy : m_arrSelection) {
        const int w = copy.m_rect.Width(), h = copy.m_rect.Height();
        const int left = std::min(std::max(0, copy.m_rect.left + dx), client.right - w);
        const int top = std::min(std::max(0, copy.m_rect.top + dy), client.bottom - h);
        copy.m_rect = CRect(left, top, left + w, top + h);
    }
}

// Time ranges ------------------------------------------------------------------------------------

void CTimeTableCtrlView::AddRange(const COleDateTime& start, const COleDateTimeSpan& length) {
    m_nCurrentItem = kNone;
    m_nSelectionMode = 2;
    m_arrSelectedRanges.emplace_back(start, length, 0, 0);
}

void CTimeTableCtrlView::ExtendRangeTo(const COleDateTime& time, const COleDateTimeSpan& length) {
    for (CItemTime& range : m_arrSelectedRanges) {
        if (IsSameDay(range.m_dtStart, time)) {
            ExtendRange(range, time, length);
            return;
        }
    }
    m_arrSelectedRanges.emplace_back(time, length, 0, 0);
}

int ExtendRange(CItemTime& range, COleDateTime time, const COleDateTimeSpan& length) {
    const COleDateTime& start = range.m_dtStart;
    if (time.GetStatus() != COleDateTime::valid || start.GetStatus() != COleDateTime::valid) return 0;
    if (!IsSameDay(time, start))
        time = COleDateTime(start.GetYear(), start.GetMonth(), start.GetDay(), time.GetHour(), time.GetMinute(), 0);
    if (time < start) {
        const COleDateTime end = range.GetEndTime();
        range.m_dtStart = time;
        range.m_tsDuration = end - time;
        return 1;
    }
    const COleDateTime end = time + length;
    const COleDateTime current = range.GetEndTime();
    if (end.GetStatus() == current.GetStatus() && static_cast<double>(end) == static_cast<double>(current)) return 0;
    range.m_tsDuration = end - start;
    return 1;
}

void CTimeTableCtrlView::SelectionToRanges() {
    m_arrSelectedRanges.clear();
    RebuildSelectionCopies();
    for (const CTimeTableItem& copy : m_arrSelection) m_arrSelectedRanges.emplace_back(copy.m_dtStart, copy.m_tsLength, 0, 0);
    m_arrSelection.clear();
    // The lessons are ranges now: none of them stays flagged for a command on selected lessons.
    for (CTimeTableItem& item : m_arrItems) item.m_bSelected = 0;
    m_nCurrentItem = kNone;
    m_nSelectionMode = 2;
    if (m_body.GetSafeHwnd()) m_body.Invalidate(FALSE);
}

void CTimeTableCtrlView::RangesToSelection() {
    for (CTimeTableItem& item : m_arrItems) item.m_bSelected = 0;
    for (const CItemTime& range : m_arrSelectedRanges)
        for (CTimeTableItem& item : m_arrItems)
            if (!item.m_bSelected &&
                IntervalsOverlap(item.m_dtStart, item.GetEndTime(), range.m_dtStart, range.GetEndTime()))
                item.m_bSelected = 1;
    m_arrSelectedRanges.clear();
    RebuildSelectionCopies();
    m_nSelectionMode = 1;
    if (m_body.GetSafeHwnd()) m_body.Invalidate(FALSE);
}

// Freed intervals --------------------------------------------------------------------------------

void CTimeTableCtrlView::AddFreedInterval(const COleDateTime& start, const COleDateTimeSpan& length,
                                          std::uint64_t source) {
    const COleDateTime end = start + length;
    for (const CFreedInterval& freed : m_arrFreedIntervals)
        if (IntervalsOverlap(freed.m_dtStart, freed.m_dtStart + freed.m_tsLength, start, end)) return;
    CFreedInterval freed;
    freed.m_dtStart = start;
    freed.m_tsLength = length;
    freed.m_nSource = source;
    m_arrFreedIntervals.push_back(freed);
}
