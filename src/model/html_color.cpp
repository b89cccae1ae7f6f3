#include "model/html_color.h"

#include <cwchar>

CString FormatHtmlColor(COLORREF color) {
    CString text;
    text.Format(L"#%02X%02X%02X", GetRValue(color), GetGValue(color), GetBValue(color));
    return text;
}

COLORREF ParseHtmlColor(const CString& text, COLORREF defaultColor) {
    if (text.GetLength() != 7 || text[0] != L'#') return defaultColor;
    // Blue, green and red pairs in that order make the number's 0x00BBGGRR layout.
    const CString number = L"0x" + text.Mid(5, 2) + text.Mid(3, 2) + text.Mid(1, 2);
    return static_cast<COLORREF>(std::wcstoul(number.GetString(), nullptr, 16));
}
