#include "dialogs/data_import_dlg.h"

#include "controls/option_tree_item_check_box.h"
#include "controls/option_tree_item_edit.h"
#include "controls/option_tree_item_file.h"
#include "controls/option_tree_item_radio.h"
#include "controls/option_tree_item_spinner.h"
#include "dialogs/mark_tree_item.h"
#include "dialogs/option_rows.h"
#include "options_engine/import_columns.h"
#include "platform/core/load_res_string.h"
#include "resource_ids.h"

namespace {

constexpr int kMaxField = 99;
constexpr int kTimetableKind = 4;

// A column row: its label and description and the field number it starts with.
struct ColumnRow {
    UINT label;
    UINT info;
    int field;
};

struct KindRows {
    UINT caption;  // 0: the template's own
    std::vector<ColumnRow> columns;
};

const KindRows& RowsOf(int kind) {
    static const KindRows kKinds[] = {
        {IDS_IMPORT_CAPTION_ENTITIES,
         {{IDS_IMPORT_COL_NAME, IDS_IMPORT_COL_NAME_INFO, 1},
          {IDS_IMPORT_COL_DEPARTMENT, IDS_IMPORT_COL_DEPARTMENT_INFO, 0},
          {IDS_IMPORT_COL_CODE, IDS_IMPORT_COL_CODE_INFO, 0},
          {IDS_IMPORT_COL_REGISTRATION, IDS_IMPORT_COL_REGISTRATION_INFO, 0},
          {IDS_IMPORT_COL_COMPLETION, IDS_IMPORT_COL_COMPLETION_INFO, 0},
          {IDS_IMPORT_COL_DEFAULT_ROOM, IDS_IMPORT_COL_DEFAULT_ROOM_INFO, 2}}},
        {IDS_IMPORT_CAPTION_STAFF,
         {{IDS_IMPORT_COL_STAFF_NAME, IDS_IMPORT_COL_STAFF_NAME_INFO, 1},
          {IDS_IMPORT_COL_STAFF_TYPE, IDS_IMPORT_COL_STAFF_TYPE_INFO, 2},
          {IDS_IMPORT_COL_COMPANY, IDS_IMPORT_COL_COMPANY_INFO, 0},
          {IDS_IMPORT_COL_PHONE, IDS_IMPORT_COL_PHONE_INFO, 0},
          {IDS_IMPORT_COL_STAFF_CODE, IDS_IMPORT_COL_STAFF_CODE_INFO, 0},
          {IDS_IMPORT_COL_EMAIL, IDS_IMPORT_COL_EMAIL_INFO, 0},
          {IDS_IMPORT_COL_WEEK_HOURS, IDS_IMPORT_COL_WEEK_HOURS_INFO, 0},
          {IDS_IMPORT_COL_AVAILABILITY, IDS_IMPORT_COL_AVAILABILITY_INFO, 0}}},
        {IDS_IMPORT_CAPTION_ROOMS,
         {{IDS_IMPORT_COL_ROOM_NAME, IDS_IMPORT_COL_ROOM_NAME_INFO, 1},
          {IDS_IMPORT_COL_ROOM_ADDRESS, IDS_IMPORT_COL_ROOM_ADDRESS_INFO, 0}}},
        {IDS_IMPORT_CAPTION_ACTIVITIES,
         {{IDS_IMPORT_COL_ACTIVITY, IDS_IMPORT_COL_ACTIVITY_INFO, 5},
          {IDS_IMPORT_COL_GROUP_MARK, IDS_IMPORT_COL_GROUP_MARK_INFO, 1},
          {IDS_IMPORT_COL_HOURS, IDS_IMPORT_COL_HOURS_INFO, 2},
          {IDS_IMPORT_COL_STAFF, IDS_IMPORT_COL_STAFF_INFO, 4},
          {IDS_IMPORT_COL_ROOM, IDS_IMPORT_COL_ROOM_INFO, 6},
          {IDS_IMPORT_COL_MEMBERS, IDS_IMPORT_COL_MEMBERS_INFO, 7}}},
        {0, {}},
    };
    return kKinds[kind >= 0 && kind <= kTimetableKind ? kind : kTimetableKind];
}

}  // namespace

CDataImportDlg::CDataImportDlg(CWnd* pParentWnd) : CRecordDialog(IDD_DATA_IMPORT, pParentWnd) {}

BOOL CDataImportDlg::OnInitDialog() {
    CRecordDialog::OnInitDialog();
    if (!CreateTree()) return FALSE;
    SetUpButtons();
    const KindRows& kind = RowsOf(m_nKind);
    if (kind.caption) SetWindowText(Res(kind.caption));
    PrepareTree(150);

    COptionRows rows(m_tree);
    COptionTreeItem* group = rows.AddGroup(nullptr, Res(IDS_IMPORT_GROUP), Res(IDS_IMPORT_GROUP_INFO));
    m_pSource = rows.AddChoice(group, Res(IDS_IMPORT_SOURCE), Res(IDS_IMPORT_SOURCE_INFO),
                               {Res(IDS_IMPORT_SOURCE_CLIPBOARD), Res(IDS_IMPORT_SOURCE_FILE)}, 0);
    m_pFile = rows.AddOpenFile(group, Res(IDS_IMPORT_FILE), Res(IDS_IMPORT_FILE_INFO), CString(), CString(),
                               L"All files|*.*|");
    m_pSkip = rows.AddNumber(group, Res(IDS_IMPORT_SKIP), Res(IDS_IMPORT_SKIP_INFO), m_nKind == kTimetableKind ? 2 : 0,
                             0, kMaxField);
    if (m_nKind != kTimetableKind) {
        m_pSeparator = rows.AddChoice(group, Res(IDS_IMPORT_SEPARATOR), Res(IDS_IMPORT_SEPARATOR_INFO),
                                      {Res(IDS_IMPORT_SEPARATOR_TAB), Res(IDS_IMPORT_SEPARATOR_COMMA),
                                       Res(IDS_IMPORT_SEPARATOR_SEMICOLON), Res(IDS_IMPORT_SEPARATOR_HASH)},
                                      0);
    }
    if (m_nKind == 3)
        m_pCheck = rows.AddCheck(group, Res(IDS_IMPORT_RANDOM_COLOURS), Res(IDS_IMPORT_RANDOM_COLOURS_INFO), TRUE);
    if (m_nKind == kTimetableKind)
        m_pText = rows.AddText(group, Res(IDS_IMPORT_MARKER), Res(IDS_IMPORT_MARKER_INFO), Res(IDS_IMPORT_TIMETABLE_MARKER));
    if (!kind.columns.empty()) {
        COptionTreeItem* columns = rows.AddGroup(nullptr, Res(IDS_IMPORT_COLUMNS), Res(IDS_IMPORT_COLUMNS_INFO));
        for (size_t k = 0; k < kind.columns.size() && k < kColumns; ++k) {
            const ColumnRow& column = kind.columns[k];
            m_pColumns[k] =
                rows.AddNumber(columns, Res(column.label), Res(column.info), column.field, 0, kMaxField);
        }
    }
    FinishRows();
    return TRUE;
}

CImportOptions CDataImportDlg::GetOptions() const {
    CImportOptions options;
    options.m_bFromFile = m_bFromFile;
    options.m_strPath = m_strPath;
    options.m_strText = m_strText;
    options.m_nSkip = m_nSkip;
    options.m_nSeparator = m_nSeparator;
    for (int k = 0; k < kColumns; ++k) options.m_nColumns[k] = m_nColumns[k];
    options.m_bCheck = m_bCheck;
    return options;
}

BOOL CDataImportDlg::ValidateColumns() {
    const CImportColumnMark mark = ValidateImportColumns(m_nKind, GetOptions());
    if (mark.m_nTextId == 0) return TRUE;
    COptionTreeItem* row = mark.m_nRow == CImportColumnMark::kMarkerRow
                               ? static_cast<COptionTreeItem*>(m_pText)
                               : static_cast<COptionTreeItem*>(m_pColumns[mark.m_nRow - 1]);
    MarkTreeItem(m_tree, row, Res(mark.m_nTextId));
    return FALSE;
}

void CDataImportDlg::OnOK() {
    m_bFromFile = CheckedIndexOf(m_pSource) != 0 ? 1 : 0;
    m_strPath = m_pFile ? m_pFile->GetPath() : CString();
    // A chosen file is read whatever the source row says.
    if (!m_strPath.IsEmpty()) m_bFromFile = 1;
    if (m_pText) m_strText = TextOf(m_pText);
    m_nSkip = NumberOf(m_pSkip);
    if (m_pCheck) m_bCheck = IsTicked(m_pCheck);
    if (m_pSeparator) m_nSeparator = CheckedIndexOf(m_pSeparator);
    for (int k = 0; k < kColumns; ++k)
        if (m_pColumns[k]) m_nColumns[k] = NumberOf(m_pColumns[k]);
    m_tree.m_markManager.RemoveAllMarks(TRUE);
    if (ValidateColumns()) {
        CDialog::OnOK();
        return;
    }
    ShowRefusal(IDS_IMPORT_REFUSED);
}
