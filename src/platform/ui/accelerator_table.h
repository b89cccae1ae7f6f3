#pragma once
// Accelerator tables: key combinations that send a command. A table comes from the
// ACCELERATORS resource of the current language pack (LoadAccelerators) or from entries
// (CreateAcceleratorTable); TranslateAccelerator, run from the message filter, turns a
// matching key message into WM_COMMAND (high word of wParam 1) for the window.
#include "platform/ui/menu_defs.h"

HACCEL LoadAccelerators(HINSTANCE instance, LPCTSTR name);
HACCEL CreateAcceleratorTable(LPACCEL entries, int count);
BOOL DestroyAcceleratorTable(HACCEL table);
// Copies up to count entries out (all of them when entries is null: then only counts).
int CopyAcceleratorTable(HACCEL table, LPACCEL entries, int count);
// Sends the command of the first entry that matches the key message to hwnd; nonzero then.
// Virtual-key entries match WM_KEYDOWN/WM_SYSKEYDOWN with exactly their Shift, Ctrl and Alt;
// character entries match WM_CHAR/WM_SYSCHAR (Alt as given, Shift and Ctrl are part of the character).
int TranslateAccelerator(HWND hwnd, HACCEL table, LPMSG msg);
