#include "dialogs/absence_wzd_days.h"

#include <algorithm>

#include "app/wizard_page_layout.h"
#include "controls/app_document.h"
#include "dialogs/absence_wzd_dlg.h"
#include "model/schedule_data.h"
#include "platform/core/load_res_string.h"
#include "platform/ui/common_control_defs.h"
#include "platform/ui/data_exchange.h"
#include "resource_ids.h"

namespace {
constexpr int kListId = 1050, kDayImage = 2;
}

CWzdPageAbsenceDays::CWzdPageAbsenceDays(CWnd* pParentWnd) : CWizardPage(pParentWnd, IDD_WZD_ABSENCE_DAYS) {}

void CWzdPageAbsenceDays::DoDataExchange(CDataExchange* pDX) {
    CWizardPage::DoDataExchange(pDX);
    DDX_Control(pDX, kListId, m_list);
}

BOOL CWzdPageAbsenceDays::OnInitDialog() {
    CWizardPage::OnInitDialog();
    m_images.Create(IDB_PANEL_IMAGES, 16, 23, RGB(255, 0, 255));
    m_list.SetImageList(&m_images, LVSIL_SMALL);
    m_list.SetExtendedStyle(LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    const CWizardPageLayout layout = CWizardPageLayout::Of(GetParent());
    m_list.InsertColumn(0, LoadResString(IDS_WEIGHT_DAYS), LVCFMT_LEFT, layout.R() - layout.X() - 5);
    CAbsenceWzdDlg::LayoutListPage(*this, kListId, 3, 4);
    return TRUE;
}

void CWzdPageAbsenceDays::OnSetActive() {
    m_list.DeleteAllItems();
    const CScheduleData* data = GetAppDocument();
    const int days = data ? std::clamp(data->m_nDays, 0, kMaxDays) : 0;
    for (int i = 0; i < days; ++i) {
        const int row = m_list.InsertItem(i, data->FormatDayTitle(i), kDayImage);
        m_list.SetItemData(row, static_cast<DWORD_PTR>(i));
        m_list.SetCheck(row, FALSE);
    }
}

void CWzdPageAbsenceDays::ReadTicks() {
    const int rows = m_list.GetItemCount();
    for (int i = 0; i < kMaxDays; ++i) dayFlags[static_cast<std::size_t>(i)] = i < rows && m_list.GetCheck(i) ? 1 : 0;
}

int CWzdPageAbsenceDays::OnWizardNext() {
    ReadTicks();
    return 0;
}

BOOL CWzdPageAbsenceDays::OnWizardFinish() {
    ReadTicks();
    return TRUE;
}
