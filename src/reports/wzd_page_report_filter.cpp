#include "reports/wzd_page_report_filter.h"

#include <algorithm>

#include "app/wizard_page_layout.h"
#include "model/schedule_data.h"
#include "platform/core/load_res_string.h"
#include "platform/core/window_styles.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/data_exchange.h"
#include "report_builders/report_event_filter.h"
#include "resource_ids.h"

namespace {
constexpr UINT kFilterId = 1028, kTreeId = 1058;
constexpr int kRootImage = 16, kEntityImage = 6, kCategoryImage = 15, kFundImage = 17, kCompanyImage = 15;

bool IsBlank(const CString& text) {
    CString trimmed = text;
    trimmed.Trim(L" ");
    return trimmed.IsEmpty();
}
}  // namespace

BEGIN_MESSAGE_MAP(CWzdPageReportFilter, CWizardPage)
    ON_BN_CLICKED(kFilterId, &CWzdPageReportFilter::OnFilterClicked)
    ON_NOTIFY(NM_DBLCLK, kTreeId, &CWzdPageReportFilter::OnDblClkTree)
END_MESSAGE_MAP()

CWzdPageReportFilter::CWzdPageReportFilter(const int* choice, CScheduleData& data, CReportFilter& lists,
                                           CWnd* pParentWnd)
    : CWizardPage(pParentWnd, IDD_WZD_REPORT_FILTER), m_pChoice(choice), m_data(data), m_lists(lists) {}

void CWzdPageReportFilter::DoDataExchange(CDataExchange* pDX) {
    CWizardPage::DoDataExchange(pDX);
    DDX_Check(pDX, kFilterId, m_bFilterOn);
}

BOOL CWzdPageReportFilter::OnInitDialog() {
    CWizardPage::OnInitDialog();
    m_tree.SubclassDlgItem(kTreeId, this);
    if (CWnd* box = GetDlgItem(kFilterId)) box->SetFont(&m_titleFont);
    CBitmap bitmap;
    if (m_images.Create(16, 16, ILC_COLOR32 | ILC_MASK, 9, 23) && bitmap.LoadBitmap(IDB_PANEL_IMAGES))
        m_images.Add(&bitmap, RGB(255, 0, 255));
    m_tree.SetImageList(&m_images, TVSIL_NORMAL);
    m_tree.EnableWindow(m_bFilterOn);
    UpdateData(FALSE);

    const CWizardPageLayout layout = CWizardPageLayout::Of(GetOwner());
    const int x0 = layout.X(), x1 = layout.R(), h = layout.H(), tenth = h / 10;
    MoveControl(this, kFilterId, x0, layout.top + 10, x1 - x0, tenth);
    m_tree.MoveWindow(x0, layout.top + tenth + 15, x1 - x0, h - tenth - 20);
    layout.PlaceSideAndPage(this);
    return TRUE;
}

void CWzdPageReportFilter::AddGroup(Group group, UINT title, const std::vector<CString>& names, int image) {
    m_roots[group] = m_tree.InsertItem(LoadResString(title), kRootImage, kRootImage);
    std::vector<CString> sorted = names;
    std::sort(sorted.begin(), sorted.end(), [](const CString& a, const CString& b) { return a.Compare(b) < 0; });
    for (const CString& name : sorted)
        if (!IsBlank(name)) m_tree.InsertItem(name, image, image, m_roots[group]);
}

void CWzdPageReportFilter::OnSetActive() {
    m_tree.DeleteAllItems();
    std::fill(std::begin(m_roots), std::end(m_roots), nullptr);

    const bool balance = *m_pChoice == 3;
    m_roots[kEntities] =
        m_tree.InsertItem(LoadResString(balance ? IDS_GROUP_STAFF : IDS_GROUP_CLASSES), kRootImage, kRootImage);
    m_lists.entityIds.clear();
    for (const CEntity& entity : m_data.m_arrEntities) {
        const bool listed = balance ? entity.m_nType == 1 || entity.m_nType == 2 : entity.m_nType == 0;
        if (!listed) continue;
        HTREEITEM item = m_tree.InsertItem(entity.m_strName, kEntityImage, kEntityImage, m_roots[kEntities]);
        m_tree.SetItemData(item, static_cast<DWORD_PTR>(entity.m_nId));
        m_lists.entityIds.push_back(entity.m_nId);
    }
    std::vector<CString> names;
    m_data.CollectAbsenceCategories(names);
    AddGroup(kCategories, IDS_FILTER_GROUP_CATEGORIES, names, kCategoryImage);
    names.clear();
    m_data.CollectFunds(names);
    // Records without a fund give blank names, which get no row: no fund at all, no group.
    std::erase_if(names, IsBlank);
    if (!names.empty()) AddGroup(kFunds, IDS_FILTER_GROUP_FUNDS, names, kFundImage);
    if (balance) {
        names.clear();
        m_data.CollectCompanies(names);
        AddGroup(kCompanies, IDS_FILTER_GROUP_COMPANIES, names, kCompanyImage);
    }
    for (HTREEITEM root = m_tree.GetRootItem(); root; root = m_tree.GetNextSiblingItem(root)) {
        m_tree.SetCheck(root, TRUE);
        for (HTREEITEM child = m_tree.GetChildItem(root); child; child = m_tree.GetNextSiblingItem(child))
            m_tree.SetCheck(child, TRUE);
        m_tree.Expand(root, TVE_EXPAND);
    }
}

int CWzdPageReportFilter::OnWizardNext() {
    UpdateData(TRUE);
    m_lists.entityIds.clear();
    m_lists.categories.clear();
    m_lists.funds.clear();
    m_lists.companies.clear();
    int* all[kGroupCount] = {&m_bAllEntities, &m_bAllCategories, &m_bAllFunds, &m_bAllCompanies};
    std::vector<CString>* texts[kGroupCount] = {nullptr, &m_lists.categories, &m_lists.funds, &m_lists.companies};
    for (int group = 0; group < kGroupCount; ++group) {
        *all[group] = 1;
        if (!m_roots[group]) continue;
        for (HTREEITEM child = m_tree.GetChildItem(m_roots[group]); child; child = m_tree.GetNextSiblingItem(child)) {
            if (!m_tree.GetCheck(child)) {
                *all[group] = 0;
            } else if (group == kEntities) {
                m_lists.entityIds.push_back(static_cast<int>(m_tree.GetItemData(child)));
            } else {
                texts[group]->push_back(m_tree.GetItemText(child));
            }
        }
    }
    return 0;
}

void CWzdPageReportFilter::OnFilterClicked() {
    UpdateData(TRUE);
    m_tree.EnableWindow(m_bFilterOn);
}

void CWzdPageReportFilter::ToggleSelectedGroup() {
    HTREEITEM selected = m_tree.GetSelectedItem();
    HTREEITEM parent = selected ? m_tree.GetParentItem(selected) : nullptr;
    if (!parent) return;
    const BOOL check = !m_tree.GetCheck(selected);
    for (HTREEITEM child = m_tree.GetChildItem(parent); child; child = m_tree.GetNextSiblingItem(child))
        m_tree.SetCheck(child, check);
}

void CWzdPageReportFilter::OnDblClkTree(NMHDR*, LRESULT* pResult) {
    *pResult = 0;
    ToggleSelectedGroup();
}
