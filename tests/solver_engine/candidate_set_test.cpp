#include "solver_engine/candidate_set.h"

#include <gtest/gtest.h>

#include "solver_fixture.h"

class CandidateSetTest : public SolverFixture {
protected:
    // Two open entries of one class's activity with the given options.
    void AddTwoOpenEntries(std::vector<CCandidateSlot> a, std::vector<CCandidateSlot> b) {
        AddEntity(1, 0);
        AddActivity(10, {1}, 2);
        AddOpenEntry(10).m_arrSlots = std::move(a);
        AddOpenEntry(10).m_arrSlots = std::move(b);
    }
};

// Two entries of one activity whose options come in different orders: fixing the first at 09:00
// takes 09:00 from the second, whichever index it has there.
TEST_F(CandidateSetTest, FixCandidateKeepsEntriesOfOneActivityApartByTime) {
    AddTwoOpenEntries({{At(0, 9), 0.0}, {At(0, 10), 0.0}}, {{At(0, 10), 0.0}, {At(0, 9), 0.0}, {At(0, 11), 0.0}});
    const CCandidateSet root = BuildSlotCandidates(m_data);
    ASSERT_EQ(root.m_arrRecords.size(), 5u);
    EXPECT_EQ(root.m_nEntryCount, 2);
    const CCandidateSet child = FixCandidate(root, root.m_arrRecords[0]);
    std::vector<std::pair<int, int>> left;
    for (const CCandidateRecord& r : child.m_arrRecords) left.emplace_back(r.m_nEntryIndex, r.m_nOption);
    EXPECT_EQ(left, (std::vector<std::pair<int, int>>{{0, 0}, {1, 0}, {1, 2}}));
    EXPECT_EQ(child.m_nNextEntryIndex, 1);
}

TEST_F(CandidateSetTest, ApplyPlacesDecidedEntriesOnly) {
    AddTwoOpenEntries({{At(0, 9), 0.0}, {At(0, 10), 0.0}}, {{At(0, 11), 0.0}, {At(0, 12), 0.0}});
    const CCandidateSet root = BuildSlotCandidates(m_data);
    const CCandidateSet child = FixCandidate(root, root.m_arrRecords[1]);
    EXPECT_TRUE(ApplyCandidateSet(child));
    EXPECT_EQ(m_data.m_arrEntries[0].m_dtStart, At(0, 10));
    EXPECT_TRUE(IsUnplacedDate(m_data.m_arrEntries[1].m_dtStart));
    EXPECT_FALSE(IsCandidateSetComplete(child));
    const CCandidateSet leaf = FixCandidate(child, child.m_arrRecords[1]);
    EXPECT_TRUE(ApplyCandidateSet(leaf));
    EXPECT_TRUE(IsCandidateSetComplete(leaf));
}
