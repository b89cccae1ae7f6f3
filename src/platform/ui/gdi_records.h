#pragma once
// Layer-private: the records behind GDI handles and the pixel surfaces that device contexts
// draw on. Code outside src/platform/ui uses the handles and classes only.
#include <QFont>
#include <QImage>
#include <QRegion>

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/ui/gdi_defs.h"
#include "platform/ui/gdi_object.h"

class CGdiObject;
class CDC;

namespace vorn_ui {

// Common part of every drawing-object record: the wrapper object attached to the handle, a
// wrapper made on demand by FromHandle, and the count of device contexts that have it
// selected (a deleted object stays alive until the last one lets it go).
struct GdiHeader {
    GdiHeader() = default;
    GdiHeader(const GdiHeader&) = delete;
    GdiHeader& operator=(const GdiHeader&) = delete;
    ~GdiHeader() {
        if (temporary) temporary->m_hObject = nullptr;
    }
    CGdiObject* attached = nullptr;
    std::unique_ptr<CGdiObject> temporary;
    int selectCount = 0;
    bool deletePending = false;
    bool stock = false;
};
GdiHeader& HeaderOf(HGDIOBJ h);

struct PenRecord : HPEN__ {
    PenRecord() : HPEN__(OBJ_PEN) {}
    GdiHeader header;
    LOGPEN log{};
};

struct BitmapRecord;

struct BrushRecord : HBRUSH__ {
    BrushRecord() : HBRUSH__(OBJ_BRUSH) {}
    GdiHeader header;
    LOGBRUSH log{};
    QImage pattern;        // BS_PATTERN: a copy of the pattern bitmap's pixels
    bool monoPattern = false;  // a 1-bit pattern takes the text and background colours of the DC
    int sysColorIndex = -1;    // a system colour brush
};

class FontMeasures;

struct FontRecord : HFONT__ {
    FontRecord() : HFONT__(OBJ_FONT) {}
    GdiHeader header;
    LOGFONT log{};
    QFont font;  // the pixel-sized Qt font made from log
    std::shared_ptr<FontMeasures> measures;  // shared by the records of equal LOGFONTs
};

// A bitmap's pixels. 32-bit pixels are kept as B, G, R, A bytes (a QImage in RGB32 layout
// over which only this layer writes); 1-bit bitmaps keep the same layout with only black and
// white; 8-bit DIB sections keep their palette indexes and are read through the palette.
struct BitmapRecord : HBITMAP__ {
    BitmapRecord() : HBITMAP__(OBJ_BITMAP) {}
    GdiHeader header;
    QImage image;               // 32-bit layout, also for 1-bit bitmaps
    int bitsPerPixel = 32;      // 1, 8 or 32
    bool dibSection = false;    // pixels handed out by CreateDIBSection
    bool bottomUp = false;      // memory row 0 is the bottom row of the picture
    std::vector<std::uint8_t> indexes;  // 8-bit DIB section pixels, stride rounded to 4
    std::vector<RGBQUAD> palette;
    int indexStride = 0;
    SIZE dimension{0, 0};       // SetBitmapDimension
    HDC selectedInto = nullptr;
    int width() const { return image.width(); }
    int height() const { return image.height(); }
};

struct RgnRecord : HRGN__ {
    RgnRecord() : HRGN__(OBJ_REGION) {}
    GdiHeader header;
    QRegion region;
};

// Palettes keep their colours for GetPaletteEntries; drawing always uses true colours.
struct PaletteRecord : HPALETTE__ {
    PaletteRecord() : HPALETTE__(OBJ_PAL) {}
    GdiHeader header;
    std::vector<std::uint32_t> entries;  // PALETTEENTRY bytes: red, green, blue, flags
};

// Where a device context draws: 32-bit pixels, maybe stored bottom-up, maybe 1-bit.
struct Surface {
    QImage* image = nullptr;
    BitmapRecord* bitmap = nullptr;  // the memory DC's bitmap, when there is one
    bool bottomUp = false;
    int bitsPerPixel = 32;
    std::uint32_t drawAlpha = 0xFF000000u;  // the alpha byte drawing leaves: 0 in DIB sections
    bool valid() const { return image && !image->isNull(); }
    int width() const { return image ? image->width() : 0; }
    int height() const { return image ? image->height() : 0; }
    std::uint32_t* row(int y) const {
        return reinterpret_cast<std::uint32_t*>(image->scanLine(bottomUp ? image->height() - 1 - y : y));
    }
    // The colour at (x, y) as 0x00RRGGBB, read through the palette for 8-bit bitmaps.
    std::uint32_t pixel(int x, int y) const;
};

Surface SurfaceOfBitmap(BitmapRecord* bm);

// Conversions between COLORREF (0x00BBGGRR) and pixel values (0x00RRGGBB).
inline std::uint32_t PixelFromColor(COLORREF c) {
    return ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}
inline COLORREF ColorFromPixel(std::uint32_t p) {
    return ((p >> 16) & 0xFFu) | (p & 0xFF00u) | ((p & 0xFFu) << 16);
}
// 1-bit surfaces hold only black and white: light colours become white.
inline std::uint32_t MonoPixel(std::uint32_t p) {
    const unsigned sum = ((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF);
    return sum >= 384 ? 0x00FFFFFFu : 0u;
}

// A copy of the picture that Qt can show or save: alpha forced opaque, rows top-down.
QImage DisplayImage(const Surface& s);

PenRecord* ToPen(HGDIOBJ h);
BrushRecord* ToBrush(HGDIOBJ h);
FontRecord* ToFont(HGDIOBJ h);
BitmapRecord* ToBitmap(HGDIOBJ h);
RgnRecord* ToRgn(HGDIOBJ h);

QFont QFontFromLogFont(const LOGFONT& lf);

// Selection bookkeeping used by device contexts.
void RetainSelected(HGDIOBJ h);
// TRUE when that ended an object deleted while selected.
bool ReleaseSelected(HGDIOBJ h);

}  // namespace vorn_ui
