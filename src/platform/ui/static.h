#pragma once
// CStatic: the "STATIC" control (text, icon, bitmap, frames).
#include "platform/ui/control_defs.h"
#include "platform/ui/wnd.h"

class CStatic : public CWnd {
public:
    CStatic() = default;
    virtual BOOL Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID = 0xFFFF);
    using CWnd::Create;

    HICON SetIcon(HICON hIcon);
    HICON GetIcon() const;
    HBITMAP SetBitmap(HBITMAP hBitmap);
    HBITMAP GetBitmap() const;
};
