#pragma once
// CTaskDlg: edits one activity as a task: its name, level, colours and pattern, its meeting
// length, duration, position and spread, and its supervisor, remark, location and bell
// schedule. OK writes the activity only when the name is given.
//
//   CActivity copy = stored;
//   CTaskDlg dlg(&copy, nullptr);
//   if (dlg.DoModal() == IDOK) stored = copy;
#include "dialogs/record_dialog.h"

class CActivity;

class CTaskDlg : public CRecordDialog {
public:
    CTaskDlg(CActivity* pActivity, CWnd* pParentWnd);

    // A caller's text for the OK button; the button shows the dialog's own text.
    CString m_okText;
    CActivity* m_record;
    COptionTreeItemComboBox* m_pName = nullptr;
    COptionTreeItemComboBox* m_pLevel = nullptr;
    COptionTreeItemColor* m_pBackground = nullptr;
    COptionTreeItemColor* m_pForeground = nullptr;
    COptionTreeItemImage* m_pHatch = nullptr;
    COptionTreeItemSpinner* m_pMeeting = nullptr;
    COptionTreeItemSpinner* m_pDuration = nullptr;
    COptionTreeItemRadio* m_pPosition = nullptr;
    COptionTreeItemSpinner* m_pDispersion = nullptr;
    COptionTreeItemEdit* m_pSupervisor = nullptr;
    COptionTreeItemEdit* m_pRemark = nullptr;
    COptionTreeItemEdit* m_pLocation = nullptr;
    COptionTreeItemComboBox* m_pChimeSet = nullptr;

protected:
    BOOL OnInitDialog() override;
    void OnBnClickedOk();
    DECLARE_MESSAGE_MAP()

private:
    int m_shownMeetingHours = 0;
    int m_shownDurationHours = 0;
};
