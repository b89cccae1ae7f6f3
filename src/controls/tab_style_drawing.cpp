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

void OpenRectOutline(CDC* dc, const CRect& r, bool openAtTop, COLORREF left, COLORREF far, COLORREF right) {
    const int farY = openAtTop ? r.bottom - 1 : r.top;
    const int openIn = openAtTop ? r.top : r.bottom - 1, openOut = openAtTop ? r.top - 1 : r.bottom;
    Line(dc, CPoint(r.left, openIn), CPoint(r.left, farY), left);
    Line(dc, CPoint(r.left, farY), CPoint(r.right - 1, farY), far);
    Line(dc, CPoint(r.right - 1, farY), CPoint(r.right - 1, openOut), right);
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

void SixPointTab(CDC* dc, const CRect& r, int side, int c, COLORREF outline, COLORREF fill) {
    const int l = r.left, t = r.top, rr = r.right - 1, b = r.bottom - 1;
    // Fill: the `c` lines nearest the closed side narrow toward it, one pixel a line.
    for (int k = 0; k < c; ++k) {
        const int inset = c - k;
        switch (side) {
        case 0: dc->FillSolidRect(rr - k, t + inset, 1, r.Height() - 2 * inset, fill); break;
        case 1: dc->FillSolidRect(l + inset, b - k, r.Width() - 2 * inset, 1, fill); break;
        case 2: dc->FillSolidRect(l + k, t + inset, 1, r.Height() - 2 * inset, fill); break;
        default: dc->FillSolidRect(l + inset, t + k, r.Width() - 2 * inset, 1, fill); break;
        }
    }
    switch (side) {
    case 0: dc->FillSolidRect(l, t, r.Width() - c, r.Height(), fill); break;
    case 1: dc->FillSolidRect(l, t, r.Width(), r.Height() - c, fill); break;
    case 2: dc->FillSolidRect(l + c, t, r.Width() - c, r.Height(), fill); break;
    default: dc->FillSolidRect(l, t + c, r.Width(), r.Height() - c, fill); break;
    }
    CPoint p[6];
    switch (side) {
    case 0: p[0] = {l, t}, p[1] = {rr - c, t}, p[2] = {rr, t + c}, p[3] = {rr, b - c}, p[4] = {rr - c, b}, p[5] = {l, b}; break;
    case 1: p[0] = {l, t}, p[1] = {l, b - c}, p[2] = {l + c, b}, p[3] = {rr - c, b}, p[4] = {rr, b - c}, p[5] = {rr, t}; break;
    case 2: p[0] = {rr, t}, p[1] = {l + c, t}, p[2] = {l, t + c}, p[3] = {l, b - c}, p[4] = {l + c, b}, p[5] = {rr, b}; break;
    default: p[0] = {l, b}, p[1] = {l, t + c}, p[2] = {l + c, t}, p[3] = {rr - c, t}, p[4] = {rr, t + c}, p[5] = {rr, b}; break;
    }
    CPen pen(PS_SOLID, 1, outline);
    CPen* old = dc->SelectObject(&pen);
    dc->Polyline(p, 6);
    dc->SelectObject(old);
    dc->SetPixel(p[5], outline);  // a polyline stops short of its last point
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
