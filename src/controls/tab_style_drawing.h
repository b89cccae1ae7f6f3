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
// The left, the far and the right side of a rectangle open at its top (or bottom) side; the far
// side is the bottom (or top) one.
void OpenRectOutline(CDC* dc, const CRect& rect, bool openAtTop, COLORREF left, COLORREF far, COLORREF right);
// A rectangle outline whose corners are cut by `corner` pixels.
void ChamferedOutline(CDC* dc, const CRect& rect, int corner, COLORREF color);
// A tab open toward `side` (0 left, 1 top, 2 right, 3 bottom) covering the rectangle: the two
// corners away from the open side are cut by `corner` pixels. Filled, then outlined on the three
// closed sides; the open side keeps the fill.
void SixPointTab(CDC* dc, const CRect& rect, int side, int corner, COLORREF outline, COLORREF fill);
// The image's shape in one colour: opaque pixels of the image take `color`.
void TintedGlyph(CDC* dc, CImageList* images, int index, const CRect& rect, COLORREF color);

}  // namespace tab_drawing
