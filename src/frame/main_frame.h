#pragma once
// CMainFrame: the one main window. A rebar with the menu bar and the toolbar (which carries the
// entity combo box and its label), the status bar with its progress part, the explorer bar's
// place on the left with the message panel's place under it, and the tab control with the
// pages on the right. It lays these out itself, lets the user drag the two splitters, routes a
// command to the page of the selected tab first, passes update kinds to the pages, shows the
// status text, and asks about the document on a reminder timer, when the program is activated
// again after its file changed, and when it closes.
#include <memory>
#include <vector>

#include "controls/entity_combo_box.h"
#include "controls/main_tab_ctrl.h"
#include "controls/transparent_static.h"
#include "controls/true_color_tool_bar.h"
#include "frame/frame_page.h"
#include "frame/menu_bar.h"
#include "frame/progress_status_bar.h"
#include "frame/wnd_explorer_bar.h"
#include "frame/wnd_panel.h"
#include "model/model_host.h"
#include "platform/core/cstring.h"
#include "platform/core/file.h"
#include "platform/ui/font.h"
#include "platform/ui/frame_wnd.h"
#include "platform/ui/image_list.h"
#include "platform/ui/re_bar.h"

class CPageContent;
class IFrameApplication;

class CMainFrame : public CFrameWnd {
public:
    static constexpr UINT kEntityComboId = 1234, kComboLabelId = 1235, kTabCtrlId = 2345;
    static constexpr UINT kExplorerBarId = 101, kMessagePanelId = 103;
    static constexpr UINT_PTR kAutoSaveTimer = 1;
    // While a modal dialog or the solver's worker keeps a prompt from asking, it looks again
    // after this many milliseconds.
    static constexpr UINT kPromptRetryMs = 2000;
    static constexpr UINT_PTR kReloadRetryTimer = 3;

    explicit CMainFrame(IFrameApplication& app);
    ~CMainFrame() override;

    // Update broadcast: the kind 0 to 8 goes to the pages in the kind's order, then to the entity
    // combo box, the title and the status text.
    void BroadcastUpdate(int kind);
    // The full refresh after a plan check: every page, the combo box, title and status.
    void RefreshAllPages(const CPageContent& content);
    void RefreshPages(PageRefresh kind);
    // printf-style, any length; the text also becomes the stored status text.
    template <typename... Args>
    void SetStatusText(LPCTSTR format, const Args&... args) {
        CString text;
        text.Format(format, args...);
        ShowStatusText(text);
    }
    void ShowStatusText(const CString& text);
    const CString& GetStatusText() const { return m_strStatusText; }
    // Restarts the reminder to save by the AutoSave setting (off, 5, 10 or 15 minutes).
    void SetAutoSaveTimer();
    // The tab control's look by the TabStyle setting; the explorer bar's look by its setting.
    void ApplyTabStyle(int style);
    void ApplyExplorerBarStyle(int style);
    // The solver's worker changes the document while it runs: no prompt may touch it then, the
    // pages keep the picture they had and no command state is asked of them (both would read the
    // records the worker writes).
    void SetWorkerRunning(BOOL running);
    BOOL IsWorkerRunning() const { return m_bWorkerRunning; }

    // Lists the document's problems in the message panel and shows or hides it.
    void FillMessagePanel();
    int& FilterSetting();
    BOOL IsMessagePanelShown() const { return m_bPanelShown; }
    CWndPanel& GetMessagePanel() { return m_wndMessagePanel; }

    // The reload check of an activation (also run when a deferred check comes back).
    void CheckFileChanged();

    // Parts, for the application and for tests.
    CProgressStatusBar& GetStatusBar() { return m_wndStatusBar; }
    CMenuBar& GetMenuBar() { return m_wndMenuBar; }
    CTrueColorToolBar& GetToolBar() { return m_wndToolBar; }
    CEntityComboBox& GetEntityCombo() { return m_wndEntityCombo; }
    CTransparentStatic& GetComboLabel() { return m_wndComboLabel; }
    CMainTabCtrl& GetTabCtrl() { return m_wndTabCtrl; }
    CReBar& GetReBar() { return m_wndReBar; }
    CWnd& GetExplorerPlace() { return m_wndExplorerBar; }
    CWndExplorerBar& GetExplorerBar() { return m_wndExplorerBar; }
    // Builds the explorer bar from the menu and toolbar of the selected tab's page.
    void RebuildExplorerBar();
    CFramePage* FindPage(int pageId) const;
    // The index of the selected tab, -1 when there is none.
    int GetCurrentTabIndex() const;
    BOOL IsCreated() const { return m_bCreated; }
    int GetExplorerWidth() const { return m_nExplorerWidth; }
    int GetMinExplorerWidth() const { return m_nMinExplorerWidth; }
    UINT_PTR GetAutoSaveTimerId() const { return m_nAutoSaveTimer; }

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void RecalcLayout(BOOL bNotify = TRUE) override;
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnPaint();
    void OnSize(UINT nType, int cx, int cy);
    void OnClose();
    void OnTimer(UINT_PTR nIDEvent);
    void OnActivateApp(BOOL bActive, DWORD dwThreadID);
    LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    LRESULT OnPanelClosed(WPARAM, LPARAM);
    LRESULT OnRecalcLayout(WPARAM, LPARAM);
    void OnUpdateAlwaysEnabled(CCmdUI* pCmdUI);
    void OnAlwaysEnabled(UINT) {}
    DECLARE_MESSAGE_MAP()

private:
    BOOL CreateBars();
    BOOL CreatePages();
    void PlaceComboBox();
    void AutoSaveTick();
    // A modal dialog is open or the worker runs: the prompts wait.
    bool PromptsMustWait() const;
    // The split line above the message panel (y from the client top) while it is shown.
    int MessagePanelSplit(int top, int bottom);
    void DrawSplitBand(int target, int position);

    IFrameApplication& m_app;
    UINT_PTR m_nAutoSaveTimer = 0;
    int m_nSplitterTarget = 0;
    CProgressStatusBar m_wndStatusBar;
    CMenuBar m_wndMenuBar;
    CTrueColorToolBar m_wndToolBar;
    CEntityComboBox m_wndEntityCombo;
    CReBar m_wndReBar;
    CWndExplorerBar m_wndExplorerBar;
    CImageList m_imlTabs;
    CImageList m_imlPanel;
    CMainTabCtrl m_wndTabCtrl;
    HCURSOR m_hCursorHorz = nullptr;
    HCURSOR m_hCursorVert = nullptr;
    CWndPanel m_wndMessagePanel;
    int m_nExplorerWidth = 150;
    int m_nMinExplorerWidth = 100;
    CTransparentStatic m_wndComboLabel;
    CFont m_toolBarFont;
    CFont m_tabFont;
    std::vector<std::unique_ptr<CFramePage>> m_pages;  // in tab order; null for pages not built
    CString m_strStatusText;
    BOOL m_bCreated = FALSE;
    BOOL m_bPanelShown = FALSE;
    BOOL m_bDragging = FALSE;
    int m_nPanelOffset = 0;
    int m_nDragPosition = -1;
    int m_nLastTab = -1;
    BOOL m_bWorkerRunning = FALSE;
    // The reload check: not re-entered; a file state the user declined is not offered again.
    bool m_bCheckingFile = false;
    bool m_bReloadPending = false;
    CFileStatus m_declinedFile;  // the file's state when the user last declined to reload it
    bool m_bDeclinedFile = false;
};
