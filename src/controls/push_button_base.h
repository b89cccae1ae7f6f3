#pragma once
// CPushButtonBase: a small owner-draw base that records the template's button kind, makes the
// button owner-drawn and answers the dialog manager as the original kind would.
#include "platform/ui/button.h"
#include "platform/ui/message_map.h"

class CPushButtonBase : public CButton {
public:
    BOOL Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) override;
    using CButton::Create;
    virtual void PreSubclassWindow();

    bool IsDefault() const { return m_bDefault; }
    int ButtonType() const { return m_nButtonType; }

protected:
    UINT OnGetDlgCode();
    LRESULT OnSetStyle(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    DWORD AdoptStyle(DWORD style);

    BOOL m_bPushButton = FALSE;
    BOOL m_bDefault = FALSE;
    int m_nButtonType = 15;
};
