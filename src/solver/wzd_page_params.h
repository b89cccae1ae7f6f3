#pragma once
// CWzdPageParams: the solver's settings on an option tree: mode, population, limit and the
// position rules. It starts from the document's stored values and writes them back on Next.
#include "controls/option_tree.h"
#include "controls/wizard_page.h"

class COptionTreeItemRadio;
class COptionTreeItemSpinner;
class CScheduleData;

class CWzdPageParams : public CWizardPage {
public:
    CWzdPageParams(CWnd* pParentWnd, CScheduleData& data);

    BOOL OnInitDialog() override;
    int OnWizardNext() override;

    COptionTree m_tree;
    COptionTreeItemRadio* m_pMode = nullptr;
    COptionTreeItemRadio* m_pPopulation = nullptr;
    COptionTreeItemSpinner* m_pLimit = nullptr;
    COptionTreeItemRadio* m_pRules = nullptr;

private:
    CScheduleData& m_data;
};
