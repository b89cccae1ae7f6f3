#pragma once
// Worker threads: AfxBeginThread runs a function with one parameter on a new std::thread.
// A worker talks to windows only through PostMessage or PostCoalescedMessage; every other
// window call from a worker is refused (ui_thread.h).
//
// With m_bAutoDelete (the default) the thread object deletes itself when the function
// returns. To wait for a worker, create it suspended, clear m_bAutoDelete, call ResumeThread,
// and later Wait and delete it; the destructor also waits.
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "platform/core/win_types.h"

using AFX_THREADPROC = UINT (*)(LPVOID);

inline constexpr DWORD CREATE_SUSPENDED = 0x00000004;
inline constexpr int THREAD_PRIORITY_LOWEST = -2, THREAD_PRIORITY_BELOW_NORMAL = -1;
inline constexpr int THREAD_PRIORITY_NORMAL = 0, THREAD_PRIORITY_ABOVE_NORMAL = 1;
inline constexpr int THREAD_PRIORITY_HIGHEST = 2;
#ifndef INFINITE
inline constexpr DWORD INFINITE = 0xFFFFFFFF;
#endif

class CWinThread {
public:
    CWinThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam);
    virtual ~CWinThread();
    CWinThread(const CWinThread&) = delete;
    CWinThread& operator=(const CWinThread&) = delete;

    BOOL m_bAutoDelete = TRUE;

    // Starts a thread made with CREATE_SUSPENDED; returns the previous suspend count (1), or
    // 0 when it was already running.
    DWORD ResumeThread();
    // TRUE when the function has returned within the time (INFINITE waits for good). On the
    // user-interface thread the wait keeps handling events, so posted progress and repaints go on.
    BOOL Wait(DWORD milliseconds = INFINITE);
    BOOL IsFinished() const { return m_finished.load(); }
    // The function's return value once it has finished.
    UINT GetExitCode() const { return m_exitCode.load(); }
    // Priorities are kept for callers but not applied.
    BOOL SetThreadPriority(int nPriority) { m_nPriority = nPriority; return TRUE; }
    int GetThreadPriority() const { return m_nPriority; }

    // Starts the thread (AfxBeginThread calls it unless the thread is made suspended).
    BOOL CreateThread(DWORD dwCreateFlags = 0);

private:
    void Main();
    BOOL WaitPumping(DWORD milliseconds);

    AFX_THREADPROC m_pfnThreadProc;
    LPVOID m_pThreadParams;
    std::thread m_thread;
    std::atomic<bool> m_started{false};
    std::atomic<bool> m_finished{false};
    std::atomic<UINT> m_exitCode{0};
    int m_nPriority = THREAD_PRIORITY_NORMAL;
    std::mutex m_mutex;
    std::condition_variable m_done;
};

// A worker running pfnThreadProc(pParam); null when the thread could not start.
CWinThread* AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam, int nPriority = THREAD_PRIORITY_NORMAL,
                           UINT nStackSize = 0, DWORD dwCreateFlags = 0, void* lpSecurityAttrs = nullptr);
