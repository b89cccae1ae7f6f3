#pragma once
// A palette bitmap (1, 4 or 8 bits per pixel) whose header, palette and pixels live in one
// buffer the program fills directly, drawn through a DIB section made on first use.
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/ui/dc.h"

class CPaletteDib {
public:
    CPaletteDib() = default;
    virtual ~CPaletteDib();
    CPaletteDib(const CPaletteDib&) = delete;
    CPaletteDib& operator=(const CPaletteDib&) = delete;

    // Frees the old content and makes room for a width x height picture; null when the
    // size or the bit count is unusable.
    std::uint8_t* Create(int width, int height, int bitsPerPixel);
    void Free();
    // Moves every palette entry toward `color` by `percent` (at most 100).
    void TintPalette(int percent, COLORREF color);
    // Copies the picture to (x, y) of `dc`.
    void Draw(CDC* dc, int x, int y);

    RGBQUAD* Palette();
    std::uint8_t* Pixels();  // rows bottom-up, `Stride()` bytes each
    int Width() const { return m_header.biWidth; }
    int Height() const { return m_header.biHeight; }
    int Stride() const { return m_stride; }
    int PaletteCount() const { return m_paletteCount; }

private:
    BITMAPINFOHEADER m_header{};
    std::uint16_t m_paletteCount = 0;
    int m_stride = 0;
    std::vector<std::uint8_t> m_buffer;
    HBITMAP m_section = nullptr;
    std::uint8_t* m_sectionBits = nullptr;
    std::unique_ptr<CDC> m_memDC;
};
