#include "reports/justify_combo_box.h"

BEGIN_MESSAGE_MAP(CJustifyComboBox, CComboBox)
    ON_CONTROL_REFLECT(CBN_SELCHANGE, &CJustifyComboBox::OnSelChange)
END_MESSAGE_MAP()

void CJustifyComboBox::OnSelChange() {
    const int selected = GetCurSel();
    if (selected < 0) return;
    CWnd* owner = GetOwner() ? GetOwner() : GetParent();
    if (owner) owner->SendMessage(kChanged, static_cast<WPARAM>(GetDlgCtrlID()), static_cast<LPARAM>(selected));
}
