// The edits of a magnet's entry start and length, its edge hit test and its order.
#include "planner/magnet_item.h"

#include <gtest/gtest.h>

#include "model/time_values.h"
#include "planner_test_support.h"

namespace {

int Minutes(const COleDateTimeSpan& span) { return WholeMinutes(span); }

}  // namespace

TEST(MagnetItemTest, SetStartHourDropsMinutesAndKeepsInvalid) {
    struct Case {
        COleDateTime time;
        COleDateTime expected;
    } cases[] = {
        {At(2000, 1, 3, 8, 40), At(2000, 1, 3, 8, 0)},
        {At(2000, 1, 3, 8, 0), At(2000, 1, 3, 8, 0)},
        {COleDateTime(2000, 1, 3, 23, 59, 59), At(2000, 1, 3, 23, 0)},
    };
    for (const Case& c : cases) {
        CMagnetItem magnet = MakeMagnet(1, At(2000, 1, 3, 10, 0), 60);
        magnet.SetStartHour(c.time);
        EXPECT_EQ(magnet.m_dtEntryStart, c.expected);
        EXPECT_EQ(Minutes(magnet.m_tsEntryLength), 60);
    }
    COleDateTime invalid;
    invalid.SetStatus(COleDateTime::invalid);
    CMagnetItem magnet = MakeMagnet(1, At(2000, 1, 3, 10, 0), 60);
    magnet.SetStartHour(invalid);
    EXPECT_EQ(magnet.m_dtEntryStart.GetStatus(), COleDateTime::invalid);
}

TEST(MagnetItemTest, SetEndOnlyWithTheMinimumLength) {
    struct Case {
        int endHour, endMinute, minimum;
        bool result;
        int length;
    } cases[] = {
        {9, 0, 60, true, 60},    // exactly the minimum
        {8, 59, 60, false, 45},  // one minute short: unchanged
        {8, 30, 0, true, 30},
        {7, 30, 0, false, 45},   // before the start
        {11, 15, 60, true, 195},
    };
    for (const Case& c : cases) {
        CMagnetItem magnet = MakeMagnet(1, At(2000, 1, 3, 8, 0), 45);
        EXPECT_EQ(magnet.SetEnd(At(2000, 1, 3, c.endHour, c.endMinute), c.minimum), c.result) << c.endHour << ":" << c.endMinute;
        EXPECT_EQ(Minutes(magnet.m_tsEntryLength), c.length) << c.endHour << ":" << c.endMinute;
        EXPECT_EQ(magnet.m_dtEntryStart, At(2000, 1, 3, 8, 0));
    }
}

TEST(MagnetItemTest, SnapToHoursCutsStartAndEndAndKeepsAnHour) {
    struct Case {
        int startMinute, length;
        int expectedLength;
    } cases[] = {
        // The end is the new start plus the old length, cut to the hour.
        {40, 30, 60},    // 08:00 + 30 = 08:30 -> 08:00: less than an hour becomes an hour
        {40, 90, 60},    // 08:00 + 90 = 09:30 -> 09:00
        {40, 150, 120},  // 08:00 + 150 = 10:30 -> 10:00
        {0, 60, 60},
        {0, 20, 60},
    };
    for (const Case& c : cases) {
        CMagnetItem magnet = MakeMagnet(1, At(2000, 1, 3, 8, c.startMinute), c.length);
        magnet.SnapToHours();
        EXPECT_EQ(magnet.m_dtEntryStart, At(2000, 1, 3, 8, 0)) << c.startMinute << "+" << c.length;
        EXPECT_EQ(Minutes(magnet.m_tsEntryLength), c.expectedLength) << c.startMinute << "+" << c.length;
    }
}

TEST(MagnetItemTest, SetEndTimeOfDayNeedsMoreThanTenMinutes) {
    struct Case {
        int hour, minute, length;
    } cases[] = {{8, 10, 60}, {8, 5, 60}, {8, 11, 11}, {10, 30, 150}, {7, 0, 60}};
    for (const Case& c : cases) {
        CMagnetItem magnet = MakeMagnet(1, At(2000, 1, 3, 8, 0), 60);
        // Only the time of day counts, not the date.
        magnet.SetEndTimeOfDay(At(2000, 1, 1, c.hour, c.minute));
        EXPECT_EQ(Minutes(magnet.m_tsEntryLength), c.length) << c.hour << ":" << c.minute;
    }
}

TEST(MagnetItemTest, HitTestEdge) {
    struct Case {
        int state, selected, x, offset, right;
        int expected;
    } cases[] = {
        {2, 1, 105, 0, 200, CMagnetItem::kEdgeMove},
        {2, 1, 195, 0, 200, CMagnetItem::kEdgeResize},
        {2, 1, 150, 0, 200, CMagnetItem::kEdgeNone},
        {2, 1, 250, 0, 200, CMagnetItem::kEdgeNone},   // outside
        {2, 1, 5, 100, 200, CMagnetItem::kEdgeMove},   // the offset is added
        {2, 0, 105, 0, 200, CMagnetItem::kEdgeNone},   // not selected
        {0, 1, 105, 0, 200, CMagnetItem::kEdgeNone},   // states 0 and 7 are fixed
        {7, 1, 195, 0, 200, CMagnetItem::kEdgeNone},
        {5, 1, 105, 0, 200, CMagnetItem::kEdgeNone},   // 5 and 9 do not move
        {9, 1, 105, 0, 200, CMagnetItem::kEdgeNone},
        {5, 1, 106, 0, 115, CMagnetItem::kEdgeResize}, // but a narrow one resizes
    };
    for (const Case& c : cases) {
        CMagnetItem magnet = MakeMagnet(1, At(2000, 1, 3, 8, 0), 60);
        magnet.m_nState = c.state;
        magnet.m_bSelected = c.selected;
        magnet.m_rect = CRect(100, 0, c.right, 35);
        EXPECT_EQ(magnet.HitTestEdge(c.x, c.offset), c.expected) << "state " << c.state << " x " << c.x;
    }
}

TEST(MagnetItemTest, ActiveStates) {
    for (int state = 0; state < 12; ++state) {
        CMagnetItem magnet = MakeMagnet(1, At(2000, 1, 3, 8, 0), 60);
        magnet.m_nState = state;
        EXPECT_EQ(magnet.IsActive(), !(state == 0 || state == 5 || state == 7 || state == 9)) << state;
    }
}

TEST(MagnetItemTest, LessByStartIsAStrictOrder) {
    // Starts, then the longer first, then the lower entry; never both ways, never itself.
    const CMagnetItem items[] = {
        MakeMagnet(5, At(2000, 1, 3, 8, 0), 120), MakeMagnet(3, At(2000, 1, 3, 8, 0), 60),
        MakeMagnet(4, At(2000, 1, 3, 8, 0), 60),  MakeMagnet(1, At(2000, 1, 3, 8, 2), 60),
        MakeMagnet(2, At(2000, 1, 4, 7, 0), 60),
    };
    const int n = static_cast<int>(std::size(items));
    for (int i = 0; i < n; ++i) {
        EXPECT_FALSE(CMagnetItem::LessByStart(items[i], items[i]));
        for (int j = 0; j < n; ++j) {
            EXPECT_EQ(CMagnetItem::LessByStart(items[i], items[j]), i < j) << i << " " << j;
        }
    }
}
