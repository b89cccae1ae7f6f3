#include "dialogs/task_quota_dlg.h"

#include "controls/option_tree_item_edit.h"
#include "controls/option_tree_item_radio.h"
#include "controls/option_tree_item_spinner.h"
#include "dialogs/task_quotas.h"
#include "dialogs/task_row_values.h"
#include "model/description_texts.h"
#include "model/schedule_data.h"
#include "planner/diary_ctrl.h"
#include "resource_ids.h"

CTaskQuotaDlg::CTaskQuotaDlg(const CDiaryCtrl* pDiary, CWnd* pParentWnd)
    : CRecordDialog(IDD_TASK_QUOTA, pParentWnd), m_diary(pDiary) {}

BOOL CTaskQuotaDlg::OnInitDialog() {
    CRecordDialog::OnInitDialog();
    if (!CreateTree()) return FALSE;
    SetUpButtons();
    PrepareTree(250);
    CScheduleData& data = Document();
    const auto current = data.FindCurrentEntity();
    const int entityId = current != data.m_arrEntities.end() ? current->m_nId : 0;
    const int entityType = current != data.m_arrEntities.end() ? current->m_nType : 0;
    const bool rowSelection = m_diary->m_nSelectionKind == CDiaryCtrl::kSelectRows;

    COptionTreeItem* quotas = AddGroup(nullptr, Res(IDS_DLG_QUOTA_GROUP), Res(IDS_DLG_QUOTA_GROUP_INFO));
    for (const CDiaryRow& row : m_diary->m_arrRows) {
        if (rowSelection && !row.m_bFlagged) continue;
        const auto activity = data.FindActivity(row.m_nActivity);
        if (activity == data.m_arrActivities.end()) continue;
        const CString label = FormatActivityEntryPlainText(data, *activity, entityId, nullptr, entityType);
        const int hours = SpanToWholeHours(activity->m_tsDuration);
        m_quotaRows.push_back({row.m_nActivity, hours, AddNumber(quotas, label, label, hours, 1, 100)});
    }
    if (rowSelection) {
        COptionTreeItem* common = AddGroup(nullptr, Res(IDS_DLG_QUOTA_COMMON), Res(IDS_DLG_QUOTA_COMMON_INFO));
        m_meetingRow = AddNumber(common, Res(IDS_DLG_QUOTA_MEETING), Res(IDS_DLG_QUOTA_MEETING_INFO), 0, 1, 100);
        m_positionRow = AddChoice(common, Res(IDS_DLG_QUOTA_POSITION), Res(IDS_DLG_QUOTA_POSITION_INFO),
                                  {Res(IDS_DLG_QUOTA_POSITION_KEEP), Res(IDS_DLG_QUOTA_POSITION_ANY),
                                   Res(IDS_DLG_QUOTA_POSITION_FIRST), Res(IDS_DLG_QUOTA_POSITION_LAST),
                                   Res(IDS_DLG_QUOTA_POSITION_EDGE), Res(IDS_DLG_QUOTA_POSITION_INSIDE)},
                                  0);
        m_dispersionRow =
            AddNumber(common, Res(IDS_DLG_QUOTA_DISPERSION), Res(IDS_DLG_QUOTA_DISPERSION_INFO), 0, 0, 10);
        COptionTreeItem* texts = AddGroup(nullptr, Res(IDS_DLG_QUOTA_TEXTS), Res(IDS_DLG_QUOTA_TEXTS_INFO));
        m_supervisorRow = AddText(texts, Res(IDS_DLG_QUOTA_SUPERVISOR), Res(IDS_DLG_QUOTA_SUPERVISOR_INFO), CString());
        m_remarkRow = AddText(texts, Res(IDS_DLG_QUOTA_REMARK), Res(IDS_DLG_QUOTA_REMARK_INFO), CString());
        m_locationRow = AddText(texts, Res(IDS_DLG_QUOTA_LOCATION), Res(IDS_DLG_QUOTA_LOCATION_INFO), CString());
    }
    FinishRows();
    return TRUE;
}

void CTaskQuotaDlg::OnOK() {
    std::vector<CQuotaRow> rows;
    for (const QuotaRow& row : m_quotaRows) rows.push_back({row.activityId, row.shownHours, NumberOf(row.item)});
    CScheduleData& data = Document();
    ApplyQuotas(data, rows);
    if (m_diary->m_nSelectionKind == CDiaryCtrl::kSelectRows) {
        CCommonTaskSettings common;
        common.meetingHours = NumberOf(m_meetingRow);
        common.positionOption = CheckedIndexOf(m_positionRow);
        common.dispersion = NumberOf(m_dispersionRow);
        common.supervisor = TextOf(m_supervisorRow);
        common.remark = TextOf(m_remarkRow);
        common.location = TextOf(m_locationRow);
        ApplyCommonSettings(data, rows, common);
    }
    CDialog::OnOK();
}
