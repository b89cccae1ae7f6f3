#pragma once
// CToolTip2: the plain one-line tooltip shown beside a mark.
#include "platform/core/cstring.h"
#include "platform/ui/font.h"
#include "platform/ui/message_map.h"
#include "platform/ui/wnd.h"

class CToolTip2 : public CWnd {
public:
    BOOL Create(CWnd* pOwner);
    using CWnd::Create;
    // Sizes the tip to its text, draws it and shows it at the anchor (owner client coordinates).
    void ShowAt(CPoint anchor);

    CString m_text;
    CWnd* m_pOwner = nullptr;
    BOOL m_bShown = FALSE;
    CPoint m_anchor;

protected:
    void OnPaint();
    DECLARE_MESSAGE_MAP()

private:
    CSize Measure(CDC* dc) const;
    void DrawTip(CDC* dc, CSize size);

    CFont m_font;
};
