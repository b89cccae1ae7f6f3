#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>
#include <string>

#include "edit_fixture.h"
#include "model/record_orders.h"
#include "model/time_values.h"

namespace {

class StoreEdit : public EditFixture {};

// Ids -----------------------------------------------------------------------------------------

struct NextIdCase {
    std::vector<int> ids;
    int next;
};

TEST_F(StoreEdit, NextIdIsLargestPlusOneOrTheSmallestFreeAtTheTop) {
    const NextIdCase cases[] = {
        {{}, 1},
        {{3, 7, 2}, 8},
        {{INT_MAX, 1, 3}, 2},  // no room above the largest id
    };
    for (const NextIdCase& c : cases) {
        CScheduleData data;
        for (int id : c.ids) {
            CEntity e;
            e.m_nId = id;
            data.m_arrEntities.push_back(e);
            CActivity a;
            a.m_nId = id;
            data.m_arrActivities.push_back(a);
            CActivityGroup g;
            g.m_nId = id;
            data.m_arrGroups.push_back(g);
        }
        EXPECT_EQ(data.GetNextEntityId(), c.next) << c.ids.size();
        EXPECT_EQ(data.GetNextActivityId(), c.next);
        EXPECT_EQ(data.GetNextGroupId(), c.next);
    }
}

// Adding entities ------------------------------------------------------------------------------

TEST_F(StoreEdit, AddEntityTakesNextIdSortsAndBecomesCurrent) {
    Entity(4, L"Zoe");
    Entity(2, L"Room 1", 4);
    CEntity added;
    added.m_nId = 2;  // ignored
    added.m_strName = L"Adam";
    added.m_nDefaultPlace = 2;
    const int id = m_data.AddEntity(added);

    EXPECT_EQ(id, 5);
    EXPECT_EQ(EntityIds(), (std::vector<int>{5, 4, 2}));
    EXPECT_EQ(m_data.FindEntity(5)->m_nDefaultPlace, 0);
    EXPECT_EQ(m_data.m_nCurrentEntity, 5);
    EXPECT_EQ(m_host.m_calls, (std::vector<std::string>{"broadcast 2", "broadcast 1"}));

    // A room is added but never current.
    CEntity room;
    room.m_strName = L"Hall";
    room.m_nType = 4;
    EXPECT_EQ(m_data.AddEntity(room), 6);
    EXPECT_EQ(m_data.m_nCurrentEntity, 5);
}

TEST_F(StoreEdit, AppendEntityKeepsOrderAndDropsReferencesToOtherDocuments) {
    Entity(1, L"Zoe");
    Entity(2, L"Room", 4);
    Chimes(1, L"Bells");
    CEntity foreign;
    foreign.m_strName = L"Adam";
    foreign.m_nDefaultPlace = 9;
    foreign.m_nChimeSet = 9;
    CEntity local = foreign;
    local.m_nDefaultPlace = 2;
    local.m_nChimeSet = 1;

    EXPECT_EQ(m_data.AppendEntity(foreign), 3);
    EXPECT_EQ(m_data.AppendEntity(local), 4);
    EXPECT_EQ(EntityIds(), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(m_data.FindEntity(3)->m_nDefaultPlace, 0);
    EXPECT_EQ(m_data.FindEntity(3)->m_nChimeSet, 0);
    EXPECT_EQ(m_data.FindEntity(4)->m_nDefaultPlace, 2);
    EXPECT_EQ(m_data.FindEntity(4)->m_nChimeSet, 1);
    EXPECT_TRUE(m_host.m_calls.empty());
}

TEST_F(StoreEdit, SetCurrentEntityRefusesCurrentMissingAndRooms) {
    Entity(1, L"Ann");
    Entity(2, L"Bob");
    Entity(3, L"Room", 4);
    m_data.m_nCurrentEntity = 1;
    struct Case {
        int id;
        BOOL result;
        int current;
    };
    const Case cases[] = {{1, FALSE, 1}, {9, FALSE, 1}, {3, FALSE, 1}, {0, FALSE, 1}, {2, TRUE, 2}};
    for (const Case& c : cases) {
        EXPECT_EQ(m_data.SetCurrentEntity(c.id), c.result) << c.id;
        EXPECT_EQ(m_data.m_nCurrentEntity, c.current) << c.id;
    }
    EXPECT_EQ(m_host.m_calls, std::vector<std::string>{"broadcast 2"});
}

// Changing entities ----------------------------------------------------------------------------

TEST_F(StoreEdit, ApplyEntityEditKeepsIdAndDayWindowsAndSorts) {
    Entity(1, L"Ann");
    Entity(2, L"Bob");
    CEntity edited = m_data.m_arrEntities[0];
    edited.m_nId = 2;  // a dialog copy that lost its id must not duplicate another
    edited.m_strName = L"Zed";
    edited.m_strEmail = L"zed@example.org";
    edited.m_tDayEnd[0] = edited.m_tDayStart[0];
    const __time64_t storedEnd = m_data.m_arrEntities[0].m_tDayEnd[0];

    m_data.ApplyEntityEdit(edited, m_data.m_arrEntities[0]);

    EXPECT_EQ(EntityIds(), (std::vector<int>{2, 1}));
    const auto zed = m_data.FindEntity(1);
    EXPECT_EQ(zed->m_strName, CString(L"Zed"));
    EXPECT_EQ(zed->m_strEmail, CString(L"zed@example.org"));
    EXPECT_EQ(zed->m_tDayEnd[0], storedEnd);
    EXPECT_TRUE(Called("refresh full"));
}

struct TypeChangeCase {
    const char* name;
    int from;
    int to;
};

TEST_F(StoreEdit, EntityChangingToOrFromRoomMovesBetweenLists) {
    const TypeChangeCase cases[] = {{"person becomes room", 1, 4}, {"room becomes person", 4, 1}};
    for (const TypeChangeCase& c : cases) {
        CScheduleData& d = m_data;
        d.ResetToNew(FALSE);
        Entity(1, L"Ann", 0);
        Entity(2, L"Changing", c.from);
        Entity(3, L"Hall", 4);
        CActivity& activity = Activity(1, L"Art", {1, 2, 3});
        activity.m_arrPairs = {{3, 2}, {3, 1}};
        if (c.from == 4) activity.m_arrPairs.push_back({2, 1});
        CTimetableEntry& entry = Entry(1, At(2000, 1, 3, 8, 0), 60);
        entry.m_arrPairs = activity.m_arrPairs;
        if (c.from == 4) entry.m_arrRooms = {2, 3};
        CReplacement replacement;
        replacement.m_nEntity = 2;
        entry.m_arrReplacements.push_back(replacement);

        CEntity edited = *d.FindEntity(2);
        edited.m_nType = c.to;
        d.ApplyEntityEdit(edited, *d.FindEntity(2));

        const CActivity& after = *d.FindActivity(1);
        const bool room = c.to == 4;
        EXPECT_EQ(after.m_arrMembers, room ? std::vector<int>({1}) : std::vector<int>({1, 2})) << c.name;
        EXPECT_EQ(after.m_arrRooms, room ? std::vector<int>({3, 2}) : std::vector<int>{3}) << c.name;
        EXPECT_EQ(after.m_arrPairs, std::vector<CRoomPair>({{3, 1}})) << c.name;
        EXPECT_EQ(d.m_arrEntries[0].m_arrPairs, std::vector<CRoomPair>({{3, 1}})) << c.name;
        EXPECT_EQ(d.m_arrEntries[0].m_arrRooms, room ? std::vector<int>() : std::vector<int>({3})) << c.name;
        EXPECT_EQ(d.m_arrEntries[0].m_arrReplacements.size(), 1u) << c.name;
        EXPECT_EQ(FindStoreFaults(d), std::vector<std::string>{}) << c.name;
    }
}

// Deleting entities ----------------------------------------------------------------------------

class CanDeleteEntity : public StoreEdit {
protected:
    void Build(bool withActivity) {
        m_data.ResetToNew(FALSE);
        Entity(1, L"Ann");
        Entity(2, L"Bob");
        Entity(3, L"Hall", 4);
        if (withActivity) Activity(1, L"Art", {1});
        Entry(1, At(2000, 1, 3, 8, 0), 60);
    }
};

TEST_F(CanDeleteEntity, RefusesEntitiesThatActivitiesOrEntriesName) {
    struct Case {
        const char* name;
        bool withActivity;
        int entity;
        std::function<void(CScheduleData&)> setup;
        BOOL expected;
    };
    const Case cases[] = {
        {"member", true, 1, [](CScheduleData&) {}, FALSE},
        {"unrelated", true, 2, [](CScheduleData&) {}, TRUE},
        {"room of an activity", true, 3, [](CScheduleData& d) { d.m_arrActivities[0].m_arrRooms = {3}; }, FALSE},
        {"replacement", true, 2,
         [](CScheduleData& d) { d.m_arrEntries[0].m_arrReplacements.push_back(CReplacement{2, 0, 0, 0, {}, {}}); },
         FALSE},
        {"entry room", true, 3, [](CScheduleData& d) { d.m_arrEntries[0].m_arrRooms = {3}; }, FALSE},
        {"no activities, named in a replacement", false, 2,
         [](CScheduleData& d) { d.m_arrEntries[0].m_arrReplacements.push_back(CReplacement{2, 0, 0, 0, {}, {}}); },
         TRUE},
    };
    for (const Case& c : cases) {
        Build(c.withActivity);
        c.setup(m_data);
        EXPECT_EQ(m_data.CanDeleteEntity(c.entity), c.expected) << c.name;
    }
    m_data.m_arrEntries.clear();  // the entry of the last case names no activity
}

TEST_F(StoreEdit, DeleteEntitiesLeavesNoReferenceBehind) {
    Entity(1, L"Ann");
    Entity(2, L"Bob");
    Entity(3, L"Hall", 4);
    Entity(4, L"Cid");
    m_data.FindEntity(1)->m_nDefaultPlace = 3;
    m_data.m_nCurrentEntity = 2;
    Activity(1, L"Art", {1}).m_arrPairs = {{3, 2}};
    CTimetableEntry& entry = Entry(1, At(2000, 1, 3, 8, 0), 60);
    entry.m_arrReplacements.push_back(CReplacement{1, 2, 0, 0, {}, {}});
    entry.m_arrReplacements.push_back(CReplacement{4, 0, 0, 0, {}, {}});
    m_data.m_arrKeys = {{1, 2, L"K"}, {1, 1, L"L"}};

    m_data.DeleteEntities({2, 3, 4, 9, 1});  // 4 stands in and 1 is a member: refused
    EXPECT_EQ(EntityIds(), (std::vector<int>{1, 4}));
    EXPECT_EQ(m_data.FindEntity(1)->m_nDefaultPlace, 0);
    EXPECT_TRUE(m_data.FindActivity(1)->m_arrPairs.empty());
    EXPECT_EQ(m_data.m_arrEntries[0].m_arrReplacements[0].m_nReplacing, 0);
    ASSERT_EQ(m_data.m_arrKeys.size(), 1u);
    EXPECT_EQ(m_data.m_arrKeys[0].m_nEntity, 1);
    EXPECT_EQ(m_data.m_nCurrentEntity, 0);
    EXPECT_TRUE(Called("refresh full"));
}

TEST_F(StoreEdit, WithoutActivitiesDeletedEntitiesLeaveTheReplacementsToo) {
    Entity(1, L"Ann");
    Entity(2, L"Bob");
    // An entry whose activity is gone, as a loaded file may hold.
    CTimetableEntry& entry = Entry(7, At(2000, 1, 3, 8, 0), 60);
    entry.m_arrReplacements.push_back(CReplacement{2, 1, 0, 0, {}, {}});
    entry.m_arrReplacements.push_back(CReplacement{1, 2, 0, 0, {}, {}});
    m_data.DeleteEntities({2});
    EXPECT_EQ(EntityIds(), std::vector<int>{1});
    ASSERT_EQ(m_data.m_arrEntries[0].m_arrReplacements.size(), 1u);
    EXPECT_EQ(m_data.m_arrEntries[0].m_arrReplacements[0].m_nEntity, 1);
    EXPECT_EQ(m_data.m_arrEntries[0].m_arrReplacements[0].m_nReplacing, 0);
    m_data.m_arrEntries.clear();
}

TEST_F(StoreEdit, ResetsOfColoursAndWeekHoursTouchSelectedEntitiesOnly) {
    Entity(1, L"Ann").m_crBackground = RGB(1, 2, 3);
    Entity(2, L"Bob").m_crBackground = RGB(1, 2, 3);
    m_data.FindEntity(1)->m_crForeground = RGB(9, 9, 9);
    m_data.m_nDays = 6;
    m_data.FindEntity(1)->m_tDayEnd[10] = MakeTimeOfDay(12, 0);

    m_data.ResetEntityColours({1, 7});
    m_data.ResetEntityWeekHours({1, 7});

    const CEntity& ann = *m_data.FindEntity(1);
    EXPECT_EQ(ann.m_crBackground, RGB(255, 255, 255));
    EXPECT_EQ(ann.m_crForeground, RGB(0, 0, 0));
    EXPECT_EQ(m_data.FindEntity(2)->m_crBackground, RGB(1, 2, 3));
    for (int k = 0; k < kMaxPlanDays; ++k) {
        EXPECT_EQ(ann.m_tDayStart[k], MakeTimeOfDay(7, 0)) << k;
        EXPECT_EQ(ann.m_tDayEnd[k], k < 6 ? MakeTimeOfDay(16, 0) : MakeTimeOfDay(7, 0)) << k;
    }
}

TEST_F(StoreEdit, EntityMembershipOfActivities) {
    Entity(1, L"Ann");
    Entity(2, L"Hall", 4);
    Activity(1, L"Art", {1});
    Activity(2, L"Bio", {1});
    m_data.AddEntityToActivity(1, 2, FALSE);
    m_data.AddEntityToActivity(9, 1, TRUE);  // no such activity
    EXPECT_EQ(m_data.FindActivity(1)->m_arrRooms, std::vector<int>{2});
    EXPECT_TRUE(m_host.m_calls.empty());
    m_data.AddEntityToActivity(1, 2, TRUE);
    EXPECT_EQ(m_data.FindActivity(1)->m_arrRooms, std::vector<int>{2});
    EXPECT_TRUE(Called("refresh full"));

    EXPECT_TRUE(m_data.IsEntityInAnyActivity(1));
    EXPECT_FALSE(m_data.IsEntityInAnyEntry(1));
    Entry(2, At(2000, 1, 3, 8, 0), 60);
    EXPECT_TRUE(m_data.IsEntityInAnyEntry(1));
    EXPECT_FALSE(m_data.IsEntityInAnyEntry(2));

    m_data.RemoveEntityFromActivities(1);
    EXPECT_FALSE(m_data.IsEntityInAnyActivity(1));
    EXPECT_TRUE(m_data.IsEntityInAnyActivity(2));
}

// Rooms for entities ---------------------------------------------------------------------------

class CreateRooms : public StoreEdit {
protected:
    CTestStrings m_strings{{{60439, L"Room %s"},
                            {60440, L"%s has %s"},
                            {60441, L"%s exists"},
                            {60442, L"No room for %s"},
                            {60443, L"%d made, %d linked"}}};

    std::vector<std::pair<int, std::string>> Problems() const {
        std::vector<std::pair<int, std::string>> list;
        for (const CProblem& p : m_data.m_arrProblems) list.emplace_back(p.m_nKind, p.m_strText.ToUtf8());
        return list;
    }
};

TEST_F(CreateRooms, MakesLinksAndReportsEachCase) {
    Entity(1, L"Ann");                                // gets a new room
    Entity(2, L"Bob").m_nDefaultPlace = 5;            // has a room already
    Entity(3, L"Cid");                                // its room exists already
    Entity(5, L"Lab", 4);
    Entity(6, L"Room Cid", 4);
    Activity(1, L"Art", {1});

    m_data.CreateRoomsForEntities({1, 2, 3, 42});

    EXPECT_TRUE(m_data.HasUndoSnapshot());
    const auto room = m_data.FindEntityByName(L"Room Ann", 4);
    ASSERT_NE(room, m_data.m_arrEntities.end());
    EXPECT_EQ(room->m_nId, 7);
    EXPECT_EQ(m_data.FindEntity(1)->m_nDefaultPlace, 7);
    EXPECT_EQ(m_data.FindEntity(2)->m_nDefaultPlace, 5);
    EXPECT_EQ(m_data.FindEntity(3)->m_nDefaultPlace, 6);
    EXPECT_FALSE(m_data.HasEntityNamed(L"Room Bob", 4));
    // Published in panel order: kind 12 before kind 14.
    EXPECT_EQ(Problems(), (std::vector<std::pair<int, std::string>>{
                              {12, "Room Cid exists"}, {14, "Bob has Lab"}, {14, "1 made, 2 linked"}}));
    EXPECT_EQ(EntityIds(), (std::vector<int>{1, 2, 3, 5, 7, 6}));
    EXPECT_TRUE(Called("message panel"));
    EXPECT_TRUE(Called("refresh full"));
}

TEST_F(CreateRooms, EmptySelectionDoesNothing) {
    Entity(1, L"Ann");
    m_data.CreateRoomsForEntities({});
    EXPECT_FALSE(m_data.HasUndoSnapshot());
    EXPECT_TRUE(m_host.m_calls.empty());
}

TEST_F(StoreEdit, RoomLookups) {
    EXPECT_FALSE(m_data.HasRooms());
    Entity(1, L"Hall");
    EXPECT_FALSE(m_data.HasRooms());
    Entity(2, L"Hall", 4);
    Entity(3, L"hall", 4);
    EXPECT_TRUE(m_data.HasRooms());
    EXPECT_EQ(m_data.FindRoomByName(L"HALL"), 2);
    EXPECT_EQ(m_data.FindRoomByName(L"Gym"), 0);
}

// Chime sets -----------------------------------------------------------------------------------

TEST_F(StoreEdit, AddOrReplaceChimeSetAppendsNewNamesUnderTheNextId) {
    Chimes(4, L"Early");
    CChimeSet added;
    added.m_nId = 4;  // carried from elsewhere: ignored
    added.m_strName = L"Late";
    EXPECT_EQ(m_data.AddOrReplaceChimeSet(added), 5);
    EXPECT_EQ(m_data.m_arrChimeSets.size(), 2u);
    EXPECT_EQ(m_data.m_arrChimeSets[1].m_strName, CString(L"Late"));
    EXPECT_TRUE(Called("refresh full"));
}

struct ReplaceCase {
    const char* name;
    int carriedId;
    int resultId;
};

TEST_F(StoreEdit, ReplacedChimeSetTakesTheNewIdOnlyWhenNoOtherSetHoldsIt) {
    const ReplaceCase cases[] = {
        {"free id", 9, 9},
        {"own id", 2, 2},
        {"id of another set", 3, 2},
        {"no id", 0, 2},
    };
    for (const ReplaceCase& c : cases) {
        m_data.ResetToNew(FALSE);
        Chimes(2, L"Early").m_arrIntervals.resize(1);
        Chimes(3, L"Late");
        Entity(1, L"Ann").m_nChimeSet = 2;
        Activity(1, L"Art", {1}).m_nChimeSet = 2;
        m_data.m_nDefaultChimeSet = 2;
        m_data.m_nCurrentChimeSet = 2;
        CChimeSet replacement;
        replacement.m_nId = c.carriedId;
        replacement.m_strName = L"Early";
        replacement.m_arrIntervals.resize(3);

        EXPECT_EQ(m_data.AddOrReplaceChimeSet(replacement), c.resultId) << c.name;
        ASSERT_EQ(m_data.m_arrChimeSets.size(), 2u) << c.name;
        EXPECT_EQ(m_data.m_arrChimeSets[0].m_nId, c.resultId) << c.name;
        EXPECT_EQ(m_data.m_arrChimeSets[0].m_arrIntervals.size(), 3u) << c.name;
        // References follow the set.
        EXPECT_EQ(m_data.FindEntity(1)->m_nChimeSet, c.resultId) << c.name;
        EXPECT_EQ(m_data.FindActivity(1)->m_nChimeSet, c.resultId) << c.name;
        EXPECT_EQ(m_data.m_nDefaultChimeSet, c.resultId) << c.name;
        EXPECT_EQ(m_data.m_nCurrentChimeSet, c.resultId) << c.name;
        EXPECT_EQ(FindStoreFaults(m_data), std::vector<std::string>{}) << c.name;
    }
}

TEST_F(StoreEdit, ApplyChimeSetEditSortsByName) {
    Chimes(1, L"Beta");
    Chimes(2, L"Gamma");
    CChimeSet edited = m_data.m_arrChimeSets[1];
    edited.m_strName = L"Alpha";
    edited.m_nId = 1;  // held by the other set: the edited set keeps its own
    m_data.ApplyChimeSetEdit(edited, m_data.m_arrChimeSets[1]);
    EXPECT_EQ(m_data.m_arrChimeSets[0].m_strName, CString(L"Alpha"));
    EXPECT_EQ(m_data.m_arrChimeSets[0].m_nId, 2);
    EXPECT_EQ(m_data.m_arrChimeSets[1].m_nId, 1);
    EXPECT_TRUE(Called("refresh full"));
}

TEST_F(StoreEdit, CanDeleteChimeSetCases) {
    struct Case {
        const char* name;
        int sets;
        int entityChimes;    // -1 no entity
        int activityChimes;  // -1 no activity
        BOOL expected;
    };
    const Case cases[] = {
        {"only set", 1, -1, -1, FALSE},
        {"no entities, used by an activity", 2, -1, 1, TRUE},
        {"used by an entity", 2, 1, -1, FALSE},
        {"used by an activity", 2, 0, 1, FALSE},
        {"unused", 2, 2, 2, TRUE},
    };
    for (const Case& c : cases) {
        m_data.ResetToNew(FALSE);
        for (int i = 1; i <= c.sets; ++i) Chimes(i, i == 1 ? L"One" : L"Two");
        if (c.entityChimes >= 0) Entity(1, L"Ann").m_nChimeSet = c.entityChimes;
        if (c.activityChimes >= 0) Activity(1, L"Art").m_nChimeSet = c.activityChimes;
        EXPECT_EQ(m_data.CanDeleteChimeSet(1), c.expected) << c.name;
    }
}

TEST_F(StoreEdit, DeletedChimeSetLeavesNoReferenceBehind) {
    Chimes(1, L"One");
    Chimes(2, L"Two");
    Chimes(3, L"Three");
    Activity(1, L"Art").m_nChimeSet = 2;  // allowed: the store has no entities
    m_data.m_nDefaultChimeSet = 2;
    m_data.m_nCurrentChimeSet = 2;
    m_data.DeleteChimeSets({2, 9, 1, 3});  // the last remaining set stays
    ASSERT_EQ(m_data.m_arrChimeSets.size(), 1u);
    EXPECT_EQ(m_data.m_arrChimeSets[0].m_nId, 3);
    EXPECT_EQ(m_data.FindActivity(1)->m_nChimeSet, 0);
    EXPECT_EQ(m_data.m_nDefaultChimeSet, 0);
    EXPECT_EQ(m_data.m_nCurrentChimeSet, 0);
    EXPECT_TRUE(Called("refresh full"));
}

// Groups and activities ------------------------------------------------------------------------

TEST_F(StoreEdit, GroupDeletes) {
    Group(1, L"A");
    Group(2, L"B");
    Group(3, L"C");
    Group(4, L"D");
    Activity(1, L"x", {}, 1);
    Activity(2, L"y", {}, 2);
    Activity(3, L"z", {}, 2);
    Activity(4, L"w", {}, 4);

    m_data.DeleteGroup(4);
    EXPECT_EQ(m_data.FindActivity(4)->m_nGroup, 0);
    m_data.DeleteUnusedGroups();  // group 3
    ASSERT_EQ(m_data.m_arrGroups.size(), 2u);
    m_data.DeleteSingleUseGroups();  // group 1
    ASSERT_EQ(m_data.m_arrGroups.size(), 1u);
    EXPECT_EQ(m_data.m_arrGroups[0].m_nId, 2);
    EXPECT_EQ(m_data.FindActivity(1)->m_nGroup, 0);
    EXPECT_EQ(m_data.FindActivity(2)->m_nGroup, 2);
}

TEST_F(StoreEdit, DeleteActivityTakesItsEntriesAndKeys) {
    Entity(1, L"Ann");
    Activity(1, L"Art", {1});
    Activity(2, L"Bio", {1});
    Entry(1, At(2000, 1, 3, 8, 0), 60);
    Entry(2, At(2000, 1, 3, 9, 0), 60);
    m_data.m_arrKeys = {{1, 1, L"A"}, {2, 1, L"B"}};
    m_data.DeleteActivity(9);
    m_data.DeleteActivity(1);
    EXPECT_EQ(ActivityIds(), std::vector<int>{2});
    ASSERT_EQ(m_data.m_arrEntries.size(), 1u);
    EXPECT_EQ(m_data.m_arrEntries[0].m_nActivity, 2);
    ASSERT_EQ(m_data.m_arrKeys.size(), 1u);
    EXPECT_EQ(m_data.m_arrKeys[0].m_nActivity, 2);
}

TEST_F(StoreEdit, ClearActivityRoomsEmptiesActivityAndItsEntries) {
    Entity(1, L"Ann");
    Entity(2, L"Hall", 4);
    Activity(1, L"Art", {1, 2}).m_arrPairs = {{2, 1}};
    Activity(2, L"Bio", {1, 2});
    Entry(1, At(2000, 1, 3, 8, 0), 60).m_arrRooms = {2};
    m_data.m_arrEntries[0].m_arrPairs = {{2, 1}};
    Entry(2, At(2000, 1, 3, 9, 0), 60).m_arrRooms = {2};
    m_data.ClearActivityRooms(1);
    EXPECT_TRUE(m_data.FindActivity(1)->m_arrRooms.empty());
    EXPECT_TRUE(m_data.FindActivity(1)->m_arrPairs.empty());
    EXPECT_TRUE(m_data.m_arrEntries[0].m_arrRooms.empty());
    EXPECT_TRUE(m_data.m_arrEntries[0].m_arrPairs.empty());
    EXPECT_EQ(m_data.FindActivity(2)->m_arrRooms, std::vector<int>{2});
    EXPECT_EQ(m_data.m_arrEntries[1].m_arrRooms, std::vector<int>{2});
}

TEST_F(StoreEdit, FindMatchingActivity) {
    // 1 Ann (type 0), 2 Bob (type 0), 3 Tom (staff), 4 Eve (the importing entity).
    struct Case {
        const char* name;
        std::function<void(CActivity& p, CActivity& a)> change;
        bool matches;
    };
    const Case cases[] = {
        {"same", [](CActivity&, CActivity&) {}, true},
        {"durations 1:30 and 2:30", [](CActivity&, CActivity& a) { a.m_tsDuration = Minutes(150); }, true},
        {"durations 1:30 and 2:00", [](CActivity&, CActivity& a) { a.m_tsDuration = Minutes(120); }, false},
        {"no group", [](CActivity& p, CActivity& a) { a.m_nGroup = p.m_nGroup = 0; }, false},
        {"other group", [](CActivity&, CActivity& a) { a.m_nGroup = 2; }, false},
        {"other name", [](CActivity&, CActivity& a) { a.m_strName = L"art"; }, false},
        {"entity is a member already", [](CActivity& p, CActivity&) { p.m_arrMembers.push_back(4); }, false},
        {"type-0 counts differ", [](CActivity&, CActivity& a) { a.m_arrMembers.push_back(2); }, false},
        {"staff member it lacks", [](CActivity&, CActivity& a) { a.m_arrMembers.push_back(3); }, true},
        {"type-0 member it lacks", [](CActivity& p, CActivity& a) { a.m_arrMembers = {2}; p.m_arrMembers = {1}; }, false},
        {"member naming no entity", [](CActivity&, CActivity& a) { a.m_arrMembers.push_back(99); }, false},
    };
    for (const Case& c : cases) {
        m_data.ResetToNew(FALSE);
        Entity(1, L"Ann");
        Entity(2, L"Bob");
        Entity(3, L"Tom", 1);
        Entity(4, L"Eve");
        Group(1, L"G");
        Group(2, L"H");
        CActivity& p = Activity(1, L"Art", {1}, 1);
        p.m_tsDuration = Minutes(90);
        CActivity a = p;
        a.m_nId = 0;
        c.change(p, a);
        const auto found = m_data.FindMatchingActivity(a, 4);
        EXPECT_EQ(found != m_data.m_arrActivities.end(), c.matches) << c.name;
        m_data.m_arrActivities[0].m_arrMembers = {1};  // keep the store sound for the walk
    }
}

// Clean-ups -----------------------------------------------------------------------------------

TEST_F(StoreEdit, DeleteActivitiesWithoutMembersCountsRoomsAsNoMembers) {
    Entity(1, L"Ann");
    Entity(2, L"Hall", 4);
    Activity(1, L"Rooms only", {2});
    Activity(2, L"Art", {1});
    Entry(1, At(2000, 1, 3, 8, 0), 60);
    m_data.m_arrKeys = {{1, 1, L"A"}};
    m_data.DeleteActivitiesWithoutMembers();
    EXPECT_EQ(ActivityIds(), std::vector<int>{2});
    EXPECT_TRUE(m_data.m_arrEntries.empty());
    EXPECT_TRUE(m_data.m_arrKeys.empty());
}

TEST_F(StoreEdit, DeleteActivitiesWithoutEntriesTakesTheirKeys) {
    Entity(1, L"Ann");
    Activity(1, L"Art", {1});
    Activity(2, L"Bio", {1});
    Entry(2, At(2000, 1, 3, 8, 0), 60);
    m_data.m_arrKeys = {{1, 1, L"A"}, {2, 1, L"B"}};
    m_data.DeleteActivitiesWithoutEntries();
    EXPECT_EQ(ActivityIds(), std::vector<int>{2});
    ASSERT_EQ(m_data.m_arrKeys.size(), 1u);
    EXPECT_EQ(m_data.m_arrKeys[0].m_nActivity, 2);
}

TEST_F(StoreEdit, DeleteEntitiesWithoutActivitiesClearsWhatNamedThem) {
    Entity(1, L"Ann");
    Entity(2, L"Sub", 1);  // only stands in
    Entity(3, L"Hall", 4);
    Activity(1, L"Art", {1});
    m_data.FindEntity(1)->m_nDefaultPlace = 3;
    CTimetableEntry& entry = Entry(1, At(2000, 1, 3, 8, 0), 60);
    entry.m_arrReplacements.push_back(CReplacement{2, 1, 0, 0, {}, {}});
    entry.m_arrRooms = {3};
    m_data.m_arrKeys = {{1, 2, L"K"}};
    m_data.DeleteEntitiesWithoutActivities();
    EXPECT_EQ(EntityIds(), std::vector<int>{1});
    EXPECT_TRUE(m_data.m_arrEntries[0].m_arrReplacements.empty());
    EXPECT_TRUE(m_data.m_arrEntries[0].m_arrRooms.empty());
    EXPECT_TRUE(m_data.m_arrKeys.empty());
    EXPECT_EQ(m_data.FindEntity(1)->m_nDefaultPlace, 0);
}

TEST_F(StoreEdit, DeleteEntitiesWithoutEntriesRemovesThemFromActivitiesFirst) {
    Entity(1, L"Ann");
    Entity(2, L"Bob");
    Entity(3, L"Hall", 4);
    Activity(1, L"Art", {1, 3});
    Activity(2, L"Bio", {2}).m_arrPairs = {{3, 2}};
    Entry(1, At(2000, 1, 3, 8, 0), 60);
    m_data.DeleteEntitiesWithoutEntries();
    EXPECT_EQ(EntityIds(), (std::vector<int>{1, 3}));
    EXPECT_TRUE(m_data.FindActivity(2)->m_arrMembers.empty());
    EXPECT_TRUE(m_data.FindActivity(2)->m_arrPairs.empty());
    EXPECT_TRUE(Called("refresh full"));
}

// All of them go with one plan check; an entity that only stands in, or sits only in activities
// without entries, goes too, and what named it forgets it.
TEST_F(StoreEdit, DeleteEntitiesWithoutEntriesChecksOnceForAll) {
    Entity(1, L"Ann");
    Entity(2, L"Bob");
    Entity(3, L"Cid");
    Entity(4, L"Hall", 4);
    Entity(5, L"Lab", 4);
    Activity(1, L"Art", {1}).m_arrRooms = {4};
    Activity(2, L"Bio", {2, 3}).m_arrRooms = {5};
    m_data.FindEntity(1)->m_nDefaultPlace = 5;
    CTimetableEntry& entry = Entry(1, At(2000, 1, 3, 8, 0), 60);
    entry.m_arrReplacements.push_back(CReplacement{3, 1, 0, 0, {}, {}});
    auto checks = [&] { return std::count(m_host.m_calls.begin(), m_host.m_calls.end(), "refresh full"); };
    m_data.DeleteEntitiesWithoutEntries();
    EXPECT_EQ(EntityIds(), (std::vector<int>{1, 4}));
    EXPECT_EQ(checks(), 1);
    EXPECT_TRUE(m_data.FindActivity(2)->m_arrMembers.empty());
    EXPECT_TRUE(m_data.FindActivity(2)->m_arrRooms.empty());
    EXPECT_TRUE(m_data.m_arrEntries[0].m_arrReplacements.empty());
    EXPECT_EQ(m_data.FindEntity(1)->m_nDefaultPlace, 0);
    // Nothing to delete: no check.
    m_data.DeleteEntitiesWithoutEntries();
    EXPECT_EQ(checks(), 1);
}

// Orders ----------------------------------------------------------------------------------------

TEST_F(StoreEdit, EntityOrderCountsStaffTypesAsOne) {
    const std::pair<int, const wchar_t*> records[] = {{4, L"A"}, {2, L"b"}, {1, L"C"}, {0, L"Z"}, {2, L"A"}};
    CEntityArray entities;
    int id = 1;
    for (const auto& r : records) {
        CEntity e;
        e.m_nId = id++;
        e.m_nType = r.first;
        e.m_strName = r.second;
        entities.push_back(e);
    }
    entities.StableSort(CompareEntities());
    std::vector<int> ids;
    for (const CEntity& e : entities) ids.push_back(e.m_nId);
    EXPECT_EQ(ids, (std::vector<int>{4, 5, 3, 2, 1}));  // Z; A C b (staff); A (room)
}

TEST_F(StoreEdit, ActivityOrderIsStrictWithMissingAndNamesakeGroups) {
    Group(1, L"Beta");
    Group(2, L"Alpha");
    Group(3, L"Alpha");  // two groups of one name
    struct Rec {
        int group;
        const wchar_t* name;
    };
    // group 9 does not exist
    const Rec records[] = {{9, L"m"}, {1, L"b"}, {3, L"a"}, {0, L"z"}, {2, L"c"}, {9, L"a"}, {2, L"a"},
                           {0, L"a"}, {3, L"z"}, {1, L"a"}};
    int id = 1;
    for (const Rec& r : records) Activity(id++, r.name, {}, r.group).m_strLevel = L"";
    const CompareActivities less(m_data);
    // Irreflexive and transitive on every triple: the standard sort needs a strict weak order.
    const auto& all = m_data.m_arrActivities;
    for (const CActivity& a : all) {
        EXPECT_FALSE(less(a, a));
        for (const CActivity& b : all)
            for (const CActivity& c : all) {
                if (less(a, b) && less(b, c)) {
                    EXPECT_TRUE(less(a, c));
                }
                const bool ab = !less(a, b) && !less(b, a), bc = !less(b, c) && !less(c, b);
                if (ab && bc) {
                    EXPECT_TRUE(!less(a, c) && !less(c, a));
                }
            }
    }
    m_data.m_arrActivities.StableSort(less);
    m_data.m_arrGroups.clear();
    Group(1, L"Beta");
    Group(2, L"Alpha");
    Group(3, L"Alpha");
    Group(9, L"Missing");  // keeps the walk of the fixture sound
    std::vector<std::wstring> order;
    for (const CActivity& a : m_data.m_arrActivities)
        order.push_back(std::to_wstring(a.m_nGroup) + L":" + a.m_strName.str());
    EXPECT_EQ(order, (std::vector<std::wstring>{L"0:a", L"0:z", L"2:a", L"2:c", L"3:a", L"3:z", L"1:a", L"1:b",
                                                L"9:a", L"9:m"}));
}

// Lookups and lists ---------------------------------------------------------------------------

TEST_F(StoreEdit, NameLookupsByType) {
    Entity(1, L"Sam", 0);
    Entity(2, L"Sam", 2);
    Entity(3, L"Sam", 4);
    Chimes(1, L"Bells");
    struct Case {
        const char* name;
        CEntityArray::iterator found;
        int id;  // 0: the end
    };
    const Case cases[] = {
        {"room", m_data.FindKind4EntityByName(L"Sam"), 3},
        {"type 0", m_data.FindKind0EntityByName(L"Sam"), 1},
        {"staff", m_data.FindKind1Or2EntityByName(L"Sam"), 2},
        {"case matters", m_data.FindKind0EntityByName(L"sam"), 0},
        {"empty name", m_data.FindKind0EntityByName(L""), 0},
    };
    for (const Case& c : cases) {
        if (c.id == 0) {
            EXPECT_EQ(c.found, m_data.m_arrEntities.end()) << c.name;
        } else {
            EXPECT_EQ(c.found->m_nId, c.id) << c.name;
        }
    }
    EXPECT_EQ(m_data.FindChimeSetByName(L"Bells"), m_data.m_arrChimeSets.begin());
    EXPECT_EQ(m_data.FindChimeSetByName(L"bells"), m_data.m_arrChimeSets.end());
}

TEST_F(StoreEdit, FindEntityIdByNameAndCode) {
    Entity(1, L"Sam").m_strCode = L"X1";
    Entity(2, L"sam").m_strCode = L"Y2";
    Entity(3, L"SAM").m_strCode = L"Z3";
    EXPECT_EQ(m_data.FindEntityIdByNameAndCode(L"Sam", L"y2"), 2);
    EXPECT_EQ(m_data.FindEntityIdByNameAndCode(L"Sam", L"none"), 3);  // the last by name
    EXPECT_EQ(m_data.FindEntityIdByNameAndCode(L"Pat", L"X1"), 0);
    Entity(4, L"").m_strCode = L"E4";
    EXPECT_EQ(m_data.FindEntityIdByNameAndCode(L"", L"E4"), 0);  // an empty name finds nothing
}

TEST_F(StoreEdit, NameLists) {
    Entity(1, L"Hall", 4).m_arrAbsences.resize(2);
    Entity(2, L"hall", 4);
    Entity(3, L"Tom", 1).m_strCompany = L"Acme";
    Entity(4, L"Tim", 2).m_strCompany = L"ACME";
    Entity(5, L"Ted", 1).m_strCompany = L"Gone";
    m_data.FindEntity(5)->m_bUnavailable = 1;
    Entity(6, L"Ann", 0).m_strCompany = L"School";
    m_data.FindEntity(1)->m_arrAbsences[0].m_strCategory = L"Ill";
    m_data.FindEntity(1)->m_arrAbsences[0].m_strFund = L"F1";
    Chimes(1, L"Bells");
    Chimes(2, L"Late");
    Activity(1, L"Art");
    Activity(2, L"ART");
    Activity(3, L"Bio");
    m_settings.GetWordList(WordList::Categories) = {L"Ill", L"Trip"};
    m_settings.GetWordList(WordList::Funders) = {L"F1", L"Board"};

    std::vector<CString> names = {L"HALL"};
    m_data.CollectKind4Names(names, FALSE);
    EXPECT_EQ(names, std::vector<CString>{L"HALL"});
    m_data.CollectKind4Names(names, TRUE);
    EXPECT_EQ(names, (std::vector<CString>{L"HALL", L"Hall", L"hall"}));

    names = {L"Bells"};
    m_data.CollectChimeNames(names);
    EXPECT_EQ(names, (std::vector<CString>{L"Bells", L"Late"}));

    m_data.GetActivityNames(names);
    EXPECT_EQ(names, (std::vector<CString>{L"Art", L"Bio"}));

    m_data.CollectAbsenceCategories(names);
    EXPECT_EQ(names, (std::vector<CString>{L"Ill", L"Trip"}));

    m_data.CollectCompanies(names);
    EXPECT_EQ(names, std::vector<CString>{L"Acme"});

    // The second absence has no fund: the list holds one empty item.
    m_data.CollectFunds(names);
    EXPECT_EQ(names, (std::vector<CString>{L"F1", L"", L"Board"}));

    BuildAbsenceCategoryList(names, m_settings, L"TRIP");
    EXPECT_EQ(names, (std::vector<CString>{L"Ill", L"Trip"}));
    BuildAbsenceCategoryList(names, m_settings, L"Leave");
    EXPECT_EQ(names, (std::vector<CString>{L"Ill", L"Trip", L"Leave"}));
}

TEST_F(StoreEdit, EntityHasActivityLikeUsesTheLastListedWordInTheText) {
    Entity(1, L"Ann");
    Entity(2, L"Bob");
    Activity(1, L"Maths A", {1});
    Activity(2, L"Art", {2});
    m_settings.GetWordList(WordList::Activities) = {L"Art", L"", L"Maths"};
    struct Case {
        int entity;
        const wchar_t* text;
        bool expected;
    };
    const Case cases[] = {
        {1, L"Maths B", true},      // word Maths
        {1, L"Art and Maths", true},
        {2, L"Art and Maths", false},  // the last word found is Maths
        {2, L"Art class", true},
        {1, L"Maths A", true},
        {1, L"Physics", false},     // the text itself
        {9, L"Maths", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(m_data.EntityHasActivityLike(c.entity, c.text), c.expected) << CString(c.text).ToUtf8();
}

TEST_F(StoreEdit, CountReportFlags) {
    EXPECT_EQ(m_data.CountReportFlags(), CScheduleData::kReportSwitches);
    std::fill(std::begin(m_data.m_bReportSwitches), std::end(m_data.m_bReportSwitches), 0);
    m_data.m_bReportSwitches[3] = 2;
    EXPECT_EQ(m_data.CountReportFlags(), 1);
}

}  // namespace
