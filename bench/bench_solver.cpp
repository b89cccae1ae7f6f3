// The solver on plans with a known conflict-free answer: generated school plans with k lessons
// unplaced (the genetic and the exhaustive mode), and the three real school instances of the
// shared fixtures with every lesson (or 50) unplaced (the genetic mode). Each case runs once with
// a fixed seed and a time budget and reports, as counters: the preparation time, evaluations per
// second (fitness evaluations, or search nodes of the exhaustive mode), the seconds until no
// entity was over its OVERLAPS limit (the budget when never), the entries placed and the
// entities over their limit at the end.
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

#include "model/schedule_data.h"
#include "model/time_values.h"
#include "solver_engine/chromosome.h"
#include "solver_engine/mersenne_twister.h"
#include "solver_engine/solver_fitness.h"
#include "solver_engine/solver_genome.h"
#include "solver_engine/solver_run.h"
#include "solver_engine/solver_sink.h"
#include "solver_engine/solver_work.h"
#include "support/planted_plan.h"
#include "support/solver_budget.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr double kBudgetSeconds = 10.0;

class CTimingSink : public ISolverSink {
public:
    void OnImproved(int over, long long) override {
        if (over == 0 && m_dSecondsToZero < 0) m_dSecondsToZero = std::chrono::duration<double>(Clock::now() - m_start).count();
    }
    Clock::time_point m_start = Clock::now();
    double m_dSecondsToZero = -1.0;
};

void RunCase(benchmark::State& state, CScheduleData& data, int unplaced, int mode = 1) {
    CSolverParams params;
    params.m_nMode = mode;
    params.m_nPopulation = 250;
    params.m_nDuration = 100;
    params.m_arrSeedKey = {0x123, 0x234, 0x345, 0x456};
    for (auto _ : state) {
        CSolverWork work;
        CSolverControl control;
        CTimingSink sink;
        control.m_bRunning.store(1);
        const Clock::time_point start = Clock::now();
        PrepareSolverRun(data, params, work, control, sink);
        const double prepare = std::chrono::duration<double>(Clock::now() - start).count();
        sink.m_start = Clock::now();
        {
            CSolverBudget budget(control, kBudgetSeconds);
            RunSolverSearch(data, params, work, control, sink);
        }
        const double search = std::chrono::duration<double>(Clock::now() - sink.m_start).count();
        int placed = 0;
        for (const CTimetableEntry& entry : data.m_arrEntries) placed += !IsUnplacedDate(entry.m_dtStart);
        state.counters["open"] = unplaced;
        state.counters["prep_ms"] = prepare * 1000.0;
        state.counters["evals_per_s"] = static_cast<double>(control.m_nEvaluations.load()) / search;
        state.counters["s_to_zero"] = sink.m_dSecondsToZero < 0 ? search : sink.m_dSecondsToZero;
        state.counters["reached_zero"] = sink.m_dSecondsToZero >= 0 ? 1 : 0;
        state.counters["placed"] = placed - (static_cast<int>(data.m_arrEntries.size()) - unplaced);
        state.counters["over_limit"] = data.CheckOverlapLimits(FALSE);
    }
}

// A generated school: 30 classes and 30 teachers over 5 days, 1,350 lessons.
void BM_SolverPlantedSchool(benchmark::State& state) {
    CScheduleData data;
    GeneratePlantedPlan(data, 30, 5);
    const int unplaced = UnplaceLessonEntries(data, static_cast<int>(state.range(0)));
    RunCase(state, data, unplaced);
}
BENCHMARK(BM_SolverPlantedSchool)->Arg(20)->Arg(50)->Arg(100)->Arg(200)->Iterations(1)->Unit(benchmark::kSecond);

// The exhaustive search on the same school; its evaluations are search nodes.
void BM_SolverExhaustivePlantedSchool(benchmark::State& state) {
    CScheduleData data;
    GeneratePlantedPlan(data, 30, 5);
    const int unplaced = UnplaceLessonEntries(data, static_cast<int>(state.range(0)));
    RunCase(state, data, unplaced, 0);
}
BENCHMARK(BM_SolverExhaustivePlantedSchool)->Arg(20)->Arg(50)->Arg(100)->Arg(200)->Iterations(1)->Unit(benchmark::kSecond);

// One fitness evaluation of a fresh random individual, the worst case for the kept costs (a
// bred population repeats most genes); argument: the lessons unplaced in the generated school.
void BM_SolverFitnessEvaluation(benchmark::State& state) {
    CScheduleData data;
    GeneratePlantedPlan(data, 30, 5);
    UnplaceLessonEntries(data, static_cast<int>(state.range(0)));
    CSolverParams params;
    params.m_nMode = 1;
    CSolverWork work;
    CSolverControl control;
    ISolverSink sink;
    PrepareSolverRun(data, params, work, control, sink);
    CSolverGenome genome(data);
    CSolverFitness fitness(data, work, genome);
    CMersenneTwister generator;
    const std::uint32_t key[1] = {1};
    CMersenneTwister::SeedByArray(key, 1);
    CChromosome individual;
    for (auto _ : state) {
        genome.RandomChromosome(generator, individual);
        genome.Apply(individual);
        benchmark::DoNotOptimize(fitness.Evaluate());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SolverFitnessEvaluation)->Arg(50)->Arg(200)->Unit(benchmark::kMicrosecond);

const char* const kInstances[] = {"BrazilInstance1", "KosovaInstance1", "EnglandStPaul"};

// A real instance as a plan; argument 0 the instance, argument 1 the lessons to unplace (-1 all).
void BM_SolverInstance(benchmark::State& state) {
    const std::string path =
        std::string(VORN_SHARED_DIR) + "/fixtures/xhstt/" + kInstances[state.range(0)] + "-plan.xml";
    CScheduleData data;
    if (!data.Load(CString(Utf8ToWide(path).c_str()), FALSE)) {
        state.SkipWithError(("cannot load " + path).c_str());
        return;
    }
    state.SetLabel(kInstances[state.range(0)]);
    const int unplaced = UnplaceLessonEntries(data, static_cast<int>(state.range(1)));
    RunCase(state, data, unplaced);
}
BENCHMARK(BM_SolverInstance)
    ->Args({0, -1})->Args({0, 50})->Args({1, -1})->Args({1, 50})->Args({2, -1})->Args({2, 50})
    ->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
