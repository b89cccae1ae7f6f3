#include "planner/magnet_ctrl_body.h"

#include "planner/board_tool_tip.h"
#include "planner/magnet_ctrl.h"
#include "planner/magnet_ctrl_view.h"
#include "resource_ids.h"
#include "timetable/grid_scale.h"

BEGIN_MESSAGE_MAP(CMagnetCtrlBody, CWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_MOUSEWHEEL()
END_MESSAGE_MAP()

CMagnetCtrlBody::~CMagnetCtrlBody() { DestroyWindow(); }

int CMagnetCtrlBody::OnCreate(LPCREATESTRUCT cs) {
    if (CWnd::OnCreate(cs) == -1) return -1;
    m_images.Create(IDB_PANEL_IMAGES, 16, 1, RGB(255, 0, 255));
    CreateGridFont(m_font, ScaleGridPixels(12, GetGridScale()), 0, 6, L"Arial");
    const UINT bitmaps[6] = {IDB_GRID_OUTSIDE, IDB_GRID_WORKING, IDB_GRID_OUTSIDE_SECOND,
                             IDB_GRID_WORKING_SECOND, IDB_GRID_ABSENCE, IDB_GRID_FREED};
    for (int i = 0; i < 6; ++i) m_brushes[i].Load(bitmaps[i]);
    CreateBoardToolTip(m_toolTip, this, 23);
    return 0;
}

BOOL CMagnetCtrlBody::PreTranslateMessage(MSG* msg) {
    if (m_toolTip.GetSafeHwnd()) m_toolTip.RelayEvent(msg);
    return CWnd::PreTranslateMessage(msg);
}

CMagnetCtrlView* CMagnetCtrlBody::GetPane() const {
    CWnd* owner = GetOwner();
    return dynamic_cast<CMagnetCtrlView*>(owner ? owner : GetParent());
}

CMagnetCtrl* CMagnetCtrlBody::GetControl() const {
    CMagnetCtrlView* pane = GetPane();
    return pane ? pane->GetControl() : nullptr;
}

const CMagnetCtrlTitle* CMagnetCtrlBody::GetTitle() const {
    const CMagnetCtrlView* pane = GetPane();
    return pane ? &pane->GetTitle() : nullptr;
}

int CMagnetCtrlBody::RowAt(CPoint point) const {
    const CMagnetCtrl* control = GetControl();
    return control ? control->RowAtY(point.y) : CMagnetCtrl::kNone;
}

int CMagnetCtrlBody::MagnetAt(CPoint point, int& row) const {
    const CMagnetCtrl* control = GetControl();
    const CMagnetCtrlView* pane = GetPane();
    row = RowAt(point);
    if (!control || !pane || row == CMagnetCtrl::kNone) return CMagnetCtrl::kNone;
    return control->GetRows()[row].ItemAt(point.x, point.y + control->GetVerticalOffset(),
                                           pane->GetHorizontalOffset());
}

BOOL CMagnetCtrlBody::OnMouseWheel(UINT, short delta, CPoint) {
    CMagnetCtrl* control = GetControl();
    return control ? control->ScrollByWheel(delta) : FALSE;
}
