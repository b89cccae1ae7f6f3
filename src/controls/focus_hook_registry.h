#pragma once
// CFocusHookRegistry: tells a listener when the focus enters or leaves its window or any
// window inside it, by watching WM_SETFOCUS and WM_KILLFOCUS through the layer's hook on
// sent messages. The registry does not own its listeners.
#include <map>
#include <mutex>

#include "controls/hook_listeners.h"

class CFocusHookRegistry {
public:
    static CFocusHookRegistry& Get();
    ~CFocusHookRegistry();
    CFocusHookRegistry(const CFocusHookRegistry&) = delete;
    CFocusHookRegistry& operator=(const CFocusHookRegistry&) = delete;

    // Stores or replaces the window the listener watches; false when the map cannot grow.
    bool Add(CFocusHookListener* listener, HWND window);
    void Remove(CFocusHookListener* listener);
    bool Contains(CFocusHookListener* listener);

private:
    CFocusHookRegistry();
    static LRESULT HookProc(int code, WPARAM wParam, LPARAM lParam);

    HHOOK m_hook = nullptr;
    std::map<CFocusHookListener*, HWND> m_listeners;
    std::recursive_mutex m_lock;
};
