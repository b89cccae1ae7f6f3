#pragma once
// CMenuBar: the main frame's menu bar, in the first band of its rebar. It shows the top-level
// entries of a menu of the language pack with the platform's own menu bar, puts the images of
// a toolbar beside the commands that toolbar carries, and sends every choice to the frame.
#include <vector>

#include "controls/tool_bar_image_set.h"
#include "platform/ui/menu.h"
#include "platform/ui/menu_bar_ctrl.h"

class CMenuBar : public CMenuBarCtrl {
public:
    BOOL Create(CWnd* pParent, UINT nID);
    // Loads the menu from the pack and shows its entries; the image lists are made for 32 by 32
    // images. FALSE when the pack has no such menu.
    BOOL LoadMenu(UINT nMenuId, BOOL bTrueColor);
    // The command ids of the toolbar (separators left out) and its images; the position of an id
    // is its image index. FALSE when the pack lacks the toolbar or its bitmap.
    BOOL LoadToolBarIds(UINT nToolBarId);

    CMenu& GetMenu() { return m_menu; }
    const std::vector<UINT>& GetCommandIds() const { return m_arrCommandIds; }

private:
    CMenu m_menu;
    CToolBarImageSet m_images;
    std::vector<UINT> m_arrCommandIds;
};
