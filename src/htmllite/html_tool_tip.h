#pragma once
// CHtmlToolTip: the popup that shows HTML-lite text near the mouse. After the mouse rests
// over a registered tool it asks its owner for the text (WM_NOTIFY HTTN_NEEDTEXT), measures
// it, places a balloon inside the screen and paints background, text, border and shadow;
// it hides on clicks, keys, deactivation and mouse movement (HTTN_POP tells the owner).
#include <map>
#include <vector>

#include "htmllite/html_lite_drawer.h"
#include "htmllite/html_tool_info.h"
#include "platform/ui/message_map.h"
#include "platform/ui/rgn.h"
#include "platform/ui/wnd.h"

// Notification codes sent to the notify window.
inline constexpr UINT HTTN_NEEDTEXT = WM_USER + 100;  // the owner fills pToolInfo->m_text
inline constexpr UINT HTTN_POP = WM_USER + 102;       // the tip is told away or hidden
// Sent by the drawer when the hovered link changes.
inline constexpr UINT HTTM_HOVER_REPAINT = WM_USER + 101;

// The WM_NOTIFY record of the tooltip.
struct NMHTMLTOOLTIP {
    NMHDR hdr;
    HWND hwndTool;              // the tool's window
    void* pParam;               // HTTN_NEEDTEXT: the mouse point (POINT*, screen coordinates)
    CHtmlToolInfo* pToolInfo;   // the record whose text the owner fills
};

// Placement codes: the side in bits 4 and 5, the tail's place along that edge in the low bits.
enum : int {
    HTTP_BELOW = 0,
    HTTP_ABOVE = 16,
    HTTP_RIGHT = 32,
    HTTP_LEFT = 48,
    HTTP_SIDE_MASK = 48,
    HTTP_END_START = 0,
    HTTP_END_FAR = 1,
    HTTP_END_MIDDLE = 2,
    HTTP_END_MASK = 3,
};

class CHtmlToolTip : public CWnd {
public:
    CHtmlToolTip();
    ~CHtmlToolTip() override;

    BOOL Create(CWnd* parent, BOOL balloon);
    void SetDefaultSizes(BOOL balloon);
    BOOL DestroyWindow() override;
    BOOL PreTranslateMessage(MSG* msg) override;
    // Owners pass every message of their window here; the message always goes on.
    LRESULT RelayEvent(MSG* msg);

    void ShowTool(const CHtmlToolInfo& tool, HWND window, BOOL useDelay, int kind);
    void Pop();
    void HideNow();

    void AddTool(CWnd* window, const CString& text, LPCRECT rect = nullptr);
    void AddToolInfo(HWND window, const CHtmlToolInfo& tool);
    void RemoveAllTools();
    void SendNotify(void* param, CHtmlToolInfo* tool, UINT code);
    // The tool under `pt` (client coordinates of the parent); false when there is none.
    bool FindTool(CPoint pt, HWND& toolWindow, CHtmlToolInfo& tool) const;

    // Placement of a body of `body`'s size with the tail at `pt`: fills the window rectangle
    // (tail included), moves text and body rectangles off the tail and returns the code used.
    int PlaceTip(int code, CPoint pt, CRect body, CRect& window, CPoint& anchor);
    // The area tips must stay inside (the virtual screen).
    static CRect ScreenBounds();

    virtual void OnDrawBorder(CDC* dc, CRgn* region);

    CHtmlLiteDrawer m_drawer;
    CWnd* m_parent = nullptr;
    HWND m_notifyWindow = nullptr;
    BOOL m_hoverRepaint = TRUE;
    BOOL m_keepOnClick = FALSE;

    // Defaults for fields a tool does not set itself.
    COLORREF m_startColor;
    COLORREF m_middleColor;
    COLORREF m_endColor;
    int m_defaultStyleBits = 0;
    int m_defaultEffect = 0;
    int m_defaultPlacement = HTTP_ABOVE;
    int m_defaultLook = 0;
    int m_defaultNoise = 0;
    int m_defaultTransparency = 0;

    // Delays in milliseconds; 0 means at once.
    UINT m_autoHideDelay = 5000;
    UINT m_showDelay = 500;
    UINT m_fadeInDelay = 0;
    UINT m_fadeOutDelay = 0;
    BOOL m_fadeIn = TRUE;
    BOOL m_fadeOut = TRUE;

    // Shadow of the tip.
    BOOL m_shadowBlur = TRUE;
    int m_shadowX = 6;
    int m_shadowY = 6;
    int m_blurX = 7;
    int m_blurY = 7;
    int m_shadowDarkness = 50;

    // Balloon geometry.
    int m_cornerWidth = 16;
    int m_cornerHeight = 16;
    int m_marginX = 12;
    int m_marginY = 12;
    int m_tailBase = 12;
    int m_tailHeight = 16;
    int m_tailOffset = 16;

    // State of the shown tip, readable by owners and tests.
    int ShowState() const { return m_showState; }
    int Transparency() const { return m_transparency; }
    int Placement() const { return m_placement; }
    const CHtmlToolInfo& DisplayedTool() const { return m_displayed; }
    const CRect& TextRect() const { return m_textRect; }
    const CRect& BodyRect() const { return m_bodyRect; }

    enum : UINT_PTR { TIMER_SHOW = 256, TIMER_AUTOHIDE = 257, TIMER_FADEIN = 258, TIMER_FADEOUT = 259, TIMER_CHECK = 260 };

protected:
    void OnPaint();
    void OnTimer(UINT_PTR id);
    BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
    void OnActivateApp(BOOL active, DWORD threadId);
    LRESULT OnHoverRepaint(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    void DisplayTooltip(CPoint pt);
    void CreateTipRegion(CRgn& region) const;
    void PaintTip(int transparency, CDC* dc = nullptr);
    void AutoHideStep();
    void ShowStep();
    void FadeOutStep();
    void RestartAutoHide();
    bool TipUnderCursor() const;
    void PopWhenThePointerLeftTheTool();
    void FreeTipPictures();

    CPoint m_lastPoint;
    HWND m_displayedWindow = nullptr;
    int m_displayedKind = 0;
    CHtmlToolInfo m_displayed;
    BOOL m_queued = FALSE;
    BOOL m_queuedWithDelay = FALSE;
    HWND m_nextWindow = nullptr;
    int m_nextKind = 0;
    CHtmlToolInfo m_next;
    int m_placement = 0;
    int m_transparency = 0;
    int m_showState = 0;

    CRgn m_region;
    CBitmap m_background;
    CBitmap m_savedScreen;
    bool m_haveSavedScreen = false;
    CBrush m_borderBrush;
    int m_borderWidth = 1;
    int m_borderHeight = 1;

    CRect m_textRect;
    CRect m_bodyRect;
    CRect m_windowRect;
    CPoint m_anchor;
    std::map<HWND, std::vector<CHtmlToolInfo>> m_tools;
};
