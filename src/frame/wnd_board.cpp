#include "frame/wnd_board.h"

#include <algorithm>

#include "controls/app_document.h"
#include "controls/icon_menu.h"
#include "controls/keyboard_hook_registry.h"
#include "controls/side_list_header.h"
#include "model/description_texts.h"
#include "model/entity.h"
#include "model/schedule_data.h"
#include "platform/core/load_res_string.h"
#include "platform/core/window_styles.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/client_dc.h"
#include "platform/ui/icon.h"
#include "platform/ui/image_list_drag.h"
#include "platform/ui/monitor.h"
#include "platform/ui/wait_cursor.h"
#include "platform/ui/window_api.h"
#include "resource_ids.h"

namespace {
constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr int kButton = 16;
}  // namespace

BEGIN_MESSAGE_MAP(CWndBoard, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_WM_SIZE()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_CAPTURECHANGED()
    ON_NOTIFY(LVN_ITEMCHANGED, kListId, &CWndBoard::OnItemChanged)
    ON_NOTIFY(LVN_BEGINDRAG, kListId, &CWndBoard::OnBeginDrag)
    ON_NOTIFY(NM_RCLICK, kListId, &CWndBoard::OnListRightClick)
    ON_COMMAND_RANGE(kCheckSecondGroup, kUncheckAll, &CWndBoard::OnCheckCommand)
    ON_UPDATE_COMMAND_UI_RANGE(kCheckSecondGroup, kUncheckAll, &CWndBoard::OnUpdateCheckCommand)
END_MESSAGE_MAP()

CWndBoard::CWndBoard() = default;
CWndBoard::~CWndBoard() = default;

CWnd* CWndBoard::Owner() const {
    CWnd* owner = GetOwner();
    return owner ? owner : GetParent();
}

void CWndBoard::SetStatus(UINT id) {
    if (CScheduleData* data = GetAppDocument()) data->Host().SetStatusText(LoadResString(id));
}

int CWndBoard::OnCreate(LPCREATESTRUCT cs) {
    if (CWnd::OnCreate(cs) == -1) return -1;
    if (!m_list.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL, CRect(0, 0, 0, 0),
                       this, kListId))
        return -1;
    m_dragImage.Create(32, 32, ILC_COLOR32 | ILC_MASK, 1, 1);
    CBitmap picture;
    if (picture.LoadBitmap(IDB_PANEL_IMAGES)) m_dragImage.Add(&picture, kMagenta);
    m_toolTip.Create(this, TRUE);
    m_toolTip.m_notifyWindow = m_hWnd;
    m_toolTip.m_defaultStyleBits = HTTS_SHOW_AGAIN | HTTS_NO_AUTOHIDE;
    CBitmap strip;
    if (strip.LoadBitmap(IDB_PANEL_IMAGES))
        m_toolTip.m_drawer.SetImageStrip(16, 16, static_cast<HBITMAP>(strip.Detach()), 23, kMagenta);
    CHtmlToolInfo tool;
    m_toolTip.AddToolInfo(m_list.m_hWnd, tool);
    m_buttonImages.Create(IDB_FOLDER_TABS, 10, 1, kMagenta);
    return 0;
}

void CWndBoard::OnDestroy() {
    if (m_dragging) EndDrag(true, CPoint());
    if (m_toolTip.GetSafeHwnd()) {
        m_toolTip.Pop();
        m_toolTip.DestroyWindow();
    }
    CWnd::OnDestroy();
}

BOOL CWndBoard::PreTranslateMessage(MSG* pMsg) {
    if (m_toolTip.GetSafeHwnd()) m_toolTip.RelayEvent(pMsg);
    return CWnd::PreTranslateMessage(pMsg);
}

void CWndBoard::OnSize(UINT, int cx, int cy) {
    if (m_list.GetSafeHwnd()) m_list.MoveWindow(0, kSideListHeaderHeight + 2, cx, std::max(0, cy - (kSideListHeaderHeight + 2)));
}

// Items ----------------------------------------------------------------------------------------

void CWndBoard::Populate(const CString& columnTitle) {
    CWaitCursor wait;
    m_ready = 0;
    m_list.SetExtendedStyle(LVS_EX_FULLROWSELECT | (m_checkBoxes ? LVS_EX_CHECKBOXES : 0));
    m_list.RemoveAllGroups();
    while (m_list.DeleteColumn(0)) {
    }
    m_list.DeleteAllItems();
    CRect client;
    GetClientRect(&client);
    m_list.InsertColumn(0, columnTitle, LVCFMT_LEFT, client.Width());
    for (int g = 0; g < static_cast<int>(m_groups.size()); ++g) {
        LVGROUP group{};
        group.cbSize = 40;
        group.mask = LVGF_HEADER | LVGF_ALIGN | LVGF_GROUPID;
        group.pszHeader = const_cast<LPWSTR>(m_groups[g].GetString());
        group.cchHeader = m_groups[g].GetLength();
        group.iGroupId = g;
        group.uAlign = LVGA_HEADER_CENTER;
        m_list.InsertGroup(g, &group);
    }
    for (const CBoardItem& item : m_items) {
        LVITEM row{};
        row.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_GROUPID;
        row.iItem = 0;  // each new item goes on top: a group shows its items last added first
        row.pszText = const_cast<LPWSTR>(item.text.GetString());
        row.iImage = item.image;
        row.iGroupId = item.group;
        const int index = m_list.InsertItem(&row);
        if (index < 0) continue;
        m_list.SetItemData(index, static_cast<DWORD_PTR>(item.data));
        if (m_checkBoxes) m_list.SetCheck(index, item.checked);
    }
    m_items.clear();
    m_groups.clear();
    m_list.EnableGroupView(TRUE);
    m_ready = 1;
    RepaintHeader();
}

void CWndBoard::GetCheckedIds(int group, std::vector<int>& ids) const {
    for (int i = 0; i < m_list.GetItemCount(); ++i) {
        LVITEM row{};
        row.mask = LVIF_GROUPID;
        row.iItem = i;
        if (!m_list.GetItem(&row) || row.iGroupId != group) continue;
        if (m_list.GetCheck(i)) ids.push_back(static_cast<int>(m_list.GetItemData(i)));
    }
}

void CWndBoard::OnItemChanged(NMHDR*, LRESULT* result) {
    *result = 0;
    if (m_checkBoxes && m_ready)
        if (CWnd* owner = Owner()) owner->SendMessage(kChecksChanged, 0, 0);
}

// Header ---------------------------------------------------------------------------------------

void CWndBoard::RepaintHeader() {
    if (!GetSafeHwnd()) return;
    CRect client;
    GetClientRect(&client);
    CRect strip(0, 0, client.right, kSideListHeaderHeight);
    InvalidateRect(&strip, FALSE);
    UpdateWindow();
    if (m_list.GetSafeHwnd()) m_list.Invalidate();
}

void CWndBoard::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    DrawSideListHeader(dc, client.right, m_hotButton, m_showMenuButton != 0, m_showPinButton != 0, m_pinned != 0, m_buttonImages);
    dc.FillSolidRect(CRect(0, kSideListHeaderHeight, client.right, kSideListHeaderHeight + 2), GetSysColor(COLOR_BTNFACE));
}

void CWndBoard::OnLButtonDown(UINT, CPoint point) {
    if (m_dragging || point.y >= kSideListHeaderHeight || point.x < 0) return;
    const bool menu = m_showMenuButton != 0;
    if (point.x < kButton) {
        m_pinned = 0;
        if (GetCapture() == this) ReleaseCapture();
        if (CWnd* owner = Owner()) owner->SendNotifyMessage(kClosed, 0, 0);
    } else if (point.x < 2 * kButton && menu) {
        CPoint screen = point;
        ClientToScreen(&screen);
        ShowCheckMenu(screen);
    } else if (m_showPinButton && point.x < SideListHeaderEnd(menu, true)) {
        m_pinned = !m_pinned;
        RepaintHeader();
    }
}

// Check menu -------------------------------------------------------------------------------------

void CWndBoard::ShowCheckMenu(CPoint screen) {
    CIconMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, kUncheckAll, LoadResString(IDS_BOARD_UNCHECK_ALL));
    menu.AppendMenu(MF_STRING, kCheckLinked, LoadResString(IDS_BOARD_CHECK_LINKED));
    menu.AppendMenu(MF_STRING, kCheckFirstGroup, LoadResString(IDS_BOARD_CHECK_FIRST_GROUP));
    menu.AppendMenu(MF_STRING, kCheckSecondGroup, LoadResString(IDS_BOARD_CHECK_SECOND_GROUP));
    menu.LoadToolBarImages(IDR_PANEL_LIST_MENU);
    menu.ConvertToOwnerDraw(&menu);
    menu.UpdateCommandUI(&menu, this);
    menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, this);
}

void CWndBoard::OnListRightClick(NMHDR*, LRESULT* result) {
    *result = 0;
    if (!m_showMenuButton) return;
    CPoint screen;
    ::GetCursorPos(&screen);
    ShowCheckMenu(screen);
}

void CWndBoard::OnCheckCommand(UINT id) {
    const CScheduleData* data = GetAppDocument();
    for (int i = 0; i < m_list.GetItemCount(); ++i) {
        LVITEM row{};
        row.mask = LVIF_GROUPID;
        row.iItem = i;
        m_list.GetItem(&row);
        const int item = static_cast<int>(m_list.GetItemData(i));
        switch (id) {
        case kUncheckAll:
            if (row.iGroupId != 4) m_list.SetCheck(i, FALSE);
            break;
        case kCheckLinked:
            if (row.iGroupId != 4)
                m_list.SetCheck(i, data && data->AreEntitiesLinked(item, data->m_nCurrentEntity) ? TRUE : FALSE);
            break;
        case kCheckFirstGroup:
            if (row.iGroupId == 0) m_list.SetCheck(i, TRUE);
            break;
        case kCheckSecondGroup:
            if (row.iGroupId == 1) m_list.SetCheck(i, TRUE);
            break;
        default: break;
        }
    }
    if (m_checkBoxes && m_ready)
        if (CWnd* owner = Owner()) owner->SendMessage(kChecksChanged, 0, 0);
    m_hotButton = 0;
    RepaintHeader();
}

// Tooltip ----------------------------------------------------------------------------------------

BOOL CWndBoard::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    auto* nm = reinterpret_cast<NMHTMLTOOLTIP*>(lParam);
    if (!nm || nm->hdr.code != HTTN_NEEDTEXT) return CWnd::OnNotify(wParam, lParam, result);
    *result = 0;
    nm->pToolInfo->m_text.Empty();
    CScheduleData* data = GetAppDocument();
    if (!data) return TRUE;
    CWaitCursor wait;
    CPoint point = nm->pParam ? *static_cast<POINT*>(nm->pParam) : CPoint(0, 0);
    m_list.ScreenToClient(&point);
    int index = -1;
    for (int i = 0; i < m_list.GetItemCount() && index < 0; ++i) {
        CRect bounds;
        if (m_list.GetItemRect(i, &bounds, LVIR_BOUNDS) && bounds.PtInRect(point)) index = i;
    }
    const int item = index >= 0 ? static_cast<int>(m_list.GetItemData(index)) : 0;
    if (m_mode == 3) {
        const auto entity = data->FindEntity(item);
        if (item != 0 && entity != data->m_arrEntities.end()) nm->pToolInfo->m_text = entity->BuildInfoTip(*data);
        return TRUE;
    }
    LVITEM row{};
    row.mask = LVIF_GROUPID;
    row.iItem = index;
    if (index >= 0 && m_list.GetItem(&row) && row.iGroupId == 0) {
        if (data->FindGroup(item) == data->m_arrGroups.end()) return TRUE;
        CString text;
        for (const CActivity& activity : data->m_arrActivities)
            if (activity.m_nGroup == item) text += BuildTimetableEntryTip(*data, activity, true, nullptr, true) + L"<br>";
        nm->pToolInfo->m_text = text;
    } else if (index >= 0) {
        const auto activity = data->FindActivity(item);
        if (activity != data->m_arrActivities.end())
            nm->pToolInfo->m_text = BuildTimetableEntryTip(*data, *activity, false, nullptr, false);
    }
    return TRUE;
}

// The drag protocol -------------------------------------------------------------------------------

void CWndBoard::OnBeginDrag(NMHDR* hdr, LRESULT* result) {
    *result = 0;
    const auto* nm = reinterpret_cast<NMLISTVIEW*>(hdr);
    CPoint start = nm->ptAction;
    m_list.ClientToScreen(&start);
    BeginDrag(start);
}

void CWndBoard::BeginDrag(CPoint screen) {
    if (!m_dragEnabled || m_list.GetSelectedCount() != 1 || m_dragging) return;
    const int index = m_list.GetNextItem(-1, LVNI_SELECTED);
    m_dragImage.BeginDrag(0, CPoint(5, 5));
    CImageList::DragEnter(CWnd::FromHandle(GetDesktopWindow()), screen);
    m_dragging = 1;
    m_overTarget = 0;
    SetStatus(IDS_BOARD_DRAGGING);
    m_list.RedrawWindow();
    if (m_dropTarget) {
        LVITEM row{};
        row.mask = LVIF_GROUPID;
        row.iItem = index;
        m_list.GetItem(&row);
        m_dropTarget->SendMessage(kDragBegin, static_cast<WPARAM>(m_list.GetItemData(index)), row.iGroupId);
    }
    CKeyboardHookRegistry::Get().Add(this);
    SetCapture();
}

bool CWndBoard::OverTarget(CWnd* wnd) const {
    if (!m_dropTarget || !wnd) return false;
    CWnd* parent = wnd->GetParent();
    return wnd == m_dropTarget || parent == m_dropTarget || (parent && parent->GetParent() == m_dropTarget);
}

void CWndBoard::OnMouseMove(UINT, CPoint point) {
    if (!m_dragging) {
        if (CScheduleData* data = GetAppDocument()) data->Host().SetStatusText(LoadResString(IDS_STATUS_READY));
        const int hot = SideListHeaderButton(point, m_showMenuButton != 0, m_showPinButton != 0);
        if (hot != m_hotButton) {
            m_hotButton = hot;
            if (hot)
                SetCapture();
            else if (GetCapture() == this)
                ReleaseCapture();
            RepaintHeader();
        }
        return;
    }
    CPoint screen = point;
    ClientToScreen(&screen);
    CImageList::DragMove(screen);
    CWnd* under = CWnd::WindowFromPoint(screen);
    if (OverTarget(under)) {
        // Only the target hears of the move; its parents are the page and the frame.
        m_dropTarget->SendMessage(kDragOver, static_cast<WPARAM>(screen.x), screen.y);
        ::SetCursor(::LoadCursor(nullptr, IDC_HAND));
        m_overTarget = 1;
    } else {
        ::SetCursor(::LoadCursor(nullptr, IDC_NO));
        m_overTarget = 0;
        if (under == this)
            if (CWnd* owner = Owner()) owner->RedrawWindow();
    }
}

void CWndBoard::EndDrag(bool cancelled, CPoint screen) {
    if (!m_dragging) return;
    m_dragging = 0;
    const bool drop = !cancelled && m_overTarget;
    m_overTarget = 0;
    CKeyboardHookRegistry::Get().Remove(this);
    if (GetCapture() == this) ::ReleaseCapture();
    CImageList::DragLeave(nullptr);
    CImageList::EndDrag();
    SetStatus(AFX_IDS_IDLEMESSAGE);
    if (!m_dropTarget) return;
    if (drop) {
        CPoint client = screen;
        m_dropTarget->ScreenToClient(&client);
        m_dropTarget->SendMessage(kDrop, static_cast<WPARAM>(client.x), client.y);
    } else {
        m_dropTarget->SendMessage(kDragEnd, 0, 0);
    }
}

void CWndBoard::OnLButtonUp(UINT, CPoint point) {
    if (!m_dragging) return;
    CPoint screen = point;
    ClientToScreen(&screen);
    // The drop lands where the button comes up, whatever the last move said.
    m_overTarget = OverTarget(CWnd::WindowFromPoint(screen)) ? 1 : 0;
    EndDrag(false, screen);
}

void CWndBoard::OnCaptureChanged(CWnd* wnd) {
    // Another window took the mouse: the drag can no longer end with a drop.
    if (m_dragging && wnd != this) EndDrag(true, CPoint());
    CWnd::OnCaptureChanged(wnd);
}

void CWndBoard::OnKeyDown(UINT virtualKey, LPARAM) {
    if (virtualKey == VK_ESCAPE && m_dragging) EndDrag(true, CPoint());
}
