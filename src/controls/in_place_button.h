#pragma once
// CInPlaceButton: the "..." button beside the in-place editor of CListBoxEx. Its click and the
// loss of its focus go to the list as in-place records.
#include "platform/ui/button.h"
#include "platform/ui/message_map.h"
#include "platform/ui/runtime_class.h"

class CInPlaceButton : public CButton {
    DECLARE_DYNCREATE(CInPlaceButton)

public:
    BOOL Create(LPCTSTR caption, DWORD style, const RECT& rect, CWnd* list, UINT id) override;
    BOOL PreTranslateMessage(MSG* msg) override;
    void Hide();

protected:
    void OnClicked();
    void OnKillFocus(CWnd* newWnd);
    DECLARE_MESSAGE_MAP()

private:
    HWND m_list = nullptr;
    bool m_clicking = false;
};
