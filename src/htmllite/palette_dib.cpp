#include "htmllite/palette_dib.h"

#include <algorithm>
#include <cstring>

CPaletteDib::~CPaletteDib() { Free(); }

std::uint8_t* CPaletteDib::Create(int width, int height, int bitsPerPixel) {
    Free();
    if (width <= 0 || height <= 0 || bitsPerPixel <= 0 || bitsPerPixel > 32) return nullptr;
    m_stride = (width * bitsPerPixel + 31) / 32 * 4;
    m_header.biSize = 40;
    m_header.biWidth = width;
    m_header.biHeight = height;
    m_header.biPlanes = 1;
    m_header.biBitCount = static_cast<WORD>(bitsPerPixel);
    m_header.biCompression = BI_RGB;
    m_header.biSizeImage = static_cast<DWORD>(m_stride * height);
    m_paletteCount = bitsPerPixel == 1 ? 2 : bitsPerPixel == 4 ? 16 : bitsPerPixel == 8 ? 256 : 0;
    m_buffer.assign(sizeof(BITMAPINFOHEADER) + m_paletteCount * sizeof(RGBQUAD) + m_header.biSizeImage, 0);
    std::memcpy(m_buffer.data(), &m_header, sizeof(m_header));
    return m_buffer.data();
}

void CPaletteDib::Free() {
    m_memDC.reset();
    if (m_section) ::DeleteObject(m_section);
    m_section = nullptr;
    m_sectionBits = nullptr;
    m_buffer.clear();
    m_buffer.shrink_to_fit();
    m_header = BITMAPINFOHEADER{};
    m_paletteCount = 0;
    m_stride = 0;
}

RGBQUAD* CPaletteDib::Palette() {
    if (m_buffer.empty()) return nullptr;
    return reinterpret_cast<RGBQUAD*>(m_buffer.data() + sizeof(BITMAPINFOHEADER));
}

std::uint8_t* CPaletteDib::Pixels() {
    if (m_buffer.empty()) return nullptr;
    return m_buffer.data() + sizeof(BITMAPINFOHEADER) + m_paletteCount * sizeof(RGBQUAD);
}

void CPaletteDib::TintPalette(int percent, COLORREF color) {
    RGBQUAD* palette = Palette();
    if (!palette) return;
    const int p = std::min(percent, 100);
    const int r = GetRValue(color), g = GetGValue(color), b = GetBValue(color);
    for (int i = 0; i < m_paletteCount; ++i) {
        palette[i].rgbRed = static_cast<BYTE>((r * p + palette[i].rgbRed * (100 - p)) / 100);
        palette[i].rgbGreen = static_cast<BYTE>((g * p + palette[i].rgbGreen * (100 - p)) / 100);
        palette[i].rgbBlue = static_cast<BYTE>((b * p + palette[i].rgbBlue * (100 - p)) / 100);
    }
}

void CPaletteDib::Draw(CDC* dc, int x, int y) {
    if (!dc || m_buffer.empty()) return;
    if (!m_section) {
        void* bits = nullptr;
        m_section = ::CreateDIBSection(dc->GetSafeHdc(), reinterpret_cast<const BITMAPINFO*>(m_buffer.data()),
                                       DIB_RGB_COLORS, &bits, nullptr, 0);
        if (!m_section) return;
        m_sectionBits = static_cast<std::uint8_t*>(bits);
    }
    if (m_sectionBits) std::memcpy(m_sectionBits, Pixels(), m_header.biSizeImage);
    if (!m_memDC) {
        auto memDC = std::make_unique<CDC>();
        if (!memDC->CreateCompatibleDC(dc)) return;
        m_memDC = std::move(memDC);
    }
    HGDIOBJ old = m_memDC->SelectObject(static_cast<HGDIOBJ>(m_section));
    dc->BitBlt(x, y, m_header.biWidth, m_header.biHeight, m_memDC.get(), 0, 0, SRCCOPY);
    m_memDC->SelectObject(old);
}
