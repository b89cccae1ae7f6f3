#include "platform/core/time64.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <string>

#include "pinned_time_zone.h"

namespace {

// Pins the process's time zone to one with daylight saving and restores it afterwards.
class Time64 : public ::testing::Test {
protected:
    static struct tm Local(int y, int mo, int d, int h, int mi, int s, int dst) {
        struct tm t = {};
        t.tm_year = y - 1900;
        t.tm_mon = mo - 1;
        t.tm_mday = d;
        t.tm_hour = h;
        t.tm_min = mi;
        t.tm_sec = s;
        t.tm_isdst = dst;
        return t;
    }

private:
    CPinnedTimeZone m_zone{"Europe/Berlin"};
};

struct MakeCase {
    const char* name;
    int y, mo, d, h, mi, dst;
    __time64_t expected;
};

// 2024-03-31 02:00 local does not exist (clocks jump to 03:00); 2024-10-27 02:00-03:00 happens twice.
const MakeCase kMake[] = {
    {"winter", 2000, 1, 1, 8, 0, -1, 946710000},
    {"summer", 2024, 7, 1, 12, 0, -1, 1719828000},
    {"repeated hour, summer time", 2024, 10, 27, 2, 30, 1, 1729989000},
    {"repeated hour, winter time", 2024, 10, 27, 2, 30, 0, 1729992600},
    {"after the repeated hour", 2024, 10, 27, 3, 30, -1, 1729996200},
    {"day 32 carries into the next month", 2024, 1, 32, 0, 0, -1, 1706742000},
};

TEST_F(Time64, MakesLocalTimesAcrossDaylightSaving) {
    for (const auto& c : kMake) {
        struct tm t = Local(c.y, c.mo, c.d, c.h, c.mi, 0, c.dst);
        EXPECT_EQ(_mktime64(&t), c.expected) << c.name;
        // The calendar form is normalised to what the local time really reads.
        struct tm back;
        ASSERT_EQ(_localtime64_s(&back, &c.expected), 0) << c.name;
        EXPECT_EQ(t.tm_mday, back.tm_mday) << c.name;
        EXPECT_EQ(t.tm_hour, back.tm_hour) << c.name;
        EXPECT_EQ(t.tm_isdst, back.tm_isdst) << c.name;
    }
}

TEST_F(Time64, AmbiguousAndMissingClockTimesStillGiveAMoment) {
    // In the repeated hour the zone's rules pick one of the two moments.
    struct tm repeated = Local(2024, 10, 27, 2, 30, 0, -1);
    const __time64_t r = _mktime64(&repeated);
    EXPECT_TRUE(r == 1729989000 || r == 1729992600) << r;
    EXPECT_EQ(repeated.tm_hour, 2);

    // In the spring-forward gap 02:30 is taken as one of the two offsets; the result reads back
    // as a real local time (01:30 or 03:30), never as -1.
    struct tm gap = Local(2024, 3, 31, 2, 30, 0, -1);
    const __time64_t g = _mktime64(&gap);
    EXPECT_TRUE(g == 1711845000 || g == 1711848600) << g;
    const struct tm* shown = _localtime64(&g);
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->tm_hour, gap.tm_hour);
    EXPECT_NE(shown->tm_hour, 2);
}

TEST_F(Time64, LocalFormAndItsFailures) {
    const __time64_t summer = 1719828000;
    const struct tm* t = _localtime64(&summer);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->tm_year, 124);
    EXPECT_EQ(t->tm_hour, 12);
    EXPECT_EQ(t->tm_isdst, 1);
    const struct tm* u = _gmtime64(&summer);
    ASSERT_NE(u, nullptr);
    EXPECT_EQ(u->tm_hour, 10);

    EXPECT_EQ(_localtime64(nullptr), nullptr);
    const __time64_t huge = 400000000000000000LL;  // the year does not fit the calendar form
    EXPECT_EQ(_localtime64(&huge), nullptr);
    struct tm out;
    EXPECT_EQ(_localtime64_s(&out, &huge), EINVAL);
    EXPECT_EQ(out.tm_year, -1);
    EXPECT_EQ(out.tm_hour, -1);
    EXPECT_EQ(_localtime64_s(nullptr, &summer), EINVAL);
    EXPECT_EQ(_mktime64(nullptr), -1);

    __time64_t stored = 0;
    const __time64_t now = _time64(&stored);
    EXPECT_EQ(now, stored);
    EXPECT_GT(now, 1700000000);
}

TEST_F(Time64, CTimeFromClockPartsAndBack) {
    const CTime t(2000, 1, 1, 8, 30, 0);
    EXPECT_TRUE(t.IsValid());
    EXPECT_EQ(t.GetTime(), 946711800);
    EXPECT_EQ(t.GetYear(), 2000);
    EXPECT_EQ(t.GetMonth(), 1);
    EXPECT_EQ(t.GetDay(), 1);
    EXPECT_EQ(t.GetHour(), 8);
    EXPECT_EQ(t.GetMinute(), 30);
    EXPECT_EQ(t.GetSecond(), 0);
    EXPECT_EQ(t.GetDayOfWeek(), 7);  // a Saturday
    EXPECT_EQ(t.Format(L"%H:%M %a %d/%m/%Y"), L"08:30 Sat 01/01/2000");

    const CTime later = t + CTimeSpan(0, 1, 45, 0);
    EXPECT_EQ(later.GetHour(), 10);
    EXPECT_EQ(later.GetMinute(), 15);
    EXPECT_EQ((later - t).GetTotalMinutes(), 105);
    EXPECT_EQ((later - t).GetHours(), 1);
    EXPECT_EQ((later - t).GetMinutes(), 45);
    EXPECT_TRUE(t < later);

    // Parts out of range cannot be made.
    struct Bad { int y, mo, d, h, mi, s; };
    const Bad bad[] = {{1899, 1, 1, 0, 0, 0}, {2000, 0, 1, 0, 0, 0}, {2000, 13, 1, 0, 0, 0}, {2000, 1, 0, 0, 0, 0},
                       {2000, 1, 32, 0, 0, 0}, {2000, 1, 1, 24, 0, 0}, {2000, 1, 1, 99, 0, 0}, {2000, 1, 1, 0, 60, 0},
                       {2000, 1, 1, 0, 0, 60}, {2000, 1, 1, -1, 0, 0}};
    for (const auto& b : bad) {
        const CTime x(b.y, b.mo, b.d, b.h, b.mi, b.s);
        EXPECT_FALSE(x.IsValid()) << b.y << "-" << b.mo << "-" << b.d << " " << b.h << ":" << b.mi << ":" << b.s;
    }

    const CTime none(static_cast<__time64_t>(400000000000000000LL));
    EXPECT_EQ(none.GetYear(), 0);
    EXPECT_EQ(none.Format(L"%Y"), L"");
}

}  // namespace
