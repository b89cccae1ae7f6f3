#include "model/participation_rules.h"

#include <algorithm>

#include "model/schedule_data.h"
#include "model/time_values.h"

namespace {

bool SameGroup(const CActivity& a, const CActivity& b) { return a.m_nGroup != 0 && a.m_nGroup == b.m_nGroup; }

bool HasMember(const CActivity& activity, int id) {
    return std::find(activity.m_arrMembers.begin(), activity.m_arrMembers.end(), id) != activity.m_arrMembers.end();
}

// Visits the participants of an entry in the order they are compared: replacement entities,
// then members. The visitor answers true to stop; the walk answers whether it was stopped.
template <class Visit>
bool AnyParticipant(const CTimetableEntry& entry, const CActivity& activity, Visit visit) {
    for (const CReplacement& replacement : entry.m_arrReplacements)
        if (visit(replacement.m_nEntity)) return true;
    return std::any_of(activity.m_arrMembers.begin(), activity.m_arrMembers.end(), visit);
}

}  // namespace

int GetGroupStateAt(const CScheduleData& data, const CTimetableEntry& entry, const CActivityGroup& group) {
    int lowest = 8;
    const COleDateTime end = entry.GetEndTime();
    for (const CTimetableEntry& other : data.m_arrEntries) {
        if (!IntervalsOverlap(other.m_dtStart, other.GetEndTime(), entry.m_dtStart, end)) continue;
        const auto activity = data.FindActivity(other.m_nActivity);
        if (activity == data.m_arrActivities.end() || activity->m_nGroup != group.m_nId) continue;
        const int state = other.GetState(data);
        if (state == 3) return 3;
        lowest = std::min(lowest, state);
    }
    return lowest;
}

bool ActivitiesClash(const CScheduleData& data, const CActivity& a, const CActivity& b, const CTimetableEntry& entry) {
    if (a.m_nId == b.m_nId) return true;
    const bool sameGroup = SameGroup(a, b);
    for (int id : a.m_arrMembers) {
        const auto member = data.FindEntity(id);
        if (member == data.m_arrEntities.end() || !b.HasEntity(*member)) continue;
        if (member->m_nType == 0) {
            if (!sameGroup) return true;
            continue;
        }
        if (member->m_nOverlaps == 0) continue;
        if (member->m_nOverlaps == 1) return true;
        if (data.CountEntityOverlaps(id, a.m_nId, 0, nullptr, entry) >= member->m_nOverlaps) return true;
    }
    return false;
}

bool ActivitiesShareMember(const CScheduleData& data, const CActivity& a, const CActivity& b) {
    if (a.m_nId == b.m_nId) return true;
    const bool sameGroup = SameGroup(a, b);
    return std::any_of(a.m_arrMembers.begin(), a.m_arrMembers.end(), [&](int id) {
        const auto member = data.FindEntity(id);
        if (member == data.m_arrEntities.end()) return false;
        if (sameGroup && member->m_nType == 0) return false;
        return HasMember(b, id);
    });
}

bool ActivitiesShareLimitedMember(const CScheduleData& data, const CActivity& a, const CActivity& b) {
    return std::any_of(a.m_arrMembers.begin(), a.m_arrMembers.end(), [&](int id) {
        const auto member = data.FindEntity(id);
        return member != data.m_arrEntities.end() && member->m_nOverlaps != 0 && HasMember(b, id);
    });
}

bool EntriesShareParticipant(const CScheduleData& data, const CTimetableEntry& x, const CTimetableEntry& y) {
    const auto ax = data.FindActivity(x.m_nActivity);
    const auto ay = data.FindActivity(y.m_nActivity);
    if (ax == data.m_arrActivities.end() || ay == data.m_arrActivities.end()) return false;
    const bool sameGroup = SameGroup(*ax, *ay);
    // The answer of the first participant of x that y has too and that settles it.
    bool shared = false;
    AnyParticipant(x, *ax, [&](int id) {
        if (!AnyParticipant(y, *ay, [id](int other) { return other == id; })) return false;
        if (!sameGroup) return shared = true;
        const auto entity = data.FindEntity(id);
        if (entity == data.m_arrEntities.end()) return true;  // settled: not shared
        return shared = entity->m_nType != 0;
    });
    return shared;
}

bool EntriesClash(const CScheduleData& data, const CTimetableEntry& x, const CTimetableEntry& y) {
    if (y.m_bLinked) return false;
    if (x.m_nActivity == y.m_nActivity) return true;
    const auto ax = data.FindActivity(x.m_nActivity);
    const auto ay = data.FindActivity(y.m_nActivity);
    if (ax == data.m_arrActivities.end() || ay == data.m_arrActivities.end()) return false;
    if (!SameGroup(*ax, *ay)) return ActivitiesShareLimitedMember(data, *ay, *ax);
    return std::any_of(ay->m_arrMembers.begin(), ay->m_arrMembers.end(), [&](int id) {
        const auto member = data.FindEntity(id);
        return member != data.m_arrEntities.end() && member->m_nType != 0 && member->m_nOverlaps == 1 &&
               HasMember(*ax, id);
    });
}

bool EntriesShareReplacement(const CTimetableEntry& x, const CTimetableEntry& y) {
    if (x.m_arrReplacements.empty() || y.m_arrReplacements.empty()) return false;
    return std::any_of(y.m_arrReplacements.begin(), y.m_arrReplacements.end(), [&](const CReplacement& ry) {
        return std::any_of(x.m_arrReplacements.begin(), x.m_arrReplacements.end(),
                           [&](const CReplacement& rx) { return rx.m_nEntity == ry.m_nEntity; });
    });
}

int GetCommonChimeSetId(const CScheduleData& data, const std::vector<int>& entityIds) {
    const int fallback = data.GetDefaultChimeSetId();
    int shared = 0;
    bool found = false;
    for (int id : entityIds) {
        const auto entity = data.FindEntity(id);
        if (entity == data.m_arrEntities.end() || entity->m_nType != 0) continue;
        const int chimeSet = entity->m_nChimeSet != 0 ? entity->m_nChimeSet : fallback;
        if (found && chimeSet != shared) return 0;
        shared = chimeSet;
        found = true;
    }
    return shared;
}

bool LessEntryByActivity(const CTimetableEntry& x, const CTimetableEntry& y) { return x.m_nActivity < y.m_nActivity; }
