#include "controls/tab_style_glossy_white.h"

void CTabStyleGlossyWhite::DrawGlossyTab(CDC* dc, const CRect& r, bool top, bool, bool current, bool hot) {
    if (current) {
        constexpr COLORREF kWhite = RGB(255, 255, 255);
        dc->FillSolidRect(&r, kWhite);
        const int outerY = top ? r.top : r.bottom - 1;
        const int step = top ? 1 : -1;
        RoundCorner(dc, r.left, outerY, 1, step, kWhite);
        RoundCorner(dc, r.right - 1, outerY, -1, step, kWhite);
    } else if (hot) {
        DrawHotTab(dc, r, top, RGB(76, 92, 116));
    }
}
