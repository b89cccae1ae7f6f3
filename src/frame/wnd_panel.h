#pragma once
// CWndPanel: a side list. A 16-pixel header strip with a close, a menu and a pin button over a
// list in report view. Its rows come from its own item array through a kind filter. It is the
// side panel of the pages built on CMyView and the main frame's message panel.
#include <cstdint>
#include <functional>
#include <vector>

#include "controls/my_list_ctrl.h"
#include "frame/panel_item.h"
#include "htmllite/html_tool_tip.h"
#include "platform/ui/image_list.h"
#include "platform/ui/message_map.h"
#include "platform/ui/wnd.h"

class CScheduleData;

class CWndPanel : public CWnd {
public:
    static constexpr UINT kListId = 101;
    static constexpr UINT kClosed = WM_USER + 26;
    static constexpr UINT kParticipantsChanged = WM_USER + 33;
    static constexpr UINT kEditCommand = 201, kRemoveCommand = 202;
    static constexpr int kHeaderHeight = 16;

    CWndPanel();
    ~CWndPanel() override;

    void AddItem(int image, const CString& caption, const CString& text, COLORREF back, int kind, int group, int id);
    void Fill();
    void Clear();
    void SetItemState(int id, int bits, COLORREF back);
    void InsertColumn(int index, const CString& caption, int width);
    void InsertGroup(const CString& caption, int groupId);
    // The ids of the selected rows, in list order.
    std::vector<int> GetSelectedIds() const;
    // The entry whose participants mode 5 lists, found again by identity; none when it is gone.
    void SetCurrentEntry(std::uint64_t serial) { m_nCurrentEntry = serial; }
    std::uint64_t GetCurrentEntry() const { return m_nCurrentEntry; }
    void RepaintHeader();

    BOOL PreTranslateMessage(MSG* pMsg) override;

    CMyListCtrl m_wndList;
    CImageList m_imlHeader;
    CHtmlToolTip m_wndToolTip;
    std::vector<CPanelItem> m_arrItems;
    int m_nListOptions = 0;
    int m_nMode = 0;
    int m_nHotButton = 0;
    int m_bPinned = 0;
    int m_bShowPinButton = 0;
    // The Filter setting, written when the user changes the kind mask of this list. Only the
    // frame's message panel is given it: the pages' side lists keep their own mask.
    int* m_pFilterSetting = nullptr;
    // Opens the record dialog that command 201 asks for; TRUE when the user accepted. Until the
    // record dialogs are installed, command 201 is disabled.
    static std::function<BOOL(CWndPanel& panel, int id)> s_editRecord;

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnDestroy();
    void OnPaint();
    void OnSize(UINT type, int cx, int cy);
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonDown(UINT flags, CPoint point);
    LRESULT OnKindMaskChanged(WPARAM, LPARAM);
    LRESULT OnSelectionChanged(WPARAM, LPARAM);
    LRESULT OnDoubleClicked(WPARAM id, LPARAM);
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void OnEdit();
    void OnUpdateEdit(CCmdUI* cmdUI);
    void OnRemove();
    void OnUpdateRemove(CCmdUI* cmdUI);
    DECLARE_MESSAGE_MAP()

private:
    CWnd* Target() const;
    CString TipText(int id) const;
    int LastButtonEnd() const;
    std::uint64_t m_nCurrentEntry = 0;
};
