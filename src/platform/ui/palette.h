#pragma once
// Palettes. Every surface here has true colour, so a palette only keeps its colours: selecting
// and realising one changes nothing, and PALETTERGB is the plain colour.
#include "platform/ui/gdi_object.h"

class CDC;

struct PALETTEENTRY {
    BYTE peRed;
    BYTE peGreen;
    BYTE peBlue;
    BYTE peFlags;
};

// Followed in memory by palNumEntries - 1 more entries.
struct LOGPALETTE {
    WORD palVersion;
    WORD palNumEntries;
    PALETTEENTRY palPalEntry[1];
};
using LPLOGPALETTE = LOGPALETTE*;

#define PALETTERGB(r, g, b) RGB(r, g, b)

HPALETTE CreatePalette(const LOGPALETTE* plpal);
UINT GetPaletteEntries(HPALETTE hpal, UINT iStart, UINT cEntries, PALETTEENTRY* pPalEntries);
// Returns the palette selected before (none here).
HPALETTE SelectPalette(HDC hdc, HPALETTE hPal, BOOL bForceBkgd);
// The number of entries mapped into the system palette: none.
UINT RealizePalette(HDC hdc);

class CPalette : public CGdiObject {
public:
    CPalette() = default;
    operator HPALETTE() const { return static_cast<HPALETTE>(m_hObject); }
    BOOL CreatePalette(LPLOGPALETTE lpLogPalette);
    int GetEntryCount() const;
    UINT GetPaletteEntries(UINT nStartIndex, UINT nNumEntries, PALETTEENTRY* lpPaletteColors) const;
    static CPalette* FromHandle(HPALETTE h) { return static_cast<CPalette*>(CGdiObject::FromHandle(h)); }
};
