#include "platform/ui/shell_execute.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace {

ShellOpener& InstalledOpener() {
    static ShellOpener opener;
    return opener;
}

bool DesktopOpen(const CString& target) {
    const QString text = QString::fromStdWString(target.GetString());
    // A path that exists is a local file; anything else is an address ("www.example.org"
    // becomes an http address, as the shell takes it).
    const QUrl url = QFileInfo::exists(text) ? QUrl::fromLocalFile(QFileInfo(text).absoluteFilePath())
                                             : QUrl::fromUserInput(text);
    return url.isValid() && QDesktopServices::openUrl(url);
}

HINSTANCE Result(int code) { return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(code)); }

}  // namespace

ShellOpener SetShellOpener(ShellOpener opener) {
    ShellOpener previous = InstalledOpener();
    InstalledOpener() = std::move(opener);
    return previous;
}

HINSTANCE ShellExecute(HWND, LPCTSTR lpVerb, LPCTSTR lpFile, LPCTSTR, LPCTSTR lpDirectory, INT) {
    if (!lpFile || !*lpFile) return Result(SE_ERR_FNF);
    const CString verb = lpVerb ? lpVerb : L"";
    if (!verb.IsEmpty() && verb.CompareNoCase(L"open") != 0 && verb.CompareNoCase(L"explore") != 0)
        return Result(SE_ERR_NOASSOC);
    CString target = lpFile;
    // A relative path is taken in the folder given.
    if (lpDirectory && *lpDirectory && target[0] != L'/' && QFileInfo::exists(QString::fromStdWString(
                                                                 (CString(lpDirectory) + L"/" + target).GetString())))
        target = CString(lpDirectory) + L"/" + target;
    const ShellOpener& opener = InstalledOpener();
    const bool ok = opener ? opener(target) : DesktopOpen(target);
    return Result(ok ? 42 : SE_ERR_NOASSOC);
}

BOOL ShellExecuteEx(SHELLEXECUTEINFO* info) {
    if (!info) return FALSE;
    info->hInstApp = ShellExecute(info->hwnd, info->lpVerb, info->lpFile, info->lpParameters, info->lpDirectory,
                                  info->nShow);
    return reinterpret_cast<INT_PTR>(info->hInstApp) > 32 ? TRUE : FALSE;
}
