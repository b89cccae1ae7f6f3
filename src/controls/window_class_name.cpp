#include "controls/window_class_name.h"

#include <cstdint>

#include "platform/ui/window_api.h"
#include "platform/ui/window_class.h"

namespace {
unsigned HandleBits(const void* handle) { return static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(handle)); }
}  // namespace

CString GetWindowClassName(LPCTSTR baseName, UINT classStyle, HCURSOR cursor, HBRUSH brush, HICON icon) {
    HINSTANCE instance = AfxGetInstanceHandle();
    CString name;
    name.Format(L"%s:%x:%x:%x:%x:%x", baseName, HandleBits(instance), classStyle, HandleBits(cursor),
                HandleBits(brush), HandleBits(icon));
    WNDCLASS wc{};
    if (GetClassInfo(instance, name, &wc)) return name;
    wc.style = classStyle;
    wc.lpfnWndProc = ::DefWindowProc;
    wc.hInstance = instance;
    wc.hIcon = icon;
    wc.hCursor = cursor;
    wc.hbrBackground = brush;
    wc.lpszClassName = name;
    if (RegisterClass(&wc)) return name;
    return AfxRegisterWndClass(classStyle, cursor, brush, icon);
}
