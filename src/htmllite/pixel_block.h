#pragma once
// A block of 32-bit pixels (B, G, R, A bytes; 0xAARRGGBB as numbers) that the effects compute
// directly, with the transfers to and from bitmaps and device contexts.
#include <cstdint>
#include <vector>

#include "platform/ui/dc.h"

class CPixelBlock {
public:
    CPixelBlock() = default;
    CPixelBlock(int width, int height, std::uint32_t fill = 0);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool IsEmpty() const { return m_width <= 0 || m_height <= 0; }
    std::uint32_t& At(int x, int y) { return m_pixels[static_cast<size_t>(y) * m_width + x]; }
    std::uint32_t At(int x, int y) const { return m_pixels[static_cast<size_t>(y) * m_width + x]; }
    std::vector<std::uint32_t>& Pixels() { return m_pixels; }

    // The whole bitmap; false when it cannot be read.
    bool ReadBitmap(HBITMAP bitmap);
    // The area (x, y, width, height) of what `dc` shows.
    bool ReadDC(CDC* dc, int x, int y, int width, int height);
    // Copies the block to (x, y) of `dc` (through the DC's clip region).
    bool WriteDC(CDC* dc, int x, int y) const;
    // A new 32-bit DIB section holding the block; the caller deletes it.
    HBITMAP MakeBitmap() const;
    // The block scaled to width x height by nearest pixels.
    CPixelBlock Scaled(int width, int height) const;
    // The part (x, y, width, height); parts outside the block are black.
    CPixelBlock Part(int x, int y, int width, int height) const;

    static std::uint32_t FromColor(COLORREF c) {
        return ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
    }
    static COLORREF ToColor(std::uint32_t p) { return ((p >> 16) & 0xFFu) | (p & 0xFF00u) | ((p & 0xFFu) << 16); }

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<std::uint32_t> m_pixels;
};
