#include "solver_engine/solver_fitness.h"

#include <algorithm>
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
        MovingTerm moving;
        moving.m_pEntity = &entity;
        for (const CEntityItem& item : entity.m_arrItems) {
            const auto found = open.find(item.m_nEntry);
            if (found != open.end()) moving.m_arrOpen.push_back(found->second);
        }
        if (!moving.m_arrOpen.empty())
            m_arrMoving.push_back(std::move(moving));
        else
            m_dFixedCost += entity.GetOverlapCost(data, 1.0);
    }
    for (const CUnderplannedActivity& underplanned : work.m_arrUnderplanned) {
        if (underplanned.m_nShares == 0) continue;
        const auto activity = data.FindActivity(underplanned.m_nActivity);
        MovingTerm term;
        term.m_pActivity = &underplanned;
        if (activity != data.m_arrActivities.end()) {
            for (const CTimetableEntry* entry : genome.Entries()) {
                const auto other = data.FindActivity(entry->m_nActivity);
                if (other == data.m_arrActivities.end()) continue;
                const bool shares = std::any_of(activity->m_arrMembers.begin(), activity->m_arrMembers.end(), [&](int id) {
                    return std::find(other->m_arrMembers.begin(), other->m_arrMembers.end(), id) != other->m_arrMembers.end();
                });
                if (shares) term.m_arrOpen.push_back(entry);
            }
        }
        if (!term.m_arrOpen.empty())
            m_arrUnplaceable.push_back(std::move(term));
        else
            m_dFixedCost += CostUnplaceableTimeOf(data, underplanned, 1.0, index);
    }
    for (const CGroupHourLimit& limit : work.m_arrGroupHourLimits) {
        const auto entity = data.FindEntity(limit.m_nEntity);
        MovingTerm term;
        term.m_pLimit = &limit;
        if (entity != data.m_arrEntities.end()) {
            term.m_pEntity = &*entity;
            for (const CEntityItem& item : entity->m_arrItems) {
                const auto found = open.find(item.m_nEntry);
                if (found != open.end()) term.m_arrOpen.push_back(found->second);
            }
        }
        if (!term.m_arrOpen.empty())
            m_arrLimits.push_back(std::move(term));
        else
            m_dFixedCost += CostGroupHoursOverLimitOf(data, limit, 1.0);
    }
}

std::size_t CSolverFitness::StartsHash::operator()(const std::vector<double>& starts) const {
    std::size_t h = starts.size();
    for (double start : starts) h = h * 1000003u ^ std::hash<double>()(start);
    return h;
}

double CSolverFitness::TermCost(MovingTerm& term) {
    m_key.clear();
    for (const CTimetableEntry* entry : term.m_arrOpen) m_key.push_back(entry->m_dtStart.m_dt);
    const auto found = term.m_costs.find(m_key);
    if (found != term.m_costs.end()) return found->second;
    // Bounded memory: a long run starts its table afresh now and then.
    if (term.m_costs.size() >= kMaxKeptCosts) term.m_costs.clear();
    double cost = 0.0;
    if (term.m_pLimit) {
        // The group hours read the items' own times.
        term.m_pEntity->RefreshItemTimes(m_data);
        cost = CostGroupHoursOverLimitOf(m_data, *term.m_pLimit, 1.0);
    } else if (term.m_pEntity) {
        cost = term.m_pEntity->GetOverlapCost(m_data, 1.0);
    } else {
        cost = CostUnplaceableTimeOf(m_data, *term.m_pActivity, 1.0, m_pIndex);
    }
    term.m_costs.emplace(m_key, cost);
    return cost;
}

double CSolverFitness::Evaluate() {
    double cost = m_dFixedCost;
    for (MovingTerm& term : m_arrMoving) cost += TermCost(term);
    for (MovingTerm& term : m_arrUnplaceable) cost += TermCost(term);
    for (MovingTerm& term : m_arrLimits) cost += TermCost(term);
    return cost;
}

int CSolverFitness::ApplyAndCheckOverlaps(const CSolverGenome& genome, const CChromosome& chromosome) {
    genome.Apply(chromosome);
    const int over = m_data.CheckOverlapLimits(FALSE);
    // The count rebuilds the item lists with stand-ins; the evaluations go on with the lists they
    // were made for. A rebuilt list may hold its items in another order, which can move the
    // charge among items that start together: the kept costs are taken afresh.
    m_data.RebuildEntityItems(0);
    for (MovingTerm& moving : m_arrMoving) moving.m_costs.clear();
    for (MovingTerm& limit : m_arrLimits) limit.m_costs.clear();
    return over;
}
