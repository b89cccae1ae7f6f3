#include "dialogs/contacts_dlg.h"

#include "controls/option_tree_item_check_box.h"
#include "controls/option_tree_item_color.h"
#include "controls/option_tree_item_combo_box.h"
#include "controls/option_tree_item_date.h"
#include "controls/option_tree_item_edit.h"
#include "controls/option_tree_item_image.h"
#include "controls/option_tree_item_radio.h"
#include "dialogs/entity_row_values.h"
#include "model/entity.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "resource_ids.h"

namespace {

// The ids that depend on the entity's type: caption, general group label, name label.
struct TypeTexts {
    UINT caption;
    UINT general;
    UINT name;
};

TypeTexts TextsOfType(int type) {
    switch (type) {
        case 0: return {IDS_DLG_CONTACTS_CAPTION_0, IDS_DLG_CONTACTS_GENERAL_0, IDS_DLG_CONTACTS_NAME_0};
        case 1:
        case 2: return {IDS_DLG_CONTACTS_CAPTION_STAFF, IDS_DLG_CONTACTS_GENERAL_STAFF, IDS_DLG_CONTACTS_NAME_STAFF};
        case 3: return {IDS_DLG_CONTACTS_CAPTION_3, IDS_DLG_CONTACTS_GENERAL_3, IDS_DLG_CONTACTS_NAME_3};
        case 4: return {IDS_DLG_CONTACTS_CAPTION_ROOM, IDS_DLG_CONTACTS_GENERAL_ROOM, IDS_DLG_CONTACTS_NAME_ROOM};
        case 5: return {IDS_DLG_CONTACTS_CAPTION_5, IDS_DLG_CONTACTS_GENERAL_5, IDS_DLG_CONTACTS_NAME_5};
        default: return {0, IDS_DLG_CONTACTS_GENERAL_0, IDS_DLG_CONTACTS_NAME_0};
    }
}

CString Number(int n) {
    CString text;
    text.Format(L"%d", n);
    return text;
}

bool IsStaff(int type) { return type == 1 || type == 2; }

template <class Row>
std::optional<CString> TextIfRow(const Row* row) {
    if (!row) return std::nullopt;
    CString text;
    if (row->m_hWnd) row->GetWindowText(text);
    return text;
}

}  // namespace

BEGIN_MESSAGE_MAP(CContactsDlg, CRecordDialog)
    ON_BN_CLICKED(IDOK, &CContactsDlg::OnBnClickedOk)
END_MESSAGE_MAP()

CContactsDlg::CContactsDlg(CEntity* pEntity, CWnd* pParentWnd)
    : CRecordDialog(IDD_CONTACTS, pParentWnd, kTreeId), m_record(pEntity) {}

BOOL CContactsDlg::OnInitDialog() {
    CRecordDialog::OnInitDialog();
    if (!CreateTree()) return FALSE;
    SetCaption();
    SetUpButtons();
    PrepareTree(150);
    m_rewardNames = Document().Settings().GetWordList(WordList::Rewards);
    if (m_multiple) BuildMultipleRows();
    else BuildSingleRows();
    m_tree.ExpandAllItems();
    if (m_pRewardGroup && !m_multiple) {
        m_pRewardGroup->SetExpanded(FALSE);
        m_tree.UpdateScrollRange();
    }
    LayoutControls();
    return TRUE;
}

void CContactsDlg::SetCaption() {
    CString caption;
    if (m_multiple) {
        caption = Res(IDS_DLG_CONTACTS_CAPTION_MULTIPLE);
    } else if (const UINT id = TextsOfType(m_record->m_nType).caption) {
        caption.Format(id, m_record->m_strName.GetString());
    }
    SetWindowText(caption);
}

void CContactsDlg::BuildSingleRows() {
    CScheduleData& data = Document();
    CEntity& e = *m_record;
    const int type = e.m_nType;
    const TypeTexts texts = TextsOfType(type);

    COptionTreeItem* general = AddGroup(nullptr, Res(texts.general), Res(IDS_DLG_CONTACTS_GENERAL_INFO));
    m_pName = AddText(general, Res(texts.name), Res(texts.name + 1), e.m_strName);
    if (IsStaff(type))
        m_pStaffType = AddChoice(general, Res(IDS_DLG_CONTACTS_STAFF_TYPE), Res(IDS_DLG_CONTACTS_STAFF_TYPE_INFO),
                                 {Res(IDS_DLG_STAFF_TYPE_TEACHING), Res(IDS_DLG_STAFF_TYPE_OTHER)}, type - 1);
    m_pCompany = AddText(general, Res(IDS_DLG_CONTACTS_COMPANY), Res(IDS_DLG_CONTACTS_COMPANY_INFO), e.m_strCompany);
    if (e.HasNoActivity(data))
        m_pUnavailable = AddCheck(general, Res(IDS_DLG_CONTACTS_UNAVAILABLE), Res(IDS_DLG_CONTACTS_UNAVAILABLE_INFO),
                                  e.m_bUnavailable);
    if (type == 3) {
        m_pJob = AddText(general, Res(IDS_DLG_CONTACTS_JOB), Res(IDS_DLG_CONTACTS_JOB_INFO), e.m_strJob);
        // The assistant's company is read back from this row, unless only the first one was changed.
        m_pFirstCompany = m_pCompany;
        m_pCompany = AddText(general, Res(IDS_DLG_CONTACTS_COMPANY_3), Res(IDS_DLG_CONTACTS_COMPANY_3_INFO),
                             e.m_strCompany);
    }
    if (type == 4)
        m_pAddress = AddText(general, Res(IDS_DLG_CONTACTS_ADDRESS_ROOM), Res(IDS_DLG_CONTACTS_ADDRESS_ROOM_INFO),
                             e.m_strAddress);
    if (type == 5)
        m_pAddress = AddLongText(general, Res(IDS_DLG_CONTACTS_ADDRESS_5), Res(IDS_DLG_CONTACTS_ADDRESS_5_INFO),
                                 e.m_strAddress);
    if (type == 0) {
        m_pDepartment = AddText(general, Res(IDS_DLG_CONTACTS_DEPARTMENT), Res(IDS_DLG_CONTACTS_DEPARTMENT_INFO),
                                e.m_strDepartment);
        m_pCode = AddText(general, Res(IDS_DLG_CONTACTS_CLASS_CODE), Res(IDS_DLG_CONTACTS_CLASS_CODE_INFO), e.m_strCode);
    }
    if (IsStaff(type) || type == 3) {
        m_pPhone = AddText(general, Res(IDS_DLG_CONTACTS_PHONE), Res(IDS_DLG_CONTACTS_PHONE_INFO), e.m_strPhone);
        m_pCode = AddText(general, Res(IDS_DLG_CONTACTS_STAFF_CODE), Res(IDS_DLG_CONTACTS_STAFF_CODE), e.m_strCode);
        m_pEmail = AddText(general, Res(IDS_DLG_CONTACTS_EMAIL), Res(IDS_DLG_CONTACTS_EMAIL_INFO), e.m_strEmail);
    }
    if (type == 3 || type == 5)
        m_pOverlaps = AddText(general, Res(IDS_DLG_CONTACTS_OVERLAPS), Res(IDS_DLG_CONTACTS_OVERLAPS_INFO),
                              Number(e.m_nOverlaps));

    COptionTreeItem* colours = AddGroup(nullptr, Res(IDS_DLG_CONTACTS_COLOURS), Res(IDS_DLG_CONTACTS_COLOURS_INFO));
    m_pBackground =
        AddColour(colours, Res(IDS_DLG_CONTACTS_BACKGROUND), Res(IDS_DLG_CONTACTS_BACKGROUND_INFO), e.m_crBackground);
    m_pForeground =
        AddColour(colours, Res(IDS_DLG_CONTACTS_FOREGROUND), Res(IDS_DLG_CONTACTS_FOREGROUND_INFO), e.m_crForeground);
    m_pHatch = AddHatch(colours, Res(IDS_DLG_CONTACTS_HATCH), Res(IDS_DLG_CONTACTS_HATCH_INFO), e.m_nHatch);

    if (type == 0) {
        COptionTreeItem* group = AddGroup(nullptr, Res(IDS_DLG_CONTACTS_CLASS), Res(IDS_DLG_CONTACTS_CLASS_INFO));
        m_pEducator =
            AddText(group, Res(IDS_DLG_CONTACTS_EDUCATOR), Res(IDS_DLG_CONTACTS_EDUCATOR_INFO), e.m_strEducator);
        std::vector<CString> rooms;
        data.CollectKind4Names(rooms, FALSE);
        const auto room = data.FindEntity(e.m_nDefaultPlace);
        m_pRoom = AddListText(group, Res(IDS_DLG_CONTACTS_ROOM), Res(IDS_DLG_CONTACTS_ROOM_INFO), rooms,
                              room != data.m_arrEntities.end() ? room->m_strName : CString());
        std::vector<CString> sets;
        data.CollectChimeNames(sets);
        const auto set = data.FindChimeSet(e.m_nChimeSet);
        m_pChimeSet = AddListText(group, Res(IDS_DLG_CONTACTS_CHIME_SET), Res(IDS_DLG_CONTACTS_CHIME_SET_INFO), sets,
                                  e.m_nChimeSet != 0 && set != data.m_arrChimeSets.end() ? set->m_strName : CString());
    }
    if (IsStaff(type)) {
        COptionTreeItem* week = AddGroup(nullptr, Res(IDS_DLG_CONTACTS_WEEK), Res(IDS_DLG_CONTACTS_WEEK_INFO));
        m_pDoors = AddText(week, Res(IDS_DLG_CONTACTS_DOORS), Res(IDS_DLG_CONTACTS_DOORS_INFO), Number(e.m_nAllowedDoors));
        m_pWindows =
            AddText(week, Res(IDS_DLG_CONTACTS_WINDOWS), Res(IDS_DLG_CONTACTS_WINDOWS_INFO), Number(e.m_nAllowedWindows));
        m_pDays = AddText(week, Res(IDS_DLG_CONTACTS_DAYS), Res(IDS_DLG_CONTACTS_DAYS_INFO), Number(e.m_nDays));
        BuildRewardRows(true);
    }
    if (type == 0) {
        COptionTreeItem* dates = AddGroup(nullptr, Res(IDS_DLG_CONTACTS_DATES), Res(IDS_DLG_CONTACTS_DATES_INFO));
        m_pRegistration = AddDate(dates, Res(IDS_DLG_CONTACTS_REGISTRATION), Res(IDS_DLG_CONTACTS_REGISTRATION_INFO),
                                  e.m_dtRegistration);
        m_pCompletion = AddDate(dates, Res(IDS_DLG_CONTACTS_COMPLETION), Res(IDS_DLG_CONTACTS_COMPLETION_INFO),
                                e.m_dtCompletion);
    }
}

void CContactsDlg::BuildMultipleRows() {
    CEntity& e = *m_record;
    const int type = e.m_nType;
    COptionTreeItem* general = AddGroup(nullptr, Res(IDS_DLG_CONTACTS_MULTIPLE_GENERAL), CString());
    m_pScheduleChoice =
        AddChoice(general, Res(IDS_DLG_CONTACTS_WEEK_HOURS), Res(IDS_DLG_CONTACTS_WEEK_HOURS_INFO),
                  {Res(IDS_DLG_CONTACTS_KEEP), Res(IDS_DLG_CONTACTS_TAKE_WEEK_HOURS)}, 0);
    if (type == 0) {
        m_pDepartment = AddText(general, Res(IDS_DLG_CONTACTS_MULTIPLE_DEPARTMENT),
                                Res(IDS_DLG_CONTACTS_MULTIPLE_DEPARTMENT_INFO), CString());
        std::vector<CString> sets;
        Document().CollectChimeNames(sets);
        m_pChimeSet = AddListText(general, Res(IDS_DLG_CONTACTS_CHIME_SET), Res(IDS_DLG_CONTACTS_CHIME_SET_INFO), sets,
                                  CString());
        const COleDateTime unset = GetUnplacedDate();
        m_pRegistration =
            AddDate(general, Res(IDS_DLG_CONTACTS_REGISTRATION), Res(IDS_DLG_CONTACTS_REGISTRATION_INFO), unset);
        m_pCompletion = AddDate(general, Res(IDS_DLG_CONTACTS_COMPLETION), Res(IDS_DLG_CONTACTS_COMPLETION_INFO), unset);
    }
    if (!IsStaff(type)) return;
    m_pStaffType = AddChoice(general, Res(IDS_DLG_CONTACTS_STAFF_TYPE), Res(IDS_DLG_CONTACTS_STAFF_TYPE_INFO),
                             {Res(IDS_DLG_STAFF_TYPE_TEACHING), Res(IDS_DLG_STAFF_TYPE_OTHER), Res(IDS_DLG_CONTACTS_KEEP)},
                             2);
    m_pCompany = AddText(general, Res(IDS_DLG_CONTACTS_COMPANY), Res(IDS_DLG_CONTACTS_COMPANY_INFO), e.m_strCompany);
    m_pUnavailable = AddCheck(general, Res(IDS_DLG_CONTACTS_UNAVAILABLE), Res(IDS_DLG_CONTACTS_UNAVAILABLE_INFO),
                              e.m_bUnavailable);

    COptionTreeItem* colours = AddGroup(nullptr, Res(IDS_DLG_CONTACTS_COLOURS), Res(IDS_DLG_CONTACTS_COLOURS_INFO));
    m_pResetColours =
        AddCheck(colours, Res(IDS_DLG_CONTACTS_RESET_COLOURS), Res(IDS_DLG_CONTACTS_RESET_COLOURS_INFO), FALSE);
    m_pBackground =
        AddColour(colours, Res(IDS_DLG_CONTACTS_BACKGROUND), Res(IDS_DLG_CONTACTS_BACKGROUND), RGB(255, 255, 255));
    m_pForeground = AddColour(colours, Res(IDS_DLG_CONTACTS_FOREGROUND), Res(IDS_DLG_CONTACTS_FOREGROUND_INFO), RGB(0, 0, 0));
    m_pHatch = AddHatch(colours, Res(IDS_DLG_CONTACTS_HATCH), Res(IDS_DLG_CONTACTS_HATCH_INFO), e.m_nHatch, 2);

    m_pDoors = AddText(general, Res(IDS_DLG_CONTACTS_DOORS), Res(IDS_DLG_CONTACTS_DOORS_INFO), Number(e.m_nAllowedDoors));
    m_pWindows =
        AddText(general, Res(IDS_DLG_CONTACTS_WINDOWS), Res(IDS_DLG_CONTACTS_WINDOWS_INFO), Number(e.m_nAllowedWindows));
    m_pDays = AddText(general, Res(IDS_DLG_CONTACTS_DAYS), Res(IDS_DLG_CONTACTS_DAYS_INFO), Number(e.m_nDays));
    BuildRewardRows(false);
}

void CContactsDlg::BuildRewardRows(bool showFunds) {
    if (m_rewardNames.empty()) return;
    m_pRewardGroup = AddGroup(nullptr, Res(IDS_DLG_CONTACTS_REWARDS), Res(IDS_DLG_CONTACTS_REWARDS_INFO));
    for (const CString& name : m_rewardNames) {
        CString shown;
        if (showFunds) {
            shown = FormatRewardText(COleDateTimeSpan(0.0));
            for (const CFund& fund : m_record->m_arrFunds)
                if (fund.m_strName == name) {
                    shown = FormatRewardText(fund.m_tsLength);
                    break;
                }
        }
        m_rewardRows.push_back(AddText(m_pRewardGroup, name, name, shown));
        m_shownRewardTexts.push_back(shown);
    }
}

void CContactsDlg::OnBnClickedOk() {
    if (!m_tree.m_hWnd) return EndDialog(IDCANCEL);
    CEntityRowValues rows;
    rows.hasStaffTypeRow = m_pStaffType != nullptr;
    rows.checkedStaffType = CheckedIndexOf(m_pStaffType);
    rows.name = TextIfRow(m_pName);
    rows.address = TextIfRow(m_pAddress);
    rows.company = TextIfRow(m_pCompany);
    if (m_pFirstCompany && rows.company == m_record->m_strCompany) rows.company = TextIfRow(m_pFirstCompany);
    rows.department = TextIfRow(m_pDepartment);
    rows.email = TextIfRow(m_pEmail);
    rows.job = TextIfRow(m_pJob);
    rows.code = TextIfRow(m_pCode);
    rows.phone = TextIfRow(m_pPhone);
    if (m_pUnavailable) rows.unavailable = IsTicked(m_pUnavailable);
    if (m_pResetColours) rows.resetColours = IsTicked(m_pResetColours);
    COleDateTime date;
    if (m_pCompletion && m_pCompletion->GetTime(date)) rows.completion = date;
    if (m_pRegistration && m_pRegistration->GetTime(date)) rows.registration = date;
    rows.room = TextIfRow(m_pRoom);
    rows.educator = TextIfRow(m_pEducator);
    rows.chimeSet = TextIfRow(m_pChimeSet);
    rows.doors = TextIfRow(m_pDoors);
    rows.windows = TextIfRow(m_pWindows);
    rows.days = TextIfRow(m_pDays);
    if (m_pBackground) rows.background = m_pBackground->GetColor();
    if (m_pForeground) rows.foreground = m_pForeground->GetColor();
    if (m_pHatch) rows.hatch = m_pHatch->GetSelected();
    for (COptionTreeItemEdit* row : m_rewardRows) rows.rewardTexts.push_back(TextOf(row));
    rows.shownRewardTexts = m_shownRewardTexts;
    rows.overlaps = TextIfRow(m_pOverlaps);
    rows.checkedScheduleChoice = CheckedIndexOf(m_pScheduleChoice);

    CEntityDialogChoices choices;
    if (!AcceptEdit(m_record, [&](CEntity& edited) {
            return WriteEntityRows(Document(), rows, m_rewardNames, m_multiple, edited, choices);
        }))
        return;
    m_newStaffType = choices.newStaffType;
    m_resetColours = choices.resetColours;
    m_scheduleChoice = choices.scheduleChoice;
}
