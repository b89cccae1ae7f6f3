#pragma once
// COptionTreeFileDialog: the file and folder choosing of a file row, over the common file
// dialog and the folder browser. Paths of any length are kept whole.
#include <vector>

#include "platform/core/cstring.h"
#include "platform/core/win_types.h"

class CWnd;

class COptionTreeFileDialog {
public:
    virtual ~COptionTreeFileDialog() = default;

    void SetupFileDialog(BOOL bOpen, const CString& defaultExt, const CString& initialFile, const CString& filter,
                         CWnd* pOwner, DWORD dwFlags);
    // IDOK when the user confirmed, IDCANCEL otherwise.
    virtual INT_PTR RunFileDialog();
    // The next full path of the selection, from position 0; the position becomes -1 after the last.
    CString GetNextPathName(int& position) const;
    INT_PTR BrowseForFolder(CWnd* pOwner, const CString& title, const CString& initialFolder, DWORD dwFlags);
    CString GetFolderPath() const { return m_folder; }
    DWORD GetFlags() const { return m_dwFlags; }
    CString GetFilter() const { return m_filter; }

private:
    BOOL m_bOpen = TRUE;
    CString m_defaultExt;
    CString m_file;
    CString m_filter;
    DWORD m_dwFlags = 0;
    CWnd* m_pOwner = nullptr;
    std::vector<CString> m_paths;
    CString m_folder;
};
