#pragma once
// The flat looks: the current tab in the page colour with a dark outline, the other tabs a
// light-to-dark gradient outlined on the side away from the current tab, and a line between
// row and page. Four colour sets (system, blue, silver, olive), each without and with a
// one-pixel frame round the page.
#include "controls/tab_ctrl_style.h"
#include "controls/tab_style_slanted.h"

class CTabStyleFlat : public CTabCtrlStyle, public TabCtrlMetrics {
public:
    using ColorSet = CTabStyleSlanted::ColorSet;
    CTabStyleFlat(ColorSet set, bool pageFrame) : m_set(set), m_pageFrame(pageFrame), m_buttons(set) {}

    TabCtrlMetrics* GetMetrics() override { return this; }

    // Colours: the line is the one between row and page.
    COLORREF GetLineColor(const TabCtrl*) override;
    COLORREF GetCurrentTabColor(const TabCtrl* c) override { return GetPageColor(c); }
    COLORREF GetCaptionColor(const TabCtrl* c, const TabCtrlItem* item) override;
    // Colours of the family: the current tab's outline and the ends of the other tabs' gradient.
    virtual COLORREF GetDarkOutlineColor();
    virtual COLORREF GetLightColor();
    virtual COLORREF GetDarkColor(bool hot);

    // Metrics.
    int GetBorderWidth(const TabCtrl*, TabCtrlMetrics*) override { return 0; }
    CRect GetRowMargins(const TabCtrl* c, TabCtrlMetrics*) override;
    CRect GetPageMargins(const TabCtrl* c, TabCtrlMetrics*) override;
    CRect GetTabPadding(const TabCtrl* c, TabCtrlMetrics*) override;

    // Drawing.
    void DrawTabRowBackground(TabCtrl* c, CDC* dc, const CRect& row) override;
    void DrawTabBody(TabCtrl* c, CDC* dc, TabCtrlItem* item, const CRect& rect, CRgn* clip) override;
    void DrawPageBackground(TabCtrl* c, CDC* dc, const CRect& page) override;
    void DrawButtonFace(TabCtrl* c, CDC* dc, const CRect& rect, bool hot, bool pushed) override {
        m_buttons.DrawButtonFace(c, dc, rect, hot, pushed);
    }

private:
    ColorSet m_set;
    bool m_pageFrame;
    CTabStyleSlanted m_buttons;  // the slanted looks' button faces of the same colours
};
