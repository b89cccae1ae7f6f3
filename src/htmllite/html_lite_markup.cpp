#include "htmllite/html_lite_markup.h"

#include <algorithm>
#include <cwchar>

#include "htmllite/html_lite_style.h"
#include "htmllite/html_lite_style_sheet.h"
#include "htmllite/html_lite_values.h"

namespace {

bool IsAttributeStart(wchar_t c) {
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9') || c == L'.';
}

void ApplyFontStyleLetters(const CString& letters, CHtmlLiteStyle& s) {
    bool clear = false;
    for (wchar_t c : letters.str()) {
        switch (c) {
        case L'-': clear = true; continue;
        case L'+': clear = false; continue;
        case L'b': s.m_weight = clear ? 400 : 700; break;
        case L'i': s.m_italic = clear ? 0 : 1; break;
        case L'u': s.m_underline = clear ? 0 : 1; break;
        case L's': s.m_strikeout = clear ? 0 : 1; break;
        case L'o': s.m_overline = clear ? 0 : 1; break;
        default: continue;
        }
        clear = false;
    }
}

}  // namespace

const CString* HtmlLiteAttributes::Find(const wchar_t* name) const {
    for (auto it = items.rbegin(); it != items.rend(); ++it)
        if (it->first == name) return &it->second;
    return nullptr;
}

CHtmlLiteMarkup::CHtmlLiteMarkup() {
    struct TagRow {
        const wchar_t* name;
        int kind;
        const wchar_t* styleClass;
    };
    static const TagRow kTags[] = {
        {L"b", HL_TAG_BOLD, L"bold"}, {L"i", HL_TAG_ITALIC, L"italic"}, {L"em", HL_TAG_ITALIC, L"italic"},
        {L"u", HL_TAG_UNDERLINE, L"underline"}, {L"s", HL_TAG_STRIKEOUT, L"strikeout"},
        {L"strike", HL_TAG_STRIKEOUT, L"strikeout"}, {L"font", HL_TAG_FONT, L"font"},
        {L"hr", HL_TAG_HR, L""}, {L"br", HL_TAG_BR, L""}, {L"\n", HL_TAG_BR, L""},
        {L"t", HL_TAG_TAB, L""}, {L"\t", HL_TAG_TAB, L""},
        {L"left", HL_TAG_LEFT, L"left"}, {L"center", HL_TAG_CENTER, L"center"},
        {L"right", HL_TAG_RIGHT, L"right"}, {L"justify", HL_TAG_JUSTIFY, L"justify"},
        {L"baseline", HL_TAG_BASELINE, L"baseline"}, {L"top", HL_TAG_TOP, L"top"},
        {L"vcenter", HL_TAG_VCENTER, L"vcenter"}, {L"middle", HL_TAG_VCENTER, L"vcenter"},
        {L"bottom", HL_TAG_BOTTOM, L"bottom"}, {L"bmp", HL_TAG_BMP, L""}, {L"icon", HL_TAG_ICON, L""},
        {L"ilst", HL_TAG_ILST, L""}, {L"string", HL_TAG_STRING, L""},
        {L"span", HL_TAG_SPAN, L"span"}, {L"a", HL_TAG_LINK, L"link"},
    };
    for (const auto& t : kTags) m_tags[t.name] = HtmlLiteTagInfo{t.kind, t.styleClass};
    for (const wchar_t* name : {L"body", L"h1", L"h2", L"h3", L"h4", L"h5", L"h6", L"code", L"pre", L"big",
                                L"small", L"sub", L"sup"})
        m_tags[name] = HtmlLiteTagInfo{HL_TAG_RULE, name};

    m_entities = {
        {L"&amp;", L"&"},        {L"&bull;", L"\u2022"}, {L"&copy;", L"\u00A9"},  {L"&euro;", L"\u20AC"},
        {L"&gt;", L">"},         {L"&iquest;", L"\u00BF"}, {L"&lt;", L"<<"},      {L"&nbsp;", L" "},
        {L"&para;", L"\u00B6"},  {L"&pound;", L"\u00A3"}, {L"&quot;", L"\""},     {L"&reg;", L"\u00AE"},
        {L"&trade;", L"\u2122"},
    };
}

CString CHtmlLiteMarkup::DecodeEntities(const CString& text) const {
    const std::wstring& in = text.str();
    std::wstring out;
    out.reserve(in.size());
    size_t pos = 0;
    while (pos < in.size()) {
        if (in[pos] == L'&') {
            // Entity names are short; look for the ";" that closes one close by.
            const size_t semi = in.find(L';', pos + 1);
            if (semi != std::wstring::npos && semi - pos <= 8) {
                const auto it = m_entities.find(in.substr(pos, semi - pos + 1));
                if (it != m_entities.end()) {
                    out += it->second;
                    pos = semi + 1;
                    continue;
                }
            }
        }
        out += in[pos++];
    }
    return CString(std::move(out));
}

CString CHtmlLiteMarkup::Preprocess(const CString& text, bool newlines) const {
    const CString decoded = DecodeEntities(text);
    std::wstring out;
    out.reserve(decoded.GetLength());
    for (wchar_t c : decoded.str()) {
        if (c == L'\r') continue;
        if (c == L'\n') {
            if (newlines) out += L"<br>";
        } else if (c == L'\t') {
            if (newlines) out += L"<t>";
        } else {
            out += c;
        }
    }
    return CString(std::move(out));
}

bool CHtmlLiteMarkup::Next(const CString& text, int& pos, HtmlLitePiece& piece) {
    const std::wstring& t = text.str();
    const int n = static_cast<int>(t.size());
    std::wstring run;
    while (pos < n) {
        if (t[pos] != L'<') {
            run += t[pos++];
            continue;
        }
        if (pos == n - 1 || t[pos + 1] == L'<') {  // a literal "<"
            run += L'<';
            pos += 2;
            continue;
        }
        const size_t close = t.find(L'>', pos + 1);
        if (t[pos + 1] == L'>' || close == std::wstring::npos) {  // a stray "<" is dropped
            ++pos;
            continue;
        }
        if (!run.empty()) break;
        std::wstring tag = t.substr(pos + 1, close - pos - 1);
        pos = static_cast<int>(close) + 1;
        piece = HtmlLitePiece{};
        piece.isTag = true;
        piece.text = CString(tag);
        if (!tag.empty() && tag[0] == L'/') {
            piece.closing = true;
            tag.erase(0, 1);
        }
        const size_t nameEnd = tag.find_first_of(L" =");
        piece.name = CString(tag.substr(0, nameEnd));
        if (nameEnd != std::wstring::npos) {
            size_t restStart = nameEnd;
            while (restStart < tag.size() && tag[restStart] == L' ') ++restStart;
            piece.rest = CString(tag.substr(restStart));
        }
        return true;
    }
    if (pos > n) pos = n;
    if (run.empty()) return false;
    piece = HtmlLitePiece{};
    piece.text = CString(std::move(run));
    return true;
}

HtmlLiteTagInfo CHtmlLiteMarkup::FindTag(const CString& name) const {
    const auto it = m_tags.find(name.str());
    return it == m_tags.end() ? HtmlLiteTagInfo{} : it->second;
}

int CHtmlLiteMarkup::TagCount(const HtmlLitePiece& tag) {
    return static_cast<int>(std::wcstol(tag.rest.Mid(1).GetString(), nullptr, 10));
}

HtmlLiteAttributes CHtmlLiteMarkup::ParseAttributes(const CString& attributeText) {
    HtmlLiteAttributes result;
    const std::wstring& t = attributeText.str();
    const size_t n = t.size();
    size_t pos = 0;
    while (pos < n) {
        while (pos < n && !IsAttributeStart(t[pos])) ++pos;
        if (pos >= n) break;
        const size_t nameStart = pos;
        while (pos < n && t[pos] != L' ' && t[pos] != L'=') ++pos;
        const std::wstring name = t.substr(nameStart, pos - nameStart);
        while (pos < n && t[pos] == L' ') ++pos;
        CString value;
        if (pos < n && t[pos] == L'=') {
            while (pos < n && (t[pos] == L' ' || t[pos] == L'=')) ++pos;
            if (pos < n && (t[pos] == L'"' || t[pos] == L'\'')) {
                const wchar_t quote = t[pos];
                const size_t close = t.find(quote, pos + 1);
                const size_t end = close == std::wstring::npos ? n : close;
                value = CString(t.substr(pos + 1, end - pos - 1));
                pos = close == std::wstring::npos ? n : close + 1;
            } else {
                const size_t space = t.find(L' ', pos);
                const size_t end = space == std::wstring::npos ? n : space;
                value = CString(t.substr(pos, end - pos));
                pos = end;
            }
        }
        result.items.emplace_back(name, value);
    }
    return result;
}

void CHtmlLiteMarkup::ApplyOpeningTag(int kind, const CString& name, const HtmlLiteAttributes& attributes,
                                      CHtmlLiteStyle& s, const CHtmlLiteValues& values,
                                      const CHtmlLiteStyleSheet& sheet) const {
    switch (kind) {
    case HL_TAG_BOLD: s.m_weight = std::min(2 * s.m_weight, 900); break;
    case HL_TAG_ITALIC: s.m_italic = !s.m_italic; break;
    case HL_TAG_UNDERLINE: s.m_underline = !s.m_underline; break;
    case HL_TAG_STRIKEOUT: s.m_strikeout = !s.m_strikeout; break;
    case HL_TAG_LEFT: s.m_hAlign = HL_ALIGN_LEFT; break;
    case HL_TAG_CENTER: s.m_hAlign = HL_ALIGN_CENTER; break;
    case HL_TAG_RIGHT: s.m_hAlign = HL_ALIGN_RIGHT; break;
    case HL_TAG_JUSTIFY: s.m_hAlign = HL_ALIGN_JUSTIFY; break;
    case HL_TAG_BASELINE: s.m_vAlign = HL_VALIGN_BASELINE; break;
    case HL_TAG_TOP: s.m_vAlign = HL_VALIGN_TOP; break;
    case HL_TAG_VCENTER: s.m_vAlign = HL_VALIGN_MIDDLE; break;
    case HL_TAG_BOTTOM: s.m_vAlign = HL_VALIGN_BOTTOM; break;
    case HL_TAG_RULE: sheet.ApplyRule(name, s, values); break;
    case HL_TAG_SPAN:
        if (const CString* cls = attributes.Find(L"class")) sheet.ApplyRule(L"." + *cls, s, values);
        break;
    case HL_TAG_LINK:
        s.m_linkKind = 2;
        s.m_linkTarget.Empty();
        for (const auto& [attr, v] : attributes.items) {
            if (attr == L"href") {
                s.m_linkKind = 1;
                s.m_linkTarget = v;
            } else if (attr == L"msg") {
                s.m_linkKind = 2;
                s.m_linkTarget = v;
            }
        }
        break;
    case HL_TAG_FONT:
        for (const auto& [attr, v] : attributes.items) {
            if (attr == L"face") {
                if (!v.IsEmpty()) s.m_face = v;
            } else if (attr == L"size") {
                s.m_size = values.ParseSize(v, s.m_size, true);
            } else if (attr == L"color") {
                s.m_textColor = values.ParseColor(v, s.m_textColor);
            } else if (attr == L"style") {
                ApplyFontStyleLetters(v, s);
            } else if (attr == L"weight") {
                s.m_weight = HtmlLiteWeight(v);
            } else if (attr == L"bkgnd") {
                if (v.IsEmpty() || v == L"transparent" || !values.m_colorsEnabled) {
                    s.m_backMode = 1;
                } else {
                    s.m_backMode = 2;
                    s.m_backColor = values.ParseColor(v, s.m_backColor);
                }
            }
        }
        break;
    default: break;
    }
}
