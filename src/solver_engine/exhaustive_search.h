#pragma once
// The exhaustive placement: a depth-first branch-and-bound search over the open entries. Each
// level takes one decision and tries its alternatives in turn, each placing one entry:
// - the open entry with the fewest options left (weighed by the dead ends it took part in), over
//   its options: those where its link already starts first, then the lightest;
// - a start of a link that one of its full activities still lacks (a kept lesson's, or one an
//   entry of another activity opened), over the open entries of that activity that can take it:
//   the link needs one of them there;
// - a free step of a participant whose open entries need every unit of time it has left, over
//   the open entries that can take that step: one of them must.
// A start or a step comes first when it has no more alternatives than the best entry has
// options; among steps the first with the fewest, so a tight participant's week fills from its
// start. Each choice strikes the options it rules out from the entries that share a participant
// or an activity with it (forward checking), and all but the link's starts from its entries once
// the link has as many starts as its full activities have entries. A start that one of a link's
// full activities can no longer take goes from all its entries (or ends the branch when the link
// has it), and so does a choice after which some participant's open entries need more units than
// the free steps their options still cover. Of interchangeable entries only the first open one is
// branched on, and an alternative that was tried and left is struck from all of them for the rest
// of the level. Everything a choice changed is taken back from an undo trail. The first complete
// placement is kept, then only cheaper ones; until the first, the search restarts now and then.
#include <cstdint>
#include <random>
#include <vector>

#include "model/category_spans.h"
#include "solver_engine/placement_model.h"

class CEntity;
class CGroupHourLimit;
class CScheduleData;
class CSolverControl;
class CSolverWork;
class ISolverSink;

class CExhaustiveSearch {
public:
    CExhaustiveSearch(CScheduleData& data, const CSolverWork& work, CSolverControl& control, ISolverSink& sink,
                      int limit);

    // Searches from the empty placement; true when a complete placement was found (m_arrBest).
    // The live entries are written only to cost complete placements.
    bool SolverBranchAndBound();
    // One descent without going back: every entry takes its first option that still fits, an
    // entry without one is left out (-1). For the genetic mode's first individual.
    std::vector<int> GreedyPlacement();
    // Keeps every option that fits beside those kept before it (in variable order) and moves
    // each other variable to the first option that still fits in the search's order (a start
    // its link has, else the lightest); a variable without one gets -1. For the genetic mode's
    // result.
    std::vector<int> RepairPlacement(std::vector<int> options);

    CPlacementModel& Model() { return m_model; }

    // The search stops after more than `limit` complete placements in a row without improvement,
    // and after this many nodes per unit of the limit without a complete placement, so that an
    // instance without any feasible placement still ends.
    static constexpr long long kNodesPerLimit = 2000;
    static constexpr long long kFirstRestart = 1000;
    // Greedy descents a run without a complete placement tries for a partial one.
    static constexpr int kGreedyPasses = 16;
    // Ejection steps per unit of the limit that complete the partial placement of such a run.
    static constexpr long long kEjectionsPerLimit = 40000;

    std::vector<int> m_arrBest;  // option per variable of the best complete placement
    std::vector<int> m_arrDeepest;  // the placement with the most variables the search reached
    int m_nDeepest = 0;
    double m_dBestCost = -1.0;   // -1 until a complete placement was found
    int m_nCounter = 0;
    long long m_nNodesSinceComplete = 0;
    long long m_nNodes = 0;
    int m_nUnplaceable = 0;  // variables without any option that fits what stays
    int m_nRestarts = 0;

private:
    struct Frame {
        std::vector<std::pair<int, int>> m_arrOrder;  // (variable, option) to try, best first
        std::size_t m_nNext = 0;
        int m_nVariable = -1;  // the variable placed now, -1 none
        int m_nChosen = -1;
        std::size_t m_nBaseMark = 0;   // the trail before the level struck anything
        std::size_t m_nTrailMark = 0;  // the trail before the choice
    };
    bool ShouldStop() const;
    // The open entry to decide on next (one of its class), -1 none.
    int ChooseVariable();
    // The next decision's alternatives. False when a link's start can no longer be filled.
    bool NextDecision(Frame& frame);
    // The options of a variable in the order to try them.
    void OrderOptions(int v, std::vector<std::pair<int, int>>& order);
    // Places the option and strikes what it rules out; false (with everything taken back) when
    // an entry is left without options.
    bool Choose(int v, int option);
    void TakeBack(int v, int option, std::size_t mark);
    // Strikes the option from the variable and the open entries of its class; false when one is
    // left without options.
    bool Refute(int v, int option);
    void Strike(int v, int option);
    void UndoTrail(std::size_t mark);
    // Strikes the link's start from all its entries where a full activity has no entry left
    // that could take it; false when the link has that start already, or an entry is left
    // without options.
    bool HoldSupport();
    // The units of each resource: the open entries need at least m_arrDemand and can get only
    // the free ones at steps some live option of theirs covers (m_arrAvail). These keep them.
    void Cover(int v, int option, int sign);
    void Release(int v, int sign);  // the variable leaves (-1) or rejoins (+1) the open ones
    void Occupy(int v, int option);
    void Vacate(int v, int option);
    void LoadUnits(int v, int option, int sign);
    void RecountUnits();
    void MarkDirty(int resource);
    // Whether every resource changed since the last look still gets the units it needs.
    bool UnitsSuffice();
    double CostOfCurrent();

    CScheduleData& m_data;
    const CSolverWork& m_work;
    CSolverControl& m_control;
    ISolverSink& m_sink;
    int m_nLimit;
    CPlacementModel m_model;
    std::vector<int> m_arrAssigned;                // option per variable, -1 open
    std::vector<std::vector<int>> m_arrStruck;     // per variable and option: 0 live, else depth + 1
    std::vector<int> m_arrLive;                    // options left per variable
    std::vector<std::pair<int, int>> m_arrTrail;   // struck (variable, option), newest last
    std::vector<int> m_arrSearched;                // variables that take part in the search
    std::vector<int> m_arrFailures;                // dead ends each variable took part in
    std::vector<double> m_arrKeys;                 // option order keys, reused
    std::vector<int> m_arrSpare;                   // per activity: its entries that are not searched
    std::vector<long long> m_arrClassSeen;         // per class: the look that last counted it
    std::vector<std::pair<int, int>> m_arrFill;    // the alternatives of a start to fill, reused
    std::vector<int> m_arrCover;                   // resource x step: live options of open entries there
    std::vector<int> m_arrAvail;                   // per resource
    std::vector<int> m_arrDemand;                  // per resource
    std::vector<int> m_arrBlockNeed;               // per block: starts its full activities give it
    std::vector<int> m_arrBlockSteps;              // per block: steps it holds now
    std::vector<std::vector<int>> m_arrResourceVariables;  // the searched variables using it
    std::vector<std::pair<int, int>> m_arrSupport;  // (link, step) whose full activities lost an option there
    std::vector<int> m_arrDirty;                   // resources changed since the last look
    std::vector<char> m_arrIsDirty;
    std::vector<char> m_arrHeld;                   // LoadUnits: which block steps were held, reused
    long long m_nLooks = 0;
    std::mt19937 m_random;
    // The cost of the entities no open entry touches, and those it does (CostOfCurrent).
    double m_dFixedCost = -1.0;
    std::vector<CEntity*> m_arrMoving;
    std::vector<CCategorySpans> m_arrMovingPlanned;  // their activity time, which the search leaves alone
    std::vector<const CGroupHourLimit*> m_arrMovingLimits;
    int m_nDepth = 0;
    int m_nOpen = 0;
};

// The driver of the exhaustive mode on the worker: searches, then leaves the entries at the best
// complete placement or, without one, at the partial one that places the most (the deepest the
// search reached or a greedy descent, with what else fits, then completed by ejection as far as
// it goes), unless it breaks more rules than the plan did; else where they were before the run.
// True when a placement was applied.
bool RunExhaustiveSearch(CScheduleData& data, CSolverWork& work, CSolverControl& control, ISolverSink& sink,
                         int limit);
// Writes the options into the live entries; the entries of a variable without one go back to
// where they were before the run. Returns the hard faults of the timetable then.
int WritePlacement(CScheduleData& data, const CSolverWork& work, const CPlacementModel& model,
                   const std::vector<int>& options);
// Puts every entry the run may have moved back to its start and unmoved start from before the
// run, and erases the unplaced entries that the run itself added.
void RestoreUnsolvedEntries(CScheduleData& data, const CSolverWork& work);
// Erases the entries that the run itself added and left unplaced: they were never in the plan, and
// the plan check would report them as lessons it removed.
void EraseUnplacedCreatedEntries(CScheduleData& data, const CSolverWork& work);
