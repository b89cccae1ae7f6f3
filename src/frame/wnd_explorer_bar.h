#pragma once
// CWndExplorerBar: the task pane at the left of the main frame. It shows the commands of the
// selected page as groups built from a menu, each command with its toolbar image; a click sends
// the command to the main window. Items whose command is disabled are drawn grey.
#include <memory>
#include <vector>

#include "frame/explorer_bar_parts.h"
#include "htmllite/html_tool_tip.h"
#include "platform/ui/font.h"
#include "platform/ui/image_list.h"
#include "platform/ui/message_map.h"
#include "platform/ui/wnd.h"

class CDC;

// tint(x, colour): each channel c becomes c + x (255 - c); x outside (0, 1] leaves it.
COLORREF TintColour(double x, COLORREF colour);

class CWndExplorerBar : public CWnd {
public:
    static constexpr UINT_PTR kStateTimer = 1;

    CWndExplorerBar();
    ~CWndExplorerBar() override;

    BOOL Create(const RECT& rect, CWnd* parent, UINT id);
    BOOL BuildFromMenu(UINT menuId);
    BOOL SetImagesFromToolBar(UINT toolBarId);
    BOOL SetStyle(int style);
    // Greys the items whose command the main window's route disables; TRUE when one changed.
    BOOL UpdateItemStates();
    // Places groups and items as painting draws them (also for hit tests and tests).
    void Layout(CDC& dc);
    // The tip of the hot item, as the tooltip shows it.
    CString BuildTipText(const CExplorerBarItem& item) const;
    void ShowMenu(CPoint screen);
    BOOL PreTranslateMessage(MSG* pMsg) override;

    const std::vector<std::unique_ptr<CExplorerBarGroup>>& Groups() const { return m_arrGroups; }
    int GetStyle() const { return m_nStyle; }
    CExplorerBarItem* GetHotItem() const { return m_pHotItem; }
    CExplorerBarGroup* GetHotGroup() const { return m_pHotGroup; }
    UINT GetMenuId() const { return m_nMenuId; }
    CImageList& Images() { return m_imlImages; }

protected:
    void OnPaint();
    BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnRButtonDown(UINT flags, CPoint point);
    void OnTimer(UINT_PTR id);
    void OnDestroy();
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    DECLARE_MESSAGE_MAP()

private:
    int TitleHeight() const;
    void MeasureGroup(CExplorerBarGroup& group);
    void DrawGroup(CDC& dc, CExplorerBarGroup& group);
    void DrawItem(CDC& dc, CExplorerBarItem& item, const CRect& row, COLORREF back);
    void DrawChevrons(CDC& dc, const CRect& button, bool up, COLORREF colour);
    CFont& BoldFont();

    int m_nStyle = 4;
    CImageList m_imlImages;
    HCURSOR m_hHand = nullptr;
    CExplorerBarItem* m_pHotItem = nullptr;
    CExplorerBarGroup* m_pHotGroup = nullptr;
    CHtmlToolTip m_wndToolTip;
    UINT m_nMenuId = 0;
    int m_nBuilds = 0;  // counts BuildFromMenu, which replaces every group and item
    std::vector<std::unique_ptr<CExplorerBarGroup>> m_arrGroups;
    CFont m_fontText, m_fontBold;
};
