#include "app/wzd_page_recent.h"

#include "app/scheduler_app.h"
#include "app/wizard_page_layout.h"
#include "controls/new_project_wzd.h"
#include "model/time_values.h"
#include "platform/core/file_system.h"
#include "platform/core/load_res_string.h"
#include "platform/core/time64.h"
#include "platform/core/window_styles.h"
#include "platform/ui/file_dialog.h"
#include "platform/ui/message_box.h"
#include "resource_ids.h"

#include <cwchar>
#include <ctime>

namespace {

constexpr UINT kTitleId = 1281, kListId = 1061, kEditId = 1062, kBrowseId = 1063;

CString ListedName(const CString& name) {
    if (name.GetLength() >= 4 && name.Right(4).CompareNoCase(L".xml") == 0) return name.Left(name.GetLength() - 4);
    return name;
}

CString FormatStamp(__time64_t t) {
    struct tm local {};
    if (_localtime64_s(&local, &t) != 0) return CString();
    wchar_t text[64];
    return std::wcsftime(text, std::size(text), L"%H:%M %d/%m/%Y", &local) ? CString(text) : CString();
}

}  // namespace

BEGIN_MESSAGE_MAP(CWzdPageRecent, CWizardPage)
    ON_NOTIFY(LVN_ITEMCHANGED, kListId, &CWzdPageRecent::OnItemChanged)
    ON_NOTIFY(NM_DBLCLK, kListId, &CWzdPageRecent::OnDblClick)
    ON_BN_CLICKED(kBrowseId, &CWzdPageRecent::OnBrowse)
END_MESSAGE_MAP()

CWzdPageRecent::CWzdPageRecent(CWnd* pParentWnd) : CWizardPage(pParentWnd, IDD_WZD_RECENT) {}

CNewProjectWzd* CWzdPageRecent::Host() const { return dynamic_cast<CNewProjectWzd*>(GetOwner()); }

CString CWzdPageRecent::PathText() const {
    CString text;
    m_edit.GetWindowText(text);
    return text;
}

BOOL CWzdPageRecent::OnInitDialog() {
    CWizardPage::OnInitDialog();
    m_list.SubclassDlgItem(kListId, this);
    m_edit.SubclassDlgItem(kEditId, this);
    if (CWnd* title = GetDlgItem(kTitleId)) title->SetFont(&m_titleFont);
    m_list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    CBitmap bitmap;
    if (m_images.Create(16, 16, ILC_COLOR32 | ILC_MASK, 2, 1) && bitmap.LoadBitmap(IDB_RECENT_KINDS))
        m_images.Add(&bitmap, RGB(0, 0, 0));
    m_list.SetImageList(&m_images, LVSIL_SMALL);
    m_list.InsertColumn(0, LoadResString(IDS_RECENT_COLUMN_NAME), LVCFMT_LEFT, 140);

    const CWizardPageLayout layout = CWizardPageLayout::Of(Host());
    const int e = layout.H() - 20, x = layout.X(), listWidth = layout.R() - layout.X();
    MoveControl(this, kTitleId, x, layout.top + 10, listWidth, e / 10);
    const int listTop = layout.top + 10 + e / 10, listHeight = 8 * e / 10;
    m_list.MoveWindow(x, listTop, listWidth, listHeight);
    m_list.InsertColumn(1, LoadResString(IDS_RECENT_COLUMN_CHANGED), LVCFMT_LEFT, listWidth - 165);
    const int y2 = listTop + listHeight + 5, rowHeight = layout.bottom - 10 - y2;
    m_edit.MoveWindow(x, y2, static_cast<int>(0.8 * listWidth), rowHeight);
    const int browseWidth = static_cast<int>(0.15 * listWidth);
    MoveControl(this, kBrowseId, layout.R() - browseWidth, y2, browseWidth, rowHeight);
    layout.PlaceSideAndPage(this);
    return TRUE;
}

void CWzdPageRecent::InsertGroup(const CString& header, int groupId) {
    LVGROUP group{};
    group.cbSize = sizeof(group);
    group.mask = LVGF_HEADER | LVGF_ALIGN | LVGF_GROUPID;
    group.pszHeader = const_cast<LPWSTR>(header.GetString());
    group.cchHeader = header.GetLength();
    group.iGroupId = groupId;
    group.uAlign = LVGA_HEADER_CENTER;
    m_list.InsertGroup(groupId, &group);
}

void CWzdPageRecent::OnSetActive() {
    CNewProjectWzd* host = Host();
    if (!host) return;
    // Reached with Next from the first page without a choice there, this page is the way to an
    // existing plan, and Finish opens what it shows.
    if (host->choice == 0) host->choice = 1;
    if (CWnd* next = host->GetDlgItem(ID_WIZNEXT)) next->EnableWindow(host->choice == 2);
    if (CWnd* finish = host->GetDlgItem(ID_WIZFINISH)) finish->EnableWindow(host->choice != 2);

    CSchedulerApp* app = GetSchedulerApp();
    if (app) app->RefreshRecentDocuments();
    m_list.DeleteAllItems();
    m_list.RemoveAllGroups();
    m_list.EnableGroupView(TRUE);
    for (int i = 1; i <= 4; ++i) InsertGroup(LoadResString(IDS_RECENT_COLUMN_CHANGED + i), i);
    if (!app) return;
    const std::vector<CRecentDocument>& recent = app->GetRecentDocuments();
    for (std::size_t i = 0; i < recent.size(); ++i) {
        const CString text = ListedName(recent[i].m_strName);
        LVITEM item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_GROUPID | LVIF_PARAM;
        item.iItem = m_list.GetItemCount();
        item.pszText = const_cast<LPTSTR>(text.GetString());
        item.iImage = recent[i].m_bTemplate;
        item.iGroupId = ClassifyRecentTime(recent[i].m_tTime);
        item.lParam = static_cast<LPARAM>(i);
        const int row = m_list.InsertItem(&item);
        if (row >= 0) m_list.SetItemText(row, 1, FormatStamp(recent[i].m_tTime));
    }
}

void CWzdPageRecent::OnItemChanged(NMHDR*, LRESULT* pResult) {
    *pResult = 0;
    CSchedulerApp* app = GetSchedulerApp();
    const int row = m_list.GetNextItem(-1, LVNI_SELECTED);
    if (!app || row < 0) return;
    const std::size_t index = static_cast<std::size_t>(m_list.GetItemData(row));
    if (index < app->GetRecentDocuments().size()) m_edit.SetWindowText(app->GetRecentDocuments()[index].m_strPath);
}

void CWzdPageRecent::OnDblClick(NMHDR*, LRESULT* pResult) {
    *pResult = 0;
    CNewProjectWzd* host = Host();
    const CString path = PathText();
    if (!host || path.IsEmpty()) return;
    host->SetFilePath(path);
    if (host->choice == 2)
        host->OnWizardNext();
    else
        host->OnWizardFinish();
}

void CWzdPageRecent::OnBrowse() {
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_FILEMUSTEXIST | OFN_ENABLESIZING, LoadResString(IDS_XML_FILE_FILTER), this);
    if (dialog.DoModal() != IDOK) return;
    m_edit.SetWindowText(dialog.GetPathName());
    if (CSchedulerApp* app = GetSchedulerApp()) app->AddRecentDocument(dialog.GetFileName(), dialog.GetPathName(), false);
}

int CWzdPageRecent::OnWizardBack() {
    if (CNewProjectWzd* host = Host()) host->choice = 0;
    return 0;
}

int CWzdPageRecent::OnWizardNext() {
    const CString path = PathText();
    if (path.IsEmpty()) {
        MessageBox(LoadResString(IDS_WZD_NO_PATH_NEXT), LoadResString(IDS_ERROR_CAPTION), MB_OK | MB_ICONSTOP);
        return -1;
    }
    if (CNewProjectWzd* host = Host()) host->SetFilePath(path);
    return 0;
}

BOOL CWzdPageRecent::OnWizardFinish() {
    CNewProjectWzd* host = Host();
    if (!host || host->choice == 0) return TRUE;
    const CString path = PathText();
    if (path.IsEmpty()) {
        MessageBox(LoadResString(IDS_WZD_NO_PATH_FINISH), LoadResString(IDS_ERROR_CAPTION), MB_OK | MB_ICONSTOP);
        return FALSE;
    }
    host->SetFilePath(path);
    return TRUE;
}
