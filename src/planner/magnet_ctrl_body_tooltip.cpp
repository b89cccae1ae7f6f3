// The magnet body's tooltip.
#include "htmllite/html_tool_tip.h"
#include "planner/magnet_ctrl_body.h"

BOOL CMagnetCtrlBody::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    auto* nm = reinterpret_cast<NMHTMLTOOLTIP*>(lParam);
    if (!nm || nm->hdr.code != HTTN_NEEDTEXT) return CWnd::OnNotify(wParam, lParam, result);
    if (result) *result = 0;
    if (!nm->pToolInfo || !nm->pParam) return TRUE;
    const CString text = BuildToolTipText(*static_cast<POINT*>(nm->pParam));
    if (!text.IsEmpty()) nm->pToolInfo->m_text = text;
    return TRUE;
}

CString CMagnetCtrlBody::BuildToolTipText(CPoint) { return CString(); }
