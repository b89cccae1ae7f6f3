#pragma once
// A solver run's time budget for the benchmarks: clears the run's running flag once the budget
// is spent, unless the object is destroyed (the run ended) first.
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "solver_engine/solver_sink.h"

class CSolverBudget {
public:
    CSolverBudget(CSolverControl& control, double seconds)
        : m_thread([this, &control, seconds] {
              std::unique_lock<std::mutex> lock(m_mutex);
              if (!m_done.wait_for(lock, std::chrono::duration<double>(seconds), [this] { return m_bEnded; }))
                  control.m_bRunning.store(0);
          }) {}
    ~CSolverBudget() {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_bEnded = true;
        }
        m_done.notify_one();
        m_thread.join();
    }
    CSolverBudget(const CSolverBudget&) = delete;
    CSolverBudget& operator=(const CSolverBudget&) = delete;

private:
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_bEnded = false;
    std::thread m_thread;
};
