// The heavy paths of the placement rules and derived tables on generated plans of school size
// (argument 0: 400 entities, 1,200 activities, 4,000 entries) and large size (argument 1:
// 1,500 / 5,000 / 20,000).
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "model/plan_index.h"
#include "model/schedule_data.h"
#include "support/plan_generator.h"

namespace {

// One generated plan per size, made on first use and shared by the benchmarks.
CScheduleData& Plan(const benchmark::State& state) {
    static std::unique_ptr<CScheduleData> plans[2];
    const int size = state.range(0) == 0 ? 0 : 1;
    if (!plans[size]) {
        plans[size] = std::make_unique<CScheduleData>();
        GeneratePlan(*plans[size], size == 0 ? SchoolPlanOptions() : LargePlanOptions());
        plans[size]->RebuildEntityItems(1);
    }
    return *plans[size];
}

// Proposed one-hour entries: activity k at hour k mod 8 of day k mod the plan's days.
std::vector<CTimetableEntry> Proposals(const CScheduleData& data, int count) {
    std::vector<CTimetableEntry> proposals;
    const int step = static_cast<int>(data.m_arrActivities.size()) / count;
    for (int k = 0; k < count; ++k) {
        const CActivity& activity = data.m_arrActivities[static_cast<std::size_t>(k * step)];
        CTimetableEntry entry(data.GetDayDate(k % data.m_nDays) + COleDateTimeSpan(0, 8 + k % 8, 0, 0),
                              COleDateTimeSpan(0, 1, 0, 0));
        entry.m_nActivity = activity.m_nId;
        proposals.push_back(entry);
    }
    return proposals;
}

constexpr int kProposals = 64;

// One call as a drag handler makes it: no index.
void BM_CanPlaceEntry(benchmark::State& state) {
    const CScheduleData& data = Plan(state);
    const std::vector<CTimetableEntry> proposals = Proposals(data, kProposals);
    for (auto _ : state) {
        int placeable = 0;
        for (const CTimetableEntry& entry : proposals) placeable += data.CanPlaceEntry(entry.m_nActivity, 0, entry);
        benchmark::DoNotOptimize(placeable);
    }
    state.SetItemsProcessed(state.iterations() * kProposals);
}
BENCHMARK(BM_CanPlaceEntry)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Many calls with an index built once, as the derived lists and the solver ask.
void BM_CanPlaceEntryIndexed(benchmark::State& state) {
    const CScheduleData& data = Plan(state);
    const std::vector<CTimetableEntry> proposals = Proposals(data, kProposals);
    const CPlanIndex index(data);
    for (auto _ : state) {
        int placeable = 0;
        for (const CTimetableEntry& entry : proposals) placeable += data.CanPlaceEntry(entry.m_nActivity, 0, entry, &index);
        benchmark::DoNotOptimize(placeable);
    }
    state.SetItemsProcessed(state.iterations() * kProposals);
}
BENCHMARK(BM_CanPlaceEntryIndexed)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_RebuildEntityItems(benchmark::State& state) {
    CScheduleData& data = Plan(state);
    for (auto _ : state) data.RebuildEntityItems(1);
}
BENCHMARK(BM_RebuildEntityItems)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_BuildActivityWeights(benchmark::State& state) {
    CScheduleData& data = Plan(state);
    for (auto _ : state) data.BuildActivityWeights();
    state.counters["records"] = static_cast<double>(data.m_arrActivityWeights.size());
}
BENCHMARK(BM_BuildActivityWeights)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_BuildFreeSlotList(benchmark::State& state) {
    CScheduleData& data = Plan(state);
    data.BuildActivityWeights();
    for (auto _ : state) data.BuildFreeSlotList(nullptr);
    state.counters["slots"] = static_cast<double>(data.m_arrFreeSlots.size());
}
BENCHMARK(BM_BuildFreeSlotList)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The warning marks of one day's cells of the timetable for a class: each of its activities
// at each lesson hour, with one index for the whole day.
void BM_IsPlacementSafeDay(benchmark::State& state) {
    const CScheduleData& data = Plan(state);
    const CEntity& entity = data.m_arrEntities.front();
    std::vector<int> activities;
    for (const CActivity& activity : data.m_arrActivities)
        if (activity.HasEntityId(data, entity.m_nId)) activities.push_back(activity.m_nId);
    for (auto _ : state) {
        const CPlanIndex index(data);
        int safe = 0;
        for (int hour = 8; hour < 16; ++hour) {
            const CTimetableEntry cell(data.GetDayDate(1) + COleDateTimeSpan(0, hour, 0, 0), COleDateTimeSpan(0, 1, 0, 0));
            for (int id : activities) safe += data.IsPlacementSafe(id, cell, &index) ? 1 : 0;
        }
        benchmark::DoNotOptimize(safe);
    }
    state.counters["cells"] = static_cast<double>(activities.size() * 8);
}
BENCHMARK(BM_IsPlacementSafeDay)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The stretch limit of entries while dragging their end, for a spread of stored entries.
void BM_GetLatestEndTime(benchmark::State& state) {
    const CScheduleData& data = Plan(state);
    std::vector<const CTimetableEntry*> entries;
    const std::size_t step = data.m_arrEntries.size() / kProposals;
    for (std::size_t i = 0; i < data.m_arrEntries.size() && entries.size() < kProposals; i += step)
        entries.push_back(&data.m_arrEntries[i]);
    for (auto _ : state) {
        for (const CTimetableEntry* entry : entries) benchmark::DoNotOptimize(data.GetLatestEndTime(entry, entry->GetEndTime()));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(entries.size()));
}
BENCHMARK(BM_GetLatestEndTime)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
