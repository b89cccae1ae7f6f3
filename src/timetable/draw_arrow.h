#pragma once
// DrawArrow: a 5-pixel line from (x1, y1) to (x2, y2) ending in a filled head 15 pixels wide
// whose base lies 15 / tan(0.6) pixels back from the tip. Nothing is drawn when the two points
// are equal. The swap previews of the timetable and of the magnet board draw with it.
#include "platform/core/colors.h"

class CDC;

void DrawArrow(CDC* dc, int x1, int y1, int x2, int y2, COLORREF colour);
