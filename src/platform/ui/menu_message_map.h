#pragma once
// Message-map entries of the menu messages:
//   ON_WM_INITMENUPOPUP()  void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu)
//   ON_WM_MENUSELECT()     void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu)
#include "platform/ui/menu.h"
#include "platform/ui/message_map.h"

#define ON_WM_INITMENUPOPUP()                                                                                  \
    VORN_MSG(WM_INITMENUPOPUP, self->OnInitMenuPopup(CMenu::FromHandle(reinterpret_cast<HMENU>(VORN_WP)),       \
                                                     LOWORD(VORN_LP), static_cast<BOOL>(HIWORD(VORN_LP))))
#define ON_WM_MENUSELECT() \
    VORN_MSG(WM_MENUSELECT, self->OnMenuSelect(LOWORD(VORN_WP), HIWORD(VORN_WP), reinterpret_cast<HMENU>(VORN_LP)))
