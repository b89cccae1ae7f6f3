#include "dialogs/select_by_dlg.h"

#include <algorithm>

#include "controls/option_tree_item_check_box.h"
#include "controls/option_tree_item_combo_box.h"
#include "controls/option_tree_item_date.h"
#include "controls/option_tree_item_radio.h"
#include "model/description_texts.h"
#include "model/schedule_data.h"
#include "resource_ids.h"

namespace {

// The distinct non-empty texts, sorted by code unit.
std::vector<CString> DistinctSorted(std::vector<CString> texts) {
    std::erase_if(texts, [](const CString& t) { return t.IsEmpty(); });
    std::sort(texts.begin(), texts.end(), [](const CString& a, const CString& b) { return a.Compare(b) < 0; });
    texts.erase(std::unique(texts.begin(), texts.end()), texts.end());
    return texts;
}

const COleDateTime kOpenDate(2000, 1, 1, 0, 0, 0);

}  // namespace

BEGIN_MESSAGE_MAP(CSelectByDlg, CRecordDialog)
    ON_BN_CLICKED(IDOK, &CSelectByDlg::OnBnClickedOk)
END_MESSAGE_MAP()

CSelectByDlg::CSelectByDlg(CSelectByFilter* pFilter, CWnd* pParentWnd)
    : CRecordDialog(IDD_SELECT_BY, pParentWnd), m_filter(pFilter) {}

BOOL CSelectByDlg::OnInitDialog() {
    CRecordDialog::OnInitDialog();
    if (!CreateTree()) return FALSE;
    SetUpButtons();
    PrepareTree(150);
    COptionTreeItem* first = AddGroup(nullptr, CString(), CString());
    switch (m_filter->m_nMode) {
        case 0: BuildClassRows(first); break;
        case 1: BuildStaffRows(first); break;
        case 2: BuildDayRows(first); break;
        case 3: BuildItemRows(first); break;
        default: break;
    }
    FinishRows();
    return TRUE;
}

void CSelectByDlg::AddTickRow(COptionTreeItem* parent, const CString& text, std::vector<COptionTreeItemCheckBox*>& rows) {
    COptionTreeItemCheckBox* row = AddCheck(parent, text, text, FALSE);
    if (row->m_hWnd) rows.push_back(row);
}

void CSelectByDlg::BuildClassRows(COptionTreeItem* first) {
    CScheduleData& data = Document();
    first->SetLabel(Res(IDS_DLG_SELECT_CLASSES));
    first->SetInfoText(Res(IDS_DLG_SELECT_CLASSES_INFO));
    std::vector<CString> departments, staff;
    for (const CEntity& e : data.m_arrEntities) {
        if (e.m_nType == 0) departments.push_back(e.m_strDepartment);
        if (e.m_nType == 1 || e.m_nType == 2) staff.push_back(e.m_strName);
    }
    m_pDepartment = AddListText(first, Res(IDS_DLG_SELECT_DEPARTMENT), Res(IDS_DLG_SELECT_DEPARTMENT_INFO),
                                DistinctSorted(departments), CString(), false);
    m_pName = AddListText(first, Res(IDS_DLG_SELECT_EDUCATOR), Res(IDS_DLG_SELECT_EDUCATOR_INFO), staff, CString(), false);
    m_pFrom = AddDate(first, Res(IDS_DLG_SELECT_FROM), Res(IDS_DLG_SELECT_FROM_INFO), kOpenDate);
    m_pTo = AddDate(first, Res(IDS_DLG_SELECT_TO), Res(IDS_DLG_SELECT_TO_INFO), kOpenDate);
}

void CSelectByDlg::BuildStaffRows(COptionTreeItem* first) {
    CScheduleData& data = Document();
    first->SetLabel(Res(IDS_DLG_SELECT_STAFF));
    first->SetInfoText(Res(IDS_DLG_SELECT_STAFF_INFO));
    std::vector<CString> companies;
    for (const CEntity& e : data.m_arrEntities)
        if (e.m_nType == 1 || e.m_nType == 2) companies.push_back(e.m_strCompany);
    m_pCompany = AddListText(first, Res(IDS_DLG_SELECT_COMPANY), Res(IDS_DLG_SELECT_COMPANY_INFO),
                             DistinctSorted(companies), CString(), false);
    m_pAvailability = AddChoice(first, Res(IDS_DLG_SELECT_AVAILABILITY), Res(IDS_DLG_SELECT_AVAILABILITY_INFO),
                                {Res(IDS_DLG_SELECT_ANY), Res(IDS_DLG_SELECT_NOT_AVAILABLE), Res(IDS_DLG_SELECT_AVAILABLE)}, 0);
    m_pStaffType = AddChoice(first, Res(IDS_DLG_SELECT_STAFF_TYPE), Res(IDS_DLG_SELECT_STAFF_TYPE_INFO),
                             {Res(IDS_DLG_SELECT_ANY), Res(IDS_DLG_SELECT_TEACHING), Res(IDS_DLG_SELECT_OTHER)}, 0);
}

void CSelectByDlg::BuildDayRows(COptionTreeItem* first) {
    CScheduleData& data = Document();
    first->SetLabel(Res(IDS_DLG_SELECT_DAYS));
    first->SetInfoText(Res(IDS_DLG_SELECT_DAYS_INFO));
    for (int day = 0; day < data.m_nDays; ++day) AddTickRow(first, data.FormatDayTitle(day), m_dayRows);
    COptionTreeItem* hours = AddGroup(nullptr, Res(IDS_DLG_SELECT_HOURS), Res(IDS_DLG_SELECT_HOURS_INFO));
    for (UINT id = IDS_HOUR_SLOT_0 + data.m_nHourIndex; id <= IDS_HOUR_SLOT_16; ++id)
        AddTickRow(hours, Res(id), m_hourRows);
}

void CSelectByDlg::BuildItemRows(COptionTreeItem* first) {
    CScheduleData& data = Document();
    m_tree.SetColumnWidth(200);
    first->SetLabel(Res(IDS_DLG_SELECT_ENTRIES));
    first->SetInfoText(Res(IDS_DLG_SELECT_ENTRIES_INFO));
    std::vector<CString> names;
    for (const CEntity& e : data.m_arrEntities)
        if (e.m_nType != 5) names.push_back(e.m_strName);
    m_pName = AddListText(first, Res(IDS_DLG_SELECT_NAME), Res(IDS_DLG_SELECT_NAME_INFO), names, CString(), false);

    const int entityId = m_filter->m_pEntity ? m_filter->m_pEntity->m_nId : 0;
    const bool known = data.FindEntity(entityId) != data.m_arrEntities.end();
    COptionTreeItem* groups = AddGroup(nullptr, Res(IDS_DLG_SELECT_GROUPS), Res(IDS_DLG_SELECT_GROUPS_INFO));
    if (known)
        for (const CActivityGroup& group : data.m_arrGroups) {
            if (!group.HasEntity(data, entityId)) continue;
            const size_t before = m_groupRows.size();
            AddTickRow(groups, group.m_strName, m_groupRows);
            if (m_groupRows.size() > before) m_groupIds.push_back(group.m_nId);
        }
    COptionTreeItem* activities = AddGroup(nullptr, Res(IDS_DLG_SELECT_ACTIVITIES), Res(IDS_DLG_SELECT_ACTIVITIES_INFO));
    if (known)
        for (const CActivity& activity : data.m_arrActivities) {
            if (!activity.HasEntityId(data, entityId)) continue;
            const size_t before = m_activityRows.size();
            AddTickRow(activities, FormatActivityTitle(data, activity, entityId), m_activityRows);
            if (m_activityRows.size() > before) m_activityIds.push_back(activity.m_nId);
        }
}

void CSelectByDlg::WriteFilter() {
    CSelectByFilter& f = *m_filter;
    if (m_pCompany) f.m_strCompany = TextOf(m_pCompany);
    if (m_pDepartment) f.m_strDepartment = TextOf(m_pDepartment);
    if (m_pName) f.m_strText = TextOf(m_pName);
    if (m_pStaffType) f.m_nStaffType = CheckedIndexOf(m_pStaffType);
    if (m_pAvailability) f.m_nAvailability = CheckedIndexOf(m_pAvailability);
    if (m_pFrom) m_pFrom->GetTime(f.m_dtRegistration);
    if (m_pTo) m_pTo->GetTime(f.m_dtCompletion);
    f.m_arrDays.clear();
    f.m_arrHours.clear();
    for (COptionTreeItemCheckBox* row : m_dayRows) f.m_arrDays.push_back(IsTicked(row) ? 1 : 0);
    for (COptionTreeItemCheckBox* row : m_hourRows) f.m_arrHours.push_back(IsTicked(row) ? 1 : 0);
    f.m_arrActivities.clear();
    f.m_arrGroups.clear();
    for (size_t i = 0; i < m_activityRows.size(); ++i)
        if (IsTicked(m_activityRows[i])) f.m_arrActivities.push_back(m_activityIds[i]);
    for (size_t i = 0; i < m_groupRows.size(); ++i)
        if (IsTicked(m_groupRows[i])) f.m_arrGroups.push_back(m_groupIds[i]);
}

void CSelectByDlg::OnBnClickedOk() {
    if (!UpdateData(TRUE)) return;
    WriteFilter();
    EndDialog(IDOK);
}
