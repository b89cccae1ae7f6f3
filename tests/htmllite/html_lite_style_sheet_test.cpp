// The style sheet: parsing rules and applying their properties to a text style.
#include <gtest/gtest.h>

#include "htmllite/html_lite_style.h"
#include "htmllite/html_lite_style_sheet.h"
#include "htmllite/html_lite_values.h"

TEST(HtmlLiteStyleSheet, DefaultSheetHasSeventeenRules) {
    CHtmlLiteStyleSheet sheet;
    EXPECT_EQ(sheet.RuleCount(), 17);
    EXPECT_TRUE(sheet.Lookup(L"a:hover").has_value());
    EXPECT_TRUE(sheet.Lookup(L".cpp-comment").has_value());
    EXPECT_FALSE(sheet.Lookup(L"table").has_value());
    EXPECT_EQ(sheet.Text(), CHtmlLiteStyleSheet::DefaultCssText());
}

TEST(HtmlLiteStyleSheet, ParsingRules) {
    CHtmlLiteStyleSheet sheet;
    sheet.SetCssStyles(L"B {color:red}\r\n  em {} x{color:blue}  .k {margin:4} q {color:navy}");
    EXPECT_EQ(sheet.RuleCount(), 4);  // the empty body is skipped; "x{" names x
    EXPECT_EQ(*sheet.Lookup(L"b"), CString(L"color:red"));
    EXPECT_EQ(*sheet.Lookup(L"B"), CString(L"color:red"));
    EXPECT_FALSE(sheet.Lookup(L"em").has_value());
    EXPECT_EQ(*sheet.Lookup(L".k"), CString(L"margin:4"));
    sheet.SetCssStyles(L"b {color:red} b {color:blue}");
    EXPECT_EQ(*sheet.Lookup(L"b"), CString(L"color:blue"));
    sheet.SetCssStyles(nullptr);
    EXPECT_EQ(sheet.RuleCount(), 17);
}

namespace {

struct BodyCase {
    const wchar_t* body;
    void (*prepare)(CHtmlLiteStyle&);
    bool (*check)(const CHtmlLiteStyle&);
    const char* what;
};

void None(CHtmlLiteStyle&) {}

const BodyCase kBodyCases[] = {
    {L"color:red", None, [](const CHtmlLiteStyle& s) { return s.m_textColor == RGB(255, 0, 0); }, "colour"},
    {L"color:red ;", None, [](const CHtmlLiteStyle& s) { return s.m_textColor == 0; },
     "a trailing space spoils the value"},
    {L"color:RED", None, [](const CHtmlLiteStyle& s) { return s.m_textColor == RGB(255, 0, 0); },
     "the body is read in lower case"},
    {L"font-family:\"Courier New\"", None, [](const CHtmlLiteStyle& s) { return s.m_face == L"courier new"; },
     "quoted value"},
    {L"background-color:transparent", [](CHtmlLiteStyle& s) { s.m_backMode = 2; },
     [](const CHtmlLiteStyle& s) { return s.m_backMode == 1; }, "transparent background"},
    {L"background-color:#fbedbb", None,
     [](const CHtmlLiteStyle& s) { return s.m_backMode == 2 && s.m_backColor == RGB(0xfb, 0xed, 0xbb); },
     "opaque background"},
    {L"border-style:solid; border-width:0", None,
     [](const CHtmlLiteStyle& s) { return s.m_borderStyle == 0 && s.m_borderWidth == 0; }, "width 0 clears style"},
    {L"border-style:dashed", None, [](const CHtmlLiteStyle& s) { return s.m_borderStyle == 2 && s.m_borderWidth == 1; },
     "a style gives width 1"},
    {L"border-width:4", None, [](const CHtmlLiteStyle& s) { return s.m_borderStyle == 1 && s.m_borderWidth == 4; },
     "a width gives solid"},
    {L"border-width:thick", [](CHtmlLiteStyle& s) { s.m_borderWidth = 4; s.m_borderStyle = 1; },
     [](const CHtmlLiteStyle& s) { return s.m_borderWidth == 5; }, "thick"},
    {L"border-width:thin", [](CHtmlLiteStyle& s) { s.m_borderWidth = 4; s.m_borderStyle = 1; },
     [](const CHtmlLiteStyle& s) { return s.m_borderWidth == 3; }, "thin"},
    {L"font-size:65%", None, [](const CHtmlLiteStyle& s) { return s.m_size == 10; }, "percentage size"},
    {L"font-size:10pt", None, [](const CHtmlLiteStyle& s) { return s.m_size == 13; }, "points"},
    {L"font-weight:normal", [](CHtmlLiteStyle& s) { s.m_weight = 800; },
     [](const CHtmlLiteStyle& s) { return s.m_weight == 400; }, "normal weight inside bold"},
    {L"font-style:oblique", None, [](const CHtmlLiteStyle& s) { return s.m_italic == 1; }, "oblique"},
    {L"text-decoration:underline,overline", None,
     [](const CHtmlLiteStyle& s) { return s.m_underline && s.m_overline && !s.m_strikeout; }, "decorations"},
    {L"text-decoration:", [](CHtmlLiteStyle& s) { s.m_underline = 1; },
     [](const CHtmlLiteStyle& s) { return !s.m_underline; }, "empty decoration is none"},
    {L"vertical-align:vcenter", None, [](const CHtmlLiteStyle& s) { return s.m_vAlign == 1; }, "vcenter"},
    {L"text-align:center", None, [](const CHtmlLiteStyle& s) { return s.m_hAlign == 1; }, "centre"},
    {L"text-align:justify", None, [](const CHtmlLiteStyle& s) { return s.m_hAlign == 0; },
     "justify is not a text-align value"},
    {L"text-transform:capitalize", None, [](const CHtmlLiteStyle& s) { return s.m_textTransform == 3; }, "capitalise"},
    {L"border-color:navy", None,
     [](const CHtmlLiteStyle& s) { return s.m_borderLight == RGB(0, 0, 128) && s.m_borderDark == RGB(0, 0, 128); },
     "border colours"},
    {L"margin:5; padding:3", None, [](const CHtmlLiteStyle& s) { return s.m_margin == 5 && s.m_padding == 3; },
     "margin and padding"},
    {L"color:red font-weight:bold", None,
     [](const CHtmlLiteStyle& s) { return s.m_textColor == 0 && s.m_weight == 400; },
     "a missing ; makes one unreadable value"},
    {L"unknown:1; color:blue", None, [](const CHtmlLiteStyle& s) { return s.m_textColor == RGB(0, 0, 255); },
     "unknown properties are ignored"},
};

}  // namespace

TEST(HtmlLiteStyleSheet, RuleBodiesChangeTheStyle) {
    CHtmlLiteValues values;
    for (const auto& c : kBodyCases) {
        CHtmlLiteStyle s;
        c.prepare(s);
        CHtmlLiteStyleSheet::ApplyBody(c.body, s, values);
        EXPECT_TRUE(c.check(s)) << c.what;
    }
}

TEST(HtmlLiteStyleSheet, DisabledColoursKeepBackgroundsTransparent) {
    CHtmlLiteValues values;
    values.m_colorsEnabled = false;
    CHtmlLiteStyle s;
    CHtmlLiteStyleSheet::ApplyBody(L"background-color:red; color:blue", s, values);
    EXPECT_EQ(s.m_backMode, 1);
    EXPECT_EQ(s.m_textColor, values.m_disabledColor);
}

TEST(HtmlLiteStyleSheet, MissingRuleChangesNothing) {
    CHtmlLiteStyleSheet sheet;
    CHtmlLiteValues values;
    CHtmlLiteStyle s;
    EXPECT_FALSE(sheet.ApplyRule(L"td", s, values));
    EXPECT_EQ(s.m_textColor, 0u);
    EXPECT_TRUE(sheet.ApplyRule(L"body", s, values));
    EXPECT_EQ(s.m_size, 13);
    EXPECT_EQ(s.m_face, CString(L"verdana"));
}
