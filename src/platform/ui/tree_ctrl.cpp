#include "platform/ui/tree_ctrl.h"

#include <vector>

#include "platform/ui/image_list.h"
#include "platform/ui/native_control.h"

namespace {

LPARAM Ptr(const void* p) { return reinterpret_cast<LPARAM>(p); }

}  // namespace

BOOL CTreeCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    vorn_ui::EnsureNativeClasses();
    return CWnd::Create(WC_TREEVIEW, nullptr, dwStyle, rect, pParentWnd, nID);
}

HTREEITEM CTreeCtrl::InsertItem(LPTVINSERTSTRUCT lpInsertStruct) {
    return reinterpret_cast<HTREEITEM>(SendMessage(TVM_INSERTITEM, 0, Ptr(lpInsertStruct)));
}

HTREEITEM CTreeCtrl::InsertItem(LPCTSTR lpszItem, HTREEITEM hParent, HTREEITEM hInsertAfter) {
    return InsertItem(TVIF_TEXT, lpszItem, 0, 0, 0, 0, 0, hParent, hInsertAfter);
}

HTREEITEM CTreeCtrl::InsertItem(LPCTSTR lpszItem, int nImage, int nSelectedImage, HTREEITEM hParent, HTREEITEM hInsertAfter) {
    return InsertItem(TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE, lpszItem, nImage, nSelectedImage, 0, 0, 0, hParent,
                      hInsertAfter);
}

HTREEITEM CTreeCtrl::InsertItem(UINT nMask, LPCTSTR lpszItem, int nImage, int nSelectedImage, UINT nState,
                                UINT nStateMask, LPARAM lParam, HTREEITEM hParent, HTREEITEM hInsertAfter) {
    TVINSERTSTRUCT tis{};
    tis.hParent = hParent;
    tis.hInsertAfter = hInsertAfter;
    tis.item.mask = nMask;
    tis.item.pszText = const_cast<LPTSTR>(lpszItem);
    tis.item.iImage = nImage;
    tis.item.iSelectedImage = nSelectedImage;
    tis.item.state = nState;
    tis.item.stateMask = nStateMask;
    tis.item.lParam = lParam;
    return InsertItem(&tis);
}

BOOL CTreeCtrl::DeleteItem(HTREEITEM hItem) { return static_cast<BOOL>(SendMessage(TVM_DELETEITEM, 0, Ptr(hItem))); }
BOOL CTreeCtrl::DeleteAllItems() { return DeleteItem(TVI_ROOT); }
UINT CTreeCtrl::GetCount() const { return static_cast<UINT>(SendMessage(TVM_GETCOUNT)); }
HTREEITEM CTreeCtrl::GetNextItem(HTREEITEM hItem, UINT nCode) const {
    return reinterpret_cast<HTREEITEM>(SendMessage(TVM_GETNEXTITEM, nCode, Ptr(hItem)));
}

BOOL CTreeCtrl::ItemHasChildren(HTREEITEM hItem) const {
    TVITEM item{};
    item.mask = TVIF_CHILDREN | TVIF_HANDLE;
    item.hItem = hItem;
    return GetItem(&item) && item.cChildren != 0;
}

BOOL CTreeCtrl::SelectItem(HTREEITEM hItem) { return Select(hItem, TVGN_CARET); }
BOOL CTreeCtrl::Select(HTREEITEM hItem, UINT nCode) { return static_cast<BOOL>(SendMessage(TVM_SELECTITEM, nCode, Ptr(hItem))); }
BOOL CTreeCtrl::Expand(HTREEITEM hItem, UINT nCode) { return static_cast<BOOL>(SendMessage(TVM_EXPAND, nCode, Ptr(hItem))); }
BOOL CTreeCtrl::GetItem(TVITEM* pItem) const { return static_cast<BOOL>(SendMessage(TVM_GETITEM, 0, Ptr(pItem))); }
BOOL CTreeCtrl::SetItem(TVITEM* pItem) { return static_cast<BOOL>(SendMessage(TVM_SETITEM, 0, Ptr(pItem))); }

CString CTreeCtrl::GetItemText(HTREEITEM hItem) const {
    std::vector<wchar_t> buffer(1024, L'\0');
    TVITEM item{};
    item.mask = TVIF_TEXT | TVIF_HANDLE;
    item.hItem = hItem;
    item.pszText = buffer.data();
    item.cchTextMax = static_cast<int>(buffer.size());
    GetItem(&item);
    return CString(buffer.data());
}

BOOL CTreeCtrl::SetItemText(HTREEITEM hItem, LPCTSTR lpszItem) {
    TVITEM item{};
    item.mask = TVIF_TEXT | TVIF_HANDLE;
    item.hItem = hItem;
    item.pszText = const_cast<LPTSTR>(lpszItem);
    return SetItem(&item);
}

DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM hItem) const {
    TVITEM item{};
    item.mask = TVIF_PARAM | TVIF_HANDLE;
    item.hItem = hItem;
    GetItem(&item);
    return static_cast<DWORD_PTR>(item.lParam);
}

BOOL CTreeCtrl::SetItemData(HTREEITEM hItem, DWORD_PTR dwData) {
    TVITEM item{};
    item.mask = TVIF_PARAM | TVIF_HANDLE;
    item.hItem = hItem;
    item.lParam = static_cast<LPARAM>(dwData);
    return SetItem(&item);
}

BOOL CTreeCtrl::GetItemImage(HTREEITEM hItem, int& nImage, int& nSelectedImage) const {
    TVITEM item{};
    item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_HANDLE;
    item.hItem = hItem;
    const BOOL ok = GetItem(&item);
    nImage = item.iImage;
    nSelectedImage = item.iSelectedImage;
    return ok;
}

BOOL CTreeCtrl::SetItemImage(HTREEITEM hItem, int nImage, int nSelectedImage) {
    TVITEM item{};
    item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_HANDLE;
    item.hItem = hItem;
    item.iImage = nImage;
    item.iSelectedImage = nSelectedImage;
    return SetItem(&item);
}

UINT CTreeCtrl::GetItemState(HTREEITEM hItem, UINT nStateMask) const {
    return static_cast<UINT>(SendMessage(TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(hItem), nStateMask));
}

BOOL CTreeCtrl::SetItemState(HTREEITEM hItem, UINT nState, UINT nStateMask) {
    TVITEM item{};
    item.mask = TVIF_STATE | TVIF_HANDLE;
    item.hItem = hItem;
    item.state = nState;
    item.stateMask = nStateMask;
    return SetItem(&item);
}

BOOL CTreeCtrl::GetCheck(HTREEITEM hItem) const { return ((GetItemState(hItem, TVIS_STATEIMAGEMASK) >> 12) - 1) == 1; }
BOOL CTreeCtrl::SetCheck(HTREEITEM hItem, BOOL fCheck) {
    return SetItemState(hItem, INDEXTOSTATEIMAGEMASK(fCheck ? 2 : 1), TVIS_STATEIMAGEMASK);
}

CImageList* CTreeCtrl::SetImageList(CImageList* pImageList, int nImageListType) {
    SendMessage(TVM_SETIMAGELIST, static_cast<WPARAM>(nImageListType), reinterpret_cast<LPARAM>(pImageList ? pImageList->m_hImageList : nullptr));
    return nullptr;
}

HTREEITEM CTreeCtrl::HitTest(CPoint pt, UINT* pFlags) const {
    TVHITTESTINFO info{};
    info.pt = pt;
    auto item = reinterpret_cast<HTREEITEM>(SendMessage(TVM_HITTEST, 0, Ptr(&info)));
    if (pFlags) *pFlags = info.flags;
    return item;
}

BOOL CTreeCtrl::GetItemRect(HTREEITEM hItem, LPRECT lpRect, BOOL bTextOnly) const {
    *reinterpret_cast<HTREEITEM*>(lpRect) = hItem;
    return static_cast<BOOL>(SendMessage(TVM_GETITEMRECT, static_cast<WPARAM>(bTextOnly), Ptr(lpRect)));
}

BOOL CTreeCtrl::EnsureVisible(HTREEITEM hItem) { return static_cast<BOOL>(SendMessage(TVM_ENSUREVISIBLE, 0, Ptr(hItem))); }
SHORT CTreeCtrl::SetItemHeight(SHORT cyHeight) { return static_cast<SHORT>(SendMessage(TVM_SETITEMHEIGHT, static_cast<WPARAM>(cyHeight))); }
COLORREF CTreeCtrl::SetBkColor(COLORREF clr) { return static_cast<COLORREF>(SendMessage(TVM_SETBKCOLOR, 0, static_cast<LPARAM>(clr))); }
COLORREF CTreeCtrl::SetTextColor(COLORREF clr) { return static_cast<COLORREF>(SendMessage(TVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(clr))); }
