#pragma once
// Icons made in the tests: a square of one colour, or one with a second colour in its
// right half, opaque everywhere.
#include <cstdint>
#include <vector>

#include "platform/ui/bitmap.h"
#include "platform/ui/gdi_object.h"
#include "platform/ui/icon.h"

inline HICON MakeTestIcon(int size, COLORREF left, COLORREF right) {
    std::vector<std::uint32_t> pixels(static_cast<size_t>(size * size));
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const COLORREF c = x < size / 2 ? left : right;
            pixels[static_cast<size_t>(y * size + x)] =
                (static_cast<std::uint32_t>(GetRValue(c)) << 16) | (GetGValue(c) << 8) | GetBValue(c);
        }
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmColor = ::CreateBitmap(size, size, 1, 32, pixels.data());
    info.hbmMask = ::CreateBitmap(size, size, 1, 1, nullptr);
    HICON icon = ::CreateIconIndirect(&info);
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    return icon;
}

inline HICON MakeTestIcon(int size, COLORREF colour) { return MakeTestIcon(size, colour, colour); }
