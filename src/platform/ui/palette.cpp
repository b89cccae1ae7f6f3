#include "platform/ui/palette.h"

#include <algorithm>
#include <cstring>

#include "platform/ui/dc.h"
#include "platform/ui/gdi_records.h"

using namespace vorn_ui;

namespace {
PaletteRecord* ToPalette(HGDIOBJ h) { return h && h->objectType == OBJ_PAL ? static_cast<PaletteRecord*>(h) : nullptr; }
}  // namespace

HPALETTE CreatePalette(const LOGPALETTE* plpal) {
    if (!plpal || plpal->palNumEntries == 0) return nullptr;
    auto* p = new PaletteRecord;
    p->entries.resize(plpal->palNumEntries);
    std::memcpy(p->entries.data(), plpal->palPalEntry, sizeof(PALETTEENTRY) * plpal->palNumEntries);
    return p;
}

UINT GetPaletteEntries(HPALETTE hpal, UINT iStart, UINT cEntries, PALETTEENTRY* pPalEntries) {
    PaletteRecord* p = ToPalette(hpal);
    if (!p) return 0;
    const UINT size = static_cast<UINT>(p->entries.size());
    if (!pPalEntries) return size;
    if (iStart >= size) return 0;
    const UINT count = std::min(cEntries, size - iStart);
    std::memcpy(pPalEntries, p->entries.data() + iStart, sizeof(PALETTEENTRY) * count);
    return count;
}

HPALETTE SelectPalette(HDC, HPALETTE, BOOL) { return nullptr; }
UINT RealizePalette(HDC) { return 0; }

BOOL CPalette::CreatePalette(LPLOGPALETTE lpLogPalette) {
    DeleteObject();
    return Attach(::CreatePalette(lpLogPalette));
}

int CPalette::GetEntryCount() const { return static_cast<int>(::GetPaletteEntries(*this, 0, 0, nullptr)); }

UINT CPalette::GetPaletteEntries(UINT nStartIndex, UINT nNumEntries, PALETTEENTRY* lpPaletteColors) const {
    return ::GetPaletteEntries(*this, nStartIndex, nNumEntries, lpPaletteColors);
}

CPalette* CDC::SelectPalette(CPalette* pPalette, BOOL bForceBackground) {
    return CPalette::FromHandle(::SelectPalette(m_hDC, pPalette ? static_cast<HPALETTE>(*pPalette) : nullptr, bForceBackground));
}

UINT CDC::RealizePalette() { return ::RealizePalette(m_hDC); }
