#pragma once
// CButton: the "BUTTON" control. An owner-drawn button (BS_OWNERDRAW) is drawn by DrawItem
// when its parent leaves WM_DRAWITEM to it.
#include "platform/ui/control_defs.h"
#include "platform/ui/wnd.h"

class CBitmap;

class CButton : public CWnd {
public:
    CButton() = default;
    virtual BOOL Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    using CWnd::Create;

    int GetCheck() const;
    void SetCheck(int nCheck);
    UINT GetState() const;
    void SetState(BOOL bHighlight);
    UINT GetButtonStyle() const;
    void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE);
    HICON SetIcon(HICON hIcon);
    HICON GetIcon() const;
    HBITMAP SetBitmap(HBITMAP hBitmap);
    HBITMAP GetBitmap() const;
    void Click();

    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};
