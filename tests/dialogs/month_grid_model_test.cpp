// The month calendar's model: the grid of each month, the adjacent days, month rolling,
// the range limit and the font-size fit.
#include <gtest/gtest.h>

#include "dialogs/month_grid_model.h"

namespace {

COleDateTime Day(int year, int month, int day) { return COleDateTime(year, month, day, 0, 0, 0); }

TEST(MonthGridModel, GridStartsOnTheFirstDayOfTheWeekAndHas42Days) {
    // 2024: January starts on a Monday, September on a Sunday, June on a Saturday.
    struct Case {
        int month, firstDay;
        int startMonth, startDay;  // of 2024 (December 2023 as month 0)
    };
    const Case cases[] = {
        {9, 1, 9, 1},    // starts on the first day: first cell
        {1, 1, 0, 31},   // Monday with Sunday first: one day back
        {1, 2, 1, 1},    // Monday first
        {6, 1, 5, 26},   // Saturday with Sunday first: six days back
        {6, 7, 6, 1},    // Saturday first
        {9, 2, 8, 26},   // Sunday with Monday first: six days back
        {2, 5, 2, 1},    // Thursday first, 1 February 2024 is a Thursday
        {3, 4, 2, 28},   // 1 March 2024 is a Friday; Wednesday first: two back
    };
    for (const auto& c : cases) {
        CMonthGridModel model;
        ASSERT_TRUE(model.SetFirstDayOfWeek(c.firstDay));
        const COleDateTime start = model.GetStartDate(c.month, 2024);
        const COleDateTime expected = c.startMonth == 0 ? Day(2023, 12, c.startDay) : Day(2024, c.startMonth, c.startDay);
        EXPECT_EQ(start, expected) << "month " << c.month << ", first day " << c.firstDay;
        EXPECT_EQ(start.GetDayOfWeek(), c.firstDay);
        EXPECT_EQ(model.GetCellDate(c.month, 2024, CMonthGridModel::kCells - 1), start + COleDateTimeSpan(41, 0, 0, 0));
    }
    CMonthGridModel model;
    EXPECT_FALSE(model.SetFirstDayOfWeek(0));
    EXPECT_FALSE(model.SetFirstDayOfWeek(8));
}

TEST(MonthGridModel, DayLettersFollowTheFirstDayOfTheWeek) {
    CMonthGridModel model;
    const wchar_t* letters = L"SMTWTFS";  // Sunday first, as the language pack holds them
    struct Case {
        int firstDay;
        const wchar_t* columns;
    };
    const Case cases[] = {{1, L"SMTWTFS"}, {2, L"MTWTFSS"}, {7, L"SSMTWTF"}};
    for (const auto& c : cases) {
        model.SetFirstDayOfWeek(c.firstDay);
        for (int column = 0; column < 7; ++column)
            EXPECT_EQ(letters[model.GetDayLetterIndex(column)], c.columns[column]) << c.firstDay << " column " << column;
    }
}

TEST(MonthGridModel, AdjacentDaysOnlyInTheFirstAndLastPanel) {
    CMonthGridModel model;
    model.m_nRows = 2;
    model.m_nColumns = 3;
    model.m_nMonth = 3;
    model.m_nYear = 2024;
    struct Case {
        int panel, month;
        COleDateTime date;
        bool adjacent;  // the adjacent-days flag
        bool shown;
    };
    const Case cases[] = {
        {0, 3, Day(2024, 2, 28), true, true},    // before the first panel's month
        {0, 3, Day(2024, 4, 2), true, false},    // after it: the next panel shows April
        {1, 4, Day(2024, 3, 31), true, false},
        {5, 8, Day(2024, 9, 3), true, true},     // after the last panel's month
        {5, 8, Day(2024, 7, 30), true, false},
        {0, 3, Day(2024, 2, 28), false, false},
        {5, 8, Day(2024, 9, 3), false, false},
        {2, 5, Day(2024, 5, 31), false, true},
    };
    for (const auto& c : cases) {
        model.m_bAdjacentDays = c.adjacent;
        EXPECT_EQ(model.IsCellShown(c.panel, c.month, c.date), c.shown) << "panel " << c.panel << " day " << c.date.Format(L"%d/%m").ToUtf8();
    }
}

TEST(MonthGridModel, MonthsRollOverTheYearAndPagesMoveByAllPanels) {
    CMonthGridModel model;
    model.m_nRows = 2;
    model.m_nColumns = 3;
    model.m_nMonth = 3;
    model.m_nYear = 2024;
    int month = 0, year = 0;
    model.GetPanelMonth(5, month, year);
    EXPECT_EQ(month, 8);
    EXPECT_EQ(year, 2024);
    model.ScrollPages(1);
    EXPECT_EQ(model.m_nMonth, 9);
    EXPECT_EQ(model.m_nYear, 2024);
    model.m_nMonth = 1;
    model.ScrollPages(-1);
    EXPECT_EQ(model.m_nMonth, 7);
    EXPECT_EQ(model.m_nYear, 2023);

    struct Case {
        int month, year, n;
        bool moved;
        int toMonth, toYear;
    };
    const Case cases[] = {
        {12, 2024, 1, true, 1, 2025}, {1, 2024, -1, true, 12, 2023}, {12, 9999, 1, false, 12, 9999},
        {1, 100, -1, false, 1, 100},  {5, 2024, 24, true, 5, 2026},
    };
    for (const auto& c : cases) {
        int m = c.month, y = c.year;
        EXPECT_EQ(CMonthGridModel::AddMonths(m, y, c.n), c.moved) << c.month << "/" << c.year << " + " << c.n;
        EXPECT_EQ(m, c.toMonth);
        EXPECT_EQ(y, c.toYear);
    }
}

TEST(MonthGridModel, RangeSelectionIsCutToTheMaximumFromTheAnchor) {
    struct Case {
        COleDateTime anchor, cell;
        int maxRange;
        COleDateTime start, end;
    };
    const Case cases[] = {
        {Day(2024, 1, 1), Day(2024, 6, 30), 100, Day(2024, 1, 1), Day(2024, 4, 10)},
        {Day(2024, 6, 30), Day(2024, 1, 1), 100, Day(2024, 3, 22), Day(2024, 6, 30)},
        {Day(2024, 1, 1), Day(2024, 4, 10), 100, Day(2024, 1, 1), Day(2024, 4, 10)},  // exactly the maximum
        {Day(2024, 5, 9), Day(2024, 5, 2), 100, Day(2024, 5, 2), Day(2024, 5, 9)},
        {Day(2024, 1, 1), Day(2030, 1, 1), -1, Day(2024, 1, 1), Day(2030, 1, 1)},
    };
    for (const auto& c : cases) {
        CMonthGridModel model;
        model.m_nMaxRange = c.maxRange;
        model.m_dtAnchor = c.anchor;
        model.SelectRangeTo(c.cell);
        EXPECT_EQ(model.m_dtSelStart, c.start) << c.cell.Format(L"%d/%m/%Y").ToUtf8();
        EXPECT_EQ(model.m_dtSelEnd, c.end) << c.cell.Format(L"%d/%m/%Y").ToUtf8();
    }
}

TEST(MonthGridModel, FontsShrinkUntilThePanelsFit) {
    struct Case {
        int screenWidth;
        CSize space;
        int size;
    };
    // A fixed measure: each point is 60 pixels of width and 40 of height.
    const auto measure = [](int points) { return CSize(60 * points, 40 * points); };
    const Case cases[] = {
        {1024, CSize(1000, 1000), 10},  // 10 points fit at once
        {1024, CSize(500, 1000), 8},
        {1024, CSize(1000, 250), 6},
        {1024, CSize(100, 100), 5},     // never below the minimum
        {1920, CSize(10000, 10000), 12},
        {799, CSize(10000, 10000), 7},
        {800, CSize(10000, 10000), 8},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CMonthGridModel::FitPointSize(CMonthGridModel::StartPointSize(c.screenWidth), 5, c.space, measure), c.size)
            << c.screenWidth << " " << c.space.cx << "x" << c.space.cy;
}

}  // namespace
