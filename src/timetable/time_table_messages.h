#pragma once
// The private messages of the timetable grid: between its parts, and from the grid to the page
// that hosts it (the control's owner, else its parent).
#include "platform/ui/window_defs.h"

// To the hour column and the day title strip: highlight the row (lParam client y) or the column
// (lParam body x) under the pointer; wParam 0 clears the highlight.
inline constexpr UINT WM_TT_HIGHLIGHT = WM_USER + 8;
// To the control: lay out again (horizontal scroll position 0). To a pane: scroll to the start
// and lay out again.
inline constexpr UINT WM_TT_RELAYOUT = WM_USER + 9;
// To the control: the side panel's mode 0 to 4 (wParam), kept by the first pane's body.
inline constexpr UINT WM_TT_PANEL_MODE = WM_USER + 21;
// To the page: the folder tab of this entity (wParam) was chosen for the second pane.
inline constexpr UINT WM_TT_SHOW_ENTITY = WM_USER + 34;
// To the control: the pane with this index (wParam) becomes the active pane.
inline constexpr UINT WM_TT_ACTIVATE_PANE = WM_USER + 35;
