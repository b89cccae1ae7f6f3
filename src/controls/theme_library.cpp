#include "controls/theme_library.h"

// The module stays unloaded: there is no visual-styles library to reach.
CThemeLibrary::CThemeLibrary() = default;

CThemeLibrary::~CThemeLibrary() = default;

BOOL CThemeLibrary::IsAppThemed() const { return FALSE; }

HTHEME CThemeLibrary::OpenThemeData(CWnd*, LPCWSTR) const { return nullptr; }

HRESULT CThemeLibrary::CloseThemeData(HTHEME) const { return E_FAIL; }

HRESULT CThemeLibrary::DrawThemeBackground(HTHEME, CDC*, int, int, const RECT*, const RECT*) const { return E_FAIL; }

HRESULT CThemeLibrary::DrawThemedBackground(CDC* pDC, const RECT* pRect, HTHEME hTheme, CWnd*, int iPartId,
                                            int iStateId, const RECT* pClipRect) const {
    // Without the parent-background entry only the part is asked for.
    return DrawThemeBackground(hTheme, pDC, iPartId, iStateId, pRect, pClipRect);
}
