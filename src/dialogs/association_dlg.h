#pragma once
// CAssociationDlg: ties staff members to the rooms of an activity. One group row per room, and
// under each one tick row per staff member; OK makes the caller's pairs exactly the ticked rows.
//
//   CAssociationDlg dlg(&rooms, &staff, &activity.m_arrPairs, nullptr);
//   dlg.DoModal();
#include <vector>

#include "dialogs/association_pairs.h"
#include "dialogs/record_dialog.h"
#include "model/room_pair.h"

class CAssociationDlg : public CRecordDialog {
public:
    CAssociationDlg(const std::vector<int>* pRoomIds, const std::vector<int>* pEntityIds,
                    std::vector<CRoomPair>* pPairs, CWnd* pParentWnd);

    struct CheckRow {
        int entity;
        int room;
        COptionTreeItemCheckBox* item;
    };
    std::vector<CheckRow> m_checkRows;
    const std::vector<int>* m_entityIds;
    const std::vector<int>* m_roomIds;
    std::vector<CRoomPair>* m_pairs;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
};
