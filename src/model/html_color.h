#pragma once
// Colours as the document file and the reports write them: #RRGGBB.
#include "platform/core/colors.h"
#include "platform/core/cstring.h"

// "#" and the red, green and blue parts as two upper-case hexadecimal digits each.
CString FormatHtmlColor(COLORREF color);
// The colour of a 7-character text beginning with "#"; otherwise the default. Digits that are
// not hexadecimal end the number where they stand, as the C library reads it.
COLORREF ParseHtmlColor(const CString& text, COLORREF defaultColor);
