#include "planner/magnet_ctrl_body.h"

#include <algorithm>

#include "controls/app_document.h"
#include "model/model_host.h"
#include "model/schedule_data.h"
#include "model/time_values.h"
#include "planner/board_tool_tip.h"
#include "planner/magnet_ctrl.h"
#include "planner/magnet_ctrl_view.h"
#include "planner/magnet_messages.h"
#include "platform/core/load_res_string.h"
#include "platform/ui/window_api.h"
#include "resource_ids.h"
#include "timetable/grid_scale.h"
#include "timetable/swap_rules.h"

BEGIN_MESSAGE_MAP(CMagnetCtrlBody, CWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_MOUSEWHEEL()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_CAPTURECHANGED()
    ON_WM_RBUTTONDOWN()
    ON_COMMAND(ID_SET_STATE_0, &CMagnetCtrlBody::OnSetState0)
    ON_COMMAND(ID_SET_STATE_1, &CMagnetCtrlBody::OnSetState1)
    ON_COMMAND(ID_SET_STATE_2, &CMagnetCtrlBody::OnSetState2)
    ON_UPDATE_COMMAND_UI(ID_SET_STATE_0, &CMagnetCtrlBody::OnUpdateSetState0)
    ON_UPDATE_COMMAND_UI(ID_SET_STATE_1, &CMagnetCtrlBody::OnUpdateSetState1)
    ON_UPDATE_COMMAND_UI(ID_SET_STATE_2, &CMagnetCtrlBody::OnUpdateSetState2)
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

// Press and release -----------------------------------------------------------------------------------

void CMagnetCtrlBody::OnLButtonDown(UINT flags, CPoint point) {
    SetFocus();
    CMagnetCtrl* control = GetControl();
    CMagnetCtrlView* pane = GetPane();
    if (!control || !pane || pane->GetTitle().GetColumns().empty() || control->GetRows().empty()) return;
    if (control->m_bPressed || control->m_nDragMode != CMagnetCtrl::kDragNone) {
        CWnd::OnLButtonDown(flags, point);
        return;
    }
    if (control->m_bDragActive) return;
    const int rowIndex = RowAt(point);
    if (rowIndex == CMagnetCtrl::kNone) return;
    CMagnetRow& row = control->GetRows()[rowIndex];
    // The first press in a row only makes it current.
    if (row.m_nEntityId != control->GetCurrentRowId()) {
        control->SelectRow(row.m_nEntityId);
        return;
    }
    const int offset = pane->GetHorizontalOffset();
    const int index = row.ItemAt(point.x, point.y + control->GetVerticalOffset(), offset);
    if (index < 0) return;
    CMagnetItem& magnet = row.m_arrMagnets[index];
    const bool toggle = (flags & (MK_SHIFT | MK_CONTROL)) != 0;
    // The press state is kept only while the body holds the mouse, so that a press that ends
    // elsewhere leaves none behind.
    control->m_bPressed = 1;
    control->m_pPressPane = pane;
    control->m_ptPress = CPoint(point.x + offset, point.y);
    control->m_bPressPending = 1;
    control->m_bRelativeResize = toggle ? 1 : 0;
    const int kind = SetDragCursor(magnet.HitTestEdge(point.x, offset));
    if (kind == 0) {
        if (!toggle) control->ClearSelection();
        magnet.m_bSelected = toggle ? !magnet.m_bSelected : 1;
        control->CopySelectionToDrag();
    } else {
        // A drag begins: a move at the grip of a selected magnet, a resize at its right edge.
        if (!toggle) {
            control->SelectSingle(magnet);
            if (kind == CMagnetItem::kEdgeMove) {
                control->MarkSwapTargets();
                control->CollectMoveFeedback(magnet);
            }
            control->ComputeLatestEnd();
        }
        // A move is measured from the time at the left end of the dragged magnets.
        control->m_dtDragStart = pane->GetTitle().XToTime(control->GetDragOrigin(offset).x + offset);
        control->m_tLastPointerTime = pane->GetTitle().XToTimeOfDay(point.x + offset);
        magnet.m_tsSavedLength = magnet.m_tsEntryLength;
        if (!control->m_arrDragItems.empty()) control->m_arrDragItems.front().m_tsSavedLength = magnet.m_tsEntryLength;
        control->SetDragAnchor(point.x, point.y, offset);
        control->m_ptDrag = CPoint(point.x + offset, point.y);
        control->m_nDragMode = kind;
        if (kind == CMagnetItem::kEdgeMove) {
            control->StartBlinkTimer();
            control->m_bDragActive = 1;
        }
    }
    control->RepaintCurrentRow();
    SetCapture();
}

void CMagnetCtrlBody::OnMouseMove(UINT flags, CPoint point) {
    CMagnetCtrl* control = GetControl();
    CMagnetCtrlView* pane = GetPane();
    CMagnetRow* row = control ? control->GetCurrentRow() : nullptr;
    const int y = point.y + (control ? control->GetVerticalOffset() : 0);
    if (row && pane && y >= row->m_rect.top && y < row->m_rect.bottom) {
        if (control->m_bPressed) {
            control->TrackDrag(point.x, point.y, *pane);
            return;
        }
        // The grip and the right edge of a selected magnet show where a move and a resize start.
        const int offset = pane->GetHorizontalOffset();
        if (const int index = row->ItemAt(point.x, y, offset); index >= 0) {
            SetDragCursor(row->m_arrMagnets[index].HitTestEdge(point.x, offset));
            return;
        }
    }
    CWnd::OnMouseMove(flags, point);
}

bool CMagnetCtrlBody::DropMovedMagnets(CMagnetCtrl& control, int& chooserTarget) {
    CMagnetRow* row = control.GetCurrentRow();
    CMagnetCtrlView* pane = GetPane();
    if (!row || !pane || control.m_arrDragItems.empty()) return false;
    const int dragged = control.FindDraggedInRow();
    const int target = control.ItemAtDragPoint();
    const bool move = control.m_arrDragItems.size() > 1 || dragged == CMagnetCtrl::kNone || target < 0 ||
                      row->m_arrMagnets[dragged].m_bGroupItem || target == dragged ||
                      (row->m_arrMagnets[target].m_nGroup != 0 &&
                       row->m_arrMagnets[target].m_nGroup == row->m_arrMagnets[dragged].m_nGroup);
    if (!move) {
        // One magnet dropped on another: they exchange places where this drag's marks allow it;
        // a rotation is chosen once the mouse is given back.
        const int mark = row->m_arrMagnets[target].m_nSwapMark;
        if (mark == kSwapDirect) {
            control.SwapStarts(target, dragged);
            return true;
        }
        if (mark == kSwapIndirect) chooserTarget = target;
        return false;
    }
    int startX = 0, unused = 0;
    if (!pane->GetTitle().TimeSpanToX(control.m_dtDragStart, COleDateTimeSpan(0, 0, 5, 0), startX, unused)) return false;
    const int dx = control.m_ptDrag.x - startX;
    bool changed = false;
    for (CMagnetItem& magnet : row->m_arrMagnets) {
        if (!magnet.m_bSelected) continue;
        const COleDateTimeSpan span = pane->GetTitle().WidthToSpan(magnet.m_dtEntryStart, dx);
        if (WholeMinutes(span) == 0) continue;
        const COleDateTime before = magnet.m_dtEntryStart;
        magnet.SetStartHour(before + span);
        // A short move that the whole hour takes back is no change.
        changed |= WholeMinutes(magnet.m_dtEntryStart - before) != 0;
    }
    control.CopySelectionToDrag();
    return changed;
}

bool CMagnetCtrlBody::EndResize(CMagnetCtrl& control) {
    CMagnetRow* row = control.GetCurrentRow();
    if (!row) return false;
    bool changed = false;
    for (CMagnetItem& magnet : row->m_arrMagnets) {
        if (!magnet.m_bSelected) continue;
        magnet.SnapToHours();
        changed |= magnet.HasLengthChanged();
    }
    return changed;
}

void CMagnetCtrlBody::OnLButtonUp(UINT flags, CPoint point) {
    CMagnetCtrl* control = GetControl();
    if (control && control->m_bPressed) {
        // The drop is worked out first: giving the mouse back ends the press.
        int chooserTarget = CMagnetCtrl::kNone;
        bool changed = (control->m_nDragMode == CMagnetCtrl::kDragMove && DropMovedMagnets(*control, chooserTarget)) ||
                       (control->m_nDragMode == CMagnetCtrl::kDragResize && EndResize(*control));
        if (GetCapture() == this) ReleaseCapture();
        EndPress(*control);
        if (chooserTarget != CMagnetCtrl::kNone) changed = control->ChooseSwap(chooserTarget, control->FindDraggedInRow());
        if (changed) {
            if (CWnd* page = control->GetPage()) page->SendMessage(WM_MB_MAGNETS_EDITED, 0, 0);
        }
        Invalidate(FALSE);
    }
    CWnd::OnLButtonUp(flags, point);
}

void CMagnetCtrlBody::OnCaptureChanged(CWnd* wnd) {
    // The mouse was taken away: the press ends without an edit.
    if (CMagnetCtrl* control = GetControl(); control && control->m_bPressed && wnd != this) EndPress(*control);
    CWnd::OnCaptureChanged(wnd);
}

void CMagnetCtrlBody::EndPress(CMagnetCtrl& control) {
    control.m_bPressed = 0;
    control.m_bPressPending = 0;
    control.m_bDragActive = 0;
    control.m_pPressPane = nullptr;
    control.m_ptPress = CPoint(0, 0);
    control.m_nDragMode = CMagnetCtrl::kDragNone;
    if (CScheduleData* data = GetAppDocument()) data->Host().SetStatusText(LoadResString(AFX_IDS_IDLEMESSAGE));
    // The swap marks belong to this drag: a later one that computes none must not swap by them.
    if (CMagnetRow* row = control.GetCurrentRow())
        for (CMagnetItem& magnet : row->m_arrMagnets) magnet.m_nSwapMark = 0;
    if (control.m_nTimerId) control.KillTimer(control.m_nTimerId);
    control.m_nTimerId = 0;
    for (int i = 0; i < 2; ++i) {
        if (!control.GetPane(i).GetSafeHwnd()) continue;
        control.GetPane(i).GetTitle().SendMessage(WM_MB_HIGHLIGHT, 0, 0);
        // The drag's tip told what the dragged magnet would meet; it says nothing once it is dropped.
        if (CHtmlToolTip& tip = control.GetPane(i).GetBody().GetToolTip(); tip.GetSafeHwnd()) tip.Pop();
    }
}
