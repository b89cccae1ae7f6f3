// TabCtrl: painting through the installed look.
#include <algorithm>

#include "controls/tab_ctrl.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/client_dc.h"
#include "platform/ui/rgn.h"

void TabCtrl::OnPaint() {
    CPaintDC paintDC(this);
    if (!m_draw) return;
    CRect client;
    GetClientRect(&client);
    CDC memory;
    CBitmap bitmap;
    CDC* dc = &paintDC;
    CBitmap* oldBitmap = nullptr;
    if (memory.CreateCompatibleDC(&paintDC) && bitmap.CreateCompatibleBitmap(&paintDC, client.Width(), client.Height())) {
        oldBitmap = memory.SelectObject(&bitmap);
        dc = &memory;
    }

    m_draw->DrawBackground(this, dc);
    if (!m_items.empty()) {
        m_draw->DrawTabRowBackground(this, dc, m_rowRect);
        CFont* oldFont = m_normalFontPtr ? dc->SelectObject(m_normalFontPtr) : nullptr;
        CRgn clip;
        clip.CreateRectRgn(m_tabsRect.left, m_tabsRect.top, std::max(m_tabsRect.left, m_tabsRect.right), m_tabsRect.bottom);
        dc->SelectClipRgn(&clip);
        auto visible = [this](const TabCtrlItem* item) {
            return item->rect.right > m_tabsRect.left && item->rect.left < m_tabsRect.right;
        };
        std::vector<TabCtrlItem*> order = m_items;
        if (!m_draw->IsLeftToRight(this)) std::reverse(order.begin(), order.end());
        for (TabCtrlItem* item : order)
            if (item != m_current && visible(item)) m_draw->DrawTab(this, dc, item, &clip);
        if (m_current && visible(m_current)) {
            const bool keepNormal = m_watchFocus && !m_hasFocus;
            if (!keepNormal && m_selectedFontPtr) dc->SelectObject(m_selectedFontPtr);
            m_draw->DrawTab(this, dc, m_current, &clip);
        }
        dc->SelectClipRgn(nullptr);
        if (oldFont) dc->SelectObject(oldFont);
    }
    if (!m_scrollLeftRect.IsRectEmpty()) {
        m_draw->DrawScrollLeftButton(this, dc, m_scrollLeftRect, IsHotButton(kScrollLeft), m_pushed == kScrollLeft,
                                     m_canScrollLeft);
        m_draw->DrawScrollRightButton(this, dc, m_scrollRightRect, IsHotButton(kScrollRight),
                                      m_pushed == kScrollRight, m_canScrollRight);
    }
    if (!m_menuRect.IsRectEmpty())
        m_draw->DrawMenuButton(this, dc, m_menuRect, IsHotButton(kMenu),
                               m_pushed == kMenu, m_overflow);
    if (!m_closeRect.IsRectEmpty())
        m_draw->DrawCloseButton(this, dc, m_closeRect, IsHotButton(kClose),
                                m_pushed == kClose);
    const CRect margins = m_metrics->GetPageMargins(this, m_builtInMetrics.get());
    if (m_items.empty() || !m_current || margins.left || margins.top || margins.right || margins.bottom)
        m_draw->DrawPageBackground(this, dc, m_pageRect);
    if (m_border && m_metrics->GetBorderWidth(this, m_builtInMetrics.get()) > 0) m_draw->DrawBorder(this, dc, client);
    m_draw->DrawFinish(this, dc);

    if (dc == &memory) {
        paintDC.BitBlt(0, 0, client.Width(), client.Height(), &memory, 0, 0, SRCCOPY);
        memory.SelectObject(oldBitmap);
    }
}
