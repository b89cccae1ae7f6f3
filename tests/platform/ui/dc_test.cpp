#include "platform/ui/dc.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/icon.h"
#include "platform/ui/image_list.h"
#include "platform/ui/test_support.h"

namespace {

// A memory DC holding a bitmap of its own, filled with one colour.
class MemoryCanvas {
public:
    MemoryCanvas(int width, int height, COLORREF fill = RGB(255, 255, 255), UINT bits = 32) {
        dc.CreateCompatibleDC(nullptr);
        if (bits == 1) bitmap.CreateBitmap(width, height, 1, 1, nullptr);
        else bitmap.CreateBitmap(width, height, 1, 32, nullptr);
        old = dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, width, height, fill);
    }
    ~MemoryCanvas() { dc.SelectObject(old); }
    COLORREF At(int x, int y) const { return dc.GetPixel(x, y); }

    CDC dc;
    CBitmap bitmap;
    CBitmap* old = nullptr;
};

constexpr COLORREF kDst = RGB(0xF0, 0x0F, 0x55);
constexpr COLORREF kSrc = RGB(0x3C, 0xC3, 0xAA);
constexpr COLORREF kPat = RGB(0x12, 0x34, 0x56);

struct RopCase {
    const char* name;
    DWORD rop;
    COLORREF expected;
};

TEST(DeviceContext, RasterOperationsCombineSourcePatternAndDestinationBitwise) {
    const RopCase cases[] = {
        {"SRCCOPY", SRCCOPY, kSrc},
        {"SRCAND", SRCAND, kSrc & kDst},
        {"SRCPAINT", SRCPAINT, kSrc | kDst},
        {"SRCINVERT", SRCINVERT, kSrc ^ kDst},
        {"SRCERASE", SRCERASE, kSrc & (~kDst & 0xFFFFFF)},
        {"NOTSRCCOPY", NOTSRCCOPY, ~kSrc & 0xFFFFFF},
        {"MERGECOPY", MERGECOPY, kPat & kSrc},
        {"MERGEPAINT", MERGEPAINT, (~kSrc & 0xFFFFFF) | kDst},
        {"PATCOPY", PATCOPY, kPat},
        {"PATINVERT", PATINVERT, kPat ^ kDst},
        {"DSTINVERT", DSTINVERT, ~kDst & 0xFFFFFF},
        {"BLACKNESS", BLACKNESS, 0},
        {"WHITENESS", WHITENESS, 0xFFFFFF},
    };
    MemoryCanvas src(4, 4, kSrc);
    for (const auto& c : cases) {
        MemoryCanvas dst(4, 4, kDst);
        CBrush brush(kPat);
        CBrush* oldBrush = dst.dc.SelectObject(&brush);
        EXPECT_TRUE(dst.dc.BitBlt(1, 1, 2, 2, &src.dc, 0, 0, c.rop)) << c.name;
        dst.dc.SelectObject(oldBrush);
        EXPECT_EQ(dst.At(1, 1), c.expected) << c.name;
        EXPECT_EQ(dst.At(2, 2), c.expected) << c.name;
        EXPECT_EQ(dst.At(0, 0), kDst) << c.name << ": outside the rectangle";
        EXPECT_EQ(dst.At(3, 3), kDst) << c.name << ": outside the rectangle";
    }
}

TEST(DeviceContext, PatBltInvertsWithThePatternTwiceBackToTheStart) {
    MemoryCanvas dst(8, 8, kDst);
    CBrush brush(HS_DIAGCROSS, RGB(255, 0, 0));
    dst.dc.SelectObject(&brush);
    dst.dc.PatBlt(0, 0, 8, 8, PATINVERT);
    EXPECT_NE(dst.At(0, 0), kDst);
    dst.dc.PatBlt(0, 0, 8, 8, PATINVERT);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) ASSERT_EQ(dst.At(x, y), kDst) << x << "," << y;
    dst.dc.SelectStockObject(WHITE_BRUSH);
}

TEST(DeviceContext, MonochromeSourceTakesTextAndBackgroundColours) {
    // A 1-bit bitmap: black on the left half, white on the right half.
    const BYTE bits[] = {0x0F, 0x00, 0x0F, 0x00};  // rows of 16 bits: pixels 4..7 white
    CBitmap mono;
    ASSERT_TRUE(mono.CreateBitmap(8, 2, 1, 1, bits));
    CDC monoDC;
    monoDC.CreateCompatibleDC(nullptr);
    CBitmap* old = monoDC.SelectObject(&mono);

    MemoryCanvas dst(8, 2, RGB(0, 255, 0));
    dst.dc.SetTextColor(RGB(200, 0, 0));
    dst.dc.SetBkColor(RGB(0, 0, 200));
    dst.dc.BitBlt(0, 0, 8, 2, &monoDC, 0, 0, SRCCOPY);
    EXPECT_EQ(dst.At(0, 0), RGB(200, 0, 0));  // black bits take the text colour
    EXPECT_EQ(dst.At(7, 1), RGB(0, 0, 200));  // white bits take the background colour

    // And back: colour into 1 bit is white where the source equals its background colour.
    MemoryCanvas colour(2, 1, RGB(10, 20, 30));
    colour.dc.SetPixel(1, 0, RGB(255, 0, 255));
    colour.dc.SetBkColor(RGB(255, 0, 255));
    monoDC.BitBlt(0, 0, 2, 1, &colour.dc, 0, 0, SRCCOPY);
    EXPECT_EQ(monoDC.GetPixel(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(monoDC.GetPixel(1, 0), RGB(255, 255, 255));
    monoDC.SelectObject(old);
}

TEST(DeviceContext, TheMaskedDrawOfAnImageListUsesAndThenPaint) {
    // The classic transparent draw: mask with SRCAND, image (black where transparent) with SRCPAINT.
    MemoryCanvas dst(2, 1, RGB(0, 128, 0));
    MemoryCanvas mask(2, 1, RGB(0, 0, 0));
    mask.dc.SetPixel(1, 0, RGB(255, 255, 255));
    MemoryCanvas image(2, 1, RGB(0, 0, 0));
    image.dc.SetPixel(0, 0, RGB(200, 100, 50));
    dst.dc.BitBlt(0, 0, 2, 1, &mask.dc, 0, 0, SRCAND);
    dst.dc.BitBlt(0, 0, 2, 1, &image.dc, 0, 0, SRCPAINT);
    EXPECT_EQ(dst.At(0, 0), RGB(200, 100, 50));
    EXPECT_EQ(dst.At(1, 0), RGB(0, 128, 0));
}

TEST(DeviceContext, HatchBrushFillsGapsWithTheBackgroundOnlyInOpaqueMode) {
    for (int mode : {OPAQUE, TRANSPARENT}) {
        MemoryCanvas dst(8, 8, RGB(0, 255, 0));
        CBrush hatch(HS_HORIZONTAL, RGB(255, 0, 0));
        dst.dc.SetBkMode(mode);
        dst.dc.SetBkColor(RGB(0, 0, 255));
        const CRect rc(0, 0, 8, 8);
        dst.dc.FillRect(&rc, &hatch);
        int lines = 0, gaps = 0;
        for (int y = 0; y < 8; ++y) {
            const COLORREF c = dst.At(3, y);
            if (c == RGB(255, 0, 0)) ++lines;
            else if (c == (mode == OPAQUE ? RGB(0, 0, 255) : RGB(0, 255, 0))) ++gaps;
        }
        EXPECT_EQ(lines, 1) << mode;
        EXPECT_EQ(gaps, 7) << mode;
    }
}

TEST(DeviceContext, LinesLeaveOutTheirEndPointAndRectanglesTheirRightAndBottomEdge) {
    MemoryCanvas dst(10, 10);
    dst.dc.MoveTo(1, 1);
    dst.dc.LineTo(5, 1);
    EXPECT_EQ(dst.At(4, 1), RGB(0, 0, 0));
    EXPECT_EQ(dst.At(5, 1), RGB(255, 255, 255));

    MemoryCanvas box(10, 10);
    CBrush fill(RGB(0, 0, 255));
    box.dc.SelectObject(&fill);
    box.dc.Rectangle(2, 2, 6, 6);
    EXPECT_EQ(box.At(2, 2), RGB(0, 0, 0));    // frame
    EXPECT_EQ(box.At(5, 5), RGB(0, 0, 0));    // frame, last inside pixel
    EXPECT_EQ(box.At(6, 6), RGB(255, 255, 255));
    EXPECT_EQ(box.At(3, 3), RGB(0, 0, 255));  // inside
    box.dc.SelectStockObject(NULL_PEN);
    box.dc.Rectangle(7, 7, 10, 10);           // without a pen: one pixel smaller
    EXPECT_EQ(box.At(8, 8), RGB(0, 0, 255));
    EXPECT_EQ(box.At(9, 9), RGB(255, 255, 255));
    box.dc.SelectStockObject(WHITE_BRUSH);
}

TEST(DeviceContext, ObjectDeletedWhileSelectedGoesWhenReplacedAndIsNotHandedBack) {
    MemoryCanvas canvas(40, 20);
    auto font = std::make_unique<CFont>();
    font->CreatePointFont(90, L"Tahoma");
    CFont* original = canvas.dc.SelectObject(font.get());
    font.reset();  // deleted while the DC still draws with it
    EXPECT_EQ(canvas.dc.TextOut(1, 1, L"Ab"), TRUE);
    // Putting the original back ends the deleted font; what it gives back is no font at all.
    EXPECT_EQ(::SelectObject(canvas.dc.m_hDC, original->m_hObject), nullptr);
    CPen pen(PS_SOLID, 1, RGB(0, 0, 255));
    CPen* oldPen = canvas.dc.SelectObject(&pen);
    pen.DeleteObject();
    EXPECT_EQ(canvas.dc.SelectObject(oldPen), nullptr);
}

TEST(DeviceContext, XorPenDrawnTwiceLeavesThePixels) {
    MemoryCanvas dst(20, 20, RGB(30, 60, 90));
    const QImage before = dst.dc.GrabImage();
    CPen pen(PS_DOT, 1, RGB(255, 255, 255));
    dst.dc.SelectObject(&pen);
    dst.dc.SelectStockObject(NULL_BRUSH);
    dst.dc.SetROP2(R2_XORPEN);
    for (int pass = 0; pass < 2; ++pass) {
        dst.dc.Rectangle(2, 2, 15, 12);
        dst.dc.MoveTo(0, 19);
        dst.dc.LineTo(19, 0);
        if (pass == 0) {
            EXPECT_NE(dst.dc.GrabImage(), before);
        }
    }
    EXPECT_EQ(dst.dc.GrabImage(), before);
    dst.dc.SelectStockObject(BLACK_PEN);
}

TEST(DeviceContext, ClipRegionLimitsDrawing) {
    MemoryCanvas dst(10, 10);
    dst.dc.IntersectClipRect(2, 2, 5, 5);
    dst.dc.ExcludeClipRect(3, 3, 4, 4);
    dst.dc.FillSolidRect(0, 0, 10, 10, RGB(255, 0, 0));
    EXPECT_EQ(dst.At(2, 2), RGB(255, 0, 0));
    EXPECT_EQ(dst.At(3, 3), RGB(255, 255, 255));
    EXPECT_EQ(dst.At(5, 5), RGB(255, 255, 255));
    dst.dc.SelectClipRgn(nullptr);
    // Origins move drawing, not the clip: the viewport origin shifts logical (0,0).
    dst.dc.SetViewportOrg(6, 6);
    dst.dc.FillSolidRect(0, 0, 1, 1, RGB(0, 0, 255));
    EXPECT_EQ(dst.dc.GetPixel(0, 0), RGB(0, 0, 255));
    dst.dc.SetViewportOrg(0, 0);
    EXPECT_EQ(dst.At(6, 6), RGB(0, 0, 255));
}

TEST(DeviceContext, RegionsCombineAndRoundCornersAreCut) {
    CRgn round;
    round.CreateRoundRectRgn(0, 0, 20, 20, 10, 10);
    EXPECT_FALSE(round.PtInRegion(0, 0));
    EXPECT_TRUE(round.PtInRegion(10, 10));
    EXPECT_TRUE(round.PtInRegion(10, 0));
    CRgn a, b, both;
    a.CreateRectRgn(0, 0, 10, 10);
    b.CreateRectRgn(5, 5, 15, 15);
    both.CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(both.CombineRgn(&a, &b, RGN_AND), SIMPLEREGION);
    CRect box;
    both.GetRgnBox(&box);
    EXPECT_EQ(box, CRect(5, 5, 10, 10));
    EXPECT_EQ(both.CombineRgn(&a, &b, RGN_XOR), COMPLEXREGION);
    EXPECT_FALSE(both.PtInRegion(7, 7));
    both.OffsetRgn(100, 0);
    EXPECT_TRUE(both.PtInRegion(101, 1));

    MemoryCanvas dst(12, 12);
    CBrush red(RGB(255, 0, 0));
    dst.dc.FrameRgn(&a, &red, 1, 1);
    EXPECT_EQ(dst.At(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(dst.At(9, 5), RGB(255, 0, 0));
    EXPECT_EQ(dst.At(5, 5), RGB(255, 255, 255));
    EXPECT_EQ(dst.At(10, 5), RGB(255, 255, 255));
}

TEST(DeviceContext, GradientFillRunsFromTheFirstToTheLastColour) {
    MemoryCanvas dst(32, 4);
    TRIVERTEX v[2] = {{0, 0, 0x0000, 0x0000, 0xff00, 0}, {32, 4, 0xff00, 0xff00, 0x0000, 0}};
    GRADIENT_RECT r{0, 1};
    ASSERT_TRUE(dst.dc.GradientFill(v, 2, &r, 1, GRADIENT_FILL_RECT_H));
    EXPECT_EQ(dst.At(0, 0), RGB(0, 0, 255));
    int previousRed = -1;
    for (int x = 0; x < 32; ++x) {
        const int red = GetRValue(dst.At(x, 2));
        EXPECT_GT(red, previousRed) << x;
        previousRed = red;
    }
    EXPECT_GE(GetRValue(dst.At(31, 0)), 240);
}

TEST(DeviceContext, AlphaBlendWithConstantAndPerPixelAlpha) {
    MemoryCanvas dst(2, 1, RGB(0, 0, 0));
    MemoryCanvas src(2, 1, RGB(200, 100, 50));
    BLENDFUNCTION half{AC_SRC_OVER, 0, 128, 0};
    dst.dc.AlphaBlend(0, 0, 1, 1, &src.dc, 0, 0, 1, 1, half);
    EXPECT_EQ(dst.At(0, 0), RGB(100, 50, 25));

    // A DIB section with premultiplied per-pixel alpha.
    BITMAPINFO info{};
    info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), 2, -1, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    CBitmap dib;
    dib.Attach(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    ASSERT_NE(bits, nullptr);
    auto* px = static_cast<std::uint32_t*>(bits);
    px[0] = 0x80400000u;  // alpha 128, red 64 (premultiplied), B G R A order in memory
    px[1] = 0x00000000u;  // fully transparent
    CDC dibDC;
    dibDC.CreateCompatibleDC(nullptr);
    CBitmap* old = dibDC.SelectObject(&dib);
    MemoryCanvas under(2, 1, RGB(0, 0, 200));
    BLENDFUNCTION perPixel{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    under.dc.AlphaBlend(0, 0, 2, 1, &dibDC, 0, 0, 2, 1, perPixel);
    EXPECT_EQ(under.At(0, 0), RGB(64, 0, 100));
    EXPECT_EQ(under.At(1, 0), RGB(0, 0, 200));
    dibDC.SelectObject(old);
}

TEST(DeviceContext, DibSectionsKeepTheirRowOrderAndGdiLeavesAlphaZero) {
    BITMAPINFO info{};
    info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), 3, 2, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    CBitmap dib;
    dib.Attach(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    auto* px = static_cast<std::uint32_t*>(bits);
    px[0] = 0x00FF0000u;  // memory row 0 is the bottom row of a bottom-up DIB
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap* old = dc.SelectObject(&dib);
    EXPECT_EQ(dc.GetPixel(0, 1), RGB(255, 0, 0));
    EXPECT_EQ(dc.GetPixel(0, 0), RGB(0, 0, 0));
    dc.FillSolidRect(1, 0, 1, 1, RGB(1, 2, 3));
    EXPECT_EQ(px[3 + 1], 0x00010203u);  // top row is the second memory row; alpha byte 0
    dc.SelectObject(old);
}

TEST(DeviceContext, StretchBltScalesAndMirrors) {
    MemoryCanvas src(2, 1, RGB(255, 0, 0));
    src.dc.SetPixel(1, 0, RGB(0, 0, 255));
    MemoryCanvas dst(4, 2);
    dst.dc.StretchBlt(0, 0, 4, 2, &src.dc, 0, 0, 2, 1, SRCCOPY);
    EXPECT_EQ(dst.At(1, 1), RGB(255, 0, 0));
    EXPECT_EQ(dst.At(2, 0), RGB(0, 0, 255));
    dst.dc.StretchBlt(3, 0, -4, 1, &src.dc, 0, 0, 2, 1, SRCCOPY);  // a negative width mirrors
    EXPECT_EQ(dst.At(0, 0), RGB(0, 0, 255));
    EXPECT_EQ(dst.At(3, 0), RGB(255, 0, 0));
}

TEST(DeviceContext, TransparentBltSkipsTheMaskColour) {
    MemoryCanvas src(2, 1, RGB(255, 0, 255));
    src.dc.SetPixel(0, 0, RGB(1, 2, 3));
    MemoryCanvas dst(4, 2, RGB(9, 9, 9));
    dst.dc.TransparentBlt(0, 0, 4, 2, &src.dc, 0, 0, 2, 1, RGB(255, 0, 255));
    EXPECT_EQ(dst.At(0, 0), RGB(1, 2, 3));
    EXPECT_EQ(dst.At(1, 1), RGB(1, 2, 3));  // stretched
    EXPECT_EQ(dst.At(3, 0), RGB(9, 9, 9));
}

TEST(DeviceContext, ImageListMaskColourIsTransparent) {
    MemoryCanvas strip(4, 2, RGB(255, 0, 255));
    strip.dc.SetPixel(0, 0, RGB(10, 20, 30));
    strip.dc.SetPixel(2, 0, RGB(40, 50, 60));
    CImageList list;
    ASSERT_TRUE(list.Create(2, 2, ILC_COLOR32 | ILC_MASK, 2, 1));
    strip.dc.SelectObject(strip.old);
    EXPECT_EQ(list.Add(&strip.bitmap, RGB(255, 0, 255)), 0);
    strip.dc.SelectObject(&strip.bitmap);
    EXPECT_EQ(list.GetImageCount(), 2);
    MemoryCanvas dst(2, 2, RGB(0, 100, 0));
    list.Draw(&dst.dc, 1, CPoint(0, 0), ILD_TRANSPARENT);
    EXPECT_EQ(dst.At(0, 0), RGB(40, 50, 60));
    EXPECT_EQ(dst.At(1, 1), RGB(0, 100, 0));
    HICON icon = list.ExtractIcon(0);
    ASSERT_NE(icon, nullptr);
    dst.dc.DrawIcon(0, 0, icon);
    EXPECT_EQ(dst.At(0, 0), RGB(10, 20, 30));
    EXPECT_EQ(dst.At(1, 0), RGB(0, 100, 0));
    DestroyIcon(icon);
}

// Text

class TextTest : public ::testing::Test {
protected:
    void SetUp() override {
        font.CreateFont(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
        canvas = std::make_unique<MemoryCanvas>(300, 200);
        canvas->dc.SelectObject(&font);
        canvas->dc.GetTextMetrics(&tm);
    }
    void TearDown() override { canvas->dc.SelectStockObject(SYSTEM_FONT); }

    // The rightmost column with a non-white pixel, or -1.
    int RightmostInk() const {
        for (int x = 299; x >= 0; --x)
            for (int y = 0; y < 200; ++y)
                if (canvas->At(x, y) != RGB(255, 255, 255)) return x;
        return -1;
    }

    CFont font;
    std::unique_ptr<MemoryCanvas> canvas;
    TEXTMETRIC tm{};
};

TEST_F(TextTest, FontHeightsFollowTheLogFontSign) {
    EXPECT_GE(tm.tmHeight, 13);
    EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent);
    CFont cell;
    cell.CreateFont(20, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial");
    canvas->dc.SelectObject(&cell);
    TEXTMETRIC t{};
    canvas->dc.GetTextMetrics(&t);
    EXPECT_LE(t.tmHeight, 20);
    EXPECT_GE(t.tmHeight, 18);
    EXPECT_EQ(t.tmWeight, FW_BOLD);
    canvas->dc.SelectObject(&font);
}

TEST_F(TextTest, CalcRectMeasuresWithoutDrawing) {
    const CString text = L"Timetable";
    CRect rc(10, 10, 10, 10);
    const int h = canvas->dc.DrawText(text, &rc, DT_SINGLELINE | DT_CALCRECT);
    EXPECT_EQ(h, tm.tmHeight);
    EXPECT_EQ(rc.Width(), canvas->dc.GetTextExtent(text).cx);
    EXPECT_EQ(rc.Height(), tm.tmHeight);
    EXPECT_EQ(RightmostInk(), -1);
}

TEST_F(TextTest, WordBreakWrapsAtSpacesWithinTheWidth) {
    const CString text = L"one two three four five six seven";
    const int width = canvas->dc.GetTextExtent(CString(L"three four")).cx + 2;
    CRect rc(0, 0, width, 0);
    const int h = canvas->dc.DrawText(text, &rc, DT_WORDBREAK | DT_CALCRECT);
    EXPECT_GE(h / tm.tmHeight, 3);
    EXPECT_EQ(h % tm.tmHeight, 0);
    EXPECT_LE(rc.Width(), width);
    EXPECT_EQ(rc.Height(), h);

    // Drawn, the text stays inside the width.
    CRect box(0, 0, width, 200);
    canvas->dc.DrawText(text, &box, DT_WORDBREAK);
    EXPECT_LT(RightmostInk(), width);
    EXPECT_GE(RightmostInk(), 0);
}

TEST_F(TextTest, EndEllipsisKeepsALongLineInsideItsRectangle) {
    const CString text = L"A description far too long for its little box";
    const int width = 80;
    CRect box(0, 0, width, 30);
    canvas->dc.DrawText(text, &box, DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOCLIP);
    const int withEllipsis = RightmostInk();
    EXPECT_GE(withEllipsis, 0);
    EXPECT_LT(withEllipsis, width);

    canvas->dc.FillSolidRect(0, 0, 300, 200, RGB(255, 255, 255));
    canvas->dc.DrawText(text, &box, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_GT(RightmostInk(), width);  // without the ellipsis it runs over
}

TEST_F(TextTest, VerticalCentreAndPrefixes) {
    CRect box(0, 0, 200, 100);
    const int bottom = canvas->dc.DrawText(CString(L"&File"), &box, DT_SINGLELINE | DT_VCENTER);
    EXPECT_EQ(bottom, (100 - tm.tmHeight) / 2 + tm.tmHeight);
    CRect a(0, 0, 0, 0), b(0, 0, 0, 0);
    canvas->dc.DrawText(CString(L"&File"), &a, DT_SINGLELINE | DT_CALCRECT);
    canvas->dc.DrawText(CString(L"File"), &b, DT_SINGLELINE | DT_CALCRECT);
    EXPECT_EQ(a.Width(), b.Width());  // the prefix character takes no room
}

TEST_F(TextTest, JustificationSpreadsExtraPixelsOverTheSpaces) {
    const CString text = L"a b c";
    const int plain = canvas->dc.GetTextExtent(text).cx;
    canvas->dc.SetTextJustification(7, 2);
    EXPECT_EQ(canvas->dc.GetTextExtent(text).cx, plain + 7);
    canvas->dc.SetTextJustification(0, 0);
    EXPECT_EQ(canvas->dc.GetTextExtent(text).cx, plain);
}

// The menu marks of the symbol face: 'a' is the check mark and 'h' the bullet, drawn and measured
// as those symbols; other faces keep their letters.
struct SymbolCase {
    const wchar_t* face;
    const wchar_t* text;
    const wchar_t* shownAs;
};

TEST(DeviceContext, MarlettLettersAreDrawnAsMenuMarks) {
    const SymbolCase cases[] = {
        {L"Marlett", L"a", L"\u2713"},
        {L"Marlett", L"h", L"\u2022"},
        {L"Arial", L"a", L"a"},
    };
    for (const auto& c : cases) {
        auto Draw = [](const wchar_t* face, const wchar_t* text, CSize* extent) {
            auto canvas = std::make_unique<MemoryCanvas>(30, 30);
            LOGFONT lf{};
            lf.lfHeight = -16;
            wcscpy(lf.lfFaceName, face);
            CFont font;
            font.CreateFontIndirect(&lf);
            CFont* old = canvas->dc.SelectObject(&font);
            canvas->dc.SetBkMode(TRANSPARENT);
            canvas->dc.TextOut(4, 4, text, 1);
            *extent = canvas->dc.GetTextExtent(text, 1);
            canvas->dc.SelectObject(old);
            std::vector<COLORREF> pixels;
            for (int y = 0; y < 30; ++y)
                for (int x = 0; x < 30; ++x) pixels.push_back(canvas->At(x, y));
            return pixels;
        };
        // The stand-in face of the symbol face draws the expected symbol itself.
        const wchar_t* stand = std::wstring(c.face) == L"Marlett" ? L"DejaVu Sans" : c.face;
        CSize got, expected;
        EXPECT_EQ(Draw(c.face, c.text, &got), Draw(stand, c.shownAs, &expected)) << c.face;
        EXPECT_EQ(got.cx, expected.cx) << c.face;
    }
}

}  // namespace
