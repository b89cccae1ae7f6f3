#pragma once
// COptionTreeRadioWnd: the editor of a radio row, a column of options of which one is checked.
#include <vector>

#include "platform/core/cstring.h"
#include "platform/core/geometry.h"
#include "platform/ui/message_map.h"
#include "platform/ui/wnd.h"

class COptionTree;

class COptionTreeRadioWnd : public CWnd {
public:
    struct Option {
        CString text;
        BOOL checked = FALSE;
        CRect hit;
    };

    const std::vector<Option>& Options() const { return m_options; }

protected:
    // Draws the options into a value cell: glyph k at (left, top + 16k + 2), text from left + 19.
    void DrawOptions(CDC* pDC, const CRect& cell, bool flat, bool storeHits);
    void CheckOnly(size_t index);
    // The option whose band holds a client point, -1 when none.
    int OptionAt(CPoint point) const;

    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnLButtonUp(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

    std::vector<Option> m_options;
    COptionTree* m_pRadioTree = nullptr;
};
