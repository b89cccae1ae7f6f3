// Candidate slots of an entry: day windows, hours, absences, scores.
#include "model/candidate_rules.h"
#include "rules_fixture.h"

namespace {

class CandidateSlots : public RulesFixture {
protected:
    void SetUp() override {
        m_data.m_nDays = 1;
        AddEntity(1, 0);
        AddEntity(2, 1);
        AddActivity(10, {1, 2}).m_tsMeeting = Minutes(60);
    }
    void SetWindow(int entity, int h1, int m1, int h2, int m2) {
        Entity(entity).m_tDayStart[0] = MakeTimeOfDay(h1, m1);
        Entity(entity).m_tDayEnd[0] = MakeTimeOfDay(h2, m2);
    }
    std::vector<std::string> SlotTimes(const CTimetableEntry& entry) {
        std::vector<std::string> times;
        for (const auto& slot : entry.m_arrSlots) times.push_back(slot.m_dtStart.Format(L"%H:%M").ToUtf8());
        return times;
    }
    CTimetableEntry Built() {
        CTimetableEntry entry(At(0, 12, 0), Minutes(60));
        entry.m_nActivity = 10;
        entry.BuildCandidateSlots(m_data);
        return entry;
    }
};

TEST_F(CandidateSlots, OneSlotPerFullHourOfTheCommonWindow) {
    struct Case {
        int h1, m1, h2, m2;
        std::vector<std::string> slots;
    } cases[] = {
        {9, 30, 15, 0, {"09:30", "10:30", "11:30", "12:30", "13:30"}},
        {8, 0, 10, 2, {"08:00", "09:00"}},
        {8, 0, 8, 58, {"08:00"}},  // the hour ends 2 minutes late: within the tolerance
        {8, 0, 8, 56, {}},
    };
    SetWindow(1, 8, 0, 16, 0);
    for (const auto& c : cases) {
        SetWindow(2, c.h1, c.m1, c.h2, c.m2);
        EXPECT_EQ(SlotTimes(Built()), c.slots) << c.h1 << ":" << c.m1 << "-" << c.h2 << ":" << c.m2;
    }
    COleDateTime start, end;
    SetWindow(2, 9, 30, 15, 0);
    Activity(10).GetDayWindow(m_data, 0, start, end);
    EXPECT_EQ(start, At(0, 9, 30));
    EXPECT_EQ(end, At(0, 15, 0));
    // A member without a window that day empties it.
    SetWindow(2, 9, 0, 9, 0);
    EXPECT_TRUE(SlotTimes(Built()).empty());
}

TEST_F(CandidateSlots, AbsencesRemoveSlotsTheirProbeRunsInto) {
    SetWindow(1, 8, 0, 16, 0);
    SetWindow(2, 8, 0, 16, 0);
    Entity(2).m_arrAbsences.push_back(Absence(0, 10, 4, 116));
    EXPECT_EQ(Built().m_arrSlots.size(), 6u);  // of 08:00 to 15:00, 10:00 and 11:00 go
    Entity(2).m_arrAbsences = {Absence(0, 10, 5, 115)};
    const auto slots = SlotTimes(Built());
    EXPECT_EQ(slots.size(), 7u);  // 5 minutes of the probe: 10:00 stays, 11:00 goes
    EXPECT_EQ(slots[2], "10:00");
}

TEST_F(CandidateSlots, MissingActivityGivesNoSlots) {
    CTimetableEntry entry(At(0, 12, 0), Minutes(60));
    entry.m_nActivity = 99;
    entry.m_dtUnmovedStart = At(0, 8, 0);
    entry.m_arrSlots.push_back(CCandidateSlot{At(0, 8, 0), 1.0});
    entry.BuildCandidateSlots(m_data);
    EXPECT_TRUE(entry.m_arrSlots.empty());
    EXPECT_EQ(entry.m_dtUnmovedStart, At(0, 12, 0));
}

TEST_F(CandidateSlots, ScoresAndSearch) {
    CTimetableEntry entry(At(0, 9, 0), Minutes(90));
    entry.m_arrSlots = {{At(0, 8, 0), 0.5}, {At(0, 9, 2), 1.0}};
    EXPECT_DOUBLE_EQ(ComputeEntryScore(entry), 1.125);
    EXPECT_EQ(entry.FindCandidateIndex(), 1);
    entry.m_dtStart = At(0, 10, 0);
    EXPECT_EQ(entry.FindCandidateIndex(), -1);
    entry.m_arrSlots.clear();
    EXPECT_EQ(ComputeEntryScore(entry), 0.0);
}

TEST_F(CandidateSlots, ScoreCountsEveryOverlappingPair) {
    // One two-hour slot against four one-hour slots: three of them overlap it.
    CTimetableEntry entry(At(0, 8, 0), Minutes(120));
    entry.m_arrSlots = {{At(0, 8, 0), 0.0}, {At(0, 14, 0), 0.0}};
    const std::vector<CCandidateSlot> others = {
        {At(0, 7, 30), 0}, {At(0, 8, 30), 0}, {At(0, 9, 0), 0}, {At(0, 10, 0), 0}};
    entry.ScoreCandidateOverlaps(others, Minutes(60));
    EXPECT_DOUBLE_EQ(entry.m_arrSlots[0].m_dScore, 0.75);
    EXPECT_DOUBLE_EQ(entry.m_arrSlots[1].m_dScore, 0.0);  // control: overlaps none
    entry.ScoreCandidateOverlaps({}, Minutes(60));
    EXPECT_DOUBLE_EQ(entry.m_arrSlots[0].m_dScore, 0.75);
}

TEST_F(CandidateSlots, RemoveOverlappingCandidatesKeepsTheOrder) {
    CTimetableEntry entry(At(0, 8, 0), Minutes(60));
    entry.m_arrSlots = {{At(0, 8, 0), 0}, {At(0, 9, 0), 0}, {At(0, 10, 0), 0}, {At(0, 11, 0), 0}};
    entry.RemoveOverlappingCandidates(At(0, 9, 55), At(0, 10, 30));
    EXPECT_EQ(SlotTimes(entry), (std::vector<std::string>{"08:00", "09:00", "11:00"}));  // 09:00 shares 5 minutes
}

TEST_F(CandidateSlots, CanPlaceElsewhereAndDayCounts) {
    m_data.m_nDays = 2;
    SetWindow(1, 8, 0, 10, 0);
    SetWindow(2, 8, 0, 10, 0);
    for (int e : {1, 2}) Entity(e).m_tDayEnd[1] = Entity(e).m_tDayStart[1];  // day 1 closed
    CTimetableEntry blocker(At(0, 8, 0), Minutes(60));
    EXPECT_TRUE(Activity(10).CanPlaceElsewhere(m_data, blocker));  // 09:00 is left
    blocker.m_tsLength = Minutes(120);
    EXPECT_FALSE(Activity(10).CanPlaceElsewhere(m_data, blocker));

    for (int e : {1, 2}) {
        Entity(e).m_tDayStart[1] = MakeTimeOfDay(8, 0);
        Entity(e).m_tDayEnd[1] = MakeTimeOfDay(11, 0);
    }
    AddEntry(10, 0, 8, 0, 60);
    Entry(AddEntry(10, 0, 9, 0, 60)).BuildCandidateSlots(m_data);
    int slots = 0, days = 0;
    Activity(10).CountCandidateDays(m_data, slots, days);
    EXPECT_EQ(slots, 5);
    EXPECT_EQ(days, 2);
}

}  // namespace
