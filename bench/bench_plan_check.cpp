// The plan check that follows every edit, without the page refresh, on generated plans of school
// and large size, as a week template and as a dated plan; and the overlap-limit count the
// solver's fitness function runs for every candidate.
//
// The first check of a plan removes what lies outside it and settles states and flags; the
// benchmarks measure the checks that follow, which is what every edit pays.
#include <benchmark/benchmark.h>

#include "model/plan_check.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "support/plan_generator.h"

namespace {

// Arguments: size (0 school, 1 large) and kind (0 week template, 1 dated plan).
void Generate(CScheduleData& data, const benchmark::State& state) {
    PlanOptions options = state.range(0) == 0 ? SchoolPlanOptions() : LargePlanOptions();
    options.dated = state.range(1) != 0;
    GeneratePlan(data, options);
    // A document keeps its first weekday in the first week of January 2000; a dated plan starts
    // elsewhere, which is what selects the dated checks.
    data.m_dtFirstWeekday = COleDateTime(2000, 1, 3, 0, 0, 0);
}

// The steps of RecheckAndRefresh up to publishing the problems.
void RunPlanCheck(CScheduleData& data) {
    data.m_arrProblems.clear();
    const bool sameStart = IsSameDay(data.GetStartDate(), data.GetFirstWeekdayDate());
    if (!sameStart) data.RebuildReplacementIndex();
    CheckTimetableEntries(data, nullptr, sameStart);
    if (sameStart) CheckEntityLoad(data, nullptr);
}

void BM_PlanCheck(benchmark::State& state) {
    CScheduleData data;
    Generate(data, state);
    RunPlanCheck(data);
    for (auto _ : state) {
        RunPlanCheck(data);
        benchmark::DoNotOptimize(data.m_arrProblems.size());
    }
    state.counters["entries"] = static_cast<double>(data.m_arrEntries.size());
    state.counters["problems"] = static_cast<double>(data.m_arrProblems.size());
}
BENCHMARK(BM_PlanCheck)
    ->ArgNames({"large", "dated"})
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({0, 1})
    ->Args({1, 1})
    ->Unit(benchmark::kMillisecond);

void BM_CheckOverlapLimits(benchmark::State& state) {
    CScheduleData data;
    Generate(data, state);
    RunPlanCheck(data);
    int count = 0;
    for (auto _ : state) {
        count = data.CheckOverlapLimits(FALSE);
        benchmark::DoNotOptimize(count);
    }
    state.counters["over_limit"] = count;
}
BENCHMARK(BM_CheckOverlapLimits)
    ->ArgNames({"large", "dated"})
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({0, 1})
    ->Args({1, 1})
    ->Unit(benchmark::kMillisecond);

}  // namespace
