#include "dialogs/record_dialog.h"

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
constexpr DWORD kLongTextStyle = 0x10C0;  // ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN
constexpr DWORD kTextOptionMultiLine = 0x40000;
constexpr DWORD kCheckFrame = 0x400;
constexpr DWORD kColourOptions = 0x40000;
constexpr DWORD kSpinnerOptions = 0x40400;
constexpr DWORD kImageOptions = 0x40000;
constexpr DWORD kLongDateStyle = 4;  // DTS_LONGDATEFORMAT

// The fill styles in hatch-number order: six hatches, plain, four gradients.
struct HatchImage {
    UINT icon;
    UINT tip;
};
constexpr HatchImage kHatchImages[] = {
    {IDI_HATCH_HORIZONTAL, IDS_DLG_HATCH_HORIZONTAL},   {IDI_HATCH_VERTICAL, IDS_DLG_HATCH_VERTICAL},
    {IDI_HATCH_FDIAGONAL, IDS_DLG_HATCH_FALLING},         {IDI_HATCH_BDIAGONAL, IDS_DLG_HATCH_RISING},
    {IDI_HATCH_CROSS, IDS_DLG_HATCH_CROSS},             {IDI_HATCH_DIAGCROSS, IDS_DLG_HATCH_DIAGONAL_CROSS},
    {IDI_FILL_PLAIN, IDS_DLG_HATCH_PLAIN},             {IDI_FILL_GRADIENT_H, IDS_DLG_HATCH_GRADIENT_ACROSS},
    {IDI_FILL_GRADIENT_V, IDS_DLG_HATCH_GRADIENT_DOWN}, {IDI_FILL_GRADIENT_H2, IDS_DLG_HATCH_MIRRORED_ACROSS},
    {IDI_FILL_GRADIENT_V2, IDS_DLG_HATCH_MIRRORED_DOWN},
};

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

template <class Item>
Item* CRecordDialog::Insert(COptionTreeItem* parent, const CString& label, const CString& info) {
    auto* item = new Item;
    m_tree.InsertItem(parent, item);
    item->SetLabel(label);
    item->SetInfoText(info);
    return item;
}

COptionTreeItem* CRecordDialog::AddGroup(COptionTreeItem* parent, const CString& label, const CString& info) {
    return Insert<COptionTreeItem>(parent, label, info);
}

COptionTreeItemEdit* CRecordDialog::AddText(COptionTreeItem* parent, const CString& label, const CString& info,
                                            const CString& value) {
    auto* row = Insert<COptionTreeItemEdit>(parent, label, info);
    if (row->CreateEditWindow(0, 0)) row->SetWindowText(value);
    return row;
}

COptionTreeItemEdit* CRecordDialog::AddLongText(COptionTreeItem* parent, const CString& label, const CString& info,
                                                const CString& value) {
    auto* row = Insert<COptionTreeItemEdit>(parent, label, info);
    if (row->CreateEditWindow(kLongTextStyle, kTextOptionMultiLine)) row->SetWindowText(value);
    return row;
}

COptionTreeItemComboBox* CRecordDialog::AddListText(COptionTreeItem* parent, const CString& label,
                                                    const CString& info, const std::vector<CString>& list,
                                                    const CString& value, bool select) {
    auto* row = Insert<COptionTreeItemComboBox>(parent, label, info);
    if (!row->CreateComboWindow(0)) return row;
    for (const CString& entry : list) row->AddString(entry);
    // The entry that equals the value; a search by prefix could pick another one.
    const int index = select && !value.IsEmpty() ? row->FindStringExact(-1, value) : CB_ERR;
    if (index != CB_ERR) row->SetCurSel(index);
    else row->SetWindowText(value);
    return row;
}

COptionTreeItemRadio* CRecordDialog::AddChoice(COptionTreeItem* parent, const CString& label, const CString& info,
                                               const std::vector<CString>& options, int checked) {
    auto* row = Insert<COptionTreeItemRadio>(parent, label, info);
    if (!row->CreateRadioWindow()) return row;
    for (size_t k = 0; k < options.size(); ++k) row->AddOption(static_cast<int>(k) == checked, options[k]);
    return row;
}

COptionTreeItemRadio* CRecordDialog::AddYesNo(COptionTreeItem* parent, const CString& label, const CString& info,
                                              UINT noId, UINT yesId, int flag) {
    return AddChoice(parent, label, info, {Res(noId), Res(yesId)}, flag != 0 ? 1 : 0);
}

COptionTreeItemCheckBox* CRecordDialog::AddCheck(COptionTreeItem* parent, const CString& label, const CString& info,
                                                 BOOL checked) {
    auto* row = Insert<COptionTreeItemCheckBox>(parent, label, info);
    if (row->CreateCheckWindow(FALSE, kCheckFrame)) row->SetCheck(checked);
    return row;
}

COptionTreeItemColor* CRecordDialog::AddColour(COptionTreeItem* parent, const CString& label, const CString& info,
                                               COLORREF colour) {
    auto* row = Insert<COptionTreeItemColor>(parent, label, info);
    row->CreateColorWindow(kColourOptions, colour, 0);
    return row;
}

COptionTreeItemSpinner* CRecordDialog::AddNumber(COptionTreeItem* parent, const CString& label, const CString& info,
                                                 int value, int minimum, int maximum) {
    auto* row = Insert<COptionTreeItemSpinner>(parent, label, info);
    row->CreateSpinnerWindow(kSpinnerOptions, value, minimum, maximum);
    return row;
}

COptionTreeItemDate* CRecordDialog::AddDate(COptionTreeItem* parent, const CString& label, const CString& info,
                                            const COleDateTime& date) {
    auto* row = Insert<COptionTreeItemDate>(parent, label, info);
    if (row->CreateDateWindow(L"yyyy, MMM d, ddd", kLongDateStyle)) row->SetTime(date);
    return row;
}

COptionTreeItemImage* CRecordDialog::AddHatch(COptionTreeItem* parent, const CString& label, const CString& info,
                                              int hatch, int columns) {
    auto* row = Insert<COptionTreeItemImage>(parent, label, info);
    if (!row->CreateImageWindow(kImageOptions, 16, 16, columns)) return row;
    for (const HatchImage& image : kHatchImages) row->AddImage(image.icon, Res(image.tip));
    row->SetSelected(hatch);
    return row;
}

COptionTreeItemStatic* CRecordDialog::AddStatic(COptionTreeItem* parent, const CString& label, const CString& info,
                                                const CString& value) {
    auto* row = Insert<COptionTreeItemStatic>(parent, label, info);
    row->SetStaticText(value);
    return row;
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
