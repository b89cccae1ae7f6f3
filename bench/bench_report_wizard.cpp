// The report wizard's work on the generated plans: collecting and filtering the events of the
// whole plan, the two event reports of every event, and the news feed text.
#include <benchmark/benchmark.h>

#include "model/schedule_data.h"
#include "report_builders/event_reports.h"
#include "report_builders/news_feed.h"
#include "report_builders/report_event.h"
#include "report_builders/report_event_collection.h"
#include "report_builders/report_event_filter.h"
#include "report_builders/report_event_orders.h"
#include "report_builders/report_options.h"
#include "support/plan_generator.h"

namespace {

PlanOptions PlanOf(const benchmark::State& state) {
    PlanOptions plan = state.range(0) == 0 ? SchoolPlanOptions() : LargePlanOptions();
    plan.replacementShare = 0.10;  // a busy week
    return plan;
}

std::vector<CReportEvent> EveryEvent(const CScheduleData& data) {
    std::vector<CReportEvent> events;
    CollectReportEvents(data, events);
    return events;
}

void BM_CollectAndFilterEvents(benchmark::State& state) {
    CScheduleData data;
    GeneratePlan(data, PlanOf(state));
    CReportFilter filter;
    filter.filterOn = 1;
    filter.allEntities = 0;
    for (const CEntity& entity : data.m_arrEntities)
        if (entity.m_nType == 0 && entity.m_nId % 2 == 0) filter.entityIds.push_back(entity.m_nId);
    const std::vector<int> days(21, 1);
    std::size_t kept = 0;
    for (auto _ : state) {
        std::vector<CReportEvent> events;
        CollectReportEvents(data, events);
        FilterReportEvents(data, days, filter, events);
        kept = events.size();
        benchmark::DoNotOptimize(kept);
    }
    state.counters["events"] = static_cast<double>(kept);
}
BENCHMARK(BM_CollectAndFilterEvents)->ArgNames({"large"})->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_EventReport(benchmark::State& state) {
    CScheduleData data;
    GeneratePlan(data, PlanOf(state));
    std::vector<CReportEvent> events = EveryEvent(data);
    const bool byDay = state.range(1) == 1;
    if (byDay)
        SortEventsByDay(data, events);
    else
        SortEventsByEntity(events);
    const CReportOptions options;
    std::size_t length = 0;
    for (auto _ : state) {
        CString out;
        if (byDay)
            BuildDayEventReport(data, options, events, out);
        else
            BuildEntityEventReport(data, options, events, out);
        length = static_cast<std::size_t>(out.GetLength());
        benchmark::DoNotOptimize(length);
    }
    state.counters["events"] = static_cast<double>(events.size());
    state.counters["chars"] = static_cast<double>(length);
}
BENCHMARK(BM_EventReport)->ArgNames({"large", "byDay"})->ArgsProduct({{0, 1}, {0, 1}})->Unit(benchmark::kMillisecond);

void BM_NewsFeedText(benchmark::State& state) {
    CScheduleData data;
    GeneratePlan(data, PlanOf(state));
    std::vector<CReportEvent> events = EveryEvent(data);
    SortEventsForFeed(events);
    for (auto _ : state) benchmark::DoNotOptimize(BuildNewsFeedText(data, events, {}, 1725264000));
    state.counters["events"] = static_cast<double>(events.size());
}
BENCHMARK(BM_NewsFeedText)->ArgNames({"large"})->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
