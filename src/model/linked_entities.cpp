#include "model/linked_entities.h"

#include "model/plan_index.h"
#include "model/schedule_data.h"

std::unordered_set<int> LinkedEntities(const CScheduleData& data, const CPlanIndex& index, int entityId) {
    std::unordered_set<int> linked;
    if (entityId == 0 || data.FindEntity(entityId) == data.m_arrEntities.end()) return linked;
    auto addOfActivity = [&](const CActivity& activity) {
        for (const std::vector<int>* ids : {&activity.m_arrMembers, &activity.m_arrRooms})
            for (const int id : *ids)
                if (activity.HasEntityId(data, id)) linked.insert(id);
    };
    auto addNamedBy = [&](const CTimetableEntry& entry) {
        for (const CReplacement& record : entry.m_arrReplacements) linked.insert(record.m_nEntity);
        for (const int room : entry.m_arrRooms) linked.insert(room);
    };
    for (const std::size_t a : index.ActivitiesOf(entityId)) {
        const CActivity& activity = data.m_arrActivities[a];
        addOfActivity(activity);
        for (const std::size_t e : index.EntriesOfActivity(activity.m_nId)) addNamedBy(data.m_arrEntries[e]);
    }
    for (const std::size_t e : index.EntriesNaming(entityId)) {
        const CTimetableEntry& entry = data.m_arrEntries[e];
        addNamedBy(entry);
        const auto activity = data.FindActivity(entry.m_nActivity);
        if (activity != data.m_arrActivities.end()) addOfActivity(*activity);
    }
    return linked;
}
