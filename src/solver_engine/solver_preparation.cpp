#include "solver_engine/solver_preparation.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <unordered_set>

#include "model/participation_rules.h"
#include "model/plan_index.h"
#include "model/schedule_data.h"
#include "model/slot_minutes.h"
#include "model/time_clash.h"
#include "model/time_values.h"
#include "solver_engine/entry_neighbours.h"
#include "solver_engine/solver_sink.h"
#include "solver_engine/solver_work.h"

bool IsMovableEntry(const CScheduleData& data, const CTimetableEntry& entry) {
    const int state = entry.GetState(data);
    if (state == 0 || state == 5 || state == 7) return false;
    // Rooms booked through replacement records go along with the entry; a stand-in does not.
    return std::all_of(entry.m_arrReplacements.begin(), entry.m_arrReplacements.end(), [&](const CReplacement& r) {
        const auto entity = data.FindEntity(r.m_nEntity);
        return entity != data.m_arrEntities.end() && entity->m_nType == 4;
    });
}

void KeepWholeIntervalSlots(const CScheduleData& data, CTimetableEntry& entry) {
    std::vector<const CEntity*> participants;
    auto add = [&](int id) {
        const auto entity = data.FindEntity(id);
        if (entity != data.m_arrEntities.end()) participants.push_back(&*entity);
    };
    const auto activity = data.FindActivity(entry.m_nActivity);
    if (activity != data.m_arrActivities.end())
        for (int id : activity->m_arrMembers) add(id);
    for (int id : entry.m_arrRooms) add(id);
    for (const CReplacement& replacement : entry.m_arrReplacements) add(replacement.m_nEntity);
    std::erase_if(entry.m_arrSlots, [&](const CCandidateSlot& slot) {
        const COleDateTime end = slot.m_dtStart + entry.m_tsLength;
        if (!IsSameDay(slot.m_dtStart, end)) return true;
        return std::any_of(participants.begin(), participants.end(),
                           [&](const CEntity* entity) { return !entity->IsAvailable(data, slot.m_dtStart, end); });
    });
}

bool IsOpenEntry(const CScheduleData& data, const CTimetableEntry& entry) {
    return !entry.m_arrSlots.empty() && IsMovableEntry(data, entry);
}

void KeepRunToSelection(CScheduleData& data, CSolverWork& work) {
    const int kind = data.m_nSolverSelection;
    if (kind != 1 && kind != 2) return;
    const std::unordered_set<int> selected(data.m_arrSolverIds.begin(), data.m_arrSolverIds.end());
    std::unordered_set<int> inside;
    for (const CActivity& activity : data.m_arrActivities) {
        bool in = false;
        if (kind == 1) {
            in = selected.count(activity.m_nId) != 0;
        } else {
            for (int id : data.m_arrSolverIds) {
                const auto entity = data.FindEntity(id);
                in = in || (entity != data.m_arrEntities.end() && activity.HasEntity(*entity));
            }
        }
        if (in) inside.insert(activity.m_nId);
    }
    const std::unordered_set<std::uint64_t> created(work.m_arrCreated.begin(), work.m_arrCreated.end());
    data.m_arrEntries.EraseIf([&](const CTimetableEntry& entry) {
        if (inside.count(entry.m_nActivity) != 0) return false;
        if (created.count(entry.GetSerial()) != 0) return true;
        work.m_arrExcluded.push_back(entry.GetSerial());
        return false;
    });
}

void CollectUnderplannedActivities(const CScheduleData& data, CSolverWork& work, const CPlanIndex& index) {
    work.m_arrUnderplanned.clear();
    for (const CActivity& activity : data.m_arrActivities) {
        COleDateTimeSpan planned(0.0);
        for (std::size_t e : index.EntriesOfActivity(activity.m_nId)) planned += data.m_arrEntries[e].m_tsLength;
        if (!IsSpanLonger(activity.m_tsDuration, planned)) continue;
        const COleDateTimeSpan remaining = activity.GetRemainingTime(data, &index);
        if (WholeMinutes(remaining.m_span) <= 5) continue;
        // Only activities listing one of its members (or itself) can share a member with it.
        bool shares = !index.EntriesOfActivity(activity.m_nId).empty();
        for (std::size_t i = 0; i < activity.m_arrMembers.size() && !shares; ++i) {
            for (std::size_t a : index.ActivitiesListingMember(activity.m_arrMembers[i])) {
                const CActivity& other = data.m_arrActivities[a];
                if (!index.EntriesOfActivity(other.m_nId).empty() && ActivitiesShareMember(data, other, activity)) {
                    shares = true;
                    break;
                }
            }
        }
        work.m_arrUnderplanned.push_back({shares ? 1 : 0, activity.m_nId, remaining, activity.m_tsMeeting});
    }
}

void CollectGroupHourLimits(const CScheduleData& data, CSolverWork& work, const CPlanIndex& index) {
    work.m_arrGroupHourLimits.clear();
    for (const CEntity& entity : data.m_arrEntities) {
        if (entity.m_nType != 0) continue;
        // Only the groups of the entity's activities can give it placed time.
        std::unordered_set<int> groups;
        for (std::size_t a : index.ActivitiesOf(entity.m_nId)) groups.insert(data.m_arrActivities[a].m_nGroup);
        for (const CActivityGroup& group : data.m_arrGroups) {
            // A limit holds whether or not anything of the group is placed yet.
            if (groups.count(group.m_nId) == 0) continue;
            const COleDateTimeSpan required = data.GetRequiredGroupTime(group.m_nId, entity.m_nId, &index);
            if (WholeMinutes(required.m_span) <= 5) continue;
            work.m_arrGroupHourLimits.push_back({entity.m_nId, group.m_nId, required});
        }
    }
}

namespace {

// The intervals of the entries without options that an entry's options are tested against,
// found by start, so that each option is compared only with the intervals near it.
class CFixedIntervals {
public:
    void Clear() {
        m_byStart.clear();
        m_unusual.clear();
        m_maxLength = 0.0;
    }
    void Add(const COleDateTime& start, const COleDateTime& end) {
        const bool regular = start.GetStatus() == COleDateTime::valid && end.GetStatus() == COleDateTime::valid &&
                             COleDateTime::ToLinear(end.m_dt) >= COleDateTime::ToLinear(start.m_dt);
        if (!regular) {
            m_unusual.emplace_back(start, end);
            return;
        }
        const double s = COleDateTime::ToLinear(start.m_dt);
        m_maxLength = std::max(m_maxLength, COleDateTime::ToLinear(end.m_dt) - s);
        m_byStart.push_back({s, start, end});
    }
    bool IsEmpty() const { return m_byStart.empty() && m_unusual.empty(); }

    // Removes the entry's options that overlap one of the intervals, as
    // CTimetableEntry::RemoveOverlappingCandidates does for each interval in turn.
    void RemoveOverlappingOptions(CTimetableEntry& entry) {
        std::sort(m_byStart.begin(), m_byStart.end(),
                  [](const Interval& a, const Interval& b) { return a.linearStart < b.linearStart; });
        const COleDateTimeSpan length = entry.m_tsLength;
        std::erase_if(entry.m_arrSlots, [&](const CCandidateSlot& slot) {
            const COleDateTime slotEnd = slot.m_dtStart + length;
            auto overlaps = [&](const COleDateTime& start, const COleDateTime& end) {
                return !IntervalsLieApart(slot.m_dtStart, slotEnd, start, end) &&
                       IntervalsOverlap(slot.m_dtStart, slotEnd, start, end);
            };
            for (const auto& [start, end] : m_unusual)
                if (overlaps(start, end)) return true;
            const bool regular = slot.m_dtStart.GetStatus() == COleDateTime::valid &&
                                 slotEnd.GetStatus() == COleDateTime::valid &&
                                 COleDateTime::ToLinear(slotEnd.m_dt) >= COleDateTime::ToLinear(slot.m_dtStart.m_dt);
            if (!regular) {
                return std::any_of(m_byStart.begin(), m_byStart.end(),
                                   [&](const Interval& i) { return overlaps(i.start, i.end); });
            }
            // Intervals further away than the ten minutes that keep intervals apart never overlap.
            const double low = COleDateTime::ToLinear(slot.m_dtStart.m_dt) - m_maxLength - kMargin;
            const double high = COleDateTime::ToLinear(slotEnd.m_dt) + kMargin;
            auto it = std::lower_bound(m_byStart.begin(), m_byStart.end(), low,
                                       [](const Interval& i, double value) { return i.linearStart < value; });
            for (; it != m_byStart.end() && it->linearStart <= high; ++it)
                if (overlaps(it->start, it->end)) return true;
            return false;
        });
    }

private:
    static constexpr double kMargin = 11.0 / 1440.0;
    struct Interval {
        double linearStart;
        COleDateTime start, end;
    };
    std::vector<Interval> m_byStart;
    std::vector<std::pair<COleDateTime, COleDateTime>> m_unusual;
    double m_maxLength = 0.0;
};

// Step 2 of the slot collection: for each entry in turn, its options that overlap an entry
// without options sharing a participant go. An entry left without options counts as such for
// the entries after it.
void PruneAgainstEntriesWithoutOptions(CScheduleData& data) {
    const CEntryNeighbours neighbours(data);
    std::vector<std::size_t> near;
    CFixedIntervals fixed;
    for (std::size_t q = 0; q < data.m_arrEntries.size(); ++q) {
        CTimetableEntry& entry = data.m_arrEntries[q];
        if (entry.m_arrSlots.empty()) continue;
        neighbours.Collect(q, near);
        fixed.Clear();
        for (std::size_t p : near) {
            const CTimetableEntry& other = data.m_arrEntries[p];
            if (p == q || !other.m_arrSlots.empty() || !EntriesShareParticipant(data, other, entry)) continue;
            fixed.Add(other.m_dtStart, other.GetEndTime());
        }
        if (!fixed.IsEmpty()) fixed.RemoveOverlappingOptions(entry);
    }
}

}  // namespace

void CollectSlotOptions(CScheduleData& data, const CActivity* filter, CSolverWork& work) {
    const bool weekTemplate = data.HasDefaultStartDate();
    std::unordered_set<std::uint64_t> remembered;
    for (const CEntryBefore& before : work.m_arrBefore) remembered.insert(before.m_nSerial);
    const std::unordered_set<std::uint64_t> excluded(work.m_arrExcluded.begin(), work.m_arrExcluded.end());
    for (CTimetableEntry& entry : data.m_arrEntries) {
        if (excluded.count(entry.GetSerial()) != 0) {
            entry.m_arrSlots.clear();
            continue;
        }
        if (!IsMovableEntry(data, entry)) {
            entry.m_arrSlots.clear();
            if (weekTemplate) entry.m_dtUnmovedStart = entry.m_dtStart;
            continue;
        }
        const auto activity = data.FindActivity(entry.m_nActivity);
        if (activity != data.m_arrActivities.end() &&
            (filter == nullptr || ActivitiesShareLimitedMember(data, *activity, *filter))) {
            if (remembered.insert(entry.GetSerial()).second)
                work.m_arrBefore.push_back({entry.GetSerial(), entry.m_dtStart, entry.m_dtUnmovedStart});
            entry.BuildCandidateSlots(data);
            KeepWholeIntervalSlots(data, entry);
        }
    }
    PruneAgainstEntriesWithoutOptions(data);
}

void ListEntriesWithoutSlots(const CScheduleData& data, CSolverWork& work) {
    work.m_arrWithoutSlots.clear();
    const std::unordered_set<std::uint64_t> excluded(work.m_arrExcluded.begin(), work.m_arrExcluded.end());
    for (const CTimetableEntry& entry : data.m_arrEntries) {
        if (entry.m_arrSlots.empty() && IsUnplacedDate(entry.m_dtStart) && excluded.count(entry.GetSerial()) == 0 &&
            IsMovableEntry(data, entry))
            work.m_arrWithoutSlots.push_back(entry.GetSerial());
    }
}

void FixPlacedEntries(CScheduleData& data) {
    for (CTimetableEntry& entry : data.m_arrEntries) {
        if (IsUnplacedDate(entry.m_dtStart) && entry.m_dtStart.GetStatus() == COleDateTime::valid) continue;
        const int state = entry.GetState(data);
        if (state != 3 && state != 4 && state != 6) entry.m_arrSlots.clear();
    }
    PruneAgainstEntriesWithoutOptions(data);
}

void PrunePositionSlots(CScheduleData& data) {
    // The entries with options by activity, so that each activity looks only at its own.
    std::unordered_map<int, std::vector<CTimetableEntry*>> withOptions;
    for (CTimetableEntry& entry : data.m_arrEntries)
        if (!entry.m_arrSlots.empty()) withOptions[entry.m_nActivity].push_back(&entry);
    for (const CActivity& activity : data.m_arrActivities) {
        if (activity.m_nPosition == 0) continue;
        const auto entries = withOptions.find(activity.m_nId);
        if (entries == withOptions.end()) continue;
        for (CTimetableEntry* entry : entries->second)
            std::erase_if(entry->m_arrSlots,
                          [&](const CCandidateSlot& slot) { return !activity.FitsType0Members(data, slot.m_dtStart); });
    }
}

void WeighSlotConflicts(CSolverControl* progress, CScheduleData& data,
                        const std::function<void(std::size_t, std::size_t)>& step) {
    int oldRange = 0;
    int oldPosition = 0;
    if (progress) {
        oldRange = progress->m_nProgressRange.load();
        oldPosition = progress->m_nProgress.load();
        progress->m_nProgressRange.store(static_cast<int>(std::min<std::size_t>(data.m_arrEntries.size(), 0xFFFF)));
        progress->SetProgress(0);
    }
    const CEntryNeighbours neighbours(data);
    // Each entry's options in whole minutes once, rather than once for every neighbour.
    std::vector<CSlotMinutes> minutes(data.m_arrEntries.size());
    for (std::size_t p = 0; p < data.m_arrEntries.size(); ++p) {
        const CTimetableEntry& entry = data.m_arrEntries[p];
        if (!entry.m_arrSlots.empty()) minutes[p] = CSlotMinutes(entry.m_arrSlots, entry.m_tsLength);
    }
    std::vector<std::size_t> near;
    for (std::size_t p = 0; p < data.m_arrEntries.size(); ++p) {
        CTimetableEntry& entry = data.m_arrEntries[p];
        if (!entry.m_arrSlots.empty()) {
            for (CCandidateSlot& slot : entry.m_arrSlots) slot.m_dScore = 0.0;
            neighbours.Collect(p, near);
            for (std::size_t q : near) {
                const CTimetableEntry& other = data.m_arrEntries[q];
                if (other.m_arrSlots.empty() || !EntriesShareParticipant(data, other, entry)) continue;
                if (!ScoreOverlapsInMinutes(entry.m_arrSlots, minutes[p], minutes[q]))
                    entry.ScoreCandidateOverlaps(other.m_arrSlots, other.m_tsLength);
            }
        }
        if (progress) progress->SetProgress(static_cast<int>(p + 1));
        if (step && ((p + 1) % 64 == 0 || p + 1 == data.m_arrEntries.size())) step(p + 1, data.m_arrEntries.size());
    }
    if (progress) {
        progress->m_nProgressRange.store(oldRange);
        progress->SetProgress(oldPosition);
    }
}

void ComputeEntryPressure(CScheduleData& data) {
    const CEntryNeighbours neighbours(data);
    std::vector<std::size_t> near;
    for (std::size_t p = 0; p < data.m_arrEntries.size(); ++p) {
        CTimetableEntry& entry = data.m_arrEntries[p];
        const std::size_t n = entry.m_arrSlots.size();
        if (n == 0) {
            entry.m_dWorkWeight = 1.5;
            continue;
        }
        COleDateTimeSpan total(0.0);
        neighbours.Collect(p, near);
        for (std::size_t q : near) {
            const CTimetableEntry& other = data.m_arrEntries[q];
            if (EntriesClash(data, entry, other)) total += other.m_tsLength;
        }
        entry.m_dWorkWeight = std::pow(WholeMinutes(total.m_span) / (60.0 * static_cast<double>(n)) + 0.9, 3);
    }
}

void FreeSolverWork(CSolverWork& work) {
    work.m_arrGroupHourLimits.clear();
    work.m_arrUnderplanned.clear();
}
