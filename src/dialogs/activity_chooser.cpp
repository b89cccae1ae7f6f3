#include "dialogs/activity_chooser.h"

#include "controls/option_tree_item_check_box.h"
#include "dialogs/activity_chooser_lists.h"
#include "model/description_texts.h"
#include "model/schedule_data.h"
#include "resource_ids.h"

CActivityChooser::CActivityChooser(std::vector<int>* pChosenIds, std::vector<int>* pFilledIds,
                                   std::vector<int>* pBlockedIds, std::vector<int>* pOtherIds, CWnd* pParentWnd)
    : CRecordDialog(IDD_ACTIVITY_CHOOSER, pParentWnd),
      m_chosenIds(pChosenIds),
      m_filledIds(pFilledIds),
      m_blockedIds(pBlockedIds),
      m_otherIds(pOtherIds) {}

BOOL CActivityChooser::OnInitDialog() {
    CRecordDialog::OnInitDialog();
    if (!CreateTree()) return FALSE;
    SetUpButtons();
    CRect client;
    GetClientRect(&client);
    PrepareTree(client.Width() - 30);

    COptionTreeItem *placeable = nullptr, *withEntity = nullptr, *others = nullptr;
    COptionTreeItem *notPlaceable = nullptr, *blocked = nullptr, *filled = nullptr;
    if (!m_chosenIds->empty() || !m_otherIds->empty())
        placeable = AddGroup(nullptr, Res(IDS_DLG_CHOOSER_PLACEABLE), Res(IDS_DLG_CHOOSER_PLACEABLE_INFO));
    if (!m_chosenIds->empty())
        withEntity = AddGroup(placeable, Res(IDS_DLG_CHOOSER_WITH_ENTITY), Res(IDS_DLG_CHOOSER_WITH_ENTITY_INFO));
    if (!m_otherIds->empty())
        others = AddGroup(placeable, Res(IDS_DLG_CHOOSER_OTHERS), Res(IDS_DLG_CHOOSER_OTHERS_INFO));
    if (!m_filledIds->empty() || !m_blockedIds->empty())
        notPlaceable = AddGroup(nullptr, Res(IDS_DLG_CHOOSER_NOT_PLACEABLE), Res(IDS_DLG_CHOOSER_NOT_PLACEABLE_INFO));
    if (!m_blockedIds->empty())
        blocked = AddGroup(notPlaceable, Res(IDS_DLG_CHOOSER_BLOCKED), Res(IDS_DLG_CHOOSER_BLOCKED_INFO));
    if (!m_filledIds->empty())
        filled = AddGroup(notPlaceable, Res(IDS_DLG_CHOOSER_FILLED), Res(IDS_DLG_CHOOSER_FILLED_INFO));

    AddActivityRows(*m_chosenIds, withEntity, true);
    AddActivityRows(*m_otherIds, others, true);
    AddActivityRows(*m_blockedIds, blocked, false);
    AddActivityRows(*m_filledIds, filled, false);
    FinishRows();
    return TRUE;
}

void CActivityChooser::AddActivityRows(const std::vector<int>& ids, COptionTreeItem* parent, bool tick) {
    CScheduleData& data = Document();
    for (int id : ids) {
        const auto activity = data.FindActivity(id);
        if (activity == data.m_arrActivities.end()) continue;
        const CString text = FormatActivityMembersLine(data, *activity, data.m_nCurrentEntity);
        if (!tick) {
            AddStatic(parent, text, text);
            continue;
        }
        m_checkItems.push_back(AddCheck(parent, text, text, TRUE));
        m_checkIds.push_back(id);
    }
}

void CActivityChooser::RemoveUncheckedIds() {
    std::vector<CChooserCheck> rows;
    for (size_t i = 0; i < m_checkItems.size(); ++i) rows.push_back({m_checkIds[i], IsTicked(m_checkItems[i]) != FALSE});
    ::RemoveUncheckedIds(Document(), rows, *m_chosenIds, *m_otherIds);
}

void CActivityChooser::OnOK() {
    RemoveUncheckedIds();
    CDialog::OnOK();
}
