#pragma once
// CMyView: the base of the pages that show a main control beside a side panel. It lays the two
// out with a draggable split, opens the panel in one of four modes and applies what the user
// chooses there as one undo step.
#include <vector>

#include "frame/frame_page.h"
#include "frame/wnd_panel.h"
#include "platform/ui/image_list.h"

// Where the dividing line of a page lies: x of the divider and whether the split offset had
// to go back to the default 80 %.
struct CPageSplit {
    int divider = 0;
    int split = 0;
};
CPageSplit ComputePageSplit(int left, int width, int split);
// A drag of the split: the inverted line (from lineTop down) leaves the last place and follows
// the pointer; the split offset follows too.
void TrackPageSplit(CWnd& page, int x, int lineTop, int& split, int& lastLine);
// The split where the button came up: back to the default (and the page repainted) when the
// side list would be narrower than 100 pixels or wider than half the page.
void EndPageSplit(CWnd& page, int x, int& split);

class CMyView : public CFramePage {
public:
    static constexpr UINT kPanelId = 100;
    static constexpr UINT kPanelMode = WM_USER + 21;
    static constexpr UINT kApplySelection = WM_USER + 36;

    CMyView();
    ~CMyView() override;

    virtual CWnd* GetMainWnd() = 0;
    virtual void FillPanelList() = 0;
    virtual void FillPanelExtraList() = 0;
    virtual void OnLayoutDone() {}
    virtual void ApplyDroppedEntity() = 0;
    virtual BOOL HasSelection() = 0;
    virtual BOOL CanApplyPanelSelection(int mode, const std::vector<int>& ids) = 0;
    // Asks what the user must decide before the choice is applied; FALSE when they cancelled.
    // It runs before the undo snapshot, so that a cancelled apply keeps the previous undo level.
    virtual BOOL ConfirmPanelSelection(int /*mode*/) { return TRUE; }
    virtual void ApplyPanelSelection(int mode, const std::vector<int>& ids) = 0;
    virtual void RefreshPanel();

    void LayoutPanes();
    CWndPanel& GetPanel() { return m_wndPanel; }
    int GetSplit() const { return m_nSplit; }

    int m_bIncludeType5 = 0;

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnSize(UINT type, int cx, int cy);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnShowPanelList();
    void OnShowPanelEntities();
    void OnShowPanelRooms();
    void OnShowPanelExtraList();
    void OnUpdateAlwaysEnabled(CCmdUI* cmdUI) { cmdUI->Enable(TRUE); }
    void OnApplyPanelSelection();
    LRESULT OnApplySelectionMessage(WPARAM, LPARAM);
    void OnShowProblems();
    LRESULT OnClosePanel(WPARAM, LPARAM);
    // Opens the panel in a mode: its drag image, menu options and one titled column.
    void StartMode(int mode, UINT dragImage, int menuFlags, UINT columnTitle, int width);
    DECLARE_MESSAGE_MAP()

private:

    int m_bDragging = 0;
    int m_nReserved = 0;
    CPoint m_ptDragStart;
    CWndPanel m_wndPanel;
    CImageList m_imlImages;
    int m_nSplit = 0;
    HCURSOR m_hSplitCursor = nullptr;
    int m_nLastLine = -1;
};
