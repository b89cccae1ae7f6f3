#include "solver_engine/solver_fitness.h"

#include <functional>
#include <unordered_set>

#include "model/schedule_data.h"
#include "solver_engine/solver_costs.h"
#include "solver_engine/solver_genome.h"
#include "solver_engine/solver_work.h"

namespace {
constexpr std::size_t kMaxKeptCosts = 1 << 14;
}

CSolverFitness::CSolverFitness(CScheduleData& data, const CSolverWork& work, const CSolverGenome& genome,
                               const CPlanIndex* index)
    : m_data(data), m_work(work), m_pIndex(index) {
    std::unordered_map<std::uint64_t, const CTimetableEntry*> open;
    for (const CTimetableEntry* entry : genome.Entries()) open.emplace(entry->GetSerial(), entry);
    for (CEntity& entity : data.m_arrEntities) {
        if (entity.m_bUnavailable) continue;
        MovingEntity moving;
        moving.m_pEntity = &entity;
        for (const CEntityItem& item : entity.m_arrItems) {
            const auto found = open.find(item.m_nEntry);
            if (found != open.end()) moving.m_arrOpen.push_back(found->second);
        }
        if (!moving.m_arrOpen.empty())
            m_arrMoving.push_back(std::move(moving));
        else
            m_dFixedOverlapCost += entity.GetOverlapCost(data, 1.0);
    }
    std::unordered_set<int> limited;
    for (const CGroupHourLimit& limit : work.m_arrGroupHourLimits) {
        const auto entity = data.FindEntity(limit.m_nEntity);
        if (entity != data.m_arrEntities.end() && limited.insert(limit.m_nEntity).second) m_arrLimited.push_back(&*entity);
    }
}

std::size_t CSolverFitness::StartsHash::operator()(const std::vector<double>& starts) const {
    std::size_t h = starts.size();
    for (double start : starts) h = h * 1000003u ^ std::hash<double>()(start);
    return h;
}

double CSolverFitness::OverlapCost(MovingEntity& moving) {
    m_key.clear();
    for (const CTimetableEntry* entry : moving.m_arrOpen) m_key.push_back(entry->m_dtStart.m_dt);
    const auto found = moving.m_costs.find(m_key);
    if (found != moving.m_costs.end()) return found->second;
    // Bounded memory: a long run starts its table afresh now and then.
    if (moving.m_costs.size() >= kMaxKeptCosts) moving.m_costs.clear();
    const double cost = moving.m_pEntity->GetOverlapCost(m_data, 1.0);
    moving.m_costs.emplace(m_key, cost);
    return cost;
}

double CSolverFitness::Evaluate() {
    double overlaps = m_dFixedOverlapCost;
    for (MovingEntity& moving : m_arrMoving) overlaps += OverlapCost(moving);
    for (CEntity* entity : m_arrLimited) entity->RefreshItemTimes(m_data);
    return overlaps + CostUnplaceableTime(m_data, m_work, 1.0, m_pIndex) + CostGroupHoursOverLimit(m_data, m_work, 1.0);
}

int CSolverFitness::ApplyAndCheckOverlaps(const CSolverGenome& genome, const CChromosome& chromosome) {
    genome.Apply(chromosome);
    const int over = m_data.CheckOverlapLimits(FALSE);
    // The count rebuilds the item lists with stand-ins; the evaluations go on with the lists they
    // were made for. A rebuilt list may hold its items in another order, which can move the
    // charge among items that start together: the kept costs are taken afresh.
    m_data.RebuildEntityItems(0);
    for (MovingEntity& moving : m_arrMoving) moving.m_costs.clear();
    return over;
}
