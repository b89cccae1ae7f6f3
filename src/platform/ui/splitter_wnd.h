#pragma once
// CSplitterWnd: two panes with a bar between them that the user drags. The bar is vertical
// (panes side by side) or horizontal (panes one above the other); the split position is the
// first pane's width or height, kept between the least pane sizes. After a drag the parent
// gets WM_COMMAND with the splitter's id and SPN_MOVED.
#include "platform/ui/message_map.h"
#include "platform/ui/wnd.h"

inline constexpr UINT SPN_MOVED = 1;

class CSplitterWnd : public CWnd {
public:
    CSplitterWnd() = default;

    // bVerticalBar: panes left and right of a vertical bar; otherwise above and below.
    BOOL Create(CWnd* pParentWnd, BOOL bVerticalBar, const RECT& rect, UINT nID);
    // The panes become the splitter's children (either may be null).
    void SetPanes(CWnd* pFirst, CWnd* pSecond);
    CWnd* GetPane(int index) const { return index == 0 ? m_first : index == 1 ? m_second : nullptr; }
    void SetSplitPos(int pos);
    int GetSplitPos() const { return m_pos; }
    void SetMinPaneSize(int cMin);
    void SetBarWidth(int width);
    int GetBarWidth() const { return m_bar; }
    // The bar's rectangle in client coordinates.
    CRect GetBarRect() const;
    // Places the panes on either side of the bar.
    void RecalcLayout();

    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnSize(UINT nType, int cx, int cy);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnCaptureChanged(CWnd* pWnd);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);

protected:
    DECLARE_MESSAGE_MAP()

private:
    int Clamp(int pos) const;
    int Extent() const;
    bool m_vertical = true;
    CWnd* m_first = nullptr;
    CWnd* m_second = nullptr;
    int m_pos = 100;
    int m_min = 20;
    int m_bar = 4;
    bool m_dragging = false;
    int m_grabOffset = 0;
};
