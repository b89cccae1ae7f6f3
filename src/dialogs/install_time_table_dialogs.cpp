#include "dialogs/activity_chooser.h"
#include "dialogs/comment_dlg.h"
#include "dialogs/install_record_dialogs.h"
#include "dialogs/substitute_dlg.h"
#include "timetable/wnd_time_table.h"

void InstallTimeTableDialogs() {
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
}
