#include "dialogs/substitute_dlg.h"

#include <algorithm>

#include "controls/option_tree_item_check_box.h"
#include "controls/option_tree_item_combo_box.h"
#include "controls/option_tree_item_edit.h"
#include "controls/option_tree_item_radio.h"
#include "dialogs/substitute_choice.h"
#include "model/schedule_data.h"
#include "model/timetable_entry.h"
#include "resource_ids.h"

CSubstituteDlg::CSubstituteDlg(CReplacement* pReplacement, CTimetableEntry* pEntry, const CString& okText,
                               int showExtending, CWnd* pParentWnd)
    : CRecordDialog(IDD_SUBSTITUTE, pParentWnd),
      m_record(pReplacement),
      m_entry(pEntry),
      m_showExtending(showExtending),
      m_okText(okText) {}

BOOL CSubstituteDlg::OnInitDialog() {
    CRecordDialog::OnInitDialog();
    SetUpButtons();
    if (!CreateTree()) return FALSE;
    PrepareTree(130);
    CScheduleData& data = Document();
    const CReplacement& r = *m_record;

    m_pGroup = AddGroup(nullptr, Res(IDS_DLG_SUBSTITUTE_GROUP), Res(IDS_DLG_SUBSTITUTE_GROUP_INFO));
    const auto standIn = data.FindEntity(r.m_nEntity);
    m_pEntity = AddText(m_pGroup, Res(IDS_DLG_SUBSTITUTE_ENTITY), Res(IDS_DLG_SUBSTITUTE_ENTITY_INFO),
                        standIn != data.m_arrEntities.end() ? standIn->m_strName : CString());
    m_pEntity->m_bReadOnly = TRUE;
    m_pEntry = AddText(m_pGroup, Res(IDS_DLG_SUBSTITUTE_ENTRY), Res(IDS_DLG_SUBSTITUTE_ENTRY_INFO),
                       m_entry->FormatTitle(data, data.Settings().GetTimeAxisMode(), m_entry->GetChimeSetId(data)));
    m_pEntry->m_bReadOnly = TRUE;

    std::vector<CString> options{Res(IDS_DLG_SUBSTITUTE_NOBODY)};
    m_optionIds = {0};
    int checked = 0;
    for (int id : m_candidates) {
        const auto member = data.FindEntity(id);
        if (member == data.m_arrEntities.end()) continue;
        if (id == r.m_nReplacing) checked = static_cast<int>(options.size());
        options.push_back(member->m_strName);
        m_optionIds.push_back(id);
    }
    m_pReplacing = AddChoice(m_pGroup, Res(IDS_DLG_SUBSTITUTE_REPLACING), Res(IDS_DLG_SUBSTITUTE_REPLACING_INFO),
                             options, checked);

    std::vector<int> roomIds;
    m_entry->GetRoomsByAssociation(data, roomIds);
    std::vector<CString> rooms;
    for (int id : roomIds) {
        const auto room = data.FindEntity(id);
        if (room != data.m_arrEntities.end()) rooms.push_back(room->m_strName);
    }
    m_pRoom = AddListText(m_pGroup, Res(IDS_DLG_SUBSTITUTE_ROOM), Res(IDS_DLG_SUBSTITUTE_ROOM_INFO), rooms, RoomText(),
                          false);
    m_pPaid = AddCheck(m_pGroup, Res(IDS_DLG_SUBSTITUTE_PAID), Res(IDS_DLG_SUBSTITUTE_PAID_INFO), r.m_bPaid);
    if (m_showExtending)
        m_pExtending =
            AddCheck(m_pGroup, Res(IDS_DLG_SUBSTITUTE_EXTENDING), Res(IDS_DLG_SUBSTITUTE_EXTENDING_INFO), r.m_bExtending);
    m_pFund = AddListText(m_pGroup, Res(IDS_DLG_SUBSTITUTE_FUND), Res(IDS_DLG_SUBSTITUTE_FUND_INFO),
                          data.Settings().GetWordList(WordList::Funders), r.m_strFund, false);
    m_pRemark = AddLongText(m_pGroup, Res(IDS_DLG_SUBSTITUTE_REMARK), Res(IDS_DLG_SUBSTITUTE_REMARK_INFO), r.m_strRemark);
    m_tree.ExpandAllItems();
    m_tree.Invalidate();
    m_tree.UpdateWindow();
    m_btnOk.SetWindowText(m_okText);
    LayoutControls();
    return TRUE;
}

// The room the stand-in has when the entry settles it: the entry's only room, or, with several,
// the rooms paired with the stand-in.
CString CSubstituteDlg::RoomText() const {
    CScheduleData& data = Document();
    const int entity = m_record->m_nEntity;
    const int rooms = m_entry->CountRooms(data);
    bool settled = rooms == 1;
    if (rooms > 1)
        if (const std::vector<CRoomPair>* pairs = m_entry->GetAssociationPairs(data))
            settled = std::any_of(pairs->begin(), pairs->end(), [&](const CRoomPair& p) { return p.m_nEntity == entity; });
    if (!settled) return CString();
    CString text = m_entry->FormatRoomsText(data, entity);
    text.Trim(L" ,");
    return text;
}

int CSubstituteDlg::StoreChoice() {
    CSubstituteRowValues rows;
    rows.checkedOption = CheckedIndexOf(m_pReplacing);
    rows.paid = IsTicked(m_pPaid);
    if (m_showExtending) rows.extending = IsTicked(m_pExtending);
    rows.remark = TextOf(m_pRemark);
    rows.fund = TextOf(m_pFund);
    rows.room = TextOf(m_pRoom);
    CScheduleData& data = Document();
    CReplacement edited = *m_record;
    int room = 0;
    if (!StoreSubstituteChoice(data, rows, m_optionIds, *m_entry, edited, room)) return 0;
    *m_record = edited;
    if (room) m_entry->AssociateRoom(data, room, m_record->m_nEntity);
    return 1;
}

void CSubstituteDlg::OnOK() {
    if (!m_tree.m_hWnd) return EndDialog(IDCANCEL);
    if (!StoreChoice()) {
        ShowRefusal(IDS_DLG_SUBSTITUTE_NO_ROOM);
        return;
    }
    CDialog::OnOK();
}
