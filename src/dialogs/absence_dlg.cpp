#include "dialogs/absence_dlg.h"

#include "controls/option_tree_item_combo_box.h"
#include "controls/option_tree_item_edit.h"
#include "controls/option_tree_item_radio.h"
#include "dialogs/small_record_rows.h"
#include "model/absence.h"
#include "model/schedule_data.h"
#include "resource_ids.h"

BEGIN_MESSAGE_MAP(CAbsenceDlg, CRecordDialog)
    ON_BN_CLICKED(IDOK, &CAbsenceDlg::OnBnClickedOk)
END_MESSAGE_MAP()

CAbsenceDlg::CAbsenceDlg(const CString& text, CAbsence* pAbsence, CWnd* pParentWnd)
    : CRecordDialog(IDD_ACTIVITY_GROUP, pParentWnd), m_okText(text), m_record(pAbsence) {
    m_keyFilter = KeyFilter::SwallowEscapeEnter;
}

BOOL CAbsenceDlg::OnInitDialog() {
    CRecordDialog::OnInitDialog();
    if (!CreateTree()) return FALSE;
    SetWindowText(Res(IDS_DLG_ABSENCE_CAPTION));
    SetUpButtons();
    PrepareTree(150);
    CScheduleData& data = Document();
    const CAbsence& a = *m_record;

    COptionTreeItem* group = AddGroup(nullptr, Res(IDS_DLG_ABSENCE_GROUP), Res(IDS_DLG_ABSENCE_GROUP_INFO));
    std::vector<CString> categories;
    BuildAbsenceCategoryList(categories, data.Settings(), a.m_strCategory);
    m_pCategory = AddListText(group, Res(IDS_DLG_ABSENCE_CATEGORY), Res(IDS_DLG_ABSENCE_CATEGORY_INFO), categories,
                              a.m_strCategory);
    m_pReason = AddText(group, Res(IDS_DLG_ABSENCE_REASON), Res(IDS_DLG_ABSENCE_REASON_INFO), a.m_strReason);
    m_pFund = AddListText(group, Res(IDS_DLG_ABSENCE_FUND), Res(IDS_DLG_ABSENCE_FUND_INFO),
                          data.Settings().GetWordList(WordList::Funders), a.m_strFund, false);
    m_pRemark = AddLongText(group, Res(IDS_DLG_ABSENCE_REMARK), Res(IDS_DLG_ABSENCE_REMARK_INFO), a.m_strRemark);
    m_pPaid = AddYesNo(group, Res(IDS_DLG_ABSENCE_PAID), Res(IDS_DLG_ABSENCE_PAID_INFO), IDS_DLG_OPTION_NO,
                       IDS_DLG_OPTION_YES, a.m_bPaid);
    m_pApproved = AddYesNo(group, Res(IDS_DLG_ABSENCE_APPROVED), Res(IDS_DLG_ABSENCE_APPROVED_INFO), IDS_DLG_OPTION_NO,
                           IDS_DLG_OPTION_YES, a.m_bApproved);
    FinishRows();
    return TRUE;
}

void CAbsenceDlg::OnBnClickedOk() {
    if (!m_tree.m_hWnd) return EndDialog(IDCANCEL);
    CAbsenceRowValues rows;
    rows.category = TextOf(m_pCategory);
    rows.reason = TextOf(m_pReason);
    rows.remark = TextOf(m_pRemark);
    rows.fund = TextOf(m_pFund);
    rows.approved = CheckedIndexOf(m_pApproved);
    rows.paid = CheckedIndexOf(m_pPaid);
    AcceptEdit(m_record, [&](CAbsence& edited) { return WriteAbsenceRows(rows, edited); });
}
