// Entity items, the overlap limit and its cost, clash counts and the position rule.
#include "model/plan_index.h"
#include "model/time_clash.h"
#include "rules_fixture.h"

namespace {

class EntityItems : public RulesFixture {
protected:
    void SetUp() override {
        AddEntity(1, 1);  // a teacher
        AddEntity(2, 0);  // a class
        AddEntity(3, 0);  // another class
        AddEntity(4, 1);  // a stand-in
        AddActivity(10, {1, 2});
        AddActivity(20, {1, 3});
        AddActivity(30, {1});
    }
};

// Three entries of the teacher at the same hour; OVERLAPS decides how many may run at once.
struct LimitCase {
    int overlaps;
    bool violation;
    double cost;  // weight 2 x item weight 1.5 x 60 minutes x excess, first item only
};

const LimitCase kLimits[] = {
    {2, true, 2 * 1.5 * 60 * 1},
    {3, false, 0.0},
    {1, true, 2 * 1.5 * 60 * 2 + 2 * 1.5 * 60 * 1},
    {0, false, 0.0},  // no limit
};

TEST_F(EntityItems, OverlapLimitCountsClashesOfTheDay) {
    for (const auto& c : kLimits) {
        m_data.m_arrEntries.clear();
        for (int activity : {10, 20, 30}) Entry(AddEntry(activity, 0, 8, 0, 60)).m_dWorkWeight = 1.5;
        AddEntry(10, 1, 8, 0, 60);  // another day does not count
        Entity(1).m_nOverlaps = c.overlaps;
        m_data.RebuildEntityItems(0);
        ASSERT_EQ(Entity(1).m_arrItems.size(), 4u);
        const std::uint64_t first = Entity(1).m_arrItems.front().m_nEntry;
        EXPECT_EQ(Entity(1).FindOverlapViolation(m_data, false), c.violation ? first : 0u) << c.overlaps;
        EXPECT_DOUBLE_EQ(Entity(1).GetOverlapCost(m_data, 2.0), c.cost) << c.overlaps;
    }
}

TEST_F(EntityItems, GroupedItemsOfATypeZeroEntityDoNotClash) {
    // The class takes part in two activities of one group at the same hour.
    AddActivity(40, {2}, {}, 7);
    AddActivity(50, {2}, {}, 7);
    AddActivity(60, {2});
    AddEntry(40, 0, 8, 0, 60);
    const std::size_t second = AddEntry(50, 0, 8, 0, 60);
    m_data.RebuildEntityItems(0);
    EXPECT_EQ(Entity(2).FindOverlapViolation(m_data, false), 0u);
    // Control: an ungrouped activity at the same hour clashes.
    Entry(second).m_nActivity = 60;
    m_data.RebuildEntityItems(0);
    EXPECT_NE(Entity(2).FindOverlapViolation(m_data, false), 0u);
}

TEST_F(EntityItems, OverlapRulesLeaveTheItemListAsItIs) {
    Entry(AddEntry(10, 0, 8, 0, 60)).m_dWorkWeight = 1.0;
    const std::size_t moved = AddEntry(20, 0, 10, 0, 60);
    Entry(moved).m_dWorkWeight = 1.0;
    m_data.RebuildEntityItems(0);
    const std::vector<CEntityItem> before = Entity(1).m_arrItems;
    // Moving the entry onto the other one: only refreshing rules see it.
    Entry(moved).m_dtStart = At(0, 8, 0);
    EXPECT_EQ(Entity(1).FindOverlapViolation(m_data, false), 0u);
    EXPECT_NE(Entity(1).FindOverlapViolation(m_data, true), 0u);
    EXPECT_GT(Entity(1).GetOverlapCost(m_data, 1.0), 0.0);  // the cost always takes current times
    EXPECT_TRUE(Entity(1).HasItemOverlapping(m_data, Entry(0)));
    ASSERT_EQ(Entity(1).m_arrItems.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) EXPECT_EQ(Entity(1).m_arrItems[i].m_dtStart, before[i].m_dtStart);
    // RefreshItemTimes is the one that writes.
    Entity(1).RefreshItemTimes(m_data);
    EXPECT_EQ(Entity(1).m_arrItems[1].m_dtStart, At(0, 8, 0));
}

TEST_F(EntityItems, ItemsFindTheirEntriesAfterTheTimetableGrows) {
    const std::size_t first = AddEntry(10, 0, 8, 0, 60);
    m_data.RebuildEntityItems(0);
    const std::uint64_t serial = Entry(first).GetSerial();
    for (int i = 0; i < 200; ++i) AddEntry(30, 2, 8, 0, 60);  // the array moves
    m_data.m_arrEntries.erase(m_data.m_arrEntries.begin() + 1);
    Entry(first).m_dtStart = At(0, 11, 0);
    Entity(2).RefreshItemTimes(m_data);
    ASSERT_EQ(Entity(2).m_arrItems.size(), 1u);
    EXPECT_EQ(Entity(2).m_arrItems[0].m_nEntry, serial);
    EXPECT_EQ(Entity(2).m_arrItems[0].m_dtStart, At(0, 11, 0));
}

struct KindCase {
    const char* name;
    bool linked, absent, secondClass;
    int kind;
};

const KindCase kKinds[] = {
    {"plain", false, false, false, 0},
    {"two classes", false, false, true, 1},
    {"absent", false, true, true, 4},
    {"linked", true, true, true, 3},
};

TEST_F(EntityItems, ItemKindsFirstMatchWins) {
    for (const auto& c : kKinds) {
        Activity(10).m_arrMembers = c.secondClass ? std::vector<int>{1, 2, 3} : std::vector<int>{1, 2};
        Entity(1).m_arrAbsences.clear();
        if (c.absent) Entity(1).m_arrAbsences.push_back(Absence(0, 8, 0, 60));
        m_data.m_arrEntries.clear();
        Entry(AddEntry(10, 0, 8, 0, 60)).m_bLinked = c.linked ? 1 : 0;
        Entity(1).RebuildItems(m_data);
        Entity(1).m_arrItems.clear();
        Entity(1).AddEntityItem(m_data, Entry(0), Activity(10));
        ASSERT_EQ(Entity(1).m_arrItems.size(), 1u) << c.name;
        EXPECT_EQ(Entity(1).m_arrItems[0].m_nKind, c.kind) << c.name;
        EXPECT_EQ(Entity(1).m_arrItems[0].m_bMember, 1) << c.name;
    }
}

struct ModeCase {
    int mode;
    bool extending;
    size_t standInItems;
};

const ModeCase kModes[] = {
    {0, false, 0}, {1, false, 1}, {1, true, 0}, {2, true, 1},
};

TEST_F(EntityItems, RebuildModesDecideReplacementItems) {
    for (const auto& c : kModes) {
        m_data.m_arrEntries.clear();
        Entry(AddEntry(10, 0, 8, 0, 60)).m_arrReplacements.push_back(Replacement(4, c.extending));
        m_data.RebuildEntityItems(c.mode);
        EXPECT_EQ(Entity(4).m_arrItems.size(), c.standInItems) << c.mode << " " << c.extending;
        if (!Entity(4).m_arrItems.empty()) {
            EXPECT_EQ(Entity(4).m_arrItems[0].m_bMember, 0);
        }
        EXPECT_EQ(Entity(1).m_arrItems.size(), 1u);
    }
}

TEST_F(EntityItems, CountClashingEntriesCountsOnlyEntriesTakenPartIn) {
    AddEntry(10, 0, 8, 0, 60);
    AddEntry(20, 0, 8, 30, 60);
    Entry(AddEntry(30, 0, 8, 0, 60)).m_bLinked = 1;  // linked: left out
    AddEntry(30, 0, 10, 0, 60);                      // no clash
    AddEntry(10, 1, 8, 0, 60);                       // the same hour of the next day
    CTimetableEntry probe(At(0, 8, 0), Minutes(60));
    probe.m_nActivity = 30;
    EXPECT_EQ(Entity(1).CountClashingEntries(m_data, 0, probe), 2);
    EXPECT_EQ(Entity(2).CountClashingEntries(m_data, 0, probe), 1);
    EXPECT_EQ(Entity(4).CountClashingEntries(m_data, 0, probe), 0);
    // With the plan index only the entry's day is looked at, with the same answers.
    const CPlanIndex index(m_data);
    for (int id : {1, 2, 4})
        EXPECT_EQ(Entity(id).CountClashingEntries(m_data, 0, probe, &index), Entity(id).CountClashingEntries(m_data, 0, probe)) << id;
    Entity(1).m_bUnavailable = 1;
    EXPECT_EQ(Entity(1).CountClashingEntries(m_data, 0, probe), 0);
}

struct PositionCase {
    int hour;
    int rule;
    bool matches;
};

// The class's window is 07:00 to 16:00.
const PositionCase kPositions[] = {
    {7, 1, true},  {11, 1, false}, {15, 2, true}, {11, 2, false}, {7, 3, true}, {15, 3, true},
    {11, 3, false}, {11, 4, true}, {7, 4, false}, {15, 4, false}, {11, 0, true}, {7, 9, true},
};

TEST_F(EntityItems, PositionRuleLooksAtTheHoursAround) {
    for (const auto& c : kPositions) {
        EXPECT_EQ(Entity(2).MatchesPosition(m_data, At(0, c.hour, 0), c.rule), c.matches) << c.hour << " rule " << c.rule;
    }
    Activity(10).m_nPosition = 1;
    EXPECT_TRUE(Activity(10).FitsType0Members(m_data, At(0, 7, 0)));
    EXPECT_FALSE(Activity(10).FitsType0Members(m_data, At(0, 11, 0)));
}

TEST_F(EntityItems, DistancesToOtherEntriesOfTheDay) {
    const std::size_t entry = AddEntry(10, 0, 10, 0, 60);
    EXPECT_EQ(Entry(entry).GetMaxStartDistance(m_data, 1, 0), COleDateTimeSpan(0.0));
    EXPECT_EQ(Entry(entry).GetMaxEndDistance(m_data, 1, 0), COleDateTimeSpan(0.0));
    AddEntry(20, 0, 8, 0, 60);
    AddEntry(30, 0, 13, 0, 90);
    AddEntry(30, 1, 15, 0, 60);  // another day
    EXPECT_EQ(WholeMinutes(Entry(entry).GetMaxStartDistance(m_data, 1, 0).m_span), 120);
    EXPECT_EQ(WholeMinutes(Entry(entry).GetMaxEndDistance(m_data, 1, 0).m_span), 210);
    // Leaving out a group.
    Activity(30).m_nGroup = 4;
    EXPECT_EQ(WholeMinutes(Entry(entry).GetMaxEndDistance(m_data, 1, 4).m_span), 0);
}

TEST_F(EntityItems, GroupLengthIsTheLongestTimeOfALimitedMember) {
    AddEntity(5, 1);
    AddActivity(40, {2, 5}, {}, 6).m_tsDuration = Minutes(120);
    AddActivity(50, {3, 5}, {}, 6).m_tsDuration = Minutes(180);
    AddActivity(60, {3, 1}, {}, 6).m_tsDuration = Minutes(60);
    AddEntry(40, 0, 8, 0, 60);
    AddEntry(50, 0, 8, 0, 60);
    CActivityGroup group;
    group.m_nId = 6;
    EXPECT_EQ(WholeMinutes(group.GetEntityGroupTime(m_data, 5).m_span), 300);
    EXPECT_EQ(WholeMinutes(group.GetEntityGroupTime(m_data, 3).m_span), 300);  // the longer of its members' times
    EXPECT_EQ(WholeMinutes(group.GetEntityGroupTime(m_data, 99).m_span), 0);
    group.ComputeLength(m_data);
    group.ComputeLength(m_data);  // rebuilt, not appended
    EXPECT_EQ(group.m_arrWork.size(), 2u);
    EXPECT_EQ(WholeMinutes(group.m_tsLength.m_span), 300);
}

}  // namespace
