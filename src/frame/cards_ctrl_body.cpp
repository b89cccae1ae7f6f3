#include "frame/cards_ctrl_body.h"

#include <algorithm>

#include "controls/app_document.h"
#include "controls/fill_gradient_rect.h"
#include "frame/cards_ctrl.h"
#include "model/entity.h"
#include "model/schedule_data.h"
#include "platform/core/window_styles.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/client_dc.h"
#include "platform/ui/dc.h"
#include "platform/ui/icon.h"
#include "platform/ui/wait_cursor.h"
#include "platform/ui/window_api.h"
#include "report_builders/week_grid.h"
#include "resource_ids.h"

namespace {
constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr int kMargin = 5;
constexpr int kPictureSize = 256, kPictureShown = 224;
}  // namespace

bool LayoutCardColumns(std::vector<std::unique_ptr<CContactCard>>& cards, int columnWidth, int lineHeight,
                       int clientBottom, int clientRight) {
    int x = kMargin, y = kMargin, column = 0, row = 0;
    bool fits = true;
    for (auto& card : cards) {
        const int height = (static_cast<int>(card->m_arrLines.size()) + 1) * lineHeight;
        card->m_nLeft = x;
        card->m_nRight = x + columnWidth - 14;
        card->m_nTop = y;
        card->m_nBottom = y + height;
        if (card->m_nBottom > clientBottom) {
            // The card starts the next column, even when it is the first of this one.
            x += columnWidth;
            ++column;
            row = 0;
            card->m_nLeft = x;
            card->m_nRight = x + columnWidth - 14;
            card->m_nTop = kMargin;
            card->m_nBottom = kMargin + height;
        }
        card->m_nColumn = column;
        card->m_nRow = row;
        y = card->m_nBottom + kMargin;
        ++row;
        if (x + columnWidth > clientRight) fits = false;
    }
    return fits;
}

int NextCardInRow(const std::vector<std::unique_ptr<CContactCard>>& cards, int current, bool forward) {
    const int count = static_cast<int>(cards.size());
    if (count == 0 || current < 0 || current >= count) return current;
    const CContactCard& from = *cards[current];
    if (forward) {
        for (int i = current + 1; i < count; ++i)
            if (cards[i]->m_nRow == from.m_nRow || cards[i]->m_nColumn > from.m_nColumn + 1) return i;
        return count - 1;
    }
    for (int i = current - 1; i >= 0; --i)
        if (cards[i]->m_nRow == from.m_nRow || cards[i]->m_nColumn < from.m_nColumn - 1) return i;
    return 0;
}

BEGIN_MESSAGE_MAP(CCardsCtrlBody, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MOUSEMOVE()
    ON_WM_KEYDOWN()
    ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

CCardsCtrlBody::CCardsCtrlBody() = default;
CCardsCtrlBody::~CCardsCtrlBody() = default;

CCardsCtrl* CCardsCtrlBody::Control() const {
    CWnd* owner = GetOwner();
    return dynamic_cast<CCardsCtrl*>(owner ? owner : GetParent());
}

int CCardsCtrlBody::OnCreate(LPCREATESTRUCT cs) {
    if (CWnd::OnCreate(cs) == -1) return -1;
    m_imlImages.Create(IDB_ENTITY_TYPES, 16, 1, kMagenta);
    m_wndToolTip.Create(this, TRUE);
    m_wndToolTip.m_keepOnClick = TRUE;
    m_wndToolTip.m_notifyWindow = m_hWnd;
    CBitmap strip;
    if (strip.LoadBitmap(IDB_PANEL_IMAGES))
        m_wndToolTip.m_drawer.SetImageStrip(16, 16, static_cast<HBITMAP>(strip.Detach()), 23, kMagenta);
    CHtmlToolInfo tool;
    tool.m_rect = CRect(0, 0, 5000, 5000);
    tool.m_overrideMask = HTTO_STYLE;
    tool.m_styleBits = HTTS_SHOW_AGAIN | HTTS_NO_AUTOHIDE;
    m_wndToolTip.AddToolInfo(m_hWnd, tool);
    CClientDC dc(this);
    m_nLineHeight = dc.GetDeviceCaps(LOGPIXELSY) * 16 / 96;
    return 0;
}

void CCardsCtrlBody::OnDestroy() {
    if (m_wndToolTip.GetSafeHwnd()) {
        m_wndToolTip.Pop();
        m_wndToolTip.DestroyWindow();
    }
    CWnd::OnDestroy();
}

BOOL CCardsCtrlBody::PreTranslateMessage(MSG* pMsg) {
    if (m_wndToolTip.GetSafeHwnd()) m_wndToolTip.RelayEvent(pMsg);
    return CWnd::PreTranslateMessage(pMsg);
}

// Cards and selection ----------------------------------------------------------------------------

void CCardsCtrlBody::RemoveAllCards() {
    m_arrCards.clear();
    m_arrSelection.clear();
    m_nCurrent = m_nScroll = 0;
    m_bButtonDown = m_nCursorState = m_bDragging = 0;
    m_nColumnWidth = kInitialColumnWidth;
}

void CCardsCtrlBody::InsertCard(std::unique_ptr<CContactCard> card) {
    const auto at = std::find_if(m_arrCards.begin(), m_arrCards.end(), [&](const auto& other) {
        return other->m_strTitle.CompareNoCase(card->m_strTitle) >= 0;
    });
    m_arrCards.insert(at, std::move(card));
}

void CCardsCtrlBody::GetSelectedIds(std::vector<int>& ids) const {
    if (!m_arrSelection.empty()) {
        ids = m_arrSelection;
        return;
    }
    ids.clear();
    if (m_nCurrent >= 0 && m_nCurrent < static_cast<int>(m_arrCards.size())) ids.push_back(m_arrCards[m_nCurrent]->m_nId);
}

void CCardsCtrlBody::SelectAll() {
    m_arrSelection.clear();
    for (const auto& card : m_arrCards) m_arrSelection.push_back(card->m_nId);
    if (GetSafeHwnd()) Invalidate(FALSE);
}

void CCardsCtrlBody::ToggleSelection(int id) {
    const auto it = std::find(m_arrSelection.begin(), m_arrSelection.end(), id);
    if (it == m_arrSelection.end())
        m_arrSelection.push_back(id);
    else
        m_arrSelection.erase(it);
}

void CCardsCtrlBody::SelectIndex(int index) {
    if (m_arrCards.empty()) return;
    m_nCurrent = std::clamp(index, 0, static_cast<int>(m_arrCards.size()) - 1);
    CRect client;
    GetClientRect(&client);
    const CContactCard& card = *m_arrCards[m_nCurrent];
    if (card.m_nLeft - m_nScroll < client.left || card.m_nLeft + m_nColumnWidth - m_nScroll > client.right) {
        m_nScroll = std::max(0, card.m_nLeft - kMargin);
        if (CCardsCtrl* control = Control()) control->SendMessage(CCardsCtrl::kCardsOverflow, 0, 0);
    }
    Invalidate(FALSE);
}

BOOL CCardsCtrlBody::SelectByLetter(wchar_t letter) {
    CString text;
    text.Format(L"%c", letter);
    for (int i = 0; i < static_cast<int>(m_arrCards.size()); ++i) {
        const CString& title = m_arrCards[i]->m_strTitle;
        if (!title.IsEmpty() && title.CompareNoCase(text) >= 0) {
            SelectIndex(i);
            return TRUE;
        }
    }
    return FALSE;
}

void CCardsCtrlBody::NotifyCurrent(BOOL added) {
    CCardsCtrl* control = Control();
    if (!control) return;
    if (CWnd* owner = control->Owner()) owner->SendNotifyMessage(CCardsCtrl::kCurrentChanged, m_nCurrent, added);
}

// Layout -----------------------------------------------------------------------------------------

void CCardsCtrlBody::LayoutCards() {
    CRect client;
    GetClientRect(&client);
    const bool fits = LayoutCardColumns(m_arrCards, m_nColumnWidth, m_nLineHeight, client.bottom, client.right);
    CCardsCtrl* control = Control();
    if (!fits) {
        if (control) control->SendMessage(CCardsCtrl::kCardsOverflow, 0, 0);
    } else {
        if (control) control->SendMessage(CCardsCtrl::kCardsFit, 0, 0);
        if (m_nScroll > 0) m_nScroll = 0;
    }
}

void CCardsCtrlBody::GetScrollRange(int& minimum, int& maximum, int& page) const {
    CRect client;
    GetClientRect(&client);
    minimum = 0;
    maximum = m_arrCards.empty() ? 0 : m_arrCards.back()->m_nLeft + m_nColumnWidth;
    page = client.Width();
}

void CCardsCtrlBody::OnSize(UINT, int cx, int) {
    if (cx == 0 || m_arrCards.empty()) return;
    LayoutCards();
    if (m_nCurrent < static_cast<int>(m_arrCards.size())) m_nScroll = std::max(0, m_arrCards[m_nCurrent]->m_nLeft - kMargin);
    Invalidate(FALSE);
}

int CCardsCtrlBody::HitTest(CPoint client) const {
    const int x = client.x + m_nScroll;
    for (int i = 0; i < static_cast<int>(m_arrCards.size()); ++i) {
        const CContactCard& card = *m_arrCards[i];
        if (x >= card.m_nLeft && x < card.m_nRight && client.y >= card.m_nTop && client.y < card.m_nBottom + 5) return i;
    }
    return -1;
}

// Painting ---------------------------------------------------------------------------------------

void CCardsCtrlBody::DrawBackgroundBitmap(CDC& dc, const CRect& client) {
    CBitmap picture;
    if (!picture.LoadBitmap(m_nBackground)) return;
    CDC source;
    source.CreateCompatibleDC(&dc);
    CBitmap* old = source.SelectObject(&picture);
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 96, 0};
    dc.AlphaBlend(client.right - kPictureShown, client.bottom - kPictureShown, kPictureSize, kPictureSize, &source, 0, 0,
                  kPictureSize, kPictureSize, blend);
    source.SelectObject(old);
}

void CCardsCtrlBody::DrawCard(CDC& dc, const CContactCard& card, const CRect&) {
    const int index = static_cast<int>(&card == m_arrCards[m_nCurrent].get() ? m_nCurrent : -1);
    const bool current = index >= 0;
    const bool selected = std::find(m_arrSelection.begin(), m_arrSelection.end(), card.m_nId) != m_arrSelection.end();
    CRect rect(card.m_nLeft - m_nScroll, card.m_nTop, card.m_nRight - m_nScroll, card.m_nBottom);
    CRect frame = rect;
    frame.InflateRect(1, 1);
    if (current)
        dc.Draw3dRect(&frame, GetSysColor(COLOR_3DDKSHADOW), GetSysColor(COLOR_3DDKSHADOW));
    else
        dc.Draw3dRect(&frame, GetSysColor(COLOR_3DHILIGHT), GetSysColor(COLOR_3DDKSHADOW));
    dc.FillSolidRect(&rect, current ? RGB(255, 255, 196) : selected ? RGB(196, 255, 196) : RGB(250, 252, 254));
    dc.SetTextColor(card.m_bEnabled ? GetSysColor(COLOR_BTNTEXT) : GetSysColor(COLOR_GRAYTEXT));
    const int lh = m_nLineHeight;
    CRect title(rect.left + 1, rect.top + 1, rect.right - 1, rect.top + lh - 1);
    COLORREF top = RGB(245, 250, 254), bottom = RGB(215, 231, 251);
    if (selected) top = RGB(196, 255, 196), bottom = RGB(128, 255, 128);
    if (current) top = RGB(255, 249, 189), bottom = RGB(245, 228, 156);
    if (card.m_bGrey) top = RGB(224, 224, 224), bottom = RGB(248, 248, 248);
    FillGradientRect(&dc, title, top, bottom, 1);
    dc.SetBkMode(TRANSPARENT);
    CRect titleText = title;
    dc.DrawText(card.m_strTitle, &titleText, DT_CENTER | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    m_imlImages.Draw(&dc, card.m_nKind, CPoint(title.left, title.top), ILD_TRANSPARENT);
    CRect line = title;
    for (const CString& text : card.m_arrLines) {
        line.OffsetRect(0, lh);
        const int label = static_cast<int>(text[0]) - 1;
        if (label < 0 || label >= static_cast<int>(m_arrLabels.size())) continue;
        const CString caption = m_arrLabels[label] + L": ";
        const CString value = text.Mid(1);
        const CSize labelSize = dc.GetTextExtent(caption);
        const CSize valueSize = dc.GetTextExtent(value);
        CRect r = line;
        r.DeflateRect(3, 0);
        if (r.right - (r.left + labelSize.cx) >= valueSize.cx) {
            dc.DrawText(caption, &r, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
            dc.DrawText(value, &r, DT_RIGHT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        } else {
            dc.DrawText(value, &r, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
        }
    }
}

void CCardsCtrlBody::OnPaint() {
    CPaintDC paint(this);
    CRect client;
    GetClientRect(&client);
    CDC dc;
    dc.CreateCompatibleDC(&paint);
    CBitmap buffer;
    buffer.CreateCompatibleBitmap(&paint, std::max(1, client.Width()), std::max(1, client.Height()));
    CBitmap* oldBitmap = dc.SelectObject(&buffer);
    CCardsCtrl* control = Control();
    CFont* oldFont = control && control->m_font.GetSafeHandle() ? dc.SelectObject(&control->m_font) : nullptr;
    dc.FillSolidRect(&client, RGB(255, 255, 255));
    DrawBackgroundBitmap(dc, client);
    if (!m_arrCards.empty() && !m_arrCards.front()->IsLaidOut()) LayoutCards();
    if (m_nCurrent >= static_cast<int>(m_arrCards.size())) m_nCurrent = 0;
    for (const auto& card : m_arrCards) {
        if (card->m_nRight <= m_nScroll && card->m_nLeft + client.Width() <= m_nScroll) continue;
        if (card->m_nLeft - m_nScroll > client.right) continue;
        if (card->m_nTop == kMargin && card->m_nLeft > m_nColumnWidth)
            dc.FillSolidRect(CRect(card->m_nLeft - m_nScroll - 9, kMargin, card->m_nLeft - m_nScroll - 5, client.bottom),
                             GetSysColor(COLOR_BTNFACE));
        DrawCard(dc, *card, client);
    }
    paint.BitBlt(0, 0, client.Width(), client.Height(), &dc, 0, 0, SRCCOPY);
    if (oldFont) dc.SelectObject(oldFont);
    dc.SelectObject(oldBitmap);
}

// Mouse ------------------------------------------------------------------------------------------

void CCardsCtrlBody::OnLButtonDown(UINT flags, CPoint point) {
    m_bButtonDown = 1;
    SetFocus();
    const bool adding = (flags & (MK_SHIFT | MK_CONTROL)) != 0;
    if (!adding) m_arrSelection.clear();
    if (m_nCursorState == 2) {
        m_bDragging = 1;
        m_nDragStartX = point.x;
        m_nLastX = -1;
        SetCapture();
        return;
    }
    const int hit = HitTest(point);
    if (hit < 0) {
        Invalidate(FALSE);
        return;
    }
    m_nCurrent = hit;
    ToggleSelection(m_arrCards[hit]->m_nId);
    Invalidate(FALSE);
    UpdateWindow();
    NotifyCurrent(adding ? 1 : 0);
}

void CCardsCtrlBody::OnLButtonDblClk(UINT, CPoint) {
    if (CCardsCtrl* control = Control()) control->SendMessage(CCardsCtrl::kDoubleClicked, 0, 0);
}

void CCardsCtrlBody::InvertDivider(int x) {
    if (x < 0) return;
    CClientDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.PatBlt(x, client.top + kMargin, 2, client.Height() - kMargin, DSTINVERT);
}

void CCardsCtrlBody::OnMouseMove(UINT, CPoint point) {
    if (m_arrCards.empty()) return;
    const int x = point.x + m_nScroll;
    if (!m_bDragging) {
        const int inColumn = x % m_nColumnWidth;
        if (inColumn < 2 || inColumn > m_nColumnWidth - 2) {
            ::SetCursor(::LoadCursor(nullptr, IDC_SIZEWE));
            m_nCursorState = 2;
        } else if (!m_bButtonDown && m_nCursorState == 2) {
            ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
            m_nCursorState = 0;
        }
    } else {
        ::SetCursor(::LoadCursor(nullptr, IDC_SIZEWE));
        InvertDivider(m_nLastX);
        InvertDivider(point.x);
        m_nLastX = point.x;
    }
    m_nLastY = point.y;
}

void CCardsCtrlBody::OnLButtonUp(UINT, CPoint point) {
    m_bButtonDown = 0;
    if (!m_bDragging) return;
    m_bDragging = 0;
    if (GetCapture() == this) ReleaseCapture();
    m_nColumnWidth = std::max(kMinColumnWidth, m_nColumnWidth + (point.x - m_nDragStartX));
    m_nCursorState = 0;
    LayoutCards();
    Invalidate(FALSE);
}

// Keys -------------------------------------------------------------------------------------------

void CCardsCtrlBody::OnKeyDown(UINT key, UINT repeat, UINT flags) {
    if (!GetParent()) return;
    int index = m_nCurrent;
    const int count = static_cast<int>(m_arrCards.size());
    switch (key) {
    case VK_TAB:
        if (CCardsCtrl* control = Control()) control->SetFocus();
        break;
    case VK_LEFT:
    case VK_RIGHT:
        if (count == 0) return;
        // The next column lies to the right on a left-to-right screen, to the left otherwise.
        index = NextCardInRow(m_arrCards, m_nCurrent, (key == VK_RIGHT) != (m_bRightToLeft != FALSE));
        break;
    case VK_UP: index = m_nCurrent - static_cast<int>(std::max(1u, repeat)); break;
    case VK_DOWN: index = m_nCurrent + static_cast<int>(std::max(1u, repeat)); break;
    default: CWnd::OnKeyDown(key, repeat, flags); return;
    }
    if (count == 0) return;
    SelectIndex(index);
    NotifyCurrent(0);
}

// Tooltip ----------------------------------------------------------------------------------------

BOOL CCardsCtrlBody::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    auto* nm = reinterpret_cast<NMHTMLTOOLTIP*>(lParam);
    if (!nm || nm->hdr.code != HTTN_NEEDTEXT) return CWnd::OnNotify(wParam, lParam, result);
    *result = 0;
    nm->pToolInfo->m_text.Empty();
    CCardsCtrl* control = Control();
    const CScheduleData* data = GetAppDocument();
    if (!control || !control->m_bToolTips || !data || !data->Settings().GetContactsTooltips()) return TRUE;
    CWaitCursor wait;
    CPoint point = nm->pParam ? *static_cast<POINT*>(nm->pParam) : CPoint(0, 0);
    ScreenToClient(&point);
    const int hit = HitTest(point);
    if (hit < 0) return TRUE;
    const auto entity = data->FindEntity(m_arrCards[hit]->m_nId);
    if (entity == data->m_arrEntities.end() || entity->HasNoActivity(*data)) return TRUE;
    nm->pToolInfo->m_text = BuildWeekGrid(*data, entity->m_nId, true);
    return TRUE;
}
