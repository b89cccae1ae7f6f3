// Lessons of chime sets, hour slots of the day and the captions of the hour column.
#include <stdexcept>

#include "model/chime_set.h"
#include "model/lesson_hours.h"
#include "rules_fixture.h"

namespace {

class LessonHours : public RulesFixture {
protected:
    __time64_t T(int hour, int minute) const { return MakeTimeOfDay(hour, minute); }
    CChimeSet Chimes(int id, std::vector<std::pair<const char*, const wchar_t*>> intervals) {
        CChimeSet set;
        set.m_nId = id;
        for (const auto& [clock, label] : intervals) {
            int h = 0, m = 0;
            sscanf(clock, "%d:%d", &h, &m);
            set.m_arrIntervals.push_back({T(h, m), CString(label)});
        }
        return set;
    }
    CChimeSet Hourly(int id) {
        CChimeSet set;
        set.m_nId = id;
        set.LoadLessonTimes(m_settings);  // empty Lessons list: 07:00 to 15:00
        return set;
    }
    std::vector<CString>& Lessons() { return m_settings.GetWordList(WordList::Lessons); }
};

TEST_F(LessonHours, LessonsSkipBreaksAndContinueHourByHour) {
    const CChimeSet set = Chimes(1, {{"08:00", L""}, {"08:45", L""}, {"10:00", L"Break"}, {"11:00", L""}});
    struct Case {
        int lesson;
        int startH, startM, endH, endM;
    };
    const Case cases[] = {
        {0, 8, 0, 8, 45},
        {1, 8, 45, 10, 0},  // ends where the break begins
        {2, 11, 0, 12, 0},  // the last interval: the next lesson's start
        {3, 12, 0, 13, 0},
        {5, 14, 0, 15, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(set.GetLessonStart(m_data, c.lesson), T(c.startH, c.startM)) << c.lesson;
        EXPECT_EQ(set.GetLessonEnd(m_data, c.lesson), T(c.endH, c.endM)) << c.lesson;
    }
}

TEST_F(LessonHours, ASetWithoutIntervalsRunsHourlyFromTheDayStart) {
    CChimeSet empty;
    empty.m_nId = 1;
    m_data.m_arrChimeSets.push_back(empty);
    // Lesson i begins at hour slot i, as the caption of a missing lesson says.
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(empty.GetLessonStart(m_data, i), T(7 + i, 0)) << i;
        EXPECT_EQ(GetLessonStartText(m_data, i, 1), CTime(T(7 + i, 0)).Format(L"%H:%M")) << i;
    }
    EXPECT_EQ(empty.GetLessonEnd(m_data, 1), T(9, 0));
}

TEST_F(LessonHours, HourSlotOfATime) {
    struct Case {
        int hour, minute;
        int slot;
    };
    const Case cases[] = {
        {6, 50, -1}, {6, 57, -1}, {6, 58, 0}, {7, 0, 0}, {7, 2, 0}, {7, 3, 1},
        {8, 0, 1},   {8, 2, 1},   {8, 3, 2},  {8, 30, 2}, {15, 0, 8}, {23, 59, 17},
    };
    for (const Case& c : cases) EXPECT_EQ(GetHourSlot(m_data, T(c.hour, c.minute)), c.slot) << c.hour << ":" << c.minute;
}

TEST_F(LessonHours, HourSlotOfARealDateCountsOnlyTheTimeOfDay) {
    __time64_t t = 0;
    ASSERT_TRUE(COleDateTime(2024, 3, 5, 8, 30, 0).GetAsTime64(t));
    EXPECT_EQ(GetHourSlot(m_data, t), 2);
    ASSERT_TRUE(COleDateTime(2024, 7, 5, 6, 0, 0).GetAsTime64(t));  // summer time
    EXPECT_EQ(GetHourSlot(m_data, t), -1);
}

TEST_F(LessonHours, SnapToLessonsOnTheHourlyGrid) {
    const CChimeSet set = Hourly(1);
    struct Case {
        int hour, minute;
        double minutes;
        int startH, endH;
    };
    const Case cases[] = {
        {9, 0, 120, 9, 11},
        {9, 0, 90, 9, 10},   // 1:30 on a lesson boundary: one lesson
        {9, 0, 30, 9, 10},   // shorter than an hour: still its first lesson
        {8, 30, 60, 9, 10},  // inside an hour: the next slot
        {15, 0, 120, 15, 17},
    };
    for (const Case& c : cases) {
        __time64_t start = 0, end = 0;
        set.SnapToLessons(m_data, At(1, c.hour, c.minute), Minutes(c.minutes), start, end);
        EXPECT_EQ(start, T(c.startH, 0)) << c.hour << ":" << c.minute << " " << c.minutes;
        EXPECT_EQ(end, T(c.endH, 0)) << c.hour << ":" << c.minute << " " << c.minutes;
        EXPECT_LT(start, end);
    }
    __time64_t start = 0, end = 0;
    COleDateTime invalid;
    invalid.SetStatus(COleDateTime::invalid);
    EXPECT_THROW(set.SnapToLessons(m_data, invalid, Minutes(60), start, end), std::invalid_argument);
}

TEST_F(LessonHours, LoadLessonTimesFromTheLessonsList) {
    const CChimeSet hourly = Hourly(1);
    ASSERT_EQ(hourly.m_arrIntervals.size(), 9u);
    EXPECT_EQ(hourly.m_arrIntervals.front().m_tStart, T(7, 0));
    EXPECT_EQ(hourly.m_arrIntervals.back().m_tStart, T(15, 0));

    Lessons() = {L"8:05", L"!10:00Lunch", L"11:00"};
    CChimeSet set;
    set.LoadLessonTimes(m_settings);
    ASSERT_EQ(set.m_arrIntervals.size(), 3u);
    EXPECT_EQ(set.m_arrIntervals[0].m_tStart, T(8, 5));
    EXPECT_TRUE(set.m_arrIntervals[0].m_strBreak.IsEmpty());
    EXPECT_EQ(set.m_arrIntervals[1].m_tStart, T(10, 0));
    EXPECT_EQ(set.m_arrIntervals[1].m_strBreak, CString(L"Lunch"));
    EXPECT_EQ(CountLessons(m_settings), 2);

    // An entry without a readable time is left out.
    Lessons() = {L"08:00", L"lunch", L"!x", L"09:00"};
    EXPECT_TRUE(set.LoadLessonTimes(m_settings));
    ASSERT_EQ(set.m_arrIntervals.size(), 2u);
    EXPECT_EQ(set.m_arrIntervals[1].m_tStart, T(9, 0));
}

// A list with no readable time, or whose times go back, would give lessons of no or negative
// length: it is refused and the set holds the hourly lessons.
TEST_F(LessonHours, LoadLessonTimesRefusesAListWithoutReadableTimesInOrder) {
    const std::vector<std::vector<CString>> refused = {
        {L"lunch", L"later"}, {L"10:00", L"08:00"}, {L"08:00", L"!07:30 Early"}, {L"25:00"}, {L"8"}};
    for (std::size_t i = 0; i < refused.size(); ++i) {
        SCOPED_TRACE(i);
        Lessons() = refused[i];
        CChimeSet set;
        EXPECT_FALSE(set.LoadLessonTimes(m_settings));
        ASSERT_EQ(set.m_arrIntervals.size(), 9u);
        EXPECT_EQ(set.m_arrIntervals.front().m_tStart, T(7, 0));
        EXPECT_EQ(set.m_arrIntervals.back().m_tStart, T(15, 0));
    }
}

TEST_F(LessonHours, LessonStartTextFallsBackToTheDayStart) {
    m_data.m_arrChimeSets.push_back(Chimes(4, {{"08:00", L""}, {"09:00", L""}, {"10:00", L""}}));
    m_data.m_arrChimeSets.push_back(Chimes(6, {{"08:15", L""}}));
    EXPECT_EQ(GetLessonStartText(m_data, 1, 0), CString(L"09:00"));  // id 0: the first set
    EXPECT_EQ(GetLessonStartText(m_data, 0, 6), CString(L"08:15"));
    EXPECT_EQ(GetLessonStartText(m_data, 5, 4), CString(L"12:00"));   // day start + 5 hours
    EXPECT_EQ(m_data.m_arrChimeSets[0].GetLessonStart(m_data, 5), T(13, 0));  // after the last
    EXPECT_EQ(GetLessonStartText(m_data, 2, 99), CString(L"09:00"));  // no such set
}

TEST_F(LessonHours, HourTextAndCaptions) {
    CTestStrings strings({{60697, L"Lesson"}});
    m_data.m_arrChimeSets.push_back(Hourly(1));
    m_data.m_nHourIndex = 1;
    EXPECT_EQ(GetHourText(m_data, 0), CString(L"01"));
    EXPECT_EQ(GetHourText(m_data, 23), CString(L"00"));
    m_data.m_nHourIndex = -3;
    EXPECT_EQ(GetHourText(m_data, 1), CString(L"22"));
    m_data.m_nHourIndex = 0;
    EXPECT_EQ(GetLessonCaption(m_data, 0, 1, 2), CString(L"02"));
    EXPECT_EQ(GetLessonCaption(m_data, 1, 1, 2), CString(L"09:00"));
    EXPECT_EQ(GetLessonCaption(m_data, 2, 1, 2), CString(L"Lesson<strong>&nbsp02</strong></br>09:00"));
}

TEST_F(LessonHours, LessonBeforeBreakAndLessonRanges) {
    Lessons() = {L"07:00", L"08:00", L"!09:00Break", L"09:15", L"10:15"};
    CChimeSet set;
    set.m_nId = 3;
    set.LoadLessonTimes(m_settings);
    m_data.m_arrChimeSets.push_back(set);
    m_data.m_arrChimeSets.push_back(Chimes(5, {{"06:30", L"Early"}, {"07:00", L""}, {"08:00", L""}}));

    // Mode 0 shows hours only.
    EXPECT_FALSE(IsLessonBeforeBreak(m_data, T(9, 0)));
    EXPECT_EQ(GetLessonRangeEnd(m_data, 3, T(9, 0)), 5u);
    EXPECT_EQ(GetLessonRangeBegin(m_data, 5, T(7, 0)), 3u);

    m_settings.m_nTimeAxisMode = 1;
    EXPECT_TRUE(IsLessonBeforeBreak(m_data, T(9, 0)));   // slot 2: the lesson of 08:00
    EXPECT_TRUE(IsLessonBeforeBreak(m_data, T(9, 40)));  // the hour counts, not the minutes
    EXPECT_FALSE(IsLessonBeforeBreak(m_data, T(8, 0)));
    EXPECT_FALSE(IsLessonBeforeBreak(m_data, T(6, 0)));
    m_settings.m_nReportFlag = 1;
    EXPECT_FALSE(IsLessonBeforeBreak(m_data, T(9, 0)));
    m_settings.m_nReportFlag = 0;

    EXPECT_EQ(GetLessonRangeEnd(m_data, 3, T(9, 0)), 2u);  // just after the lesson before the break
    EXPECT_EQ(GetLessonRangeEnd(m_data, 3, T(8, 0)), 5u);
    EXPECT_EQ(GetLessonRangeEnd(m_data, 3, T(11, 0)), 5u);  // the last lesson, slot 4
    EXPECT_EQ(GetLessonRangeEnd(m_data, 3, T(10, 0)), 5u);
    EXPECT_EQ(GetLessonRangeBegin(m_data, 5, T(7, 0)), 0u);  // the opening break
    EXPECT_EQ(GetLessonRangeBegin(m_data, 5, T(8, 0)), 3u);
    EXPECT_EQ(GetLessonRangeBegin(m_data, 3, T(7, 0)), 5u);

    // A missing set gives an empty range.
    EXPECT_EQ(GetLessonRangeBegin(m_data, 42, T(9, 0)), 0u);
    EXPECT_EQ(GetLessonRangeEnd(m_data, 42, T(9, 0)), 0u);
}

// Which chime set applies ----------------------------------------------------------------------

class ChimeSetChoice : public LessonHours {
protected:
    void SetUp() override {
        AddEntity(1, 0);
        AddEntity(2, 1);
        AddEntity(3, 0);
        AddActivity(10, {1, 2});
        AddActivity(20, {3, 2});
    }
};

TEST_F(ChimeSetChoice, ASoleChimeSetKeepsItsIdAndEveryReference) {
    m_data.m_arrChimeSets.push_back(Hourly(3));
    Entity(1).m_nChimeSet = 3;
    Activity(10).m_nChimeSet = 3;
    m_data.m_nDefaultChimeSet = 0;
    const std::size_t entry = AddEntry(20, 1, 9, 0, 60);

    EXPECT_EQ(m_data.GetDefaultChimeSetId(), 3);
    EXPECT_EQ(m_data.GetCurrentChimeSetId(), 3);
    EXPECT_EQ(Entry(entry).GetChimeSetId(m_data), 3);
    EXPECT_EQ(m_data.GetEntityChimeSetId(2), 3);
    EXPECT_EQ(m_data.m_arrChimeSets.front().m_nId, 3);
    EXPECT_NE(m_data.FindChimeSet(Entity(1).m_nChimeSet), m_data.m_arrChimeSets.end());

    // For the file, which writes a sole set as 1, the references move with it.
    m_data.RenumberSoleChimeSet();
    EXPECT_EQ(m_data.m_arrChimeSets.front().m_nId, 1);
    EXPECT_EQ(Entity(1).m_nChimeSet, 1);
    EXPECT_EQ(Activity(10).m_nChimeSet, 1);
    EXPECT_EQ(Entity(3).m_nChimeSet, 0);
    EXPECT_EQ(m_data.FindChimeSet(1), m_data.m_arrChimeSets.begin());
}

TEST_F(ChimeSetChoice, RenumberingLeavesSeveralSetsAlone) {
    m_data.m_arrChimeSets.push_back(Hourly(3));
    m_data.m_arrChimeSets.push_back(Hourly(4));
    m_data.m_nDefaultChimeSet = 4;
    m_data.m_nCurrentChimeSet = 3;
    m_data.RenumberSoleChimeSet();
    EXPECT_EQ(m_data.m_arrChimeSets[0].m_nId, 3);
    EXPECT_EQ(m_data.GetDefaultChimeSetId(), 4);
    EXPECT_EQ(m_data.GetCurrentChimeSetId(), 3);
}

TEST_F(ChimeSetChoice, DerivedAndEntryChimeSets) {
    m_data.m_arrChimeSets.push_back(Hourly(7));
    m_data.m_arrChimeSets.push_back(Hourly(9));
    m_data.m_nDefaultChimeSet = 9;
    Entity(1).m_nChimeSet = 7;
    Activity(10).DeriveChimeSet(m_data);
    EXPECT_EQ(Activity(10).m_nDerivedChimeSet, 7);
    Activity(10).m_arrMembers = {1, 3, 2};  // 7 and the default 9 differ
    Activity(10).DeriveChimeSet(m_data);
    EXPECT_EQ(Activity(10).m_nDerivedChimeSet, 0);
    Activity(10).m_arrMembers = {2};
    Activity(10).DeriveChimeSet(m_data);
    EXPECT_EQ(Activity(10).m_nDerivedChimeSet, 0);

    Activity(20).DeriveChimeSet(m_data);
    EXPECT_EQ(Activity(20).m_nDerivedChimeSet, 9);
    const std::size_t entry = AddEntry(20, 1, 9, 0, 60);
    EXPECT_EQ(Entry(entry).GetChimeSetId(m_data), 9);
    Activity(20).m_nChimeSet = 7;
    EXPECT_EQ(Entry(entry).GetChimeSetId(m_data), 7);
    Entry(entry).m_nActivity = 99;
    EXPECT_EQ(Entry(entry).GetChimeSetId(m_data), 0);
}

TEST_F(ChimeSetChoice, EntityChimeSetOfStaffNeedsOneSharedSet) {
    m_data.m_arrChimeSets.push_back(Hourly(7));
    m_data.m_arrChimeSets.push_back(Hourly(9));
    Activity(10).m_nChimeSet = 7;
    Activity(20).m_nChimeSet = 9;
    EXPECT_EQ(m_data.GetEntityChimeSetId(2), 0);
    Activity(20).m_nChimeSet = 0;
    EXPECT_EQ(m_data.GetEntityChimeSetId(2), 7);
    EXPECT_EQ(m_data.GetEntityChimeSetId(42), 0);
}

TEST_F(ChimeSetChoice, EntryLessonTimesLieOnItsDate) {
    const std::size_t entry = AddEntry(10, 1, 9, 0, 50);
    EXPECT_EQ(Entry(entry).GetLessonStart(m_data), At(1, 9, 0));  // no chime set: its own times
    EXPECT_EQ(Entry(entry).GetLessonEnd(m_data), At(1, 9, 50));

    m_data.m_arrChimeSets.push_back(Chimes(1, {{"07:00", L""}, {"07:50", L""}, {"08:40", L""}, {"09:40", L""}}));
    EXPECT_EQ(Entry(entry).GetLessonStart(m_data), At(1, 8, 40));  // hour slot 2 is lesson 2
    EXPECT_EQ(Entry(entry).GetLessonEnd(m_data), At(1, 9, 40));
}

}  // namespace
