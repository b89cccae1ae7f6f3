#pragma once
// CStringsDlg: edits one word list of the settings in an editable list with its button bar.
// OK, Cancel and the close box all store the list: blank lines are dropped, and an entry holding
// the list separator ";" is refused with a message while the dialog stays open.
//
//   CStringsDlg dlg(&settings.GetWordList(WordList::Categories), 0, nullptr);
//   dlg.m_strCaption = LoadResString(IDS_STRINGS_CATEGORIES);
//   dlg.DoModal();
#include <vector>

#include "controls/list_box_ex_button_bar.h"
#include "controls/xml_file_list_box.h"
#include "dialogs/hover_button_dialog.h"

class CStringsDlg : public CHoverButtonDialog {
public:
    static constexpr UINT kListId = 1030, kBarId = 1032;
    static constexpr int kBarHeight = 24;
    static constexpr int kRowPadding = 6;

    CStringsDlg(std::vector<CString>* pStrings, int storedValue, CWnd* pParentWnd);

    CXmlFileListBox m_list;
    CListBoxExButtonBar m_bar{m_list};
    CString m_strCaption;
    std::vector<CString>* m_pStrings;

    void LayoutControls();

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()

private:
    // Stores the list's lines; false (a message shown) when an entry holds ";".
    bool StoreList();
};
