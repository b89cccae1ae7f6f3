#pragma once
// A page for tab control tests and pictures, as the frame's pages are: a white window with a line of text.
#include "platform/core/colors.h"
#include "platform/ui/client_dc.h"
#include "platform/ui/wnd.h"

class PicturePage : public CWnd {
public:
    explicit PicturePage(const CString& text) : m_text(text) {}

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_ERASEBKGND) return TRUE;
        if (message != WM_PAINT) return CWnd::WindowProc(message, wParam, lParam);
        CPaintDC dc(this);
        CRect client;
        GetClientRect(&client);
        dc.FillSolidRect(&client, ::GetSysColor(COLOR_WINDOW));
        dc.SetBkMode(TRANSPARENT);
        dc.SelectStockObject(DEFAULT_GUI_FONT);
        client.DeflateRect(8, 6);
        dc.DrawText(m_text, &client, DT_LEFT | DT_TOP | DT_SINGLELINE);
        return 0;
    }

private:
    CString m_text;
};
