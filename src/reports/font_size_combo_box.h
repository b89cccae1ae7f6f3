#pragma once
// CFontSizeComboBox: the report page's choice of the report font size in pixels. Closed it
// shows the FontSize setting; opened it lists the sizes 8 to 48. A choice is stored in the
// setting and then told to the owner; a list closed without a choice shows the setting again.
#include "platform/core/cstring.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/message_map.h"

class CFontSizeComboBox : public CComboBox {
public:
    // Sent to the owner after a choice, with 0 and 0.
    static constexpr UINT kChanged = WM_USER + 19;
    static constexpr int kSizes[15] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48};

    // The list holds only the text, selected.
    void SetSizeText(const CString& text);
    // The setting's size as the only entry.
    void ShowSetting();


protected:
    void OnDropDown();
    void OnCloseUp();
    void OnSelChange();
    DECLARE_MESSAGE_MAP()
};
