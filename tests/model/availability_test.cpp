// Availability of entities, absences, replacements and the time figures built on them.
#include <thread>

#include "rules_fixture.h"

namespace {

class Availability : public RulesFixture {
protected:
    void SetUp() override {
        AddEntity(1, 1);  // teacher
        AddEntity(2, 4);  // room
        for (int day = 0; day < kMaxPlanDays; ++day) {
            Entity(1).m_tDayStart[day] = MakeTimeOfDay(8, 0);
            Entity(1).m_tDayEnd[day] = day < 6 ? MakeTimeOfDay(16, 0) : MakeTimeOfDay(8, 0);
        }
    }
};

struct WindowCase {
    const char* name;
    int day, startH, startM, endDay, endH, endM;
    bool available;
};

const WindowCase kWindows[] = {
    {"inside", 1, 8, 0, 1, 9, 0, true},
    {"a minute before the window", 1, 7, 59, 1, 9, 0, false},
    {"the last hour", 1, 15, 0, 1, 16, 0, true},
    {"a minute after the window", 1, 15, 0, 1, 16, 1, false},
    {"ends at midnight", 1, 15, 0, 2, 0, 0, false},
    {"a day without a window", 7, 9, 0, 7, 10, 0, false},
    {"before the plan", -1, 9, 0, -1, 10, 0, false},
    {"beyond the 21 plan days", 25, 9, 0, 25, 10, 0, false},
};

TEST_F(Availability, DayWindowsBoundTheTimes) {
    for (const WindowCase& c : kWindows) {
        const bool available =
            Entity(1).IsAvailable(m_data, At(c.day, c.startH, c.startM), At(c.endDay, c.endH, c.endM));
        EXPECT_EQ(available, c.available) << c.name;
        // Rooms keep no windows.
        EXPECT_TRUE(Entity(2).IsAvailable(m_data, At(c.day, c.startH, c.startM), At(c.endDay, c.endH, c.endM)))
            << c.name;
    }
}

TEST_F(Availability, HolidaysAbsencesAndTheUnavailableFlag) {
    const COleDateTime start = At(1, 9, 0), end = At(1, 10, 0);
    m_settings.m_holidays.push_back(At(1, 0, 0));
    EXPECT_FALSE(Entity(1).IsAvailable(m_data, start, end));
    EXPECT_TRUE(Entity(1).IsAvailable(m_data, At(2, 9, 0), At(2, 10, 0)));
    EXPECT_TRUE(Entity(2).IsAvailable(m_data, start, end));  // a room on a holiday

    Entity(2).m_arrAbsences.push_back(Absence(1, 9, 30, 60));
    EXPECT_FALSE(Entity(2).IsAvailable(m_data, start, end));
    EXPECT_TRUE(Entity(2).IsAvailable(m_data, At(1, 11, 0), At(1, 12, 0)));
    Entity(2).m_bUnavailable = 1;
    EXPECT_FALSE(Entity(2).IsAvailable(m_data, At(1, 11, 0), At(1, 12, 0)));
    EXPECT_TRUE(Entity(2).IsAbsent(At(1, 11, 0), At(1, 12, 0)));
}

struct AbsenceCase {
    const char* name;
    int startH, startM, minutes;
    bool wholeDay;
    int absenceDay;
    bool absent;
};

// Against the interval 09:00 to 11:00 on plan day 1.
const AbsenceCase kAbsences[] = {
    {"five minutes shared", 10, 0, 5, false, 1, false},
    {"six minutes shared", 10, 0, 6, false, 1, true},
    {"touching", 11, 0, 60, false, 1, false},
    {"whole day, apart in time", 14, 0, 60, true, 1, true},
    {"same hours, no whole-day flag", 14, 0, 60, false, 1, false},
    {"whole day on another day", 9, 0, 120, true, 2, false},
};

TEST_F(Availability, AbsencesOverlapBeyondFiveMinutesOrCoverTheDay) {
    for (const AbsenceCase& c : kAbsences) {
        Entity(1).m_arrAbsences = {Absence(c.absenceDay, c.startH, c.startM, c.minutes, c.wholeDay)};
        EXPECT_EQ(Entity(1).IsAbsent(At(1, 9, 0), At(1, 11, 0)), c.absent) << c.name;
    }
    // Unplaced entries never find anybody absent.
    Entity(1).m_arrAbsences = {Absence(1, 9, 0, 60, true)};
    EXPECT_FALSE(Entity(1).IsAbsent(GetUnplacedDate(), GetUnplacedDate() + Minutes(60)));
    COleDateTime invalid;
    invalid.SetStatus(COleDateTime::invalid);
    EXPECT_FALSE(Entity(1).IsAbsent(invalid, At(1, 11, 0)));
}

class TakingEntries : public RulesFixture {
protected:
    void SetUp() override {
        AddEntity(1, 1, 2);  // teacher with OVERLAPS 2
        AddEntity(2, 0);     // class
        AddEntity(3, 0);
        AddEntity(4, 0);
        AddEntity(5, 4);     // room
        AddActivity(10, {2});
        AddActivity(20, {3, 1});
        AddActivity(30, {4, 1});
        m_entry = AddEntry(10, 1, 9, 0, 60);
    }
    std::size_t m_entry = 0;
};

TEST_F(TakingEntries, OverlapLimitCountsOtherLiveEntries) {
    const CEntity& teacher = Entity(1);
    EXPECT_TRUE(teacher.CanTakeEntry(m_data, Entry(m_entry)));
    const std::size_t first = AddEntry(20, 1, 9, 30, 60);
    EXPECT_TRUE(Entity(1).CanTakeEntry(m_data, Entry(m_entry)));  // one elsewhere, OVERLAPS 2
    const std::size_t second = AddEntry(30, 1, 8, 0, 60);          // touches 09:00 only
    EXPECT_TRUE(Entity(1).CanTakeEntry(m_data, Entry(m_entry)));
    Entry(second).m_dtStart = At(1, 8, 30);
    EXPECT_FALSE(Entity(1).CanTakeEntry(m_data, Entry(m_entry)));  // two elsewhere
    Entry(second).m_bLinked = 1;
    EXPECT_TRUE(Entity(1).CanTakeEntry(m_data, Entry(m_entry)));
    Entity(1).m_nOverlaps = 0;
    Entry(second).m_bLinked = 0;
    EXPECT_TRUE(Entity(1).CanTakeEntry(m_data, Entry(m_entry)));

    // A type-0 entity may not be in any other entry at that time.
    EXPECT_TRUE(Entity(3).CanTakeEntry(m_data, Entry(second)));
    Entity(3).m_nOverlaps = 5;
    EXPECT_FALSE(Entity(3).CanTakeEntry(m_data, Entry(m_entry)));
    (void)first;

    // An overlapping entry whose activity is missing refuses everybody.
    AddEntry(99, 1, 9, 0, 60);
    EXPECT_FALSE(Entity(4).CanTakeEntry(m_data, Entry(m_entry)));
    EXPECT_TRUE(Entity(5).CanTakeEntry(m_data, Entry(m_entry)));  // rooms are not counted
}

TEST_F(TakingEntries, TakesPartDuringAndHasEntryInInterval) {
    EXPECT_FALSE(Entity(1).TakesPartDuring(m_data, Entry(m_entry)));
    EXPECT_FALSE(Entity(1).HasEntryInInterval(m_data, At(1, 9, 0), At(1, 10, 0)));
    const std::size_t other = AddEntry(20, 1, 9, 30, 60);
    EXPECT_TRUE(Entity(1).TakesPartDuring(m_data, Entry(m_entry)));
    EXPECT_TRUE(Entity(1).HasEntryInInterval(m_data, At(1, 9, 0), At(1, 10, 0)));
    Entry(other).m_bLinked = 1;
    EXPECT_FALSE(Entity(1).TakesPartDuring(m_data, Entry(m_entry)));
    EXPECT_TRUE(Entity(1).HasEntryInInterval(m_data, At(1, 9, 0), At(1, 10, 0)));  // any state
    EXPECT_FALSE(Entity(1).HasEntryInInterval(m_data, At(1, 10, 30), At(1, 11, 0)));
}

TEST_F(TakingEntries, ReplacedOutReplacingAndFree) {
    const std::size_t linked = AddEntry(20, 1, 9, 0, 60);
    Entry(linked).m_bLinked = 1;
    Entry(linked).m_arrReplacements = {Replacement(1, true)};
    EXPECT_FALSE(Entity(1).IsReplacedOut(m_data, At(1, 9, 0), At(1, 10, 0), 20));
    Entry(linked).m_arrReplacements.push_back(Replacement(1));
    EXPECT_TRUE(Entity(1).IsReplacedOut(m_data, At(1, 9, 0), At(1, 10, 0), 20));
    EXPECT_FALSE(Entity(1).IsReplacedOut(m_data, At(1, 9, 0), At(1, 10, 0), 30));
    EXPECT_FALSE(Entity(1).IsReplacedOut(m_data, At(1, 10, 0), At(1, 11, 0), 20));

    // By plan day: any activity, within the entity's window of that day.
    EXPECT_TRUE(Entity(1).IsReplacedOutOnDay(m_data, 1));
    EXPECT_FALSE(Entity(1).IsReplacedOutOnDay(m_data, 2));
    EXPECT_FALSE(Entity(1).IsReplacedOutOnDay(m_data, 7));    // above DAYS
    EXPECT_FALSE(Entity(1).IsReplacedOutOnDay(m_data, -1));
    EXPECT_FALSE(Entity(1).IsReplacedOutOnDay(m_data, 400));

    // Standing in elsewhere makes an entity not free; extending elsewhere is "replacing in overlap".
    EXPECT_TRUE(Entity(4).IsFreeAt(m_data, At(1, 9, 0), At(1, 10, 0)));
    Entry(m_entry).m_arrReplacements = {Replacement(4)};
    EXPECT_FALSE(Entity(4).IsFreeAt(m_data, At(1, 9, 0), At(1, 10, 0)));
    EXPECT_TRUE(Entity(4).IsFreeAt(m_data, At(1, 10, 0), At(1, 11, 0)));
    Entity(4).m_nType = 5;
    EXPECT_FALSE(Entity(4).IsFreeAt(m_data, At(1, 10, 0), At(1, 11, 0)));

    const std::size_t probe = AddEntry(30, 1, 9, 0, 60);
    EXPECT_FALSE(Entity(3).IsReplacingInOverlap(m_data, Entry(probe)));
    Entry(m_entry).m_arrReplacements = {Replacement(3, true)};
    EXPECT_TRUE(Entity(3).IsReplacingInOverlap(m_data, Entry(probe)));
    EXPECT_FALSE(Entity(3).IsReplacingInOverlap(m_data, Entry(m_entry)));  // same activity
}

TEST_F(TakingEntries, ReplacementIndexAndMissingMembers) {
    const std::size_t elsewhere = AddEntry(20, 1, 9, 15, 60);
    Entry(elsewhere).m_arrReplacements = {Replacement(2), Replacement(4, true)};
    const std::size_t linked = AddEntry(30, 1, 9, 0, 60);
    Entry(linked).m_bLinked = 1;
    Entry(linked).m_arrReplacements = {Replacement(2)};
    m_data.RebuildReplacementIndex();
    ASSERT_EQ(m_data.m_arrReplacementIndex.size(), 1u);
    EXPECT_EQ(m_data.m_arrReplacementIndex[0].m_nActivity, 20);

    EXPECT_TRUE(m_data.IsEntityReplacingElsewhere(Entry(m_entry), 2));
    EXPECT_FALSE(m_data.IsEntityReplacingElsewhere(Entry(elsewhere), 2));  // its own activity
    std::vector<int> missing{9};
    Entry(m_entry).GetMissingMembers(m_data, missing);
    EXPECT_EQ(missing, std::vector<int>{2});

    Entry(elsewhere).m_dtStart = At(1, 10, 0);
    m_data.RebuildReplacementIndex();
    Entry(m_entry).GetMissingMembers(m_data, missing);
    EXPECT_TRUE(missing.empty());
    Entity(2).m_arrAbsences.push_back(Absence(1, 9, 0, 30));
    Entry(m_entry).GetMissingMembers(m_data, missing);
    EXPECT_EQ(missing, std::vector<int>{2});
}

TEST_F(TakingEntries, DropClashingReplacementsOnlyWhereTheEntityIsBusyAsMember) {
    AddActivity(40, {2});
    const std::size_t standIn = AddEntry(40, 2, 9, 0, 60);  // no overlap with its own entries
    Entry(standIn).m_arrReplacements = {Replacement(1), Replacement(3)};
    Entity(1).DropClashingReplacements(m_data);
    EXPECT_EQ(Entry(standIn).m_arrReplacements.size(), 2u);

    AddEntry(20, 2, 9, 30, 60);  // teacher 1 is a member there
    Entity(1).DropClashingReplacements(m_data);
    ASSERT_EQ(Entry(standIn).m_arrReplacements.size(), 1u);
    EXPECT_EQ(Entry(standIn).m_arrReplacements[0].m_nEntity, 3);
}

class Absences : public RulesFixture {
protected:
    void SetUp() override { AddEntity(1, 1); }
};

TEST_F(Absences, WholeDayAbsencesRespectExistingOnesUnlessForced) {
    CAbsence model;
    model.m_strReason = L"Ill";
    model.m_bPaid = 1;
    Entity(1).m_arrAbsences = {Absence(2, 10, 0, 60)};
    EXPECT_FALSE(Entity(1).SetWholeDayAbsence(m_data, 2, true, model, false));
    EXPECT_EQ(Entity(1).m_arrAbsences.size(), 1u);

    EXPECT_TRUE(Entity(1).SetWholeDayAbsence(m_data, 2, true, model, true));
    ASSERT_EQ(Entity(1).m_arrAbsences.size(), 1u);
    const CAbsence& whole = Entity(1).m_arrAbsences[0];
    EXPECT_TRUE(whole.m_bWholeDay);
    EXPECT_EQ(whole.m_strReason, CString(L"Ill"));
    EXPECT_EQ(whole.m_bPaid, 1);
    EXPECT_EQ(whole.m_dtStart, At(2, 7, 0));
    EXPECT_EQ(WholeMinutes(whole.m_tsLength.m_span), 9 * 60);

    EXPECT_TRUE(Entity(1).SetWholeDayAbsence(m_data, 3, true, model, false));
    EXPECT_EQ(Entity(1).m_arrAbsences.size(), 2u);
    EXPECT_TRUE(Entity(1).SetWholeDayAbsence(m_data, 2, false, model, false));
    ASSERT_EQ(Entity(1).m_arrAbsences.size(), 1u);
    EXPECT_EQ(Entity(1).m_arrAbsences[0].m_dtStart, At(3, 7, 0));

    EXPECT_FALSE(Entity(1).SetWholeDayAbsence(m_data, 21, true, model, true));
    EXPECT_FALSE(Entity(1).SetWholeDayAbsence(m_data, -1, true, model, true));
}

TEST_F(Absences, RemoveAbsenceOverlappingTakesOnlyTheFirstMatch) {
    Entity(1).m_arrAbsences = {Absence(1, 8, 0, 60), Absence(1, 10, 0, 60), Absence(1, 10, 30, 60)};
    Entity(1).RemoveAbsenceOverlapping(Absence(1, 10, 15, 60));
    ASSERT_EQ(Entity(1).m_arrAbsences.size(), 2u);
    EXPECT_EQ(Entity(1).m_arrAbsences[1].m_dtStart, At(1, 10, 30));
    Entity(1).RemoveAbsenceOverlapping(Absence(1, 12, 0, 60));  // touches only
    EXPECT_EQ(Entity(1).m_arrAbsences.size(), 2u);
}

TEST_F(Absences, NetAvailableTimeCountsWindowsLessMergedAbsencesOfThePlanDays) {
    CEntity& e = Entity(1);
    for (int day = 0; day < kMaxPlanDays; ++day) {
        e.m_tDayStart[day] = MakeTimeOfDay(8, 0);
        e.m_tDayEnd[day] = day < 5 ? MakeTimeOfDay(17, 0) : MakeTimeOfDay(8, 0);
    }
    e.m_tDayEnd[5] = MakeTimeOfDay(8, 4);  // four minutes add nothing
    EXPECT_EQ(WholeMinutes(e.GetNetAvailableTime(m_data).m_span), 45 * 60);

    e.m_arrAbsences = {Absence(1, 10, 0, 120), Absence(1, 11, 0, 180)};
    EXPECT_EQ(WholeMinutes(e.GetNetAvailableTime(m_data).m_span), 41 * 60);

    // Absences outside the plan days do not reduce this week's time; a part inside does.
    e.m_arrAbsences.push_back(Absence(-30, 9, 0, 480));
    e.m_arrAbsences.push_back(Absence(40, 9, 0, 480));
    EXPECT_EQ(WholeMinutes(e.GetNetAvailableTime(m_data).m_span), 41 * 60);
    e.m_arrAbsences.push_back(Absence(5, 23, 0, 120));  // the last hour of plan day 5 only
    EXPECT_EQ(WholeMinutes(e.GetNetAvailableTime(m_data).m_span), 40 * 60);

    e.m_bUnavailable = 1;
    EXPECT_EQ(WholeMinutes(e.GetNetAvailableTime(m_data).m_span), 0);
}

TEST_F(Absences, GapTimesAroundTheItemsOfEachDay) {
    CEntity& e = Entity(1);  // windows 07:00 to 16:00
    const auto item = [&](int day, int h, int m, int minutes) {
        CEntityItem it;
        it.m_dtStart = At(day, h, m);
        it.m_dtEnd = it.m_dtStart + Minutes(minutes);
        return it;
    };
    e.m_arrItems = {item(1, 9, 0, 60), item(1, 9, 30, 30), item(1, 11, 0, 60), item(2, 7, 0, 60)};
    COleDateTimeSpan before, between, after, spans;
    e.SumGapTimes(m_data, before, between, after, spans);
    EXPECT_EQ(WholeMinutes(before.m_span), 120);
    EXPECT_EQ(WholeMinutes(between.m_span), 60);
    EXPECT_EQ(WholeMinutes(after.m_span), 4 * 60 + 8 * 60);
    EXPECT_EQ(WholeMinutes(spans.m_span), 180 + 60);

    // Work past the window leaves no idle time after it; unplaced and out-of-plan items are skipped.
    CEntityItem unplaced;
    unplaced.m_dtStart = GetUnplacedDate();
    unplaced.m_dtEnd = GetUnplacedDate() + Minutes(60);
    e.m_arrItems = {unplaced, item(-3, 9, 0, 60), item(1, 15, 0, 120), item(40, 9, 0, 60)};
    e.SumGapTimes(m_data, before, between, after, spans);
    EXPECT_EQ(WholeMinutes(before.m_span), 8 * 60);
    EXPECT_EQ(WholeMinutes(after.m_span), 0);
    EXPECT_EQ(WholeMinutes(spans.m_span), 120);
}

TEST_F(TakingEntries, RulesRunOnAWorkerWhileTheStoreIsOnlyRead) {
    AddEntry(20, 1, 9, 30, 60);
    Entry(m_entry).m_nState = 42;
    bool canTake = true;
    int state = -1;
    std::thread worker([&] {
        canTake = Entity(1).CanTakeEntry(m_data, Entry(m_entry));
        state = Entry(m_entry).GetState(m_data);
    });
    const int seenOnUi = static_cast<const CTimetableEntry&>(Entry(m_entry)).GetState(m_data);
    worker.join();
    EXPECT_TRUE(canTake);
    EXPECT_EQ(state, 2);
    EXPECT_EQ(seenOnUi, 2);
    EXPECT_EQ(Entry(m_entry).m_nState, 42);
}

}  // namespace
