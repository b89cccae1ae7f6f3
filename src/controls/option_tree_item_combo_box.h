#pragma once
// COptionTreeItemComboBox: a row with a combo box; a typed text that is not in the list joins
// the list when the row is committed.
#include "controls/option_tree_item.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/message_map.h"

class COptionTreeItemComboBox : public CComboBox, public COptionTreeItem {
public:
    COptionTreeItemComboBox();
    BOOL CreateComboWindow(DWORD dwStyle);

    void DrawValue(CDC* pDC, const RECT& rcValue) override;
    void Activate() override;
    void LayoutChanged() override;
    void MoveEditor() override;
    void EndEdit() override;
    void DestroyEditor() override;
    void OnDeselect() override;

protected:
    void OnSetFocus(CWnd* pOldWnd);
    BOOL PreTranslateMessage(MSG* pMsg) override;
    DECLARE_MESSAGE_MAP()

private:
    BOOL m_bFocus = FALSE;
    int m_nDropHeight = 100;
};
