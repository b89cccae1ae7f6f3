#pragma once
// How a solver run talks to whoever drives it (the run page, a test, a benchmark): log lines and
// improvements go to a sink; the running flag and the progress are values both sides share.
#include <atomic>

#include "platform/core/cstring.h"

class ISolverSink {
public:
    virtual ~ISolverSink() = default;
    // One line of the run's log, newest last.
    virtual void AddLogLine(const CString& line) { (void)line; }
    // A better placement was stored. Exhaustive: over 0, value the new best cost truncated;
    // genetic: over the entities over their OVERLAPS limit, value the generations since the
    // previous improvement.
    virtual void OnImproved(int over, long long value) {
        (void)over;
        (void)value;
    }
    // The run has ended and its result is in the entries; called exactly once per run.
    virtual void OnRunEnded() {}
};

// The values a run shares with the thread that started it. The driver sets the running flag,
// clears it to ask for a stop and reads the progress whenever it likes; the run never blocks.
class CSolverControl {
public:
    std::atomic<int> m_bRunning{0};
    std::atomic<int> m_nProgress{0};
    std::atomic<int> m_nProgressRange{0};
    std::atomic<long long> m_nEvaluations{0};  // fitness evaluations, or nodes of the exhaustive search

    bool IsRunning() const { return m_bRunning.load(std::memory_order_relaxed) != 0; }
    void SetProgress(int position) { m_nProgress.store(position, std::memory_order_relaxed); }
};
