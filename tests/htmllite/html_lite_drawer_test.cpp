// Line layout, objects in the flow, links and measured sizes of the HTML-lite drawer.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <string>
#include <vector>

#include "htmllite/html_lite_drawer.h"
#include "platform/core/language_pack.h"
#include "platform/ui/icon.h"
#include "platform/ui/resources.h"
#include "platform/ui/window_class.h"
#include "platform/ui/message_map.h"
#include "ui_test_support.h"

namespace {

// Measures `html` on a canvas; the extent of `text` in the stock font.
CSize TextExtent(CDC* dc, const wchar_t* text) {
    LOGFONT lf{};
    ::GetObject(::GetStockObject(ANSI_VAR_FONT), sizeof(lf), &lf);
    CFont font;
    font.CreateFontIndirect(&lf);
    CFont* old = dc->SelectObject(&font);
    const CSize size = dc->GetTextExtent(text, static_cast<int>(wcslen(text)));
    dc->SelectObject(old);
    return size;
}

// A window that records the callback messages of the drawer.
class CRecorder : public CWnd {
public:
    std::vector<WPARAM> repaints;
    std::vector<CString> messages;
    BOOL Make() {
        return CreateEx(0, nullptr, L"recorder", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr);
    }
    LRESULT OnRepaint(WPARAM w, LPARAM) {
        repaints.push_back(w);
        return 0;
    }
    LRESULT OnLink(WPARAM w, LPARAM) {
        messages.push_back(CString(reinterpret_cast<const wchar_t*>(w)));
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRecorder, CWnd)
    ON_MESSAGE(WM_APP + 1, &CRecorder::OnRepaint)
    ON_MESSAGE(WM_APP + 2, &CRecorder::OnLink)
END_MESSAGE_MAP()

class HtmlLiteDrawerTest : public ::testing::Test {
protected:
    void SetUp() override { EnsureApplication(); }
    CTestCanvas canvas{400, 300};
    CHtmlLiteDrawer drawer;

    // Measures and renders into a rectangle `extra` pixels wider than measured.
    CSize Draw(const wchar_t* html, int extra = 0) {
        const CSize size = drawer.Measure(canvas.dc(), html);
        drawer.Render(CRect(0, 0, size.cx + extra, size.cy), canvas.dc());
        return size;
    }
};

}  // namespace

TEST_F(HtmlLiteDrawerTest, MeasuredSizes) {
    const CSize x = TextExtent(canvas.dc(), L"x");
    struct SizeCase { const wchar_t* html; int cx; int cy; };
    const SizeCase cases[] = {
        {L"", 0, 0},
        {L"<b></b><i>", 0, 0},
        {L"x", x.cx + 1, x.cy + 1},
        {L"&lt;b&gt;", TextExtent(canvas.dc(), L"<b>").cx + 1, x.cy + 1},
        {L"x<br>x", x.cx + 1, 2 * x.cy + 1},
        {L"x<br=3>", x.cx + 1, 3 * x.cy + 1},
        {L"<hr width=120><br><hr>", 121 + 1, 2 * 9 + 1},  // a 100% rule adds the widest line to its pixel
        {L"<t=3>", 96 + 1, x.cy + 1},
    };
    for (const auto& c : cases) {
        const CSize size = drawer.Measure(canvas.dc(), c.html);
        EXPECT_EQ(size.cx, c.cx) << CString(c.html).ToUtf8();
        EXPECT_EQ(size.cy, c.cy) << CString(c.html).ToUtf8();
    }
}

TEST_F(HtmlLiteDrawerTest, TabsAndAlignmentPlaceText) {
    const int wide = 300;
    struct PlaceCase { const wchar_t* html; int left; };
    const int ab = TextExtent(canvas.dc(), L"ab").cx;
    const PlaceCase cases[] = {
        {L"<t=3><a msg=m>ab</a>", 96},
        {L"<hr width=40 size=0><t><a msg=m>ab</a>", 64},
        {L"<t><t><a msg=m>ab</a>", 64},
        {L"<right><a msg=m>ab</a></right>", wide - ab},
        {L"<center><a msg=m>ab</a></center>", (wide - ab) / 2},
    };
    for (const auto& c : cases) {
        drawer.Measure(canvas.dc(), c.html);
        drawer.Render(CRect(0, 0, wide, 50), canvas.dc());
        ASSERT_EQ(drawer.Links().size(), 1u) << CString(c.html).ToUtf8();
        EXPECT_EQ(drawer.Links()[0].rect.left, c.left) << CString(c.html).ToUtf8();
    }
}

// A rule given in percent after text on its line fills what the line leaves and stops at
// the rectangle's right edge; alone on its line it is as wide as the rectangle.
TEST_F(HtmlLiteDrawerTest, PercentRulesStayInsideTheRectangle) {
    struct RuleCase { const wchar_t* html; const wchar_t* after; int extra; };
    const RuleCase cases[] = {
        {L"ab<hr color=#ff0000 size=2>", L"", 0},
        {L"ab<hr color=#ff0000 size=2>cd", L"cd", 0},
        {L"ab<br><hr color=#ff0000 size=2>", L"", 30},
        {L"Room 12<hr color=#ff0000 size=2 width=50%>", L"", 0},
    };
    for (const auto& c : cases) {
        const std::string what = CString(c.html).ToUtf8();
        canvas.dc()->FillSolidRect(0, 0, 400, 300, RGB(255, 255, 255));
        const CSize size = Draw(c.html, c.extra);
        const int right = size.cx + c.extra;
        const int ruleEnd = right - (*c.after ? TextExtent(canvas.dc(), c.after).cx : 0);
        bool ruleReachesItsEnd = false, outside = false;
        for (int y = 0; y < size.cy; ++y) {
            ruleReachesItsEnd = ruleReachesItsEnd || canvas.Pixel(ruleEnd - 1, y) == RGB(255, 0, 0);
            for (int x = right; x < 400; ++x) outside = outside || canvas.Pixel(x, y) != RGB(255, 255, 255);
        }
        EXPECT_TRUE(ruleReachesItsEnd) << what;
        EXPECT_FALSE(outside) << what;
    }
}

TEST_F(HtmlLiteDrawerTest, ShortCentredLineIsCentredInTheMeasuredWidth) {
    const CSize size = Draw(L"<center><a msg=m>ab</a><br>a much longer line</center>");
    const int ab = TextExtent(canvas.dc(), L"ab").cx;
    ASSERT_EQ(drawer.Links().size(), 1u);
    EXPECT_EQ(drawer.Links()[0].rect.left, (size.cx - ab) / 2);
}

TEST_F(HtmlLiteDrawerTest, WrapsAtBreakCharactersOnlyWithAMaximumWidth) {
    const wchar_t* text = L"aaa bbb ccc";
    drawer.Measure(canvas.dc(), text);
    EXPECT_EQ(drawer.Lines().size(), 1u);  // no maximum: never wraps

    // A prefix fits with the break character that ends it ("aaa bbb " here).
    drawer.m_maxWidth = TextExtent(canvas.dc(), L"aaa bbb ").cx + 1;
    const CSize size = drawer.Measure(canvas.dc(), text);
    ASSERT_EQ(drawer.Lines().size(), 2u);
    EXPECT_EQ(drawer.Lines()[0].continued, 1);
    EXPECT_EQ(drawer.Lines()[0].width, TextExtent(canvas.dc(), L"aaa bbb").cx);  // trailing space dropped
    EXPECT_EQ(drawer.Lines()[1].continued, 0);
    EXPECT_LE(size.cx, drawer.m_maxWidth);

    // A word longer than the whole width is cut between characters.
    drawer.m_maxWidth = TextExtent(canvas.dc(), L"aaa").cx;
    drawer.Measure(canvas.dc(), L"aaaaaaa");
    EXPECT_GE(drawer.Lines().size(), 3u);
}

TEST_F(HtmlLiteDrawerTest, JustifiedLinesFillTheRoom) {
    drawer.m_maxWidth = TextExtent(canvas.dc(), L"aa bb cc").cx + 6;
    const CSize size = drawer.Measure(canvas.dc(), L"<justify><a msg=m>aa bb cc dd</a></justify>");
    ASSERT_EQ(drawer.Lines().size(), 2u);
    const int room = drawer.m_maxWidth;
    drawer.Render(CRect(0, 0, room, size.cy), canvas.dc());
    ASSERT_EQ(drawer.Links().size(), 2u);
    EXPECT_EQ(drawer.Links()[0].rect.right, room);  // spread over the spaces of the continued line
    EXPECT_EQ(drawer.Links()[1].rect.Width(), TextExtent(canvas.dc(), L"dd").cx);  // last line stays
}

TEST_F(HtmlLiteDrawerTest, LinkAreasAreRebuiltOnEveryRender) {
    Draw(L"<a href=\"https://example.org\">one</a> and <a msg=two>two</a>");
    ASSERT_EQ(drawer.Links().size(), 2u);
    Draw(L"<a href=\"https://example.org\">one</a> and <a msg=two>two</a>");
    const CSize size = drawer.Measure(canvas.dc(), L"<a msg=x>x</a>");
    for (int i = 0; i < 3; ++i) drawer.Render(CRect(0, 0, size.cx, size.cy), canvas.dc());
    EXPECT_EQ(drawer.Links().size(), 1u);
}

TEST_F(HtmlLiteDrawerTest, HoverCallbacksAndClicks) {
    CRecorder recorder;
    ASSERT_TRUE(recorder.Make());
    drawer.m_repaintCallback = {recorder.m_hWnd, WM_APP + 1, 0};
    drawer.m_linkCallback = {recorder.m_hWnd, WM_APP + 2, 0};
    std::vector<CString> opened;
    CHtmlLiteDrawer::SetLinkOpener([&opened](const CString& target) {
        opened.push_back(target);
        return true;
    });

    Draw(L"<a href=\"https://example.org/a b\">web</a><t><a msg=\"next page\">next</a><t><a>none</a>");
    ASSERT_EQ(drawer.Links().size(), 3u);
    const CPoint web = drawer.Links()[0].rect.CenterPoint();
    const CPoint next = drawer.Links()[1].rect.CenterPoint();
    const CPoint none = drawer.Links()[2].rect.CenterPoint();

    EXPECT_TRUE(drawer.SetLinkCursor(web));
    EXPECT_TRUE(drawer.SetLinkCursor(web + CSize(1, 0)));  // same link: no second callback
    EXPECT_TRUE(drawer.SetLinkCursor(next));
    EXPECT_FALSE(drawer.SetLinkCursor(none));             // highlighted, but no hand
    EXPECT_EQ(drawer.HoveredLink(), 2);
    EXPECT_FALSE(drawer.SetLinkCursor(CPoint(399, 299)));
    EXPECT_EQ(recorder.repaints, (std::vector<WPARAM>{0, 1, 2, static_cast<WPARAM>(-2)}));

    drawer.ClickLink(web);
    drawer.ClickLink(next);
    drawer.ClickLink(none);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], CString(L"https://example.org/a b"));  // handed over as it stands, never run
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0], CString(L"next page"));
    CHtmlLiteDrawer::SetLinkOpener(nullptr);
    recorder.DestroyWindow();
}

TEST_F(HtmlLiteDrawerTest, OnlyStripImagesAndOwnResourcesAreDrawn) {
    // Library resources, bitmap files, bitmap handles and handles that name no icon take no
    // room and load nothing.
    const wchar_t* refused[] = {
        L"<bmp file=\"/etc/passwd\">", L"<ilst srcdll=\"libc.so.6\" iddll=1>", L"<bmp handle=12345>",
        L"<icon handle=12345>", L"<icon srcdll=\"libc.so.6\" iddll=1>", L"<ilst handle=0x1000 index=1>",
    };
    for (const wchar_t* html : refused) EXPECT_EQ(drawer.Measure(canvas.dc(), html), CSize(0, 0)) << CString(html).ToUtf8();
}

namespace {

constexpr UINT kIcon = 301;

// A language pack with one 16 x 16 blue icon whose top-left 3 x 3 corner is transparent, and a
// 24 x 24 green icon file beside it.
class HtmlLiteIconTest : public HtmlLiteDrawerTest {
protected:
    void SetUp() override {
        HtmlLiteDrawerTest::SetUp();
        QImage icon(16, 16, QImage::Format_ARGB32);
        icon.fill(QColor(0, 0, 200));
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 3; ++x) icon.setPixel(x, y, 0);
        ASSERT_TRUE(icon.save(dir.filePath(QStringLiteral("icon.png"))));
        QImage file(24, 24, QImage::Format_ARGB32);
        file.fill(QColor(0, 160, 0));
        ASSERT_TRUE(file.save(dir.filePath(QStringLiteral("file.png"))));
        QFile rc(dir.filePath(QStringLiteral("Test.rc")));
        ASSERT_TRUE(rc.open(QIODevice::WriteOnly));
        rc.write("301 ICON \"icon.png\"\n");
        rc.close();
        ASSERT_TRUE(pack.Load(CString(dir.filePath(QStringLiteral("Test.rc")).toStdWString())).ok);
        previous = CLanguagePack::GetCurrent();
        CLanguagePack::SetCurrent(&pack);
    }
    void TearDown() override { CLanguagePack::SetCurrent(previous); }

    // `html` with FILE replaced by the icon file's path.
    CString WithFile(const wchar_t* html, const char* name = "file.png") const {
        CString text(html);
        text.Replace(L"FILE", CString(dir.filePath(QString::fromUtf8(name)).toStdWString()));
        return text;
    }

    QTemporaryDir dir;
    CLanguagePack pack;
    CLanguagePack* previous = nullptr;
};

}  // namespace

TEST_F(HtmlLiteIconTest, MeasuredSizeOfIconTags) {
    // Measured sizes carry the final extra pixel; percentages are of the 32 x 32 system icon
    // size, pixels are pixels, and without a size an icon keeps its own.
    const int xx = TextExtent(canvas.dc(), L"xx").cx;
    struct SizeCase { const wchar_t* html; int cx; int cy; };
    const SizeCase cases[] = {
        {L"<icon idres=301>", 17, 17},
        {L"<icon idres=301 width=50% height=25%>", 17, 9},
        {L"<icon idres=301 width=100%>", 33, 17},
        {L"<icon idres=301 width=20 height=10>", 21, 11},
        {L"<icon idres=301 style=s>", 21, 21},
        {L"<icon idres=301 hotstyle=gs>", 21, 21},
        {L"<icon idres=301 style=gdl>", 17, 17},
        {L"<icon file=\"FILE\">", 25, 25},
        {L"<icon file=\"FILE\" width=8 height=8>", 9, 9},
        {L"<icon idres=302>", 0, 0},
        {L"<icon idres=302 file=\"FILE\">", 0, 0},  // the resource is the source; no fall-back
        {L"<icon file=\"MISSING\">", 0, 0},
        {L"<icon>", 0, 0},
        {L"x<icon file=\"MISSING\">x", xx + 1, TextExtent(canvas.dc(), L"x").cy + 1},
    };
    for (const auto& c : cases) {
        CString html = WithFile(c.html);
        html.Replace(L"MISSING", CString(dir.filePath(QStringLiteral("missing.png")).toStdWString()));
        const CSize size = drawer.Measure(canvas.dc(), html);
        EXPECT_EQ(size, CSize(c.cx, c.cy)) << CString(c.html).ToUtf8();
    }
    // An icon given by its handle is drawn as it stands and stays its owner's; once destroyed
    // its handle names nothing.
    HICON own = static_cast<HICON>(
        LoadImage(AfxGetResourceHandle(), MAKEINTRESOURCE(kIcon), IMAGE_ICON, 0, 0, LR_DEFAULTCOLOR));
    ASSERT_NE(own, nullptr);
    const CString byHandle(L"<icon handle=" + std::to_wstring(reinterpret_cast<ULONG_PTR>(own)) + L" width=50%>");
    EXPECT_EQ(Draw(byHandle), CSize(17, 17));
    EXPECT_EQ(IconFromHandleValue(reinterpret_cast<ULONG_PTR>(own)), own);
    ::DestroyIcon(own);
    EXPECT_EQ(drawer.Measure(canvas.dc(), byHandle), CSize(0, 0));
    // A folder or a device is no icon file.
    EXPECT_EQ(drawer.Measure(canvas.dc(), WithFile(L"<icon file=\"FILE\">", "")), CSize(0, 0));
    EXPECT_EQ(drawer.Measure(canvas.dc(), L"<icon file=\"/dev/zero\">"), CSize(0, 0));
}

TEST_F(HtmlLiteIconTest, IconsDrawWithTheirMaskStyleAndLinkArea) {
    const COLORREF blue = RGB(0, 0, 200), white = RGB(255, 255, 255);
    const COLORREF greyBlue = RGB(22, 22, 22);  // luma of (0, 0, 200), truncated
    struct DrawCase {
        const wchar_t* html;
        bool colorsEnabled;
        CPoint opaque;
        COLORREF expected;
    };
    const DrawCase cases[] = {
        {L"<icon idres=301>", true, CPoint(8, 8), blue},
        {L"<icon idres=301 style=g>", true, CPoint(8, 8), greyBlue},
        {L"<icon idres=301 width=32 height=32>", true, CPoint(30, 30), blue},
        {L"<icon idres=301 style=s>", true, CPoint(8, 8), blue},
        {L"<icon idres=301 hotstyle=s>", true, CPoint(12, 12), blue},  // lower and to the right until hovered
        {L"<icon idres=301>", false, CPoint(8, 8), drawer.m_values.m_disabledColor},
    };
    for (const auto& c : cases) {
        canvas.dc()->FillSolidRect(0, 0, 400, 300, white);
        drawer.m_values.m_colorsEnabled = c.colorsEnabled;
        const CSize size = Draw(CString(L"<top><a msg=m>") + c.html + L"</a></top>");
        EXPECT_EQ(canvas.Pixel(c.opaque.x, c.opaque.y), c.expected) << CString(c.html).ToUtf8();
        EXPECT_EQ(canvas.Pixel(1, 1), white) << CString(c.html).ToUtf8();  // the transparent corner
        ASSERT_EQ(drawer.Links().size(), 1u);
        EXPECT_EQ(drawer.Links()[0].rect, CRect(0, 0, size.cx - 1, size.cy - 1)) << CString(c.html).ToUtf8();
    }
    drawer.m_values.m_colorsEnabled = true;
}

TEST_F(HtmlLiteIconTest, PictureOfATooltipWithIcons) {
    // The program's own icons, in several sizes and looks, in a tooltip-like text.
    CLanguagePack english;
    ASSERT_TRUE(english.Load(CString(std::string(VORN_TEST_DIR) + "/../../locale/English.rc")).ok);
    CLanguagePack::SetCurrent(&english);
    const CString text = WithFile(
        L"<h2><icon idres=128 width=50% height=50%> Room 12</h2><br>"
        L"<font color=navy>Monday,</font> <b>period 3</b><br>"
        L"<middle><icon idres=128> natural <icon idres=128 width=48 height=48 style=s> larger, with a shadow"
        L" <icon idres=285 width=24 height=24 style=g> grey <icon idres=285 width=24 height=24 style=d> darker"
        L" <icon idres=285 width=24 height=24 style=l> lighter</middle><br>"
        L"<a msg=ok><icon idres=247 hotstyle=s> Accept</a> <icon file=\"FILE\" width=16 height=16> from a file");
    CSize size = drawer.Measure(CTestCanvas(1, 1).dc(), text);
    CTestCanvas picture(size.cx + 20, size.cy + 20, RGB(255, 255, 225));
    size = drawer.Measure(picture.dc(), text);
    drawer.Render(CRect(10, 10, 10 + size.cx, 10 + size.cy), picture.dc());
    EXPECT_TRUE(picture.Save("htmllite_icons.png"));
    EXPECT_GT(size.cy, 48 + 16);
}
