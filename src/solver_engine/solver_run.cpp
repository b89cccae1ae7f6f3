#include "solver_engine/solver_run.h"

#include <algorithm>
#include <unordered_set>

#include "model/plan_index.h"
#include "model/schedule_data.h"
#include "model/settle_moved_entry_states.h"
#include "model/time_values.h"
#include "solver_engine/exhaustive_search.h"
#include "solver_engine/genetic_solver.h"
#include "solver_engine/mersenne_twister.h"
#include "solver_engine/solver_fitness.h"
#include "solver_engine/solver_genome.h"
#include "solver_engine/solver_log.h"
#include "solver_engine/solver_preparation.h"
#include "solver_engine/solver_sink.h"
#include "solver_engine/solver_work.h"

namespace {

const wchar_t kDateTimeFormat[] = L"%d/%m/%Y %H:%M";

// Entries the run left where they were keep the unmoved start they had before it.
void KeepHistoryOfUnmovedEntries(CScheduleData& data, const CSolverWork& work) {
    for (const CEntryBefore& before : work.m_arrBefore) {
        const auto entry = data.FindEntryBySerial(before.m_nSerial);
        if (entry == data.m_arrEntries.end()) continue;
        const bool unmoved = entry->m_dtStart.GetStatus() == before.m_dtStart.GetStatus() &&
                             (IsUnplacedDate(before.m_dtStart) ? IsUnplacedDate(entry->m_dtStart)
                                                               : CompareTimesApprox(entry->m_dtStart, before.m_dtStart) == 0);
        if (unmoved) entry->m_dtUnmovedStart = before.m_dtUnmovedStart;
    }
}

void RunGeneticSearch(CScheduleData& data, const CSolverParams& params, CSolverWork& work, CSolverControl& control,
                      ISolverSink& sink, const CPlanIndex& index) {
    const int n = data.CountEntriesToPlace();
    if (n == 0) {
        sink.AddLogLine(LoadResString(IDS_SOLVER_NOTHING_TO_PLACE));
        return;
    }
    sink.AddLogLine(FormatLogLine(IDS_SOLVER_GENETIC_ENTRIES, n));
    sink.AddLogLine(FormatLogLine(IDS_SOLVER_GENETIC_CLASH_RATIO, data.GetClashRatio(n)));
    CMersenneTwister generator;
    if (!params.m_arrSeedKey.empty())
        CMersenneTwister::SeedByArray(params.m_arrSeedKey.data(), static_cast<int>(params.m_arrSeedKey.size()));
    CSolverGenome genome(data);
    CSolverFitness fitness(data, work, genome, &index);
    CGeneticSolver solver(params.m_nPopulation, params.m_nMode - 1, generator, control, sink, 0.2);
    sink.AddLogLine(LoadResString(IDS_SOLVER_GENETIC_STARTED));
    const int g = solver.Run(params.m_nDuration, genome, fitness);
    if (g < params.m_nDuration)
        sink.AddLogLine(FormatLogLine(IDS_SOLVER_GENETIC_STOPPED, g));
    else
        sink.AddLogLine(LoadResString(IDS_SOLVER_GENETIC_FINISHED));
    // Whether it ended by itself or was stopped, the run leaves the best it stored; a run stopped
    // before it stored anything leaves the entries where they were.
    if (!solver.GetStoredBest().m_arrGenes.empty())
        genome.Apply(solver.GetStoredBest());
    else
        RestoreUnsolvedEntries(data, work);
}

}  // namespace

CSolverParams CSolverParams::FromStore(const CScheduleData& data) {
    CSolverParams params;
    params.m_nMode = std::clamp(data.m_nMode, 0, 2);
    params.m_nPopulation = std::clamp(data.m_nPopulation, kMinPopulation, kMaxPopulation);
    params.m_nDuration = std::clamp(data.m_nDuration, kMinDuration, kMaxDuration);
    return params;
}

void PrepareSolverRun(CScheduleData& data, const CSolverParams& params, CSolverWork& work, CSolverControl& control,
                      ISolverSink& sink) {
    const CString started = FormatLogLine(IDS_SOLVER_PREPARATION_STARTED, FormatNow(kDateTimeFormat).GetString());
    SettleMovedEntryStates(data);
    sink.AddLogLine(started);
    static const UINT kModeLines[] = {IDS_SOLVER_MODE_EXHAUSTIVE, IDS_SOLVER_MODE_RANDOM, IDS_SOLVER_MODE_CURRENT};
    sink.AddLogLine(LoadResString(kModeLines[std::clamp(params.m_nMode, 0, 2)]));

    if (data.m_nSolverSelection != 0) {
        sink.AddLogLine(LoadResString(IDS_SOLVER_CREATING_ENTRIES));
        std::unordered_set<std::uint64_t> before;
        for (const CTimetableEntry& entry : data.m_arrEntries) before.insert(entry.GetSerial());
        data.CreateUnplacedEntries();
        for (const CTimetableEntry& entry : data.m_arrEntries)
            if (before.count(entry.GetSerial()) == 0) work.m_arrCreated.push_back(entry.GetSerial());
        KeepRunToSelection(data, work);
        int unplaced = 0;
        for (const CTimetableEntry& entry : data.m_arrEntries) unplaced += entry.m_nState == 4;
        sink.AddLogLine(FormatLogLine(IDS_SOLVER_ENTRIES_IN_SELECTION, unplaced));
    }

    data.DeleteUnusedGroups();
    {
        const CPlanIndex index(data);
        CollectUnderplannedActivities(data, work, index);
        CollectGroupHourLimits(data, work, index);
    }
    sink.AddLogLine(LoadResString(IDS_SOLVER_COLLECTING_WORK));
    CollectSlotOptions(data, nullptr, work);
    if (params.m_nMode == 0) FixPlacedEntries(data);
    if (data.m_nSolverOption == 1) {
        sink.AddLogLine(LoadResString(IDS_SOLVER_POSITION_RULES));
        PrunePositionSlots(data);
    }
    ListEntriesWithoutSlots(data, work);
    const int withoutTime = static_cast<int>(work.m_arrWithoutSlots.size());
    if (withoutTime > 0) sink.AddLogLine(FormatLogLine(IDS_SOLVER_ENTRIES_WITHOUT_TIME, withoutTime));

    sink.AddLogLine(LoadResString(IDS_SOLVER_WEIGHING_CONFLICTS));
    WeighSlotConflicts(&control, data);
    ComputeEntryPressure(data);
    data.RebuildEntityItems(0);
    for (CActivityGroup& group : data.m_arrGroups) group.ComputeLength(data);

    sink.AddLogLine(FormatLogLine(IDS_SOLVER_PREPARATION_FINISHED, FormatNow(kDateTimeFormat).GetString()));
    sink.AddLogLine(FormatLogLine(IDS_SOLVER_RUN_STARTED, FormatNow(kDateTimeFormat).GetString()));
    if (params.m_nMode != 0) sink.AddLogLine(FormatLogLine(IDS_SOLVER_GENERATION_LIMIT, params.m_nDuration));
}

void RunSolverSearch(CScheduleData& data, const CSolverParams& params, CSolverWork& work, CSolverControl& control,
                     ISolverSink& sink) {
    {
        // Nothing adds, removes or regroups records during the search; only starts change.
        const CPlanIndex index(data);
        if (params.m_nMode == 0) {
            const CCandidateSet all = BuildSlotCandidates(data);
            control.m_nProgressRange.store(
                std::min(static_cast<int>(all.m_arrRecords.size()) - all.m_nEntryCount, 0xFFFF));
            RunExhaustiveSearch(data, work, control, sink, params.m_nDuration, &index);
        } else {
            control.m_nProgressRange.store(params.m_nDuration);
            RunGeneticSearch(data, params, work, control, sink, index);
        }
    }
    KeepHistoryOfUnmovedEntries(data, work);
    control.m_bRunning.store(0);
    sink.OnRunEnded();
}

void RunSolver(CScheduleData& data, const CSolverParams& params, CSolverWork& work, CSolverControl& control,
               ISolverSink& sink) {
    control.m_bRunning.store(1);
    PrepareSolverRun(data, params, work, control, sink);
    RunSolverSearch(data, params, work, control, sink);
}
