#pragma once
// CTaskQuotaDlg: sets the hours each task listed in the tasks page's diary needs in the plan
// and, when the diary's selection is a set of rows, a few settings common to those tasks. OK
// writes only what the planner changed.
//
//   CDiarySelection diary{rows, kind};
//   CTaskQuotaDlg dlg(&diary, this);
//   dlg.DoModal();
#include <vector>

#include "dialogs/record_dialog.h"

// What the dialog reads of the diary: its rows in display order and its selection kind (1: a
// selection of rows, when only the selected rows are listed).
struct CDiaryRowState {
    int activityId = 0;
    bool selected = false;
};
struct CDiarySelection {
    std::vector<CDiaryRowState> rows;
    int kind = 0;
};

class CTaskQuotaDlg : public CRecordDialog {
public:
    CTaskQuotaDlg(const CDiarySelection* pDiary, CWnd* pParentWnd);

    struct QuotaRow {
        int activityId;
        int shownHours;
        COptionTreeItemSpinner* item;
    };
    std::vector<QuotaRow> m_quotaRows;
    COptionTreeItemEdit* m_supervisorRow = nullptr;
    COptionTreeItemEdit* m_remarkRow = nullptr;
    COptionTreeItemEdit* m_locationRow = nullptr;
    COptionTreeItemSpinner* m_meetingRow = nullptr;
    COptionTreeItemRadio* m_positionRow = nullptr;
    COptionTreeItemSpinner* m_dispersionRow = nullptr;
    const CDiarySelection* m_diary;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
};
