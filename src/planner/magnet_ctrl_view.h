#pragma once
// CMagnetCtrlView: one pane of the magnet board, a day title strip over a body with a
// horizontal scroll bar at the bottom. Each pane scrolls horizontally on its own; the strip and
// the body are drawn shifted left by the pane's horizontal drawing offset.
#include "planner/magnet_ctrl_body.h"
#include "planner/magnet_ctrl_title.h"
#include "platform/ui/message_map.h"
#include "platform/ui/scroll_bar.h"
#include "platform/ui/wnd.h"

class CMagnetCtrl;

class CMagnetCtrlView : public CWnd {
public:
    CMagnetCtrlView() = default;
    ~CMagnetCtrlView() override;

    void AddDayColumn(const CString& caption, const COleDateTime& date, __time64_t start, __time64_t end) {
        m_title.AddDayColumn(caption, date, start, end);
    }
    // Sorts the columns by date, scrolls to the start and lays the pane out.
    void SortDayColumns();
    int GetMinHourWidth() { return m_title.MeasureCaptionWidth(); }
    // The visible width: what one page of the horizontal scroll bar moves.
    int CalcHorizontalPage() const { return std::max(0, m_nContentWidth); }
    void SetHorizontalOffset(int offset);
    int GetHorizontalOffset() const { return m_nHorizontalOffset; }
    // The pane's layout: scroll bar, strip and body.
    void Layout();

    CMagnetCtrlTitle& GetTitle() { return m_title; }
    const CMagnetCtrlTitle& GetTitle() const { return m_title; }
    CMagnetCtrlBody& GetBody() { return m_body; }
    CScrollBar& GetScrollBar() { return m_scrollBar; }
    CMagnetCtrl* GetControl() const;

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnSize(UINT type, int cx, int cy);
    void OnHScroll(UINT code, UINT pos, CScrollBar* bar);
    LRESULT OnRepaintRow(WPARAM wParam, LPARAM lParam);
    LRESULT OnResetScroll(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    int m_nHorizontalOffset = 0;
    int m_nHorizontalPosition = 0;
    int m_nContentWidth = 0;
    CScrollBar m_scrollBar;
    CMagnetCtrlTitle m_title;
    CMagnetCtrlBody m_body;
};
