#include "planner/board_tool_tip.h"

#include "htmllite/html_tool_tip.h"
#include "platform/ui/bitmap.h"
#include "resource_ids.h"

void CreateBoardToolTip(CHtmlToolTip& tip, CWnd* wnd, int images) {
    tip.Create(wnd, TRUE);
    CBitmap strip;
    if (strip.LoadBitmap(IDB_PANEL_IMAGES))
        tip.m_drawer.SetImageStrip(16, 16, static_cast<HBITMAP>(strip.Detach()), images, RGB(255, 0, 255));
    tip.m_notifyWindow = wnd->GetSafeHwnd();
    CHtmlToolInfo tool;
    tool.m_toolValue = 0;
    tool.m_rect = CRect(0, 0, 5000, 5000);
    tip.AddToolInfo(wnd->GetSafeHwnd(), tool);
}
