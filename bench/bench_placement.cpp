// The heavy paths of the placement rules and derived tables on generated plans of school and
// large size.
#include <benchmark/benchmark.h>

#include "model/schedule_data.h"
#include "support/plan_generator.h"

namespace {

PlanOptions OptionsFor(const benchmark::State& state) {
    return state.range(0) == 0 ? SchoolPlanOptions() : LargePlanOptions();
}

void BM_GeneratePlan(benchmark::State& state) {
    const PlanOptions options = OptionsFor(state);
    for (auto _ : state) {
        CScheduleData data;
        GeneratePlan(data, options);
        benchmark::DoNotOptimize(data.m_arrEntries.size());
    }
}
BENCHMARK(BM_GeneratePlan)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
