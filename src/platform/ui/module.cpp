#include "platform/ui/module.h"

#include <algorithm>
#include <cwchar>

#include "platform/core/file_system.h"
#include "platform/ui/window_class.h"

DWORD GetModuleFileName(HMODULE, LPTSTR lpFilename, DWORD nSize) {
    if (!lpFilename || nSize == 0) return 0;
    const CString path = GetModuleFilePath();
    if (path.IsEmpty()) {
        lpFilename[0] = 0;
        return 0;
    }
    const DWORD length = static_cast<DWORD>(path.GetLength());
    const DWORD copied = std::min(length, nSize - 1);
    std::wmemcpy(lpFilename, static_cast<const wchar_t*>(path), copied);
    lpFilename[copied] = 0;
    return copied < length ? nSize : copied;
}

HMODULE GetModuleHandle(LPCTSTR lpModuleName) { return lpModuleName ? nullptr : AfxGetInstanceHandle(); }
