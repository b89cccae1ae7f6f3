#include "solver/solver_command.h"

#include "model/schedule_data.h"
#include "platform/core/load_res_string.h"
#include "resource_ids.h"
#include "solver/solver_wizard_launch.h"

void RunSolverCommand(CScheduleData& data, CWnd* owner) {
    if (!data.HasDefaultStartDate()) {
        data.Answerer().Ask(LoadResString(IDS_SOLVER_NEEDS_WEEK_TEMPLATE), LoadResString(IDS_ERROR_CAPTION),
                            MessageButtons::Ok, MessageIcon::Information);
        return;
    }
    if (!data.CheckData()) {
        data.PublishProblems();
        return;
    }
    RunSolverWizard(data, owner);
}
