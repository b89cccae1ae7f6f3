#include "dialogs/strings_dlg.h"

#include "options_engine/word_list_edit.h"
#include "resource_ids.h"

BEGIN_MESSAGE_MAP(CStringsDlg, CHoverButtonDialog)
    ON_WM_SIZE()
END_MESSAGE_MAP()

CStringsDlg::CStringsDlg(std::vector<CString>* pStrings, int storedValue, CWnd* pParentWnd)
    : CHoverButtonDialog(IDD_STRINGS, pParentWnd), m_list(storedValue), m_pStrings(pStrings) {}

BOOL CStringsDlg::OnInitDialog() {
    SetWindowText(m_strCaption);
    CHoverButtonDialog::OnInitDialog();
    if (!m_list.Create(0, CRect(0, 0, 0, 0), this, kListId) ||
        !m_bar.Create(CString(), CRect(0, 0, 0, 0), this, kBarId))
        return FALSE;
    // A list made here would draw with the system font; it takes the dialog's, as a template
    // control does, and so does its editor.
    m_list.SetFont(GetFont());
    m_list.GetEditor().SetFont(GetFont());
    // Rows a little taller than the text, so no line touches its neighbour or the list's edge.
    m_list.SetItemHeight(0, m_list.GetItemHeight(0) + kRowPadding);
    while (m_list.GetCount() > 0) m_list.DeleteString(0);
    for (const CString& text : *m_pStrings) m_list.AddString(text);
    SetUpButtons();
    LayoutControls();
    return TRUE;
}

void CStringsDlg::LayoutControls() {
    CRect client;
    GetClientRect(&client);
    if (m_bar.m_hWnd) m_bar.MoveWindow(client.left, client.top, client.Width(), kBarHeight);
    if (m_list.m_hWnd) m_list.MoveWindow(client.left, client.top + kBarHeight, client.Width(), client.Height() - kBarHeight - 50);
    PlaceButtons(client);
}

void CStringsDlg::OnSize(UINT nType, int cx, int cy) {
    CHoverButtonDialog::OnSize(nType, cx, cy);
    LayoutControls();
}

bool CStringsDlg::StoreList() {
    std::vector<CString> lines;
    for (int i = 0; i < m_list.GetCount(); ++i) {
        CString text;
        m_list.GetText(i, text);
        lines.push_back(text);
    }
    int refused = -1;
    if (StoreWordList(lines, *m_pStrings, refused)) return true;
    m_list.SetCurSel(refused);
    ShowRefusal(IDS_STRINGS_SEPARATOR_REFUSED);
    return false;
}

void CStringsDlg::OnOK() {
    if (StoreList()) CHoverButtonDialog::OnOK();
}

void CStringsDlg::OnCancel() {
    if (StoreList()) CHoverButtonDialog::OnCancel();
}
