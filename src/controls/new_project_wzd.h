#pragma once
// CNewProjectWzd: the host of the new-project wizard; its pages fill the fields.
#include <utility>

#include "controls/wizard_dlg.h"
#include "platform/core/cstring.h"
#include "platform/core/ole_date_time.h"
#include "platform/ui/runtime_class.h"

class CNewProjectWzd : public CWizardDlg {
    DECLARE_DYNAMIC(CNewProjectWzd)

public:
    explicit CNewProjectWzd(CWnd* pParentWnd = nullptr);
    BOOL OnInitDialog() override;

    // Copies the path the recent-documents page chose.
    void SetFilePath(CString path) { filePath = std::move(path); }

    // What the pages chose: 0 a new empty document, 1 an existing document, 2 a new document
    // from a template; the document's path; the start date of a plan made from a template.
    int choice = 0;
    CString filePath;
    COleDateTime startDate{0.0};
};
