#pragma once
// Window classes: a name with a class style (CS_DBLCLKS decides whether a window gets double
// clicks), a cursor (the WM_SETCURSOR fallback) and a background brush (WM_ERASEBKGND).
// Names compare without regard to case.
#include "platform/ui/gdi_defs.h"
#include "platform/ui/window_defs.h"

using ATOM = WORD;

ATOM RegisterClass(const WNDCLASS* wc);
BOOL UnregisterClass(LPCTSTR className, HINSTANCE instance);
BOOL GetClassInfo(HINSTANCE instance, LPCTSTR className, WNDCLASS* wc);
// Registers (once) a class with these values under a generated name and returns the name,
// which stays valid for the life of the process.
LPCTSTR AfxRegisterWndClass(UINT classStyle, HCURSOR cursor = nullptr, HBRUSH background = nullptr,
                            HICON icon = nullptr);
BOOL AfxRegisterClass(WNDCLASS* wc);
HINSTANCE AfxGetInstanceHandle();
// The handle resources come from: the one AfxSetResourceHandle set (resources.h), else the
// program's instance.
HINSTANCE AfxGetResourceHandle();
// The class style, cursor and brush of a class; false for an unknown name. The empty name
// is the layer's plain class (CS_DBLCLKS, arrow cursor, no background brush).
bool FindWindowClass(LPCTSTR className, WNDCLASS* wc);

// The class values of a window (GCL_STYLE, GCLP_HCURSOR, GCLP_HBRBACKGROUND). Setting one
// changes the window's class: the window and every window made from the class later.
inline constexpr int GCLP_HBRBACKGROUND = -10, GCLP_HCURSOR = -12, GCL_STYLE = -26;
ULONG_PTR GetClassLongPtr(HWND hwnd, int index);
ULONG_PTR SetClassLongPtr(HWND hwnd, int index, LONG_PTR value);
inline DWORD GetClassLong(HWND hwnd, int index) { return static_cast<DWORD>(GetClassLongPtr(hwnd, index)); }
inline DWORD SetClassLong(HWND hwnd, int index, LONG value) { return static_cast<DWORD>(SetClassLongPtr(hwnd, index, value)); }
