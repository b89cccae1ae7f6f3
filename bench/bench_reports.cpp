// Every report kind built on the generated plans (week templates for the placement analysis,
// dated plans for the rest), with every entity and every plan day selected, the page skeleton
// and the working copy of the document included; and the week grid of every entity of the
// school plan, as the tooltips ask for it.
#include <benchmark/benchmark.h>

#include "model/schedule_data.h"
#include "report_builders/report_options.h"
#include "report_builders/report_page.h"
#include "report_builders/week_grid.h"
#include "support/plan_generator.h"

namespace {

void BM_Report(benchmark::State& state) {
    CScheduleData data;
    PlanOptions plan = state.range(0) == 0 ? SchoolPlanOptions() : LargePlanOptions();
    // The placement analysis adds the missing entries of a week template only.
    if (state.range(1) >= 7 && state.range(1) <= 9) plan.dated = false;
    GeneratePlan(data, plan);
    CReportOptions options;
    options.m_reportKind = static_cast<int>(state.range(1));
    options.m_activityTotals = true;
    for (const CEntity& entity : data.m_arrEntities) options.m_entityIds.push_back(entity.m_nId);
    for (int d = 0; d < data.m_nDays; ++d) options.m_dayIndexes.push_back(d);
    std::size_t length = 0;
    for (auto _ : state) {
        const CString page = BuildReportPage(data, options);
        length = static_cast<std::size_t>(page.GetLength());
        benchmark::DoNotOptimize(length);
    }
    state.counters["chars"] = static_cast<double>(length);
}
BENCHMARK(BM_Report)
    ->ArgNames({"large", "kind"})
    ->ArgsProduct({{0, 1}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 13}})
    ->Unit(benchmark::kMillisecond);

void BM_WeekGridOfEveryEntity(benchmark::State& state) {
    CScheduleData data;
    GeneratePlan(data, SchoolPlanOptions());
    for (auto _ : state)
        for (const CEntity& entity : data.m_arrEntities) benchmark::DoNotOptimize(BuildWeekGrid(data, entity.m_nId, true));
    state.SetItemsProcessed(state.iterations() * static_cast<long long>(data.m_arrEntities.size()));
}
BENCHMARK(BM_WeekGridOfEveryEntity)->Unit(benchmark::kMillisecond);

}  // namespace
