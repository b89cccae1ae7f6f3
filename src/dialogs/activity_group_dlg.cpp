#include "dialogs/activity_group_dlg.h"

#include "controls/option_tree_item_color.h"
#include "controls/option_tree_item_edit.h"
#include "controls/option_tree_item_image.h"
#include "dialogs/small_record_rows.h"
#include "model/activity_group.h"
#include "resource_ids.h"

BEGIN_MESSAGE_MAP(CActivityGroupDlg, CRecordDialog)
    ON_BN_CLICKED(IDOK, &CActivityGroupDlg::OnBnClickedOk)
END_MESSAGE_MAP()

CActivityGroupDlg::CActivityGroupDlg(CActivityGroup* pGroup, CWnd* pParentWnd)
    : CRecordDialog(IDD_ACTIVITY_GROUP, pParentWnd), m_record(pGroup) {
    m_keyFilter = KeyFilter::SwallowEscapeEnter;
}

BOOL CActivityGroupDlg::OnInitDialog() {
    CRecordDialog::OnInitDialog();
    if (!CreateTree()) return FALSE;
    SetUpButtons();
    PrepareTree(150);
    const CActivityGroup& g = *m_record;
    COptionTreeItem* group = AddGroup(nullptr, Res(IDS_DLG_GROUP_GROUP), Res(IDS_DLG_GROUP_GROUP_INFO));
    m_pName = AddText(group, Res(IDS_DLG_GROUP_NAME), Res(IDS_DLG_GROUP_NAME_INFO), g.m_strName);
    m_pBackground = AddColour(group, Res(IDS_DLG_GROUP_BACKGROUND), Res(IDS_DLG_GROUP_BACKGROUND_INFO), g.m_crBackground);
    m_pForeground = AddColour(group, Res(IDS_DLG_GROUP_FOREGROUND), Res(IDS_DLG_GROUP_FOREGROUND_INFO), g.m_crForeground);
    m_pHatch = AddHatch(group, Res(IDS_DLG_GROUP_HATCH), Res(IDS_DLG_GROUP_HATCH_INFO), g.m_nHatch);
    FinishRows();
    return TRUE;
}

void CActivityGroupDlg::OnBnClickedOk() {
    if (!m_tree.m_hWnd) return EndDialog(IDCANCEL);
    CGroupRowValues rows;
    rows.name = TextOf(m_pName);
    rows.background = m_pBackground->GetColor();
    rows.foreground = m_pForeground->GetColor();
    rows.hatch = m_pHatch->GetSelected();
    AcceptEdit(m_record, [&](CActivityGroup& edited) { return WriteGroupRows(rows, edited); });
}
