#pragma once
// TabCtrl: a row of tabs above (or below) a page area. Each tab owns a page window; selecting
// a tab shows its page in the page area and hides the previous one. The control measures and
// lays out the tabs (squeezing them to fit, or scrolling them), shows the full caption of a
// squeezed tab as a tooltip, and can carry close, menu and scroll buttons at the end of the
// row. Everything it paints, and most measurements, come from the installed look.
#include <cstdint>
#include <memory>
#include <vector>

#include "controls/hook_listeners.h"
#include "controls/tab_ctrl_interfaces.h"
#include "platform/ui/font.h"
#include "platform/ui/image_list.h"
#include "platform/ui/message_map.h"
#include "platform/ui/runtime_class.h"
#include "platform/ui/tool_tip_ctrl.h"
#include "platform/ui/wnd.h"

class TabCtrl : public CWnd, public TabCtrlAbility, public CFocusHookListener, public CKeyboardHookListener {
    DECLARE_DYNCREATE(TabCtrl)

public:
    TabCtrl();
    ~TabCtrl() override;

    // Button identities in the hot and pushed fields; never an item's address.
    enum Button : std::uintptr_t { kClose = 1, kMenu = 2, kScrollLeft = 3, kScrollRight = 4 };

    BOOL Create(CWnd* parent, DWORD style, const RECT& rect, UINT id);
    BOOL Create(LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id,
                void* context = nullptr) override;
    TabCtrlItem* AddTab(int position, HWND page, const CString& caption, int image);
    BOOL SetImageLists(CImageList* normal, CImageList* disabled);
    void SetNormalFont(CFont* font);
    void SetSelectedFont(CFont* font);
    void SetStyle(TabCtrlStyle* style);
    void RecalcLayout(BOOL redraw);
    void SelectTab(TabCtrlItem* item);

    // Options and listener; the program leaves them at their defaults.
    void SetLayoutMode(int mode) { m_layoutMode = mode; }
    void SetTabPosition(int position) { m_tabPosition = position; }
    void SetEqualWidths(bool on) { m_equalWidths = on; }
    void SetDragToReorder(bool on) { m_dragToReorder = on; }
    void SetHideSingleTab(bool on) { m_hideSingleTab = on; }
    void SetWatchFocus(bool on) { m_watchFocus = on; }
    void SetNotify(TabCtrlNotify* notify) { m_notify = notify; }
    // Seven images: close, menu, menu while tabs are hidden, scroll left (enabled, disabled),
    // scroll right (enabled, disabled).
    BOOL SetButtonImageList(CImageList* buttons);

    // What looks and layouts read.
    int GetTabPosition() const { return m_tabPosition; }
    int GetLayoutMode() const { return m_layoutMode; }
    const std::vector<TabCtrlItem*>& GetItems() const { return m_items; }
    TabCtrlItem* GetCurrentTab() const { return m_current; }
    std::uintptr_t GetHot() const { return m_hot; }
    std::uintptr_t GetPushed() const { return m_pushed; }
    bool IsHotTab(const TabCtrlItem* item) const { return m_hot == reinterpret_cast<std::uintptr_t>(item); }
    bool IsPushedButton() const { return m_pushed >= kClose && m_pushed <= kScrollRight; }
    bool HasFocus() const { return m_hasFocus; }
    bool IsWatchFocus() const { return m_watchFocus; }
    bool IsDragging() const { return m_dragging; }
    // The single tab hides the row (hide-single-tab on and exactly one tab).
    bool IsRowHidden() const { return m_hideSingleTab && m_items.size() == 1; }
    bool IsOverflow() const { return m_overflow; }
    bool CanScrollLeft() const { return m_canScrollLeft; }
    bool CanScrollRight() const { return m_canScrollRight; }
    int GetScrollOffset() const { return m_scrollOffset; }
    CImageList* GetNormalImageList() const { return m_normalImages; }
    CImageList* GetDisabledImageList() const { return m_disabledImages; }
    CImageList* GetButtonImageList() const { return m_buttonImages; }
    CSize GetNormalImageSize() const { return m_normalImageSize; }
    CSize GetDisabledImageSize() const { return m_disabledImageSize; }
    CSize GetButtonImageSize() const { return m_buttonImageSize; }
    CFont* GetNormalFont() const { return m_normalFontPtr; }
    CFont* GetSelectedFont() const { return m_selectedFontPtr; }
    CRect GetTabRowRect() const { return m_rowRect; }
    CRect GetTabsAreaRect() const { return m_tabsRect; }
    CRect GetPageRect() const { return m_pageRect; }
    CRect GetCloseRect() const { return m_closeRect; }
    CRect GetMenuRect() const { return m_menuRect; }
    CRect GetScrollLeftRect() const { return m_scrollLeftRect; }
    CRect GetScrollRightRect() const { return m_scrollRightRect; }
    TabCtrlMetrics* GetMetrics() const { return m_metrics; }
    TabCtrlMetrics* GetBuiltInMetrics() const { return m_builtInMetrics.get(); }
    TabCtrlBehavior* GetBehavior() const { return m_behavior; }
    TabCtrlBehavior* GetBuiltInBehavior() const { return m_builtInBehavior.get(); }
    TabCtrlItem* HitTest(CPoint pt) const;
    CToolTipCtrl* GetToolTip() const { return m_toolTip; }
    // The text the tooltip shows now (empty: none).
    CString GetToolTipText();

    BOOL PreTranslateMessage(MSG* msg) override;

    // Listener parts.
    void OnFocusChanged(bool gained, HWND window) override;
    void OnKeyDown(UINT virtualKey, LPARAM keyData) override;

protected:
    void OnDestroy();
    void OnSize(UINT type, int cx, int cy);
    void OnPaint();
    BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonDblClk(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnRButtonDown(UINT flags, CPoint point);
    void OnRButtonUp(UINT flags, CPoint point);
    void OnMButtonDown(UINT flags, CPoint point);
    void OnCaptureChanged(CWnd* wnd);
    void OnMouseLeave();
    void OnTimer(UINT_PTR id);
    BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
    void OnSetFocus(CWnd* oldWnd);
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    DECLARE_MESSAGE_MAP()

private:
    friend class TabCtrlBuiltInMetrics;
    friend class TabCtrlBuiltInBehavior;
    friend class TabCtrlBuiltInToolTipFactory;

    int MeasureTab(CDC* dc, const TabCtrlItem* item) const;
    int RowHeight(CDC* dc) const;
    void CheckCurrentTab();
    void PlaceCurrentPage(TabCtrlItem* previous, BOOL redraw);
    void PlaceTabsFit(int areaWidth, int total, const CRect& spacing);
    void PlaceTabsScroll(const CRect& spacing);
    void LayoutButtons();
    void TrackHot(CPoint point);
    void Press(CPoint point, bool doubleClick);
    void StopScrolling();
    void ScrollBy(int delta);
    void EndDrag(bool cancelled);
    void DragTo(CPoint point);
    void FocusCurrentPage();
    CPoint ToScreen(CPoint point) const;
    // A button is drawn hot while the mouse is over it and nothing else is held.
    bool IsHotButton(Button b) const { return m_hot == b && (m_pushed == 0 || m_pushed == b); }
    bool IsButton(std::uintptr_t element) const { return element >= kClose && element <= kScrollRight; }
    std::uintptr_t AsElement(TabCtrlItem* item) const { return reinterpret_cast<std::uintptr_t>(item); }
    TabCtrlItem* PushedTab() const;

    int m_tabPosition = 0;
    int m_layoutMode = 0;
    CImageList m_normalImageCopy, m_disabledImageCopy, m_buttonImageCopy;
    CImageList* m_normalImages = nullptr;
    CImageList* m_disabledImages = nullptr;
    CImageList* m_buttonImages = nullptr;
    CSize m_normalImageSize{0, 0}, m_disabledImageSize{0, 0}, m_buttonImageSize{0, 0};
    CFont m_normalFont, m_selectedFont;
    CFont* m_normalFontPtr = nullptr;
    CFont* m_selectedFontPtr = nullptr;
    HCURSOR m_tabCursor = nullptr;
    CString m_toolTipText;
    CString m_closeText, m_menuText, m_scrollLeftText, m_scrollRightText;
    bool m_border = true;
    bool m_equalWidths = false;
    bool m_dragToReorder = false;
    bool m_hideSingleTab = false;
    bool m_closeButton = true;
    bool m_menuButton = true;
    bool m_scrollButtons = true;
    bool m_toolTips = true;
    int m_scrollStep = 15;
    TabCtrlDraw* m_draw = nullptr;
    TabCtrlMetrics* m_metrics = nullptr;
    TabCtrlBehavior* m_behavior = nullptr;
    TabCtrlToolTipFactory* m_toolTipFactory = nullptr;
    TabCtrlAbility* m_ability = this;
    TabCtrlNotify* m_notify = nullptr;
    TabCtrlItem* m_current = nullptr;
    std::uintptr_t m_hot = 0;
    std::uintptr_t m_pushed = 0;
    int m_scrollOffset = 0;
    int m_maxScrollOffset = 0;
    bool m_overflow = false, m_canScrollLeft = false, m_canScrollRight = false, m_dragging = false;
    CPoint m_pressPoint{0, 0};
    bool m_watchFocus = false;
    bool m_hasFocus = false;
    bool m_keyboardListening = false;
    CRect m_rowRect, m_tabsRect, m_pageRect, m_closeRect, m_menuRect, m_scrollLeftRect, m_scrollRightRect;
    CToolTipCtrl* m_toolTip = nullptr;
    std::vector<TabCtrlItem*> m_items;
    std::vector<TabCtrlItem*> m_savedOrder;
    bool* m_alive = nullptr;
    std::unique_ptr<TabCtrlMetrics> m_builtInMetrics;
    std::unique_ptr<TabCtrlBehavior> m_builtInBehavior;
    std::unique_ptr<TabCtrlToolTipFactory> m_builtInToolTipFactory;
    CToolTipCtrl m_embeddedToolTip;
};
