#include "dialogs/absence_wzd_summary.h"

#include "app/wizard_page_layout.h"
#include "platform/ui/data_exchange.h"
#include "resource_ids.h"

namespace {
constexpr int kTitleId = 1281, kCancelEntriesId = 1068, kForceAbsenceId = 1069;
}

CWzdPageAbsenceSummery::CWzdPageAbsenceSummery(CWnd* pParentWnd) : CWizardPage(pParentWnd, IDD_WZD_ABSENCE_SUMMARY) {}

void CWzdPageAbsenceSummery::DoDataExchange(CDataExchange* pDX) {
    CWizardPage::DoDataExchange(pDX);
    DDX_Check(pDX, kCancelEntriesId, cancelEntries);
    DDX_Check(pDX, kForceAbsenceId, forceAbsence);
}

BOOL CWzdPageAbsenceSummery::OnInitDialog() {
    CWizardPage::OnInitDialog();
    if (CWnd* title = GetDlgItem(kTitleId)) title->SetFont(&m_titleFont);
    CWizardPageLayout::Of(GetParent()).PlaceSideAndPage(this);
    return TRUE;
}

BOOL CWzdPageAbsenceSummery::OnWizardFinish() {
    UpdateData(TRUE);
    return TRUE;
}
