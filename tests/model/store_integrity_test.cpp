#include "store_integrity.h"

#include <gtest/gtest.h>

#include <functional>

#include "model/schedule_data.h"

namespace {

// A small sound store: a person (1) and a room (2), an activity of both with a group and a
// chime set, one entry with a replacement and a pair, a key.
void FillSoundStore(CScheduleData& data) {
    CChimeSet chimes;
    chimes.m_nId = 1;
    data.m_arrChimeSets.push_back(chimes);
    CEntity person;
    person.m_nId = 1;
    person.m_nChimeSet = 1;
    person.m_nDefaultPlace = 2;
    CEntity room;
    room.m_nId = 2;
    room.m_nType = 4;
    data.m_arrEntities.push_back(person);
    data.m_arrEntities.push_back(room);
    CActivityGroup group;
    group.m_nId = 1;
    data.m_arrGroups.push_back(group);
    CActivity activity;
    activity.m_nId = 1;
    activity.m_nGroup = 1;
    activity.m_nChimeSet = 1;
    activity.m_arrMembers = {1};
    activity.m_arrRooms = {2};
    activity.m_arrPairs = {{2, 1}};
    data.m_arrActivities.push_back(activity);
    CTimetableEntry entry;
    entry.m_nActivity = 1;
    entry.m_arrRooms = {2};
    entry.m_arrPairs = {{2, 1}};
    CReplacement replacement;
    replacement.m_nEntity = 1;
    entry.m_arrReplacements.push_back(replacement);
    data.m_arrEntries.push_back(entry);
    data.m_arrKeys.push_back(CActivityKey{1, 1, L"K"});
    data.m_nCurrentEntity = 1;
    data.m_nCurrentChimeSet = 1;
    data.m_nDefaultChimeSet = 1;
}

struct FaultCase {
    const char* name;
    std::function<void(CScheduleData&)> plant;
    const char* expected;
};

const FaultCase kFaults[] = {
    {"duplicate entity id", [](CScheduleData& d) { d.m_arrEntities.push_back(d.m_arrEntities[0]); },
     "entity 1: id is used twice"},
    {"entity id 0", [](CScheduleData& d) { d.m_arrEntities.push_back(CEntity()); }, "entity 0: id is not positive"},
    {"duplicate chime set id", [](CScheduleData& d) { d.m_arrChimeSets.push_back(d.m_arrChimeSets[0]); },
     "chime set 1: id is used twice"},
    {"default place", [](CScheduleData& d) { d.m_arrEntities[0].m_nDefaultPlace = 9; },
     "entity 1: default place 9 names no entity"},
    {"entity chime set", [](CScheduleData& d) { d.m_arrEntities[0].m_nChimeSet = 9; },
     "entity 1: chime set 9 names no chime set"},
    {"activity group", [](CScheduleData& d) { d.m_arrActivities[0].m_nGroup = 9; },
     "activity 1: group 9 names no group"},
    {"activity chime set", [](CScheduleData& d) { d.m_arrActivities[0].m_nChimeSet = 9; },
     "activity 1: chime set 9 names no chime set"},
    {"missing member", [](CScheduleData& d) { d.m_arrActivities[0].m_arrMembers.push_back(9); },
     "activity 1: member 9 names no entity"},
    {"room as member", [](CScheduleData& d) { d.m_arrActivities[0].m_arrMembers.push_back(2); },
     "activity 1: member 2 is a room"},
    {"person as room", [](CScheduleData& d) { d.m_arrActivities[0].m_arrRooms.push_back(1); },
     "activity 1: room 1 is not a room"},
    {"activity pair", [](CScheduleData& d) { d.m_arrActivities[0].m_arrPairs.push_back({2, 9}); },
     "activity 1: pair entity 9 names no entity"},
    {"entry activity", [](CScheduleData& d) { d.m_arrEntries[0].m_nActivity = 9; },
     "entry #0: activity 9 names no activity"},
    {"entry room", [](CScheduleData& d) { d.m_arrEntries[0].m_arrRooms.push_back(9); },
     "entry #0: room 9 names no entity"},
    {"entry pair room", [](CScheduleData& d) { d.m_arrEntries[0].m_arrPairs.push_back({1, 1}); },
     "entry #0: pair room 1 is not a room"},
    {"replacement", [](CScheduleData& d) { d.m_arrEntries[0].m_arrReplacements[0].m_nEntity = 9; },
     "entry #0: replacement entity 9 names no entity"},
    {"replaced", [](CScheduleData& d) { d.m_arrEntries[0].m_arrReplacements[0].m_nReplacing = 9; },
     "entry #0: replaced entity 9 names no entity"},
    {"key activity", [](CScheduleData& d) { d.m_arrKeys[0].m_nActivity = 9; }, "key #0: activity 9 names no activity"},
    {"key entity", [](CScheduleData& d) { d.m_arrKeys[0].m_nEntity = 9; }, "key #0: entity 9 names no entity"},
    {"current entity", [](CScheduleData& d) { d.m_nCurrentEntity = 9; }, "store: current entity 9 names no entity"},
    {"current chime set", [](CScheduleData& d) { d.m_nCurrentChimeSet = 9; },
     "store: current chime set 9 names no chime set"},
    {"default chime set", [](CScheduleData& d) { d.m_nDefaultChimeSet = 9; },
     "store: default chime set 9 names no chime set"},
};

TEST(StoreIntegrity, SoundStoreHasNoFaults) {
    CScheduleData data;
    EXPECT_TRUE(FindStoreFaults(data).empty());
    FillSoundStore(data);
    EXPECT_EQ(FindStoreFaults(data), std::vector<std::string>{});
}

TEST(StoreIntegrity, EachPlantedFaultIsFoundAlone) {
    for (const FaultCase& c : kFaults) {
        CScheduleData data;
        FillSoundStore(data);
        c.plant(data);
        EXPECT_EQ(FindStoreFaults(data), std::vector<std::string>{c.expected}) << c.name;
    }
}

}  // namespace
