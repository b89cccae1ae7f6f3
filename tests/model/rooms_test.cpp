// Room lists, room roles and their priority, the room check and the room/participant pairs.
#include "rules_fixture.h"

namespace {

class Rooms : public RulesFixture {
protected:
    void SetUp() override {
        AddEntity(1, 0);  // classes
        AddEntity(2, 0);
        AddEntity(3, 1);  // teachers
        AddEntity(4, 1);
        AddEntity(50, 4);  // rooms
        AddEntity(51, 4);
        AddEntity(52, 4);
    }
    std::vector<int> RoomsOf(std::size_t entry) {
        std::vector<int> rooms{99};
        Entry(entry).GetRooms(m_data, rooms);
        return rooms;
    }
};

struct RoleCase {
    const char* name;
    std::vector<int> activityRooms, ownRooms;
    std::vector<CRoomPair> activityPairs, ownPairs;
    std::vector<int> members;
    int room;
    int role;
};

const RoleCase kRoles[] = {
    {"own pair", {}, {}, {}, {{50, 3}}, {1, 3}, 50, 2},
    {"own room", {51}, {50}, {}, {}, {1, 3}, 50, 1},
    {"own rooms hide the activity's", {51}, {50}, {}, {}, {1, 3}, 51, 0},
    {"activity pair", {50, 51}, {}, {{51, 3}}, {}, {1, 3}, 51, 2},
    {"the one room of a one-teacher activity", {50}, {}, {}, {}, {1, 3}, 50, 2},
    {"one room, two teachers", {50}, {}, {}, {}, {1, 3, 4}, 50, 3},
    {"two rooms, one teacher", {50, 51}, {}, {}, {}, {1, 3}, 50, 3},
    {"not named while the activity has rooms", {50}, {}, {}, {}, {1, 3}, 51, 0},
    {"the class's default room", {}, {}, {}, {}, {1, 3}, 52, 4},
    {"not the default room", {}, {}, {}, {}, {1, 3}, 51, 0},
    {"two default rooms", {}, {}, {}, {}, {1, 2, 3}, 52, 0},
};

TEST_F(Rooms, RoleOfARoomInAnEntry) {
    Entity(1).m_nDefaultPlace = 52;
    Entity(2).m_nDefaultPlace = 51;
    for (const RoleCase& c : kRoles) {
        m_data.m_arrActivities.clear();
        m_data.m_arrEntries.clear();
        AddActivity(10, c.members, c.activityRooms).m_arrPairs = c.activityPairs;
        const std::size_t entry = AddEntry(10, 1, 9, 0, 60);
        Entry(entry).m_arrRooms = c.ownRooms;
        Entry(entry).m_arrPairs = c.ownPairs;
        EXPECT_EQ(Entry(entry).GetRoomRole(m_data, c.room), c.role) << c.name;
        Activity(10).m_strLocation = L"Gym hall";
        EXPECT_EQ(Entry(entry).GetRoomRole(m_data, c.room), 0) << c.name;
    }
}

TEST_F(Rooms, ALocationTextPassesTheRoomCheck) {
    AddActivity(10, {1, 3}, {50}).m_strLocation = L"Outside";
    AddActivity(20, {2, 4}, {50});
    const std::size_t entry = AddEntry(10, 1, 9, 0, 60);
    const std::size_t other = AddEntry(20, 1, 9, 0, 60);
    EXPECT_EQ(Entry(entry).CheckRooms(m_data), 0);
    EXPECT_EQ(Entry(other).CheckRooms(m_data), 0);  // the room is not claimed by the located one
    Activity(10).m_strLocation.Empty();
    EXPECT_EQ(Entry(entry).CheckRooms(m_data), 2);  // both claim it with role 2: taken for both
}

TEST_F(Rooms, OwnRoomsOfOverlappingEntriesTieAndAreTakenForBoth) {
    AddActivity(10, {1, 3});
    AddActivity(20, {2, 4});
    const std::size_t a = AddEntry(10, 1, 9, 0, 60);
    const std::size_t b = AddEntry(20, 1, 9, 30, 60);
    const std::size_t apart = AddEntry(20, 1, 10, 0, 60);  // touches a only
    Entry(a).m_arrRooms = {50};
    Entry(b).m_arrRooms = {50};
    Entry(apart).m_arrRooms = {51};
    for (std::size_t i : {a, b}) {
        EXPECT_EQ(Entry(i).GetRoomRole(m_data, 50), 1);
        EXPECT_EQ(Entry(i).GetBestRoomRoleElsewhere(m_data, 50), 1);
        EXPECT_TRUE(Entry(i).HasRoomPriority(m_data, 50));
        EXPECT_TRUE(Entry(i).IsRoomTakenElsewhere(m_data, 50));
        EXPECT_TRUE(Entity(50).TakesPartIn(m_data, Entry(i)));
        EXPECT_FALSE(Entity(50).IsRoomFreeFor(m_data, Entry(i)));
    }
    EXPECT_EQ(Entry(a).GetBestRoomRoleElsewhere(m_data, 51), 5);
    EXPECT_FALSE(Entry(a).IsRoomTakenElsewhere(m_data, 51));
    EXPECT_TRUE(Entity(51).IsRoomFreeFor(m_data, Entry(a)));
    EXPECT_EQ(Entry(a).CheckRooms(m_data), 2);
    EXPECT_EQ(Entry(apart).CheckRooms(m_data), 3);  // free, and own rooms

    // A linked entry claims nothing.
    Entry(b).m_bLinked = 1;
    EXPECT_EQ(Entry(a).GetBestRoomRoleElsewhere(m_data, 50), 5);
    EXPECT_FALSE(Entry(a).IsRoomTakenElsewhere(m_data, 50));
    EXPECT_EQ(Entry(b).CheckRooms(m_data), 0);
}

TEST_F(Rooms, DefaultRoomsApplyOnlyWhenTheyGiveOne) {
    Entity(1).m_nDefaultPlace = 50;
    Entity(2).m_nDefaultPlace = 51;
    AddActivity(10, {1, 2, 3});
    const std::size_t entry = AddEntry(10, 1, 9, 0, 60);
    EXPECT_TRUE(RoomsOf(entry).empty());
    EXPECT_EQ(Entry(entry).GetRoomRole(m_data, 50), 0);
    EXPECT_EQ(Entry(entry).GetRoomRole(m_data, 51), 0);

    Activity(10).m_arrMembers = {1, 3};
    EXPECT_EQ(RoomsOf(entry), std::vector<int>{50});
    EXPECT_EQ(Entry(entry).GetRoomRole(m_data, 50), 4);

    // A default room that a stronger claim takes is not given.
    AddActivity(20, {4}, {50});
    const std::size_t other = AddEntry(20, 1, 9, 0, 60);
    EXPECT_TRUE(RoomsOf(entry).empty());
    // A claim through a default room does not take a room named in an activity's room list.
    EXPECT_EQ(Entry(other).GetRoomRole(m_data, 50), 2);
    Activity(20).m_arrMembers = {4, 3};
    EXPECT_EQ(Entry(other).GetRoomRole(m_data, 50), 3);
    Activity(10).m_arrMembers = {1};
    EXPECT_FALSE(Entry(other).IsRoomTakenElsewhere(m_data, 50));
    EXPECT_TRUE(Entry(other).HasRoomPriority(m_data, 50));
    EXPECT_FALSE(Entry(entry).HasRoomPriority(m_data, 50));
    EXPECT_TRUE(Entity(50).IsRoomFreeFor(m_data, Entry(other)));  // only roles 1 and 2 block
    EXPECT_FALSE(Entity(50).TakesPartIn(m_data, Entry(entry)));
    EXPECT_TRUE(Entity(50).TakesPartIn(m_data, Entry(other)));
}

TEST_F(Rooms, RoomListsByAssociationAndAvailability) {
    AddActivity(10, {1, 3, 4}, {50, 51, 2});  // 2 is no room and is left out
    const std::size_t entry = AddEntry(10, 1, 9, 0, 60);
    Entry(entry).m_arrRooms = {52};
    EXPECT_EQ(RoomsOf(entry), (std::vector<int>{50, 51, 52}));

    std::vector<int> rooms;
    Entry(entry).GetRoomsByAssociation(m_data, rooms);
    EXPECT_EQ(rooms, (std::vector<int>{50, 51, 52}));  // no pairs: all
    Activity(10).m_arrPairs = {{51, 3}};
    Entry(entry).GetRoomsByAssociation(m_data, rooms);
    EXPECT_EQ(rooms, std::vector<int>{51});
    Entry(entry).m_arrPairs = {{52, 4}, {50, 3}};  // own pairs win
    EXPECT_EQ(Entry(entry).CountRoomsByAssociation(m_data), 2);

    Entity(51).m_arrAbsences.push_back(Absence(1, 9, 0, 60));
    Entry(entry).GetAvailableRooms(m_data, rooms);
    EXPECT_EQ(rooms, (std::vector<int>{50, 52}));

    std::vector<int> participants;
    EXPECT_EQ(Entry(entry).GetParticipantsByType(m_data, participants, 4), 0);
    EXPECT_EQ(participants, (std::vector<int>{50, 52}));
}

TEST_F(Rooms, CheckRoomsComparesFreeRoomsWithPresentStaff) {
    AddActivity(10, {1, 3, 4}, {50, 51});
    const std::size_t entry = AddEntry(10, 1, 9, 0, 60);
    EXPECT_EQ(Entry(entry).CheckRooms(m_data), 0);
    AddActivity(20, {2}, {51});
    const std::size_t other = AddEntry(20, 1, 9, 0, 60);
    EXPECT_EQ(Entry(entry).CheckRooms(m_data), 1);  // one free room, two teachers
    Entity(4).m_arrAbsences.push_back(Absence(1, 9, 0, 60));
    EXPECT_EQ(Entry(entry).CheckRooms(m_data), 0);
    // Staff are counted where the entry is now, not at its unmoved start.
    Entry(entry).m_dtUnmovedStart = GetUnplacedDate();
    EXPECT_EQ(Entry(entry).CheckRooms(m_data), 0);
    Entry(entry).m_dtUnmovedStart = At(1, 9, 0);
    Entry(other).m_dtStart = At(2, 9, 0);
    Entity(4).m_arrAbsences.clear();
    EXPECT_EQ(Entry(entry).CheckRooms(m_data), 0);
    Entry(entry).m_nActivity = 99;
    EXPECT_EQ(Entry(entry).CheckRooms(m_data), 2);
}

TEST_F(Rooms, PairsOfRoomsAndParticipants) {
    AddActivity(10, {1, 3, 4}, {50});
    const std::size_t entry = AddEntry(10, 1, 9, 0, 60);
    Activity(10).m_arrPairs = {{50, 3}};
    Entry(entry).AssociateRoom(m_data, 50, 4);  // one room: nothing to choose
    EXPECT_TRUE(Entry(entry).m_arrPairs.empty());
    EXPECT_TRUE(Entry(entry).IsRoomAssociatedWith(m_data, 4));

    Entry(entry).m_arrRooms = {51};
    EXPECT_EQ(Entry(entry).CountRooms(m_data), 2);
    EXPECT_FALSE(Entry(entry).IsRoomAssociatedWith(m_data, 4));
    Entry(entry).AssociateRoom(m_data, 51, 4);
    EXPECT_EQ(Entry(entry).m_arrPairs, (std::vector<CRoomPair>{{50, 3}, {51, 4}}));
    Entry(entry).AssociateRoom(m_data, 51, 3);
    EXPECT_EQ(Entry(entry).m_arrPairs, (std::vector<CRoomPair>{{51, 3}, {51, 4}}));
    Entry(entry).AssociateRoom(m_data, 51, 99);
    EXPECT_EQ(Entry(entry).m_arrPairs.size(), 2u);
    EXPECT_TRUE(Entry(entry).HasAssociation(m_data, 4, 51));
    EXPECT_FALSE(Entry(entry).HasAssociation(m_data, 4, 50));

    std::vector<int> occupants;
    Entry(entry).GetRoomOccupants(m_data, 51, occupants);
    EXPECT_EQ(occupants, (std::vector<int>{3, 4}));
    Entity(4).m_arrAbsences.push_back(Absence(1, 9, 0, 60));
    Entry(entry).GetRoomOccupants(m_data, 51, occupants);
    EXPECT_EQ(occupants, std::vector<int>{3});

    // Own rooms without an own pair.
    Entry(entry).m_arrRooms = {51, 52};
    EXPECT_EQ(Entry(entry).CountRoomsWithoutPair(), 1);
    EXPECT_TRUE(Entry(entry).DropRoomsWithoutPair());
    EXPECT_EQ(Entry(entry).m_arrRooms, std::vector<int>{51});
    EXPECT_FALSE(Entry(entry).DropRoomsWithoutPair());
    Entry(entry).m_arrPairs.clear();
    Entry(entry).m_arrRooms = {51, 52};
    EXPECT_TRUE(Entry(entry).DropRoomsWithoutPair());
    EXPECT_TRUE(Entry(entry).m_arrRooms.empty());
}

TEST_F(Rooms, CountsOfDefaultRoomsAndAvailableStaff) {
    Entity(1).m_nDefaultPlace = 50;
    AddActivity(10, {1, 2, 3, 4});
    const std::size_t entry = AddEntry(10, 1, 9, 0, 60);
    Entry(entry).m_arrReplacements = {Replacement(2)};
    EXPECT_EQ(Entry(entry).CountDefaultRooms(m_data), 1);
    Entity(2).m_nDefaultPlace = 51;
    EXPECT_EQ(Entry(entry).CountDefaultRooms(m_data), 3);  // members, then replacements

    EXPECT_EQ(Entry(entry).CountAvailableStaff(m_data), 2);
    Entity(4).m_arrAbsences.push_back(Absence(1, 9, 30, 60));
    EXPECT_EQ(Entry(entry).CountAvailableStaff(m_data), 1);
    Entry(entry).m_dtStart = At(1, 6, 0);  // before the window
    EXPECT_EQ(Entry(entry).CountAvailableStaff(m_data), 0);
}

TEST_F(Rooms, RoomConflictOfAnActivity) {
    AddActivity(10, {1, 3});
    AddActivity(20, {2, 4}, {50});
    const std::size_t entry = AddEntry(10, 1, 9, 0, 60);
    EXPECT_EQ(Activity(20).GetRoomConflict(m_data, 50), 2);  // in its own list
    EXPECT_EQ(Activity(10).GetRoomConflict(m_data, 50), 0);  // no other entry at that time
    const std::size_t other = AddEntry(20, 1, 9, 0, 60);
    EXPECT_EQ(Activity(10).GetRoomConflict(m_data, 50), 2);  // role 2 there
    Activity(20).m_arrMembers = {2, 4, 3};
    EXPECT_EQ(Activity(10).GetRoomConflict(m_data, 50), 1);  // only role 3 there
    Entry(other).m_bLinked = 1;
    EXPECT_EQ(Activity(10).GetRoomConflict(m_data, 50), 0);
    Entry(other).m_bLinked = 0;
    Entry(entry).m_arrRooms = {50};  // its own claim is stronger
    EXPECT_EQ(Activity(10).GetRoomConflict(m_data, 50), 0);
}

}  // namespace
