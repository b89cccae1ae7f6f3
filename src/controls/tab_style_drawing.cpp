#include "controls/tab_style_drawing.h"

#include <algorithm>

#include "controls/fill_gradient_rect.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/gdi_object.h"

namespace tab_drawing {

COLORREF Blend(COLORREF a, COLORREF b, int percent) {
    auto mix = [percent](int x, int y) { return (y * percent + x * (100 - percent)) / 100; };
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)), mix(GetBValue(a), GetBValue(b)));
}

void VerticalGradient(CDC* dc, COLORREF top, COLORREF bottom, const CRect& rect) {
    FillGradientRect(dc, rect, top, bottom, 1);
}

void Line(CDC* dc, CPoint from, CPoint to, COLORREF color) {
    CPen pen(PS_SOLID, 1, color);
    CPen* old = dc->SelectObject(&pen);
    dc->MoveTo(from);
    dc->LineTo(to);
    dc->SelectObject(old);
}

void RectOutline(CDC* dc, const CRect& r, COLORREF color) {
    const CPoint points[] = {{r.left, r.top}, {r.right - 1, r.top}, {r.right - 1, r.bottom - 1}, {r.left, r.bottom - 1},
                             {r.left, r.top}};
    CPen pen(PS_SOLID, 1, color);
    CPen* old = dc->SelectObject(&pen);
    dc->Polyline(points, 5);
    dc->SelectObject(old);
}

void ChamferedOutline(CDC* dc, const CRect& r, int c, COLORREF color) {
    const int right = r.right - 1, bottom = r.bottom - 1;
    const CPoint points[] = {{r.left + c, r.top}, {right - c, r.top},     {right, r.top + c},     {right, bottom - c},
                             {right - c, bottom}, {r.left + c, bottom},   {r.left, bottom - c},   {r.left, r.top + c},
                             {r.left + c, r.top}};
    CPen pen(PS_SOLID, 1, color);
    CPen* old = dc->SelectObject(&pen);
    dc->Polyline(points, 9);
    dc->SelectObject(old);
}

void TintedGlyph(CDC* dc, CImageList* images, int index, const CRect& rect, COLORREF color) {
    int cx = 0, cy = 0;
    if (!images || !images->GetIconSize(&cx, &cy)) return;
    const int w = std::min(cx, static_cast<int>(rect.Width())), h = std::min(cy, static_cast<int>(rect.Height()));
    constexpr COLORREF kKey = RGB(255, 0, 255);
    CDC stencil;
    CBitmap bitmap;
    if (w <= 0 || h <= 0 || !stencil.CreateCompatibleDC(dc) || !bitmap.CreateBitmap(w, h, 1, 32, nullptr)) {
        images->Draw(dc, index, rect.TopLeft(), ILD_TRANSPARENT);
        return;
    }
    CBitmap* old = stencil.SelectObject(&bitmap);
    stencil.FillSolidRect(0, 0, w, h, kKey);
    images->Draw(&stencil, index, CPoint(0, 0), ILD_TRANSPARENT);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (stencil.GetPixel(x, y) != kKey) dc->SetPixel(rect.left + x, rect.top + y, color);
    stencil.SelectObject(old);
}

}  // namespace tab_drawing
