// Entity pages (kind 1) and titled day pages (kind 2).
#include "report_builders/entity_pages_report.h"

#include <set>

#include "report_fixture.h"

namespace {

class PagesReportTest : public ReportFixture {
public:
    PagesReportTest() {
        AddEntity(1, 0, L"7a <x>", 8, 12);
        AddEntity(2, 0, L"7b", 8, 12);
        AddEntity(3, 1, L"Ms Grey", 8, 12);
        AddEntity(4, 1, L"Mr Brown", 10, 12);
        AddActivity(10, L"Maths", {1, 2, 3});
        AddActivity(11, L"Art", {1, 4});
        for (int d = 1; d < kMaxPlanDays; ++d) m_data.m_bReportSwitches[d] = 0;  // Monday only
    }
    // The divs of the pages, each with its style of page breaking.
    static std::vector<const CHtmlNode*> Pages(const CHtmlNode& page) { return page.FindAll(L"body").at(0)->Children(L"div"); }
    static bool BreaksAfter(const CHtmlNode& div) {
        for (const CHtmlNode* table : div.FindAll(L"table"))
            if (table->Style(L"break-after") == L"page") return true;
        return false;
    }
};

TEST_F(PagesReportTest, OnePagePerEntityWithBreaksOnlyBetweenPages) {
    for (bool totals : {false, true}) {
        CReportOptions options = Options(1, {1, 99, 3});
        options.m_activityTotals = totals;
        AddEntry(10, 0, 8, 0, 60);
        const auto page = Page(options);
        const auto pages = Pages(*page);
        ASSERT_EQ(pages.size(), 2u) << totals;
        EXPECT_TRUE(BreaksAfter(*pages[0])) << totals;
        EXPECT_FALSE(BreaksAfter(*pages[1])) << totals;
        EXPECT_NE(pages[0]->FindAll(L"b").at(0)->Text().find(L"7a <x>"), std::wstring::npos);
    }
}

TEST_F(PagesReportTest, PlanTableHasADayColumnPerReportDayAndAnHourRowPerWindowHour) {
    AddEntry(10, 0, 8, 0, 90);
    for (int d = 0; d < 3; ++d) m_data.m_bReportSwitches[d] = 1;
    const auto page = Page(Options(1, {1}));
    const auto plan = page->FindAll(L"table").at(1);  // the page's table, then its plan (no date row)
    const auto rows = plan->Rows();
    ASSERT_EQ(rows.size(), 5u);  // header, 08 to 11
    EXPECT_EQ(rows[0]->Cells().size(), 4u);
    EXPECT_EQ(rows[1]->Cells()[1]->Span(L"rowspan"), 2);
    EXPECT_EQ(rows[2]->Cells().size(), 3u);  // Monday 09:00 lies under the block
}

TEST_F(PagesReportTest, NoReportDayWritesNothing) {
    for (int d = 0; d < kMaxPlanDays; ++d) m_data.m_bReportSwitches[d] = 0;
    const auto page = Page(Options(1, {1}));
    EXPECT_TRUE(page->FindAll(L"body").at(0)->children.empty());
    const auto titled = Page(Options(2, {1}));
    EXPECT_TRUE(titled->FindAll(L"body").at(0)->children.empty());
}

TEST_F(PagesReportTest, GreyReportUsesGreyHeadingsAndCells) {
    Entity(1).m_strCode = L"C1";
    CReportOptions options = Options(1, {1});
    options.m_useColours = 0;
    const auto page = Page(options);
    for (const CHtmlNode* td : page->FindAll(L"td")) {
        const std::wstring background = td->Style(L"background-color");
        if (!background.empty() && background != L"Silver" && background != L"White") {
            EXPECT_EQ(background, L"Gray");
        }
    }
    EXPECT_EQ(page->FindAll(L"table").at(1)->Rows().size(), 1u);  // the date row's table
    std::set<std::wstring> colours;
    for (const CHtmlNode* td : page->FindAll(L"td")) colours.insert(td->Attr(L"bgcolor"));
    EXPECT_TRUE(colours.count(L"#E0E0E0"));  // free hours
    EXPECT_FALSE(colours.count(L"#FFFFC0"));
}

TEST_F(PagesReportTest, TimeTableSumsEntriesAndRewards) {
    AddEntry(10, 0, 8, 0, 90);
    AddEntry(10, 1, 8, 0, 60);
    AddEntry(11, 0, 10, 0, 60);
    CFund fund;
    fund.m_strName = L"Choir <extra>";
    fund.m_tsLength = Minutes(90);
    Entity(1).m_arrFunds.push_back(fund);
    const auto table = Parse(L"<div>" + BuildActivityTotalsTable(m_data, Options(1, {1}), 1) + L"</div>");
    std::vector<std::vector<std::wstring>> rows;
    for (const CHtmlNode* row : table->FindAll(L"table").at(0)->Rows()) rows.push_back(CellTexts(*row));
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[1][1], L"01:00");  // Art
    EXPECT_EQ(rows[2][1], L"02:30");  // Maths
    EXPECT_EQ(rows[4], (std::vector<std::wstring>{L"Choir <extra>", L"01:30"}));
    EXPECT_EQ(rows[5][1], L"05:00");  // 3:30 of entries and 1:30 of rewards
    EXPECT_TRUE(BuildActivityTotalsTable(m_data, Options(1, {2}), 4).IsEmpty() == false);
    EXPECT_TRUE(BuildActivityTotalsTable(m_data, Options(1, {2}), 2).IsEmpty() == false);
}

TEST_F(PagesReportTest, DurationCellsShowHoursAndMinutes) {
    const std::pair<long long, const wchar_t*> cases[] = {{9000, L"<td>02:30</td>"}, {59, L"<td>00:00</td>"},
                                                          {36000 * 4, L"<td>40:00</td>"}};
    for (const auto& [seconds, cell] : cases) EXPECT_EQ(FormatDurationCell(seconds), CString(cell)) << seconds;
}

TEST_F(PagesReportTest, TitledPagesMergeEqualNeighbouringCells) {
    AddEntry(10, 0, 9, 0, 60);  // 7a, 7b and Ms Grey share Maths at 09:00
    const auto page = Page(Options(2, {3, 4, 2, 1}));
    const auto pages = Pages(*page);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_FALSE(BreaksAfter(*pages[0]));  // one selected day: no break after the last page
    const auto day = pages[0]->FindAll(L"table").at(1);
    const auto rows = day->Rows();
    // Columns in name order, whatever the selection order.
    EXPECT_EQ(CellTexts(*rows[0]), (std::vector<std::wstring>{L"", L"7a <x>", L"7b", L"Mr Brown", L"Ms Grey"}));
    // Rows start at the day start, 07:00.
    EXPECT_EQ(CellTexts(*rows[1])[0], L"00");
    // 08:00: the three with a window from 08:00 are free together; Mr Brown is not there yet.
    const auto at8 = rows[2]->Cells();
    ASSERT_EQ(at8.size(), 4u);
    EXPECT_EQ(at8[1]->Span(L"colspan"), 2);
    EXPECT_EQ(at8[2]->Attr(L"bgcolor"), L"#E0E000");
    // 09:00: the shared Maths block is not merged across Mr Brown's column.
    const auto at9 = rows[3]->Cells();
    EXPECT_EQ(at9[1]->Span(L"colspan"), 2);
}

}  // namespace
