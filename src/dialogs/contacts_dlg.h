#pragma once
// CContactsDlg: edits one entity, with rows that depend on its type. In single mode it edits the
// entity itself; in multiple mode the entity is a template whose filled-in rows the contacts page
// hands on to several entities. OK writes the entity only when every check passes.
//
//   CEntity copy = stored;
//   CContactsDlg dlg(&copy, nullptr);
//   if (dlg.DoModal() == IDOK) data.ApplyEntityEdit(copy, stored);
#include <vector>

#include "dialogs/record_dialog.h"

class CEntity;

class CContactsDlg : public CRecordDialog {
public:
    static constexpr UINT kTreeId = 1252;

    CContactsDlg(CEntity* pEntity, CWnd* pParentWnd);

    // Results of multiple mode: the staff type for the entities (1, 2, or 0 to keep each one's),
    // whether they take the default colours, whether they take the template's day times.
    int m_newStaffType = 0;
    int m_resetColours = 0;
    int m_multiple = 0;
    int m_scheduleChoice = 0;
    // A caller's text for the OK button; the button shows the dialog's own text.
    CString m_okText;

    // The rows OK reads; null when the type and the mode do not show them.
    COptionTreeItemEdit* m_pName = nullptr;
    COptionTreeItemRadio* m_pStaffType = nullptr;
    COptionTreeItemEdit* m_pCompany = nullptr;
    COptionTreeItemEdit* m_pFirstCompany = nullptr;  // an assistant's other company row
    COptionTreeItemCheckBox* m_pUnavailable = nullptr;
    COptionTreeItemEdit* m_pJob = nullptr;
    COptionTreeItemEdit* m_pAddress = nullptr;
    COptionTreeItemEdit* m_pDepartment = nullptr;
    COptionTreeItemEdit* m_pCode = nullptr;
    COptionTreeItemEdit* m_pPhone = nullptr;
    COptionTreeItemEdit* m_pEmail = nullptr;
    COptionTreeItemEdit* m_pOverlaps = nullptr;
    COptionTreeItemColor* m_pBackground = nullptr;
    COptionTreeItemColor* m_pForeground = nullptr;
    COptionTreeItemImage* m_pHatch = nullptr;
    COptionTreeItemEdit* m_pEducator = nullptr;
    COptionTreeItemComboBox* m_pRoom = nullptr;
    COptionTreeItemComboBox* m_pChimeSet = nullptr;
    COptionTreeItemEdit* m_pDoors = nullptr;
    COptionTreeItemEdit* m_pWindows = nullptr;
    COptionTreeItemEdit* m_pDays = nullptr;
    COptionTreeItemRadio* m_pScheduleChoice = nullptr;
    COptionTreeItemCheckBox* m_pResetColours = nullptr;
    COptionTreeItem* m_pRewardGroup = nullptr;
    std::vector<COptionTreeItemEdit*> m_rewardRows;
    COptionTreeItemDate* m_pRegistration = nullptr;
    COptionTreeItemDate* m_pCompletion = nullptr;
    CEntity* m_record;

protected:
    BOOL OnInitDialog() override;
    void OnBnClickedOk();
    DECLARE_MESSAGE_MAP()

private:
    void SetCaption();
    void BuildSingleRows();
    void BuildMultipleRows();
    void BuildRewardRows(bool showFunds);

    std::vector<CString> m_rewardNames;
    std::vector<CString> m_shownRewardTexts;
};
