#pragma once
// CHtmlCtrl: the report page's browser control. The browser view of the layer, which writes
// HTML, calls page scripts and turns "app:" links into commands of the parent; this control
// also keeps the right button from the browser: with forwarding on, a right click inside the
// page reaches the parent as WM_CONTEXTMENU at the click's screen position.
#include "platform/ui_web/html_view.h"

class CHtmlCtrl : public CHtmlView {
public:
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Right-button messages of the browser window are taken over.
    int m_forwardContextMenu = 0;
};
