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
// To the page: the current row's magnets were edited (a drag ended, a state was set); write
// them back.
inline constexpr UINT WM_MB_MAGNETS_EDITED = WM_USER + 22;
// To the page: an activity (WM_USER+24) or an activity group (WM_USER+29) of the entity board
// was dropped; the control's drop record holds its id, start and length.
inline constexpr UINT WM_MB_ACTIVITY_DROPPED = WM_USER + 24;
inline constexpr UINT WM_MB_GROUP_DROPPED = WM_USER + 29;
// From the swap chooser to the control: show (WM_USER+37) or hide (WM_USER+38) the preview of
// the highlighted choice; WM_USER+39 names it (lParam 0: the entry serial in wParam; otherwise
// wParam points to a free time).
inline constexpr UINT WM_MB_SWAP_PREVIEW_SHOW = WM_USER + 37;
inline constexpr UINT WM_MB_SWAP_PREVIEW_HIDE = WM_USER + 38;
inline constexpr UINT WM_MB_SWAP_CANDIDATE = WM_USER + 39;
