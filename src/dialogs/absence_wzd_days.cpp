#include "dialogs/absence_wzd_days.h"

#include <algorithm>

#include "app/wizard_page_layout.h"
#include "controls/app_document.h"
#include "model/schedule_data.h"
#include "platform/core/load_res_string.h"
#include "platform/ui/common_control_defs.h"
#include "platform/ui/data_exchange.h"
#include "resource_ids.h"

namespace {
constexpr int kListId = 1050, kTitleId = 1281, kNoteId = 1069, kDayImage = 2;
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
    const int x = layout.X(), r = layout.R(), t = layout.H() / 10;
    m_list.InsertColumn(0, LoadResString(IDS_WEIGHT_DAYS), LVCFMT_LEFT, r - x - 5);
    if (CWnd* title = GetDlgItem(kTitleId)) title->SetFont(&m_titleFont);
    MoveControl(this, kTitleId, x, layout.top + 10, r - x, t);
    const int listTop = layout.top + t + 15, listBottom = listTop + 3 * layout.H() / 4;
    MoveControl(this, kListId, x, listTop, r - x, 3 * layout.H() / 4);
    MoveControl(this, kNoteId, x, listBottom + 5, r - x, layout.bottom - listBottom - 10);
    layout.PlaceSideAndPage(this);
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
