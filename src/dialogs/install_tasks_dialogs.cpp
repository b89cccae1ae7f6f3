#include "dialogs/activity_group_dlg.h"
#include "dialogs/association_dlg.h"
#include "dialogs/install_record_dialogs.h"
#include "dialogs/task_dlg.h"
#include "dialogs/task_quota_dlg.h"
#include "planner/wnd_tasks.h"
#include "platform/core/load_res_string.h"

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
