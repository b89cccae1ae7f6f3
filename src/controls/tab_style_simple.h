#pragma once
// The simple look: a plain row with separator lines between the tabs, the current tab a
// cut-cornered shape in the page colour that opens into a page-coloured strip along the page
// side of the row, and a hot tab outlined with a tint in its lower half. It keeps the control's
// built-in metrics.
#include "controls/tab_ctrl_style.h"

class CTabStyleSimple : public CTabCtrlStyle {
public:
    void DrawTabRowBackground(TabCtrl* c, CDC* dc, const CRect& row) override;
    void DrawTabBody(TabCtrl* c, CDC* dc, TabCtrlItem* item, const CRect& rect, CRgn* clip) override;

private:
    CRect GetCurrentTabShape(const TabCtrl* c) const;
};
