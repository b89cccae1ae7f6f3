#include "controls/tab_style_simple.h"

#include <algorithm>

#include "controls/tab_style_drawing.h"
#include "platform/core/colors.h"

using namespace tab_drawing;

CRect CTabStyleSimple::GetCurrentTabShape(const TabCtrl* c) const {
    // The current tab's outline lies over its left neighbour's separator.
    const TabCtrlItem* current = c->GetCurrentTab();
    CRect shape = current->rect;
    if (c->GetItems().front() != current) shape.left -= 1;
    return shape;
}

void CTabStyleSimple::DrawTabRowBackground(TabCtrl* c, CDC* dc, const CRect& row) {
    dc->FillSolidRect(&row, GetRowColor(c));
    const CRect margins = c->GetMetrics()->GetRowMargins(c, c->GetBuiltInMetrics());
    const bool top = c->GetTabPosition() == 0;
    // The page-side margin: its first line divides it from the row, the rest takes the page-side colour.
    const int depth = top ? margins.bottom : margins.top;
    if (depth <= 0) return;
    const CRect margin = top ? CRect(row.left, row.bottom - depth, row.right, row.bottom)
                             : CRect(row.left, row.top, row.right, row.top + depth);
    dc->FillSolidRect(&margin, GetPageSideMarginColor(c));
    const int divider = top ? margin.top : margin.bottom - 1;
    Line(dc, CPoint(row.left, divider), CPoint(row.right, divider), GetLineColor(c));
    // The current tab opens into the strip: the divider keeps only the ends of its outline.
    if (!c->GetCurrentTab()) return;
    const CRect shape = GetCurrentTabShape(c), area = c->GetTabsAreaRect();
    const int from = std::max(shape.left + 1, static_cast<int>(area.left));
    const int to = std::min(shape.right - 1, static_cast<int>(area.right));
    if (from < to) Line(dc, CPoint(from, divider), CPoint(to, divider), GetPageColor(c));
}

void CTabStyleSimple::DrawTabBody(TabCtrl* c, CDC* dc, TabCtrlItem* item, const CRect& rect, CRgn*) {
    const bool top = c->GetTabPosition() == 0;
    const int openSide = top ? 3 : 1;
    const COLORREF line = GetLineColor(c);
    const bool first = c->GetItems().front() == item;
    if (c->GetCurrentTab() == item) {
        SixPointTab(dc, GetCurrentTabShape(c), openSide, 2, line, GetPageColor(c));
        return;
    }
    const bool hot = c->IsHotTab(item) && !item->disabled && (c->GetPushed() == 0 || c->IsPushedButton());
    if (hot) {
        const COLORREF row = GetRowColor(c);
        SixPointTab(dc, rect, openSide, 2, line, row);
        const COLORREF tint = Blend(row, GetSysColor(COLOR_HIGHLIGHT), 30);
        const int middle = (rect.top + rect.bottom) / 2;
        const CRect half = top ? CRect(rect.left + 1, middle, rect.right - 1, rect.bottom)
                               : CRect(rect.left + 1, rect.top, rect.right - 1, middle);
        VerticalGradient(dc, top ? row : tint, top ? tint : row, half);
    }
    const int y0 = rect.top + 3, y1 = rect.bottom - 3;
    Line(dc, CPoint(rect.right - 1, y0), CPoint(rect.right - 1, y1), line);
    if (first) Line(dc, CPoint(rect.left, y0), CPoint(rect.left, y1), line);
}
