#include "dialogs/hover_button_dialog.h"

#include "platform/core/load_res_string.h"
#include "platform/ui/data_exchange.h"
#include "platform/ui/message_box.h"
#include "platform/ui/resources.h"
#include "resource_ids.h"

CHoverButtonDialog::CHoverButtonDialog(UINT nIDTemplate, CWnd* pParentWnd) : CDialog(nIDTemplate, pParentWnd) {}

void CHoverButtonDialog::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDOK, m_btnOk);
    DDX_Control(pDX, IDCANCEL, m_btnCancel);
}

void CHoverButtonDialog::SetUpButtons() {
    const bool classic = !m_theme.IsLoaded() || !m_theme.IsAppThemed();
    const struct {
        CHoverButton& button;
        UINT icon;
        UINT text;
    } buttons[] = {{m_btnOk, IDI_BUTTON_OK, IDS_DLG_BUTTON_OK}, {m_btnCancel, IDI_BUTTON_CANCEL, IDS_DLG_BUTTON_CANCEL}};
    for (const auto& b : buttons) {
        b.button.SetThemeLibrary(&m_theme);
        if (classic) b.button.SetDrawBorder(TRUE);
        if (!b.button.m_hWnd) continue;
        HINSTANCE module = AfxFindResourceHandle(MAKEINTRESOURCE(b.icon), RT_ICON);
        auto icon = static_cast<HICON>(LoadImage(module, MAKEINTRESOURCE(b.icon), IMAGE_ICON, 0, 0, LR_DEFAULTCOLOR));
        if (icon) b.button.SetIcon(icon);
        b.button.SetWindowText(LoadResString(b.text));
    }
}

void CHoverButtonDialog::PlaceButtons(const CRect& client) {
    if (CWnd* ok = GetDlgItem(IDOK)) ok->MoveWindow(client.right - 115, client.bottom - 45, 110, 40);
    if (CWnd* cancel = GetDlgItem(IDCANCEL)) cancel->MoveWindow(client.right - 235, client.bottom - 45, 110, 40);
}

void CHoverButtonDialog::ShowRefusal(UINT textId) {
    MessageBox(LoadResString(textId), LoadResString(IDS_ERROR_CAPTION), MB_ICONHAND);
}
