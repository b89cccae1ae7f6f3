#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "model/schedule_data.h"
#include "model/time_values.h"
#include "timetable/can_place_item.h"
#include "timetable/item_time.h"
#include "timetable/time_table_item.h"
#include "timetable_test_support.h"

namespace {

COleDateTime Monday(int hour, int minute) { return At(2000, 1, 3, hour, minute); }

struct OrderCase {
    const char* name;
    COleDateTime aStart;
    int aMinutes;
    const wchar_t* aTitle;
    COleDateTime bStart;
    int bMinutes;
    const wchar_t* bTitle;
    bool aFirst;
    bool bFirst;
};

COleDateTime Invalid() {
    COleDateTime t;
    t.SetStatus(COleDateTime::invalid);
    return t;
}

}  // namespace

TEST(TimeTableItemOrder, StartThenLongerThenTitle) {
    const OrderCase cases[] = {
        {"earlier start first", Monday(8, 0), 60, L"X", Monday(9, 0), 60, L"X", true, false},
        {"two minutes apart: the exact start decides", Monday(8, 2), 120, L"X", Monday(8, 0), 60, L"X", false, true},
        {"same minute: the longer first", Monday(8, 0), 60, L"X", Monday(8, 0), 90, L"X", false, true},
        {"seconds do not count", Monday(8, 0) + COleDateTimeSpan(0, 0, 0, 20), 60, L"X", Monday(8, 0), 90, L"X", false,
         true},
        {"same length: titles case-sensitive", Monday(8, 0), 60, L"a", Monday(8, 0), 60, L"B", false, true},
        {"equal items", Monday(8, 0), 60, L"X", Monday(8, 0), 60, L"X", false, false},
        {"an invalid start sorts last", Invalid(), 60, L"X", Monday(8, 0), 60, L"X", false, true},
        {"two invalid starts: by length", Invalid(), 30, L"X", Invalid(), 60, L"X", false, true},
    };
    for (const OrderCase& c : cases) {
        const CTimeTableItem a = MakeItem(c.aTitle, c.aStart, c.aMinutes);
        const CTimeTableItem b = MakeItem(c.bTitle, c.bStart, c.bMinutes);
        EXPECT_EQ(CompareTimeTableItems(a, b), c.aFirst) << c.name;
        EXPECT_EQ(CompareTimeTableItems(b, a), c.bFirst) << c.name;
    }
}

TEST(TimeTableItemOrder, IsAStrictOrderForTheStandardSort) {
    // Starts a minute or two apart, equal ones, invalid ones: the library's sort needs a strict
    // weak order and must come out sorted.
    std::vector<CTimeTableItem> items;
    std::mt19937 random(7);
    for (int i = 0; i < 400; ++i) {
        const int minute = static_cast<int>(random() % 7);
        const COleDateTime start = i % 50 == 0 ? Invalid() : Monday(8, minute);
        items.push_back(MakeItem(i % 2 ? L"b" : L"A", start, 45 + static_cast<int>(random() % 3) * 15));
    }
    std::sort(items.begin(), items.end(), CompareTimeTableItems);
    EXPECT_TRUE(std::is_sorted(items.begin(), items.end(), CompareTimeTableItems));
    EXPECT_EQ(items.back().m_dtStart.GetStatus(), COleDateTime::invalid);
}

TEST(TimeTableItem, ExtendersMoveWholeMinutes) {
    struct Case {
        const char* name;
        long long endSeconds;
        long long startSeconds;
        int startMinuteAfter;
        int durationMinutesAfter;
    };
    const Case cases[] = {
        {"end +90 s adds one minute", 90, 0, 0, 61},
        {"end -90 s takes one minute", -90, 0, 0, 59},
        {"end +59 s adds nothing", 59, 0, 0, 60},
        {"start 150 s earlier by two minutes", 0, 150, -2, 62},
        {"start -60 s: one minute later, end kept", 0, -60, 1, 59},
    };
    for (const Case& c : cases) {
        CItemTime block(Monday(9, 0), COleDateTimeSpan(0, 1, 0, 0), 0, 0);
        const COleDateTime end = block.GetEndTime();
        block.ExtendEnd(c.endSeconds);
        block.ExtendStart(c.startSeconds);
        EXPECT_EQ(WholeMinutes(block.m_dtStart - Monday(9, 0)), c.startMinuteAfter) << c.name;
        EXPECT_EQ(WholeMinutes(block.m_tsDuration), c.durationMinutesAfter) << c.name;
        if (c.endSeconds == 0) {
            EXPECT_EQ(WholeMinutes(block.GetEndTime() - end), 0) << c.name;
        }
    }
}

TEST(TimeTableItem, LengthChangedOnlyByWholeMinutes) {
    CTimeTableItem item = MakeItem(L"X", Monday(9, 0), 60);
    item.m_tsLengthAtResize = item.m_tsLength;
    item.m_tsLength += COleDateTimeSpan(0, 0, 0, 20);
    EXPECT_EQ(item.IsLengthChanged(), 0);
    item.m_tsLength += COleDateTimeSpan(0, 0, 1, 0);
    EXPECT_EQ(item.IsLengthChanged(), 1);
}

// The placement rule against a small plan: teacher A (type 1, OVERLAPS 1), class B (type 0,
// OVERLAPS 1), teacher C (OVERLAPS 0), all with day windows 07:00 to 16:00 on five days.
class CanPlaceItemTest : public WeekTemplateTest {
protected:
    void SetUp() override {
        WeekTemplateTest::SetUp();
        AddEntity(1, 1, 1);
        AddEntity(2, 0, 1);
        AddEntity(3, 1, 0);
        AddActivity(1, 0, {1, 2});
        AddActivity(2, 5, {1});
        AddActivity(3, 5, {2});
        AddActivity(4, 0, {2});
        AddActivity(5, 0, {});
        AddActivity(6, 0, {3});
        AddActivity(7, 5, {2});
    }
    void AddEntity(int id, int type, int overlaps) {
        CEntity entity(MakeTimeOfDay(7, 0), 5);
        entity.m_nId = id;
        entity.m_nType = type;
        entity.m_nOverlaps = overlaps;
        m_data.m_arrEntities.push_back(entity);
    }
    void AddActivity(int id, int group, std::vector<int> members) {
        CActivity activity;
        activity.m_nId = id;
        activity.m_nGroup = group;
        activity.m_arrMembers = std::move(members);
        m_data.m_arrActivities.push_back(activity);
    }
    static CTimetableEntry Entry(int activity, const COleDateTime& start, int minutes) {
        CTimetableEntry entry(start, COleDateTimeSpan(0, 0, minutes, 0));
        entry.m_nActivity = activity;
        return entry;
    }
};

TEST_F(CanPlaceItemTest, MembersAreCountedAgainstTheirLimit) {
    struct Case {
        const char* name;
        int activity;
        std::vector<CTimetableEntry> entries;
        COleDateTime start;
        bool expected;
    };
    const Case cases[] = {
        {"an activity without members", 5, {Entry(1, Monday(9, 0), 60)}, Monday(9, 0), true},
        {"a missing activity", 99, {}, Monday(9, 0), false},
        {"free slot", 1, {}, Monday(9, 0), true},
        {"own activity overlapping by 6 minutes", 1, {Entry(1, Monday(9, 54), 60)}, Monday(9, 0), false},
        {"own activity overlapping by exactly 5 minutes", 1, {Entry(1, Monday(9, 55), 60)}, Monday(9, 0), true},
        {"a member with OVERLAPS 0 (no limit), nothing overlapping", 6, {}, Monday(9, 0), true},
        {"teacher already in an overlapping entry", 2, {Entry(1, Monday(9, 0), 60)}, Monday(9, 0), false},
        {"teacher's other entry an hour later", 2, {Entry(1, Monday(10, 0), 60)}, Monday(9, 0), true},
        {"class member: the other activity shares the group", 3, {Entry(7, Monday(9, 0), 60)}, Monday(9, 0), true},
        {"class member: the other activity has no group", 4, {Entry(7, Monday(9, 0), 60)}, Monday(9, 0), false},
        {"an overlapping entry of a missing activity", 4, {Entry(42, Monday(9, 0), 60)}, Monday(9, 0), false},
        {"outside the members' day window", 1, {}, Monday(17, 0), false},
    };
    for (const Case& c : cases) {
        CTimeTableItem item = MakeItem(L"X", c.start, 60, c.activity);
        EXPECT_EQ(CanPlaceItem(m_data, item, c.entries, c.start, c.start + COleDateTimeSpan(0, 1, 0, 0)), c.expected)
            << c.name;
    }
}

TEST_F(CanPlaceItemTest, TimeBlocksKeepTheTagBeforeTheDayIndexAndInitTakesThePlanDay) {
    const CItemTime block(Monday(9, 0), COleDateTimeSpan(0, 1, 0, 0), 4, 2);
    EXPECT_EQ(block.m_nTag, 4);
    EXPECT_EQ(block.m_nDayIndex, 2);
    CItemTime initialised;
    initialised.Init(m_data, At(2000, 1, 5, 10, 0), COleDateTimeSpan(0, 2, 0, 0), 1);
    EXPECT_EQ(initialised.m_nDayIndex, 2);
    EXPECT_EQ(initialised.m_nTag, 1);
    initialised.Init(m_data, At(2000, 1, 3, 0, 0), COleDateTimeSpan(0, 2, 0, 0), 0);
    EXPECT_EQ(initialised.m_nDayIndex, -1);
}
