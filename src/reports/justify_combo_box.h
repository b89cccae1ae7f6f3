#pragma once
// CJustifyComboBox: a plain drop-down list of the report page's row of choices; a new choice
// is told to the owner with the box's id and the chosen position.
#include "platform/ui/combo_box.h"
#include "platform/ui/message_map.h"

class CJustifyComboBox : public CComboBox {
public:
    // Sent to the owner: wParam the box's id, lParam the chosen position.
    static constexpr UINT kChanged = WM_USER + 19;

protected:
    void OnSelChange();
    DECLARE_MESSAGE_MAP()
};
