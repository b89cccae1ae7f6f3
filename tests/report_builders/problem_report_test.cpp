// The problem report: plan-check problems, entity time, position rules and rooms.
#include "report_builders/problem_report.h"

#include "report_fixture.h"
#include "platform/core/load_res_string.h"
#include "resource_ids.h"

namespace {

class ProblemReportTest : public ReportFixture {
public:
    ProblemReportTest() {
        AddEntity(1, 0, L"7a <&>", 8, 14);
        AddEntity(2, 1, L"Ms Grey", 8, 14);
    }
    // Rows of the report table as (first cell, second cell) texts.
    std::vector<std::vector<std::wstring>> Rows() { return FirstTableTexts(Options(10, {})); }
    static std::wstring Text(UINT id) { return LoadResString(id).str(); }
};

TEST_F(ProblemReportTest, PlanWithoutFindingsGivesAnEmptyTable) {
    EXPECT_TRUE(Rows().empty());
}

TEST_F(ProblemReportTest, EntityWithoutTimeIsListedFromFiveMinutesDown) {
    struct Case {
        int minutes;
        bool listed;
    };
    for (const Case& c : {Case{4, true}, Case{6, false}}) {
        CEntity& entity = Entity(1);
        for (int d = 0; d < kMaxPlanDays; ++d) entity.m_tDayStart[d] = entity.m_tDayEnd[d] = Clock(8);
        entity.m_tDayEnd[0] = Clock(8, c.minutes);
        const auto rows = Rows();
        const std::vector<std::wstring> row{L"7a <&>", Text(IDS_REPORT_NO_TIME)};
        EXPECT_EQ(std::find(rows.begin(), rows.end(), row) != rows.end(), c.listed) << c.minutes;
    }
}

TEST_F(ProblemReportTest, OverplannedEntityShowsTheTimeOver) {
    // OVERLAPS 2 with 10 hours available (two days of 5 hours) and 21 hours planned.
    CEntity& teacher = Entity(2);
    teacher.m_nOverlaps = 2;
    for (int d = 0; d < kMaxPlanDays; ++d) teacher.m_tDayEnd[d] = teacher.m_tDayStart[d] = Clock(8);
    teacher.m_tDayEnd[0] = teacher.m_tDayEnd[1] = Clock(13);
    AddActivity(10, L"Maths", {2}).m_tsDuration = Minutes(21 * 60);
    const auto rows = Rows();
    CString over;
    over.Format(LoadResString(IDS_REPORT_OVERPLANNED).GetString(), L"1:00");
    const std::vector<std::wstring> row{L"Ms Grey", over.str()};
    EXPECT_NE(std::find(rows.begin(), rows.end(), row), rows.end());
}

TEST_F(ProblemReportTest, PositionRulesListTheEntriesThatBreakThem) {
    AddActivity(10, L"First", {1});
    AddActivity(11, L"Other", {1});
    AddEntry(11, 0, 8, 0, 60);
    AddEntry(11, 0, 12, 0, 60);
    AddEntry(10, 0, 10, 0, 60);  // in the middle of the day
    struct Case {
        int position;
        bool linked;  // linked while the class is away
        bool listed;
    };
    const Case cases[] = {{1, false, true}, {2, false, true}, {3, false, true},
                          {4, false, false}, {1, true, false}, {0, false, false}};
    for (const Case& c : cases) {
        Activity(10).m_nPosition = c.position;
        Entity(1).m_arrAbsences.clear();
        m_data.m_arrEntries[2].SetState(c.linked ? 7 : 0);
        if (c.linked) {
            CAbsence absence;
            absence.m_dtStart = At(0, 10, 0);
            absence.m_tsLength = Minutes(60);
            Entity(1).m_arrAbsences.push_back(absence);
        }
        bool listed = false;
        for (const auto& row : Rows()) listed = listed || (row.size() == 2 && row[0].find(L"First") != std::wstring::npos);
        EXPECT_EQ(listed, c.listed) << c.position << (c.linked ? " linked" : "");
    }
}

TEST_F(ProblemReportTest, ReportLeavesTheDocumentAlone) {
    AddActivity(10, L"Maths", {1, 2});
    AddEntry(10, 0, 6, 0, 60);  // before the day start: the plan check would erase it
    AddGroup(7, L"Unused", RGB(1, 2, 3));
    CProblem problem;
    problem.m_nKind = 13;
    problem.m_strText = L"kept";
    m_data.m_arrProblems.push_back(problem);
    const auto rows = Rows();
    EXPECT_FALSE(rows.empty());
    EXPECT_EQ(m_data.m_arrEntries.size(), 1u);
    EXPECT_EQ(m_data.m_arrGroups.size(), 1u);
    ASSERT_EQ(m_data.m_arrProblems.size(), 1u);
    EXPECT_EQ(m_data.m_arrProblems[0].m_strText, L"kept");
}

TEST_F(ProblemReportTest, RoomSectionsListEntriesWithoutARoom) {
    AddEntity(3, 4, L"Room 1");
    AddActivity(10, L"Maths", {1, 2});
    AddEntry(10, 0, 9, 0, 60);
    const auto rows = Rows();
    ASSERT_GE(rows.size(), 2u);
    EXPECT_EQ(rows[rows.size() - 2], std::vector<std::wstring>{Text(IDS_REPORT_NO_ROOM)});
    EXPECT_NE(rows.back()[0].find(L"Maths"), std::wstring::npos);
    // With a room the section is empty.
    Activity(10).m_arrRooms.push_back(3);
    EXPECT_TRUE(Rows().empty());
}

}  // namespace
