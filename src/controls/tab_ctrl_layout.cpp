// TabCtrl: measuring the tabs and placing tabs, buttons and the current page.
#include <algorithm>
#include <cmath>

#include "controls/tab_ctrl.h"
#include "platform/ui/client_dc.h"
#include "platform/ui/window_api.h"

int TabCtrl::MeasureTab(CDC* dc, const TabCtrlItem* item) const {
    TabCtrlMetrics* builtIn = m_builtInMetrics.get();
    const CRect padding = m_metrics->GetTabPadding(this, builtIn);
    int caption = 0;
    for (CFont* font : {m_normalFontPtr, m_selectedFontPtr}) {
        CFont* old = font ? dc->SelectObject(font) : nullptr;
        caption = std::max(caption, static_cast<int>(dc->GetTextExtent(item->caption).cx));
        if (font) dc->SelectObject(old);
    }
    int image = 0;
    CImageList* list = item->disabled ? m_disabledImages : m_normalImages;
    if (item->image != -1 && list)
        image = (item->disabled ? m_disabledImageSize.cx : m_normalImageSize.cx) + m_metrics->GetImageGap(this, builtIn);
    return m_metrics->GetTabExtraWidth(this, builtIn, item) + padding.left + padding.right + caption + image;
}

int TabCtrl::RowHeight(CDC* dc) const {
    const CRect padding = m_metrics->GetTabPadding(this, m_builtInMetrics.get());
    const CRect margins = m_metrics->GetRowMargins(this, m_builtInMetrics.get());
    auto heightOf = [dc](CFont* font) {
        CFont* old = font ? dc->SelectObject(font) : nullptr;
        const int h = dc->GetTextExtent(L"H").cy;
        if (font) dc->SelectObject(old);
        return h;
    };
    int caption = heightOf(m_normalFontPtr);
    const int selected = heightOf(m_selectedFontPtr);
    if (selected >= caption) caption = selected;
    const int image = std::max(m_normalImageSize.cy, m_disabledImageSize.cy);
    const int inner = std::max(static_cast<int>(m_buttonImageSize.cy), std::max(caption, image) + padding.top + padding.bottom);
    return inner + margins.top + margins.bottom;
}

void TabCtrl::CheckCurrentTab() {
    if (m_current && std::find(m_items.begin(), m_items.end(), m_current) == m_items.end()) m_current = nullptr;
    if (!m_current) {
        for (TabCtrlItem* item : m_items)
            if (!item->disabled) {
                m_current = item;
                break;
            }
        return;
    }
    if (!m_current->disabled) return;
    const auto at = std::find(m_items.begin(), m_items.end(), m_current);
    for (auto it = at + 1; it != m_items.end(); ++it)
        if (!(*it)->disabled) {
            m_current = *it;
            return;
        }
    for (auto it = at; it != m_items.begin();)
        if (!(*--it)->disabled) {
            m_current = *it;
            return;
        }
    m_current = nullptr;
}

void TabCtrl::PlaceCurrentPage(TabCtrlItem* previous, BOOL redraw) {
    if (m_current && m_current->pageWnd && ::IsWindow(m_current->pageWnd)) {
        CRect page = m_pageRect;
        const CRect margins = m_metrics->GetPageMargins(this, m_builtInMetrics.get());
        page.DeflateRect(margins.left, margins.top, margins.right, margins.bottom);
        CWnd* pageWnd = CWnd::FromHandle(m_current->pageWnd);
        CWnd* parent = pageWnd->GetParent();
        if (parent && parent != this) MapWindowPoints(parent, &page);
        CRect now;
        pageWnd->GetWindowRect(&now);
        if (parent) parent->ScreenToClient(&now);
        if (now != page)
            pageWnd->SetWindowPos(nullptr, page.left, page.top, page.Width(), page.Height(),
                                  SWP_NOZORDER | SWP_NOACTIVATE | (redraw ? 0 : SWP_NOREDRAW));
        if (!pageWnd->IsWindowVisible()) pageWnd->ShowWindow(SW_SHOWNA);
    }
    if (previous && previous != m_current && previous->pageWnd && ::IsWindow(previous->pageWnd))
        ::ShowWindow(previous->pageWnd, SW_HIDE);
}

void TabCtrl::RecalcLayout(BOOL redraw) {
    TabCtrlMetrics* builtIn = m_builtInMetrics.get();
    TabCtrlItem* entryCurrent = m_current;
    GetClientRect(&m_pageRect);
    if (m_border) {
        const int border = m_metrics->GetBorderWidth(this, builtIn);
        m_pageRect.DeflateRect(border, border);
    }
    m_rowRect = m_tabsRect = m_closeRect = m_menuRect = m_scrollLeftRect = m_scrollRightRect = CRect(0, 0, 0, 0);

    if (m_items.empty()) {
        m_current = nullptr;
    } else if (m_items.size() == 1 && m_hideSingleTab) {
        TabCtrlItem* only = m_items.front();
        only->rect.SetRectEmpty();
        only->width = 0;
        if (m_current && m_current != only && m_current->pageWnd && ::IsWindow(m_current->pageWnd))
            ::ShowWindow(m_current->pageWnd, SW_HIDE);
        m_current = only->disabled ? nullptr : only;
        if (only->disabled && only->pageWnd && ::IsWindow(only->pageWnd)) ::ShowWindow(only->pageWnd, SW_HIDE);
        PlaceCurrentPage(nullptr, redraw);
    } else {
        CClientDC dc(this);
        const int rowHeight = RowHeight(&dc);
        m_rowRect = m_pageRect;
        if (m_tabPosition == 0) {
            m_rowRect.bottom = m_rowRect.top + rowHeight;
            m_pageRect.top = m_rowRect.bottom;
            m_pageRect.bottom = std::max(m_pageRect.bottom, m_pageRect.top);
        } else {
            m_rowRect.top = m_rowRect.bottom - rowHeight;
            m_pageRect.bottom = m_rowRect.top;
            m_pageRect.top = std::min(m_pageRect.top, m_pageRect.bottom);
        }
        CheckCurrentTab();
        PlaceCurrentPage(entryCurrent, redraw);

        const CRect rowMargins = m_metrics->GetRowMargins(this, builtIn);
        m_tabsRect = m_rowRect;
        m_tabsRect.DeflateRect(rowMargins.left, rowMargins.top, rowMargins.right, rowMargins.bottom);

        const int minWidth = m_metrics->GetTabMinWidth(this, builtIn);
        int largest = 0;
        for (TabCtrlItem* item : m_items) {
            item->width = std::max(MeasureTab(&dc, item), minWidth);
            largest = std::max(largest, item->width);
        }
        if (m_equalWidths)
            for (TabCtrlItem* item : m_items) item->width = std::max(largest, minWidth);

        LayoutButtons();

        const CRect spacing = m_metrics->GetTabSpacing(this, builtIn);
        const int count = static_cast<int>(m_items.size());
        const int areaWidth = std::max(0, static_cast<int>(m_tabsRect.Width()) - 1);
        int total = count * (spacing.left + spacing.right);
        for (TabCtrlItem* item : m_items) total += item->width;
        m_maxScrollOffset = std::max(0, total - areaWidth);
        m_scrollOffset = std::clamp(m_scrollOffset, 0, m_maxScrollOffset);
        m_overflow = m_maxScrollOffset > 0;
        m_canScrollLeft = m_overflow && m_scrollOffset > 0;
        m_canScrollRight = m_overflow && m_scrollOffset < m_maxScrollOffset;

        if (m_layoutMode == 0)
            PlaceTabsFit(areaWidth, total, spacing);
        else
            PlaceTabsScroll(spacing);
    }
    if (m_toolTip && m_toolTip->GetSafeHwnd()) m_toolTip->SetToolRect(this, 1, &m_rowRect);
}

void TabCtrl::LayoutButtons() {
    TabCtrlMetrics* builtIn = m_builtInMetrics.get();
    const bool images = m_buttonImages != nullptr;
    const bool showClose = m_closeButton && images && m_ability->IsCloseButtonAllowed(this);
    const bool showMenu = m_menuButton && images && m_ability->IsMenuButtonAllowed(this);
    const bool showScroll = m_layoutMode == 1 && m_scrollButtons && images && m_ability->IsScrollButtonsAllowed(this);
    const int top = (m_tabsRect.top + m_tabsRect.bottom - m_buttonImageSize.cy) / 2;
    const int w = m_buttonImageSize.cx, h = m_buttonImageSize.cy;
    if (showClose) {
        const CRect margins = m_metrics->GetCloseMargins(this, builtIn);
        const int right = m_tabsRect.right - margins.right;
        m_closeRect = CRect(right - w, top, right, top + h);
        m_tabsRect.right = m_closeRect.left - margins.left;
    }
    if (showMenu) {
        const CRect margins = m_metrics->GetMenuMargins(this, builtIn);
        const int right = m_tabsRect.right - margins.right;
        m_menuRect = CRect(right - w, top, right, top + h);
        m_tabsRect.right = m_menuRect.left - margins.left;
    }
    if (showScroll) {
        const CRect leftMargins = m_metrics->GetScrollLeftMargins(this, builtIn);
        const CRect rightMargins = m_metrics->GetScrollRightMargins(this, builtIn);
        const int rightEdge = m_tabsRect.right - rightMargins.right;
        m_scrollRightRect = CRect(rightEdge - w, top, rightEdge, top + h);
        const int leftEdge = m_scrollRightRect.left - rightMargins.left - leftMargins.right;
        m_scrollLeftRect = CRect(leftEdge - w, top, leftEdge, top + h);
        m_tabsRect.right = m_scrollLeftRect.left - leftMargins.left;
    }
}

void TabCtrl::PlaceTabsScroll(const CRect& spacing) {
    int x = m_tabsRect.left - m_scrollOffset;
    for (TabCtrlItem* item : m_items) {
        const int slotEnd = x + item->width + spacing.left + spacing.right;
        item->rect = CRect(x + spacing.left, m_tabsRect.top, slotEnd - spacing.right, m_tabsRect.bottom);
        x = slotEnd;
    }
}

void TabCtrl::PlaceTabsFit(int areaWidth, int total, const CRect& spacing) {
    const int count = static_cast<int>(m_items.size());
    if (total <= areaWidth) {
        const int offset = m_scrollOffset;
        m_scrollOffset = 0;
        PlaceTabsScroll(spacing);
        m_scrollOffset = offset;
        return;
    }
    const int minWidth = m_metrics->GetTabMinWidth(this, m_builtInMetrics.get());
    const int average = std::max(1, (areaWidth - count * (spacing.left + spacing.right)) / count);
    std::vector<int> widths;
    if (m_equalWidths) {
        widths.assign(count, std::max(minWidth, average));
    } else {
        int excess = 0;
        for (TabCtrlItem* item : m_items)
            if (item->width > average) excess += item->width - average;
        const int shrink = total - areaWidth;
        for (int i = 0; i < count; ++i) {
            const int width = m_items[i]->width;
            if (i == count - 1 || width <= average) {
                widths.push_back(width);
                continue;
            }
            const double part = static_cast<double>(width - average) / excess * shrink;
            widths.push_back(std::max(minWidth, width - static_cast<int>(part + 0.5)));
        }
    }
    int x = m_tabsRect.left;
    for (int i = 0; i < count; ++i) {
        TabCtrlItem* item = m_items[i];
        int width = widths[i];
        if (!m_equalWidths && i == count - 1)
            width = std::max(minWidth, static_cast<int>(m_tabsRect.right) - spacing.right - spacing.left - x - 1);
        const int slotEnd = x + width + spacing.left + spacing.right;
        item->rect = CRect(x + spacing.left, m_tabsRect.top, slotEnd - spacing.right, m_tabsRect.bottom);
        x = slotEnd;
    }
}
