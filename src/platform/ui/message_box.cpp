#include "platform/ui/message_box.h"

#include <QApplication>

#include "platform/core/load_res_string.h"
#include "platform/ui/dialog_answerer.h"
#include "platform/ui/ui_thread.h"
#include "platform/ui/win_app.h"
#include "platform/ui/wnd.h"

int MessageBoxButtons(UINT type, int buttons[4]) {
    const int* list = nullptr;
    static const int ok[] = {IDOK};
    static const int okCancel[] = {IDOK, IDCANCEL};
    static const int abortRetryIgnore[] = {IDABORT, IDRETRY, IDIGNORE};
    static const int yesNoCancel[] = {IDYES, IDNO, IDCANCEL};
    static const int yesNo[] = {IDYES, IDNO};
    static const int retryCancel[] = {IDRETRY, IDCANCEL};
    static const int cancelTryContinue[] = {IDCANCEL, IDTRYAGAIN, IDCONTINUE};
    int count = 0;
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: list = okCancel, count = 2; break;
    case MB_ABORTRETRYIGNORE: list = abortRetryIgnore, count = 3; break;
    case MB_YESNOCANCEL: list = yesNoCancel, count = 3; break;
    case MB_YESNO: list = yesNo, count = 2; break;
    case MB_RETRYCANCEL: list = retryCancel, count = 2; break;
    case MB_CANCELTRYCONTINUE: list = cancelTryContinue, count = 3; break;
    default: list = ok, count = 1; break;
    }
    for (int i = 0; i < 4; ++i) buttons[i] = i < count ? list[i] : 0;
    return count;
}

int MessageBoxDefaultButton(UINT type) {
    int buttons[4];
    const int count = MessageBoxButtons(type, buttons);
    const int index = static_cast<int>((type & MB_DEFMASK) >> 8);
    return index < count ? index : 0;
}

int MessageBox(HWND hwnd, LPCTSTR text, LPCTSTR caption, UINT type) {
    if (!vorn_ui::RequireUiThread("MessageBox")) return 0;
    CMessageBoxQuestion q;
    q.owner = hwnd;
    q.text = text ? text : L"";
    q.caption = caption ? caption : L"Error";
    q.type = type;
    return GetDialogAnswerer().AskMessageBox(q);
}

int CWnd::MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType) {
    const CString caption = lpszCaption ? CString(lpszCaption) : AfxGetAppName();
    return ::MessageBox(m_hWnd, lpszText, caption, nType);
}

int AfxMessageBox(LPCTSTR text, UINT type, UINT /*helpId*/) {
    CWnd* main = AfxGetMainWnd();
    HWND owner = main ? main->GetSafeHwnd() : nullptr;
    return ::MessageBox(owner, text, AfxGetAppName(), type);
}

int AfxMessageBox(UINT idPrompt, UINT type, UINT helpId) {
    const CString text = LoadResString(idPrompt);
    return AfxMessageBox(text, type, helpId == static_cast<UINT>(-1) ? idPrompt : helpId);
}

BOOL MessageBeep(UINT /*type*/) {
    if (qApp) QApplication::beep();
    return TRUE;
}
