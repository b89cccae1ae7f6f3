// The rules give the same answers with the store's index as without it.
#include <random>

#include "model/plan_index.h"
#include "rules_fixture.h"

namespace {

class PlanIndex : public RulesFixture {
protected:
    // A small plan drawn at random: classes, teachers, helpers with OVERLAPS 2 and rooms,
    // grouped activities, entries that clash, linked entries, replacements, own rooms, absences.
    void Draw(unsigned seed) {
        std::mt19937 draw(seed);
        auto below = [&](int n) { return static_cast<int>(draw() % static_cast<unsigned>(n)); };
        m_data.m_nDays = 3;
        const int types[] = {0, 0, 0, 1, 1, 1, 3, 3, 4, 4};
        for (int id = 1; id <= 10; ++id) {
            CEntity& entity = AddEntity(id, types[id - 1], types[id - 1] == 3 ? 2 : 1);
            if (below(4) == 0) entity.m_arrAbsences.push_back(Absence(below(3), 9 + below(4), 0, 60 + 60 * below(2)));
        }
        for (int a = 1; a <= 14; ++a) {
            std::vector<int> members = {1 + below(3), 4 + below(3)};
            if (below(3) == 0) members.push_back(7 + below(2));
            if (below(5) == 0) members.push_back(42);  // names no entity
            CActivity& activity = AddActivity(a, members, below(2) ? std::vector<int>{9 + below(2)} : std::vector<int>{},
                                              below(4) == 0 ? 1 + below(2) : 0);
            activity.m_tsDuration = Minutes(60.0 * (1 + below(5)));
            activity.m_tsMeeting = Minutes(60.0);
        }
        for (int e = 0; e < 40; ++e) {
            CTimetableEntry& entry = Entry(AddEntry(1 + below(15), below(3), 8 + below(7), below(4) * 15, 45 + 15 * below(4)));
            if (below(8) == 0) entry.m_bLinked = 1;
            if (below(6) == 0) entry.m_arrReplacements.push_back(Replacement(4 + below(4), below(2) == 0));
            if (below(10) == 0) entry.m_arrRooms.push_back(9 + below(2));
        }
    }
};

TEST_F(PlanIndex, IndexedAnswersEqualPlainOnes) {
    for (unsigned seed = 1; seed <= 12; ++seed) {
        m_data.m_arrEntities.clear();
        m_data.m_arrActivities.clear();
        m_data.m_arrEntries.clear();
        Draw(seed);
        const CPlanIndex index(m_data);
        for (const CEntity& entity : m_data.m_arrEntities) {
            for (const CTimetableEntry& entry : m_data.m_arrEntries) {
                EXPECT_EQ(index.TakesPartIn(entity, entry), entity.TakesPartIn(m_data, entry)) << seed;
                EXPECT_EQ(index.TakesPartDuring(entity, entry), entity.TakesPartDuring(m_data, entry)) << seed;
            }
            EXPECT_EQ(entity.SumActivityTime(m_data, &index).Total(), entity.SumActivityTime(m_data).Total()) << seed;
            CEntity rebuilt = entity;
            rebuilt.RebuildItems(m_data);
            std::vector<std::uint64_t> expected;
            for (const CTimetableEntry& entry : m_data.m_arrEntries)
                if (m_data.FindActivity(entry.m_nActivity) != m_data.m_arrActivities.end() && entity.TakesPartIn(m_data, entry))
                    expected.push_back(entry.GetSerial());
            std::vector<std::uint64_t> got;
            for (const CEntityItem& item : rebuilt.m_arrItems) got.push_back(item.m_nEntry);
            std::sort(expected.begin(), expected.end());
            std::sort(got.begin(), got.end());
            EXPECT_EQ(got, expected) << seed << " entity " << entity.m_nId;
            for (int group : {1, 2}) {
                EXPECT_EQ(m_data.GetRequiredGroupTime(group, entity.m_nId, &index),
                          m_data.GetRequiredGroupTime(group, entity.m_nId))
                    << seed;
                EXPECT_EQ(m_data.GetPlacedGroupTime(group, entity.m_nId, &index),
                          m_data.GetPlacedGroupTime(group, entity.m_nId))
                    << seed;
            }
        }
        for (const CActivity& activity : m_data.m_arrActivities) {
            EXPECT_EQ(activity.IsTimeFilled(m_data, &index), activity.IsTimeFilled(m_data)) << seed;
            EXPECT_EQ(activity.ComputeFreeSlotTime(m_data, &index), activity.ComputeFreeSlotTime(m_data)) << seed;
            for (int day = 0; day < 3; ++day) {
                for (int hour = 8; hour < 15; ++hour) {
                    CTimetableEntry proposed(At(day, hour, 0), Minutes(60));
                    proposed.m_nActivity = activity.m_nId;
                    for (int excluded : {0, 3}) {
                        EXPECT_EQ(m_data.CanPlaceEntry(activity.m_nId, excluded, proposed, &index),
                                  m_data.CanPlaceEntry(activity.m_nId, excluded, proposed))
                            << seed << " activity " << activity.m_nId << " day " << day << " hour " << hour;
                    }
                    for (const CEntity& entity : m_data.m_arrEntities) {
                        EXPECT_EQ(m_data.CountEntityOverlaps(entity.m_nId, activity.m_nId, 0, nullptr, proposed, &index),
                                  m_data.CountEntityOverlaps(entity.m_nId, activity.m_nId, 0, nullptr, proposed))
                            << seed;
                        EXPECT_EQ(m_data.EntityHasClash(entity.m_nId, activity.m_nId, proposed, 0, &index),
                                  m_data.EntityHasClash(entity.m_nId, activity.m_nId, proposed, 0))
                            << seed;
                    }
                }
            }
        }
    }
}

TEST_F(PlanIndex, NearEntriesCoverEveryOverlap) {
    Draw(7);
    CTimetableEntry backwards(At(1, 12, 0), Minutes(-30));
    m_data.m_arrEntries.push_back(backwards);
    // A long entry widens the stretch of starts that may be near.
    CTimetableEntry excursion(At(2, 8, 0), Minutes(360));
    excursion.m_nActivity = 1;
    m_data.m_arrEntries.push_back(excursion);
    const CPlanIndex index(m_data);
    CPlanIndex::Positions near, nearRoom[2];
    int roomHits = 0;
    for (int day = 0; day < 3; ++day) {
        for (int minute = 6 * 60; minute < 18 * 60; minute += 7) {
            const COleDateTime start = At(day, minute / 60, minute % 60);
            const COleDateTime end = start + Minutes(50);
            index.GetEntriesNear(start, end, near);
            for (int room : {9, 10}) index.GetRoomEntriesNear(room, start, end, nearRoom[room - 9]);
            for (std::size_t e = 0; e < m_data.m_arrEntries.size(); ++e) {
                const CTimetableEntry& entry = m_data.m_arrEntries[e];
                if (WholeMinutes(IntersectIntervals(entry.m_dtStart, entry.GetEndTime(), start, end).m_span) > 0) {
                    EXPECT_TRUE(std::binary_search(near.begin(), near.end(), e)) << day << " " << minute;
                    EXPECT_TRUE(CEntriesByStart::MayShareTime(entry, start, end)) << day << " " << minute;
                    for (int room : {9, 10}) {
                        if (entry.GetRoomRole(m_data, room) == 0) continue;
                        ++roomHits;
                        const CPlanIndex::Positions& list = nearRoom[room - 9];
                        EXPECT_TRUE(std::binary_search(list.begin(), list.end(), e)) << day << " " << minute;
                    }
                }
            }
        }
    }
    EXPECT_GT(roomHits, 0);
}

}  // namespace
