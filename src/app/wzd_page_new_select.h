#pragma once
// CWzdPageNewSelect: the first page of the new-project wizard: three large buttons for a new
// empty plan, a plan from a week template and an existing plan.
#include "controls/icon_button.h"
#include "controls/wizard_page.h"
#include "platform/ui/static.h"

class CNewProjectWzd;

class CWzdPageNewSelect : public CWizardPage {
public:
    explicit CWzdPageNewSelect(CWnd* pParentWnd);
    ~CWzdPageNewSelect() override;

    BOOL OnInitDialog() override;
    void OnSetActive() override;
    BOOL OnQueryCancel() override;

protected:
    void OnChooseNew();
    void OnChooseOpen();
    void OnChooseTemplate();
    DECLARE_MESSAGE_MAP()

private:
    CNewProjectWzd* Host() const;

    CIconButton m_btnNew, m_btnOpen, m_btnTemplate;
    CStatic m_side;
    HICON m_hIconNew = nullptr, m_hIconOpen = nullptr, m_hIconTemplate = nullptr;
};
