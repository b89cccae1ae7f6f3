#pragma once
// The genetic optimiser's judge of the live placement: the sum of the overlap, unplaceable-time
// and group-hour terms, each with weight 1.
//
// Only the open entries move during a run, so the overlap cost of every entity that takes part in
// none of them is taken once, when the fitness is made. The cost of any other entity depends only
// on the starts of its open entries (so do its group hours), and the unplaceable time of an
// activity only on the starts of the open entries that share a member with it: each is kept per
// combination of those starts, so a population that shares most of its genes costs little more than the lookups.
#include <cstddef>
#include <unordered_map>
#include <vector>

class CChromosome;
class CEntity;
class CGroupHourLimit;
class CPlanIndex;
class CScheduleData;
class CSolverGenome;
class CSolverWork;
class CTimetableEntry;
class CUnderplannedActivity;

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
    using KeptCosts = std::unordered_map<std::vector<double>, double, StartsHash>;
    // An entity with items of open entries, or an underplanned activity with members in open
    // entries, and its costs by the starts of those entries.
    struct MovingTerm {
        CEntity* m_pEntity = nullptr;
        const CUnderplannedActivity* m_pActivity = nullptr;
        const CGroupHourLimit* m_pLimit = nullptr;  // with the entity
        std::vector<const CTimetableEntry*> m_arrOpen;
        KeptCosts m_costs;
    };
    double TermCost(MovingTerm& term);

    CScheduleData& m_data;
    const CSolverWork& m_work;
    const CPlanIndex* m_pIndex;
    std::vector<MovingTerm> m_arrMoving;     // available entities with an item of an open entry
    std::vector<MovingTerm> m_arrUnplaceable;  // underplanned activities sharing a member
    std::vector<MovingTerm> m_arrLimits;       // group hour limits of entities in open entries
    std::vector<double> m_key;
    double m_dFixedCost = 0.0;  // of the entities and activities no open entry touches
};
