#pragma once
// CStatusBar: the frame's status line: panes side by side, the first (ID_SEPARATOR) taking the
// room the others leave; the others show the string of their id (Caps Lock and the like) and
// are as wide as it. A pane's update handler enables it (a disabled pane shows no text) and
// may set its text. The bar's own painting is OnPaint, which a derived bar can leave out
// while it covers the panes with child windows (a progress part, for instance).
#include <vector>

#include "platform/core/cstring.h"
#include "platform/ui/control_bar.h"
#include "platform/ui/message_map.h"

inline constexpr UINT ID_SEPARATOR = 0;
inline constexpr UINT SBPS_NORMAL = 0x0000, SBPS_NOBORDERS = 0x0100, SBPS_POPOUT = 0x0200;
inline constexpr UINT SBPS_OWNERDRAW = 0x1000, SBPS_DISABLED = 0x04000000, SBPS_STRETCH = 0x08000000;

class CStatusBar : public CControlBar {
public:
    CStatusBar();
    ~CStatusBar() override;

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, UINT nID = AFX_IDW_STATUS_BAR);
    BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = 0, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                  UINT nID = AFX_IDW_STATUS_BAR);

    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);
    int GetCount() const { return static_cast<int>(m_panes.size()); }
    int CommandToIndex(UINT nIDFind) const;
    UINT GetItemID(int nIndex) const;
    void GetItemRect(int nIndex, LPRECT lpRect) const;
    void GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const;
    void SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth);
    UINT GetPaneStyle(int nIndex) const;
    void SetPaneStyle(int nIndex, UINT nStyle);
    CString GetPaneText(int nIndex) const;
    BOOL SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL bUpdate = TRUE);
    // The least height of the bar (the font decides otherwise).
    void SetMinHeight(int cyMin);

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CWnd* pTarget, BOOL bDisableIfNoHndler) override;

    // Default handlers a derived bar calls from its own.
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnSize(UINT nType, int cx, int cy);
    LRESULT OnSetText(WPARAM wParam, LPARAM lParam);   // WM_SETTEXT: the first pane's text
    LRESULT OnGetText(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetTextLength(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);   // the default GUI font until one is set

protected:
    DECLARE_MESSAGE_MAP()

private:
    struct Pane {
        UINT id = 0;
        UINT style = 0;
        int width = 0;
        CString text;
    };
    std::vector<CRect> PaneRects() const;
    int TextWidth(const CString& text) const;
    std::vector<Pane> m_panes;
    int m_minHeight = 20;
};
