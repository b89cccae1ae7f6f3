#include "dialogs/record_dialog.h"

#include "dialogs/option_rows.h"

#include "controls/app_document.h"
#include "controls/key_filter.h"
#include "controls/option_tree_item_check_box.h"
#include "controls/option_tree_item_color.h"
#include "controls/option_tree_item_combo_box.h"
#include "controls/option_tree_item_date.h"
#include "controls/option_tree_item_edit.h"
#include "controls/option_tree_item_image.h"
#include "controls/option_tree_item_radio.h"
#include "controls/option_tree_item_spinner.h"
#include "controls/option_tree_item_static.h"
#include "model/schedule_data.h"
#include "platform/core/load_res_string.h"
#include "platform/core/window_styles.h"
#include "platform/ui/window_api.h"
#include "resource_ids.h"

namespace {

constexpr DWORD kTreeStyle = WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
constexpr DWORD kTreeOptions = OT_OPTIONS_SHOWINFOWINDOW | OT_OPTIONS_SHADEEXPANDCOLUMN | OT_OPTIONS_SHADEROOTITEMS;

}  // namespace

BEGIN_MESSAGE_MAP(CRecordDialog, CHoverButtonDialog)
    ON_WM_SIZE()
END_MESSAGE_MAP()

CRecordDialog::CRecordDialog(UINT nIDTemplate, CWnd* pParentWnd, UINT treeId)
    : CHoverButtonDialog(nIDTemplate, pParentWnd), m_treeId(treeId) {}

BOOL CRecordDialog::CreateTree() { return m_tree.Create(kTreeStyle, CRect(), this, m_treeId, kTreeOptions); }

void CRecordDialog::PrepareTree(int columnWidth) {
    m_tree.SetNotify(TRUE, this);
    CRect client;
    m_tree.GetClientRect(&client);
    m_tree.ResizeControls(client.Height(), client.Width());
    m_tree.Invalidate();
    m_tree.UpdateWindow();
    m_tree.SetColumnWidth(columnWidth);
}

CScheduleData& CRecordDialog::Document() {
    // Without a document installed the dialogs show an empty one.
    static CScheduleData empty;
    CScheduleData* data = GetAppDocument();
    return data ? *data : empty;
}

void CRecordDialog::FinishRows() {
    m_tree.ExpandAllItems();
    LayoutControls();
}

void CRecordDialog::LayoutControls() {
    CRect client;
    GetClientRect(&client);
    if (m_tree.m_hWnd) m_tree.MoveWindow(&client);
    PlaceButtons(client);
    Invalidate(TRUE);
}

void CRecordDialog::OnSize(UINT nType, int cx, int cy) {
    CHoverButtonDialog::OnSize(nType, cx, cy);
    LayoutControls();
}

bool CRecordDialog::IsInTree(HWND hwnd) const {
    if (!m_tree.m_hWnd) return false;
    for (HWND h = hwnd; h; h = ::GetParent(h))
        if (h == m_tree.m_hWnd) return true;
    return false;
}

BOOL CRecordDialog::PreTranslateMessage(MSG* pMsg) {
    if (m_keyFilter == KeyFilter::SwallowEscapeEnter) {
        if (SwallowEscapeAndEnter(pMsg)) return TRUE;
    } else if ((pMsg->message == WM_KEYDOWN || pMsg->message == WM_CHAR) && IsInTree(pMsg->hwnd)) {
        return FALSE;
    }
    return CHoverButtonDialog::PreTranslateMessage(pMsg);
}

// Row builders

CString CRecordDialog::Res(UINT id) { return LoadResString(id); }

COptionTreeItem* CRecordDialog::AddGroup(COptionTreeItem* parent, const CString& label, const CString& info) {
    return COptionRows(m_tree).AddGroup(parent, label, info);
}

COptionTreeItemEdit* CRecordDialog::AddText(COptionTreeItem* parent, const CString& label, const CString& info,
                                            const CString& value) {
    return COptionRows(m_tree).AddText(parent, label, info, value);
}

COptionTreeItemEdit* CRecordDialog::AddLongText(COptionTreeItem* parent, const CString& label, const CString& info,
                                                const CString& value) {
    return COptionRows(m_tree).AddLongText(parent, label, info, value);
}

COptionTreeItemComboBox* CRecordDialog::AddListText(COptionTreeItem* parent, const CString& label,
                                                    const CString& info, const std::vector<CString>& list,
                                                    const CString& value, bool select) {
    return COptionRows(m_tree).AddListText(parent, label, info, list, value, select);
}

COptionTreeItemRadio* CRecordDialog::AddChoice(COptionTreeItem* parent, const CString& label, const CString& info,
                                               const std::vector<CString>& options, int checked) {
    return COptionRows(m_tree).AddChoice(parent, label, info, options, checked);
}

COptionTreeItemRadio* CRecordDialog::AddYesNo(COptionTreeItem* parent, const CString& label, const CString& info,
                                              UINT noId, UINT yesId, int flag) {
    return AddChoice(parent, label, info, {Res(noId), Res(yesId)}, flag != 0 ? 1 : 0);
}

COptionTreeItemCheckBox* CRecordDialog::AddCheck(COptionTreeItem* parent, const CString& label, const CString& info,
                                                 BOOL checked) {
    return COptionRows(m_tree).AddCheck(parent, label, info, checked);
}

COptionTreeItemColor* CRecordDialog::AddColour(COptionTreeItem* parent, const CString& label, const CString& info,
                                               COLORREF colour) {
    return COptionRows(m_tree).AddColour(parent, label, info, colour);
}

COptionTreeItemSpinner* CRecordDialog::AddNumber(COptionTreeItem* parent, const CString& label, const CString& info,
                                                 int value, int minimum, int maximum) {
    return COptionRows(m_tree).AddNumber(parent, label, info, value, minimum, maximum);
}

COptionTreeItemDate* CRecordDialog::AddDate(COptionTreeItem* parent, const CString& label, const CString& info,
                                            const COleDateTime& date) {
    return COptionRows(m_tree).AddDate(parent, label, info, date);
}

COptionTreeItemImage* CRecordDialog::AddHatch(COptionTreeItem* parent, const CString& label, const CString& info,
                                              int hatch, int columns) {
    return COptionRows(m_tree).AddHatch(parent, label, info, hatch, columns);
}

COptionTreeItemStatic* CRecordDialog::AddStatic(COptionTreeItem* parent, const CString& label, const CString& info,
                                                const CString& value) {
    return COptionRows(m_tree).AddStatic(parent, label, info, value);
}

// Values

CString CRecordDialog::TextOf(const CWnd* row) {
    CString text;
    if (row && row->m_hWnd) row->GetWindowText(text);
    return text;
}

int CRecordDialog::CheckedIndexOf(const COptionTreeItemRadio* row) { return row ? row->GetCheckedIndex() : -1; }

BOOL CRecordDialog::IsTicked(const COptionTreeItemCheckBox* row) { return row && row->GetCheck(); }

int CRecordDialog::NumberOf(const COptionTreeItemSpinner* row) {
    int value = 0;
    if (row) row->GetIntValue(value);
    return value;
}
