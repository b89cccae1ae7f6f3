#pragma once
// CMyListCtrl: the side panel's list. A list view with centred groups, a background colour per
// item data, a context menu that switches the panel's display mode, and a drag source for the
// grid controls: while an item is dragged, the drop target and the windows under the cursor
// inside it are told where the cursor is, and the target learns of the drop or the cancel.
#include <utility>
#include <vector>

#include "controls/hook_listeners.h"
#include "platform/ui/image_list.h"
#include "platform/ui/list_ctrl.h"
#include "platform/ui/message_map.h"
#include "platform/ui/runtime_class.h"

class CMyListCtrl : public CListCtrl, public CKeyboardHookListener {
    DECLARE_DYNAMIC(CMyListCtrl)

public:
    // To the owner.
    static constexpr UINT kItemChanged = WM_USER + 7;
    static constexpr UINT kDoubleClicked = WM_USER + 20;
    static constexpr UINT kDisplayMode = WM_USER + 27;
    // The drag protocol.
    static constexpr UINT kDragPrepare = WM_USER + 42;
    static constexpr UINT kDragBegin = WM_USER + 15;
    static constexpr UINT kDragOver = WM_USER + 2;
    static constexpr UINT kDrop = WM_USER + 14;
    static constexpr UINT kDragEnd = WM_USER + 16;

    CMyListCtrl();
    ~CMyListCtrl() override;

    void InsertGroup(const CString& header, int groupId);
    void InsertGroupItem(int groupId, const CString& text, int image, DWORD_PTR data);
    void AddColumn(int index, const CString& heading, int width);
    DWORD_PTR GetItemDataAtPoint(CPoint client) const;
    void ShowContextMenu(int x, int y);
    bool IsDragging() const { return m_bDragging != 0; }

    void OnKeyDown(UINT virtualKey, LPARAM keyData) override;

    int m_nUnused = 0;
    int m_nDisplayMode = 15;
    UINT m_nDragImageId = 0;
    int m_nMenuOptions = 0;      // 0: no menu; bits 2, 4, 8, 16 add items
    int m_nPanelPageFlag = 0;    // set by a page's side panel: the page items instead of the message items
    CMyListCtrl* m_pDragSource = nullptr;
    CImageList m_dragImage;
    int m_bDragging = 0;
    int m_bDropAllowed = 0;
    int m_bDragEnabled = 0;
    CWnd* m_pDropTarget = nullptr;
    std::vector<std::pair<DWORD_PTR, COLORREF>> m_itemColors;

protected:
    void OnCustomDraw(NMHDR* hdr, LRESULT* result);
    void OnItemChanged(NMHDR* hdr, LRESULT* result);
    void OnDoubleClick(NMHDR* hdr, LRESULT* result);
    void OnBeginDrag(NMHDR* hdr, LRESULT* result);
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnRButtonDown(UINT flags, CPoint point);
    void OnRButtonUp(UINT, CPoint) {}
    void OnRButtonDblClk(UINT, CPoint) {}
    void OnCaptureChanged(CWnd* wnd);
    void OnDestroy();
    void OnDisplayMode(UINT id);
    void OnUpdateDisplayMode(CCmdUI* cmdUI);
    DECLARE_MESSAGE_MAP()

private:
    CWnd* Owner() const;
    void SetStatus(UINT textId);
    // Ends a drag: the image goes, the capture is released; cancelled tells owner and target.
    void EndDragging(bool cancelled);
    bool OverDropTarget(CWnd* wnd) const;
};
