#pragma once
// COptionTreeItemSpinner: a number row; the value is clamped to the range when the row is
// committed.
#include "controls/option_tree_editor_item.h"
#include "controls/option_tree_spinner_wnd.h"

class COptionTreeItemSpinner : public COptionTreeEditorItem<COptionTreeSpinnerWnd> {
public:
    COptionTreeItemSpinner();
    BOOL CreateSpinnerWindow(DWORD dwOptions, double value, double minimum, double maximum);
    void SetIntText(int value);
    BOOL GetIntValue(int& value) const;

    void DrawValue(CDC* pDC, const RECT& rcValue) override;
    void EndEdit() override;

protected:
    void OnSetFocus(CWnd* pOldWnd);
    void OnKillFocus(CWnd* pNewWnd);
    LRESULT OnEditKillFocus(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

};
