#pragma once
// CFont: a font made from a LOGFONT. Heights are pixels: a negative height is the character
// height (em size), a positive one the cell height (ascent plus descent). The Windows faces
// the program names map to installed faces with close metrics.
#include "platform/core/cstring.h"
#include "platform/ui/gdi_object.h"

class CDC;

class CFont : public CGdiObject {
public:
    CFont() = default;
    operator HFONT() const { return static_cast<HFONT>(m_hObject); }
    BOOL CreateFontIndirect(const LOGFONT* log);
    BOOL CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                    BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                    BYTE quality, BYTE pitchAndFamily, LPCTSTR faceName);
    // pointSize in tenths of a point, at 96 dots per inch.
    BOOL CreatePointFont(int pointSize, LPCTSTR faceName, CDC* dc = nullptr);
    BOOL CreatePointFontIndirect(const LOGFONT* log, CDC* dc = nullptr);
    int GetLogFont(LOGFONT* log) const;
    static CFont* FromHandle(HFONT h) { return static_cast<CFont*>(CGdiObject::FromHandle(h)); }
};

HFONT CreateFontIndirect(const LOGFONT* log);
// The installed face used for a face name (after substitution).
CString GetSubstituteFaceName(LPCTSTR faceName);
