#pragma once
// COptionTreeInfo: the pane under an option tree's rows that shows the selected row's label
// and its description. It paints itself (a window of our own class rather than a native static,
// whose text widget would cover the painting).
#include "platform/ui/message_map.h"
#include "platform/ui/wnd.h"

class COptionTree;

class COptionTreeInfo : public CWnd {
public:
    COptionTree* m_pTree = nullptr;

    BOOL Create(const RECT& rect, CWnd* pParent, UINT nID);
    using CWnd::Create;

    // The title and body the pane shows for the tree's current state.
    void GetTexts(CString& title, CString& body) const;

protected:
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()
};
