#include "controls/keyboard_hook_registry.h"

#include <new>
#include <vector>

#include "platform/ui/window_api.h"

CKeyboardHookRegistry& CKeyboardHookRegistry::Get() {
    static CKeyboardHookRegistry registry;
    return registry;
}

CKeyboardHookRegistry::CKeyboardHookRegistry() {
    m_hook = SetWindowsHookEx(WH_KEYBOARD, &HookProc, nullptr, GetCurrentThreadId());
}

CKeyboardHookRegistry::~CKeyboardHookRegistry() {
    if (m_hook) UnhookWindowsHookEx(m_hook);
}

bool CKeyboardHookRegistry::Add(CKeyboardHookListener* listener) {
    std::lock_guard guard(m_lock);
    try {
        m_listeners.insert(listener);
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

void CKeyboardHookRegistry::Remove(CKeyboardHookListener* listener) {
    std::lock_guard guard(m_lock);
    m_listeners.erase(listener);
}

bool CKeyboardHookRegistry::Contains(CKeyboardHookListener* listener) {
    std::lock_guard guard(m_lock);
    return m_listeners.count(listener) != 0;
}

LRESULT CKeyboardHookRegistry::HookProc(int code, WPARAM wParam, LPARAM lParam) {
    CKeyboardHookRegistry& self = Get();
    // Bit 31 of the key data is set while the key goes up.
    if (code == HC_ACTION && (static_cast<DWORD>(lParam) & 0x80000000u) == 0) {
        std::lock_guard guard(self.m_lock);
        // A listener may remove itself while it is called: walk a copy, skip the removed.
        const std::vector<CKeyboardHookListener*> listeners(self.m_listeners.begin(), self.m_listeners.end());
        for (CKeyboardHookListener* listener : listeners)
            if (self.m_listeners.count(listener)) listener->OnKeyDown(static_cast<UINT>(wParam), lParam);
    }
    return CallNextHookEx(self.m_hook, code, wParam, lParam);
}
