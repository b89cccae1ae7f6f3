#include "controls/tab_style_glossy.h"

#include "controls/tab_style_drawing.h"
#include "platform/core/colors.h"

using namespace tab_drawing;

namespace {
constexpr COLORREF kOrangeBase = RGB(255, 232, 166), kGreyBase = RGB(206, 212, 223);
constexpr COLORREF kOrangeEdge = RGB(255, 252, 242), kOrangeMiddle = RGB(255, 243, 207);
constexpr COLORREF kGreyEdge = RGB(251, 252, 252), kGreyMiddle = RGB(215, 220, 228);
constexpr COLORREF kRow = RGB(46, 64, 94);
}  // namespace

// Darker tones for the three pixels at a rounded corner: the corner itself, then its two
// neighbours, blended toward the row colour.
void CTabStyleGlossy::RoundCorner(CDC* dc, int x, int y, int dx, int dy, COLORREF body) {
    dc->SetPixel(x, y, Blend(body, kRow, 85));
    dc->SetPixel(x + dx, y, Blend(body, kRow, 45));
    dc->SetPixel(x, y + dy, Blend(body, kRow, 45));
}

bool CTabStyleGlossy::IsOrange(const TabCtrl* c) const {
    switch (m_scheme) {
    case Scheme::Orange: return true;
    case Scheme::Grey: return false;
    default: return c->HasFocus();
    }
}

COLORREF CTabStyleGlossy::GetCaptionColor(const TabCtrl* c, const TabCtrlItem* item) {
    return c->GetCurrentTab() == item ? RGB(13, 0, 5) : RGB(248, 255, 255);
}

COLORREF CTabStyleGlossy::GetGlyphColor(const TabCtrl*, bool hot, bool pushed) {
    return hot || pushed ? RGB(0, 0, 0) : RGB(206, 212, 221);
}

CRect CTabStyleGlossy::GetTabPadding(const TabCtrl* c, TabCtrlMetrics*) {
    return c->GetTabPosition() == 0 ? CRect(5, 4, 5, 3) : CRect(5, 3, 5, 4);
}

void CTabStyleGlossy::DrawTabRowBackground(TabCtrl* c, CDC* dc, const CRect& row) { dc->FillSolidRect(&row, GetRowColor(c)); }

void CTabStyleGlossy::DrawGlossyTab(CDC* dc, const CRect& r, bool top, bool orange, bool current, bool hot) {
    const int outerY = top ? r.top : r.bottom - 1;
    const int step = top ? 1 : -1;
    if (current) {
        const int middle = (r.top + r.bottom) / 2;
        const COLORREF base = orange ? kOrangeBase : kGreyBase;
        const COLORREF edge = orange ? kOrangeEdge : kGreyEdge;
        const COLORREF mid = orange ? kOrangeMiddle : kGreyMiddle;
        if (top) {
            VerticalGradient(dc, edge, mid, CRect(r.left, r.top, r.right, middle));
            dc->FillSolidRect(r.left, middle, r.Width(), r.bottom - middle, base);
        } else {
            dc->FillSolidRect(r.left, r.top, r.Width(), middle - r.top, base);
            VerticalGradient(dc, mid, edge, CRect(r.left, middle, r.right, r.bottom));
        }
        RoundCorner(dc, r.left, outerY, 1, step, edge);
        RoundCorner(dc, r.right - 1, outerY, -1, step, edge);
    } else if (hot) {
        DrawHotTab(dc, r, top, RGB(79, 95, 116));
    }
}

void CTabStyleGlossy::DrawHotTab(CDC* dc, const CRect& r, bool top, COLORREF inner) {
    const int outerY = top ? r.top : r.bottom - 1;
    const int step = top ? 1 : -1;
    CRect inside = r;
    if (top) inside.DeflateRect(1, 1, 1, 0);
    else inside.DeflateRect(1, 0, 1, 1);
    const COLORREF edge = RGB(111, 119, 118);
    VerticalGradient(dc, top ? edge : inner, top ? inner : edge, inside);
    const COLORREF outline = RGB(155, 167, 183);
    const int nearY = top ? r.bottom : r.top - 1;
    Line(dc, CPoint(r.left, nearY), CPoint(r.left, outerY), outline);
    Line(dc, CPoint(r.left, outerY), CPoint(r.right - 1, outerY), outline);
    Line(dc, CPoint(r.right - 1, outerY), CPoint(r.right - 1, nearY), outline);
    RoundCorner(dc, r.left, outerY, 1, step, outline);
    RoundCorner(dc, r.right - 1, outerY, -1, step, outline);
}

void CTabStyleGlossy::DrawTabBody(TabCtrl* c, CDC* dc, TabCtrlItem* item, const CRect& rect, CRgn*) {
    if (item->disabled) return;
    const bool current = c->GetCurrentTab() == item;
    const bool hot = c->IsHotTab(item) && (c->GetPushed() == 0 || c->IsPushedButton());
    DrawGlossyTab(dc, rect, c->GetTabPosition() == 0, IsOrange(c), current, hot);
}

void CTabStyleGlossy::DrawPageBands(CDC* dc, const CRect& page, bool top, bool orange, bool squareCorner) {
    const COLORREF base = orange ? kOrangeBase : kGreyBase;
    const CRect upper(page.left, page.top, page.right, page.top + 4);
    const CRect lower(page.left, page.bottom - 4, page.right, page.bottom);
    dc->FillSolidRect(&upper, base);
    dc->FillSolidRect(&lower, base);
    // Round the bands' outer ends; the corner under the first tab stays square.
    if (!(squareCorner && top)) RoundCorner(dc, page.left, page.top, 1, 1, base);
    RoundCorner(dc, page.right - 1, page.top, -1, 1, base);
    if (!(squareCorner && !top)) RoundCorner(dc, page.left, page.bottom - 1, 1, -1, base);
    RoundCorner(dc, page.right - 1, page.bottom - 1, -1, -1, base);
}

void CTabStyleGlossy::DrawPageBackground(TabCtrl* c, CDC* dc, const CRect& page) {
    TabCtrlItem* current = c->GetCurrentTab();
    if (c->GetItems().empty() || !current) {
        CTabCtrlStyle::DrawPageBackground(c, dc, page);
        return;
    }
    dc->FillSolidRect(&page, GetPageColor(c));
    const bool first = c->GetItems().front() == current && current->rect.left <= c->GetTabsAreaRect().left;
    DrawPageBands(dc, page, c->GetTabPosition() == 0, IsOrange(c), first);
}

void CTabStyleGlossy::DrawButtonFace(TabCtrl*, CDC* dc, const CRect& rect, bool hot, bool pushed) {
    if (!hot && !pushed) return;
    dc->FillSolidRect(&rect, hot && pushed ? RGB(255, 232, 166) : RGB(255, 252, 244));
    RectOutline(dc, rect, RGB(229, 195, 101));
}
