#include "reports/wzd_page_select_report.h"

#include "app/wizard_page_layout.h"
#include "model/schedule_data.h"
#include "platform/core/load_res_string.h"
#include "platform/ui/data_exchange.h"
#include "resource_ids.h"

namespace {
constexpr UINT kTitleId = 1281, kFirstChoiceId = 1048;
}

CWzdPageSelectReport::CWzdPageSelectReport(const CScheduleData& data, CWnd* pParentWnd)
    : CWizardPage(pParentWnd, IDD_WZD_SELECT_REPORT), m_data(data) {}

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
    if (m_nChoice == 2 && m_feedPath.IsEmpty()) {
        m_data.Answerer().Ask(LoadResString(IDS_FEED_NO_PATH), LoadResString(IDS_ERROR_CAPTION), MessageButtons::Ok,
                              MessageIcon::Stop);
        return -1;
    }
    return 0;
}
