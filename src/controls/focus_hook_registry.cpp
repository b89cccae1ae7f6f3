#include "controls/focus_hook_registry.h"

#include <new>
#include <utility>
#include <vector>

#include "platform/ui/window_api.h"

CFocusHookRegistry& CFocusHookRegistry::Get() {
    static CFocusHookRegistry registry;
    return registry;
}

CFocusHookRegistry::CFocusHookRegistry() {
    m_hook = SetWindowsHookEx(WH_CALLWNDPROC, &HookProc, nullptr, GetCurrentThreadId());
}

CFocusHookRegistry::~CFocusHookRegistry() {
    if (m_hook) UnhookWindowsHookEx(m_hook);
}

bool CFocusHookRegistry::Add(CFocusHookListener* listener, HWND window) {
    std::lock_guard guard(m_lock);
    try {
        m_listeners[listener] = window;
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

void CFocusHookRegistry::Remove(CFocusHookListener* listener) {
    std::lock_guard guard(m_lock);
    m_listeners.erase(listener);
}

bool CFocusHookRegistry::Contains(CFocusHookListener* listener) {
    std::lock_guard guard(m_lock);
    return m_listeners.count(listener) != 0;
}

LRESULT CFocusHookRegistry::HookProc(int code, WPARAM wParam, LPARAM lParam) {
    CFocusHookRegistry& self = Get();
    const auto* cwp = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && cwp && (cwp->message == WM_SETFOCUS || cwp->message == WM_KILLFOCUS)) {
        std::lock_guard guard(self.m_lock);
        const std::vector<std::pair<CFocusHookListener*, HWND>> listeners(self.m_listeners.begin(),
                                                                          self.m_listeners.end());
        for (const auto& [listener, watched] : listeners) {
            for (HWND w = cwp->hwnd; w; w = GetParent(w)) {
                if (w != watched) continue;
                if (self.m_listeners.count(listener)) listener->OnFocusChanged(cwp->message == WM_SETFOCUS, cwp->hwnd);
                break;
            }
        }
    }
    return CallNextHookEx(self.m_hook, code, wParam, lParam);
}
