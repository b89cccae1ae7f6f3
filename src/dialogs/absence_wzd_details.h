#pragma once
// CWzdPageAbsenceDetails: category, reason, fund, remark, paid and approved of the absence, in
// an option tree. Leaving it with Next or Finish writes the rows into the absence template and
// refuses an empty category.
#include "controls/option_tree.h"
#include "controls/wizard_page.h"

class CAbsence;
class COptionTreeItemComboBox;
class COptionTreeItemEdit;
class COptionTreeItemRadio;

class CWzdPageAbsenceDetails : public CWizardPage {
public:
    static constexpr UINT kTreeId = 101;

    CWzdPageAbsenceDetails(CAbsence* record, CWnd* pParentWnd = nullptr);

    BOOL OnInitDialog() override;
    int OnWizardNext() override;
    BOOL OnWizardFinish() override;
    // Writes every row into the template; false (after the message) when the category is empty.
    bool WriteBack();

    CAbsence* absence;
    COptionTree m_tree;
    COptionTreeItemComboBox* m_pCategory = nullptr;
    COptionTreeItemEdit* m_pReason = nullptr;
    COptionTreeItemComboBox* m_pFund = nullptr;
    COptionTreeItemEdit* m_pRemark = nullptr;
    COptionTreeItemRadio* m_pPaid = nullptr;
    COptionTreeItemRadio* m_pApproved = nullptr;
};
