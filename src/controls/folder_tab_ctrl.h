#pragma once
// CFolderTabCtrl: a strip of sheet tabs as tall as a horizontal scroll bar, with four scroll
// buttons at its left end. Each tab stands for one entity (caption its name, data its id);
// tabs are trapezoids that overlap their neighbours by 8 pixels, the selected one drawn in the
// window colour with a bold caption and open toward the area above. A pinned tab survives
// RemoveUnpinnedTabs. Hovering a tab shows the entity's information tip.
#include <memory>
#include <vector>

#include "controls/folder_button.h"
#include "htmllite/html_tool_tip.h"
#include "platform/ui/font.h"
#include "platform/ui/image_list.h"
#include "platform/ui/message_map.h"
#include "platform/ui/runtime_class.h"
#include "platform/ui/wnd.h"

// The selection notification (WM_NOTIFY, code 1): the index of the selected tab.
struct NMFOLDERTAB {
    NMHDR hdr;
    int nTab;
    const wchar_t* text;  // always empty
};

class CFolderTabCtrl : public CWnd {
    DECLARE_DYNAMIC(CFolderTabCtrl)

public:
    struct Tab {
        CString caption;
        CRect rect;  // strip coordinates before scrolling
        int x = 0;
        bool pinned = false;
        int data = 0;
    };
    enum : int { kFrameFlag = 1, kButtonsFlag = 2 };
    enum : UINT { kNotifySelect = 1 };
    static constexpr UINT kTabsChanged = WM_USER + 9;
    static constexpr UINT kShowEntity = WM_USER + 34;

    CFolderTabCtrl();
    ~CFolderTabCtrl() override;

    virtual BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id, int flags);
    int AddTab(const CString& caption, int data, bool pinned);
    virtual BOOL AddTabsFromString(UINT stringId);
    int SelectTab(int index);
    int SelectTabByData(int data);
    void RemoveUnpinnedTabs();
    void RecalcLayout();
    // The owner's field with the entity shown in its second view: that tab cannot be closed.
    void SetSecondViewEntity(const int* entityId) { m_secondViewEntity = entityId; }

    int HitTest(CPoint client) const;
    const std::vector<Tab>& GetTabs() const { return m_tabs; }
    int GetSelectedIndex() const { return m_selected; }
    int GetFirstVisible() const { return m_firstVisible; }
    int GetExtent() const { return m_extent; }
    int GetButtonAreaWidth() const { return m_buttonArea; }
    CFolderButton* GetButton(int id) { return id >= 1 && id <= 4 ? &m_buttons[id - 1] : nullptr; }
    CHtmlToolTip& GetToolTip() { return m_toolTip; }

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnPaint();
    void OnSize(UINT type, int cx, int cy);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonDblClk(UINT, CPoint) {}
    void OnRButtonDown(UINT flags, CPoint point);
    void OnCloseTab();
    void OnPinTab();
    void OnUnpinTab();
    void OnUpdateCloseTab(CCmdUI* cmdUI);
    void OnUpdateAlwaysOn(CCmdUI* cmdUI);
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    DECLARE_MESSAGE_MAP()

private:
    void MeasureTab(CDC* dc, Tab& tab);
    void DrawTab(CDC* dc, const Tab& tab, bool selected);
    int ScrollOrigin() const;
    void RepaintTab(int index);
    void SendSelection(int index);
    void SetPinned(bool pinned);
    void ClampIndexes();
    void ScrollCommand(int id);
    CWnd* OwnerOf(CWnd* wnd) const;

    CFolderButton m_buttons[4];
    std::vector<Tab> m_tabs;
    int m_flags = 0;
    int m_selected = 0;
    CFont m_normalFont, m_boldFont;
    int m_extent = 0;
    int m_buttonArea = 0;
    int m_firstVisible = 0;
    CImageList m_images;
    CHtmlToolTip m_toolTip;
    const int* m_secondViewEntity = nullptr;
};
