#pragma once
// The glossy looks: a dark navy row where only the current tab (a glossy two-part body) and
// the hot tab (a dark gradient with a light outline) are painted, and 4-pixel bands above and
// below the page in the current tab's colour. Orange, grey, or following the focus.
#include "controls/tab_ctrl_style.h"

class CTabStyleGlossy : public CTabCtrlStyle, public TabCtrlMetrics {
public:
    enum class Scheme { FollowFocus, Orange, Grey };
    explicit CTabStyleGlossy(Scheme scheme) : m_scheme(scheme) {}

    TabCtrlMetrics* GetMetrics() override { return this; }

    // The orange scheme for the current tab and bands (else grey).
    bool IsOrange(const TabCtrl* c) const;
    virtual void DrawPageBands(CDC* dc, const CRect& page, bool tabsAtTop, bool orange, bool squareCorner);
    virtual void DrawGlossyTab(CDC* dc, const CRect& rect, bool tabsAtTop, bool orange, bool current, bool hot);

    // Colours.
    COLORREF GetRowColor(const TabCtrl*) override { return RGB(46, 64, 94); }
    COLORREF GetEmptyPageColor(const TabCtrl*) override { return RGB(46, 64, 94); }
    COLORREF GetCaptionColor(const TabCtrl* c, const TabCtrlItem* item) override;
    COLORREF GetGlyphColor(const TabCtrl*, bool hot, bool pushed) override;

    // Metrics.
    int GetBorderWidth(const TabCtrl*, TabCtrlMetrics*) override { return 0; }
    CRect GetRowMargins(const TabCtrl*, TabCtrlMetrics*) override { return CRect(0, 0, 3, 0); }
    CRect GetPageMargins(const TabCtrl*, TabCtrlMetrics*) override { return CRect(0, 4, 0, 4); }
    CRect GetTabPadding(const TabCtrl* c, TabCtrlMetrics*) override;

    // Drawing.
    void DrawTabRowBackground(TabCtrl* c, CDC* dc, const CRect& row) override;
    void DrawPageBackground(TabCtrl* c, CDC* dc, const CRect& page) override;
    void DrawTabBody(TabCtrl* c, CDC* dc, TabCtrlItem* item, const CRect& rect, CRgn* clip) override;
    void DrawButtonFace(TabCtrl* c, CDC* dc, const CRect& rect, bool hot, bool pushed) override;

protected:
    // A hot tab that is not current: a light outline on the three outer sides over a dark
    // gradient from the outer edge to `inner`.
    void DrawHotTab(CDC* dc, const CRect& rect, bool tabsAtTop, COLORREF inner);
    // Rounds the corner at (x, y) whose neighbours lie toward (x + dx, y + dy).
    static void RoundCorner(CDC* dc, int x, int y, int dx, int dy, COLORREF body);

private:
    Scheme m_scheme;
};
