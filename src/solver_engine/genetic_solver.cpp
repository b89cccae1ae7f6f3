#include "solver_engine/genetic_solver.h"

#include <algorithm>
#include <unordered_set>

#include "solver_engine/mersenne_twister.h"
#include "solver_engine/solver_fitness.h"
#include "solver_engine/solver_genome.h"
#include "solver_engine/solver_sink.h"

namespace {

struct GenesHash {
    std::size_t operator()(const std::vector<int>& genes) const {
        std::size_t h = genes.size();
        for (int g : genes) h = h * 1000003u ^ static_cast<std::size_t>(g);
        return h;
    }
};

void SortByFitness(std::vector<CChromosome>& population) {
    std::stable_sort(population.begin(), population.end(), CChromosome::LessByFitness);
}

}  // namespace

CGeneticSolver::CGeneticSolver(int populationSize, int initialMode, CMersenneTwister& generator,
                               CSolverControl& control, ISolverSink& sink, double mutationProbability)
    : m_dMutationProbability(mutationProbability),
      m_nPopulationSize(populationSize),
      m_nInitialMode(initialMode),
      m_generator(generator),
      m_control(control),
      m_sink(sink) {}

int CGeneticSolver::Run(int limit, CSolverGenome& genome, CSolverFitness& fitness) {
    m_nGenerationLimit = limit;
    InitPopulation(genome, fitness);
    if (limit <= 0) return 0;
    // Duplicates are refilled four times over a stall of `limit` generations.
    const int refillPeriod = std::max(1, limit / 4);
    double best = -1.0;
    int stall = 0;
    int since = 0;
    bool accepted = false;
    m_nGeneration = 0;
    while (m_control.IsRunning()) {
        if (best == 0.0) return limit;
        ++m_nGeneration;
        ++since;
        m_nMutationGenes = stall > 20 ? 2 : 1;
        NextGeneration(genome);
        if (m_nGeneration % 5 == 0) ReplaceOldest(genome, static_cast<int>(m_nPopulationSize * 0.1));
        if (stall > 0 && stall % refillPeriod == 0) RefillDuplicates(genome);
        EvaluateAll(genome, fitness, false);
        if (!m_control.IsRunning()) break;
        SortByFitness(m_arrPopulation);
        bool improved = false;
        if (!m_arrPopulation.empty() && (best < 0.0 || m_arrPopulation.front().m_dFitness < best)) {
            const CChromosome& first = m_arrPopulation.front();
            const int over = fitness.ApplyAndCheckOverlaps(genome, first);
            // Until an individual within every limit is found, the fittest is stored; after that
            // only individuals within every limit replace it.
            if (!accepted || over == 0) {
                m_storedBest = first;
                accepted = accepted || over == 0;
                best = m_storedBest.m_dFitness;
                m_sink.OnImproved(over, since);
                m_control.SetProgress(0);
                since = 0;
                stall = 0;
                improved = true;
            }
        }
        if (!improved) {
            m_control.SetProgress(stall);
            ++stall;
        }
        if (stall >= limit) break;
    }
    return best == 0.0 ? limit : stall;
}

void CGeneticSolver::InitPopulation(CSolverGenome& genome, CSolverFitness& fitness) {
    m_arrPopulation.clear();
    const int size = std::max(m_nPopulationSize, 0);
    if (m_nInitialMode == 1) {
        CChromosome current;
        genome.FromCurrentPlacement(current, m_generator);
        m_arrPopulation.assign(static_cast<std::size_t>(size), current);
        const std::uint32_t rounds = m_generator.Below(static_cast<std::uint32_t>(size));
        for (std::uint32_t i = 0; i < rounds; ++i) Mutate(genome, m_arrPopulation);
    } else {
        std::unordered_set<std::vector<int>, GenesHash> seen;
        for (int attempts = 0; static_cast<int>(m_arrPopulation.size()) < 3 * size && attempts < 6 * size; ++attempts) {
            CChromosome c;
            genome.RandomChromosome(m_generator, c);
            if (seen.insert(c.m_arrGenes).second) m_arrPopulation.push_back(std::move(c));
        }
        if (static_cast<int>(m_seed.m_arrGenes.size()) == genome.GetEntryCount() && seen.insert(m_seed.m_arrGenes).second)
            m_arrPopulation.push_back(m_seed);
    }
    EvaluateAll(genome, fitness, true);
    SortByFitness(m_arrPopulation);
    // A small problem has fewer distinct individuals than places: the population stays smaller
    // rather than take individuals without genes.
    if (static_cast<int>(m_arrPopulation.size()) > size) m_arrPopulation.resize(static_cast<std::size_t>(size));
}

void CGeneticSolver::EvaluateAll(CSolverGenome& genome, CSolverFitness& fitness, bool progress) {
    if (m_arrPopulation.empty()) return;
    const double step = static_cast<double>(static_cast<unsigned>(std::max(m_nGenerationLimit, 0)) /
                                            static_cast<unsigned>(m_arrPopulation.size()));
    double acc = 0.0;
    for (CChromosome& individual : m_arrPopulation) {
        if (!m_control.IsRunning()) break;
        acc += step;
        if (progress) m_control.SetProgress(static_cast<int>(acc));
        genome.Apply(individual);
        individual.m_dFitness = fitness.Evaluate();
        m_control.m_nEvaluations.fetch_add(1, std::memory_order_relaxed);
    }
}

double CGeneticSolver::NextGeneration(CSolverGenome& genome) {
    double total = 0.0;
    for (const CChromosome& individual : m_arrPopulation) total += individual.m_dFitness;
    std::vector<double> shares;
    shares.reserve(m_arrPopulation.size());
    double acc = 0.0;
    for (const CChromosome& individual : m_arrPopulation) {
        if (individual.m_arrGenes.empty()) continue;
        acc += individual.m_dFitness;
        // An all-perfect population has no total to share out: each takes an equal part.
        shares.push_back(total > 0.0 ? acc / total : static_cast<double>(shares.size() + 1) / m_arrPopulation.size());
    }
    std::vector<CChromosome> parents = SelectRoulette(shares);
    std::vector<CChromosome> offspring = Crossover(parents);
    Mutate(genome, offspring);
    InheritAges(offspring);
    CarryOverElite(offspring);
    m_arrPopulation = std::move(offspring);
    return total;
}

std::vector<CChromosome> CGeneticSolver::SelectRoulette(const std::vector<double>& shares) {
    std::vector<CChromosome> parents;
    // Shares were taken over the individuals with genes, in population order.
    std::vector<const CChromosome*> holders;
    for (const CChromosome& individual : m_arrPopulation)
        if (!individual.m_arrGenes.empty()) holders.push_back(&individual);
    for (int n = 0; n < m_nPopulationSize; ++n) {
        for (std::size_t i = 0; i < shares.size() && i < holders.size(); ++i) {
            if (shares[i] > m_generator.Uniform()) {
                parents.push_back(*holders[i]);
                break;
            }
        }
    }
    return parents;
}

void CGeneticSolver::Cross(const CChromosome& a, const CChromosome& b, std::vector<CChromosome>& offspring) {
    CChromosome child1;
    CChromosome child2;
    if (m_generator.Uniform() <= m_dCrossoverProbability) {
        const std::size_t length = a.m_arrGenes.size();
        const std::size_t cut = m_generator.Below(static_cast<std::uint32_t>(length));
        child1.m_arrGenes.assign(a.m_arrGenes.begin(), a.m_arrGenes.begin() + static_cast<std::ptrdiff_t>(cut));
        child2.m_arrGenes.assign(b.m_arrGenes.begin(),
                                 b.m_arrGenes.begin() + static_cast<std::ptrdiff_t>(std::min(cut, b.m_arrGenes.size())));
        for (std::size_t i = cut; i < length; ++i) {
            child1.m_arrGenes.push_back(i < b.m_arrGenes.size() ? b.m_arrGenes[i] : a.m_arrGenes[i]);
            child2.m_arrGenes.push_back(a.m_arrGenes[i]);
        }
    } else {
        child1 = a;
        child2 = b;
    }
    offspring.push_back(std::move(child1));
    offspring.push_back(std::move(child2));
}

std::vector<CChromosome> CGeneticSolver::Crossover(const std::vector<CChromosome>& parents) {
    std::vector<CChromosome> offspring;
    const CChromosome* held[2] = {nullptr, nullptr};
    for (const CChromosome& parent : parents) {
        if (parent.m_arrGenes.empty()) continue;
        if (!held[0]) {
            held[0] = &parent;
        } else if (!held[1]) {
            held[1] = &parent;
        } else {
            Cross(*held[0], *held[1], offspring);
            held[0] = held[1] = nullptr;
        }
    }
    return offspring;
}

void CGeneticSolver::Mutate(CSolverGenome& genome, std::vector<CChromosome>& individuals) {
    for (CChromosome& individual : individuals) {
        if (m_generator.Uniform() > m_dMutationProbability) continue;
        CChromosome r;
        genome.RandomChromosome(m_generator, r);
        for (int i = 0; i < m_nMutationGenes; ++i) {
            const std::size_t pos = m_generator.Below(static_cast<std::uint32_t>(r.m_arrGenes.size()));
            if (pos < individual.m_arrGenes.size() && pos < r.m_arrGenes.size()) individual.m_arrGenes[pos] = r.m_arrGenes[pos];
        }
    }
}

void CGeneticSolver::InheritAges(std::vector<CChromosome>& offspring) const {
    for (CChromosome& child : offspring) {
        for (const CChromosome& individual : m_arrPopulation)
            if (individual.m_arrGenes == child.m_arrGenes) child.m_nAge = individual.m_nAge + 1;
    }
}

void CGeneticSolver::CarryOverElite(std::vector<CChromosome>& offspring) const {
    const std::size_t count = std::min<std::size_t>(5, m_arrPopulation.size());
    for (std::size_t i = 0; i < count; ++i) {
        offspring.push_back(m_arrPopulation[i]);
        ++offspring.back().m_nAge;
    }
}

void CGeneticSolver::ReplaceOldest(CSolverGenome& genome, int count) {
    std::stable_sort(m_arrPopulation.begin(), m_arrPopulation.end(), CChromosome::LessByAge);
    if (count <= 0) return;
    for (int i = 0; i < count && !m_arrPopulation.empty(); ++i) m_arrPopulation.pop_back();
    for (int i = 0; i < count; ++i) {
        CChromosome c;
        genome.RandomChromosome(m_generator, c);
        m_arrPopulation.push_back(std::move(c));
    }
}

void CGeneticSolver::RefillDuplicates(CSolverGenome& genome) {
    std::vector<CChromosome> kept;
    std::unordered_set<std::vector<int>, GenesHash> seen;
    for (CChromosome& individual : m_arrPopulation)
        if (seen.insert(individual.m_arrGenes).second) kept.push_back(std::move(individual));
    while (static_cast<int>(kept.size()) < m_nPopulationSize) {
        CChromosome c;
        genome.RandomChromosome(m_generator, c);
        kept.push_back(std::move(c));
    }
    m_arrPopulation = std::move(kept);
}

bool CGeneticSolver::ContainsGenes(const std::vector<int>& genes) const {
    return std::any_of(m_arrPopulation.begin(), m_arrPopulation.end(),
                       [&](const CChromosome& individual) { return individual.m_arrGenes == genes; });
}
