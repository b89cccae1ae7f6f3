#pragma once
// The record the in-place controls of CListBoxEx send with the registered message
// "ipc_CtrlMsg" (wParam 0, lParam the record). The answer tells the sender whether to hide:
// non-zero means the editing has ended.
#include "platform/ui/window_defs.h"

struct IPC_CTRLMSG {
    HWND sender;      // the sending control; null in the button's records
    int code;         // kKey, kClicked or kFocusLost
    UINT_PTR value;   // kKey: the virtual key; kClicked: the button's id; kFocusLost: the window that gets the focus
    int x, y;         // screen position of the mouse
    enum : int { kKey = 1, kClicked = 2, kFocusLost = 3 };
};

// The registered message, the same in every window.
UINT InPlaceCtrlMessage();
// Sends a record for `sender` (null for none) to the list and gives the list's answer.
LRESULT SendInPlaceRecord(HWND list, HWND sender, int code, UINT_PTR value);
