// Normalising a row: overlapping magnets are shown as one, and every entry stays with its own
// start and length.
#include "planner/magnet_row.h"

#include <gtest/gtest.h>

#include <map>

#include "model/time_values.h"
#include "planner_test_support.h"

namespace {

struct Span {
    int startHour, startMinute, minutes;
};

// Every entry of the row, shown or merged, with its start and length in minutes of the day.
std::map<std::uint64_t, std::pair<int, int>> AllEntries(const CMagnetRow& row) {
    std::map<std::uint64_t, std::pair<int, int>> entries;
    const auto minuteOfDay = [](const COleDateTime& t) { return t.GetHour() * 60 + t.GetMinute(); };
    for (const CMagnetItem& magnet : row.m_arrMagnets) {
        entries[magnet.m_nEntry] = {minuteOfDay(magnet.m_dtEntryStart), WholeMinutes(magnet.m_tsEntryLength)};
        for (const CMergedEntry& merged : magnet.m_arrMerged)
            entries[merged.m_nEntry] = {minuteOfDay(merged.m_dtStart), WholeMinutes(merged.m_tsLength)};
    }
    return entries;
}

}  // namespace

TEST(MagnetRowTest, NormaliseShowsOverlapsAsOneAndKeepsEveryEntry) {
    struct Case {
        const char* name;
        std::vector<Span> magnets;
        // The shown magnets: start (minute of day) and shown end (minute of day), in order.
        std::vector<std::pair<int, int>> shown;
    } cases[] = {
        {"overlap of an hour", {{8, 0, 120}, {9, 0, 120}}, {{480, 660}}},
        {"overlap of 3 minutes is no overlap", {{8, 0, 120}, {9, 57, 63}}, {{480, 600}, {597, 660}}},
        {"same start: the longer first", {{8, 0, 60}, {8, 0, 120}}, {{480, 600}}},
        {"contained", {{8, 0, 180}, {9, 0, 30}}, {{480, 660}}},
        {"chain of three", {{8, 0, 90}, {9, 0, 90}, {10, 15, 60}}, {{480, 675}}},
        {"short first magnet still shows the later end", {{8, 0, 30}, {8, 10, 120}}, {{480, 610}}},
        {"unsorted, apart", {{13, 0, 60}, {8, 0, 60}}, {{480, 540}, {780, 840}}},
    };
    for (const Case& c : cases) {
        CMagnetRow row(1, L"1a", 0);
        std::map<std::uint64_t, std::pair<int, int>> expected;
        std::uint64_t serial = 1;
        for (const Span& s : c.magnets) {
            row.m_arrMagnets.push_back(MakeMagnet(serial, At(2000, 1, 3, s.startHour, s.startMinute), s.minutes));
            expected[serial++] = {s.startHour * 60 + s.startMinute, s.minutes};
        }
        row.Normalise();
        ASSERT_EQ(row.m_arrMagnets.size(), c.shown.size()) << c.name;
        for (std::size_t i = 0; i < c.shown.size(); ++i) {
            const CMagnetItem& magnet = row.m_arrMagnets[i];
            const COleDateTime end = magnet.GetShownEnd();
            EXPECT_EQ(magnet.m_dtEntryStart.GetHour() * 60 + magnet.m_dtEntryStart.GetMinute(), c.shown[i].first) << c.name;
            EXPECT_EQ(end.GetHour() * 60 + end.GetMinute(), c.shown[i].second) << c.name;
        }
        EXPECT_EQ(AllEntries(row), expected) << c.name;
    }
}

TEST(MagnetRowTest, TheMergedMagnetIsTheFirstOfItsCluster) {
    CMagnetRow row(1, L"1a", 0);
    row.m_arrMagnets.push_back(MakeMagnet(7, At(2000, 1, 3, 9, 0), 60));
    row.m_arrMagnets.push_back(MakeMagnet(4, At(2000, 1, 3, 8, 0), 120));
    row.Normalise();
    ASSERT_EQ(row.m_arrMagnets.size(), 1u);
    EXPECT_EQ(row.m_arrMagnets[0].m_nEntry, 4u);
    ASSERT_EQ(row.m_arrMagnets[0].m_arrMerged.size(), 1u);
    EXPECT_EQ(row.m_arrMagnets[0].m_arrMerged[0].m_nEntry, 7u);
    EXPECT_TRUE(row.m_arrMagnets[0].HasMergedEntries());
}

TEST(MagnetRowTest, ItemAtFindsTheFirstMagnetUnderThePoint) {
    CMagnetRow row(1, L"1a", 0);
    row.m_arrMagnets.push_back(MakeMagnet(1, At(2000, 1, 3, 8, 0), 60));
    row.m_arrMagnets.push_back(MakeMagnet(2, At(2000, 1, 3, 9, 0), 60));
    row.m_arrMagnets[0].m_rect = CRect(0, 0, 60, 35);
    row.m_arrMagnets[1].m_rect = CRect(60, 0, 120, 35);
    struct Case {
        int x, y, offset, expected;
    } cases[] = {{10, 10, 0, 0}, {70, 10, 0, 1}, {10, 10, 60, 1}, {130, 10, 0, -1}, {10, 40, 0, -1}};
    for (const Case& c : cases) EXPECT_EQ(row.ItemAt(c.x, c.y, c.offset), c.expected) << c.x << "," << c.y;
}

// Parallel entries of one group make up one block; anything else merged into a magnet clashes.
TEST(MagnetRowTest, OnlyMergesOutsideTheOwnGroupShowAClash) {
    struct Case {
        int firstGroup, secondGroup;  // 0 an ungrouped magnet, else the group of a group magnet
        bool clash;
    } cases[] = {{7, 7, false}, {7, 8, true}, {7, 0, true}, {0, 7, true}, {0, 0, true}};
    for (const Case& c : cases) {
        CMagnetRow row;
        for (const auto& [entry, group] : {std::pair{1, c.firstGroup}, std::pair{2, c.secondGroup}}) {
            CMagnetItem magnet = MakeMagnet(entry, At(2000, 1, 3, 9, 0), 60 - entry);
            magnet.m_bGroupItem = group != 0;
            magnet.m_nGroup = group;
            row.m_arrMagnets.push_back(magnet);
        }
        row.Normalise();
        ASSERT_EQ(row.m_arrMagnets.size(), 1u);
        EXPECT_EQ(row.m_arrMagnets[0].ShowsClash(), c.clash) << c.firstGroup << " " << c.secondGroup;
    }
}
