// Placement analysis reports (kinds 7 to 9) and their star bars.
#include "report_builders/placement_analysis_reports.h"

#include <algorithm>
#include <set>

#include "report_fixture.h"

namespace {

TEST(StarBar, FiveStarsAtTheReferenceFewerBelow) {
    struct Case {
        double value, reference;
        int stars;
    };
    const Case cases[] = {{4, 4, 5}, {1, 4, 2}, {0, 4, 0}, {3, 0, 0}, {-1, 4, 0}, {9999999, 9999999, 5}};
    for (const Case& c : cases) {
        EXPECT_EQ(CountStars(c.value, c.reference), c.stars) << c.value << " / " << c.reference;
        EXPECT_EQ(FormatStarBar(c.value, c.reference).Find(CString(L'\x2605', c.stars + 1)), -1);
    }
    EXPECT_NE(FormatStarBar(4, 4).Find(CString(L'\x2605', 5)), -1);
}

class PlacementReportTest : public ReportFixture {
public:
    PlacementReportTest() {
        AddEntity(1, 0, L"7a & 7b", 8, 12);
        AddEntity(2, 0, L"7c", 8, 12);
        AddEntity(3, 1, L"Ms <Grey>", 8, 12);
        AddActivity(10, L"Maths", {1, 3}).m_tsDuration = Minutes(240);
        AddActivity(11, L"Art", {2, 3}).m_tsDuration = Minutes(60);
        AddEntry(10, 0, 8, 0, 60);
    }
    std::vector<std::vector<std::wstring>> Rows(int kind, std::vector<const CHtmlNode*>* cells = nullptr) {
        m_page = Page(Options(kind, {}));
        std::vector<std::vector<std::wstring>> rows;
        for (const CHtmlNode* row : TopTables(*m_page).at(0)->Rows()) {
            rows.push_back(CellTexts(*row));
            if (cells) cells->push_back(row);
        }
        return rows;
    }
    static int Stars(const std::wstring& text) { return static_cast<int>(std::count(text.begin(), text.end(), L'\x2605')); }
    std::unique_ptr<CHtmlNode> m_page;
};

TEST_F(PlacementReportTest, ActivityWeightsListIncompleteActivitiesHardestFirst) {
    std::vector<const CHtmlNode*> rowNodes;
    const auto rows = Rows(7, &rowNodes);
    ASSERT_EQ(rows.size(), 3u);
    ASSERT_EQ(rows[1].size(), 7u);
    EXPECT_EQ(Stars(rows[1][6]), 5);
    std::set<std::wstring> names{rows[1][0], rows[2][0]};
    EXPECT_EQ(names, (std::set<std::wstring>{L"Maths", L"Art"}));
    for (std::size_t i = 1; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i][1], L"Ms <Grey>");
        const std::wstring colour = rowNodes[i]->Style(L"color");
        EXPECT_TRUE(colour == L"red" || colour == L"black") << colour;
    }
    // Maths still misses three hours.
    const auto maths = std::find_if(rows.begin(), rows.end(), [](const auto& row) { return row[0] == L"Maths"; });
    ASSERT_NE(maths, rows.end());
    EXPECT_EQ((*maths)[3], L"3:00");
}

TEST_F(PlacementReportTest, EntityWeightsAndFreeSlots) {
    const auto entities = Rows(8);
    ASSERT_GE(entities.size(), 2u);
    EXPECT_EQ(entities[1][1], L"Ms <Grey>");
    EXPECT_EQ(Stars(entities[1][2]), 5);

    const auto slots = Rows(9);
    ASSERT_GE(slots.size(), 2u);
    for (std::size_t i = 1; i < slots.size(); ++i) ASSERT_EQ(slots[i].size(), 4u);
    // Sorted by weight, smallest first: the stars never grow down the list.
    for (std::size_t i = 2; i < slots.size(); ++i) EXPECT_LE(Stars(slots[i][3]), Stars(slots[i - 1][3])) << i;
}

TEST_F(PlacementReportTest, AnalysisLeavesTheDocumentAlone) {
    for (int kind : {7, 8, 9}) {
        Rows(kind);
        EXPECT_EQ(m_data.m_arrEntries.size(), 1u) << kind;
        EXPECT_TRUE(m_data.m_arrActivityWeights.empty()) << kind;
        EXPECT_TRUE(m_data.m_arrEntries[0].m_arrSlots.empty()) << kind;
    }
}

}  // namespace
