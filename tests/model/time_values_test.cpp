#include "model/time_values.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "model_test_support.h"

namespace {

// A clock time on 2 September 2024, with fractions of a second where given.
COleDateTime At(int hour, int minute, double seconds = 0) {
    COleDateTime t(2024, 9, 2, hour, minute, 0);
    t.m_dt += seconds / 86400.0;
    return t;
}

COleDateTime Invalid() {
    COleDateTime t;
    t.SetStatus(COleDateTime::invalid);
    return t;
}

COleDateTimeSpan Seconds(double seconds) { return COleDateTimeSpan(seconds / 86400.0); }

// A 64-bit time of day: hour and minute after an arbitrary midnight (UTC; no zone involved).
__time64_t Clock(int hour, int minute = 0) { return 946684800 + hour * 3600 + minute * 60; }

struct CompareCase {
    COleDateTime a, b;
    int expected;
    const char* what;
};

TEST(TimeValues, CompareTimesApproxTreatsThreeMinutesAsEqual) {
    const CompareCase cases[] = {
        {At(10, 0), At(10, 0), 0, "same time"},
        {At(10, 0), At(10, 2, 59), 0, "2:59 apart"},
        {At(10, 0), At(10, 2, 59.4), 0, "2:59.4 apart stays below 3 minutes"},
        {At(10, 0), At(10, 2, 59.6), -1, "2:59.6 apart cuts to 3 minutes"},
        {At(10, 0), At(10, 3), -1, "3 minutes earlier"},
        {At(10, 3), At(10, 0), 1, "3 minutes later"},
        {At(10, 0), Invalid(), -1, "invalid second"},
        {Invalid(), At(10, 0), -1, "invalid first"},
        {Invalid(), Invalid(), -1, "both invalid"},
    };
    for (const auto& c : cases) EXPECT_EQ(CompareTimesApprox(c.a, c.b), c.expected) << c.what;
}

TEST(TimeValues, CompareTime64ApproxTreatsThreeMinutesAsEqual) {
    EXPECT_EQ(CompareTime64Approx(1000, 1000 + 179), 0);
    EXPECT_EQ(CompareTime64Approx(1000 + 179, 1000), 0);
    EXPECT_EQ(CompareTime64Approx(1000, 1000 + 180), -1);
    EXPECT_EQ(CompareTime64Approx(1000 + 180, 1000), 1);
}

TEST(TimeValues, CompareDatesComparesCalendarDays) {
    const CompareCase cases[] = {
        {At(0, 0), At(23, 59), 0, "same day"},
        {COleDateTime(2024, 9, 3, 0, 0, 0), At(23, 59), 1, "next day at midnight"},
        {At(23, 59), COleDateTime(2024, 9, 3, 0, 0, 0), -1, "earlier day"},
        {At(23, 59, 59.6), COleDateTime(2024, 9, 3, 0, 0, 0), 0, "rounded to the second into the next day"},
        {At(23, 59, 59.4), COleDateTime(2024, 9, 3, 0, 0, 0), -1, "rounded to the second, still the day before"},
        {COleDateTime(1850, 3, 1, 6, 0, 0), COleDateTime(1850, 2, 28, 23, 0, 0), 1, "before 1900"},
        {COleDateTime(1850, 3, 1, 6, 0, 0), COleDateTime(1850, 3, 1, 23, 0, 0), 0, "same day before 1900"},
        {At(10, 0), Invalid(), -1, "invalid"},
        {Invalid(), At(10, 0), -1, "invalid first"},
    };
    for (const auto& c : cases) EXPECT_EQ(CompareDates(c.a, c.b), c.expected) << c.what;
}

TEST(TimeValues, IsSameDayCountsTwoInvalidValuesAsOneDay) {
    EXPECT_TRUE(IsSameDay(At(0, 0), At(23, 59)));
    EXPECT_FALSE(IsSameDay(At(0, 0), COleDateTime(2024, 9, 3, 0, 0, 0)));
    EXPECT_TRUE(IsSameDay(Invalid(), Invalid()));
    EXPECT_FALSE(IsSameDay(Invalid(), At(10, 0)));
}

// The day is taken after rounding to the whole second; before 30 December 1899 the fraction
// still counts forward from the day's midnight.
TEST(TimeValues, IsSameDayRoundsToTheSecondAndReadsDatesBefore1900) {
    struct Case { COleDateTime a, b; bool same; const char* what; };
    const Case cases[] = {
        {At(23, 59, 59.6), COleDateTime(2024, 9, 3, 0, 0, 0), true, "rounds up to the next midnight"},
        {At(23, 59, 59.4), COleDateTime(2024, 9, 3, 0, 0, 0), false, "stays on its day"},
        {COleDateTime(-1.25), COleDateTime(-1.75), true, "29 December 1899, 06:00 and 18:00"},
        {COleDateTime(-1.25), COleDateTime(-0.25), false, "29 and 30 December 1899"},
        {COleDateTime(0.25), COleDateTime(-0.25), true, "30 December 1899 either side of zero"},
    };
    for (const auto& c : cases) EXPECT_EQ(IsSameDay(c.a, c.b), c.same) << c.what;
}

TEST(TimeValues, IsSameDay64ComparesLocalDays) {
    CPinnedTimeZone zone("Europe/Berlin");
    // 22:30 and 23:30 UTC on 2 September 2024 are 00:30 and 01:30 on 3 September in Berlin;
    // 21:30 UTC is still 2 September there.
    const __time64_t utc2230 = 1725316200;
    EXPECT_TRUE(IsSameDay64(utc2230, utc2230 + 3600));
    EXPECT_FALSE(IsSameDay64(utc2230, utc2230 - 3600));
}

struct IntervalCase {
    COleDateTime s1, e1, s2, e2;
    int minutes;  // whole minutes of the intersection
    bool overlap;
    const char* what;
};

TEST(TimeValues, IntervalsOverlapOnlyBeyondFiveMinutes) {
    const IntervalCase cases[] = {
        {At(8, 0), At(9, 0), At(8, 55), At(10, 0), 5, false, "five minutes shared is not an overlap"},
        {At(8, 0), At(9, 0), At(8, 54), At(10, 0), 6, true, "six minutes shared"},
        {At(9, 0), At(10, 0), At(10, 0), At(11, 0), 0, false, "touching"},
        {At(8, 0), At(9, 0), At(10, 0), At(11, 0), 0, false, "apart"},
        {At(8, 0), At(9, 0), At(8, 1), At(8, 30), 29, true, "starts within 3 minutes: the shorter length"},
        {At(8, 0), At(12, 0), At(9, 0), At(10, 0), 60, true, "second inside first"},
        {At(9, 0), At(10, 0), At(8, 0), At(12, 0), 60, true, "first inside second"},
        {At(9, 0), At(11, 0), At(8, 0), At(10, 0), 60, true, "second runs into first"},
        {At(8, 0), At(10, 0), At(9, 0), At(11, 0), 60, true, "first runs into second"},
        {At(10, 0), At(11, 0), At(8, 0), At(10, 2), 0, false, "ends within 3 minutes of the start"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WholeMinutes(IntersectIntervals(c.s1, c.e1, c.s2, c.e2).m_span), c.minutes) << c.what;
        EXPECT_EQ(IntervalsOverlap(c.s1, c.e1, c.s2, c.e2), c.overlap) << c.what;
    }
}

TEST(TimeValues, IsSpanLongerNeedsMoreThanFiveMinutes) {
    EXPECT_TRUE(IsSpanLonger(Seconds(66 * 60), Seconds(60 * 60)));
    EXPECT_FALSE(IsSpanLonger(Seconds(65 * 60), Seconds(60 * 60)));
    EXPECT_FALSE(IsSpanLonger(Seconds(60 * 60), Seconds(66 * 60)));
}

TEST(TimeValues, WholeUnitsAreCutWithTheHalfSecondBias) {
    struct Case {
        double seconds;
        int minutes, hours, wholeSeconds;
    };
    const Case cases[] = {
        {59 * 60 + 59.6, 60, 1, 3600},
        {59 * 60 + 59.4, 59, 0, 3599},
        {-(59 * 60 + 59.6), -60, -1, -3600},
        {0, 0, 0, 0},
        {0.6, 0, 0, 1},
    };
    for (const auto& c : cases) {
        const double days = c.seconds / 86400.0;
        EXPECT_EQ(WholeMinutes(days), c.minutes) << c.seconds;
        EXPECT_EQ(WholeHours(days), c.hours) << c.seconds;
        EXPECT_EQ(WholeSeconds(days), c.wholeSeconds) << c.seconds;
    }
    // Beyond the 32-bit range the count is held at its ends instead of wrapping.
    EXPECT_EQ(WholeSeconds(3615897.0), 2147483647);
    EXPECT_EQ(WholeSeconds(-3615897.0), -2147483647 - 1);
}

TEST(TimeValues, FormatHoursMinutesPrintsTotalHours) {
    struct Case {
        COleDateTimeSpan span;
        const wchar_t* text;
    };
    COleDateTimeSpan null;
    null.SetStatus(COleDateTimeSpan::null);
    const Case cases[] = {
        {Seconds(90 * 60), L"1:30"},
        {Seconds(25 * 3600), L"25:00"},
        {Seconds(0), L"0:00"},
        {Seconds(59 * 60 + 59.6), L"1:00"},
        {Seconds(59 * 60 + 59.4), L"0:59"},
        {Seconds(1000 * 3600 + 5 * 60), L"1000:05"},
        {null, L"0:"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatHoursMinutes(c.span), CString(c.text)) << CString(c.text).ToUtf8();
}

TEST(TimeValues, HourStepsThroughAndBeforeTheEnd) {
    struct Case {
        bool through;
        __time64_t start, end;
        std::vector<__time64_t> expected;
        const char* what;
    };
    const Case cases[] = {
        {true, Clock(8), Clock(10), {Clock(8), Clock(9), Clock(10)}, "through, end on the hour"},
        {true, Clock(8), Clock(10, 30), {Clock(8), Clock(9), Clock(10), Clock(11)}, "through, end at half past"},
        {false, Clock(8), Clock(10), {Clock(8), Clock(9)}, "before, end on the hour"},
        {false, Clock(8), Clock(10, 2), {Clock(8), Clock(9)}, "before, a step within 3 minutes of the end"},
        {false, Clock(8), Clock(10, 3), {Clock(8), Clock(9), Clock(10)}, "before, a step 3 minutes before the end"},
        {false, Clock(10), Clock(10), {}, "empty window"},
    };
    for (const auto& c : cases) {
        std::vector<__time64_t> list;
        if (c.through)
            AppendHourStepsThrough(list, c.start, c.end);
        else
            AppendHourStepsBefore(list, c.start, c.end);
        EXPECT_EQ(list, c.expected) << c.what;
    }
}

TEST(TimeValues, HourStepsSkipTimesNearElementsAlreadyListed) {
    std::vector<__time64_t> list = {Clock(9, 4)};
    AppendHourStepsThrough(list, Clock(8), Clock(10));
    EXPECT_EQ(list, (std::vector<__time64_t>{Clock(9, 4), Clock(8), Clock(10)}));
}

TEST(TimeValues, AddTimeIfApartNeedsFiveMinutesEitherWay) {
    std::vector<__time64_t> list = {1000};
    AddTimeIfApart(list, 1299);
    AddTimeIfApart(list, 701);
    EXPECT_EQ(list.size(), 1u);
    AddTimeIfApart(list, 1300);
    AddTimeIfApart(list, 700);
    EXPECT_EQ(list, (std::vector<__time64_t>{1000, 1300, 700}));
}

TEST(TimeValues, FindNextTimeAfterGivesTheFirstLaterElement) {
    const std::vector<__time64_t> list = {100, 200, 300};
    EXPECT_EQ(FindNextTimeAfter(list, 50), 100);
    EXPECT_EQ(FindNextTimeAfter(list, 200), 300);
    EXPECT_EQ(FindNextTimeAfter(list, 300), 300);
    EXPECT_EQ(FindNextTimeAfter({}, 42), 42);
}

// The local moment of a Berlin clock time.
__time64_t Berlin(int y, int mo, int d, int h, int mi) {
    struct tm parts {};
    parts.tm_year = y - 1900;
    parts.tm_mon = mo - 1;
    parts.tm_mday = d;
    parts.tm_hour = h;
    parts.tm_min = mi;
    parts.tm_isdst = -1;
    return _mktime64(&parts);
}

TEST(TimeValues, ClassifyRecentTimeByDayWeekAndMonth) {
    CPinnedTimeZone zone("Europe/Berlin");
    // Wednesday 22 May 2024, 10:00: the week class reaches back w + 1 = 4 days, to Saturday
    // 18 May 10:00.
    const __time64_t now = Berlin(2024, 5, 22, 10, 0);
    struct Case {
        __time64_t t;
        int expected;
        const char* what;
    };
    const Case cases[] = {
        {Berlin(2024, 5, 22, 0, 5), 1, "earlier today"},
        {Berlin(2024, 5, 22, 23, 0), 1, "later today"},
        {Berlin(2024, 5, 20, 9, 0), 2, "this Monday"},
        {Berlin(2024, 5, 18, 9, 58), 2, "within 3 minutes of the week's edge"},
        {Berlin(2024, 5, 18, 9, 56), 3, "just before the week's edge"},
        {Berlin(2024, 5, 1, 0, 0), 3, "first day of the month, more than seven days back"},
        {Berlin(2024, 4, 30, 23, 0), 4, "previous month"},
    };
    for (const auto& c : cases) EXPECT_EQ(ClassifyRecentTime(c.t, now), c.expected) << c.what;
}

TEST(TimeValues, FirstWeekDayIndexOfTheFirstDaysOf2000) {
    EXPECT_EQ(GetFirstWeekDayIndex(COleDateTime(2000, 1, 1, 0, 0, 0)), 0);
    EXPECT_EQ(GetFirstWeekDayIndex(COleDateTime(2000, 1, 2, 12, 0, 0)), 1);
    EXPECT_EQ(GetFirstWeekDayIndex(COleDateTime(2000, 1, 3, 0, 0, 0)), 2);
    EXPECT_EQ(GetFirstWeekDayIndex(COleDateTime(2001, 1, 2, 0, 0, 0)), 0);
}

TEST(TimeValues, TimesOfDayAreStoredOnTheFirstOfJanuary2000) {
    CPinnedTimeZone zone("Europe/Berlin");
    const __time64_t t = MakeTimeOfDay(7, 30);
    EXPECT_EQ(t, Berlin(2000, 1, 1, 7, 30));
    EXPECT_EQ(GetLocalHour(t), 7);
    EXPECT_EQ(GetLocalMinute(t), 30);
    EXPECT_EQ(MakeTimeOfDay(-1, 0), -1);
    EXPECT_EQ(MakeTimeOfDay(24, 0), -1);
}

// The times of day follow a change of the zone, and come back with it.
TEST(TimeValues, TimesOfDayFollowTheTimeZone) {
    CPinnedTimeZone berlin("Europe/Berlin");
    const __time64_t inBerlin = MakeTimeOfDay(9, 15);
    {
        CPinnedTimeZone newYork("America/New_York");
        EXPECT_EQ(MakeTimeOfDay(9, 15) - inBerlin, 6 * 3600);
        EXPECT_EQ(GetLocalHour(MakeTimeOfDay(9, 15)), 9);
    }
    EXPECT_EQ(MakeTimeOfDay(9, 15), inBerlin);
}

TEST(TimeValues, IntegerAndTimeOrders) {
    std::vector<int> ints = {3, 1, 2};
    std::sort(ints.begin(), ints.end(), LessInt);
    EXPECT_EQ(ints, (std::vector<int>{1, 2, 3}));
    std::sort(ints.begin(), ints.end(), GreaterInt);
    EXPECT_EQ(ints, (std::vector<int>{3, 2, 1}));
    std::vector<__time64_t> times = {5, -1, 3};
    std::sort(times.begin(), times.end(), LessTime64);
    EXPECT_EQ(times, (std::vector<__time64_t>{-1, 3, 5}));
}

}  // namespace
