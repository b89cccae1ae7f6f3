#pragma once
// Pixel sizes of the grids scale by the screen's vertical dots per inch over 96; a size given as
// a multiple of the scale is cut to an integer after the multiplication.
#include "platform/ui/font.h"

// LOGPIXELSY / 96 of the screen.
double GetGridScale();
inline int ScaleGridPixels(int pixels, double scale) { return static_cast<int>(pixels * scale); }
// A font of the grids: the face at the height (in pixels, already scaled) and weight, character
// set 1, default precisions, the given quality and pitch and family 32.
BOOL CreateGridFont(CFont& font, int height, int weight, BYTE quality, LPCTSTR face = L"Tahoma");
