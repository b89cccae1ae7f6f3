#pragma once
// CControlBar: the base of the frame's bars (toolbar, status bar, rebar). A bar keeps its
// alignment and border styles (CBRS_*) itself, tells how big it wants to be
// (CalcFixedLayout) and brings its elements up to date through the command route of its
// frame (or owner) when the application is idle (WM_IDLEUPDATECMDUI).
#include "platform/ui/menu_defs.h"
#include "platform/ui/wnd.h"

class CControlBar : public CWnd {
public:
    CControlBar();
    ~CControlBar() override;

    // Styles from CBRS_ALL; the rest of the window style stays with the window.
    DWORD GetBarStyle() const { return m_dwStyle; }
    virtual void SetBarStyle(DWORD dwStyle);
    // The size the bar wants: across the whole side it docks on when bStretch.
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    // Brings the bar's elements up to date through pTarget's command route; an element whose
    // command has no handler is disabled when bDisableIfNoHndler.
    virtual void OnUpdateCmdUI(CWnd* pTarget, BOOL bDisableIfNoHndler);
    // The window whose command route updates the bar: the nearest frame above its owner,
    // else the owner itself (a dialog).
    CWnd* GetCommandTarget() const;
    BOOL IsHorizontal() const { return (m_dwStyle & CBRS_ORIENT_VERT) == 0; }

    int m_cxLeftBorder = 6, m_cxRightBorder = 0, m_cyTopBorder = 2, m_cyBottomBorder = 2;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    // Call from the bar's creation with the requested style: keeps the CBRS_ bits and
    // returns the window style without them.
    DWORD TakeBarStyle(DWORD dwStyle);
    DWORD m_dwStyle = 0;
};

// Docks the bars among pParent's children whose ids lie in [nIDFirst, nIDLast] along the
// sides of its client area, in stacking order (top and bottom bars take the whole width, left
// and right bars the height that is left), and gives the remaining rectangle to the child
// with the id nIDLeftOver. With lpRectClient the bars dock inside that rectangle, which
// receives what is left over (the left-over child is then not moved).
void RepositionBars(CWnd* pParent, UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, LPRECT lpRectClient = nullptr);
