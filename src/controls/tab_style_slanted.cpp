#include "controls/tab_style_slanted.h"

#include <algorithm>

#include "controls/tab_style_drawing.h"
#include "platform/core/colors.h"
#include "platform/ui/rgn.h"

using namespace tab_drawing;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

// Fixed colour tables of silver, blue and olive: current, hot, disabled, other.
struct SlantedTable {
    COLORREF outlineCurrent, outlineOther;
    COLORREF top[4];
    COLORREF bottom[4];
    COLORREF buttonOutline;
};
constexpr SlantedTable kSilver{RGB(147, 145, 176), RGB(157, 157, 161),
                               {RGB(247, 247, 253), RGB(247, 247, 253), RGB(203, 205, 217), RGB(234, 235, 240)},
                               {RGB(225, 226, 236), RGB(182, 185, 201), RGB(203, 205, 217), RGB(172, 171, 196)},
                               RGB(74, 73, 107)};
constexpr SlantedTable kBlue{RGB(105, 161, 191), RGB(145, 150, 162),
                             {RGB(252, 253, 254), RGB(247, 252, 254), RGB(207, 223, 237), RGB(236, 245, 252)},
                             {RGB(210, 230, 250), RGB(129, 208, 241), RGB(207, 223, 237), RGB(152, 180, 210)},
                             0};
constexpr SlantedTable kOlive{RGB(147, 160, 112), RGB(172, 168, 153),
                              {RGB(250, 251, 247), RGB(245, 247, 240), RGB(208, 217, 181), RGB(241, 244, 233)},
                              {RGB(173, 190, 126), RGB(197, 210, 165), RGB(208, 217, 181), RGB(165, 179, 133)},
                              RGB(118, 128, 95)};

const SlantedTable& TableOf(CTabStyleSlanted::ColorSet set) {
    switch (set) {
    case CTabStyleSlanted::ColorSet::Blue: return kBlue;
    case CTabStyleSlanted::ColorSet::Olive: return kOlive;
    default: return kSilver;
    }
}

int StateIndex(bool current, bool hot, bool disabled) { return current ? 0 : hot ? 1 : disabled ? 2 : 3; }

}  // namespace

COLORREF CTabStyleSlanted::GetOutlineColor(bool current, bool) {
    if (m_set == ColorSet::System) return GetSysColor(COLOR_BTNSHADOW);
    const SlantedTable& t = TableOf(m_set);
    return current ? t.outlineCurrent : t.outlineOther;
}

COLORREF CTabStyleSlanted::GetHighlightColor(bool current, bool hot, bool disabled, bool leftEdge) {
    hot = hot && !disabled;
    switch (m_set) {
    case ColorSet::System: return GetSysColor(current || hot ? COLOR_WINDOW : COLOR_BTNFACE);
    case ColorSet::Blue:
        if (current || hot) return kWhite;
        return leftEdge && !disabled ? RGB(242, 250, 255) : RGB(140, 171, 204);
    case ColorSet::Olive:
        return current || hot || (leftEdge && !disabled) ? kWhite : RGB(165, 179, 133);
    case ColorSet::Silver:
    default:
        return current || hot || (leftEdge && !disabled) ? kWhite : RGB(172, 171, 196);
    }
}

COLORREF CTabStyleSlanted::GetTopColor(bool current, bool hot, bool disabled) {
    hot = hot && !disabled;
    if (m_set == ColorSet::System) return GetSysColor(current || hot ? COLOR_BTNHIGHLIGHT : COLOR_BTNFACE);
    return TableOf(m_set).top[StateIndex(current, hot, disabled)];
}

COLORREF CTabStyleSlanted::GetBottomColor(bool current, bool hot, bool disabled) {
    hot = hot && !disabled;
    if (m_set == ColorSet::System) return GetSysColor(hot && !current ? COLOR_BTNHIGHLIGHT : COLOR_BTNFACE);
    return TableOf(m_set).bottom[StateIndex(current, hot, disabled)];
}

bool CTabStyleSlanted::IsHot(const TabCtrl* c, const TabCtrlItem* item) const {
    return c->IsHotTab(item) && (c->GetPushed() == 0 || c->IsPushedButton());
}

CRect CTabStyleSlanted::GetPageMargins(const TabCtrl* c, TabCtrlMetrics*) {
    if (c->IsRowHidden()) return CRect(5, 5, 5, 5);
    return c->GetTabPosition() == 0 ? CRect(5, 3, 5, 5) : CRect(5, 5, 5, 3);
}

CRect CTabStyleSlanted::GetTabPadding(const TabCtrl* c, TabCtrlMetrics*) {
    return c->GetTabPosition() == 0 ? CRect(6, 3, 6, 5) : CRect(6, 4, 6, 4);
}

int CTabStyleSlanted::GetTabExtraWidth(const TabCtrl* c, TabCtrlMetrics*, const TabCtrlItem* item) {
    const auto& items = c->GetItems();
    return !items.empty() && items.front() == item ? c->GetTabsAreaRect().Height() - 6 : 0;
}

int CTabStyleSlanted::GetTabMinWidth(const TabCtrl* c, TabCtrlMetrics* base) {
    return base->GetTabMinWidth(c, base) + c->GetTabsAreaRect().Height() - 6;
}

void CTabStyleSlanted::GetTabPolygon(const TabCtrl* c, const TabCtrlItem* item, CPoint p[8], CRect* box) const {
    const bool current = c->GetCurrentTab() == item;
    const bool first = !c->GetItems().empty() && c->GetItems().front() == item;
    int left = item->rect.left, top = item->rect.top, right = item->rect.right, bottom = item->rect.bottom;
    int h = c->GetTabsAreaRect().Height();
    if (!current) {
        top += 2;
        bottom -= 2;
        h -= 4;
    }
    const int x = !first ? left + 6 - h : current ? left : left + 4;
    p[0] = current ? CPoint(x + 2, bottom) : CPoint(x, bottom);
    p[1] = current ? CPoint(x + 2, bottom - 2) : CPoint(x + 1, bottom - 1);
    p[2] = CPoint(x + h - 2, top + 2);
    p[3] = CPoint(x + h + 3, top);
    p[4] = CPoint(right - 3, top);
    p[5] = CPoint(right - 1, top + 2);
    p[6] = current ? CPoint(right - 1, bottom - 1) : CPoint(right - 1, bottom);
    p[7] = CPoint(right - 1, bottom);
    if (c->GetTabPosition() != 0)
        for (int i = 0; i < 8; ++i) p[i].y = top + bottom - p[i].y;
    if (box) *box = CRect(!current && !first ? left : x, top, right, bottom);
}

TabCtrlItem* CTabStyleSlanted::HitTest(const TabCtrl* c, TabCtrlBehavior*, CPoint pt) {
    if (!c->GetTabsAreaRect().PtInRect(pt)) return nullptr;
    auto inside = [&](const TabCtrlItem* item) {
        CPoint points[8];
        GetTabPolygon(c, item, points, nullptr);
        CRgn region;
        return region.CreatePolygonRgn(points, 8, WINDING) && region.PtInRegion(pt);
    };
    if (TabCtrlItem* current = c->GetCurrentTab(); current && inside(current)) return current;
    for (TabCtrlItem* item : c->GetItems())
        if (inside(item)) return item;
    return nullptr;
}

void CTabStyleSlanted::DrawTabBody(TabCtrl* c, CDC* dc, TabCtrlItem* item, const CRect&, CRgn* clip) {
    const bool current = c->GetCurrentTab() == item;
    const bool hot = IsHot(c, item);
    const bool top = c->GetTabPosition() == 0;
    CPoint p[8];
    CRect box;
    GetTabPolygon(c, item, p, &box);

    CRgn polygon;
    polygon.CreatePolygonRgn(p, 8, WINDING);
    if (clip) polygon.CombineRgn(&polygon, clip, RGN_AND);
    dc->SelectClipRgn(&polygon);
    const COLORREF upper = GetTopColor(current, hot, item->disabled);
    const COLORREF lower = GetBottomColor(current, hot, item->disabled);
    VerticalGradient(dc, top ? upper : lower, top ? lower : upper, box);
    // Inner highlight: one pixel inside the slanted edge and along the outer edge, and one
    // pixel inside the right edge.
    const int dy = top ? 1 : -1;
    const COLORREF left = GetHighlightColor(current, hot, item->disabled, true);
    const COLORREF rightColor = GetHighlightColor(current, hot, item->disabled, false);
    Line(dc, CPoint(p[1].x + 1, p[1].y), CPoint(p[2].x + 1, p[2].y), left);
    Line(dc, CPoint(p[2].x + 1, p[2].y), CPoint(p[3].x + 1, p[3].y + dy), left);
    Line(dc, CPoint(p[3].x + 1, p[3].y + dy), CPoint(p[4].x, p[4].y + dy), left);
    Line(dc, CPoint(p[5].x - 1, p[5].y), CPoint(p[6].x - 1, p[6].y), rightColor);
    dc->SelectClipRgn(clip);

    CPen pen(PS_SOLID, 1, GetOutlineColor(current, item->disabled));
    CPen* old = dc->SelectObject(&pen);
    dc->Polyline(p + 1, 6);
    dc->SelectObject(old);
}

void CTabStyleSlanted::DrawTabContent(TabCtrl* c, CDC* dc, TabCtrlItem* item, CRect rect, CRgn* clip) {
    if (c->GetCurrentTab() != item) {
        if (c->GetTabPosition() == 0) rect.top += 2;
        else rect.bottom -= 2;
    }
    rect.left += GetTabExtraWidth(c, c->GetBuiltInMetrics(), item);
    CTabCtrlStyle::DrawTabContent(c, dc, item, rect, clip);
}

void CTabStyleSlanted::DrawTabRowBackground(TabCtrl* c, CDC* dc, const CRect& row) {
    dc->FillSolidRect(&row, GetRowColor(c));
    const bool top = c->GetTabPosition() == 0;
    // The page side: the inner line touches the page, the outer one is the next row of pixels.
    const int inner = top ? row.bottom - 1 : row.top;
    const int outer = top ? row.bottom - 2 : row.top + 1;
    const COLORREF outline = GetOutlineColor(true, false);
    const COLORREF highlight = GetHighlightColor(true, false, false, true);
    if (c->GetCurrentTab()) {
        Line(dc, CPoint(row.left + 1, inner), CPoint(row.left + 2, outer), outline);
        Line(dc, CPoint(row.left + 2, outer), CPoint(row.right - 3, outer), outline);
        Line(dc, CPoint(row.right - 3, outer), CPoint(row.right - 1, inner + (top ? 1 : -1)), outline);
        Line(dc, CPoint(row.left + 2, inner), CPoint(row.right - 2, inner), highlight);
    } else {
        Line(dc, CPoint(row.left, outer), CPoint(row.right, outer), outline);
        Line(dc, CPoint(row.left, inner), CPoint(row.right, inner), highlight);
    }
}

void CTabStyleSlanted::DrawPageBackground(TabCtrl* c, CDC* dc, const CRect& page) {
    TabCtrlItem* current = c->GetCurrentTab();
    if (c->GetItems().empty() || !current) {
        CTabCtrlStyle::DrawPageBackground(c, dc, page);
        return;
    }
    const bool top = c->GetTabPosition() == 0;
    const bool closed = c->IsRowHidden();
    const COLORREF outline = GetOutlineColor(true, false);
    const COLORREF highlight = GetHighlightColor(true, false, false, true);
    const COLORREF band = GetBottomColor(true, false, false);
    dc->FillSolidRect(&page, band);
    const int right = page.right - 1, bottom = page.bottom - 1;
    if (closed) {
        
        ChamferedOutline(dc, page, 2, outline);
    } else {
        // Open toward the row; chamfered on the far side.
        const int nearY = top ? page.top : bottom;
        const int farY = top ? bottom : page.top;
        const int step = top ? -1 : 1;
        const CPoint points[] = {{page.left, nearY}, {page.left, farY + 2 * step}, {page.left + 2, farY},
                                 {right - 2, farY},  {right, farY + 2 * step},     {right, nearY}};
        CPen pen(PS_SOLID, 1, outline);
        CPen* old = dc->SelectObject(&pen);
        dc->Polyline(points, 6);
        dc->SelectObject(old);
        const COLORREF corner = GetCurrentTabColor(c);
        for (const CPoint& cpt : {CPoint(page.left, farY), CPoint(page.left + 1, farY), CPoint(page.left, farY + step),
                                  CPoint(right, farY), CPoint(right - 1, farY), CPoint(right, farY + step)})
            dc->SetPixel(cpt, corner);
    }
    // Highlight on the three outer sides.
    const int farInner = top ? bottom - 1 : page.top + 1;
    const int nearInner = top ? page.top : bottom;
    Line(dc, CPoint(page.left + 1, nearInner), CPoint(page.left + 1, farInner), highlight);
    Line(dc, CPoint(page.left + 1, farInner), CPoint(right - 1, farInner), highlight);
    Line(dc, CPoint(right - 1, farInner), CPoint(right - 1, nearInner), highlight);
    if (closed) Line(dc, CPoint(page.left + 1, top ? page.top + 1 : bottom - 1), CPoint(right - 1, top ? page.top + 1 : bottom - 1), highlight);
    // The line right round the page window.
    const CRect margins = GetPageMargins(c, c->GetBuiltInMetrics());
    CRect window = page;
    window.DeflateRect(margins.left, margins.top, margins.right, margins.bottom);
    window.InflateRect(1, 1);
    RectOutline(dc, window, outline);
}

void CTabStyleSlanted::DrawButtonFace(TabCtrl*, CDC* dc, const CRect& rect, bool hot, bool pushed) {
    if (!hot && !pushed) return;
    COLORREF fill, outline;
    if (m_set == ColorSet::Silver || m_set == ColorSet::Olive) {
        fill = hot && pushed ? RGB(255, 182, 115) : RGB(255, 227, 173);
        outline = TableOf(m_set).buttonOutline;
    } else {
        fill = Blend(GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_HIGHLIGHT), hot && pushed ? 22 : 30);
        outline = GetSysColor(COLOR_HIGHLIGHT);
    }
    dc->FillSolidRect(&rect, fill);
    RectOutline(dc, rect, outline);
}
