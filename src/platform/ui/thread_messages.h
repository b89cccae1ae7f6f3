#pragma once
// Messages between threads. SendNotifyMessage is SendMessage for the window's own thread and
// is refused from any other. PostCoalescedMessage is for workers that report often: while one
// of its messages to a window waits in the queue, a new one only replaces the parameters, so the
// window sees the latest value once instead of a backlog.
#include "platform/ui/window_defs.h"

BOOL SendNotifyMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Safe from any thread. FALSE when the window is gone.
BOOL PostCoalescedMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
