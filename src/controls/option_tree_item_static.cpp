#include "controls/option_tree_item_static.h"

#include "platform/ui/dc.h"

void COptionTreeItemStatic::DrawValue(CDC* pDC, const RECT& rcValue) {
    if (!BeginValueDrawing(pDC, false, true)) return;
    CRect rect = rcValue;
    pDC->DrawText(m_staticText, &rect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}
