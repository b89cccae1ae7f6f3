// Lanes of overlapping items, and the hit tests that read the rectangles of the layout pass.
#include <gtest/gtest.h>

#include <vector>

#include "model/time_values.h"
#include "platform/ui/test_support.h"
#include "timetable/time_table_ctrl.h"
#include "timetable/time_table_ctrl_title.h"
#include "timetable/time_table_ctrl_view.h"
#include "timetable_test_support.h"

namespace {

struct Slot {
    int hour, minute, minutes;
};

struct LaneCase {
    const char* name;
    std::vector<Slot> starts;   // in item order
    std::vector<int> lanes;     // per item, after the sort
    std::vector<int> spans;     // GetLaneSpan
    std::vector<int> counts;    // GetMaxLane over the item's interval
};

COleDateTime Monday(int hour, int minute) { return At(2000, 1, 3, hour, minute); }

void Fill(CTimeTableCtrlView& pane, const std::vector<Slot>& starts) {
    pane.ClearItems();
    for (const Slot& s : starts) pane.m_arrItems.push_back(MakeItem(L"X", Monday(s.hour, s.minute), s.minutes));
    pane.SortItems();
}

}  // namespace

TEST(TimeTableLanes, OverlappingTouchingAndNestedItems) {
    const LaneCase cases[] = {
        {"overlapping", {{8, 0, 120}, {9, 0, 60}, {10, 0, 120}}, {1, 2, 1}, {1, 1, 1}, {2, 2, 1}},
        {"touching", {{8, 0, 60}, {9, 0, 60}}, {1, 1}, {1, 1}, {1, 1}},
        {"sharing only two minutes", {{8, 0, 4}, {8, 2, 58}}, {1, 1}, {1, 1}, {0, 1}},
        {"nested", {{8, 0, 240}, {9, 0, 60}, {10, 0, 60}}, {1, 2, 2}, {1, 1, 1}, {2, 2, 2}},
        {"same start: the longer one left", {{8, 0, 60}, {8, 0, 120}}, {1, 2}, {1, 1}, {2, 2}},
        {"a higher lane two lanes up", {{9, 0, 60}, {9, 0, 50}, {9, 30, 60}, {10, 0, 120}}, {1, 2, 3, 1},
         {1, 1, 1, 2}, {3, 3, 3, 3}},
    };
    CTimeTableCtrlTitle title;
    CTimeTableCtrlView pane(&title, 0);
    for (const LaneCase& c : cases) {
        Fill(pane, c.starts);
        ASSERT_EQ(pane.m_arrItems.size(), c.lanes.size()) << c.name;
        for (std::size_t i = 0; i < c.lanes.size(); ++i) {
            const CTimeTableItem& item = pane.m_arrItems[i];
            EXPECT_EQ(item.m_nLane, c.lanes[i]) << c.name << " item " << i;
            EXPECT_EQ(pane.GetLaneSpan(item), c.spans[i]) << c.name << " item " << i;
            EXPECT_EQ(item.m_nLaneSpan, c.spans[i]) << c.name << " item " << i;
            EXPECT_EQ(item.m_nLaneCount, c.counts[i]) << c.name << " item " << i;
        }
    }
}

TEST(TimeTableLanes, FreeAndMaximumLanesOfAnInterval) {
    CTimeTableCtrlTitle title;
    CTimeTableCtrlView pane(&title, 0);
    Fill(pane, {{8, 0, 120}, {9, 0, 60}});
    EXPECT_EQ(pane.GetMaxLane(Monday(12, 0), Monday(13, 0)), 0);
    EXPECT_EQ(pane.GetMaxLane(Monday(9, 30), Monday(11, 0)), 2);
    EXPECT_EQ(pane.GetMaxLane(Monday(9, 55), Monday(11, 0)), 0);  // five minutes shared is no overlap
    EXPECT_EQ(pane.GetMaxLane(Monday(9, 54), Monday(11, 0)), 2);
    EXPECT_EQ(pane.FindFreeLane(Monday(9, 15), Monday(10, 15)), 3);
    EXPECT_EQ(pane.FindFreeLane(Monday(10, 0), Monday(11, 0)), 1);  // touching
    EXPECT_EQ(pane.FindFreeLane(Monday(12, 0), Monday(13, 0)), 1);
}

TEST(TimeTableLanes, SortKeepsTheCurrentItem) {
    CTimeTableCtrlTitle title;
    CTimeTableCtrlView pane(&title, 0);
    pane.m_arrItems.push_back(MakeItem(L"late", Monday(11, 0), 60));
    pane.m_arrItems.push_back(MakeItem(L"early", Monday(8, 0), 60));
    pane.m_nCurrentItem = 0;
    pane.SortItems();
    ASSERT_NE(pane.GetCurrentItem(), nullptr);
    EXPECT_EQ(pane.GetCurrentItem()->m_strTitle, CString(L"late"));
}

using TimeTableHitTest = WeekTemplateTest;

TEST_F(TimeTableHitTest, ItemAtAndIntervalTestsReadTheLayout) {
    GridHost host;
    CTimeTableCtrl& control = host.control;
    control.SetDayRange(5, At(2000, 1, 3, 0, 0), MakeTimeOfDay(7, 0));
    control.GetTitle().LayoutColumns(0);
    CTimeTableCtrlView& pane = control.GetPane(0);
    pane.m_arrItems = {MakeItem(L"A", Monday(8, 0), 120), MakeItem(L"B", Monday(9, 0), 60),
                       MakeItem(L"C", At(2000, 1, 4, 10, 0), 60)};
    pane.SortItems();
    const CTimeTableItem& a = pane.m_arrItems[0];
    const CTimeTableItem& b = pane.m_arrItems[1];
    const CTimeTableItem& c = pane.m_arrItems[2];
    const auto& column = control.GetTitle().GetColumns()[0];
    const int laneWidth = (column.GetEffectiveWidth() - 9) / 2;

    // Geometry: y from the hour column (36 pixels an hour from 07:00), x from the day's column.
    EXPECT_EQ(a.m_rect, CRect(7, 36, 7 + laneWidth, 108));
    EXPECT_EQ(b.m_rect, CRect(7 + laneWidth, 72, 7 + 2 * laneWidth, 108));
    EXPECT_EQ(c.m_rect.left, control.GetTitle().GetColumns()[1].m_nLeft + 7);

    struct Case {
        CPoint point;
        int item;
    };
    const Case cases[] = {
        {CPoint(a.m_rect.left, a.m_rect.top), 0},          // left and top inside
        {CPoint(a.m_rect.right, b.m_rect.top + 1), 1},     // right outside: B's left edge
        {CPoint(a.m_rect.right, a.m_rect.top + 1), -1},
        {CPoint(a.m_rect.left + 1, a.m_rect.bottom), -1},  // bottom outside
        {CPoint(b.m_rect.left + 2, b.m_rect.top + 2), 1},
        {CPoint(c.m_rect.CenterPoint()), 2},
        {CPoint(3, 50), -1},                               // the day's free strip
    };
    for (const Case& k : cases) EXPECT_EQ(pane.ItemAt(k.point), k.item) << k.point.x << "," << k.point.y;

    EXPECT_EQ(pane.IsIntervalFree(CItemTime(Monday(10, 0), COleDateTimeSpan(0, 1, 0, 0), 0, 0)), 1);
    EXPECT_EQ(pane.IsIntervalFree(CItemTime(Monday(9, 54), COleDateTimeSpan(0, 1, 0, 0), 0, 0)), 0);
    EXPECT_EQ(pane.IsIntervalFree(CItemTime(Monday(9, 55), COleDateTimeSpan(0, 1, 0, 0), 0, 0)), 1);

    // Scrolling moves the rectangles with the picture.
    pane.SetVerticalOffset(20);
    EXPECT_EQ(pane.m_arrItems[0].m_rect.top, 16);
    EXPECT_EQ(pane.ItemAt(CPoint(a.m_rect.left + 1, 20)), 0);
}

TEST_F(TimeTableHitTest, ItemsOutsideThePlanDaysAreNeitherDrawnNorHit) {
    GridHost host;
    CTimeTableCtrl& control = host.control;
    control.SetDayRange(5, At(2000, 1, 3, 0, 0), MakeTimeOfDay(7, 0));
    CTimeTableCtrlView& pane = control.GetPane(0);
    pane.m_arrItems = {MakeItem(L"in", Monday(8, 0), 60)};
    pane.SortItems();
    ASSERT_FALSE(pane.m_arrItems[0].m_rect.IsRectEmpty());
    const CPoint inside = pane.m_arrItems[0].m_rect.CenterPoint();
    // The plan moves a week on: the item's old rectangle must not stay behind.
    control.SetDayRange(5, At(2000, 1, 10, 0, 0), MakeTimeOfDay(7, 0));
    EXPECT_TRUE(pane.m_arrItems[0].m_rect.IsRectEmpty());
    EXPECT_EQ(pane.ItemAt(inside), -1);
}
