#include "htmllite/html_lite_values.h"

#include <cwchar>
#include <cwctype>

#include "platform/core/mul_div.h"
#include "platform/core/text_scan.h"

namespace {

struct NamedColor {
    const wchar_t* name;
    int r, g, b;
};

// The CSS colour keywords in one spelling each (no "grey" forms except "lightgrey").
const NamedColor kFixedColors[] = {
    {L"aliceblue", 240, 248, 255}, {L"antiquewhite", 250, 235, 215}, {L"aqua", 0, 255, 255},
    {L"aquamarine", 127, 255, 212}, {L"azure", 240, 255, 255}, {L"beige", 245, 245, 220},
    {L"bisque", 255, 228, 196}, {L"black", 0, 0, 0}, {L"blanchedalmond", 255, 235, 205},
    {L"blue", 0, 0, 255}, {L"blueviolet", 138, 43, 226}, {L"brown", 165, 42, 42},
    {L"burlywood", 222, 184, 135}, {L"cadetblue", 95, 158, 160}, {L"chartreuse", 127, 255, 0},
    {L"chocolate", 210, 105, 30}, {L"coral", 255, 127, 80}, {L"cornflowerblue", 100, 149, 237},
    {L"cornsilk", 255, 248, 220}, {L"crimson", 220, 20, 60}, {L"cyan", 0, 255, 255},
    {L"darkblue", 0, 0, 139}, {L"darkcyan", 0, 139, 139}, {L"darkgoldenrod", 184, 134, 11},
    {L"darkgray", 169, 169, 169}, {L"darkgreen", 0, 100, 0}, {L"darkkhaki", 189, 183, 107},
    {L"darkmagenta", 139, 0, 139}, {L"darkolivegreen", 85, 107, 47}, {L"darkorange", 255, 140, 0},
    {L"darkorchid", 153, 50, 204}, {L"darkred", 139, 0, 0}, {L"darksalmon", 233, 150, 122},
    {L"darkseagreen", 143, 188, 139}, {L"darkslateblue", 72, 61, 139},
    {L"darkslategray", 47, 79, 79}, {L"darkturquoise", 0, 206, 209}, {L"darkviolet", 148, 0, 211},
    {L"deeppink", 255, 20, 147}, {L"deepskyblue", 0, 191, 255}, {L"dimgray", 105, 105, 105},
    {L"dodgerblue", 30, 144, 255}, {L"firebrick", 178, 34, 34}, {L"floralwhite", 255, 250, 240},
    {L"forestgreen", 34, 139, 34}, {L"fuchsia", 255, 0, 255}, {L"gainsboro", 220, 220, 220},
    {L"ghostwhite", 248, 248, 255}, {L"gold", 255, 215, 0}, {L"goldenrod", 218, 165, 32},
    {L"gray", 128, 128, 128}, {L"green", 0, 128, 0}, {L"greenyellow", 173, 255, 47},
    {L"honeydew", 240, 255, 240}, {L"hotpink", 255, 105, 180}, {L"indianred", 205, 92, 92},
    {L"indigo", 75, 0, 130}, {L"ivory", 255, 255, 240}, {L"khaki", 240, 230, 140},
    {L"lavender", 230, 230, 250}, {L"lavenderblush", 255, 240, 245}, {L"lawngreen", 124, 252, 0},
    {L"lemonchiffon", 255, 250, 205}, {L"lightblue", 173, 216, 230}, {L"lightcoral", 240, 128, 128},
    {L"lightcyan", 224, 255, 255}, {L"lightgoldenrodyellow", 250, 250, 210},
    {L"lightgreen", 144, 238, 144}, {L"lightgrey", 211, 211, 211}, {L"lightpink", 255, 182, 193},
    {L"lightsalmon", 255, 160, 122}, {L"lightseagreen", 32, 178, 170},
    {L"lightskyblue", 135, 206, 250}, {L"lightslategray", 119, 136, 153},
    {L"lightsteelblue", 176, 196, 222}, {L"lightyellow", 255, 255, 224}, {L"lime", 0, 255, 0},
    {L"limegreen", 50, 205, 50}, {L"linen", 250, 240, 230}, {L"magenta", 255, 0, 255},
    {L"maroon", 128, 0, 0}, {L"mediumaquamarine", 102, 205, 170}, {L"mediumblue", 0, 0, 205},
    {L"mediumorchid", 186, 85, 211}, {L"mediumpurple", 147, 112, 219},
    {L"mediumseagreen", 60, 179, 113}, {L"mediumslateblue", 123, 104, 238},
    {L"mediumspringgreen", 0, 250, 154}, {L"mediumturquoise", 72, 209, 204},
    {L"mediumvioletred", 199, 21, 133}, {L"midnightblue", 25, 25, 112},
    {L"mintcream", 245, 255, 250}, {L"mistyrose", 255, 228, 225}, {L"moccasin", 255, 228, 181},
    {L"navajowhite", 255, 222, 173}, {L"navy", 0, 0, 128}, {L"oldlace", 253, 245, 230},
    {L"olive", 128, 128, 0}, {L"olivedrab", 107, 142, 35}, {L"orange", 255, 165, 0},
    {L"orangered", 255, 69, 0}, {L"orchid", 218, 112, 214}, {L"palegoldenrod", 238, 232, 170},
    {L"palegreen", 152, 251, 152}, {L"paleturquoise", 175, 238, 238},
    {L"palevioletred", 219, 112, 147}, {L"papayawhip", 255, 239, 213},
    {L"peachpuff", 255, 218, 185}, {L"peru", 205, 133, 63}, {L"pink", 255, 192, 203},
    {L"plum", 221, 160, 221}, {L"powderblue", 176, 224, 230}, {L"purple", 128, 0, 128},
    {L"red", 255, 0, 0}, {L"rosybrown", 188, 143, 143}, {L"royalblue", 65, 105, 225},
    {L"saddlebrown", 139, 69, 19}, {L"salmon", 250, 128, 114}, {L"sandybrown", 244, 164, 96},
    {L"seagreen", 46, 139, 87}, {L"seashell", 255, 245, 238}, {L"sienna", 160, 82, 45},
    {L"silver", 192, 192, 192}, {L"skyblue", 135, 206, 235}, {L"slateblue", 106, 90, 205},
    {L"slategray", 112, 128, 144}, {L"snow", 255, 250, 250}, {L"springgreen", 0, 255, 127},
    {L"steelblue", 70, 130, 180}, {L"tan", 210, 180, 140}, {L"teal", 0, 128, 128},
    {L"thistle", 216, 191, 216}, {L"tomato", 255, 99, 71}, {L"turquoise", 64, 224, 208},
    {L"violet", 238, 130, 238}, {L"wheat", 245, 222, 179}, {L"white", 255, 255, 255},
    {L"whitesmoke", 245, 245, 245}, {L"yellow", 255, 255, 0}, {L"yellowgreen", 154, 205, 50},
};

struct SystemColorName {
    const wchar_t* name;
    int index;
};

const SystemColorName kSystemColors[] = {
    {L"activeborder", COLOR_ACTIVEBORDER}, {L"activecaption", COLOR_ACTIVECAPTION},
    {L"appworkspace", COLOR_APPWORKSPACE}, {L"background", COLOR_BACKGROUND},
    {L"buttonface", COLOR_BTNFACE}, {L"buttonhighlight", COLOR_BTNHIGHLIGHT},
    {L"buttonshadow", COLOR_BTNSHADOW}, {L"buttontext", COLOR_BTNTEXT},
    {L"captiontext", COLOR_CAPTIONTEXT}, {L"graytext", COLOR_GRAYTEXT},
    {L"highlight", COLOR_HIGHLIGHT}, {L"highlighttext", COLOR_HIGHLIGHTTEXT},
    {L"inactiveborder", COLOR_INACTIVEBORDER}, {L"inactivecaption", COLOR_INACTIVECAPTION},
    {L"inactivecaptiontext", COLOR_INACTIVECAPTIONTEXT}, {L"infobackground", COLOR_INFOBK},
    {L"infotext", COLOR_INFOTEXT}, {L"menu", COLOR_MENU}, {L"menutext", COLOR_MENUTEXT},
    {L"scrollbar", COLOR_SCROLLBAR}, {L"threeddarkshadow", COLOR_3DDKSHADOW},
    {L"threedface", COLOR_BTNFACE}, {L"threedhighlight", COLOR_BTNHIGHLIGHT},
    {L"threedlightshadow", COLOR_3DLIGHT}, {L"threedshadow", COLOR_BTNSHADOW},
    {L"window", COLOR_WINDOW}, {L"windowframe", COLOR_WINDOWFRAME},
    {L"windowtext", COLOR_WINDOWTEXT},
};

const int kHtmlFontSizes[7] = {8, 10, 12, 14, 18, 24, 36};

int HexDigit(wchar_t c) {
    if (c >= L'0' && c <= L'9') return c - L'0';
    if (c >= L'a' && c <= L'f') return c - L'a' + 10;
    if (c >= L'A' && c <= L'F') return c - L'A' + 10;
    return -1;
}

}  // namespace

long HtmlLiteNumber(const CString& text) {
    return std::wcstol(text.GetString(), nullptr, 0);
}

int HtmlLiteWeight(const CString& v) {
    if (v.IsEmpty() || v == L"normal") return 400;
    if (v == L"bold") return 700;
    if (v == L"bolder") return 900;
    if (v == L"lighter") return 100;
    return static_cast<int>(std::wcstol(v.GetString(), nullptr, 10));
}

CHtmlLiteValues::CHtmlLiteValues() : m_disabledColor(GetSysColor(COLOR_BTNSHADOW)) {
    for (const auto& c : kFixedColors) m_colors[c.name] = RGB(c.r, c.g, c.b);
    // System colours are read once, when the table is built.
    for (const auto& c : kSystemColors) m_colors[c.name] = GetSysColor(c.index);
}

bool CHtmlLiteValues::FindColor(const std::wstring& name, COLORREF& color) const {
    const auto it = m_colors.find(name);
    if (it == m_colors.end()) return false;
    color = it->second;
    return true;
}

COLORREF CHtmlLiteValues::ParseColor(const CString& text, COLORREF current) const {
    if (!m_colorsEnabled) return m_disabledColor;
    if (text.IsEmpty()) return current;
    const wchar_t first = text[0];
    if (first == L'#') {
        if (text.GetLength() != 7) return current;
        int v[6];
        for (int i = 0; i < 6; ++i) {
            v[i] = HexDigit(text[i + 1]);
            if (v[i] < 0) return current;
        }
        return RGB(v[0] * 16 + v[1], v[2] * 16 + v[3], v[4] * 16 + v[5]);
    }
    if (first >= L'0' && first <= L'9')
        return static_cast<COLORREF>(std::wcstoul(text.GetString(), nullptr, 0));
    COLORREF named = current;
    FindColor(text.str(), named);
    return named;
}

int CHtmlLiteValues::ParseSize(const CString& text, int current, bool htmlSizes) const {
    if (text.IsEmpty()) return current;
    CString value = text;
    // A sign is accepted and ignored: "+3" is the same size as "3".
    if (value[0] == L'+' || value[0] == L'-') value = value.Mid(1);
    if (value.IsEmpty()) return current;
    const int length = value.GetLength();
    if (value[length - 1] == L'%') {
        const int percent = static_cast<int>(std::wcstol(value.GetString(), nullptr, 10));
        return MulDiv(current, percent, 100);
    }
    if (length >= 2) {
        const CString unit = value.Right(2);
        const double number = _wtof(value.GetString());
        const double dpi = m_dpi;
        double result = 0;
        bool known = true;
        if (unit == L"px") result = number;
        else if (unit == L"ex") result = number * m_xWidth;
        else if (unit == L"em") result = number * m_fontHeight;
        else if (unit == L"in") result = number * dpi;
        else if (unit == L"cm") result = number * dpi * 0.39370078740157477;
        else if (unit == L"mm") result = number * dpi * 0.03937007874015748;
        else if (unit == L"pt") result = number * dpi / 72;
        else if (unit == L"pc") result = number * dpi / 6;
        else known = false;
        if (known) return static_cast<int>(result);
    }
    const int number = static_cast<int>(HtmlLiteNumber(value));
    if (htmlSizes && number >= 1 && number <= 7) return kHtmlFontSizes[number - 1];
    return number;
}
