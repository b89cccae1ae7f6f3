#include "platform/ui/window_class.h"

#include <map>
#include <memory>
#include <string>

#include "platform/core/cstring.h"
#include "platform/ui/icon.h"

namespace {

std::wstring Key(LPCTSTR name) {
    std::wstring k;
    for (; name && *name; ++name) k += (*name >= L'a' && *name <= L'z') ? static_cast<wchar_t>(*name - 32) : *name;
    return k;
}

struct ClassEntry {
    WNDCLASS wc{};
    std::wstring name;
};

std::map<std::wstring, std::unique_ptr<ClassEntry>>& Registry() {
    static std::map<std::wstring, std::unique_ptr<ClassEntry>> registry;
    return registry;
}

}  // namespace

ATOM RegisterClass(const WNDCLASS* wc) {
    if (!wc || !wc->lpszClassName || !*wc->lpszClassName) return 0;
    auto& reg = Registry();
    const std::wstring key = Key(wc->lpszClassName);
    if (reg.count(key)) return 0;  // a class is registered once
    auto entry = std::make_unique<ClassEntry>();
    entry->wc = *wc;
    entry->name = wc->lpszClassName;
    entry->wc.lpszClassName = entry->name.c_str();
    reg[key] = std::move(entry);
    return static_cast<ATOM>(0xC000 + reg.size());
}

BOOL UnregisterClass(LPCTSTR className, HINSTANCE) { return Registry().erase(Key(className)) ? TRUE : FALSE; }

bool FindWindowClass(LPCTSTR className, WNDCLASS* wc) {
    if (!className || !*className) {
        if (wc) {
            *wc = WNDCLASS{};
            wc->style = CS_DBLCLKS;
            wc->hCursor = LoadCursor(nullptr, IDC_ARROW);
        }
        return true;
    }
    auto it = Registry().find(Key(className));
    if (it == Registry().end()) return false;
    if (wc) *wc = it->second->wc;
    return true;
}

BOOL GetClassInfo(HINSTANCE, LPCTSTR className, WNDCLASS* wc) {
    if (!className || !*className) return FALSE;
    return FindWindowClass(className, wc) ? TRUE : FALSE;
}

LPCTSTR AfxRegisterWndClass(UINT classStyle, HCURSOR cursor, HBRUSH background, HICON icon) {
    CString name;
    name.Format(L"Afx:%x:%p:%p:%p", classStyle, static_cast<void*>(cursor), static_cast<void*>(background),
                static_cast<void*>(icon));
    auto& reg = Registry();
    auto it = reg.find(Key(name));
    if (it != reg.end()) return it->second->name.c_str();
    WNDCLASS wc{};
    wc.style = classStyle;
    wc.hCursor = cursor;
    wc.hbrBackground = background;
    wc.hIcon = icon;
    wc.lpszClassName = name;
    RegisterClass(&wc);
    return reg.find(Key(name))->second->name.c_str();
}

BOOL AfxRegisterClass(WNDCLASS* wc) {
    if (!wc) return FALSE;
    if (FindWindowClass(wc->lpszClassName, nullptr)) return TRUE;
    return RegisterClass(wc) != 0;
}

HINSTANCE AfxGetInstanceHandle() {
    static int instance = 0;
    return reinterpret_cast<HINSTANCE>(&instance);
}

HINSTANCE AfxGetResourceHandle() { return AfxGetInstanceHandle(); }
