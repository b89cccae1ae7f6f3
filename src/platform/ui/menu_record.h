#pragma once
// Layer-private: the menu record behind an HMENU.
#include <string>
#include <vector>

#include "platform/ui/menu_defs.h"

struct CMenuItemRecord {
    UINT type = 0;            // MFT_ bits (MF_SEPARATOR, MF_OWNERDRAW, MF_BITMAP, MFT_RADIOCHECK...)
    UINT state = 0;           // MFS_ bits (MF_GRAYED, MF_DISABLED, MF_CHECKED, MF_HILITE, MF_DEFAULT)
    UINT id = 0;              // command id (kept for submenu items too, as MENUEX gives them)
    HMENU subMenu = nullptr;  // the submenu this item opens
    std::wstring text;
    ULONG_PTR data = 0;       // item data (owner-drawn items)
    HBITMAP bitmap = nullptr; // MF_BITMAP items

    bool IsSeparator() const { return (type & MF_SEPARATOR) != 0; }
    bool IsPopup() const { return subMenu != nullptr; }
    bool IsEnabled() const { return (state & (MF_GRAYED | MF_DISABLED)) == 0; }
};

struct HMENU__ {
    bool popup = false;  // made by CreatePopupMenu (a menu bar otherwise)
    std::vector<CMenuItemRecord> items;
};

namespace vorn_ui {

bool IsLiveMenu(HMENU h);
// The item addressed by position or by command (searching submenus); its menu and position
// are returned through the pointers. nullptr when there is none.
CMenuItemRecord* FindMenuItem(HMENU h, UINT item, bool byPosition, HMENU* menuOut = nullptr, int* positionOut = nullptr);
// The enabled command item with that id anywhere in the menu tree.
bool HasEnabledCommand(HMENU h, UINT id);

}  // namespace vorn_ui
