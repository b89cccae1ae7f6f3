#include "solver_engine/candidate_set.h"

#include <algorithm>

#include "model/schedule_data.h"
#include "model/time_values.h"
#include "solver_engine/solver_costs.h"

CCandidateSet BuildSlotCandidates(CScheduleData& data) {
    CCandidateSet set;
    int index = 0;
    for (CTimetableEntry& entry : data.m_arrEntries) {
        const auto activity = data.FindActivity(entry.m_nActivity);
        if (activity == data.m_arrActivities.end() || entry.m_arrSlots.empty()) continue;
        for (std::size_t option = 0; option < entry.m_arrSlots.size(); ++option)
            set.m_arrRecords.push_back({activity->m_nId, activity->m_nGroup, static_cast<int>(option), index, &entry});
        ++index;
    }
    set.m_nEntryCount = index;
    set.m_nNextEntryIndex = 0;
    return set;
}

namespace {

const COleDateTime* OptionStart(const CCandidateRecord& record) {
    const auto& slots = record.m_pEntry->m_arrSlots;
    if (record.m_nOption < 0 || record.m_nOption >= static_cast<int>(slots.size())) return nullptr;
    return &slots[static_cast<std::size_t>(record.m_nOption)].m_dtStart;
}

}  // namespace

CCandidateSet FixCandidate(const CCandidateSet& set, const CCandidateRecord& chosen) {
    CCandidateSet child;
    child.m_nEntryCount = set.m_nEntryCount;
    child.m_nNextEntryIndex = chosen.m_nEntryIndex + 1;
    child.m_arrRecords.reserve(set.m_arrRecords.size());
    const COleDateTime* chosenStart = OptionStart(chosen);
    for (const CCandidateRecord& r : set.m_arrRecords) {
        if (r.m_nEntryIndex == chosen.m_nEntryIndex) {
            if (r.m_nOption != chosen.m_nOption) continue;
        } else if (r.m_nActivity == chosen.m_nActivity && chosenStart) {
            // Two entries of one activity never start at the same time.
            const COleDateTime* start = OptionStart(r);
            if (start && CompareTimesApprox(*start, *chosenStart) == 0) continue;
        }
        child.m_arrRecords.push_back(r);
    }
    return child;
}

bool ApplyCandidateOption(const CCandidateRecord& record) {
    const COleDateTime* start = OptionStart(record);
    if (!start) return false;
    record.m_pEntry->m_dtStart = *start;
    return true;
}

bool ApplyCandidateSet(const CCandidateSet& set) {
    const auto& records = set.m_arrRecords;
    for (std::size_t i = 0; i < records.size(); ++i) {
        records[i].m_pEntry->m_dtStart = GetUnplacedDate();
        // Records of one entry lie together: it is decided when its run is one record long.
        const bool alone = (i == 0 || records[i - 1].m_nEntryIndex != records[i].m_nEntryIndex) &&
                           (i + 1 == records.size() || records[i + 1].m_nEntryIndex != records[i].m_nEntryIndex);
        if (alone && !ApplyCandidateOption(records[i])) return false;
    }
    return true;
}

bool ApplyAndCheckCandidateSet(CScheduleData& data, const CSolverWork& work, CCandidateSet& set,
                               const CPlanIndex* index) {
    ApplyCandidateSet(set);
    for (const CEntity& entity : data.m_arrEntities) {
        if (entity.FindOverlapViolation(data, true) != 0) return false;
    }
    // Undecided entries keep only the options that can still be taken; the last option of each
    // entry is kept untested, so every entry keeps one.
    auto& records = set.m_arrRecords;
    for (std::size_t i = 0; i + 1 < records.size();) {
        const CCandidateRecord& r = records[i];
        if (records[i + 1].m_nEntryIndex != r.m_nEntryIndex) {
            ++i;
            continue;
        }
        CTimetableEntry probe(*OptionStart(r), r.m_pEntry->m_tsLength);
        probe.m_nActivity = r.m_nActivity;
        if (!data.CanPlaceEntry(r.m_nActivity, 0, probe, index) || !IsWithinDailyLimit(data, probe, index))
            records.erase(records.begin() + static_cast<std::ptrdiff_t>(i));
        else
            ++i;
    }
    std::vector<bool> present(static_cast<std::size_t>(std::max(set.m_nEntryCount, 0)), false);
    for (const CCandidateRecord& r : records) {
        if (r.m_nEntryIndex >= 0 && r.m_nEntryIndex < set.m_nEntryCount) present[static_cast<std::size_t>(r.m_nEntryIndex)] = true;
    }
    if (std::find(present.begin(), present.end(), false) != present.end()) return false;
    return !HasUnplaceableTime(data, work, index);
}

bool IsCandidateSetComplete(const CCandidateSet& set) {
    if (static_cast<int>(set.m_arrRecords.size()) > set.m_nEntryCount) return false;
    return std::none_of(set.m_arrRecords.begin(), set.m_arrRecords.end(), [](const CCandidateRecord& r) {
        return r.m_pEntry->m_dtStart.GetStatus() == COleDateTime::valid && IsUnplacedDate(r.m_pEntry->m_dtStart);
    });
}
