// CDC: tracking frames drawn by inverting with a brush.
#include "platform/ui/dc.h"

namespace {

// Inverts the four edges of a frame size.cx wide at the sides and size.cy high at top and bottom.
void InvertFrame(CDC& dc, const RECT& rc, SIZE size, CBrush* brush) {
    CBrush* old = dc.SelectObject(brush);
    const int width = rc.right - rc.left, height = rc.bottom - rc.top;
    dc.PatBlt(rc.left, rc.top, width, size.cy, PATINVERT);
    dc.PatBlt(rc.left, rc.bottom - size.cy, width, size.cy, PATINVERT);
    dc.PatBlt(rc.left, rc.top + size.cy, size.cx, height - 2 * size.cy, PATINVERT);
    dc.PatBlt(rc.right - size.cx, rc.top + size.cy, size.cx, height - 2 * size.cy, PATINVERT);
    dc.SelectObject(old);
}

}  // namespace

CBrush* CDC::GetHalftoneBrush() {
    static CBrush* brush = [] {
        // Rows of alternating pixels, shifted by one on every row.
        const WORD rows[8] = {0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA};
        CBitmap pattern;
        pattern.CreateBitmap(8, 8, 1, 1, rows);
        auto* b = new CBrush;
        b->CreatePatternBrush(&pattern);
        return b;
    }();
    return brush;
}

void CDC::DrawDragRect(LPCRECT lpRect, SIZE size, LPCRECT lpRectLast, SIZE sizeLast, CBrush* pBrush, CBrush* pBrushLast) {
    if (!m_hDC) return;
    if (!pBrush) pBrush = GetHalftoneBrush();
    if (!pBrushLast) pBrushLast = pBrush;
    if (lpRectLast) InvertFrame(*this, *lpRectLast, sizeLast, pBrushLast);
    if (lpRect) InvertFrame(*this, *lpRect, size, pBrush);
}
