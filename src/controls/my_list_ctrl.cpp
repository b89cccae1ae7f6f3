#include "controls/my_list_ctrl.h"

#include "controls/app_document.h"
#include "controls/icon_menu.h"
#include "controls/keyboard_hook_registry.h"
#include "model/schedule_data.h"
#include "platform/core/colors.h"
#include "platform/core/load_res_string.h"
#include "platform/core/sleep.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/icon.h"
#include "platform/ui/image_list_drag.h"
#include "platform/ui/monitor.h"
#include "platform/ui/window_api.h"
#include "resource_ids.h"

IMPLEMENT_DYNAMIC(CMyListCtrl, CListCtrl)

namespace {
// The display mode each menu command chooses.
struct ModeCommand {
    UINT command;
    int mode;
};
constexpr ModeCommand kModes[] = {
    {ID_MESSAGES_SHOW_TODAY, 1},    {ID_PANEL_SHOW_MODE_2, 2}, {ID_MESSAGES_SHOW_LATER, 2}, {ID_PANEL_SHOW_MODE_4, 4},
    {ID_MESSAGES_SHOW_EARLIER, 4},  {ID_PANEL_SHOW_MODE_8, 8}, {ID_PANEL_SHOW_MODE_16, 16}, {ID_PANEL_SHOW_ALL, 15},
    {ID_MESSAGES_SHOW_ALL, 15},
};
int ModeOf(UINT command) {
    for (const auto& m : kModes)
        if (m.command == command) return m.mode;
    return 0;
}
}  // namespace

BEGIN_MESSAGE_MAP(CMyListCtrl, CListCtrl)
    ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, &CMyListCtrl::OnCustomDraw)
    ON_NOTIFY_REFLECT(LVN_ITEMCHANGED, &CMyListCtrl::OnItemChanged)
    ON_NOTIFY_REFLECT(NM_DBLCLK, &CMyListCtrl::OnDoubleClick)
    ON_NOTIFY_REFLECT(LVN_BEGINDRAG, &CMyListCtrl::OnBeginDrag)
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_RBUTTONDOWN()
    ON_WM_RBUTTONUP()
    ON_WM_RBUTTONDBLCLK()
    ON_WM_CAPTURECHANGED()
    ON_WM_DESTROY()
    ON_COMMAND_RANGE(ID_MESSAGES_SHOW_TODAY, ID_MESSAGES_SHOW_EARLIER, &CMyListCtrl::OnDisplayMode)
    ON_UPDATE_COMMAND_UI_RANGE(ID_MESSAGES_SHOW_TODAY, ID_MESSAGES_SHOW_EARLIER, &CMyListCtrl::OnUpdateDisplayMode)
END_MESSAGE_MAP()

CMyListCtrl::CMyListCtrl() = default;

CMyListCtrl::~CMyListCtrl() {
    if (m_bDragging) EndDragging(true);
    CKeyboardHookRegistry::Get().Remove(this);
}

CWnd* CMyListCtrl::Owner() const { return GetOwner(); }

void CMyListCtrl::SetStatus(UINT textId) {
    if (CScheduleData* data = GetAppDocument()) data->Host().SetStatusText(LoadResString(textId));
}

void CMyListCtrl::InsertGroup(const CString& header, int groupId) {
    CString text;
    text.Format(L"%s", header.GetString());
    LVGROUP group{};
    group.cbSize = 40;
    group.mask = LVGF_HEADER | LVGF_ALIGN | LVGF_GROUPID;
    group.pszHeader = const_cast<LPWSTR>(text.GetString());
    group.cchHeader = text.GetLength();
    group.iGroupId = groupId;
    group.uAlign = LVGA_HEADER_CENTER;
    CListCtrl::InsertGroup(groupId, &group);
}

void CMyListCtrl::InsertGroupItem(int groupId, const CString& text, int image, DWORD_PTR data) {
    LVITEM item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE | (groupId != -1 ? LVIF_GROUPID : 0);
    item.iItem = GetItemCount();
    item.pszText = const_cast<LPTSTR>(text.GetString());
    item.iImage = image;
    item.iGroupId = groupId;
    const int index = InsertItem(&item);
    if (index >= 0) SetItemData(index, data);
}

void CMyListCtrl::AddColumn(int index, const CString& heading, int width) { InsertColumn(index, heading, LVCFMT_LEFT, width); }

DWORD_PTR CMyListCtrl::GetItemDataAtPoint(CPoint point) const {
    for (int i = 0; i < GetItemCount(); ++i) {
        CRect bounds;
        if (GetItemRect(i, &bounds, LVIR_BOUNDS) && bounds.PtInRect(point)) return GetItemData(i);
    }
    return 0;
}

void CMyListCtrl::OnCustomDraw(NMHDR* hdr, LRESULT* result) {
    auto* cd = reinterpret_cast<NMLVCUSTOMDRAW*>(hdr);
    *result = CDRF_DODEFAULT;
    if (cd->nmcd.dwDrawStage == CDDS_PREPAINT) {
        *result = CDRF_NOTIFYITEMDRAW;
    } else if (cd->nmcd.dwDrawStage == CDDS_ITEMPREPAINT) {
        cd->clrTextBk = GetSysColor(COLOR_WINDOW);
        for (const auto& [data, colour] : m_itemColors)
            if (data == static_cast<DWORD_PTR>(cd->nmcd.lItemlParam)) {
                cd->clrTextBk = colour;
                break;
            }
    }
}

void CMyListCtrl::OnItemChanged(NMHDR*, LRESULT* result) {
    *result = 0;
    if (CWnd* owner = Owner()) owner->SendMessage(kItemChanged, 0, 0);
}

void CMyListCtrl::OnDoubleClick(NMHDR*, LRESULT* result) {
    *result = 0;
    const int selected = GetNextItem(-1, LVNI_SELECTED);
    if (selected < 0) return;
    if (CWnd* owner = Owner()) owner->SendMessage(kDoubleClicked, GetItemData(selected), 0);
}

void CMyListCtrl::OnBeginDrag(NMHDR* hdr, LRESULT* result) {
    *result = 0;
    if (!m_bDragEnabled || GetSelectedCount() == 0) return;
    const auto* nm = reinterpret_cast<NMLISTVIEW*>(hdr);
    m_dragImage.DeleteImageList();
    m_dragImage.Create(32, 32, ILC_COLOR32 | ILC_MASK, 1, 1);
    CBitmap picture;
    if (m_nDragImageId && picture.LoadBitmap(m_nDragImageId)) m_dragImage.Add(&picture, RGB(255, 0, 255));
    CPoint start = nm->ptAction;
    ClientToScreen(&start);
    m_dragImage.BeginDrag(0, CPoint(5, 5));
    CImageList::DragEnter(CWnd::FromHandle(GetDesktopWindow()), start);

    m_bDragging = 1;
    m_pDragSource = this;
    SetStatus(IDS_PANEL_DRAGGING);
    if (CWnd* owner = Owner()) owner->RedrawWindow();
    RedrawWindow();
    if (m_pDropTarget) {
        m_pDropTarget->SendMessage(kDragPrepare, 0, 0);
        m_pDropTarget->SendMessage(kDragBegin, nm->iItem >= 0 ? GetItemData(nm->iItem) : 0, GetSelectedCount() > 1 ? 1 : 0);
    }
    // Escape cancels the drag wherever the focus is.
    CKeyboardHookRegistry::Get().Add(this);
    SetCapture();
    Sleep(20);
}

bool CMyListCtrl::OverDropTarget(CWnd* wnd) const {
    if (!m_pDropTarget || !wnd) return false;
    CWnd* parent = wnd->GetParent();
    return wnd == m_pDropTarget || parent == m_pDropTarget || (parent && parent->GetParent() == m_pDropTarget);
}

void CMyListCtrl::OnMouseMove(UINT flags, CPoint point) {
    CPoint screen = point;
    ClientToScreen(&screen);
    if (!m_bDragging) {
        if (GetItemDataAtPoint(point)) {
            ::SetCursor(::LoadCursor(nullptr, IDC_HAND));
            SetStatus(IDS_PANEL_DRAG_HINT);
        }
        CListCtrl::OnMouseMove(flags, point);
        return;
    }
    CImageList::DragMove(screen);
    CWnd* under = CWnd::WindowFromPoint(screen);
    if (under == this) {
        ::SetCursor(::LoadCursor(nullptr, IDC_NO));
        m_bDropAllowed = 0;
        if (CWnd* owner = Owner()) owner->RedrawWindow();
    } else if (OverDropTarget(under)) {
        const WPARAM x = static_cast<WPARAM>(screen.x);
        const LPARAM y = screen.y;
        under->SendMessage(kDragOver, x, y);
        if (CWnd* parent = under->GetParent()) {
            parent->SendMessage(kDragOver, x, y);
            if (CWnd* grandparent = parent->GetParent()) grandparent->SendMessage(kDragOver, x, y);
        }
        ::SetCursor(::LoadCursor(nullptr, IDC_HAND));
        m_bDropAllowed = 1;
    } else {
        ::SetCursor(::LoadCursor(nullptr, IDC_NO));
        m_bDropAllowed = 0;
    }
}

void CMyListCtrl::EndDragging(bool cancelled) {
    const bool allowed = m_bDropAllowed != 0;
    m_bDragging = 0;
    m_bDropAllowed = 0;
    m_pDragSource = nullptr;
    CKeyboardHookRegistry::Get().Remove(this);
    if (GetCapture() == this) ::ReleaseCapture();
    CImageList::DragLeave(nullptr);
    CImageList::EndDrag();
    SetStatus(IDS_STATUS_READY);
    if (cancelled) {
        if (m_pDropTarget) m_pDropTarget->SendMessage(kDragEnd, 0, 0);
        if (CWnd* owner = Owner(); owner && owner != m_pDropTarget) owner->SendMessage(kDragEnd, 0, 0);
        return;
    }
    if (!m_pDropTarget) return;
    if (allowed) {
        CPoint drop;
        ::GetCursorPos(&drop);
        m_pDropTarget->ScreenToClient(&drop);
        m_pDropTarget->SendMessage(kDrop, reinterpret_cast<WPARAM>(&drop), 0);
    } else {
        m_pDropTarget->SendMessage(kDragEnd, 0, 0);
    }
}

void CMyListCtrl::OnLButtonUp(UINT flags, CPoint point) {
    if (m_bDragging) EndDragging(false);
    else CListCtrl::OnLButtonUp(flags, point);
    if (CWnd* owner = Owner()) owner->RedrawWindow();
}

void CMyListCtrl::OnCaptureChanged(CWnd* wnd) {
    // Another window took the mouse: the drag cannot end with a drop any more.
    if (m_bDragging && wnd != this) EndDragging(true);
    CListCtrl::OnCaptureChanged(wnd);
}

void CMyListCtrl::OnKeyDown(UINT virtualKey, LPARAM) {
    if (virtualKey == VK_ESCAPE && m_bDragging) EndDragging(true);
}

void CMyListCtrl::OnRButtonDown(UINT flags, CPoint point) {
    if (!m_nMenuOptions) {
        CListCtrl::OnRButtonDown(flags, point);
        return;
    }
    ClientToScreen(&point);
    ShowContextMenu(point.x, point.y);
}

void CMyListCtrl::ShowContextMenu(int x, int y) {
    CIconMenu menu;
    menu.CreatePopupMenu();
    auto add = [&menu](UINT text, UINT command) { menu.AppendMenu(MF_STRING | MF_CHECKED, command, LoadResString(text)); };
    if (m_nPanelPageFlag) {
        add(IDS_PANEL_SHOW_ALL, ID_PANEL_SHOW_ALL);
        if (m_nMenuOptions & 2) add(IDS_PANEL_SHOW_MODE_2, ID_PANEL_SHOW_MODE_2);
        if (m_nMenuOptions & 4) add(IDS_PANEL_SHOW_MODE_4, ID_PANEL_SHOW_MODE_4);
        if (m_nMenuOptions & 8) add(IDS_PANEL_SHOW_MODE_8, ID_PANEL_SHOW_MODE_8);
        if (m_nMenuOptions & 16) add(IDS_PANEL_SHOW_MODE_16, ID_PANEL_SHOW_MODE_16);
    } else {
        add(IDS_MESSAGES_SHOW_TODAY, ID_MESSAGES_SHOW_TODAY);
        add(IDS_MESSAGES_SHOW_LATER, ID_MESSAGES_SHOW_LATER);
        add(IDS_MESSAGES_SHOW_EARLIER, ID_MESSAGES_SHOW_EARLIER);
        add(IDS_MESSAGES_SHOW_ALL, ID_MESSAGES_SHOW_ALL);
    }
    menu.LoadToolBarImages(IDR_PANEL_LIST_MENU);
    menu.ConvertToOwnerDraw(&menu);
    menu.UpdateCommandUI(&menu, this);
    menu.TrackPopupMenu(TPM_LEFTALIGN, x, y, this);
}

void CMyListCtrl::OnDisplayMode(UINT id) {
    const int mode = ModeOf(id);
    if (!mode) return;
    m_nDisplayMode = mode;
    if (CWnd* owner = Owner()) owner->SendMessage(kDisplayMode, 0, 0);
}

void CMyListCtrl::OnUpdateDisplayMode(CCmdUI* cmdUI) {
    const int mode = ModeOf(cmdUI->m_nID);
    cmdUI->Enable(mode != 0);
    cmdUI->SetCheck(mode != 0 && m_nDisplayMode == mode);
}

void CMyListCtrl::OnDestroy() {
    if (m_bDragging) EndDragging(true);
    m_itemColors.clear();
    DeleteAllItems();
    CListCtrl::OnDestroy();
}
