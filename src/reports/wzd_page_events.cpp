#include "reports/wzd_page_events.h"

#include "app/scheduler_app.h"
#include "app/wizard_page_layout.h"
#include "model/schedule_data.h"
#include "platform/core/load_res_string.h"
#include "platform/core/window_styles.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/system_metrics.h"
#include "report_builders/report_event.h"
#include "report_builders/report_event_collection.h"
#include "report_builders/report_event_filter.h"
#include "reports/wzd_page_report_days.h"
#include "reports/wzd_page_report_filter.h"
#include "resource_ids.h"

namespace {

constexpr UINT kTitleId = 1281, kFilesId = 1030, kBarId = 1032, kListId = 1092;
constexpr int kGroups = 6;

// The list group and the image of each kind 1 to 6. Busy stand-ins have the group that would
// otherwise stay empty.
constexpr int kGroupOfKind[] = {0, 1, 4, 2, 3, 5, 6};
constexpr int kImageOfKind[] = {0, 9, 9, 5, 5, 8, 8};

}  // namespace

BEGIN_MESSAGE_MAP(CWzdPageEvents, CWizardPage)
    ON_NOTIFY(NM_DBLCLK, kListId, &CWzdPageEvents::OnDblClkEventList)
END_MESSAGE_MAP()

CWzdPageEvents::CWzdPageEvents(const int* choice, CScheduleData& data, std::vector<CReportEvent>* events,
                               std::vector<CString>* paths, CWzdPageReportFilter* filterPage,
                               CWzdPageReportDays* daysPage, CWnd* pParentWnd)
    : CWizardPage(pParentWnd, IDD_WZD_EVENTS),
      m_pChoice(choice),
      m_data(data),
      m_pEvents(events),
      m_pPaths(paths),
      m_pFilterPage(filterPage),
      m_pDaysPage(daysPage) {}

BOOL CWzdPageEvents::OnInitDialog() {
    CWizardPage::OnInitDialog();
    m_list.SubclassDlgItem(kListId, this);
    if (CWnd* title = GetDlgItem(kTitleId)) title->SetFont(&m_titleFont);
    CBitmap bitmap;
    if (m_images.Create(16, 16, ILC_COLOR32 | ILC_MASK, 10, 1) && bitmap.LoadBitmap(IDB_EVENT_KINDS))
        m_images.Add(&bitmap, RGB(255, 0, 255));
    m_list.SetImageList(&m_images, LVSIL_SMALL);
    m_list.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_CHECKBOXES);
    if (!m_files.Create(WS_BORDER | WS_VSCROLL | WS_TABSTOP, CRect(0, 0, 0, 0), this, kFilesId) ||
        !m_bar.Create(CString(), CRect(0, 0, 0, 0), this, kBarId))
        return FALSE;

    const CWizardPageLayout layout = CWizardPageLayout::Of(GetOwner());
    const int x0 = layout.X(), x1 = layout.R(), h2 = layout.H() - 20, y1 = layout.top + 10 + h2 / 10;
    MoveControl(this, kTitleId, x0, layout.top + 10, x1 - x0, h2 / 10);
    const int listWidth = x1 - x0 - 10;
    m_list.MoveWindow(x0, y1, listWidth, static_cast<int>(0.85 * h2));
    m_list.InsertColumn(0, LoadResString(IDS_EVENTS_COLUMN), LVCFMT_LEFT,
                        listWidth - GetSystemMetrics(SM_CXVSCROLL) - 6);
    m_bar.MoveWindow(x0, y1, x1 - x0, 24);
    m_files.MoveWindow(x0, y1 + 24, x1 - x0, static_cast<int>(0.75 * h2));
    layout.PlaceSideAndPage(this);
    return TRUE;
}

CReportFilter CWzdPageEvents::PageFilter() const {
    CReportFilter filter = m_pFilterPage->GetLists();
    filter.filterOn = m_pFilterPage->m_bFilterOn;
    filter.allEntities = m_pFilterPage->m_bAllEntities;
    filter.allCategories = m_pFilterPage->m_bAllCategories;
    filter.allFunds = m_pFilterPage->m_bAllFunds;
    filter.allCompanies = m_pFilterPage->m_bAllCompanies;
    return filter;
}

void CWzdPageEvents::OnSetActive() {
    m_pEvents->clear();
    m_pPaths->clear();
    const bool files = *m_pChoice == 3;
    m_bar.ShowWindow(files ? SW_SHOW : SW_HIDE);
    m_files.ShowWindow(files ? SW_SHOW : SW_HIDE);
    m_list.ShowWindow(files ? SW_HIDE : SW_SHOW);
    SetDlgItemText(kTitleId, LoadResString(files ? IDS_EVENTS_FILES_TITLE : IDS_EVENTS_TITLE));
    if (files) {
        m_files.m_bAddFilesAllowed = 1;
        while (m_files.GetCount() > 0) m_files.DeleteString(0);
        if (CSchedulerApp* app = GetSchedulerApp()) {
            app->RefreshRecentDocuments();
            for (const CRecentDocument& recent : app->GetRecentDocuments()) m_files.AddString(recent.m_strPath);
        }
        return;
    }
    CollectReportEvents(m_data, *m_pEvents);
    FilterReportEvents(m_data, m_pDaysPage->m_dayFlags, PageFilter(), *m_pEvents);
    FillEventList();
}

void CWzdPageEvents::FillEventList() {
    m_list.DeleteAllItems();
    m_list.RemoveAllGroups();
    m_list.EnableGroupView(TRUE);
    for (int group = 1; group <= kGroups; ++group) {
        const CString header = LoadResString(IDS_EVENTS_FILES_TITLE + group);
        LVGROUP info{};
        info.cbSize = sizeof(info);
        info.mask = LVGF_HEADER | LVGF_ALIGN | LVGF_GROUPID;
        info.pszHeader = const_cast<LPWSTR>(header.GetString());
        info.cchHeader = header.GetLength();
        info.iGroupId = group;
        info.uAlign = LVGA_HEADER_CENTER;
        m_list.InsertGroup(group, &info);
    }
    for (std::size_t k = 0; k < m_pEvents->size(); ++k) {
        CReportEvent& event = (*m_pEvents)[k];
        event.sequence = static_cast<int>(k);
        if (event.kind < CReportEvent::kReplacement || event.kind > CReportEvent::kNewlyPlaced) continue;
        if (*m_pChoice == 0 && event.kind >= CReportEvent::kLinked) continue;
        CString text;
        text.Format(IDS_EVENTS_ROW, event.FormatSummary(m_data, false).GetString(),
                    event.start.Format(L"%d/%m/%Y").GetString());
        LVITEM item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_GROUPID | LVIF_PARAM;
        item.iItem = m_list.GetItemCount();
        item.pszText = const_cast<LPTSTR>(text.GetString());
        item.iImage = kImageOfKind[event.kind];
        item.iGroupId = kGroupOfKind[event.kind];
        item.lParam = static_cast<LPARAM>(event.sequence);
        const int row = m_list.InsertItem(&item);
        if (row >= 0) m_list.SetCheck(row, FALSE);
    }
}

BOOL CWzdPageEvents::OnWizardFinish() {
    if (*m_pChoice == 3) {
        m_pPaths->clear();
        for (int line = 0; line < m_files.GetCount(); ++line) {
            CString path;
            m_files.GetText(line, path);
            if (!path.IsEmpty() && m_files.GetItemData(line) != CListBoxEx::kLastItemData) m_pPaths->push_back(path);
        }
        return TRUE;
    }
    std::vector<char> checked(m_pEvents->size(), 0);
    for (int row = 0; row < m_list.GetItemCount(); ++row) {
        const std::size_t sequence = static_cast<std::size_t>(m_list.GetItemData(row));
        if (m_list.GetCheck(row) && sequence < checked.size()) checked[sequence] = 1;
    }
    std::vector<CReportEvent> kept;
    for (std::size_t k = 0; k < m_pEvents->size(); ++k)
        if (checked[k]) kept.push_back(std::move((*m_pEvents)[k]));
    m_pEvents->swap(kept);
    return TRUE;
}

int CWzdPageEvents::KindOfRow(int row) const {
    const std::size_t sequence = static_cast<std::size_t>(m_list.GetItemData(row));
    return sequence < m_pEvents->size() ? (*m_pEvents)[sequence].kind : 0;
}

void CWzdPageEvents::ToggleSelectedKind() {
    const int selected = m_list.GetNextItem(-1, LVNI_SELECTED);
    if (selected < 0) return;
    const int kind = KindOfRow(selected);
    const BOOL check = !m_list.GetCheck(selected);
    for (int row = 0; row < m_list.GetItemCount(); ++row)
        if (KindOfRow(row) == kind) m_list.SetCheck(row, check);
}

void CWzdPageEvents::OnDblClkEventList(NMHDR*, LRESULT* pResult) {
    *pResult = 0;
    ToggleSelectedKind();
}
