#pragma once
// COptionTreeCheckButton: the editor of a check-box row, a check box with an optional
// "Checked"/"UnChecked" caption.
#include "platform/core/cstring.h"
#include "platform/ui/message_map.h"
#include "platform/ui/wnd.h"

class COptionTree;

// Option bits of the check-box row.
inline constexpr DWORD OT_CHECKBOX_3D = 0x200, OT_CHECKBOX_SHOWCHECK = 0x400, OT_CHECKBOX_SHOWTEXT = 0x40000;

class COptionTreeCheckButton : public CWnd {
public:
    COptionTreeCheckButton();
    BOOL GetCheck() const { return m_bChecked; }
    void SetCheck(BOOL bChecked);
    CString GetCheckedText() const { return m_checkedText; }
    CString GetUncheckedText() const { return m_uncheckedText; }

protected:
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnLButtonUp(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

    CString m_uncheckedText;
    CString m_checkedText;
    BOOL m_bChecked = FALSE;
    CRect m_rcHit;
    COptionTree* m_pButtonTree = nullptr;
    DWORD m_dwCheckOptions = 0;
};
