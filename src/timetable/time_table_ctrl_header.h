#pragma once
// CTimeTableCtrlHeader: the hour column at the left of a timetable pane. It owns the vertical
// geometry of the pane (the time of day the grid starts, the height of an hour, the vertical
// scroll offset): the pane and its body map times to y and back only through it. It paints one
// row per hour from the day start to midnight, labelled with the hour or with lesson times, marks
// the row under the pointer, lets the user make the hours taller by dragging a row boundary, and
// its menu switches the application's time-axis display mode.
//
// Content y = client y + vertical offset.
#include <functional>

#include "platform/core/geometry.h"
#include "platform/core/ole_date_time.h"
#include "platform/core/time64.h"
#include "platform/ui/font.h"
#include "platform/ui/message_map.h"
#include "platform/ui/wnd.h"

class CCmdUI;
class CTimeTableCtrlView;

class CTimeTableCtrlHeader : public CWnd {
public:
    CTimeTableCtrlHeader();
    ~CTimeTableCtrlHeader() override;

    // Geometry -------------------------------------------------------------------------------
    // The height of the rows from the day start to midnight.
    int GetContentHeight() const;
    // Client y of a time: its minutes after the day start's clock time on its own day, scaled.
    int TimeToY(const COleDateTime& t) const;
    // Header client left and right; top and bottom from the start and the length.
    CRect GetTimeRect(const COleDateTime& start, const COleDateTimeSpan& length) const;
    // The date becomes its day at the day start plus the whole hours above y; a valid length
    // shorter than 60 minutes becomes 60 minutes.
    void YToHourTime(COleDateTime& date, COleDateTimeSpan& length, int y) const;
    // The day start (on 1 January 2000) plus the whole minutes above y.
    __time64_t YToTime(int y) const;
    // The hour mark of the time's day (from the day start's clock time, hourly) nearest within
    // 30 minutes; the time itself when it lies on a mark or none is that near.
    COleDateTime SnapToHour(const COleDateTime& t) const;

    // State ----------------------------------------------------------------------------------
    void SetDayStart(__time64_t dayStart);
    __time64_t GetDayStart() const { return m_tDayStart; }
    void SetVerticalOffset(int offset);
    int GetVerticalOffset() const { return m_nVerticalOffset; }
    int GetHourHeight() const { return m_nHourHeight; }
    int GetHighlightedRow() const { return m_nHighlightedRow; }
    int GetTrackingLine() const { return m_nTrackingLine; }
    bool IsResizing() const { return m_bResizing != 0; }
    // Called after every change of the vertical geometry (day start, hour height, offset).
    void SetGeometryListener(std::function<void()> listener) { m_geometryListener = std::move(listener); }

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnPaint();
    LRESULT OnTrackPointer(WPARAM wParam, LPARAM lParam);
    void OnRButtonDown(UINT flags, CPoint point);
    void OnAxisHours();
    void OnAxisLessons();
    void OnAxisLessonsAndHours();
    void OnUpdateAxisHours(CCmdUI* cmdUI);
    void OnUpdateAxisLessons(CCmdUI* cmdUI);
    void OnUpdateAxisLessonsAndHours(CCmdUI* cmdUI);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    BOOL OnMouseWheel(UINT flags, short delta, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    CTimeTableCtrlView* GetPane() const;
    int GetPaneChimeSet() const;
    void SetTimeAxisMode(int mode);
    void UpdateAxisCheck(CCmdUI* cmdUI, int mode);
    void InvalidateRow(int row);
    CRect TrackingBand(int y) const;
    void GeometryChanged();

    CFont m_hourFont;
    CFont m_minuteFont;
    CFont m_captionFont;
    __time64_t m_tDayStart;
    int m_nVerticalOffset = 0;
    int m_nHighlightedRow = -1;
    double m_dScale = 1.0;
    int m_nHourHeight = 36;
    int m_nGrabPosition = -1;
    int m_nTrackingLine = -1;
    int m_bResizing = 0;
    std::function<void()> m_geometryListener;
};
