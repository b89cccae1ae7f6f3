#pragma once
// COptionTreeItemDate: a row with a date picker.
#include "controls/option_tree_editor_item.h"
#include "platform/ui/date_time_ctrl.h"
#include "platform/ui/message_map.h"

class COptionTreeItemDate : public COptionTreeEditorItem<CDateTimeCtrl> {
public:
    COptionTreeItemDate();
    BOOL CreateDateWindow(const CString& format, DWORD dwStyle);

    void DrawValue(CDC* pDC, const RECT& rcValue) override;

protected:
    void OnSetFocus(CWnd* pOldWnd);
    void OnKillFocus(CWnd* pNewWnd);
    BOOL PreTranslateMessage(MSG* pMsg) override;
    DECLARE_MESSAGE_MAP()

};
