#pragma once
// Listeners of the process-wide key and focus registries (keyboard_hook_registry.h,
// focus_hook_registry.h).
#include "platform/ui/window_defs.h"

class CKeyboardHookListener {
public:
    virtual ~CKeyboardHookListener() = default;
    // A key went down or repeats: the virtual key and the key data of the key message.
    virtual void OnKeyDown(UINT virtualKey, LPARAM keyData) = 0;
};

class CFocusHookListener {
public:
    virtual ~CFocusHookListener() = default;
    // The focus entered (gained) or left the watched window or a window inside it; `window`
    // is the one that gained or lost it.
    virtual void OnFocusChanged(bool gained, HWND window) = 0;
};
