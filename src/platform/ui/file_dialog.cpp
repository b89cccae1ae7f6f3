#include "platform/ui/file_dialog.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "platform/ui/dialog_answerer.h"
#include "platform/ui/ui_thread.h"
#include "platform/ui/win_app.h"
#include "platform/ui/wnd.h"

std::vector<CFileFilter> ParseFileFilter(const CString& filter) {
    std::vector<CFileFilter> entries;
    const std::wstring text = filter.GetString();
    std::vector<std::wstring> parts;
    std::size_t start = 0;
    for (std::size_t bar = text.find(L'|'); bar != std::wstring::npos; bar = text.find(L'|', start)) {
        parts.push_back(text.substr(start, bar - start));
        start = bar + 1;
    }
    if (start < text.size()) parts.push_back(text.substr(start));
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].empty()) break;
        entries.push_back({CString(parts[i].c_str()), CString(parts[i + 1].c_str())});
    }
    return entries;
}

namespace {

std::function<CString()>& FolderSource() {
    static std::function<CString()> source;
    return source;
}

}  // namespace

void SetFileDialogFolderSource(std::function<CString()> source) { FolderSource() = std::move(source); }

CString DefaultFileDialogFolder() {
    if (FolderSource()) {
        const CString folder = FolderSource()();
        if (!folder.IsEmpty() && QFileInfo(QString::fromStdWString(folder.GetString())).isDir()) return folder;
    }
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty() || !QFileInfo(documents).isDir()) documents = QDir::homePath();
    return CString(documents.toStdWString());
}

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName, DWORD dwFlags,
                         LPCTSTR lpszFilter, CWnd* pParentWnd)
    : m_bOpen(bOpenFileDialog),
      m_defExt(lpszDefExt ? lpszDefExt : L""),
      m_fileName(lpszFileName ? lpszFileName : L""),
      m_filter(lpszFilter ? lpszFilter : L""),
      m_pParent(pParentWnd) {
    m_ofn.Flags = dwFlags;
}

INT_PTR CFileDialog::DoModal() {
    if (!vorn_ui::RequireUiThread("CFileDialog::DoModal")) return IDCANCEL;
    CFileDialogQuestion q;
    CWnd* owner = m_pParent ? m_pParent : AfxGetMainWnd();
    q.owner = owner ? owner->GetSafeHwnd() : nullptr;
    q.open = m_bOpen != FALSE;
    q.title = m_ofn.lpstrTitle ? m_ofn.lpstrTitle : L"";
    q.filter = m_filter;
    q.filterIndex = static_cast<int>(m_ofn.nFilterIndex);
    q.defaultExt = m_defExt;
    q.fileName = m_fileName;
    q.initialDir = m_ofn.lpstrInitialDir ? m_ofn.lpstrInitialDir : L"";
    // Not the program's working folder: a name with a folder of its own places the dialog itself.
    if (q.initialDir.IsEmpty() && m_fileName.Find(L'/') < 0) q.initialDir = DefaultFileDialogFolder();
    q.flags = m_ofn.Flags;
    std::vector<CString> paths;
    int filterIndex = q.filterIndex;
    const int result = GetDialogAnswerer().AskFile(q, paths, filterIndex);
    if (result != IDOK || paths.empty()) return IDCANCEL;
    if (!(m_ofn.Flags & OFN_ALLOWMULTISELECT)) paths.resize(1);
    // A name typed without an extension takes the default one.
    if (!m_defExt.IsEmpty()) {
        for (CString& path : paths) {
            const int slash = path.ReverseFind(L'/');
            const int dot = path.ReverseFind(L'.');
            if (dot <= slash) path += (m_defExt[0] == L'.' ? L"" : L".") + m_defExt;
        }
    }
    m_paths = paths;
    m_ofn.nFilterIndex = static_cast<DWORD>(filterIndex);
    return IDOK;
}

CString CFileDialog::GetPathName() const { return m_paths.empty() ? CString() : m_paths.front(); }

CString CFileDialog::GetFileName() const {
    const CString path = GetPathName();
    return path.Mid(path.ReverseFind(L'/') + 1);
}

CString CFileDialog::GetFileExt() const {
    const CString name = GetFileName();
    const int dot = name.ReverseFind(L'.');
    return dot < 0 ? CString() : name.Mid(dot + 1);
}

CString CFileDialog::GetFileTitle() const {
    const CString name = GetFileName();
    const int dot = name.ReverseFind(L'.');
    return dot < 0 ? name : name.Left(dot);
}

CString CFileDialog::GetFolderPath() const {
    const CString path = GetPathName();
    const int slash = path.ReverseFind(L'/');
    return slash < 0 ? CString() : path.Left(slash);
}
