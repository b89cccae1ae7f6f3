// Week grids of the tooltips: hour rows from the day windows or a room's bookings, blocks that
// span their hours, and the table of several grids.
#include "report_builders/week_grid.h"

#include "report_fixture.h"

namespace {

class WeekGridTest : public ReportFixture {
public:
    WeekGridTest() {
        AddEntity(1, 0, L"7a <b>&\"x\"");
        AddEntity(2, 1, L"Ms Grey");
        AddEntity(3, 4, L"Room 1");
        AddActivity(10, L"Maths & <i>Co</i>", {1, 2}, {3});
        AddGroup(5, L"Sports & Games", RGB(0, 128, 0));
        AddActivity(13, L"Football", {1}, {}, 5);
        AddActivity(14, L"Swimming", {1}, {}, 5);
    }
    // The grid's rows below its header, as day cells (the hour column dropped).
    static std::vector<const CHtmlNode*> DayRows(const CHtmlNode& grid) {
        std::vector<const CHtmlNode*> rows = grid.FindAll(L"table").at(0)->Rows();
        rows.erase(rows.begin());
        return rows;
    }
};

TEST_F(WeekGridTest, HourRowsRunFromTheEarliestStartToTheLatestEnd) {
    const auto grid = Parse(BuildWeekGrid(m_data, 1, true));
    const auto table = grid->FindAll(L"table").at(0);
    const auto rows = table->Rows();
    ASSERT_EQ(rows.size(), 7u);  // header and 08:00 to 13:00
    EXPECT_EQ(rows[0]->Cells().size(), 6u);  // corner and five days
    // Hour slots count from the day start at 07:00.
    EXPECT_EQ(CellTexts(*rows[1])[0], L"01");
    EXPECT_EQ(CellTexts(*rows[6])[0], L"06");
    for (const CHtmlNode* row : DayRows(*grid)) {
        const auto cells = row->Cells();
        for (std::size_t c = 1; c < cells.size(); ++c) EXPECT_EQ(cells[c]->Attr(L"bgcolor"), L"#FFFFC0");  // free
    }
}

TEST_F(WeekGridTest, CellsShowEachKindOfHour) {
    AddEntry(10, 0, 8, 0, 90);    // Monday: a 90-minute block over two rows
    AddEntry(10, 1, 9, 0, 60, 7);  // Tuesday: linked
    CAbsence absence;
    absence.m_dtStart = At(2, 10, 0);
    absence.m_tsLength = Minutes(60);
    Entity(1).m_arrAbsences.push_back(absence);  // Wednesday 10:00 absent
    AddEntry(13, 3, 11, 0, 60);   // Thursday: a group block of two hours
    AddEntry(14, 3, 12, 0, 60);
    const auto grid = Parse(BuildWeekGrid(m_data, 1, true));
    const auto rows = DayRows(*grid);
    // Monday 08:00: the block, two rows high, in the colour of state 0.
    const CHtmlNode* block = rows[0]->Cells()[1];
    EXPECT_EQ(block->Span(L"rowspan"), 2);
    EXPECT_NE(block->Text().find(L"Maths & <i>Co</i>"), std::wstring::npos);
    EXPECT_EQ(rows[1]->Cells().size(), 5u);  // Monday 09:00 is covered
    // Tuesday 09:00 linked, Wednesday 10:00 absent.
    EXPECT_EQ(rows[1]->Cells()[1]->Attr(L"bgcolor"), L"#E0E0E0");
    EXPECT_EQ(rows[2]->Cells()[3]->Attr(L"bgcolor"), L"#E0E000");
    // Thursday 11:00: the group's name over two rows.
    const CHtmlNode* group = rows[3]->Cells()[4];
    EXPECT_EQ(group->Span(L"rowspan"), 2);
    EXPECT_EQ(group->Text(), L"Sports & Games");
    EXPECT_EQ(group->Attr(L"bgcolor"), L"#008000");
    // Short texts cut names to five characters.
    const auto shortGrid = Parse(BuildWeekGrid(m_data, 1, false));
    const auto shortRows = DayRows(*shortGrid);
    EXPECT_EQ(shortRows[3]->Cells()[4]->Text(), L"Sport");
    EXPECT_EQ(shortRows[0]->Cells()[1]->Text(), L"Maths");
}

TEST_F(WeekGridTest, EntitiesThatTakeSeveralThingsAtOnceGetNoGrid) {
    for (int overlaps : {0, 2}) {
        Entity(2).m_nOverlaps = overlaps;
        EXPECT_TRUE(BuildWeekGrid(m_data, 2, true).IsEmpty()) << overlaps;
    }
    EXPECT_TRUE(BuildWeekGrid(m_data, 99, true).IsEmpty());
}

TEST_F(WeekGridTest, EmptyDayWindowsGiveTheHeaderOnly) {
    for (int d = 0; d < kMaxPlanDays; ++d) Entity(1).m_tDayEnd[d] = Entity(1).m_tDayStart[d];
    const auto grid = Parse(BuildWeekGrid(m_data, 1, true));
    EXPECT_EQ(grid->FindAll(L"tr").size(), 1u);
}

TEST_F(WeekGridTest, RoomHoursComeFromItsBookings) {
    AddEntry(10, 0, 15, 0, 120);
    const auto grid = Parse(BuildWeekGrid(m_data, 3, true));
    const auto rows = DayRows(*grid);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(CellTexts(*rows[0])[0], L"08");  // slot 8: 15:00
}

TEST_F(WeekGridTest, GridTableArrangesGridsInRows) {
    for (int id = 20; id < 37; ++id) AddEntity(id, 0, L"class");
    struct Case {
        int count;
        std::vector<std::size_t> cellsPerRow;
    };
    const Case cases[] = {{1, {1}}, {3, {3}}, {5, {3, 2}}, {9, {3, 3, 3}}, {15, {4, 4, 4, 3}}, {16, {4, 4, 4, 4}}};
    for (const Case& c : cases) {
        std::vector<int> ids;
        for (int i = 0; i < c.count; ++i) ids.push_back(20 + i);
        const auto table = Parse(BuildWeekGridTable(m_data, 1, ids), false);  // the last row may be short
        std::vector<std::size_t> cells;
        for (const CHtmlNode* row : table->FindAll(L"table").at(0)->Rows()) cells.push_back(row->Cells().size());
        EXPECT_EQ(cells, c.cellsPerRow) << c.count;
    }
}

TEST_F(WeekGridTest, LongListKeepsTheEntitiesOfOtherTypes) {
    std::vector<int> ids;
    for (int id = 20; id < 37; ++id) {
        AddEntity(id, 0, L"class");
        ids.push_back(id);
    }
    ids.push_back(2);
    const CString table = BuildWeekGridTable(m_data, 1, ids);
    EXPECT_EQ(ids, std::vector<int>{2});
    EXPECT_NE(table.Find(L"Ms Grey"), -1);
    for (int id = 37; id < 55; ++id) {
        AddEntity(id, 1, L"teacher");
        ids.push_back(id);
    }
    EXPECT_TRUE(BuildWeekGridTable(m_data, 1, ids).IsEmpty());  // 19 staff remain
}

TEST_F(WeekGridTest, NamesAreEscaped) {
    std::vector<int> ids{1};
    const auto table = Parse(BuildWeekGridTable(m_data, 2, ids));
    EXPECT_EQ(table->FindAll(L"h1").at(0)->Text(), L"7a <b>&\"x\"");
}

}  // namespace
