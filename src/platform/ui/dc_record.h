#pragma once
// Layer-private: the record behind a device context handle and the pixel loops that every
// drawing operation ends in (clip, raster operation, 1-bit surfaces, alpha byte).
#include <QImage>
#include <QRegion>

#include <cstdint>
#include <memory>
#include <type_traits>
#include <vector>

#include "platform/ui/gdi_records.h"
#include "platform/ui/window_defs.h"

class CDC;

namespace vorn_ui {

struct DcState {
    HPEN pen = nullptr;
    HBRUSH brush = nullptr;
    HFONT font = nullptr;
    HBITMAP bitmap = nullptr;
    COLORREF textColor = RGB(0, 0, 0);
    COLORREF bkColor = RGB(255, 255, 255);
    COLORREF dcBrushColor = RGB(255, 255, 255);
    COLORREF dcPenColor = RGB(0, 0, 0);
    int bkMode = OPAQUE;
    int rop2 = R2_COPYPEN;
    int polyFillMode = ALTERNATE;
    int stretchMode = BLACKONWHITE;
    int mapMode = MM_TEXT;
    POINT viewportOrg{0, 0};
    POINT windowOrg{0, 0};
    POINT current{0, 0};
    POINT brushOrg{0, 0};
    UINT textAlign = 0;
    int justifyExtra = 0;
    int justifyCount = 0;
    int justifyUsed = 0;  // break characters already drawn since SetTextJustification
    int charExtra = 0;
    bool hasClip = false;
    QRegion clip;  // device coordinates
};

}  // namespace vorn_ui

struct HDC__ {
    enum Kind { Memory, Window, Image };
    Kind kind = Memory;
    HWND hwnd = nullptr;          // window DCs
    bool wholeWindow = false;     // GetWindowDC: origin at the window's top-left corner
    bool paintDC = false;         // made by BeginPaint
    QImage* image = nullptr;      // Image kind: an outside picture (a printer page)
    bool printer = false;         // the picture is a printer's page
    HBITMAP defaultBitmap = nullptr;
    vorn_ui::DcState st;
    std::vector<vorn_ui::DcState> saved;
    QRegion systemClip;           // device coordinates; empty with hasSystemClip: nothing visible
    bool hasSystemClip = false;
    CDC* attached = nullptr;
    std::unique_ptr<CDC> temporary;
};

namespace vorn_ui {

// A DC for the screen as a whole: colour, for measuring and for making compatible bitmaps;
// what is drawn on it shows nowhere. Given back with DeleteDC.
HDC NewScreenDC();

// The surface a DC draws on; the device origin of a window DC is its client area (or the
// window's corner for GetWindowDC, given by deviceShift).
Surface SurfaceOf(const HDC__* dc);
// Where the client area lies in the device space of a window DC (0,0 except GetWindowDC).
QPoint DeviceShift(const HDC__* dc);
// The region drawing may touch, in surface coordinates.
QRegion DrawableRegion(const HDC__* dc);
// Tells the window of a DC that its picture changed (the screen copy follows).
void NoteDrawn(const HDC__* dc);

// Window-side services the DC code needs (implemented by the window layer).
Surface WindowStoreSurface(HWND hwnd, QPoint* clientOffset);
void WindowStoreChanged(HWND hwnd);

inline std::uint32_t Rop2(int rop, std::uint32_t p, std::uint32_t d) {
    switch (rop) {
    case R2_COPYPEN: return p;
    case R2_XORPEN: return p ^ d;
    case R2_NOT: return ~d;
    case R2_NOP: return d;
    default: break;
    }
    const unsigned f = static_cast<unsigned>(rop - 1) & 0xF;
    std::uint32_t r = 0;
    for (unsigned pp = 0; pp < 2; ++pp)
        for (unsigned dd = 0; dd < 2; ++dd)
            if ((f >> (pp * 2 + dd)) & 1) r |= (pp ? p : ~p) & (dd ? d : ~d);
    return r;
}

inline std::uint32_t Rop3(DWORD rop, std::uint32_t p, std::uint32_t s, std::uint32_t d) {
    const unsigned code = (rop >> 16) & 0xFF;
    switch (code) {
    case 0xCC: return s;
    case 0xF0: return p;
    case 0x88: return s & d;
    case 0xEE: return s | d;
    case 0x66: return s ^ d;
    case 0x5A: return p ^ d;
    case 0x55: return ~d;
    case 0x33: return ~s;
    case 0x00: return 0;
    case 0xFF: return 0xFFFFFFFFu;
    default: break;
    }
    std::uint32_t r = 0;
    for (unsigned pp = 0; pp < 2; ++pp)
        for (unsigned ss = 0; ss < 2; ++ss)
            for (unsigned dd = 0; dd < 2; ++dd)
                if ((code >> (pp * 4 + ss * 2 + dd)) & 1) r |= (pp ? p : ~p) & (ss ? s : ~s) & (dd ? d : ~d);
    return r;
}

inline std::uint32_t BlendPixel(std::uint32_t src, std::uint32_t dst, unsigned alpha) {
    if (alpha >= 255) return src;
    if (alpha == 0) return dst;
    std::uint32_t out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const unsigned s = (src >> shift) & 0xFF, d = (dst >> shift) & 0xFF;
        out |= ((s * alpha + d * (255 - alpha) + 127) / 255) << shift;
    }
    return out;
}

// Writes one pixel value (0x00RRGGBB) after the surface's rules: 1-bit surfaces keep only
// black and white, the alpha byte is the surface's drawing alpha.
inline std::uint32_t StoredPixel(const Surface& s, std::uint32_t value) {
    value &= 0x00FFFFFFu;
    if (s.bitsPerPixel == 1) value = MonoPixel(value);
    return value | s.drawAlpha;
}
inline void StorePixel(const Surface& s, std::uint32_t* at, std::uint32_t value) { *at = StoredPixel(s, value); }

// Whether drawing takes its row-wise shortcuts (brush fills and plain copies worked out a row
// at a time). They leave the same pixels as the per-pixel loops; tests switch them off to
// compare the two.
bool RowShortcutsEnabled();
void EnableRowShortcuts(bool on);

struct BrushSource;
// ApplyRegion for a brush, a row at a time: a brush repeats its rows with its pattern's height,
// so each distinct row is worked out once and copied. With a mask (a premultiplied picture
// whose top-left lies at maskOrigin, device coordinates) only pixels it covers at least half
// are drawn. False where it does not apply (row shortcuts off, a brush that draws nothing);
// the caller then takes the per-pixel loop.
bool FillBrushRows(const HDC__* dc, const QRegion& region, int rop, const BrushSource& brush,
                   const QImage* mask = nullptr, QPoint maskOrigin = QPoint());

// Calls source(x, y, value) for every pixel of region (device coordinates) that drawing may
// touch; where it returns true the pixel becomes Rop2(rop, value, old).
template <typename Source>
void ApplyRegion(const HDC__* dc, const QRegion& region, int rop, Source&& source) {
    if constexpr (std::is_same_v<std::remove_cvref_t<Source>, BrushSource>) {
        if (FillBrushRows(dc, region, rop, source)) return;
    }
    Surface s = SurfaceOf(dc);
    if (!s.valid() || s.bitsPerPixel == 8) return;
    const QRegion target = region.translated(DeviceShift(dc)).intersected(DrawableRegion(dc));
    const QPoint shift = DeviceShift(dc);
    for (const QRect& r : target) {
        for (int y = r.top(); y <= r.bottom(); ++y) {
            std::uint32_t* row = s.row(y);
            for (int x = r.left(); x <= r.right(); ++x) {
                std::uint32_t value;
                if (!source(x - shift.x(), y - shift.y(), value)) continue;
                const std::uint32_t old = row[x] & 0x00FFFFFFu;
                StorePixel(s, row + x, Rop2(rop, value & 0x00FFFFFFu, old));
            }
        }
    }
    NoteDrawn(dc);
}

// Composites a premultiplied ARGB picture whose top-left lies at origin (device coordinates)
// in colour value: alpha blends it (rop R2_COPYPEN) or applies rop where alpha is at least half.
void ApplyCoverage(const HDC__* dc, const QImage& coverage, QPoint origin, int rop);

// The brush as a pixel source (device coordinates); false where a hatch leaves the
// background alone in transparent mode.
struct BrushSource {
    UINT style = BS_NULL;
    std::uint32_t color = 0;
    std::uint32_t background = 0xFFFFFF;
    std::uint32_t text = 0;
    bool opaque = true;
    int hatch = 0;
    const QImage* pattern = nullptr;
    bool monoPattern = false;
    POINT origin{0, 0};
    bool operator()(int x, int y, std::uint32_t& value) const;
};
BrushSource MakeBrushSource(const HDC__* dc, HBRUSH brush);
// A brush that fills with one colour.
BrushSource SolidSource(COLORREF color);

QRect DeviceRect(const HDC__* dc, int left, int top, int right, int bottom);
QPoint ToDevice(const HDC__* dc, int x, int y);

}  // namespace vorn_ui
