#include "solver_engine/genetic_solver.h"

#include <gtest/gtest.h>

#include "solver_engine/mersenne_twister.h"
#include "solver_engine/solver_costs.h"
#include "solver_engine/solver_fitness.h"
#include "solver_engine/solver_genome.h"
#include "solver_engine/solver_run.h"
#include "solver_engine/solver_work.h"
#include "solver_fixture.h"

namespace {
const std::uint32_t kKey[4] = {0x123, 0x234, 0x345, 0x456};
}

class GeneticSolverTest : public SolverFixture {
protected:
    // One class, one day, seven hours taken: two open lessons with two possible hours each.
    void PlantTwoByTwo() {
        m_data.m_nDays = 1;
        AddEntity(1, 0);
        AddActivity(10, {1}, 2);
        AddActivity(11, {1}, 7);
        for (int h = 0; h < 7; ++h) AddEntry(11, 0, 7 + h);
        AddOpenEntry(10);
        AddOpenEntry(10);
    }
    void Prepare(int mode) {
        CSolverParams params;
        params.m_nMode = mode;
        m_control.m_bRunning.store(1);
        PrepareSolverRun(m_data, params, m_work, m_control, m_sink);
        CMersenneTwister::SeedByArray(kKey, 4);
    }

    CSolverWork m_work;
    CSolverControl m_control;
    CRecordingSink m_sink;
    CMersenneTwister m_generator;
};

// Four distinct individuals exist for a population of 100: the population holds those and
// never an individual without genes, and the run goes on to its end.
TEST_F(GeneticSolverTest, SmallProblemRunsWithoutEmptyIndividuals) {
    PlantTwoByTwo();
    Prepare(1);
    CSolverGenome genome(m_data);
    ASSERT_EQ(genome.GetEntryCount(), 2);
    for (const CTimetableEntry* entry : genome.Entries()) ASSERT_EQ(entry->m_arrSlots.size(), 2u);
    CSolverFitness fitness(m_data, m_work, genome);
    CGeneticSolver solver(100, 0, m_generator, m_control, m_sink, 0.2);
    solver.InitPopulation(genome, fitness);
    EXPECT_EQ(solver.GetPopulation().size(), 4u);
    const int result = solver.Run(20, genome, fitness);
    EXPECT_EQ(result, 20);
    for (const CChromosome& individual : solver.GetPopulation()) EXPECT_EQ(individual.m_arrGenes.size(), 2u);
    EXPECT_EQ(solver.GetStoredBest().m_dFitness, 0.0);
}

// Limits below 4 give a refill period below 1; the run still ends by its limit.
TEST_F(GeneticSolverTest, ShortLimitsEndTheRun) {
    PlantTimetable(3, 2, 12);
    Prepare(1);
    CSolverGenome genome(m_data);
    CSolverFitness fitness(m_data, m_work, genome);
    for (int limit : {1, 2, 3}) {
        CGeneticSolver solver(100, 0, m_generator, m_control, m_sink, 0.2);
        const int result = solver.Run(limit, genome, fitness);
        EXPECT_LE(result, limit) << limit;
        EXPECT_FALSE(solver.GetStoredBest().m_arrGenes.empty()) << limit;
    }
}

// The fitness takes the entities that no open entry touches once; it must still equal the sum
// of the terms over the whole document.
TEST_F(GeneticSolverTest, FitnessEqualsTheSumOfItsTerms) {
    PlantTimetable(3, 2, 14);
    AddActivity(999, {1}, 2);         // two hours more for class 1: unplaceable time
    AddActivity(998, {2}, 2, 7);      // group hours of class 2
    AddEntry(998, 0, 7, 60, 2);
    AddEntry(998, 1, 7, 60, 2);
    Prepare(1);
    ASSERT_FALSE(m_work.m_arrUnderplanned.empty());
    CSolverGenome genome(m_data);
    CSolverFitness fitness(m_data, m_work, genome);
    for (int i = 0; i < 20; ++i) {
        CChromosome c;
        genome.RandomChromosome(m_generator, c);
        genome.Apply(c);
        const double evaluated = fitness.Evaluate();
        for (CEntity& entity : m_data.m_arrEntities) entity.RefreshItemTimes(m_data);
        const double reference = CostEntityOverlaps(1.0, m_data) + CostUnplaceableTime(m_data, m_work, 1.0) +
                                 CostGroupHoursOverLimit(m_data, m_work, 1.0);
        EXPECT_DOUBLE_EQ(evaluated, reference) << i;
    }
}

TEST_F(GeneticSolverTest, ApplyRefusesGenesOutsideTheOptions) {
    PlantTwoByTwo();
    Prepare(1);
    CSolverGenome genome(m_data);
    CChromosome c;
    c.m_arrGenes = {0, 2};
    EXPECT_THROW(genome.Apply(c), std::out_of_range);
    c.m_arrGenes = {0};
    EXPECT_THROW(genome.Apply(c), std::out_of_range);
}

// From the current placement every gene names the option at the entry's start.
TEST_F(GeneticSolverTest, CurrentPlacementGivesTheOptionsAtTheStarts) {
    PlantTwoByTwo();
    Prepare(2);
    CSolverGenome genome(m_data);
    genome.Entries()[0]->m_dtStart = genome.Entries()[0]->m_arrSlots[1].m_dtStart;
    genome.Entries()[1]->m_dtStart = genome.Entries()[1]->m_arrSlots[0].m_dtStart;
    CChromosome c;
    genome.FromCurrentPlacement(c, m_generator);
    EXPECT_EQ(c.m_arrGenes, (std::vector<int>{1, 0}));
}

TEST_F(GeneticSolverTest, CrossoverPairsParentsAndKeepsLength) {
    PlantTwoByTwo();
    Prepare(1);
    CGeneticSolver solver(100, 0, m_generator, m_control, m_sink, 0.2);
    std::vector<CChromosome> parents(7);
    for (std::size_t i = 0; i < parents.size(); ++i) parents[i].m_arrGenes = {int(i), int(i), int(i)};
    parents[1].m_arrGenes.clear();  // skipped
    const std::vector<CChromosome> offspring = solver.Crossover(parents);
    // Parents 0 and 2 are crossed when 3 arrives, 4 and 5 when 6 arrives.
    ASSERT_EQ(offspring.size(), 4u);
    for (const CChromosome& child : offspring) EXPECT_EQ(child.m_arrGenes.size(), 3u);
    for (int g : offspring[0].m_arrGenes) EXPECT_TRUE(g == 0 || g == 2);
    for (int g : offspring[2].m_arrGenes) EXPECT_TRUE(g == 4 || g == 5);
}

namespace {

// Every evaluation is better than the one before, but only the first individual checked keeps
// every entity within its limit; after a number of evaluations it stops the run itself, so
// that a run that never stalls still ends.
class CImprovingFitness : public CSolverFitness {
public:
    CImprovingFitness(CScheduleData& data, const CSolverWork& work, const CSolverGenome& genome,
                      CSolverControl& control)
        : CSolverFitness(data, work, genome), m_control(control) {}
    double Evaluate() override {
        if (++m_nEvaluations > 100000) m_control.m_bRunning.store(0);
        return 1e9 - m_nEvaluations;
    }
    int ApplyAndCheckOverlaps(const CSolverGenome& genome, const CChromosome& chromosome) override {
        genome.Apply(chromosome);
        return m_nChecks++ == 0 ? 0 : 1;
    }
    CSolverControl& m_control;
    int m_nEvaluations = 0;
    int m_nChecks = 0;
};

}  // namespace

// Better individuals that break an OVERLAPS limit do not replace a stored best within every
// limit, and do not count as improvements: the run stalls against the stored best and ends.
TEST_F(GeneticSolverTest, StallIsCountedAgainstTheStoredBest) {
    PlantTimetable(3, 2, 12);
    Prepare(1);
    CSolverGenome genome(m_data);
    CImprovingFitness fitness(m_data, m_work, genome, m_control);
    CGeneticSolver solver(100, 0, m_generator, m_control, m_sink, 0.2);
    const int limit = 10;
    EXPECT_EQ(solver.Run(limit, genome, fitness), limit);
    EXPECT_TRUE(m_control.IsRunning());  // ended by itself, not by the guard
    EXPECT_EQ(solver.GetGeneration(), limit + 1);
    ASSERT_EQ(m_sink.m_improvements.size(), 1u);
    EXPECT_EQ(m_sink.m_improvements[0].first, 0);
    EXPECT_GT(solver.GetStoredBest().m_dFitness, solver.GetPopulation().front().m_dFitness);
}
