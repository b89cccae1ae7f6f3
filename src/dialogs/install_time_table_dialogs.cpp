#include "dialogs/absence_dlg.h"
#include "dialogs/absence_wzd_days.h"
#include "dialogs/absence_wzd_details.h"
#include "dialogs/absence_wzd_dlg.h"
#include "dialogs/absence_wzd_entities.h"
#include "dialogs/absence_wzd_summary.h"
#include "dialogs/activity_chooser.h"
#include "dialogs/activity_group_dlg.h"
#include "dialogs/association_dlg.h"
#include "dialogs/comment_dlg.h"
#include "dialogs/select_by_dlg.h"
#include "dialogs/install_record_dialogs.h"
#include "dialogs/substitute_dlg.h"
#include "dialogs/task_dlg.h"
#include "platform/core/load_res_string.h"
#include "timetable/wnd_time_table.h"

void InstallTimeTableDialogs() {
    CWndTimeTable::s_dialogs.absenceWizard = [](BOOL wholeDay, CAbsenceWizardAnswers& answers) {
        CAbsenceWzdDlg wizard;
        CWzdPageAbsenceDays days;
        CWzdPageAbsenceEntities entities(&answers.entities);
        CWzdPageAbsenceDetails details(&answers.absence);
        CWzdPageAbsenceSummery summary;
        if (wholeDay) wizard.m_pages.push_back(&days);
        for (CWizardPage* page : {static_cast<CWizardPage*>(&entities), static_cast<CWizardPage*>(&details),
                                  static_cast<CWizardPage*>(&summary)})
            wizard.m_pages.push_back(page);
        if (wizard.DoModal() != ID_WIZFINISH) return FALSE;
        answers.days.assign(days.dayFlags.begin(), days.dayFlags.end());
        answers.cancelEntries = summary.cancelEntries;
        answers.mayReplace = summary.forceAbsence;
        return TRUE;
    };
    CWndTimeTable::s_dialogs.remark = [](CString& remark) {
        CCommentDlg dlg(nullptr);
        dlg.m_text = remark;
        if (dlg.DoModal() != IDOK) return FALSE;
        remark = dlg.m_text;
        return TRUE;
    };
    CWndTimeTable::s_dialogs.substitute = [](CReplacement& record, CTimetableEntry& entry, const CString& okText,
                                             int openChoice, const std::vector<int>& candidates) {
        CSubstituteDlg dlg(&record, &entry, okText, openChoice, nullptr);
        dlg.m_candidates = candidates;
        return dlg.DoModal() == IDOK ? TRUE : FALSE;
    };
    CWndTimeTable::s_dialogs.chooseActivities = [](std::vector<int>& withEntity, std::vector<int>& complete,
                                                   std::vector<int>& notPlaceable, std::vector<int>& others) {
        CActivityChooser dlg(&withEntity, &complete, &notPlaceable, &others, nullptr);
        return dlg.DoModal() == IDOK ? TRUE : FALSE;
    };
    CWndTimeTable::s_dialogs.editTask = [](CActivity& activity, UINT okText) {
        CTaskDlg dlg(&activity, nullptr);
        dlg.m_okText = LoadResString(okText);
        return dlg.DoModal() == IDOK ? TRUE : FALSE;
    };
    CWndTimeTable::s_dialogs.editGroup = [](CActivityGroup& group) {
        CActivityGroupDlg dlg(&group, nullptr);
        return dlg.DoModal() == IDOK ? TRUE : FALSE;
    };
    CWndTimeTable::s_dialogs.editAbsence = [](CAbsence& absence, const CString& okText) {
        CAbsenceDlg dlg(okText, &absence, nullptr);
        return dlg.DoModal() == IDOK ? TRUE : FALSE;
    };
    CWndTimeTable::s_dialogs.associations = [](const std::vector<int>& rooms, const std::vector<int>& staff,
                                               std::vector<CRoomPair>& pairs) {
        CAssociationDlg dlg(&rooms, &staff, &pairs, nullptr);
        return dlg.DoModal() == IDOK ? TRUE : FALSE;
    };
    CWndTimeTable::s_dialogs.selectBy = [](CSelectByFilter& filter) {
        CSelectByDlg dlg(&filter, nullptr);
        return dlg.DoModal() == IDOK ? TRUE : FALSE;
    };
}
