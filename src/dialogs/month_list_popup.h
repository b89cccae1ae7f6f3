#pragma once
// CMonthListPopup: the small list of seven months that the month calendar shows while the left
// button is held on a panel's title. The row under the cursor is the chosen month; held above
// or below the list, the cursor scrolls it. The calendar keeps the mouse, forwards its moves and
// timer ticks to AutoScroll and reads the chosen month on the release.
#include "platform/core/colors.h"
#include "platform/core/cstring.h"
#include "platform/ui/message_map.h"
#include "platform/ui/wnd.h"

class CMonthGridCtrl;

class CMonthListPopup : public CWnd {
public:
    static constexpr int kScrollThreshold = 10;

    CMonthListPopup();

    void SetMonthYear(int month, int year);
    void SetOwner(CMonthGridCtrl* calendar);
    // Creates the window centred on the cursor, a bordered tool window that takes no focus.
    BOOL CreatePopup(CMonthGridCtrl* calendar);
    void PositionAtCursor();
    // WM_MOUSEMOVE and WM_TIMER of the calendar; other messages are ignored.
    void AutoScroll(UINT message);
    void ScrollUp(int n);
    void ScrollDown(int n);
    // The month name of a row, a blank and the year.
    CString RowText(int month, int year) const;

    int m_nCentreMonth;
    int m_nCentreYear;
    int m_nRowCount = 7;
    int m_nChosenMonth;
    int m_nChosenYear;
    COLORREF m_crBackground = RGB(255, 255, 255);
    COLORREF m_crText = RGB(0, 0, 0);
    CMonthGridCtrl* m_pCalendar = nullptr;
    int m_nUpCount = 0;
    int m_nDownCount = 0;

protected:
    void OnPaint();
    DECLARE_MESSAGE_MAP()

private:
    // The row height and text width of the rows, in the calendar's days font.
    CSize MeasureRow(CDC& dc) const;
};
