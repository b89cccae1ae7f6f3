#include "htmllite/pixel_block.h"

#include <cstring>

namespace {

BITMAPINFO TopDownInfo(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// A DIB section with the pixels of `block`, selected into its own memory DC while it lives.
class SectionDC {
public:
    SectionDC(CDC* like, int width, int height) {
        const BITMAPINFO info = TopDownInfo(width, height);
        void* bits = nullptr;
        m_bitmap = ::CreateDIBSection(like ? like->GetSafeHdc() : nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        m_bits = static_cast<std::uint32_t*>(bits);
        if (!m_bitmap || !m_bits || !m_dc.CreateCompatibleDC(like)) return;
        m_old = m_dc.SelectObject(static_cast<HGDIOBJ>(m_bitmap));
        m_ok = true;
    }
    ~SectionDC() {
        if (m_ok) m_dc.SelectObject(m_old);
        m_dc.DeleteDC();
        if (m_bitmap) ::DeleteObject(m_bitmap);
    }
    bool ok() const { return m_ok; }
    CDC* dc() { return &m_dc; }
    std::uint32_t* bits() { return m_bits; }

private:
    CDC m_dc;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
    std::uint32_t* m_bits = nullptr;
    bool m_ok = false;
};

}  // namespace

CPixelBlock::CPixelBlock(int width, int height, std::uint32_t fill)
    : m_width(width > 0 ? width : 0),
      m_height(height > 0 ? height : 0),
      m_pixels(static_cast<size_t>(m_width) * m_height, fill) {}

bool CPixelBlock::ReadBitmap(HBITMAP bitmap) {
    if (!bitmap) return false;
    BITMAP bm{};
    if (!::GetObject(bitmap, sizeof(bm), &bm) || bm.bmWidth <= 0 || bm.bmHeight <= 0) return false;
    *this = CPixelBlock(bm.bmWidth, bm.bmHeight);
    BITMAPINFO info = TopDownInfo(bm.bmWidth, bm.bmHeight);
    return ::GetDIBits(nullptr, bitmap, 0, static_cast<UINT>(bm.bmHeight), m_pixels.data(), &info,
                       DIB_RGB_COLORS) > 0;
}

bool CPixelBlock::ReadDC(CDC* dc, int x, int y, int width, int height) {
    if (!dc || width <= 0 || height <= 0) return false;
    SectionDC section(dc, width, height);
    if (!section.ok()) return false;
    section.dc()->BitBlt(0, 0, width, height, dc, x, y, SRCCOPY);
    *this = CPixelBlock(width, height);
    std::memcpy(m_pixels.data(), section.bits(), m_pixels.size() * sizeof(std::uint32_t));
    return true;
}

bool CPixelBlock::WriteDC(CDC* dc, int x, int y) const {
    if (!dc || IsEmpty()) return false;
    SectionDC section(dc, m_width, m_height);
    if (!section.ok()) return false;
    std::memcpy(section.bits(), m_pixels.data(), m_pixels.size() * sizeof(std::uint32_t));
    return dc->BitBlt(x, y, m_width, m_height, section.dc(), 0, 0, SRCCOPY) != FALSE;
}

HBITMAP CPixelBlock::MakeBitmap() const {
    if (IsEmpty()) return nullptr;
    const BITMAPINFO info = TopDownInfo(m_width, m_height);
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap || !bits) {
        if (bitmap) ::DeleteObject(bitmap);
        return nullptr;
    }
    std::memcpy(bits, m_pixels.data(), m_pixels.size() * sizeof(std::uint32_t));
    return bitmap;
}

CPixelBlock CPixelBlock::Scaled(int width, int height) const {
    if (width == m_width && height == m_height) return *this;
    CPixelBlock out(width, height);
    if (IsEmpty()) return out;
    for (int y = 0; y < out.m_height; ++y) {
        const int sy = static_cast<int>(static_cast<long long>(y) * m_height / out.m_height);
        for (int x = 0; x < out.m_width; ++x) {
            const int sx = static_cast<int>(static_cast<long long>(x) * m_width / out.m_width);
            out.At(x, y) = At(sx, sy);
        }
    }
    return out;
}

CPixelBlock CPixelBlock::Part(int x, int y, int width, int height) const {
    CPixelBlock out(width, height);
    for (int j = 0; j < out.m_height; ++j)
        for (int i = 0; i < out.m_width; ++i) {
            const int sx = x + i, sy = y + j;
            if (sx >= 0 && sy >= 0 && sx < m_width && sy < m_height) out.At(i, j) = At(sx, sy);
        }
    return out;
}
