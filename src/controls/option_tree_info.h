#pragma once
// COptionTreeInfo: the pane under an option tree's rows that shows the selected row's label
// and its description.
#include "platform/ui/message_map.h"
#include "platform/ui/static.h"

class COptionTree;

class COptionTreeInfo : public CStatic {
public:
    COptionTree* m_pTree = nullptr;

    // The title and body the pane shows for the tree's current state.
    void GetTexts(CString& title, CString& body) const;

protected:
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()
};
