#pragma once
// CTaskQuotaDlg: sets the hours each task listed in the tasks page's diary needs in the plan
// and, when the diary's selection is a set of rows, a few settings common to those tasks. OK
// writes only what the planner changed.
//
//   CTaskQuotaDlg dlg(&diary, this);
//   dlg.DoModal();
//
// It reads the diary's rows in display order and its selection kind (1: a selection of rows,
// when only the flagged rows are listed).
#include <vector>

#include "dialogs/record_dialog.h"

class CDiaryCtrl;

class CTaskQuotaDlg : public CRecordDialog {
public:
    CTaskQuotaDlg(const CDiaryCtrl* pDiary, CWnd* pParentWnd);

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
    const CDiaryCtrl* m_diary;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
};
