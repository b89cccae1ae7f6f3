#pragma once
// Message maps and command routing. A class that handles messages declares
// DECLARE_MESSAGE_MAP() and lists its handlers between BEGIN_MESSAGE_MAP and END_MESSAGE_MAP
// (message_map.h); each entry is a small adapter that unpacks the parameters and calls the
// member. Maps chain to the base class's map.
#include "platform/core/cstring.h"
#include "platform/ui/object.h"
#include "platform/ui/window_defs.h"

class CCmdTarget;
class CCmdUI;
class CWnd;
class CMenu;

// One call through a message map: the message, its parameters and the result the handler sets.
struct AfxMessageCall {
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    LRESULT result = 0;
    UINT id = 0;          // command or control id
    void* extra = nullptr;  // CCmdUI* for updates, NMHDR* for notifications
};

using AfxHandler = BOOL (*)(CCmdTarget* target, AfxMessageCall& call);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;                 // 0 ends the table
    UINT nCode;                    // control or notification code; CN_COMMAND, CN_UPDATE_COMMAND_UI
    UINT nID;                      // first id
    UINT nLastID;                  // last id
    const UINT* registeredMessage; // ON_REGISTERED_MESSAGE: the variable holding the message number
    AfxHandler handler;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Command codes of OnCmdMsg.
inline constexpr int CN_COMMAND = 0;
inline constexpr int CN_UPDATE_COMMAND_UI = -1;

// Filled by OnCmdMsg when it is only asked whether a handler exists.
struct AFX_CMDHANDLERINFO {
    CCmdTarget* pTarget = nullptr;
};

class CCmdTarget : public CObject {
public:
    // Routes a command (nCode CN_COMMAND or a control notification code) or a command-UI
    // update (CN_UPDATE_COMMAND_UI, pExtra a CCmdUI*) through this object's message map.
    // With pHandlerInfo set it only reports whether a handler exists.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    // Looks up the first entry for a window message (or a WM_COMMAND/WM_NOTIFY entry) in the
    // map chain and calls it; FALSE when there is none.
    BOOL DispatchToMap(AfxMessageCall& call, UINT message, UINT code, UINT id, bool matchId);

    // The hourglass while a long step runs; the calls nest (wait_cursor.h).
    void BeginWaitCursor();
    void EndWaitCursor();
    void RestoreWaitCursor();

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
};

// The state of a user-interface element for a command: menu item, toolbar button or control.
// DoUpdate asks the command route for an ON_UPDATE_COMMAND_UI handler; without one, the
// element is disabled unless a command handler exists.
class CCmdUI {
public:
    UINT m_nID = 0;
    UINT m_nIndex = 0;
    CMenu* m_pMenu = nullptr;
    CMenu* m_pSubMenu = nullptr;
    CWnd* m_pOther = nullptr;
    BOOL m_bEnableChanged = FALSE;
    BOOL m_bContinueRouting = FALSE;
    UINT m_nIndexMax = 0;
    CMenu* m_pParentMenu = nullptr;

    CCmdUI() = default;
    virtual ~CCmdUI() = default;
    virtual void Enable(BOOL on = TRUE);
    virtual void SetCheck(int check = 1);
    virtual void SetRadio(BOOL on = TRUE);
    virtual void SetText(LPCTSTR text);
    void ContinueRouting() { m_bContinueRouting = TRUE; }
    BOOL DoUpdate(CCmdTarget* target, BOOL disableIfNoHandler);
};
