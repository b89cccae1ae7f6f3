#pragma once
// Colour and size values of HTML-lite markup and style sheets: the colour name table, the
// colours-enabled switch and the units that depend on the current font and the screen.
#include <map>
#include <string>

#include "platform/core/colors.h"
#include "platform/core/cstring.h"

class CHtmlLiteValues {
public:
    CHtmlLiteValues();

    // A colour value: "#rrggbb", a number (0x00BBGGRR, automatic base) or a table name.
    // Anything unreadable keeps `current`; with colours disabled every value gives the
    // disabled colour.
    COLORREF ParseColor(const CString& text, COLORREF current) const;

    // A size value: "n%" of `current`, a number with a unit (px ex em in cm mm pt pc), or a
    // plain number; with `htmlSizes` a plain 1..7 is the HTML font size 8..36.
    int ParseSize(const CString& text, int current, bool htmlSizes = false) const;

    // Named colour lookup; false when the name is not in the table (names are lower case).
    bool FindColor(const std::wstring& name, COLORREF& color) const;
    int ColorCount() const { return static_cast<int>(m_colors.size()); }

    bool m_colorsEnabled = true;
    COLORREF m_disabledColor;
    // Font and screen measures for "ex", "em" and the absolute units.
    int m_xWidth = 8;
    int m_fontHeight = 16;
    int m_dpi = 96;

private:
    std::map<std::wstring, COLORREF> m_colors;
};

// Reads a whole number the way C's strtol does with base 0 ("0x" hex, leading "0" octal),
// from the start of the text; 0 when nothing is readable.
long HtmlLiteNumber(const CString& text);

// A font weight: "normal" or empty 400, "bold" 700, "bolder" 900, "lighter" 100, else the number.
int HtmlLiteWeight(const CString& text);
