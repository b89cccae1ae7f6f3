#pragma once
// COptionTreeItemCheckBox: a check-box row.
#include "controls/option_tree_check_button.h"
#include "controls/option_tree_editor_item.h"

class COptionTreeItemCheckBox : public COptionTreeEditorItem<COptionTreeCheckButton> {
public:
    COptionTreeItemCheckBox();
    ~COptionTreeItemCheckBox() override;
    BOOL CreateCheckWindow(BOOL bChecked, DWORD dwOptions);

    void DrawValue(CDC* pDC, const RECT& rcValue) override;
    void OnDeselect() override;
    void OnSelect() override;

protected:
    void OnSetFocus(CWnd* pOldWnd);
    void OnKillFocus(CWnd* pNewWnd);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    UINT OnGetDlgCode();
    DECLARE_MESSAGE_MAP()

};
