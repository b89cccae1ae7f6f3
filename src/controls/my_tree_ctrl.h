#pragma once
// CMyTreeCtrl: a tree view that paints through an off-screen bitmap, keeps its scroll bar on
// the left and tells its owner about left clicks (WM_USER+7) and double clicks (WM_USER+10,
// then WM_USER+7), each after the tree has handled the click.
#include "platform/ui/message_map.h"
#include "platform/ui/runtime_class.h"
#include "platform/ui/tree_ctrl.h"

class CMyTreeCtrl : public CTreeCtrl {
    DECLARE_DYNAMIC(CMyTreeCtrl)

public:
    static constexpr UINT kClicked = WM_USER + 7;
    static constexpr UINT kDoubleClicked = WM_USER + 10;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    void OnPaint();
    void OnWindowPosChanged(WINDOWPOS* pos);
    LRESULT OnAfterClick(WPARAM doubleClick, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    void SendToOwner(UINT message);
};
