#pragma once
// Lookups over a store that the heavy rules share while they run: the activities of an entity
// and of a group, the entries of an activity, the entries that name an entity in their
// replacement records or own room lists, the entries in which a room may have a role, and the
// entries near a stretch of time.
//
// The index is built at the start of an operation and passed down to the rules it calls; it
// holds positions in the store's collections and the entries' times as they were then. It is
// valid only while nothing edits the store: an operation that changes the collections, or the
// members, rooms, groups, replacement records or times of their records, builds a new one. The
// entries by start and the lists of entries by room role are made when first asked for (once,
// also when several threads share the index): many operations never read them.
#include <cstddef>
#include <mutex>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "model/entries_by_start.h"
#include "platform/core/ole_date_time.h"

class CEntity;
class CScheduleData;
class CTimetableEntry;

class CPlanIndex {
public:
    using Positions = std::vector<std::size_t>;

    explicit CPlanIndex(const CScheduleData& data);

    // Positions of the activities that have the entity (as CActivity::HasEntityId answers: the
    // room list for a room, the member list otherwise), ascending, each once.
    const Positions& ActivitiesOf(int entityId) const;
    // Positions of the activities whose member list holds the id, whatever it names, ascending.
    const Positions& ActivitiesListingMember(int id) const;
    // Positions of the activities of a group, ascending.
    const Positions& ActivitiesOfGroup(int groupId) const;
    // Positions of the entries of an activity, in collection order.
    const Positions& EntriesOfActivity(int activityId) const;
    // Positions of the entries whose replacement records or own room list name the id, ascending.
    const Positions& EntriesNaming(int entityId) const;
    // Positions of the entries whose activity is not in the store, ascending.
    const Positions& EntriesWithoutActivity() const { return m_withoutActivity; }
    // Positions, ascending, of the entries in which a room may have a role (GetRoomRole not 0):
    // those whose own rooms or pairs, whose activity's rooms or pairs, or whose type-0
    // participants' default rooms name it.
    const Positions& EntriesWithRoomRole(int roomId) const;
    // Positions of every entry in which an entity that is not a room may take part
    // (CEntity::TakesPartIn): the entries of its activities and those that name it, ascending,
    // each once. Rooms take part through roles that pairs and default rooms give too; for them
    // ask the rules themselves.
    void GetEntriesInvolving(int entityId, Positions& out) const;
    // Positions, ascending, of the entries whose interval may share time with start to end: a
    // superset of those that IntersectIntervals finds longer than zero.
    void GetEntriesNear(const COleDateTime& start, const COleDateTime& end, Positions& out) const;
    // The same among the entries in which the room may have a role.
    void GetRoomEntriesNear(int roomId, const COleDateTime& start, const COleDateTime& end, Positions& out) const;
    // The answers of CEntity::TakesPartIn and CEntity::TakesPartDuring, without the walks over
    // the whole timetable where the index shows they cannot change the answer.
    bool TakesPartIn(const CEntity& entity, const CTimetableEntry& entry) const;
    bool TakesPartDuring(const CEntity& entity, const CTimetableEntry& entry) const;

private:
    const CEntriesByStart& ByStart() const;
    void BuildRoomRoles() const;

    const CScheduleData& m_data;
    // Activities with a linked entry that has replacement records: only those can replace a
    // member out of an entry.
    std::unordered_set<int> m_replacesOut;
    std::unordered_map<int, Positions> m_members;  // entity id -> activities listing it as member
    std::unordered_map<int, Positions> m_rooms;    // entity id -> activities listing it as room
    std::unordered_map<int, Positions> m_groups;
    std::unordered_map<int, Positions> m_entriesOfActivity;
    std::unordered_map<int, Positions> m_naming;
    Positions m_withoutActivity;
    mutable std::once_flag m_roomRolesBuilt;
    mutable std::unordered_map<int, Positions> m_roomRoles;  // room id -> entries in which it may have a role
    mutable std::unordered_map<int, CEntriesByStart> m_roomRolesByStart;
    mutable std::once_flag m_byStartBuilt;
    mutable CEntriesByStart m_byStart;
};
