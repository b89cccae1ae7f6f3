#include "dialogs/option_rows.h"

#include "controls/option_tree.h"
#include "controls/option_tree_item_check_box.h"
#include "controls/option_tree_item_color.h"
#include "controls/option_tree_item_combo_box.h"
#include "controls/option_tree_item_date.h"
#include "controls/option_tree_item_edit.h"
#include "controls/option_tree_item_file.h"
#include "controls/option_tree_item_image.h"
#include "controls/option_tree_item_radio.h"
#include "controls/option_tree_item_spinner.h"
#include "controls/option_tree_item_static.h"
#include "platform/core/load_res_string.h"
#include "platform/core/window_styles.h"
#include "resource_ids.h"

namespace {

constexpr DWORD kLongTextStyle = 0x10C0;  // ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN
constexpr DWORD kTextOptionMultiLine = 0x40000;
constexpr DWORD kCheckFrame = 0x400;
constexpr DWORD kColourOptions = 0x40000;
constexpr DWORD kSpinnerOptions = 0x40400;
constexpr DWORD kImageOptions = 0x40000;
constexpr DWORD kLongDateStyle = 4;  // DTS_LONGDATEFORMAT
constexpr DWORD kFileOptions = 0x60000;  // open-file dialog, full path shown
constexpr DWORD kOpenFileDialog = 2;

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

template <class Item>
Item* COptionRows::Insert(COptionTreeItem* parent, const CString& label, const CString& info) {
    auto* item = new Item;
    m_tree.InsertItem(parent, item);
    item->SetLabel(label);
    item->SetInfoText(info);
    return item;
}

COptionTreeItem* COptionRows::AddGroup(COptionTreeItem* parent, const CString& label, const CString& info) {
    return Insert<COptionTreeItem>(parent, label, info);
}

COptionTreeItemEdit* COptionRows::AddText(COptionTreeItem* parent, const CString& label, const CString& info,
                                            const CString& value) {
    auto* row = Insert<COptionTreeItemEdit>(parent, label, info);
    if (row->CreateEditWindow(0, 0)) row->SetWindowText(value);
    return row;
}

COptionTreeItemEdit* COptionRows::AddLongText(COptionTreeItem* parent, const CString& label, const CString& info,
                                                const CString& value) {
    auto* row = Insert<COptionTreeItemEdit>(parent, label, info);
    if (row->CreateEditWindow(kLongTextStyle, kTextOptionMultiLine)) row->SetWindowText(value);
    return row;
}

COptionTreeItemComboBox* COptionRows::AddListText(COptionTreeItem* parent, const CString& label,
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

COptionTreeItemComboBox* COptionRows::AddDropList(COptionTreeItem* parent, const CString& label, const CString& info,
                                                  const std::vector<CString>& list, int selected) {
    auto* row = Insert<COptionTreeItemComboBox>(parent, label, info);
    if (!row->CreateComboWindow(CBS_DROPDOWNLIST)) return row;
    for (const CString& entry : list) row->AddString(entry);
    row->SetCurSel(selected);
    return row;
}

COptionTreeItemFile* COptionRows::AddOpenFile(COptionTreeItem* parent, const CString& label, const CString& info,
                                              const CString& path, const CString& defaultExt, const CString& filter) {
    auto* row = Insert<COptionTreeItemFile>(parent, label, info);
    row->SetDialogOptions(path, defaultExt, filter, kFileOptions, kOpenFileDialog);
    return row;
}

COptionTreeItemRadio* COptionRows::AddChoice(COptionTreeItem* parent, const CString& label, const CString& info,
                                               const std::vector<CString>& options, int checked) {
    auto* row = Insert<COptionTreeItemRadio>(parent, label, info);
    if (!row->CreateRadioWindow()) return row;
    for (size_t k = 0; k < options.size(); ++k) row->AddOption(static_cast<int>(k) == checked, options[k]);
    return row;
}

COptionTreeItemCheckBox* COptionRows::AddCheck(COptionTreeItem* parent, const CString& label, const CString& info,
                                                 BOOL checked) {
    auto* row = Insert<COptionTreeItemCheckBox>(parent, label, info);
    if (row->CreateCheckWindow(FALSE, kCheckFrame)) row->SetCheck(checked);
    return row;
}

COptionTreeItemColor* COptionRows::AddColour(COptionTreeItem* parent, const CString& label, const CString& info,
                                               COLORREF colour) {
    auto* row = Insert<COptionTreeItemColor>(parent, label, info);
    row->CreateColorWindow(kColourOptions, colour, 0);
    return row;
}

COptionTreeItemSpinner* COptionRows::AddNumber(COptionTreeItem* parent, const CString& label, const CString& info,
                                                 int value, int minimum, int maximum) {
    auto* row = Insert<COptionTreeItemSpinner>(parent, label, info);
    row->CreateSpinnerWindow(kSpinnerOptions, value, minimum, maximum);
    return row;
}

COptionTreeItemDate* COptionRows::AddDate(COptionTreeItem* parent, const CString& label, const CString& info,
                                            const COleDateTime& date) {
    auto* row = Insert<COptionTreeItemDate>(parent, label, info);
    if (row->CreateDateWindow(L"yyyy, MMM d, ddd", kLongDateStyle)) row->SetTime(date);
    return row;
}

COptionTreeItemImage* COptionRows::AddHatch(COptionTreeItem* parent, const CString& label, const CString& info,
                                              int hatch, int columns) {
    auto* row = Insert<COptionTreeItemImage>(parent, label, info);
    if (!row->CreateImageWindow(kImageOptions, 16, 16, columns)) return row;
    for (const HatchImage& image : kHatchImages) row->AddImage(image.icon, LoadResString(image.tip));
    row->SetSelected(hatch);
    return row;
}

COptionTreeItemStatic* COptionRows::AddStatic(COptionTreeItem* parent, const CString& label, const CString& info,
                                                const CString& value) {
    auto* row = Insert<COptionTreeItemStatic>(parent, label, info);
    row->SetStaticText(value);
    return row;
}

