#pragma once
// CMonthGridModel: what the month calendar shows and selects, without a window: consecutive
// months in panels of rows and columns, the 42 day cells of each panel, which of them are drawn,
// the selection with its range limit, and the font size that lets the panels fit.
#include <functional>

#include "platform/core/geometry.h"
#include "platform/core/ole_date_time.h"

class CMonthGridModel {
public:
    static constexpr int kCells = 42;

    CMonthGridModel();

    // Moves a month and year by n months, the year rolling over; false (and nothing changed)
    // when the year would leave 100 to 9999.
    static bool AddMonths(int& month, int& year, int n);
    // The month and year shown by panel index (row-major from the first panel).
    void GetPanelMonth(int index, int& month, int& year) const;
    int GetPanelCount() const { return m_nRows * m_nColumns > 0 ? m_nRows * m_nColumns : 0; }
    // The first cell of a month: its 1st, moved back to the first day of the week.
    COleDateTime GetStartDate(int month, int year) const;
    COleDateTime GetCellDate(int month, int year, int cell) const;
    // Whether a cell's date is drawn in panel index showing month: dates of the month always;
    // with adjacent days, later dates in the last panel and earlier ones in the first.
    bool IsCellShown(int index, int month, const COleDateTime& date) const;
    // The scroll arrows: the first panel moves by a whole page of panels.
    void ScrollPages(int direction);

    // Selections. The day of a date with its time dropped.
    static COleDateTime DayOf(const COleDateTime& date);
    void SetDate(const COleDateTime& date);
    void SelectNone();
    bool HasSelection() const;
    bool IsSelected(const COleDateTime& day) const;
    // A range drag from the anchor to a cell: the run between them, cut to the maximum range.
    void SelectRangeTo(const COleDateTime& cell);

    // The first day of the week (1 Sunday to 7 Saturday); other values are ignored.
    bool SetFirstDayOfWeek(int day);
    // The letter index (0 for the first character of the day-letter text, which starts on
    // Sunday) of grid column 0 to 6.
    int GetDayLetterIndex(int column) const { return (m_nFirstDayOfWeek - 1 + column) % 7; }

    // The point size the fonts start from on a screen of this width.
    static int StartPointSize(int screenWidth);
    // Lowers the size one point at a time while the total size for it is wider or taller than
    // the space, never below the minimum.
    static int FitPointSize(int size, int minimum, CSize space, const std::function<CSize(int)>& totalSize);

    int m_nMonth;
    int m_nYear;
    int m_nRows = 1;
    int m_nColumns = 1;
    int m_nFirstDayOfWeek = 1;
    int m_bAdjacentDays = 1;
    int m_bRangeMode = 0;
    int m_nMaxRange = -1;  // days; -1 unlimited
    COleDateTime m_dtSelStart{0.0};
    COleDateTime m_dtSelEnd{0.0};
    COleDateTime m_dtAnchor{0.0};
};
