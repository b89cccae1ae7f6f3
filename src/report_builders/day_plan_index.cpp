#include "report_builders/day_plan_index.h"

const std::vector<std::size_t>& CDayPlanIndex::EntriesInvolving(int entityId) const {
    auto it = m_involving.find(entityId);
    if (it == m_involving.end()) {
        it = m_involving.emplace(entityId, std::vector<std::size_t>()).first;
        m_plan.GetEntriesInvolving(entityId, it->second);
    }
    return it->second;
}
