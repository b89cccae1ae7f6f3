#include "frame/cards_ctrl.h"

#include <algorithm>

#include "platform/core/window_styles.h"
#include "platform/ui/client_dc.h"
#include "platform/ui/dc.h"
#include "platform/ui/window_class.h"

BEGIN_MESSAGE_MAP(CCardsCtrl, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_SETFOCUS()
    ON_WM_HSCROLL()
    ON_MESSAGE(CCardsCtrlIndex::kLetterClicked, &CCardsCtrl::OnLetterClicked)
    ON_MESSAGE(kCardsOverflow, &CCardsCtrl::OnCardsOverflow)
    ON_MESSAGE(kCardsFit, &CCardsCtrl::OnCardsFit)
    ON_MESSAGE(kDoubleClicked, &CCardsCtrl::OnDoubleClicked)
END_MESSAGE_MAP()

CCardsCtrl::CCardsCtrl() = default;
CCardsCtrl::~CCardsCtrl() = default;

CWnd* CCardsCtrl::Owner() const {
    CWnd* owner = GetOwner();
    return owner ? owner : GetParent();
}

int CCardsCtrl::OnCreate(LPCREATESTRUCT cs) {
    if (CWnd::OnCreate(cs) == -1) return -1;
    int dpi = 96;
    {
        CClientDC dc(this);
        dpi = dc.GetDeviceCaps(LOGPIXELSY);
    }
    m_font.CreateFont(dpi * 13 / 96, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                      CLIP_DEFAULT_PRECIS, 6, FF_SWISS, L"Tahoma");
    const LPCTSTR cls = AfxRegisterWndClass(CS_DBLCLKS);
    if (!m_wndIndex.Create(cls, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, 101)) return -1;
    if (!m_wndBody.Create(cls, nullptr, WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(0, 0, 0, 0), this, 101)) return -1;
    if (!m_wndScroll.Create(WS_CHILD | WS_VISIBLE | SBS_HORZ, CRect(0, 0, 0, 0), this, 100)) return -1;
    m_wndScroll.ShowScrollBar(TRUE);
    m_wndScroll.EnableScrollBar(ESB_DISABLE_BOTH);
    return 0;
}

void CCardsCtrl::OnSize(UINT, int cx, int cy) {
    if (!m_wndIndex.GetSafeHwnd()) return;
    CClientDC dc(this);
    CFont* old = dc.SelectObject(&m_font);
    const int indexWidth = m_wndIndex.GetCellSize(&dc).cx;
    dc.SelectObject(old);
    m_wndIndex.MoveWindow(0, 0, indexWidth, cy);
    m_wndBody.MoveWindow(indexWidth, 0, std::max(0, cx - indexWidth), std::max(0, cy - kScrollHeight));
    m_wndScroll.MoveWindow(indexWidth, std::max(0, cy - kScrollHeight), std::max(0, cx - indexWidth), kScrollHeight);
}

void CCardsCtrl::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, GetSysColor(COLOR_WINDOW));
    m_wndBody.LayoutCards();
    m_wndIndex.Invalidate();
}

void CCardsCtrl::OnSetFocus(CWnd*) {
    m_wndBody.Invalidate(FALSE);
    m_wndBody.SetFocus();
}

BOOL CCardsCtrl::SelectCardById(int mode, int id) {
    if (mode == 1) {
        if (std::find(m_wndBody.m_arrSelection.begin(), m_wndBody.m_arrSelection.end(), id) != m_wndBody.m_arrSelection.end())
            return FALSE;
        m_wndBody.m_arrSelection.push_back(id);
        return TRUE;
    }
    for (int i = 0; i < static_cast<int>(m_wndBody.m_arrCards.size()); ++i)
        if (m_wndBody.m_arrCards[i]->m_nId == id) {
            if (i == m_wndBody.m_nCurrent) return FALSE;
            m_wndBody.m_nCurrent = i;
            return TRUE;
        }
    return FALSE;
}

void CCardsCtrl::EnsureCurrentVisible() {
    if (m_nSavedScroll > 0 && m_nSavedScroll < 10000)
        m_wndBody.m_nScroll = m_nSavedScroll;
    else
        m_nSavedScroll = 0;
    m_wndBody.LayoutCards();
    CContactCard* card = GetCurrentCard();
    CRect client;
    m_wndBody.GetClientRect(&client);
    if (card && card->m_nLeft > m_wndBody.m_nScroll + client.Width()) {
        m_wndBody.m_nScroll = m_nSavedScroll = card->m_nLeft;
        m_wndScroll.SetScrollPos(card->m_nLeft);
    }
}

int CCardsCtrl::FindCard(const CContactCard& card) const {
    for (int i = 0; i < static_cast<int>(m_wndBody.m_arrCards.size()); ++i)
        if (m_wndBody.m_arrCards[i]->m_nId == card.m_nId) return i;
    return -1;
}

CContactCard* CCardsCtrl::GetCurrentCard() {
    auto& cards = m_wndBody.m_arrCards;
    if (cards.empty()) return nullptr;
    return cards[std::clamp(m_wndBody.m_nCurrent, 0, static_cast<int>(cards.size()) - 1)].get();
}

void CCardsCtrl::OnHScroll(UINT code, UINT, CScrollBar*) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    m_wndScroll.GetScrollInfo(&info, SIF_ALL);
    int pos = m_wndBody.m_nScroll;
    const int page = static_cast<int>(info.nPage);
    switch (code) {
    case SB_LINELEFT: pos = pos - 10 > info.nMin ? pos - 10 : 0; break;
    case SB_LINERIGHT: pos = pos < info.nMax - page - 10 ? pos + 10 : info.nMax - page; break;
    case SB_PAGELEFT:
        if (pos > page + info.nMin) pos -= page;
        break;
    case SB_PAGERIGHT:
        if (pos < info.nMax - page) pos += page;
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: pos = info.nTrackPos; break;
    default: break;
    }
    pos = std::max(0, pos);
    m_wndScroll.SetScrollPos(pos);
    m_wndBody.m_nScroll = m_nSavedScroll = pos;
    m_wndBody.Invalidate(FALSE);
}

LRESULT CCardsCtrl::OnLetterClicked(WPARAM, LPARAM) {
    if (m_wndBody.m_arrCards.empty()) return 0;
    m_wndBody.m_arrSelection.clear();
    m_wndBody.SelectByLetter(m_wndIndex.m_cLetter);
    if (CWnd* owner = Owner()) owner->SendNotifyMessage(kCurrentChanged, m_wndBody.m_nCurrent, 0);
    return 0;
}

LRESULT CCardsCtrl::OnCardsOverflow(WPARAM, LPARAM) {
    m_wndScroll.EnableScrollBar(ESB_ENABLE_BOTH);
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    m_wndScroll.GetScrollInfo(&info, SIF_ALL);
    int minimum = 0, maximum = 0, page = 0;
    m_wndBody.GetScrollRange(minimum, maximum, page);
    info.fMask = SIF_ALL;
    info.nMin = minimum;
    info.nMax = maximum;
    info.nPage = static_cast<UINT>(page);
    info.nPos = m_wndBody.m_nScroll;
    m_wndScroll.SetScrollInfo(&info, TRUE);
    return 0;
}

LRESULT CCardsCtrl::OnCardsFit(WPARAM, LPARAM) {
    m_wndScroll.EnableScrollBar(ESB_DISABLE_BOTH);
    return 0;
}

LRESULT CCardsCtrl::OnDoubleClicked(WPARAM, LPARAM) {
    if (CWnd* owner = Owner()) owner->SendMessage(kDoubleClicked, 0, 0);
    return 0;
}
