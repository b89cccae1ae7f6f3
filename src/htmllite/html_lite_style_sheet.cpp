#include "htmllite/html_lite_style_sheet.h"

#include <cwctype>

#include "htmllite/html_lite_style.h"
#include "htmllite/html_lite_values.h"
#include "platform/core/mul_div.h"

namespace {

bool IsNameStart(wchar_t c) {
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9') || c == L'.';
}

const wchar_t* const kDefaultRules[] = {
    L"body {font-size: 10pt; color:black; font-family:Verdana}",
    L"p {font-size: 10pt; color:black; font-family:Verdana; font-weight:bold}",
    L"h1 {font-size: 14pt; color:black; font-family:Verdana; font-weight:bold}",
    L"h2 {font-size: 13pt; color:#ff9900; font-family:Verdana; font-weight:bold}",
    L"h3 {font-size: 12pt; color:#ff9900; font-family:Arial; font-weight:bold}",
    L"h4 {font-size: 10pt; color:black; font-family:Verdana; font-weight:bold}",
    L"h5 {font-size: 9pt; color:#ff9900; font-family:Verdana; font-weight:bold}",
    L"h6 {font-size: 65%; color:#626262; font-family:Verdana; font-weight:normal}",
    L"pre {font-size: 9pt; font-family:\"Courier\"; background-color:#fbedbb}",
    L"code {color:#990000; font-family:Arial}",
    L"a:link {text-decoration:none; color:blue}",
    L"a:hover {text-decoration:underline; color:blue}",
    L"sub {font-size:65%; vertical-align:bottom}",
    L"sup {font-size:65%; vertical-align:top}",
    L"big {font-size:125%}",
    L"small {font-size:75%}",
    L".cpp-comment {color:green; font-style:italic}",
};

void ApplyProperty(const CString& name, const CString& v, CHtmlLiteStyle& s, const CHtmlLiteValues& values) {
    if (name == L"font-size") {
        s.m_size = values.ParseSize(v, s.m_size, true);
    } else if (name == L"font-family") {
        if (!v.IsEmpty()) s.m_face = v;
    } else if (name == L"font-style") {
        if (v.IsEmpty() || v == L"normal") s.m_italic = 0;
        else if (v == L"italic" || v == L"oblique") s.m_italic = 1;
    } else if (name == L"font-weight") {
        s.m_weight = HtmlLiteWeight(v);
    } else if (name == L"text-align") {
        if (v.IsEmpty() || v == L"left") s.m_hAlign = HL_ALIGN_LEFT;
        else if (v == L"center") s.m_hAlign = HL_ALIGN_CENTER;
        else if (v == L"right") s.m_hAlign = HL_ALIGN_RIGHT;
    } else if (name == L"text-transform") {
        if (v.IsEmpty() || v == L"none") s.m_textTransform = 0;
        else if (v == L"uppercase") s.m_textTransform = 1;
        else if (v == L"lowercase") s.m_textTransform = 2;
        else if (v == L"capitalize") s.m_textTransform = 3;
    } else if (name == L"color") {
        s.m_textColor = values.ParseColor(v, s.m_textColor);
    } else if (name == L"background-color") {
        if (v.IsEmpty() || v == L"transparent" || !values.m_colorsEnabled) {
            s.m_backMode = 1;
        } else {
            s.m_backMode = 2;
            s.m_backColor = values.ParseColor(v, s.m_backColor);
        }
    } else if (name == L"text-decoration") {
        // Words separated by spaces or commas; an empty value counts as "none".
        std::wstring words = v.IsEmpty() ? std::wstring(L"none") : v.str();
        size_t at = 0;
        while (at < words.size()) {
            const size_t end = words.find_first_of(L" ,", at);
            const std::wstring word = words.substr(at, end == std::wstring::npos ? std::wstring::npos : end - at);
            if (word == L"none") s.m_underline = s.m_strikeout = s.m_overline = 0;
            else if (word == L"underline") s.m_underline = 1;
            else if (word == L"line-through") s.m_strikeout = 1;
            else if (word == L"overline") s.m_overline = 1;
            if (end == std::wstring::npos) break;
            at = end + 1;
        }
    } else if (name == L"vertical-align") {
        if (v.IsEmpty() || v == L"baseline") s.m_vAlign = HL_VALIGN_BASELINE;
        else if (v == L"middle" || v == L"vcenter") s.m_vAlign = HL_VALIGN_MIDDLE;
        else if (v == L"top") s.m_vAlign = HL_VALIGN_TOP;
        else if (v == L"bottom") s.m_vAlign = HL_VALIGN_BOTTOM;
    } else if (name == L"border-color") {
        s.m_borderLight = values.ParseColor(v, s.m_borderLight);
        s.m_borderDark = values.ParseColor(v, s.m_borderDark);
    } else if (name == L"border-width" || name == L"size") {
        if (v == L"thin") s.m_borderWidth = MulDiv(s.m_borderWidth, 75, 100);
        else if (v == L"thick") s.m_borderWidth = MulDiv(s.m_borderWidth, 125, 100);
        else if (v != L"medium") s.m_borderWidth = values.ParseSize(v, s.m_borderWidth);
        if (s.m_borderWidth == 0) s.m_borderStyle = 0;
        else if (s.m_borderStyle == 0) s.m_borderStyle = 1;
    } else if (name == L"border-style") {
        if (v.IsEmpty() || v == L"none") s.m_borderStyle = 0;
        else if (v == L"solid") s.m_borderStyle = 1;
        else if (v == L"dotted") s.m_borderStyle = 3;
        else if (v == L"dashed") s.m_borderStyle = 2;
        else if (v == L"double") s.m_borderStyle = 6;
        if (s.m_borderStyle != 0 && s.m_borderWidth == 0) s.m_borderWidth = 1;
    } else if (name == L"margin") {
        s.m_margin = values.ParseSize(v, s.m_margin);
    } else if (name == L"padding") {
        s.m_padding = values.ParseSize(v, s.m_padding);
    }
}

}  // namespace

CString CHtmlLiteStyleSheet::DefaultCssText() {
    CString text;
    for (const wchar_t* rule : kDefaultRules) {
        text += rule;
        text += L"\r\n";
    }
    return text;
}

void CHtmlLiteStyleSheet::SetDefaultCssStyles() {
    SetCssStyles(DefaultCssText().GetString());
}

void CHtmlLiteStyleSheet::SetCssStyles(const wchar_t* text) {
    if (!text) {
        SetDefaultCssStyles();
        return;
    }
    m_rules.clear();
    m_text = text;
    const std::wstring& t = m_text.str();
    const size_t n = t.size();
    size_t pos = 0;
    while (pos < n) {
        while (pos < n && !IsNameStart(t[pos])) ++pos;
        if (pos >= n) break;
        const size_t selStart = pos;
        while (pos < n && t[pos] != L' ' && t[pos] != L'{') ++pos;
        CString selector(t.substr(selStart, pos - selStart));
        const size_t open = t.find(L'{', pos);
        if (open == std::wstring::npos) break;
        const size_t close = t.find(L'}', open + 1);
        if (close == std::wstring::npos) break;
        const CString body(t.substr(open + 1, close - open - 1));
        pos = close + 1;
        if (selector.IsEmpty() || body.IsEmpty()) continue;
        selector.MakeLower();
        m_rules[selector.str()] = body;
    }
}

std::optional<CString> CHtmlLiteStyleSheet::Lookup(const CString& selector) const {
    CString key = selector;
    key.MakeLower();
    const auto it = m_rules.find(key.str());
    if (it == m_rules.end()) return std::nullopt;
    return it->second;
}

bool CHtmlLiteStyleSheet::ApplyRule(const CString& selector, CHtmlLiteStyle& style,
                                    const CHtmlLiteValues& values) const {
    const auto body = Lookup(selector);
    if (!body) return false;
    ApplyBody(*body, style, values);
    return true;
}

void CHtmlLiteStyleSheet::ApplyBody(const CString& bodyText, CHtmlLiteStyle& style, const CHtmlLiteValues& values) {
    CString body = bodyText;
    body.MakeLower();
    const std::wstring& t = body.str();
    const size_t n = t.size();
    size_t pos = 0;
    while (pos < n) {
        while (pos < n && !IsNameStart(t[pos])) ++pos;
        if (pos >= n) break;
        const size_t nameStart = pos;
        while (pos < n && t[pos] != L' ' && t[pos] != L':') ++pos;
        const CString name(t.substr(nameStart, pos - nameStart));
        while (pos < n && t[pos] == L' ') ++pos;
        CString value;
        if (pos < n && t[pos] == L':') {
            ++pos;
            while (pos < n && (t[pos] == L' ' || t[pos] == L';')) ++pos;
            if (pos < n && t[pos] == L'"') {
                const size_t close = t.find(L'"', pos + 1);
                const size_t end = close == std::wstring::npos ? n : close;
                value = CString(t.substr(pos + 1, end - pos - 1));
                pos = close == std::wstring::npos ? n : close + 1;
            } else {
                const size_t semi = t.find(L';', pos);
                const size_t end = semi == std::wstring::npos ? n : semi;
                value = CString(t.substr(pos, end - pos));
                pos = end;
            }
        }
        ApplyProperty(name, value, style, values);
    }
}
