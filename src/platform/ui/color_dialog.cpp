#include "platform/ui/color_dialog.h"

#include "platform/ui/dialog_answerer.h"
#include "platform/ui/ui_thread.h"
#include "platform/ui/win_app.h"
#include "platform/ui/wnd.h"

CColorDialog::CColorDialog(COLORREF clrInit, DWORD dwFlags, CWnd* pParentWnd) : m_pParent(pParentWnd) {
    m_cc.rgbResult = clrInit;
    m_cc.Flags = dwFlags | (clrInit != 0 ? CC_RGBINIT : 0);
}

INT_PTR CColorDialog::DoModal() {
    if (!vorn_ui::RequireUiThread("CColorDialog::DoModal")) return IDCANCEL;
    CColorDialogQuestion q;
    CWnd* owner = m_pParent ? m_pParent : AfxGetMainWnd();
    q.owner = owner ? owner->GetSafeHwnd() : nullptr;
    q.initial = m_cc.rgbResult;
    q.flags = m_cc.Flags;
    COLORREF chosen = m_cc.rgbResult;
    if (GetDialogAnswerer().AskColor(q, chosen) != IDOK) return IDCANCEL;
    m_cc.rgbResult = chosen & 0x00FFFFFF;
    return IDOK;
}
