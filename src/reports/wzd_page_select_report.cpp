#include "reports/wzd_page_select_report.h"

#include "app/wizard_page_layout.h"
#include "platform/ui/data_exchange.h"
#include "resource_ids.h"

namespace {
constexpr UINT kTitleId = 1281, kFirstChoiceId = 1048;
}

CWzdPageSelectReport::CWzdPageSelectReport(CWnd* pParentWnd) : CWizardPage(pParentWnd, IDD_WZD_SELECT_REPORT) {}

void CWzdPageSelectReport::DoDataExchange(CDataExchange* pDX) {
    CWizardPage::DoDataExchange(pDX);
    DDX_Radio(pDX, kFirstChoiceId, m_nChoice);
}

BOOL CWzdPageSelectReport::OnInitDialog() {
    CWizardPage::OnInitDialog();
    if (CWnd* title = GetDlgItem(kTitleId)) title->SetFont(&m_titleFont);
    UpdateData(FALSE);
    CWizardPageLayout::Of(GetOwner()).PlaceSideAndPage(this);
    return TRUE;
}

int CWzdPageSelectReport::OnWizardNext() {
    UpdateData(TRUE);
    return 0;
}
