#include "platform/ui/menu_cmd_ui.h"

#include "platform/ui/menu.h"

void SetMenuItemEnabled(CMenu* menu, UINT index, BOOL on) {
    if (menu) menu->EnableMenuItem(index, MF_BYPOSITION | (on ? MF_ENABLED : (MF_DISABLED | MF_GRAYED)));
}

void SetMenuItemChecked(CMenu* menu, UINT index, int check, BOOL radio) {
    if (!menu) return;
    MENUITEMINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE;
    if (!menu->GetMenuItemInfo(index, &info, TRUE)) return;
    info.fType = radio ? (info.fType | MFT_RADIOCHECK) : (info.fType & ~MFT_RADIOCHECK);
    info.fState = check ? (info.fState | MF_CHECKED) : (info.fState & ~MF_CHECKED);
    menu->SetMenuItemInfo(index, &info, TRUE);
}

void SetMenuItemText(CMenu* menu, UINT index, LPCTSTR text) {
    if (!menu) return;
    MENUITEMINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STRING;
    info.dwTypeData = const_cast<LPTSTR>(text ? text : L"");
    menu->SetMenuItemInfo(index, &info, TRUE);
}

void UpdateMenuCmdUI(CMenu* popup, CCmdTarget* target, BOOL disableIfNoHandler) {
    if (!popup || !target) return;
    CCmdUI state;
    state.m_pMenu = popup;
    // The count is read again each time: an update handler may remove items.
    for (int i = 0; i < popup->GetMenuItemCount(); ++i) {
        state.m_nIndexMax = static_cast<UINT>(popup->GetMenuItemCount());
        const UINT id = popup->GetMenuItemID(i);
        // Separators and submenu items have no command of their own.
        if (id == 0 || id == static_cast<UINT>(-1)) continue;
        state.m_nIndex = static_cast<UINT>(i);
        state.m_nID = id;
        state.m_pSubMenu = nullptr;
        state.DoUpdate(target, disableIfNoHandler);
    }
}
