// The placement pass that follows a solver run, on generated plans of school size (argument 0:
// 400 entities, 1,200 activities, 4,000 entries) and large size (argument 1: 1,500 / 5,000 /
// 20,000), each entry with a few candidate slots so that the pass sorts them. The pass ends with
// the plan check, as it does in the program.
#include <benchmark/benchmark.h>

#include <memory>

#include "model/schedule_data.h"
#include "solver/auto_placement.h"
#include "support/plan_generator.h"

namespace {

const CScheduleData& Plan(const benchmark::State& state) {
    static std::unique_ptr<CScheduleData> plans[2];
    const int size = state.range(0) == 0 ? 0 : 1;
    if (!plans[size]) {
        plans[size] = std::make_unique<CScheduleData>();
        GeneratePlan(*plans[size], size == 0 ? SchoolPlanOptions() : LargePlanOptions());
        int k = 0;
        for (CTimetableEntry& entry : plans[size]->m_arrEntries) entry.m_arrSlots.resize(static_cast<std::size_t>(k++ % 5));
    }
    return *plans[size];
}

void BM_AutoPlacement(benchmark::State& state) {
    const CScheduleData& plan = Plan(state);
    CScheduleData data;
    GeneratePlan(data, state.range(0) == 0 ? SchoolPlanOptions() : LargePlanOptions());
    for (auto _ : state) {
        state.PauseTiming();
        data.m_arrEntries = plan.m_arrEntries;
        state.ResumeTiming();
        RunAutoPlacement(data);
        benchmark::DoNotOptimize(data.m_arrEntries.size());
    }
    state.counters["entries"] = static_cast<double>(data.m_arrEntries.size());
}
BENCHMARK(BM_AutoPlacement)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
