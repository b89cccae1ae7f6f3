#include "solver/solver_wizard_launch.h"

#include "model/plan_check.h"
#include "model/schedule_data.h"
#include "platform/core/load_res_string.h"
#include "resource_ids.h"
#include "solver/auto_placement.h"
#include "solver/solver_wzd_dlg.h"

namespace {

constexpr int kMaxOverLimits = 50;

// Takes the run back whole; the level the wizard's snapshot replaced is the undo level again, so
// the edit before the run can still be undone.
void RollBack(CScheduleData& data) {
    data.Undo(TRUE);
    data.RestorePreviousUndo();
}

void RollBackWithMessage(CScheduleData& data, UINT textId) {
    data.Answerer().Ask(LoadResString(textId), LoadResString(IDS_ERROR_CAPTION), MessageButtons::Ok,
                        MessageIcon::Stop);
    RollBack(data);
}

}  // namespace

void ConcludeSolverWizard(CScheduleData& data, bool finished, bool apply) {
    if (!finished) {
        RollBack(data);
    } else if (data.m_nMode == 0) {
        data.NotifyAllViews(1);
    } else {
        const int over = data.CheckOverlapLimits(TRUE);
        data.RebuildEntityItems(0);
        if (apply) {
            if (over >= kMaxOverLimits) {
                RollBackWithMessage(data, IDS_SOLVER_TOO_MANY_OVER_LIMITS);
            } else {
                RunAutoPlacement(data);
                data.Host().RefreshPages(PageRefresh::Full);
            }
        } else if (over == 0) {
            RunAutoPlacement(data);
            data.NotifyAllViews(1);
        } else {
            RollBackWithMessage(data, IDS_SOLVER_OVER_LIMITS_ROLLED_BACK);
        }
    }
    RecheckAndRefresh(data, TRUE);
}

CSolverSettings CSolverSettings::Of(const CScheduleData& data) {
    return {data.m_nMode, data.m_nPopulation, data.m_nDuration, data.m_nSolverOption, data.m_nSolverSelection,
            data.m_arrSolverIds};
}

void CSolverSettings::RestoreTo(CScheduleData& data) const {
    data.m_nMode = m_nMode;
    data.m_nPopulation = m_nPopulation;
    data.m_nDuration = m_nDuration;
    data.m_nSolverOption = m_nSolverOption;
    data.m_nSolverSelection = m_nSolverSelection;
    data.m_arrSolverIds = m_arrSolverIds;
}

void RunSolverWizard(CScheduleData& data, CWnd* owner) {
    // The snapshot holds the records; the settings the pages write are kept apart, so that a
    // cancelled wizard leaves the whole document as it was.
    const CSolverSettings before = CSolverSettings::Of(data);
    data.SaveUndo();
    CSolverWzdDlg wizard(data, owner);
    const bool finished = wizard.DoModal() == ID_WIZFINISH;
    if (!finished) before.RestoreTo(data);
    ConcludeSolverWizard(data, finished, finished && wizard.GetApplyFlag());
}
