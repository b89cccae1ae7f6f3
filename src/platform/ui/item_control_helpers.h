#pragma once
// Layer-private: the pieces list boxes and combo boxes share around their items.
#include <cstddef>
#include <vector>

#include "platform/core/cstring.h"
#include "platform/ui/control_defs.h"
#include "platform/ui/window_defs.h"

namespace vorn_ui {

// Copies an item's text of the given length into rString through fill (which writes the text
// and its terminator into the buffer it is given); a negative length (no such item) empties it.
template <class Fill>
void ReadItemText(int length, CString& rString, Fill fill) {
    if (length < 0) {
        rString.Empty();
        return;
    }
    std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1, L'\0');
    fill(buffer.data());
    rString = buffer.data();
}

// Hands WM_DRAWITEM and WM_MEASUREITEM to the control's own DrawItem and MeasureItem.
// True when the message was one of them (the result is then TRUE).
template <class Control>
bool RouteOwnerDrawNotify(Control& control, UINT message, LPARAM lParam, LRESULT* pResult) {
    if (message == WM_DRAWITEM) {
        control.DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    } else if (message == WM_MEASUREITEM) {
        control.MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
    } else {
        return false;
    }
    if (pResult) *pResult = TRUE;
    return true;
}

}  // namespace vorn_ui
