#include "platform/core/ole_date_time.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <string>

#include "pinned_time_zone.h"

namespace {

constexpr double kSecond = 1.0 / 86400.0;

struct BuildCase {
    int y, mo, d, h, mi, s;
    bool valid;
    double value;  // expected days when valid
};

const BuildCase kBuild[] = {
    {1899, 12, 30, 0, 0, 0, true, 0.0},
    {1899, 12, 31, 12, 0, 0, true, 1.5},
    {1899, 12, 29, 6, 0, 0, true, -1.25},  // before the epoch the fraction keeps its sign
    {1900, 1, 1, 0, 0, 0, true, 2.0},
    {2000, 1, 1, 0, 0, 0, true, 36526.0},
    {2000, 2, 29, 0, 0, 0, true, 36585.0},   // 2000 is a leap year (divisible by 400)
    {1900, 2, 29, 0, 0, 0, false, 0},        // 1900 is not
    {2004, 2, 29, 0, 0, 0, true, 38046.0},
    {2001, 2, 29, 0, 0, 0, false, 0},
    {2001, 4, 31, 0, 0, 0, false, 0},
    {2001, 4, 30, 23, 59, 59, true, 37011.0 + 86399 * kSecond},
    {100, 1, 1, 0, 0, 0, true, -657434.0},
    {9999, 12, 31, 23, 59, 59, true, 2958465.0 + 86399 * kSecond},
    {99, 12, 31, 0, 0, 0, false, 0},
    {10000, 1, 1, 0, 0, 0, false, 0},
    {2000, 0, 1, 0, 0, 0, false, 0},
    {2000, 13, 1, 0, 0, 0, false, 0},
    {2000, 1, 0, 0, 0, 0, false, 0},
    {2000, 2, 35, 0, 0, 0, false, 0},
    {2000, 1, 1, 24, 0, 0, false, 0},
    {2000, 1, 1, 0, 60, 0, false, 0},
    {2000, 1, 1, 0, 0, 60, false, 0},
    {2000, 1, 1, -1, 0, 0, false, 0},
};

TEST(COleDateTime, BuildsFromCalendarPartsWithinTheRange) {
    for (const auto& c : kBuild) {
        const COleDateTime d(c.y, c.mo, c.d, c.h, c.mi, c.s);
        const std::string name = std::to_string(c.y) + "-" + std::to_string(c.mo) + "-" + std::to_string(c.d) + " " +
                                 std::to_string(c.h) + ":" + std::to_string(c.mi) + ":" + std::to_string(c.s);
        EXPECT_EQ(d.GetStatus(), c.valid ? COleDateTime::valid : COleDateTime::invalid) << name;
        if (c.valid) {
            EXPECT_NEAR(d.m_dt, c.value, 1e-9) << name;
            EXPECT_EQ(d.GetYear(), c.y) << name;
            EXPECT_EQ(d.GetMonth(), c.mo) << name;
            EXPECT_EQ(d.GetDay(), c.d) << name;
            EXPECT_EQ(d.GetHour(), c.h) << name;
            EXPECT_EQ(d.GetMinute(), c.mi) << name;
            EXPECT_EQ(d.GetSecond(), c.s) << name;
        } else {
            EXPECT_EQ(d.GetYear(), -1) << name;
            EXPECT_EQ(d.GetDayOfWeek(), -1) << name;
        }
    }
}

TEST(COleDateTime, SettersReportFailureAndMarkInvalid) {
    COleDateTime d;
    EXPECT_EQ(d.SetDate(2024, 2, 29), 0);
    EXPECT_EQ(d.GetStatus(), COleDateTime::valid);
    EXPECT_EQ(d.SetDate(2023, 2, 29), 1);
    EXPECT_EQ(d.GetStatus(), COleDateTime::invalid);
    EXPECT_EQ(d.SetTime(13, 30, 0), 0);
    EXPECT_NEAR(d.m_dt, 13.5 / 24, 1e-12);
    EXPECT_EQ(d.SetDateTime(2024, 3, 1, 8, 15, 30), 0);
    EXPECT_EQ(d.GetStatus(), COleDateTime::valid);
    EXPECT_EQ(d.GetMinute(), 15);
}

struct SplitCase {
    double value;
    int y, mo, d, h, mi, s;
};

const SplitCase kSplit[] = {
    {36526.0 - 0.4 * kSecond, 2000, 1, 1, 0, 0, 0},          // 23:59:59.6 rounds into the next day
    {36526.0 - 0.6 * kSecond, 1999, 12, 31, 23, 59, 59},      // 23:59:59.4 stays
    {36526.0 + 59.5 * kSecond, 2000, 1, 1, 0, 1, 0},          // half a second rounds up
    {36526.0 + 3599.6 * kSecond, 2000, 1, 1, 1, 0, 0},
    {-1.0 - 86399.6 * kSecond, 1899, 12, 30, 0, 0, 0},        // 29 Dec 23:59:59.6 -> 30 Dec
    {-2.0 - 0.75, 1899, 12, 28, 18, 0, 0},
    {-0.25, 1899, 12, 30, 6, 0, 0},                           // same moment as 0.25
    {2958465.0 + 86399.4 * kSecond, 9999, 12, 31, 23, 59, 59},
};

TEST(COleDateTime, SplittingRoundsToTheNearestSecond) {
    for (const auto& c : kSplit) {
        const COleDateTime d(c.value);
        EXPECT_EQ(d.GetYear(), c.y) << c.value;
        EXPECT_EQ(d.GetMonth(), c.mo) << c.value;
        EXPECT_EQ(d.GetDay(), c.d) << c.value;
        EXPECT_EQ(d.GetHour(), c.h) << c.value;
        EXPECT_EQ(d.GetMinute(), c.mi) << c.value;
        EXPECT_EQ(d.GetSecond(), c.s) << c.value;
    }
}

TEST(COleDateTime, ValuesOutsideTheRangeCannotBeSplit) {
    for (double v : {-657435.0, -700000.0, 2958466.0, 1e20, std::nan("")}) {
        const COleDateTime d(v);
        EXPECT_EQ(d.GetYear(), -1) << v;
        EXPECT_EQ(d.GetHour(), -1) << v;
        EXPECT_EQ(d.Format(L"%Y"), L"") << v;
    }
    // 31 Dec 9999 23:59:59.6 would round into the year 10000
    EXPECT_EQ(COleDateTime(2958465.0 + 86399.6 * kSecond).GetYear(), -1);
}

TEST(COleDateTime, DayOfWeekAndDayOfYear) {
    struct Case { int y, mo, d, dow, doy; };
    const Case cases[] = {
        {1899, 12, 30, 7, 364}, {1899, 12, 31, 1, 365}, {1899, 12, 29, 6, 363}, {1900, 1, 1, 2, 1},
        {2000, 1, 1, 7, 1},     {2000, 1, 2, 1, 2},     {2000, 12, 31, 1, 366}, {2024, 3, 1, 6, 61},
        {100, 1, 1, 6, 1},      {9999, 12, 31, 6, 365},
    };
    for (const auto& c : cases) {
        const COleDateTime d(c.y, c.mo, c.d, 12, 0, 0);
        EXPECT_EQ(d.GetDayOfWeek(), c.dow) << c.y << "-" << c.mo << "-" << c.d;
        EXPECT_EQ(d.GetDayOfYear(), c.doy) << c.y << "-" << c.mo << "-" << c.d;
    }
}

TEST(COleDateTime, NegativeDatesOrderAndSubtractOnTheTimeLine) {
    const COleDateTime morning(1899, 12, 29, 6, 0, 0);   // -1.25
    const COleDateTime evening(1899, 12, 29, 18, 0, 0);  // -1.75
    const COleDateTime nextDay(1899, 12, 30, 6, 0, 0);   // 0.25
    EXPECT_GT(morning.m_dt, evening.m_dt);               // raw values run the other way within the day
    EXPECT_TRUE(morning < evening);
    EXPECT_TRUE(evening > morning);
    EXPECT_TRUE(evening < nextDay);
    EXPECT_TRUE(morning <= morning);
    EXPECT_NEAR((evening - morning).m_span, 0.5, 1e-12);
    EXPECT_NEAR((nextDay - evening).m_span, 0.5, 1e-12);
    EXPECT_NEAR((morning - nextDay).m_span, -1.0, 1e-12);
    EXPECT_TRUE(COleDateTime(-0.25) == COleDateTime(0.25));  // the same moment

    // Arithmetic crosses the epoch in both directions.
    const COleDateTime a = nextDay - COleDateTimeSpan(0.5);
    EXPECT_EQ(a.GetDay(), 29);
    EXPECT_EQ(a.GetHour(), 18);
    EXPECT_NEAR(a.m_dt, -1.75, 1e-12);
    const COleDateTime b = evening + COleDateTimeSpan(0, 12, 0, 0);
    EXPECT_NEAR(b.m_dt, 0.25, 1e-12);
    const COleDateTime c = COleDateTime(1899, 12, 28, 0, 0, 0) + COleDateTimeSpan(0, 6, 0, 0);
    EXPECT_NEAR(c.m_dt, -2.25, 1e-12);
    EXPECT_EQ(c.GetHour(), 6);
}

TEST(COleDateTime, StatusPropagatesThroughArithmetic) {
    COleDateTime valid(2000, 1, 1, 0, 0, 0);
    COleDateTime invalid(2000, 2, 35, 0, 0, 0);
    COleDateTime null;
    null.SetStatus(COleDateTime::null);
    COleDateTimeSpan span(1.0);
    COleDateTimeSpan badSpan(1.0);
    badSpan.SetStatus(COleDateTimeSpan::invalid);
    COleDateTimeSpan nullSpan;
    nullSpan.SetStatus(COleDateTimeSpan::null);

    EXPECT_EQ((valid + span).GetStatus(), COleDateTime::valid);
    EXPECT_EQ((invalid + span).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ((null + span).GetStatus(), COleDateTime::null);
    EXPECT_EQ((valid + badSpan).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ((valid - nullSpan).GetStatus(), COleDateTime::null);
    EXPECT_EQ((null + badSpan).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ((valid - invalid).GetStatus(), COleDateTimeSpan::invalid);
    EXPECT_EQ((null - valid).GetStatus(), COleDateTimeSpan::null);
    EXPECT_EQ((valid - valid).GetStatus(), COleDateTimeSpan::valid);

    // Leaving the range of dates makes the result invalid.
    EXPECT_EQ((COleDateTime(9999, 12, 31, 0, 0, 0) + span).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ((COleDateTime(100, 1, 1, 0, 0, 0) - span).GetStatus(), COleDateTime::invalid);

    COleDateTime x = valid;
    x += badSpan;
    EXPECT_EQ(x.GetStatus(), COleDateTime::invalid);

    // Equality needs the same status as well as the same value.
    COleDateTime y = valid;
    y.SetStatus(COleDateTime::invalid);
    EXPECT_FALSE(y == valid);
    EXPECT_TRUE(y != valid);
}

struct FormatCase {
    const wchar_t* format;
    const wchar_t* expected;
};

TEST(COleDateTime, FormatCodesInAFixedEnglishForm) {
    const COleDateTime d(2024, 3, 5, 7, 4, 9);  // a Tuesday
    const FormatCase cases[] = {
        {L"%d/%m/%Y", L"05/03/2024"},
        {L"%d/%m/%Y %H:%M", L"05/03/2024 07:04"},
        {L"%H:%M", L"07:04"},
        {L"%H:00", L"07:00"},
        {L"%a, %d %b %Y %X", L"Tue, 05 Mar 2024 07:04:09"},
        {L"%A %B", L"Tuesday March"},
        {L"%y %j %w", L"24 065 2"},
        {L"%I %p", L"07 AM"},
        {L"%#d.%#m.%Y %#H", L"5.3.2024 7"},
        {L"%x", L"03/05/24"},
        {L"%c", L"03/05/24 07:04:09"},
        {L"%#x", L"Tuesday, March 5, 2024"},
        {L"100%% %q %", L"100% %q %"},
        {L"", L""},
    };
    for (const auto& c : cases) EXPECT_EQ(d.Format(c.format), c.expected) << c.format;

    EXPECT_EQ(COleDateTime(2024, 3, 5, 0, 30, 0).Format(L"%I:%M %p"), L"12:30 AM");
    EXPECT_EQ(COleDateTime(2024, 3, 5, 12, 30, 0).Format(L"%I:%M %p"), L"12:30 PM");
    EXPECT_EQ(COleDateTime(100, 1, 1, 0, 0, 0).Format(L"%Y %y"), L"100 00");
    EXPECT_EQ(COleDateTime(1899, 12, 29, 18, 0, 0).Format(L"%d/%m/%Y %H:%M"), L"29/12/1899 18:00");

    COleDateTime bad(2024, 2, 30, 0, 0, 0);
    EXPECT_EQ(bad.Format(L"%d/%m/%Y"), L"");
    COleDateTime null;
    null.SetStatus(COleDateTime::null);
    EXPECT_EQ(null.Format(L"%d/%m/%Y"), L"");
}

// Pins the process's time zone for one test and restores it afterwards.
class ZoneFixture : public ::testing::Test {
private:
    CPinnedTimeZone m_zone{"Europe/Berlin"};
};

using COleDateTimeLocal = ZoneFixture;

TEST_F(COleDateTimeLocal, BuildsFromA64BitTimeInLocalTime) {
    // 2024-07-01 10:00:00 UTC is 12:00 summer time in Berlin; 2024-01-15 10:00 UTC is 11:00.
    const COleDateTime summer(static_cast<__time64_t>(1719828000));
    EXPECT_EQ(summer.GetStatus(), COleDateTime::valid);
    EXPECT_EQ(summer.Format(L"%d/%m/%Y %H:%M:%S"), L"01/07/2024 12:00:00");
    const COleDateTime winter(static_cast<__time64_t>(1705312800));
    EXPECT_EQ(winter.Format(L"%d/%m/%Y %H:%M"), L"15/01/2024 11:00");

    __time64_t back = 0;
    ASSERT_TRUE(summer.GetAsTime64(back));
    EXPECT_EQ(back, 1719828000);

    // A time whose year is beyond the range of dates has no date value.
    EXPECT_EQ(COleDateTime(static_cast<__time64_t>(400000000000LL)).GetStatus(), COleDateTime::invalid);
    COleDateTime invalid(2000, 2, 35, 0, 0, 0);
    EXPECT_FALSE(invalid.GetAsTime64(back));
}

TEST(COleDateTime, CurrentTimeIsValid) {
    const COleDateTime now = COleDateTime::GetCurrentTime();
    EXPECT_EQ(now.GetStatus(), COleDateTime::valid);
    EXPECT_GE(now.GetYear(), 2024);
}

// ---- spans ----

TEST(COleDateTimeSpan, BuildsFromPartsAndSplitsWithTheBias) {
    const COleDateTimeSpan s(1, 2, 3, 4);
    EXPECT_NEAR(s.m_span, 1 + 2 / 24.0 + 3 / 1440.0 + 4 / 86400.0, 1e-12);
    EXPECT_EQ(s.GetDays(), 1);
    EXPECT_EQ(s.GetHours(), 2);
    EXPECT_EQ(s.GetMinutes(), 3);
    EXPECT_EQ(s.GetSeconds(), 4);
    EXPECT_EQ(s.GetTotalHours(), 26);
    EXPECT_EQ(s.GetTotalMinutes(), 26 * 60 + 3);

    struct Case { double span; double hours, minutes, seconds; long partHours, partMinutes; };
    const Case cases[] = {
        {(59 * 60 + 59.6) * kSecond, 1, 60, 3600, 1, 0},       // 59:59.6 counts as a full hour
        {(59 * 60 + 59.4) * kSecond, 0, 59, 3599, 0, 59},
        {1.5 / 24, 1, 90, 5400, 1, 30},
        {25.0 / 24, 25, 1500, 90000, 1, 0},
        {-(1.5 / 24), -1, -90, -5400, -1, -30},
        {-(59 * 60 + 59.6) * kSecond, -1, -60, -3600, -1, 0},  // the bias takes the sign of the value
        {0.0, 0, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        const COleDateTimeSpan x(c.span);
        EXPECT_EQ(x.GetTotalHours(), c.hours) << c.span;
        EXPECT_EQ(x.GetTotalMinutes(), c.minutes) << c.span;
        EXPECT_EQ(x.GetTotalSeconds(), c.seconds) << c.span;
        EXPECT_EQ(x.GetHours(), c.partHours) << c.span;
        EXPECT_EQ(x.GetMinutes(), c.partMinutes) << c.span;
    }
}

TEST(COleDateTimeSpan, RangeAndStatus) {
    EXPECT_EQ(COleDateTimeSpan(3615897.0).GetStatus(), COleDateTimeSpan::valid);
    EXPECT_EQ(COleDateTimeSpan(-3615897.0).GetStatus(), COleDateTimeSpan::valid);
    EXPECT_EQ(COleDateTimeSpan(3615897.5).GetStatus(), COleDateTimeSpan::invalid);
    EXPECT_EQ(COleDateTimeSpan(-3615898.0).GetStatus(), COleDateTimeSpan::invalid);
    EXPECT_EQ(COleDateTimeSpan(std::nan("")).GetStatus(), COleDateTimeSpan::invalid);
    EXPECT_EQ(COleDateTimeSpan(100000000L / 24, 0, 0, 0).GetStatus(), COleDateTimeSpan::invalid);
    // A huge invalid value never overflows the whole units.
    EXPECT_EQ(COleDateTimeSpan(1e300).GetStatus(), COleDateTimeSpan::invalid);
    EXPECT_GT(COleDateTimeSpan(1e300).GetTotalSeconds(), 0);

    COleDateTimeSpan valid(1.0);
    COleDateTimeSpan bad(1.0);
    bad.SetStatus(COleDateTimeSpan::invalid);
    COleDateTimeSpan null;
    null.SetStatus(COleDateTimeSpan::null);

    EXPECT_EQ((valid + valid).GetStatus(), COleDateTimeSpan::valid);
    EXPECT_EQ((valid + bad).GetStatus(), COleDateTimeSpan::invalid);
    EXPECT_EQ((null - valid).GetStatus(), COleDateTimeSpan::null);
    EXPECT_EQ((null + bad).GetStatus(), COleDateTimeSpan::invalid);
    EXPECT_EQ((-null).GetStatus(), COleDateTimeSpan::null);
    EXPECT_EQ((bad * 2.0).GetStatus(), COleDateTimeSpan::invalid);
    EXPECT_EQ((valid / 0.0).GetStatus(), COleDateTimeSpan::invalid);
    EXPECT_EQ((COleDateTimeSpan(3000000.0) + COleDateTimeSpan(3000000.0)).GetStatus(), COleDateTimeSpan::invalid);

    EXPECT_NEAR((valid * 1.5).m_span, 1.5, 1e-12);
    EXPECT_NEAR((valid / 4.0).m_span, 0.25, 1e-12);
    EXPECT_NEAR((-valid).m_span, -1.0, 1e-12);
    COleDateTimeSpan sum(0.5);
    sum += valid;
    sum -= COleDateTimeSpan(0.25);
    EXPECT_NEAR(static_cast<double>(sum), 1.25, 1e-12);

    EXPECT_TRUE(COleDateTimeSpan(0.5) < COleDateTimeSpan(1.0));
    EXPECT_TRUE(COleDateTimeSpan(1.0) >= COleDateTimeSpan(1.0));
    EXPECT_TRUE(COleDateTimeSpan(1.0) == COleDateTimeSpan(1.0));
    EXPECT_FALSE(bad == valid);
}

TEST(COleDateTimeSpan, Format) {
    const FormatCase cases[] = {
        {L"%D:%H:%M", L"1:02:03"},
        {L"%H:%M:%S", L"02:03:04"},
        {L"%D days %%", L"1 days %"},
        {L"%x", L"%x"},
    };
    const COleDateTimeSpan s(1, 2, 3, 4);
    for (const auto& c : cases) EXPECT_EQ(s.Format(c.format), c.expected) << c.format;
    EXPECT_EQ(COleDateTimeSpan(30, 0, 59, 59).Format(L"%D:%H:%M"), L"30:00:59");
    EXPECT_EQ(COleDateTimeSpan((59 * 60 + 59.6) * kSecond).Format(L"%D:%H:%M"), L"0:01:00");
    EXPECT_EQ(COleDateTimeSpan(-1.5).Format(L"%D:%H:%M"), L"-1:12:00");
    COleDateTimeSpan null;
    null.SetStatus(COleDateTimeSpan::null);
    EXPECT_EQ(null.Format(L"%D"), L"");
}

}  // namespace
