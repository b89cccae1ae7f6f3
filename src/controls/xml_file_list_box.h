#pragma once
// CXmlFileListBox: an editable list of document paths whose "..." button chooses an XML file.
#include "controls/list_box_ex.h"

class CXmlFileListBox : public CListBoxEx {
public:
    explicit CXmlFileListBox(BOOL browseEnabled = TRUE) : m_bBrowseEnabled(browseEnabled) {}
    void OnBrowse(int item) override;

    BOOL m_bBrowseEnabled;
};
