// The rules answer the same with an index of the store as without one.
#include <algorithm>
#include <cstdint>
#include <random>
#include <unordered_set>
#include <vector>

#include "model/linked_entities.h"
#include "model/plan_index.h"
#include "rules_fixture.h"

namespace {

class RulesWithIndex : public RulesFixture {
protected:
    // A mixed plan: classes, staff with various limits and rooms; grouped activities, pairs,
    // default rooms; entries on three days with replacements, own rooms and linked ones.
    void SetUp() override {
        std::mt19937 random(20240304);
        const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
        for (int id = 1; id <= 18; ++id) {
            const int type = id <= 5 ? 0 : id <= 11 ? 1 + pick(3) : id <= 16 ? 4 : 5;
            AddEntity(id, type, pick(3));
            if (type == 0 && pick(2)) Entity(id).m_nDefaultPlace = 12 + pick(5);
        }
        for (int id = 100; id < 112; ++id) {
            std::vector<int> members{1 + pick(5), 6 + pick(6)};
            if (pick(2)) members.push_back(6 + pick(6));
            std::vector<int> rooms;
            for (int r = pick(3); r > 0; --r) rooms.push_back(12 + pick(5));
            CActivity& activity = AddActivity(id, members, rooms, pick(3) == 0 ? 1 + pick(2) : 0);
            if (!rooms.empty() && pick(2)) activity.m_arrPairs.push_back({rooms.front(), members.back()});
        }
        for (int i = 0; i < 70; ++i) {
            const std::size_t e = AddEntry(100 + pick(12), pick(3), 7 + pick(8), pick(4) * 15, 30 + 15 * pick(7));
            CTimetableEntry& entry = Entry(e);
            if (pick(5) == 0) entry.m_bLinked = 1;
            if (pick(3) == 0) entry.m_arrReplacements.push_back(Replacement(1 + pick(11), pick(2) == 0));
            if (pick(6) == 0) entry.m_arrRooms.push_back(12 + pick(5));
            if (pick(8) == 0) entry.m_arrPairs.push_back({12 + pick(5), 6 + pick(6)});
        }
        // Rarer shapes: an activity held at an outside location, an entry that runs backwards,
        // a room claimed only as the default room of a class standing in, next to an activity
        // that books it; an entry of a removed activity; chime sets that the activities of an
        // entity share or not.
        Activity(103).m_strLocation = L"Gym & pool";
        AddEntry(104, 1, 10, 0, -30);
        Entity(1).m_nDefaultPlace = 0;
        Entity(2).m_nDefaultPlace = 13;
        AddActivity(112, {1, 6});
        Entry(AddEntry(112, 0, 9, 0, 60)).m_arrReplacements.push_back(Replacement(2));
        AddActivity(113, {3, 7}, {13});
        AddEntry(113, 0, 9, 30, 60);
        Entry(AddEntry(199, 1, 10, 0, 45)).m_arrReplacements.push_back(Replacement(7));
        for (CActivity& activity : m_data.m_arrActivities) {
            activity.m_nChimeSet = pick(4) == 0 ? 1 + pick(2) : 0;
            activity.m_nDerivedChimeSet = pick(2);
        }
    }
};

TEST_F(RulesWithIndex, AnswersMatchTheFullWalk) {
    const CPlanIndex index(m_data);
    int takingPart = 0;
    for (std::size_t position = 0; position < m_data.m_arrEntries.size(); ++position) {
        const CTimetableEntry& entry = m_data.m_arrEntries[position];
        for (const CEntity& entity : m_data.m_arrEntities) {
            const bool takes = entity.TakesPartIn(m_data, entry);
            takingPart += takes;
            ASSERT_EQ(entity.TakesPartIn(m_data, entry, &index), takes) << entity.m_nId;
            ASSERT_EQ(entity.CanTakeEntry(m_data, entry, &index), entity.CanTakeEntry(m_data, entry)) << entity.m_nId;
            ASSERT_EQ(entity.TakesPartDuring(m_data, entry, &index), entity.TakesPartDuring(m_data, entry));
            ASSERT_EQ(entity.IsReplacedOut(m_data, entry.m_dtStart, entry.GetEndTime(), entry.m_nActivity, &index),
                      entity.IsReplacedOut(m_data, entry.m_dtStart, entry.GetEndTime(), entry.m_nActivity));
            for (int group : {0, 1}) {
                ASSERT_EQ(entry.GetMaxEndDistance(m_data, entity.m_nId, group, &index),
                          entry.GetMaxEndDistance(m_data, entity.m_nId, group))
                    << entity.m_nId;
                ASSERT_EQ(entry.GetMaxStartDistance(m_data, entity.m_nId, group, &index),
                          entry.GetMaxStartDistance(m_data, entity.m_nId, group))
                    << entity.m_nId;
            }
            if (entity.m_nType != 4) continue;
            if (entry.GetRoomRole(m_data, entity.m_nId) != 0) {
                const CPlanIndex::Positions& withRole = index.EntriesWithRoomRole(entity.m_nId);
                ASSERT_TRUE(std::binary_search(withRole.begin(), withRole.end(), position)) << entity.m_nId;
            }
            ASSERT_EQ(entry.GetBestRoomRoleElsewhere(m_data, entity.m_nId, &index),
                      entry.GetBestRoomRoleElsewhere(m_data, entity.m_nId));
            ASSERT_EQ(entry.IsRoomTakenElsewhere(m_data, entity.m_nId, &index),
                      entry.IsRoomTakenElsewhere(m_data, entity.m_nId));
            ASSERT_EQ(entry.HasRoomPriority(m_data, entity.m_nId, &index), entry.HasRoomPriority(m_data, entity.m_nId));
        }
    }
    EXPECT_GT(takingPart, 70);  // the plan is not trivially empty
    for (const CEntity& entity : m_data.m_arrEntities)
        EXPECT_EQ(m_data.GetEntityChimeSetId(entity.m_nId, &index), m_data.GetEntityChimeSetId(entity.m_nId))
            << entity.m_nId;
    for (int id : {1, 2}) {
        CActivityGroup group;
        group.m_nId = id;
        EXPECT_EQ(group.GetCommonChimeSetId(m_data, &index), group.GetCommonChimeSetId(m_data)) << id;
    }
}

// The placement tests and the time figures take the index's short cuts; they must answer as
// the walks over the whole store do.
TEST_F(RulesWithIndex, PlacementAndTimeFiguresMatchTheFullWalk) {
    int minutes = 45;
    for (CActivity& activity : m_data.m_arrActivities) {
        activity.m_tsDuration = Minutes(minutes * 2);
        activity.m_tsMeeting = Minutes(minutes);
        minutes = minutes % 120 + 15;
    }
    Entity(1).m_arrAbsences.push_back(Absence(1, 9, 0, 90));
    const CPlanIndex index(m_data);
    int placeable = 0;
    for (const CTimetableEntry& entry : m_data.m_arrEntries) {
        const CTimetableEntry proposed(entry);
        for (const CActivity& activity : m_data.m_arrActivities) {
            for (int excluded : {0, 100, 105}) {
                const int answer = m_data.CanPlaceEntry(activity.m_nId, excluded, proposed);
                placeable += answer;
                ASSERT_EQ(m_data.CanPlaceEntry(activity.m_nId, excluded, proposed, &index), answer) << activity.m_nId;
            }
        }
        for (const CEntity& entity : m_data.m_arrEntities) {
            for (int activity : {100, 103, 107}) {
                for (int excluded : {0, 100, 104}) {
                    ASSERT_EQ(m_data.EntityHasClash(entity.m_nId, activity, proposed, excluded, &index),
                              m_data.EntityHasClash(entity.m_nId, activity, proposed, excluded))
                        << entity.m_nId;
                    ASSERT_EQ(m_data.CountEntityOverlaps(entity.m_nId, activity, excluded, nullptr, proposed, &index),
                              m_data.CountEntityOverlaps(entity.m_nId, activity, excluded, nullptr, proposed))
                        << entity.m_nId;
                }
            }
        }
    }
    EXPECT_GT(placeable, 0);
    for (const CActivity& activity : m_data.m_arrActivities) {
        ASSERT_EQ(activity.IsTimeFilled(m_data, &index), activity.IsTimeFilled(m_data)) << activity.m_nId;
        ASSERT_EQ(activity.ComputeFreeSlotTime(m_data, &index), activity.ComputeFreeSlotTime(m_data)) << activity.m_nId;
        ASSERT_EQ(m_data.IsPlacementSafe(activity.m_nId, m_data.m_arrEntries.front(), &index),
                  m_data.IsPlacementSafe(activity.m_nId, m_data.m_arrEntries.front()))
            << activity.m_nId;
    }
    for (CEntity& entity : m_data.m_arrEntities) {
        for (int group : {1, 2}) {
            ASSERT_EQ(m_data.GetPlacedGroupTime(group, entity.m_nId, &index), m_data.GetPlacedGroupTime(group, entity.m_nId));
            ASSERT_EQ(m_data.GetRequiredGroupTime(group, entity.m_nId, &index),
                      m_data.GetRequiredGroupTime(group, entity.m_nId));
        }
        ASSERT_EQ(entity.SumActivityTime(m_data, &index).Total(), entity.SumActivityTime(m_data).Total()) << entity.m_nId;
        // The item list holds an item for every entry the entity takes part in.
        entity.RebuildItems(m_data);
        ASSERT_EQ(entity.SumItemTime(m_data, &index).m_tsGrouped, entity.SumItemTime(m_data).m_tsGrouped) << entity.m_nId;
        std::vector<std::uint64_t> items, expected;
        for (const CEntityItem& item : entity.m_arrItems) items.push_back(item.m_nEntry);
        for (const CTimetableEntry& entry : m_data.m_arrEntries)
            if (entity.TakesPartIn(m_data, entry)) expected.push_back(entry.GetSerial());
        std::sort(items.begin(), items.end());
        std::sort(expected.begin(), expected.end());
        ASSERT_EQ(items, expected) << entity.m_nId;
    }
}

// The side panels' lists ask these for every entity of the plan with one index and the set of
// entities linked with the current one; they must answer as the walks over the whole store do.
TEST_F(RulesWithIndex, PanelListAnswersMatchTheFullWalk) {
    const CPlanIndex index(m_data);
    int linkedPairs = 0;
    for (const CEntity& other : m_data.m_arrEntities) {
        const std::unordered_set<int> linked = LinkedEntities(m_data, index, other.m_nId);
        for (const CEntity& entity : m_data.m_arrEntities) {
            const bool expected = m_data.AreEntitiesLinked(entity.m_nId, other.m_nId) != 0;
            linkedPairs += expected;
            ASSERT_EQ(linked.count(entity.m_nId) != 0, expected) << entity.m_nId << " / " << other.m_nId;
        }
    }
    EXPECT_GT(linkedPairs, 0);
    EXPECT_TRUE(LinkedEntities(m_data, index, 999).empty());  // no such entity
    int joinable = 0;
    for (const CActivity& activity : m_data.m_arrActivities) {
        for (const CEntity& entity : m_data.m_arrEntities) {
            const int can = m_data.CanAddEntityToActivity(activity.m_nId, entity.m_nId);
            joinable += can;
            ASSERT_EQ(m_data.CanAddEntityToActivity(activity.m_nId, entity.m_nId, &index), can)
                << activity.m_nId << " / " << entity.m_nId;
            ASSERT_EQ(activity.GetRoomConflict(m_data, entity.m_nId, &index), activity.GetRoomConflict(m_data, entity.m_nId))
                << activity.m_nId << " / " << entity.m_nId;
        }
    }
    EXPECT_GT(joinable, 0);
}

}  // namespace
