#include "dialogs/swap_chooser_dlg.h"

#include <algorithm>

#include "platform/core/load_res_string.h"
#include "platform/ui/data_exchange.h"
#include "resource_ids.h"

namespace {

constexpr int kSwapGroup = 1, kTimeGroup = 2;
constexpr int kSwapImage = 2, kTimeImage = 5;

}  // namespace

BEGIN_MESSAGE_MAP(CSwapChooserDlg, CHoverButtonDialog)
    ON_NOTIFY(LVN_ITEMCHANGED, kListId, &CSwapChooserDlg::OnItemChanged)
    ON_NOTIFY(NM_DBLCLK, kListId, &CSwapChooserDlg::OnDblClick)
    ON_WM_SIZE()
END_MESSAGE_MAP()

CSwapChooserDlg::CSwapChooserDlg(const std::vector<CSwapRecord>* pSwapTargets,
                                 const std::vector<CFreeTimeRecord>* pFreeTimes, CWnd* pOwner, CWnd* pParentWnd)
    : CHoverButtonDialog(IDD_SWAP_CHOOSER, pParentWnd), m_swapTargets(pSwapTargets), m_freeTimes(pFreeTimes),
      m_owner(pOwner) {}

void CSwapChooserDlg::DoDataExchange(CDataExchange* pDX) {
    CHoverButtonDialog::DoDataExchange(pDX);
    DDX_Control(pDX, kListId, m_list);
}

BOOL CSwapChooserDlg::OnInitDialog() {
    CHoverButtonDialog::OnInitDialog();
    FillList();
    SetUpButtons();
    LayoutControls();
    return TRUE;
}

void CSwapChooserDlg::FillList() {
    m_list.SetExtendedStyle(m_list.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    m_images.Create(16, 16, ILC_COLOR32 | ILC_MASK, 23, 1);
    CBitmap strip;
    if (strip.LoadBitmap(IDB_PANEL_IMAGES)) m_images.Add(&strip, RGB(255, 0, 255));
    m_list.SetImageList(&m_images, LVSIL_SMALL);

    m_list.DeleteAllItems();
    m_list.InsertColumn(0, LoadResString(IDS_DLG_SWAP_COLUMN), LVCFMT_LEFT, 200);
    m_list.RemoveAllGroups();
    m_list.EnableGroupView(TRUE);
    InsertGroup(LoadResString(IDS_DLG_SWAP_GROUP_ENTRIES), kSwapGroup);
    InsertGroup(LoadResString(IDS_DLG_SWAP_GROUP_TIMES), kTimeGroup);

    const auto insert = [this](int row, const CString& text, int image, int group, DWORD_PTR data) {
        LVITEM item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_GROUPID | LVIF_PARAM;
        item.iItem = row;
        item.pszText = const_cast<LPTSTR>(text.GetString());
        item.iImage = image;
        item.iGroupId = group;
        item.lParam = static_cast<LPARAM>(data);
        m_list.InsertItem(&item);
    };
    int row = 0;
    for (const CSwapRecord& record : *m_swapTargets) insert(row++, record.text, kSwapImage, kSwapGroup, record.value);
    m_swapCount = row;
    for (size_t k = 0; k < m_freeTimes->size(); ++k)
        insert(row++, (*m_freeTimes)[k].text, kTimeImage, kTimeGroup, static_cast<DWORD_PTR>(k));
}

void CSwapChooserDlg::InsertGroup(const CString& header, int groupId) {
    LVGROUP group{};
    group.cbSize = sizeof(group);
    group.mask = LVGF_HEADER | LVGF_GROUPID | LVGF_ALIGN;
    CString text = header;
    group.pszHeader = text.GetBuffer();
    group.iGroupId = groupId;
    group.uAlign = LVGA_HEADER_CENTER;
    m_list.InsertGroup(groupId, &group);
    text.ReleaseBuffer();
}

void CSwapChooserDlg::LayoutControls() {
    CRect client;
    GetClientRect(&client);
    if (m_list.m_hWnd) {
        m_list.MoveWindow(client.left, client.top, client.Width(), client.Height() - 50);
        m_list.SetColumnWidth(0, client.Width() - 5);
    }
    PlaceButtons(client);
    Invalidate(TRUE);
}

void CSwapChooserDlg::OnSize(UINT nType, int cx, int cy) {
    CHoverButtonDialog::OnSize(nType, cx, cy);
    LayoutControls();
}

int CSwapChooserDlg::FirstSelectedRow() const { return m_list.m_hWnd ? m_list.GetNextItem(-1, LVNI_SELECTED) : -1; }

void CSwapChooserDlg::Tell(UINT message, WPARAM wParam, LPARAM lParam) const {
    if (m_owner && m_owner->m_hWnd) m_owner->SendNotifyMessage(message, wParam, lParam);
}

void CSwapChooserDlg::OnItemChanged(NMHDR*, LRESULT* pResult) {
    *pResult = 0;
    const int row = FirstSelectedRow();
    if (row < 0) {
        Tell(WM_SWAP_PREVIEW_HIDE);
    } else if (row < m_swapCount) {
        const size_t n = std::min<size_t>(static_cast<size_t>(row), m_swapTargets->size() - 1);
        Tell(WM_SWAP_PREVIEW_TARGET, static_cast<WPARAM>((*m_swapTargets)[n].value), 0);
        Tell(WM_SWAP_PREVIEW_SHOW);
    } else {
        const size_t k = static_cast<size_t>(m_list.GetItemData(row));
        if (k >= m_freeTimes->size()) return;
        Tell(WM_SWAP_PREVIEW_TARGET, reinterpret_cast<WPARAM>(&(*m_freeTimes)[k].start), 1);
        Tell(WM_SWAP_PREVIEW_SHOW);
    }
}

void CSwapChooserDlg::OnDblClick(NMHDR*, LRESULT* pResult) {
    *pResult = 0;
    OnOK();
}

void CSwapChooserDlg::OnOK() {
    const int row = FirstSelectedRow();
    if (row < 0) return;
    if (row < m_swapCount) {
        m_chosenValue = m_list.GetItemData(row);
        Tell(WM_SWAP_PREVIEW_HIDE);
        m_choseSwap = 1;
    } else {
        const size_t k = static_cast<size_t>(m_list.GetItemData(row));
        if (k >= m_freeTimes->size()) return;
        m_choseSwap = 0;
        m_chosenTime = (*m_freeTimes)[k].start;
        Tell(WM_SWAP_PREVIEW_HIDE);
    }
    CDialog::OnOK();
}

void CSwapChooserDlg::OnCancel() {
    Tell(WM_SWAP_PREVIEW_HIDE);
    CDialog::OnCancel();
}
