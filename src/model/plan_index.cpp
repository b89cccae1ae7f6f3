#include "model/plan_index.h"

#include <algorithm>

#include "model/schedule_data.h"
#include "model/time_values.h"

namespace {

const CPlanIndex::Positions kNone;

void AddOnce(CPlanIndex::Positions& list, std::size_t position) {
    if (list.empty() || list.back() != position) list.push_back(position);
}

const CPlanIndex::Positions& Lookup(const std::unordered_map<int, CPlanIndex::Positions>& map, int key) {
    const auto hit = map.find(key);
    return hit == map.end() ? kNone : hit->second;
}

}  // namespace

CPlanIndex::CPlanIndex(const CScheduleData& data) : m_data(data) {
    m_entriesOfActivity.reserve(data.m_arrActivities.size());
    for (std::size_t i = 0; i < data.m_arrActivities.size(); ++i) {
        const CActivity& activity = data.m_arrActivities[i];
        // Positions grow with i, so AddOnce drops the repeats of one list.
        for (int id : activity.m_arrMembers) AddOnce(m_members[id], i);
        for (int id : activity.m_arrRooms) AddOnce(m_rooms[id], i);
        m_groups[activity.m_nGroup].push_back(i);
    }
    for (std::size_t i = 0; i < data.m_arrEntries.size(); ++i) {
        const CTimetableEntry& entry = data.m_arrEntries[i];
        m_entriesOfActivity[entry.m_nActivity].push_back(i);
        for (const CReplacement& replacement : entry.m_arrReplacements) AddOnce(m_naming[replacement.m_nEntity], i);
        for (int room : entry.m_arrRooms) AddOnce(m_naming[room], i);
        if (entry.m_bLinked && !entry.m_arrReplacements.empty()) m_replacesOut.insert(entry.m_nActivity);
        if (data.FindActivity(entry.m_nActivity) == data.m_arrActivities.end()) m_withoutActivity.push_back(i);
    }
}

const CEntriesByStart& CPlanIndex::ByStart() const {
    std::call_once(m_byStartBuilt, [this] {
        m_byStart.Reserve(m_data.m_arrEntries.size());
        for (std::size_t i = 0; i < m_data.m_arrEntries.size(); ++i) m_byStart.Add(m_data.m_arrEntries[i], i);
        m_byStart.Finish();
    });
    return m_byStart;
}

void CPlanIndex::BuildRoomRoles() const {
    const CScheduleData& data = m_data;
    // Per activity, the rooms its own lists and its type-0 members' default rooms may give a
    // role in each of its entries, one list after the other.
    std::vector<int> activityRooms;
    std::vector<std::size_t> firstActivityRoom(data.m_arrActivities.size() + 1, 0);
    const auto addDefaultRoom = [&](std::vector<int>& rooms, int id) {
        const auto entity = data.FindEntity(id);
        if (entity != data.m_arrEntities.end() && entity->m_nType == 0 && entity->m_nDefaultPlace != 0)
            rooms.push_back(entity->m_nDefaultPlace);
    };
    for (std::size_t i = 0; i < data.m_arrActivities.size(); ++i) {
        const CActivity& activity = data.m_arrActivities[i];
        activityRooms.insert(activityRooms.end(), activity.m_arrRooms.begin(), activity.m_arrRooms.end());
        for (const CRoomPair& pair : activity.m_arrPairs) activityRooms.push_back(pair.m_nRoom);
        for (int id : activity.m_arrMembers) addDefaultRoom(activityRooms, id);
        firstActivityRoom[i + 1] = activityRooms.size();
    }
    // The rooms of each entry, one list after the other.
    std::vector<int> entryRooms;
    entryRooms.reserve(data.m_arrEntries.size() * 2);
    std::vector<std::size_t> firstRoom(data.m_arrEntries.size() + 1, 0);
    std::vector<int> rooms;
    for (std::size_t i = 0; i < data.m_arrEntries.size(); ++i) {
        const CTimetableEntry& entry = data.m_arrEntries[i];
        // Every room the entry's room roles may name.
        rooms = entry.m_arrRooms;
        for (const CRoomPair& pair : entry.m_arrPairs) rooms.push_back(pair.m_nRoom);
        const auto activity = data.FindActivity(entry.m_nActivity);
        if (activity != data.m_arrActivities.end()) {
            const auto a = static_cast<std::size_t>(activity - data.m_arrActivities.begin());
            rooms.insert(rooms.end(), activityRooms.begin() + static_cast<std::ptrdiff_t>(firstActivityRoom[a]),
                         activityRooms.begin() + static_cast<std::ptrdiff_t>(firstActivityRoom[a + 1]));
        }
        for (const CReplacement& replacement : entry.m_arrReplacements) addDefaultRoom(rooms, replacement.m_nEntity);
        std::sort(rooms.begin(), rooms.end());
        rooms.erase(std::unique(rooms.begin(), rooms.end()), rooms.end());
        for (int room : rooms) m_roomRoles[room].push_back(i);
        entryRooms.insert(entryRooms.end(), rooms.begin(), rooms.end());
        firstRoom[i + 1] = entryRooms.size();
    }
    for (const auto& [room, entries] : m_roomRoles) m_roomRolesByStart[room].Reserve(entries.size());
    ByStart().DealOut([&](std::size_t i, auto deal) {
        for (std::size_t r = firstRoom[i]; r < firstRoom[i + 1]; ++r) deal(m_roomRolesByStart[entryRooms[r]]);
    });
    for (auto& [room, list] : m_roomRolesByStart) list.Finish();  // in order already: nothing to sort
}

const CPlanIndex::Positions& CPlanIndex::ActivitiesOf(int entityId) const {
    const auto entity = m_data.FindEntity(entityId);
    if (entity == m_data.m_arrEntities.end()) return kNone;
    return Lookup(entity->m_nType == 4 ? m_rooms : m_members, entityId);
}

const CPlanIndex::Positions& CPlanIndex::ActivitiesListingMember(int id) const { return Lookup(m_members, id); }

const CPlanIndex::Positions& CPlanIndex::ActivitiesOfGroup(int groupId) const { return Lookup(m_groups, groupId); }

const CPlanIndex::Positions& CPlanIndex::EntriesOfActivity(int activityId) const {
    return Lookup(m_entriesOfActivity, activityId);
}

const CPlanIndex::Positions& CPlanIndex::EntriesNaming(int entityId) const { return Lookup(m_naming, entityId); }

const CPlanIndex::Positions& CPlanIndex::EntriesWithRoomRole(int roomId) const {
    std::call_once(m_roomRolesBuilt, [this] { BuildRoomRoles(); });
    return Lookup(m_roomRoles, roomId);
}

void CPlanIndex::GetEntriesInvolving(int entityId, Positions& out) const {
    out.clear();
    for (std::size_t a : ActivitiesOf(entityId)) {
        const Positions& entries = EntriesOfActivity(m_data.m_arrActivities[a].m_nId);
        out.insert(out.end(), entries.begin(), entries.end());
    }
    const Positions& naming = EntriesNaming(entityId);
    out.insert(out.end(), naming.begin(), naming.end());
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
}

void CPlanIndex::GetEntriesNear(const COleDateTime& start, const COleDateTime& end, Positions& out) const {
    ByStart().GetNear(start, end, out);
}

void CPlanIndex::GetRoomEntriesNear(int roomId, const COleDateTime& start, const COleDateTime& end,
                                    Positions& out) const {
    std::call_once(m_roomRolesBuilt, [this] { BuildRoomRoles(); });
    const auto hit = m_roomRolesByStart.find(roomId);
    if (hit == m_roomRolesByStart.end()) {
        out.clear();
        return;
    }
    hit->second.GetNear(start, end, out);
}

bool CPlanIndex::TakesPartIn(const CEntity& entity, const CTimetableEntry& entry) const {
    // A member is replaced out only through a linked entry of the same activity with
    // replacement records; without one the member simply takes part.
    if (entity.m_nType == 4 || m_replacesOut.count(entry.m_nActivity)) return entity.TakesPartIn(m_data, entry, this);
    if (entity.m_nId == 0 || m_data.FindEntity(entity.m_nId) == m_data.m_arrEntities.end()) return false;
    const auto activity = m_data.FindActivity(entry.m_nActivity);
    if (activity == m_data.m_arrActivities.end()) return false;
    return entry.HasParticipant(entity.m_nId) || activity->HasEntity(entity);
}

bool CPlanIndex::TakesPartDuring(const CEntity& entity, const CTimetableEntry& entry) const {
    if (entity.m_nType == 4) return entity.TakesPartDuring(m_data, entry, this);
    if (entity.m_bUnavailable) return false;
    const COleDateTime start = entry.m_dtStart;
    const COleDateTime end = entry.GetEndTime();
    // The entries involving the entity (GetEntriesInvolving), in any order: one is enough.
    const auto takesPart = [&](std::size_t e) {
        const CTimetableEntry& other = m_data.m_arrEntries[e];
        return CEntriesByStart::MayShareTime(other, start, end) && !other.IsLinkedState(m_data) &&
               IntervalsOverlap(other.m_dtStart, other.GetEndTime(), start, end) && TakesPartIn(entity, other);
    };
    for (std::size_t a : ActivitiesOf(entity.m_nId)) {
        const Positions& entries = EntriesOfActivity(m_data.m_arrActivities[a].m_nId);
        if (std::any_of(entries.begin(), entries.end(), takesPart)) return true;
    }
    const Positions& naming = EntriesNaming(entity.m_nId);
    return std::any_of(naming.begin(), naming.end(), takesPart);
}
