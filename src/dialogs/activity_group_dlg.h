#pragma once
// CActivityGroupDlg: edits one activity group: its name, its two colours and its pattern. Escape
// and Enter do nothing; only the buttons close it. OK writes the group only when it has a name.
#include "dialogs/record_dialog.h"

class CActivityGroup;

class CActivityGroupDlg : public CRecordDialog {
public:
    CActivityGroupDlg(CActivityGroup* pGroup, CWnd* pParentWnd);

    COptionTreeItemEdit* m_pName = nullptr;
    COptionTreeItemColor* m_pBackground = nullptr;
    COptionTreeItemColor* m_pForeground = nullptr;
    COptionTreeItemImage* m_pHatch = nullptr;
    CActivityGroup* m_record;

protected:
    BOOL OnInitDialog() override;
    void OnBnClickedOk();
    DECLARE_MESSAGE_MAP()
};
