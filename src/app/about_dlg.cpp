#include "app/about_dlg.h"

#include "platform/core/load_res_string.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/client_dc.h"
#include "platform/ui/dc.h"
#include "resource_ids.h"

BEGIN_MESSAGE_MAP(CAboutDlg, CDialog)
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) {}

BOOL CAboutDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CRect client;
    GetClientRect(&client);
    if (client.Width() != kWidth || client.Height() != kHeight) {
        CPoint origin(0, 0);
        ClientToScreen(&origin);
        SetWindowPos(nullptr, origin.x, origin.y, kWidth, kHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    m_textFont.CreateFont(18, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                          CLIP_DEFAULT_PRECIS, 6, FF_SWISS, L"Arial");
    m_headingFont.CreateFont(22, 0, 0, 0, FW_BOLD, FALSE, TRUE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, 6, FF_SWISS, L"Arial");
    return TRUE;
}

void CAboutDlg::OnPaint() {
    CPaintDC dc(this);
    CBitmap picture;
    if (picture.LoadBitmap(IDB_ABOUT)) {
        BITMAP info{};
        picture.GetBitmap(&info);
        CDC memory;
        memory.CreateCompatibleDC(&dc);
        CBitmap* old = memory.SelectObject(&picture);
        dc.BitBlt(0, 0, info.bmWidth, info.bmHeight, &memory, 0, 0, SRCCOPY);
        memory.SelectObject(old);
    }
    dc.SetBkMode(TRANSPARENT);
    CFont* oldFont = dc.SelectObject(&m_headingFont);
    CRect heading(45, 40, 480, 90);
    dc.DrawText(LoadResString(IDS_ABOUT_TITLE), &heading, DT_WORDBREAK | DT_RIGHT);
    dc.SelectObject(&m_textFont);
    CRect description(45, 90, 480, 140);
    dc.DrawText(LoadResString(IDS_ABOUT_TEXT), &description, DT_WORDBREAK);
    CRect note(35, 300, 480, 400);
    dc.DrawText(LoadResString(IDS_ABOUT_NOTE), &note, DT_WORDBREAK | DT_RIGHT);
    dc.SelectObject(oldFont);
}

void CAboutDlg::OnLButtonDown(UINT, CPoint) { EndDialog(IDOK); }
