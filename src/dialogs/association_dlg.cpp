#include "dialogs/association_dlg.h"

#include <algorithm>

#include "controls/option_tree_item_check_box.h"
#include "model/schedule_data.h"
#include "resource_ids.h"

CAssociationDlg::CAssociationDlg(const std::vector<int>* pRoomIds, const std::vector<int>* pEntityIds,
                                 std::vector<CRoomPair>* pPairs, CWnd* pParentWnd)
    : CRecordDialog(IDD_ASSOCIATION, pParentWnd), m_entityIds(pEntityIds), m_roomIds(pRoomIds), m_pairs(pPairs) {}

BOOL CAssociationDlg::OnInitDialog() {
    CRecordDialog::OnInitDialog();
    if (!CreateTree()) return FALSE;
    SetUpButtons();
    PrepareTree(150);
    CScheduleData& data = Document();
    for (int roomId : *m_roomIds) {
        const auto room = data.FindEntity(roomId);
        if (room == data.m_arrEntities.end()) continue;
        COptionTreeItem* group = AddGroup(nullptr, room->m_strName, CString());
        for (int entityId : *m_entityIds) {
            const auto entity = data.FindEntity(entityId);
            if (entity == data.m_arrEntities.end() || (entity->m_nType != 1 && entity->m_nType != 2)) continue;
            const bool paired =
                std::find(m_pairs->begin(), m_pairs->end(), CRoomPair{roomId, entityId}) != m_pairs->end();
            COptionTreeItemCheckBox* row = AddCheck(group, entity->m_strName, entity->m_strJob, paired);
            m_checkRows.push_back({entityId, roomId, row});
        }
    }
    FinishRows();
    return TRUE;
}

void CAssociationDlg::OnOK() {
    if (!m_tree.m_hWnd) return EndDialog(IDCANCEL);
    std::vector<CAssociationCheck> rows;
    for (const CheckRow& row : m_checkRows) rows.push_back({row.entity, row.room, IsTicked(row.item) != FALSE});
    RebuildPairs(rows, *m_pairs);
    CDialog::OnOK();
}
