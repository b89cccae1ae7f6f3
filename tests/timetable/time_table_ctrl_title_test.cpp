// The day title strip: columns of the plan's days, their widths (default, saved per entity,
// dragged), the geometry the grid reads from them, the working-time ranges and the highlight.
#include <gtest/gtest.h>

#include <vector>

#include "model/time_values.h"
#include "platform/ui/client_dc.h"
#include "platform/ui/test_support.h"
#include "timetable/hour_slot_captions.h"
#include "timetable/time_table_ctrl.h"
#include "timetable/time_table_ctrl_title.h"
#include "timetable/time_table_messages.h"
#include "timetable_test_support.h"

namespace {

// A host window with a title strip of the given width (and nothing else).
class StripHost : public CWnd {
public:
    explicit StripHost(int width) {
        CreateEx(0, nullptr, L"host", WS_OVERLAPPED, 0, 0, width + 40, 120, nullptr, nullptr);
        title.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, width, 20), this, 103);
        ShowWindow(SW_SHOW);
        vorn_test::ProcessEvents();
    }
    ~StripHost() override { DestroyWindow(); }
    // Columns whose minimum widths are given (the captions are short).
    void SetColumns(const std::vector<int>& minimums, const std::vector<int>& fixed = {}) {
        title.RemoveAllColumns();
        COleDateTime day = At(2000, 1, 3, 0, 0);
        for (std::size_t i = 0; i < minimums.size(); ++i) {
            title.AddColumn(L"d", day);
            title.GetColumns().back().m_nMinWidth = minimums[i];
            if (i < fixed.size()) title.GetColumns().back().m_nFixedWidth = fixed[i];
            day += COleDateTimeSpan(1.0);
        }
    }
    std::vector<int> Widths() const {
        std::vector<int> widths;
        for (const auto& c : title.GetColumns()) widths.push_back(c.GetEffectiveWidth());
        return widths;
    }
    CTimeTableCtrlTitle title;
};

// Drags the right border of a column of the strip by dx through mouse input.
void DragBorder(CTimeTableCtrlTitle& title, int borderX, int dx) {
    vorn_test::MouseMove(&title, CPoint(borderX, 10));
    vorn_test::MousePress(&title, CPoint(borderX, 10));
    vorn_test::MouseMove(&title, CPoint(borderX + dx / 2, 10), Qt::LeftButton);
    vorn_test::MouseMove(&title, CPoint(borderX + dx, 10), Qt::LeftButton);
    vorn_test::MouseRelease(&title, CPoint(borderX + dx, 10));
}

}  // namespace

class DayTitleTest : public TimetableTest {
protected:
    void SetUp() override {
        TimetableTest::SetUp();
        // A dated plan from Monday 2 September 2024 with one entity.
        CEntity entity(MakeTimeOfDay(8, 0), 7);
        entity.m_nId = 1;
        entity.m_strName = L"Ada";
        m_data.m_arrEntities.push_back(entity);
        m_data.SetStartDate(At(2024, 9, 2, 0, 0));
        m_data.m_nDays = 7;
        m_data.m_tDayStart = MakeTimeOfDay(8, 0);
    }
};

TEST_F(DayTitleTest, DayRangeBuildsColumnsCaptionsAndHolidays) {
    m_settings.AddHoliday(At(2024, 9, 4, 0, 0), L"Founders' Day");
    GridHost host;
    CTimeTableCtrl& control = host.control;
    control.SetDayRange(7, At(2024, 9, 2, 0, 0), MakeTimeOfDay(8, 0));
    const auto& columns = control.GetTitle().GetColumns();
    ASSERT_EQ(columns.size(), 7u);
    for (int i = 0; i < 7; ++i) {
        const CString expected = i == 2 ? CString(L"Founders' Day") : m_data.FormatDayTitle(i);
        EXPECT_EQ(columns[i].GetCaption(), expected) << i;
        EXPECT_EQ(control.GetHolidayFlag(i), i == 2 ? 1 : 0) << i;
        EXPECT_EQ(columns[i].m_dtRangeStart[0], At(2024, 9, 2 + i, 8, 0)) << i;
        EXPECT_EQ(columns[i].m_dtRangeEnd[1], At(2024, 9, 2 + i, 16, 0)) << i;
    }
    EXPECT_EQ(control.GetPlanEnd(), At(2024, 9, 9, 1, 0));
    EXPECT_EQ(control.IsHolidayDate(At(2024, 9, 4, 10, 0)), 1);
    EXPECT_EQ(control.IsHolidayDate(At(2024, 9, 5, 10, 0)), 0);

    // Day counts beyond the 21 days of the per-day tables are cut; none gives no column.
    control.SetDayRange(30, At(2024, 9, 2, 0, 0), MakeTimeOfDay(8, 0));
    EXPECT_EQ(control.GetTitle().GetColumns().size(), 21u);
    control.SetDayRange(0, At(2024, 9, 2, 0, 0), MakeTimeOfDay(8, 0));
    EXPECT_TRUE(control.GetTitle().GetColumns().empty());
}

TEST_F(DayTitleTest, DefaultLayoutSharesTheStripAmongFreeColumns) {
    struct Case {
        const char* name;
        int width;
        std::vector<int> minimums;
        std::vector<int> fixed;
        std::vector<int> widths;
    };
    const Case cases[] = {
        {"room for all", 300, {40, 50, 60}, {}, {100, 100, 100}},
        {"share below two minimums", 120, {40, 50, 60}, {}, {40, 50, 60}},
        {"a fixed column keeps its width", 380, {10, 10, 10, 10}, {80}, {80, 100, 100, 100}},
        {"fixed widths beyond the strip", 100, {30, 30, 30}, {150}, {150, 30, 30}},
        {"share truncated", 100, {10, 10, 10}, {}, {33, 33, 33}},
    };
    for (const Case& c : cases) {
        StripHost host(c.width);
        host.SetColumns(c.minimums, c.fixed);
        host.title.LayoutColumns(0);
        EXPECT_EQ(host.Widths(), c.widths) << c.name;
        int total = 0;
        for (int w : c.widths) total += w;
        EXPECT_EQ(host.title.GetTotalWidth(), total) << c.name;
    }
}

TEST_F(DayTitleTest, WidthsAreSavedPerEntity) {
    StripHost host(300);
    host.SetColumns({20, 20, 20});
    CTimeTableCtrlTitle& title = host.title;
    title.LayoutColumns(11);
    ASSERT_EQ(host.Widths(), (std::vector<int>{100, 100, 100}));
    DragBorder(title, 100, 30);
    EXPECT_EQ(host.Widths(), (std::vector<int>{130, 100, 100}));
    title.LayoutColumns(12);
    EXPECT_EQ(host.Widths(), (std::vector<int>{100, 100, 100}));
    title.LayoutColumns(11);
    EXPECT_EQ(host.Widths(), (std::vector<int>{130, 100, 100}));

    // Key 0 lays out afresh and keeps 11 current: the fresh widths are stored under 11.
    title.LayoutColumns(0);
    EXPECT_EQ(title.GetCurrentKey(), 11);
    title.LayoutColumns(12);
    title.LayoutColumns(11);
    EXPECT_EQ(host.Widths(), (std::vector<int>{100, 100, 100}));

    // A double click returns the current entity's columns to the default layout.
    DragBorder(title, 100, -40);
    EXPECT_EQ(host.Widths(), (std::vector<int>{60, 100, 100}));
    vorn_test::MouseMove(&title, CPoint(150, 10));
    vorn_test::DoubleClick(&title, CPoint(150, 10));
    EXPECT_EQ(host.Widths(), (std::vector<int>{100, 100, 100}));

    // Resizing the strip drops every saved set but the current entity's.
    DragBorder(title, 100, 20);
    title.LayoutColumns(12);
    DragBorder(title, 200, 20);
    title.MoveWindow(0, 0, 330, 20);
    std::vector<int> keys;
    for (const auto& set : title.GetSavedWidthSets()) keys.push_back(set.m_nKey);
    EXPECT_EQ(keys, std::vector<int>{12});
}

TEST_F(DayTitleTest, BorderDragFollowsTheMouseAndKeepsTheMinimum) {
    StripHost host(300);
    host.SetColumns({45, 20, 20});
    CTimeTableCtrlTitle& title = host.title;
    title.GetColumns()[0].m_nFixedWidth = 0;
    title.LayoutColumns(0);
    ASSERT_EQ(host.Widths()[0], 100);

    // Two pixels from the border grabs it, three do not.
    DragBorder(title, 103, 10);
    EXPECT_EQ(host.Widths()[0], 100);
    DragBorder(title, 102, 10);
    EXPECT_EQ(host.Widths()[0], 110);

    // The line follows the pointer while dragging.
    vorn_test::ProcessEvents();
    COLORREF before = 0;
    {
        CClientDC dc(&title);
        before = dc.GetPixel(150, 3);
    }
    vorn_test::MouseMove(&title, CPoint(110, 10));
    vorn_test::MousePress(&title, CPoint(110, 10));
    vorn_test::MouseMove(&title, CPoint(150, 10), Qt::LeftButton);
    EXPECT_TRUE(title.IsResizing());
    vorn_test::ProcessEvents();
    {
        CClientDC dc(&title);
        EXPECT_EQ(dc.GetPixel(150, 3), 0xFFFFFF - before);
    }
    vorn_test::MouseRelease(&title, CPoint(60, 10));
    EXPECT_FALSE(title.IsResizing());
    EXPECT_EQ(host.Widths()[0], 60);
    DragBorder(title, 60, -30);
    EXPECT_EQ(host.Widths()[0], 45);
}

TEST_F(DayTitleTest, ColumnResizeLaysTheItemsOutAgain) {
    GridHost host;
    CTimeTableCtrl& control = host.control;
    control.SetDayRange(5, At(2024, 9, 2, 0, 0), MakeTimeOfDay(8, 0));
    CTimeTableCtrlTitle& title = control.GetTitle();
    title.LayoutColumns(0);
    CTimeTableCtrlView& pane = control.GetPane(0);
    pane.m_arrItems = {MakeItem(L"A", At(2024, 9, 2, 9, 0), 60), MakeItem(L"B", At(2024, 9, 3, 9, 0), 60)};
    pane.SortItems();
    const int width = pane.m_arrItems[0].m_rect.Width();
    const int border = title.GetColumns()[0].GetEffectiveWidth();
    DragBorder(title, border, 40);
    EXPECT_EQ(pane.m_arrItems[0].m_rect.Width(), width + 40);
    EXPECT_EQ(pane.m_arrItems[1].m_rect.left, border + 40 + 7);
}

TEST_F(DayTitleTest, ColumnsAreMeasuredInTheStripsBoldFont) {
    StripHost host(300);
    const CString caption = L"Wednesday 4 September";
    host.title.AddColumn(caption, At(2024, 9, 4, 0, 0));
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CFont bold, plain;
    bold.CreateFont(14, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 5, 0x20, L"Tahoma");
    plain.CreateFont(14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 5, 0x20, L"Tahoma");
    CFont* old = dc.SelectObject(&bold);
    const int boldWidth = dc.GetTextExtent(caption).cx;
    dc.SelectObject(&plain);
    const int plainWidth = dc.GetTextExtent(caption).cx;
    dc.SelectObject(old);
    ASSERT_GT(boldWidth, plainWidth);
    EXPECT_EQ(host.title.GetColumns()[0].m_nMinWidth, boldWidth + 6);
}

TEST_F(DayTitleTest, GeometryOfDaysDatesAndItems) {
    StripHost host(300);
    host.SetColumns({20, 20, 20});
    CTimeTableCtrlTitle& title = host.title;
    title.LayoutColumns(0);
    title.SetScrollOffset(30);

    int left = -1, right = -1;
    EXPECT_TRUE(title.GetDayExtent(0, At(2000, 1, 4, 13, 0), left, right));
    EXPECT_EQ(left, 70);
    EXPECT_EQ(right, 170);
    left = right = -1;
    EXPECT_FALSE(title.GetDayExtent(0, At(2000, 1, 9, 13, 0), left, right));
    EXPECT_EQ(left, 270);  // both ends set: an empty extent right of the last column
    EXPECT_EQ(right, 270);

    struct XCase {
        int x;
        int index;
        COleDateTime date;
    };
    const XCase xs[] = {{-50, 0, At(2000, 1, 3, 8, 0)}, {69, 0, At(2000, 1, 3, 8, 0)}, {70, 1, At(2000, 1, 4, 8, 0)},
                        {269, 2, At(2000, 1, 5, 8, 0)}, {270, -1, GetUnplacedDate()}};
    for (const XCase& c : xs) {
        EXPECT_EQ(title.GetColumnIndexAt(c.x), c.index) << c.x;
        EXPECT_EQ(title.GetDateAt(c.x), c.date) << c.x;
    }

    struct RangeCase {
        COleDateTime t;
        int in;
    };
    const RangeCase ranges[] = {{At(2000, 1, 3, 0, 0), 1}, {At(2000, 1, 6, 0, 0), 1}, {At(2000, 1, 6, 0, 1), 0},
                                {At(2000, 1, 2, 23, 59), 0}};
    for (const RangeCase& c : ranges) EXPECT_EQ(title.IsDateInRange(c.t), c.in) << c.t.Format(L"%d %H:%M").ToUtf8();

    struct PlaceCase {
        const char* name;
        int lane, span, count;
        int left, right;
    };
    // Column 1 starts at 70 (after scrolling) and is 100 wide: 91 pixels of lanes.
    const PlaceCase places[] = {
        {"alone", 1, 1, 1, 77, 168},
        {"no lane over a short interval counts as one", 1, 1, 0, 77, 168},
        {"second of two", 2, 1, 2, 122, 167},
        {"first of three, two lanes wide", 1, 2, 3, 77, 137},
    };
    for (const PlaceCase& c : places) {
        CTimeTableItem item = MakeItem(L"X", At(2000, 1, 4, 9, 0), 60);
        item.m_nLane = c.lane;
        item.m_nLaneSpan = c.span;
        item.m_nLaneCount = c.count;
        item.m_rect = CRect(1, 2, 3, 4);
        EXPECT_TRUE(title.PlaceItem(0, item)) << c.name;
        EXPECT_EQ(item.m_rect, CRect(c.left, 2, c.right, 4)) << c.name;
    }
    CTimeTableItem outside = MakeItem(L"X", At(2000, 1, 9, 9, 0), 60);
    outside.m_rect = CRect(1, 2, 3, 4);
    EXPECT_FALSE(title.PlaceItem(0, outside));
    EXPECT_EQ(outside.m_rect, CRect(1, 2, 3, 4));
}

TEST_F(DayTitleTest, DayRangeEdgesUnderThePointer) {
    m_settings.AddHoliday(At(2024, 9, 4, 0, 0), L"Holiday");
    GridHost host;
    CTimeTableCtrl& control = host.control;
    control.SetDayRange(5, At(2024, 9, 2, 0, 0), MakeTimeOfDay(8, 0));
    CTimeTableCtrlTitle& title = control.GetTitle();
    title.LayoutColumns(0);
    auto& columns = title.GetColumns();
    columns[1].m_dtRangeEnd[0] = columns[1].m_dtRangeStart[0];  // an empty range on Tuesday
    columns[2].m_dtRangeEnd[0] = columns[2].m_dtRangeStart[0];  // and on the holiday
    const int monday = 20, tuesday = title.GetColumnLeft(columns[1]) + 20, wednesday = title.GetColumnLeft(columns[2]) + 20;
    struct Case {
        const char* name;
        int x, y, hour, minute, answer;
    };
    const Case cases[] = {
        {"9 minutes after the start", monday, 50, 8, 9, 3},
        {"10 minutes after the start", monday, 50, 8, 10, 0},
        {"9 minutes before the end", monday, 50, 15, 51, 4},
        {"in the middle", monday, 50, 12, 0, 0},
        {"empty range, top of the body", tuesday, 4, 13, 0, 4},
        {"empty range, lower down", tuesday, 5, 13, 0, 0},
        {"empty range on a holiday", wednesday, 0, 13, 0, 0},
        {"right of the last column", 5000, 50, 8, 0, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(title.HitTestDayRange(c.x, c.y, MakeTimeOfDay(c.hour, c.minute), 0), c.answer) << c.name;
}

TEST_F(DayTitleTest, MovingRangeEdgesAndTheStatusTexts) {
    StripHost host(300);
    host.SetColumns({20, 20});
    CTimeTableCtrlTitle& title = host.title;
    title.GetColumns()[0].m_strCaption = L"Mon";
    auto column = title.GetColumns().begin();
    title.MoveRangeStart(0, column, MakeTimeOfDay(9, 0));
    EXPECT_EQ(column->m_dtRangeStart[0], At(2000, 1, 3, 9, 0));
    EXPECT_EQ(title.GetStatusText(), CString(L"Mon : Lesson 1-Lesson 8"));
    title.MoveRangeStart(0, column, MakeTimeOfDay(17, 0));  // after the end: empty at the end
    EXPECT_EQ(column->m_dtRangeStart[0], At(2000, 1, 3, 16, 0));
    EXPECT_EQ(title.IsRangeEmpty(0, column), 1);
    title.MoveRangeEnd(0, column, MakeTimeOfDay(7, 30));  // before the start: empty at the new time
    EXPECT_EQ(column->m_dtRangeStart[0], At(2000, 1, 3, 7, 30));
    EXPECT_EQ(column->m_dtRangeEnd[0], At(2000, 1, 3, 7, 30));
    title.MoveRangeEnd(0, column, MakeTimeOfDay(12, 0));
    EXPECT_EQ(title.IsRangeEmpty(0, column), 0);
    EXPECT_EQ(column->m_dtRangeStart[1], At(2000, 1, 3, 8, 0));  // the other pane keeps its range
    title.MoveRangeEnd(0, title.GetColumns().end(), MakeTimeOfDay(12, 0));

    struct PointerCase {
        int hour, minute;
        const wchar_t* text;
    };
    const PointerCase pointers[] = {
        {9, 30, L"Mon : Lesson 1"}, {8, 1, L"Mon : "}, {8, 3, L"Mon : Lesson 0"}, {7, 30, L"Mon : "}};
    for (const PointerCase& p : pointers) {
        title.SetPointerText(column, MakeTimeOfDay(p.hour, p.minute));
        EXPECT_EQ(title.GetStatusText(), CString(p.text)) << p.hour << ":" << p.minute;
    }
    m_data.m_nHourIndex = 2;
    title.SetPointerText(title.GetColumns().end(), MakeTimeOfDay(9, 30));
    EXPECT_EQ(title.GetStatusText(), CString(L"Lesson 3"));
}

TEST_F(DayTitleTest, FreeTimeOfAnActivityPerDay) {
    CEntity& member = m_data.m_arrEntities.front();
    member.m_tDayStart[0] = MakeTimeOfDay(9, 0);
    member.m_tDayEnd[0] = MakeTimeOfDay(14, 0);
    CActivity activity;
    activity.m_nId = 5;
    activity.m_arrMembers = {1, 0, 77};  // 0 and an unknown id are passed over
    m_data.m_arrActivities.push_back(activity);
    StripHost host(300);
    std::vector<int> minimums(25, 10);  // more columns than an entity has day windows
    host.SetColumns(minimums);
    host.title.ComputeFreeTime(5, 0);
    const auto& columns = host.title.GetColumns();
    EXPECT_EQ(WholeMinutes(columns[0].m_tsFreeStart[0]), 60);
    EXPECT_EQ(WholeMinutes(columns[0].m_tsFreeEnd[0]), 120);
    EXPECT_EQ(WholeMinutes(columns[1].m_tsFreeStart[0]), 0);  // 08:00 to 16:00 like the range
    EXPECT_EQ(WholeMinutes(columns[24].m_tsFreeEnd[0]), 0);
    EXPECT_EQ(WholeMinutes(columns[0].m_tsFreeStart[1]), 0);
}

TEST_F(DayTitleTest, HighlightFollowsTheBodyAndClearsWithoutSetting) {
    StripHost host(300);
    host.SetColumns({20, 20, 20});
    host.title.LayoutColumns(0);
    struct Step {
        WPARAM show;
        LPARAM x;
        int column;
    };
    const Step steps[] = {{0, 150, -1}, {1, 150, 1}, {1, 10, 0}, {0, 150, -1}, {1, 500, -1}, {1, 250, 2}};
    for (const Step& s : steps) {
        host.title.SendMessage(WM_TT_HIGHLIGHT, s.show, s.x);
        EXPECT_EQ(host.title.GetHighlightedColumn(), s.column) << s.show << "," << s.x;
    }
}
