#include "controls/tab_style_raised.h"

#include "controls/tab_style_drawing.h"
#include "platform/core/colors.h"

using namespace tab_drawing;

namespace {
// Swaps top and bottom for tabs below the page.
CRect ForPosition(const TabCtrl* c, const CRect& topTabs) {
    if (c->GetTabPosition() == 0) return topTabs;
    return CRect(topTabs.left, topTabs.bottom, topTabs.right, topTabs.top);
}
}  // namespace

CTabStyleRaised::CTabStyleRaised(int number) : m_number(number) {}

COLORREF CTabStyleRaised::GetLineColor(const TabCtrl*) {
    switch (m_number) {
    case 3: return GetSysColor(COLOR_BTNTEXT);
    case 4: return GetSysColor(COLOR_BTNSHADOW);
    default: return GetSysColor(COLOR_BTNHIGHLIGHT);
    }
}

COLORREF CTabStyleRaised::GetRowColor(const TabCtrl*) {
    return Blend(GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNFACE), 45);
}

COLORREF CTabStyleRaised::GetCaptionColor(const TabCtrl* c, const TabCtrlItem* item) {
    // The current tab reads as current while the control has the focus or does not watch it.
    const bool current = c->GetCurrentTab() == item && (!c->IsWatchFocus() || c->HasFocus());
    if (item->disabled || current) return CTabCtrlStyle::GetCaptionColor(c, item);
    return Blend(RGB(0, 0, 0), GetSysColor(COLOR_BTNSHADOW), 55);
}

int CTabStyleRaised::GetBorderWidth(const TabCtrl*, TabCtrlMetrics*) { return m_number <= 2 ? 1 : 0; }

CRect CTabStyleRaised::GetRowMargins(const TabCtrl* c, TabCtrlMetrics*) {
    switch (m_number) {
    case 3: return ForPosition(c, CRect(5, 2, 3, 2));
    case 4: return ForPosition(c, CRect(4, 1, 2, 0));
    default: return ForPosition(c, CRect(5, 2, 3, 0));
    }
}

CRect CTabStyleRaised::GetPageMargins(const TabCtrl* c, TabCtrlMetrics*) {
    switch (m_number) {
    case 3: return CRect(0, 0, 0, 0);
    case 4: return ForPosition(c, CRect(1, 0, 1, 1));
    default: return ForPosition(c, CRect(2, 3, 2, 2));
    }
}

CRect CTabStyleRaised::GetTabPadding(const TabCtrl*, TabCtrlMetrics*) {
    return m_number <= 2 ? CRect(6, 3, 6, 3) : CRect(6, 2, 6, 2);
}

void CTabStyleRaised::DrawTabRowBackground(TabCtrl* c, CDC* dc, const CRect& row) {
    dc->FillSolidRect(&row, GetRowColor(c));
    const int y = c->GetTabPosition() == 0 ? row.bottom - 1 : row.top;
    Line(dc, CPoint(row.left, y), CPoint(row.right, y), GetSysColor(COLOR_BTNHIGHLIGHT));
}

void CTabStyleRaised::DrawTabBody(TabCtrl* c, CDC* dc, TabCtrlItem* item, const CRect& rect, CRgn*) {
    const bool top = c->GetTabPosition() == 0;
    if (c->GetCurrentTab() != item) {
        const CRect padding = GetTabPadding(c, c->GetBuiltInMetrics());
        Line(dc, CPoint(rect.right - 1, rect.top + padding.top), CPoint(rect.right - 1, rect.bottom - padding.bottom),
             GetSysColor(COLOR_BTNSHADOW));
        return;
    }
    dc->FillSolidRect(&rect, GetCurrentTabColor(c));
    const COLORREF outer = GetLineColor(c);
    const COLORREF right = m_number <= 2 ? GetSysColor(COLOR_BTNTEXT) : outer;
    OpenRectOutline(dc, rect, !top, GetSysColor(COLOR_BTNHIGHLIGHT), outer, right);
}

void CTabStyleRaised::DrawPageBackground(TabCtrl* c, CDC* dc, const CRect& page) {
    if (c->GetItems().empty() || !c->GetCurrentTab() || m_number == 3) {
        CTabCtrlStyle::DrawPageBackground(c, dc, page);
        return;
    }
    const bool top = c->GetTabPosition() == 0;
    if (m_number == 4) {
        dc->FillSolidRect(&page, GetPageColor(c));
        const COLORREF line = GetLineColor(c);
        OpenRectOutline(dc, page, top, line, line, line);
        return;
    }
    dc->FillSolidRect(&page, GetCurrentTabColor(c));
    const CRect margins = GetPageMargins(c, c->GetBuiltInMetrics());
    CRect window = page;
    window.DeflateRect(margins.left, margins.top, margins.right, margins.bottom);
    window.InflateRect(1, 1);
    RectOutline(dc, window, GetBorderColor(c));
}

void CTabStyleRaised::DrawButtonFace(TabCtrl* c, CDC* dc, const CRect& rect, bool hot, bool pushed) {
    if (!HasEdgedButtons()) {
        m_systemButtons.DrawButtonFace(c, dc, rect, hot, pushed);
        return;
    }
    if (!hot && !pushed) return;
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT), shadow = GetSysColor(COLOR_BTNSHADOW);
    if (hot && pushed) dc->Draw3dRect(&rect, shadow, light);
    else dc->Draw3dRect(&rect, light, shadow);
}

void CTabStyleRaised::DrawButton(TabCtrl* c, CDC* dc, const CRect& rect, bool hot, bool pushed, int image) {
    // A pressed edged button moves its glyph as a pressed push button does.
    CRect glyph = rect;
    if (HasEdgedButtons() && hot && pushed) glyph.OffsetRect(1, 1);
    DrawButtonFace(c, dc, rect, hot, pushed);
    TintedGlyph(dc, c->GetButtonImageList(), image, glyph, GetGlyphColor(c, hot, pushed));
}
