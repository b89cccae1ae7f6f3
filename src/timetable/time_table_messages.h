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

// From the grid's body to the page. wParam is the pane index where a pane is meant.
// An item was pressed (selected or deselected).
inline constexpr UINT WM_TT_ITEM_CLICKED = WM_USER + 7;
// Double click: wParam the serial of the entry item under the pointer (0 for none), lParam its
// group id or that of a group item there.
inline constexpr UINT WM_TT_DOUBLE_CLICK = WM_USER + 10;
// The pane's items were edited: write them back; lParam 1 asks for a remark first.
inline constexpr UINT WM_TT_ITEMS_CHANGED = WM_USER + 22;
// The title strip's status text changed.
inline constexpr UINT WM_TT_STATUS_TEXT = WM_USER + 23;
// Show the entity (wParam).
inline constexpr UINT WM_TT_NAVIGATE = WM_USER + 30;
// The room pairs of the current entry, and its people in the side panel.
inline constexpr UINT WM_TT_ASSOCIATIONS = WM_USER + 31;
inline constexpr UINT WM_TT_ENTRY_PEOPLE = WM_USER + 32;
// The Delete key; the select-all (lParam 1) and Escape (lParam 0) keys.
inline constexpr UINT WM_TT_DELETE_KEY = WM_USER + 40;
inline constexpr UINT WM_TT_SELECT_KEY = WM_USER + 41;
