#pragma once
// CMarkStatic: one blinking mark beside an option-tree row; its window text is the message
// the small tooltip shows.
#include "platform/core/geometry.h"
#include "platform/ui/message_map.h"
#include "platform/ui/static.h"

class CMarkStatic : public CStatic {
public:
    BOOL m_bVisibleToggle = FALSE;
    UINT_PTR m_nTimer = 0;
    int m_nKind = 0;
    CRect m_rect;

protected:
    void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()
};
