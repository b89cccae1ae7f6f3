// The drawing operations the tab control looks share.
#include <gtest/gtest.h>

#include "controls/tab_style_drawing.h"
#include "memory_canvas.h"

namespace {

constexpr COLORREF kBackground = RGB(10, 20, 30), kOutline = RGB(200, 0, 0), kFill = RGB(0, 0, 200);

struct SixPointCase {
    int side;  // the side the tab opens to: 0 left, 1 top, 2 right, 3 bottom
    const char* name;
    CPoint cutCorners[2], closedMiddle, openMiddle, sideMiddle, lastPoint;
};

// The rectangle (2, 2, 12, 12) with corners cut by 2: its pixels run from 2 to 11.
const SixPointCase kSixPoint[] = {
    {0, "open to the left", {{11, 2}, {11, 11}}, {11, 6}, {2, 6}, {5, 2}, {2, 11}},
    {1, "open to the top", {{2, 11}, {11, 11}}, {6, 11}, {6, 2}, {2, 5}, {11, 2}},
    {2, "open to the right", {{2, 2}, {2, 11}}, {2, 6}, {11, 6}, {8, 2}, {11, 11}},
    {3, "open to the bottom", {{2, 2}, {11, 2}}, {6, 2}, {6, 11}, {2, 8}, {11, 11}},
};

}  // namespace

TEST(TabStyleDrawing, SixPointTabCutsTheFarCornersAndLeavesTheOpenSideFilled) {
    for (const auto& c : kSixPoint) {
        MemoryCanvas canvas(14, 14, kBackground);
        tab_drawing::SixPointTab(&canvas.dc, CRect(2, 2, 12, 12), c.side, 2, kOutline, kFill);
        for (const CPoint& corner : c.cutCorners) EXPECT_EQ(canvas.dc.GetPixel(corner), kBackground) << c.name;
        EXPECT_EQ(canvas.dc.GetPixel(c.closedMiddle), kOutline) << c.name;
        EXPECT_EQ(canvas.dc.GetPixel(c.sideMiddle), kOutline) << c.name;
        EXPECT_EQ(canvas.dc.GetPixel(c.lastPoint), kOutline) << c.name << ": the outline reaches its last point";
        EXPECT_EQ(canvas.dc.GetPixel(c.openMiddle), kFill) << c.name;
        EXPECT_EQ(canvas.dc.GetPixel(6, 6), kFill) << c.name;
        EXPECT_EQ(canvas.dc.GetPixel(1, 6), kBackground) << c.name << ": nothing outside the rectangle";
    }
}
