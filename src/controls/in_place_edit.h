#pragma once
// CInPlaceEdit: the editor CListBoxEx lays over the line being edited. Enter, Escape and the
// loss of the focus go to the list as in-place records; the list's answer decides whether the
// editor hides.
#include "platform/ui/edit.h"
#include "platform/ui/message_map.h"
#include "platform/ui/runtime_class.h"

class CInPlaceEdit : public CEdit {
    DECLARE_DYNCREATE(CInPlaceEdit)

public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* list, UINT id) override;
    BOOL PreTranslateMessage(MSG* msg) override;
    // Hides without moving, sizing, reordering or activating.
    void Hide();

protected:
    void OnKillFocus(CWnd* newWnd);
    DECLARE_MESSAGE_MAP()

private:
    HWND m_list = nullptr;
};
