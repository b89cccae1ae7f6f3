#include "platform/core/colors.h"

#include <gtest/gtest.h>

TEST(Colors, RgbPacksRedInTheLowByte) {
    constexpr COLORREF c = RGB(0x12, 0x34, 0x56);
    EXPECT_EQ(c, 0x00563412u);
    EXPECT_EQ(GetRValue(c), 0x12);
    EXPECT_EQ(GetGValue(c), 0x34);
    EXPECT_EQ(GetBValue(c), 0x56);
}

struct SysColorCase { int index; COLORREF expected; };
static const SysColorCase kSysColors[] = {
    {COLOR_BTNFACE, RGB(212, 208, 200)},   {COLOR_3DFACE, RGB(212, 208, 200)},
    {COLOR_BTNSHADOW, RGB(128, 128, 128)}, {COLOR_BTNHIGHLIGHT, RGB(255, 255, 255)},
    {COLOR_WINDOW, RGB(255, 255, 255)},    {COLOR_WINDOWTEXT, RGB(0, 0, 0)},
    {COLOR_INFOBK, RGB(255, 255, 225)},    {COLOR_HIGHLIGHT, RGB(10, 36, 106)},
    {COLOR_3DDKSHADOW, RGB(64, 64, 64)},   {-1, 0}, {31, 0},
};

TEST(Colors, SystemColoursComeFromTheFixedTable) {
    for (const auto& c : kSysColors) EXPECT_EQ(GetSysColor(c.index), c.expected) << c.index;
}
