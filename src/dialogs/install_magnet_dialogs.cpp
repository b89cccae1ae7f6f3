#include <utility>
#include <vector>

#include "dialogs/activity_chooser.h"
#include "dialogs/install_record_dialogs.h"
#include "dialogs/task_dlg.h"
#include "model/activity.h"
#include "planner/wnd_magnet.h"
#include "platform/core/load_res_string.h"

void InstallMagnetDialogs() {
    CMagnetPageDialogs magnetDialogs;
    magnetDialogs.editActivity = [](CActivity& activity, UINT okText) {
        CTaskDlg dlg(&activity, nullptr);
        dlg.m_okText = LoadResString(okText);
        return dlg.DoModal() == IDOK;
    };
    magnetDialogs.chooseActivities = [](std::vector<int>& chosen, std::vector<int>& filled, std::vector<int>& refused,
                                        std::vector<int>& others) {
        CActivityChooser dlg(&chosen, &filled, &refused, &others, nullptr);
        return dlg.DoModal() == IDOK;
    };
    CWndMagnet::SetDialogs(std::move(magnetDialogs));
}
