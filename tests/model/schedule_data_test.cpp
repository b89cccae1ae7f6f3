#include "model/schedule_data.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "model/html_color.h"
#include "model/time_values.h"
#include "model_test_support.h"

namespace {

CEntity Entity(int id, const wchar_t* name, int type = 0) {
    CEntity entity;
    entity.m_nId = id;
    entity.m_strName = name;
    entity.m_nType = type;
    return entity;
}

CActivity Activity(int id, const wchar_t* name, std::vector<int> members = {}) {
    CActivity activity;
    activity.m_nId = id;
    activity.m_strName = name;
    activity.m_arrMembers = std::move(members);
    return activity;
}

class ScheduleData : public ::testing::Test {
protected:
    void SetUp() override { m_data.SetServices({&m_host, &m_settings, &m_answerer, nullptr}); }

    CRecordingHost m_host;
    CMemoryAppSettings m_settings;
    CScriptedMessageAnswerer m_answerer;
    CScheduleData m_data;
};

TEST_F(ScheduleData, FindEntityNeverMatchesIdZero) {
    m_data.m_arrEntities.push_back(Entity(0, L"Zero"));
    m_data.m_arrEntities.push_back(Entity(4, L"Four"));
    EXPECT_EQ(m_data.FindEntity(0), m_data.m_arrEntities.end());
    EXPECT_EQ(m_data.FindEntity(4)->m_strName, CString(L"Four"));
    EXPECT_EQ(m_data.FindEntity(5), m_data.m_arrEntities.end());
}

TEST_F(ScheduleData, LookupsByIdFollowEditsOfTheCollections) {
    m_data.m_arrActivities.push_back(Activity(1, L"Art"));
    m_data.m_arrActivities.push_back(Activity(2, L"Biology"));
    m_data.m_arrGroups.push_back(CActivityGroup());
    m_data.m_arrGroups.back().m_nId = 7;
    CChimeSet chimes;
    chimes.m_nId = 3;
    m_data.m_arrChimeSets.push_back(chimes);

    EXPECT_EQ(m_data.FindActivity(2)->m_strName, CString(L"Biology"));
    EXPECT_EQ(m_data.FindGroup(7), m_data.m_arrGroups.begin());
    EXPECT_EQ(m_data.FindChimeSet(3), m_data.m_arrChimeSets.begin());
    EXPECT_EQ(m_data.FindGroup(0), m_data.m_arrGroups.end());

    m_data.m_arrActivities.erase(m_data.m_arrActivities.begin());
    EXPECT_EQ(m_data.FindActivity(1), m_data.m_arrActivities.end());
    EXPECT_EQ(m_data.FindActivity(2), m_data.m_arrActivities.begin());
    m_data.m_arrActivities[0].m_nId = 1;  // renumbered in place
    EXPECT_EQ(m_data.FindActivity(2), m_data.m_arrActivities.end());
    EXPECT_EQ(m_data.FindActivity(1), m_data.m_arrActivities.begin());
}

TEST_F(ScheduleData, EntriesAreFoundBySerial) {
    m_data.m_arrEntries.push_back(CTimetableEntry());
    m_data.m_arrEntries.push_back(CTimetableEntry());
    const std::uint64_t second = m_data.m_arrEntries[1].GetSerial();
    m_data.m_arrEntries.erase(m_data.m_arrEntries.begin());
    EXPECT_EQ(m_data.FindEntryBySerial(second), m_data.m_arrEntries.begin());
    EXPECT_EQ(m_data.FindEntryBySerial(0), m_data.m_arrEntries.end());
}

TEST_F(ScheduleData, FindEntityByNameIsExactAndTyped) {
    m_data.m_arrEntities.push_back(Entity(1, L"Smith", 1));
    m_data.m_arrEntities.push_back(Entity(2, L"Smith", 2));
    EXPECT_EQ(m_data.FindEntityByName(L"Smith", 2)->m_nId, 2);
    EXPECT_EQ(m_data.FindEntityByName(L"smith", 1), m_data.m_arrEntities.end());
    EXPECT_TRUE(m_data.HasEntityNamed(L"Smith", 1));
    EXPECT_FALSE(m_data.HasEntityNamed(L"Smith", 0));
}

TEST_F(ScheduleData, NextAndPreviousEntityStopAtTheEnds) {
    for (int id = 1; id <= 3; ++id) m_data.m_arrEntities.push_back(Entity(id, L"E"));
    struct Case {
        int current;
        int next, previous;  // 0: the end
    };
    const Case cases[] = {{1, 2, 0}, {2, 3, 1}, {3, 0, 2}, {0, 0, 0}, {9, 0, 0}};
    for (const auto& c : cases) {
        m_data.m_nCurrentEntity = c.current;
        const auto next = m_data.GetNextEntity();
        const auto previous = m_data.GetPreviousEntity();
        EXPECT_EQ(next == m_data.m_arrEntities.end() ? 0 : next->m_nId, c.next) << c.current;
        EXPECT_EQ(previous == m_data.m_arrEntities.end() ? 0 : previous->m_nId, c.previous) << c.current;
    }
}

TEST_F(ScheduleData, FindSimilarActivityOfTheCurrentEntity) {
    m_data.m_arrEntities.push_back(Entity(1, L"Class 1"));
    m_data.m_arrActivities.push_back(Activity(1, L"Maths", {1}));
    m_data.m_arrActivities.push_back(Activity(2, L"Physics", {1}));
    m_data.m_arrActivities.push_back(Activity(3, L"Maths advanced", {2}));  // not the current entity's
    m_data.m_arrActivities.push_back(Activity(4, L"MATHS", {1}));
    m_data.m_arrActivities.push_back(Activity(5, L"Applied Maths", {1}));
    const CActivity maths = m_data.m_arrActivities[0];

    m_data.m_nCurrentEntity = 1;
    auto found = m_data.FindSimilarActivity(maths, m_data.m_arrActivities.begin());
    ASSERT_NE(found, m_data.m_arrActivities.end());
    EXPECT_EQ(found->m_nId, 4);
    found = m_data.FindSimilarActivity(maths, found + 1);
    ASSERT_NE(found, m_data.m_arrActivities.end());
    EXPECT_EQ(found->m_nId, 5);
    EXPECT_EQ(m_data.FindSimilarActivity(maths, found + 1), m_data.m_arrActivities.end());

    m_data.m_nCurrentEntity = 0;
    EXPECT_EQ(m_data.FindSimilarActivity(maths, m_data.m_arrActivities.begin()), m_data.m_arrActivities.end());
}

TEST_F(ScheduleData, StartDateFallsBackToTheDefaultPlanDateWithoutEntities) {
    m_settings.m_dtDefaultPlanDate = COleDateTime(2000, 1, 3, 0, 0, 0);
    m_data.SetStartDate(COleDateTime(2024, 9, 2, 0, 0, 0));
    EXPECT_EQ(m_data.GetStartDate(), COleDateTime(2000, 1, 3, 0, 0, 0));
    EXPECT_EQ(m_data.GetDayDate(1), COleDateTime(2024, 9, 3, 0, 0, 0));  // the stored date always
    EXPECT_TRUE(m_data.HasDefaultStartDate());  // whatever the start date
    m_data.m_arrEntities.push_back(Entity(1, L"A"));
    EXPECT_EQ(m_data.GetStartDate(), COleDateTime(2024, 9, 2, 0, 0, 0));
    EXPECT_FALSE(m_data.HasDefaultStartDate());
    m_data.SetStartDate(COleDateTime(2000, 1, 31, 0, 0, 0));
    EXPECT_TRUE(m_data.HasDefaultStartDate());
    COleDateTime invalid(2000, 1, 1, 0, 0, 0);
    invalid.SetStatus(COleDateTime::invalid);
    m_data.SetStartDate(invalid);
    EXPECT_FALSE(m_data.HasDefaultStartDate());
}

TEST_F(ScheduleData, DayIndexCountsWholeDaysAfterTheStart) {
    m_data.m_arrEntities.push_back(Entity(1, L"A"));
    m_data.SetStartDate(COleDateTime(2024, 9, 2, 0, 0, 0));
    struct Case {
        COleDateTime t;
        int day;
        const char* what;
    };
    const Case cases[] = {
        {COleDateTime(2024, 9, 2, 8, 0, 0), 0, "morning of day 0"},
        {COleDateTime(2024, 9, 3, 8, 0, 0), 1, "morning of day 1"},
        {COleDateTime(2024, 9, 3, 0, 0, 0), 0, "midnight of day 1"},
        {COleDateTime(2024, 9, 3, 0, 2, 0), 0, "2 minutes after midnight of day 1"},
        {COleDateTime(2024, 9, 3, 0, 3, 0), 1, "3 minutes after midnight of day 1"},
        {COleDateTime(2024, 9, 2, 0, 1, 0), -1, "within 3 minutes of the start"},
        {COleDateTime(2024, 9, 1, 12, 0, 0), -1, "before the start"},
        {COleDateTime(2025, 9, 2, 12, 0, 0), 365, "a year on"},
    };
    for (const auto& c : cases) EXPECT_EQ(m_data.GetDayIndex(c.t), c.day) << c.what;
}

TEST_F(ScheduleData, PlanDaytimeIsSixToSeventeenWithinThePeriod) {
    m_data.m_arrEntities.push_back(Entity(1, L"A"));
    m_data.SetStartDate(COleDateTime(2024, 9, 2, 10, 0, 0));
    m_data.m_nDays = 2;
    struct Case {
        COleDateTime t;
        bool inside;
    };
    const Case cases[] = {
        {COleDateTime(2024, 9, 2, 6, 0, 0), true},    {COleDateTime(2024, 9, 2, 5, 59, 0), false},
        {COleDateTime(2024, 9, 3, 17, 59, 0), true},  {COleDateTime(2024, 9, 3, 18, 0, 0), false},
        {COleDateTime(2024, 9, 4, 8, 0, 0), false},   {COleDateTime(2024, 9, 1, 8, 0, 0), false},
    };
    for (const auto& c : cases) EXPECT_EQ(m_data.IsInPlanDaytime(c.t), c.inside) << c.t.Format(L"%d/%m %H:%M").ToUtf8();
    COleDateTime invalid = COleDateTime(2024, 9, 2, 8, 0, 0);
    invalid.SetStatus(COleDateTime::invalid);
    EXPECT_FALSE(m_data.IsInPlanDaytime(invalid));
}

TEST_F(ScheduleData, DayTitlesStepThroughTheWeek) {
    CTestStrings strings({{60642, L"Sun"}, {60643, L"Mon"}, {60644, L"Tue"}, {60645, L"Wed"}, {60646, L"Thu"},
                          {60647, L"Fri"}, {60648, L"Sat"}});
    m_data.m_arrEntities.push_back(Entity(1, L"A"));
    m_data.m_dtFirstWeekday = COleDateTime(2000, 1, 2, 0, 0, 0);
    m_data.SetStartDate(COleDateTime(2024, 9, 1, 0, 0, 0));
    EXPECT_EQ(m_data.FormatDayTitle(0), CString(L"Sun"));
    EXPECT_EQ(m_data.FormatDayTitle(6), CString(L"Sat"));
    EXPECT_EQ(m_data.FormatDayTitle(7), CString(L"Sun"));
    m_data.m_nTitleFormat = 1;
    EXPECT_EQ(m_data.FormatDayTitle(1), CString(L"Mon 02/09/2024"));
    m_data.m_nTitleFormat = 2;
    EXPECT_EQ(m_data.FormatDayTitle(1), CString(L"02/09/2024"));
    m_data.m_nTitleFormat = 3;
    EXPECT_EQ(m_data.FormatDayTitle(1), CString());
    // 1 January 2000 (and any other date) starts the week on Saturday.
    m_data.m_nTitleFormat = 0;
    m_data.m_dtFirstWeekday = COleDateTime(2000, 1, 1, 0, 0, 0);
    EXPECT_EQ(m_data.FormatDayTitle(0), CString(L"Sat"));
    m_data.m_dtFirstWeekday = COleDateTime(2000, 1, 3, 0, 0, 0);
    EXPECT_EQ(m_data.FormatDayTitle(0), CString(L"Mon"));
}

TEST_F(ScheduleData, PlanDayHolidaysComeFromTheSettings) {
    m_data.SetStartDate(COleDateTime(2024, 12, 23, 0, 0, 0));
    m_settings.m_holidays.push_back(COleDateTime(2024, 12, 25, 0, 0, 0));
    EXPECT_FALSE(IsPlanDayHoliday(m_data, 1));
    EXPECT_TRUE(IsPlanDayHoliday(m_data, 2));
    EXPECT_FALSE(IsPlanDayHoliday(m_data, 3));
}

TEST_F(ScheduleData, EntityIdOrdersByTypeAndName) {
    m_data.m_arrEntities.push_back(Entity(1, L"beta", 1));
    m_data.m_arrEntities.push_back(Entity(2, L"Alpha", 1));
    m_data.m_arrEntities.push_back(Entity(3, L"Zeta", 0));
    m_data.m_arrEntities.push_back(Entity(4, L"Alpha", 1));  // same type and name as 2
    m_data.m_arrEntities.push_back(Entity(5, L"ALPHA", 4));

    std::vector<int> ids = {9, 1, 5, 4, 0, 3, 2};  // 9 and 0 name no entity
    std::sort(ids.begin(), ids.end(), LessEntityByTypeName(m_data));
    EXPECT_EQ(ids, (std::vector<int>{3, 2, 4, 1, 5, 0, 9}));

    std::sort(ids.begin(), ids.end(), LessEntityByName(m_data));
    EXPECT_EQ(ids, (std::vector<int>{2, 4, 5, 1, 3, 0, 9}));

    const LessEntityByName less(m_data);
    for (int id : ids) EXPECT_FALSE(less(id, id)) << id;
}

TEST(HtmlColor, FormatsAndParsesHashTriplets) {
    EXPECT_EQ(FormatHtmlColor(RGB(0, 0, 0)), CString(L"#000000"));
    EXPECT_EQ(FormatHtmlColor(RGB(255, 8, 16)), CString(L"#FF0810"));
    EXPECT_EQ(FormatHtmlColor(RGB(5, 160, 255)), CString(L"#05A0FF"));
    struct Case {
        const wchar_t* text;
        COLORREF expected;
    };
    const COLORREF fallback = RGB(1, 2, 3);
    const Case cases[] = {
        {L"#FF0810", RGB(255, 8, 16)}, {L"#ff0810", RGB(255, 8, 16)}, {L"FF0810", fallback},
        {L"#FF081", fallback},         {L"#FF08100", fallback},       {L"", fallback},
        {L"#FF08G0", 0},  // "0xG008FF" reads as the number 0
    };
    for (const auto& c : cases) EXPECT_EQ(ParseHtmlColor(c.text, fallback), c.expected) << CString(c.text).ToUtf8();
}

TEST_F(ScheduleData, ActivityColoursByNameBroadcastOnlyWhenSomethingMatched) {
    m_data.m_arrActivities.push_back(Activity(1, L"Maths"));
    m_data.m_arrActivities.push_back(Activity(2, L"Art"));
    const CActivity before = m_data.m_arrActivities[1];

    m_data.SetActivityColoursByName(L"Physics", TRUE, RGB(1, 1, 1), TRUE, RGB(2, 2, 2), TRUE, 3);
    EXPECT_TRUE(m_host.m_calls.empty());
    EXPECT_EQ(m_data.m_arrActivities[0].m_nHatch, 6);

    m_data.SetActivityColoursByName(L"ath", TRUE, RGB(1, 1, 1), FALSE, RGB(2, 2, 2), TRUE, 3);
    EXPECT_EQ(m_host.m_calls, (std::vector<std::string>{"broadcast 1"}));
    EXPECT_EQ(m_data.m_arrActivities[0].m_crBackground, RGB(1, 1, 1));
    EXPECT_EQ(m_data.m_arrActivities[0].m_crForeground, before.m_crForeground);
    EXPECT_EQ(m_data.m_arrActivities[0].m_nHatch, 3);
    EXPECT_EQ(m_data.m_arrActivities[1].m_crBackground, before.m_crBackground);
}

TEST_F(ScheduleData, ClearAbsencesAndReplacementsUndoesLinks) {
    CEntity entity = Entity(1, L"A");
    entity.m_arrAbsences.resize(2);
    m_data.m_arrEntities.push_back(entity);
    CTimetableEntry entry;
    entry.m_arrReplacements.resize(1);
    entry.m_bLinked = 1;
    entry.m_nState = 7;
    entry.m_bState6 = 1;
    m_data.m_arrEntries.push_back(entry);

    m_data.ClearAbsencesAndReplacements();
    EXPECT_TRUE(m_data.m_arrEntities[0].m_arrAbsences.empty());
    EXPECT_TRUE(m_data.m_arrEntries[0].m_arrReplacements.empty());
    EXPECT_FALSE(m_data.m_arrEntries[0].m_bLinked);
    EXPECT_EQ(m_data.m_arrEntries[0].m_nState, 2);
    EXPECT_TRUE(m_data.m_arrEntries[0].m_bState6);
}

TEST_F(ScheduleData, ActivityTotalDurationLeavesLinkedEntriesOut) {
    const COleDateTime start(2024, 9, 2, 8, 0, 0);
    m_data.m_arrEntries.push_back(CTimetableEntry(start, COleDateTimeSpan(1.0 / 24)));
    m_data.m_arrEntries.push_back(CTimetableEntry(start, COleDateTimeSpan(0.5 / 24)));
    m_data.m_arrEntries.push_back(CTimetableEntry(start, COleDateTimeSpan(2.0 / 24)));
    m_data.m_arrEntries[0].m_nActivity = m_data.m_arrEntries[1].m_nActivity = m_data.m_arrEntries[2].m_nActivity = 4;
    m_data.m_arrEntries[2].m_bLinked = 1;
    EXPECT_EQ(WholeMinutes(m_data.GetActivityTotalDuration(4).m_span), 90);
    EXPECT_EQ(WholeMinutes(m_data.GetActivityTotalDuration(5).m_span), 0);
}

TEST_F(ScheduleData, SolverCountsTakeUnreplacedEntriesWithCandidateSlots) {
    m_data.m_dtStartDate = COleDateTime(2000, 1, 3, 0, 0, 0);
    m_data.m_arrEntities.push_back(Entity(1, L"Limited", 1));
    m_data.m_arrEntities.push_back(Entity(2, L"Unlimited", 1));
    m_data.m_arrEntities.push_back(Entity(3, L"Substitute", 1));
    m_data.m_arrEntities[1].m_nOverlaps = 0;
    m_data.m_arrActivities.push_back(Activity(1, L"Art", {1}));
    m_data.m_arrActivities.push_back(Activity(2, L"Biology", {1}));
    m_data.m_arrActivities.push_back(Activity(3, L"Chemistry", {2}));
    m_data.m_arrActivities.push_back(Activity(4, L"Drama", {2}));

    const COleDateTime start(2000, 1, 3, 8, 0, 0);
    auto add = [&](int activity) -> CTimetableEntry& {
        m_data.m_arrEntries.push_back(CTimetableEntry(start, COleDateTimeSpan(1.0 / 24)));
        CTimetableEntry& entry = m_data.m_arrEntries.back();
        entry.m_nActivity = activity;
        entry.m_nState = 2;
        entry.m_arrSlots.push_back(CCandidateSlot{start, 0.0});
        return entry;
    };
    add(1);
    add(1);  // the same activity
    add(2);  // shares the limited member
    add(3);
    add(4);  // shares only the member without a limit
    add(1).m_nState = 0;
    add(1).m_bLinked = 1;
    CTimetableEntry& replaced = add(1);
    replaced.m_arrReplacements.push_back(CReplacement{});
    replaced.m_arrReplacements.back().m_nEntity = 3;  // state 5
    add(1).m_arrSlots.clear();

    EXPECT_EQ(m_data.CountEntriesToPlace(), 5);
    EXPECT_DOUBLE_EQ(m_data.GetClashRatio(0), 0.0);
    EXPECT_DOUBLE_EQ(m_data.GetClashRatio(2), 1.5);
    EXPECT_FALSE(m_data.HasEntryInStateOne());

    // Within one group a shared member is no clash; the same activity still is.
    m_data.m_arrActivities[0].m_nGroup = m_data.m_arrActivities[1].m_nGroup = 5;
    EXPECT_DOUBLE_EQ(m_data.GetClashRatio(1), 1.0);
    m_data.m_arrEntries[3].m_nState = 1;
    EXPECT_TRUE(m_data.HasEntryInStateOne());
}

TEST_F(ScheduleData, EntityChimeSetId) {
    CChimeSet a, b;
    a.m_nId = 1;
    b.m_nId = 2;
    m_data.m_arrChimeSets.push_back(a);
    m_data.m_nDefaultChimeSet = 2;
    CEntity pupil = Entity(1, L"Class", 0);
    CEntity teacher = Entity(2, L"Teacher", 1);
    m_data.m_arrEntities.push_back(pupil);
    m_data.m_arrEntities.push_back(teacher);
    EXPECT_EQ(m_data.GetEntityChimeSetId(2), 1);  // the only chime set
    m_data.m_arrChimeSets.push_back(b);

    EXPECT_EQ(m_data.GetEntityChimeSetId(1), 2);  // type 0 without its own: the default
    m_data.m_arrEntities[0].m_nChimeSet = 1;
    EXPECT_EQ(m_data.GetEntityChimeSetId(1), 1);
    EXPECT_EQ(m_data.GetEntityChimeSetId(9), 0);

    CActivity first = Activity(1, L"A", {2});
    first.m_nChimeSet = 1;
    CActivity second = Activity(2, L"B", {2});
    second.m_nDerivedChimeSet = 1;
    CActivity unset = Activity(3, L"C", {2});
    m_data.m_arrActivities.push_back(first);
    m_data.m_arrActivities.push_back(second);
    m_data.m_arrActivities.push_back(unset);
    m_data.m_arrActivities[1].m_nDerivedChimeSet = 1;
    EXPECT_EQ(m_data.GetEntityChimeSetId(2), 1);
    m_data.m_arrActivities[1].m_nChimeSet = 2;
    EXPECT_EQ(m_data.GetEntityChimeSetId(2), 0);  // two activities differ
}

TEST_F(ScheduleData, ResetToNewEmptiesTheDocumentAndKeepsTheSolverSettings) {
    CPinnedTimeZone zone("Europe/Berlin");
    m_settings.m_dtDefaultPlanDate = COleDateTime(2000, 1, 3, 0, 0, 0);
    m_data.m_arrEntities.push_back(Entity(1, L"A"));
    m_data.m_arrActivities.push_back(Activity(1, L"A", {1}));
    m_data.m_arrKeys.push_back(CActivityKey{1, 1, L"K"});
    m_data.m_arrEntries.push_back(CTimetableEntry());
    m_data.m_arrProblems.push_back(CProblem());
    m_data.m_nCurrentEntity = 1;
    m_data.m_nDays = 10;
    m_data.m_nTitleFormat = 2;
    m_data.m_nPopulation = 99;
    m_data.m_nViewType = 3;
    m_data.m_nSolverSelection = 2;
    m_data.SaveUndo();

    m_data.ResetToNew(FALSE);
    EXPECT_TRUE(m_data.m_arrEntities.empty());
    EXPECT_TRUE(m_data.m_arrActivities.empty());
    EXPECT_TRUE(m_data.m_arrKeys.empty());
    EXPECT_TRUE(m_data.m_arrKeysCopy.empty());
    EXPECT_TRUE(m_data.m_arrEntries.empty());
    EXPECT_TRUE(m_data.m_arrProblems.empty());
    EXPECT_FALSE(m_data.HasUndoSnapshot());
    EXPECT_EQ(m_data.m_nCurrentEntity, 0);
    EXPECT_EQ(m_data.m_nDays, 6);
    EXPECT_EQ(m_data.m_nTitleFormat, 0);
    EXPECT_EQ(m_data.m_nSolverSelection, 0);
    EXPECT_EQ(m_data.m_dtStartDate, COleDateTime(2000, 1, 3, 0, 0, 0));
    EXPECT_EQ(m_data.m_dtFirstWeekday, COleDateTime(2000, 1, 3, 0, 0, 0));
    EXPECT_EQ(m_data.m_tDayStart, MakeTimeOfDay(7, 0));
    EXPECT_EQ(m_data.m_crSlotColours[9], RGB(128, 255, 255));
    EXPECT_EQ(m_data.m_nSlotBrushes[9], 5);
    EXPECT_EQ(m_data.m_nStateSlots[9], 5);
    EXPECT_EQ(m_data.m_nPopulation, 99);
    EXPECT_EQ(m_data.m_nViewType, 3);
    EXPECT_TRUE(m_host.m_calls.empty());

    m_data.ResetToNew(TRUE);
    EXPECT_EQ(m_host.m_calls, (std::vector<std::string>{"refresh reset"}));
}

TEST(ScheduleDataDefaults, ANewStoreHoldsTheDefaultsOfANewDocument) {
    CScheduleData data;
    EXPECT_EQ(data.m_nDays, 6);
    EXPECT_EQ(data.m_nPopulation, 250);
    EXPECT_EQ(data.m_nDuration, 100);
    EXPECT_EQ(data.m_nDispersion, 2);
    EXPECT_EQ(data.m_nSolverOption, 1);
    EXPECT_EQ(data.m_bReportSwitches[20], 1);
    EXPECT_EQ(data.m_crSlotColours[8], RGB(128, 0, 255));
    EXPECT_EQ(data.m_crSlotColours[9], 0u);
    EXPECT_EQ(data.m_nStateSlots[9], 9);
    EXPECT_EQ(data.m_dtStartDate.m_dt, 0.0);
    // Without services installed the store still works: nothing to refresh, nothing asked.
    data.NotifyAllViews(1);
    data.ResetToNew(TRUE);
    EXPECT_EQ(data.Answerer().Ask(L"?", L"", MessageButtons::YesNoCancel, MessageIcon::Question), MessageAnswer::Cancel);
    CString text;
    EXPECT_FALSE(data.Clipboard().GetText(text));
}

}  // namespace
