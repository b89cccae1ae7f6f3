// CDC: pixel transfers with raster operations, stretching, transparency, alpha and icons.
#include <cstring>

#include "platform/ui/dc.h"
#include "platform/ui/dc_record.h"
#include "platform/ui/icon.h"

using namespace vorn_ui;

namespace {

// How a source pixel enters a destination: 1-bit sources take the destination's text
// (black) and background (white) colours; colour sources going into a 1-bit destination are
// white where they equal the source's background colour.
struct SourceMapper {
    int srcBits = 32;
    int dstBits = 32;
    std::uint32_t text = 0, background = 0xFFFFFF, srcBackground = 0xFFFFFF;
    std::uint32_t operator()(std::uint32_t s) const {
        if (srcBits == 1 && dstBits != 1) return s ? background : text;
        if (srcBits != 1 && dstBits == 1) return s == srcBackground ? 0xFFFFFFu : 0u;
        return s;
    }
};

SourceMapper MapperFor(const HDC__* dst, const HDC__* src, const Surface& ss, const Surface& ds) {
    SourceMapper m;
    m.srcBits = ss.bitsPerPixel;
    m.dstBits = ds.bitsPerPixel;
    m.text = PixelFromColor(dst->st.textColor);
    m.background = PixelFromColor(dst->st.bkColor);
    m.srcBackground = PixelFromColor(src->st.bkColor);
    return m;
}

bool UsesSource(DWORD rop) {
    const unsigned c = (rop >> 16) & 0xFF;
    return ((c >> 2) & 0x33) != (c & 0x33);
}

bool UsesPattern(DWORD rop) {
    const unsigned c = (rop >> 16) & 0xFF;
    return ((c >> 4) & 0x0F) != (c & 0x0F);
}

// Copies a device rectangle of a surface, so that a transfer within one surface reads the
// pixels as they were before it started.
struct SourcePixels {
    QImage copy;  // raw 32-bit values, rows top-down, covering box
    QRect box;    // device coordinates of the source DC
    bool ok = false;
    const std::uint32_t* at(int x, int y) const {
        return reinterpret_cast<const std::uint32_t*>(copy.constScanLine(y - box.top())) + (x - box.left());
    }
    std::uint32_t raw(int x, int y) const { return *at(x, y); }
    bool contains(int x, int y) const { return box.contains(x, y); }
};

// Maps a pixel of the destination rectangle d to the source pixel at the centre of what it
// covers when sr is stretched over d; false when that pixel lies outside the copied source.
auto StretchPick(const QRect& d, const QRect& sr, const SourcePixels& source) {
    return [d, sr, &source](int dx, int dy, int& sx, int& sy) {
        const int ox = dx - d.left(), oy = dy - d.top();
        sx = sr.left() + static_cast<int>((2LL * ox + 1) * sr.width() / (2LL * d.width()));
        sy = sr.top() + static_cast<int>((2LL * oy + 1) * sr.height() / (2LL * d.height()));
        return source.contains(sx, sy);
    };
}

// The part of a device rectangle of a DC that its surface holds, in surface coordinates.
QRect SurfaceBox(const HDC__* dc, const Surface& s, const QRect& deviceBox) {
    return deviceBox.translated(DeviceShift(dc)).intersected(QRect(0, 0, s.width(), s.height()));
}

SourcePixels ReadSource(const HDC__* src, const QRect& deviceBox) {
    SourcePixels out;
    Surface s = SurfaceOf(src);
    if (!s.valid()) return out;
    const QPoint shift = DeviceShift(src);
    const QRect surfaceBox = SurfaceBox(src, s, deviceBox);
    if (surfaceBox.isEmpty()) return out;
    out.box = surfaceBox.translated(-shift);
    out.copy = QImage(surfaceBox.size(), QImage::Format_RGB32);
    for (int y = 0; y < surfaceBox.height(); ++y) {
        auto* dst = reinterpret_cast<std::uint32_t*>(out.copy.scanLine(y));
        const int sy = surfaceBox.top() + y;
        if (s.bitsPerPixel == 8) {
            for (int x = 0; x < surfaceBox.width(); ++x) dst[x] = s.pixel(surfaceBox.left() + x, sy);
        } else {
            std::memcpy(dst, s.row(sy) + surfaceBox.left(), static_cast<std::size_t>(surfaceBox.width()) * 4);
        }
    }
    out.ok = true;
    return out;
}

// The general transfer: for each destination pixel of the device rectangle dst, pick the
// source pixel with pick(dx, dy, sx, sy) and combine source, pattern and destination.
template <typename Pick, typename Combine>
void Transfer(HDC dst, const QRect& dstRect, Pick&& pick, Combine&& combine) {
    Surface ds = SurfaceOf(dst);
    if (!ds.valid() || ds.bitsPerPixel == 8) return;
    const QPoint shift = DeviceShift(dst);
    const QRegion target = DrawableRegion(dst).intersected(dstRect.translated(shift));
    for (const QRect& r : target) {
        for (int y = r.top(); y <= r.bottom(); ++y) {
            std::uint32_t* row = ds.row(y);
            for (int x = r.left(); x <= r.right(); ++x) {
                int sx = 0, sy = 0;
                if (!pick(x - shift.x(), y - shift.y(), sx, sy)) continue;
                combine(ds, row + x, x - shift.x(), y - shift.y(), sx, sy);
            }
        }
    }
    NoteDrawn(dst);
}

// A rectangle given by a corner and a signed size: a negative width covers the pixels from
// x + width + 1 to x, as the mirroring idiom StretchBlt(x + w - 1, ..., -w, ...) expects.
QRect Normalized(const QRect& r) {
    int x = r.x(), y = r.y(), w = r.width(), h = r.height();
    if (w < 0) {
        x += w + 1;
        w = -w;
    }
    if (h < 0) {
        y += h + 1;
        h = -h;
    }
    return QRect(x, y, w, h);
}

// Whether a brush gives a value at every pixel, as the pattern operations of Blt need to leave
// the same pixels as a fill through ApplyRegion.
bool PaintsEveryPixel(const BrushSource& brush) {
    switch (brush.style) {
    case BS_SOLID: return true;
    case BS_HATCHED: return brush.opaque;
    case BS_PATTERN: return brush.pattern && !brush.pattern->isNull();
    default: return false;
    }
}

// SRCCOPY of a same-sized, unmirrored rectangle between surfaces whose pixels need no mapping,
// a row at a time. Returns false where it does not apply.
bool CopyRows(HDC dst, const QRect& d, HDC src, const QRect& sr) {
    Surface ds = SurfaceOf(dst), ss = SurfaceOf(src);
    if (!ds.valid() || ds.bitsPerPixel == 8 || !ss.valid()) return false;
    // 1-bit and colour surfaces map pixels between them; 8-bit ones are read through the palette.
    if ((ss.bitsPerPixel == 1) != (ds.bitsPerPixel == 1)) return false;
    const QRect box = SurfaceBox(src, ss, sr);
    if (box.isEmpty()) return true;
    // Within one surface the source is read as it was before the copy began.
    SourcePixels copied;
    const bool direct = ss.bitsPerPixel != 8 && ss.image != ds.image;
    if (!direct) copied = ReadSource(src, sr);
    const bool raw = ss.drawAlpha == 0 && ss.bitsPerPixel == 32 && ds.drawAlpha == 0;
    const QPoint dstShift = DeviceShift(dst), srcShift = DeviceShift(src);
    // Surface coordinates of the source for a destination surface point: add offset.
    const QPoint offset = sr.topLeft() - d.topLeft() - dstShift + srcShift;
    const QRegion target =
        DrawableRegion(dst).intersected(d.translated(dstShift)).intersected(box.translated(-offset));
    const std::size_t rowBytes = sizeof(std::uint32_t);
    for (const QRect& r : target) {
        const std::size_t w = static_cast<std::size_t>(r.width());
        for (int y = r.top(); y <= r.bottom(); ++y) {
            std::uint32_t* out = ds.row(y) + r.left();
            const int sx = r.left() + offset.x(), sy = y + offset.y();
            const std::uint32_t* in =
                direct ? ss.row(sy) + sx : copied.at(sx - srcShift.x(), sy - srcShift.y());
            if (raw) {
                std::memmove(out, in, w * rowBytes);
                continue;
            }
            if (ds.bitsPerPixel == 32) {
                const std::uint32_t alpha = ds.drawAlpha;
                for (std::size_t k = 0; k < w; ++k) out[k] = (in[k] & 0x00FFFFFFu) | alpha;
                continue;
            }
            for (std::size_t k = 0; k < w; ++k) out[k] = StoredPixel(ds, in[k]);
        }
    }
    NoteDrawn(dst);
    return true;
}

BOOL Blt(HDC dst, const QRect& dstRect, HDC src, const QRect& srcRect, DWORD rop, bool halftone) {
    if (!dst) return FALSE;
    const bool needSource = UsesSource(rop);
    if (needSource && !src) return FALSE;
    Surface ds = SurfaceOf(dst);
    if (!ds.valid()) return FALSE;
    const BrushSource brush = MakeBrushSource(dst, dst->st.brush);
    const bool needPattern = UsesPattern(rop);
    const bool mirrorX = dstRect.width() * srcRect.width() < 0;
    const bool mirrorY = dstRect.height() * srcRect.height() < 0;
    const QRect d = Normalized(dstRect);
    const QRect sr = Normalized(srcRect);
    if (d.isEmpty()) return TRUE;
    if (RowShortcutsEnabled()) {
        if (rop == SRCCOPY && !mirrorX && !mirrorY && sr.size() == d.size() && CopyRows(dst, d, src, sr)) return TRUE;
        // Pattern fills without a source are brush fills with the matching ROP2.
        const int rop2 = rop == PATCOPY ? R2_COPYPEN : rop == PATINVERT ? R2_XORPEN : 0;
        if (rop2 && PaintsEveryPixel(brush) && FillBrushRows(dst, QRegion(d), rop2, brush)) return TRUE;
    }

    SourcePixels source;
    SourceMapper mapper;
    QImage scaled;
    if (needSource) {
        source = ReadSource(src, sr);
        if (!source.ok) return TRUE;
        mapper = MapperFor(dst, src, SurfaceOf(src), ds);
        if (halftone && (sr.size() != d.size()) && mapper.srcBits == 32) {
            // Smooth scaling averages the source pixels, as the halftone mode does.
            QImage region = source.copy.copy(QRect(sr.topLeft() - source.box.topLeft(), sr.size()));
            scaled = region.scaled(d.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                         .mirrored(mirrorX, mirrorY);
        }
    }
    const bool srcIsDib = needSource && SurfaceOf(src).drawAlpha == 0 && SurfaceOf(src).bitsPerPixel == 32;
    const bool rawCopy = rop == SRCCOPY && srcIsDib && ds.drawAlpha == 0 && mapper.srcBits == mapper.dstBits;
    const int sw = sr.width(), sh = sr.height(), dw = d.width(), dh = d.height();
    auto pick = [&](int x, int y, int& sx, int& sy) {
        if (!needSource) return true;
        if (!scaled.isNull()) {
            sx = x - d.left();
            sy = y - d.top();
            return true;
        }
        int ox = x - d.left(), oy = y - d.top();
        if (mirrorX) ox = dw - 1 - ox;
        if (mirrorY) oy = dh - 1 - oy;
        sx = sr.left() + (sw == dw ? ox : static_cast<int>((2LL * ox + 1) * sw / (2LL * dw)));
        sy = sr.top() + (sh == dh ? oy : static_cast<int>((2LL * oy + 1) * sh / (2LL * dh)));
        return source.contains(sx, sy);
    };
    auto combine = [&](const Surface& s, std::uint32_t* at, int x, int y, int sx, int sy) {
        std::uint32_t sp = 0, pp = 0;
        std::uint32_t raw = 0;
        if (needSource) {
            raw = scaled.isNull() ? source.raw(sx, sy)
                                  : reinterpret_cast<const std::uint32_t*>(scaled.constScanLine(sy))[sx];
            sp = mapper(raw & 0xFFFFFF);
        }
        if (needPattern && !brush(x, y, pp)) pp = *at & 0xFFFFFF;
        if (rawCopy) {
            *at = raw;
            return;
        }
        StorePixel(s, at, Rop3(rop, pp, sp, *at & 0xFFFFFF));
    };
    Transfer(dst, d, pick, combine);
    return TRUE;
}

QRect LogicalToDevice(const HDC__* dc, int x, int y, int w, int h) {
    const QPoint p = ToDevice(dc, x, y);
    return QRect(p.x(), p.y(), w, h);
}

}  // namespace

BOOL BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int xSrc, int ySrc, DWORD rop) {
    if (!dst) return FALSE;
    const QRect d = LogicalToDevice(dst, x, y, width, height);
    const QRect s = src ? LogicalToDevice(src, xSrc, ySrc, width, height) : QRect();
    return Blt(dst, d, src, s, rop, false);
}

BOOL StretchBlt(HDC dst, int x, int y, int width, int height, HDC src, int xSrc, int ySrc, int srcWidth,
                int srcHeight, DWORD rop) {
    if (!dst) return FALSE;
    const QRect d = LogicalToDevice(dst, x, y, width, height);
    const QRect s = src ? LogicalToDevice(src, xSrc, ySrc, srcWidth, srcHeight) : QRect();
    return Blt(dst, d, src, s, rop, dst->st.stretchMode == HALFTONE);
}

BOOL PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop) {
    if (!dc || UsesSource(rop)) return FALSE;
    return Blt(dc, LogicalToDevice(dc, x, y, width, height), nullptr, QRect(), rop, false);
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* src, int xSrc, int ySrc, DWORD rop) {
    return ::BitBlt(m_hDC, x, y, width, height, src ? src->m_hDC : nullptr, xSrc, ySrc, rop);
}

BOOL CDC::StretchBlt(int x, int y, int width, int height, CDC* src, int xSrc, int ySrc, int srcWidth, int srcHeight,
                     DWORD rop) {
    return ::StretchBlt(m_hDC, x, y, width, height, src ? src->m_hDC : nullptr, xSrc, ySrc, srcWidth, srcHeight, rop);
}

BOOL CDC::PatBlt(int x, int y, int width, int height, DWORD rop) { return ::PatBlt(m_hDC, x, y, width, height, rop); }

BOOL CDC::MaskBlt(int x, int y, int width, int height, CDC* src, int xSrc, int ySrc, CBitmap& mask, int xMask,
                  int yMask, DWORD rop) {
    // The foreground operation is the low three bytes of rop, the background one its high byte.
    if (!m_hDC) return FALSE;
    BitmapRecord* m = ToBitmap(mask.m_hObject);
    if (!m) return BitBlt(x, y, width, height, src, xSrc, ySrc, rop & 0x00FFFFFF);
    const DWORD fore = rop & 0x00FFFFFF;
    const DWORD back = ((rop >> 8) & 0x00FF0000) | (fore & 0xFFFF);
    Surface ms = SurfaceOfBitmap(m);
    CDC temp;
    temp.CreateCompatibleDC(this);
    CBitmap copy;
    copy.CreateCompatibleBitmap(this, width, height);
    CBitmap* old = temp.SelectObject(&copy);
    temp.BitBlt(0, 0, width, height, this, x, y, SRCCOPY);
    ::BitBlt(temp.m_hDC, 0, 0, width, height, src ? src->m_hDC : nullptr, xSrc, ySrc, fore);
    CDC back2;
    back2.CreateCompatibleDC(this);
    CBitmap backCopy;
    backCopy.CreateCompatibleBitmap(this, width, height);
    CBitmap* oldBack = back2.SelectObject(&backCopy);
    back2.BitBlt(0, 0, width, height, this, x, y, SRCCOPY);
    ::BitBlt(back2.m_hDC, 0, 0, width, height, src ? src->m_hDC : nullptr, xSrc, ySrc, back);
    // Mask bit 1 takes the foreground result, 0 the background result.
    const QRect d = LogicalToDevice(m_hDC, x, y, width, height);
    Surface fs = SurfaceOf(temp.m_hDC), bs = SurfaceOf(back2.m_hDC);
    Transfer(m_hDC, d,
             [&](int dx, int dy, int& sx, int& sy) {
                 sx = dx - d.left();
                 sy = dy - d.top();
                 return true;
             },
             [&](const Surface& s, std::uint32_t* at, int, int, int sx, int sy) {
                 const int mx = xMask + sx, my = yMask + sy;
                 const bool fg = mx >= 0 && my >= 0 && mx < ms.width() && my < ms.height() && ms.pixel(mx, my);
                 StorePixel(s, at, fg ? fs.pixel(sx, sy) : bs.pixel(sx, sy));
             });
    temp.SelectObject(old);
    back2.SelectObject(oldBack);
    return TRUE;
}

BOOL TransparentBlt(HDC dst, int x, int y, int width, int height, HDC src, int xSrc, int ySrc, int srcWidth,
                    int srcHeight, UINT transparentColor) {
    if (!dst || !src || width <= 0 || height <= 0 || srcWidth <= 0 || srcHeight <= 0) return FALSE;
    const QRect d = LogicalToDevice(dst, x, y, width, height);
    const QRect sr = LogicalToDevice(src, xSrc, ySrc, srcWidth, srcHeight);
    SourcePixels source = ReadSource(src, sr);
    if (!source.ok) return FALSE;
    const SourceMapper mapper = MapperFor(dst, src, SurfaceOf(src), SurfaceOf(dst));
    const std::uint32_t key = PixelFromColor(transparentColor);
    Transfer(dst, d,
             StretchPick(d, sr, source),
             [&](const Surface& s, std::uint32_t* at, int, int, int sx, int sy) {
                 const std::uint32_t p = source.raw(sx, sy) & 0xFFFFFF;
                 if (p == key) return;
                 StorePixel(s, at, mapper(p));
             });
    return TRUE;
}

BOOL CDC::TransparentBlt(int x, int y, int width, int height, CDC* src, int xSrc, int ySrc, int srcWidth,
                         int srcHeight, UINT transparentColor) {
    return ::TransparentBlt(m_hDC, x, y, width, height, src ? src->m_hDC : nullptr, xSrc, ySrc, srcWidth, srcHeight,
                            transparentColor);
}

BOOL AlphaBlend(HDC dst, int x, int y, int width, int height, HDC src, int xSrc, int ySrc, int srcWidth,
                int srcHeight, BLENDFUNCTION blend) {
    if (!dst || !src || width <= 0 || height <= 0 || srcWidth <= 0 || srcHeight <= 0) return FALSE;
    if (blend.BlendOp != AC_SRC_OVER) return FALSE;
    const QRect d = LogicalToDevice(dst, x, y, width, height);
    const QRect sr = LogicalToDevice(src, xSrc, ySrc, srcWidth, srcHeight);
    SourcePixels source = ReadSource(src, sr);
    if (!source.ok) return FALSE;
    const unsigned constant = blend.SourceConstantAlpha;
    const bool perPixel = blend.AlphaFormat & AC_SRC_ALPHA;
    Transfer(dst, d,
             StretchPick(d, sr, source),
             [&](const Surface& s, std::uint32_t* at, int, int, int sx, int sy) {
                 const std::uint32_t sp = source.raw(sx, sy);
                 const std::uint32_t old = *at;
                 std::uint32_t out = 0;
                 if (perPixel) {
                     // Source colours are premultiplied by their alpha.
                     const unsigned a = ((sp >> 24) * constant + 127) / 255;
                     for (int sh = 0; sh <= 16; sh += 8) {
                         const unsigned sc = (((sp >> sh) & 0xFF) * constant + 127) / 255;
                         const unsigned dc = (old >> sh) & 0xFF;
                         out |= std::min(255u, sc + (dc * (255 - a) + 127) / 255) << sh;
                     }
                     if (s.drawAlpha == 0) {
                         const unsigned da = old >> 24;
                         out |= std::min(255u, a + (da * (255 - a) + 127) / 255) << 24;
                         *at = out;
                         return;
                     }
                 } else {
                     out = BlendPixel(sp & 0xFFFFFF, old & 0xFFFFFF, constant);
                 }
                 StorePixel(s, at, out);
             });
    return TRUE;
}

BOOL CDC::AlphaBlend(int x, int y, int width, int height, CDC* src, int xSrc, int ySrc, int srcWidth, int srcHeight,
                     BLENDFUNCTION blend) {
    return ::AlphaBlend(m_hDC, x, y, width, height, src ? src->m_hDC : nullptr, xSrc, ySrc, srcWidth, srcHeight, blend);
}

int StretchDIBits(HDC dc, int x, int y, int width, int height, int xSrc, int ySrc, int srcWidth, int srcHeight,
                  const void* bits, const BITMAPINFO* info, UINT usage, DWORD rop) {
    if (!dc || !bits || !info) return 0;
    void* pixels = nullptr;
    HBITMAP temp = CreateDIBSection(nullptr, info, usage, &pixels, nullptr, 0);
    if (!temp) return 0;
    const BITMAPINFOHEADER& h = info->bmiHeader;
    const int rows = h.biHeight < 0 ? -h.biHeight : h.biHeight;
    const std::size_t stride = static_cast<std::size_t>((h.biWidth * h.biBitCount + 31) / 32 * 4);
    std::memcpy(pixels, bits, stride * static_cast<std::size_t>(rows));
    HDC mem = CreateCompatibleDC(dc);
    SelectObject(mem, temp);
    // Source coordinates count from the bottom of a bottom-up DIB.
    const int top = h.biHeight > 0 ? rows - ySrc - srcHeight : ySrc;
    ::StretchBlt(dc, x, y, width, height, mem, xSrc, top, srcWidth, srcHeight, rop);
    DeleteDC(mem);
    DeleteObject(temp);
    return srcHeight;
}

int CDC::StretchDIBits(int x, int y, int width, int height, int xSrc, int ySrc, int srcWidth, int srcHeight,
                       const void* bits, const BITMAPINFO* info, UINT usage, DWORD rop) {
    return ::StretchDIBits(m_hDC, x, y, width, height, xSrc, ySrc, srcWidth, srcHeight, bits, info, usage, rop);
}

int CDC::SetDIBitsToDevice(int x, int y, DWORD width, DWORD height, int xSrc, int ySrc, UINT, UINT lines,
                           const void* bits, const BITMAPINFO* info, UINT usage) {
    ::StretchDIBits(m_hDC, x, y, static_cast<int>(width), static_cast<int>(height), xSrc, ySrc,
                    static_cast<int>(width), static_cast<int>(height), bits, info, usage, SRCCOPY);
    return static_cast<int>(lines);
}

// Icons

BOOL DrawIconEx(HDC dc, int x, int y, HICON icon, int width, int height, UINT, HBRUSH, UINT flags) {
    if (!dc || !icon || icon->color.isNull()) return FALSE;
    const int iw = icon->color.width(), ih = icon->color.height();
    if (width <= 0) width = iw;
    if (height <= 0) height = ih;
    const QRect d = LogicalToDevice(dc, x, y, width, height);
    if (!(flags & DI_NORMAL)) flags |= DI_NORMAL;
    Transfer(dc, d,
             [&](int dx, int dy, int& sx, int& sy) {
                 sx = static_cast<int>((2LL * (dx - d.left()) + 1) * iw / (2LL * width));
                 sy = static_cast<int>((2LL * (dy - d.top()) + 1) * ih / (2LL * height));
                 return true;
             },
             [&](const Surface& s, std::uint32_t* at, int, int, int sx, int sy) {
                 const std::uint32_t c = reinterpret_cast<const std::uint32_t*>(icon->color.constScanLine(sy))[sx];
                 const std::uint32_t m = icon->mask.isNull()
                                             ? 0u
                                             : reinterpret_cast<const std::uint32_t*>(icon->mask.constScanLine(sy))[sx] & 0xFFFFFF;
                 std::uint32_t v = *at & 0xFFFFFF;
                 if (icon->hasAlpha && (flags & DI_IMAGE) && (flags & DI_MASK)) {
                     v = BlendPixel(c & 0xFFFFFF, v, c >> 24);
                 } else {
                     if (flags & DI_MASK) v &= m ? 0xFFFFFFu : 0u;
                     if (flags & DI_IMAGE) v ^= c & 0xFFFFFF;
                 }
                 StorePixel(s, at, v);
             });
    return TRUE;
}

BOOL DrawIcon(HDC dc, int x, int y, HICON icon) { return DrawIconEx(dc, x, y, icon, 0, 0, 0, nullptr, DI_NORMAL); }

BOOL CDC::DrawIcon(int x, int y, HICON icon) { return ::DrawIcon(m_hDC, x, y, icon); }

BOOL CDC::DrawState(CPoint pt, CSize size, HICON icon, UINT flags, CBrush*) {
    if (!m_hDC || !icon) return FALSE;
    if (!(flags & (DSS_DISABLED | DSS_MONO))) return DrawIconEx(m_hDC, pt.x, pt.y, icon, size.cx, size.cy, 0, nullptr, DI_NORMAL);
    // Disabled: the opaque pixels drawn embossed in the highlight and shadow colours.
    HICON__ shape;
    shape.color = icon->color.copy();
    shape.mask = icon->mask;
    for (int pass = 0; pass < 2; ++pass) {
        const COLORREF c = (flags & DSS_MONO) ? GetTextColor() : GetSysColor(pass == 0 ? COLOR_BTNHIGHLIGHT : COLOR_BTNSHADOW);
        for (int yy = 0; yy < shape.color.height(); ++yy) {
            auto* row = reinterpret_cast<std::uint32_t*>(shape.color.scanLine(yy));
            const auto* src = reinterpret_cast<const std::uint32_t*>(icon->color.constScanLine(yy));
            const auto* m = icon->mask.isNull() ? nullptr : reinterpret_cast<const std::uint32_t*>(icon->mask.constScanLine(yy));
            for (int xx = 0; xx < shape.color.width(); ++xx) {
                const bool opaque = icon->hasAlpha ? (src[xx] >> 24) >= 128 : !(m && (m[xx] & 0xFFFFFF));
                row[xx] = opaque ? (0xFF000000u | PixelFromColor(c)) : 0u;
            }
        }
        shape.hasAlpha = true;
        const int offset = (flags & DSS_MONO) ? 0 : (pass == 0 ? 1 : 0);
        DrawIconEx(m_hDC, pt.x + offset, pt.y + offset, &shape, size.cx, size.cy, 0, nullptr, DI_NORMAL);
        if (flags & DSS_MONO) break;
    }
    return TRUE;
}
