#pragma once
// CMyDisplay: the base of the pages that show a main control beside the entity board. It lays
// the two out with a draggable split (as CMyView does with its side panel), refills the board
// by its mode and closes it when the board's close button is clicked.
#include "frame/frame_page.h"
#include "platform/ui/image_list.h"
#include "frame/wnd_board.h"

class CMyDisplay : public CFramePage {
public:
    static constexpr UINT kBoardId = 100;
    static constexpr UINT kPanelMode = WM_USER + 21;

    CMyDisplay();
    ~CMyDisplay() override;

    virtual CWnd* GetMainWnd() = 0;
    virtual void Refresh();
    virtual void FillBoard() {}
    virtual void FillBoardByKind() {}
    virtual void LayoutClient(CRect& rect) { (void)rect; }

    void LayoutPanes();
    // After a data change: a pinned board is refilled by its mode, any other closes.
    void UpdateBoard();
    CWndBoard& GetBoard() { return m_wndBoard; }
    int GetSplit() const { return m_nSplit; }

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnSize(UINT type, int cx, int cy);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    LRESULT OnCloseBoard(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    void FillByMode();

    int m_bDragging = 0;
    int m_nReserved = 0;
    CPoint m_ptDragStart;
    CWndBoard m_wndBoard;
    CImageList m_imlImages;
    int m_nSplit = 0;
    HCURSOR m_hSplitCursor = nullptr;
    int m_nLastLine = -1;
};
