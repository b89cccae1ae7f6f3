#include "timetable/time_table_ctrl_body.h"

#include <algorithm>

#include "controls/my_list_ctrl.h"
#include "platform/ui/client_dc.h"
#include "platform/ui/icon.h"
#include "platform/ui/window_class.h"
#include "resource_ids.h"
#include "timetable/grid_scale.h"
#include "timetable/time_table_ctrl.h"
#include "timetable/time_table_ctrl_view.h"

BEGIN_MESSAGE_MAP(CTimeTableCtrlBody, CWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_MOUSEMOVE()
    ON_WM_TIMER()
    ON_WM_MOUSEWHEEL()
    ON_WM_DESTROY()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_KEYDOWN()
    ON_WM_CAPTURECHANGED()
    ON_WM_RBUTTONDOWN()
    ON_COMMAND(ID_SET_STATE_0, &CTimeTableCtrlBody::OnSetState0)
    ON_COMMAND(ID_SET_STATE_1, &CTimeTableCtrlBody::OnSetState1)
    ON_COMMAND(ID_SET_STATE_2, &CTimeTableCtrlBody::OnSetState2)
    ON_COMMAND(ID_SET_STATE_7, &CTimeTableCtrlBody::OnSetState7)
    ON_COMMAND(ID_SET_STATE_9, &CTimeTableCtrlBody::OnSetState9)
    ON_UPDATE_COMMAND_UI(ID_SET_STATE_0, &CTimeTableCtrlBody::OnUpdateSetState0)
    ON_UPDATE_COMMAND_UI(ID_SET_STATE_1, &CTimeTableCtrlBody::OnUpdateSetState1)
    ON_UPDATE_COMMAND_UI(ID_SET_STATE_2, &CTimeTableCtrlBody::OnUpdateSetState2)
    ON_UPDATE_COMMAND_UI(ID_SET_STATE_7, &CTimeTableCtrlBody::OnUpdateSetState7)
    ON_UPDATE_COMMAND_UI(ID_SET_STATE_9, &CTimeTableCtrlBody::OnUpdateSetState9)
    ON_COMMAND(ID_NAVIGATE_FORWARD, &CTimeTableCtrlBody::OnNavigateForward)
    ON_COMMAND(ID_NAVIGATE_BACK, &CTimeTableCtrlBody::OnNavigateBack)
    ON_COMMAND_RANGE(ID_NAVIGATE_MEMBER, ID_NAVIGATE_MEMBER + 1000, &CTimeTableCtrlBody::OnNavigateToMember)
    ON_COMMAND(ID_NEXT_ENTITY, &CTimeTableCtrlBody::OnNextEntity)
    ON_COMMAND(ID_PREVIOUS_ENTITY, &CTimeTableCtrlBody::OnPreviousEntity)
    ON_UPDATE_COMMAND_UI(ID_NEXT_ENTITY, &CTimeTableCtrlBody::OnUpdateNextEntity)
    ON_UPDATE_COMMAND_UI(ID_PREVIOUS_ENTITY, &CTimeTableCtrlBody::OnUpdatePreviousEntity)
    ON_UPDATE_COMMAND_UI(ID_NAVIGATE_FORWARD, &CTimeTableCtrlBody::OnUpdateAlwaysEnabled)
    ON_UPDATE_COMMAND_UI(ID_NAVIGATE_BACK, &CTimeTableCtrlBody::OnUpdateAlwaysEnabled)
    ON_UPDATE_COMMAND_UI_RANGE(ID_NAVIGATE_MEMBER, ID_NAVIGATE_MEMBER + 1000, &CTimeTableCtrlBody::OnUpdateAlwaysEnabled)
    ON_COMMAND(ID_ENTRY_PEOPLE, &CTimeTableCtrlBody::OnEntryPeople)
    ON_COMMAND(ID_ENTRY_ASSOCIATIONS, &CTimeTableCtrlBody::OnAssociations)
    ON_UPDATE_COMMAND_UI(ID_ENTRY_PEOPLE, &CTimeTableCtrlBody::OnUpdateAlwaysEnabled)
    ON_UPDATE_COMMAND_UI(ID_ENTRY_ASSOCIATIONS, &CTimeTableCtrlBody::OnUpdateAlwaysEnabled)
    ON_MESSAGE(CMyListCtrl::kDragPrepare, &CTimeTableCtrlBody::OnDragPrepare)
    ON_MESSAGE(CMyListCtrl::kDragBegin, &CTimeTableCtrlBody::OnDragBegin)
    ON_MESSAGE(CMyListCtrl::kDragOver, &CTimeTableCtrlBody::OnDragOver)
    ON_MESSAGE(CMyListCtrl::kDrop, &CTimeTableCtrlBody::OnDrop)
    ON_MESSAGE(CMyListCtrl::kDragEnd, &CTimeTableCtrlBody::OnDragCancel)
END_MESSAGE_MAP()

namespace {
constexpr COLORREF kMagenta = RGB(255, 0, 255);
}

CTimeTableCtrlBody::CTimeTableCtrlBody(CTimeTableCtrlTitle* title, CTimeTableCtrlHeader* header, int paneIndex)
    : m_dtDragStart(0.0), m_pTitle(title), m_pHeader(header), m_nPaneIndex(paneIndex) {}

CTimeTableCtrlBody::~CTimeTableCtrlBody() { DestroyWindow(); }

int CTimeTableCtrlBody::OnCreate(LPCREATESTRUCT cs) {
    if (CWnd::OnCreate(cs) == -1) return -1;
    m_hDragCursor = ::LoadCursor(AfxGetInstanceHandle(), MAKEINTRESOURCE(IDCUR_SPLIT_HORZ));
    m_images.Create(IDB_PANEL_IMAGES, 16, 1, kMagenta);
    CreateGridFont(m_font, ScaleGridPixels(13, GetGridScale()), 600, 6);
    m_outsideBrush.Load(m_nPaneIndex == 0 ? IDB_GRID_OUTSIDE : IDB_GRID_OUTSIDE_SECOND);
    m_workingBrush.Load(m_nPaneIndex == 0 ? IDB_GRID_WORKING : IDB_GRID_WORKING_SECOND);
    m_absenceBrush.Load(IDB_GRID_ABSENCE);
    m_freedBrush.Load(IDB_GRID_FREED);

    m_toolTip.Create(this, TRUE);
    CBitmap strip;
    if (strip.LoadBitmap(IDB_PANEL_IMAGES))
        m_toolTip.m_drawer.SetImageStrip(16, 16, static_cast<HBITMAP>(strip.Detach()), 23, kMagenta);
    m_toolTip.m_notifyWindow = m_hWnd;
    CHtmlToolInfo tool;
    tool.m_toolValue = 0;
    tool.m_rect = CRect(0, 0, 5000, 5000);
    tool.m_overrideMask = HTTO_STYLE;
    tool.m_styleBits = HTTS_SHOW_AGAIN | HTTS_NO_AUTOHIDE;
    m_toolTip.AddToolInfo(m_hWnd, tool);
    return 0;
}

void CTimeTableCtrlBody::OnDestroy() {
    if (m_toolTip.GetSafeHwnd()) m_toolTip.Pop();
    CWnd::OnDestroy();
}

BOOL CTimeTableCtrlBody::PreTranslateMessage(MSG* msg) {
    if (m_toolTip.GetSafeHwnd()) m_toolTip.RelayEvent(msg);
    return CWnd::PreTranslateMessage(msg);
}

CTimeTableCtrlView* CTimeTableCtrlBody::GetPane() const {
    CWnd* owner = GetOwner();
    return dynamic_cast<CTimeTableCtrlView*>(owner ? owner : GetParent());
}

CTimeTableCtrl* CTimeTableCtrlBody::GetControl() const {
    CTimeTableCtrlView* pane = GetPane();
    if (!pane) return nullptr;
    CWnd* owner = pane->GetOwner();
    return dynamic_cast<CTimeTableCtrl*>(owner ? owner : pane->GetParent());
}

const std::vector<CItemTime>* CTimeTableCtrlBody::GetPinnedRanges() const {
    const CTimeTableCtrl* control = GetControl();
    return control ? control->GetPinnedRanges() : nullptr;
}

// Input that the painting depends on ---------------------------------------------------------------

void CTimeTableCtrlBody::SetCurrentPoint(CPoint point) {
    const CTimeTableCtrlView* pane = GetPane();
    const int before = pane ? pane->ItemAt(GetCurrentPoint()) : CTimeTableCtrlView::kNone;
    const int after = pane ? pane->ItemAt(point) : CTimeTableCtrlView::kNone;
    m_nCurrentX = point.x;
    m_nCurrentY = point.y;
    if (before == after || !m_hWnd) return;
    // The painter marks the item under the point: only the two items change.
    for (const int index : {before, after}) {
        if (index == CTimeTableCtrlView::kNone) continue;
        const CRect& r = pane->m_arrItems[index].m_rect;
        const CRect area(r.left, r.top, r.right + 2, r.bottom);
        InvalidateRect(&area, FALSE);
    }
}

void CTimeTableCtrlBody::OnTimer(UINT_PTR id) {
    if (id == kBlinkTimer) {
        KillTimer(m_nTimerId);
        if (m_bDragging) {
            m_nBlinkPhase = 1 - m_nBlinkPhase;
            InvalidateBlinkingItems();
            m_nTimerId = SetTimer(kBlinkTimer, 500);
        }
    }
    CWnd::OnTimer(id);
}

void CTimeTableCtrlBody::InvalidateBlinkingItems() {
    // Only the images on items flash; the rest of the picture stays as it is.
    const CTimeTableCtrlView* pane = GetPane();
    if (!pane) return;
    const bool entityDrag = m_nDragMode == kDragExternal && (m_nPanelMode == 2 || m_nPanelMode == 3);
    for (const CTimeTableItem& item : pane->m_arrItems) {
        const bool swapMark = item.m_nSwapMark >= 17 && item.m_nSwapMark <= 19 && !item.m_bSelected;
        if (!(entityDrag && !item.m_bGroupItem) && !swapMark) continue;
        InvalidateRect(&item.m_rect, FALSE);
    }
}

BOOL CTimeTableCtrlBody::OnMouseWheel(UINT, short delta, CPoint) {
    CTimeTableCtrlView* pane = GetPane();
    return pane ? pane->ScrollByWheel(delta) : FALSE;
}

// Painting --------------------------------------------------------------------------------------------

BOOL CTimeTableCtrlBody::OnEraseBkgnd(CDC*) { return TRUE; }

void CTimeTableCtrlBody::OnPaint() {
    // The window's picture is itself an off-screen bitmap that is shown only after the paint,
    // so the layers are drawn straight into it, clipped to the area that needs it.
    CPaintDC dc(this);
    CTimeTableCtrlView* pane = GetPane();
    if (!pane || !pane->GetSafeHwnd()) return;
    CRect client;
    GetClientRect(&client);
    CRect box;
    if (!box.IntersectRect(&client, &dc.m_ps.rcPaint)) return;
    const int saved = dc.SaveDC();
    dc.SelectObject(&m_font);
    dc.SetBkMode(TRANSPARENT);

    PaintBackground(&dc, client);
    PaintWorkingTime(&dc, *pane);
    PaintAbsences(&dc, *pane);
    PaintFreedAndPinned(&dc, *pane);
    PaintHourLines(&dc, client);
    PaintDayStrips(&dc, *pane, client);
    PaintRangeBars(&dc, *pane);
    PaintClashBlocks(&dc, *pane);
    PaintItems(&dc, *pane, box);
    PaintSwapPreview(&dc, *pane);
    PaintCurrentTime(&dc);
    // The ghosts of moved items are part of the picture too, so a repaint never loses them.
    PaintGhosts(&dc, *pane);
    dc.RestoreDC(saved);
}
