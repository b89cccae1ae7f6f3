#include "controls/xml_file_list_box.h"

#include "controls/app_recent_documents.h"
#include "platform/core/load_res_string.h"
#include "platform/ui/file_dialog.h"
#include "resource_ids.h"

void CXmlFileListBox::OnBrowse(int) {
    if (!m_bBrowseEnabled) return;
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, LoadResString(IDS_XML_FILE_FILTER), this);
    if (dialog.DoModal() != IDOK) return;
    CInPlaceEdit& editor = GetEditor();
    if (editor.IsWindowVisible()) {
        editor.SetWindowText(dialog.GetPathName());
        editor.SetFocus();
    }
    AddAppRecentDocument(dialog.GetFileName(), dialog.GetPathName(), false);
}
