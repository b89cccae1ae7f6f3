#include "frame/wnd_panel.h"

#include <algorithm>

#include "controls/app_document.h"
#include "controls/side_list_header.h"
#include "model/entity.h"
#include "model/plan_check.h"
#include "model/schedule_data.h"
#include "platform/core/load_res_string.h"
#include "platform/core/window_styles.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/cmd_ui_state.h"
#include "platform/ui/client_dc.h"
#include "platform/ui/dc.h"
#include "platform/ui/window_api.h"
#include "platform/ui/wait_cursor.h"
#include "report_builders/week_grid.h"
#include "resource_ids.h"

namespace {
constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr int kButton = 16;
}  // namespace

std::function<BOOL(CWndPanel& panel, int id)> CWndPanel::s_editRecord;

BEGIN_MESSAGE_MAP(CWndPanel, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_WM_SIZE()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_MESSAGE(CMyListCtrl::kDisplayMode, &CWndPanel::OnKindMaskChanged)
    ON_MESSAGE(CMyListCtrl::kItemChanged, &CWndPanel::OnSelectionChanged)
    ON_MESSAGE(CMyListCtrl::kDoubleClicked, &CWndPanel::OnDoubleClicked)
    ON_COMMAND(kEditCommand, &CWndPanel::OnEdit)
    ON_UPDATE_COMMAND_UI(kEditCommand, &CWndPanel::OnUpdateEdit)
    ON_COMMAND(kRemoveCommand, &CWndPanel::OnRemove)
    ON_UPDATE_COMMAND_UI(kRemoveCommand, &CWndPanel::OnUpdateRemove)
END_MESSAGE_MAP()

CWndPanel::CWndPanel() = default;
CWndPanel::~CWndPanel() = default;

CWnd* CWndPanel::Target() const {
    CWnd* owner = GetOwner();
    return owner ? owner : GetParent();
}

int CWndPanel::OnCreate(LPCREATESTRUCT cs) {
    if (CWnd::OnCreate(cs) == -1) return -1;
    if (!m_wndList.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS, CRect(0, 0, 0, 0), this,
                          kListId))
        return -1;
    m_wndList.SetExtendedStyle(m_wndList.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    m_wndList.SetOwner(this);
    m_wndToolTip.Create(this, TRUE);
    m_wndToolTip.m_notifyWindow = m_hWnd;
    CBitmap strip;
    if (strip.LoadBitmap(IDB_PANEL_IMAGES))
        m_wndToolTip.m_drawer.SetImageStrip(16, 16, static_cast<HBITMAP>(strip.Detach()), 23, kMagenta);
    CHtmlToolInfo tool;
    tool.m_rect = CRect(0, 0, 5000, 5000);
    tool.m_overrideMask = HTTO_STYLE;
    m_wndToolTip.AddToolInfo(m_wndList.m_hWnd, tool);
    m_imlHeader.Create(IDB_FOLDER_TABS, 10, 1, kMagenta);
    return 0;
}

void CWndPanel::OnDestroy() {
    if (m_wndToolTip.GetSafeHwnd()) {
        m_wndToolTip.Pop();
        m_wndToolTip.DestroyWindow();
    }
    CWnd::OnDestroy();
}

BOOL CWndPanel::PreTranslateMessage(MSG* pMsg) {
    if (m_wndToolTip.GetSafeHwnd()) m_wndToolTip.RelayEvent(pMsg);
    return CWnd::PreTranslateMessage(pMsg);
}

void CWndPanel::OnSize(UINT, int cx, int cy) {
    if (m_wndList.GetSafeHwnd()) m_wndList.MoveWindow(0, kHeaderHeight + 2, cx, std::max(0, cy - (kHeaderHeight + 2)));
}

// Items ----------------------------------------------------------------------------------------

void CWndPanel::AddItem(int image, const CString& caption, const CString& text, COLORREF back, int kind, int group,
                        int id) {
    m_arrItems.push_back(CPanelItem{caption, text, kind, image, group, back, id});
}

void CWndPanel::Fill() {
    CWaitCursor wait;
    m_wndList.m_itemColors.clear();
    m_wndList.DeleteAllItems();
    const int mask = m_wndList.m_nDisplayMode;
    const bool everyKind = m_nMode == 1 || m_nMode == 4 || m_nMode == 5;
    for (const CPanelItem& item : m_arrItems) {
        if ((item.m_nKind & mask) == 0 && !everyKind) continue;
        m_wndList.InsertGroupItem(item.m_nGroup, item.m_strCaption, item.m_nImage, static_cast<DWORD_PTR>(item.m_nId));
        if (!item.m_strText.IsEmpty()) m_wndList.SetItemText(m_wndList.GetItemCount() - 1, 1, item.m_strText);
        m_wndList.m_itemColors.emplace_back(static_cast<DWORD_PTR>(item.m_nId), item.m_crBack);
    }
    m_wndList.m_nPanelPageFlag = m_nListOptions;
    CRect client;
    GetClientRect(&client);
    m_wndList.SetColumnWidth(0, client.Width() - 5);
    m_nHotButton = 0;
    if (GetCapture() == this) ReleaseCapture();
    RepaintHeader();
}

void CWndPanel::Clear() {
    m_arrItems.clear();
    m_wndList.m_itemColors.clear();
    m_wndList.DeleteAllItems();
    while (m_wndList.DeleteColumn(0)) {
    }
    m_nCurrentEntry = 0;
    m_wndList.m_bDragEnabled = 1;
    m_bPinned = 0;
}

void CWndPanel::SetItemState(int id, int bits, COLORREF back) {
    const auto it = std::find_if(m_arrItems.begin(), m_arrItems.end(), [id](const CPanelItem& i) { return i.m_nId == id; });
    if (it == m_arrItems.end()) return;
    it->m_nKind |= bits;
    it->m_crBack = back;
}

void CWndPanel::InsertColumn(int index, const CString& caption, int width) { m_wndList.AddColumn(index, caption, width); }

void CWndPanel::InsertGroup(const CString& caption, int groupId) { m_wndList.InsertGroup(caption, groupId); }

std::vector<int> CWndPanel::GetSelectedIds() const {
    std::vector<int> ids;
    for (int i = m_wndList.GetNextItem(-1, LVNI_SELECTED); i >= 0; i = m_wndList.GetNextItem(i, LVNI_SELECTED))
        ids.push_back(static_cast<int>(m_wndList.GetItemData(i)));
    return ids;
}

// Header -----------------------------------------------------------------------------------------

int CWndPanel::LastButtonEnd() const { return SideListHeaderEnd(m_wndList.m_nMenuOptions != 0, m_bShowPinButton != 0); }

void CWndPanel::RepaintHeader() {
    if (!GetSafeHwnd()) return;
    CRect header(0, 0, 0, kHeaderHeight);
    CRect client;
    GetClientRect(&client);
    header.right = client.right;
    InvalidateRect(&header, FALSE);
    UpdateWindow();
    if (m_wndList.GetSafeHwnd()) m_wndList.Invalidate();
}

void CWndPanel::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    DrawSideListHeader(dc, client.right, m_nHotButton, m_wndList.m_nMenuOptions != 0, m_bShowPinButton != 0, m_bPinned != 0,
                       m_imlHeader);
    dc.FillSolidRect(CRect(0, kHeaderHeight, client.right, kHeaderHeight + 2), GetSysColor(COLOR_BTNFACE));
}

void CWndPanel::OnMouseMove(UINT, CPoint point) {
    if (CScheduleData* data = GetAppDocument()) data->Host().SetStatusText(LoadResString(IDS_STATUS_READY));
    const int hot = SideListHeaderButton(point, m_wndList.m_nMenuOptions != 0, m_bShowPinButton != 0);
    if (hot != m_nHotButton) {
        m_nHotButton = hot;
        if (hot)
            SetCapture();
        else if (GetCapture() == this)
            ReleaseCapture();
        RepaintHeader();
    }
}

void CWndPanel::OnLButtonDown(UINT, CPoint point) {
    if (point.y >= kHeaderHeight || point.x < 0) return;
    const bool menu = m_wndList.m_nMenuOptions != 0;
    if (point.x < kButton) {
        m_bPinned = 0;
        if (GetCapture() == this) ReleaseCapture();
        if (CWnd* target = Target()) target->PostMessage(kClosed, 0, 0);
    } else if (point.x < 2 * kButton && menu) {
        CPoint screen = point;
        ClientToScreen(&screen);
        m_wndList.ShowContextMenu(screen.x, screen.y);
    } else if (point.x < LastButtonEnd() && m_bShowPinButton) {
        m_bPinned = !m_bPinned;
        RepaintHeader();
    }
}

// Messages of the list ---------------------------------------------------------------------------

LRESULT CWndPanel::OnKindMaskChanged(WPARAM, LPARAM) {
    Fill();
    Invalidate();
    if (m_pFilterSetting) *m_pFilterSetting = m_wndList.m_nDisplayMode;
    return 0;
}

LRESULT CWndPanel::OnSelectionChanged(WPARAM, LPARAM) {
    if (CScheduleData* data = GetAppDocument()) data->Host().BroadcastUpdate(7);
    return 0;
}

LRESULT CWndPanel::OnDoubleClicked(WPARAM id, LPARAM) {
    CScheduleData* data = GetAppDocument();
    if (!data) return 0;
    if (!m_bShowPinButton) {
        const int entity = static_cast<int>(id);
        if (entity != 0 && data->FindEntity(entity) != data->m_arrEntities.end()) data->SetCurrentEntity(entity);
        return 0;
    }
    // A row of a page's panel opens its editor in every mode; the Edit command's own enabling
    // (one participant in mode 5) is for the menus.
    if (m_wndList.GetSelectedCount() >= 1) OnEdit();
    return 0;
}

// Tooltip --------------------------------------------------------------------------------------

CString CWndPanel::TipText(int id) const {
    const CScheduleData* data = GetAppDocument();
    if (!data || id == 0) return CString();
    if (m_nMode == 2 || m_nMode == 3 || m_nMode == 5) {
        if (data->FindEntity(id) == data->m_arrEntities.end()) return CString();
        return BuildWeekGrid(*data, id, true);
    }
    std::vector<int> members;
    auto addMembers = [&](const CActivity& activity) {
        for (int member : activity.m_arrMembers)
            if (member != data->m_nCurrentEntity) members.push_back(member);
    };
    if (m_nMode == 1) {
        const auto activity = data->FindActivity(id);
        if (activity == data->m_arrActivities.end()) return CString();
        addMembers(*activity);
    } else {
        for (const CActivity& activity : data->m_arrActivities)
            if (activity.m_nGroup == id) addMembers(activity);
    }
    std::sort(members.begin(), members.end());
    members.erase(std::unique(members.begin(), members.end()), members.end());
    if (members.empty()) return CString();
    return BuildWeekGridTable(*data, data->m_nCurrentEntity, members);
}

BOOL CWndPanel::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    auto* nm = reinterpret_cast<NMHTMLTOOLTIP*>(lParam);
    if (!nm || nm->hdr.code != HTTN_NEEDTEXT) return CWnd::OnNotify(wParam, lParam, result);
    nm->pToolInfo->m_text.Empty();
    if (m_wndList.IsDragging() || !m_bShowPinButton) {
        *result = 1;
        return TRUE;
    }
    CWaitCursor wait;
    CPoint point = nm->pParam ? *static_cast<POINT*>(nm->pParam) : CPoint(0, 0);
    m_wndList.ScreenToClient(&point);
    nm->pToolInfo->m_text = TipText(static_cast<int>(m_wndList.GetItemDataAtPoint(point)));
    *result = 0;
    return TRUE;
}

// Commands -------------------------------------------------------------------------------------

void CWndPanel::OnUpdateEdit(CCmdUI* cmdUI) {
    cmdUI->Enable(m_nMode == 5 && m_wndList.GetSelectedCount() == 1 && s_editRecord != nullptr);
}

void CWndPanel::OnEdit() {
    CScheduleData* data = GetAppDocument();
    const std::vector<int> ids = GetSelectedIds();
    if (!data || ids.empty() || !s_editRecord) return;
    const int id = ids.front();
    // The record must still be there: the list may outlive an edit elsewhere.
    bool exists = false;
    if (m_nMode == 5)
        exists = data->FindEntryBySerial(m_nCurrentEntry) != data->m_arrEntries.end() &&
                 data->FindEntity(id) != data->m_arrEntities.end();
    else if (m_nMode == 1)
        exists = data->FindActivity(id) != data->m_arrActivities.end();
    else if (m_wndList.m_nDisplayMode != 0 && m_nMode != 4)
        exists = data->FindEntity(id) != data->m_arrEntities.end();
    else
        exists = data->FindGroup(id) != data->m_arrGroups.end();
    if (exists) s_editRecord(*this, id);
}

void CWndPanel::OnUpdateRemove(CCmdUI* cmdUI) { cmdUI->Enable(m_nMode == 5 && m_wndList.GetSelectedCount() >= 1); }

void CWndPanel::OnRemove() {
    CScheduleData* data = GetAppDocument();
    if (!data) return;
    const auto entry = data->FindEntryBySerial(m_nCurrentEntry);
    if (entry == data->m_arrEntries.end()) return;
    const std::vector<int> selected = GetSelectedIds();
    auto isSelected = [&](int id) { return std::find(selected.begin(), selected.end(), id) != selected.end(); };
    auto hasReplacement = [&](const CTimetableEntry& e) {
        return std::any_of(e.m_arrReplacements.begin(), e.m_arrReplacements.end(),
                           [&](const CReplacement& r) { return isSelected(r.m_nEntity); });
    };
    auto hasRoom = [&](const CTimetableEntry& e) { return std::any_of(e.m_arrRooms.begin(), e.m_arrRooms.end(), isSelected); };
    if (!hasReplacement(*entry) && !hasRoom(*entry)) return;
    // The change is one undo step like every other edit of the plan.
    data->SaveUndo();
    CTimetableEntry& e = *data->FindEntryBySerial(m_nCurrentEntry);
    for (auto r = e.m_arrReplacements.begin(); r != e.m_arrReplacements.end();) {
        if (!isSelected(r->m_nEntity)) {
            ++r;
            continue;
        }
        const int entity = r->m_nEntity;
        std::erase_if(e.m_arrPairs, [entity](const CRoomPair& p) { return p.m_nEntity == entity; });
        r = e.m_arrReplacements.erase(r);
    }
    for (auto room = e.m_arrRooms.begin(); room != e.m_arrRooms.end();) {
        if (!isSelected(*room)) {
            ++room;
            continue;
        }
        const int roomId = *room;
        std::erase_if(e.m_arrPairs, [roomId](const CRoomPair& p) { return p.m_nRoom == roomId; });
        room = e.m_arrRooms.erase(room);
    }
    RecheckAndRefresh(*data, TRUE);
    if (CWnd* target = Target()) target->SendMessage(kParticipantsChanged, 0, 0);
}
