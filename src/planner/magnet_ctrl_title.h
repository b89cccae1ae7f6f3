#pragma once
// CMagnetCtrlTitle: the day title strip at the top of a magnet board pane. It owns the pane's
// day columns, places them side by side in the layout pass (content x, before scrolling), turns
// times into x positions and back for the body and the control, paints the day captions over
// a row of hour cells, highlights the hour cell under a dragged magnet, and lets the user widen
// the hour cells by dragging an hour boundary.
#include <unordered_map>
#include <vector>

#include "planner/day_column.h"
#include "platform/core/geometry.h"
#include "platform/ui/font.h"
#include "platform/ui/message_map.h"
#include "platform/ui/wnd.h"

class CMagnetCtrl;

class CMagnetCtrlTitle : public CWnd {
public:
    CMagnetCtrlTitle() = default;
    ~CMagnetCtrlTitle() override;

    // Columns ----------------------------------------------------------------------------------
    void AddDayColumn(const CString& caption, const COleDateTime& date, __time64_t start, __time64_t end);
    void ClearDayColumns();
    void SortDayColumns();
    std::vector<CDayColumn>& GetColumns() { return m_arrColumns; }
    const std::vector<CDayColumn>& GetColumns() const { return m_arrColumns; }

    // The layout pass: every column's left and right content x at this hour width. Columns of
    // 5 minutes or less take no width and keep their x values.
    void LayoutColumns(int hourWidth);
    int GetHourWidth() const { return m_nHourWidth; }
    int GetTotalWidth() const;
    int GetTotalHours() const;

    // Conversions (content x) --------------------------------------------------------------------
    // Index of the first column on the date's calendar day; -1 for none.
    int FindDayColumn(const COleDateTime& date) const;
    bool HasDay(const COleDateTime& date) const { return FindDayColumn(date) >= 0; }
    bool GetDayXRange(const COleDateTime& date, int& left, int& right) const;
    // The x range of start..start + span within the column of the start's day, clipped to the
    // column's hours; false when no column is on that day.
    bool TimeSpanToX(const COleDateTime& start, const COleDateTimeSpan& span, int& left, int& right) const;
    // The date and time at x; the last column's end when no column holds x (an invalid time
    // with no columns).
    COleDateTime XToTime(int x) const;
    // The same hour and minute on 1 January 2000.
    __time64_t XToTimeOfDay(int x) const;
    COleDateTimeSpan WidthToSpan(const COleDateTime& start, int width) const;
    int ColumnIndexAt(int x) const;
    int HourIndexAt(int x) const;
    bool IsAtHourBoundary(int x) const;
    // The width of an hour caption in the hour font: "99:991" with lesson captions, else "991".
    int MeasureCaptionWidth();
    // The application's caption mode: 0 plain hours, 1 lesson captions.
    static int GetCaptionMode();

    // Highlight ------------------------------------------------------------------------------------
    int GetHighlightColumn() const { return m_nHighlightColumn; }
    int GetHighlightHour() const { return m_nHighlightHour; }

    int m_nScrollOffset = 0;  // the pane's horizontal drawing offset

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* dc);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    LRESULT OnHighlight(WPARAM wParam, LPARAM lParam);
    // The caption menu and its two commands.
    void OnRButtonDown(UINT flags, CPoint point);
    void OnHourCaptions();
    void OnLessonCaptions();
    void OnUpdateHourCaptions(CCmdUI* cmdUI);
    void OnUpdateLessonCaptions(CCmdUI* cmdUI);
    DECLARE_MESSAGE_MAP()

private:
    CMagnetCtrl* GetControl() const;
    void RebuildDayIndex();
    const CDayColumn* ColumnAt(int x) const;
    void PaintColumn(CDC* dc, const CDayColumn& column, int index, const CRect& client, int y1, int y2);

    std::vector<CDayColumn> m_arrColumns;
    std::unordered_map<long long, int> m_dayIndex;  // calendar day -> first column
    int m_nHourWidth = 60;
    int m_bClicked = 0;
    CFont m_captionFont;
    CFont m_hourFont;
    int m_nHighlightColumn = -1;
    int m_nHighlightHour = -1;
    int m_nPressX = 0;
    int m_bWidthDrag = 0;
    int m_nLastX = 0, m_nLastY = 0;
    int m_nPointerState = 0;
};
