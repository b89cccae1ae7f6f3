#pragma once
// CSolverWzdDlg: the host of the solver wizard with its five pages: welcome, parameters, the
// filter with its preview, the run and the summary. The wizard cannot end while a run is under
// way: Cancel, Escape and the close box are refused as Finish is.
#include "controls/wizard_dlg.h"
#include "solver/wzd_page_filter.h"
#include "solver/wzd_page_params.h"
#include "solver/wzd_page_solver.h"
#include "solver/wzd_page_summery.h"
#include "solver/wzd_page_welcome.h"

class CScheduleData;

// Enables or disables Finish, Cancel, Next and Back of the wizard together.
void EnableWizardButtons(BOOL enable, CWnd* wizard);

class CSolverWzdDlg : public CWizardDlg {
public:
    CSolverWzdDlg(CScheduleData& data, CWnd* pParentWnd = nullptr);

    BOOL OnInitDialog() override;
    void OnCancel() override;

    // The summary's apply box as Finish read it.
    bool GetApplyFlag() const { return m_summary.m_bApply != 0; }
    bool IsRunning() const { return m_solver.IsRunning(); }

    CWzdPageWelcome m_welcome;
    CWzdPageParams m_params;
    CWzdPageFilter m_filter;
    CWzdPageSolver m_solver;
    CWzdPageSummery m_summary;

protected:
    void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()
};
