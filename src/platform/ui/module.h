#pragma once
// The program's module: its file name and instance handle, and the start-up call of the common
// controls (the layer's controls need no set-up).
#include "platform/ui/window_defs.h"

// The program file's full path, cut to nSize - 1 characters and terminated; returns the number
// of characters copied (nSize when it was cut), 0 on failure. Any module handle names the program.
DWORD GetModuleFileName(HMODULE hModule, LPTSTR lpFilename, DWORD nSize);
HMODULE GetModuleHandle(LPCTSTR lpModuleName);

struct INITCOMMONCONTROLSEX {
    DWORD dwSize;
    DWORD dwICC;
};
inline void InitCommonControls() {}
inline BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX*) { return TRUE; }
