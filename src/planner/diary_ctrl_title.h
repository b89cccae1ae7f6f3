#pragma once
// CDiaryCtrlTitle: the day title strip of a diary pane. It owns the pane's day columns, places
// them side by side in its layout pass, turns times into x positions and back for the body,
// draws the day captions over the hour cells and the current entity's commitments below them,
// and lets the user widen the hour cells.
#include <vector>

#include "planner/day_column.h"
#include "platform/ui/font.h"
#include "platform/ui/message_map.h"
#include "platform/ui/wnd.h"

class CDiaryCtrl;
class CDiaryView;

class CDiaryCtrlTitle : public CWnd {
public:
    CDiaryCtrlTitle() = default;
    ~CDiaryCtrlTitle() override;

    void AddDayColumn(const CString& caption, const COleDateTime& date, __time64_t start, __time64_t end);
    void ClearDayColumns() { m_arrColumns.clear(); }
    std::vector<CDayColumn>& GetColumns() { return m_arrColumns; }
    const std::vector<CDayColumn>& GetColumns() const { return m_arrColumns; }
    void SetReferenceTime(__time64_t time);
    __time64_t GetReferenceTime() const { return m_tReference; }

    // The layout pass: every column's left and right x in the pane's client coordinates.
    void LayoutColumns();
    int GetTotalWidth() const;
    int GetHourWidth() const { return m_nHourWidth; }
    void SetHourWidth(int width) { m_nHourWidth = width; }
    // The x range of the interval in the column of its start's date, clipped to the column's
    // working range; false when no column lies on that date.
    bool TimeSpanToX(const COleDateTime& start, const COleDateTimeSpan& length, int& left, int& right) const;
    // The whole hour under x, counted from the day start of the column that holds x.
    bool XToHour(int x, COleDateTime& start, COleDateTimeSpan& length) const;
    int MeasureHourCaption();

    int m_nCaptionMode = 0;  // 0 plain hours, 1 lesson captions

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* dc);
    void OnRButtonDown(UINT flags, CPoint point);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    void OnPlainHours();
    void OnLessonCaptions();
    void OnUpdatePlainHours(CCmdUI* cmdUI);
    void OnUpdateLessonCaptions(CCmdUI* cmdUI);
    DECLARE_MESSAGE_MAP()

private:
    CDiaryView* GetPane() const;
    CDiaryCtrl* GetControl() const;
    int FindColumn(const COleDateTime& date) const;
    void InvertDragBar(int x);

    CFont m_captionFont;
    CFont m_hourFont;
    std::vector<CDayColumn> m_arrColumns;
    __time64_t m_tReference = 0;
    int m_nHourWidth = 30;
    int m_bWidthDrag = 0;
    int m_nDragStartX = 0;
    int m_nLastX = -1;
    int m_nPointerState = 0;
};
