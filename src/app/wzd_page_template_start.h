#pragma once
// CWzdPageTemplateStart: the new-project wizard's page for the start date of a plan made from a
// week template; the date must lie a whole number of weeks from the first weekday.
#include "controls/wizard_page.h"
#include "platform/core/ole_date_time.h"

class CNewProjectWzd;

class CWzdPageTemplateStart : public CWizardPage {
public:
    explicit CWzdPageTemplateStart(CWnd* pParentWnd);

    BOOL OnInitDialog() override;
    BOOL OnWizardFinish() override;
    void DoDataExchange(CDataExchange* pDX) override;

    COleDateTime date;

private:
    CNewProjectWzd* Host() const;
};
