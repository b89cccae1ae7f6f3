#include "solver_engine/solver_genome.h"

#include <stdexcept>

#include "model/schedule_data.h"
#include "solver_engine/chromosome.h"
#include "solver_engine/mersenne_twister.h"
#include "solver_engine/solver_preparation.h"

CSolverGenome::CSolverGenome(CScheduleData& data) {
    for (CTimetableEntry& entry : data.m_arrEntries) {
        if (IsOpenEntry(data, entry)) m_arrEntries.push_back(&entry);
    }
}

void CSolverGenome::RandomChromosome(CMersenneTwister& generator, CChromosome& out) const {
    out.m_arrGenes.resize(m_arrEntries.size());
    for (std::size_t i = 0; i < m_arrEntries.size(); ++i)
        out.m_arrGenes[i] = static_cast<int>(generator.Below(static_cast<std::uint32_t>(m_arrEntries[i]->m_arrSlots.size())));
}

void CSolverGenome::Apply(const CChromosome& chromosome) const {
    if (chromosome.m_arrGenes.size() != m_arrEntries.size()) throw std::out_of_range("chromosome length");
    for (std::size_t i = 0; i < m_arrEntries.size(); ++i) {
        const int gene = chromosome.m_arrGenes[i];
        if (gene < 0) throw std::out_of_range("gene");
        m_arrEntries[i]->m_dtStart = m_arrEntries[i]->m_arrSlots.at(static_cast<std::size_t>(gene)).m_dtStart;
    }
}

void CSolverGenome::FromCurrentPlacement(CChromosome& out, CMersenneTwister& generator) const {
    out.m_arrGenes.resize(m_arrEntries.size());
    for (std::size_t i = 0; i < m_arrEntries.size(); ++i) {
        const int found = m_arrEntries[i]->FindCandidateIndex();
        out.m_arrGenes[i] = found >= 0 ? found
                                       : static_cast<int>(generator.Below(
                                             static_cast<std::uint32_t>(m_arrEntries[i]->m_arrSlots.size())));
    }
    out.m_dFitness = 0.0;
    out.m_nAge = 0;
}
