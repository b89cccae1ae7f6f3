#include "planner/magnet_ctrl_header.h"

#include <algorithm>

#include "controls/app_document.h"
#include "model/schedule_data.h"
#include "planner/board_tool_tip.h"
#include "planner/magnet_ctrl.h"
#include "planner/magnet_messages.h"
#include "platform/ui/client_dc.h"
#include "platform/ui/icon.h"
#include "timetable/grid_scale.h"

BEGIN_MESSAGE_MAP(CMagnetCtrlHeader, CWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEWHEEL()
END_MESSAGE_MAP()

CMagnetCtrlHeader::~CMagnetCtrlHeader() { DestroyWindow(); }

int CMagnetCtrlHeader::OnCreate(LPCREATESTRUCT cs) {
    if (CWnd::OnCreate(cs) == -1) return -1;
    const double s = GetGridScale();
    m_nRowHeight = ScaleGridPixels(28, s);
    m_nMinRowHeight = ScaleGridPixels(18, s);
    CreateGridFont(m_font, ScaleGridPixels(13, s), 0, CLEARTYPE_QUALITY);
    CreateBoardToolTip(m_toolTip, this, 22);
    return 0;
}

BOOL CMagnetCtrlHeader::PreTranslateMessage(MSG* msg) {
    if (m_toolTip.GetSafeHwnd()) m_toolTip.RelayEvent(msg);
    return CWnd::PreTranslateMessage(msg);
}

CMagnetCtrl* CMagnetCtrlHeader::GetControl() const {
    CWnd* owner = GetOwner();
    return dynamic_cast<CMagnetCtrl*>(owner ? owner : GetParent());
}

int CMagnetCtrlHeader::GetTotalHeight() const {
    const CMagnetCtrl* control = GetControl();
    return control ? static_cast<int>(control->GetRows().size()) * (m_nRowHeight + kBand) : 0;
}

int CMagnetCtrlHeader::RowIdAt(CPoint point) const {
    const CMagnetCtrl* control = GetControl();
    if (!control) return 0;
    const int index = control->RowAtY(point.y);
    if (index == CMagnetCtrl::kNone) return 0;
    const CMagnetRow& row = control->GetRows()[index];
    // The rectangle is in content pixels; the client point is shifted by the scroll offset.
    return row.m_rect.PtInRect(CPoint(point.x, point.y + control->GetVerticalOffset())) ? row.m_nEntityId : 0;
}

BOOL CMagnetCtrlHeader::OnEraseBkgnd(CDC*) { return TRUE; }

void CMagnetCtrlHeader::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, GetSysColor(COLOR_WINDOW));
    CMagnetCtrl* control = GetControl();
    if (!control) return;
    const int saved = dc.SaveDC();
    dc.SelectObject(&m_font);
    dc.SetBkMode(TRANSPARENT);
    const int offset = control->GetVerticalOffset();
    int first = 0, last = 0;
    control->GetRowsInRange(client.top + offset, client.bottom + offset, first, last);
    const auto& rows = control->GetRows();
    for (int i = first; i < last; ++i) {
        const CMagnetRow& row = rows[i];
        const CRect r(client.left, row.m_rect.top - offset, client.right, row.m_rect.bottom - offset);
        if (row.m_nEntityId == control->GetCurrentRowId()) dc.FillSolidRect(&r, GetSysColor(COLOR_ACTIVECAPTION));
        dc.Draw3dRect(&r, GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNFACE));
        const int y = r.top + (m_nRowHeight + kBand) / 2 - 7;
        control->GetImages().Draw(&dc, row.m_nEntityType + 6, CPoint(3, y), ILD_TRANSPARENT);
        CRect text(r.left + 21, y, 500, r.bottom);
        dc.DrawText(row.m_strName, &text, DT_SINGLELINE | DT_NOPREFIX);
    }
    dc.RestoreDC(saved);
}

void CMagnetCtrlHeader::OnMouseMove(UINT flags, CPoint point) {
    const CMagnetCtrl* control = GetControl();
    if (m_bBoundaryDrag) {
        CClientDC dc(this);
        CRect client;
        GetClientRect(&client);
        const CRect old(client.left, m_nLastY - 1, client.right, m_nLastY + 1);
        const CRect now(client.left, point.y - 1, client.right, point.y + 1);
        dc.InvertRect(&old);
        dc.InvertRect(&now);
        ::SetCursor(::LoadCursor(nullptr, IDC_SIZENS));
    } else if (control && !control->GetRows().empty() && m_nRowHeight != 0) {
        const int c = (point.y + control->GetVerticalOffset()) % (m_nRowHeight + kBand);
        if (c < 3 || c > m_nRowHeight + 4) {
            ::SetCursor(::LoadCursor(nullptr, IDC_SIZENS));
            m_nHoverState = 2;
        } else {
            ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
            m_nHoverState = 0;
        }
    }
    m_nLastX = point.x;
    m_nLastY = point.y;
    CWnd::OnMouseMove(flags, point);
}

void CMagnetCtrlHeader::OnLButtonDown(UINT flags, CPoint point) {
    SetFocus();
    if (m_nHoverState == 2) {
        ::SetCursor(::LoadCursor(nullptr, IDC_SIZENS));
        m_bBoundaryDrag = 1;
        m_nPressY = point.y;
        SetCapture();
    } else if (CMagnetCtrl* control = GetControl()) {
        const int id = RowIdAt(point);
        if (id != 0 && id != control->GetCurrentRowId()) control->SelectRow(id);
    }
    CWnd::OnLButtonDown(flags, point);
}

void CMagnetCtrlHeader::OnLButtonUp(UINT flags, CPoint point) {
    if (m_bBoundaryDrag) {
        ReleaseCapture();
        m_nRowHeight = std::max(m_nRowHeight + (point.y - m_nPressY), m_nMinRowHeight);
        Invalidate();
        if (CMagnetCtrl* control = GetControl(); control && control->GetSafeHwnd())
            control->SendMessage(WM_MB_RELAYOUT, 0, 0);
    }
    m_bBoundaryDrag = 0;
    CWnd::OnLButtonUp(flags, point);
}

BOOL CMagnetCtrlHeader::OnMouseWheel(UINT, short delta, CPoint) {
    CMagnetCtrl* control = GetControl();
    return control ? control->ScrollByWheel(delta) : FALSE;
}

BOOL CMagnetCtrlHeader::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    auto* nm = reinterpret_cast<NMHTMLTOOLTIP*>(lParam);
    if (nm->hdr.code != HTTN_NEEDTEXT) return CWnd::OnNotify(wParam, lParam, result);
    *result = 0;
    CScheduleData* data = GetAppDocument();
    if (!nm->pToolInfo || !data || !nm->pParam) return TRUE;
    CPoint point = *static_cast<POINT*>(nm->pParam);
    ScreenToClient(&point);
    const int id = RowIdAt(point);
    const auto entity = id ? data->FindEntity(id) : data->m_arrEntities.end();
    if (entity != data->m_arrEntities.end()) nm->pToolInfo->m_text = entity->BuildInfoTip(*data);
    return TRUE;
}
