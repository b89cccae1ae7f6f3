#pragma once
// TODO(model-texts): stand-ins for the rules the description texts ask (participation,
// availability, rooms, lesson captions and the entity figures) until those land; each one is
// replaced by a call of the real operation and this header goes away.
#include <array>
#include <vector>

#include "model/schedule_data.h"
#include "model/time_values.h"

namespace texts_rules {

inline bool HasEntityId(const CScheduleData& data, int id, const CActivity& activity) {
    const auto it = data.FindEntity(id);
    return it != data.m_arrEntities.end() && activity.HasEntity(*it);
}
inline bool TakesPartIn(const CScheduleData&, int, const CTimetableEntry&) { return true; }
inline bool IsAbsent(const CScheduleData&, const CEntity&, const COleDateTime&, const COleDateTime&) { return false; }
inline bool IsReplacedOut(const CScheduleData&, const CEntity&, const COleDateTime&, const COleDateTime&, int) {
    return false;
}
inline bool IsAvailable(const CScheduleData&, const COleDateTime&, const COleDateTime&, const CEntity&) {
    return true;
}
inline bool IsEntityReplacingElsewhere(const CScheduleData&, const CTimetableEntry&, const CEntity&) { return false; }
inline void RebuildReplacementIndex(CScheduleData&) {}
inline void GetRoomsByAssociation(const CScheduleData& data, std::vector<int>& out, const CTimetableEntry& entry) {
    out.clear();
    const auto activity = data.FindActivity(entry.m_nActivity);
    if (activity == data.m_arrActivities.end()) return;
    out = activity->m_arrRooms;
    out.insert(out.end(), entry.m_arrRooms.begin(), entry.m_arrRooms.end());
}
inline bool IsRoomTakenElsewhere(const CScheduleData&, const CTimetableEntry&, int) { return false; }
inline std::vector<CRoomPair> GetAssociationPairs(const CScheduleData& data, const CTimetableEntry& entry) {
    if (!entry.m_arrPairs.empty()) return entry.m_arrPairs;
    const auto activity = data.FindActivity(entry.m_nActivity);
    if (activity == data.m_arrActivities.end()) return {};
    return activity->m_arrPairs;
}
inline void GetRoomOccupants(const CScheduleData& data, const CTimetableEntry& entry, int room, std::vector<int>& out) {
    out.clear();
    for (const CRoomPair& pair : GetAssociationPairs(data, entry))
        if (pair.m_nRoom == room && data.FindEntity(pair.m_nEntity) != data.m_arrEntities.end())
            out.push_back(pair.m_nEntity);
}
inline bool HasAssociation(const CScheduleData& data, int entity, int room, const CTimetableEntry& entry) {
    for (const CRoomPair& pair : GetAssociationPairs(data, entry))
        if (pair.m_nRoom == room && pair.m_nEntity == entity) return true;
    return false;
}
inline int GetRoomRole(const CScheduleData&, const CTimetableEntry& entry, int room) {
    for (int r : entry.m_arrRooms)
        if (r == room) return 1;
    return 3;
}
inline int GetHourSlot(const CScheduleData&, __time64_t t) { return GetLocalHour(t); }
inline CString GetLessonCaption(const CScheduleData&, int, int, int i) {
    CString text;
    text.Format(L"%02d", i);
    return text;
}
inline int CountLessons(const CScheduleData&) { return 0; }

// Figures of an entity. Category sums are indexed by category - 1 (1 ungrouped with type-0
// members, 2 grouped, 3 ungrouped without them).
using CategorySums = std::array<COleDateTimeSpan, 3>;
inline void RebuildItems(CScheduleData&, CEntity&) {}
inline int CountWorkingDays(const CScheduleData&, const CEntity&) { return 0; }
inline int CountItemDays(const CScheduleData&, const CEntity&) { return 0; }
inline std::array<COleDateTimeSpan, 4> SumGapTimes(const CScheduleData&, const CEntity&) { return {}; }
inline COleDateTimeSpan SumAbsenceTime(const CScheduleData&, const CEntity&) { return {}; }
inline COleDateTimeSpan SumFundTime(const CScheduleData&, const CEntity&) { return {}; }
inline COleDateTimeSpan GetWeeklyAvailableTime(const CScheduleData&, const CEntity&) { return {}; }
inline CategorySums SumActivityTime(const CScheduleData&, const CEntity&) { return {}; }
inline CategorySums SumItemTime(const CScheduleData&, const CEntity&) { return {}; }
inline CategorySums SumAbsenceLoss(const CScheduleData&, const CEntity&) { return {}; }
inline CategorySums SumItemTimeMerged(const CScheduleData&, const CEntity&) { return {}; }

}  // namespace texts_rules
