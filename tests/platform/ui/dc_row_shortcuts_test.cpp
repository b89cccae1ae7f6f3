// The row-wise shortcuts of brush fills and plain copies must leave exactly the pixels (alpha
// byte included) that the per-pixel loops leave, on every kind of surface and clip.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "platform/ui/dc.h"
#include "platform/ui/dc_record.h"
#include "platform/ui/gdi_records.h"
#include "platform/ui/rgn.h"

using namespace vorn_ui;

namespace {

constexpr int kWidth = 37, kHeight = 29;

enum class Kind { Bitmap32, Dib32, DibBottomUp32, Mono, Dib8 };

// A bitmap of the given kind whose pixels all differ (alpha bytes too, in DIB sections).
HBITMAP NoisyBitmap(Kind kind, unsigned seed) {
    HBITMAP bm = nullptr;
    if (kind == Kind::Bitmap32 || kind == Kind::Mono) {
        bm = CreateBitmap(kWidth, kHeight, 1, kind == Kind::Mono ? 1 : 32, nullptr);
    } else {
        struct {
            BITMAPINFOHEADER header;
            RGBQUAD colors[256];
        } info{};
        info.header.biSize = sizeof(BITMAPINFOHEADER);
        info.header.biWidth = kWidth;
        info.header.biHeight = kind == Kind::DibBottomUp32 ? kHeight : -kHeight;
        info.header.biPlanes = 1;
        info.header.biBitCount = kind == Kind::Dib8 ? 8 : 32;
        for (int i = 0; i < 256; ++i)
            info.colors[i] = RGBQUAD{static_cast<BYTE>(i * 7), static_cast<BYTE>(255 - i), static_cast<BYTE>(i * 3), 0};
        void* bits = nullptr;
        bm = CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0);
        if (kind == Kind::Dib8) {
            auto* bytes = static_cast<std::uint8_t*>(bits);
            const int stride = (kWidth + 3) / 4 * 4;
            for (int i = 0; i < stride * kHeight; ++i) bytes[i] = static_cast<std::uint8_t>(i * 13 + seed);
            return bm;
        }
    }
    BitmapRecord* r = ToBitmap(bm);
    for (int y = 0; y < kHeight; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(r->image.scanLine(y));
        for (int x = 0; x < kWidth; ++x) {
            const std::uint32_t v = (static_cast<std::uint32_t>(x * 97 + y * 31 + seed) * 2654435761u);
            row[x] = kind == Kind::Mono ? ((v >> 7) & 1 ? 0xFFFFFFFFu : 0xFF000000u)
                                        : kind == Kind::Bitmap32 ? (v | 0xFF000000u) : v;
        }
    }
    return bm;
}

// The raw pixels of a bitmap: 32-bit values, or palette indexes of 8-bit DIB sections.
std::vector<std::uint32_t> RawPixels(HBITMAP bm) {
    BitmapRecord* r = ToBitmap(bm);
    std::vector<std::uint32_t> out;
    if (r->bitsPerPixel == 8) return std::vector<std::uint32_t>(r->indexes.begin(), r->indexes.end());
    for (int y = 0; y < r->height(); ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(r->image.constScanLine(y));
        out.insert(out.end(), row, row + r->width());
    }
    return out;
}

struct ClipCase {
    const char* name;
    std::function<void(CDC&)> apply;
};

struct BrushCase {
    const char* name;
    std::function<void(CBrush&, CBitmap&)> make;
    int bkMode;
};

struct DrawCase {
    const char* name;
    // Draws on dc; other is a second DC of the same kind with a noisy bitmap selected.
    std::function<void(CDC& dc, CDC& other)> draw;
};

const Kind kKinds[] = {Kind::Bitmap32, Kind::Dib32, Kind::DibBottomUp32, Kind::Mono, Kind::Dib8};
const char* const kKindNames[] = {"bitmap", "DIB", "bottom-up DIB", "1-bit", "8-bit DIB"};

const ClipCase kClips[] = {
    {"no clip", [](CDC&) {}},
    {"rectangle", [](CDC& dc) { dc.IntersectClipRect(3, 2, 30, 25); }},
    {"two rectangles", [](CDC& dc) {
         CRgn a, b;
         a.CreateRectRgn(0, 0, 12, 10);
         b.CreateRectRgn(15, 8, 36, 27);
         a.CombineRgn(&a, &b, RGN_OR);
         dc.SelectClipRgn(&a);
     }},
    {"ellipse minus rectangle", [](CDC& dc) {
         CRgn e;
         e.CreateEllipticRgn(2, 1, 35, 28);
         dc.SelectClipRgn(&e);
         dc.ExcludeClipRect(10, 10, 20, 14);
     }},
    {"empty", [](CDC& dc) { dc.IntersectClipRect(5, 5, 5, 5); }},
    {"origins moved", [](CDC& dc) {
         dc.SetViewportOrg(4, -3);
         dc.SetWindowOrg(-2, 5);
         dc.IntersectClipRect(-1, 0, 28, 30);
     }},
};

const BrushCase kBrushes[] = {
    {"solid", [](CBrush& b, CBitmap&) { b.CreateSolidBrush(RGB(0x12, 0x9A, 0xC7)); }, OPAQUE},
    {"hatch opaque", [](CBrush& b, CBitmap&) { b.CreateHatchBrush(HS_DIAGCROSS, RGB(200, 10, 60)); }, OPAQUE},
    {"hatch transparent", [](CBrush& b, CBitmap&) { b.CreateHatchBrush(HS_BDIAGONAL, RGB(20, 110, 60)); }, TRANSPARENT},
    {"colour pattern", [](CBrush& b, CBitmap& bm) {
         std::uint32_t bits[5 * 3];
         for (int i = 0; i < 15; ++i) bits[i] = 0xFF000000u | static_cast<std::uint32_t>(i * 0x10A0B3);
         bm.CreateBitmap(5, 3, 1, 32, bits);
         b.CreatePatternBrush(&bm);
     }, OPAQUE},
    {"1-bit pattern", [](CBrush& b, CBitmap& bm) {
         const WORD rows[8] = {0xAA, 0x55, 0xF0, 0x0F, 0xCC, 0x33, 0x81, 0x7E};
         bm.CreateBitmap(8, 8, 1, 1, rows);
         b.CreatePatternBrush(&bm);
     }, OPAQUE},
};

const POINT kBrushOrigins[] = {{0, 0}, {3, -2}, {-7, 11}};

const DrawCase kBrushDraws[] = {
    {"FillRect", [](CDC& dc, CDC&) { CRect r(-4, 2, 33, 31); dc.FillRect(&r, dc.GetCurrentBrush()); }},
    {"Rectangle XOR", [](CDC& dc, CDC&) { dc.SetROP2(R2_XORPEN); dc.Rectangle(1, -3, 30, 22); }},
    {"Rectangle MASKNOTPEN", [](CDC& dc, CDC&) { dc.SetROP2(R2_MASKNOTPEN); dc.Rectangle(6, 4, 40, 20); }},
    {"PaintRgn", [](CDC& dc, CDC&) {
         CRgn r;
         r.CreateRoundRectRgn(2, 3, 30, 26, 9, 9);
         dc.PaintRgn(&r);
     }},
    {"Ellipse", [](CDC& dc, CDC&) { dc.Ellipse(-3, 2, 30, 27); }},
    {"RoundRect NOTMERGEPEN", [](CDC& dc, CDC&) { dc.SetROP2(R2_NOTMERGEPEN); dc.RoundRect(4, 1, 33, 26, 10, 8); }},
    {"Polygon", [](CDC& dc, CDC&) {
         const POINT points[] = {{1, 1}, {34, 6}, {8, 27}, {20, 3}};
         dc.Polygon(points, 4);
     }},
    {"PatBlt PATCOPY", [](CDC& dc, CDC&) { dc.PatBlt(-2, 1, 35, 24, PATCOPY); }},
    {"PatBlt PATINVERT", [](CDC& dc, CDC&) { dc.PatBlt(3, -5, 25, 40, PATINVERT); }},
    {"PatBlt DSTINVERT", [](CDC& dc, CDC&) { dc.PatBlt(3, 5, 25, 14, DSTINVERT); }},
};

const DrawCase kCopies[] = {
    {"FillSolidRect", [](CDC& dc, CDC&) { dc.FillSolidRect(-3, 4, 30, 40, RGB(1, 2, 3)); }},
    {"BitBlt SRCCOPY", [](CDC& dc, CDC& other) { dc.BitBlt(2, 3, 30, 20, &other, 4, 1, SRCCOPY); }},
    {"BitBlt SRCCOPY beyond the source", [](CDC& dc, CDC& other) { dc.BitBlt(-5, 6, 40, 30, &other, -3, 10, SRCCOPY); }},
    {"BitBlt SRCCOPY onto itself", [](CDC& dc, CDC&) { dc.BitBlt(4, 3, 30, 25, &dc, 1, 0, SRCCOPY); }},
    {"BitBlt SRCCOPY onto itself upwards", [](CDC& dc, CDC&) { dc.BitBlt(0, 0, 30, 25, &dc, 3, 2, SRCCOPY); }},
    {"BitBlt SRCAND", [](CDC& dc, CDC& other) { dc.BitBlt(2, 3, 30, 20, &other, 4, 1, SRCAND); }},
    {"GradientFill across and down", [](CDC& dc, CDC&) {
         TRIVERTEX v[] = {{-2, 3, 0xFF00, 0x1000, 0x8000, 0}, {31, 20, 0x0400, 0xF000, 0x2200, 0},
                          {5, -4, 0x3300, 0x9900, 0xFF00, 0}, {26, 33, 0xEE00, 0x0100, 0x0000, 0}};
         GRADIENT_RECT across{0, 1}, down{2, 3};
         dc.GradientFill(v, 4, &across, 1, GRADIENT_FILL_RECT_H);
         dc.GradientFill(v, 4, &down, 1, GRADIENT_FILL_RECT_V);
     }},
    {"DrawText and TextOut", [](CDC& dc, CDC&) {
         CFont font;
         font.CreatePointFont(110, L"Arial");
         CFont* old = dc.SelectObject(&font);
         CRect box(-2, 1, 34, 30);
         dc.SetBkMode(TRANSPARENT);
         dc.DrawText(L"Wavy &text, wrapped", -1, &box, DT_WORDBREAK);
         dc.SetBkMode(OPAQUE);
         dc.TextOut(3, 14, L"Mg", 2);
         dc.SelectObject(old);
     }},
    {"StretchBlt mirrored", [](CDC& dc, CDC& other) { dc.StretchBlt(30, 2, -25, 20, &other, 0, 0, 25, 20, SRCCOPY); }},
};

// Runs draw on a fresh noisy surface of kind `kind` and returns its pixels.
std::vector<std::uint32_t> Drawn(Kind kind, Kind otherKind, const ClipCase& clip, const BrushCase* brush,
                                 POINT brushOrigin, const DrawCase& draw, bool shortcuts) {
    EnableRowShortcuts(shortcuts);
    HBITMAP target = NoisyBitmap(kind, 1);
    HBITMAP source = NoisyBitmap(otherKind, 2);
    CDC dc, other;
    dc.CreateCompatibleDC(nullptr);
    other.CreateCompatibleDC(nullptr);
    HGDIOBJ oldTarget = dc.SelectObject(target);
    HGDIOBJ oldSource = other.SelectObject(source);
    other.SetBkColor(RGB(0, 0, 0));
    dc.SetTextColor(RGB(250, 30, 90));
    dc.SetBkColor(RGB(40, 60, 255));
    CBrush b;
    CBitmap patternBits;
    CBrush* oldBrush = nullptr;
    if (brush) {
        brush->make(b, patternBits);
        dc.SetBkMode(brush->bkMode);
        oldBrush = dc.SelectObject(&b);
    }
    dc.SetBrushOrg(brushOrigin);
    clip.apply(dc);
    draw.draw(dc, other);
    if (oldBrush) dc.SelectObject(oldBrush);
    std::vector<std::uint32_t> out = RawPixels(target);
    dc.SelectObject(oldTarget);
    other.SelectObject(oldSource);
    DeleteObject(target);
    DeleteObject(source);
    EnableRowShortcuts(true);
    return out;
}

void ExpectSame(Kind kind, Kind otherKind, const ClipCase& clip, const BrushCase* brush, POINT origin,
                const DrawCase& draw, const std::string& label) {
    const auto fast = Drawn(kind, otherKind, clip, brush, origin, draw, true);
    const auto exact = Drawn(kind, otherKind, clip, brush, origin, draw, false);
    ASSERT_EQ(fast.size(), exact.size()) << label;
    std::size_t differing = 0, first = 0;
    for (std::size_t i = 0; i < fast.size(); ++i)
        if (fast[i] != exact[i] && differing++ == 0) first = i;
    EXPECT_EQ(differing, 0u) << label << ": first at pixel " << first;
}

}  // namespace

TEST(RowShortcuts, BrushFillsLeaveThePixelsOfThePerPixelLoops) {
    for (std::size_t k = 0; k < std::size(kKinds); ++k)
        for (const ClipCase& clip : kClips)
            for (const BrushCase& brush : kBrushes)
                for (const POINT& origin : kBrushOrigins)
                    for (const DrawCase& draw : kBrushDraws)
                        ExpectSame(kKinds[k], kKinds[k], clip, &brush, origin, draw,
                                   std::string(kKindNames[k]) + " / " + clip.name + " / " + brush.name + " at (" +
                                       std::to_string(origin.x) + "," + std::to_string(origin.y) + ") / " + draw.name);
}

TEST(RowShortcuts, CopiesLeaveThePixelsOfThePerPixelLoops) {
    for (std::size_t k = 0; k < std::size(kKinds); ++k)
        for (std::size_t s = 0; s < std::size(kKinds); ++s)
            for (const ClipCase& clip : kClips)
                for (const DrawCase& draw : kCopies)
                    ExpectSame(kKinds[k], kKinds[s], clip, nullptr, POINT{0, 0}, draw,
                               std::string(kKindNames[k]) + " from " + kKindNames[s] + " / " + clip.name + " / " +
                                   draw.name);
}
