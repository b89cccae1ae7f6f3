// When entries and items clash in time, and the order of an entity's items.
#include "model/entity_item.h"
#include "model/time_clash.h"
#include "rules_fixture.h"

namespace {

class TimeClash : public RulesFixture {
protected:
    void SetUp() override {
        // Two chime sets whose lessons differ: hourly from 07:00, and 50-minute lessons.
        CChimeSet hourly;
        hourly.m_nId = 1;
        for (int h = 7; h < 16; ++h) hourly.m_arrIntervals.push_back({MakeTimeOfDay(h, 0), L""});
        CChimeSet shortLessons;
        shortLessons.m_nId = 2;
        for (int i = 0; i < 9; ++i) shortLessons.m_arrIntervals.push_back({MakeTimeOfDay(7 + (i * 50) / 60, (i * 50) % 60), L""});
        m_data.m_arrChimeSets.push_back(hourly);
        m_data.m_arrChimeSets.push_back(shortLessons);
        AddEntity(1, 0);
        AddActivity(10, {1}).m_nChimeSet = 1;
        AddActivity(20, {1}).m_nChimeSet = 2;
    }
    CTimetableEntry Make(int activity, int hour, int minute, int minutes) {
        CTimetableEntry entry(At(0, hour, minute), Minutes(minutes));
        entry.m_nActivity = activity;
        return entry;
    }
};

struct ClashCase {
    const char* name;
    int otherActivity, otherHour, otherMinute, otherMinutes;
    int activity, hour, minute, minutes;
    bool clash;
};

const ClashCase kClashes[] = {
    {"3 minutes shared", 10, 8, 0, 60, 10, 8, 57, 63, false},
    {"4 minutes shared", 10, 8, 0, 60, 10, 8, 56, 64, true},
    {"one inside the other", 10, 8, 0, 120, 10, 8, 30, 30, true},
    {"touching, one chime set", 10, 8, 0, 60, 10, 9, 0, 60, false},
    // Hourly lesson 08:00-09:00 before the short lesson of 09:00, which runs from 08:40.
    {"touching, two chime sets, lessons overlap", 10, 8, 0, 60, 20, 9, 0, 60, true},
    // Short lesson 07:50-08:40 before the hourly lesson of 09:00.
    {"touching, two chime sets, lessons apart", 20, 8, 0, 60, 10, 9, 0, 60, false},
    {"touching the other way, two chime sets", 20, 9, 0, 60, 10, 8, 0, 60, true},
    {"apart", 10, 8, 0, 60, 20, 11, 0, 60, false},
};

TEST_F(TimeClash, EntriesClashWhenSharingMoreThanThreeMinutesOrTheirLessonsOverlap) {
    for (const auto& c : kClashes) {
        const CTimetableEntry other = Make(c.otherActivity, c.otherHour, c.otherMinute, c.otherMinutes);
        const CTimetableEntry entry = Make(c.activity, c.hour, c.minute, c.minutes);
        EXPECT_EQ(EntriesClashInTime(m_data, other, entry.GetChimeSetId(m_data), entry), c.clash) << c.name;

        // Items are compared in list order: the earlier one second.
        const CEntityItem entryItem(entry, 0, 0, entry.GetChimeSetId(m_data), 0, 1);
        const CEntityItem otherItem(other, 0, 0, other.GetChimeSetId(m_data), 0, 1);
        const bool otherFirst = other.m_dtStart <= entry.m_dtStart;
        EXPECT_EQ(otherFirst ? ItemsClashInTime(m_data, entryItem, otherItem) : ItemsClashInTime(m_data, otherItem, entryItem),
                  c.clash)
            << c.name;
    }
}

TEST_F(TimeClash, UnplacedEntryClashesWithNothing) {
    CTimetableEntry unplaced(GetUnplacedDate(), Minutes(60));
    unplaced.m_nActivity = 10;
    CTimetableEntry stored = unplaced;
    EXPECT_FALSE(EntriesClashInTime(m_data, stored, 1, unplaced));
    // Control: the same pair placed on a plan day clashes.
    stored.m_dtStart = unplaced.m_dtStart = At(0, 8, 0);
    EXPECT_TRUE(EntriesClashInTime(m_data, stored, 1, unplaced));
    // Any start in 1970 is unplaced, to the year's last hour; a day later it is placed.
    stored.m_dtStart = unplaced.m_dtStart = COleDateTime(1970, 12, 31, 22, 0, 0);
    EXPECT_FALSE(EntriesClashInTime(m_data, stored, 1, unplaced));
    stored.m_dtStart = unplaced.m_dtStart = COleDateTime(1971, 1, 1, 8, 0, 0);
    EXPECT_TRUE(EntriesClashInTime(m_data, stored, 1, unplaced));
}

struct OrderCase {
    const char* name;
    int minuteA, stateA, orderA, minutesA;
    int minuteB, stateB, orderB, minutesB;
    bool aFirst, bFirst;
};

const OrderCase kOrders[] = {
    {"earlier start", 0, 5, 0, 60, 3, 0, 9, 90, true, false},
    {"starts within 3 minutes: smaller state", 0, 5, 0, 60, 2, 1, 0, 60, false, true},
    {"same state: larger ordering number", 0, 1, 7, 60, 2, 1, 3, 90, true, false},
    {"same ordering number: longer", 0, 1, 3, 60, 2, 1, 3, 90, false, true},
    {"all equal", 0, 1, 3, 60, 0, 1, 3, 60, false, false},
};

TEST_F(TimeClash, ItemOrderIsStrict) {
    for (const auto& c : kOrders) {
        CEntityItem a, b;
        a.m_dtStart = At(0, 8, c.minuteA);
        a.m_dtEnd = a.m_dtStart + Minutes(c.minutesA);
        a.m_nState = c.stateA;
        a.m_nOrder = c.orderA;
        b.m_dtStart = At(0, 8, c.minuteB);
        b.m_dtEnd = b.m_dtStart + Minutes(c.minutesB);
        b.m_nState = c.stateB;
        b.m_nOrder = c.orderB;
        EXPECT_EQ(LessEntityItem(a, b), c.aFirst) << c.name;
        EXPECT_EQ(LessEntityItem(b, a), c.bFirst) << c.name;
    }
    // An item without a valid start never goes first; against it the state decides.
    CEntityItem dated, undated;
    dated.m_dtStart = At(0, 8, 0);
    dated.m_dtEnd = dated.m_dtStart + Minutes(60);
    dated.m_nState = 5;
    undated.m_dtStart.SetStatus(COleDateTime::invalid);
    undated.m_nState = 1;
    EXPECT_FALSE(LessEntityItem(undated, dated));
    EXPECT_FALSE(LessEntityItem(dated, undated));
    dated.m_nState = 0;
    EXPECT_TRUE(LessEntityItem(dated, undated));
}

TEST_F(TimeClash, SortKeepsEqualItemsInOrder) {
    CEntity entity;
    for (int i = 0; i < 5; ++i) {
        CEntityItem item;
        item.m_dtStart = At(0, 8 + (i % 2), 0);
        item.m_dtEnd = item.m_dtStart + Minutes(60);
        item.m_nActivity = i;
        entity.m_arrItems.push_back(item);
    }
    SortEntityItems(entity);
    std::vector<int> order;
    for (const auto& item : entity.m_arrItems) order.push_back(item.m_nActivity);
    EXPECT_EQ(order, (std::vector<int>{0, 2, 4, 1, 3}));
}

}  // namespace
