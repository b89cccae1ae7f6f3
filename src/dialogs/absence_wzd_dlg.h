#pragma once
// CAbsenceWzdDlg: the host of the absence wizard. Its pages collect the plan days (day mode
// only), further entities, the details of the absence and two options; the command that runs
// it reads them from the pages and applies the absence. Finish reads every page as it shows.
#include "controls/wizard_dlg.h"

class CAbsenceWzdDlg : public CWizardDlg {
public:
    explicit CAbsenceWzdDlg(CWnd* pParentWnd = nullptr);
    BOOL OnInitDialog() override;
};
