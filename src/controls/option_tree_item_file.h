#pragma once
// COptionTreeItemFile: a row that holds one or more file paths, or one folder. Starting to
// edit it opens the file dialog (or the folder browser) at once; the row shows the chosen
// paths, or parts of them, one per line, and grows with their number.
#include <vector>

#include "controls/option_tree_file_dialog.h"
#include "controls/option_tree_item.h"

// Mode flags.
inline constexpr DWORD OT_FILE_SHOWEXT = 0x100, OT_FILE_SHOWFILETITLE = 0x200, OT_FILE_SHOWFILENAME = 0x400,
                       OT_FILE_SHOWDIR = 0x800, OT_FILE_SHOWDRIVE = 0x1000, OT_FILE_SELECTDIR = 0x8000,
                       OT_FILE_OPENDIALOG = 0x20000, OT_FILE_SHOWFULLPATH = 0x40000;

class COptionTreeItemFile : public COptionTreeItem {
public:
    COptionTreeItemFile();
    int SetDialogOptions(const CString& initialPath, const CString& defaultExt, const CString& filter,
                         DWORD dwModeFlags, DWORD dwDialogFlags);
    CString GetPath() const { return m_paths.empty() ? CString() : m_paths.front(); }
    const std::vector<CString>& GetPaths() const { return m_paths; }
    // The text the row shows: one line per path, or "No selection made.".
    CString DisplayText() const;

    void DrawValue(CDC* pDC, const RECT& rcValue) override;
    void Activate() override;

    COptionTreeFileDialog m_dialog;

private:
    DWORD m_dwMode = 0;
    DWORD m_dwDialogFlags = 0;
    int m_nMinRowHeight = 0;
    std::vector<CString> m_paths;
    CString m_defaultExt;
    CString m_filter;
    CString m_folderTitle;
};
