// The grid report: entities as rows (kind 3) or as columns (kind 4) over the selected days.
#include "report_fixture.h"

namespace {

class GridReportTest : public ReportFixture {
public:
    GridReportTest() {
        AddEntity(1, 0, L"7a & 7b", 8, 12);
        AddEntity(2, 1, L"Ms <Grey>", 10, 16);
        AddActivity(10, L"Maths", {1, 2});
        AddGroup(5, L"Sports", RGB(0, 128, 0));
        AddActivity(13, L"Football", {1}, {}, 5);
    }
    const CHtmlNode& Grid(const CHtmlNode& page) { return *TopTables(page)[0]; }
};

TEST_F(GridReportTest, HoursAreTheUnionOfTheSelectedWindows) {
    // Day 0 selected only: 08:00 to 12:00 and 10:00 to 16:00 give the hours 08 to 15.
    const auto rowsPage = Page(Options(3, {1, 2}, {0}));
    const auto rows = Grid(*rowsPage).Rows();
    ASSERT_EQ(rows.size(), 4u);  // day titles, hour captions, two entities
    EXPECT_EQ(rows[0]->Cells()[1]->Span(L"colspan"), 8);
    EXPECT_EQ(rows[1]->Cells().size(), 9u);
    EXPECT_EQ(CellTexts(*rows[2])[0], L"7a & 7b");
    EXPECT_EQ(CellTexts(*rows[3])[0], L"Ms <Grey>");

    const auto columnsPage = Page(Options(4, {1, 2}, {0}));
    const auto hourRows = Grid(*columnsPage).Rows();
    ASSERT_EQ(hourRows.size(), 9u);  // names, then 08 to 15
    EXPECT_EQ(hourRows[1]->Cells()[0]->Span(L"rowspan"), 8);
    EXPECT_EQ(CellTexts(*hourRows[0]), (std::vector<std::wstring>{L"", L"", L"7a & 7b", L"Ms <Grey>"}));
}

TEST_F(GridReportTest, DayEndingJustAfterAnHourAddsNoHour) {
    struct Case {
        int endHour, endMinute;
        int hours;
    };
    const Case cases[] = {{16, 30, 9}, {16, 2, 8}};
    for (const Case& c : cases) {
        for (int d = 0; d < kMaxPlanDays; ++d) Entity(2).m_tDayEnd[d] = Clock(c.endHour, c.endMinute);
        const auto page = Page(Options(3, {1, 2}, {0}));
        EXPECT_EQ(Grid(*page).Rows()[0]->Cells()[1]->Span(L"colspan"), c.hours) << c.endMinute;
    }
}

TEST_F(GridReportTest, BlocksSpanTheirHoursInBothLayouts) {
    AddEntry(10, 0, 10, 0, 120);  // two hours
    AddEntry(13, 0, 8, 0, 90);    // 7a: a 90-minute group block
    // Group blocks are framed in the colour of state 8, entry blocks in that of their state.
    m_data.m_nStateSlots[8] = 5;
    m_data.m_crSlotColours[5] = RGB(0x11, 0x22, 0x33);
    m_data.m_nStateSlots[0] = 6;
    m_data.m_crSlotColours[6] = RGB(0x44, 0x55, 0x66);
    struct Case {
        int kind;
        const wchar_t* span;
    };
    for (const Case& c : {Case{3, L"colspan"}, Case{4, L"rowspan"}}) {
        const auto page = Page(Options(c.kind, {1, 2}, {0}));  // rows of equal width are checked on parsing
        std::vector<int> spans;
        std::vector<std::wstring> texts, borders;
        for (const CHtmlNode* td : Grid(*page).FindAll(L"td"))
            if (!td->FindAll(L"font").empty()) {
                spans.push_back(td->Span(c.span));
                texts.push_back(td->Text());
                borders.push_back(td->Style(L"border"));
            }
        EXPECT_EQ(spans, (std::vector<int>{2, 2, 2})) << c.kind;
        ASSERT_EQ(texts.size(), 3u);
        EXPECT_EQ(texts[0], L"Sports") << c.kind;
        EXPECT_NE(texts[1].find(L"Maths"), std::wstring::npos) << c.kind;
        EXPECT_EQ(borders, (std::vector<std::wstring>{L"2px solid #112233", L"2px solid #445566",
                                                       L"2px solid #445566"}))
            << c.kind;
    }
}

TEST_F(GridReportTest, GroupBlocksOfRowsAreWhiteWithoutColours) {
    AddEntry(13, 0, 8, 0, 60);
    CReportOptions options = Options(3, {1}, {0});
    options.m_useColours = 0;
    const auto page = Page(options);
    const CHtmlNode* block = Grid(*page).FindAll(L"font").at(0)->parent;
    EXPECT_EQ(block->Attr(L"bgcolor"), L"White");
    EXPECT_EQ(block->Text(), L"Sports");
}

TEST_F(GridReportTest, UnselectedDaysAndMissingEntitiesDisappear) {
    const auto page = Page(Options(3, {1, 99, 2}, {1, 3}));
    const auto rows = Grid(*page).Rows();
    EXPECT_EQ(rows[0]->Cells().size(), 3u);  // corner, Tuesday, Thursday
    EXPECT_EQ(rows.size(), 4u);
    const auto none = Page(Options(3, {}, {0}));
    EXPECT_EQ(Grid(*none).Rows().size(), 2u);
    EXPECT_EQ(Grid(*none).Rows()[0]->Cells().size(), 1u);
    const auto noneColumns = Page(Options(4, {}, {0}));
    EXPECT_EQ(Grid(*noneColumns).Rows().size(), 1u);
}

}  // namespace
