#include "controls/fill_gradient_rect.h"

#include "platform/ui/dc.h"

namespace {

TRIVERTEX Vertex(int x, int y, COLORREF color) {
    TRIVERTEX v{};
    v.x = x;
    v.y = y;
    v.Red = static_cast<COLOR16>(GetRValue(color) << 8);
    v.Green = static_cast<COLOR16>(GetGValue(color) << 8);
    v.Blue = static_cast<COLOR16>(GetBValue(color) << 8);
    v.Alpha = 0;
    return v;
}

void FillPart(CDC* pDC, int left, int top, int right, int bottom, COLORREF from, COLORREF to, ULONG direction) {
    TRIVERTEX vertices[2] = {Vertex(left, top, from), Vertex(right, bottom, to)};
    GRADIENT_RECT mesh{0, 1};
    pDC->GradientFill(vertices, 2, &mesh, 1, direction);
}

}  // namespace

void FillGradientRect(CDC* pDC, const RECT& rect, COLORREF color1, COLORREF color2, int mode) {
    switch (mode) {
    case 0:
        FillPart(pDC, rect.left, rect.top, rect.right, rect.bottom, color1, color2, GRADIENT_FILL_RECT_H);
        break;
    case 1:
        FillPart(pDC, rect.left, rect.top, rect.right, rect.bottom, color1, color2, GRADIENT_FILL_RECT_V);
        break;
    case 2: {
        const int split = rect.left + (rect.right - rect.left) / 2;
        FillPart(pDC, rect.left, rect.top, split, rect.bottom, color1, color2, GRADIENT_FILL_RECT_H);
        FillPart(pDC, split, rect.top, rect.right, rect.bottom, color2, color1, GRADIENT_FILL_RECT_H);
        break;
    }
    case 3: {
        const int split = rect.top + (rect.bottom - rect.top) / 2;
        FillPart(pDC, rect.left, rect.top, rect.right, split, color1, color2, GRADIENT_FILL_RECT_V);
        FillPart(pDC, rect.left, split, rect.right, rect.bottom, color2, color1, GRADIENT_FILL_RECT_V);
        break;
    }
    default:
        break;
    }
}
