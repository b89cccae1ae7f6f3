// The program: the one application object, built before the program's entry, and the entry.
// Pages of the main frame register here as their subsystems come, and the record dialogs that
// pages below the dialogs open are installed here.
#include <memory>

#include "app/scheduler_app.h"
#include "dialogs/activity_group_dlg.h"
#include "dialogs/association_dlg.h"
#include "dialogs/task_dlg.h"
#include "dialogs/task_quota_dlg.h"
#include "frame/wnd_contacts.h"
#include "planner/wnd_tasks.h"
#include "platform/core/load_res_string.h"

CSchedulerApp theApp;

namespace {

void InstallTasksDialogs() {
    CWndTasks::s_dialogs.editTask = [](CActivity& activity, UINT okText) {
        CTaskDlg dlg(&activity, nullptr);
        dlg.m_okText = LoadResString(okText);
        return dlg.DoModal() == IDOK ? TRUE : FALSE;
    };
    CWndTasks::s_dialogs.editGroup = [](CActivityGroup& group) {
        CActivityGroupDlg dlg(&group, nullptr);
        return dlg.DoModal() == IDOK ? TRUE : FALSE;
    };
    CWndTasks::s_dialogs.taskQuota = [](CDiaryCtrl& diary, CWnd* page) {
        CTaskQuotaDlg dlg(&diary, page);
        dlg.DoModal();
    };
    CWndTasks::s_dialogs.associations = [](const std::vector<int>& rooms, const std::vector<int>& staff,
                                           std::vector<CRoomPair>& pairs) {
        CAssociationDlg dlg(&rooms, &staff, &pairs, nullptr);
        return dlg.DoModal() == IDOK ? TRUE : FALSE;
    };
}

}  // namespace

int main(int argc, char** argv) {
    RegisterFramePage(kPageContacts, [] { return std::make_unique<CWndContacts>(); });
    RegisterFramePage(kPageTasks, [] { return std::make_unique<CWndTasks>(); });
    InstallTasksDialogs();
    return AfxWinMain(argc, argv);
}
