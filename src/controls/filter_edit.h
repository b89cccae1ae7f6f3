#pragma once
// CFilterEdit: the one label editor that a custom-drawn control opens over one of its items.
// It can restrict the characters typed or pasted, closes on Enter, Escape or loss of focus,
// and reports the result to the control as a list-view end-of-label-edit notification sent as
// if by the control itself.
#include "platform/core/cstring.h"
#include "platform/ui/edit.h"
#include "platform/ui/font.h"
#include "platform/ui/message_map.h"

class CFilterEdit : public CEdit {
public:
    static CFilterEdit& GetInstance();

    BOOL PreTranslateMessage(MSG* msg) override;

    int m_nItem = -1;
    int m_nSubItem = -1;
    int m_bCancelled = 0;
    CString m_strAllowed;  // empty: every character
    CString m_strInitial;
    CFont m_font;

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnKillFocus(CWnd* newWnd);
    LRESULT OnPaste(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    CFilterEdit() = default;
    bool IsAllowed(wchar_t c) const { return m_strAllowed.IsEmpty() || m_strAllowed.Find(c) >= 0; }
    void SendResult();
};
