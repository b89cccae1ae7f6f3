#pragma once
// The genetic optimiser of the open entries: a population of chromosomes bred by roulette
// selection, one-point crossover and mutation, with the oldest individuals replaced now and then
// and duplicates refilled when the search stalls. It knows the problem only through the genome
// and the fitness, and reports through the control's progress and the sink.
#include <vector>

#include "solver_engine/chromosome.h"

class CMersenneTwister;
class CSolverControl;
class CSolverFitness;
class CSolverGenome;
class ISolverSink;

class CGeneticSolver {
public:
    CGeneticSolver(int populationSize, int initialMode, CMersenneTwister& generator, CSolverControl& control,
                   ISolverSink& sink, double mutationProbability);
    virtual ~CGeneticSolver() = default;

    // Breeds until a perfect individual, `limit` generations in a row without a better stored
    // best, or a stop. Gives the limit when a perfect individual was reached, else the
    // generations without improvement at the end (below the limit after a stop).
    int Run(int limit, CSolverGenome& genome, CSolverFitness& fitness);

    // The best individual stored so far: preferably one that keeps every entity within its
    // OVERLAPS limit. Without genes when nothing was stored.
    const CChromosome& GetStoredBest() const { return m_storedBest; }
    const std::vector<CChromosome>& GetPopulation() const { return m_arrPopulation; }
    int GetMutationGeneCount() const { return m_nMutationGenes; }
    int GetGeneration() const { return m_nGeneration; }
    // An individual that a population from random individuals starts with besides them.
    void SetSeed(const CChromosome& seed) { m_seed = seed; }

    // The steps of a generation, open to tests.
    void InitPopulation(CSolverGenome& genome, CSolverFitness& fitness);
    void EvaluateAll(CSolverGenome& genome, CSolverFitness& fitness, bool progress);
    double NextGeneration(CSolverGenome& genome);
    std::vector<CChromosome> SelectRoulette(const std::vector<double>& shares);
    std::vector<CChromosome> Crossover(const std::vector<CChromosome>& parents);
    void Mutate(CSolverGenome& genome, std::vector<CChromosome>& individuals);
    void InheritAges(std::vector<CChromosome>& offspring) const;
    void CarryOverElite(std::vector<CChromosome>& offspring) const;
    void ReplaceOldest(CSolverGenome& genome, int count);
    void RefillDuplicates(CSolverGenome& genome);
    bool ContainsGenes(const std::vector<int>& genes) const;

private:
    void Cross(const CChromosome& a, const CChromosome& b, std::vector<CChromosome>& offspring);

    double m_dCrossoverProbability = 0.9;
    double m_dMutationProbability;
    int m_nPopulationSize;
    int m_nInitialMode;
    int m_nMutationGenes = 1;
    int m_nGenerationLimit = 1;
    int m_nGeneration = 0;
    std::vector<CChromosome> m_arrPopulation;
    CChromosome m_storedBest;
    CChromosome m_seed;
    CMersenneTwister& m_generator;
    CSolverControl& m_control;
    ISolverSink& m_sink;
};
