#pragma once
// CToolTipCtrl: the "tooltips_class32" control, a popup owned by pParentWnd.
#include "platform/core/cstring.h"
#include "platform/ui/common_control_defs.h"
#include "platform/ui/wnd.h"

class CToolTipCtrl : public CWnd {
public:
    CToolTipCtrl() = default;
    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);
    using CWnd::Create;

    BOOL AddTool(CWnd* pWnd, LPCTSTR lpszText = LPSTR_TEXTCALLBACK, LPCRECT lpRectTool = nullptr, UINT_PTR nIDTool = 0);
    BOOL AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool = nullptr, UINT_PTR nIDTool = 0);
    void DelTool(CWnd* pWnd, UINT_PTR nIDTool = 0);
    void SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect);
    void UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool = 0);
    void UpdateTipText(UINT nIDText, CWnd* pWnd, UINT_PTR nIDTool = 0);
    BOOL GetToolInfo(TOOLINFO& toolInfo, CWnd* pWnd, UINT_PTR nIDTool = 0) const;
    void SetToolInfo(LPTOOLINFO lpToolInfo);
    int GetToolCount() const;
    void Activate(BOOL bActivate);
    void RelayEvent(LPMSG lpMsg);
    int SetMaxTipWidth(int iWidth);
    void SetDelayTime(UINT nDelay);
    void SetDelayTime(DWORD dwDuration, int iTime);
    void SetTipBkColor(COLORREF clr);
    void SetTipTextColor(COLORREF clr);
    void Pop();
    void Popup();
    void Update();
};
