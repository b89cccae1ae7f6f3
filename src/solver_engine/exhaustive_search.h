#pragma once
// The exhaustive placement: a depth-first branch-and-bound search over the open entries, one
// level per entry and one branch per option still allowed, cut by the feasibility tests, with
// complete placements ranked by their cost against the best so far.
#include "solver_engine/candidate_set.h"

class CPlanIndex;
class CScheduleData;
class CSolverControl;
class CSolverWork;
class ISolverSink;

// What all levels of one search share.
class CExhaustiveSearch {
public:
    CExhaustiveSearch(CScheduleData& data, const CSolverWork& work, CSolverControl& control, ISolverSink& sink,
                      int limit, const CPlanIndex* index = nullptr);

    // The least cost found below the node; 1,000,000 for an infeasible node.
    double SolverBranchAndBound(CCandidateSet& node);

    // The search stops after more than `limit` complete placements in a row without improvement,
    // and after this many nodes per unit of the limit without a complete placement, so that an
    // instance without any feasible placement still ends.
    static constexpr long long kNodesPerLimit = 2000;
    static constexpr double kNoCost = 1000000.0;

    CCandidateSet m_best;
    double m_dBestCost = kNoCost;
    int m_nCounter = 0;
    long long m_nNodesSinceComplete = 0;
    long long m_nNodes = 0;

private:
    bool ShouldStop() const;

    CScheduleData& m_data;
    const CSolverWork& m_work;
    CSolverControl& m_control;
    ISolverSink& m_sink;
    int m_nLimit;
    const CPlanIndex* m_pIndex;
};

// The driver of the exhaustive mode on the worker: searches, then leaves the entries at the best
// complete placement or, without one, where they were before the run. True when a placement was
// applied.
bool RunExhaustiveSearch(CScheduleData& data, CSolverWork& work, CSolverControl& control, ISolverSink& sink,
                         int limit, const CPlanIndex* index = nullptr);
// Puts every entry the run may have moved back to its start and unmoved start from before the
// run, and erases the unplaced entries that the run itself added.
void RestoreUnsolvedEntries(CScheduleData& data, const CSolverWork& work);
