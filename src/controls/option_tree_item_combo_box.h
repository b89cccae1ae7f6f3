#pragma once
// COptionTreeItemComboBox: a row with a combo box; a typed text that is not in the list joins
// the list when the row is committed.
#include "controls/option_tree_editor_item.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/message_map.h"

class COptionTreeItemComboBox : public COptionTreeEditorItem<CComboBox> {
public:
    COptionTreeItemComboBox();
    BOOL CreateComboWindow(DWORD dwStyle);

    void DrawValue(CDC* pDC, const RECT& rcValue) override;
    void EndEdit() override;
    void OnDeselect() override;

protected:
    int ExtraHeight() const override { return m_nDropHeight; }
    void OnSetFocus(CWnd* pOldWnd);
    BOOL PreTranslateMessage(MSG* pMsg) override;
    DECLARE_MESSAGE_MAP()

private:
    int m_nDropHeight = 100;
};
