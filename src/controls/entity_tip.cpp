#include "controls/entity_tip.h"

#include "htmllite/html_tool_tip.h"
#include "platform/ui/bitmap.h"
#include "resource_ids.h"

void SetUpEntityTip(CHtmlToolTip& tip, CWnd* owner) {
    constexpr COLORREF kMagenta = RGB(255, 0, 255);
    tip.Create(owner, TRUE);
    CBitmap strip;
    if (strip.LoadBitmap(IDB_PANEL_IMAGES))
        tip.m_drawer.SetImageStrip(16, 16, static_cast<HBITMAP>(strip.Detach()), 23, kMagenta);
    tip.m_notifyWindow = owner->m_hWnd;
    tip.m_startColor = RGB(255, 255, 255);
    tip.m_middleColor = RGB(240, 247, 255);
    tip.m_endColor = RGB(192, 192, 208);
    CHtmlToolInfo tool;
    tool.m_toolValue = 0;
    tool.m_rect = CRect(0, 0, 5000, 5000);
    tool.m_overrideMask = HTTO_STYLE;
    tool.m_styleBits = HTTS_SHOW_AGAIN | HTTS_NO_AUTOHIDE;
    tip.AddToolInfo(owner->m_hWnd, tool);
}
