#pragma once
// COptionTreeItemStatic: a read-only text row.
#include "controls/option_tree_item.h"

class COptionTreeItemStatic : public COptionTreeItem {
public:
    void SetStaticText(const CString& text) { m_staticText = text; }
    CString GetStaticText() const { return m_staticText; }
    void DrawValue(CDC* pDC, const RECT& rcValue) override;

private:
    CString m_staticText;
};
