#pragma once
// Shared set-up of the drawing tests: the Qt application on the offscreen platform and a
// white memory canvas to draw on.
#include "platform/ui/dc.h"

void EnsureApplication();

class CTestCanvas {
public:
    CTestCanvas(int width, int height, COLORREF fill = RGB(255, 255, 255));
    ~CTestCanvas();
    CDC* dc() { return &m_dc; }
    COLORREF Pixel(int x, int y) const { return m_dc.GetPixel(x, y); }
    bool Save(const char* name) const;

private:
    CDC m_dc;
    CBitmap m_bitmap;
    CBitmap* m_old = nullptr;
};
