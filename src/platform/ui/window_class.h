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
HINSTANCE AfxGetResourceHandle();
// The class style, cursor and brush of a class; false for an unknown name. The empty name
// is the layer's plain class (CS_DBLCLKS, arrow cursor, no background brush).
bool FindWindowClass(LPCTSTR className, WNDCLASS* wc);
