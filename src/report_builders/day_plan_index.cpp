#include "report_builders/day_plan_index.h"

#include <algorithm>

#include "model/schedule_data.h"

const std::vector<std::size_t>& CDayPlanIndex::EntriesInvolving(int entityId) const {
    auto it = m_involving.find(entityId);
    if (it == m_involving.end()) {
        it = m_involving.emplace(entityId, std::vector<std::size_t>()).first;
        m_plan.GetEntriesInvolving(entityId, it->second);
    }
    return it->second;
}

const std::vector<std::size_t>& CDayPlanIndex::EntriesNamingRoom(int roomId) const {
    if (!m_roomsIndexed) {
        m_roomsIndexed = true;
        std::vector<int> rooms;
        auto addDefaultRoom = [&](int id) {
            const auto entity = m_data.FindEntity(id);
            if (entity != m_data.m_arrEntities.end() && entity->m_nType == 0 && entity->m_nDefaultPlace != 0)
                rooms.push_back(entity->m_nDefaultPlace);
        };
        for (std::size_t position = 0; position < m_data.m_arrEntries.size(); ++position) {
            const CTimetableEntry& entry = m_data.m_arrEntries[position];
            rooms = entry.m_arrRooms;
            for (const CRoomPair& pair : entry.m_arrPairs) rooms.push_back(pair.m_nRoom);
            const auto activity = m_data.FindActivity(entry.m_nActivity);
            if (activity != m_data.m_arrActivities.end()) {
                rooms.insert(rooms.end(), activity->m_arrRooms.begin(), activity->m_arrRooms.end());
                for (const CRoomPair& pair : activity->m_arrPairs) rooms.push_back(pair.m_nRoom);
                for (int id : activity->m_arrMembers) addDefaultRoom(id);
            }
            for (const CReplacement& replacement : entry.m_arrReplacements) addDefaultRoom(replacement.m_nEntity);
            std::sort(rooms.begin(), rooms.end());
            rooms.erase(std::unique(rooms.begin(), rooms.end()), rooms.end());
            for (int room : rooms) m_roomEntries[room].push_back(position);
        }
    }
    static const std::vector<std::size_t> kNone;
    const auto it = m_roomEntries.find(roomId);
    return it == m_roomEntries.end() ? kNone : it->second;
}
