// Preprocessing, scanning, attributes and the opening-tag effects of HTML-lite markup.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "htmllite/html_lite_markup.h"
#include "htmllite/html_lite_style.h"
#include "htmllite/html_lite_style_sheet.h"
#include "htmllite/html_lite_values.h"

namespace {

// Scans a preprocessed text into "T:run" and "<name>" / "</name>" items.
std::string Scan(const CHtmlLiteMarkup& markup, const wchar_t* text) {
    const CString pre = markup.Preprocess(text);
    std::string out;
    int pos = 0;
    HtmlLitePiece piece;
    while (CHtmlLiteMarkup::Next(pre, pos, piece)) {
        if (!out.empty()) out += "|";
        if (piece.isTag) {
            out += piece.closing ? "</" : "<";
            out += piece.name.ToUtf8();
            if (!piece.rest.IsEmpty()) {
                out += ' ';
                out += piece.rest.ToUtf8();
            }
            out += '>';
        } else {
            out += "T:";
            out += piece.text.ToUtf8();
        }
    }
    return out;
}

struct ScanCase {
    const wchar_t* text;
    const char* expected;
};

const ScanCase kScanCases[] = {
    {L"a << b", "T:a < b"},
    {L"a &lt; b", "T:a < b"},
    {L"&amp;lt;", "T:&lt;"},            // entities are decoded once
    {L"&amp;amp;", "T:&amp;"},
    {L"x&copy;&trade;&nbsp;y", "T:x\u00A9\u2122 y"},
    {L"&unknown; &", "T:&unknown; &"},
    {L"a<>b", "T:a>b"},
    {L"a<b", "T:ab"},                   // an unterminated "<" is dropped
    {L"ab<", "T:ab<"},                  // a final "<" is literal
    {L"<b>x</b>", "<b>|T:x|</b>"},
    {L"<B>x", "<B>|T:x"},
    {L"one\r\ntwo\tthree", "T:one|<br>|T:two|<t>|T:three"},
    {L"<br=2><br 2>", "<br =2>|<br 2>"},
    {L"<font color=\"a>b\">x", "<font color=\"a>|T:b\">x"},  // ">" in quotes still ends the tag
    {L"<a href='x y'>go</a>", "<a href='x y'>|T:go|</a>"},
};

}  // namespace

TEST(HtmlLiteMarkup, ScannerSplitsRunsAndTags) {
    CHtmlLiteMarkup markup;
    for (const auto& c : kScanCases) {
        const std::string expected(c.expected);
        EXPECT_EQ(Scan(markup, c.text), expected) << CString(c.text).ToUtf8();
    }
}

TEST(HtmlLiteMarkup, NewlinesOffRemovesLineFeedsAndTabs) {
    CHtmlLiteMarkup markup;
    EXPECT_EQ(markup.Preprocess(L"a\r\nb\tc", false), CString(L"abc"));
    EXPECT_EQ(markup.EntityCount(), 13);
}

TEST(HtmlLiteMarkup, TagTableIsCaseSensitive) {
    CHtmlLiteMarkup markup;
    struct TagCase { const wchar_t* name; int kind; const wchar_t* cls; };
    const TagCase cases[] = {
        {L"b", HL_TAG_BOLD, L"bold"},     {L"B", HL_TAG_UNKNOWN, L""},      {L"em", HL_TAG_ITALIC, L"italic"},
        {L"middle", HL_TAG_VCENTER, L"vcenter"}, {L"h3", HL_TAG_RULE, L"h3"}, {L"p", HL_TAG_UNKNOWN, L""},
        {L"a", HL_TAG_LINK, L"link"},     {L"hr", HL_TAG_HR, L""},          {L"\n", HL_TAG_BR, L""},
        {L"table", HL_TAG_UNKNOWN, L""},
    };
    for (const auto& c : cases) {
        const HtmlLiteTagInfo info = markup.FindTag(c.name);
        EXPECT_EQ(info.kind, c.kind) << CString(c.name).ToUtf8();
        EXPECT_EQ(info.styleClass, CString(c.cls)) << CString(c.name).ToUtf8();
    }
}

TEST(HtmlLiteMarkup, BreakCountComesFromTheTextAfterTheName) {
    struct CountCase { const wchar_t* tag; int count; };
    const CountCase cases[] = {{L"<br=2>", 2}, {L"<br 2>", 0}, {L"<br>", 0}, {L"<t=3>", 3}};
    for (const auto& c : cases) {
        int pos = 0;
        HtmlLitePiece piece;
        ASSERT_TRUE(CHtmlLiteMarkup::Next(c.tag, pos, piece));
        EXPECT_EQ(CHtmlLiteMarkup::TagCount(piece), c.count) << CString(c.tag).ToUtf8();
    }
}

TEST(HtmlLiteMarkup, AttributesAreNameValuePairs) {
    const HtmlLiteAttributes a =
        CHtmlLiteMarkup::ParseAttributes(L"color = red  face=\"Times New Roman\" style='b i' size=1 size=4 flag");
    EXPECT_EQ(*a.Find(L"color"), CString(L"red"));
    EXPECT_EQ(*a.Find(L"face"), CString(L"Times New Roman"));
    EXPECT_EQ(*a.Find(L"style"), CString(L"b i"));
    EXPECT_EQ(*a.Find(L"size"), CString(L"4"));  // a later repetition wins
    EXPECT_EQ(*a.Find(L"flag"), CString(L""));
}

TEST(HtmlLiteMarkup, ColourValues) {
    CHtmlLiteValues values;
    const COLORREF kCurrent = RGB(1, 2, 3);
    struct ColorCase { const wchar_t* text; COLORREF expected; };
    const ColorCase cases[] = {
        {L"", kCurrent},
        {L"#ff0000", RGB(255, 0, 0)},
        {L"#00FF80", RGB(0, 255, 128)},
        {L"#f00", kCurrent},
        {L"#ff00000", kCurrent},
        {L"255", RGB(255, 0, 0)},
        {L"0xff0000", RGB(0, 0, 255)},
        {L"010", 8},
        {L"red", RGB(255, 0, 0)},
        {L"Red", kCurrent},
        {L"darkseagreen", RGB(143, 188, 139)},
        {L"lightgrey", RGB(211, 211, 211)},
        {L"lightgray", kCurrent},
        {L"grey", kCurrent},
        {L"infobackground", GetSysColor(COLOR_INFOBK)},
        {L"threedlightshadow", GetSysColor(COLOR_3DLIGHT)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(values.ParseColor(c.text, kCurrent), c.expected) << CString(c.text).ToUtf8();
    EXPECT_EQ(values.ColorCount(), 168);

    values.m_colorsEnabled = false;
    EXPECT_EQ(values.ParseColor(L"red", kCurrent), GetSysColor(COLOR_BTNSHADOW));
}

TEST(HtmlLiteMarkup, SizeValues) {
    CHtmlLiteValues values;
    values.m_xWidth = 6;
    values.m_fontHeight = 13;
    struct SizeCase { const wchar_t* text; int current; bool html; int expected; };
    const SizeCase cases[] = {
        {L"", 16, false, 16},
        {L"50%", 16, false, 8},
        {L"65%", 16, false, 10},   // 10.4 rounds to 10
        {L"3", 16, true, 12},
        {L"+3", 16, true, 12},
        {L"-3", 16, true, 12},
        {L"7", 16, true, 36},
        {L"8", 16, true, 8},
        {L"3", 16, false, 3},
        {L"0x10", 0, false, 16},
        {L"12px", 0, false, 12},
        {L"2ex", 0, false, 12},
        {L"2em", 0, false, 26},
        {L"1in", 0, false, 96},
        {L"1cm", 0, false, 37},
        {L"10mm", 0, false, 37},
        {L"10pt", 0, false, 13},
        {L"1pc", 0, false, 16},
        {L"1.5em", 0, false, 19},
    };
    for (const auto& c : cases)
        EXPECT_EQ(values.ParseSize(c.text, c.current, c.html), c.expected) << CString(c.text).ToUtf8();
}

TEST(HtmlLiteMarkup, OpeningTagsChangeTheStyle) {
    CHtmlLiteMarkup markup;
    CHtmlLiteValues values;
    CHtmlLiteStyleSheet sheet;
    auto apply = [&](CHtmlLiteStyle& s, const wchar_t* tagText) {
        int pos = 0;
        HtmlLitePiece piece;
        ASSERT_TRUE(CHtmlLiteMarkup::Next(tagText, pos, piece));
        const HtmlLiteTagInfo info = markup.FindTag(piece.name);
        markup.ApplyOpeningTag(info.kind, piece.name, CHtmlLiteMarkup::ParseAttributes(piece.rest), s, values, sheet);
    };

    CHtmlLiteStyle s;
    apply(s, L"<b>");
    EXPECT_EQ(s.m_weight, 800);
    apply(s, L"<b>");
    EXPECT_EQ(s.m_weight, 900);
    apply(s, L"<i>");
    apply(s, L"<i>");
    EXPECT_EQ(s.m_italic, 0);  // toggles

    CHtmlLiteStyle f;
    apply(f, L"<font face=\"Arial\" size=3 color=#00ff00 style=\"bu-s+o\" bkgnd=yellow>");
    EXPECT_EQ(f.m_face, CString(L"Arial"));
    EXPECT_EQ(f.m_size, 12);
    EXPECT_EQ(f.m_textColor, RGB(0, 255, 0));
    EXPECT_EQ(f.m_weight, 700);
    EXPECT_EQ(f.m_underline, 1);
    EXPECT_EQ(f.m_strikeout, 0);
    EXPECT_EQ(f.m_overline, 1);
    EXPECT_EQ(f.m_backMode, 2);
    EXPECT_EQ(f.m_backColor, RGB(255, 255, 0));
    apply(f, L"<font style=\"-b\" bkgnd=transparent face=\"\">");
    EXPECT_EQ(f.m_weight, 400);
    EXPECT_EQ(f.m_backMode, 1);
    EXPECT_EQ(f.m_face, CString(L"Arial"));
    apply(f, L"<font bkgnd>");
    EXPECT_EQ(f.m_backMode, 1);

    struct WeightCase { const wchar_t* tag; int weight; };
    const WeightCase weights[] = {{L"<font weight=bold>", 700}, {L"<font weight=bolder>", 900},
                                  {L"<font weight=lighter>", 100}, {L"<font weight=550>", 550},
                                  {L"<font weight>", 400}};
    for (const auto& w : weights) {
        CHtmlLiteStyle ws;
        apply(ws, w.tag);
        EXPECT_EQ(ws.m_weight, w.weight) << CString(w.tag).ToUtf8();
    }

    CHtmlLiteStyle h;
    apply(h, L"<h2>");
    EXPECT_EQ(h.m_textColor, RGB(255, 0x99, 0));
    EXPECT_EQ(h.m_weight, 700);

    CHtmlLiteStyle span;
    apply(span, L"<span class=cpp-comment>");
    EXPECT_EQ(span.m_textColor, RGB(0, 128, 0));
    EXPECT_EQ(span.m_italic, 1);

    CHtmlLiteStyle link;
    apply(link, L"<a>");
    EXPECT_EQ(link.m_linkKind, 2);
    apply(link, L"<a href=\"https://example.org\">");
    EXPECT_EQ(link.m_linkKind, 1);
    EXPECT_EQ(link.m_linkTarget, CString(L"https://example.org"));
    apply(link, L"<a msg=next>");
    EXPECT_EQ(link.m_linkKind, 2);
    EXPECT_EQ(link.m_linkTarget, CString(L"next"));
}
