#include "reports/wzd_page_report_days.h"

#include "app/wizard_page_layout.h"
#include "model/entity.h"
#include "model/schedule_data.h"
#include "platform/core/load_res_string.h"
#include "platform/core/window_styles.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/data_exchange.h"
#include "resource_ids.h"

namespace {
constexpr UINT kTitleId = 1281, kListId = 1050, kFromId = 1052, kToId = 1053, kFromLabelId = 1054,
               kToLabelId = 1055;
constexpr int kDayImage = 2;
}  // namespace

BEGIN_MESSAGE_MAP(CWzdPageReportDays, CWizardPage)
    ON_NOTIFY(NM_DBLCLK, kListId, &CWzdPageReportDays::OnDblClkList)
END_MESSAGE_MAP()

CWzdPageReportDays::CWzdPageReportDays(const int* choice, CScheduleData& data, CWnd* pParentWnd)
    : CWizardPage(pParentWnd, IDD_WZD_REPORT_DAYS),
      m_dayFlags(kMaxPlanDays, 0),
      m_dtFrom(COleDateTime::GetCurrentTime()),
      m_dtTo(COleDateTime::GetCurrentTime()),
      m_pChoice(choice),
      m_data(data) {}

void CWzdPageReportDays::DoDataExchange(CDataExchange* pDX) {
    CWizardPage::DoDataExchange(pDX);
    if (!m_from.GetSafeHwnd() || !m_to.GetSafeHwnd()) return;  // the base exchanges before the pickers are bound
    if (pDX->m_bSaveAndValidate) {
        m_from.GetTime(m_dtFrom);
        m_to.GetTime(m_dtTo);
    } else {
        m_from.SetTime(m_dtFrom);
        m_to.SetTime(m_dtTo);
    }
}

BOOL CWzdPageReportDays::OnInitDialog() {
    CWizardPage::OnInitDialog();
    m_list.SubclassDlgItem(kListId, this);
    m_from.SubclassDlgItem(kFromId, this);
    m_to.SubclassDlgItem(kToId, this);
    if (CWnd* title = GetDlgItem(kTitleId)) title->SetFont(&m_titleFont);
    CBitmap bitmap;
    if (m_images.Create(16, 16, ILC_COLOR32 | ILC_MASK, 6, 23) && bitmap.LoadBitmap(IDB_PANEL_IMAGES))
        m_images.Add(&bitmap, RGB(255, 0, 255));
    m_list.SetImageList(&m_images, LVSIL_SMALL);
    m_list.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_CHECKBOXES);

    const CWizardPageLayout layout = CWizardPageLayout::Of(GetOwner());
    const int x0 = layout.X(), x1 = layout.R(), h = layout.H(), tenth = h / 10;
    MoveControl(this, kTitleId, x0, layout.top + 10, x1 - x0, tenth);
    m_list.MoveWindow(x0, layout.top + tenth + 15, x1 - x0, h - tenth - 20);
    m_list.InsertColumn(0, LoadResString(IDS_REPORT_DAYS_COLUMN), LVCFMT_LEFT, x1 - x0 - 5);
    UpdateData(FALSE);
    layout.PlaceSideAndPage(this);
    return TRUE;
}

void CWzdPageReportDays::OnSetActive() {
    const bool window = *m_pChoice == 3;
    m_list.ShowWindow(window ? SW_HIDE : SW_SHOW);
    for (UINT id : {kFromLabelId, kToLabelId, kFromId, kToId})
        if (CWnd* control = GetDlgItem(id)) control->ShowWindow(window ? SW_SHOW : SW_HIDE);
    if (window) return;
    m_list.DeleteAllItems();
    const int today = m_data.GetDayIndex(COleDateTime::GetCurrentTime());
    for (int day = 0; day < m_data.m_nDays && day < kMaxPlanDays; ++day) {
        const int row = m_list.InsertItem(day, m_data.FormatDayTitle(day), kDayImage);
        m_list.SetItemData(row, static_cast<DWORD_PTR>(day));
        m_list.SetCheck(row, day == today);
    }
}

int CWzdPageReportDays::OnWizardNext() {
    UpdateData(TRUE);
    if (*m_pChoice != 3)
        for (int day = 0; day < m_data.m_nDays && day < kMaxPlanDays; ++day)
            m_dayFlags[static_cast<std::size_t>(day)] = day < m_list.GetItemCount() && m_list.GetCheck(day) ? 1 : 0;
    return 0;
}

void CWzdPageReportDays::ToggleAllDays() {
    bool anyChecked = false;
    for (int row = 0; row < m_list.GetItemCount(); ++row) anyChecked = anyChecked || m_list.GetCheck(row);
    for (int row = 0; row < m_list.GetItemCount(); ++row) m_list.SetCheck(row, !anyChecked);
}

void CWzdPageReportDays::OnDblClkList(NMHDR*, LRESULT* pResult) {
    *pResult = 0;
    ToggleAllDays();
}
