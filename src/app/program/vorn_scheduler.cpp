// The program: the one application object, built before the program's entry, and the entry.
// Pages of the main frame register here as their subsystems come.
#include <memory>
#include <utility>
#include <vector>

#include "app/scheduler_app.h"
#include "dialogs/activity_chooser.h"
#include "dialogs/task_dlg.h"
#include "frame/wnd_contacts.h"
#include "model/activity.h"
#include "planner/wnd_magnet.h"
#include "platform/core/load_res_string.h"

CSchedulerApp theApp;

int main(int argc, char** argv) {
    RegisterFramePage(kPageContacts, [] { return std::make_unique<CWndContacts>(); });
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
    RegisterFramePage(kPageMagnet, [] { return std::make_unique<CWndMagnet>(); });
    return AfxWinMain(argc, argv);
}
