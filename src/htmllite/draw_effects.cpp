#include "htmllite/draw_effects.h"

#include <algorithm>
#include <cwchar>
#include <utility>

#include "htmllite/pixel_block.h"

namespace {

// a laid over b with weight p (0 to 1) in each colour channel; b keeps its alpha byte.
std::uint32_t MixPixel(std::uint32_t a, std::uint32_t b, double p) {
    std::uint32_t out = b & 0xFF000000u;
    for (int shift = 0; shift <= 16; shift += 8) {
        const double v = ((a >> shift) & 0xFF) * p + ((b >> shift) & 0xFF) * (1 - p);
        out |= static_cast<std::uint32_t>(v) << shift;
    }
    return out;
}

const wchar_t* const kEffectNames[] = {
    L"solid", L"hgradient", L"vgradient", L"hcgradient", L"vcgradient", L"3hgradient", L"3vgradient", L"noise",
    L"diagshade", L"hshade", L"vshade", L"hbump", L"vbump", L"softbump", L"hardbump", L"metal",
};

int Cube(int v) { return v * v * v / 16384; }

// The effect flags 1, 2, 4 and 8 and the inversion applied to one block; masked pixels
// (the mask colour with alpha 0) become black first.
CPixelBlock Prepare(const CPixelBlock& src, int flags, BOOL useMask, COLORREF maskColor, COLORREF plainColor,
                    int& hasAlpha) {
    CPixelBlock out = src;
    const std::uint32_t mask = CPixelBlock::FromColor(maskColor);
    const std::uint32_t plain = CPixelBlock::FromColor(plainColor);
    for (std::uint32_t& p : out.Pixels()) {
        const std::uint32_t alpha = p & 0xFF000000u;
        std::uint32_t rgb = p & 0x00FFFFFFu;
        if (alpha) hasAlpha = 1;
        if (useMask && rgb == mask && alpha == 0) {
            rgb = 0;
        } else {
            int r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
            if (flags & DE_GRAYSCALE) r = g = b = static_cast<int>(0.299 * r + 0.587 * g + 0.114 * b);
            if (flags & DE_DARKER) {
                r = static_cast<int>(r * 0.75);
                g = static_cast<int>(g * 0.75);
                b = static_cast<int>(b * 0.75);
            }
            if (flags & DE_LIGHTER) {
                r = std::min(255, static_cast<int>(r * 1.25));
                g = std::min(255, static_cast<int>(g * 1.25));
                b = std::min(255, static_cast<int>(b * 1.25));
            }
            rgb = (static_cast<std::uint32_t>(r) << 16) | (static_cast<std::uint32_t>(g) << 8) | b;
            if (flags & DE_MONOCHROME) rgb = plain;
        }
        if (flags & DE_INVERT) rgb = ~rgb & 0x00FFFFFFu;
        p = alpha | rgb;
    }
    return out;
}

// Darkens the pixels of `dc` under the shadow mask: the mask's blue channel / 255, averaged
// over a blurX x blurY box when blurring (pixels outside the mask count as white).
void ShadowPixels(CDC* dc, int x, int y, int width, int height, const CPixelBlock& mask, bool blur, int blurX,
                  int blurY) {
    if (!dc || width <= 0 || height <= 0) return;
    CPixelBlock a;
    if (blur) {
        if (blurX % 2 == 0) ++blurX;
        if (blurY % 2 == 0) ++blurY;
        a = CPixelBlock(width, height, 0x00FFFFFFu);
        const int w = width - blurX, h = height - blurY;
        if (w > 0 && h > 0) {
            const CPixelBlock small = mask.Scaled(w, h);
            for (int j = 0; j < h; ++j)
                for (int i = 0; i < w; ++i) a.At(i + blurX / 2, j + blurY / 2) = small.At(i, j);
        }
    } else {
        a = mask.Part(0, 0, width, height);
    }
    CPixelBlock b;
    if (!b.ReadDC(dc, x, y, width, height)) return;

    std::vector<double> factor(static_cast<size_t>(width) * height);
    if (blur) {
        // Running sums along rows, then along columns; outside pixels count 255.
        const int rx = blurX / 2, ry = blurY / 2;
        std::vector<long> rows(static_cast<size_t>(width) * height);
        for (int j = 0; j < height; ++j) {
            long sum = 0;
            for (int k = -rx; k <= rx; ++k) sum += (k >= 0 && k < width) ? (a.At(k, j) & 0xFF) : 255;
            for (int i = 0; i < width; ++i) {
                rows[static_cast<size_t>(j) * width + i] = sum;
                const int out = i - rx, in = i + rx + 1;
                sum -= (out >= 0 && out < width) ? (a.At(out, j) & 0xFF) : 255;
                sum += (in >= 0 && in < width) ? (a.At(in, j) & 0xFF) : 255;
            }
        }
        const long outsideRow = 255L * blurX;
        const double area = 255.0 * blurX * blurY;
        for (int i = 0; i < width; ++i) {
            long sum = 0;
            for (int k = -ry; k <= ry; ++k) sum += (k >= 0 && k < height) ? rows[static_cast<size_t>(k) * width + i] : outsideRow;
            for (int j = 0; j < height; ++j) {
                factor[static_cast<size_t>(j) * width + i] = sum / area;
                const int out = j - ry, in = j + ry + 1;
                sum -= (out >= 0 && out < height) ? rows[static_cast<size_t>(out) * width + i] : outsideRow;
                sum += (in >= 0 && in < height) ? rows[static_cast<size_t>(in) * width + i] : outsideRow;
            }
        }
    } else {
        for (int j = 0; j < height; ++j)
            for (int i = 0; i < width; ++i) factor[static_cast<size_t>(j) * width + i] = (a.At(i, j) & 0xFF) / 255.0;
    }
    for (int j = 0; j < height; ++j)
        for (int i = 0; i < width; ++i) {
            const double f = factor[static_cast<size_t>(j) * width + i];
            if (f < 0 || f >= 1) continue;
            std::uint32_t& p = b.At(i, j);
            const auto r = static_cast<std::uint32_t>(((p >> 16) & 0xFF) * f);
            const auto g = static_cast<std::uint32_t>(((p >> 8) & 0xFF) * f);
            const auto bl = static_cast<std::uint32_t>((p & 0xFF) * f);
            p = (p & 0xFF000000u) | (r << 16) | (g << 8) | bl;
        }
    b.WriteDC(dc, x, y);
}

// Draws a block already at its drawn size: mask, image, optional shadow, then the image by
// its alpha or by mask-and/image-or.
// One picture to draw: the block its colours come from and the block its transparency comes
// from, each with its mask colour (a bitmap is both; an icon has a colour and a mask bitmap).
struct PictureSource {
    const CPixelBlock& image;
    COLORREF imageMaskColor;
    const CPixelBlock& mask;
    COLORREF maskColor;
    BOOL useMask;
};

void DrawPrepared(const PictureSource& source, CDC* dc, int x, int y, int flags, BOOL shadowRoom, int shadowX,
                  int shadowY, int blurX, int blurY, COLORREF plainColor, int& hasAlpha) {
    const CPixelBlock& scaled = source.mask;
    const CPixelBlock mask =
        Prepare(scaled, DE_INVERT | DE_MONOCHROME, source.useMask, source.maskColor, RGB(255, 255, 255), hasAlpha);
    const CPixelBlock image = Prepare(source.image, flags, source.useMask, source.imageMaskColor, plainColor, hasAlpha);
    if (shadowRoom) {
        if (flags & (DE_SHADOW | DE_SHADOW_BLUR)) {
            const CPixelBlock shadowMask = Prepare(scaled, DE_INVERT | DE_MONOCHROME, source.useMask, source.maskColor,
                                                   ~plainColor & 0x00FFFFFFu, hasAlpha);
            ShadowPixels(dc, x + shadowX, y + shadowY, scaled.Width(), scaled.Height(), shadowMask,
                         (flags & DE_SHADOW_BLUR) != 0, blurX, blurY);
        } else {
            // Without a shadow the image sits where the shadow would be, so a hover look with
            // a shadow seems to lift the image.
            x += shadowX;
            y += shadowY;
        }
    }
    CPixelBlock dst;
    if (!dst.ReadDC(dc, x, y, scaled.Width(), scaled.Height())) return;
    for (int j = 0; j < dst.Height(); ++j)
        for (int i = 0; i < dst.Width(); ++i) {
            std::uint32_t& d = dst.At(i, j);
            const std::uint32_t s = image.At(i, j);
            if (hasAlpha) {
                const double p = ((s >> 24) & 0xFF) / 255.0;
                std::uint32_t out = d & 0xFF000000u;
                for (int shift = 0; shift <= 16; shift += 8) {
                    const double v = ((s >> shift) & 0xFF) * p + ((d >> shift) & 0xFF) * (1 - p);
                    out |= static_cast<std::uint32_t>(v) << shift;
                }
                d = out;
            } else {
                d = (d & (mask.At(i, j) | 0xFF000000u)) | (s & 0x00FFFFFFu);
            }
        }
    dst.WriteDC(dc, x, y);
}

// The colour and mask bitmaps of an icon, at the icon's size.
bool ReadIcon(HICON icon, CPixelBlock& color, CPixelBlock& mask) {
    ICONINFO info{};
    if (!icon || !::GetIconInfo(icon, &info)) return false;
    const bool ok = color.ReadBitmap(info.hbmColor) && mask.ReadBitmap(info.hbmMask) &&
                    color.Width() == mask.Width() && color.Height() == mask.Height();
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    return ok;
}

}  // namespace

int CDrawEffects::EffectFromName(const CString& name) {
    for (int i = 0; i < static_cast<int>(std::size(kEffectNames)); ++i)
        if (name == kEffectNames[i]) return i;
    if (name == L"transparent") return -1;
    if (!name.IsEmpty() && ((name[0] >= L'0' && name[0] <= L'9') || name[0] == L'-'))
        return static_cast<int>(std::wcstol(name.GetString(), nullptr, 0));
    return -1;
}

int CDrawEffects::Rand15() {
    m_seed = m_seed * 214013u + 2531011u;
    return static_cast<int>((m_seed >> 16) & 0x7FFF);
}

CSize CDrawEffects::GetBitmapSize(HBITMAP bitmap) {
    BITMAP bm{};
    if (!bitmap || !::GetObject(bitmap, sizeof(bm), &bm)) return CSize(0, 0);
    return CSize(bm.bmWidth, bm.bmHeight);
}

void CDrawEffects::DrawGradient(COLORREF start, COLORREF end, const RECT& rc, CDC* dc, BOOL horizontal) {
    if (!dc) return;
    const int length = horizontal ? rc.right - rc.left : rc.bottom - rc.top;
    for (int g = 0; g < 64; ++g) {
        const int from = g * length / 64, to = (g + 1) * length / 64;
        if (to <= from) continue;
        const COLORREF c = RGB((GetRValue(start) * (64 - g) + GetRValue(end) * g) / 64,
                               (GetGValue(start) * (64 - g) + GetGValue(end) * g) / 64,
                               (GetBValue(start) * (64 - g) + GetBValue(end) * g) / 64);
        if (horizontal)
            dc->FillSolidRect(rc.left + from, rc.top, to - from, rc.bottom - rc.top, c);
        else
            dc->FillSolidRect(rc.left, rc.top + from, rc.right - rc.left, to - from, c);
    }
}

void CDrawEffects::FillBackground(CDC* dc, const RECT& rc, int kind, COLORREF s, COLORREF m, COLORREF e,
                                  int noiseAmplitude, int tintPercent) {
    if (!dc) return;
    const int w = rc.right - rc.left, h = rc.bottom - rc.top;
    if (w <= 0 || h <= 0) return;
    const CRect r(rc);
    // Two gradients, a to b then b to c, side by side (horizontal) or one above the other.
    auto halves = [&](COLORREF a, COLORREF b, COLORREF c, BOOL horizontal) {
        const CRect first = horizontal ? CRect(r.left, r.top, r.left + w / 2, r.bottom)
                                       : CRect(r.left, r.top, r.right, r.top + h / 2);
        const CRect second = horizontal ? CRect(r.left + w / 2, r.top, r.right, r.bottom)
                                        : CRect(r.left, r.top + h / 2, r.right, r.bottom);
        DrawGradient(a, b, first, dc, horizontal);
        DrawGradient(b, c, second, dc, horizontal);
    };
    switch (kind) {
    case DE_BACK_HGRADIENT: DrawGradient(s, e, r, dc, TRUE); break;
    case DE_BACK_VGRADIENT: DrawGradient(s, e, r, dc, FALSE); break;
    case DE_BACK_HCGRADIENT: halves(s, e, s, TRUE); break;
    case DE_BACK_VCGRADIENT: halves(s, e, s, FALSE); break;
    case DE_BACK_3HGRADIENT: halves(s, m, e, TRUE); break;
    case DE_BACK_3VGRADIENT: halves(s, m, e, FALSE); break;
    default:
        if (kind >= DE_BACK_NOISE && kind <= DE_BACK_METAL)
            FillTexture(dc, rc, kind, s, m, e, noiseAmplitude, tintPercent);
        else
            dc->FillSolidRect(&rc, s);
        break;
    }
}

void CDrawEffects::FillTexture(CDC* dc, const RECT& rc, int kind, COLORREF s, COLORREF m, COLORREF e,
                               int noiseAmplitude, int tintPercent) {
    const int W = rc.right - rc.left, H = rc.bottom - rc.top;
    if (!m_texture.Create(W, H, 8)) return;
    RGBQUAD* pal = m_texture.Palette();
    auto mix = [](COLORREF a, COLORREF b, int f) {
        return RGBQUAD{static_cast<BYTE>((GetBValue(a) * (128 - f) + GetBValue(b) * f) / 128),
                       static_cast<BYTE>((GetGValue(a) * (128 - f) + GetGValue(b) * f) / 128),
                       static_cast<BYTE>((GetRValue(a) * (128 - f) + GetRValue(b) * f) / 128), 0};
    };
    for (int f = 0; f <= 128; ++f) pal[f] = mix(e, m, f);
    for (int f = 1; f <= 128; ++f) pal[127 + f] = mix(m, s, f);
    m_texture.TintPalette(tintPercent, s);

    const int A = std::clamp(noiseAmplitude, 0, 255);
    const int noiseRange = A == 0 ? 1 : 2 * A;
    const int noiseDivisor = std::max(1, 32767 / noiseRange);
    const int t = 255 - 2 * A;
    std::uint8_t* bits = m_texture.Pixels();
    const int stride = m_texture.Stride();
    auto at = [&](int row, int col) -> std::uint8_t& { return bits[static_cast<size_t>(row) * stride + col]; };
    auto noise = [&] { return Rand15() / noiseDivisor; };
    auto put = [&](int row, int col, int value) { at(row, col) = static_cast<std::uint8_t>(value & 0xFF); };

    switch (kind) {
    case DE_BACK_NOISE:
        for (int r = 0; r < H; ++r)
            for (int j = 0; j < W; ++j) put(r, j, 128 + noise() - A);
        break;
    case DE_BACK_DIAGSHADE:
        for (int r = 0; r < H; ++r)
            for (int j = 0; j < W; ++j) put(r, j, r * (t / 2) / H + (W - j) * (t / 2) / W + noise());
        break;
    case DE_BACK_HSHADE:
        for (int r = 0; r < H; ++r)
            for (int j = 0; j < W; ++j) put(r, j, r * t / H + noise());
        break;
    case DE_BACK_VSHADE:
        for (int r = 0; r < H; ++r)
            for (int j = 0; j < W; ++j) put(r, j, (W - j) * t / W + noise());
        break;
    case DE_BACK_HBUMP:
        for (int r = 0; r < H; ++r)
            for (int j = 0; j < W; ++j) put(r, j, Cube(r * 255 / H - 127) * (128 - A) / 128 + 128 + noise() - A);
        break;
    case DE_BACK_VBUMP:
        for (int r = 0; r < H; ++r)
            for (int j = 0; j < W; ++j)
                put(r, j, Cube((W - j) * 255 / W - 127) * (128 - A) / 128 + 128 + noise() - A);
        break;
    case DE_BACK_SOFTBUMP:
        for (int r = 0; r < H; ++r)
            for (int j = 0; j < W; ++j) {
                int k = (Cube(r * 255 / H - 127) + Cube((W - j) * 255 / W - 127)) * (128 - A) / 128 + 128;
                k = std::min(std::max(k, A), 255 - A);
                put(r, j, k + noise() - A);
            }
        break;
    case DE_BACK_HARDBUMP: {
        for (int r = 0; r < H; ++r)
            for (int j = 0; j < W; ++j)
                put(r, j, Cube(r * 255 / H - 127) * (64 - A) * 2 / 128 + 128 + noise() - A);
        // A rim that is widest in the middle row; a strip too narrow for one has none.
        const int w = std::min(W / 6, 16);
        const int quarterSquare = std::max(1, H * H / 4);
        if (w > 0) {
            for (int r = 0; r < H; ++r) {
                const int d = r - H / 2;
                const int P = w * d * d / quarterSquare + W / 2 - w;
                for (int j = 0; j < W; ++j) {
                    if (j - W / 2 > P)
                        put(r, j, A + (W - j) * 128 / w + noise() - A);
                    else if (j - W / 2 < -P)
                        put(r, j, 255 - A - j * 128 / w + noise() - A);
                }
            }
        }
        break;
    }
    case DE_BACK_METAL: {
        const int columnDivisor = std::max(1, 32767 / W);
        const int rowDivisor = std::max(1, 32767 / H);
        const int lengthDivisor = std::max(1, 32767 / std::min(W, H));
        for (int streak = 0; streak < 200; ++streak) {
            const int c = Rand15() / columnDivisor;
            const int rowFromTop = Rand15() / rowDivisor;
            const int L = Rand15() / lengthDivisor;
            const int V = Rand15() / 819;
            for (int k = 0; k < L / 2; ++k) {
                const int c1 = c - k, r1 = rowFromTop + k;
                if (c1 >= 0 && c1 < W && r1 >= 0 && r1 < H) put(H - 1 - r1, c1, V);
                const int c2 = W - c + k, r2 = rowFromTop - k;
                if (c2 >= 0 && c2 < W && r2 >= 0 && r2 < H) put(H - 1 - r2, c2, V);
            }
        }
        const int v = (t - 40) / 2;
        for (int r = 0; r < H; ++r)
            for (int j = 0; j < W; ++j) put(r, j, at(r, j) + r * v / H + (W - j) * v / W + noise());
        break;
    }
    default: break;
    }
    m_texture.Draw(dc, rc.left, rc.top);
    m_texture.Free();
}

HBITMAP CDrawEffects::CreateImageEx(HBITMAP bitmap, int width, int height, int flags, BOOL useMask,
                                    COLORREF maskColor, COLORREF plainColor) {
    CPixelBlock src;
    if (!src.ReadBitmap(bitmap)) return nullptr;
    return Prepare(src.Part(0, 0, width, height), flags, useMask, maskColor, plainColor, m_hasAlpha).MakeBitmap();
}

void CDrawEffects::DrawBitmap(int width, int height, CDC* dc, int x, int y, HBITMAP bitmap, BOOL useMask,
                              COLORREF maskColor, int flags, BOOL shadowRoom, int shadowX, int shadowY, int blurX,
                              int blurY, COLORREF plainColor) {
    m_hasAlpha = 0;
    if (!bitmap || !dc || width <= 0 || height <= 0) return;
    CPixelBlock src;
    if (!src.ReadBitmap(bitmap)) return;
    const CPixelBlock scaled = src.Scaled(width, height);
    DrawPrepared({scaled, maskColor, scaled, maskColor, useMask}, dc, x, y, flags, shadowRoom, shadowX, shadowY, blurX,
                 blurY, plainColor, m_hasAlpha);
}

void CDrawEffects::DrawIcon(int flags, int width, int height, CDC* dc, int x, int y, HICON icon, BOOL shadowRoom,
                            int shadowX, int shadowY, int blurX, int blurY, COLORREF plainColor) {
    m_hasAlpha = 0;
    if (!icon || !dc || width <= 0 || height <= 0) return;
    CPixelBlock color, mask;
    if (!ReadIcon(icon, color, mask)) return;
    if (color.Width() != width || color.Height() != height) {
        color = color.Scaled(width, height);
        mask = mask.Scaled(width, height);
    }
    // The colours come from the colour bitmap, whose transparent pixels are black; a plain
    // colour picture is the mask bitmap's opaque (black) part in that colour.
    const bool plain = (flags & DE_MONOCHROME) != 0;
    DrawPrepared({plain ? mask : color, plain ? RGB(255, 255, 255) : RGB(0, 0, 0), mask, RGB(255, 255, 255), TRUE}, dc,
                 x, y, flags, shadowRoom, shadowX, shadowY, blurX, blurY, plainColor, m_hasAlpha);
}

CSize CDrawEffects::GetIconSize(HICON icon) {
    ICONINFO info{};
    if (!icon || !::GetIconInfo(icon, &info)) return CSize(0, 0);
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    return CSize(2 * static_cast<int>(info.xHotspot), 2 * static_cast<int>(info.yHotspot));
}

HICON CDrawEffects::StretchIcon(HICON icon, int width, int height) {
    if (width <= 0 || height <= 0) return nullptr;
    CPixelBlock color, mask;
    if (!ReadIcon(icon, color, mask)) return nullptr;
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmColor = color.Scaled(width, height).MakeBitmap();
    info.hbmMask = mask.Scaled(width, height).MakeBitmap();
    HICON stretched = info.hbmColor && info.hbmMask ? ::CreateIconIndirect(&info) : nullptr;
    if (info.hbmColor) ::DeleteObject(info.hbmColor);
    if (info.hbmMask) ::DeleteObject(info.hbmMask);
    return stretched;
}

void CDrawEffects::DrawImageStrip(CDC* dc, int x, int y, int width, int height, HBITMAP bitmap, int frame,
                                  int frameWidth, int frameHeight, BOOL useMask, COLORREF maskColor, int flags,
                                  BOOL shadowRoom, int shadowX, int shadowY, int blurX, int blurY,
                                  COLORREF plainColor) {
    m_hasAlpha = 0;
    if (!bitmap || !dc || frameWidth <= 0 || frameHeight <= 0 || width <= 0 || height <= 0 || frame < 0) return;
    CPixelBlock src;
    if (!src.ReadBitmap(bitmap)) return;
    const int columns = src.Width() / frameWidth, rows = src.Height() / frameHeight;
    if (columns == 0 || rows == 0 || frame >= columns * rows) return;
    const CPixelBlock part = src.Part(frame % columns * frameWidth, frame / columns * frameHeight, frameWidth, frameHeight);
    const CPixelBlock scaled = part.Scaled(width, height);
    DrawPrepared({scaled, maskColor, scaled, maskColor, useMask}, dc, x, y, flags, shadowRoom, shadowX, shadowY, blurX,
                 blurY, plainColor, m_hasAlpha);
}

void CDrawEffects::DrawShadow(CDC* dc, int x, int y, int width, int height, HBITMAP shadowMask, BOOL blur, int blurX,
                              int blurY) {
    CPixelBlock mask;
    if (!mask.ReadBitmap(shadowMask)) return;
    ShadowPixels(dc, x, y, width, height, mask, blur != FALSE, blurX, blurY);
}

void CDrawEffects::BlendImage(CDC* src, CDC* dst, int x, int y, int width, int height, int srcX, int srcY,
                              int percent) {
    if (!src || !dst) return;
    if (percent >= 100) {
        dst->BitBlt(x, y, width, height, src, srcX, srcY, SRCCOPY);
        return;
    }
    CPixelBlock s, d;
    if (!s.ReadDC(src, srcX, srcY, width, height) || !d.ReadDC(dst, x, y, width, height)) return;
    const double p = percent * 0.01;
    for (int j = 0; j < height; ++j)
        for (int i = 0; i < width; ++i) {
            const std::uint32_t a = s.At(i, j);
            std::uint32_t& b = d.At(i, j);
            b = MixPixel(a, b, p);
        }
    d.WriteDC(dst, x, y);
}

void CDrawEffects::BlendPerPixel(CDC* src, CDC* dst, int x, int y, int width, int height, int srcX, int srcY) {
    if (!src || !dst) return;
    CPixelBlock s, d;
    if (!s.ReadDC(src, srcX, srcY, width, height) || !d.ReadDC(dst, x, y, width, height)) return;
    for (int j = 0; j < height; ++j)
        for (int i = 0; i < width; ++i) {
            const std::uint32_t a = s.At(i, j);
            std::uint32_t& b = d.At(i, j);
            b = MixPixel(a, b, ((a >> 24) & 0xFF) / 255.0);
        }
    d.WriteDC(dst, x, y);
}

void CDrawEffects::DrawRectBorder(int left, CDC* dc, int top, int right, int bottom, COLORREF light, COLORREF dark,
                                  int borderStyle, int width) {
    if (!dc || borderStyle == 0 || width <= 0) return;
    int penStyle = PS_SOLID;
    switch (borderStyle) {
    case 2: penStyle = PS_DASH; break;
    case 3: penStyle = PS_DOT; break;
    case 4: penStyle = PS_DASHDOT; break;
    case 5: penStyle = PS_DASHDOTDOT; break;
    default: break;
    }
    CPen lightPen(penStyle, width, light);
    CPen darkPen;
    if (dark != light) darkPen.CreatePen(penStyle, width, dark);
    CPen* darkUse = dark != light ? &darkPen : &lightPen;
    const int h = width / 2;
    auto frame = [&](int inset) {
        const int l = left + h + inset, t = top + h + inset;
        const int r = right - 1 - h - inset, b = bottom - 1 - h - inset;
        if (r < l || b < t) return;
        CPen* old = dc->SelectObject(&lightPen);
        dc->MoveTo(l, b);
        dc->LineTo(l, t);
        dc->LineTo(r, t);
        dc->SelectObject(darkUse);
        dc->LineTo(r, b);
        dc->LineTo(l, b);
        dc->SelectObject(old);
    };
    frame(0);
    if (borderStyle == 6) frame(2 * width);
}

void CDrawEffects::TileBitmap(CDC* dst, const RECT& rc, CDC* src, int blockWidth, int blockHeight) {
    if (!dst || !src || blockWidth <= 0 || blockHeight <= 0) return;
    for (int y = rc.top; y < rc.bottom; y += blockHeight)
        for (int x = rc.left; x < rc.right; x += blockWidth)
            dst->BitBlt(x, y, std::min(blockWidth, static_cast<int>(rc.right) - x),
                        std::min(blockHeight, static_cast<int>(rc.bottom) - y), src, 0, 0, SRCCOPY);
}
