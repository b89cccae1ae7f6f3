#pragma once
// Handle-based window functions, for code that works with HWND values (and for the layer's
// own message pump). All of them run on the user-interface thread, except PostMessage.
#include "platform/core/cstring.h"
#include "platform/ui/gdi_defs.h"
#include "platform/ui/window_defs.h"

struct PAINTSTRUCT {
    HDC hdc;
    BOOL fErase;  // TRUE when the background still needs erasing (WM_ERASEBKGND returned 0)
    RECT rcPaint;
    BOOL fRestore;
    BOOL fIncUpdate;
    BYTE rgbReserved[32];
};

BOOL IsWindow(HWND hwnd);
LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// Queues the message for the window; safe from any thread. A null window posts a thread
// message that only the PreTranslateMessage handler sees.
BOOL PostMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int exitCode);
// The same number for the same name (compared exactly) for the life of the process, from 0xC000.
UINT RegisterWindowMessage(LPCTSTR name);
LRESULT DefWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
HWND CreateWindowEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style, int x, int y, int width,
                    int height, HWND parent, HMENU menuOrId, HINSTANCE instance, LPVOID param);
BOOL DestroyWindow(HWND hwnd);
HWND GetParent(HWND hwnd);
HWND GetWindow(HWND hwnd, UINT cmd);
HWND GetDlgItem(HWND hwnd, int id);
int GetDlgCtrlID(HWND hwnd);
HWND WindowFromPoint(POINT point);
HWND ChildWindowFromPoint(HWND parent, POINT point);
int GetClassName(HWND hwnd, LPTSTR buffer, int maxCount);
LONG_PTR GetWindowLongPtr(HWND hwnd, int index);
LONG_PTR SetWindowLongPtr(HWND hwnd, int index, LONG_PTR value);
inline LONG GetWindowLong(HWND hwnd, int index) { return static_cast<LONG>(GetWindowLongPtr(hwnd, index)); }
inline LONG SetWindowLong(HWND hwnd, int index, LONG value) { return static_cast<LONG>(SetWindowLongPtr(hwnd, index, value)); }
BOOL ShowWindow(HWND hwnd, int cmdShow);
BOOL IsWindowVisible(HWND hwnd);
BOOL IsWindowEnabled(HWND hwnd);
BOOL EnableWindow(HWND hwnd, BOOL enable);
BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint);
BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
BOOL GetWindowRect(HWND hwnd, LPRECT rc);
BOOL GetClientRect(HWND hwnd, LPRECT rc);
BOOL ClientToScreen(HWND hwnd, LPPOINT point);
BOOL ScreenToClient(HWND hwnd, LPPOINT point);
int MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count);
BOOL IsChild(HWND parent, HWND hwnd);
BOOL InvalidateRect(HWND hwnd, LPCRECT rc, BOOL erase);
BOOL InvalidateRgn(HWND hwnd, HRGN rgn, BOOL erase);
BOOL ValidateRect(HWND hwnd, LPCRECT rc);
BOOL UpdateWindow(HWND hwnd);
BOOL RedrawWindow(HWND hwnd, LPCRECT rc, HRGN rgn, UINT flags);
HDC BeginPaint(HWND hwnd, PAINTSTRUCT* ps);
BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* ps);
HDC GetDC(HWND hwnd);
HDC GetWindowDC(HWND hwnd);
int ReleaseDC(HWND hwnd, HDC dc);
int SetWindowRgn(HWND hwnd, HRGN rgn, BOOL redraw);
HWND SetFocus(HWND hwnd);
HWND GetFocus();
HWND SetCapture(HWND hwnd);
BOOL ReleaseCapture();
HWND GetCapture();
HWND GetActiveWindow();
BOOL TrackMouseEvent(LPTRACKMOUSEEVENT track);
// High bit set while the key is down; low bit the toggle state (caps lock...).
SHORT GetKeyState(int virtualKey);
SHORT GetAsyncKeyState(int virtualKey);
UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc);
BOOL KillTimer(HWND hwnd, UINT_PTR id);
UINT GetDoubleClickTime();
DWORD GetMessageTime();
DWORD GetMessagePos();
DWORD GetTickCount();
HHOOK SetWindowsHookEx(int idHook, HOOKPROC proc, HINSTANCE module, DWORD threadId);
BOOL UnhookWindowsHookEx(HHOOK hook);
LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam);
// Offers a message of a modal loop (a menu: MSGF_MENU) to the WH_MSGFILTER hooks; TRUE when one took it.
BOOL CallMsgFilter(LPMSG msg, int code);
DWORD GetCurrentThreadId();
BOOL SetScrollInfo(HWND hwnd, int bar, LPCSCROLLINFO info, BOOL redraw);
BOOL GetScrollInfo(HWND hwnd, int bar, LPSCROLLINFO info);
// bar SB_HORZ, SB_VERT, SB_BOTH for a window's own bars; SB_CTL when hwnd is a scroll-bar control.
BOOL ShowScrollBar(HWND hwnd, int bar, BOOL show);
BOOL EnableScrollBar(HWND hwnd, UINT bar, UINT arrows);

// The application's message filter: called for every input and posted message before it is
// dispatched (the default walks PreTranslateMessage up the window's parents). The
// application object replaces it to add its own steps; TRUE eats the message.
using PreTranslateHandler = BOOL (*)(MSG* msg);
void SetPreTranslateHandler(PreTranslateHandler handler);
// Runs the message filter for a message as the pump does, then dispatches it unless eaten.
void DispatchThroughFilter(MSG& msg);
// Whether windows can be translucent here (a compositing window manager); popups draw their
// soft shadows only when it is.
BOOL IsWindowCompositionAvailable();
