#pragma once
// CNewProjectWzd: the host of the new-project wizard; its pages fill the fields.
#include "controls/wizard_dlg.h"
#include "platform/core/cstring.h"
#include "platform/core/ole_date_time.h"
#include "platform/ui/runtime_class.h"

class CNewProjectWzd : public CWizardDlg {
    DECLARE_DYNAMIC(CNewProjectWzd)

public:
    explicit CNewProjectWzd(CWnd* pParentWnd = nullptr);
    BOOL OnInitDialog() override;

    int m_nChoice = 0;            // what the first page chose
    CString m_strPath;            // the chosen document path
    COleDateTime m_date{0.0};
};
