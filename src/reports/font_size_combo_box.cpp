#include "reports/font_size_combo_box.h"

#include "controls/app_document.h"
#include "model/schedule_data.h"

namespace {

// The FontSize setting; 16 without a document.
int SettingSize() {
    const CScheduleData* data = GetAppDocument();
    return data ? data->Settings().GetReportFontSize() : 16;
}

}  // namespace

BEGIN_MESSAGE_MAP(CFontSizeComboBox, CComboBox)
    ON_CONTROL_REFLECT(CBN_DROPDOWN, &CFontSizeComboBox::OnDropDown)
    ON_CONTROL_REFLECT(CBN_CLOSEUP, &CFontSizeComboBox::OnCloseUp)
    ON_CONTROL_REFLECT(CBN_SELCHANGE, &CFontSizeComboBox::OnSelChange)
END_MESSAGE_MAP()

void CFontSizeComboBox::SetSizeText(const CString& text) {
    ResetContent();
    AddString(text);
    SetCurSel(0);
}

void CFontSizeComboBox::ShowSetting() {
    CString text;
    text.Format(L"%d", SettingSize());
    SetSizeText(text);
}

void CFontSizeComboBox::OnDropDown() {
    const int current = SettingSize();
    ResetContent();
    for (int i = 0; i < 15; ++i) {
        CString text;
        text.Format(L"%d", kSizes[i]);
        AddString(text);
        // The open list marks the size in use, when it is one of the list's.
        if (kSizes[i] == current) SetCurSel(i);
    }
}

void CFontSizeComboBox::OnCloseUp() {
    // Closed without a choice: the box shows the size in use again, not an empty field.
    if (GetCurSel() < 0) ShowSetting();
}

void CFontSizeComboBox::OnSelChange() {
    const int selected = GetCurSel();
    if (selected < 0 || selected >= 15 || GetCount() != 15) return;
    if (CScheduleData* data = GetAppDocument()) data->Settings().SetReportFontSize(kSizes[selected]);
    CWnd* owner = GetOwner() ? GetOwner() : GetParent();
    if (owner) owner->SendMessage(kChanged, 0, 0);
}
