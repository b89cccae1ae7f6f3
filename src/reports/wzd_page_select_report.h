#pragma once
// CWzdPageSelectReport: the first page of the report wizard: which report to make, as a group
// of four radio buttons (events by entity, events by day, the news feed, the balance over
// several plan files).
#include "controls/wizard_page.h"

class CWzdPageSelectReport : public CWizardPage {
public:
    explicit CWzdPageSelectReport(CWnd* pParentWnd);

    BOOL OnInitDialog() override;
    int OnWizardNext() override;
    void DoDataExchange(CDataExchange* pDX) override;

    int m_nChoice = 0;  // 0 to 3; the other pages hold a pointer to it
};
