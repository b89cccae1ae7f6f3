// Gradients, textures, palette tints, masks and images of the drawing effects.
#include <gtest/gtest.h>

#include <set>

#include "htmllite/draw_effects.h"
#include "htmllite/html_lite_drawer.h"
#include "htmllite/pixel_block.h"
#include "ui_test_support.h"

TEST(DrawEffects, GradientBands) {
    struct BandCase { int width; int minRun; int maxRun; };
    const BandCase cases[] = {{32, 1, 1}, {64, 1, 1}, {200, 3, 4}};
    for (const auto& c : cases) {
        CTestCanvas canvas(c.width, 1);
        CDrawEffects effects;
        effects.DrawGradient(RGB(0, 0, 0), RGB(255, 255, 255), CRect(0, 0, c.width, 1), canvas.dc(), TRUE);
        int run = 1;
        for (int x = 1; x <= c.width; ++x) {
            if (x < c.width && canvas.Pixel(x, 0) == canvas.Pixel(x - 1, 0)) {
                ++run;
                continue;
            }
            EXPECT_GE(run, c.minRun) << c.width;
            EXPECT_LE(run, c.maxRun) << c.width;
            run = 1;
        }
        EXPECT_LT(GetRValue(canvas.Pixel(0, 0)), 8);
    }
}

TEST(DrawEffects, TexturesOfAnySizeAndNoise) {
    // Tiny and odd sizes, any noise amplitude: nothing divides by zero.
    const CRect sizes[] = {CRect(0, 0, 1, 1), CRect(0, 0, 1, 7), CRect(0, 0, 7, 1), CRect(0, 0, 5, 5),
                           CRect(0, 0, 0, 0), CRect(2, 2, 40, 30)};
    CTestCanvas canvas(50, 50);
    CDrawEffects effects;
    for (int kind = DE_BACK_NOISE; kind <= DE_BACK_METAL; ++kind)
        for (const CRect& rc : sizes)
            for (int noise : {0, 5, 127, 255})
                effects.FillBackground(canvas.dc(), rc, kind, RGB(250, 250, 250), RGB(128, 128, 128),
                                       RGB(10, 10, 10), noise, 5);
    SUCCEED();
}

TEST(DrawEffects, TextureGeneratorHasFifteenBits) {
    CDrawEffects effects;
    int high = 0;
    std::set<int> seen;
    for (int i = 0; i < 100000; ++i) {
        const int v = effects.Rand15();
        ASSERT_GE(v, 0);
        ASSERT_LE(v, 32767);
        high = std::max(high, v);
        seen.insert(v);
    }
    EXPECT_GT(high, 32000);
    EXPECT_GT(seen.size(), 20000u);
}

TEST(DrawEffects, NoiseStaysWithinItsAmplitude) {
    // A grey ramp palette: index i shows grey i, so the pixels show the indices.
    CTestCanvas canvas(40, 40);
    CDrawEffects effects;
    effects.FillBackground(canvas.dc(), CRect(0, 0, 40, 40), DE_BACK_NOISE, RGB(255, 255, 255), RGB(128, 128, 128),
                           RGB(0, 0, 0), 10, 0);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) {
            const int grey = GetRValue(canvas.Pixel(x, y));
            EXPECT_GE(grey, 100) << x << "," << y;
            EXPECT_LE(grey, 156) << x << "," << y;
        }
}

TEST(DrawEffects, PaletteTint) {
    EnsureApplication();
    struct TintCase { int percent; int red; };
    const TintCase cases[] = {{0, 10}, {50, 132}, {150, 255}};
    for (const auto& c : cases) {
        CPaletteDib dib;
        ASSERT_NE(dib.Create(4, 4, 8), nullptr);
        EXPECT_EQ(dib.PaletteCount(), 256);
        EXPECT_EQ(dib.Stride(), 4);
        for (int i = 0; i < 256; ++i) dib.Palette()[i] = RGBQUAD{10, 10, 10, 0};
        dib.TintPalette(c.percent, RGB(255, 255, 255));
        EXPECT_EQ(dib.Palette()[7].rgbRed, c.red) << c.percent;
    }
}

TEST(DrawEffects, MaskColourNeedsZeroAlpha) {
    EnsureApplication();
    CPixelBlock source(2, 1);
    source.At(0, 0) = 0x00FF00FFu;  // magenta, alpha 0: transparent
    source.At(1, 0) = 0xFFFF00FFu;  // magenta with alpha: drawn
    HBITMAP bitmap = source.MakeBitmap();
    CDrawEffects effects;
    HBITMAP image = effects.CreateImageEx(bitmap, 2, 1, 0, TRUE, RGB(255, 0, 255), 0);
    CPixelBlock result;
    ASSERT_TRUE(result.ReadBitmap(image));
    EXPECT_EQ(result.At(0, 0) & 0xFFFFFFu, 0u);
    EXPECT_EQ(result.At(1, 0) & 0xFFFFFFu, 0xFF00FFu);
    EXPECT_EQ(effects.m_hasAlpha, 1);
    ::DeleteObject(image);
    ::DeleteObject(bitmap);
}

TEST(DrawEffects, ColourEffectFlags) {
    EnsureApplication();
    CPixelBlock source(1, 1);
    source.At(0, 0) = 0x00C86432u;  // red 200, green 100, blue 50
    HBITMAP bitmap = source.MakeBitmap();
    struct FlagCase { int flags; std::uint32_t expected; };
    const FlagCase cases[] = {
        {DE_GRAYSCALE, 0x007C7C7Cu},   // 0.299 x 200 + 0.587 x 100 + 0.114 x 50 = 124
        {DE_DARKER, 0x00964B25u},
        {DE_LIGHTER, 0x00FA7D3Eu},
        {DE_MONOCHROME, 0x00302010u},
        {DE_INVERT, 0x00379BCDu},
    };
    CDrawEffects effects;
    for (const auto& c : cases) {
        HBITMAP image = effects.CreateImageEx(bitmap, 1, 1, c.flags, FALSE, 0, RGB(0x30, 0x20, 0x10));
        CPixelBlock result;
        ASSERT_TRUE(result.ReadBitmap(image));
        EXPECT_EQ(result.At(0, 0) & 0xFFFFFFu, c.expected) << c.flags;
        ::DeleteObject(image);
    }
    ::DeleteObject(bitmap);
}

namespace {

// A strip of four 16 x 16 squares in red, green, blue and yellow with magenta corners.
HBITMAP MakeStrip() {
    const std::uint32_t colours[4] = {0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0x00FFFF00u};
    CPixelBlock strip(64, 16);
    for (int i = 0; i < 4; ++i)
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                strip.At(i * 16 + x, y) = (x < 3 && y < 3) ? 0x00FF00FFu : colours[i];
    return strip.MakeBitmap();
}

}  // namespace

TEST(DrawEffects, StripImagesWithMaskAndShadowRoom) {
    CTestCanvas canvas(200, 60);
    HBITMAP strip = MakeStrip();
    CHtmlLiteDrawer drawer;
    drawer.SetImageStrip(16, 16, strip, 4, RGB(255, 0, 255));
    ::DeleteObject(strip);

    // The shadow letter adds the shadow offsets to the room the image takes.
    EXPECT_EQ(drawer.Measure(canvas.dc(), L"<ilst index=1 width=16 height=16 style=s>").cx, 21);
    EXPECT_EQ(drawer.Measure(canvas.dc(), L"<ilst index=1>").cx, 17);
    EXPECT_EQ(drawer.Measure(canvas.dc(), L"<ilst index=4>").cx, 0);  // beyond the strip: nothing

    const CSize size = drawer.Measure(canvas.dc(), L"<top><ilst index=2><ilst index=0 width=32 height=32></top>");
    drawer.Render(CRect(0, 0, size.cx, size.cy), canvas.dc());
    EXPECT_EQ(canvas.Pixel(8, 8), RGB(0, 0, 255));
    EXPECT_EQ(canvas.Pixel(1, 1), RGB(255, 255, 255));  // masked corner
    EXPECT_EQ(canvas.Pixel(16 + 20, 20), RGB(255, 0, 0));

    // Without a shadow in the normal look but with one when hovered, the image sits lower
    // and further right until hovered.
    CTestCanvas lifted(60, 60);
    const CSize liftedSize = drawer.Measure(lifted.dc(), L"<top><a msg=m><ilst index=1 hotstyle=s></a></top>");
    drawer.Render(CRect(0, 0, liftedSize.cx, liftedSize.cy), lifted.dc());
    EXPECT_EQ(lifted.Pixel(1, 1), RGB(255, 255, 255));
    EXPECT_EQ(lifted.Pixel(19, 19), RGB(0, 255, 0));
}

TEST(DrawEffects, PictureOfTextWithTableImagesColoursAndRule) {
    HBITMAP strip = MakeStrip();
    CHtmlLiteDrawer drawer;
    drawer.SetImageStrip(16, 16, strip, 4, RGB(255, 0, 255));
    ::DeleteObject(strip);
    const wchar_t* text =
        L"<h2>Room 12</h2><font color=navy>Monday,</font> <b>period 3</b> &bull; <font color=#c00000>changed</font>"
        L"<hr color=#ff9900 size=2>"
        L"<table border=1 cellspacing=2 cellpadding=3 bordercolor=gray bgcolor=#f4f4f4>"
        L"<tr><td bgcolor=lightyellow><ilst index=0> Maths</td><td bgcolor=#d0e8ff>Year 7 &amp; 8</td></tr>"
        L"<tr><td colspan=2 bgeffect=vgradient bgcolor=white bgendcolor=#a0c0ff align=center>"
        L"<ilst index=1><ilst index=2><ilst index=3 style=s></td></tr>"
        L"</table><hr width=50% size=1 color=gray><i>More</i> after the rule";
    // The picture holds the whole text with a 10-pixel frame.
    CSize size = drawer.Measure(CTestCanvas(1, 1).dc(), text);
    CTestCanvas canvas(size.cx + 20, size.cy + 20);
    size = drawer.Measure(canvas.dc(), text);
    drawer.Render(CRect(10, 10, 10 + size.cx, 10 + size.cy), canvas.dc());
    EXPECT_TRUE(canvas.Save("htmllite_text.png"));
    ASSERT_EQ(drawer.Tables().size(), 1u);
    EXPECT_EQ(drawer.Tables()[0].ColumnCount(), 2);
}

namespace {

constexpr std::uint32_t kIconColour = 0x00C86432u;  // red 200, green 100, blue 50

// An 8 x 8 icon in kIconColour whose left column is transparent and whose top-right pixel is
// an opaque black; the caller destroys it.
HICON MakeIcon() {
    CPixelBlock colour(8, 8, kIconColour), mask(8, 8, 0);
    for (int y = 0; y < 8; ++y) {
        colour.At(0, y) = 0;
        mask.At(0, y) = 0x00FFFFFFu;
    }
    colour.At(7, 0) = 0;
    ICONINFO info{TRUE, 4, 4, mask.MakeBitmap(), colour.MakeBitmap()};
    HICON icon = ::CreateIconIndirect(&info);
    ::DeleteObject(info.hbmMask);
    ::DeleteObject(info.hbmColor);
    return icon;
}

}  // namespace

TEST(DrawEffects, IconPixelsWithMaskEffectsAndShadow) {
    EnsureApplication();
    HICON icon = MakeIcon();
    ASSERT_NE(icon, nullptr);
    const COLORREF white = RGB(255, 255, 255), plain = RGB(127, 127, 127);
    struct IconCase {
        const char* what;
        int flags;
        BOOL shadowRoom;
        COLORREF opaque;      // at (4, 4) of the drawn icon
        int shadowLow, shadowHigh;  // grey at (10, 10), reached only by a shadow with offsets 4 and 4
    };
    const IconCase cases[] = {
        {"plain", 0, FALSE, RGB(200, 100, 50), 255, 255},
        {"grey", DE_GRAYSCALE, FALSE, RGB(124, 124, 124), 255, 255},
        {"darker", DE_DARKER, FALSE, RGB(150, 75, 37), 255, 255},
        {"lighter", DE_LIGHTER, FALSE, RGB(250, 125, 62), 255, 255},
        {"one plain colour", DE_MONOCHROME, FALSE, plain, 255, 255},
        {"shadow in the shadow colour", DE_SHADOW, TRUE, RGB(200, 100, 50), 127, 127},
        {"blurred shadow, lighter at its edge", DE_SHADOW_BLUR, TRUE, RGB(200, 100, 50), 128, 254},
    };
    CDrawEffects effects;
    for (const auto& c : cases) {
        CTestCanvas canvas(20, 20);
        effects.DrawIcon(c.flags, 8, 8, canvas.dc(), 0, 0, icon, c.shadowRoom, 4, 4, 3, 3, plain);
        EXPECT_EQ(canvas.Pixel(4, 4), c.opaque) << c.what;
        EXPECT_EQ(canvas.Pixel(0, 4), white) << c.what;  // the transparent column
        const COLORREF shadow = canvas.Pixel(10, 10);
        EXPECT_EQ(GetRValue(shadow), GetBValue(shadow)) << c.what;
        EXPECT_GE(GetRValue(shadow), c.shadowLow) << c.what;
        EXPECT_LE(GetRValue(shadow), c.shadowHigh) << c.what;
        if (!(c.flags & DE_MONOCHROME)) {
            EXPECT_EQ(canvas.Pixel(7, 0), RGB(0, 0, 0)) << c.what;  // opaque black stays
        }
    }

    // Room for a shadow but no shadow flag: the icon sits where the shadow would be.
    CTestCanvas moved(20, 20);
    effects.DrawIcon(0, 8, 8, moved.dc(), 0, 0, icon, TRUE, 4, 4, 3, 3, plain);
    EXPECT_EQ(moved.Pixel(2, 2), white);
    EXPECT_EQ(moved.Pixel(10, 10), RGB(200, 100, 50));

    // Drawn larger, the transparent column grows with the icon.
    CTestCanvas large(20, 20);
    effects.DrawIcon(0, 16, 16, large.dc(), 0, 0, icon, FALSE, 0, 0, 0, 0, plain);
    EXPECT_EQ(large.Pixel(1, 8), white);
    EXPECT_EQ(large.Pixel(2, 8), RGB(200, 100, 50));
    EXPECT_EQ(large.Pixel(15, 15), RGB(200, 100, 50));
    ::DestroyIcon(icon);
}

TEST(DrawEffects, IconWithAlphaIsBlended) {
    EnsureApplication();
    CPixelBlock colour(2, 1, 0x80C86432u), mask(2, 1, 0);  // half transparent
    colour.At(1, 0) = 0xFFC86432u;                          // opaque
    ICONINFO info{TRUE, 1, 0, mask.MakeBitmap(), colour.MakeBitmap()};
    HICON icon = ::CreateIconIndirect(&info);
    ::DeleteObject(info.hbmMask);
    ::DeleteObject(info.hbmColor);
    CTestCanvas canvas(2, 1);
    CDrawEffects effects;
    effects.DrawIcon(0, 2, 1, canvas.dc(), 0, 0, icon, FALSE, 0, 0, 0, 0, 0);
    EXPECT_EQ(effects.m_hasAlpha, 1);
    const COLORREF half = canvas.Pixel(0, 0);
    EXPECT_NEAR(GetRValue(half), (200 + 255) / 2, 1);
    EXPECT_NEAR(GetBValue(half), (50 + 255) / 2, 1);
    EXPECT_EQ(canvas.Pixel(1, 0), RGB(200, 100, 50));
    ::DestroyIcon(icon);
}

TEST(DrawEffects, IconSizesAndStretchedCopies) {
    EnsureApplication();
    HICON icon = MakeIcon();
    EXPECT_EQ(CDrawEffects::GetIconSize(icon), CSize(8, 8));
    EXPECT_EQ(CDrawEffects::GetIconSize(nullptr), CSize(0, 0));
    struct StretchCase { int width, height; };
    for (const auto& c : {StretchCase{16, 16}, StretchCase{4, 4}, StretchCase{32, 8}, StretchCase{8, 8}}) {
        HICON stretched = CDrawEffects::StretchIcon(icon, c.width, c.height);
        ASSERT_NE(stretched, nullptr) << c.width << "x" << c.height;
        EXPECT_EQ(CDrawEffects::GetIconSize(stretched), CSize(c.width, c.height));
        // The copy keeps the transparent left column and the colour.
        CTestCanvas canvas(c.width, c.height);
        CDrawEffects().DrawIcon(0, c.width, c.height, canvas.dc(), 0, 0, stretched, FALSE, 0, 0, 0, 0, 0);
        EXPECT_EQ(canvas.Pixel(0, c.height - 1), RGB(255, 255, 255)) << c.width << "x" << c.height;
        EXPECT_EQ(canvas.Pixel(c.width - 1, c.height - 1), RGB(200, 100, 50)) << c.width << "x" << c.height;
        ::DestroyIcon(stretched);
    }
    EXPECT_EQ(CDrawEffects::StretchIcon(icon, 0, 8), nullptr);
    EXPECT_EQ(CDrawEffects::StretchIcon(nullptr, 8, 8), nullptr);
    ::DestroyIcon(icon);
}
