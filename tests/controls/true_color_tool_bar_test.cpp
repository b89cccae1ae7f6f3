// The true-colour toolbar: hot and disabled looks derived pixel by pixel from one bitmap,
// magenta kept transparent in strips without alpha, real alpha kept where a strip has it.
#include <gtest/gtest.h>

#include "controls/true_color_tool_bar.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/dc.h"
#include "platform/ui/test_support.h"
#include "language_pack_fixture.h"
#include "memory_canvas.h"
#include "strip_pack.h"
#include "test_host.h"
#include "../platform/ui/frame_picture.h"
#include "platform/core/colors.h"
#include "resource_ids.h"

namespace {

constexpr UINT kBar = 310;
constexpr COLORREF kBackground = RGB(0, 128, 0);

class Canvas : public MemoryCanvas {
public:
    Canvas(int width, int height) : MemoryCanvas(width, height, kBackground) {}
};

// An image set that sees an older common-controls library.
class OldControlsImageSet : public CToolBarImageSet {
protected:
    int CommonControlsMajorVersion() const override { return 5; }
};

}  // namespace

TEST(ToolBarImageSet, DerivedLooksFollowTheWorkedNumbers) {
    struct Case { BYTE r, g, b; BYTE disabled; BYTE hotRed; };
    const Case cases[] = {
        {128, 128, 128, 180, 97},  // mid grey
        {0, 0, 0, 0, 0},           // black: grey 0 disabled, stays black hot
        {255, 255, 255, 255, 255}, // white stays white
        {255, 0, 0, 139, 255},     // red: Y = 76.2, 255 * sqrt(76.2 / 255) = 139.4
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CToolBarImageSet::DisabledGrey(c.r, c.g, c.b), c.disabled) << int(c.r) << "," << int(c.g);
        EXPECT_EQ(CToolBarImageSet::HotChannel(c.r), c.hotRed) << int(c.r);
    }
}

TEST(ToolBarImageSet, StripWithoutAlphaIsKeyedOnMagentaInEveryLook) {
    StripPack pack(kBar, 16, 16, {1, 2}, MakeStrip(16, {qRgb(128, 128, 128), qRgb(0, 0, 0)}, 3, false));
    CToolBarImageSet set;
    ASSERT_TRUE(set.CreateLists(16, 16, TRUE, 2));
    EXPECT_EQ(set.ColorDepth(), 32);
    ASSERT_TRUE(set.LoadBitmap(kBar));
    struct Case { int state; COLORREF grey; COLORREF black; };
    const Case cases[] = {
        {CToolBarImageSet::kNormal, RGB(128, 128, 128), RGB(0, 0, 0)},
        {CToolBarImageSet::kHot, RGB(97, 97, 97), RGB(0, 0, 0)},
        {CToolBarImageSet::kDisabled, RGB(180, 180, 180), RGB(0, 0, 0)},
    };
    for (const Case& c : cases) {
        Canvas canvas(40, 20);
        EXPECT_NE(set.DrawImage(&canvas.dc, 2, 2, c.state, 0), 0) << c.state;
        set.DrawImage(&canvas.dc, 20, 2, c.state, 1);
        EXPECT_EQ(canvas.dc.GetPixel(10, 10), c.grey) << c.state;
        EXPECT_EQ(canvas.dc.GetPixel(28, 10), c.black) << c.state;
        EXPECT_EQ(canvas.dc.GetPixel(3, 3), kBackground) << c.state;    // the magenta border
        EXPECT_EQ(canvas.dc.GetPixel(21, 17), kBackground) << c.state;
    }
    // Any other state draws nothing.
    Canvas canvas(20, 20);
    EXPECT_EQ(set.DrawImage(&canvas.dc, 2, 2, 3, 0), 0);
    EXPECT_EQ(canvas.dc.GetPixel(10, 10), kBackground);
}

TEST(ToolBarImageSet, StripWithAlphaKeepsItAndNeverShowsABox) {
    // Cell 0: opaque grey in the middle, fully transparent around it; cell 1: half-transparent white.
    QImage strip = MakeStrip(16, {qRgba(128, 128, 128, 255), qRgba(255, 255, 255, 128)}, 3, true);
    StripPack pack(kBar, 16, 16, {1, 2}, strip);
    CToolBarImageSet set;
    ASSERT_TRUE(set.CreateLists(16, 16, TRUE, 2));
    ASSERT_TRUE(set.LoadBitmap(kBar));
    for (int state : {0, 1, 2}) {
        Canvas canvas(40, 20);
        set.DrawImage(&canvas.dc, 2, 2, state, 0);
        set.DrawImage(&canvas.dc, 20, 2, state, 1);
        EXPECT_EQ(canvas.dc.GetPixel(3, 3), kBackground) << state;  // transparent, not black
        const COLORREF half = canvas.dc.GetPixel(28, 10);
        EXPECT_GT(GetGValue(half), 128) << state;                   // blended over the green
        EXPECT_LT(GetRValue(half), 255) << state;
        EXPECT_GT(GetRValue(half), 60) << state;
    }
}

TEST(ToolBarImageSet, DepthFollowsTheModeAndTheControlsVersion) {
    CToolBarImageSet plain;
    ASSERT_TRUE(plain.CreateLists(16, 16, FALSE, 1));
    EXPECT_EQ(plain.ColorDepth(), 4);
    EXPECT_EQ(plain.Hot().GetSafeHandle(), nullptr);  // only the normal list
    OldControlsImageSet old;
    ASSERT_TRUE(old.CreateLists(16, 16, TRUE, 1));
    EXPECT_EQ(old.ColorDepth(), 24);
    CToolBarImageSet none;
    EXPECT_FALSE(none.LoadBitmap(kBar));  // nothing created yet
    Canvas canvas(20, 20);
    EXPECT_EQ(none.DrawImage(&canvas.dc, 0, 0, 0, 0), 0);
}

TEST(TrueColorToolBar, LoadsButtonsSizesAndTheThreeLists) {
    StripPack pack(kBar, 16, 16, {101, 0, 102},
                   MakeStrip(16, {qRgb(200, 60, 40), qRgb(40, 90, 200)}, 2, false));
    TestHost host(200, 80);
    CTrueColorToolBar bar;
    ASSERT_TRUE(bar.CreateEx(&host, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP));
    ASSERT_TRUE(bar.LoadToolBar(kBar, TRUE));
    EXPECT_EQ(bar.GetCount(), 3);
    EXPECT_EQ(bar.GetItemID(1), 0u);
    CRect button;
    bar.GetItemRect(0, &button);
    EXPECT_EQ(button.Size(), CSize(24, 23));
    CToolBarCtrl& control = bar.GetToolBarCtrl();
    EXPECT_EQ(reinterpret_cast<HIMAGELIST>(control.SendMessage(TB_GETHOTIMAGELIST)), bar.Images().Hot().GetSafeHandle());
    EXPECT_EQ(reinterpret_cast<HIMAGELIST>(control.SendMessage(TB_GETDISABLEDIMAGELIST)),
              bar.Images().Disabled().GetSafeHandle());
    control.EnableButton(102, FALSE);
    bar.MoveWindow(0, 0, 200, 30);
    SaveWindowPicture(&host, "true_color_toolbar.png");
    // A missing resource fails.
    EXPECT_FALSE(bar.LoadToolBar(4242, TRUE));
}

// The main toolbar of the English pack in its three looks, one row each: the theme's pictures
// keep their soft edges on the face, with no box around them.
class MainToolBarLooks : public EnglishPackTest {};

TEST_F(MainToolBarLooks, NormalHotAndDisabledOnTheButtonFace) {
    CToolBarImageSet set;
    ASSERT_TRUE(set.CreateLists(32, 32, TRUE, 8));
    ASSERT_TRUE(set.LoadBitmap(IDR_MAINFRAME));
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    MemoryCanvas canvas(8 * 40 + 4, 3 * 40 + 4, face);
    for (int state = 0; state < 3; ++state)
        for (int i = 0; i < 8; ++i) {
            const int x = 4 + i * 40, y = 4 + state * 40;
            EXPECT_NE(set.DrawImage(&canvas.dc, x, y, state, i), 0) << state << " " << i;
            EXPECT_EQ(canvas.dc.GetPixel(x, y), face) << state << " " << i;  // a clear corner stays the face
        }
    vorn_test::SavePicture(&canvas.dc, "true_color_toolbar_looks.png");
}
