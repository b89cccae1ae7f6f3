#pragma once
// COptionTreeSpinnerEdit: the edit inside a spinner; Up and Down step the spinner, typing and
// the edit menu work only when the spinner allows them, and a paste takes digits only.
#include "platform/ui/edit.h"
#include "platform/ui/message_map.h"

class COptionTreeSpinnerWnd;

// Private messages to the spinner window.
inline constexpr UINT OT_SPINNER_EDIT_KILLFOCUS = WM_USER + 258, OT_SPINNER_EDIT_CHANGED = WM_USER + 259,
                      OT_SPINNER_STEP_UP = WM_USER + 260, OT_SPINNER_STEP_DOWN = WM_USER + 261;

class COptionTreeSpinnerEdit : public CEdit {
public:
    COptionTreeSpinnerWnd* m_pSpinner = nullptr;

    // Whether a text may be pasted: digits only, and something to paste.
    static bool IsPastable(const CString& text);
    // The commands of the edit menu.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

protected:
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnKillFocus(CWnd* pNewWnd);
    void OnContextMenu(CWnd* pWnd, CPoint point);
    void OnChange();
    LRESULT OnPaste(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    bool TypingAllowed() const;
};
