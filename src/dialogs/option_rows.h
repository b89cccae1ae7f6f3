#pragma once
// The rows of an option tree as the record dialogs and the options page build them. Each builder
// inserts its row under the parent (null: the root) with the label and description, creates its
// editor and, when that worked, shows the value.
#include <vector>

#include "platform/core/colors.h"
#include "platform/core/cstring.h"
#include "platform/core/ole_date_time.h"

class COptionTree;
class COptionTreeItem;
class COptionTreeItemCheckBox;
class COptionTreeItemColor;
class COptionTreeItemComboBox;
class COptionTreeItemDate;
class COptionTreeItemEdit;
class COptionTreeItemFile;
class COptionTreeItemImage;
class COptionTreeItemRadio;
class COptionTreeItemSpinner;
class COptionTreeItemStatic;

class COptionRows {
public:
    explicit COptionRows(COptionTree& tree) : m_tree(tree) {}

    COptionTreeItem* AddGroup(COptionTreeItem* parent, const CString& label, const CString& info);
    COptionTreeItemEdit* AddText(COptionTreeItem* parent, const CString& label, const CString& info,
                                 const CString& value);
    COptionTreeItemEdit* AddLongText(COptionTreeItem* parent, const CString& label, const CString& info,
                                     const CString& value);
    // An editable drop-down: the list in order, then the list entry equal to the value selected,
    // or the value set as the text when select is false or no entry equals it.
    COptionTreeItemComboBox* AddListText(COptionTreeItem* parent, const CString& label, const CString& info,
                                         const std::vector<CString>& list, const CString& value, bool select = true);
    // A drop-down list that takes no typed text: the entries in order, the one at the index selected.
    COptionTreeItemComboBox* AddDropList(COptionTreeItem* parent, const CString& label, const CString& info,
                                         const std::vector<CString>& list, int selected);
    // One option per text; the option of that index checked (none for an index out of range).
    COptionTreeItemRadio* AddChoice(COptionTreeItem* parent, const CString& label, const CString& info,
                                    const std::vector<CString>& options, int checked);
    COptionTreeItemCheckBox* AddCheck(COptionTreeItem* parent, const CString& label, const CString& info,
                                      BOOL checked);
    COptionTreeItemColor* AddColour(COptionTreeItem* parent, const CString& label, const CString& info,
                                    COLORREF colour);
    COptionTreeItemSpinner* AddNumber(COptionTreeItem* parent, const CString& label, const CString& info, int value,
                                      int minimum, int maximum);
    COptionTreeItemDate* AddDate(COptionTreeItem* parent, const CString& label, const CString& info,
                                 const COleDateTime& date);
    // A row whose editing opens the open-file dialog with the filter; it holds the path.
    COptionTreeItemFile* AddOpenFile(COptionTreeItem* parent, const CString& label, const CString& info,
                                     const CString& path, const CString& defaultExt, const CString& filter);
    // The eleven fill styles with their tips, the record's one selected.
    COptionTreeItemImage* AddHatch(COptionTreeItem* parent, const CString& label, const CString& info, int hatch,
                                   int columns = 3);
    // A read-only row that shows its label only, or a text beside it.
    COptionTreeItemStatic* AddStatic(COptionTreeItem* parent, const CString& label, const CString& info,
                                     const CString& value = CString());

private:
    template <class Item>
    Item* Insert(COptionTreeItem* parent, const CString& label, const CString& info);

    COptionTree& m_tree;
};
