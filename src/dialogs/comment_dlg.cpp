#include "dialogs/comment_dlg.h"

#include "platform/ui/data_exchange.h"
#include "resource_ids.h"

BEGIN_MESSAGE_MAP(CCommentDlg, CHoverButtonDialog)
    ON_BN_CLICKED(IDOK, &CCommentDlg::OnBnClickedOk)
    ON_WM_SIZE()
END_MESSAGE_MAP()

CCommentDlg::CCommentDlg(CWnd* pParentWnd) : CHoverButtonDialog(IDD_COMMENT, pParentWnd) {}

void CCommentDlg::DoDataExchange(CDataExchange* pDX) {
    CHoverButtonDialog::DoDataExchange(pDX);
    DDX_Text(pDX, kTextId, m_text);
    DDX_Control(pDX, kTitleId, m_title);
    DDX_Control(pDX, kTextId, m_edit);
}

BOOL CCommentDlg::OnInitDialog() {
    CHoverButtonDialog::OnInitDialog();
    m_titleFont.CreateFont(-16, 0, 0, 0, FW_BOLD, FALSE, FALSE, 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH, L"MS Sans Serif");
    m_textFont.CreateFont(-14, 0, 0, 0, 0, FALSE, FALSE, 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                          CLEARTYPE_QUALITY, DEFAULT_PITCH, L"MS Sans Serif");
    m_title.SetFont(&m_titleFont, TRUE);
    m_edit.SetFont(&m_textFont, TRUE);
    SetUpButtons();
    LayoutControls();
    return TRUE;
}

void CCommentDlg::LayoutControls() {
    CRect client;
    GetClientRect(&client);
    if (m_title.m_hWnd) m_title.MoveWindow(client.left + 5, client.top + 5, client.Width() - 5, 35);
    if (m_edit.m_hWnd) m_edit.MoveWindow(client.left, client.top + 50, client.Width(), client.Height() - 110);
    PlaceButtons(client);
    Invalidate(TRUE);
}

void CCommentDlg::OnSize(UINT nType, int cx, int cy) {
    CHoverButtonDialog::OnSize(nType, cx, cy);
    LayoutControls();
}

void CCommentDlg::OnBnClickedOk() {
    if (!UpdateData(TRUE)) return;
    if (m_text.IsEmpty()) {
        ShowRefusal(IDS_DLG_COMMENT_EMPTY);
        return;
    }
    EndDialog(IDOK);
}
