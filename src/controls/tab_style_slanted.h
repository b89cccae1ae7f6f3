#pragma once
// The slanted looks: tabs with a long slanted left edge that runs under the left neighbour,
// a gradient body with a one-pixel highlight, a two-line band on the page side of the row and
// a five-pixel frame round the page. Four colour sets: silver, blue, olive and system colours.
#include "controls/tab_ctrl_style.h"

class CTabStyleSlanted : public CTabCtrlStyle, public TabCtrlMetrics, public TabCtrlBehavior {
public:
    enum class ColorSet { Silver, Blue, Olive, System };
    explicit CTabStyleSlanted(ColorSet set) : m_set(set) {}

    TabCtrlMetrics* GetMetrics() override { return this; }
    TabCtrlBehavior* GetBehavior() override { return this; }

    // Colours of the family.
    virtual COLORREF GetOutlineColor(bool current, bool disabled);
    virtual COLORREF GetHighlightColor(bool current, bool hot, bool disabled, bool leftEdge);
    virtual COLORREF GetTopColor(bool current, bool hot, bool disabled);
    virtual COLORREF GetBottomColor(bool current, bool hot, bool disabled);

    // The tab's outline, eight points, and the box its gradient fills.
    void GetTabPolygon(const TabCtrl* c, const TabCtrlItem* item, CPoint points[8], CRect* gradientBox) const;

    // Metrics.
    int GetBorderWidth(const TabCtrl*, TabCtrlMetrics*) override { return 0; }
    CRect GetRowMargins(const TabCtrl*, TabCtrlMetrics*) override { return CRect(0, 0, 3, 0); }
    CRect GetPageMargins(const TabCtrl* c, TabCtrlMetrics*) override;
    CRect GetTabPadding(const TabCtrl* c, TabCtrlMetrics*) override;
    int GetTabExtraWidth(const TabCtrl* c, TabCtrlMetrics*, const TabCtrlItem* item) override;
    int GetTabMinWidth(const TabCtrl* c, TabCtrlMetrics* base) override;

    // Behaviour: hit test on the polygons, the current tab first.
    TabCtrlItem* HitTest(const TabCtrl* c, TabCtrlBehavior* base, CPoint pt) override;

    // Drawing.
    bool IsLeftToRight(const TabCtrl*) override { return false; }
    void DrawTabRowBackground(TabCtrl* c, CDC* dc, const CRect& row) override;
    void DrawPageBackground(TabCtrl* c, CDC* dc, const CRect& page) override;
    void DrawTabBody(TabCtrl* c, CDC* dc, TabCtrlItem* item, const CRect& rect, CRgn* clip) override;
    void DrawTabContent(TabCtrl* c, CDC* dc, TabCtrlItem* item, CRect rect, CRgn* clip) override;
    void DrawButtonFace(TabCtrl* c, CDC* dc, const CRect& rect, bool hot, bool pushed) override;

private:
    bool IsHot(const TabCtrl* c, const TabCtrlItem* item) const;
    ColorSet m_set;
};
