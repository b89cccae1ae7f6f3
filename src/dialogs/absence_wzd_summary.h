#pragma once
// CWzdPageAbsenceSummery: the last page of the absence wizard, with its two options: cancel the
// entries that lose their staff, and record the absence even over another one.
#include "controls/wizard_page.h"

class CWzdPageAbsenceSummery : public CWizardPage {
public:
    explicit CWzdPageAbsenceSummery(CWnd* pParentWnd = nullptr);

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    BOOL OnWizardFinish() override;

    int cancelEntries = 1;
    int forceAbsence = 1;
};
