#pragma once
// COptionTreeList: the child window of an option tree that shows the rows. One layout pass
// (Relayout) computes the drawn-row list, each row's place, expand box, label extent and value
// cell, and puts the editors on their cells; painting, hit testing, EnsureVisible and the
// keyboard all use that layout, and painting never moves a window. The list scrolls in
// pixels, lets the user drag or auto-size the splitter, and turns mouse and keyboard input
// into selection, expansion and the start of editing.
#include "platform/ui/message_map.h"
#include "platform/ui/wnd.h"

class COptionTree;
class COptionTreeItem;

class COptionTreeList : public CWnd {
public:
    enum Region { kNoRegion, kExpandBox, kSplitter, kLabel, kValue };

    COptionTree* m_pTree = nullptr;

    void UpdateScrollRange();
    void Relayout();
    int ContentHeight() const { return m_nContentHeight; }
    int ClampScroll(int pos) const;
    COptionTreeItem* RowAt(CPoint client) const;
    Region RegionAt(CPoint client, COptionTreeItem** row = nullptr) const;
    bool IsDragging() const { return m_bDragging; }

protected:
    void OnPaint();
    void OnSize(UINT nType, int cx, int cy);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    UINT OnGetDlgCode();
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void OnSetFocus(CWnd* pOldWnd);
    BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()

private:
    int LayoutRow(COptionTreeItem* item, CDC* measure, const CRect& client, int x, int y,
                  COptionTreeItem**& tail);
    void PaintRow(CDC* dc, COptionTreeItem* item, const CRect& client);
    bool Usable() const;
    void DeselectAll();
    // Flips a row open or closed and drops the selection when it is no longer drawn.
    void ToggleExpanded(COptionTreeItem* row);
    // Selects a row as the keyboard does: into view, flags, OnSelect and -1107 on a change.
    void KeySelect(COptionTreeItem* target);
    // A click on a row: every row deselected, this one selected, -1107 on a change.
    void ClickSelect(COptionTreeItem* row);
    COptionTreeItem* PreviousDrawn(COptionTreeItem* item) const;
    COptionTreeItem* LastDrawn() const;
    void AutoSizeColumn();
    void EndDrag(int x);
    void ApplyColumnWidth(int width);
    void ScrollTo(int pos);

    BOOL m_bDragging = FALSE;
    int m_nDragPos = 0;
    int m_nContentHeight = 0;
};
