#pragma once
// CCardsCtrl: address cards with a letter index at the left and a horizontal scroll bar under
// the cards. The owner fills the pane's cards and hears of the current card (WM_USER+7) and of
// double clicks (WM_USER+10).
#include "frame/cards_ctrl_body.h"
#include "frame/cards_ctrl_index.h"
#include "platform/ui/font.h"
#include "platform/ui/message_map.h"
#include "platform/ui/scroll_bar.h"
#include "platform/ui/wnd.h"

class CCardsCtrl : public CWnd {
public:
    static constexpr UINT kCardsOverflow = WM_USER + 3, kCardsFit = WM_USER + 5;
    static constexpr UINT kCurrentChanged = WM_USER + 7, kDoubleClicked = WM_USER + 10;
    static constexpr int kScrollHeight = 20;

    CCardsCtrl();
    ~CCardsCtrl() override;

    BOOL SelectCardById(int mode, int id);
    void EnsureCurrentVisible();
    int FindCard(const CContactCard& card) const;
    CContactCard* GetCurrentCard();
    CWnd* Owner() const;

    int m_bToolTips = 1;
    CCardsCtrlIndex m_wndIndex;
    CCardsCtrlBody m_wndBody;
    CScrollBar m_wndScroll;
    int m_nSavedScroll = 0;
    CFont m_font;

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnSize(UINT type, int cx, int cy);
    void OnPaint();
    void OnSetFocus(CWnd* old);
    void OnHScroll(UINT code, UINT pos, CScrollBar* bar);
    LRESULT OnLetterClicked(WPARAM, LPARAM);
    LRESULT OnCardsOverflow(WPARAM, LPARAM);
    LRESULT OnCardsFit(WPARAM, LPARAM);
    LRESULT OnDoubleClicked(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()
};
