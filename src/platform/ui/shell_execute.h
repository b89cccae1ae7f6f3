#pragma once
// Opening a file or an address with the program the desktop chooses for it. The opening goes
// through one replaceable opener: the program uses the desktop's (QDesktopServices); a test
// installs its own and sees what would have been opened.
#include <functional>

#include "platform/core/cstring.h"
#include "platform/core/win_types.h"
#include "platform/ui/window_defs.h"

// True when the target could be handed to a program. The target is a path or an address.
using ShellOpener = std::function<bool(const CString& target)>;
// Installs an opener; an empty one goes back to the desktop's. Returns the previous one
// (empty for the desktop's).
ShellOpener SetShellOpener(ShellOpener opener);

// Error results (at most 32); success is a value above 32.
inline constexpr int SE_ERR_FNF = 2, SE_ERR_NOASSOC = 31;

// Only the verbs "open" (or none) and "explore" are known; parameters and folder are ignored
// for documents and addresses.
HINSTANCE ShellExecute(HWND hwnd, LPCTSTR lpVerb, LPCTSTR lpFile, LPCTSTR lpParameters, LPCTSTR lpDirectory,
                       INT nShowCmd);

inline constexpr ULONG SEE_MASK_DEFAULT = 0x00000000, SEE_MASK_FLAG_NO_UI = 0x00000400;
inline constexpr ULONG SEE_MASK_NOCLOSEPROCESS = 0x00000040;

struct SHELLEXECUTEINFO {
    DWORD cbSize = sizeof(SHELLEXECUTEINFO);
    ULONG fMask = 0;
    HWND hwnd = nullptr;
    LPCTSTR lpVerb = nullptr;
    LPCTSTR lpFile = nullptr;
    LPCTSTR lpParameters = nullptr;
    LPCTSTR lpDirectory = nullptr;
    int nShow = 0;
    HINSTANCE hInstApp = nullptr;
};

BOOL ShellExecuteEx(SHELLEXECUTEINFO* info);
