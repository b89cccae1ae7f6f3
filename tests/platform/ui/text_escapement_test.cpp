// Text drawn with a font at an escapement turns about its reference point: 900 runs upwards.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "platform/ui/bitmap.h"
#include "platform/ui/dc.h"
#include "platform/ui/font.h"
#include "platform/ui/test_support.h"

namespace {

struct Ink {
    CRect box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    bool any = false;
};

// The box around every pixel that is not white.
Ink InkOf(const CDC& dc, int width, int height) {
    Ink ink;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            if (dc.GetPixel(x, y) == RGB(255, 255, 255)) continue;
            ink.any = true;
            ink.box.left = std::min<LONG>(ink.box.left, x);
            ink.box.top = std::min<LONG>(ink.box.top, y);
            ink.box.right = std::max<LONG>(ink.box.right, x + 1);
            ink.box.bottom = std::max<LONG>(ink.box.bottom, y + 1);
        }
    return ink;
}

class EscapementTest : public ::testing::Test {
protected:
    static constexpr int kSize = 240;
    void SetUp() override {
        dc.CreateCompatibleDC(nullptr);
        bitmap.CreateCompatibleBitmap(nullptr, kSize, kSize);
        oldBitmap = dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, kSize, kSize, RGB(255, 255, 255));
    }
    void TearDown() override {
        dc.SelectObject(oldFont);
        dc.SelectObject(oldBitmap);
    }
    void UseFont(int escapement) {
        LOGFONT lf{};
        lf.lfHeight = 22;
        lf.lfEscapement = lf.lfOrientation = escapement;
        lf.lfCharSet = DEFAULT_CHARSET;
        lf.lfPitchAndFamily = FF_SWISS;
        wcscpy(lf.lfFaceName, L"Tahoma");
        font.DeleteObject();
        font.CreateFontIndirect(&lf);
        CFont* old = dc.SelectObject(&font);
        if (!oldFont) oldFont = old;
    }
    CDC dc;
    CBitmap bitmap;
    CFont font;
    CBitmap* oldBitmap = nullptr;
    CFont* oldFont = nullptr;
};

struct TurnCase {
    int escapement;
    // Where the ink lies from the reference point (120, 120): signs of its extent.
    bool above, below, left, right;
    bool tall;  // taller than wide
};

TEST_F(EscapementTest, TextTurnsAboutItsReferencePoint) {
    const TurnCase cases[] = {
        {0, false, true, false, true, false},     // along the baseline to the right, glyphs below
        {900, true, false, false, true, true},    // upwards, glyph tops to the left: ink right of x
        {2700, false, true, true, false, true},   // downwards, ink left of x
        {1800, true, false, true, false, false},  // upside down to the left
    };
    for (const auto& c : cases) {
        dc.FillSolidRect(0, 0, kSize, kSize, RGB(255, 255, 255));
        UseFont(c.escapement);
        dc.SetBkMode(TRANSPARENT);
        dc.TextOut(120, 120, L"Contacts", 8);
        const Ink ink = InkOf(dc, kSize, kSize);
        ASSERT_TRUE(ink.any) << c.escapement;
        const CSize extent = dc.GetTextExtent(L"Contacts");
        EXPECT_EQ(ink.box.top < 115, c.above) << c.escapement;
        EXPECT_EQ(ink.box.bottom > 125, c.below) << c.escapement;
        EXPECT_EQ(ink.box.left < 115, c.left) << c.escapement;
        EXPECT_EQ(ink.box.right > 125, c.right) << c.escapement;
        EXPECT_EQ(ink.box.Height() > ink.box.Width(), c.tall) << c.escapement;
        // The measured extent is that of the upright text, whatever the turn.
        EXPECT_LE(std::max(ink.box.Width(), ink.box.Height()), extent.cx + 2) << c.escapement;
    }
}

// A column of upward captions as a vertical tab strip draws them: DrawText with a single line,
// at the bottom of each tab's rectangle.
TEST_F(EscapementTest, UpwardCaptionsInDrawTextStayInTheirRectangles) {
    UseFont(900);
    dc.SetBkMode(TRANSPARENT);
    const wchar_t* captions[] = {L"Teachers", L"Rooms"};
    int bottom = kSize - 4;
    for (const wchar_t* caption : captions) {
        CRect measure(0, 0, 0, 0);
        dc.DrawText(caption, -1, &measure, DT_CALCRECT | DT_SINGLELINE | DT_VCENTER | DT_CENTER);
        const int length = measure.Width() + 40;
        CRect tab(8, bottom - length, 40, bottom);
        dc.Draw3dRect(&tab, RGB(128, 128, 128), RGB(128, 128, 128));
        dc.SetTextColor(RGB(0, 0, 0));
        dc.DrawText(caption, -1, &tab, DT_SINGLELINE | DT_BOTTOM);
        // Ink inside the frame only, and it runs upwards from near the bottom.
        bool inkInside = false;
        for (int y = tab.top + 1; y < tab.bottom - 1; ++y)
            for (int x = tab.left + 1; x < tab.right - 1; ++x) inkInside = inkInside || dc.GetPixel(x, y) == RGB(0, 0, 0);
        EXPECT_TRUE(inkInside);
        bottom -= length;
    }
    vorn_test::SavePicture(&dc, "upward_text.png");
    const Ink ink = InkOf(dc, kSize, kSize);
    EXPECT_LE(ink.box.right, 40);  // nothing spilled out sideways
}

TEST_F(EscapementTest, OpaqueBackgroundTurnsWithTheText) {
    UseFont(900);
    dc.SetBkMode(OPAQUE);
    dc.SetBkColor(RGB(0, 0, 255));
    dc.TextOut(120, 120, L"Rooms", 5);
    const CSize extent = dc.GetTextExtent(L"Rooms");
    // The box runs up from the reference point, as wide as the text is high.
    const Ink ink = InkOf(dc, kSize, kSize);
    EXPECT_NEAR(ink.box.left, 120, 1);
    EXPECT_NEAR(ink.box.bottom, 120, 1);
    EXPECT_NEAR(ink.box.Width(), extent.cy, 1);
    EXPECT_NEAR(ink.box.Height(), extent.cx, 1);
    EXPECT_EQ(dc.GetPixel(121, 119), RGB(0, 0, 255));  // above the letters: background
}

}  // namespace
