#include <algorithm>
#include <optional>

#include "platform/ui/icon.h"
#include "platform/ui/system_metrics.h"

namespace {
std::optional<RECT>& Clip() {
    static std::optional<RECT> clip;
    return clip;
}
}  // namespace

BOOL ClipCursor(const RECT* lpRect) {
    if (!lpRect) {
        Clip().reset();
        return TRUE;
    }
    Clip() = *lpRect;
    POINT p;
    if (GetCursorPos(&p)) {
        const POINT inside{std::clamp(p.x, lpRect->left, std::max(lpRect->left, lpRect->right - 1)),
                           std::clamp(p.y, lpRect->top, std::max(lpRect->top, lpRect->bottom - 1))};
        if (inside.x != p.x || inside.y != p.y) SetCursorPos(inside.x, inside.y);
    }
    return TRUE;
}

BOOL GetClipCursor(LPRECT lpRect) {
    if (!lpRect) return FALSE;
    if (Clip()) {
        *lpRect = *Clip();
    } else {
        const int x = GetSystemMetrics(SM_XVIRTUALSCREEN), y = GetSystemMetrics(SM_YVIRTUALSCREEN);
        *lpRect = RECT{x, y, x + GetSystemMetrics(SM_CXVIRTUALSCREEN), y + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    }
    return TRUE;
}
