// Rooms of a timetable entry, the strength of its claims on them, and the room/participant pairs.
#include <algorithm>

#include "model/entry_scan.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "model/timetable_entry.h"

namespace {

bool Contains(const std::vector<int>& ids, int id) { return std::find(ids.begin(), ids.end(), id) != ids.end(); }

bool PairsHaveRoom(const std::vector<CRoomPair>& pairs, int roomId) {
    return std::any_of(pairs.begin(), pairs.end(), [&](const CRoomPair& p) { return p.m_nRoom == roomId; });
}

bool Overlaps(const CTimetableEntry& a, const CTimetableEntry& b) {
    return IntervalsOverlap(a.m_dtStart, a.GetEndTime(), b.m_dtStart, b.GetEndTime());
}

// Visits the type-0 members of the activity, then the type-0 replacement entities.
template <class Visit>
void ForEachType0Participant(const CScheduleData& data, const CActivity& activity, const CTimetableEntry& entry,
                             Visit visit) {
    for (int id : activity.m_arrMembers) {
        const auto entity = data.FindEntity(id);
        if (entity != data.m_arrEntities.end() && entity->m_nType == 0) visit(*entity);
    }
    for (const CReplacement& replacement : entry.m_arrReplacements) {
        const auto entity = data.FindEntity(replacement.m_nEntity);
        if (entity != data.m_arrEntities.end() && entity->m_nType == 0) visit(*entity);
    }
}

}  // namespace

void CTimetableEntry::GetRooms(const CScheduleData& data, std::vector<int>& rooms, const CPlanIndex* index) const {
    rooms.clear();
    if (m_bLinked) return;
    const auto activity = data.FindActivity(m_nActivity);
    if (activity == data.m_arrActivities.end()) return;
    if (activity->m_arrRooms.empty() && m_arrRooms.empty()) {
        // The default room applies only when the type-0 members give exactly one.
        for (int id : activity->m_arrMembers) {
            const auto entity = data.FindEntity(id);
            if (entity == data.m_arrEntities.end() || entity->m_nType != 0) continue;
            if (data.FindEntity(entity->m_nDefaultPlace) == data.m_arrEntities.end()) continue;
            if (!IsRoomTakenElsewhere(data, entity->m_nDefaultPlace, index)) rooms.push_back(entity->m_nDefaultPlace);
        }
        if (rooms.size() > 1) rooms.clear();
        return;
    }
    for (int id : activity->m_arrRooms) {
        const auto entity = data.FindEntity(id);
        if (entity != data.m_arrEntities.end() && entity->m_nType == 4) rooms.push_back(id);
    }
    for (int id : m_arrRooms) {
        const auto entity = data.FindEntity(id);
        if (entity != data.m_arrEntities.end() && entity->m_nType == 4) rooms.push_back(id);
    }
}

void CTimetableEntry::GetRoomsByAssociation(const CScheduleData& data, std::vector<int>& rooms,
                                            const CPlanIndex* index) const {
    GetRooms(data, rooms, index);
    const auto activity = data.FindActivity(m_nActivity);
    if (activity == data.m_arrActivities.end() || (activity->m_arrRooms.empty() && m_arrRooms.empty())) return;
    const std::vector<CRoomPair>* pairs = GetAssociationPairs(data);
    if (!pairs) return;
    std::erase_if(rooms, [&](int room) { return !PairsHaveRoom(*pairs, room); });
}

void CTimetableEntry::GetAvailableRooms(const CScheduleData& data, std::vector<int>& rooms) const {
    GetRooms(data, rooms);
    std::erase_if(rooms, [&](int room) {
        const auto entity = data.FindEntity(room);
        return entity == data.m_arrEntities.end() || !entity->CanTakeEntry(data, *this);
    });
}

int CTimetableEntry::CountRoomsByAssociation(const CScheduleData& data) const {
    std::vector<int> rooms;
    GetRoomsByAssociation(data, rooms);
    return static_cast<int>(rooms.size());
}

int CTimetableEntry::GetRoomRole(const CScheduleData& data, int roomId) const {
    const auto activity = data.FindActivity(m_nActivity);
    if (activity == data.m_arrActivities.end() || !activity->m_strLocation.IsEmpty()) return 0;
    if (PairsHaveRoom(m_arrPairs, roomId)) return 2;
    if (Contains(m_arrRooms, roomId)) return 1;
    if (!m_arrRooms.empty()) return 0;
    if (PairsHaveRoom(activity->m_arrPairs, roomId)) return 2;
    if (Contains(activity->m_arrRooms, roomId))
        return activity->m_arrRooms.size() == 1 && activity->CountStaffMembers(data) == 1 ? 2 : 3;
    if (!activity->m_arrRooms.empty() || CountDefaultRooms(data) != 1) return 0;
    bool isDefault = false;
    ForEachType0Participant(data, *activity, *this,
                            [&](const CEntity& entity) { isDefault = isDefault || entity.m_nDefaultPlace == roomId; });
    return isDefault ? 4 : 0;
}

int CTimetableEntry::GetBestRoomRoleElsewhere(const CScheduleData& data, int roomId, const CPlanIndex* index) const {
    int best = 5;
    AnyRoomEntryNear(data, index, roomId, m_dtStart, GetEndTime(), [&](const CTimetableEntry& other) {
        if (other.m_nActivity == m_nActivity || !Overlaps(other, *this) || other.IsLinkedState(data)) return false;
        const int role = other.GetRoomRole(data, roomId);
        if (role != 0 && role < best) best = role;
        return best == 1;  // nothing is stronger
    });
    return best;
}

bool CTimetableEntry::HasRoomPriority(const CScheduleData& data, int roomId, const CPlanIndex* index) const {
    const int role = GetRoomRole(data, roomId);
    if (role == 0) return false;
    const int elsewhere = GetBestRoomRoleElsewhere(data, roomId, index);
    return elsewhere == 5 || elsewhere == 0 || elsewhere >= role;
}

bool CTimetableEntry::IsRoomTakenElsewhere(const CScheduleData& data, int roomId, const CPlanIndex* index) const {
    if (roomId == 0) return true;
    const auto room = data.FindEntity(roomId);
    if (room == data.m_arrEntities.end() || !room->IsAvailable(data, m_dtStart, GetEndTime())) return true;
    int here = GetRoomRole(data, roomId);
    if (here == 0) here = 2;
    return AnyRoomEntryNear(data, index, roomId, m_dtStart, GetEndTime(), [&](const CTimetableEntry& other) {
        if (other.m_nActivity == m_nActivity || !Overlaps(other, *this) || other.IsLinkedState(data)) return false;
        const int role = other.GetRoomRole(data, roomId);
        return role != 0 && role <= here;
    });
}

int CTimetableEntry::CheckRooms(const CScheduleData& data, const CPlanIndex* index) const {
    if (m_bLinked) return 0;
    const auto activity = data.FindActivity(m_nActivity);
    if (activity == data.m_arrActivities.end()) return 2;
    if (!activity->m_strLocation.IsEmpty()) return 0;

    // Staff present at the entry's time (not at its unmoved start: a moved entry, or one
    // added to a dated plan with no unmoved start, is checked where it is now).
    const COleDateTime end = GetEndTime();
    int staff = 0;
    const auto countStaff = [&](int id) {
        const auto entity = data.FindEntity(id);
        if (entity == data.m_arrEntities.end() || (entity->m_nType != 1 && entity->m_nType != 2)) return;
        if (!entity->IsAbsent(m_dtStart, end)) ++staff;
    };
    for (int id : activity->m_arrMembers) countStaff(id);
    for (const CReplacement& replacement : m_arrReplacements) countStaff(replacement.m_nEntity);

    std::vector<int> rooms;
    GetRoomsByAssociation(data, rooms, index);
    const auto free = std::count_if(rooms.begin(), rooms.end(), [&](int room) { return !IsRoomTakenElsewhere(data, room, index); });
    if (free == 0) return 2;
    if (free < staff) return 1;
    if (!m_arrRooms.empty()) return 3;
    return 0;
}

const std::vector<CRoomPair>* CTimetableEntry::GetAssociationPairs(const CScheduleData& data) const {
    if (!m_arrPairs.empty()) return &m_arrPairs;
    const auto activity = data.FindActivity(m_nActivity);
    if (activity != data.m_arrActivities.end() && !activity->m_arrPairs.empty()) return &activity->m_arrPairs;
    return nullptr;
}

void CTimetableEntry::AssociateRoom(const CScheduleData& data, int roomId, int entityId) {
    if (roomId == 0 || entityId == 0) return;
    if (data.FindEntity(roomId) == data.m_arrEntities.end() || data.FindEntity(entityId) == data.m_arrEntities.end())
        return;
    if (HasAssociation(data, entityId, roomId)) return;
    if (CountRooms(data) <= 1) return;
    if (m_arrPairs.empty()) {
        const auto activity = data.FindActivity(m_nActivity);
        if (activity != data.m_arrActivities.end()) m_arrPairs = activity->m_arrPairs;
    }
    const auto pair = std::find_if(m_arrPairs.begin(), m_arrPairs.end(),
                                   [&](const CRoomPair& p) { return p.m_nEntity == entityId; });
    if (pair != m_arrPairs.end())
        pair->m_nRoom = roomId;
    else
        m_arrPairs.push_back({roomId, entityId});
}

bool CTimetableEntry::HasAssociation(const CScheduleData& data, int entityId, int roomId) const {
    if (data.FindActivity(m_nActivity) == data.m_arrActivities.end()) return false;
    if (data.FindEntity(entityId) == data.m_arrEntities.end() || data.FindEntity(roomId) == data.m_arrEntities.end())
        return false;
    const std::vector<CRoomPair>* pairs = GetAssociationPairs(data);
    return pairs && std::find(pairs->begin(), pairs->end(), CRoomPair{roomId, entityId}) != pairs->end();
}

void CTimetableEntry::GetRoomOccupants(const CScheduleData& data, int roomId, std::vector<int>& ids) const {
    ids.clear();
    if (data.FindActivity(m_nActivity) == data.m_arrActivities.end()) return;
    const std::vector<CRoomPair>* pairs = GetAssociationPairs(data);
    if (!pairs) return;
    const COleDateTime end = GetEndTime();
    for (const CRoomPair& pair : *pairs) {
        if (pair.m_nRoom != roomId) continue;
        const auto entity = data.FindEntity(pair.m_nEntity);
        if (entity == data.m_arrEntities.end()) continue;
        if (!entity->IsAbsent(m_dtStart, end) && !entity->IsReplacedOut(data, m_dtStart, end, m_nActivity))
            ids.push_back(pair.m_nEntity);
    }
}

bool CTimetableEntry::IsRoomAssociatedWith(const CScheduleData& data, int entityId) const {
    const int rooms = CountRooms(data);
    if (rooms == 0) return false;
    if (rooms == 1) return true;
    const std::vector<CRoomPair>* pairs = GetAssociationPairs(data);
    return pairs && std::any_of(pairs->begin(), pairs->end(), [&](const CRoomPair& p) { return p.m_nEntity == entityId; });
}

int CTimetableEntry::CountRooms(const CScheduleData& data) const {
    const auto activity = data.FindActivity(m_nActivity);
    if (activity == data.m_arrActivities.end()) return 0;
    return static_cast<int>(m_arrRooms.size() + activity->m_arrRooms.size());
}

int CTimetableEntry::CountDefaultRooms(const CScheduleData& data) const {
    const auto activity = data.FindActivity(m_nActivity);
    if (activity == data.m_arrActivities.end()) return 0;
    int count = 0;
    ForEachType0Participant(data, *activity, *this, [&](const CEntity& entity) {
        if (entity.m_nDefaultPlace != 0) ++count;
    });
    return count;
}

int CTimetableEntry::CountAvailableStaff(const CScheduleData& data) const {
    const COleDateTime end = GetEndTime();
    return static_cast<int>(std::count_if(data.m_arrEntities.begin(), data.m_arrEntities.end(), [&](const CEntity& e) {
        return (e.m_nType == 1 || e.m_nType == 2) && e.TakesPartIn(data, *this) && e.IsAvailable(data, m_dtStart, end) &&
               !e.IsAbsent(m_dtStart, end);
    }));
}

int CTimetableEntry::CountRoomsWithoutPair() const {
    return static_cast<int>(
        std::count_if(m_arrRooms.begin(), m_arrRooms.end(), [&](int room) { return !PairsHaveRoom(m_arrPairs, room); }));
}

bool CTimetableEntry::DropRoomsWithoutPair() {
    return std::erase_if(m_arrRooms, [&](int room) { return !PairsHaveRoom(m_arrPairs, room); }) > 0;
}
