#pragma once
// Drawing operations shared by the tab control looks.
#include "platform/ui/dc.h"
#include "platform/ui/image_list.h"

namespace tab_drawing {

// (b × p + a × (100 - p)) / 100 for red, green and blue, truncated.
COLORREF Blend(COLORREF a, COLORREF b, int percent);
// A vertical two-colour gradient over the rectangle, top to bottom.
void VerticalGradient(CDC* dc, COLORREF top, COLORREF bottom, const CRect& rect);
void Line(CDC* dc, CPoint from, CPoint to, COLORREF color);
// The four sides; the right and bottom sides one pixel inside.
void RectOutline(CDC* dc, const CRect& rect, COLORREF color);
// A rectangle outline whose corners are cut by `corner` pixels.
void ChamferedOutline(CDC* dc, const CRect& rect, int corner, COLORREF color);
// The image's shape in one colour: opaque pixels of the image take `color`.
void TintedGlyph(CDC* dc, CImageList* images, int index, const CRect& rect, COLORREF color);

}  // namespace tab_drawing
