#include "solver_engine/solver_run.h"

#include <algorithm>
#include <exception>
#include <unordered_map>
#include <unordered_set>

#include "model/participation_rules.h"
#include "model/plan_index.h"
#include "model/schedule_data.h"
#include "model/settle_moved_entry_states.h"
#include "model/time_values.h"
#include "solver_engine/entry_neighbours.h"
#include "solver_engine/exhaustive_search.h"
#include "solver_engine/genetic_solver.h"
#include "solver_engine/mersenne_twister.h"
#include "solver_engine/placement_model.h"
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

// The genes of a placement of the model's variables: each open entry the slot its variable's
// option gives it, a random slot where the variable has none.
CChromosome ChromosomeOf(CExhaustiveSearch& search, const std::vector<int>& options, const CSolverGenome& genome,
                         CMersenneTwister& generator) {
    CChromosome chromosome;
    genome.FromCurrentPlacement(chromosome, generator);
    std::unordered_map<const CTimetableEntry*, std::size_t> gene;
    for (std::size_t i = 0; i < genome.Entries().size(); ++i) gene.emplace(genome.Entries()[i], i);
    const CPlacementModel& model = search.Model();
    for (int v = 0; v < model.VariableCount(); ++v) {
        const int o = options[static_cast<std::size_t>(v)];
        if (o < 0) continue;
        const auto& var = model.GetVariable(v);
        const auto it = gene.find(var.m_pEntry);
        if (it != gene.end()) chromosome.m_arrGenes[it->second] = var.m_arrOptions[static_cast<std::size_t>(o)].m_nSlot;
    }
    return chromosome;
}

// Half the ordered pairs of open entries that clash (one activity, or a limited member in
// common outside one group) per open entry. Only neighbours can clash, so each entry looks at
// those alone rather than at every other open entry.
double ClashRatio(const CScheduleData& data, int n) {
    if (n == 0) return 0.0;
    const CEntryNeighbours neighbours(data);
    std::vector<bool> open(data.m_arrEntries.size());
    for (std::size_t p = 0; p < open.size(); ++p) open[p] = IsOpenEntry(data, data.m_arrEntries[p]);
    long long pairs = 0;
    std::vector<std::size_t> near;
    for (std::size_t p = 0; p < open.size(); ++p) {
        if (!open[p]) continue;
        const CTimetableEntry& e = data.m_arrEntries[p];
        const auto a = data.FindActivity(e.m_nActivity);
        neighbours.Collect(p, near);
        for (std::size_t q : near) {
            if (q == p || !open[q]) continue;
            const CTimetableEntry& r = data.m_arrEntries[q];
            if (e.m_nActivity == r.m_nActivity) {
                ++pairs;
                continue;
            }
            const auto b = data.FindActivity(r.m_nActivity);
            if (a == data.m_arrActivities.end() || b == data.m_arrActivities.end()) continue;
            const bool sameGroup = a->m_nGroup != 0 && a->m_nGroup == b->m_nGroup;
            if (!sameGroup && ActivitiesShareLimitedMember(data, *a, *b)) ++pairs;
        }
    }
    return static_cast<double>(pairs) * 0.5 / n;
}

void RunGeneticSearch(CScheduleData& data, const CSolverParams& params, CSolverWork& work, CSolverControl& control,
                      ISolverSink& sink, const CPlanIndex& index) {
    int n = 0;
    for (const CTimetableEntry& entry : data.m_arrEntries) n += IsOpenEntry(data, entry);
    if (n == 0) {
        sink.AddLogLine(LoadResString(IDS_SOLVER_NOTHING_TO_PLACE));
        return;
    }
    const int faultsBefore = CPlacementModel::CountHardFaults(data);
    sink.AddLogLine(FormatLogLine(IDS_SOLVER_GENETIC_ENTRIES, n));
    sink.AddLogLine(FormatLogLine(IDS_SOLVER_GENETIC_CLASH_RATIO, ClashRatio(data, n)));
    CMersenneTwister generator;
    if (!params.m_arrSeedKey.empty())
        CMersenneTwister::SeedByArray(params.m_arrSeedKey.data(), static_cast<int>(params.m_arrSeedKey.size()));
    // The rules' model first: it drops the slots that clash with what stays, which the genome
    // then never offers.
    CExhaustiveSearch rules(data, work, control, sink, params.m_nDuration);
    const std::vector<int> kept = rules.Model().ReadStarts();
    const std::vector<int> greedy = rules.GreedyPlacement();
    CSolverGenome genome(data);
    CSolverFitness fitness(data, work, genome, &index);
    CGeneticSolver solver(params.m_nPopulation, params.m_nMode - 1, generator, control, sink, 0.2);
    if (genome.GetEntryCount() > 0) solver.SetSeed(ChromosomeOf(rules, greedy, genome, generator));
    sink.AddLogLine(LoadResString(IDS_SOLVER_GENETIC_STARTED));
    const int g = solver.Run(params.m_nDuration, genome, fitness);
    if (g < params.m_nDuration)
        sink.AddLogLine(FormatLogLine(IDS_SOLVER_GENETIC_STOPPED, g));
    else
        sink.AddLogLine(LoadResString(IDS_SOLVER_GENETIC_FINISHED));
    // Whether it ended by itself or was stopped, the run leaves the best it stored, its clashes
    // repaired where a free option allows; from random individuals the repaired greedy
    // placement serves when it breaks fewer rules. A run stopped before it stored anything
    // leaves the entries where they were.
    if (solver.GetStoredBest().m_arrGenes.empty()) {
        RestoreUnsolvedEntries(data, work);
        return;
    }
    // An entry that fits nowhere goes back to where it was before the run.
    const auto write = [&](const std::vector<int>& options) { return WritePlacement(data, work, rules.Model(), options); };
    const auto placedCount = [](const std::vector<int>& options) {
        return std::count_if(options.begin(), options.end(), [](int o) { return o >= 0; });
    };
    // Three candidates, each repaired: the stored best, the greedy placement (from random
    // individuals) and the plan as it was with the open entries put into free hours. The one
    // that breaks the fewest rules wins, then the one that places the most.
    std::vector<std::vector<int>> candidates;
    genome.Apply(solver.GetStoredBest());
    candidates.push_back(rules.RepairPlacement(rules.Model().ReadStarts()));
    if (params.m_nMode == 1) candidates.push_back(rules.RepairPlacement(greedy));
    candidates.push_back(rules.RepairPlacement(kept));
    std::size_t chosen = 0;
    int faults = -1;
    long long placed = -1;
    for (std::size_t c = 0; c < candidates.size(); ++c) {
        const int f = write(candidates[c]);
        const long long p = placedCount(candidates[c]);
        if (faults < 0 || f < faults || (f == faults && p > placed)) {
            chosen = c;
            faults = f;
            placed = p;
        }
    }
    genome.Apply(ChromosomeOf(rules, candidates[chosen], genome, generator));
    write(candidates[chosen]);
    if (faults > faultsBefore) {
        RestoreUnsolvedEntries(data, work);
        sink.AddLogLine(LoadResString(IDS_SOLVER_RESULT_REFUSED));
    } else if (faults > 0) {
        sink.AddLogLine(FormatLogLine(IDS_SOLVER_HARD_FAULTS_LEFT, faults));
    }
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
    try {
        // Nothing adds, removes or regroups records during the search; only starts change.
        const CPlanIndex index(data);
        if (params.m_nMode == 0) {
            RunExhaustiveSearch(data, work, control, sink, params.m_nDuration);
        } else {
            control.m_nProgressRange.store(params.m_nDuration);
            RunGeneticSearch(data, params, work, control, sink, index);
        }
    } catch (const std::exception& error) {
        // Out of memory among others: the run ends, and the entries go back to where they were.
        RestoreUnsolvedEntries(data, work);
        sink.AddLogLine(FormatLogLine(IDS_SOLVER_RUN_FAILED, CString(error.what()).GetString()));
    }
    // What the run made and could not place was never in the plan.
    EraseUnplacedCreatedEntries(data, work);
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
