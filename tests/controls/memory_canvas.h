#pragma once
// A memory picture to draw on in the tests, filled with one colour.
#include "platform/ui/bitmap.h"
#include "platform/ui/dc.h"

class MemoryCanvas {
public:
    MemoryCanvas(int width, int height, COLORREF fill) {
        dc.CreateCompatibleDC(nullptr);
        bitmap.CreateBitmap(width, height, 1, 32, nullptr);
        old = dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, width, height, fill);
    }
    ~MemoryCanvas() { dc.SelectObject(old); }
    CDC dc;
    CBitmap bitmap;
    CBitmap* old = nullptr;
};
