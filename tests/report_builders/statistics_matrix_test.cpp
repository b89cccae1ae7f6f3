// Statistics (kind 5) and the activity matrix (kind 6).
#include "platform/core/load_res_string.h"
#include "report_fixture.h"

namespace {

class FiguresReportTest : public ReportFixture {
public:
    FiguresReportTest() {
        AddEntity(1, 0, L"7a", 8, 14);
        AddEntity(2, 0, L"7b", 8, 14);
        AddEntity(3, 0, L"7c", 8, 14);
        AddEntity(4, 1, L"Ms <Grey>");
        AddEntity(5, 1, L"Mr Brown");
        AddEntity(6, 4, L"Room 1");
    }
    std::vector<std::vector<std::wstring>> Rows(int kind, std::vector<int> ids) {
        return FirstTableTexts(Options(kind, std::move(ids)));
    }
};

TEST_F(FiguresReportTest, StatisticsRowPerEntityWithSumsPerSplit) {
    AddActivity(10, L"Maths", {1, 4}).m_tsDuration = Minutes(120);
    AddActivity(11, L"Duty", {4}).m_tsDuration = Minutes(30);
    AddEntry(10, 0, 8, 0, 60);
    AddEntry(10, 1, 8, 0, 60);
    Entity(5).m_bUnavailable = 1;
    const auto rows = Rows(5, {4, 5, 6, 99});
    ASSERT_EQ(rows.size(), 4u);  // three header rows; the unavailable one, the room and 99 have no row
    const auto& row = rows[3];
    ASSERT_EQ(row.size(), 26u);
    EXPECT_EQ(row[0], L"Ms <Grey>");
    EXPECT_EQ(row[1], L"5");  // working days
    EXPECT_EQ(row[2], L"2");  // days with items
    // Planned time: 2:00 ungrouped with classes, 0:30 without, 2:30 in all.
    EXPECT_EQ((std::vector<std::wstring>(row.begin() + 3, row.begin() + 7)),
              (std::vector<std::wstring>{L"2:00", L"0:00", L"0:30", L"2:30"}));
    // No absences: nothing lost, and the net time is the item time.
    EXPECT_EQ(row[14], L"0:00");
    EXPECT_EQ(row[22], row[10]);
}

TEST_F(FiguresReportTest, MatrixCellsCollectTimeAndPartners) {
    AddActivity(10, L"Maths", {1, 4}).m_tsDuration = Minutes(120);
    AddActivity(11, L"maths", {1, 5}).m_tsDuration = Minutes(60);  // same name in other case: same row
    AddActivity(12, L"Choir", {1, 2, 4}).m_tsDuration = Minutes(60);  // combined: neighbours share one cell
    AddActivity(13, L"Drama", {1, 3, 5}).m_tsDuration = Minutes(60);  // combined, not neighbours
    const auto rows = Rows(6, {1, 2, 3, 4});
    ASSERT_GE(rows.size(), 5u);
    EXPECT_EQ(rows[0], (std::vector<std::wstring>{L"", L"7a", L"7b", L"7c", L"Ms <Grey>"}));
    EXPECT_EQ(rows[1], (std::vector<std::wstring>{L"Choir", L"Ms <Grey>1:00", L"", L"7a, 7b1:00"}));
    EXPECT_EQ(rows[2], (std::vector<std::wstring>{L"Drama", L"Mr Brown1:00", L"", L"Mr Brown1:00", L""}));
    // Both forms of the name give a row, each collecting the activities of either form.
    EXPECT_EQ(rows[3], (std::vector<std::wstring>{L"Maths", L"Ms <Grey>, Mr Brown3:00", L"", L"", L"7a2:00"}));
    EXPECT_EQ(rows[4][0], L"maths");
    EXPECT_EQ((std::vector<std::wstring>(rows[4].begin() + 1, rows[4].end())),
              (std::vector<std::wstring>(rows[3].begin() + 1, rows[3].end())));
    EXPECT_EQ(rows[5][0], LoadResString(60777).str());
}

TEST_F(FiguresReportTest, MatrixShowsGroupedAndOtherTotalsOnlyWhenUsed) {
    AddActivity(10, L"Maths", {1, 4});
    EXPECT_EQ(Rows(6, {1, 4}).size(), 3u);
    AddGroup(5, L"Sports", RGB(0, 0, 0));
    AddActivity(11, L"Duty", {4}).m_tsDuration = Minutes(10);
    EXPECT_EQ(Rows(6, {1, 4}).size(), 5u);
}

}  // namespace
