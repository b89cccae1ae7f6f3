#pragma once
// CSubstituteDlg: edits one replacement of a timetable entry: who stands in (shown only), whom
// the stand-in replaces, whether it is paid, whether it joins the entry instead, the fund, the
// remark and the room it takes. OK writes the replacement, and ties the room in the entry, only
// when the choice can be taken.
//
//   CSubstituteDlg dlg(&replacement, &entry, text, 1, nullptr);
//   entry.GetMissingMembers(data, dlg.m_candidates);
//   if (dlg.DoModal() == IDOK) ...
#include <vector>

#include "dialogs/record_dialog.h"

class CReplacement;
class CTimetableEntry;

class CSubstituteDlg : public CRecordDialog {
public:
    CSubstituteDlg(CReplacement* pReplacement, CTimetableEntry* pEntry, const CString& okText, int showExtending,
                   CWnd* pParentWnd);

    // Writes the rows into the replacement and ties the room; 1 when the choice was taken, 0 when
    // the entry has several rooms and nothing settles which one the stand-in takes.
    int StoreChoice();

    COptionTreeItem* m_pGroup = nullptr;
    COptionTreeItemRadio* m_pReplacing = nullptr;
    COptionTreeItemCheckBox* m_pPaid = nullptr;
    COptionTreeItemCheckBox* m_pExtending = nullptr;
    COptionTreeItemEdit* m_pRemark = nullptr;
    COptionTreeItemComboBox* m_pFund = nullptr;
    COptionTreeItemEdit* m_pEntity = nullptr;
    COptionTreeItemEdit* m_pEntry = nullptr;
    COptionTreeItemComboBox* m_pRoom = nullptr;
    CReplacement* m_record;
    CTimetableEntry* m_entry;
    int m_showExtending;
    // The members the stand-in may replace, in order; filled by the caller before DoModal.
    std::vector<int> m_candidates;
    CString m_okText;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    CString RoomText() const;

    // The entity each option of the replacing row stands for; 0 for nobody.
    std::vector<int> m_optionIds;
};
