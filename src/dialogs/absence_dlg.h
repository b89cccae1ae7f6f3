#pragma once
// CAbsenceDlg: edits one absence: its category, reason, fund, remark, and whether it is paid and
// approved. Escape and Enter do nothing; only the buttons close it. OK writes the absence only
// when it has a category.
#include "dialogs/record_dialog.h"

class CAbsence;

class CAbsenceDlg : public CRecordDialog {
public:
    // text: a caller's text for the OK button, which shows the dialog's own text.
    CAbsenceDlg(const CString& text, CAbsence* pAbsence, CWnd* pParentWnd);

    CString m_okText;
    COptionTreeItemRadio* m_pApproved = nullptr;
    COptionTreeItemRadio* m_pPaid = nullptr;
    COptionTreeItemComboBox* m_pCategory = nullptr;
    COptionTreeItemEdit* m_pReason = nullptr;
    COptionTreeItemEdit* m_pRemark = nullptr;
    COptionTreeItemComboBox* m_pFund = nullptr;
    CAbsence* m_record;

protected:
    BOOL OnInitDialog() override;
    void OnBnClickedOk();
    DECLARE_MESSAGE_MAP()
};
