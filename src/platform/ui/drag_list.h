#pragma once
// Drag lists: a list box made a drag list (MakeDragList) tells its parent about drags of its
// items with the registered message "commctrl_DragListMsg" (DRAGLISTMSGSTRING): wParam is the
// list's control id, lParam a DRAGLISTINFO. A drag begins when the pointer moves a few pixels with
// the left button held over an item; the parent's answer to DL_BEGINDRAG decides whether it goes
// on, its answer to DL_DRAGGING is the cursor to show (DL_STOPCURSOR, DL_COPYCURSOR,
// DL_MOVECURSOR). Releasing the button drops (DL_DROPPED), Escape cancels (DL_CANCELDRAG).
// A parent that answers 0 hands the message on to the list's OnChildNotify.
#include "platform/core/geometry.h"
#include "platform/ui/window_defs.h"

#define DRAGLISTMSGSTRING L"commctrl_DragListMsg"

inline constexpr UINT DL_BEGINDRAG = WM_USER + 133, DL_DRAGGING = WM_USER + 134;
inline constexpr UINT DL_DROPPED = WM_USER + 135, DL_CANCELDRAG = WM_USER + 136;
inline constexpr int DL_CURSORSET = 0, DL_STOPCURSOR = 1, DL_COPYCURSOR = 2, DL_MOVECURSOR = 3;

struct DRAGLISTINFO {
    UINT uNotification;
    HWND hWnd;
    POINT ptCursor;  // screen coordinates
};
using LPDRAGLISTINFO = DRAGLISTINFO*;

BOOL MakeDragList(HWND hLB);
// The item at a screen point; -1 outside the items. With bAutoScroll a point just above or below
// the list scrolls it by one line (at most every 100 ms) and gives -1.
int LBItemFromPt(HWND hLB, POINT pt, BOOL bAutoScroll);
// Draws the insert arrow in the parent beside item nItem of the list, taking the previous arrow
// away; -1 only takes it away.
void DrawInsert(HWND handParent, HWND hLB, int nItem);
