#include "platform/ui/list_ctrl.h"

#include <cstdint>
#include <vector>

#include "platform/ui/image_list.h"
#include "platform/ui/native_control.h"
#include "platform/ui/window_api.h"

namespace {

LPARAM Ptr(const void* p) { return reinterpret_cast<LPARAM>(p); }

}  // namespace

BOOL CListCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    vorn_ui::EnsureNativeClasses();
    return CWnd::Create(WC_LISTVIEW, nullptr, dwStyle, rect, pParentWnd, nID);
}

DWORD CListCtrl::SetExtendedStyle(DWORD dwNewStyle) {
    return static_cast<DWORD>(SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, dwNewStyle));
}
DWORD CListCtrl::GetExtendedStyle() const { return static_cast<DWORD>(SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE)); }

int CListCtrl::InsertColumn(int nCol, const LVCOLUMN* pColumn) {
    return static_cast<int>(SendMessage(LVM_INSERTCOLUMN, static_cast<WPARAM>(nCol), Ptr(pColumn)));
}

int CListCtrl::InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat, int nWidth, int nSubItem) {
    LVCOLUMN column{};
    column.mask = LVCF_TEXT | LVCF_FMT;
    column.pszText = const_cast<LPTSTR>(lpszColumnHeading);
    column.fmt = nFormat;
    if (nWidth != -1) {
        column.mask |= LVCF_WIDTH;
        column.cx = nWidth;
    }
    if (nSubItem != -1) {
        column.mask |= LVCF_SUBITEM;
        column.iSubItem = nSubItem;
    }
    return InsertColumn(nCol, &column);
}

BOOL CListCtrl::DeleteColumn(int nCol) { return static_cast<BOOL>(SendMessage(LVM_DELETECOLUMN, static_cast<WPARAM>(nCol))); }
int CListCtrl::GetColumnWidth(int nCol) const { return static_cast<int>(SendMessage(LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(nCol))); }
BOOL CListCtrl::SetColumnWidth(int nCol, int cx) {
    return static_cast<BOOL>(SendMessage(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(nCol), MAKELPARAM(cx, 0)));
}

int CListCtrl::InsertItem(const LVITEM* pItem) { return static_cast<int>(SendMessage(LVM_INSERTITEM, 0, Ptr(pItem))); }
int CListCtrl::InsertItem(int nItem, LPCTSTR lpszItem) { return InsertItem(LVIF_TEXT, nItem, lpszItem, 0, 0, 0, 0); }
int CListCtrl::InsertItem(int nItem, LPCTSTR lpszItem, int nImage) {
    return InsertItem(LVIF_TEXT | LVIF_IMAGE, nItem, lpszItem, 0, 0, nImage, 0);
}
int CListCtrl::InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, UINT nState, UINT nStateMask, int nImage, LPARAM lParam) {
    LVITEM item{};
    item.mask = nMask;
    item.iItem = nItem;
    item.pszText = const_cast<LPTSTR>(lpszItem);
    item.state = nState;
    item.stateMask = nStateMask;
    item.iImage = nImage;
    item.lParam = lParam;
    return InsertItem(&item);
}

BOOL CListCtrl::DeleteItem(int nItem) { return static_cast<BOOL>(SendMessage(LVM_DELETEITEM, static_cast<WPARAM>(nItem))); }
BOOL CListCtrl::DeleteAllItems() { return static_cast<BOOL>(SendMessage(LVM_DELETEALLITEMS)); }
int CListCtrl::GetItemCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }
BOOL CListCtrl::GetItem(LVITEM* pItem) const { return static_cast<BOOL>(SendMessage(LVM_GETITEM, 0, Ptr(pItem))); }
BOOL CListCtrl::SetItem(const LVITEM* pItem) { return static_cast<BOOL>(SendMessage(LVM_SETITEM, 0, Ptr(pItem))); }

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, LPCTSTR lpszText) {
    LVITEM item{};
    item.iSubItem = nSubItem;
    item.pszText = const_cast<LPTSTR>(lpszText);
    return static_cast<BOOL>(SendMessage(LVM_SETITEMTEXT, static_cast<WPARAM>(nItem), Ptr(&item)));
}

CString CListCtrl::GetItemText(int nItem, int nSubItem) const {
    std::vector<wchar_t> buffer(1024, L'\0');
    LVITEM item{};
    item.iSubItem = nSubItem;
    item.pszText = buffer.data();
    item.cchTextMax = static_cast<int>(buffer.size());
    SendMessage(LVM_GETITEMTEXT, static_cast<WPARAM>(nItem), Ptr(&item));
    return CString(buffer.data());
}

BOOL CListCtrl::SetItemData(int nItem, DWORD_PTR dwData) {
    LVITEM item{};
    item.mask = LVIF_PARAM;
    item.iItem = nItem;
    item.lParam = static_cast<LPARAM>(dwData);
    return SetItem(&item);
}

DWORD_PTR CListCtrl::GetItemData(int nItem) const {
    LVITEM item{};
    item.mask = LVIF_PARAM;
    item.iItem = nItem;
    GetItem(&item);
    return static_cast<DWORD_PTR>(item.lParam);
}

BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask) {
    LVITEM item{};
    item.state = nState;
    item.stateMask = nMask;
    return static_cast<BOOL>(SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(nItem), Ptr(&item)));
}

UINT CListCtrl::GetItemState(int nItem, UINT nMask) const {
    return static_cast<UINT>(SendMessage(LVM_GETITEMSTATE, static_cast<WPARAM>(nItem), nMask));
}

BOOL CListCtrl::SetCheck(int nItem, BOOL fCheck) {
    return SetItemState(nItem, INDEXTOSTATEIMAGEMASK(fCheck ? 2 : 1), LVIS_STATEIMAGEMASK);
}

BOOL CListCtrl::GetCheck(int nItem) const { return ((GetItemState(nItem, LVIS_STATEIMAGEMASK) >> 12) - 1) == 1; }

int CListCtrl::GetNextItem(int nItem, int nFlags) const {
    return static_cast<int>(SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(nItem), MAKELPARAM(nFlags, 0)));
}
UINT CListCtrl::GetSelectedCount() const { return static_cast<UINT>(SendMessage(LVM_GETSELECTEDCOUNT)); }
int CListCtrl::GetSelectionMark() const { return static_cast<int>(SendMessage(LVM_GETSELECTIONMARK)); }
int CListCtrl::SetSelectionMark(int iIndex) { return static_cast<int>(SendMessage(LVM_SETSELECTIONMARK, 0, iIndex)); }

CImageList* CListCtrl::SetImageList(CImageList* pImageList, int nImageListType) {
    SendMessage(LVM_SETIMAGELIST, static_cast<WPARAM>(nImageListType), reinterpret_cast<LPARAM>(pImageList ? pImageList->m_hImageList : nullptr));
    return nullptr;
}

BOOL CListCtrl::EnsureVisible(int nItem, BOOL bPartialOK) {
    return static_cast<BOOL>(SendMessage(LVM_ENSUREVISIBLE, static_cast<WPARAM>(nItem), bPartialOK));
}

int CListCtrl::HitTest(CPoint pt, UINT* pFlags) const {
    LVHITTESTINFO info{};
    info.pt = pt;
    const int item = HitTest(&info);
    if (pFlags) *pFlags = info.flags;
    return item;
}

int CListCtrl::HitTest(LVHITTESTINFO* pHitTestInfo) const { return static_cast<int>(SendMessage(LVM_HITTEST, 0, Ptr(pHitTestInfo))); }
int CListCtrl::SubItemHitTest(LVHITTESTINFO* pInfo) { return static_cast<int>(SendMessage(LVM_SUBITEMHITTEST, 0, Ptr(pInfo))); }

BOOL CListCtrl::GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const {
    lpRect->left = static_cast<LONG>(nCode);
    return static_cast<BOOL>(SendMessage(LVM_GETITEMRECT, static_cast<WPARAM>(nItem), Ptr(lpRect)));
}

int CListCtrl::FindItem(LVFINDINFO* pFindInfo, int nStart) const {
    return static_cast<int>(SendMessage(LVM_FINDITEM, static_cast<WPARAM>(nStart), Ptr(pFindInfo)));
}
int CListCtrl::GetTopIndex() const { return static_cast<int>(SendMessage(LVM_GETTOPINDEX)); }
int CListCtrl::GetCountPerPage() const { return static_cast<int>(SendMessage(LVM_GETCOUNTPERPAGE)); }
BOOL CListCtrl::SetBkColor(COLORREF cr) { return static_cast<BOOL>(SendMessage(LVM_SETBKCOLOR, 0, static_cast<LPARAM>(cr))); }
BOOL CListCtrl::SetTextColor(COLORREF cr) { return static_cast<BOOL>(SendMessage(LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(cr))); }
BOOL CListCtrl::SetTextBkColor(COLORREF cr) { return static_cast<BOOL>(SendMessage(LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(cr))); }

LRESULT CListCtrl::EnableGroupView(BOOL fEnable) { return SendMessage(LVM_ENABLEGROUPVIEW, fEnable); }
BOOL CListCtrl::IsGroupViewEnabled() const { return static_cast<BOOL>(SendMessage(LVM_ISGROUPVIEWENABLED)); }
LRESULT CListCtrl::InsertGroup(int index, PLVGROUP pgrp) { return SendMessage(LVM_INSERTGROUP, static_cast<WPARAM>(index), Ptr(pgrp)); }
int CListCtrl::RemoveGroup(int iGroupId) { return static_cast<int>(SendMessage(LVM_REMOVEGROUP, static_cast<WPARAM>(iGroupId))); }
void CListCtrl::RemoveAllGroups() { SendMessage(LVM_REMOVEALLGROUPS); }
BOOL CListCtrl::HasGroup(int iGroupId) const { return static_cast<BOOL>(SendMessage(LVM_HASGROUP, static_cast<WPARAM>(iGroupId))); }
int CListCtrl::GetGroupCount() const { return static_cast<int>(SendMessage(LVM_GETGROUPCOUNT)); }

namespace {
POSITION PositionOf(int index) { return index < 0 ? nullptr : reinterpret_cast<POSITION>(static_cast<std::uintptr_t>(index) + 1); }
}  // namespace

POSITION CListCtrl::GetFirstSelectedItemPosition() const { return PositionOf(GetNextItem(-1, LVNI_SELECTED)); }

int CListCtrl::GetNextSelectedItem(POSITION& pos) const {
    const int index = static_cast<int>(reinterpret_cast<std::uintptr_t>(pos)) - 1;
    pos = PositionOf(GetNextItem(index, LVNI_SELECTED));
    return index;
}

CHeaderCtrl* CListCtrl::GetHeaderCtrl() {
    if (!::IsWindow(m_header.m_hWnd)) {
        m_header.Detach();
        HWND header = reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER));
        if (!header || !m_header.Attach(header)) return nullptr;
    }
    return &m_header;
}
