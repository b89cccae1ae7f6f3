#pragma once
// CFolderDialog: choosing a folder, starting at a given one. It takes the place of the
// shell's browse-for-folder call with a callback that preselects the initial folder: give
// the initial folder to the constructor and read the choice from GetFolderPath.
#include "platform/core/cstring.h"
#include "platform/core/win_types.h"

class CWnd;

// Browse flags (kept in the question for the answerer; only folders can be chosen).
inline constexpr UINT BIF_RETURNONLYFSDIRS = 0x0001, BIF_DONTGOBELOWDOMAIN = 0x0002;
inline constexpr UINT BIF_STATUSTEXT = 0x0004, BIF_EDITBOX = 0x0010, BIF_VALIDATE = 0x0020;
inline constexpr UINT BIF_NEWDIALOGSTYLE = 0x0040, BIF_USENEWUI = 0x0050, BIF_NONEWFOLDERBUTTON = 0x0200;

class CFolderDialog {
public:
    explicit CFolderDialog(LPCTSTR lpszTitle = nullptr, LPCTSTR lpszInitialFolder = nullptr,
                           CWnd* pParentWnd = nullptr, UINT nFlags = BIF_RETURNONLYFSDIRS);

    // IDOK when a folder was chosen, IDCANCEL otherwise.
    INT_PTR DoModal();
    // The chosen folder (the initial one until a choice is made).
    const CString& GetFolderPath() const { return m_folder; }

private:
    CString m_title;
    CString m_folder;
    CWnd* m_pParent;
    UINT m_nFlags;
};
