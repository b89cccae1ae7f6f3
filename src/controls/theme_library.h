#pragma once
// CThemeLibrary: the visual-styles library as a dialog with hover buttons sees it. This
// platform has no such library, so every operation gives its fallback answer and the
// callers take their classic drawing paths.
#include "platform/ui/gdi_defs.h"

using HTHEME = void*;

class CDC;
class CWnd;

class CThemeLibrary {
public:
    CThemeLibrary();
    virtual ~CThemeLibrary();

    // Whether the module was loaded; never on this platform.
    bool IsLoaded() const { return m_hModule != nullptr; }

    BOOL IsAppThemed() const;
    HTHEME OpenThemeData(CWnd* pWnd, LPCWSTR pszClassList) const;
    HRESULT CloseThemeData(HTHEME hTheme) const;
    HRESULT DrawThemeBackground(HTHEME hTheme, CDC* pDC, int iPartId, int iStateId, const RECT* pRect,
                                const RECT* pClipRect) const;
    // The parent's background under the rectangle (when the entry exists and a window is
    // given), then the part itself.
    HRESULT DrawThemedBackground(CDC* pDC, const RECT* pRect, HTHEME hTheme, CWnd* pWnd, int iPartId, int iStateId,
                                 const RECT* pClipRect) const;

private:
    void* m_hModule = nullptr;
};
