// Day-end report (kind 12) and contacts report (kind 13).
#include <map>

#include "report_fixture.h"

namespace {

class DayListTest : public ReportFixture {
public:
    DayListTest() {
        AddEntity(1, 0, L"7a", 8, 14);
        AddEntity(2, 0, L"7b & \"c\"", 8, 13);
        AddEntity(3, 1, L"Ms Grey");
        AddActivity(10, L"Maths", {1, 3});
        AddActivity(11, L"Art", {3});
        for (int d = 2; d < kMaxPlanDays; ++d) m_data.m_bReportSwitches[d] = 0;  // Monday and Tuesday
    }
    // Row caption -> names per report day.
    std::vector<std::vector<std::wstring>> Rows(std::vector<int> ids) {
        return FirstTableTexts(Options(12, std::move(ids)));
    }
};

TEST_F(DayListTest, EachEntityIsNamedUnderTheHourItsDayEndsIn) {
    // 7a: Monday's last entry ends at 14:30; no entry on Tuesday: its day "ends" at its start.
    AddEntry(10, 0, 13, 30, 60);
    AddEntry(11, 0, 15, 0, 60);  // not 7a's: it does not move 7a's end
    const auto rows = Rows({1, 2, 3});
    ASSERT_GE(rows.size(), 3u);
    EXPECT_EQ(rows[0].size(), 1u);        // title over corner and two days
    EXPECT_EQ(rows[1].size(), 3u);        // header
    std::map<std::wstring, std::vector<std::wstring>> byHour;
    for (std::size_t i = 2; i < rows.size(); ++i) byHour[rows[i][0]] = {rows[i][1], rows[i][2]};
    // Hour captions count slots from the day start at 07:00: slot 1 is 08:00, slot 7 is 14:00.
    EXPECT_EQ(byHour[L"01"], (std::vector<std::wstring>{L"7b & \"c\"", L"7a, 7b & \"c\""}));
    EXPECT_EQ(byHour[L"07"], (std::vector<std::wstring>{L"7a", L""}));
    for (const auto& [hour, names] : byHour) {
        if (hour == L"01" || hour == L"07") continue;
        EXPECT_EQ(names, (std::vector<std::wstring>{L"", L""})) << hour;
    }
}

TEST_F(DayListTest, NoReportDayGivesTitleAndHeaderOnly) {
    for (int d = 0; d < kMaxPlanDays; ++d) m_data.m_bReportSwitches[d] = 0;
    const auto page = Page(Options(12, {1}));
    const auto rows = TopTables(*page)[0]->Rows();
    EXPECT_EQ(rows[0]->Cells()[0]->Span(L"colspan"), 1);
    EXPECT_EQ(rows[1]->Cells().size(), 1u);
    for (std::size_t i = 2; i < rows.size(); ++i) EXPECT_EQ(rows[i]->Cells().size(), 1u);
}

TEST_F(DayListTest, ContactsReportWritesATableForEachKindSelected) {
    Entity(2).m_strDepartment = L"<Science>";
    Entity(2).m_dtRegistration = COleDateTime(2001, 9, 1, 0, 0, 0);
    Entity(3).m_strEmail = L"grey@school.example";
    Entity(3).m_strCompany = L"A & B";
    struct Case {
        std::vector<int> ids;
        std::vector<std::size_t> rowsPerTable;
    };
    const Case cases[] = {{{3}, {2}}, {{2, 3, 1}, {3, 2}}, {{}, {}}, {{2}, {2}}};
    for (const Case& c : cases) {
        const auto page = Page(Options(13, c.ids));
        std::vector<std::size_t> rows;
        for (const CHtmlNode* table : TopTables(*page)) rows.push_back(table->Rows().size());
        EXPECT_EQ(rows, c.rowsPerTable) << c.ids.size();
    }
    const auto page = Page(Options(13, {2, 3}));
    const auto tables = TopTables(*page);
    EXPECT_EQ(CellTexts(*tables[0]->Rows()[1]),
              (std::vector<std::wstring>{L"7b & \"c\"", L"", L"01/09/2001", L"01/01/1970", L"<Science>", L""}));
    EXPECT_EQ(CellTexts(*tables[1]->Rows()[1]),
              (std::vector<std::wstring>{L"Ms Grey", L"", L"A & B", L"", L"grey@school.example"}));
}

}  // namespace
