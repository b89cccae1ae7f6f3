#pragma once
// The raised looks: a light row where the current tab stands out like a raised button and the
// other tabs are divided by shadow lines. Raised 1 and 2 frame the page in the tab's colour;
// raised 3 fills it plainly; raised 4 draws a line round its outer sides. Raised 1 and 3 give
// the buttons raised and sunken edges, raised 2 and 4 the system-colour face of the slanted looks.
#include "controls/tab_ctrl_style.h"
#include "controls/tab_style_slanted.h"

class CTabStyleRaised : public CTabCtrlStyle, public TabCtrlMetrics {
public:
    // `number` is 1 to 4.
    explicit CTabStyleRaised(int number);

    TabCtrlMetrics* GetMetrics() override { return this; }

    // Colours.
    COLORREF GetLineColor(const TabCtrl*) override;
    COLORREF GetRowColor(const TabCtrl*) override;
    COLORREF GetCaptionColor(const TabCtrl* c, const TabCtrlItem* item) override;

    // Metrics.
    int GetBorderWidth(const TabCtrl*, TabCtrlMetrics*) override;
    CRect GetRowMargins(const TabCtrl* c, TabCtrlMetrics*) override;
    CRect GetPageMargins(const TabCtrl* c, TabCtrlMetrics*) override;
    CRect GetTabPadding(const TabCtrl*, TabCtrlMetrics*) override;

    // Drawing.
    void DrawTabRowBackground(TabCtrl* c, CDC* dc, const CRect& row) override;
    void DrawTabBody(TabCtrl* c, CDC* dc, TabCtrlItem* item, const CRect& rect, CRgn* clip) override;
    void DrawPageBackground(TabCtrl* c, CDC* dc, const CRect& page) override;
    void DrawButtonFace(TabCtrl* c, CDC* dc, const CRect& rect, bool hot, bool pushed) override;

protected:
    void DrawButton(TabCtrl* c, CDC* dc, const CRect& rect, bool hot, bool pushed, int image) override;

private:
    bool HasEdgedButtons() const { return m_number == 1 || m_number == 3; }
    int m_number;
    CTabStyleSlanted m_systemButtons{CTabStyleSlanted::ColorSet::System};
};
