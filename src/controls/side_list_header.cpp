#include "controls/side_list_header.h"

#include "controls/fill_gradient_rect.h"
#include "platform/core/colors.h"
#include "platform/ui/dc.h"
#include "platform/ui/gdi_object.h"
#include "platform/ui/image_list.h"

namespace {
constexpr int kButton = 16;
}

int SideListHeaderEnd(bool menuShown, bool pinShown) {
    return kButton + (menuShown ? kButton : 0) + (pinShown ? kButton : 0);
}

int SideListHeaderButton(CPoint point, bool menuShown, bool pinShown) {
    if (point.x < 0 || point.y < 0 || point.y > 32 || point.x >= SideListHeaderEnd(menuShown, pinShown)) return 0;
    return point.x / kButton + 1;
}

void DrawSideListHeader(CDC& dc, int width, int hot, bool menuShown, bool pinShown, bool pinned, CImageList& images) {
    const CRect strip(0, 0, width, kSideListHeaderHeight);
    FillGradientRect(&dc, strip, GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_BTNFACE), 1);
    CBrush frame(GetSysColor(COLOR_BTNSHADOW));
    dc.FrameRect(&strip, &frame);
    auto button = [&](int x, bool isHot, int image) {
        if (isHot) dc.FillSolidRect(CRect(x, 0, x + kButton, kSideListHeaderHeight), GetSysColor(COLOR_GRADIENTACTIVECAPTION));
        images.Draw(&dc, image, CPoint(x + 3, 3), ILD_TRANSPARENT);
    };
    button(0, hot == 1, 0);
    int x = kButton;
    if (menuShown) {
        button(x, hot == 2, 5);
        x += kButton;
    }
    if (pinShown) button(x, hot == (menuShown ? 3 : 2), pinned ? 1 : 2);
}
