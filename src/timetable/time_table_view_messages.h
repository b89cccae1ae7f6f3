#pragma once
// The private messages of a timetable pane beyond the grid's layout protocol: the swap
// chooser's preview, which the chooser sends to the pane, and the drops the pane hands to the
// page (the pane's owner's owner).
#include "platform/ui/window_defs.h"

// From the swap chooser: show the preview arrows; hide them; the choice (wParam the chosen
// entry's serial and lParam 0, or wParam the address of a COleDateTime and lParam 1).
inline constexpr UINT WM_TT_SWAP_PREVIEW_ON = WM_USER + 37;
inline constexpr UINT WM_TT_SWAP_PREVIEW_OFF = WM_USER + 38;
inline constexpr UINT WM_TT_SWAP_CHOICE = WM_USER + 39;
// To the page: an entity was dropped on an item (the pane's drop-on-item fields hold it).
inline constexpr UINT WM_TT_DROP_ON_ITEM = WM_USER + 12;
// To the page: an activity, or an activity group, was dropped on a time (wParam the pane index;
// the pane's drop fields hold it).
inline constexpr UINT WM_TT_DROP_ACTIVITY = WM_USER + 24;
inline constexpr UINT WM_TT_DROP_GROUP = WM_USER + 29;
