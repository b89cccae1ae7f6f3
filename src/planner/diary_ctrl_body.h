#pragma once
// CDiaryCtrlBody: the drawing surface of one diary pane. It paints the control's rows across the
// pane's day columns (only the rows in view), selects rows, member lines, groups and hour ranges
// with the mouse, shows the tip of a member's other commitment with a highlight of its box, and
// offers the entity navigation in its context menu.
#include <vector>

#include "htmllite/html_tool_tip.h"
#include "planner/diary_row.h"
#include "platform/ui/font.h"
#include "platform/ui/message_map.h"
#include "platform/ui/wnd.h"
#include "timetable/pattern_brush.h"

class CDiaryCtrl;
class CDiaryView;

// The commitment box the tooltip points at, drawn over the rows until the tip goes.
struct CDiaryHighlight {
    bool shown = false;
    CRect box;  // client coordinates
    CDiaryTimeRecord record;
};

class CDiaryCtrlBody : public CWnd {
public:
    CDiaryCtrlBody() = default;
    ~CDiaryCtrlBody() override;

    BOOL PreTranslateMessage(MSG* msg) override;
    // The tip text of the commitment under the client point; sets the highlight. Empty when
    // there is none.
    CString BuildTipAt(CPoint point);
    const CDiaryHighlight& GetHighlight() const { return m_highlight; }
    CHtmlToolTip& GetToolTip() { return m_toolTip; }
    void ClearHighlight();

    int m_bLastPane = 1;
    int m_bFirstPane = 1;
    int m_bAvailability = 0;
    int m_bRangeDrag = 0;
    std::vector<int> m_arrPopup;

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnDestroy();
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* dc);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnLButtonDblClk(UINT flags, CPoint point);
    void OnRButtonDown(UINT flags, CPoint point);
    BOOL OnMouseWheel(UINT flags, short delta, CPoint point);
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void OnNavigateFirst();
    void OnNavigateSecond();
    void OnNavigatePrevious();
    void OnNavigateNext();
    void OnNavigateMember(UINT id);
    void OnUpdateAlwaysEnabled(CCmdUI* cmdUI) { cmdUI->Enable(TRUE); }
    void OnUpdateNavigatePrevious(CCmdUI* cmdUI);
    void OnUpdateNavigateNext(CCmdUI* cmdUI);
    DECLARE_MESSAGE_MAP()

private:
    CDiaryView* GetPane() const;
    CDiaryCtrl* GetControl() const;
    void PaintBody(CDC* dc, const CRect& client);
    void PaintHighlight(CDC* dc);

    CHtmlToolTip m_toolTip;
    CFont m_font;
    CPatternBrush m_hatch;
    CDiaryHighlight m_highlight;
    int m_nLineHeight = 18;
};
