#pragma once
// The white glossy look: the dark glossy row with a plain white current tab, a hot tab as in
// the other glossy looks, and the page without bands.
#include "controls/tab_style_glossy.h"

class CTabStyleGlossyWhite : public CTabStyleGlossy {
public:
    CTabStyleGlossyWhite() : CTabStyleGlossy(Scheme::Grey) {}

    CRect GetPageMargins(const TabCtrl* c, TabCtrlMetrics* base) override { return base->GetPageMargins(c, base); }
    CRect GetTabPadding(const TabCtrl*, TabCtrlMetrics*) override { return CRect(5, 2, 5, 2); }

    void DrawGlossyTab(CDC* dc, const CRect& rect, bool tabsAtTop, bool orange, bool current, bool hot) override;
    void DrawPageBackground(TabCtrl* c, CDC* dc, const CRect& page) override {
        CTabCtrlStyle::DrawPageBackground(c, dc, page);
    }
};
