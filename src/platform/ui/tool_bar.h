#pragma once
// CToolBar: a frame's (or a dialog's) toolbar: a toolbar control that docks as a control bar,
// loads its buttons and images from a TOOLBAR resource and its bitmap in the current language
// pack, and brings its buttons up to date through the command route when the application is
// idle (a button whose command has no handler is disabled; update handlers enable, check and
// set buttons). Buttons of a vertical bar (CBRS_ALIGN_LEFT/RIGHT) stack in a column.
#include "platform/ui/control_bar.h"
#include "platform/ui/image_list.h"
#include "platform/ui/tool_bar_ctrl.h"

class CToolBar : public CControlBar {
public:
    CToolBar();
    ~CToolBar() override;

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP, UINT nID = AFX_IDW_TOOLBAR);
    // dwCtrlStyle: TBSTYLE_* of the control; dwStyle: window style with the CBRS_* bar style;
    // rcBorders: the bar's borders (left, top, right, bottom).
    BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = TBSTYLE_FLAT,
                  DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect rcBorders = CRect(0, 0, 0, 0),
                  UINT nID = AFX_IDW_TOOLBAR);

    // Buttons, sizes and images from the TOOLBAR resource and the bitmap of the same id.
    BOOL LoadToolBar(UINT nIDResource);
    // The images of the bitmap resource (magenta is transparent), one per button of the bar.
    BOOL LoadBitmap(UINT nIDResource);
    // One button per id in order (0 a separator); the buttons take the images in order.
    BOOL SetButtons(const UINT* lpIDArray, int nIDCount);
    void SetSizes(SIZE sizeButton, SIZE sizeImage);
    void SetHeight(int cyHeight);

    int GetCount() const;
    int CommandToIndex(UINT nIDFind) const;
    UINT GetItemID(int nIndex) const;
    void GetItemRect(int nIndex, LPRECT lpRect) const;
    UINT GetButtonStyle(int nIndex) const;
    void SetButtonStyle(int nIndex, UINT nStyle);
    void GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const;
    void SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage);
    BOOL SetButtonText(int nIndex, LPCTSTR lpszText);
    CString GetButtonText(int nIndex) const;
    CToolBarCtrl& GetToolBarCtrl() const;

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CWnd* pTarget, BOOL bDisableIfNoHndler) override;
    void SetBarStyle(DWORD dwStyle) override;

protected:
    void PostNcDestroy() override;

private:
    // Wraps every button of a vertical bar into its own row; a horizontal bar has one row.
    void ApplyOrientation();
    CImageList m_images;
    CSize m_sizeImage{16, 15};
    mutable CToolBarCtrl m_control;  // the same window, seen as its toolbar control
};
