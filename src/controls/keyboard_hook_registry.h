#pragma once
// CKeyboardHookRegistry: tells its listeners about every key that goes down on the
// user-interface thread, through the layer's keyboard hook. The registry does not own its
// listeners; a listener removes itself before it goes away.
#include <mutex>
#include <set>

#include "controls/hook_listeners.h"

class CKeyboardHookRegistry {
public:
    static CKeyboardHookRegistry& Get();
    ~CKeyboardHookRegistry();
    CKeyboardHookRegistry(const CKeyboardHookRegistry&) = delete;
    CKeyboardHookRegistry& operator=(const CKeyboardHookRegistry&) = delete;

    // False when the set cannot grow.
    bool Add(CKeyboardHookListener* listener);
    void Remove(CKeyboardHookListener* listener);
    bool Contains(CKeyboardHookListener* listener);

private:
    CKeyboardHookRegistry();
    static LRESULT HookProc(int code, WPARAM wParam, LPARAM lParam);

    HHOOK m_hook = nullptr;
    std::set<CKeyboardHookListener*> m_listeners;
    std::recursive_mutex m_lock;
};
