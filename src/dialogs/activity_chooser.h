#pragma once
// CActivityChooser: the activities of a group that could take the hour where the group was
// dropped, sorted by the caller into four lists. The placeable ones (first and fourth list) show
// ticked; OK takes the unticked ones out of those two lists. The others show as plain lines.
//
//   CActivityChooser dlg(&first, &filled, &blocked, &others, nullptr);
//   if (dlg.DoModal() == IDOK) ... place first and others ...
#include <vector>

#include "dialogs/record_dialog.h"

class CActivityChooser : public CRecordDialog {
public:
    CActivityChooser(std::vector<int>* pChosenIds, std::vector<int>* pFilledIds, std::vector<int>* pBlockedIds,
                     std::vector<int>* pOtherIds, CWnd* pParentWnd);

    // Takes the ids of the unticked rows out of the first and the fourth list.
    void RemoveUncheckedIds();

    std::vector<int>* m_chosenIds;
    std::vector<int>* m_filledIds;
    std::vector<int>* m_blockedIds;
    std::vector<int>* m_otherIds;
    // The tick rows of the first and the fourth list, in building order, with their activities.
    std::vector<COptionTreeItemCheckBox*> m_checkItems;
    std::vector<int> m_checkIds;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    void AddActivityRows(const std::vector<int>& ids, COptionTreeItem* parent, bool tick);
};
