// Block cells and plan cells of the report tables.
#include "report_builders/report_cell_markup.h"

#include "model/html_color.h"
#include "report_fixture.h"

namespace {

class CellMarkupTest : public ReportFixture {
public:
    CellMarkupTest() {
        AddEntity(1, 0, L"7a");
        AddEntity(2, 1, L"Ms Grey");
        AddActivity(10, L"Maths", {1, 2});
        AddActivity(11, L"Art", {1});
    }
    // The one cell of markup.
    std::unique_ptr<CHtmlNode> Cell(const CString& td) { return Parse(L"<table><tr>" + td + L"</tr></table>"); }
    static const CHtmlNode& Td(const CHtmlNode& root) { return *root.FindAll(L"td")[0]; }
};

TEST_F(CellMarkupTest, BlockCellFillsPlainlyOrWithAGradientByHatch) {
    const COLORREF background = RGB(0xFF, 0xEE, 0x00), text = RGB(0x00, 0x00, 0x80);
    struct Case {
        int hatch;
        bool coloured;
        const wchar_t* bgcolor;
        const wchar_t* gradient;  // empty for a plain cell
        const wchar_t* fontColour;
    };
    const Case cases[] = {
        {6, true, L"#FFEE00", L"", L"#000080"},
        {6, false, L"White", L"", L"#000080"},
        {9, true, L"#FFEE00", L"linear-gradient(to right, #000080, #FFEE00)", L"black"},
        {7, true, L"#FFEE00", L"linear-gradient(to right, #000080, #FFEE00)", L"black"},
        {8, true, L"#FFEE00", L"linear-gradient(to bottom, #FFEE00, #000080)", L"black"},
        {8, false, L"White", L"linear-gradient(to bottom, #FFEE00, #000080)", L"black"},  // gradients keep colours
    };
    for (const Case& c : cases) {
        const auto root = Cell(FormatBlockCell(m_data, c.hatch, L"<b>Maths</b>", background, text, 3, 2, Clock(0),
                                               c.coloured, true));
        const CHtmlNode& td = Td(*root);
        EXPECT_EQ(td.Attr(L"bgcolor"), c.bgcolor) << c.hatch;
        EXPECT_EQ(td.Style(L"background-image"), c.gradient) << c.hatch;
        EXPECT_EQ(td.FindAll(L"font")[0]->Attr(L"color"), c.fontColour) << c.hatch;
        EXPECT_EQ(td.Span(L"rowspan"), 2);
        EXPECT_EQ(td.Text(), L"Maths");
    }
}

TEST_F(CellMarkupTest, BlockCellIsFramedInTheColourOfItsState) {
    m_data.m_crSlotColours[4] = RGB(0x12, 0x34, 0x56);
    m_data.m_nStateSlots[8] = 4;
    const auto root = Cell(FormatBlockCell(m_data, 6, L"x", 0, 0, 8, 3, Clock(0), true, false));
    EXPECT_EQ(Td(*root).Style(L"border"), L"2px solid #123456");
    EXPECT_EQ(Td(*root).Span(L"colspan"), 3);
}

TEST_F(CellMarkupTest, CaptionShowsATimeOtherThanMidnight) {
    const auto timed = Cell(FormatBlockCell(m_data, 6, L"Maths", 0, 0, 0, 1, Clock(8, 15), true, true));
    EXPECT_EQ(Td(*timed).Text(), L"08:15 : Maths");
    const auto untimed = Cell(FormatBlockCell(m_data, 6, L"Maths", 0, 0, 0, 1, Clock(0, 2), true, true));
    EXPECT_EQ(Td(*untimed).Text(), L"Maths");
}

TEST_F(CellMarkupTest, PlanCellOfEachKind) {
    AddEntry(10, 0, 9, 0, 90);
    AddEntry(11, 0, 12, 30, 60);
    CAbsence absence;
    absence.m_dtStart = At(0, 11, 0);
    absence.m_tsLength = Minutes(60);
    Entity(1).m_arrAbsences.push_back(absence);
    struct Case {
        int hour;
        bool coloured;
        const wchar_t* bgcolor;
        int rowspan;
        const wchar_t* text;
    };
    const Case cases[] = {
        {8, true, L"#FFFFC0", 1, L""},
        {8, false, L"#E0E0E0", 1, L""},
        {9, true, L"#FFFFFF", 2, L"Maths"},  // the 90-minute block over two rows
        {9, false, L"White", 2, L"Maths"},
        {11, true, L"#E0E000", 1, L""},
        {11, false, L"#C0C0C0", 1, L""},
        {12, true, L"#FFFFFF", 2, L"Art"},  // 12:30 to 13:30 reaches into both rows
    };
    for (const Case& c : cases) {
        CReportOptions options = Options(1, {1});
        options.m_useColours = c.coloured;
        options.m_detailChoice = 0;
        const auto root = Cell(BuildPlanCellHtml(m_data, options, 1, 0, Clock(c.hour), false, Clock(14)));
        const CHtmlNode& td = Td(*root);
        EXPECT_EQ(td.Attr(L"bgcolor"), c.bgcolor) << c.hour;
        EXPECT_EQ(td.Span(L"rowspan"), c.rowspan) << c.hour;
        EXPECT_NE(td.Text().find(c.text), std::wstring::npos) << c.hour;
    }
    EXPECT_TRUE(BuildPlanCellHtml(m_data, Options(1, {1}), 1, 0, Clock(10), false, Clock(14)).IsEmpty());  // covered
    EXPECT_TRUE(BuildPlanCellHtml(m_data, Options(1, {1}), 99, 0, Clock(10), false, Clock(14)).IsEmpty());
}

TEST_F(CellMarkupTest, EntryStartingAtTheRowShowsItsStartWithoutAChimeSet) {
    AddEntry(10, 0, 8, 0, 60);
    AddEntry(11, 1, 8, 30, 60);
    const CReportOptions options = Options(1, {1});
    const auto onTime = Cell(BuildPlanCellHtml(m_data, options, 1, 0, Clock(8), false, Clock(14)));
    EXPECT_EQ(Td(*onTime).Text().substr(0, 8), L"08:00 : ");
    const auto late = Cell(BuildPlanCellHtml(m_data, options, 1, 1, Clock(8), false, Clock(14)));
    EXPECT_EQ(Td(*late).Text().find(L" : "), std::wstring::npos);
}

TEST_F(CellMarkupTest, SeveralEntriesOfAnHourShowAnInnerTable) {
    AddEntry(10, 0, 9, 0, 60);
    AddEntry(11, 0, 9, 0, 60);
    const auto root = Cell(BuildPlanCellHtml(m_data, Options(1, {1}), 1, 0, Clock(9), false, Clock(14)));
    const auto inner = root->FindAll(L"table")[1];
    EXPECT_EQ(CellTexts(*inner->Rows()[0]).size(), 2u);
}

TEST_F(CellMarkupTest, DateCellsOfTypeZeroEntities) {
    CEntity& entity = Entity(1);
    entity.m_strCode = L"A<1>";
    entity.m_dtRegistration = COleDateTime(2001, 9, 1, 0, 0, 0);
    entity.m_dtCompletion = COleDateTime(2000, 6, 30, 0, 0, 0);  // 2000 or earlier: no cell
    const auto root = Cell(BuildReportDateCells(entity));
    EXPECT_EQ(CellTexts(*root->FindAll(L"tr")[0]),
              (std::vector<std::wstring>{L"Code: A<1>", L"Registered: 01/09/2001"}));
    EXPECT_TRUE(BuildReportDateCells(Entity(2)).IsEmpty());
}

TEST_F(CellMarkupTest, OverrunColourAllowsFiveMinutes) {
    EXPECT_EQ(CString(GetOverrunColour(Minutes(120), Minutes(125))), L"black");
    EXPECT_EQ(CString(GetOverrunColour(Minutes(120), Minutes(126))), L"red");
}

}  // namespace
