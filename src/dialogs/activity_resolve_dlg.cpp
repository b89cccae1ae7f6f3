#include "dialogs/activity_resolve_dlg.h"

#include "controls/option_tree_item_radio.h"
#include "model/description_texts.h"
#include "model/entity.h"
#include "model/schedule_data.h"
#include "platform/ui/window_defs.h"
#include "resource_ids.h"

CActivityResolveDlg::CActivityResolveDlg(const std::vector<int>* pCandidates, const CEntity* pEntity,
                                         const CString& cellText, const CString& detailText, CWnd* pParentWnd)
    : CRecordDialog(IDD_ACTIVITY_RESOLVE, pParentWnd),
      m_candidates(pCandidates),
      m_entity(pEntity),
      m_cellText(cellText),
      m_detailText(detailText) {
    m_cellText.Trim(L" \t\r\n");
    m_detailText.Trim(L" :\t\r\n");
    m_keyFilter = KeyFilter::SwallowEscapeEnter;
}

BOOL CActivityResolveDlg::OnInitDialog() {
    CRecordDialog::OnInitDialog();
    if (!CreateTree()) return FALSE;
    SetUpButtons();
    PrepareTree(100);
    CScheduleData& data = Document();
    const int entityId = m_entity ? m_entity->m_nId : 0;
    COptionTreeItem* group = AddGroup(nullptr, Res(IDS_DLG_RESOLVE_GROUP), Res(IDS_DLG_RESOLVE_GROUP_INFO));
    AddStatic(group, Res(IDS_DLG_RESOLVE_ENTITY), Res(IDS_DLG_RESOLVE_ENTITY), m_entity ? m_entity->m_strName : CString());
    AddStatic(group, Res(IDS_DLG_RESOLVE_CELL), Res(IDS_DLG_RESOLVE_CELL_INFO), m_cellText);
    AddStatic(group, Res(IDS_DLG_RESOLVE_DETAIL), Res(IDS_DLG_RESOLVE_DETAIL_INFO), m_detailText);
    std::vector<CString> options;
    for (int id : *m_candidates) {
        const auto activity = data.FindActivity(id);
        if (activity == data.m_arrActivities.end()) continue;
        options.push_back(FormatActivityTitle(data, *activity, entityId));
        m_optionIds.push_back(id);
    }
    m_choiceItem = AddChoice(group, Res(IDS_DLG_RESOLVE_ACTIVITY), Res(IDS_DLG_RESOLVE_ACTIVITY_INFO), options, 0);
    m_tree.ExpandAllItems();
    CentreOnOwner();
    LayoutControls();
    return TRUE;
}

void CActivityResolveDlg::CentreOnOwner() {
    CWnd* owner = GetOwner();
    if (!owner) owner = GetParent();
    if (!owner) return;
    CRect r;
    owner->GetWindowRect(&r);
    SetWindowPos(nullptr, r.left + r.Width() / 2 - 170, r.top + r.Height() / 2 - 95, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
}

void CActivityResolveDlg::OnOK() {
    const int option = CheckedIndexOf(m_choiceItem);
    if (option >= 0 && option < static_cast<int>(m_optionIds.size())) m_result = m_optionIds[option];
    CDialog::OnOK();
}
