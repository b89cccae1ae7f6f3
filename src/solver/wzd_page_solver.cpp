#include "solver/wzd_page_solver.h"

#include "app/wizard_page_layout.h"
#include "frame/main_frame.h"
#include "model/schedule_data.h"
#include "platform/core/load_res_string.h"
#include "platform/ui/message_box.h"
#include "platform/ui/win_app.h"
#include "platform/ui/window_api.h"
#include "resource_ids.h"
#include "solver/solver_wzd_dlg.h"
#include "solver_engine/exhaustive_search.h"
#include "solver_engine/solver_log.h"
#include "solver_engine/solver_preparation.h"

namespace {

constexpr UINT kButtonId = 12325, kProgressId = 1020, kLogId = 1009;
constexpr UINT_PTR kReportTimer = 1;
constexpr UINT kReportInterval = 100;
// Back and Next answer this while a run is under way: no page has it, so the wizard stays.
constexpr int kStay = 1;

// Holds back the frame's autosave and reload prompts while the worker owns the document.
void SetFrameWorkerRunning(BOOL running) {
    if (auto* frame = dynamic_cast<CMainFrame*>(AfxGetMainWnd())) frame->SetWorkerRunning(running);
}

}  // namespace

BEGIN_MESSAGE_MAP(CWzdPageSolver, CWizardPage)
    ON_BN_CLICKED(kButtonId, &CWzdPageSolver::OnStartStop)
    ON_MESSAGE(WM_SOLVER_IMPROVED, &CWzdPageSolver::OnSolverImproved)
    ON_MESSAGE(WM_SOLVER_PROGRESS, &CWzdPageSolver::OnSolverProgress)
    ON_MESSAGE(WM_SOLVER_DONE, &CWzdPageSolver::OnSolverDone)
    ON_WM_TIMER()
END_MESSAGE_MAP()

CWzdPageSolver::CWzdPageSolver(CWnd* pParentWnd, CScheduleData& data)
    : CWizardPage(pParentWnd, IDD_WZD_SOLVER_RUN), m_data(data) {}

CWzdPageSolver::~CWzdPageSolver() {
    // The worker writes into this page's members: it must have ended before they go.
    m_control.m_bRunning.store(0);
    if (m_pThread) m_pThread->Wait();
}

BOOL CWzdPageSolver::OnInitDialog() {
    CWizardPage::OnInitDialog();
    m_button.SubclassDlgItem(kButtonId, this);
    m_progress.SubclassDlgItem(kProgressId, this);
    m_log.SubclassDlgItem(kLogId, this);
    m_progress.SetRange32(0, 100);
    m_button.SetWindowText(LoadResString(IDS_SOLVER_BUTTON_START));

    const CWizardPageLayout layout = CWizardPageLayout::Of(GetOwner());
    const int x = layout.X(), width = layout.R() - x, h = layout.H();
    const int logHeight = 9 * h / 10;
    m_log.MoveWindow(x, layout.top + 5, width, logHeight);
    const int y = layout.top + 5 + logHeight, rowHeight = layout.bottom - 5 - y;
    const int barWidth = 85 * width / 100;
    m_progress.MoveWindow(x, y, barWidth, rowHeight);
    m_button.MoveWindow(x + barWidth + 5, y, layout.R() - (x + barWidth + 5), rowHeight);
    layout.PlaceSideAndPage(this);
    m_hPage = GetSafeHwnd();
    return TRUE;
}

void CWzdPageSolver::OnDestroyPage() {
    StopAndJoin();
    FreeSolverWork(m_work);
}

BOOL CWzdPageSolver::OnKillActive() {
    // Leaving the page never ends a run by itself; the page stays until the run has stopped.
    return !IsRunning() && !HasWorker();
}

void CWzdPageSolver::OnSetActive() {
    if (CWnd* next = GetOwner()->GetDlgItem(ID_WIZNEXT)) next->EnableWindow(FALSE);
}

int CWzdPageSolver::OnWizardBack() { return IsRunning() || HasWorker() ? kStay : 0; }

int CWzdPageSolver::OnWizardNext() { return IsRunning() || HasWorker() ? kStay : 0; }

BOOL CWzdPageSolver::OnWizardFinish() { return !IsRunning() && !HasWorker(); }

void CWzdPageSolver::AddLine(const CString& line) {
    const int index = m_log.AddString(line);
    m_log.SetTopIndex(index);
}

void CWzdPageSolver::CPageSink::AddLogLine(const CString& line) {
    m_page.AddLine(line);
    m_page.m_log.UpdateWindow();
}

void CWzdPageSolver::CWorkerSink::AddLogLine(const CString& line) {
    std::lock_guard<std::mutex> lock(m_page.m_linesMutex);
    m_page.m_pendingLines.push_back(line);
}

void CWzdPageSolver::CWorkerSink::OnImproved(int over, long long value) {
    ::PostMessage(m_page.m_hPage, WM_SOLVER_IMPROVED, static_cast<WPARAM>(over), static_cast<LPARAM>(value));
}

void CWzdPageSolver::OnStartStop() {
    if (IsRunning()) {
        m_button.EnableWindow(FALSE);
        m_control.m_bRunning.store(0);
        AddLine(LoadResString(IDS_SOLVER_STOPPING));
        if (!m_bStopRequested) BeginWaitCursor();
        m_bStopRequested = true;
        return;
    }
    if (HasWorker()) return;  // a stopped run that has not reported its end yet

    m_params = CSolverParams::FromStore(m_data);
    FreeSolverWork(m_work);
    m_work = CSolverWork();
    m_control.m_nProgress.store(0);
    m_control.m_nProgressRange.store(m_params.m_nMode == 0 ? 0 : m_params.m_nDuration);
    m_progress.SetRange32(0, m_control.m_nProgressRange.load());
    m_progress.SetPos(0);
    m_control.m_bRunning.store(1);
    PrepareSolverRun(m_data, m_params, m_work, m_control, m_pageSink);

    EnableWizardButtons(FALSE, GetOwner());
    m_button.SetWindowText(LoadResString(IDS_SOLVER_BUTTON_STOP));
    m_bStopRequested = false;
    SetFrameWorkerRunning(TRUE);
    CWinThread* thread = AfxBeginThread(&CWzdPageSolver::SolverThreadProc, this, THREAD_PRIORITY_NORMAL, 0,
                                        CREATE_SUSPENDED);
    if (!thread) {
        m_control.m_bRunning.store(0);
        PostMessage(WM_SOLVER_DONE);
        return;
    }
    thread->m_bAutoDelete = FALSE;
    m_pThread.reset(thread);
    SetTimer(kReportTimer, kReportInterval);
    m_pThread->ResumeThread();
}

UINT CWzdPageSolver::SolverThreadProc(LPVOID param) {
    auto* page = static_cast<CWzdPageSolver*>(param);
    // The search catches its own failures; nothing may leave the worker in any case, or the
    // program would end with the user's unsaved work.
    try {
        RunSolverSearch(page->m_data, page->m_params, page->m_work, page->m_control, page->m_workerSink);
    } catch (...) {
        RestoreUnsolvedEntries(page->m_data, page->m_work);
        page->m_control.m_bRunning.store(0);
    }
    ::PostMessage(page->m_hPage, WM_SOLVER_DONE, 0, 0);
    return 0;
}

void CWzdPageSolver::TakeWorkerReports() {
    std::vector<CString> lines;
    {
        std::lock_guard<std::mutex> lock(m_linesMutex);
        lines.swap(m_pendingLines);
    }
    for (const CString& line : lines) AddLine(line);
    int low = 0, high = 0;
    m_progress.GetRange(low, high);
    const int range = m_control.m_nProgressRange.load();
    if (high != range) m_progress.SetRange32(0, range);
    m_progress.SetPos(m_control.m_nProgress.load());
}

void CWzdPageSolver::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent == kReportTimer) TakeWorkerReports();
}

LRESULT CWzdPageSolver::OnSolverImproved(WPARAM wParam, LPARAM lParam) {
    TakeWorkerReports();
    const CString now = FormatNow(L"%H:%M");
    if (m_params.m_nMode != 0)
        AddLine(FormatLogLine(IDS_SOLVER_GENETIC_IMPROVED, now.GetString(), static_cast<int>(lParam),
                              static_cast<int>(wParam)));
    else
        AddLine(FormatLogLine(IDS_SOLVER_SEARCH_IMPROVED, now.GetString()));
    return 0;
}

LRESULT CWzdPageSolver::OnSolverProgress(WPARAM wParam, LPARAM) {
    m_progress.SetPos(static_cast<int>(wParam));
    return 0;
}

void CWzdPageSolver::Join() {
    if (!m_pThread) return;
    m_pThread->Wait();
    m_pThread.reset();
}

void CWzdPageSolver::StopAndJoin() {
    m_control.m_bRunning.store(0);
    Join();
    KillTimer(kReportTimer);
}

LRESULT CWzdPageSolver::OnSolverDone(WPARAM, LPARAM) {
    Join();
    KillTimer(kReportTimer);
    TakeWorkerReports();
    if (m_bStopRequested) EndWaitCursor();
    m_bStopRequested = false;
    m_button.SetWindowText(LoadResString(IDS_SOLVER_BUTTON_START));
    m_button.EnableWindow(TRUE);
    SetFrameWorkerRunning(FALSE);
    MessageBeep(0);
    // Every button comes back, Cancel among them, so a stopped run can still be rolled back.
    EnableWizardButtons(TRUE, GetOwner());
    if (auto* wizard = dynamic_cast<CWizardDlg*>(GetOwner())) wizard->OnWizardNext();
    return 0;
}
