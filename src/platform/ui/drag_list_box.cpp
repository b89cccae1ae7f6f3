#include "platform/ui/drag_list_box.h"

#include "platform/ui/window_api.h"

BOOL CDragListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CListBox::Create(dwStyle, rect, pParentWnd, nID) && MakeDragList();
}

BOOL CDragListBox::MakeDragList() { return ::MakeDragList(m_hWnd); }

int CDragListBox::ItemFromPt(CPoint pt, BOOL bAutoScroll) const { return ::LBItemFromPt(m_hWnd, pt, bAutoScroll); }

BOOL CDragListBox::BeginDrag(CPoint pt) {
    m_nLast = -1;
    DrawInsert(ItemFromPt(pt));
    return TRUE;
}

void CDragListBox::CancelDrag(CPoint) { DrawInsert(-1); }

UINT CDragListBox::Dragging(CPoint pt) {
    const int item = ItemFromPt(pt);
    DrawInsert(item);
    return item < 0 ? DL_STOPCURSOR : DL_MOVECURSOR;
}

void CDragListBox::Dropped(int nSrcIndex, CPoint pt) {
    DrawInsert(-1);
    int dest = ItemFromPt(pt);
    if (nSrcIndex < 0 || dest < 0) return;
    // Dropping on the line itself or on the one after it leaves the order as it was.
    if (dest == nSrcIndex || dest == nSrcIndex + 1) return;
    CString text;
    GetText(nSrcIndex, text);
    const DWORD_PTR data = GetItemData(nSrcIndex);
    DeleteString(static_cast<UINT>(nSrcIndex));
    if (nSrcIndex < dest) --dest;
    dest = InsertString(dest, text);
    SetItemData(dest, data);
    SetCurSel(dest);
}

void CDragListBox::DrawInsert(int nItem) {
    if (m_nLast != nItem) {
        CWnd* parent = GetParent();
        ::DrawInsert(parent ? parent->m_hWnd : nullptr, m_hWnd, nItem);
        m_nLast = nItem;
    }
}

BOOL CDragListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    static const UINT dragListMessage = RegisterWindowMessage(DRAGLISTMSGSTRING);
    if (message != dragListMessage) return CListBox::OnChildNotify(message, wParam, lParam, pResult);
    const auto* info = reinterpret_cast<const DRAGLISTINFO*>(lParam);
    if (!info) return FALSE;
    const CPoint pt(info->ptCursor);
    LRESULT result = 0;
    switch (info->uNotification) {
    case DL_BEGINDRAG: result = BeginDrag(pt); break;
    case DL_DRAGGING: result = Dragging(pt); break;
    case DL_DROPPED: Dropped(GetCurSel(), pt); break;
    case DL_CANCELDRAG: CancelDrag(pt); break;
    default: return FALSE;
    }
    if (pResult) *pResult = result;
    return TRUE;
}
