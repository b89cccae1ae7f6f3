#include "controls/transparent_static.h"

#include "platform/core/window_styles.h"
#include "platform/ui/client_dc.h"

BEGIN_MESSAGE_MAP(CTransparentStatic, CStatic)
    ON_WM_PAINT()
END_MESSAGE_MAP()

UINT CTransparentStatic::TextFlags(DWORD style) {
    UINT flags = style & 3;  // SS_LEFT, SS_CENTER, SS_RIGHT are DT_LEFT, DT_CENTER, DT_RIGHT
    if (style & SS_CENTERIMAGE) flags |= DT_SINGLELINE | DT_VCENTER;
    if (style & SS_NOPREFIX) flags |= DT_NOPREFIX;
    if (style & 0xC000) flags |= DT_WORD_ELLIPSIS;
    if (style & 0x4000) flags |= DT_END_ELLIPSIS;
    if (style & 0x8000) flags |= DT_PATH_ELLIPSIS;
    if ((style & 0xC20C) == 0) flags |= DT_WORDBREAK;
    return flags;
}

void CTransparentStatic::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    CString text;
    GetWindowText(text);
    CFont* oldFont = dc.SelectObject(GetFont());
    dc.SetBkMode(TRANSPARENT);
    dc.DrawText(text, &client, TextFlags(GetStyle()));
    dc.SelectObject(oldFont);
}
