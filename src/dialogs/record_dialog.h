#pragma once
// CRecordDialog: a record dialog on the option tree. The tree fills the client area with the OK
// and Cancel buttons over its info pane; the dialog builds its rows with the builders below, one
// per row kind, and reads them back on OK. Keys typed in the tree reach its editors (Enter in a
// long text starts a new line) unless the dialog swallows Escape and Enter everywhere.
//
//   BOOL CMyDlg::OnInitDialog() {
//       CRecordDialog::OnInitDialog();
//       if (!CreateTree()) return FALSE;
//       SetUpButtons();
//       PrepareTree(150);
//       COptionTreeItem* group = AddGroup(nullptr, Res(IDS_X), Res(IDS_X_INFO));
//       m_name = AddText(group, Res(IDS_NAME), Res(IDS_NAME_INFO), m_record->m_strName);
//       FinishRows();
//       return TRUE;
//   }
#include <vector>

#include "controls/option_tree.h"
#include "dialogs/hover_button_dialog.h"
#include "platform/core/ole_date_time.h"

class COptionTreeItemCheckBox;
class COptionTreeItemColor;
class COptionTreeItemComboBox;
class COptionTreeItemDate;
class COptionTreeItemEdit;
class COptionTreeItemImage;
class COptionTreeItemRadio;
class COptionTreeItemSpinner;
class COptionTreeItemStatic;
class CScheduleData;

class CRecordDialog : public CHoverButtonDialog {
public:
    static constexpr UINT kTreeId = 101;

    CRecordDialog(UINT nIDTemplate, CWnd* pParentWnd, UINT treeId = kTreeId);

    COptionTree& Tree() { return m_tree; }
    // Tree and buttons for the current client size.
    void LayoutControls();

    // Values read back; a row that was not built reads as empty, 0 or -1.
    static CString TextOf(const CWnd* row);
    static int CheckedIndexOf(const COptionTreeItemRadio* row);
    static BOOL IsTicked(const COptionTreeItemCheckBox* row);
    static int NumberOf(const COptionTreeItemSpinner* row);

protected:
    // The keys the dialog lets through.
    enum class KeyFilter {
        Tree,              // keys typed in the tree reach its editors; elsewhere the dialog's keys
        SwallowEscapeEnter  // Escape and Enter do nothing anywhere
    };

    // The tree over an empty rectangle with the info pane and shaded cells; FALSE when it could
    // not be made.
    BOOL CreateTree();
    // Notifications to the dialog, the parts laid out, painted, and the label column width.
    void PrepareTree(int columnWidth);
    // Every row expanded, then the layout.
    void FinishRows();
    // The open document.
    static CScheduleData& Document();
    // OK of a dialog that edits a record: the rows go into a copy of the record (write gives the
    // id of the message that refuses the OK, or 0); the copy replaces the record and the dialog
    // closes only when nothing refused it. True when it closed.
    template <class Record, class Write>
    bool AcceptEdit(Record* record, Write write) {
        Record edited = *record;
        if (const UINT refusal = write(edited)) {
            ShowRefusal(refusal);
            return false;
        }
        *record = std::move(edited);
        CDialog::OnOK();
        return true;
    }

    BOOL PreTranslateMessage(MSG* pMsg) override;
    void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()

    // Row builders. Each inserts its row under the parent (null: the root) with the label and
    // description, creates its editor and, when that worked, shows the value.
    static CString Res(UINT id);
    COptionTreeItem* AddGroup(COptionTreeItem* parent, const CString& label, const CString& info);
    COptionTreeItemEdit* AddText(COptionTreeItem* parent, const CString& label, const CString& info,
                                 const CString& value);
    COptionTreeItemEdit* AddLongText(COptionTreeItem* parent, const CString& label, const CString& info,
                                     const CString& value);
    // An editable drop-down: the list in order, then the list entry equal to the value selected,
    // or the value set as the text when select is false or no entry equals it.
    COptionTreeItemComboBox* AddListText(COptionTreeItem* parent, const CString& label, const CString& info,
                                         const std::vector<CString>& list, const CString& value, bool select = true);
    // One option per text; the option of that index checked (none for an index out of range).
    COptionTreeItemRadio* AddChoice(COptionTreeItem* parent, const CString& label, const CString& info,
                                    const std::vector<CString>& options, int checked);
    // Two options: the first stands for 0, the second for any other flag.
    COptionTreeItemRadio* AddYesNo(COptionTreeItem* parent, const CString& label, const CString& info, UINT noId,
                                   UINT yesId, int flag);
    COptionTreeItemCheckBox* AddCheck(COptionTreeItem* parent, const CString& label, const CString& info,
                                      BOOL checked);
    COptionTreeItemColor* AddColour(COptionTreeItem* parent, const CString& label, const CString& info,
                                    COLORREF colour);
    COptionTreeItemSpinner* AddNumber(COptionTreeItem* parent, const CString& label, const CString& info, int value,
                                      int minimum, int maximum);
    COptionTreeItemDate* AddDate(COptionTreeItem* parent, const CString& label, const CString& info,
                                 const COleDateTime& date);
    // The eleven fill styles with their tips, the record's one selected.
    COptionTreeItemImage* AddHatch(COptionTreeItem* parent, const CString& label, const CString& info, int hatch,
                                   int columns = 3);
    // A read-only row that shows its label only, or a text beside it.
    COptionTreeItemStatic* AddStatic(COptionTreeItem* parent, const CString& label, const CString& info,
                                     const CString& value = CString());

    COptionTree m_tree;
    KeyFilter m_keyFilter = KeyFilter::Tree;

private:
    bool IsInTree(HWND hwnd) const;

    UINT m_treeId;
};
