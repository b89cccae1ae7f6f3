#pragma once
// CTrueColorToolBar: a toolbar that loads its buttons from a toolbar resource and shows its
// normal, hot and disabled images in true colour from the one bitmap of the same id.
#include "controls/tool_bar_image_set.h"
#include "platform/ui/tool_bar.h"

class CTrueColorToolBar : public CToolBar {
public:
    BOOL LoadToolBar(UINT nId, BOOL bTrueColor);
    using CToolBar::LoadToolBar;
    CToolBarImageSet& Images() { return m_images; }

private:
    CToolBarImageSet m_images;
};
