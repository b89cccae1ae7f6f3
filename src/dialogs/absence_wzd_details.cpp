#include "dialogs/absence_wzd_details.h"

#include "controls/app_document.h"
#include "controls/option_tree_item_combo_box.h"
#include "controls/option_tree_item_edit.h"
#include "controls/option_tree_item_radio.h"
#include "model/absence.h"
#include "model/schedule_data.h"
#include "platform/core/load_res_string.h"
#include "platform/ui/message_box.h"
#include "resource_ids.h"

namespace {

constexpr DWORD kMultiLine = 0x40000, kLongTextStyle = 0x10C0;

template <class Item>
Item* AddRow(COptionTree& tree, COptionTreeItem* parent, UINT label) {
    auto* item = static_cast<Item*>(tree.InsertItem(parent, new Item));
    item->SetLabel(LoadResString(label));
    item->SetInfoText(LoadResString(label + 1));
    return item;
}

void FillYesNo(COptionTreeItemRadio* item, int flag) {
    if (!item->CreateRadioWindow()) return;
    item->AddOption(FALSE, LoadResString(IDS_DLG_OPTION_NO));
    item->AddOption(FALSE, LoadResString(IDS_DLG_OPTION_YES));
    item->SetCheckedIndex(flag ? 1 : 0);
}

CString TextOf(CWnd* item) {
    CString text;
    if (item && item->GetSafeHwnd()) item->GetWindowText(text);
    return text;
}

}  // namespace

CWzdPageAbsenceDetails::CWzdPageAbsenceDetails(CAbsence* record, CWnd* pParentWnd)
    : CWizardPage(pParentWnd, IDD_WZD_ABSENCE_DETAILS), absence(record) {}

BOOL CWzdPageAbsenceDetails::OnInitDialog() {
    CWizardPage::OnInitDialog();
    CRect client;
    GetClientRect(&client);
    const int w = client.Width(), h = client.Height();
    if (CWnd* side = GetDlgItem(1043)) side->MoveWindow(0, 0, w / 3, h);
    m_tree.Create(WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, CRect(w / 3, 0, w, h), this, kTreeId, 0x19);
    m_tree.SetNotify(TRUE, this);
    m_tree.SetColumnWidth(150);

    COptionTreeItem* group = AddRow<COptionTreeItem>(m_tree, nullptr, IDS_DLG_ABSENCE_GROUP);
    m_pCategory = AddRow<COptionTreeItemComboBox>(m_tree, group, IDS_DLG_ABSENCE_CATEGORY);
    m_pReason = AddRow<COptionTreeItemEdit>(m_tree, group, IDS_DLG_ABSENCE_REASON);
    m_pFund = AddRow<COptionTreeItemComboBox>(m_tree, group, IDS_DLG_ABSENCE_FUND);
    m_pRemark = AddRow<COptionTreeItemEdit>(m_tree, group, IDS_DLG_ABSENCE_REMARK);
    m_pPaid = AddRow<COptionTreeItemRadio>(m_tree, group, IDS_DLG_ABSENCE_PAID);
    m_pApproved = AddRow<COptionTreeItemRadio>(m_tree, group, IDS_DLG_ABSENCE_APPROVED);

    CScheduleData* data = GetAppDocument();
    if (m_pCategory->CreateComboWindow(0)) {
        std::vector<CString> categories;
        if (data) BuildAbsenceCategoryList(categories, data->Settings(), absence->m_strCategory);
        for (const CString& name : categories) m_pCategory->AddString(name);
        // An empty category selects nothing (a prefix search would take the first entry).
        if (absence->m_strCategory.IsEmpty() || m_pCategory->SelectString(-1, absence->m_strCategory) < 0)
            m_pCategory->SetWindowText(absence->m_strCategory);
    }
    if (m_pReason->CreateEditWindow(0, 0)) m_pReason->SetWindowText(absence->m_strReason);
    if (m_pFund->CreateComboWindow(0)) {
        if (data)
            for (const CString& name : data->Settings().GetWordList(WordList::Funders)) m_pFund->AddString(name);
        m_pFund->SetWindowText(absence->m_strFund);
    }
    if (m_pRemark->CreateEditWindow(kLongTextStyle, kMultiLine)) m_pRemark->SetWindowText(absence->m_strRemark);
    FillYesNo(m_pPaid, absence->m_bPaid);
    FillYesNo(m_pApproved, absence->m_bApproved);
    m_tree.ExpandAllItems();
    return TRUE;
}

bool CWzdPageAbsenceDetails::WriteBack() {
    absence->m_strCategory = TextOf(m_pCategory);
    absence->m_strCategory.Trim(L" ");
    absence->m_strReason = TextOf(m_pReason);
    absence->m_strFund = TextOf(m_pFund);
    absence->m_strFund.Trim(L" ");
    absence->m_strRemark = TextOf(m_pRemark);
    absence->m_bPaid = m_pPaid && m_pPaid->GetCheckedIndex() == 1 ? 1 : 0;
    absence->m_bApproved = m_pApproved && m_pApproved->GetCheckedIndex() == 1 ? 1 : 0;
    if (!absence->m_strCategory.IsEmpty()) return true;
    MessageBox(LoadResString(IDS_DLG_ABSENCE_NO_CATEGORY), LoadResString(IDS_ERROR_CAPTION), MB_ICONSTOP);
    return false;
}

int CWzdPageAbsenceDetails::OnWizardNext() { return WriteBack() ? 0 : -1; }

BOOL CWzdPageAbsenceDetails::OnWizardFinish() { return WriteBack() ? TRUE : FALSE; }
