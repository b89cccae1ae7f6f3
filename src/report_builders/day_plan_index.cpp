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
    return m_plan.EntriesWithRoomRole(roomId);
}
