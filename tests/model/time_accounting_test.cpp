// Time accounting of activities, groups and entities, and the derived work lists.
#include "rules_fixture.h"

namespace {

class TimeAccounting : public RulesFixture {
protected:
    void SetUp() override {
        AddEntity(1, 0);     // a class
        AddEntity(2, 1, 2);  // a teacher who may take two entries at once
        AddEntity(3, 1);     // another teacher
        AddActivity(10, {1, 3});
    }
    static int Minutes(const COleDateTimeSpan& span) { return WholeMinutes(span.m_span); }
    using RulesFixture::Minutes;
};

TEST_F(TimeAccounting, TimeFilledWithinFiveMinutes) {
    struct Case {
        int placedMinutes;
        bool filled;
    } cases[] = {{596, true}, {594, false}, {600, true}};
    Activity(10).m_tsDuration = Minutes(600.0);
    for (const auto& c : cases) {
        m_data.m_arrEntries.clear();
        AddEntry(10, 0, 7, 0, c.placedMinutes);
        CTimetableEntry unplaced(GetUnplacedDate(), Minutes(60.0));
        unplaced.m_nActivity = 10;
        m_data.m_arrEntries.push_back(unplaced);  // not placed: does not count
        EXPECT_EQ(Activity(10).IsTimeFilled(m_data), c.filled) << c.placedMinutes;
        EXPECT_EQ(Minutes(Activity(10).GetRemainingTime(m_data)), 600 - c.placedMinutes);
    }
}

TEST_F(TimeAccounting, CompletenessAndItsText) {
    Activity(10).m_tsDuration = Minutes(120.0);
    AddEntry(10, 0, 8, 0, 60);
    Entry(AddEntry(10, 1, 8, 0, 60)).m_bLinked = 1;  // does not take place
    EXPECT_EQ(m_data.IsActivityComplete(10), 0);
    EXPECT_EQ(m_data.FormatActivityTime(10), CString(L" (1:00)02:00"));
    Entry(1).m_bLinked = 0;
    EXPECT_EQ(m_data.IsActivityComplete(10), 1);
    EXPECT_EQ(m_data.IsActivityComplete(99), 0);
}

TEST_F(TimeAccounting, PlacedGroupTimeMergesOverlaps) {
    AddActivity(20, {1, 2}, {}, 5);
    AddActivity(30, {1, 3}, {}, 5);
    struct Case {
        int secondMinute, secondLength;
        int placed;
    } cases[] = {
        {30, 60, 90},   // 08:00-09:00 and 08:30-09:30
        {0, 120, 120},  // same start: the longer one
        {0, 60, 60},
        {120, 60, 120},  // apart: both count
    };
    for (const auto& c : cases) {
        m_data.m_arrEntries.clear();
        AddEntry(20, 0, 8, 0, 60);
        AddEntry(30, 0, 8 + c.secondMinute / 60, c.secondMinute % 60, c.secondLength);
        EXPECT_EQ(Minutes(m_data.GetPlacedGroupTime(5, 1)), c.placed) << c.secondMinute << "/" << c.secondLength;
    }
    EXPECT_EQ(Minutes(m_data.GetPlacedGroupTime(5, 99)), 0);
}

TEST_F(TimeAccounting, RequiredGroupTimeDividesByTheMembersOverlaps) {
    AddActivity(20, {1, 2}, {}, 5).m_tsDuration = Minutes(240.0);
    AddActivity(30, {1, 2}, {}, 5).m_tsDuration = Minutes(120.0);
    // Type-0 members are passed over; the teacher's 6:00 is halved.
    EXPECT_EQ(Minutes(m_data.GetRequiredGroupTime(5, 1)), 180);
    Entity(2).m_nOverlaps = 1;
    EXPECT_EQ(Minutes(m_data.GetRequiredGroupTime(5, 1)), 360);
    m_data.m_nCurrentEntity = 1;
    CActivityGroup group;
    group.m_nId = 5;
    m_data.m_arrGroups.push_back(group);
    AddEntry(20, 0, 8, 0, 60);
    EXPECT_EQ(m_data.FormatGroupTime(5), CString(L"(1:00)6:00"));
}

TEST_F(TimeAccounting, EntitySumsByCategory) {
    Activity(10).m_tsDuration = Minutes(120.0);            // ungrouped with a class
    AddActivity(20, {3}).m_tsDuration = Minutes(60.0);     // ungrouped without classes
    AddActivity(30, {1, 3}, {}, 5).m_tsDuration = Minutes(90.0);
    AddEntry(10, 0, 8, 0, 60);
    AddEntry(20, 0, 10, 0, 60);
    AddEntry(30, 0, 12, 0, 45);
    m_data.RebuildEntityItems(0);
    const CCategorySpans planned = Entity(3).SumActivityTime(m_data);
    EXPECT_EQ(Minutes(planned.m_tsUngrouped), 120);
    EXPECT_EQ(Minutes(planned.m_tsGrouped), 90);
    EXPECT_EQ(Minutes(planned.m_tsOther), 60);
    const CCategorySpans placed = Entity(3).SumItemTime(m_data);
    EXPECT_EQ(Minutes(placed.m_tsUngrouped), 60);
    EXPECT_EQ(Minutes(placed.m_tsGrouped), 45);
    EXPECT_EQ(Minutes(placed.m_tsOther), 60);
    EXPECT_EQ(Minutes(Entity(3).SumUncoveredTime(m_data)), 60 + 45);
    Entity(3).m_arrAbsences.push_back(Absence(0, 10, 0, 60));
    EXPECT_EQ(Minutes(Entity(3).SumAbsenceLoss(m_data).m_tsOther), 60);
    EXPECT_EQ(Minutes(Entity(3).SumAbsenceLoss(m_data).m_tsUngrouped), 0);
    EXPECT_EQ(Entity(3).CountItemDays(), 1);
}

TEST_F(TimeAccounting, ReplacementItemsSumSeparately) {
    AddActivity(20, {1, 2}, {}, 5);
    AddActivity(30, {1, 2}, {}, 5);
    Entry(AddEntry(20, 0, 8, 0, 60)).m_arrReplacements.push_back(Replacement(3));
    Entry(AddEntry(30, 0, 8, 1, 90)).m_arrReplacements.push_back(Replacement(3));
    m_data.RebuildEntityItems(2);
    // Items of one group that start together count once, with the longer length.
    EXPECT_EQ(Minutes(Entity(3).SumItemTimeMerged(m_data).m_tsGrouped), 90);
    EXPECT_EQ(Minutes(Entity(3).SumItemTime(m_data).m_tsGrouped), 0);
}

TEST_F(TimeAccounting, DayWindowFigures) {
    // Windows 07:00 to 16:00 on six days.
    EXPECT_EQ(Minutes(Entity(3).GetWeeklyAvailableTime()), 6 * 9 * 60);
    EXPECT_EQ(Entity(3).CountWorkingDays(m_data), 6);
    Entity(3).m_tDayEnd[0] = Entity(3).m_tDayStart[0] + 30 * 60;  // exactly 30 minutes: not a working day
    Entity(3).m_tDayEnd[1] = Entity(3).m_tDayStart[1] + 31 * 60;
    EXPECT_EQ(Entity(3).CountWorkingDays(m_data), 6 - 1);
    m_data.m_nDays = 3;
    EXPECT_EQ(Entity(3).CountWorkingDays(m_data), 3);

    Entity(3).m_tDayStart[2] = MakeTimeOfDay(8, 0);
    Entity(3).m_tDayEnd[2] = MakeTimeOfDay(16, 0);
    Entity(3).m_arrAbsences = {Absence(2, 8, 0, 30, true), Absence(1, 9, 0, 45)};
    EXPECT_EQ(Minutes(Entity(3).SumAbsenceTime(m_data)), 8 * 60 + 45);
    // Before the first plan day there is no window: the whole-day absence counts nothing.
    Entity(3).m_arrAbsences = {Absence(-3, 8, 0, 30, true)};
    EXPECT_EQ(Minutes(Entity(3).SumAbsenceTime(m_data)), 0);
    CFund fund;
    fund.m_tsLength = Minutes(75.0);
    Entity(3).m_arrFunds = {fund, fund};
    EXPECT_EQ(Minutes(Entity(3).SumFundTime()), 150);
}

TEST_F(TimeAccounting, GroupHourSteps) {
    AddActivity(20, {3}, {}, 5);
    AddEntry(20, 0, 8, 30, 60);   // touches two hours
    AddEntry(20, 0, 15, 0, 60);   // the last hour of the window is not stepped
    AddEntry(10, 1, 8, 0, 60);    // another group
    m_data.RebuildEntityItems(0);
    EXPECT_EQ(Minutes(Entity(3).SumGroupHourSteps(m_data, 5)), 120);
}

TEST_F(TimeAccounting, WeekHoursWidenToStateSixEntries) {
    __time64_t starts[kMaxPlanDays], ends[kMaxPlanDays];
    Entity(3).m_tDayEnd[2] = Entity(3).m_tDayStart[2];  // day 2 empty
    Entry(AddEntry(10, 0, 15, 0, 120)).m_bState6 = 1;   // ends after the window
    Entry(AddEntry(10, 2, 10, 0, 60)).m_bState6 = 1;    // fills the empty day
    AddEntry(10, 1, 5, 0, 60);                          // no state-6 flag
    m_data.DeriveEntityWeekHours(3, starts, ends);
    EXPECT_EQ(starts[0], MakeTimeOfDay(7, 0));
    EXPECT_EQ(ends[0], MakeTimeOfDay(17, 0));
    EXPECT_EQ(starts[1], MakeTimeOfDay(7, 0));
    EXPECT_EQ(starts[2], MakeTimeOfDay(10, 0));
    EXPECT_EQ(ends[2], MakeTimeOfDay(11, 0));
}

TEST_F(TimeAccounting, FreeSlotsHourByHourThroughTheWindow) {
    m_data.m_nDays = 1;
    Entity(1).m_tDayStart[0] = MakeTimeOfDay(8, 0);
    Entity(1).m_tDayEnd[0] = MakeTimeOfDay(16, 0);
    Activity(10).m_tsDuration = Minutes(600.0);
    Activity(10).m_tsMeeting = Minutes(60.0);
    AddActivity(20, {1, 2}).m_tsDuration = Minutes(900.0);
    Activity(20).m_tsMeeting = Minutes(60.0);
    AddEntry(10, 0, 9, 0, 60);                          // busy at 09:00
    AddEntry(20, 0, 15, 0, 60);
    Entity(3).m_arrAbsences = {Absence(0, 11, 0, 60)};  // only activity 20 can take 11:00
    Entity(2).m_arrAbsences = {Absence(0, 13, 0, 60)};  // only activity 10 can take 13:00
    m_data.BuildActivityWeights();
    m_data.BuildFreeSlotList(nullptr);
    // Both activities are short of hours: each weighs 1000000 plus its remaining minutes.
    ASSERT_EQ(m_data.m_arrActivityWeights.size(), 2u);
    const double w10 = 1000540.0, w20 = 1000840.0;
    struct Slot {
        std::string start;
        int activities;
        double weight;
    };
    std::vector<Slot> slots;
    for (const auto& slot : m_data.m_arrFreeSlots)
        slots.push_back({slot.m_dtStart.Format(L"%H:%M").ToUtf8(), slot.m_nActivities, slot.m_dWeight});
    // Lightest first; equal sums keep the hour order. 09:00 is taken; the window of 8 hours
    // gives slots up to 14:00.
    const std::vector<Slot> expected = {{"13:00", 1, w10},       {"11:00", 1, w20},       {"08:00", 2, w10 + w20},
                                        {"10:00", 2, w10 + w20}, {"12:00", 2, w10 + w20}, {"14:00", 2, w10 + w20}};
    ASSERT_EQ(slots.size(), expected.size());
    for (std::size_t i = 0; i < slots.size(); ++i) {
        EXPECT_EQ(slots[i].start, expected[i].start) << i;
        EXPECT_EQ(slots[i].activities, expected[i].activities) << i;
        EXPECT_DOUBLE_EQ(slots[i].weight, expected[i].weight) << i;
    }
}

TEST_F(TimeAccounting, ActivityWeightsPutUnfittableActivitiesFirst) {
    m_data.m_nDays = 1;
    for (int e : {1, 3}) {
        Entity(e).m_tDayStart[0] = MakeTimeOfDay(8, 0);
        Entity(e).m_tDayEnd[0] = MakeTimeOfDay(11, 0);
    }
    Activity(10).m_tsMeeting = Minutes(60.0);
    Activity(10).m_tsDuration = Minutes(300.0);  // 5 hours into a 3-hour window
    AddActivity(20, {2}).m_tsMeeting = Minutes(60.0);
    Activity(20).m_tsDuration = Minutes(120.0);
    const std::size_t entry = AddEntry(20, 0, 8, 0, 60);
    Entry(entry).m_arrSlots = {{At(0, 8, 0), 2.0}};
    AddActivity(30, {2}).m_tsDuration = Minutes(60.0);  // time-filled below
    AddEntry(30, 0, 10, 0, 60);
    m_data.BuildActivityWeights();
    ASSERT_EQ(m_data.m_arrActivityWeights.size(), 2u);
    EXPECT_EQ(m_data.m_arrActivityWeights[0].m_nActivity, 10);
    EXPECT_DOUBLE_EQ(m_data.m_arrActivityWeights[0].m_dWeight, 1000300.0);
    EXPECT_EQ(m_data.m_arrActivityWeights[1].m_nActivity, 20);
    EXPECT_DOUBLE_EQ(m_data.m_arrActivityWeights[1].m_dWeight, 2.0);
    EXPECT_EQ(m_data.m_arrActivityWeights[1].m_nSlots, 1);

    m_data.BuildEntityWeights();
    ASSERT_EQ(m_data.m_arrEntityWeights.size(), 2u);
    EXPECT_EQ(m_data.m_arrEntityWeights[0].m_nEntity, 3);  // classes (type 0) are not listed
    EXPECT_EQ(m_data.m_arrEntityWeights[1].m_nEntity, 2);
}

}  // namespace
