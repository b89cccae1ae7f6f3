#include "frame/my_display.h"

#include "frame/my_view.h"
#include "platform/core/window_styles.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/client_dc.h"
#include "platform/ui/icon.h"
#include "platform/ui/wait_cursor.h"
#include "platform/ui/win_app.h"
#include "platform/ui/window_api.h"
#include "resource_ids.h"

BEGIN_MESSAGE_MAP(CMyDisplay, CFramePage)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_MESSAGE(CWndBoard::kClosed, &CMyDisplay::OnCloseBoard)
END_MESSAGE_MAP()

CMyDisplay::CMyDisplay() = default;
CMyDisplay::~CMyDisplay() = default;

int CMyDisplay::OnCreate(LPCREATESTRUCT cs) {
    if (CFramePage::OnCreate(cs) == -1) return -1;
    if (!m_wndBoard.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, kBoardId)) return -1;
    m_wndBoard.SetOwner(this);
    m_wndBoard.m_showPinButton = 1;
    m_wndBoard.ShowWindow(SW_HIDE);
    CBitmap strip;
    if (m_imlImages.Create(16, 16, ILC_COLOR32 | ILC_MASK, 23, 1) && strip.LoadBitmap(IDB_PANEL_IMAGES))
        m_imlImages.Add(&strip, RGB(255, 0, 255));
    m_wndBoard.m_list.SetImageList(&m_imlImages, LVSIL_SMALL);
    m_hSplitCursor = AfxGetApp() ? AfxGetApp()->LoadCursor(IDCUR_SPLIT_VERT) : nullptr;
    return 0;
}

void CMyDisplay::OnSize(UINT, int, int) { LayoutPanes(); }

void CMyDisplay::LayoutPanes() {
    CWnd* main = GetMainWnd();
    if (!main || !main->GetSafeHwnd()) return;
    CRect client;
    GetClientRect(&client);
    const CPageSplit split = ComputePageSplit(client.left, client.Width(), m_nSplit);
    m_nSplit = split.split;
    const int sx = split.divider;
    if (m_wndBoard.m_mode != 0) {
        CRect rect(client.left, client.top, sx, client.bottom);
        LayoutClient(rect);
        main->MoveWindow(rect.left, rect.top, rect.Width(), rect.Height());
        m_wndBoard.ShowWindow(SW_SHOW);
        m_wndBoard.MoveWindow(sx + 4, client.top, client.right - (sx + 4), client.Height());
        m_wndBoard.m_list.SetColumnWidth(0, client.right - (sx + 4));
    } else {
        CRect rect = client;
        LayoutClient(rect);
        main->MoveWindow(rect.left, rect.top, rect.Width(), rect.Height());
        m_wndBoard.ShowWindow(SW_HIDE);
    }
    main->SendMessage(WM_SIZE, 0, 0);
}

void CMyDisplay::FillByMode() {
    if (m_wndBoard.m_mode == 1) FillBoard();
    if (m_wndBoard.m_mode == 3) FillBoardByKind();
}

void CMyDisplay::Refresh() {
    CWaitCursor wait;
    const int pinned = m_wndBoard.m_pinned;
    FillByMode();
    m_wndBoard.m_pinned = pinned;
    LayoutPanes();
}

void CMyDisplay::UpdateBoard() {
    if (m_wndBoard.m_pinned && m_wndBoard.m_mode != 0) {
        FillByMode();
        return;
    }
    m_wndBoard.m_mode = 0;
    LayoutPanes();
}

LRESULT CMyDisplay::OnCloseBoard(WPARAM, LPARAM) {
    if (CWnd* main = GetMainWnd()) main->SendMessage(kPanelMode, 0, 0);
    m_wndBoard.m_pinned = 0;
    m_wndBoard.m_mode = 0;
    m_wndBoard.m_options = 0;
    UpdateBoard();
    LayoutPanes();
    return 0;
}

// Split dragging: as on the side-panel pages, but only below the top 30 pixels.

void CMyDisplay::OnLButtonDown(UINT, CPoint point) {
    if (m_bDragging || point.y <= 30) return;
    if (m_hSplitCursor) ::SetCursor(m_hSplitCursor);
    m_ptDragStart = point;
    m_bDragging = 1;
    m_nLastLine = -1;
    SetCapture();
}

void CMyDisplay::OnMouseMove(UINT, CPoint point) {
    if (m_hSplitCursor) ::SetCursor(m_hSplitCursor);
    if (m_bDragging && point.y > 30) TrackPageSplit(*this, point.x, 20, m_nSplit, m_nLastLine);
}

void CMyDisplay::OnLButtonUp(UINT, CPoint point) {
    if (!m_bDragging) return;
    m_bDragging = 0;
    EndPageSplit(*this, point.x, m_nSplit);
    m_nLastLine = -1;
    if (GetCapture() == this) ReleaseCapture();
    LayoutPanes();
}
