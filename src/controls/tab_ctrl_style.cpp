#include "controls/tab_ctrl_style.h"

#include "controls/tab_style_drawing.h"
#include "platform/core/colors.h"

using namespace tab_drawing;

COLORREF CTabCtrlStyle::GetBorderColor(const TabCtrl*) { return GetSysColor(COLOR_BTNSHADOW); }
COLORREF CTabCtrlStyle::GetLineColor(const TabCtrl*) { return GetSysColor(COLOR_BTNSHADOW); }
COLORREF CTabCtrlStyle::GetRowColor(const TabCtrl*) { return GetSysColor(COLOR_BTNFACE); }
COLORREF CTabCtrlStyle::GetCurrentTabColor(const TabCtrl*) { return GetSysColor(COLOR_BTNFACE); }
COLORREF CTabCtrlStyle::GetPageColor(const TabCtrl*) { return GetSysColor(COLOR_WINDOW); }
COLORREF CTabCtrlStyle::GetCaptionColor(const TabCtrl*, const TabCtrlItem* item) {
    return GetSysColor(item->disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT);
}
COLORREF CTabCtrlStyle::GetGlyphColor(const TabCtrl* c, bool, bool) {
    return GetSysColor(c->GetCurrentTab() ? COLOR_BTNTEXT : COLOR_GRAYTEXT);
}
COLORREF CTabCtrlStyle::GetPageSideMarginColor(const TabCtrl*) { return GetSysColor(COLOR_WINDOW); }
COLORREF CTabCtrlStyle::GetEmptyPageColor(const TabCtrl*) { return GetSysColor(COLOR_APPWORKSPACE); }

void CTabCtrlStyle::DrawBorder(TabCtrl* c, CDC* dc, const CRect& rect) { RectOutline(dc, rect, GetBorderColor(c)); }

void CTabCtrlStyle::DrawTab(TabCtrl* c, CDC* dc, TabCtrlItem* item, CRgn* clip) {
    const CRect rect = item->rect;
    DrawTabBody(c, dc, item, rect, clip);
    DrawTabContent(c, dc, item, rect, clip);
}

void CTabCtrlStyle::DrawTabContent(TabCtrl* c, CDC* dc, TabCtrlItem* item, CRect rect, CRgn*) {
    const CRect padding = c->GetMetrics()->GetTabPadding(c, c->GetBuiltInMetrics());
    rect.DeflateRect(padding.left, padding.top, padding.right, padding.bottom);
    const int caption = dc->GetTextExtent(item->caption).cx;
    CImageList* list = item->disabled ? c->GetDisabledImageList() : c->GetNormalImageList();
    if (item->image >= 0 && list) {
        const int gap = c->GetMetrics()->GetImageGap(c, c->GetBuiltInMetrics());
        const int imageWidth = item->disabled ? c->GetDisabledImageSize().cx : c->GetNormalImageSize().cx;
        const int block = caption + gap + imageWidth;
        if (block < rect.Width()) rect.left += (rect.Width() - block) / 2;
        DrawTabImage(c, dc, item, rect);
        rect.left += imageWidth + gap;
    } else if (caption < rect.Width()) {
        rect.left += (rect.Width() - caption) / 2;
    }
    if (!rect.IsRectEmpty()) DrawTabCaption(c, dc, item, rect);
}

void CTabCtrlStyle::DrawTabImage(TabCtrl* c, CDC* dc, TabCtrlItem* item, const CRect& rect) {
    CImageList* list = item->disabled ? c->GetDisabledImageList() : c->GetNormalImageList();
    const int height = item->disabled ? c->GetDisabledImageSize().cy : c->GetNormalImageSize().cy;
    if (list) list->Draw(dc, item->image, CPoint(rect.left, (rect.top + rect.bottom - height + 1) / 2), ILD_TRANSPARENT);
}

void CTabCtrlStyle::DrawTabCaption(TabCtrl* c, CDC* dc, TabCtrlItem* item, const CRect& rect) {
    dc->SetTextColor(GetCaptionColor(c, item));
    dc->SetBkMode(TRANSPARENT);
    CRect r = rect;
    dc->DrawText(item->caption, &r, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
}

void CTabCtrlStyle::DrawButton(TabCtrl* c, CDC* dc, const CRect& rect, bool hot, bool pushed, int image) {
    DrawButtonFace(c, dc, rect, hot, pushed);
    TintedGlyph(dc, c->GetButtonImageList(), image, rect, GetGlyphColor(c, hot, pushed));
}

void CTabCtrlStyle::DrawCloseButton(TabCtrl* c, CDC* dc, const CRect& rect, bool hot, bool pushed) {
    DrawButton(c, dc, rect, hot, pushed, 0);
}
void CTabCtrlStyle::DrawMenuButton(TabCtrl* c, CDC* dc, const CRect& rect, bool hot, bool pushed, bool tabsHidden) {
    DrawButton(c, dc, rect, hot, pushed, tabsHidden ? 2 : 1);
}
void CTabCtrlStyle::DrawScrollLeftButton(TabCtrl* c, CDC* dc, const CRect& rect, bool hot, bool pushed, bool enabled) {
    DrawButton(c, dc, rect, hot, pushed, enabled ? 3 : 4);
}
void CTabCtrlStyle::DrawScrollRightButton(TabCtrl* c, CDC* dc, const CRect& rect, bool hot, bool pushed, bool enabled) {
    DrawButton(c, dc, rect, hot, pushed, enabled ? 5 : 6);
}

void CTabCtrlStyle::DrawPageBackground(TabCtrl* c, CDC* dc, const CRect& rect) {
    const bool current = !c->GetItems().empty() && c->GetCurrentTab();
    dc->FillSolidRect(&rect, current ? GetPageColor(c) : GetEmptyPageColor(c));
}
