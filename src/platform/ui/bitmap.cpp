#include "platform/ui/bitmap.h"

#include <QImageReader>

#include <cstring>

#include "platform/ui/gdi_records.h"

using namespace vorn_ui;

namespace vorn_ui {

std::uint32_t Surface::pixel(int x, int y) const {
    if (bitsPerPixel == 8 && bitmap) {
        const int memRow = bottomUp ? height() - 1 - y : y;
        const std::uint8_t index = bitmap->indexes[static_cast<std::size_t>(memRow * bitmap->indexStride + x)];
        if (index >= bitmap->palette.size()) return 0;
        const RGBQUAD& q = bitmap->palette[index];
        return (static_cast<std::uint32_t>(q.rgbRed) << 16) | (static_cast<std::uint32_t>(q.rgbGreen) << 8) | q.rgbBlue;
    }
    return row(y)[x] & 0x00FFFFFFu;
}

Surface SurfaceOfBitmap(BitmapRecord* bm) {
    Surface s;
    if (!bm) return s;
    s.image = &bm->image;
    s.bitmap = bm;
    s.bottomUp = bm->bottomUp;
    s.bitsPerPixel = bm->bitsPerPixel;
    s.drawAlpha = bm->dibSection ? 0u : 0xFF000000u;
    return s;
}

QImage DisplayImage(const Surface& s) {
    if (!s.valid()) return QImage();
    QImage out(s.width(), s.height(), QImage::Format_RGB32);
    for (int y = 0; y < s.height(); ++y) {
        auto* dst = reinterpret_cast<std::uint32_t*>(out.scanLine(y));
        for (int x = 0; x < s.width(); ++x) dst[x] = 0xFF000000u | s.pixel(x, y);
    }
    return out;
}

}  // namespace vorn_ui

namespace {

BitmapResourceLoader g_loader = nullptr;

BitmapRecord* NewBitmap(int width, int height, int bits) {
    if (width <= 0 || height <= 0 || width > 32767 || height > 32767) return nullptr;
    auto* bm = new BitmapRecord;
    bm->image = QImage(width, height, QImage::Format_RGB32);
    if (bm->image.isNull()) {
        delete bm;
        return nullptr;
    }
    bm->bitsPerPixel = bits;
    bm->image.fill(bits == 1 ? 0u : 0xFF000000u);
    return bm;
}

// Calls copyRow(i, picRow) for each of the scan lines startScan .. startScan + lines - 1 of the
// DIB that falls on a row of a picture pictureHeight rows high; returns how many did. Scan
// lines are counted from the bottom of a bottom-up DIB, from the top otherwise.
template <class CopyRow>
int ForEachScanLine(const BITMAPINFOHEADER& hdr, int pictureHeight, UINT startScan, UINT lines, CopyRow copyRow) {
    const bool bottomUp = hdr.biHeight > 0;
    const int height = std::abs(hdr.biHeight);
    int copied = 0;
    for (UINT i = 0; i < lines; ++i) {
        const int dibRow = static_cast<int>(startScan + i);
        if (dibRow >= height) break;
        const int picRow = bottomUp ? height - 1 - dibRow : dibRow;
        if (picRow < 0 || picRow >= pictureHeight) continue;
        copyRow(i, picRow);
        ++copied;
    }
    return copied;
}

}  // namespace

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits) {
    if (planes != 1) return nullptr;
    BitmapRecord* bm = NewBitmap(width, height, bitsPerPixel == 1 ? 1 : 32);
    if (!bm) return nullptr;
    if (bits) {
        const auto* src = static_cast<const std::uint8_t*>(bits);
        if (bitsPerPixel == 1) {
            const int stride = ((width + 15) / 16) * 2;
            for (int y = 0; y < height; ++y) {
                auto* row = reinterpret_cast<std::uint32_t*>(bm->image.scanLine(y));
                for (int x = 0; x < width; ++x) {
                    const bool white = (src[y * stride + x / 8] >> (7 - x % 8)) & 1;
                    row[x] = white ? 0x00FFFFFFu : 0u;
                }
            }
        } else if (bitsPerPixel == 32) {
            for (int y = 0; y < height; ++y) std::memcpy(bm->image.scanLine(y), src + y * width * 4, static_cast<std::size_t>(width) * 4);
        }
    }
    return bm;
}

HBITMAP CreateDIBSection(HDC, const BITMAPINFO* info, UINT usage, void** bits, void*, DWORD) {
    if (bits) *bits = nullptr;
    if (!info) return nullptr;
    const BITMAPINFOHEADER& h = info->bmiHeader;
    const int width = h.biWidth;
    const int height = h.biHeight < 0 ? -h.biHeight : h.biHeight;
    if (h.biBitCount != 32 && h.biBitCount != 8) return nullptr;
    BitmapRecord* bm = NewBitmap(width, height, h.biBitCount);
    if (!bm) return nullptr;
    bm->dibSection = true;
    bm->bottomUp = h.biHeight > 0;
    if (h.biBitCount == 8) {
        bm->indexStride = (width * 8 + 31) / 32 * 4;
        bm->indexes.assign(static_cast<std::size_t>(bm->indexStride) * height, 0);
        const int colours = h.biClrUsed ? static_cast<int>(h.biClrUsed) : 256;
        if (usage == DIB_RGB_COLORS) bm->palette.assign(info->bmiColors, info->bmiColors + std::min(colours, 256));
        if (bits) *bits = bm->indexes.data();
    } else {
        bm->image.fill(0u);  // a new DIB section is all zero bytes
        if (bits) *bits = bm->image.bits();
    }
    return bm;
}

HBITMAP LoadBitmapFromFile(const CString& path) {
    QImageReader reader(QString::fromStdWString(path.str()));
    QImage img = reader.read();
    if (img.isNull()) return nullptr;
    const bool hasTransparency = img.hasAlphaChannel();
    QImage argb = img.convertToFormat(QImage::Format_ARGB32);
    bool anyTransparent = false;
    if (hasTransparency) {
        for (int y = 0; y < argb.height() && !anyTransparent; ++y) {
            const auto* row = reinterpret_cast<const std::uint32_t*>(argb.constScanLine(y));
            for (int x = 0; x < argb.width(); ++x)
                if ((row[x] >> 24) != 0xFF) {
                    anyTransparent = true;
                    break;
                }
        }
    }
    BitmapRecord* bm = NewBitmap(argb.width(), argb.height(), 32);
    if (!bm) return nullptr;
    bm->dibSection = true;
    bm->bottomUp = false;
    for (int y = 0; y < argb.height(); ++y) {
        const auto* src = reinterpret_cast<const std::uint32_t*>(argb.constScanLine(y));
        auto* dst = reinterpret_cast<std::uint32_t*>(bm->image.scanLine(y));
        for (int x = 0; x < argb.width(); ++x) dst[x] = anyTransparent ? src[x] : (src[x] & 0x00FFFFFFu);
    }
    return bm;
}

HBITMAP CopyBitmap(HBITMAP h) {
    BitmapRecord* src = ToBitmap(h);
    if (!src) return nullptr;
    auto* bm = new BitmapRecord;
    bm->image = src->image.copy();
    bm->bitsPerPixel = src->bitsPerPixel == 8 ? 32 : src->bitsPerPixel;
    bm->dibSection = src->dibSection;
    if (src->bitsPerPixel == 8) {
        Surface s = SurfaceOfBitmap(src);
        for (int y = 0; y < s.height(); ++y)
            for (int x = 0; x < s.width(); ++x)
                reinterpret_cast<std::uint32_t*>(bm->image.scanLine(y))[x] = s.pixel(x, y);
    } else {
        bm->bottomUp = src->bottomUp;
    }
    return bm;
}

int GetDIBits(HDC, HBITMAP h, UINT startScan, UINT lines, void* bits, BITMAPINFO* info, UINT) {
    BitmapRecord* bm = ToBitmap(h);
    if (!bm || !info) return 0;
    BITMAPINFOHEADER& hdr = info->bmiHeader;
    if (!bits) {
        hdr.biWidth = bm->width();
        hdr.biHeight = bm->height();
        hdr.biPlanes = 1;
        hdr.biBitCount = static_cast<WORD>(bm->bitsPerPixel == 8 ? 8 : (bm->bitsPerPixel == 1 ? 1 : 32));
        hdr.biCompression = BI_RGB;
        hdr.biSizeImage = static_cast<DWORD>((hdr.biWidth * hdr.biBitCount + 31) / 32 * 4 * bm->height());
        return bm->height();
    }
    if (hdr.biBitCount != 32) return 0;
    Surface s = SurfaceOfBitmap(bm);
    const int width = std::min<int>(hdr.biWidth, s.width());
    auto* out = static_cast<std::uint32_t*>(bits);
    return ForEachScanLine(hdr, s.height(), startScan, lines, [&](UINT i, int picRow) {
        std::uint32_t* dst = out + static_cast<std::size_t>(i) * hdr.biWidth;
        const std::uint32_t* src = s.bitsPerPixel == 8 ? nullptr : s.row(picRow);
        for (int x = 0; x < width; ++x) dst[x] = src ? src[x] : s.pixel(x, picRow);
    });
}

int SetDIBits(HDC, HBITMAP h, UINT startScan, UINT lines, const void* bits, const BITMAPINFO* info, UINT) {
    BitmapRecord* bm = ToBitmap(h);
    if (!bm || !info || !bits || bm->bitsPerPixel == 8) return 0;
    const BITMAPINFOHEADER& hdr = info->bmiHeader;
    if (hdr.biBitCount != 32) return 0;
    Surface s = SurfaceOfBitmap(bm);
    const int width = std::min<int>(hdr.biWidth, s.width());
    const auto* in = static_cast<const std::uint32_t*>(bits);
    return ForEachScanLine(hdr, s.height(), startScan, lines, [&](UINT i, int picRow) {
        const std::uint32_t* src = in + static_cast<std::size_t>(i) * hdr.biWidth;
        std::uint32_t* dst = s.row(picRow);
        for (int x = 0; x < width; ++x) {
            std::uint32_t p = bm->dibSection ? src[x] : (src[x] | 0xFF000000u);
            if (bm->bitsPerPixel == 1) p = MonoPixel(p);
            dst[x] = p;
        }
    });
}

void SetBitmapResourceLoader(BitmapResourceLoader loader) { g_loader = loader; }

BOOL CBitmap::CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits) {
    DeleteObject();
    return Attach(::CreateBitmap(width, height, planes, bitsPerPixel, bits));
}

BOOL CBitmap::CreateBitmapIndirect(const BITMAP* bm) {
    if (!bm) return FALSE;
    return CreateBitmap(bm->bmWidth, bm->bmHeight, bm->bmPlanes, bm->bmBitsPixel, bm->bmBits);
}

BOOL CBitmap::LoadBitmap(UINT id) {
    DeleteObject();
    if (!g_loader) return FALSE;
    return Attach(g_loader(id));
}

BOOL CBitmap::LoadBitmap(LPCTSTR name) {
    if (IS_INTRESOURCE(name)) return LoadBitmap(static_cast<UINT>(reinterpret_cast<ULONG_PTR>(name)));
    return FALSE;
}

BOOL CBitmap::LoadFromFile(const CString& path) {
    DeleteObject();
    return Attach(LoadBitmapFromFile(path));
}

int CBitmap::GetBitmap(BITMAP* bm) const { return ::GetObject(m_hObject, sizeof(BITMAP), bm); }

DWORD CBitmap::GetBitmapBits(DWORD count, void* bits) const {
    BitmapRecord* bm = ToBitmap(m_hObject);
    if (!bm || !bits) return 0;
    Surface s = SurfaceOfBitmap(bm);
    auto* out = static_cast<std::uint8_t*>(bits);
    if (bm->bitsPerPixel == 1) {
        const int stride = ((s.width() + 15) / 16) * 2;
        const DWORD total = static_cast<DWORD>(stride * s.height());
        std::memset(out, 0, std::min(count, total));
        for (int y = 0; y < s.height(); ++y)
            for (int x = 0; x < s.width(); ++x) {
                const std::size_t at = static_cast<std::size_t>(y * stride + x / 8);
                if (at < count && (s.pixel(x, y) & 0xFFFFFF)) out[at] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            }
        return std::min(count, total);
    }
    const DWORD total = static_cast<DWORD>(s.width() * s.height() * 4);
    DWORD done = 0;
    for (int y = 0; y < s.height() && done < count; ++y)
        for (int x = 0; x < s.width() && done + 4 <= count; ++x, done += 4) {
            const std::uint32_t p = bm->bitsPerPixel == 8 ? s.pixel(x, y) : s.row(y)[x];
            std::memcpy(out + done, &p, 4);
        }
    return std::min(done, total);
}

DWORD CBitmap::SetBitmapBits(DWORD count, const void* bits) {
    BitmapRecord* bm = ToBitmap(m_hObject);
    if (!bm || !bits || bm->bitsPerPixel == 8) return 0;
    Surface s = SurfaceOfBitmap(bm);
    const auto* in = static_cast<const std::uint8_t*>(bits);
    if (bm->bitsPerPixel == 1) {
        const int stride = ((s.width() + 15) / 16) * 2;
        for (int y = 0; y < s.height(); ++y)
            for (int x = 0; x < s.width(); ++x) {
                const std::size_t at = static_cast<std::size_t>(y * stride + x / 8);
                if (at >= count) return count;
                s.row(y)[x] = ((in[at] >> (7 - x % 8)) & 1) ? 0x00FFFFFFu : 0u;
            }
        return static_cast<DWORD>(stride * s.height());
    }
    DWORD done = 0;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x, done += 4) {
            if (done + 4 > count) return done;
            std::uint32_t p;
            std::memcpy(&p, in + done, 4);
            s.row(y)[x] = p;
        }
    return done;
}

CSize CBitmap::GetBitmapDimension() const {
    BitmapRecord* bm = ToBitmap(m_hObject);
    return bm ? CSize(bm->dimension) : CSize();
}

CSize CBitmap::SetBitmapDimension(int width, int height) {
    BitmapRecord* bm = ToBitmap(m_hObject);
    if (!bm) return CSize();
    const CSize old(bm->dimension);
    bm->dimension = SIZE{width, height};
    return old;
}
