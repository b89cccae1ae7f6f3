#pragma once
// CCardsCtrlBody: the pane of the address cards. It lays the cards out top to bottom in columns
// that continue to the right, paints them over a faint background picture, keeps the current
// card and the selection, moves with the keys and the mouse, and lets the user drag a column
// divider to change the column width.
#include <memory>
#include <vector>

#include "frame/contact_card.h"
#include "htmllite/html_tool_tip.h"
#include "platform/ui/image_list.h"
#include "platform/ui/message_map.h"
#include "platform/ui/wnd.h"

class CCardsCtrl;

// Lays the cards out from (5, 5); true when every column fits in the client width.
bool LayoutCardColumns(std::vector<std::unique_ptr<CContactCard>>& cards, int columnWidth, int lineHeight,
                       int clientBottom, int clientRight);
// The card the Left or Right key leads to: towards the next column (forward) or the previous.
int NextCardInRow(const std::vector<std::unique_ptr<CContactCard>>& cards, int current, bool forward);

class CCardsCtrlBody : public CWnd {
public:
    static constexpr int kInitialColumnWidth = 150;
    // Narrower columns leave no room for a card; the divider test divides by the width.
    static constexpr int kMinColumnWidth = 40;

    CCardsCtrlBody();
    ~CCardsCtrlBody() override;

    void RemoveAllCards();
    void InsertCard(std::unique_ptr<CContactCard> card);
    void GetSelectedIds(std::vector<int>& ids) const;
    void SelectAll();
    void SelectIndex(int index);
    BOOL SelectByLetter(wchar_t letter);
    void ToggleSelection(int id);
    void LayoutCards();
    void GetScrollRange(int& minimum, int& maximum, int& page) const;
    // Keys from the pane itself, the control and the page.
    void OnKeyDown(UINT key, UINT repeat, UINT flags);
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // The card under a point of the client area (scrolling added), -1 for none.
    int HitTest(CPoint client) const;

    CHtmlToolTip m_wndToolTip;
    std::vector<std::unique_ptr<CContactCard>> m_arrCards;
    std::vector<CString> m_arrLabels;
    CImageList m_imlImages;
    std::vector<int> m_arrSelection;
    int m_nScroll = 0;
    int m_nColumnWidth = kInitialColumnWidth;
    int m_nCurrent = 0;
    int m_nLineHeight = 16;
    int m_bButtonDown = 0, m_nCursorState = 0, m_bDragging = 0;
    int m_nLastX = 0, m_nLastY = 0, m_nDragStartX = 0;
    UINT m_nBackground = 299;
    // Left and Right run the other way when the frame lays out from right to left.
    BOOL m_bRightToLeft = FALSE;

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnDestroy();
    void OnPaint();
    BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    void OnSize(UINT type, int cx, int cy);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnLButtonDblClk(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    UINT OnGetDlgCode() { return DLGC_WANTARROWS | DLGC_WANTTAB; }
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    DECLARE_MESSAGE_MAP()

private:
    CCardsCtrl* Control() const;
    void NotifyCurrent(BOOL added);
    void DrawCard(CDC& dc, const CContactCard& card, const CRect& client);
    void DrawBackgroundBitmap(CDC& dc, const CRect& client);
    void InvertDivider(int x);
};
