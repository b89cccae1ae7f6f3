#include "timetable/block_drawing.h"

#include <algorithm>

#include "controls/fill_gradient_rect.h"
#include "platform/ui/dc.h"

bool IsHatchLook(int hatch) { return hatch >= 0 && hatch <= 5; }

bool IsGradientLook(int hatch) { return hatch >= 7 && hatch <= 10; }

void DrawBlock(CDC* dc, const CBlockShape& shape, const CBlockLook& look) {
    const CRect& o = shape.outline;
    if (IsGradientLook(look.hatch)) {
        dc->RoundRect(o.left, o.top, o.right, o.bottom, shape.corner.cx, shape.corner.cy);
        const int saved = dc->SaveDC();
        CRgn clip;
        const CRect& g = shape.gradient;
        clip.CreateRoundRectRgn(g.left, g.top, g.right, g.bottom, shape.gradientCorner.cx, shape.gradientCorner.cy);
        dc->SelectClipRgn(&clip, RGN_AND);
        FillGradientRect(dc, g, look.background, look.foreground, look.hatch - 7);
        dc->RestoreDC(saved);
        return;
    }
    CBrush fill(look.background);
    CBrush* old = dc->SelectObject(&fill);
    dc->RoundRect(o.left, o.top, o.right, o.bottom, shape.corner.cx, shape.corner.cy);
    if (IsHatchLook(look.hatch)) {
        CBrush hatch(look.hatch, look.foreground);
        dc->SelectObject(&hatch);
        dc->RoundRect(o.left, o.top, o.right, o.bottom, shape.hatchCorner.cx, shape.hatchCorner.cy);
        dc->SelectObject(&fill);
    }
    dc->SelectObject(old);
}

CSize MeasureBlockTitle(CDC* dc, const CString& title, const CRect& textBox) {
    CRect measured = textBox;
    dc->DrawText(title, &measured, DT_CALCRECT | DT_WORDBREAK);
    return CSize(measured.right - textBox.left, measured.bottom - textBox.top);
}

CRect BlockLabelBox(const CRect& textBox, CSize measured, int topShift, int maxRight, int maxBottom) {
    return CRect(textBox.left - 2, textBox.top + topShift, std::min(static_cast<int>(textBox.left + measured.cx), maxRight),
                 std::min(static_cast<int>(textBox.top + measured.cy) + 4, maxBottom));
}

CRect MeasureBlockLabel(CDC* dc, const CString& title, const CRect& textBox, int topShift, int maxRight,
                        int maxBottom) {
    return BlockLabelBox(textBox, MeasureBlockTitle(dc, title, textBox), topShift, maxRight, maxBottom);
}
