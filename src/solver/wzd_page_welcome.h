#pragma once
// CWzdPageWelcome: the solver wizard's first page; its Cancel question decides every Cancel.
#include "controls/wizard_page.h"

class CScheduleData;

class CWzdPageWelcome : public CWizardPage {
public:
    CWzdPageWelcome(CWnd* pParentWnd, CScheduleData& data);

    BOOL OnInitDialog() override;
    BOOL OnQueryCancel() override;

private:
    CScheduleData& m_data;
};
