#include "solver_engine/solver_costs.h"

#include <gtest/gtest.h>

#include "solver_engine/solver_work.h"
#include "solver_fixture.h"

class SolverCostsTest : public SolverFixture {
protected:
    void Rebuild() {
        m_data.RebuildEntityItems(0);
        RefreshEntityItems(m_data);
    }
    CSolverWork m_work;
};

struct OverlapCase {
    const char* name;
    int overlaps;
    int offsetMinutes;  // of the second entry against the first
    bool unavailable;
    double entryWeight;
    double cost;        // at weight 2
};
static const OverlapCase kOverlaps[] = {
    {"same hour", 1, 0, false, 1.0, 120.0},   // the first item counts 2 against 1
    {"half an hour shared", 1, 30, false, 1.0, 120.0},
    {"touching", 1, 60, false, 1.0, 0.0},
    {"within a limit of 2", 2, 0, false, 1.0, 0.0},
    {"no limit", 0, 0, false, 1.0, 0.0},
    {"unavailable entity", 1, 0, true, 1.0, 0.0},
    {"placement weight 3", 1, 0, false, 3.0, 360.0},
};
TEST_F(SolverCostsTest, EntityOverlapsChargeMinutesBeyondTheLimit) {
    for (const OverlapCase& c : kOverlaps) {
        m_data.ResetToNew(FALSE);
        m_data.m_dtStartDate = COleDateTime(2024, 3, 4, 0, 0, 0);
        AddEntity(1, 1, c.overlaps).m_bUnavailable = c.unavailable ? 1 : 0;
        AddActivity(10, {1}, 1);
        AddActivity(11, {1}, 1);
        AddEntry(10, 0, 9).m_dWorkWeight = c.entryWeight;
        CTimetableEntry& second = AddEntry(11, 0, 9);
        second.m_dtStart += Minutes(c.offsetMinutes);
        second.m_dWorkWeight = c.entryWeight;
        Rebuild();
        EXPECT_DOUBLE_EQ(CostEntityOverlaps(2.0, m_data), c.cost) << c.name;
    }
}

struct UnplaceableCase {
    const char* name;
    double durationHours;  // of the activity still to place
    int busyHours;         // hours of its class's day already taken, from 07:00
    double cost;           // at weight 1
};
static const UnplaceableCase kUnplaceable[] = {
    {"no free hour", 3, 9, 180.0},
    {"two free hours", 3, 7, 60.0},
    {"enough free hours", 3, 6, 0.0},
    {"five minutes are nothing", 5.0 / 60.0, 9, 0.0},
};
TEST_F(SolverCostsTest, UnplaceableTimeChargesWhatNoFreeHourTakes) {
    for (const UnplaceableCase& c : kUnplaceable) {
        m_data.ResetToNew(FALSE);
        m_data.m_dtStartDate = COleDateTime(2024, 3, 4, 0, 0, 0);
        m_data.m_nDays = 1;
        AddEntity(1, 0);
        AddActivity(10, {1}, c.durationHours);
        AddActivity(11, {1}, c.busyHours);
        for (int h = 0; h < c.busyHours; ++h) AddEntry(11, 0, 7 + h);
        m_work = CSolverWork();
        m_work.m_arrUnderplanned.push_back({1, 10, Minutes(c.durationHours * 60), Minutes(60)});
        EXPECT_DOUBLE_EQ(CostUnplaceableTime(m_data, m_work, 1.0), c.cost) << c.name;
        EXPECT_EQ(HasUnplaceableTime(m_data, m_work), c.cost > 0) << c.name;
        // An activity that shares no member is never charged.
        m_work.m_arrUnderplanned.front().m_nShares = 0;
        EXPECT_EQ(CostUnplaceableTime(m_data, m_work, 1.0), 0.0) << c.name;
    }
}

TEST_F(SolverCostsTest, GroupHoursBeyondTheRequiredTimeAreCharged) {
    for (int placed : {1, 2, 3, 4}) {
        m_data.ResetToNew(FALSE);
        m_data.m_dtStartDate = COleDateTime(2024, 3, 4, 0, 0, 0);
        AddEntity(1, 0);
        AddActivity(20, {1}, 4, 5);
        for (int h = 0; h < placed; ++h) AddEntry(20, 0, 8 + h);
        Rebuild();
        m_work = CSolverWork();
        m_work.m_arrGroupHourLimits.push_back({1, 5, Minutes(120)});
        m_work.m_arrGroupHourLimits.push_back({0, 5, Minutes(0)});  // no entity: skipped
        EXPECT_DOUBLE_EQ(CostGroupHoursOverLimit(m_data, m_work, 2.0), std::max(0, placed - 2) * 60 * 2.0) << placed;
    }
}

struct EntityHoursCase {
    const char* name;
    double durationHours;      // of the teacher's activity
    std::vector<int> hours;    // entries of one hour on day 0 at these hours
    int allowedWindows;        // hours
    double cost;               // at weight 1
};
static const EntityHoursCase kEntityHours[] = {
    {"no gap", 2, {7, 8}, 0, 0.0},
    {"two-hour gap, one allowed", 2, {7, 10}, 1, 120.0},
    {"two-hour gap, three allowed", 2, {7, 10}, 3, 120.0 / 180.0},
    {"half an hour uncovered counts twice", 2.5, {7, 10}, 0, 60.0},
    {"gap no longer than the uncovered time", 4, {7, 10}, 0, 0.0},
};
TEST_F(SolverCostsTest, EntityHoursChargeGapsBeyondTheAllowedWindows) {
    for (const EntityHoursCase& c : kEntityHours) {
        m_data.ResetToNew(FALSE);
        m_data.m_dtStartDate = COleDateTime(2024, 3, 4, 0, 0, 0);
        AddEntity(1, 1).m_nAllowedWindows = c.allowedWindows;
        AddActivity(10, {1}, c.durationHours);
        for (int h : c.hours) AddEntry(10, 0, h);
        Rebuild();
        EXPECT_NEAR(CostEntityHours(m_data, 1.0), c.cost, 1e-9) << c.name;
    }
}

TEST_F(SolverCostsTest, EntityHoursChargeDaysBeyondTheLimit) {
    AddEntity(1, 1).m_nDays = 4;
    AddEntity(2, 0);  // type 0 is never charged
    AddActivity(10, {1, 2}, 6);
    for (int d = 0; d < 6; ++d) AddEntry(10, d, 7);
    Rebuild();
    EXPECT_DOUBLE_EQ(CostEntityHours(m_data, 1.5), 2 * 1.5 * 10);
}

struct DailyLimitCase {
    const char* name;
    int ruleSwitch;
    int dispersion;
    int sameDay;      // entries of the activity already on the candidate's day
    bool cancelled;   // the first of them is linked (state 7)
    bool within;
};
static const DailyLimitCase kDailyLimit[] = {
    {"rules off", 0, 1, 3, false, true},
    {"no dispersion", 1, 0, 3, false, true},
    {"below the limit", 1, 2, 1, false, true},
    {"at the limit", 1, 2, 2, false, false},
    {"a cancelled entry does not count", 1, 2, 2, true, true},
};
TEST_F(SolverCostsTest, DailyLimitFollowsDispersionAndTheRuleSwitch) {
    for (const DailyLimitCase& c : kDailyLimit) {
        m_data.ResetToNew(FALSE);
        m_data.m_dtStartDate = COleDateTime(2024, 3, 4, 0, 0, 0);
        m_data.m_nSolverOption = c.ruleSwitch;
        AddEntity(1, 0);
        AddActivity(10, {1}, 5).m_nDispersion = c.dispersion;
        for (int i = 0; i < c.sameDay; ++i) AddEntry(10, 1, 8 + i);
        AddEntry(10, 2, 8);  // another day
        if (c.cancelled) m_data.m_arrEntries[0].m_bLinked = 1;
        CTimetableEntry candidate(At(1, 14), Minutes(60));
        candidate.m_nActivity = 10;
        EXPECT_EQ(IsWithinDailyLimit(m_data, candidate), c.within) << c.name;
    }
    CTimetableEntry orphan(At(1, 14), Minutes(60));
    orphan.m_nActivity = 99;
    EXPECT_FALSE(IsWithinDailyLimit(m_data, orphan));
}
