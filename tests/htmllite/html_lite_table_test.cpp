// Tables: grid size, spans, column widths and row heights, and their drawing.
#include <gtest/gtest.h>

#include "htmllite/html_lite_drawer.h"
#include "ui_test_support.h"

namespace {

class HtmlLiteTableTest : public ::testing::Test {
protected:
    void SetUp() override { EnsureApplication(); }
    CTestCanvas canvas{400, 300};
    CHtmlLiteDrawer drawer;
    const CHtmlLiteTable& Measure(const wchar_t* html) {
        last = drawer.Measure(canvas.dc(), html);
        static const CHtmlLiteTable kEmpty;
        return drawer.Tables().empty() ? kEmpty : drawer.Tables()[0];
    }
    CSize last;
};

}  // namespace

TEST_F(HtmlLiteTableTest, ColumnCountIsTheWidestRow) {
    const CHtmlLiteTable& t = Measure(L"<table><tr><td>a</td><td>b</td></tr><tr><td>a</td><td>b</td><td>c</td></tr></table>");
    EXPECT_EQ(t.RowCount(), 2);
    EXPECT_EQ(t.ColumnCount(), 3);
}

TEST_F(HtmlLiteTableTest, SpanningCellsShareWhatTheyLack) {
    struct SpanCase {
        const wchar_t* html;
        std::vector<int> columns;
        std::vector<int> rows;
    };
    const SpanCase cases[] = {
        // 31 pixels shared by two columns: 15 each, the remainder to the last.
        {L"<table cellspacing=0><tr><td width=26></td><td width=36></td></tr>"
         L"<tr><td colspan=2 width=97></td></tr></table>",
         {45, 56}, {4, 4}},
        // 4 pixels over three rows: 1 each, the remainder to the first.
        {L"<table cellpadding=0><tr><td rowspan=3 height=10></td><td height=2></td></tr>"
         L"<tr><td height=2></td></tr><tr><td height=2></td></tr></table>",
         {0, 0}, {4, 3, 3}},
    };
    for (const auto& c : cases) {
        const CHtmlLiteTable& t = Measure(c.html);
        EXPECT_EQ(t.columnWidths, c.columns) << CString(c.html).ToUtf8();
        EXPECT_EQ(t.rowHeights, c.rows) << CString(c.html).ToUtf8();
    }
}

TEST_F(HtmlLiteTableTest, BothSpansCoverTheirRowAndTheirColumn) {
    const CHtmlLiteTable& t =
        Measure(L"<table><tr><td rowspan=2 colspan=2>A</td></tr><tr><td>B</td><td>C</td></tr></table>");
    ASSERT_EQ(t.RowCount(), 2);
    ASSERT_EQ(t.ColumnCount(), 2);
    EXPECT_EQ(t.rows[0][0].colSpan, 2);
    EXPECT_EQ(t.rows[0][1].colSpan, -1);
    EXPECT_EQ(t.rows[1][0].colSpan, -1);
    EXPECT_EQ(t.rows[1][1].colSpan, 1);  // B; C finds no position left and is dropped
    EXPECT_GT(t.rows[1][1].contentWidth, 0);
}

TEST_F(HtmlLiteTableTest, SpansNeverReachOutsideTheGrid) {
    const wchar_t* cases[] = {
        L"<table><tr><td rowspan=9 colspan=1>a</td><td>b</td></tr><tr><td colspan=7>c</td></tr></table>",
        L"<table><tr><td rowspan=99999>a</td></tr><tr><td>b</td><td>c</td><td>d</td></tr></table>",
        L"<table><tr><td rowspan=2>a</td><td rowspan=2>b</td></tr><tr><td>c</td><td>d</td><td>e</td></tr></table>",
        L"<table><tr><td colspan=-5 rowspan=0>a</td></tr></table>",
        L"<table><tr><td colspan=3 rowspan=3>a</td></tr><tr><td>b</td></tr></table>",
    };
    for (const wchar_t* html : cases) {
        const CHtmlLiteTable& t = Measure(html);
        for (int r = 0; r < t.RowCount(); ++r) {
            ASSERT_EQ(static_cast<int>(t.rows[r].size()), t.ColumnCount());
            for (int c = 0; c < t.ColumnCount(); ++c) {
                const CHtmlLiteCell& cell = t.rows[r][c];
                if (cell.colSpan == -1) continue;
                EXPECT_LE(c + cell.colSpan, t.ColumnCount()) << CString(html).ToUtf8();
                EXPECT_LE(r + cell.rowSpan, t.RowCount()) << CString(html).ToUtf8();
            }
        }
        drawer.Render(CRect(0, 0, last.cx, last.cy), canvas.dc());
    }
}

TEST_F(HtmlLiteTableTest, WidthsCountSpacingAndBorders) {
    struct WidthCase { const wchar_t* html; int width; };
    const WidthCase cases[] = {
        {L"<table cellspacing=0 cellpadding=0><tr><td width=10></td><td width=10></td></tr></table>", 21},
        {L"<table cellspacing=0 cellpadding=0 border=2><tr><td width=10></td><td width=10></td></tr></table>", 29},  // cells inherit a 1-pixel border
        {L"<table cellspacing=0 cellpadding=0 border=3 borderstyle=double><tr><td width=10></td></tr></table>", 18},
        {L"<table cellspacing=0 cellpadding=0 borderstyle=solid border=0><tr><td width=10></td></tr></table>", 10},
        {L"<table cellspacing=3 cellpadding=0><tr><td width=10></td></tr></table>", 3 + 10 + 3 + 1 - 1},
    };
    for (const auto& c : cases) {
        drawer.Measure(canvas.dc(), c.html);
        EXPECT_EQ(drawer.Measure(canvas.dc(), c.html).cx, c.width + 1) << CString(c.html).ToUtf8();
    }
}

TEST_F(HtmlLiteTableTest, OpenColumnsGrowToTheRoomWhenDrawn) {
    const CSize size = drawer.Measure(canvas.dc(), L"<table cellspacing=0><tr><td>a</td><td><a msg=m>b</a></td></tr></table>");
    drawer.Render(CRect(0, 0, size.cx, size.cy), canvas.dc());
    ASSERT_EQ(drawer.Links().size(), 1u);
    const int narrow = drawer.Links()[0].rect.left;
    drawer.Render(CRect(0, 0, size.cx + 100, size.cy), canvas.dc());
    EXPECT_EQ(drawer.Links()[0].rect.left, narrow + 50);  // the first column took half the extra
}

TEST_F(HtmlLiteTableTest, CellsHaveBackgroundsAndBorders) {
    const CSize size = drawer.Measure(canvas.dc(),
        L"<table border=1 bordercolor=blue cellspacing=2><tr><td bgcolor=red width=20 height=20></td></tr></table>");
    drawer.Render(CRect(10, 10, 10 + size.cx, 10 + size.cy), canvas.dc());
    EXPECT_EQ(canvas.Pixel(10, 10), RGB(0, 0, 255));            // table frame
    EXPECT_EQ(canvas.Pixel(10 + size.cx / 2, 10 + size.cy / 2), RGB(255, 0, 0));  // cell fill
}
