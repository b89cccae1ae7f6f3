#include "platform/ui/scroll_bar.h"

#include <algorithm>

#include "platform/ui/native_control.h"

BOOL CScrollBar::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    vorn_ui::EnsureNativeClasses();
    return CWnd::Create(L"SCROLLBAR", nullptr, dwStyle, rect, pParentWnd, nID);
}

int CScrollBar::GetScrollPos() const { return static_cast<int>(SendMessage(SBM_GETPOS)); }
int CScrollBar::SetScrollPos(int nPos, BOOL bRedraw) { return static_cast<int>(SendMessage(SBM_SETPOS, static_cast<WPARAM>(nPos), bRedraw)); }
void CScrollBar::GetScrollRange(LPINT lpMinPos, LPINT lpMaxPos) const {
    SendMessage(SBM_GETRANGE, reinterpret_cast<WPARAM>(lpMinPos), reinterpret_cast<LPARAM>(lpMaxPos));
}
void CScrollBar::SetScrollRange(int nMinPos, int nMaxPos, BOOL) { SendMessage(SBM_SETRANGE, static_cast<WPARAM>(nMinPos), nMaxPos); }
BOOL CScrollBar::SetScrollInfo(LPSCROLLINFO lpScrollInfo, BOOL bRedraw) {
    SendMessage(SBM_SETSCROLLINFO, bRedraw, reinterpret_cast<LPARAM>(lpScrollInfo));
    return TRUE;
}
BOOL CScrollBar::GetScrollInfo(LPSCROLLINFO lpScrollInfo, UINT nMask) const {
    lpScrollInfo->fMask = nMask;
    return static_cast<BOOL>(SendMessage(SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(lpScrollInfo)));
}
int CScrollBar::GetScrollLimit() const {
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE, 0, 0, 0, 0, 0};
    GetScrollInfo(&info, SIF_RANGE | SIF_PAGE);
    return std::max(info.nMin, info.nMax - std::max(static_cast<int>(info.nPage) - 1, 0));
}
void CScrollBar::ShowScrollBar(BOOL bShow) { CWnd::ShowScrollBar(SB_CTL, bShow); }
BOOL CScrollBar::EnableScrollBar(UINT nArrowFlags) { return CWnd::EnableScrollBar(SB_CTL, nArrowFlags); }
