#pragma once
// CWzdPageSolver: the run page. Its start/stop button prepares the document and starts the one
// worker thread, which runs the search on the live document while the modal wizard keeps every
// other window from editing it. The worker tells the page nothing but by posted messages and by
// values the page reads on a timer (the log lines it queues, the progress); the page joins the
// worker before it goes.
#include <memory>
#include <mutex>
#include <vector>

#include "controls/wizard_page.h"
#include "platform/ui/button.h"
#include "platform/ui/list_box.h"
#include "platform/ui/progress_ctrl.h"
#include "platform/ui/win_thread.h"
#include "solver_engine/solver_run.h"
#include "solver_engine/solver_sink.h"
#include "solver_engine/solver_work.h"

class CScheduleData;

inline constexpr UINT WM_SOLVER_IMPROVED = WM_USER + 17;
inline constexpr UINT WM_SOLVER_PROGRESS = WM_USER + 18;
inline constexpr UINT WM_SOLVER_DONE = WM_USER + 19;

class CWzdPageSolver : public CWizardPage {
public:
    CWzdPageSolver(CWnd* pParentWnd, CScheduleData& data);
    ~CWzdPageSolver() override;

    BOOL OnInitDialog() override;
    void OnDestroyPage() override;
    BOOL OnKillActive() override;
    void OnSetActive() override;
    int OnWizardBack() override;
    int OnWizardNext() override;
    BOOL OnWizardFinish() override;

    bool IsRunning() const { return m_control.IsRunning(); }
    // A worker was started and has not been joined yet.
    bool HasWorker() const { return m_pThread != nullptr; }
    // Asks a running search to stop and waits for it, handling events meanwhile.
    void StopAndJoin();

    void OnStartStop();

    CButton m_button;
    CProgressCtrl m_progress;
    CListBox m_log;
    CSolverControl m_control;

protected:
    LRESULT OnSolverImproved(WPARAM wParam, LPARAM lParam);
    LRESULT OnSolverProgress(WPARAM wParam, LPARAM lParam);
    LRESULT OnSolverDone(WPARAM wParam, LPARAM lParam);
    void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()

private:
    // The sink of the worker: lines are queued for the page, improvements posted to it.
    class CWorkerSink : public ISolverSink {
    public:
        explicit CWorkerSink(CWzdPageSolver& page) : m_page(page) {}
        void AddLogLine(const CString& line) override;
        void OnImproved(int over, long long value) override;

    private:
        CWzdPageSolver& m_page;
    };
    // The sink of the preparation, which runs on this thread: lines go straight into the log.
    class CPageSink : public ISolverSink {
    public:
        explicit CPageSink(CWzdPageSolver& page) : m_page(page) {}
        void AddLogLine(const CString& line) override;

    private:
        CWzdPageSolver& m_page;
    };

    static UINT SolverThreadProc(LPVOID param);
    void AddLine(const CString& line);
    // Moves the lines the worker queued into the log and shows the progress.
    void TakeWorkerReports();
    void Join();

    CScheduleData& m_data;
    CSolverParams m_params;
    CSolverWork m_work;
    CWorkerSink m_workerSink{*this};
    CPageSink m_pageSink{*this};
    std::unique_ptr<CWinThread> m_pThread;
    HWND m_hPage = nullptr;  // the page's handle as the worker posts to it
    std::mutex m_linesMutex;
    std::vector<CString> m_pendingLines;
    bool m_bStopRequested = false;
};
