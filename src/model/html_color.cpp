#include "model/html_color.h"

#include <cwchar>

CString FormatHtmlColor(COLORREF color) {
    // "#RRGGBB" in upper-case hex digits, written by hand: reports ask for it in every cell.
    static const wchar_t kDigits[] = L"0123456789ABCDEF";
    const unsigned parts[3] = {GetRValue(color), GetGValue(color), GetBValue(color)};
    wchar_t text[8] = {L'#'};
    for (int i = 0; i < 3; ++i) {
        text[1 + 2 * i] = kDigits[(parts[i] >> 4) & 0xF];
        text[2 + 2 * i] = kDigits[parts[i] & 0xF];
    }
    return CString(text, 7);
}

COLORREF ParseHtmlColor(const CString& text, COLORREF defaultColor) {
    if (text.GetLength() != 7 || text[0] != L'#') return defaultColor;
    // Blue, green and red pairs in that order make the number's 0x00BBGGRR layout.
    const CString number = L"0x" + text.Mid(5, 2) + text.Mid(3, 2) + text.Mid(1, 2);
    return static_cast<COLORREF>(std::wcstoul(number.GetString(), nullptr, 16));
}
