#pragma once
// Layer-private: the window procedures of the bar controls and helpers shared between them.
#include "platform/core/cstring.h"
#include "platform/ui/window_defs.h"

LRESULT ToolBarWindowProc(HWND h, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT ReBarWindowProc(HWND h, UINT message, WPARAM wParam, LPARAM lParam);
CString GetToolBarButtonTip(HWND h, int index);
