#pragma once
// FillGradientRect: a two-colour gradient over a rectangle.
//   mode 0: colour 1 at the left to colour 2 at the right
//   mode 1: colour 1 at the top to colour 2 at the bottom
//   mode 2: two halves side by side, 1 -> 2 on the left and 2 -> 1 on the right
//   mode 3: two halves one above the other, 1 -> 2 above and 2 -> 1 below
#include "platform/ui/gdi_defs.h"

class CDC;

void FillGradientRect(CDC* pDC, const RECT& rect, COLORREF color1, COLORREF color2, int mode);
