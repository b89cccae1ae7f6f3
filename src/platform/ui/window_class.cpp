#include "platform/ui/window_class.h"

#include <map>
#include <memory>
#include <string>

#include "platform/core/cstring.h"
#include "platform/ui/icon.h"
#include "platform/ui/window_record.h"

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


namespace {

ULONG_PTR Read(const WNDCLASS& wc, int index) {
    switch (index) {
    case GCL_STYLE: return wc.style;
    case GCLP_HCURSOR: return reinterpret_cast<ULONG_PTR>(wc.hCursor);
    case GCLP_HBRBACKGROUND: return reinterpret_cast<ULONG_PTR>(wc.hbrBackground);
    default: return 0;
    }
}

void Write(WNDCLASS& wc, int index, LONG_PTR value) {
    switch (index) {
    case GCL_STYLE: wc.style = static_cast<UINT>(value); break;
    case GCLP_HCURSOR: wc.hCursor = reinterpret_cast<HCURSOR>(value); break;
    case GCLP_HBRBACKGROUND: wc.hbrBackground = reinterpret_cast<HBRUSH>(value); break;
    default: break;
    }
}

}  // namespace

ULONG_PTR GetClassLongPtr(HWND hwnd, int index) { return vorn_ui::IsLive(hwnd) ? Read(hwnd->cls, index) : 0; }

ULONG_PTR SetClassLongPtr(HWND hwnd, int index, LONG_PTR value) {
    if (!vorn_ui::IsLive(hwnd) || (index != GCL_STYLE && index != GCLP_HCURSOR && index != GCLP_HBRBACKGROUND)) return 0;
    const ULONG_PTR old = Read(hwnd->cls, index);
    Write(hwnd->cls, index, value);
    auto it = Registry().find(Key(hwnd->className.c_str()));
    if (it != Registry().end()) Write(it->second->wc, index, value);
    return old;
}
