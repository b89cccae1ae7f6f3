#pragma once
// COptionTreeItemEdit: a text row, one line or (option 0x40000) several, a password row with
// option 0x400, digits only with 0x200.
#include "controls/option_tree_editor_item.h"
#include "platform/ui/edit.h"
#include "platform/ui/message_map.h"

inline constexpr DWORD OT_EDIT_NUMERICAL = 0x200, OT_EDIT_PASSWORD = 0x400, OT_EDIT_MULTILINE = 0x40000;

class COptionTreeItemEdit : public COptionTreeEditorItem<CEdit> {
public:
    COptionTreeItemEdit();
    BOOL CreateEditWindow(DWORD dwStyle, DWORD dwOptions);

    void DrawValue(CDC* pDC, const RECT& rcValue) override;

protected:
    void OnSetFocus(CWnd* pOldWnd);
    void OnKillFocus(CWnd* pNewWnd);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    UINT OnGetDlgCode();
    DECLARE_MESSAGE_MAP()

private:
    DWORD m_dwOptions = 0;
};
