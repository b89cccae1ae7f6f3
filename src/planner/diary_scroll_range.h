#pragma once
// The diary's scroll bars: a range of content pixels whose page is what is in view.
class CScrollBar;

// Sets the bar to 0 to range with a page of the visible size (never more than the range) and
// keeps the position within the range.
void SetDiaryScrollRange(CScrollBar& bar, int range, int visible, int& position);
