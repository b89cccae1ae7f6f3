// Every table of every report stays rectangular: each row, counting the cells that reach into it
// from above, is as wide as the first. Blocks of lessons meet the break rows of an entity's bell
// schedule and the breaks of the settings' Lessons list, which need not agree.
#include <filesystem>

#include "report_builders/report_page.h"
#include "report_fixture.h"

namespace {

// The number of tables below the node whose rows differ in width, and how many there are.
std::pair<int, int> CountBrokenTables(const CHtmlNode& root) {
    int broken = 0, tables = 0;
    for (const CHtmlNode* table : root.FindAll(L"table")) {
        ++tables;
        const std::vector<int> widths = RowWidths(*table);
        for (int w : widths)
            if (w != widths.front()) {
                ++broken;
                break;
            }
    }
    return {broken, tables};
}

class ReportTablesTest : public ReportFixture {
public:
    ReportTablesTest() {
        // Lessons from 07:00 on the hour; a break follows the lesson that runs 08:00 to 09:00.
        CChimeSet bells;
        bells.m_nId = 1;
        bells.m_strName = L"Bells";
        struct Bell {
            int hour, minute;
            const wchar_t* label;
        };
        for (const Bell& bell : {Bell{7, 0, L""}, Bell{8, 0, L""}, Bell{9, 0, L"Break"}, Bell{9, 15, L""},
                                 Bell{10, 15, L""}, Bell{11, 15, L""}, Bell{12, 15, L""}}) {
            CChimeInterval interval;
            interval.m_tStart = Clock(bell.hour, bell.minute);
            interval.m_strBreak = bell.label;
            bells.m_arrIntervals.push_back(interval);
        }
        m_data.m_arrChimeSets.push_back(bells);
        m_data.m_nDefaultChimeSet = 1;
        m_settings.m_nTimeAxisMode = 1;
        AddEntity(1, 0, L"7a", 8, 12).m_nChimeSet = 1;
        AddEntity(2, 0, L"7b", 8, 12).m_nChimeSet = 1;
        AddActivity(10, L"Maths", {1, 2});
        for (int d = 1; d < kMaxPlanDays; ++d) m_data.m_bReportSwitches[d] = 0;  // Monday only
    }
};

// A double lesson across the bell schedule's break, while the Lessons list has no break there:
// the block ends at the break row and goes on below it.
TEST_F(ReportTablesTest, BlockAcrossABreakRowIsCutThere) {
    AddEntry(10, 0, 8, 0, 120);
    for (const std::vector<CString>& lessons : {std::vector<CString>{}, std::vector<CString>{L"1", L"!Break", L"2", L"3"}}) {
        m_settings.m_wordLists[static_cast<int>(WordList::Lessons)] = lessons;
        for (int kind : {1, 2}) {
            SCOPED_TRACE(testing::Message() << "kind " << kind << ", " << lessons.size() << " Lessons entries");
            const auto page = Page(Options(kind, {1, 2}));
            ASSERT_TRUE(page);
            // The plan table: the one with the break row.
            const CHtmlNode* plan = nullptr;
            for (const CHtmlNode* table : page->FindAll(L"table"))
                for (const CHtmlNode* row : table->Rows())
                    if (row->Text().find(L"Break") != std::wstring::npos) plan = table;
            ASSERT_NE(plan, nullptr);
            const auto rows = plan->Rows();
            std::size_t breakRow = 0;
            while (breakRow < rows.size() && rows[breakRow]->Text().find(L"Break") == std::wstring::npos) ++breakRow;
            ASSERT_TRUE(breakRow >= 1 && breakRow + 1 < rows.size());
            // Maths both above and below the break, no cell of it reaching into the break row.
            EXPECT_NE(rows[breakRow - 1]->Text().find(L"Maths"), std::wstring::npos);
            EXPECT_NE(rows[breakRow + 1]->Text().find(L"Maths"), std::wstring::npos);
            for (const CHtmlNode* cell : rows[breakRow - 1]->Cells()) EXPECT_EQ(cell->Span(L"rowspan"), 1);
        }
    }
}

// The school plan with lesson captions, once with the Lessons list empty and once with breaks
// where the bell schedules have none: every table of every report kind lays out as a rectangle.
class SchoolReportTables : public ReportFixture {};

TEST_F(SchoolReportTables, EveryTableOfEveryKindIsRectangular) {
    const std::filesystem::path path = std::filesystem::path(VORN_SHARED_DIR) / "fixtures/documents/school-dated.xml";
    ASSERT_TRUE(m_data.Load(CString(path.c_str()), FALSE));
    m_settings.m_nTimeAxisMode = 1;
    std::vector<int> all, classes;
    for (const CEntity& entity : m_data.m_arrEntities) {
        all.push_back(entity.m_nId);
        if (entity.m_nType == 0) classes.push_back(entity.m_nId);
    }
    for (int d = 0; d < kMaxPlanDays; ++d) m_data.m_bReportSwitches[d] = d < m_data.m_nDays ? 1 : 0;
    const std::vector<CString> lessonLists[] = {{}, {L"1", L"2", L"!Break", L"3", L"4", L"5", L"!Lunch", L"6", L"7"}};
    for (const std::vector<CString>& lessons : lessonLists) {
        m_settings.m_wordLists[static_cast<int>(WordList::Lessons)] = lessons;
        for (int kind : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 13}) {
            for (int detail : {1, 2}) {
                if (detail == 2 && kind > 4) continue;  // the detail choice shapes only the plan tables
                CReportOptions options = Options(kind, kind == 3 || kind == 4 ? classes : all);
                options.m_detailChoice = detail;
                std::string error;
                const auto root = ParseHtml(BuildReportPage(m_data, options).str(), error);
                ASSERT_TRUE(root) << "kind " << kind << ": " << error;
                const auto [broken, tables] = CountBrokenTables(*root);
                EXPECT_EQ(broken, 0) << "kind " << kind << ", detail " << detail << ", " << lessons.size()
                                     << " Lessons entries: " << broken << " of " << tables << " tables";
            }
        }
    }
}

}  // namespace
