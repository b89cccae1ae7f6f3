#include "controls/option_tree_item_file.h"

#include <cstdlib>
#include <filesystem>

#include "controls/option_tree.h"
#include "platform/core/load_res_string.h"
#include "platform/ui/dc.h"
#include "resource_ids.h"

namespace {

std::filesystem::path PathOf(const CString& text) { return std::filesystem::path(text.ToUtf8()); }

CString TextOf(const std::filesystem::path& path) { return CString(path.string()); }

// The part of a path the display bits ask for; empty when the part needs a file that is not there.
CString PartOf(const CString& text, DWORD mode) {
    const std::filesystem::path path = PathOf(text);
    std::error_code ec;
    const bool exists = std::filesystem::exists(path, ec);
    if (mode & OT_FILE_SHOWFILENAME) return exists ? TextOf(path.filename()) : CString();
    if (mode & OT_FILE_SHOWFILETITLE) return exists ? TextOf(path.stem()) : CString();
    if (mode & OT_FILE_SHOWEXT) {
        if (!exists) return CString();
        const CString name = TextOf(path.filename());
        return name.Right(3);
    }
    if (mode & OT_FILE_SHOWDIR) return TextOf(path.parent_path());
    if (mode & OT_FILE_SHOWDRIVE) return TextOf(path.root_path());
    return CString();
}

}  // namespace

COptionTreeItemFile::COptionTreeItemFile() : m_folderTitle(LoadResString(IDS_OPTION_TREE_SELECT_FOLDER)) {
    m_kind = kFile;
}

int COptionTreeItemFile::SetDialogOptions(const CString& initialPath, const CString& defaultExt, const CString& filter,
                                          DWORD dwModeFlags, DWORD dwDialogFlags) {
    if (!m_pTree) return 0;
    m_dwMode = dwModeFlags;
    m_dwDialogFlags = dwDialogFlags;
    m_paths.push_back(initialPath);
    m_defaultExt = defaultExt;
    m_filter = filter;
    m_nMinRowHeight = m_nRowHeight;
    return 1;
}

CString COptionTreeItemFile::DisplayText() const {
    CString text;
    for (const CString& path : m_paths) {
        if (m_dwMode & OT_FILE_SHOWFULLPATH) {
            text += path;
            text += L"\n";
            continue;
        }
        const CString part = PartOf(path, m_dwMode);
        if (part.IsEmpty()) continue;
        text += part;
        text += L"\n";
    }
    text.TrimRight();
    if (text.IsEmpty()) text = LoadResString(IDS_OPTION_TREE_NO_VALUE);
    return text;
}

void COptionTreeItemFile::DrawValue(CDC* pDC, const RECT& rcValue) {
    if (!m_pTree) return;
    pDC->SelectObject(COptionTree::NormalFont());
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(ValueTextColor());
    CRect rect(rcValue.left + 1, rcValue.top + 1, rcValue.right, rcValue.bottom);
    pDC->DrawText(DisplayText(), &rect, DT_TOP | DT_LEFT | DT_NOPREFIX);
}

void COptionTreeItemFile::Activate() {
    if (!m_pTree) return;
    // 1. to 3. The dialog, starting at the first path.
    const CString start = GetPath();
    bool confirmed = false;
    if (m_dwMode & OT_FILE_SELECTDIR) {
        if (m_dialog.BrowseForFolder(m_pTree, m_folderTitle, start, m_dwDialogFlags) == IDOK) {
            m_paths.assign(1, m_dialog.GetFolderPath());
            confirmed = true;
        }
    } else {
        m_dialog.SetupFileDialog((m_dwMode & OT_FILE_OPENDIALOG) != 0, m_defaultExt, start, m_filter, m_pTree,
                                 m_dwDialogFlags);
        if (m_dialog.RunFileDialog() == IDOK) {
            m_paths.clear();
            for (int position = 0; position >= 0;) m_paths.push_back(m_dialog.GetNextPathName(position));
            confirmed = true;
        }
    }
    if (confirmed) {
        // 4. The row grows with the number of paths.
        LOGFONT font{};
        COptionTree::NormalFont()->GetLogFont(&font);
        const int needed = static_cast<int>(m_paths.size()) * (std::abs(static_cast<int>(font.lfHeight)) + 3);
        if (m_nMinRowHeight < needed) {
            m_nRowHeight = needed + 5;
            m_bLabelOffset = TRUE;
        } else {
            m_nRowHeight = m_nMinRowHeight;
            m_bLabelOffset = FALSE;
        }
        // The confirmed choice is the row's edit: it is committed and reported.
        CommitChanges();
        return;
    }
    // 5. A cancelled dialog changes nothing, and the edit ends.
    m_bEditing = FALSE;
    m_pTree->UpdateScrollRange();
    m_pTree->Repaint();
}
