#include "frame/my_view.h"

#include <unordered_set>

#include "controls/app_document.h"
#include "frame/main_frame.h"
#include "model/entity.h"
#include "model/linked_entities.h"
#include "model/plan_check.h"
#include "model/plan_index.h"
#include "model/schedule_data.h"
#include "platform/core/load_res_string.h"
#include "platform/core/window_styles.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/client_dc.h"
#include "platform/ui/icon.h"
#include "platform/ui/wait_cursor.h"
#include "platform/ui/win_app.h"
#include "platform/ui/window_api.h"
#include "resource_ids.h"

namespace {
constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kLinkedBack = 0x00FFFF;
}  // namespace

CPageSplit ComputePageSplit(int left, int width, int split) {
    const int p = static_cast<int>(width * 0.8);
    const int side = width - p - split - left;
    if (side < 100 || side > width / 2) split = 0;
    return CPageSplit{left + split + p - 2, split};
}

void TrackPageSplit(CWnd& page, int x, int lineTop, int& split, int& lastLine) {
    CRect client;
    page.GetClientRect(&client);
    const int p = static_cast<int>(client.Width() * 0.8);
    CClientDC dc(&page);
    for (int line : {lastLine < 0 ? split + p : lastLine, x})
        dc.PatBlt(line - 1, client.top + lineTop, 2, client.Height() - lineTop, DSTINVERT);
    lastLine = x;
    split = x - p;
}

void EndPageSplit(CWnd& page, int x, int& split) {
    CRect client;
    page.GetClientRect(&client);
    const int w = client.Width();
    split = x - static_cast<int>(w * 0.8);
    if (w - x < 100 || w - x > w / 2) {
        split = 0;
        page.Invalidate();
    }
}

BEGIN_MESSAGE_MAP(CMyView, CFramePage)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_COMMAND(ID_SHOW_PANEL_LIST, &CMyView::OnShowPanelList)
    ON_COMMAND(ID_SHOW_PANEL_ENTITIES, &CMyView::OnShowPanelEntities)
    ON_COMMAND(ID_SHOW_PANEL_ROOMS, &CMyView::OnShowPanelRooms)
    ON_COMMAND(ID_SHOW_PANEL_EXTRA_LIST, &CMyView::OnShowPanelExtraList)
    ON_UPDATE_COMMAND_UI(ID_SHOW_PANEL_LIST, &CMyView::OnUpdateAlwaysEnabled)
    ON_UPDATE_COMMAND_UI(ID_SHOW_PANEL_ENTITIES, &CMyView::OnUpdateAlwaysEnabled)
    ON_COMMAND(ID_APPLY_PANEL_SELECTION, &CMyView::OnApplyPanelSelection)
    ON_MESSAGE(kApplySelection, &CMyView::OnApplySelectionMessage)
    ON_COMMAND(ID_SHOW_PROBLEMS, &CMyView::OnShowProblems)
    ON_MESSAGE(CWndPanel::kClosed, &CMyView::OnClosePanel)
END_MESSAGE_MAP()

CMyView::CMyView() = default;
CMyView::~CMyView() = default;

int CMyView::OnCreate(LPCREATESTRUCT cs) {
    if (CFramePage::OnCreate(cs) == -1) return -1;
    if (!m_wndPanel.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, kPanelId)) return -1;
    m_wndPanel.SetOwner(this);
    m_wndPanel.m_bShowPinButton = 1;
    m_wndPanel.ShowWindow(SW_HIDE);
    CBitmap strip;
    if (m_imlImages.Create(16, 16, ILC_COLOR32 | ILC_MASK, 23, 1) && strip.LoadBitmap(IDB_PANEL_IMAGES))
        m_imlImages.Add(&strip, kMagenta);
    m_wndPanel.m_wndList.SetImageList(&m_imlImages, LVSIL_SMALL);
    m_hSplitCursor = AfxGetApp() ? AfxGetApp()->LoadCursor(IDCUR_SPLIT_VERT) : nullptr;
    return 0;
}

void CMyView::OnSize(UINT, int, int) { LayoutPanes(); }

void CMyView::LayoutPanes() {
    CWnd* main = GetMainWnd();
    if (!main || !main->GetSafeHwnd()) return;
    CRect client;
    GetClientRect(&client);
    const CPageSplit split = ComputePageSplit(client.left, client.Width(), m_nSplit);
    m_nSplit = split.split;
    const int sx = split.divider;
    if (m_wndPanel.m_nMode != 0) {
        main->MoveWindow(client.left, client.top, sx - client.left, client.Height());
        m_wndPanel.MoveWindow(sx + 4, client.top, client.right - (sx + 4), client.Height());
        m_wndPanel.m_wndList.SetColumnWidth(0, client.right - (sx + 4));
        m_wndPanel.ShowWindow(SW_SHOW);
    } else {
        main->MoveWindow(client.left, client.top, client.Width(), client.Height());
        m_wndPanel.ShowWindow(SW_HIDE);
    }
    OnLayoutDone();
    main->Invalidate(TRUE);
}

// Split dragging ---------------------------------------------------------------------------------

void CMyView::OnLButtonDown(UINT, CPoint point) {
    if (m_bDragging) return;
    if (m_hSplitCursor) ::SetCursor(m_hSplitCursor);
    m_ptDragStart = point;
    m_bDragging = 1;
    m_nLastLine = -1;
    SetCapture();
}

void CMyView::OnMouseMove(UINT, CPoint point) {
    if (m_hSplitCursor) ::SetCursor(m_hSplitCursor);
    if (m_bDragging) TrackPageSplit(*this, point.x, 0, m_nSplit, m_nLastLine);
}

void CMyView::OnLButtonUp(UINT, CPoint point) {
    if (!m_bDragging) return;
    m_bDragging = 0;
    EndPageSplit(*this, point.x, m_nSplit);
    m_nLastLine = -1;
    if (GetCapture() == this) ReleaseCapture();
    LayoutPanes();
}

// Panel modes ------------------------------------------------------------------------------------

void CMyView::StartMode(int mode, UINT dragImage, int menuFlags, UINT columnTitle, int width) {
    m_wndPanel.m_nMode = mode;
    m_wndPanel.m_wndList.m_nDragImageId = dragImage;
    m_wndPanel.Clear();
    m_wndPanel.m_wndList.RemoveAllGroups();
    m_wndPanel.m_wndList.m_bDragEnabled = 1;
    m_wndPanel.m_wndList.m_nMenuOptions = menuFlags;
    m_wndPanel.InsertColumn(0, LoadResString(columnTitle), width);
}

void CMyView::OnShowPanelList() {
    StartMode(1, 193, 0, IDS_PANEL_ACTIVITIES, 105);
    if (CWnd* main = GetMainWnd()) main->SendMessage(kPanelMode, 1, 0);
    FillPanelList();
    LayoutPanes();
}

void CMyView::OnShowPanelEntities() {
    CScheduleData* data = GetAppDocument();
    StartMode(2, 292, 5, IDS_PANEL_PEOPLE, 195);
    m_wndPanel.m_wndList.EnableGroupView(TRUE);
    const UINT groups[] = {IDS_CONTACTS_CLASSES, IDS_CONTACTS_STAFF, IDS_CONTACTS_ASSISTANTS, IDS_CONTACTS_EQUIPMENT};
    for (int g = 0; g < 4; ++g) m_wndPanel.InsertGroup(LoadResString(groups[g]), g + 1);
    if (CWnd* main = GetMainWnd()) main->SendMessage(kPanelMode, 2, 0);
    if (data) {
        const std::unordered_set<int> linkedToCurrent = LinkedEntities(*data, CPlanIndex(*data), data->m_nCurrentEntity);
        for (const CEntity& entity : data->m_arrEntities) {
            if (entity.m_bUnavailable || entity.m_nType == 4 || entity.m_nId == data->m_nCurrentEntity) continue;
            if (entity.m_nType == 5 && !m_bIncludeType5) continue;
            const int group = entity.m_nType == 1 || entity.m_nType == 2 ? 2 : entity.m_nType == 3 ? 3 : entity.m_nType == 5 ? 4 : 1;
            const bool linked = linkedToCurrent.count(entity.m_nId) != 0;
            m_wndPanel.AddItem(6 + entity.m_nType, entity.m_strName, CString(), linked ? kLinkedBack : GetSysColor(COLOR_WINDOW),
                               linked ? 5 : 1, group, entity.m_nId);
        }
    }
    m_wndPanel.Fill();
    LayoutPanes();
}

void CMyView::OnShowPanelRooms() {
    CScheduleData* data = GetAppDocument();
    if (!data) return;
    bool anyRoom = false;
    for (const CEntity& entity : data->m_arrEntities) anyRoom = anyRoom || entity.m_nType == 4;
    if (!anyRoom) return;
    StartMode(3, 293, 5, IDS_PANEL_ROOMS, 195);
    m_wndPanel.m_wndList.EnableGroupView(TRUE);
    m_wndPanel.InsertGroup(LoadResString(IDS_PANEL_ROOMS_OTHER), 1);
    m_wndPanel.InsertGroup(LoadResString(IDS_PANEL_ROOMS_DEFAULT), 2);
    if (CWnd* main = GetMainWnd()) main->SendMessage(kPanelMode, 3, 0);
    const std::unordered_set<int> linkedToCurrent = LinkedEntities(*data, CPlanIndex(*data), data->m_nCurrentEntity);
    std::unordered_set<int> defaultRooms;
    for (const CEntity& entity : data->m_arrEntities) defaultRooms.insert(entity.m_nDefaultPlace);
    for (const CEntity& room : data->m_arrEntities) {
        if (room.m_nType != 4 || room.m_bUnavailable) continue;
        const bool isDefault = defaultRooms.count(room.m_nId) != 0;
        const bool linked = linkedToCurrent.count(room.m_nId) != 0;
        m_wndPanel.AddItem(6 + room.m_nType, room.m_strName, CString(), linked ? kLinkedBack : GetSysColor(COLOR_WINDOW),
                           linked ? 5 : 1, isDefault ? 2 : 1, room.m_nId);
    }
    m_wndPanel.Fill();
    LayoutPanes();
}

void CMyView::OnShowPanelExtraList() {
    StartMode(4, 193, 0, IDS_PANEL_GROUPS, 105);
    if (CWnd* main = GetMainWnd()) main->SendMessage(kPanelMode, 4, 0);
    FillPanelExtraList();
    LayoutPanes();
}

void CMyView::RefreshPanel() {
    CWaitCursor wait;
    const int pinned = m_wndPanel.m_bPinned;
    switch (m_wndPanel.m_nMode) {
    case 1: OnShowPanelList(); break;
    case 2: OnShowPanelEntities(); break;
    case 3: OnShowPanelRooms(); break;
    case 4: OnShowPanelExtraList(); break;
    default: break;
    }
    m_wndPanel.m_bPinned = pinned;
    LayoutPanes();
}

LRESULT CMyView::OnClosePanel(WPARAM, LPARAM) {
    if (CWnd* main = GetMainWnd()) main->SendMessage(kPanelMode, 0, 0);
    m_wndPanel.m_bPinned = 0;
    m_wndPanel.m_wndList.m_bDragEnabled = 0;
    m_wndPanel.m_nMode = 0;
    LayoutPanes();
    return 0;
}

// Applying the panel's choice ------------------------------------------------------------------

void CMyView::OnApplyPanelSelection() {
    CScheduleData* data = GetAppDocument();
    if (!data || data->m_arrEntities.empty() || !m_wndPanel.IsWindowVisible() ||
        m_wndPanel.m_wndList.GetSelectedCount() == 0)
        return;
    const std::vector<int> ids = m_wndPanel.GetSelectedIds();
    const int mode = m_wndPanel.m_nMode;
    // A refused or cancelled apply changes nothing and keeps the user's previous undo level.
    if (!CanApplyPanelSelection(mode, ids)) {
        data->PublishProblems();
        return;
    }
    if (!ConfirmPanelSelection(mode)) return;
    data->SaveUndo();
    ApplyPanelSelection(mode, ids);
    RecheckAndRefresh(*data, data->m_arrProblems.empty());
}

LRESULT CMyView::OnApplySelectionMessage(WPARAM, LPARAM) {
    OnApplyPanelSelection();
    return 0;
}

void CMyView::OnShowProblems() {
    CScheduleData* data = GetAppDocument();
    auto* frame = dynamic_cast<CMainFrame*>(AfxGetMainWnd());
    if (!data || !frame) return;
    if (frame->IsMessagePanelShown()) {
        data->m_nViewType = 0;
        frame->BroadcastUpdate(6);
        return;
    }
    // Every kind is listed for this check; the user's own Filter comes back afterwards.
    int& filter = frame->FilterSetting();
    const int previous = filter;
    filter = 15;
    RecheckAndRefresh(*data, TRUE);
    filter = previous;
}
