#pragma once
// The genetic optimiser's judge of the live placement: the sum of the overlap, unplaceable-time
// and group-hour terms, each with weight 1.
//
// Only the open entries move during a run, so the overlap cost of every entity that takes part in
// none of them is taken once, when the fitness is made. The cost of any other entity depends only
// on the starts of its open entries: it is kept per combination of those starts, so a population
// that shares most of its genes costs little more than the lookups.
#include <cstddef>
#include <unordered_map>
#include <vector>

class CChromosome;
class CEntity;
class CPlanIndex;
class CScheduleData;
class CSolverGenome;
class CSolverWork;
class CTimetableEntry;

class CSolverFitness {
public:
    // The entities' item lists must be built (RebuildEntityItems) and the open entries known
    // to the genome.
    CSolverFitness(CScheduleData& data, const CSolverWork& work, const CSolverGenome& genome,
                   const CPlanIndex* index = nullptr);
    virtual ~CSolverFitness() = default;

    // The fitness of the placement the live entries hold now.
    virtual double Evaluate();
    // Applies the chromosome and counts the entities over their OVERLAPS limit; 0 is acceptable.
    virtual int ApplyAndCheckOverlaps(const CSolverGenome& genome, const CChromosome& chromosome);

private:
    struct StartsHash {
        std::size_t operator()(const std::vector<double>& starts) const;
    };
    // An entity with items of open entries, and its overlap costs by the starts of those entries.
    struct MovingEntity {
        CEntity* m_pEntity = nullptr;
        std::vector<const CTimetableEntry*> m_arrOpen;
        std::unordered_map<std::vector<double>, double, StartsHash> m_costs;
    };
    double OverlapCost(MovingEntity& moving);

    CScheduleData& m_data;
    const CSolverWork& m_work;
    const CPlanIndex* m_pIndex;
    std::vector<MovingEntity> m_arrMoving;   // available entities with an item of an open entry
    std::vector<double> m_key;
    std::vector<CEntity*> m_arrLimited;      // entities of the group hour limits
    double m_dFixedOverlapCost = 0.0;
};
