#include "solver/wzd_page_welcome.h"

#include "app/wizard_page_layout.h"
#include "model/schedule_data.h"
#include "platform/core/load_res_string.h"
#include "resource_ids.h"

CWzdPageWelcome::CWzdPageWelcome(CWnd* pParentWnd, CScheduleData& data)
    : CWizardPage(pParentWnd, IDD_WZD_SOLVER_WELCOME), m_data(data) {}

BOOL CWzdPageWelcome::OnInitDialog() {
    CWizardPage::OnInitDialog();
    if (CWnd* title = GetDlgItem(1281)) title->SetFont(&m_titleFont);
    CWizardPageLayout::Of(GetOwner()).PlaceSideAndPage(this);
    return TRUE;
}

BOOL CWzdPageWelcome::OnQueryCancel() {
    return m_data.Answerer().Ask(LoadResString(IDS_SOLVER_CONFIRM_CANCEL), LoadResString(IDS_ERROR_CAPTION),
                                 MessageButtons::YesNo, MessageIcon::Question) != MessageAnswer::No;
}
