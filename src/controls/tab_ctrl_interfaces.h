#pragma once
// The parts a TabCtrl asks of others: what it may show, whom it tells, how a look paints and
// measures it, how tabs are hit, and who makes its tooltip. Each metrics and behaviour
// operation gets the control's built-in object, so an override can fall back on it.
#include "platform/core/cstring.h"
#include "platform/core/geometry.h"
#include "platform/ui/window_defs.h"

class CDC;
class CRgn;
class CToolTipCtrl;
class TabCtrl;

// One tab: the page it shows, its image and caption, and where the layout put it.
struct TabCtrlItem {
    HWND pageWnd = nullptr;
    int image = -1;
    CString caption;
    CString tooltipText;  // shown as the tab's tip even when the caption fits
    bool disabled = false;
    CRect rect;           // client coordinates, set by the layout
    int width = 0;        // before squeezing

    void SetTooltipText(const CString& text) { tooltipText = text; }
};

class TabCtrlAbility {
public:
    virtual ~TabCtrlAbility() = default;
    virtual bool IsCloseButtonAllowed(const TabCtrl*) { return true; }
    virtual bool IsMenuButtonAllowed(const TabCtrl*) { return true; }
    virtual bool IsScrollButtonsAllowed(const TabCtrl*) { return true; }
};

// Notifications of the control; points are in screen coordinates.
class TabCtrlNotify {
public:
    virtual ~TabCtrlNotify() = default;
    virtual void OnAddingTab(TabCtrl*, HWND /*page*/, const CString& /*caption*/, int /*image*/) {}
    virtual void OnTabAdded(TabCtrl*, TabCtrlItem*) {}
    virtual void OnRemovingTab(TabCtrl*, TabCtrlItem*) {}
    virtual void OnCloseButtonClicked(TabCtrl*, const CRect&, CPoint) {}
    virtual void OnMenuButtonClicked(TabCtrl*, const CRect&, CPoint) {}
    virtual void OnTabSelected(TabCtrl*, TabCtrlItem*) {}
    virtual void OnLButtonDown(TabCtrl*, TabCtrlItem*, CPoint) {}
    virtual void OnLButtonDblClk(TabCtrl*, TabCtrlItem*, CPoint) {}
    virtual void OnRButtonDown(TabCtrl*, TabCtrlItem*, CPoint) {}
    virtual void OnRButtonUp(TabCtrl*, TabCtrlItem*, CPoint) {}
    virtual void OnStartDrag(TabCtrl*, TabCtrlItem*, CPoint) {}
    virtual void OnDrag(TabCtrl*, TabCtrlItem*, CPoint, bool /*outside*/) {}
    virtual void OnFinishDrag(TabCtrl*, TabCtrlItem*, bool /*cancelled*/) {}
};

// Painting of a look; every operation but the first paints on `dc`.
class TabCtrlDraw {
public:
    virtual ~TabCtrlDraw() = default;
    // Whether the tabs other than the current one are painted in list order.
    virtual bool IsLeftToRight(const TabCtrl*) { return true; }
    virtual void DrawBackground(TabCtrl*, CDC*) {}
    virtual void DrawBorder(TabCtrl*, CDC*, const CRect&) {}
    virtual void DrawTabRowBackground(TabCtrl*, CDC*, const CRect&) {}
    virtual void DrawTab(TabCtrl*, CDC*, TabCtrlItem*, CRgn*) {}
    virtual void DrawCloseButton(TabCtrl*, CDC*, const CRect&, bool /*hot*/, bool /*pushed*/) {}
    virtual void DrawMenuButton(TabCtrl*, CDC*, const CRect&, bool /*hot*/, bool /*pushed*/, bool /*tabsHidden*/) {}
    virtual void DrawScrollLeftButton(TabCtrl*, CDC*, const CRect&, bool /*hot*/, bool /*pushed*/, bool /*enabled*/) {}
    virtual void DrawScrollRightButton(TabCtrl*, CDC*, const CRect&, bool /*hot*/, bool /*pushed*/, bool /*enabled*/) {}
    virtual void DrawPageBackground(TabCtrl*, CDC*, const CRect&) {}
    virtual void DrawFinish(TabCtrl*, CDC*) {}
};

// Measurements; rectangles carry four values (left, top, right, bottom). Every operation of
// this base forwards to the built-in object, so a look overrides only what it changes.
class TabCtrlMetrics {
public:
    virtual ~TabCtrlMetrics() = default;
    virtual int GetBorderWidth(const TabCtrl* c, TabCtrlMetrics* base) { return base->GetBorderWidth(c, base); }
    virtual CRect GetRowMargins(const TabCtrl* c, TabCtrlMetrics* base) { return base->GetRowMargins(c, base); }
    virtual CRect GetPageMargins(const TabCtrl* c, TabCtrlMetrics* base) { return base->GetPageMargins(c, base); }
    virtual CRect GetTabSpacing(const TabCtrl* c, TabCtrlMetrics* base) { return base->GetTabSpacing(c, base); }
    virtual CRect GetTabPadding(const TabCtrl* c, TabCtrlMetrics* base) { return base->GetTabPadding(c, base); }
    virtual int GetImageGap(const TabCtrl* c, TabCtrlMetrics* base) { return base->GetImageGap(c, base); }
    virtual int GetTabExtraWidth(const TabCtrl* c, TabCtrlMetrics* base, const TabCtrlItem* item) {
        return base->GetTabExtraWidth(c, base, item);
    }
    virtual int GetTabMinWidth(const TabCtrl* c, TabCtrlMetrics* base) { return base->GetTabMinWidth(c, base); }
    virtual CRect GetScrollLeftMargins(const TabCtrl* c, TabCtrlMetrics* base) { return base->GetScrollLeftMargins(c, base); }
    virtual CRect GetScrollRightMargins(const TabCtrl* c, TabCtrlMetrics* base) {
        return base->GetScrollRightMargins(c, base);
    }
    virtual CRect GetMenuMargins(const TabCtrl* c, TabCtrlMetrics* base) { return base->GetMenuMargins(c, base); }
    virtual CRect GetCloseMargins(const TabCtrl* c, TabCtrlMetrics* base) { return base->GetCloseMargins(c, base); }
};

class TabCtrlBehavior {
public:
    virtual ~TabCtrlBehavior() = default;
    // The tab under a client point, or null.
    virtual TabCtrlItem* HitTest(const TabCtrl* c, TabCtrlBehavior* base, CPoint pt) { return base->HitTest(c, base, pt); }
    // True when the cursor was set.
    virtual bool SetCursor(TabCtrl* c, TabCtrlBehavior* base) { return base->SetCursor(c, base); }
};

class TabCtrlToolTipFactory {
public:
    virtual ~TabCtrlToolTipFactory() = default;
    virtual CToolTipCtrl* CreateToolTip(TabCtrl* c, TabCtrlToolTipFactory* base) { return base->CreateToolTip(c, base); }
};

// A look: its drawing part and, optionally, metrics, behaviour and tooltip factory.
class TabCtrlStyle {
public:
    virtual ~TabCtrlStyle() = default;
    virtual TabCtrlDraw* GetDrawManager() = 0;
    virtual TabCtrlMetrics* GetMetrics() { return nullptr; }
    virtual TabCtrlBehavior* GetBehavior() { return nullptr; }
    virtual TabCtrlToolTipFactory* GetToolTipFactory() { return nullptr; }
};
