#pragma once
// What the palette dialog asks for: a part of activity names and the colours and pattern to give
// the activities whose names contain it, each with its own apply flag.
#include "platform/core/colors.h"
#include "platform/core/cstring.h"

struct CPaletteChoice {
    CString text;
    COLORREF firstColour = RGB(255, 255, 255);
    COLORREF secondColour = RGB(0, 0, 0);
    int hatch = 6;
    int applyFirstColour = 1;
    int applySecondColour = 1;
    int applyHatch = 1;
};
