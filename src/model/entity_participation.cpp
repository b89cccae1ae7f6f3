// Whether an entity takes part in an entry, and whether a room is free for one.
#include <algorithm>

#include "model/entity.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "model/timetable_entry.h"

bool CEntity::TakesPartIn(const CScheduleData& data, const CTimetableEntry& entry, const CPlanIndex* index) const {
    if (m_nId == 0 || data.FindEntity(m_nId) == data.m_arrEntities.end()) return false;
    if (m_nType == 4) {
        const int role = entry.GetRoomRole(data, m_nId);
        if (role == 0) return false;
        const int elsewhere = entry.GetBestRoomRoleElsewhere(data, m_nId, index);
        return elsewhere == 0 || elsewhere == 5 || elsewhere >= role;
    }
    const auto activity = data.FindActivity(entry.m_nActivity);
    if (activity == data.m_arrActivities.end()) return false;
    if (entry.HasParticipant(m_nId)) return true;
    if (activity->HasEntity(*this)) return !IsReplacedOut(data, entry.m_dtStart, entry.GetEndTime(), entry.m_nActivity, index);
    return false;
}

bool CEntity::HasNoActivity(const CScheduleData& data) const {
    if (m_bUnavailable) return true;
    if (m_nType != 1 && m_nType != 2) return false;
    return std::none_of(data.m_arrActivities.begin(), data.m_arrActivities.end(),
                        [&](const CActivity& activity) { return activity.HasEntity(*this); });
}

bool CEntity::IsRoomFreeFor(const CScheduleData& data, const CTimetableEntry& entry) const {
    const COleDateTime end = entry.GetEndTime();
    if (!IsAvailable(data, entry.m_dtStart, end) || IsAbsent(entry.m_dtStart, end)) return false;
    for (const CTimetableEntry& other : data.m_arrEntries) {
        if (other.m_nActivity == entry.m_nActivity) continue;
        if (!IntervalsOverlap(other.m_dtStart, other.GetEndTime(), entry.m_dtStart, end)) continue;
        const int role = other.GetRoomRole(data, m_nId);
        if (role == 1 || role == 2) return false;
    }
    return true;
}
