// Line layout, objects in the flow, links and measured sizes of the HTML-lite drawer.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "htmllite/html_lite_drawer.h"
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
    // Library resources, files and raw handles take no room and load nothing.
    const wchar_t* refused[] = {
        L"<bmp file=\"/etc/passwd\">", L"<ilst srcdll=\"libc.so.6\" iddll=1>", L"<bmp handle=12345>",
        L"<icon file=\"/tmp/x.ico\">", L"<ilst handle=0x1000 index=1>",
    };
    for (const wchar_t* html : refused) EXPECT_EQ(drawer.Measure(canvas.dc(), html), CSize(0, 0)) << CString(html).ToUtf8();
}
