#pragma once
// CMenuBarCtrl: the platform's own menu bar (window class "VornMenuBar", over QMenuBar) showing
// the popups of a menu. It tells its owner (else its parent) what a window menu tells its frame:
// WM_INITMENUPOPUP before a popup opens (the popup is then built from the menu as the update
// handlers left it), WM_MENUSELECT while the user moves through it (0xFFFF in the high word
// when it closes) and the chosen command as a posted WM_COMMAND. Items show the image given to
// their command and the accelerator text after the tab of their text. The keyboard reaches the
// bar through TranslateMenuKey: Alt pressed and released alone and F10 open the first popup,
// Alt with the letter after a "&" of a top-level entry opens that entry; both select the
// popup's first item, and Left and Right then move from popup to popup.
#include <vector>

#include "platform/ui/menu_defs.h"
#include "platform/ui/wnd.h"

class CImageList;

inline constexpr const wchar_t* MENUBAR_CLASS = L"VornMenuBar";

inline constexpr UINT MBM_SETMENU = WM_USER + 1;       // wParam: HMENU (not owned; null empties)
inline constexpr UINT MBM_SETIMAGES = WM_USER + 2;     // wParam: HIMAGELIST, lParam: const std::vector<UINT>*
inline constexpr UINT MBM_OPENPOPUP = WM_USER + 3;     // wParam: index, lParam: select the first item
inline constexpr UINT MBM_GETOPENPOPUP = WM_USER + 4;  // the index of the open popup, -1 for none
inline constexpr UINT MBM_GETIDEALSIZE = WM_USER + 5;  // lParam: SIZE* that receives the size
inline constexpr UINT MBM_TRANSLATEKEY = WM_USER + 6;  // lParam: MSG*; TRUE when the key was taken
inline constexpr UINT MBM_GETITEMRECT = WM_USER + 7;   // wParam: index, lParam: RECT* (client coordinates)

class CMenuBarCtrl : public CWnd {
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // The menu whose top-level entries the bar shows; rebuilds the bar.
    void SetMenu(HMENU hMenu) { SendMessage(MBM_SETMENU, reinterpret_cast<WPARAM>(hMenu)); }
    // The image of command ids[i] is image i of the list (copied).
    void SetImages(CImageList* images, const std::vector<UINT>& ids);
    // Opens a top-level entry's popup (an index out of range wraps round).
    BOOL OpenPopup(int index, BOOL selectFirst) {
        return static_cast<BOOL>(SendMessage(MBM_OPENPOPUP, static_cast<WPARAM>(index), selectFirst));
    }
    int GetOpenPopup() const { return static_cast<int>(SendMessage(MBM_GETOPENPOPUP)); }
    CSize GetIdealSize() const;
    BOOL GetItemRect(int index, LPRECT rect) const;
    // The frame offers every key message here before its accelerators.
    BOOL TranslateMenuKey(MSG* pMsg) { return static_cast<BOOL>(SendMessage(MBM_TRANSLATEKEY, 0, reinterpret_cast<LPARAM>(pMsg))); }
};
