#include "planner/diary_scroll_range.h"

#include <algorithm>

#include "platform/ui/scroll_bar.h"

void SetDiaryScrollRange(CScrollBar& bar, int range, int visible, int& position) {
    range = std::max(0, range);
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    info.nMin = 0;
    info.nMax = range;
    info.nPage = static_cast<UINT>(std::clamp(visible, 0, range));
    position = std::clamp(position, 0, range);
    info.nPos = position;
    bar.SetScrollInfo(&info);
}
