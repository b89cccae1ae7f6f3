#include "controls/tab_style_flat.h"

#include <algorithm>

#include "controls/tab_style_drawing.h"
#include "platform/core/colors.h"

using namespace tab_drawing;

namespace {
constexpr COLORREF kNearWhite = RGB(252, 252, 252);

// Swaps top and bottom for tabs below the page.
CRect ForPosition(const TabCtrl* c, const CRect& topTabs) {
    if (c->GetTabPosition() == 0) return topTabs;
    return CRect(topTabs.left, topTabs.bottom, topTabs.right, topTabs.top);
}
}  // namespace

COLORREF CTabStyleFlat::GetLineColor(const TabCtrl*) {
    return m_set == ColorSet::System ? GetSysColor(COLOR_BTNSHADOW) : RGB(137, 140, 149);
}

COLORREF CTabStyleFlat::GetCaptionColor(const TabCtrl* c, const TabCtrlItem* item) {
    if (item->disabled || c->GetCurrentTab() == item) return CTabCtrlStyle::GetCaptionColor(c, item);
    return Blend(RGB(0, 0, 0), GetSysColor(COLOR_BTNSHADOW), 55);
}

COLORREF CTabStyleFlat::GetDarkOutlineColor() {
    switch (m_set) {
    case ColorSet::Blue: return RGB(60, 127, 177);
    case ColorSet::Silver: return RGB(119, 119, 146);
    case ColorSet::Olive: return RGB(143, 158, 116);
    default: return GetSysColor(COLOR_3DDKSHADOW);
    }
}

COLORREF CTabStyleFlat::GetLightColor() { return m_set == ColorSet::System ? GetSysColor(COLOR_WINDOW) : kNearWhite; }

COLORREF CTabStyleFlat::GetDarkColor(bool hot) {
    switch (m_set) {
    case ColorSet::Blue: return hot ? RGB(167, 217, 245) : RGB(207, 207, 207);
    case ColorSet::Silver: return hot ? RGB(180, 179, 202) : RGB(207, 207, 207);
    case ColorSet::Olive: return hot ? RGB(182, 198, 141) : RGB(207, 207, 207);
    default: return Blend(RGB(255, 255, 255), GetSysColor(COLOR_BTNSHADOW), hot ? 75 : 55);
    }
}

CRect CTabStyleFlat::GetRowMargins(const TabCtrl* c, TabCtrlMetrics*) {
    return ForPosition(c, m_pageFrame ? CRect(0, 1, 0, 0) : CRect(0, 1, 0, 2));
}

CRect CTabStyleFlat::GetPageMargins(const TabCtrl* c, TabCtrlMetrics*) {
    return m_pageFrame ? ForPosition(c, CRect(1, 0, 1, 1)) : CRect(0, 0, 0, 0);
}

CRect CTabStyleFlat::GetTabPadding(const TabCtrl* c, TabCtrlMetrics*) { return ForPosition(c, CRect(3, 4, 3, 2)); }

void CTabStyleFlat::DrawTabRowBackground(TabCtrl* c, CDC* dc, const CRect& row) {
    dc->FillSolidRect(&row, GetRowColor(c));
    const bool top = c->GetTabPosition() == 0;
    const int edge = top ? row.bottom - 1 : row.top;
    const int inward = top ? -1 : 1;
    if (m_pageFrame) {
        Line(dc, CPoint(row.left, edge), CPoint(row.right, edge), GetLineColor(c));
        return;
    }
    // Two pixels inside the row; the page-side pixel line beyond it joins the page.
    const int line = edge + inward;
    Line(dc, CPoint(row.left, line), CPoint(row.right, line), GetLineColor(c));
    Line(dc, CPoint(row.left, edge), CPoint(row.right, edge), GetPageSideMarginColor(c));
    // The current tab opens through the line, its outline ending on it.
    const TabCtrlItem* current = c->GetCurrentTab();
    if (!current) return;
    const CRect area = c->GetTabsAreaRect();
    const int left = current->rect.left, right = current->rect.right - 1;
    const int from = std::max(left + 1, static_cast<int>(area.left)), to = std::min(right, static_cast<int>(area.right));
    if (from < to) Line(dc, CPoint(from, line), CPoint(to, line), GetCurrentTabColor(c));
    for (int x : {left, right})
        if (x >= area.left && x < area.right) dc->SetPixel(x, line, GetDarkOutlineColor());
}

void CTabStyleFlat::DrawTabBody(TabCtrl* c, CDC* dc, TabCtrlItem* item, const CRect& rect, CRgn*) {
    const bool top = c->GetTabPosition() == 0;
    TabCtrlItem* current = c->GetCurrentTab();
    if (current == item) {
        dc->FillSolidRect(&rect, GetCurrentTabColor(c));
        const COLORREF dark = GetDarkOutlineColor();
        OpenRectOutline(dc, rect, !top, dark, dark, dark);
        return;
    }
    const bool hot = c->IsHotTab(item) && !item->disabled && (c->GetPushed() == 0 || c->IsPushedButton());
    const COLORREF light = GetLightColor(), darker = GetDarkColor(hot);
    VerticalGradient(dc, top ? light : darker, top ? darker : light, rect);
    // The side away from the current tab is outlined, with a light line inside it.
    const auto& items = c->GetItems();
    const auto at = std::find(items.begin(), items.end(), item);
    const auto currentAt = std::find(items.begin(), items.end(), current);
    const bool outlineLeft = current && at < currentAt;
    const int outerY = top ? rect.top : rect.bottom - 1;
    const int nearY = top ? rect.bottom : rect.top - 1;
    const int x = outlineLeft ? rect.left : rect.right - 1;
    const int inner = outlineLeft ? x + 1 : x - 1;
    const COLORREF line = GetLineColor(c);
    Line(dc, CPoint(rect.left, outerY), CPoint(rect.right, outerY), line);
    Line(dc, CPoint(x, outerY), CPoint(x, nearY), line);
    Line(dc, CPoint(inner, outerY + (top ? 1 : -1)), CPoint(inner, nearY), light);
}

void CTabStyleFlat::DrawPageBackground(TabCtrl* c, CDC* dc, const CRect& page) {
    CTabCtrlStyle::DrawPageBackground(c, dc, page);
    if (!m_pageFrame || c->GetItems().empty()) return;
    const COLORREF line = GetLineColor(c);
    OpenRectOutline(dc, page, c->GetTabPosition() == 0, line, line, line);
}
