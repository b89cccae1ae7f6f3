#include "platform/ui/menu_cmd_ui.h"

#include "platform/ui/menu.h"

void CMenuCmdUI::Enable(BOOL on) {
    if (m_pMenu) m_pMenu->EnableMenuItem(m_nIndex, MF_BYPOSITION | (on ? MF_ENABLED : (MF_DISABLED | MF_GRAYED)));
    m_bEnableChanged = TRUE;
}

void CMenuCmdUI::SetCheck(int check) {
    if (m_pMenu) m_pMenu->CheckMenuItem(m_nIndex, MF_BYPOSITION | (check ? MF_CHECKED : MF_UNCHECKED));
}

void CMenuCmdUI::SetRadio(BOOL on) {
    if (!m_pMenu) return;
    MENUITEMINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE;
    if (!m_pMenu->GetMenuItemInfo(m_nIndex, &info, TRUE)) return;
    info.fType = on ? (info.fType | MFT_RADIOCHECK) : (info.fType & ~MFT_RADIOCHECK);
    info.fState = on ? (info.fState | MF_CHECKED) : (info.fState & ~MF_CHECKED);
    m_pMenu->SetMenuItemInfo(m_nIndex, &info, TRUE);
}

void CMenuCmdUI::SetText(LPCTSTR text) {
    if (!m_pMenu) return;
    MENUITEMINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STRING;
    info.dwTypeData = const_cast<LPTSTR>(text ? text : L"");
    m_pMenu->SetMenuItemInfo(m_nIndex, &info, TRUE);
}

void CMenuCmdUI::UpdatePopup(CMenu* popup, CCmdTarget* target, BOOL disableIfNoHandler) {
    if (!popup || !target) return;
    CMenuCmdUI state;
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
