#pragma once
// CActivityResolveDlg: asks which activity an imported timetable cell means when its text fits
// several. It shows the staff member, the two parts of the cell and one option per candidate;
// OK gives the chosen candidate's activity id. Escape and Enter do nothing.
//
//   CActivityResolveDlg dlg(&candidateActivities, &entity, before, after, nullptr);
//   dlg.DoModal();  // dlg.m_result: 0 unless OK
#include <vector>

#include "dialogs/record_dialog.h"

class CEntity;

class CActivityResolveDlg : public CRecordDialog {
public:
    // candidates: the activity id of every candidate, in the caller's order.
    CActivityResolveDlg(const std::vector<int>* pCandidates, const CEntity* pEntity, const CString& cellText,
                        const CString& detailText, CWnd* pParentWnd);

    const std::vector<int>* m_candidates;
    const CEntity* m_entity;
    CString m_cellText;
    CString m_detailText;
    COptionTreeItemRadio* m_choiceItem = nullptr;
    int m_result = 0;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    void CentreOnOwner();

    // The activity each option stands for.
    std::vector<int> m_optionIds;
};
