#pragma once
// CFolderButton: a scroll button of the folder tab strip. It draws a first, previous, next or
// last arrow (ids 1 to 4) and repeats its command while it is held.
#include "platform/ui/button.h"
#include "platform/ui/message_map.h"
#include "platform/ui/runtime_class.h"

class CFolderButton : public CButton {
    DECLARE_DYNAMIC(CFolderButton)

public:
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonDblClk(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnTimer(UINT_PTR id);
    DECLARE_MESSAGE_MAP()

private:
    int m_repeatCount = 0;
};
