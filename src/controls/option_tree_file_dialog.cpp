#include "controls/option_tree_file_dialog.h"

#include "platform/ui/file_dialog.h"
#include "platform/ui/folder_dialog.h"
#include "platform/ui/window_defs.h"

void COptionTreeFileDialog::SetupFileDialog(BOOL bOpen, const CString& defaultExt, const CString& initialFile,
                                            const CString& filter, CWnd* pOwner, DWORD dwFlags) {
    m_bOpen = bOpen;
    m_defaultExt = defaultExt;
    m_file = initialFile;
    m_dwFlags = dwFlags | OFN_EXPLORER;
    m_filter = filter;  // "description|pattern|", as the common file dialog takes it
    m_pOwner = pOwner;
}

INT_PTR COptionTreeFileDialog::RunFileDialog() {
    CFileDialog dialog(m_bOpen, m_defaultExt.IsEmpty() ? nullptr : m_defaultExt.GetString(),
                       m_file.IsEmpty() ? nullptr : m_file.GetString(), m_dwFlags,
                       m_filter.IsEmpty() ? nullptr : m_filter.GetString(), m_pOwner);
    if (dialog.DoModal() != IDOK) return IDCANCEL;
    m_paths = dialog.GetPathNames();
    if (m_paths.empty()) m_paths.push_back(dialog.GetPathName());
    return IDOK;
}

CString COptionTreeFileDialog::GetNextPathName(int& position) const {
    if (position < 0 || position >= static_cast<int>(m_paths.size())) {
        position = -1;
        return CString();
    }
    CString path = m_paths[static_cast<size_t>(position)];
    ++position;
    if (position >= static_cast<int>(m_paths.size())) position = -1;
    return path;
}

INT_PTR COptionTreeFileDialog::BrowseForFolder(CWnd* pOwner, const CString& title, const CString& initialFolder,
                                               DWORD dwFlags) {
    CFolderDialog dialog(title, initialFolder.IsEmpty() ? nullptr : initialFolder.GetString(), pOwner, dwFlags);
    if (dialog.DoModal() != IDOK) return IDCANCEL;
    m_folder = dialog.GetFolderPath();
    return IDOK;
}
