#pragma once
// CListCtrl: the "SysListView32" control (report mode with columns and groups).
#include "platform/core/cstring.h"
#include "platform/ui/common_control_defs.h"
#include "platform/ui/header_ctrl.h"
#include "platform/ui/wnd.h"

class CImageList;

// A place in a walk over the selected items: null at the end.
struct VornPosition;
using POSITION = VornPosition*;

class CListCtrl : public CWnd {
public:
    CListCtrl() = default;
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    using CWnd::Create;

    DWORD SetExtendedStyle(DWORD dwNewStyle);
    DWORD GetExtendedStyle() const;
    int InsertColumn(int nCol, const LVCOLUMN* pColumn);
    int InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1, int nSubItem = -1);
    BOOL DeleteColumn(int nCol);
    int GetColumnWidth(int nCol) const;
    BOOL SetColumnWidth(int nCol, int cx);
    int InsertItem(const LVITEM* pItem);
    int InsertItem(int nItem, LPCTSTR lpszItem);
    int InsertItem(int nItem, LPCTSTR lpszItem, int nImage);
    int InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, UINT nState, UINT nStateMask, int nImage, LPARAM lParam);
    BOOL DeleteItem(int nItem);
    BOOL DeleteAllItems();
    int GetItemCount() const;
    BOOL GetItem(LVITEM* pItem) const;
    BOOL SetItem(const LVITEM* pItem);
    BOOL SetItemText(int nItem, int nSubItem, LPCTSTR lpszText);
    CString GetItemText(int nItem, int nSubItem) const;
    BOOL SetItemData(int nItem, DWORD_PTR dwData);
    DWORD_PTR GetItemData(int nItem) const;
    BOOL SetItemState(int nItem, UINT nState, UINT nMask);
    UINT GetItemState(int nItem, UINT nMask) const;
    BOOL SetCheck(int nItem, BOOL fCheck = TRUE);
    BOOL GetCheck(int nItem) const;
    int GetNextItem(int nItem, int nFlags) const;
    UINT GetSelectedCount() const;
    int GetSelectionMark() const;
    // The selected items in order:
    //   for (POSITION pos = list.GetFirstSelectedItemPosition(); pos;) { int i = list.GetNextSelectedItem(pos); }
    POSITION GetFirstSelectedItemPosition() const;
    int GetNextSelectedItem(POSITION& pos) const;
    CHeaderCtrl* GetHeaderCtrl();
    int SetSelectionMark(int iIndex);
    CImageList* SetImageList(CImageList* pImageList, int nImageListType);
    BOOL EnsureVisible(int nItem, BOOL bPartialOK);
    int HitTest(CPoint pt, UINT* pFlags = nullptr) const;
    int HitTest(LVHITTESTINFO* pHitTestInfo) const;
    int SubItemHitTest(LVHITTESTINFO* pInfo);
    BOOL GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const;
    int FindItem(LVFINDINFO* pFindInfo, int nStart = -1) const;
    int GetTopIndex() const;
    int GetCountPerPage() const;
    BOOL SetBkColor(COLORREF cr);
    BOOL SetTextColor(COLORREF cr);
    BOOL SetTextBkColor(COLORREF cr);

    // Groups
    LRESULT EnableGroupView(BOOL fEnable);
    BOOL IsGroupViewEnabled() const;
    LRESULT InsertGroup(int index, PLVGROUP pgrp);
    int RemoveGroup(int iGroupId);
    void RemoveAllGroups();
    BOOL HasGroup(int iGroupId) const;
    int GetGroupCount() const;

private:
    CHeaderCtrl m_header;
};
