#pragma once
// The private messages of the diary: between its parts, and from the diary to the tasks page.
#include "platform/ui/window_defs.h"

// To the control: scroll to the top and put the focus into the first body. To a pane: scroll to
// its start and lay out again.
inline constexpr UINT WM_DIARY_RELAYOUT = WM_USER + 9;
// To the page: a double click; wParam the activity id (lParam 1), the group id (2), or the
// activity and the member's entity id packed by PackDiaryIds (3).
inline constexpr UINT WM_DIARY_DBLCLK = WM_USER + 10;
// The activity id in the low and the entity id in the high 32 bits, so neither is cut.
inline WPARAM PackDiaryIds(int activityId, int entityId) {
    return (static_cast<WPARAM>(static_cast<unsigned>(entityId)) << 32) | static_cast<unsigned>(activityId);
}
// To the page: a drop in mode 1 (the current entity joins the dragged activity).
inline constexpr UINT WM_DIARY_DROP_CURRENT = WM_USER + 12;
// To the page: a drop in mode 2 or 3 on the row of the activity id in wParam (0: no row).
inline constexpr UINT WM_DIARY_DROP_ENTITY = WM_USER + 13;
// To the page: show the diary's status text.
inline constexpr UINT WM_DIARY_SHOW_STATUS = WM_USER + 23;
// To the page: make the entity id in wParam current.
inline constexpr UINT WM_DIARY_NAVIGATE = WM_USER + 30;
// To the page: a drop of several panel items; wParam the row's activity id.
inline constexpr UINT WM_DIARY_APPLY_SELECTION = WM_USER + 36;
