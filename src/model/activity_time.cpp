// How much of an activity's time is placed and how much could still be.
#include <algorithm>

#include "model/activity.h"
#include "model/participation_rules.h"
#include "model/plan_index.h"
#include "model/schedule_data.h"
#include "model/time_values.h"

namespace {

// The summed lengths of the activity's entries that are placed (any state).
COleDateTimeSpan PlacedLength(const CScheduleData& data, int activityId, const CPlanIndex* index) {
    const COleDateTime unplaced = GetUnplacedDate();
    COleDateTimeSpan sum(0.0);
    auto add = [&](const CTimetableEntry& entry) {
        if (!IsSameDay(entry.m_dtStart, unplaced)) sum += entry.m_tsLength;
    };
    if (index) {
        for (std::size_t e : index->EntriesOfActivity(activityId)) add(data.m_arrEntries[e]);
    } else {
        for (const CTimetableEntry& entry : data.m_arrEntries)
            if (entry.m_nActivity == activityId) add(entry);
    }
    return sum;
}

}  // namespace

bool CActivity::IsTimeFilled(const CScheduleData& data, const CPlanIndex* index) const {
    return !IsSpanLonger(m_tsDuration, PlacedLength(data, m_nId, index));
}

COleDateTimeSpan CActivity::GetRemainingTime(const CScheduleData& data, const CPlanIndex* index) const {
    return m_tsDuration - PlacedLength(data, m_nId, index);
}

COleDateTimeSpan CActivity::ComputeFreeSlotTime(const CScheduleData& data, const CPlanIndex* index) const {
    CTimetableEntry probe(GetUnplacedDate(), m_tsMeeting);
    probe.m_nActivity = m_nId;
    probe.BuildCandidateSlots(data);
    // Hours at which a participant of the activity is already placed are not free.
    auto thin = [&](const CTimetableEntry& entry) {
        if (IsUnplacedDate(entry.m_dtStart) || !EntriesShareParticipant(data, probe, entry)) return;
        probe.RemoveOverlappingCandidates(entry.m_dtStart, entry.GetEndTime());
    };
    if (index) {
        // Only entries whose activity lists a member of this one, or whose replacement records
        // name one, can share a participant with it.
        CPlanIndex::Positions positions;
        for (int id : m_arrMembers) {
            for (std::size_t a : index->ActivitiesListingMember(id)) {
                const auto& entries = index->EntriesOfActivity(data.m_arrActivities[a].m_nId);
                positions.insert(positions.end(), entries.begin(), entries.end());
            }
            const auto& naming = index->EntriesNaming(id);
            positions.insert(positions.end(), naming.begin(), naming.end());
        }
        std::sort(positions.begin(), positions.end());
        positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
        for (std::size_t e : positions) thin(data.m_arrEntries[e]);
    } else {
        for (const CTimetableEntry& entry : data.m_arrEntries) thin(entry);
    }
    COleDateTimeSpan free(0.0);
    COleDateTime lastEnd = GetUnplacedDate();
    for (const CCandidateSlot& slot : probe.m_arrSlots) {
        if (CompareTimesApprox(slot.m_dtStart, lastEnd) == -1) continue;
        free += m_tsMeeting;
        lastEnd = slot.m_dtStart + m_tsMeeting;
    }
    return free;
}
