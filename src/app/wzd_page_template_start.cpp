#include "app/wzd_page_template_start.h"

#include "app/wizard_page_layout.h"
#include "controls/new_project_wzd.h"
#include "model/schedule_data.h"
#include "controls/app_document.h"
#include "platform/core/load_res_string.h"
#include "platform/ui/data_exchange.h"
#include "platform/ui/message_box.h"
#include "resource_ids.h"

namespace {

constexpr UINT kTitleId = 1281, kCalendarId = 1065;
constexpr double kHalfSecond = 5.787037037037037e-6;

}  // namespace

CWzdPageTemplateStart::CWzdPageTemplateStart(CWnd* pParentWnd)
    : CWizardPage(pParentWnd, IDD_WZD_TEMPLATE_START), date(COleDateTime::GetCurrentTime()) {}

CNewProjectWzd* CWzdPageTemplateStart::Host() const { return dynamic_cast<CNewProjectWzd*>(GetOwner()); }

void CWzdPageTemplateStart::DoDataExchange(CDataExchange* pDX) {
    CWizardPage::DoDataExchange(pDX);
    DDX_MonthCalCtrl(pDX, kCalendarId, date);
}

BOOL CWzdPageTemplateStart::OnInitDialog() {
    CWizardPage::OnInitDialog();
    if (CWnd* title = GetDlgItem(kTitleId)) title->SetFont(&m_titleFont);
    if (CWnd* calendar = GetDlgItem(kCalendarId)) calendar->SetFont(&m_textFont);
    const CWizardPageLayout layout = CWizardPageLayout::Of(Host());
    const int t = layout.H() / 10, x = layout.X(), width = layout.R() - layout.X();
    MoveControl(this, kTitleId, x, layout.top + 10, width, t);
    MoveControl(this, kCalendarId, x, layout.top + t + 15, width, layout.H() - t - 25);
    layout.PlaceSideAndPage(this);
    return TRUE;
}

BOOL CWzdPageTemplateStart::OnWizardFinish() {
    UpdateData(TRUE);
    date = COleDateTime(date.GetYear(), date.GetMonth(), date.GetDay(), 0, 0, 0);
    CScheduleData* data = GetAppDocument();
    const COleDateTime reference = data ? data->GetFirstWeekdayDate() : COleDateTime(2000, 1, 1, 0, 0, 0);
    const double span = date.m_dt - reference.m_dt;
    const long long n = static_cast<long long>(span + (span >= 0 ? kHalfSecond : -kHalfSecond));
    CNewProjectWzd* host = Host();
    if (n % 7 == 0) {
        if (host) host->startDate = date;
        return TRUE;
    }
    if (host && host->choice == 2) {
        MessageBox(LoadResString(IDS_WZD_NOT_WHOLE_WEEKS), LoadResString(IDS_ERROR_CAPTION), MB_OK | MB_ICONSTOP);
        return FALSE;
    }
    return TRUE;
}
