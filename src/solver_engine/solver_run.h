#pragma once
// One solver run over the live document: the preparation (on the thread that owns the store,
// before the worker starts) and the search (on the worker), driven only through the control and
// the sink, so the wizard, the tests and the benchmarks run the same code.
#include <cstdint>
#include <vector>

class CScheduleData;
class CSolverControl;
class CSolverWork;
class ISolverSink;

// The document's solver settings as a run uses them.
class CSolverParams {
public:
    // Reads the mode, the rule switch, the selection kind, POPULATION (held to 100..1000) and
    // DURATION (held to 5..1000) from the store.
    static CSolverParams FromStore(const CScheduleData& data);

    int m_nMode = 0;          // 0 exhaustive, 1 genetic from random, 2 genetic from the current placement
    int m_nPopulation = 250;
    int m_nDuration = 100;
    // A fixed seed key for the generator; empty: seeded from the clock as every generator is.
    std::vector<std::uint32_t> m_arrSeedKey;
};

inline constexpr int kMinPopulation = 100;
inline constexpr int kMaxPopulation = 1000;
inline constexpr int kMinDuration = 5;
inline constexpr int kMaxDuration = 1000;

// The preparation sequence: log lines, the unplaced entries of the selection, the work lists,
// the slot options with their weights and the entities' item lists.
void PrepareSolverRun(CScheduleData& data, const CSolverParams& params, CSolverWork& work, CSolverControl& control,
                      ISolverSink& sink);
// The search of the prepared run. Leaves the best placement found in the entries (or, without
// one, every entry where it was), keeps the unmoved start of every entry the run did not move,
// clears the running flag and ends with ISolverSink::OnRunEnded.
void RunSolverSearch(CScheduleData& data, const CSolverParams& params, CSolverWork& work, CSolverControl& control,
                     ISolverSink& sink);
// Preparation and search in one call; the running flag is set first.
void RunSolver(CScheduleData& data, const CSolverParams& params, CSolverWork& work, CSolverControl& control,
               ISolverSink& sink);
