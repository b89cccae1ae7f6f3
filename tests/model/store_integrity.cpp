#include "store_integrity.h"

#include <set>

#include "model/schedule_data.h"

namespace {

class CFaultList {
public:
    explicit CFaultList(const CScheduleData& data) : m_data(data) {}

    void Add(const std::string& where, const std::string& what) { m_faults.push_back(where + ": " + what); }

    // Ids of a collection: each 1 or more and used once.
    template <class Array>
    void CheckIds(const Array& records, const char* kind) {
        std::set<int> seen;
        for (const auto& record : records) {
            const std::string where = std::string(kind) + " " + std::to_string(record.m_nId);
            if (record.m_nId <= 0) Add(where, "id is not positive");
            if (!seen.insert(record.m_nId).second) Add(where, "id is used twice");
        }
    }

    void Entity(const std::string& where, const char* role, int id, bool zeroAllowed) {
        if (id == 0) {
            if (!zeroAllowed) Add(where, std::string(role) + " is 0");
            return;
        }
        if (m_data.FindEntity(id) == m_data.m_arrEntities.end())
            Add(where, std::string(role) + " " + std::to_string(id) + " names no entity");
    }

    void Room(const std::string& where, const char* role, int id) {
        const auto entity = m_data.FindEntity(id);
        if (entity == m_data.m_arrEntities.end())
            Add(where, std::string(role) + " " + std::to_string(id) + " names no entity");
        else if (entity->m_nType != 4)
            Add(where, std::string(role) + " " + std::to_string(id) + " is not a room");
    }

    void Member(const std::string& where, int id) {
        const auto entity = m_data.FindEntity(id);
        if (entity == m_data.m_arrEntities.end())
            Add(where, "member " + std::to_string(id) + " names no entity");
        else if (entity->m_nType == 4)
            Add(where, "member " + std::to_string(id) + " is a room");
    }

    void ChimeSet(const std::string& where, const char* role, int id) {
        if (id != 0 && m_data.FindChimeSet(id) == m_data.m_arrChimeSets.end())
            Add(where, std::string(role) + " " + std::to_string(id) + " names no chime set");
    }

    void Pairs(const std::string& where, const std::vector<CRoomPair>& pairs) {
        for (const CRoomPair& pair : pairs) {
            Room(where, "pair room", pair.m_nRoom);
            Entity(where, "pair entity", pair.m_nEntity, false);
        }
    }

    std::vector<std::string> Take() { return std::move(m_faults); }

private:
    const CScheduleData& m_data;
    std::vector<std::string> m_faults;
};

}  // namespace

std::vector<std::string> FindStoreFaults(const CScheduleData& data) {
    CFaultList faults(data);

    faults.CheckIds(data.m_arrEntities, "entity");
    faults.CheckIds(data.m_arrActivities, "activity");
    faults.CheckIds(data.m_arrGroups, "group");
    faults.CheckIds(data.m_arrChimeSets, "chime set");

    for (const CEntity& entity : data.m_arrEntities) {
        const std::string where = "entity " + std::to_string(entity.m_nId);
        faults.Entity(where, "default place", entity.m_nDefaultPlace, true);
        faults.ChimeSet(where, "chime set", entity.m_nChimeSet);
    }

    for (const CActivity& activity : data.m_arrActivities) {
        const std::string where = "activity " + std::to_string(activity.m_nId);
        if (activity.m_nGroup != 0 && data.FindGroup(activity.m_nGroup) == data.m_arrGroups.end())
            faults.Add(where, "group " + std::to_string(activity.m_nGroup) + " names no group");
        faults.ChimeSet(where, "chime set", activity.m_nChimeSet);
        for (int id : activity.m_arrMembers) faults.Member(where, id);
        for (int id : activity.m_arrRooms) faults.Room(where, "room", id);
        faults.Pairs(where, activity.m_arrPairs);
    }

    int index = 0;
    for (const CTimetableEntry& entry : data.m_arrEntries) {
        const std::string where = "entry #" + std::to_string(index++);
        if (data.FindActivity(entry.m_nActivity) == data.m_arrActivities.end())
            faults.Add(where, "activity " + std::to_string(entry.m_nActivity) + " names no activity");
        for (int id : entry.m_arrRooms) faults.Room(where, "room", id);
        faults.Pairs(where, entry.m_arrPairs);
        for (const CReplacement& replacement : entry.m_arrReplacements) {
            faults.Entity(where, "replacement entity", replacement.m_nEntity, false);
            faults.Entity(where, "replaced entity", replacement.m_nReplacing, true);
        }
    }

    index = 0;
    for (const CActivityKey& key : data.m_arrKeys) {
        const std::string where = "key #" + std::to_string(index++);
        if (data.FindActivity(key.m_nActivity) == data.m_arrActivities.end())
            faults.Add(where, "activity " + std::to_string(key.m_nActivity) + " names no activity");
        faults.Entity(where, "entity", key.m_nEntity, false);
    }

    faults.Entity("store", "current entity", data.m_nCurrentEntity, true);
    faults.ChimeSet("store", "current chime set", data.m_nCurrentChimeSet);
    faults.ChimeSet("store", "default chime set", data.m_nDefaultChimeSet);
    return faults.Take();
}
