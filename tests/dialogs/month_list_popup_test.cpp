// The month list popup's rows and its scrolling: held outside the list, the cursor scrolls it
// after ten ticks (five when far away), and scrolling stops at the calendar's ends.
#include <gtest/gtest.h>

#include "dialogs/month_list_popup.h"

namespace {

TEST(MonthListPopup, ScrollAccumulatorsMoveTheCentreEveryTenCounts) {
    struct Case {
        const char* what;
        int up, step;  // direction (1 up, 0 down) and step per tick
        int ticks;
        int month, year;
    };
    const Case cases[] = {
        {"nine near ticks up: nothing yet", 1, 1, 9, 12, 2024},
        {"ten near ticks up: one month", 1, 1, 10, 11, 2024},
        {"twenty near ticks up: two months", 1, 1, 20, 10, 2024},
        {"five far ticks up: two months", 1, 2, 5, 10, 2024},
        {"ten near ticks down: over the year", 0, 1, 10, 1, 2025},
        {"ten far ticks down: four months", 0, 2, 10, 4, 2025},
    };
    for (const auto& c : cases) {
        CMonthListPopup popup;
        popup.SetMonthYear(12, 2024);
        for (int i = 0; i < c.ticks; ++i) c.up ? popup.ScrollUp(c.step) : popup.ScrollDown(c.step);
        EXPECT_EQ(popup.m_nCentreMonth, c.month) << c.what;
        EXPECT_EQ(popup.m_nCentreYear, c.year) << c.what;
    }
}

TEST(MonthListPopup, AChangeOfDirectionStartsCountingAgain) {
    CMonthListPopup popup;
    popup.SetMonthYear(6, 2024);
    for (int i = 0; i < 9; ++i) popup.ScrollUp(1);
    popup.ScrollDown(1);
    EXPECT_EQ(popup.m_nUpCount, 0);
    for (int i = 0; i < 8; ++i) popup.ScrollDown(1);
    EXPECT_EQ(popup.m_nCentreMonth, 6) << "nine down counts do not scroll";
}

TEST(MonthListPopup, ScrollingStopsAtTheCalendarsEnds) {
    CMonthListPopup popup;
    popup.SetMonthYear(2, 100);
    for (int i = 0; i < 50; ++i) popup.ScrollUp(2);
    EXPECT_EQ(popup.m_nCentreMonth, 1);
    EXPECT_EQ(popup.m_nCentreYear, 100);
    popup.SetMonthYear(11, 9999);
    for (int i = 0; i < 50; ++i) popup.ScrollDown(2);
    EXPECT_EQ(popup.m_nCentreMonth, 12);
    EXPECT_EQ(popup.m_nCentreYear, 9999);
    popup.SetMonthYear(13, 99);
    EXPECT_EQ(popup.m_nCentreMonth, 12) << "a month or year out of range is ignored";
    EXPECT_EQ(popup.m_nCentreYear, 9999);
}

}  // namespace
