#include "timetable/scroll_position.h"

#include <algorithm>

int NextScrollPosition(const SCROLLINFO& info, UINT code, int position, int line) {
    const int page = static_cast<int>(info.nPage);
    switch (code) {
    case SB_LINEUP: position -= line; break;  // SB_LINELEFT
    case SB_LINEDOWN: position += line; break;  // SB_LINERIGHT
    case SB_PAGEUP: position -= page; break;  // SB_PAGELEFT
    case SB_PAGEDOWN: position += page; break;  // SB_PAGERIGHT
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: position = info.nTrackPos; break;
    default: break;
    }
    return std::clamp(position, info.nMin, std::max(info.nMin, info.nMax - page));
}
