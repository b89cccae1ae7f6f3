#pragma once
// The genetic optimiser's judge of the live placement: the sum of the overlap, unplaceable-time
// and group-hour terms, each with weight 1.
//
// Only the open entries move during a run, so the overlap cost of every entity that takes part in
// none of them is taken once, when the fitness is made; an evaluation recomputes the others.
#include <vector>

class CChromosome;
class CEntity;
class CPlanIndex;
class CScheduleData;
class CSolverGenome;
class CSolverWork;

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
    CScheduleData& m_data;
    const CSolverWork& m_work;
    const CPlanIndex* m_pIndex;
    std::vector<CEntity*> m_arrMoving;       // available entities with an item of an open entry
    std::vector<CEntity*> m_arrLimited;      // entities of the group hour limits
    double m_dFixedOverlapCost = 0.0;
};
