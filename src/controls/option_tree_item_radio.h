#pragma once
// COptionTreeItemRadio: a row with a column of options, one of which is checked.
#include "controls/option_tree_editor_item.h"
#include "controls/option_tree_radio_wnd.h"

class COptionTreeItemRadio : public COptionTreeEditorItem<COptionTreeRadioWnd> {
public:
    COptionTreeItemRadio();
    BOOL CreateRadioWindow();
    void AddOption(BOOL bChecked, const CString& text);
    BOOL SetCheckedIndex(int index);
    int GetCheckedIndex() const;

    void DrawValue(CDC* pDC, const RECT& rcValue) override;
    void LayoutChanged() override;
    void OnDeselect() override;
    void OnSelect() override;

protected:
    void OnSetFocus(CWnd* pOldWnd);
    void OnKillFocus(CWnd* pNewWnd);
    DECLARE_MESSAGE_MAP()

private:
    void UpdateRowHeight() { m_nRowHeight = 16 * static_cast<int>(m_options.size()) + 2; }

};
