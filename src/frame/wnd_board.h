#pragma once
// CWndBoard: the entity board, the side list of the pages that show a board of the plan. A list
// in group view under a header strip of buttons; the owner adds groups and items and populates
// the list in one step, may give the items check boxes, and reads back what is checked. Items
// can be dragged to the one drop target the owner names.
#include <vector>

#include "controls/hook_listeners.h"
#include "htmllite/html_tool_tip.h"
#include "platform/core/cstring.h"
#include "platform/ui/image_list.h"
#include "platform/ui/list_ctrl.h"
#include "platform/ui/message_map.h"
#include "platform/ui/wnd.h"

struct CBoardItem {
    CString text;
    int group = 0;
    int image = 0;
    int data = 0;
    int checked = 0;
};

class CWndBoard : public CWnd, public CKeyboardHookListener {
public:
    static constexpr UINT kListId = 101;
    static constexpr UINT kChecksChanged = WM_USER + 7, kClosed = WM_USER + 26;
    // The drag protocol towards the drop target.
    static constexpr UINT kDragBegin = WM_USER + 15, kDragOver = WM_USER + 2, kDrop = WM_USER + 14, kDragEnd = WM_USER + 16;
    // The check menu.
    static constexpr UINT kUncheckAll = 32978, kCheckLinked = 32973, kCheckFirstGroup = 32972, kCheckSecondGroup = 32971;

    CWndBoard();
    ~CWndBoard() override;

    void AddGroup(const CString& caption) { m_groups.push_back(caption); }
    void AddItem(int group, int image, const CString& text, int data, int checked) {
        m_items.push_back(CBoardItem{text, group, image, data, checked});
    }
    void Populate(const CString& columnTitle);
    void GetCheckedIds(int group, std::vector<int>& ids) const;
    void ShowCheckMenu(CPoint screen);
    BOOL PreTranslateMessage(MSG* pMsg) override;
    bool IsDragging() const { return m_dragging != 0; }
    // Escape cancels a drag wherever the focus is.
    void OnKeyDown(UINT virtualKey, LPARAM keyData) override;
    // Starts the drag of the selected item, as the list's begin-drag notice does.
    void BeginDrag(CPoint screen);
    // Ends a drag; cancelled (Escape, the mouse taken away) tells the target so.
    void EndDrag(bool cancelled, CPoint screen);

    int m_ready = 1;
    CListCtrl m_list;
    CImageList m_buttonImages;
    CImageList m_dragImage;
    CHtmlToolTip m_toolTip;
    std::vector<CBoardItem> m_items;
    std::vector<CString> m_groups;
    int m_pinned = 0;
    int m_showPinButton = 0;
    int m_checkBoxes = 0;
    int m_dragEnabled = 0;
    int m_dragging = 0;
    int m_overTarget = 0;
    int m_hotButton = 0;
    CWnd* m_dropTarget = nullptr;
    int m_showMenuButton = 0;
    int m_mode = 0;
    int m_options = 0;

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnDestroy();
    void OnPaint();
    void OnSize(UINT type, int cx, int cy);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnCaptureChanged(CWnd* wnd);
    void OnItemChanged(NMHDR* hdr, LRESULT* result);
    void OnBeginDrag(NMHDR* hdr, LRESULT* result);
    void OnListRightClick(NMHDR* hdr, LRESULT* result);
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void OnCheckCommand(UINT id);
    void OnUpdateCheckCommand(CCmdUI* cmdUI) { cmdUI->Enable(TRUE); }
    DECLARE_MESSAGE_MAP()

private:
    CWnd* Owner() const;
    void SetStatus(UINT id);
    void RepaintHeader();
    bool OverTarget(CWnd* wnd) const;
};
