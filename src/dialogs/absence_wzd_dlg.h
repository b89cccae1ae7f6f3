#pragma once
// CAbsenceWzdDlg: the host of the absence wizard. Its pages collect the plan days (day mode
// only), further entities, the details of the absence and two options; the command that runs
// it reads them from the pages and applies the absence. Finish reads every page as it shows.
#include "controls/wizard_dlg.h"

class CWizardPage;

class CAbsenceWzdDlg : public CWizardDlg {
public:
    explicit CAbsenceWzdDlg(CWnd* pParentWnd = nullptr);
    BOOL OnInitDialog() override;

    // The layout of the days and entities pages: the title on top of the column right of the
    // side third, the page's list below it as high as the share num/den of the page's height,
    // the note under the list, and the page onto the placeholder.
    static void LayoutListPage(CWizardPage& page, int listId, int num, int den);
};
