#include "timetable/grid_scale.h"

#include "platform/ui/dc.h"

double GetGridScale() {
    // Every screen answers 96 here; the window system scales the whole window on dense screens.
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    return dc.GetDeviceCaps(LOGPIXELSY) / 96.0;
}

BOOL CreateGridFont(CFont& font, int height, int weight, BYTE quality, LPCTSTR face) {
    font.DeleteObject();
    return font.CreateFont(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, quality, 0x20, face);
}
