#include "solver_engine/exhaustive_search.h"

#include <algorithm>
#include <unordered_set>

#include "model/schedule_data.h"
#include "model/time_values.h"
#include "solver_engine/solver_costs.h"
#include "solver_engine/solver_log.h"
#include "solver_engine/solver_sink.h"
#include "solver_engine/solver_work.h"

CExhaustiveSearch::CExhaustiveSearch(CScheduleData& data, const CSolverWork& work, CSolverControl& control,
                                     ISolverSink& sink, int limit, const CPlanIndex* index)
    : m_data(data), m_work(work), m_control(control), m_sink(sink), m_nLimit(limit), m_pIndex(index) {}

bool CExhaustiveSearch::ShouldStop() const {
    return !m_control.IsRunning() || m_dBestCost == 0.0 || m_nCounter > m_nLimit ||
           m_nNodesSinceComplete > kNodesPerLimit * std::max(m_nLimit, 1);
}

double CExhaustiveSearch::SolverBranchAndBound(CCandidateSet& node) {
    ++m_nNodes;
    ++m_nNodesSinceComplete;
    m_control.m_nEvaluations.fetch_add(1, std::memory_order_relaxed);
    m_control.SetProgress(static_cast<int>(node.m_arrRecords.size()) - node.m_nEntryCount);
    if (ShouldStop()) return m_dBestCost;
    if (!ApplyAndCheckCandidateSet(m_data, m_work, node, m_pIndex)) return kNoCost;
    if (IsCandidateSetComplete(node)) {
        m_nNodesSinceComplete = 0;
        RefreshEntityItems(m_data);
        const double cost = CostEntityHours(m_data, 100.0) + CostGroupHoursOverLimit(m_data, m_work, 500.0);
        if (cost < m_dBestCost) {
            m_best = node;
            m_dBestCost = cost;
            m_nCounter = 0;
            m_sink.OnImproved(0, static_cast<long long>(cost));
        } else {
            ++m_nCounter;
        }
        return cost;
    }
    double result = kNoCost;
    // The node's records may be pruned by the children's checks only in their own copies.
    const std::vector<CCandidateRecord> records = node.m_arrRecords;
    for (const CCandidateRecord& s : records) {
        if (s.m_nEntryIndex != node.m_nNextEntryIndex) continue;
        CCandidateSet child = FixCandidate(node, s);
        result = std::min(result, SolverBranchAndBound(child));
    }
    return result;
}

bool RunExhaustiveSearch(CScheduleData& data, CSolverWork& work, CSolverControl& control, ISolverSink& sink,
                         int limit, const CPlanIndex* index) {
    CExhaustiveSearch search(data, work, control, sink, limit, index);
    CCandidateSet node = BuildSlotCandidates(data);
    search.m_best = node;
    sink.AddLogLine(LoadResString(IDS_SOLVER_SEARCH_STARTED));
    sink.AddLogLine(FormatLogLine(IDS_SOLVER_SEARCH_ENTRIES, node.m_nEntryCount));
    search.SolverBranchAndBound(node);
    sink.AddLogLine(LoadResString(IDS_SOLVER_SEARCH_FINISHED));
    if (ApplyAndCheckCandidateSet(data, work, search.m_best, index) && IsCandidateSetComplete(search.m_best)) {
        sink.AddLogLine(FormatLogLine(IDS_SOLVER_SEARCH_APPLIED, FormatNow(L"%d/%m/%Y %H:%M").GetString()));
        return true;
    }
    sink.AddLogLine(LoadResString(IDS_SOLVER_SEARCH_FAILED));
    RestoreUnsolvedEntries(data, work);
    return false;
}

void RestoreUnsolvedEntries(CScheduleData& data, const CSolverWork& work) {
    for (const CEntryBefore& before : work.m_arrBefore) {
        const auto entry = data.FindEntryBySerial(before.m_nSerial);
        if (entry == data.m_arrEntries.end()) continue;
        entry->m_dtStart = before.m_dtStart;
        entry->m_dtUnmovedStart = before.m_dtUnmovedStart;
    }
    const std::unordered_set<std::uint64_t> created(work.m_arrCreated.begin(), work.m_arrCreated.end());
    data.m_arrEntries.EraseIf([&](const CTimetableEntry& entry) {
        return created.count(entry.GetSerial()) != 0 && IsUnplacedDate(entry.m_dtStart);
    });
}
