#pragma once
// CWzdPageSummery: the solver wizard's last page: what the run left and whether Finish keeps it.
#include "controls/wizard_page.h"

class CScheduleData;

class CWzdPageSummery : public CWizardPage {
public:
    CWzdPageSummery(CWnd* pParentWnd, CScheduleData& data);

    BOOL OnInitDialog() override;
    void OnSetActive() override;
    BOOL OnWizardFinish() override;

    int m_bApply = 0;

private:
    CScheduleData& m_data;
};
