#pragma once
// CMenuCmdUI: the command-update state of one menu item. Updating a popup before it opens
// runs every item's update through a command target's route (OnCmdMsg with
// CN_UPDATE_COMMAND_UI); an item whose command has no handler on the route is grayed.
#include "platform/ui/cmd_target.h"

class CMenu;

class CMenuCmdUI : public CCmdUI {
public:
    void Enable(BOOL on = TRUE) override;
    void SetCheck(int check = 1) override;
    void SetRadio(BOOL on = TRUE) override;
    void SetText(LPCTSTR text) override;

    // Updates every command item of the popup (submenus are updated when they open).
    static void UpdatePopup(CMenu* popup, CCmdTarget* target, BOOL disableIfNoHandler);
};
