#pragma once
// One individual of the genetic optimiser: a slot-option index per open entry.
#include <vector>

class CChromosome {
public:
    std::vector<int> m_arrGenes;  // one option index per open entry, in timetable order
    double m_dFitness = 0.0;      // lower is better, 0 perfect
    int m_nAge = 0;               // generations carried over

    static bool LessByFitness(const CChromosome& a, const CChromosome& b) { return a.m_dFitness < b.m_dFitness; }
    static bool LessByAge(const CChromosome& a, const CChromosome& b) { return a.m_nAge < b.m_nAge; }
};
