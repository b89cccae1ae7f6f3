#include "solver_engine/solver_fitness.h"

#include <unordered_set>

#include "model/schedule_data.h"
#include "solver_engine/solver_costs.h"
#include "solver_engine/solver_genome.h"
#include "solver_engine/solver_work.h"

CSolverFitness::CSolverFitness(CScheduleData& data, const CSolverWork& work, const CSolverGenome& genome,
                               const CPlanIndex* index)
    : m_data(data), m_work(work), m_pIndex(index) {
    std::unordered_set<std::uint64_t> open;
    for (const CTimetableEntry* entry : genome.Entries()) open.insert(entry->GetSerial());
    for (CEntity& entity : data.m_arrEntities) {
        if (entity.m_bUnavailable) continue;
        bool moving = false;
        for (const CEntityItem& item : entity.m_arrItems) moving = moving || open.count(item.m_nEntry) != 0;
        if (moving)
            m_arrMoving.push_back(&entity);
        else
            m_dFixedOverlapCost += entity.GetOverlapCost(data, 1.0);
    }
    std::unordered_set<int> limited;
    for (const CGroupHourLimit& limit : work.m_arrGroupHourLimits) {
        const auto entity = data.FindEntity(limit.m_nEntity);
        if (entity != data.m_arrEntities.end() && limited.insert(limit.m_nEntity).second) m_arrLimited.push_back(&*entity);
    }
}

double CSolverFitness::Evaluate() {
    double overlaps = m_dFixedOverlapCost;
    for (const CEntity* entity : m_arrMoving) overlaps += entity->GetOverlapCost(m_data, 1.0);
    for (CEntity* entity : m_arrLimited) entity->RefreshItemTimes(m_data);
    return overlaps + CostUnplaceableTime(m_data, m_work, 1.0, m_pIndex) + CostGroupHoursOverLimit(m_data, m_work, 1.0);
}

int CSolverFitness::ApplyAndCheckOverlaps(const CSolverGenome& genome, const CChromosome& chromosome) {
    genome.Apply(chromosome);
    const int over = m_data.CheckOverlapLimits(FALSE);
    // The count rebuilds the item lists with stand-ins; the evaluations go on with the lists they
    // were made for.
    m_data.RebuildEntityItems(0);
    return over;
}
