#pragma once
// Screens: which monitor holds a point, rectangle or window, its area and work area (without
// panels and docks), and the desktop window that spans all screens.
#include <vector>

#include "platform/core/geometry.h"
#include "platform/ui/window_defs.h"

struct HMONITOR__;
using HMONITOR = HMONITOR__*;

inline constexpr DWORD MONITOR_DEFAULTTONULL = 0, MONITOR_DEFAULTTOPRIMARY = 1, MONITOR_DEFAULTTONEAREST = 2;
inline constexpr DWORD MONITORINFOF_PRIMARY = 1;

struct MONITORINFO {
    DWORD cbSize;
    RECT rcMonitor;
    RECT rcWork;
    DWORD dwFlags;
};
using LPMONITORINFO = MONITORINFO*;

// Null when nothing matches and dwFlags is MONITOR_DEFAULTTONULL.
HMONITOR MonitorFromRect(LPCRECT lprc, DWORD dwFlags);
HMONITOR MonitorFromPoint(POINT pt, DWORD dwFlags);
HMONITOR MonitorFromWindow(HWND hwnd, DWORD dwFlags);
// FALSE for a handle that is no (longer a) screen.
BOOL GetMonitorInfo(HMONITOR hMonitor, LPMONITORINFO lpmi);

// A hidden window whose rectangle is the whole virtual screen.
HWND GetDesktopWindow();

namespace vorn_ui {
// The screen a rectangle belongs to among `screens`: the one it overlaps most, else the nearest
// one (by the distance between the rectangles); -1 for an empty list. `mustTouch` gives -1 when
// it overlaps none.
int ScreenForRect(const std::vector<RECT>& screens, const RECT& rc, bool mustTouch);
}  // namespace vorn_ui
