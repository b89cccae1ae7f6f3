// Swaps of a timetable pane: the swap marks of a press on an item, the three-way rotations, the
// swap chooser and its preview.
//
// The rules look at the document entries that share time with two or three spans. They ask a
// plan index built once per press for the entries near a slot and for an activity's entries, so
// the marks of a press cost what the items near each other cost, not the whole timetable per
// pair of items.
#include <algorithm>

#include "controls/app_document.h"
#include "model/description_texts.h"
#include "model/plan_index.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "platform/core/load_res_string.h"
#include "resource_ids.h"
#include "timetable/can_place_activity_at.h"
#include "timetable/can_place_item.h"
#include "timetable/slot_text.h"
#include "timetable/time_table_ctrl_view.h"

SwapChooserFn CTimeTableCtrlView::s_swapChooser;

namespace {

const COleDateTimeSpan kHour(0, 1, 0, 0);

// Items in these states never take part in a swap.
bool StaysPut(const CTimeTableItem& item) {
    return item.m_nState == 0 || item.m_nState == 5 || item.m_nState == 7 || item.m_nState == 9;
}

// Later by 3 minutes or more.
bool Later(const COleDateTime& a, const COleDateTime& b) { return CompareTimesApprox(a, b) == 1; }

const CTimetableEntry* SourceEntry(const CScheduleData& data, const CTimeTableItem& item) {
    if (item.m_bGroupItem) return nullptr;
    const auto entry = data.FindEntryBySerial(item.m_nSource);
    return entry == data.m_arrEntries.end() ? nullptr : &*entry;
}

COleDateTime LatestEnd(const CScheduleData& data, const CTimeTableItem& item, const CPlanIndex* index) {
    return data.GetLatestEndTime(SourceEntry(data, item), item.GetEndTime(), index);
}

struct Slot {
    COleDateTime start, end;
};

Slot SlotOf(const CTimeTableItem& item) { return {item.m_dtStart, item.GetEndTime()}; }

// The document's entries, but those the items stand for, that overlap one of the spans by more
// than 5 minutes, in document order.
std::vector<CTimetableEntry> EntriesOverSlots(const CScheduleData& data, const std::vector<Slot>& spans,
                                              const std::vector<const CTimeTableItem*>& excluded,
                                              const CPlanIndex* index) {
    auto wanted = [&](const CTimetableEntry& entry) {
        for (const CTimeTableItem* item : excluded)
            if (!item->m_bGroupItem && entry.GetSerial() == item->m_nSource) return false;
        for (const Slot& slot : spans)
            if (IntervalsOverlap(entry.m_dtStart, entry.GetEndTime(), slot.start, slot.end)) return true;
        return false;
    };
    std::vector<CTimetableEntry> list;
    if (!index) {
        for (const CTimetableEntry& entry : data.m_arrEntries)
            if (wanted(entry)) list.push_back(entry);
        return list;
    }
    CPlanIndex::Positions positions, near;
    for (const Slot& slot : spans) {
        index->GetEntriesNear(slot.start, slot.end, near);
        positions.insert(positions.end(), near.begin(), near.end());
    }
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    for (std::size_t p : positions)
        if (wanted(data.m_arrEntries[p])) list.push_back(data.m_arrEntries[p]);
    return list;
}

bool ActivityOverlapsSlot(const CScheduleData& data, int activityId, const Slot& slot, const CPlanIndex* index) {
    auto overlaps = [&](const CTimetableEntry& entry) {
        return entry.m_nActivity == activityId && IntervalsOverlap(entry.m_dtStart, entry.GetEndTime(), slot.start, slot.end);
    };
    if (!index) return std::any_of(data.m_arrEntries.begin(), data.m_arrEntries.end(), overlaps);
    for (std::size_t p : index->EntriesOfActivity(activityId))
        if (overlaps(data.m_arrEntries[p])) return true;
    return false;
}

}  // namespace

std::vector<COleDateTime> CTimeTableCtrlView::CollectFreeHours(const CScheduleData& data,
                                                               const CPlanIndex* index) const {
    std::vector<COleDateTime> hours;
    const auto entity = data.FindCurrentEntity();
    if (entity == data.m_arrEntities.end()) return hours;
    for (int i = 0; i < kMaxPlanDays; ++i) {
        if (CompareTime64Approx(entity->m_tDayEnd[i], entity->m_tDayStart[i]) != 1) continue;
        const COleDateTime day = data.GetDayDate(i);
        const COleDateTime from(day.GetYear(), day.GetMonth(), day.GetDay(), GetLocalHour(entity->m_tDayStart[i]),
                                GetLocalMinute(entity->m_tDayStart[i]), 0);
        const COleDateTime to(day.GetYear(), day.GetMonth(), day.GetDay(), GetLocalHour(entity->m_tDayEnd[i]),
                              GetLocalMinute(entity->m_tDayEnd[i]), 0);
        for (COleDateTime t = from; Later(to, t); t += kHour) {
            const CTimetableEntry probe(t, kHour);
            if (entity->CanTakeEntry(data, probe, index)) hours.push_back(t);
        }
    }
    return hours;
}

void CTimeTableCtrlView::ComputeSwapMarks() {
    CScheduleData* data = GetAppDocument();
    if (!data) return;
    IModelHost& host = data->Host();
    IProgress& bar = host.ShowProgress(LoadResString(IDS_SWAP_MARKS_PROGRESS));
    // The full count: a plan may hold more items than a 16-bit range takes.
    bar.SetRange(0, static_cast<int>(m_arrItems.size()));
    bar.SetPos(0);
    bar.SetStep(1);
    host.BeginWaitCursor();

    const CPlanIndex index(*data);
    const std::vector<COleDateTime> freeHours = CollectFreeHours(*data, &index);
    const CTimeTableItem* current = GetCurrentItem();
    for (CTimeTableItem& item : m_arrItems) {
        if (!item.m_bSelected && item.m_nState != 0) item.m_nSwapMark = GetSwapMark(&item, current, freeHours, &index);
        bar.StepIt();
    }

    host.HideProgress();
    host.EndWaitCursor();
}

int CTimeTableCtrlView::GetSwapMark(const CTimeTableItem* x, const CTimeTableItem* w,
                                    const std::vector<COleDateTime>& freeHours, const CPlanIndex* index) const {
    const CScheduleData* data = GetAppDocument();
    if (!data || !x || !w || x->m_nActivity == w->m_nActivity || StaysPut(*x) || x->m_bGroupItem) return 0;
    if (!CanPlaceActivityAt(*data, *x, *w, index)) return 0;
    const COleDateTime latestW = LatestEnd(*data, *w, index);
    const COleDateTime latestX = LatestEnd(*data, *x, index);
    if (Later(w->m_dtStart + x->m_tsLength, latestW) || Later(x->m_dtStart + w->m_tsLength, latestX)) return 0;
    if (CompareTimesApprox(x->m_dtStart, w->m_dtStart) == 0) return 0;
    if (ActivityOverlapsSlot(*data, w->m_nActivity, SlotOf(*x), index)) return 0;

    const std::vector<CTimetableEntry> others = EntriesOverSlots(*data, {SlotOf(*w), SlotOf(*x)}, {x, w}, index);
    if (others.empty()) {
        if (data->FindActivity(w->m_nActivity) == data->m_arrActivities.end()) return 0;
        CTimetableEntry probe(x->m_dtStart, x->m_tsLength);
        probe.m_nActivity = w->m_nActivity;
        return data->CanPlaceEntryByOverlaps(w->m_nActivity, probe) ? 17 : 0;
    }
    if (!CanPlaceItem(*data, *w, others, x->m_dtStart, x->GetEndTime())) return 0;
    if (CanPlaceItem(*data, *x, others, w->m_dtStart, w->GetEndTime())) return 17;
    return FindThreeWaySwap(x, w, freeHours, index);
}

bool CTimeTableCtrlView::CanRotate(const CScheduleData& data, const CTimeTableItem& x, const CTimeTableItem& w,
                                   const CTimeTableItem& p, const COleDateTime& latestW,
                                   const CPlanIndex* index) const {
    if (Later(p.m_dtStart + x.m_tsLength, LatestEnd(data, p, index)) || Later(w.m_dtStart + p.m_tsLength, latestW))
        return false;
    const std::vector<CTimetableEntry> others =
        EntriesOverSlots(data, {SlotOf(w), SlotOf(x), SlotOf(p)}, {&x, &w, &p}, index);
    return others.empty() || (CanPlaceItem(data, w, others, x.m_dtStart, x.GetEndTime()) &&
                              CanPlaceItem(data, x, others, p.m_dtStart, p.GetEndTime()) &&
                              CanPlaceItem(data, p, others, w.m_dtStart, w.GetEndTime()));
}

int CTimeTableCtrlView::FindThreeWaySwap(const CTimeTableItem* x, const CTimeTableItem* w,
                                         const std::vector<COleDateTime>& freeHours, const CPlanIndex* index) const {
    const CScheduleData* data = GetAppDocument();
    if (!data || !x || !w || x == w) return 0;
    if (x->m_bGroupItem && w->m_bGroupItem && x->m_nGroup == w->m_nGroup) return 0;
    if (!x->m_bGroupItem && !w->m_bGroupItem && x->m_nActivity == w->m_nActivity) return 0;
    if (CompareTimesApprox(x->m_dtStart, w->m_dtStart) == 0) return 0;
    if (Later(x->m_dtStart + w->m_tsLength, LatestEnd(*data, *x, index))) return 0;

    const COleDateTime latestW = LatestEnd(*data, *w, index);
    for (const CTimeTableItem& p : m_arrItems) {
        if (&p == x || &p == w || StaysPut(p)) continue;
        if (CanRotate(*data, *x, *w, p, latestW, index)) return 18;
    }
    for (const COleDateTime& t : freeHours) {
        CTimetableEntry probe(t, w->m_tsLength);
        probe.m_nActivity = x->m_nActivity;
        if (data->CanPlaceEntry(x->m_nActivity, 0, probe, index)) return 18;
    }
    return 0;
}

void CTimeTableCtrlView::SwapStarts(CTimeTableItem* a, CTimeTableItem* b) {
    if (a && b) std::swap(a->m_dtStart, b->m_dtStart);
}

int CTimeTableCtrlView::ChooseSwap(CTimeTableItem* x, CTimeTableItem* w) {
    m_bSwapApplied = 0;
    CScheduleData* data = GetAppDocument();
    if (!data || !x || !w || x == w) return 0;
    if (x->m_bGroupItem && w->m_bGroupItem && x->m_nGroup == w->m_nGroup) return 0;
    if (!x->m_bGroupItem && !w->m_bGroupItem && x->m_nActivity == w->m_nActivity) return 0;
    if (CompareTimesApprox(x->m_dtStart, w->m_dtStart) == 0) return 0;
    const CPlanIndex index(*data);
    if (Later(x->m_dtStart + w->m_tsLength, LatestEnd(*data, *x, &index))) return 0;

    const COleDateTime latestW = LatestEnd(*data, *w, &index);
    std::vector<CSwapCandidate> candidates;
    for (const CTimeTableItem& p : m_arrItems) {
        if (&p == x || &p == w || StaysPut(p)) continue;
        if (CanRotate(*data, *x, *w, p, latestW, &index)) candidates.push_back({p.m_nSource, p.m_strTitle});
    }
    std::vector<CSwapFreeSlot> freeSlots;
    for (const COleDateTime& t : CollectFreeHours(*data, &index)) {
        CTimetableEntry probe(t, w->m_tsLength);
        probe.m_nActivity = x->m_nActivity;
        if (data->CanPlaceEntry(x->m_nActivity, 0, probe, &index)) freeSlots.push_back({t, FormatSlotText(*data, CItemTime(t, COleDateTimeSpan(0.0), 0, 0))});
    }
    if ((candidates.empty() && freeSlots.empty()) || !s_swapChooser) return 0;

    m_nSwapTarget = static_cast<int>(x - m_arrItems.data());
    m_nSwapSource = static_cast<int>(w - m_arrItems.data());
    m_body.SetToolTipsOn(0);
    const CSwapChoice choice = s_swapChooser(*this, candidates, freeSlots);

    bool applied = false;
    if (choice.m_bOk && choice.m_bCandidate) {
        CTimeTableItem* chosen = nullptr;
        for (CTimeTableItem& item : m_arrItems)
            if (!item.m_bGroupItem && item.m_nSource == choice.m_nEntry) chosen = &item;
        if (chosen) {
            const COleDateTime xStart = x->m_dtStart, chosenStart = chosen->m_dtStart, wStart = w->m_dtStart;
            w->m_dtStart = xStart;
            x->m_dtStart = chosenStart;
            chosen->m_dtStart = wStart;
            applied = true;
        }
    } else if (choice.m_bOk && CompareTimesApprox(choice.m_dtFreeTime, COleDateTime(2000, 1, 1, 0, 0, 0)) != 0 &&
               choice.m_dtFreeTime.GetStatus() == COleDateTime::valid) {
        const COleDateTime xStart = x->m_dtStart;
        w->m_dtStart = xStart;
        x->m_dtStart = choice.m_dtFreeTime;
        applied = true;
    }
    m_bSwapApplied = applied ? 1 : 0;
    // After an applied choice the tips stay off until the page refills the pane.
    if (!applied) m_body.SetToolTipsOn(1);
    if (m_body.GetSafeHwnd()) m_body.Invalidate(FALSE);
    return 1;
}

LRESULT CTimeTableCtrlView::OnSwapPreviewOn(WPARAM, LPARAM) {
    m_bSwapPreview = 1;
    if (m_body.GetSafeHwnd()) m_body.Invalidate(FALSE);
    return 0;
}

LRESULT CTimeTableCtrlView::OnSwapPreviewOff(WPARAM, LPARAM) {
    m_bSwapPreview = 0;
    if (m_body.GetSafeHwnd()) m_body.Invalidate(FALSE);
    return 0;
}

LRESULT CTimeTableCtrlView::OnSwapChoice(WPARAM wParam, LPARAM lParam) {
    if (lParam == 0) {
        m_nSwapChoice = kNone;
        for (std::size_t i = 0; i < m_arrItems.size(); ++i)
            if (!m_arrItems[i].m_bGroupItem && m_arrItems[i].m_nSource == static_cast<std::uint64_t>(wParam))
                m_nSwapChoice = static_cast<int>(i);
    } else {
        m_nSwapChoice = kNone;
        if (wParam) m_dtSwapFreeTime = *reinterpret_cast<const COleDateTime*>(wParam);
    }
    return 0;
}
