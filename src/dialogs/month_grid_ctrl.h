#pragma once
// CMonthGridCtrl: an owner-drawn calendar of consecutive months in panels of rows and columns.
// The user selects a day (or, in range mode, a run of days) by mouse, steps through the months
// with the arrows of the outer panels, picks a month from a list popup held on a panel's title,
// and may use Today and None buttons. Days the owner's function calls special are drawn in
// their own font. Clicks and double-clicks reach the parent as WM_NOTIFY NM_CLICK / NM_DBLCLK.
#include <array>
#include <memory>
#include <vector>

#include "dialogs/month_grid_model.h"
#include "platform/core/colors.h"
#include "platform/core/cstring.h"
#include "platform/ui/font.h"
#include "platform/ui/message_map.h"
#include "platform/ui/wnd.h"

class CDC;
class CMonthListPopup;

// One text role's font: face, size, style and colour, built for a device context on demand.
class CMonthGridFont {
public:
    virtual ~CMonthGridFont() = default;
    virtual void CreateFont(CDC* dc);
    void Set(const CString& face, int pointSize, int bold, int italic, int underline, COLORREF colour);

    CString m_strFace = L"Tahoma";
    int m_nPointSize = 8;
    int m_bBold = 0;
    int m_bItalic = 0;
    int m_bUnderline = 0;
    COLORREF m_crColour = 0;
    std::unique_ptr<CFont> m_pFont;
};

class CMonthGridCtrl : public CWnd {
public:
    // Window style bits read at creation.
    static constexpr DWORD kRangeMode = 0x40, kNoTodayFrame = 0x80, kTodayButton = 0x100, kNoneButton = 0x200,
                           kAutoSize = 0x400, kNoBorder = 0x800, kNoAdjacentDays = 0x1000;
    static constexpr UINT_PTR kPopupTimer = 1001, kArrowTimer = 1002;
    static constexpr UINT kArrowRepeatMs = 300;

    struct Cell {
        CRect rect;  // where the day is drawn; empty when it is not
        COleDateTime date;
    };
    struct Panel {
        CRect title, days;
        int row = 1, column = 1;
        int month = 1, year = 2000;
        std::array<Cell, CMonthGridModel::kCells> cells;
    };

    CMonthGridCtrl();
    ~CMonthGridCtrl() override;

    void SetHeaderFont(const CString& face, int size, int bold, int italic, int underline, COLORREF colour);
    void SetDayNamesFont(const CString& face, int size, int bold, int italic, int underline, COLORREF colour);
    void SetDaysFont(const CString& face, int size, int bold, int italic, int underline, COLORREF colour);
    void SetSpecialDaysFont(const CString& face, int size, int bold, int italic, int underline, COLORREF colour);
    void SetDate(const COleDateTime& date, BOOL none = FALSE);
    void SetFirstDayOfWeek(int day);
    void SetMonthYear(int year, int month);
    void RebuildPanels();
    void AutoSize();
    void GoToToday();
    void SelectNone();
    bool IsSpecialDay(const COleDateTime& date) const;
    // Computes the panels' title, day and cell rectangles, the arrows and the buttons.
    void Layout();
    // The width and height the panels and buttons need with the current fonts.
    CSize GetTotalSize();

    CMonthGridModel m_model;
    CMonthGridFont m_headerFont, m_dayNamesFont, m_daysFont, m_specialDaysFont;
    COLORREF m_crBackground;
    int m_bTodayFrame = 1;
    int m_bTodayButton = 0;
    int m_bNoneButton = 0;
    COLORREF m_crOtherMonth;
    std::array<CString, 12> m_strMonthNames;
    CString m_strDayLetters;  // Sunday first
    int m_bBorder = 1;
    int m_bAutoSize = 0;
    int m_nMaxWidth = -1, m_nMaxHeight = -1;
    CString m_strFaceName = L"Tahoma";
    int m_nMinPointSize = 5;
    int (*m_pfnSpecialDay)(const COleDateTime&) = nullptr;
    int m_bSelecting = 0;
    int m_bScrolling = 0;
    int m_nScrollDirection = 0;
    int m_bTodayPressed = 0, m_bTodayHot = 0, m_bNonePressed = 0, m_bNoneHot = 0;
    int m_bPopupActive = 0;
    std::unique_ptr<CMonthListPopup> m_pPopup;
    int m_nPopupPanel = -1;
    CRect m_rcLeftArrow, m_rcRightArrow, m_rcToday, m_rcNone;
    int m_bSizesReady = 0;
    int m_nTitleHeight = 0, m_nCellWidth = 0, m_nDayNameHeight = 0, m_nCellHeight = 0, m_nPanelWidth = 0,
        m_nPanelHeight = 0, m_nLetterWidth = 0, m_nButtonWidth = 0, m_nButtonHeight = 0;
    std::vector<Panel> m_arrPanels;

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnPaint();
    BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    void OnLButtonDown(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnLButtonDblClk(UINT flags, CPoint point);
    void OnTimer(UINT_PTR id);
    void OnDestroy();
    // Colours, fonts, settings or the clock changed: draw again.
    LRESULT OnSystemChange(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    // A font setter: ignored outside 1 to 72 points or without a face; the fonts are rebuilt.
    void SetRoleFont(CMonthGridFont& font, const CString& f, int s, int b, int i, int u, COLORREF c);
    // The month names and day letters of the language pack.
    void LoadTexts();
    void CreateFonts(CDC& dc);
    void ComputeSizes();
    int GetButtonsHeight() const;
    void SetAllFonts(int pointSize);
    const Cell* CellAt(CPoint point) const;
    void Notify(int code);
    // The current month in the first panel, today selected or nothing, and NM_CLICK.
    void ShowCurrentMonth(bool selectToday);
    void ClosePopup();
    void PaintHeader(CDC& dc, const Panel& panel);
    void PaintDayNames(CDC& dc, const Panel& panel);
    void PaintDays(CDC& dc, const Panel& panel, int index);
    void PaintButtons(CDC& dc);
    int m_bFontsReady = 0;
};
