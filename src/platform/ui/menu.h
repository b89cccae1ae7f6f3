#pragma once
// CMenu: menus as the layer's own records (an HMENU points at one), loaded from the current
// language pack or built with AppendMenu/InsertMenu. A popup is shown with a QMenu built from
// the records when it opens (TrackPopupMenu); the owner window gets WM_INITMENUPOPUP before a
// popup opens, WM_MENUSELECT while the user moves through it, WM_MEASUREITEM/WM_DRAWITEM for
// owner-drawn items and the chosen command as WM_COMMAND (or as the result, TPM_RETURNCMD).
//
// Who answers a popup is replaceable (SetMenuChooser): the program shows the menu to the user;
// a test answers at once or drives the shown QMenu with input (DriveMenu), never blocking.
#include <functional>

#include "platform/core/cstring.h"
#include "platform/ui/control_defs.h"
#include "platform/ui/menu_defs.h"
#include "platform/ui/object.h"

class CWnd;
class QMenu;
struct CResMenu;

class CMenu : public CObject {
public:
    HMENU m_hMenu = nullptr;

    CMenu() = default;
    // Destroys the menu it holds.
    ~CMenu() override;
    operator HMENU() const { return m_hMenu; }
    HMENU GetSafeHmenu() const { return m_hMenu; }

    // The CMenu of a handle: the one attached to it, else a wrapper that lives as long as the menu.
    static CMenu* FromHandle(HMENU hMenu);
    static CMenu* FromHandlePermanent(HMENU hMenu);
    BOOL Attach(HMENU hMenu);
    HMENU Detach();

    BOOL CreateMenu();
    BOOL CreatePopupMenu();
    // The MENU resource of the current language pack.
    BOOL LoadMenu(UINT nIDResource);
    BOOL LoadMenu(LPCTSTR lpszResourceName);
    BOOL DestroyMenu();

    // Items. nFlags carries MF_BYCOMMAND or MF_BYPOSITION for the item addressed, and the
    // MF_ type and state bits of the new item; with MF_POPUP nIDNewItem is the submenu's
    // handle, with MF_OWNERDRAW lpszNewItem is the item data.
    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = nullptr);
    BOOL InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = nullptr);
    BOOL ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = nullptr);
    // RemoveMenu keeps an item's submenu; DeleteMenu destroys it.
    BOOL RemoveMenu(UINT nPosition, UINT nFlags);
    BOOL DeleteMenu(UINT nPosition, UINT nFlags);

    CMenu* GetSubMenu(int nPos) const;
    int GetMenuItemCount() const;
    // The command id; 0 for a separator, (UINT)-1 for an item that opens a submenu.
    UINT GetMenuItemID(int nPos) const;
    // The MF_ bits of an item (for a submenu item the number of its items in the high byte);
    // (UINT)-1 when there is no such item.
    UINT GetMenuState(UINT nID, UINT nFlags) const;
    int GetMenuString(UINT nIDItem, LPTSTR lpString, int nMaxCount, UINT nFlags) const;
    int GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const;
    BOOL GetMenuItemInfo(UINT uItem, LPMENUITEMINFO lpMenuItemInfo, BOOL fByPos = FALSE) const;
    BOOL SetMenuItemInfo(UINT uItem, LPCMENUITEMINFO lpMenuItemInfo, BOOL fByPos = FALSE);
    // Each returns the previous state (MF_CHECKED/MF_UNCHECKED, MF_ENABLED/MF_GRAYED/MF_DISABLED)
    // or (UINT)-1 when there is no such item.
    UINT CheckMenuItem(UINT nIDCheckItem, UINT nCheck);
    UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable);
    BOOL CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDItem, UINT nFlags);

    // Shows the menu as a popup at (x, y) in screen coordinates, owned by pWnd. Returns the
    // chosen command with TPM_RETURNCMD (0 when none); otherwise posts WM_COMMAND with it to
    // the owner and returns TRUE.
    BOOL TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect = nullptr);
    BOOL TrackPopupMenuEx(UINT fuFlags, int x, int y, CWnd* pWnd, LPTPMPARAMS lptpm);

    // Owner-drawn items that the owner window leaves to the menu (it returns 0 for
    // WM_DRAWITEM/WM_MEASUREITEM) are drawn and measured here.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
};

HMENU CreateMenu();
HMENU CreatePopupMenu();
BOOL DestroyMenu(HMENU hMenu);
BOOL IsMenu(HMENU hMenu);
// A MENU resource of the current language pack (instance ignored); nullptr when it has none.
HMENU LoadMenu(HINSTANCE instance, LPCTSTR name);
// A menu built from a pack's menu record.
HMENU LoadMenuIndirect(const CResMenu& menu);
BOOL AppendMenu(HMENU hMenu, UINT flags, UINT_PTR idNewItem, LPCTSTR newItem);
BOOL InsertMenu(HMENU hMenu, UINT position, UINT flags, UINT_PTR idNewItem, LPCTSTR newItem);
BOOL ModifyMenu(HMENU hMenu, UINT position, UINT flags, UINT_PTR idNewItem, LPCTSTR newItem);
BOOL RemoveMenu(HMENU hMenu, UINT position, UINT flags);
BOOL DeleteMenu(HMENU hMenu, UINT position, UINT flags);
HMENU GetSubMenu(HMENU hMenu, int position);
int GetMenuItemCount(HMENU hMenu);
UINT GetMenuItemID(HMENU hMenu, int position);
UINT GetMenuState(HMENU hMenu, UINT id, UINT flags);
int GetMenuString(HMENU hMenu, UINT idItem, LPTSTR buffer, int maxCount, UINT flags);
BOOL GetMenuItemInfo(HMENU hMenu, UINT item, BOOL byPosition, LPMENUITEMINFO info);
BOOL SetMenuItemInfo(HMENU hMenu, UINT item, BOOL byPosition, LPCMENUITEMINFO info);
DWORD CheckMenuItem(HMENU hMenu, UINT idCheckItem, UINT check);
BOOL EnableMenuItem(HMENU hMenu, UINT idEnableItem, UINT enable);
BOOL CheckMenuRadioItem(HMENU hMenu, UINT first, UINT last, UINT check, UINT flags);
BOOL TrackPopupMenu(HMENU hMenu, UINT flags, int x, int y, int reserved, HWND owner, const RECT* rect);
BOOL TrackPopupMenuEx(HMENU hMenu, UINT flags, int x, int y, HWND owner, LPTPMPARAMS params);
// Closes the popup that is being tracked (as if the user cancelled it).
BOOL EndMenu();

// One popup about to be shown, as the chooser sees it. menu is the QMenu built from the
// records (WM_INITMENUPOPUP has already run); the layer owns it.
struct CMenuTrackRequest {
    HMENU hMenu = nullptr;
    HWND hWndOwner = nullptr;
    POINT pt{0, 0};       // where the popup opens (screen coordinates, after alignment)
    UINT flags = 0;       // TPM_ flags
    RECT rcExclude{0, 0, 0, 0};  // the area not to cover (TPMPARAMS); empty when none
    QMenu* menu = nullptr;
};

// Shows the popup and returns the chosen command, 0 when the menu was cancelled. A command
// that is not an enabled item of the menu counts as cancelled.
using MenuChooser = std::function<UINT(CMenuTrackRequest&)>;
// Installs the chooser; an empty one restores the program's own (the menu runs for the user;
// on a display-less platform nobody can answer, so it cancels). Returns the previous one.
MenuChooser SetMenuChooser(MenuChooser chooser);
// Opens the request's popup without a loop of its own, lets drive send input to it (keys,
// mouse; submenus open as they would for the user), and returns the command that input chose,
// 0 when none. The popup is closed afterwards.
UINT DriveMenu(CMenuTrackRequest& request, const std::function<void(QMenu*)>& drive);
// The innermost popup open at the moment (a submenu when one is open), or nullptr.
QMenu* GetOpenPopup();
