#pragma once
// CFileDialog: the open and save dialogs. The filter takes the "name|pattern|name|pattern|"
// form ("XML file (*.xml)|*.xml|"); a pattern may list several masks separated by ";". The
// dialog runs through the dialog answerer (dialog_answerer.h).
#include <functional>
#include <vector>

#include "platform/core/cstring.h"
#include "platform/core/win_types.h"

class CWnd;

// OPENFILENAME flags
inline constexpr DWORD OFN_READONLY = 0x00000001, OFN_OVERWRITEPROMPT = 0x00000002;
inline constexpr DWORD OFN_HIDEREADONLY = 0x00000004, OFN_NOCHANGEDIR = 0x00000008;
inline constexpr DWORD OFN_SHOWHELP = 0x00000010, OFN_NOVALIDATE = 0x00000100;
inline constexpr DWORD OFN_ALLOWMULTISELECT = 0x00000200, OFN_EXTENSIONDIFFERENT = 0x00000400;
inline constexpr DWORD OFN_PATHMUSTEXIST = 0x00000800, OFN_FILEMUSTEXIST = 0x00001000;
inline constexpr DWORD OFN_CREATEPROMPT = 0x00002000, OFN_NOREADONLYRETURN = 0x00008000;
inline constexpr DWORD OFN_EXPLORER = 0x00080000, OFN_NODEREFERENCELINKS = 0x00100000;
inline constexpr DWORD OFN_ENABLESIZING = 0x00800000, OFN_DONTADDTORECENT = 0x02000000;

// One entry of a filter: the name shown and its masks ("*.xml", "*.htm;*.html").
struct CFileFilter {
    CString name;
    CString masks;
};

// The entries of a filter string; an empty entry name ends it ("||").
std::vector<CFileFilter> ParseFileFilter(const CString& filter);

// The folder a file dialog opens in when its caller names none: the program tells it (the
// folder of the open document); without one, or when it names none, the user's documents
// folder.
void SetFileDialogFolderSource(std::function<CString()> source);
CString DefaultFileDialogFolder();

// The fields of the dialog that callers set before DoModal.
struct OPENFILENAME {
    DWORD Flags = 0;
    LPCTSTR lpstrTitle = nullptr;
    LPCTSTR lpstrInitialDir = nullptr;
    DWORD nFilterIndex = 1;
};

class CFileDialog {
public:
    OPENFILENAME m_ofn;

    explicit CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt = nullptr, LPCTSTR lpszFileName = nullptr,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR lpszFilter = nullptr,
                         CWnd* pParentWnd = nullptr);
    virtual ~CFileDialog() = default;

    // IDOK when a file was chosen, IDCANCEL otherwise. A chosen name without an extension gets
    // the default extension.
    virtual INT_PTR DoModal();

    // The chosen file: full path, name with extension, extension, name without extension,
    // and its folder.
    CString GetPathName() const;
    CString GetFileName() const;
    CString GetFileExt() const;
    CString GetFileTitle() const;
    CString GetFolderPath() const;
    // Every chosen path, in order (several with OFN_ALLOWMULTISELECT).
    const std::vector<CString>& GetPathNames() const { return m_paths; }

private:
    BOOL m_bOpen;
    CString m_defExt;
    CString m_fileName;
    CString m_filter;
    CString m_title;
    CWnd* m_pParent;
    std::vector<CString> m_paths;
};
