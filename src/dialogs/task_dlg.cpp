#include "dialogs/task_dlg.h"

#include "controls/option_tree_item_color.h"
#include "controls/option_tree_item_combo_box.h"
#include "controls/option_tree_item_edit.h"
#include "controls/option_tree_item_image.h"
#include "controls/option_tree_item_radio.h"
#include "controls/option_tree_item_spinner.h"
#include "dialogs/task_row_values.h"
#include "model/activity.h"
#include "model/schedule_data.h"
#include "resource_ids.h"

BEGIN_MESSAGE_MAP(CTaskDlg, CRecordDialog)
    ON_BN_CLICKED(IDOK, &CTaskDlg::OnBnClickedOk)
END_MESSAGE_MAP()

CTaskDlg::CTaskDlg(CActivity* pActivity, CWnd* pParentWnd) : CRecordDialog(IDD_TASK, pParentWnd), m_record(pActivity) {}

BOOL CTaskDlg::OnInitDialog() {
    CRecordDialog::OnInitDialog();
    SetUpButtons();
    if (!CreateTree()) return FALSE;
    PrepareTree(150);
    CScheduleData& data = Document();
    const CActivity& a = *m_record;

    COptionTreeItem* task = AddGroup(nullptr, Res(IDS_DLG_TASK_GROUP), Res(IDS_DLG_TASK_GROUP_INFO));
    std::vector<CString> names;
    for (const CString& entry : data.Settings().GetWordList(WordList::Activities))
        names.push_back(TrimActivityListName(entry));
    m_pName = AddListText(task, Res(IDS_DLG_TASK_NAME), Res(IDS_DLG_TASK_NAME_INFO), names, a.m_strName);
    std::vector<CString> levels;
    for (UINT id = IDS_DLG_TASK_LEVEL_1; id <= IDS_DLG_TASK_LEVEL_10; ++id) levels.push_back(Res(id));
    m_pLevel = AddListText(task, Res(IDS_DLG_TASK_LEVEL), Res(IDS_DLG_TASK_LEVEL_INFO), levels, a.m_strLevel);
    m_pBackground = AddColour(task, Res(IDS_DLG_TASK_FIRST_COLOUR), Res(IDS_DLG_TASK_FIRST_COLOUR_INFO), a.m_crBackground);
    m_pForeground =
        AddColour(task, Res(IDS_DLG_TASK_SECOND_COLOUR), Res(IDS_DLG_TASK_SECOND_COLOUR_INFO), a.m_crForeground);
    m_pHatch = AddHatch(task, Res(IDS_DLG_TASK_HATCH), Res(IDS_DLG_TASK_HATCH_INFO), a.m_nHatch);

    COptionTreeItem* time = AddGroup(nullptr, Res(IDS_DLG_TASK_TIME), Res(IDS_DLG_TASK_TIME_INFO));
    m_shownMeetingHours = SpanToWholeHours(a.m_tsMeeting);
    m_shownDurationHours = SpanToWholeHours(a.m_tsDuration);
    m_pMeeting = AddNumber(time, Res(IDS_DLG_TASK_MEETING), Res(IDS_DLG_TASK_MEETING_INFO), m_shownMeetingHours, 1, 100);
    m_pDuration =
        AddNumber(time, Res(IDS_DLG_TASK_DURATION), Res(IDS_DLG_TASK_DURATION_INFO), m_shownDurationHours, 1, 100);
    m_pPosition = AddChoice(time, Res(IDS_DLG_TASK_POSITION), Res(IDS_DLG_TASK_POSITION_INFO),
                            {Res(IDS_DLG_POSITION_ANY), Res(IDS_DLG_POSITION_FIRST), Res(IDS_DLG_POSITION_LAST),
                             Res(IDS_DLG_POSITION_EDGE), Res(IDS_DLG_POSITION_INSIDE)},
                            a.m_nPosition);
    m_pDispersion =
        AddNumber(time, Res(IDS_DLG_TASK_DISPERSION), Res(IDS_DLG_TASK_DISPERSION_INFO), a.m_nDispersion, 0, 10);

    COptionTreeItem* details = AddGroup(nullptr, Res(IDS_DLG_TASK_DETAILS), Res(IDS_DLG_TASK_DETAILS_INFO));
    m_pSupervisor = AddText(details, Res(IDS_DLG_TASK_SUPERVISOR), Res(IDS_DLG_TASK_SUPERVISOR_INFO), a.m_strSupervisor);
    m_pRemark = AddText(details, Res(IDS_DLG_TASK_REMARK), Res(IDS_DLG_TASK_REMARK_INFO), a.m_strRemark);
    m_pLocation = AddText(details, Res(IDS_DLG_TASK_LOCATION), Res(IDS_DLG_TASK_LOCATION_INFO), a.m_strLocation);
    std::vector<CString> sets;
    data.CollectChimeNames(sets);
    const auto set = data.FindChimeSet(a.m_nChimeSet);
    m_pChimeSet = AddListText(details, Res(IDS_DLG_TASK_CHIME_SET), Res(IDS_DLG_TASK_CHIME_SET_INFO), sets,
                              a.m_nChimeSet != 0 && set != data.m_arrChimeSets.end() ? set->m_strName : CString());
    FinishRows();
    return TRUE;
}

void CTaskDlg::OnBnClickedOk() {
    if (!m_tree.m_hWnd) return EndDialog(IDCANCEL);
    CTaskRowValues rows;
    rows.name = TextOf(m_pName);
    rows.supervisor = TextOf(m_pSupervisor);
    rows.remark = TextOf(m_pRemark);
    rows.location = TextOf(m_pLocation);
    rows.background = m_pBackground->GetColor();
    rows.foreground = m_pForeground->GetColor();
    rows.hatch = m_pHatch->GetSelected();
    rows.meetingHours = NumberOf(m_pMeeting);
    rows.shownMeetingHours = m_shownMeetingHours;
    rows.durationHours = NumberOf(m_pDuration);
    rows.shownDurationHours = m_shownDurationHours;
    rows.level = TextOf(m_pLevel);
    rows.position = CheckedIndexOf(m_pPosition);
    rows.dispersion = NumberOf(m_pDispersion);
    rows.chimeSet = TextOf(m_pChimeSet);

    AcceptEdit(m_record, [&](CActivity& edited) { return WriteTaskRows(Document(), rows, edited); });
}
