#pragma once
// CThemeApi: the one process-wide table of visual-styles entry points. The table is marked
// available only when every entry is found; on this platform none is, so callers see
// "not available" and draw classically.
#include "platform/ui/gdi_defs.h"

class CThemeApi {
public:
    static CThemeApi& Instance();

    void Load();
    void AddRef();
    void Release();
    bool IsAvailable() const { return m_available; }
    int RefCount() const { return m_refCount; }

    BOOL IsAppThemed() const;
    void* OpenThemeData(HWND hWnd, LPCWSTR pszClassList) const;
    // TRUE only when the table is available, the handle is set and closing it succeeded.
    BOOL CloseTheme(void* hTheme) const;

private:
    CThemeApi() = default;
    void* m_hModule = nullptr;
    bool m_available = false;
    int m_refCount = 0;
};
