#pragma once
// CScrollBar: the "SCROLLBAR" control (SBS_HORZ or SBS_VERT). It reports to its parent with
// WM_HSCROLL or WM_VSCROLL; the parent moves the thumb with SetScrollPos.
#include "platform/ui/control_defs.h"
#include "platform/ui/wnd.h"

class CScrollBar : public CWnd {
public:
    CScrollBar() = default;
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    using CWnd::Create;

    int GetScrollPos() const;
    int SetScrollPos(int nPos, BOOL bRedraw = TRUE);
    void GetScrollRange(LPINT lpMinPos, LPINT lpMaxPos) const;
    void SetScrollRange(int nMinPos, int nMaxPos, BOOL bRedraw = TRUE);
    BOOL SetScrollInfo(LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE);
    BOOL GetScrollInfo(LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL) const;
    int GetScrollLimit() const;
    void ShowScrollBar(BOOL bShow = TRUE);
    // nArrowFlags: ESB_ENABLE_BOTH, ESB_DISABLE_LTUP, ESB_DISABLE_RTDN or ESB_DISABLE_BOTH.
    BOOL EnableScrollBar(UINT nArrowFlags = ESB_ENABLE_BOTH);
};
