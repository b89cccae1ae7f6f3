#pragma once
// CMarkManager: the marks a dialog puts beside invalid rows of its option tree, and the small
// tooltip that shows a mark's message while the pointer rests on it. A dialog validates by
// clearing the marks, running its checks (each failure adds a mark) and comparing the mark
// count with the baseline count.
#include <memory>
#include <vector>

#include "controls/mark_static.h"
#include "controls/tool_tip2.h"
#include "platform/ui/bitmap.h"

class CMarkManager {
public:
    CMarkManager();
    ~CMarkManager();

    void SetOwner(CWnd* pOwner) { m_pOwner = pOwner; }
    // Puts a 12 x 12 mark at x 2 of the owner, centred on the control's height.
    void AddMark(CWnd* pControl, const CString& text, int kind);
    void RemoveAllMarks(BOOL bHide);
    void OnOwnerMouseMove(int x, int y);

    int GetMarkCount() const { return m_nMarkCount; }
    int GetBaselineCount() const { return m_nBaseline; }
    const std::vector<std::unique_ptr<CMarkStatic>>& Marks() const { return m_marks; }

    CToolTip2 m_toolTip;

private:
    CBitmap m_first, m_second;
    int m_nMarkCount = 0;
    int m_nBaseline = 0;
    CWnd* m_pOwner = nullptr;
    std::vector<std::unique_ptr<CMarkStatic>> m_marks;
};
