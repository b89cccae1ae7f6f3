#pragma once
// The position a scroll bar code leads to: a line or a page back or on, or the thumb's track
// position, always held within minimum to maximum less the page (a page near either end reaches
// that end). The grids' panes and controls scroll with it.
#include "platform/ui/window_defs.h"

int NextScrollPosition(const SCROLLINFO& info, UINT code, int position, int line);
