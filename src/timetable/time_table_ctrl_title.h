#pragma once
// CTimeTableCtrlTitle: the strip of day titles along the top of the timetable grid. It owns the
// day columns, the horizontal geometry of the whole grid: the panes' hour columns, bodies and the
// control place items, hit-test points and paint day backgrounds through it. It keeps the widths
// the user gave the columns per entity, the working-time range of each day in each pane, the
// free time of a dragged activity, and the status text that the bodies fill while dragging.
//
// Column x positions are computed whenever widths, columns or the scroll offset change (never
// in a paint); the geometry listener then lets the panes lay their items out again.
#include <functional>
#include <vector>

#include "platform/core/cstring.h"
#include "platform/core/ole_date_time.h"
#include "platform/core/time64.h"
#include "platform/ui/font.h"
#include "platform/ui/message_map.h"
#include "platform/ui/wnd.h"
#include "timetable/time_table_day_column.h"

class CTimeTableCtrl;
class CTimeTableItem;

class CTimeTableCtrlTitle : public CWnd {
public:
    using ColumnList = std::vector<CTimeTableDayColumn>;
    using iterator = ColumnList::iterator;
    using const_iterator = ColumnList::const_iterator;

    CTimeTableCtrlTitle();
    ~CTimeTableCtrlTitle() override;

    // Column list and layout ---------------------------------------------------------------
    // Appends a column for the date's day with ranges 08:00 to 16:00 in both panes; its minimum
    // width is the caption's width in the strip's font plus 6.
    void AddColumn(const CString& caption, const COleDateTime& date);
    void RemoveAllColumns();
    // Stores the widths of the current key, then restores those saved for key (which becomes the
    // current key) or lays the columns out afresh; key 0 lays out afresh and keeps the current key.
    void LayoutColumns(int key);
    void StoreWidths();
    // Restores the widths saved for key; true when a saved set was applied.
    bool ApplyWidths(int key);
    // Drops every saved width set.
    void ForgetSavedWidths();
    int GetTotalWidth() const;
    int GetFixedWidthSum() const;
    int GetFixedColumnCount() const;
    ColumnList& GetColumns() { return m_arrColumns; }
    const ColumnList& GetColumns() const { return m_arrColumns; }
    const std::vector<CColumnWidthSet>& GetSavedWidthSets() const { return m_arrSavedWidths; }
    int GetCurrentKey() const { return m_nCurrentKey; }

    // Geometry: x in strip or body client coordinates ---------------------------------------
    iterator FindColumnAt(int x);
    const_iterator FindColumnAt(int x) const;
    int GetColumnIndexAt(int x) const;
    // The first pane's range start of the column under x; 1 January 1970 right of the last column.
    COleDateTime GetDateAt(int x) const;
    // Left and right client x of the column whose range start in the pane falls on the date's
    // day. Without such a column both are the right end of the last column and the result is
    // FALSE.
    BOOL GetDayExtent(int pane, const COleDateTime& date, int& left, int& right) const;
    // The client x of a column's left edge.
    int GetColumnLeft(const CTimeTableDayColumn& column) const { return column.m_nLeft - m_nScrollOffset; }
    // 1 when the value lies from the first column's midnight to that midnight plus the column count
    // in days (both ends included).
    int IsDateInRange(const COleDateTime& t) const;
    // Left and right of the item's rectangle from its day, its lane, its lane span and its lane
    // count (a count below 1 counts as 1); FALSE, and the rectangle unchanged, when no column
    // holds its day.
    BOOL PlaceItem(int pane, CTimeTableItem& item) const;
    // 3 when the time lies within 10 minutes of the range start of the column under x, 4 near its
    // end (or anywhere in the top 5 pixels of an empty range), 0 otherwise or on a holiday.
    int HitTestDayRange(int x, int y, __time64_t t, int pane) const;

    // Working-time ranges and free time ------------------------------------------------------
    void MoveRangeStart(int pane, iterator column, __time64_t t);
    void MoveRangeEnd(int pane, iterator column, __time64_t t);
    int IsRangeEmpty(int pane, const_iterator column) const;
    // The free-time offsets of every column: the part of the pane's range in which every member
    // of the activity has its day window open.
    void ComputeFreeTime(int activityId, int pane);

    // Status text ----------------------------------------------------------------------------
    void SetPointerText(iterator column, __time64_t t);
    void SetStatusText(const CString& text) { m_strStatusText = text; }
    CString GetStatusText() const { return m_strStatusText; }

    // State ----------------------------------------------------------------------------------
    void SetScrollOffset(int offset);
    int GetScrollOffset() const { return m_nScrollOffset; }
    int GetHighlightedColumn() const { return m_nHighlightedColumn; }
    int GetBorderColumn() const { return m_nBorderColumn; }
    bool IsResizing() const { return m_bResizing != 0; }
    // Called after every change of the column geometry (widths, columns, scroll offset).
    void SetGeometryListener(std::function<void()> listener) { m_geometryListener = std::move(listener); }

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnPaint();
    void OnSize(UINT type, int cx, int cy);
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnLButtonDblClk(UINT flags, CPoint point);
    LRESULT OnHighlightColumn(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void DefaultLayout();
    void GeometryChanged();
    int HitTestBorder(int x);
    CRect ResizeBand(int x) const;
    void AfterWidthsChanged();
    CTimeTableCtrl* GetControl() const;
    int ClientWidth() const;

    CString m_strStatusText;
    CFont m_font;
    int m_nHighlightedColumn = -1;
    int m_nScrollOffset = 0;
    int m_nLastX = 0;
    int m_nLastY = 0;
    int m_nBorderFlag = 0;
    int m_nBorderColumn = -1;
    int m_nResizeStartX = 0;
    int m_bResizing = 0;
    ColumnList m_arrColumns;
    std::vector<CColumnWidthSet> m_arrSavedWidths;
    int m_nCurrentKey = 0;
    std::function<void()> m_geometryListener;
};
