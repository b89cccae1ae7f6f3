// The plan check: what it removes and settles, the problems it lists, their order, the progress
// it shows and what it hands to the pages.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "model/page_content.h"
#include "model/plan_check.h"
#include "resource_ids.h"
#include "rules_fixture.h"

namespace {

// Counts what the checks do with the progress bar and keeps what the pages are given.
class CCountingProgress : public IProgress {
public:
    void SetRange(int low, int high) override { m_nHigh = high - low; }
    void StepIt() override { ++m_nSteps; }
    int m_nHigh = -1;
    int m_nSteps = 0;
};

class CPageHost : public CRecordingHost {
public:
    IProgress& ShowProgress(const CString& label) override {
        CRecordingHost::ShowProgress(label);
        return m_counting;
    }
    void RefreshAllPages(const CPageContent& content) override {
        m_calls.push_back("pages");
        m_content = content;
    }
    CCountingProgress m_counting;
    CPageContent m_content;
};

// Texts that show which problem was made and with what.
const std::map<UINT, std::wstring> kTexts = {
    {60370, L"Checking"},       {60371, L"load %s"},
    {60373, L"member %s|%s|%s"}, {60374, L"stand-in %s|%s|%s"}, {60375, L"short %s|%s"},
    {60376, L"unstaffed %s|%s"}, {60377, L"long %s|%s"},       {60378, L"too short %s|%s"},
    {60379, L"nobody %s"},      {60380, L"no room %s|%s"},    {60421, L"Data check"},
    {60422, L"no time %s"},     {60423, L"overloaded %s %s"}, {60424, L"windows %s %s %s"},
    {60425, L"free %s %s %s"},  {60438, L"over limit %s"},    {60461, L"Ready"},
    {60463, L"Plan - %s"},      {60471, L"%s (%s)"},
};

class PlanCheck : public RulesFixture {
protected:
    PlanCheck() {
        m_data.SetServices({&m_pages, &m_settings, nullptr, nullptr});
        m_data.m_tDayStart = MakeTimeOfDay(7, 0);
    }

    // A class (1) and a teacher (2), and activity 10 of both with one meeting of 45 minutes.
    void AddClassAndTeacher() {
        AddEntity(1, 0).m_strName = L"7a";
        AddEntity(2, 1).m_strName = L"Ada";
        CActivity& activity = AddActivity(10, {1, 2});
        activity.m_strName = L"Maths";
        activity.m_tsMeeting = Minutes(45);
    }
    // Makes the plan dated: its first weekday stays in January 2000.
    void MakeDated() { m_data.m_dtFirstWeekday = COleDateTime(2000, 1, 3, 0, 0, 0); }

    // The texts of the problems, each prefixed with its kind.
    std::vector<std::string> Problems() const {
        std::vector<std::string> lines;
        for (const CProblem& problem : m_data.m_arrProblems)
            lines.push_back(std::to_string(problem.m_nKind) + " " + problem.m_strText.ToUtf8());
        return lines;
    }
    bool HasProblemStarting(const std::string& prefix) const {
        const auto lines = Problems();
        return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) { return line.rfind(prefix, 0) == 0; });
    }

    CTestStrings m_strings{kTexts};
    CPageHost m_pages;
};

// Clean-up ---------------------------------------------------------------------------------------

struct KeepCase {
    const char* what;
    int day, hour, minute, minutes;
    bool kept;
};
const KeepCase kKeep[] = {
    {"inside the plan", 0, 8, 0, 60, true},
    {"at the hour of the day start", 0, 7, 30, 60, true},
    {"before the hour of the day start", 0, 6, 30, 60, false},
    {"past midnight", 1, 23, 30, 60, false},
    {"before the plan's first day", -1, 8, 0, 60, false},
    {"after the plan's last day", 6, 8, 0, 60, false},
};

TEST_F(PlanCheck, RemovesEntriesOutsideThePlanPeriod) {
    AddClassAndTeacher();
    const CTestStrings strings({{IDS_PROBLEM_ENTRIES_OUTSIDE_PLAN, L"%d removed"}});
    const CString oneRemoved(L"1 removed");
    for (const KeepCase& c : kKeep) {
        m_data.m_arrEntries.clear();
        m_data.m_arrProblems.clear();
        AddEntry(10, c.day, c.hour, c.minute, c.minutes);
        CheckTimetableEntries(m_data, nullptr, true);
        EXPECT_EQ(m_data.m_arrEntries.size(), c.kept ? 1u : 0u) << c.what;
        // A removed lesson is named in the problem list.
        const bool told = std::any_of(m_data.m_arrProblems.begin(), m_data.m_arrProblems.end(),
                                      [&](const CProblem& p) { return p.m_strText == oneRemoved; });
        EXPECT_EQ(told, !c.kept) << c.what;
    }
    m_data.m_arrEntries.clear();
    CTimetableEntry unplaced(GetUnplacedDate(), Minutes(60));
    unplaced.m_nActivity = 10;
    m_data.m_arrEntries.push_back(unplaced);
    CheckTimetableEntries(m_data, nullptr, true);
    EXPECT_TRUE(m_data.m_arrEntries.empty()) << "an entry that is not placed";
}

// States and flags -------------------------------------------------------------------------------

TEST_F(PlanCheck, StateNineStaysOnlyWithARemark) {
    AddClassAndTeacher();
    Entry(AddEntry(10, 0, 8, 0, 45)).m_nState = 9;
    Entry(AddEntry(10, 1, 8, 0, 45)).m_nState = 9;
    Entry(1).m_strRemark = L"exam";
    CheckTimetableEntries(m_data, nullptr, true);
    EXPECT_EQ(Entry(0).m_nState, 2);
    EXPECT_EQ(Entry(1).m_nState, 9);
}

TEST_F(PlanCheck, LinkedEntryIsReleasedWhenEveryoneIsBackAndIsQuietWhileNot) {
    AddClassAndTeacher();
    MakeDated();
    const std::size_t back = AddEntry(10, 0, 8, 0, 45);
    const std::size_t away = AddEntry(10, 1, 8, 0, 45);
    Entry(back).m_bLinked = 1;
    Entry(away).m_bLinked = 1;
    Entity(2).m_arrAbsences.push_back(Absence(1, 7, 0, 240));
    m_data.RebuildReplacementIndex();
    CheckTimetableEntries(m_data, nullptr, false);
    EXPECT_EQ(Entry(back).m_bLinked, 0);
    EXPECT_EQ(Entry(back).m_nState, 2);
    EXPECT_EQ(Entry(away).m_bLinked, 1);
    EXPECT_EQ(Entry(away).m_bState6, 0);
    EXPECT_TRUE(m_data.m_arrProblems.empty()) << ::testing::PrintToString(Problems());
}

TEST_F(PlanCheck, AbsentMemberIsAWarningOrANoticeWhenTheEntryHasReplacements) {
    AddClassAndTeacher();
    AddEntity(3, 1).m_strName = L"Bob";
    Activity(10).m_strSupervisor = L"office";  // staffed or not, the entries take place
    MakeDated();
    const std::size_t plain = AddEntry(10, 0, 8, 0, 45);
    const std::size_t replaced = AddEntry(10, 1, 8, 0, 45);
    const std::size_t present = AddEntry(10, 2, 8, 0, 45);
    Entry(replaced).m_arrReplacements.push_back(Replacement(3));
    Entity(2).m_arrAbsences.push_back(Absence(0, 7, 0, 240));
    Entity(2).m_arrAbsences.push_back(Absence(1, 7, 0, 240));
    m_data.RebuildReplacementIndex();
    CheckTimetableEntries(m_data, nullptr, false);

    ASSERT_EQ(m_data.m_arrProblems.size(), 2u) << ::testing::PrintToString(Problems());
    EXPECT_EQ(m_data.m_arrProblems[0].m_nKind, 12);
    EXPECT_EQ(m_data.m_arrProblems[1].m_nKind, 14);
    for (const CProblem& problem : m_data.m_arrProblems) {
        EXPECT_EQ(problem.m_nRecord, 2);
        EXPECT_EQ(problem.m_strText.Left(10), CString(L"member Ada"));
    }
    EXPECT_EQ(Entry(plain).m_bState6, 1);
    EXPECT_EQ(Entry(replaced).m_bState6, 1);
    EXPECT_EQ(Entry(present).m_bState6, 0);
}

TEST_F(PlanCheck, ShortEntriesOnlyInAWeekTemplate) {
    struct Case {
        int minutes;
        bool sameStart;
        bool shortEntry;
    };
    const Case cases[] = {{40, true, false}, {39, true, true}, {39, false, false}, {45, true, false}};
    for (const Case& c : cases) {
        m_data.m_arrEntities.clear();
        m_data.m_arrActivities.clear();
        m_data.m_arrEntries.clear();
        m_data.m_arrProblems.clear();
        AddClassAndTeacher();
        const std::size_t entry = AddEntry(10, 0, 8, 0, c.minutes);
        m_data.RebuildReplacementIndex();
        CheckTimetableEntries(m_data, nullptr, c.sameStart);
        EXPECT_EQ(Entry(entry).m_bState3, c.shortEntry ? 1 : 0) << c.minutes << " minutes";
        EXPECT_EQ(HasProblemStarting("13 short Maths"), c.shortEntry) << c.minutes << " minutes";
    }
}

TEST_F(PlanCheck, EntryWithoutStaffNeedsASupervisor) {
    AddEntity(1, 0).m_strName = L"7a";
    AddActivity(10, {1}).m_strName = L"Sport";
    AddActivity(11, {1}).m_strName = L"Choir";
    Activity(11).m_strSupervisor = L"parents";
    const std::size_t unstaffed = AddEntry(10, 0, 8, 0, 60);
    const std::size_t supervised = AddEntry(11, 0, 10, 0, 60);
    CheckTimetableEntries(m_data, nullptr, true);
    EXPECT_EQ(Entry(unstaffed).m_bState3, 1);
    EXPECT_EQ(Entry(supervised).m_bState3, 0);
    EXPECT_TRUE(HasProblemStarting("13 unstaffed Sport"));
    EXPECT_FALSE(HasProblemStarting("13 unstaffed Choir"));
}

TEST_F(PlanCheck, PlannedTimeAgainstDuration) {
    AddClassAndTeacher();
    AddActivity(11, {1, 2}).m_strName = L"Art";
    AddActivity(12, {1, 2}).m_strName = L"Music";
    Activity(11).m_tsMeeting = Minutes(60);
    Activity(10).m_tsDuration = Minutes(60);  // 3 hours planned: 2 too many
    Activity(11).m_tsDuration = Minutes(180);  // 1 hour planned: 2 missing
    Activity(12).m_tsDuration = Minutes(60);  // just right
    AddEntry(10, 0, 8, 0, 180);
    AddEntry(11, 1, 8, 0, 60);
    AddEntry(12, 2, 8, 0, 60);
    CheckTimetableEntries(m_data, nullptr, true);
    const auto lines = Problems();
    EXPECT_TRUE(HasProblemStarting("12 long Maths")) << ::testing::PrintToString(lines);
    EXPECT_TRUE(HasProblemStarting("14 too short Art")) << ::testing::PrintToString(lines);
    EXPECT_FALSE(HasProblemStarting("12 long Music") || HasProblemStarting("14 too short Music"));
    for (const std::string& line : lines) {
        if (line.find("long") != std::string::npos || line.find("too short") != std::string::npos) {
            EXPECT_EQ(line.substr(line.size() - 5), "|2:00") << line;
        }
    }
    // The two missing hours fit into the free week.
    EXPECT_FALSE(HasProblemStarting("15 no room"));
}

TEST_F(PlanCheck, RestThatFitsNowhereIsReported) {
    AddClassAndTeacher();
    Activity(10).m_tsDuration = Minutes(60 * 100);
    Activity(10).m_tsMeeting = Minutes(60);
    CheckTimetableEntries(m_data, nullptr, true);
    EXPECT_TRUE(HasProblemStarting("15 no room Maths")) << ::testing::PrintToString(Problems());
}

// Load and data checks ---------------------------------------------------------------------------

TEST_F(PlanCheck, LoadBeyondTheAvailableTime) {
    AddClassAndTeacher();
    AddEntity(3, 0).m_strName = L"7b";
    AddActivity(11, {3}).m_tsDuration = Minutes(60 * 6 * 9 + 60);  // an hour more than six days of 07:00-16:00
    Activity(10).m_tsDuration = Minutes(60 * 6 * 9);
    CheckEntityLoad(m_data, nullptr);
    EXPECT_TRUE(HasProblemStarting("13 load 7b"));
    EXPECT_FALSE(HasProblemStarting("13 load 7a"));
}

TEST_F(PlanCheck, DataCheckFindsEntitiesWithoutTimeAndShortWindows) {
    AddClassAndTeacher();
    EXPECT_TRUE(m_data.CheckData()) << ::testing::PrintToString(Problems());

    CEntity& closed = AddEntity(3, 1);
    closed.m_strName = L"Cy";
    for (int day = 0; day < kMaxPlanDays; ++day) closed.m_tDayEnd[day] = closed.m_tDayStart[day];
    CEntity& away = AddEntity(4, 1);
    away.m_strName = L"Di";
    away.m_bUnavailable = 1;
    for (int day = 0; day < kMaxPlanDays; ++day) away.m_tDayEnd[day] = away.m_tDayStart[day];
    EXPECT_FALSE(m_data.CheckData());
    EXPECT_TRUE(HasProblemStarting("13 no time Cy"));
    EXPECT_FALSE(HasProblemStarting("13 no time Di"));

    m_data.m_arrEntities.erase(m_data.m_arrEntities.end() - 2, m_data.m_arrEntities.end());
    Activity(10).m_tsDuration = Minutes(60 * 6 * 9 + 60);
    EXPECT_FALSE(m_data.CheckData());
    EXPECT_TRUE(HasProblemStarting("13 windows")) << ::testing::PrintToString(Problems());
}

TEST_F(PlanCheck, DataCheckTakesBusyTimeOffTheWindows) {
    AddClassAndTeacher();
    AddActivity(11, {2}).m_strName = L"Duty";
    // Six days of 9 hours: 54 hours. Maths needs 50, Duty holds 5 of Ada's hours at state 0.
    Activity(10).m_tsDuration = Minutes(60 * 50);
    for (int day = 0; day < 5; ++day) AddEntry(11, day, 8, 0, 60);
    EXPECT_FALSE(m_data.CheckData());
    EXPECT_TRUE(HasProblemStarting("13 free")) << ::testing::PrintToString(Problems());

    Activity(10).m_tsDuration = Minutes(60 * 49);
    EXPECT_TRUE(m_data.CheckData()) << ::testing::PrintToString(Problems());
}

// Overlap limits ---------------------------------------------------------------------------------

TEST_F(PlanCheck, OverlapLimitCheckDropsReplacementsOnlyWhenReporting) {
    // Ada (2) teaches Maths at 08:00 and stands in for Bob in Art at the same time.
    AddClassAndTeacher();
    AddEntity(3, 0).m_strName = L"7b";
    AddEntity(4, 1).m_strName = L"Bob";
    AddActivity(11, {3, 4}).m_strName = L"Art";
    MakeDated();
    AddEntry(10, 0, 8, 0, 60);
    const std::size_t art = AddEntry(11, 0, 8, 0, 60);
    CReplacement standIn = Replacement(2);
    standIn.m_nReplacing = 4;
    Entry(art).m_arrReplacements.push_back(standIn);
    // Control: Bob's own Art lesson on another day clashes with nothing.
    AddEntry(11, 1, 8, 0, 60);

    EXPECT_EQ(m_data.CheckOverlapLimits(FALSE), 1);
    EXPECT_EQ(Entry(art).m_arrReplacements.size(), 1u) << "the solver's count changed the plan";
    EXPECT_TRUE(m_data.m_arrProblems.empty());

    EXPECT_EQ(m_data.CheckOverlapLimits(TRUE), 1);
    EXPECT_TRUE(Entry(art).m_arrReplacements.empty());
    ASSERT_EQ(m_data.m_arrProblems.size(), 1u);
    EXPECT_EQ(m_data.m_arrProblems[0].m_nKind, 13);
    EXPECT_EQ(m_data.m_arrProblems[0].m_nRecord, 2);
    EXPECT_EQ(m_data.m_arrProblems[0].m_strText, CString(L"over limit Ada"));

    EXPECT_EQ(m_data.CheckOverlapLimits(TRUE), 0);
    EXPECT_TRUE(m_data.m_arrProblems.empty());
}

// Order and publishing ---------------------------------------------------------------------------

CProblem MakeProblem(int kind, double date = 0.0) {
    CProblem problem;
    problem.m_nKind = kind;
    problem.m_dtDate = COleDateTime(date);
    return problem;
}

TEST(ProblemOrder, KindsThenEarlierDatesFirst) {
    const double day = 45000.0;
    const double twoMinutes = 2.0 / 1440.0;
    std::vector<CProblem> problems = {MakeProblem(14, day), MakeProblem(12, day), MakeProblem(15, day),
                                      MakeProblem(13, day), MakeProblem(12, day - 1), MakeProblem(7, day)};
    std::stable_sort(problems.begin(), problems.end(), CompareProblems);
    std::vector<int> kinds;
    for (const CProblem& problem : problems) kinds.push_back(problem.m_nKind);
    EXPECT_EQ(kinds, (std::vector<int>{13, 15, 12, 12, 14, 7}));
    EXPECT_EQ(problems[2].m_dtDate.m_dt, day - 1);
    // Kinds outside 12, 13 and 15 keep their order among each other; so do dates within 3 minutes.
    EXPECT_FALSE(CompareProblems(MakeProblem(14), MakeProblem(7)));
    EXPECT_FALSE(CompareProblems(MakeProblem(7), MakeProblem(14)));
    EXPECT_FALSE(CompareProblems(MakeProblem(12, day), MakeProblem(12, day + twoMinutes)));
    EXPECT_TRUE(CompareProblems(MakeProblem(12, day), MakeProblem(12, day + 2 * twoMinutes)));
}

TEST_F(PlanCheck, PublishingDropsALongListOfNotices) {
    struct Case {
        int notices;
        bool withSevere;
        std::size_t kept;
    };
    const Case cases[] = {{11, false, 0}, {10, false, 10}, {11, true, 12}};
    for (const Case& c : cases) {
        m_data.m_arrProblems.assign(c.notices, MakeProblem(14));
        if (c.withSevere) m_data.m_arrProblems.push_back(MakeProblem(13));
        m_pages.m_calls.clear();
        m_data.PublishProblems();
        EXPECT_EQ(m_data.m_arrProblems.size(), c.kept) << c.notices << " notices";
        if (c.withSevere) {
            EXPECT_EQ(m_data.m_arrProblems.front().m_nKind, 13);
        }
        EXPECT_EQ(m_pages.m_calls, std::vector<std::string>{"message panel"});
    }
}

// The road after every change ---------------------------------------------------------------------

TEST_F(PlanCheck, ProgressRangeIsWhatTheChecksStep) {
    AddClassAndTeacher();
    AddEntity(3, 5);
    AddEntity(4, 4);
    AddActivity(11, {1});
    for (bool dated : {false, true}) {
        if (dated) MakeDated();
        m_pages.m_counting = CCountingProgress();
        RecheckAndRefresh(m_data, TRUE);
        EXPECT_EQ(m_pages.m_counting.m_nHigh, m_pages.m_counting.m_nSteps) << (dated ? "dated" : "template");
        EXPECT_EQ(m_pages.m_counting.m_nSteps, dated ? 2 : 2 + 4);
    }
    m_pages.m_counting = CCountingProgress();
    m_data.CheckData();
    EXPECT_EQ(m_pages.m_counting.m_nHigh, m_pages.m_counting.m_nSteps) << "data check";
}

TEST_F(PlanCheck, RecheckPublishesThenHandsThePagesTheirContent) {
    AddClassAndTeacher();
    CEntity& second = AddEntity(3, 0);
    second.m_strName = L"7b";
    second.m_strEducator = L"Mr Lee";
    AddEntity(4, 4).m_strName = L"Lab";
    m_data.m_nDays = 5;
    m_data.m_nCurrentEntity = 3;
    m_data.m_fileStatus.m_szFullName = L"/plans/week.xml";
    m_data.m_arrProblems.push_back(MakeProblem(13));

    RecheckAndRefresh(m_data, TRUE);
    EXPECT_EQ(m_pages.m_calls, (std::vector<std::string>{"progress Checking", "hide progress", "message panel", "pages"}));
    EXPECT_TRUE(m_data.m_arrProblems.empty()) << ::testing::PrintToString(Problems());

    const CPageContent& content = m_pages.m_content;
    ASSERT_EQ(content.m_arrMagnetRows.size(), 2u);
    EXPECT_EQ(content.m_arrMagnetRows[0].m_strCaption, CString(L"7a"));
    EXPECT_EQ(content.m_arrMagnetRows[1].m_nEntity, 3);
    EXPECT_EQ(content.m_arrMagnetRows[1].m_strCaption, CString(L"7b (Mr Lee)"));
    ASSERT_EQ(content.m_arrMagnetDays.size(), 5u);
    EXPECT_TRUE(IsSameDay(content.m_arrMagnetDays[4].m_dtDate, At(4, 0, 0)));
    EXPECT_EQ(content.m_arrMagnetDays[0].m_strCaption, m_data.FormatDayTitle(0));
    EXPECT_EQ(content.m_nCurrentEntity, 3);
    EXPECT_TRUE(content.m_bCurrentEntityExists);
    EXPECT_EQ(content.m_strFrameTitle, CString(L"Plan - /plans/week.xml"));
    EXPECT_EQ(content.m_strStatusText, CString(L"Ready"));

    // Without clearing, the problems of before stay.
    m_data.m_arrProblems.push_back(MakeProblem(13));
    RecheckAndRefresh(m_data, FALSE);
    EXPECT_EQ(m_data.m_arrProblems.size(), 1u);
}

}  // namespace
