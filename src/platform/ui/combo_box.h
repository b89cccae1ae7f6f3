#pragma once
// CComboBox: the "COMBOBOX" control. Owner-drawn boxes measure and draw their entries in
// MeasureItem and DrawItem when the parent leaves WM_MEASUREITEM and WM_DRAWITEM to them.
#include "platform/core/cstring.h"
#include "platform/ui/control_defs.h"
#include "platform/ui/wnd.h"

class CComboBox : public CWnd {
public:
    CComboBox() = default;
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    using CWnd::Create;

    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int nSelect);
    int AddString(LPCTSTR lpszString);
    int InsertString(int nIndex, LPCTSTR lpszString);
    int DeleteString(UINT nIndex);
    void ResetContent();
    int GetLBText(int nIndex, LPTSTR lpszText) const;
    void GetLBText(int nIndex, CString& rString) const;
    int GetLBTextLen(int nIndex) const;
    int FindString(int nStartAfter, LPCTSTR lpszString) const;
    int FindStringExact(int nIndexStart, LPCTSTR lpszFind) const;
    int SelectString(int nStartAfter, LPCTSTR lpszString);
    DWORD_PTR GetItemData(int nIndex) const;
    int SetItemData(int nIndex, DWORD_PTR dwItemData);
    void* GetItemDataPtr(int nIndex) const { return reinterpret_cast<void*>(GetItemData(nIndex)); }
    int SetItemDataPtr(int nIndex, void* pData) { return SetItemData(nIndex, reinterpret_cast<DWORD_PTR>(pData)); }
    void ShowDropDown(BOOL bShowIt = TRUE);
    BOOL GetDroppedState() const;
    void GetDroppedControlRect(LPRECT lprect) const;
    int SetDroppedWidth(UINT nWidth);
    BOOL LimitText(int nMaxChars);
    DWORD GetEditSel() const;
    BOOL SetEditSel(int nStartChar, int nEndChar);
    int GetItemHeight(int nIndex) const;
    int SetItemHeight(int nIndex, UINT cyItemHeight);

    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};
