#pragma once
// The private messages of the magnet board: between its parts, and from the board to the page
// that hosts it (the control's owner, else its parent).
#include "platform/ui/window_defs.h"

// To a pane: repaint the row of the entity id in wParam now.
inline constexpr UINT WM_MB_REPAINT_ROW = WM_USER + 2;
// To a title strip: highlight the hour cell under the content x in lParam; wParam 0 clears.
inline constexpr UINT WM_MB_HIGHLIGHT = WM_USER + 8;
// To the control: scroll to the top and lay out again. To a pane: scroll to its start.
inline constexpr UINT WM_MB_RELAYOUT = WM_USER + 9;
// To the page: the current row changed.
inline constexpr UINT WM_MB_ROW_CHANGED = WM_USER + 30;
