#pragma once
// CDiaryView: one pane of the diary, a day title strip over a body with a horizontal scroll bar
// at the bottom. Each pane scrolls horizontally on its own; the strip and the body are drawn
// shifted left by the pane's horizontal offset.
#include "planner/diary_ctrl_body.h"
#include "planner/diary_ctrl_title.h"
#include "platform/ui/message_map.h"
#include "platform/ui/scroll_bar.h"
#include "platform/ui/wnd.h"
#include "timetable/pattern_brush.h"

class CDiaryCtrl;

class CDiaryView : public CWnd {
public:
    static constexpr int kPatterns = 10;
    CDiaryView() = default;
    ~CDiaryView() override;

    void SetHorizontalOffset(int offset);
    int GetHorizontalOffset() const { return m_nHorizontalOffset; }
    void Layout();
    // The pattern brush of the document's per-state pattern index; null when not loaded.
    CBrush* GetPattern(int index);

    CDiaryCtrlTitle& GetTitle() { return m_title; }
    const CDiaryCtrlTitle& GetTitle() const { return m_title; }
    CDiaryCtrlBody& GetBody() { return m_body; }
    const CDiaryCtrlBody& GetBody() const { return m_body; }
    CScrollBar& GetScrollBar() { return m_scrollBar; }
    CDiaryCtrl* GetControl() const;

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnSize(UINT type, int cx, int cy);
    void OnHScroll(UINT code, UINT pos, CScrollBar* bar);
    LRESULT OnResetScroll(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    int m_nHorizontalOffset = 0;
    CScrollBar m_scrollBar;
    CDiaryCtrlTitle m_title;
    CDiaryCtrlBody m_body;
    int m_nScrollPosition = 0;
    int m_nContentWidth = 0;
    CPatternBrush m_patterns[kPatterns];
};
