#pragma once
// CSelectByDlg: collects the criteria of the select-by command into the caller's filter, in the
// mode the caller set there: a department, a class teacher and dates (0); a company, an
// availability and a staff type (1); plan days and hours (2); a name, activity groups and
// activities of the entity (3). OK writes the filter; Cancel leaves it.
//
//   CSelectByFilter filter;
//   filter.m_nMode = 1;
//   CSelectByDlg dlg(&filter, nullptr);
//   if (dlg.DoModal() == IDOK) ... select what matches ...
#include <vector>

#include "dialogs/record_dialog.h"
#include "frame/select_by_filter.h"

class CSelectByDlg : public CRecordDialog {
public:
    CSelectByDlg(CSelectByFilter* pFilter, CWnd* pParentWnd);

    // The rows into the filter; rows the mode does not build write nothing.
    void WriteFilter();

    CSelectByFilter* m_filter;
    COptionTreeItemComboBox* m_pDepartment = nullptr;
    COptionTreeItemComboBox* m_pName = nullptr;
    COptionTreeItemDate* m_pFrom = nullptr;
    COptionTreeItemDate* m_pTo = nullptr;
    COptionTreeItemComboBox* m_pCompany = nullptr;
    COptionTreeItemRadio* m_pAvailability = nullptr;
    COptionTreeItemRadio* m_pStaffType = nullptr;
    std::vector<COptionTreeItemCheckBox*> m_dayRows;
    std::vector<COptionTreeItemCheckBox*> m_hourRows;
    std::vector<COptionTreeItemCheckBox*> m_activityRows;
    std::vector<COptionTreeItemCheckBox*> m_groupRows;

protected:
    BOOL OnInitDialog() override;
    void OnBnClickedOk();
    DECLARE_MESSAGE_MAP()

private:
    void BuildClassRows(COptionTreeItem* first);
    void BuildStaffRows(COptionTreeItem* first);
    void BuildDayRows(COptionTreeItem* first);
    void BuildItemRows(COptionTreeItem* first);
    // A tick row that joins the array when its box was made.
    void AddTickRow(COptionTreeItem* parent, const CString& text, std::vector<COptionTreeItemCheckBox*>& rows);

    std::vector<int> m_activityIds;
    std::vector<int> m_groupIds;
};
