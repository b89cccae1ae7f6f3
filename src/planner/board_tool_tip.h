#pragma once
// The HTML-lite tooltip of a magnet board part: one tool over the whole window, the panel's
// image strip for its pictures, and the window itself asked for the text.
class CHtmlToolTip;
class CWnd;

void CreateBoardToolTip(CHtmlToolTip& tip, CWnd* wnd, int images);
