#include "platform/ui/folder_dialog.h"

#include "platform/ui/dialog_answerer.h"
#include "platform/ui/ui_thread.h"
#include "platform/ui/win_app.h"
#include "platform/ui/wnd.h"

CFolderDialog::CFolderDialog(LPCTSTR lpszTitle, LPCTSTR lpszInitialFolder, CWnd* pParentWnd, UINT nFlags)
    : m_title(lpszTitle ? lpszTitle : L""),
      m_folder(lpszInitialFolder ? lpszInitialFolder : L""),
      m_pParent(pParentWnd),
      m_nFlags(nFlags) {}

INT_PTR CFolderDialog::DoModal() {
    if (!vorn_ui::RequireUiThread("CFolderDialog::DoModal")) return IDCANCEL;
    CFolderDialogQuestion q;
    CWnd* owner = m_pParent ? m_pParent : AfxGetMainWnd();
    q.owner = owner ? owner->GetSafeHwnd() : nullptr;
    q.title = m_title;
    q.initialFolder = m_folder;
    q.flags = m_nFlags;
    CString chosen;
    if (GetDialogAnswerer().AskFolder(q, chosen) != IDOK || chosen.IsEmpty()) return IDCANCEL;
    m_folder = chosen;
    return IDOK;
}
