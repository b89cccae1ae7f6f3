#pragma once
// CTabCtrlStyle: the base of the tab control looks. It paints what every look shares (the
// border, a tab as body plus content, image and caption, the buttons with tinted glyphs, the
// page background) from colour operations that the families replace.
#include "controls/tab_ctrl.h"

class CTabCtrlStyle : public TabCtrlStyle, public TabCtrlDraw {
public:
    TabCtrlDraw* GetDrawManager() override { return this; }

    // Colours.
    virtual COLORREF GetBorderColor(const TabCtrl*);
    virtual COLORREF GetLineColor(const TabCtrl*);
    virtual COLORREF GetRowColor(const TabCtrl*);
    virtual COLORREF GetCurrentTabColor(const TabCtrl*);
    virtual COLORREF GetPageColor(const TabCtrl*);
    virtual COLORREF GetCaptionColor(const TabCtrl*, const TabCtrlItem* item);
    virtual COLORREF GetGlyphColor(const TabCtrl*, bool hot, bool pushed);
    virtual COLORREF GetPageSideMarginColor(const TabCtrl*);
    virtual COLORREF GetEmptyPageColor(const TabCtrl*);

    // Part painters.
    virtual void DrawTabBody(TabCtrl*, CDC*, TabCtrlItem*, const CRect&, CRgn*) {}
    virtual void DrawTabContent(TabCtrl*, CDC*, TabCtrlItem*, CRect rect, CRgn*);
    virtual void DrawTabImage(TabCtrl*, CDC*, TabCtrlItem*, const CRect&);
    virtual void DrawTabCaption(TabCtrl*, CDC*, TabCtrlItem*, const CRect&);
    virtual void DrawButtonFace(TabCtrl*, CDC*, const CRect&, bool /*hot*/, bool /*pushed*/) {}

    // TabCtrlDraw parts every family shares.
    void DrawBorder(TabCtrl*, CDC*, const CRect&) override;
    void DrawTab(TabCtrl*, CDC*, TabCtrlItem*, CRgn*) override;
    void DrawCloseButton(TabCtrl*, CDC*, const CRect&, bool hot, bool pushed) override;
    void DrawMenuButton(TabCtrl*, CDC*, const CRect&, bool hot, bool pushed, bool tabsHidden) override;
    void DrawScrollLeftButton(TabCtrl*, CDC*, const CRect&, bool hot, bool pushed, bool enabled) override;
    void DrawScrollRightButton(TabCtrl*, CDC*, const CRect&, bool hot, bool pushed, bool enabled) override;
    void DrawPageBackground(TabCtrl*, CDC*, const CRect&) override;

protected:
    virtual void DrawButton(TabCtrl*, CDC*, const CRect&, bool hot, bool pushed, int image);
};
