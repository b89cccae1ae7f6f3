#include "dialogs/mark_tree_item.h"

#include "controls/option_tree.h"

void MarkTreeItem(COptionTree& tree, COptionTreeItem* item, const CString& text) {
    // The mark is placed by the row's editor window, which lies on the row's value cell.
    tree.m_markManager.AddMark(dynamic_cast<CWnd*>(item), text, 0);
}
