#include "controls/key_filter.h"

#include "platform/core/virtual_keys.h"

BOOL SwallowEscapeAndEnter(const MSG* pMsg) {
    return pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_ESCAPE || pMsg->wParam == VK_RETURN);
}
