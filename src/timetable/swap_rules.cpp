#include "timetable/swap_rules.h"

#include <algorithm>

#include "model/plan_index.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "timetable/can_place_activity_at.h"
#include "timetable/can_place_item.h"

namespace {

const COleDateTimeSpan kHour(0, 1, 0, 0);

// Later by 3 minutes or more.
bool Later(const COleDateTime& a, const COleDateTime& b) { return CompareTimesApprox(a, b) == 1; }

bool EndsLater(const COleDateTime& end, const COleDateTime& latest, SwapEndTest test) {
    return test == SwapEndTest::kStrict ? end > latest : Later(end, latest);
}

struct Slot {
    COleDateTime start, end;
};

Slot SlotOf(const CSwapPiece& piece) { return {piece.m_dtStart, piece.GetEnd()}; }

bool StandsFor(const CSwapPiece& piece, const CTimetableEntry& entry) {
    return piece.m_nEntry != 0 && entry.GetSerial() == piece.m_nEntry;
}

// The document's entries, but those the pieces stand for, that overlap one of the slots by more
// than 5 minutes, in document order.
std::vector<CTimetableEntry> EntriesOverSlots(const CScheduleData& data, const std::vector<Slot>& slots,
                                              const std::vector<const CSwapPiece*>& excluded,
                                              const CPlanIndex* index) {
    auto wanted = [&](const CTimetableEntry& entry) {
        for (const CSwapPiece* piece : excluded)
            if (StandsFor(*piece, entry)) return false;
        for (const Slot& slot : slots)
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
    for (const Slot& slot : slots) {
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

bool StaysOutOfSwaps(int state) { return state == 0 || state == 5 || state == 7 || state == 9; }

std::vector<COleDateTime> CollectFreeHours(const CScheduleData& data, const CEntity& entity, const CPlanIndex* index) {
    std::vector<COleDateTime> hours;
    // Only the plan's days: the entity's day slots reach past them, and a lesson moved beyond the
    // plan's last day would be removed by the next plan check.
    const int days = std::min(kMaxPlanDays, data.m_nDays);
    for (int i = 0; i < days; ++i) {
        if (CompareTime64Approx(entity.m_tDayEnd[i], entity.m_tDayStart[i]) != 1) continue;
        const COleDateTime day = data.GetDayDate(i);
        const COleDateTime from(day.GetYear(), day.GetMonth(), day.GetDay(), GetLocalHour(entity.m_tDayStart[i]),
                                GetLocalMinute(entity.m_tDayStart[i]), 0);
        const COleDateTime to(day.GetYear(), day.GetMonth(), day.GetDay(), GetLocalHour(entity.m_tDayEnd[i]),
                              GetLocalMinute(entity.m_tDayEnd[i]), 0);
        for (COleDateTime t = from; Later(to, t); t += kHour) {
            const CTimetableEntry probe(t, kHour);
            if (entity.CanTakeEntry(data, probe, index)) hours.push_back(t);
        }
    }
    return hours;
}

COleDateTime SwapLatestEnd(const CScheduleData& data, const CSwapPiece& piece, const CPlanIndex* index) {
    if (piece.m_latestEnd) return *piece.m_latestEnd;
    const auto entry = data.FindEntryBySerial(piece.m_nEntry);
    const CTimetableEntry* source = piece.m_nEntry == 0 || entry == data.m_arrEntries.end() ? nullptr : &*entry;
    return data.GetLatestEndTime(source, piece.GetEnd(), index);
}

int DirectSwapMark(const CScheduleData& data, const CSwapPiece& x, const CSwapPiece& w, const CPlanIndex* index) {
    if (x.m_nActivity == w.m_nActivity || StaysOutOfSwaps(x.m_nState) || x.m_bGroupItem) return 0;
    if (!CanPlaceActivityAt(data, x, w, index)) return 0;
    const COleDateTime latestW = SwapLatestEnd(data, w, index);
    const COleDateTime latestX = SwapLatestEnd(data, x, index);
    if (Later(w.m_dtStart + x.m_tsLength, latestW) || Later(x.m_dtStart + w.m_tsLength, latestX)) return 0;
    if (CompareTimesApprox(x.m_dtStart, w.m_dtStart) == 0) return 0;
    if (ActivityOverlapsSlot(data, w.m_nActivity, SlotOf(x), index)) return 0;

    const std::vector<CTimetableEntry> others = EntriesOverSlots(data, {SlotOf(w), SlotOf(x)}, {&x, &w}, index);
    if (others.empty()) {
        if (data.FindActivity(w.m_nActivity) == data.m_arrActivities.end()) return 0;
        CTimetableEntry probe(x.m_dtStart, x.m_tsLength);
        probe.m_nActivity = w.m_nActivity;
        return data.CanPlaceEntryByOverlaps(w.m_nActivity, probe) ? kSwapDirect : 0;
    }
    if (!CanPlaceActivity(data, w.m_nActivity, others, x.m_dtStart, x.GetEnd())) return 0;
    if (CanPlaceActivity(data, x.m_nActivity, others, w.m_dtStart, w.GetEnd())) return kSwapDirect;
    return kSwapNeedsThirdPlace;
}

bool MayRotate(const CScheduleData& data, const CSwapPiece& x, const CSwapPiece& w, SwapEndTest test,
               const CPlanIndex* index) {
    if (x.m_bGroupItem && w.m_bGroupItem && x.m_nGroup == w.m_nGroup) return false;
    if (!x.m_bGroupItem && !w.m_bGroupItem && x.m_nActivity == w.m_nActivity) return false;
    if (CompareTimesApprox(x.m_dtStart, w.m_dtStart) == 0) return false;
    return !EndsLater(x.m_dtStart + w.m_tsLength, SwapLatestEnd(data, x, index), test);
}

bool CanRotate(const CScheduleData& data, const CSwapPiece& x, const CSwapPiece& w, const CSwapPiece& p,
               const COleDateTime& latestW, SwapEndTest test, const CPlanIndex* index) {
    if (EndsLater(p.m_dtStart + x.m_tsLength, SwapLatestEnd(data, p, index), test) ||
        EndsLater(w.m_dtStart + p.m_tsLength, latestW, test))
        return false;
    const std::vector<CTimetableEntry> others =
        EntriesOverSlots(data, {SlotOf(w), SlotOf(x), SlotOf(p)}, {&x, &w, &p}, index);
    return others.empty() || (CanPlaceActivity(data, w.m_nActivity, others, x.m_dtStart, x.GetEnd()) &&
                              CanPlaceActivity(data, x.m_nActivity, others, p.m_dtStart, p.GetEnd()) &&
                              CanPlaceActivity(data, p.m_nActivity, others, w.m_dtStart, w.GetEnd()));
}

bool FreeHourTakes(const CScheduleData& data, const CSwapPiece& x, const CSwapPiece& w, const COleDateTime& t,
                   const CPlanIndex* index) {
    CTimetableEntry probe(t, w.m_tsLength);
    probe.m_nActivity = x.m_nActivity;
    return data.CanPlaceEntry(x.m_nActivity, 0, probe, index) != 0;
}
