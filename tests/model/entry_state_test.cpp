// States of timetable entries and who takes part in them.
#include <thread>

#include "model/participation_rules.h"
#include "rules_fixture.h"

namespace {

class EntryState : public RulesFixture {
protected:
    void SetUp() override {
        AddEntity(1, 0);  // a class
        AddEntity(2, 1);  // a teacher
        AddEntity(3, 0);  // another class
        AddActivity(10, {1, 2});
        AddActivity(20, {3}, {}, 5);  // grouped
    }
};

struct StateCase {
    const char* name;
    int stored;
    int activity;
    bool linked, state3, state6;
    int replacementEntity;  // 0 none
    int movedMinutes;
    bool weekTemplate;
    int expected;
};

// In the order the tests rank: each case is paired with the case just below it that differs
// only in what the higher rule looks at.
const StateCase kStates[] = {
    {"linked beats 9", 9, 10, true, false, false, 0, 0, false, 7},
    {"9 beats a staff replacement", 9, 10, false, true, false, 2, 0, false, 9},
    {"state-3 flag", 0, 10, false, true, false, 2, 0, false, 3},
    {"staff replacement", 0, 10, false, false, true, 2, 0, false, 5},
    {"type-0 replacement is no staff", 0, 10, false, false, false, 3, 0, false, 0},
    {"state-6 flag", 0, 10, false, false, true, 0, 10, false, 6},
    {"missing activity", 1, 99, false, false, false, 0, 10, false, 3},
    {"moved 3 minutes in a dated plan", 1, 10, false, false, false, 0, 3, false, 4},
    {"moved 2 minutes is not moved", 1, 10, false, false, false, 0, 2, false, 1},
    {"moved in a week template is not moved", 1, 10, false, false, false, 0, 30, true, 1},
    {"grouped STATUS 1", 1, 20, false, false, false, 0, 0, false, 8},
    {"grouped STATUS 4", 4, 20, false, false, false, 0, 0, false, 4},
    {"grouped STATUS 0", 0, 20, false, false, false, 0, 0, false, 0},
    {"ungrouped STATUS 1", 1, 10, false, false, false, 0, 0, false, 1},
    {"STATUS out of range reads 2", 12, 10, false, false, false, 0, 0, false, 2},
    {"STATUS out of range, grouped", -3, 20, false, false, false, 0, 0, false, 8},
};

TEST_F(EntryState, GetStateRanksTheTestsInOrder) {
    for (const StateCase& c : kStates) {
        m_data.m_dtStartDate = c.weekTemplate ? COleDateTime(2000, 1, 3, 0, 0, 0) : COleDateTime(2024, 3, 4, 0, 0, 0);
        m_data.m_arrEntries.clear();
        const std::size_t i = AddEntry(c.activity, 1, 9, 0, 60);
        CTimetableEntry& entry = Entry(i);
        entry.m_nState = c.stored;
        entry.m_bLinked = c.linked;
        entry.m_bState3 = c.state3;
        entry.m_bState6 = c.state6;
        if (c.replacementEntity) entry.m_arrReplacements.push_back(Replacement(c.replacementEntity));
        entry.m_dtStart = entry.m_dtStart + Minutes(c.movedMinutes);
        const CTimetableEntry& constEntry = entry;
        EXPECT_EQ(constEntry.GetState(m_data), c.expected) << c.name;
        EXPECT_EQ(entry.GetState(m_data), c.expected) << c.name;
    }
}

TEST_F(EntryState, AStoredStateOutOfRangeIsSettledOnlyOnTheOwnerThread) {
    const std::size_t i = AddEntry(10, 1, 9, 0, 60);
    Entry(i).m_nState = 12;

    int onWorker = -1;
    std::thread worker([&] { onWorker = Entry(i).GetState(m_data); });
    worker.join();
    EXPECT_EQ(onWorker, 2);
    EXPECT_EQ(Entry(i).m_nState, 12);  // the worker wrote nothing

    const CTimetableEntry& constEntry = Entry(i);
    EXPECT_EQ(constEntry.GetState(m_data), 2);
    EXPECT_EQ(Entry(i).m_nState, 12);

    EXPECT_EQ(Entry(i).GetState(m_data), 2);
    EXPECT_EQ(Entry(i).m_nState, 2);
}

TEST_F(EntryState, AStoredStateOutOfRangeStaysWhenAHigherRuleAnswers) {
    const std::size_t i = AddEntry(10, 1, 9, 0, 60);
    Entry(i).m_nState = 12;
    Entry(i).m_bState3 = 1;
    EXPECT_EQ(Entry(i).GetState(m_data), 3);
    EXPECT_EQ(Entry(i).m_nState, 12);
}

TEST_F(EntryState, GroupStateAtTakesTheLowestOverlappingStateOfTheGroup) {
    CActivityGroup group;
    group.m_nId = 5;
    AddActivity(21, {1}, {}, 5);
    const std::size_t probe = AddEntry(10, 1, 9, 0, 60);
    EXPECT_EQ(GetGroupStateAt(m_data, Entry(probe), group), 8);  // nothing of the group there

    const std::size_t a = AddEntry(20, 1, 9, 30, 60);  // stored 0 in a group: 0
    Entry(a).m_nState = 1;                              // grouped 1 reads 8
    const std::size_t b = AddEntry(21, 1, 8, 0, 60);    // touches 09:00 only: not overlapping
    Entry(b).m_nState = 0;
    EXPECT_EQ(GetGroupStateAt(m_data, Entry(probe), group), 8);

    Entry(b).m_tsLength = Minutes(66);  // 6 minutes shared
    EXPECT_EQ(GetGroupStateAt(m_data, Entry(probe), group), 0);

    Entry(a).m_bState3 = 1;
    EXPECT_EQ(GetGroupStateAt(m_data, Entry(probe), group), 3);
}

// Participation --------------------------------------------------------------------------------

class Participation : public RulesFixture {
protected:
    void SetUp() override {
        AddEntity(1, 0);     // class
        AddEntity(2, 1);     // teacher, member
        AddEntity(3, 2);     // second teacher, not a member
        AddEntity(4, 4);     // room
        AddEntity(5, 3);     // type-3 staff
        AddEntity(6, 1);     // teacher who is absent
        AddActivity(10, {1, 2, 5, 6, 77}, {4});  // 77 names no entity
        m_entry = AddEntry(10, 1, 9, 0, 60);
        Entity(6).m_arrAbsences.push_back(Absence(1, 8, 0, 240));
    }
    std::size_t m_entry = 0;
};

TEST_F(Participation, TakesPartInFollowsMembersReplacementsAndReplacedOut) {
    const CTimetableEntry& entry = Entry(m_entry);
    EXPECT_TRUE(Entity(2).TakesPartIn(m_data, entry));
    EXPECT_FALSE(Entity(3).TakesPartIn(m_data, entry));
    Entry(m_entry).m_arrReplacements.push_back(Replacement(3));
    EXPECT_TRUE(Entity(3).TakesPartIn(m_data, Entry(m_entry)));

    // A linked entry of another activity does not replace the member out; one of this activity does.
    AddActivity(11, {2});
    const std::size_t other = AddEntry(11, 1, 9, 0, 60);
    Entry(other).m_bLinked = 1;
    Entry(other).m_arrReplacements.push_back(Replacement(2));
    EXPECT_TRUE(Entity(2).TakesPartIn(m_data, Entry(m_entry)));
    const std::size_t linked = AddEntry(10, 1, 9, 0, 60);
    Entry(linked).m_bLinked = 1;
    Entry(linked).m_arrReplacements.push_back(Replacement(2, true));  // extending: not replaced out
    EXPECT_TRUE(Entity(2).TakesPartIn(m_data, Entry(m_entry)));
    Entry(linked).m_arrReplacements.push_back(Replacement(2));
    EXPECT_FALSE(Entity(2).TakesPartIn(m_data, Entry(m_entry)));
    EXPECT_FALSE(Entry(m_entry).IsEntityPresent(m_data, 2));

    Entry(m_entry).m_nActivity = 99;
    EXPECT_FALSE(Entity(3).TakesPartIn(m_data, Entry(m_entry)));
}

TEST_F(Participation, IsEntityPresent) {
    const CTimetableEntry& entry = Entry(m_entry);
    EXPECT_TRUE(entry.IsEntityPresent(m_data, 2));
    EXPECT_FALSE(entry.IsEntityPresent(m_data, 6));   // absent
    EXPECT_FALSE(entry.IsEntityPresent(m_data, 3));   // not a member
    EXPECT_FALSE(entry.IsEntityPresent(m_data, 77));  // no entity
    Entry(m_entry).m_arrReplacements.push_back(Replacement(3));
    EXPECT_TRUE(Entry(m_entry).IsEntityPresent(m_data, 3));
}

TEST_F(Participation, StaffListsAndAvailableStaff) {
    Entry(m_entry).m_arrReplacements = {Replacement(3), Replacement(1), Replacement(6, true)};
    std::vector<int> staff;
    Entry(m_entry).GetStaff(m_data, staff);
    EXPECT_EQ(staff, (std::vector<int>{2, 5, 6, 3, 6}));

    // 6 is absent: dropped as a member, but kept through its extending record.
    Entry(m_entry).GetAvailableStaff(m_data, staff);
    EXPECT_EQ(staff, (std::vector<int>{2, 5, 6, 3, 6}));
    Entry(m_entry).m_arrReplacements = {Replacement(3), Replacement(6)};
    Entry(m_entry).GetAvailableStaff(m_data, staff);
    EXPECT_EQ(staff, (std::vector<int>{2, 5, 3}));

    Entry(m_entry).m_bLinked = 1;
    Entry(m_entry).GetStaff(m_data, staff);
    EXPECT_TRUE(staff.empty());
}

TEST_F(Participation, ParticipantsByType) {
    Entry(m_entry).m_arrReplacements = {Replacement(3)};
    struct Case {
        int kind;
        std::vector<int> ids;
        int count;
    };
    const Case cases[] = {
        {0, {1}, 1},
        {1, {2, 6}, 2},
        {2, {3}, 1},
        {7, {2, 6, 3}, 3},
        {3, {5}, 1},
        {4, {4}, 0},  // the room comes from the room list, not from members
        {6, {4, 1, 2, 5, 6, 3}, 5},
        {5, {}, 0},
    };
    for (const Case& c : cases) {
        std::vector<int> ids{99};
        EXPECT_EQ(Entry(m_entry).GetParticipantsByType(m_data, ids, c.kind), c.count) << c.kind;
        EXPECT_EQ(ids, c.ids) << c.kind;
    }
}

TEST_F(Participation, MembershipEdits) {
    CActivity& activity = Activity(10);
    activity.AddEntity(m_data, 2);  // already there
    activity.AddEntity(m_data, 0);
    activity.AddEntity(m_data, 88);  // no entity
    AddEntity(7, 4);
    AddEntity(8, 1);
    Activity(10).AddEntity(m_data, 7);
    Activity(10).AddEntity(m_data, 8);
    EXPECT_EQ(Activity(10).m_arrMembers, (std::vector<int>{1, 2, 5, 6, 77, 8}));
    EXPECT_EQ(Activity(10).m_arrRooms, (std::vector<int>{4, 7}));

    Activity(10).m_arrPairs = {{4, 2}, {7, 2}, {4, 8}};
    Entry(m_entry).m_arrPairs = {{4, 2}, {7, 8}};
    Entry(m_entry).m_arrRooms = {4};
    Activity(10).RemoveEntity(m_data, 4);
    EXPECT_EQ(Activity(10).m_arrRooms, (std::vector<int>{7}));
    EXPECT_EQ(Activity(10).m_arrPairs, (std::vector<CRoomPair>{{7, 2}}));
    EXPECT_EQ(Entry(m_entry).m_arrPairs, (std::vector<CRoomPair>{{7, 8}}));
    EXPECT_EQ(Entry(m_entry).m_arrRooms, (std::vector<int>{4}));  // own rooms are not touched

    Activity(10).RemoveEntity(m_data, 8);
    EXPECT_EQ(Activity(10).m_arrMembers, (std::vector<int>{1, 2, 5, 6, 77}));
    EXPECT_TRUE(Entry(m_entry).m_arrPairs.empty());

    // Not a member: nothing else changes either.
    Activity(10).m_arrPairs = {{7, 3}};
    Activity(10).RemoveEntity(m_data, 3);
    EXPECT_EQ(Activity(10).m_arrPairs.size(), 1u);
}

TEST_F(Participation, MainMemberCountsAndMeetingCode) {
    EXPECT_EQ(Activity(10).GetMainMemberId(m_data), 1);
    Activity(10).m_arrMembers = {2, 5, 77};
    EXPECT_EQ(Activity(10).GetMainMemberId(m_data), 5);  // the last that exists
    Activity(10).m_arrMembers = {77};
    EXPECT_EQ(Activity(10).GetMainMemberId(m_data), 0);

    Activity(10).m_arrMembers = {1, 3, 2, 5, 6, 77};
    EXPECT_EQ(Activity(10).CountType0Members(m_data), 1);
    EXPECT_EQ(Activity(10).CountStaffMembers(m_data), 3);

    struct Case {
        double minutes;
        int code;
    };
    for (const Case& c : {Case{15, 1}, Case{14 + 59.7 / 60, 1}, Case{30, 2}, Case{10, 3}, Case{45, 0}, Case{0, 0}}) {
        Activity(10).m_tsMeeting = Minutes(c.minutes);
        EXPECT_EQ(Activity(10).GetMeetingLengthCode(), c.code) << c.minutes;
    }
}

TEST_F(Participation, DrawColoursTakeTheActivityThenPresentStaff) {
    const COLORREF bgDefault = RGB(1, 1, 1), fgDefault = RGB(2, 2, 2);
    Activity(10).m_crBackground = bgDefault;
    Activity(10).m_crForeground = fgDefault;
    Activity(10).m_nHatch = 6;
    Activity(10).m_arrMembers = {1, 6};  // the only staff member is absent
    Entity(6).m_crBackground = RGB(200, 0, 0);
    COLORREF bg = bgDefault, fg = fgDefault;
    int hatch = 6;
    Entry(m_entry).GetDrawColours(m_data, bg, fg, hatch);
    EXPECT_EQ(bg, bgDefault);
    EXPECT_EQ(fg, fgDefault);

    Activity(10).m_arrMembers = {1, 6, 2};
    Entity(2).m_crBackground = RGB(0, 200, 0);
    Entity(2).m_nHatch = 3;
    Entry(m_entry).GetDrawColours(m_data, bg, fg, hatch);
    EXPECT_EQ(bg, RGB(0, 200, 0));
    EXPECT_EQ(hatch, 3);

    Activity(10).m_crForeground = RGB(9, 9, 9);
    Entry(m_entry).GetDrawColours(m_data, bg, fg, hatch);
    EXPECT_EQ(fg, RGB(9, 9, 9));
}

TEST_F(Participation, ActivityColourFallsBackToStaff) {
    Activity(10).m_arrMembers = {1, 5, 2};
    Entity(5).m_crBackground = RGB(1, 2, 3);  // type 3 is not asked
    EXPECT_EQ(Activity(10).GetBackgroundColour(m_data), GetSysColor(COLOR_WINDOW));
    Entity(2).m_crBackground = RGB(4, 5, 6);
    EXPECT_EQ(Activity(10).GetBackgroundColour(m_data), RGB(4, 5, 6));
    Activity(10).m_crBackground = RGB(7, 8, 9);
    EXPECT_EQ(Activity(10).GetBackgroundColour(m_data), RGB(7, 8, 9));
    EXPECT_EQ(Activity(10).GetForegroundColour(m_data), GetSysColor(COLOR_WINDOWTEXT));
}

TEST_F(Participation, HasNoActivity) {
    EXPECT_FALSE(Entity(2).HasNoActivity(m_data));
    EXPECT_TRUE(Entity(3).HasNoActivity(m_data));
    EXPECT_FALSE(Entity(1).HasNoActivity(m_data));  // not staff
    Entity(2).m_bUnavailable = 1;
    EXPECT_TRUE(Entity(2).HasNoActivity(m_data));
}

// Clash predicates -----------------------------------------------------------------------------

class Clashes : public RulesFixture {
protected:
    void SetUp() override {
        AddEntity(1, 0);     // class
        AddEntity(2, 1);     // teacher, OVERLAPS 1
        AddEntity(3, 1, 0);  // teacher without a limit
        AddEntity(4, 0);     // second class
    }
};

struct PairCase {
    const char* name;
    std::vector<int> a, b;
    int groupA, groupB;
    bool clash, share, limited, entriesClash, shareParticipant;
};

const PairCase kPairs[] = {
    {"shared class, ungrouped", {1}, {1}, 0, 0, true, true, true, true, true},
    {"shared class, one group", {1}, {1}, 5, 5, false, false, true, false, false},
    {"shared class, two groups", {1}, {1}, 5, 6, true, true, true, true, true},
    {"shared teacher, one group", {1, 2}, {4, 2}, 5, 5, true, true, true, true, true},
    {"unlimited teacher", {3}, {3}, 0, 0, false, true, false, false, true},
    {"unlimited teacher, one group", {3, 1}, {3, 1}, 5, 5, false, true, true, false, true},
    {"nothing shared", {1, 2}, {4, 3}, 0, 0, false, false, false, false, false},
};

TEST_F(Clashes, ActivityAndEntryPredicatesTable) {
    for (const PairCase& c : kPairs) {
        m_data.m_arrActivities.clear();
        m_data.m_arrEntries.clear();
        AddActivity(10, c.a, {}, c.groupA);
        AddActivity(20, c.b, {}, c.groupB);
        const std::size_t x = AddEntry(10, 1, 9, 0, 60);
        const std::size_t y = AddEntry(20, 1, 9, 0, 60);
        const CActivity& a = Activity(10);
        const CActivity& b = Activity(20);
        EXPECT_EQ(ActivitiesClash(m_data, a, b, Entry(x)), c.clash) << c.name;
        EXPECT_EQ(ActivitiesShareMember(m_data, a, b), c.share) << c.name;
        EXPECT_EQ(ActivitiesShareLimitedMember(m_data, a, b), c.limited) << c.name;
        EXPECT_EQ(EntriesClash(m_data, Entry(x), Entry(y)), c.entriesClash) << c.name;
        EXPECT_EQ(EntriesShareParticipant(m_data, Entry(x), Entry(y)), c.shareParticipant) << c.name;
        EXPECT_TRUE(ActivitiesClash(m_data, a, a, Entry(x))) << c.name;
    }
}

TEST_F(Clashes, AMemberWithALargerLimitClashesOnlyWhenItIsFull) {
    AddEntity(5, 1, 2);
    AddActivity(10, {1, 5});
    AddActivity(20, {4, 5});
    AddActivity(30, {5});
    // A probe of activity 10 that is not stored, as the stretch limit of an entry asks.
    CTimetableEntry probe(At(1, 9, 0), Minutes(60));
    probe.m_nActivity = 10;
    AddEntry(20, 1, 9, 0, 60);
    const std::size_t second = AddEntry(30, 2, 9, 0, 60);  // another day
    EXPECT_FALSE(ActivitiesClash(m_data, Activity(10), Activity(20), probe));
    Entry(second).m_dtStart = At(1, 9, 30);
    EXPECT_TRUE(ActivitiesClash(m_data, Activity(10), Activity(20), probe));
}

TEST_F(Clashes, MaxMeetingLengthOfAGroupSkipsFilledActivities) {
    CActivityGroup group;
    group.m_nId = 5;
    EXPECT_EQ(group.GetMaxMeetingLength(m_data).m_span, 0.0);
    CActivity& a = AddActivity(10, {1}, {}, 5);
    a.m_tsMeeting = Minutes(90);
    a.m_tsDuration = Minutes(180);
    CActivity& b = AddActivity(20, {4}, {}, 5);
    b.m_tsMeeting = Minutes(94);  // not longer by more than 5 minutes
    b.m_tsDuration = Minutes(180);
    AddActivity(30, {4}, {}, 6).m_tsMeeting = Minutes(300);
    EXPECT_EQ(WholeMinutes(group.GetMaxMeetingLength(m_data).m_span), 90);
    Activity(20).m_tsMeeting = Minutes(120);
    EXPECT_EQ(WholeMinutes(group.GetMaxMeetingLength(m_data).m_span), 120);
    AddEntry(20, 1, 9, 0, 180);  // activity 20 is now time-filled
    EXPECT_EQ(WholeMinutes(group.GetMaxMeetingLength(m_data).m_span), 90);
}

TEST_F(Clashes, EntriesClashAndShareParticipantEdges) {
    AddActivity(10, {1});
    AddActivity(20, {4});
    const std::size_t x = AddEntry(10, 1, 9, 0, 60);
    const std::size_t y = AddEntry(20, 1, 9, 0, 60);
    const std::size_t z = AddEntry(10, 2, 9, 0, 60);
    EXPECT_TRUE(EntriesClash(m_data, Entry(x), Entry(z)));  // same activity
    Entry(z).m_bLinked = 1;
    EXPECT_FALSE(EntriesClash(m_data, Entry(x), Entry(z)));

    EXPECT_FALSE(EntriesShareParticipant(m_data, Entry(x), Entry(y)));
    Entry(y).m_arrReplacements.push_back(Replacement(1));
    EXPECT_TRUE(EntriesShareParticipant(m_data, Entry(x), Entry(y)));

    // Replacement records in common.
    EXPECT_FALSE(EntriesShareReplacement(Entry(x), Entry(y)));
    Entry(x).m_arrReplacements.push_back(Replacement(2));
    EXPECT_FALSE(EntriesShareReplacement(Entry(x), Entry(y)));
    Entry(x).m_arrReplacements.push_back(Replacement(1, true));
    EXPECT_TRUE(EntriesShareReplacement(Entry(x), Entry(y)));

    Entry(y).m_nActivity = 99;
    EXPECT_FALSE(EntriesShareParticipant(m_data, Entry(x), Entry(y)));
}

TEST_F(Clashes, GroupsAndCommonChimeSets) {
    AddActivity(10, {1, 2}, {}, 5).m_nChimeSet = 7;
    AddActivity(11, {2, 3, 77, 1}, {}, 5);  // 77 names no entity
    AddActivity(12, {4}, {}, 6);
    CActivityGroup group;
    group.m_nId = 5;
    std::vector<int> members{42};
    group.GetMembers(m_data, members);
    EXPECT_EQ(members, (std::vector<int>{1, 2, 3}));
    EXPECT_TRUE(group.HasEntity(m_data, 3));
    EXPECT_FALSE(group.HasEntity(m_data, 4));
    EXPECT_FALSE(group.HasEntity(m_data, 0));

    EXPECT_EQ(group.GetCommonChimeSetId(m_data), 7);  // 11 has none and is passed over
    Activity(11).m_nDerivedChimeSet = 8;
    EXPECT_EQ(group.GetCommonChimeSetId(m_data), 0);
    Activity(11).m_nDerivedChimeSet = 7;
    EXPECT_EQ(group.GetCommonChimeSetId(m_data), 7);

    // The entities' own chime sets, else the default; only type 0 counts.
    m_data.m_nDefaultChimeSet = 9;
    CChimeSet a, b;
    a.m_nId = 9;
    b.m_nId = 7;
    m_data.m_arrChimeSets.push_back(a);
    m_data.m_arrChimeSets.push_back(b);
    EXPECT_EQ(GetCommonChimeSetId(m_data, {1, 4, 2}), 9);
    Entity(4).m_nChimeSet = 7;
    EXPECT_EQ(GetCommonChimeSetId(m_data, {1, 4}), 0);
    EXPECT_EQ(GetCommonChimeSetId(m_data, {2, 3}), 0);
    EXPECT_EQ(GetCommonChimeSetId(m_data, {4, 2}), 7);
}

TEST(EntryOrders, ByActivityAndByNameIgnoringCase) {
    CTimetableEntry x, y;
    x.m_nActivity = 1;
    y.m_nActivity = 2;
    EXPECT_TRUE(LessEntryByActivity(x, y));
    EXPECT_FALSE(LessEntryByActivity(y, x));
    struct Named {
        CString m_strName;
    };
    EXPECT_TRUE(LessRecordByNameNoCase(Named{L"apple"}, Named{L"Banana"}));
    EXPECT_FALSE(LessRecordByNameNoCase(Named{L"APPLE"}, Named{L"apple"}));
}

}  // namespace
