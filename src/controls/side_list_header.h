#pragma once
// The 16-pixel header strip of the side lists (a page's side panel, the message panel, the
// entity board): a close button, a menu button when the list has a menu, a pin button when the
// list can be pinned. Buttons are numbered 1 to 3 by position; without the menu button the pin
// takes the second place.
#include "platform/core/geometry.h"

class CDC;
class CImageList;

inline constexpr int kSideListHeaderHeight = 16;

// The button under a point of the strip by position (0 none); the ranges of the clicks.
int SideListHeaderButton(CPoint point, bool menuShown, bool pinShown);
// The end of the last button: 32 or 48.
int SideListHeaderEnd(bool menuShown, bool pinShown);
// Images of the strip: 0 close, 1 pinned, 2 not pinned, 5 menu.
void DrawSideListHeader(CDC& dc, int width, int hot, bool menuShown, bool pinShown, bool pinned, CImageList& images);
