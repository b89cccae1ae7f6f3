#pragma once
// CFrameWnd: a top-level window that carries bars and routes commands. Its command route is
// its own message map, then the application object (AfxGetApp, or the target given to
// SetApplicationTarget); a frame that
// routes to its pages first overrides OnCmdMsg and calls this one last. Before a popup of
// its menus opens (WM_INITMENUPOPUP, also forwarded by a menu bar) every item is updated
// through that route, and an item without a handler is grayed. Key messages for the frame
// and its children go through the frame's accelerator table. Menu prompts and the idle
// prompt show in the status bar (the child with the id AFX_IDW_STATUS_BAR).
#include "platform/core/cstring.h"
#include "platform/ui/menu_defs.h"
#include "platform/ui/message_map.h"
#include "platform/ui/wnd.h"

class CMenu;

// Frame style: the frame's title shows the document's name (kept for the style value).
inline constexpr DWORD FWS_ADDTOTITLE = 0x00008000, FWS_PREFIXTITLE = 0x00040000;

class CFrameWnd : public CWnd {
public:
    CFrameWnd();
    ~CFrameWnd() override;

    HACCEL m_hAccelTable = nullptr;
    HMENU m_hMenuDefault = nullptr;  // the menu loaded by LoadFrame (owned)
    BOOL m_bAutoMenuEnable = TRUE;   // gray menu items whose command has no handler
    CString m_strTitle;
    UINT m_nIDTracking = 0;     // the prompt shown now
    UINT m_nIDLastMessage = 0;  // the prompt shown last

    static const RECT rectDefault;

    BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                const RECT& rect = rectDefault, CWnd* pParentWnd = nullptr, LPCTSTR lpszMenuName = nullptr,
                DWORD dwExStyle = 0, void* pContext = nullptr);
    // Creates the frame from resource nIDResource of the current pack: the title is the
    // string of that id (up to its first newline), the menu and accelerators those of that id.
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = nullptr, void* pContext = nullptr);
    BOOL LoadAccelTable(UINT nIDResource);

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void PostNcDestroy() override;  // a frame deletes itself when its window is gone

    // Docks the control bars and gives the rest to the pane (AFX_IDW_PANE_FIRST).
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
    // Runs the command update of every item of a popup that is about to open.
    virtual void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);

    // The menu LoadFrame loaded (nullptr when none); SetMenu replaces and destroys the old one.
    CMenu* GetMenu() const;
    BOOL SetMenu(CMenu* pMenu);

    // Shows text in the status bar's message pane; by id, the prompt of a command (the part of
    // its string before the newline) or the idle prompt (AFX_IDS_IDLEMESSAGE).
    void SetMessageText(LPCTSTR lpszText);
    void SetMessageText(UINT nID);
    CWnd* GetMessageBar();
    // The Caps Lock, Num Lock and Scroll Lock panes follow the keys' toggle state.
    void OnUpdateKeyIndicator(CCmdUI* pCmdUI);

    // The last target of every frame's command route: the one set here, else the application
    // object (AfxGetApp). Setting null goes back to the application object.
    static void SetApplicationTarget(CCmdTarget* pApp);
    static CCmdTarget* GetApplicationTarget();

    // Default handlers a derived frame calls from its own.
    void OnSize(UINT nType, int cx, int cy);                  // RecalcLayout
    void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);  // the item's prompt
    LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);  // WM_SETMESSAGESTRING

protected:
    DECLARE_MESSAGE_MAP()
};
