// The main frame's creation, layout, splitters and command routing.
#include "frame/main_frame.h"

#include <algorithm>
#include <cstdlib>

#include "frame/frame_application.h"
#include "platform/core/load_res_string.h"
#include "platform/core/window_styles.h"
#include "platform/ui/client_dc.h"
#include "platform/ui/dc.h"
#include "platform/ui/icon.h"
#include "platform/ui/system_metrics.h"
#include "platform/ui/win_app.h"
#include "platform/ui/window_class.h"
#include "resource_ids.h"

namespace {

constexpr UINT kIndicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};
constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr int kUseDefault = static_cast<int>(0x80000000u);
constexpr UINT kAlwaysEnabledFirst = 32804, kAlwaysEnabledLast = 32805;
// Between the last toolbar button and the combo box's label, and from the label to the box.
constexpr int kLabelGap = 15, kLabelWidth = 90, kLabelToCombo = 85, kMinComboWidth = 160;

}  // namespace

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_SIZE()
    ON_WM_CLOSE()
    ON_WM_TIMER()
    ON_WM_ACTIVATEAPP()
    ON_MESSAGE(WM_SETMESSAGESTRING, &CMainFrame::OnSetMessageString)
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_MESSAGE(WM_USER + 26, &CMainFrame::OnPanelClosed)
    ON_MESSAGE(WM_USER + 9, &CMainFrame::OnRecalcLayout)
    ON_COMMAND_RANGE(kAlwaysEnabledFirst, kAlwaysEnabledLast, &CMainFrame::OnAlwaysEnabled)
    ON_UPDATE_COMMAND_UI_RANGE(kAlwaysEnabledFirst, kAlwaysEnabledLast, &CMainFrame::OnUpdateAlwaysEnabled)
END_MESSAGE_MAP()

CMainFrame::CMainFrame(IFrameApplication& app) : m_app(app) {}

CMainFrame::~CMainFrame() = default;

BOOL CMainFrame::PreCreateWindow(CREATESTRUCT& cs) {
    if (!CFrameWnd::PreCreateWindow(cs)) return FALSE;
    if (LoadResString(IDS_RTL_LAYOUT) == L"Y") cs.dwExStyle |= WS_EX_LAYOUTRTL;
    // Left to the system, the window takes three quarters of the screen's work area.
    RECT work{0, 0, 0, 0};
    if (cs.cx == kUseDefault && SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0) && work.right > work.left) {
        cs.cx = (work.right - work.left) * 3 / 4;
        cs.cy = (work.bottom - work.top) * 3 / 4;
        cs.x = work.left + (work.right - work.left - cs.cx) / 2;
        cs.y = work.top + (work.bottom - work.top - cs.cy) / 2;
    }
    return TRUE;
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1) return -1;
    // The menu bar takes the place of the window menu.
    SetMenu(nullptr);
    if (!CreateBars()) return -1;

    // Sizes follow the screen's vertical dots per inch.
    int dpi = 96;
    {
        CClientDC dc(this);
        dpi = dc.GetDeviceCaps(LOGPIXELSY);
    }
    m_nExplorerWidth = 150 * dpi / 96;
    m_nMinExplorerWidth = 100 * dpi / 96;
    if (!m_wndExplorerBar.Create(CRect(0, 0, 0, 0), this, kExplorerBarId)) return -1;

    m_toolBarFont.CreateFont(18, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, FF_SWISS, L"Arial");
    m_wndEntityCombo.SetFont(&m_toolBarFont);
    m_wndComboLabel.SetFont(&m_toolBarFont);
    m_wndToolBar.SetFont(&m_toolBarFont);

    if (!m_wndTabCtrl.Create(this, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), kTabCtrlId)) return -1;
    m_tabFont.CreatePointFont(90, L"Tahoma");
    m_wndTabCtrl.SetNormalFont(&m_tabFont);
    m_wndTabCtrl.SetSelectedFont(&m_tabFont);
    CBitmap tabBitmap;
    if (!m_imlTabs.Create(32, 32, ILC_COLOR32 | ILC_MASK, 6, 0) || !tabBitmap.LoadBitmap(IDB_PAGE_TABS) ||
        m_imlTabs.Add(&tabBitmap, kMagenta) < 0)
        return -1;
    m_wndTabCtrl.SetImageLists(&m_imlTabs, nullptr);
    if (!CreatePages()) return -1;

    // The message panel: shown while it has something to list.
    if (!m_wndMessagePanel.Create(nullptr, nullptr, WS_CHILD, CRect(0, 0, 0, 0), this, kMessagePanelId)) return -1;
    m_wndMessagePanel.SetOwner(this);
    m_wndMessagePanel.m_nListOptions = 1;
    m_wndMessagePanel.m_pFilterSetting = &m_app.FilterSetting();
    CBitmap panelBitmap;
    if (m_imlPanel.Create(16, 16, ILC_COLOR32 | ILC_MASK, 23, 0) && panelBitmap.LoadBitmap(IDB_PANEL_IMAGES))
        m_imlPanel.Add(&panelBitmap, kMagenta);
    m_wndMessagePanel.m_wndList.SetImageList(&m_imlPanel, LVSIL_SMALL);
    m_wndMessagePanel.InsertColumn(0, LoadResString(IDS_MESSAGES), 6000);

    ApplyTabStyle(m_app.GetTabStyle());
    ApplyExplorerBarStyle(m_app.GetExplorerBarStyle());
    m_bCreated = TRUE;
    RebuildExplorerBar();
    SetStatusText(L"%s", LoadResString(IDS_STATUS_READY).GetString());
    m_hCursorHorz = AfxGetApp() ? AfxGetApp()->LoadCursor(IDCUR_SPLIT_HORZ) : nullptr;
    m_hCursorVert = AfxGetApp() ? AfxGetApp()->LoadCursor(IDCUR_SPLIT_VERT) : nullptr;
    return 0;
}

BOOL CMainFrame::CreateBars() {
    if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT | TBSTYLE_CUSTOMERASE | TBSTYLE_REGISTERDROP | TBSTYLE_TRANSPARENT,
                               WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect(0, 0, 0, 0), AFX_IDW_TOOLBAR) ||
        !m_wndToolBar.LoadToolBar(IDR_MAINFRAME, TRUE))
        return FALSE;
    if (!m_wndMenuBar.Create(this, 0) || !m_wndMenuBar.LoadMenu(IDR_MAINFRAME, TRUE) ||
        !m_wndMenuBar.LoadToolBarIds(IDR_MAINFRAME))
        return FALSE;
    if (!m_wndReBar.Create(this, RBS_BANDBORDERS, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | CBRS_TOP,
                           AFX_IDW_REBAR))
        return FALSE;
    const CSize menuSize = m_wndMenuBar.GetIdealSize();
    m_wndMenuBar.MoveWindow(0, 0, menuSize.cx, menuSize.cy);
    if (!m_wndReBar.AddBar(&m_wndMenuBar, nullptr, nullptr, RBBS_GRIPPERALWAYS | RBBS_FIXEDBMP) ||
        !m_wndReBar.AddBar(&m_wndToolBar, nullptr, nullptr, RBBS_BREAK))
        return FALSE;
    if (!m_wndStatusBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, AFX_IDW_STATUS_BAR) ||
        !m_wndStatusBar.SetIndicators(kIndicators, static_cast<int>(std::size(kIndicators))))
        return FALSE;
    if (!m_wndEntityCombo.Create(WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
                                 CRect(0, 0, 0, 0), &m_wndToolBar, kEntityComboId))
        return FALSE;
    if (!m_wndComboLabel.Create(LoadResString(IDS_ENTITY_COMBO_LABEL), WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0),
                                &m_wndToolBar, kComboLabelId))
        return FALSE;
    return TRUE;
}

BOOL CMainFrame::CreatePages() {
    // Pages are created in the order of their ids and get their tabs in tab order.
    std::vector<int> byId;
    for (const CFrameTab& tab : kFrameTabs) byId.push_back(tab.pageId);
    std::sort(byId.begin(), byId.end());
    m_pages.resize(kFrameTabCount);
    for (int pageId : byId) {
        const FramePageFactory* factory = FindFramePageFactory(pageId);
        if (!factory) continue;
        std::unique_ptr<CFramePage> page = (*factory)();
        if (!page || !page->CreatePage(&m_wndTabCtrl, static_cast<UINT>(pageId))) return FALSE;
        for (int i = 0; i < kFrameTabCount; ++i)
            if (kFrameTabs[i].pageId == pageId) m_pages[i] = std::move(page);
    }
    for (int i = 0; i < kFrameTabCount; ++i) {
        if (!m_pages[i]) continue;
        TabCtrlItem* item = m_wndTabCtrl.AddTab(static_cast<int>(m_wndTabCtrl.GetItems().size()), m_pages[i]->GetSafeHwnd(),
                                                LoadResString(kFrameTabs[i].caption), kFrameTabs[i].image);
        if (!item) return FALSE;
        item->SetTooltipText(LoadResString(kFrameTabs[i].tooltip));
        m_pages[i]->SetOwner(this);
    }
    return TRUE;
}

CFramePage* CMainFrame::FindPage(int pageId) const {
    for (int i = 0; i < kFrameTabCount && i < static_cast<int>(m_pages.size()); ++i)
        if (kFrameTabs[i].pageId == pageId) return m_pages[i].get();
    return nullptr;
}

int CMainFrame::GetCurrentTabIndex() const {
    const TabCtrlItem* current = m_wndTabCtrl.GetCurrentTab();
    if (!current) return -1;
    for (int i = 0; i < static_cast<int>(m_pages.size()); ++i)
        if (m_pages[i] && m_pages[i]->GetSafeHwnd() == current->pageWnd) return i;
    return -1;
}

void CMainFrame::ApplyTabStyle(int style) {
    m_wndTabCtrl.SetStyle(m_wndTabCtrl.GetStyleForSetting(style));
    m_wndTabCtrl.RecalcLayout(FALSE);
    m_wndTabCtrl.Invalidate(FALSE);
}

// The explorer bar has only its place so far; its look is applied when it stands.
void CMainFrame::ApplyExplorerBarStyle(int style) { m_wndExplorerBar.SetStyle(style + 1); }

void CMainFrame::RebuildExplorerBar() {
    const int tab = GetCurrentTabIndex();
    m_nLastTab = tab;
    if (tab < 0) {
        m_wndExplorerBar.BuildFromMenu(0);
        return;
    }
    // A page whose menu is not in the pack leaves the bar empty.
    if (m_wndExplorerBar.BuildFromMenu(kFrameTabs[tab].explorerMenu))
        m_wndExplorerBar.SetImagesFromToolBar(kFrameTabs[tab].explorerMenu);
    m_wndExplorerBar.SetStyle(m_wndExplorerBar.GetStyle());
}

void CMainFrame::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, GetSysColor(COLOR_BTNFACE));
}

void CMainFrame::PlaceComboBox() {
    // The label and the box follow the last toolbar button, wherever the pack's toolbar ends.
    CRect bar;
    m_wndToolBar.GetClientRect(&bar);
    int x = bar.left;
    if (const int count = m_wndToolBar.GetCount(); count > 0) {
        CRect last;
        m_wndToolBar.GetItemRect(count - 1, &last);
        x = last.right;
    }
    const int labelX = x + kLabelGap;
    m_wndComboLabel.MoveWindow(labelX, bar.top + 10, kLabelWidth, bar.bottom - (bar.top + 10));
    const int comboX = labelX + kLabelToCombo;
    m_wndEntityCombo.MoveWindow(comboX, bar.top + 8, std::max(kMinComboWidth, static_cast<int>(bar.right) - 10 - comboX), 500);
}

void CMainFrame::OnSize(UINT nType, int cx, int cy) {
    CFrameWnd::OnSize(nType, cx, cy);
    if (m_bCreated) PlaceComboBox();
    RecalcLayout();
    if (nType == SIZE_MAXIMIZED) BroadcastUpdate(8);
}

int CMainFrame::MessagePanelSplit(int top, int bottom) {
    const int s = static_cast<int>(0.8 * (bottom - top));
    if (std::abs(m_nPanelOffset) > static_cast<int>(s * 0.2)) m_nPanelOffset = 0;
    return s + m_nPanelOffset;
}

void CMainFrame::RecalcLayout(BOOL bNotify) {
    CFrameWnd::RecalcLayout(bNotify);
    if (m_bCreated) {
        CRect client, rebar, status;
        GetClientRect(&client);
        m_wndReBar.GetClientRect(&rebar);
        m_wndStatusBar.GetClientRect(&status);
        const int top = rebar.Height();
        const int bottom = client.Height() - status.Height();
        const int left = client.left, right = client.right;
        int b = bottom;
        if (m_bPanelShown) {
            const int y = MessagePanelSplit(top, bottom);
            m_wndMessagePanel.MoveWindow(left, y + 2, right - left, bottom - (y + 2));
            m_wndMessagePanel.m_wndList.SetColumnWidth(0, right - left);
            m_wndMessagePanel.ShowWindow(SW_SHOW);
            b = y - 2;
        } else {
            m_wndMessagePanel.ShowWindow(SW_HIDE);
        }
        m_wndExplorerBar.MoveWindow(left, top, m_nExplorerWidth - 2 - left, b - 1 - top);
        m_wndTabCtrl.MoveWindow(m_nExplorerWidth + 1, top - 3, right - (m_nExplorerWidth + 1), b - top + 3);
        m_wndToolBar.Invalidate();
        m_wndMenuBar.Invalidate();
    }
    if (m_bCreated) SetStatusText(L"%s", LoadResString(IDS_STATUS_READY).GetString());
}

LRESULT CMainFrame::OnPanelClosed(WPARAM, LPARAM) {
    m_bPanelShown = FALSE;
    RecalcLayout();
    return 0;
}

LRESULT CMainFrame::OnRecalcLayout(WPARAM, LPARAM) {
    RecalcLayout();
    return 0;
}

void CMainFrame::OnUpdateAlwaysEnabled(CCmdUI* pCmdUI) { pCmdUI->Enable(TRUE); }

// Splitters ----------------------------------------------------------------------------------

void CMainFrame::DrawSplitBand(int target, int position) {
    if (position < 0) return;
    CClientDC dc(this);
    CRect client;
    GetClientRect(&client);
    if (target == 1)
        dc.PatBlt(client.left, position, client.Width(), 2, DSTINVERT);
    else
        dc.PatBlt(position, client.top, 2, client.Height(), DSTINVERT);
}

void CMainFrame::OnMouseMove(UINT nFlags, CPoint point) {
    if (!m_bDragging) {
        if (point.x > m_nExplorerWidth - 3 && point.x < m_nExplorerWidth + 3) {
            m_nSplitterTarget = 2;
            if (m_hCursorVert) ::SetCursor(m_hCursorVert);
        } else if (m_bPanelShown) {
            m_nSplitterTarget = 1;
            if (m_hCursorHorz) ::SetCursor(m_hCursorHorz);
        } else {
            m_nSplitterTarget = 0;
        }
        CFrameWnd::OnMouseMove(nFlags, point);
        return;
    }
    DrawSplitBand(m_nSplitterTarget, m_nDragPosition);
    if (m_nSplitterTarget == 1) {
        m_nDragPosition = point.y;
    } else {
        m_nExplorerWidth = point.x;
        m_nDragPosition = point.x;
    }
    DrawSplitBand(m_nSplitterTarget, m_nDragPosition);
}

void CMainFrame::OnLButtonDown(UINT nFlags, CPoint point) {
    if (!m_bDragging && (m_nSplitterTarget == 2 || (m_nSplitterTarget == 1 && m_bPanelShown))) {
        m_bDragging = TRUE;
        m_nDragPosition = -1;
        SetCapture();
        return;
    }
    CFrameWnd::OnLButtonDown(nFlags, point);
}

void CMainFrame::OnLButtonUp(UINT nFlags, CPoint point) {
    if (!m_bDragging) {
        CFrameWnd::OnLButtonUp(nFlags, point);
        return;
    }
    DrawSplitBand(m_nSplitterTarget, m_nDragPosition);
    m_bDragging = FALSE;
    m_nDragPosition = -1;
    if (m_nSplitterTarget == 1) {
        CRect client, rebar, status;
        GetClientRect(&client);
        m_wndReBar.GetClientRect(&rebar);
        m_wndStatusBar.GetClientRect(&status);
        const int s = static_cast<int>(0.8 * (client.Height() - status.Height() - rebar.Height()));
        m_nPanelOffset = point.y - s;
        if (std::abs(m_nPanelOffset) > static_cast<int>(s * 0.2)) {
            m_nPanelOffset = 0;
            Invalidate();
        }
        ReleaseCapture();
        RecalcLayout();
    } else {
        m_nExplorerWidth = std::clamp(m_nExplorerWidth, m_nMinExplorerWidth, 4 * m_nMinExplorerWidth);
        ReleaseCapture();
        RecalcLayout();
        Invalidate();
    }
    m_nSplitterTarget = 0;
}

// Command routing ----------------------------------------------------------------------------

void CMainFrame::SetWorkerRunning(BOOL running) {
    if (running == m_bWorkerRunning) return;
    m_bWorkerRunning = running;
    if (!m_wndTabCtrl.GetSafeHwnd()) return;
    if (running)
        m_wndTabCtrl.LockWindowUpdate();
    else
        m_wndTabCtrl.UnlockWindowUpdate();
}

BOOL CMainFrame::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    // The commands keep their states until the run has ended.
    if (m_bWorkerRunning && nCode == CN_UPDATE_COMMAND_UI) return TRUE;
    if (m_bCreated) {
        const int tab = GetCurrentTabIndex();
        if (tab >= 0 && m_pages[tab] && m_pages[tab]->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
        // The explorer bar follows the selected tab; it is rebuilt only when the tab changed.
        if (tab != m_nLastTab) RebuildExplorerBar();
    }
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CMainFrame::PreTranslateMessage(MSG* pMsg) {
    if (pMsg && pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && m_wndMenuBar.GetSafeHwnd() &&
        m_wndMenuBar.TranslateMenuKey(pMsg))
        return TRUE;
    return CFrameWnd::PreTranslateMessage(pMsg);
}
