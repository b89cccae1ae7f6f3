// Whether an entry may be placed, whether an entity may join an activity, and who conflicts.
#include "rules_fixture.h"

namespace {

class Placement : public RulesFixture {
protected:
    void SetUp() override {
        AddEntity(1, 0);     // a class
        AddEntity(2, 1);     // a teacher
        AddEntity(3, 0);     // another class
        AddEntity(4, 1);     // another teacher
        AddEntity(5, 4);     // a room
        AddActivity(10, {1, 2});
        AddActivity(20, {3, 2});
        AddActivity(30, {1, 4});
        AddActivity(40, {3, 4});
    }
    CTimetableEntry Proposed(int activity, int day, int hour, int minute, int minutes) {
        CTimetableEntry entry(At(day, hour, minute), Minutes(minutes));
        entry.m_nActivity = activity;
        return entry;
    }
};

TEST_F(Placement, CanPlaceEntryAsksEveryMember) {
    AddEntry(20, 0, 9, 0, 60);  // the teacher is busy at 09:00 on day 0
    struct Case {
        const char* name;
        int activity, day, hour;
        int expected;
    } cases[] = {
        {"free hour", 10, 0, 10, 1},
        {"teacher busy", 10, 0, 9, 0},
        {"other teacher free then", 30, 0, 9, 1},
        {"outside the class's window", 10, 0, 16, 0},
        {"missing activity", 99, 0, 10, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(m_data.CanPlaceEntry(c.activity, 0, Proposed(c.activity, c.day, c.hour, 0, 60)), c.expected) << c.name;
    AddActivity(50, {});
    EXPECT_EQ(m_data.CanPlaceEntry(50, 0, Proposed(50, 0, 23, 0, 60)), 1);  // no members
    // Absent member; control on another day.
    Entity(1).m_arrAbsences.push_back(Absence(1, 10, 0, 60));
    EXPECT_EQ(m_data.CanPlaceEntry(10, 0, Proposed(10, 1, 10, 0, 60)), 0);
    EXPECT_EQ(m_data.CanPlaceEntry(10, 0, Proposed(10, 2, 10, 0, 60)), 1);
    // The excluded activity does not count (the entry being moved).
    EXPECT_EQ(m_data.CanPlaceEntry(10, 20, Proposed(10, 0, 9, 0, 60)), 1);
}

// A type-1 entity with OVERLAPS 2 and a number of entries of other activities at the hour.
struct LimitCase {
    int overlaps, existing, excluded;
    int clash;
};

const LimitCase kLimits[] = {
    {2, 1, 0, 0},  // 1 >= 2 is false
    {2, 1, 99, 0},
    {2, 2, 0, 1},  // 2 >= 2
    {2, 2, 99, 0}, // 2 > 2 is false
    {1, 1, 0, 1},  {1, 0, 0, 0},
    {0, 5, 0, 0},  // no limit
};

TEST_F(Placement, EntityHasClashComparesItsCountWithOverlaps) {
    AddActivity(60, {2});
    AddActivity(70, {2});
    for (const auto& c : kLimits) {
        m_data.m_arrEntries.clear();
        for (int i = 0; i < c.existing; ++i) AddEntry(i % 2 ? 70 : 60, 0, 9, 0, 60);
        Entity(2).m_nOverlaps = c.overlaps;
        EXPECT_EQ(m_data.EntityHasClash(2, 10, Proposed(10, 0, 9, 0, 60), c.excluded), c.clash)
            << c.overlaps << " / " << c.existing << " / " << c.excluded;
    }
}

TEST_F(Placement, TypeZeroMemberClashesOutsideItsGroupOnly) {
    AddActivity(60, {1}, {}, 8);
    AddActivity(70, {1}, {}, 8);
    AddActivity(80, {1});
    AddEntry(70, 0, 9, 0, 60);
    EXPECT_EQ(m_data.EntityHasClash(1, 60, Proposed(60, 0, 9, 0, 60), 0), 0);  // same group
    EXPECT_EQ(m_data.EntityHasClash(1, 80, Proposed(80, 0, 9, 0, 60), 0), 1);  // ungrouped
    EXPECT_EQ(m_data.EntityHasClash(1, 80, Proposed(80, 0, 10, 0, 60), 0), 0); // another hour
    EXPECT_EQ(m_data.EntityHasClash(1, 80, Proposed(80, 1, 9, 0, 60), 0), 0);  // another day
}

TEST_F(Placement, CountEntityOverlapsCountsParticipantsToo) {
    AddEntry(20, 0, 9, 0, 60);
    Entry(AddEntry(40, 0, 9, 0, 60)).m_arrReplacements.push_back(Replacement(2));
    Entry(AddEntry(40, 0, 9, 30, 60)).m_bLinked = 1;  // linked: left out
    EXPECT_EQ(m_data.CountEntityOverlaps(2, 10, 0, nullptr, Proposed(10, 0, 9, 0, 60)), 2);
    EXPECT_EQ(m_data.CountEntityOverlaps(2, 10, 20, nullptr, Proposed(10, 0, 9, 0, 60)), 1);
    EXPECT_EQ(m_data.CountEntityOverlaps(2, 10, 0, nullptr, Proposed(10, 0, 11, 0, 60)), 0);
}

TEST_F(Placement, OverlapsCountOnTheCalendarDayOfTheStart) {
    // 23:59:59.6 is taken as midnight of the next day, as the calendar parts round it.
    const std::size_t late = AddEntry(20, 0, 23, 59, 60);
    Entry(late).m_dtStart = At(0, 23, 59, 59) + COleDateTimeSpan(0.6 / 86400.0);
    EXPECT_EQ(m_data.CountEntityOverlaps(2, 10, 0, nullptr, Proposed(10, 1, 0, 30, 60)), 1);
    Entry(late).m_dtStart = At(0, 23, 59, 59) + COleDateTimeSpan(0.4 / 86400.0);  // still day 0
    EXPECT_EQ(m_data.CountEntityOverlaps(2, 10, 0, nullptr, Proposed(10, 1, 0, 30, 60)), 0);
}

TEST_F(Placement, CanPlaceEntryByOverlapsTreatsZeroAsNoLimit) {
    AddActivity(60, {2});
    AddEntry(20, 0, 9, 0, 60);
    AddEntry(60, 0, 9, 0, 60);
    const CTimetableEntry stored = Entry(AddEntry(10, 0, 9, 0, 60));
    struct Case {
        int overlaps;
        int expected;
    } cases[] = {{1, 0}, {2, 1}, {0, 1}};
    for (const auto& c : cases) {
        Entity(2).m_nOverlaps = c.overlaps;
        EXPECT_EQ(m_data.CanPlaceEntryByOverlaps(10, stored), c.expected) << c.overlaps;
    }
    Entity(2).m_nOverlaps = 1;
    EXPECT_EQ(m_data.CanPlaceEntryByOverlaps(10, Proposed(10, 0, 11, 0, 60)), 1);  // control: free hour
}

TEST_F(Placement, FindConflictingEntityNamesTheSharedParticipant) {
    const std::size_t first = AddEntry(10, 0, 9, 0, 60);
    const std::size_t second = AddEntry(20, 0, 9, 0, 60);
    struct Case {
        int overlaps;
        bool conflict;
    } cases[] = {{1, true}, {0, false}, {3, false}};
    for (const auto& c : cases) {
        Entity(2).m_nOverlaps = c.overlaps;
        const auto found = m_data.FindConflictingEntity(Entry(first));
        if (c.conflict) {
            ASSERT_NE(found, m_data.m_arrEntities.end()) << c.overlaps;
            EXPECT_EQ(found->m_nId, 2);
        } else {
            EXPECT_EQ(found, m_data.m_arrEntities.end()) << c.overlaps;
        }
    }
    // Control: apart in time.
    Entity(2).m_nOverlaps = 1;
    Entry(second).m_dtStart = At(0, 11, 0);
    EXPECT_EQ(m_data.FindConflictingEntity(Entry(first)), m_data.m_arrEntities.end());
}

TEST_F(Placement, EntityMaxOverlapIncludesTheEntryItself) {
    EXPECT_EQ(m_data.GetEntityMaxOverlap(2), 0);
    AddEntry(10, 0, 8, 0, 60);
    AddEntry(20, 0, 10, 0, 60);
    EXPECT_EQ(m_data.GetEntityMaxOverlap(2), 1);
    AddEntry(20, 0, 8, 30, 60);
    EXPECT_EQ(m_data.GetEntityMaxOverlap(2), 2);
}

TEST_F(Placement, BusyAndLinkedEntities) {
    const std::size_t entry = AddEntry(10, 0, 9, 0, 60);
    EXPECT_EQ(m_data.IsEntityBusyDuring(2, Proposed(30, 0, 9, 0, 60)), 1);
    EXPECT_EQ(m_data.IsEntityBusyDuring(2, Proposed(10, 0, 9, 0, 60)), 0);  // its own activity
    EXPECT_EQ(m_data.IsEntityBusyDuring(4, Proposed(30, 0, 9, 0, 60)), 0);

    struct Case {
        int a, b;
        int linked;
    } cases[] = {{1, 2, 1}, {1, 4, 1}, {2, 4, 0}, {3, 1, 0}};
    for (const auto& c : cases) EXPECT_EQ(m_data.AreEntitiesLinked(c.a, c.b), c.linked) << c.a << "-" << c.b;
    Entry(entry).m_arrReplacements.push_back(Replacement(4));
    EXPECT_EQ(m_data.AreEntitiesLinked(2, 4), 1);  // named in an entry of an activity of the other
}

TEST_F(Placement, CanAddEntityToActivity) {
    AddEntry(10, 0, 9, 0, 60);
    AddEntry(40, 0, 9, 0, 60);
    struct Case {
        const char* name;
        int activity, entity;
        int expected;
    } cases[] = {
        {"already a member", 10, 2, 0},
        {"teacher busy at an entry", 10, 4, 0},
        {"teacher free at every entry", 30, 2, 1},
        {"missing entity", 10, 99, 0},
        {"room", 10, 5, 1},
    };
    AddEntry(30, 0, 11, 0, 60);
    for (const auto& c : cases) EXPECT_EQ(m_data.CanAddEntityToActivity(c.activity, c.entity), c.expected) << c.name;
    EXPECT_EQ(m_data.CanEntityUseActivity(10, 5), 1);
    EXPECT_EQ(m_data.CanEntityUseActivity(99, 5), 0);
    Activity(10).m_arrRooms = {5};
    EXPECT_EQ(m_data.CanAddEntityToActivity(10, 5), 0);  // already there
    EXPECT_EQ(m_data.CanEntityUseActivity(10, 5), 0);
    Activity(10).m_arrRooms.clear();
    Activity(10).m_strLocation = L"Outside";
    EXPECT_EQ(m_data.CanAddEntityToActivity(10, 5), 0);
}

TEST_F(Placement, PlacementSafety) {
    EXPECT_FALSE(m_data.IsPlacementSafe(99, Proposed(99, 0, 9, 0, 60)));
    for (auto id : {10, 20, 30, 40}) Activity(id).m_tsMeeting = Minutes(60);
    // Open activities of the teacher with room elsewhere: safe.
    Activity(20).m_tsDuration = Minutes(60);
    EXPECT_TRUE(m_data.IsPlacementSafe(10, Proposed(10, 0, 9, 0, 60)));
    // Activity 20 can go nowhere but 09:00 on day 0: placing 10 there takes its only hour.
    for (int d = 0; d < kMaxPlanDays; ++d) Entity(3).m_tDayEnd[d] = Entity(3).m_tDayStart[d];
    Entity(3).m_tDayStart[0] = MakeTimeOfDay(9, 0);
    Entity(3).m_tDayEnd[0] = MakeTimeOfDay(10, 0);
    EXPECT_FALSE(m_data.IsPlacementSafe(10, Proposed(10, 0, 9, 0, 60)));
    EXPECT_TRUE(m_data.IsPlacementSafe(10, Proposed(10, 0, 11, 0, 60)));
}

TEST_F(Placement, PlacementSafetyKeepsAFullyPlannedClassUsable) {
    for (auto id : {10, 20, 30, 40}) Activity(id).m_tsMeeting = Minutes(60);
    // Class 3 has exactly one free hour a week and one open activity that needs it.
    for (int d = 0; d < kMaxPlanDays; ++d) Entity(3).m_tDayEnd[d] = Entity(3).m_tDayStart[d];
    Entity(3).m_tDayStart[0] = MakeTimeOfDay(9, 0);
    Entity(3).m_tDayEnd[0] = MakeTimeOfDay(10, 0);
    Activity(40).m_tsDuration = Minutes(60);
    ASSERT_TRUE(Entity(3).IsLoadBalanced(m_data));
    // Activity 30 shares teacher 4 with 40: at 09:00 it leaves class 3 without a usable hour.
    EXPECT_FALSE(m_data.IsPlacementSafe(30, Proposed(30, 0, 9, 0, 60)));
    // Control: activity 10 shares nobody with 40.
    EXPECT_TRUE(m_data.IsPlacementSafe(10, Proposed(10, 0, 9, 0, 60)));
}

}  // namespace
