#include "platform/ui/idle_hooks.h"

#include <utility>
#include <vector>

namespace {

struct Entry {
    int cookie;
    IdleHook hook;
};

std::vector<Entry>& Hooks() {
    static auto* hooks = new std::vector<Entry>;
    return *hooks;
}

}  // namespace

int AddIdleHook(IdleHook hook) {
    static int next = 0;
    Hooks().push_back(Entry{++next, std::move(hook)});
    return next;
}

void RemoveIdleHook(int cookie) {
    auto& hooks = Hooks();
    for (auto it = hooks.begin(); it != hooks.end(); ++it)
        if (it->cookie == cookie) {
            hooks.erase(it);
            return;
        }
}

void RunIdleHooks() {
    // A hook may add or remove hooks; run over a copy.
    const std::vector<Entry> hooks = Hooks();
    for (const Entry& e : hooks)
        if (e.hook) e.hook();
}
