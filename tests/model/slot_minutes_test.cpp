#include "model/slot_minutes.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/time_values.h"

namespace {

COleDateTimeSpan Minutes(double minutes) { return COleDateTimeSpan(minutes / 1440.0); }

std::int64_t WholeMinutesOf(const COleDateTime& t) { return std::llround(COleDateTime::ToLinear(t.m_dt) * 1440.0); }

// One option against one other, of every pair of these lengths with the other starting up to
// 130 minutes either side, must score in minutes exactly when the tolerant test says they
// overlap: around noon, across midnight, and across the day where the stored dates turn
// negative. Pairs the minute form cannot take are left to the tolerant test.
TEST(SlotMinutes, MinuteScoresAgreeWithTheTolerantTest) {
    const COleDateTime anchors[] = {COleDateTime(2024, 3, 4, 12, 0, 0), COleDateTime(2024, 3, 4, 23, 30, 0),
                                    COleDateTime(1899, 12, 29, 23, 15, 0)};
    const int lengths[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 30, 45, 60, 61, 90, 120};
    int mismatches = 0, compared = 0, total = 0;
    for (const COleDateTime& anchor : anchors)
        for (int l1 : lengths)
            for (int l2 : lengths)
                for (int offset = -130; offset <= 130 && mismatches < 5; ++offset) {
                    ++total;
                    std::vector<CCandidateSlot> own = {{anchor, 0.0}};
                    const std::vector<CCandidateSlot> other = {{anchor + Minutes(offset), 0.0}};
                    if (!ScoreOverlapsInMinutes(own, CSlotMinutes(own, Minutes(l1)), CSlotMinutes(other, Minutes(l2))))
                        continue;
                    ++compared;
                    const COleDateTime& s2 = other[0].m_dtStart;
                    const bool tolerant = IntervalsOverlap(anchor, anchor + Minutes(l1), s2, s2 + Minutes(l2));
                    if (own[0].m_dScore == (tolerant ? 1.0 : 0.0)) continue;
                    ++mismatches;
                    ADD_FAILURE() << anchor.Format(L"%Y-%m-%d %H:%M").GetString() << " lengths " << l1 << "/" << l2
                                  << " offset " << offset << ": tolerant " << tolerant;
                }
    EXPECT_GT(compared, total * 9 / 10);  // the minute form takes nearly all of them
}

TEST(SlotMinutes, OnlyWholeMinutesAreExact) {
    const COleDateTime nine(2024, 3, 4, 9, 0, 0);
    COleDateTime invalid;
    invalid.SetStatus(COleDateTime::invalid);
    struct Case {
        const char* name;
        COleDateTime start;
        COleDateTimeSpan length;
        bool exact;
    };
    const Case cases[] = {
        {"whole minutes", nine, Minutes(45), true},
        {"a millisecond off", nine + COleDateTimeSpan(0.001 / 86400.0), Minutes(45), true},
        {"half a minute off", nine + Minutes(0.5), Minutes(45), false},
        {"length of half minutes", nine, Minutes(45.5), false},
        {"negative length", nine, Minutes(-60), false},
        {"start not valid", invalid, Minutes(45), false},
        {"end beyond the calendar", COleDateTime(9999, 12, 31, 23, 30, 0), Minutes(60), false},
    };
    for (const Case& c : cases) {
        const CSlotMinutes minutes({{nine, 0.0}, {c.start, 0.0}}, c.length);
        EXPECT_EQ(minutes.IsExact(), c.exact) << c.name;
        if (!c.exact) continue;
        EXPECT_EQ(minutes.Starts()[0], WholeMinutesOf(nine)) << c.name;
        EXPECT_EQ(minutes.Length(), 45) << c.name;
    }
}

}  // namespace
