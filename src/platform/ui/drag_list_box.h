#pragma once
// CDragListBox: a list box whose lines the user reorders by dragging. The virtuals answer the
// drag-list notifications (drag_list.h) that come back to the list: BeginDrag, Dragging (the
// insert mark follows the pointer), Dropped (the dragged line moves before the line under the
// pointer) and CancelDrag. DrawInsert draws the insert mark.
#include "platform/ui/drag_list.h"
#include "platform/ui/list_box.h"

class CDragListBox : public CListBox {
public:
    CDragListBox() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) override;
    using CListBox::Create;
    // Makes an existing list box window (one subclassed from a template) a drag list.
    BOOL MakeDragList();

    // The item at a screen point; -1 when there is none.
    int ItemFromPt(CPoint pt, BOOL bAutoScroll = TRUE) const;

    virtual BOOL BeginDrag(CPoint pt);
    virtual void CancelDrag(CPoint pt);
    virtual UINT Dragging(CPoint pt);
    virtual void Dropped(int nSrcIndex, CPoint pt);
    virtual void DrawInsert(int nItem);

    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

protected:
    int m_nLast = -1;  // the item the insert mark is drawn at
};
