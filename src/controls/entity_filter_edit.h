#pragma once
// The edit field laid over the entity combo box while its list is open: every typed character
// asks the box to filter again; Enter and Escape are not typed, and the editing keys reach
// the field before the frame's accelerators can take them.
#include "platform/ui/edit.h"
#include "platform/ui/message_map.h"

class CEntityFilterEdit : public CEdit {
public:
    static constexpr UINT kTyped = WM_USER + 1;  // to the box after every typed character

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()
};
