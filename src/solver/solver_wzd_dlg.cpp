#include "solver/solver_wzd_dlg.h"

#include "platform/ui/win_app.h"
#include "resource_ids.h"

void EnableWizardButtons(BOOL enable, CWnd* wizard) {
    for (const UINT id : {ID_WIZFINISH, IDCANCEL, ID_WIZNEXT, ID_WIZBACK})
        if (CWnd* button = wizard->GetDlgItem(id)) button->EnableWindow(enable);
}

BEGIN_MESSAGE_MAP(CSolverWzdDlg, CWizardDlg)
    ON_WM_SIZE()
END_MESSAGE_MAP()

CSolverWzdDlg::CSolverWzdDlg(CScheduleData& data, CWnd* pParentWnd)
    : CWizardDlg(IDD_SOLVER_WIZARD, pParentWnd),
      m_welcome(this, data),
      m_params(this, data),
      m_filter(this, data),
      m_solver(this, data),
      m_summary(this, data) {
    m_pages = {&m_welcome, &m_params, &m_filter, &m_solver, &m_summary};
    m_nPlaceholderID = 1280;
}

BOOL CSolverWzdDlg::OnInitDialog() { return CWizardDlg::OnInitDialog(); }

void CSolverWzdDlg::OnCancel() {
    // Escape, the close box and Alt+F4 arrive here as Cancel does; none may end a run.
    if (m_solver.IsRunning() || m_solver.HasWorker()) return;
    CWizardDlg::OnCancel();
}

void CSolverWzdDlg::OnSize(UINT nType, int cx, int cy) {
    CWizardDlg::OnSize(nType, cx, cy);
    CWnd* main = AfxGetMainWnd();
    if (!main || main == this) return;
    if (nType == SIZE_MINIMIZED) main->ShowWindow(SW_MINIMIZE);
    else if (main->IsIconic()) main->ShowWindow(SW_SHOWNORMAL);
}
