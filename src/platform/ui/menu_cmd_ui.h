#pragma once
// Command updating of menu items: the state a CCmdUI with m_pMenu set gives an item (by
// position), and the update of a whole popup before it opens: every command item is updated
// through a command target's route (OnCmdMsg with CN_UPDATE_COMMAND_UI), and an item whose
// command has no handler on the route is grayed when disableIfNoHandler.
#include "platform/ui/cmd_target.h"

class CMenu;

void SetMenuItemEnabled(CMenu* menu, UINT index, BOOL on);
// check: 0 clears, anything else sets the check mark; radio shows it as a bullet.
void SetMenuItemChecked(CMenu* menu, UINT index, int check, BOOL radio);
void SetMenuItemText(CMenu* menu, UINT index, LPCTSTR text);
// Updates the command items of the popup (submenus are updated when they open).
void UpdateMenuCmdUI(CMenu* popup, CCmdTarget* target, BOOL disableIfNoHandler);
