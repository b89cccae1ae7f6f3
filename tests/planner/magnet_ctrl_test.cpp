// The magnet board's model: day columns from the rows' hours, rows, the current row and the
// selection.
#include "planner/magnet_ctrl.h"

#include <gtest/gtest.h>

#include "model/time_values.h"
#include "planner/magnet_messages.h"
#include "planner_test_support.h"

namespace {

struct Hours {
    int startHour, startMinute, endHour, endMinute;
};

}  // namespace

class MagnetCtrlTest : public PlannerTest {
protected:
    void SetUp() override {
        PlannerTest::SetUp();
        m_data.m_tDayStart = MakeTimeOfDay(8, 0);
    }
};

TEST_F(MagnetCtrlTest, AddDayHourRanges) {
    struct Case {
        const char* name;
        std::vector<Hours> rows;
        int startHour, endHour;
    } cases[] = {
        {"no rows: the default start and nine hours", {}, 8, 17},
        {"the default start is later; an end at 16:30 gives 16:00", {{7, 0, 16, 30}}, 8, 16},
        {"a later start of the rows", {{9, 0, 15, 0}}, 9, 15},
        {"earliest start and latest end over the rows", {{9, 0, 12, 0}, {10, 30, 17, 45}}, 9, 17},
        {"a day off takes part", {{10, 0, 10, 0}, {11, 0, 13, 0}}, 10, 13},
    };
    for (const Case& c : cases) {
        CMagnetCtrl control;
        int id = 1;
        for (const Hours& h : c.rows) {
            control.AddRow(id, L"row", 0);
            control.SetRowSchedule(id++, Working(h.startHour, h.startMinute, h.endHour, h.endMinute));
        }
        control.ClearDayColumns();
        control.AddDay(L"Mon", At(2000, 1, 3, 0, 0), 0);
        const auto& columns = control.GetPane(0).GetTitle().GetColumns();
        ASSERT_EQ(columns.size(), 1u) << c.name;
        EXPECT_EQ(columns[0].m_tStart, MakeTimeOfDay(c.startHour, 0)) << c.name;
        EXPECT_EQ(columns[0].m_tEnd, MakeTimeOfDay(c.endHour, 0)) << c.name;
        EXPECT_EQ(control.GetPane(1).GetTitle().GetColumns().size(), 1u) << c.name;
    }
}

TEST_F(MagnetCtrlTest, RowsAreFoundByIdAndSortedById) {
    CMagnetCtrl control;
    for (const int id : {30, 10, 20}) control.AddRow(id, L"row", 0);
    control.SetRowSchedule(99, Working(7, 0, 9, 0));  // no such row: nothing happens
    control.ClearDayColumns();
    control.SortAndLayout();
    ASSERT_EQ(control.GetRows().size(), 3u);
    EXPECT_EQ(control.GetRows()[0].m_nEntityId, 10);
    EXPECT_EQ(control.GetRows()[2].m_nEntityId, 30);
    EXPECT_EQ(control.FindRow(30), 2);
    EXPECT_EQ(control.FindRow(99), CMagnetCtrl::kNone);
    for (const CMagnetRow& row : control.GetRows()) EXPECT_EQ(row.m_tDayStart[0], 0);
}

TEST_F(MagnetCtrlTest, SelectionAndDragItems) {
    CMagnetCtrl control;
    control.AddRow(1, L"1a", 0);
    CMagnetRow& row = *control.GetRow(1);
    for (std::uint64_t serial = 1; serial <= 3; ++serial)
        row.m_arrMagnets.push_back(MakeMagnet(serial, At(2000, 1, 3, 7 + static_cast<int>(serial), 0), 60));
    control.SelectSingle(row.m_arrMagnets[2]);
    ASSERT_EQ(control.m_arrDragItems.size(), 1u);
    EXPECT_EQ(control.m_arrDragItems[0].m_nEntry, 3u);
    // Without a current row the selection of no row is copied or cleared.
    row.m_arrMagnets[0].m_bSelected = 1;
    control.CopySelectionToDrag();
    EXPECT_TRUE(control.m_arrDragItems.empty());
    BoardHost host;
    host.control.AddRow(1, L"1a", 0);
    host.control.GetRow(1)->m_arrMagnets = row.m_arrMagnets;
    host.control.SelectRow(1);
    host.control.CopySelectionToDrag();
    ASSERT_EQ(host.control.m_arrDragItems.size(), 2u);
    EXPECT_EQ(host.control.m_arrDragItems[0].m_nEntry, 1u);  // in row order
    EXPECT_EQ(host.control.FindDraggedInRow(), 0);
    host.control.ClearSelection();
    EXPECT_TRUE(host.control.m_arrDragItems.empty());
    for (const CMagnetItem& magnet : host.control.GetRow(1)->m_arrMagnets) EXPECT_EQ(magnet.m_bSelected, 0);
}

TEST_F(MagnetCtrlTest, SelectRowTellsTheHostEveryTime) {
    BoardHost host;
    CMagnetCtrl& control = host.control;
    control.AddRow(1, L"1a", 0);
    control.AddRow(2, L"1b", 0);
    control.SortAndLayout();
    control.GetRow(1)->m_arrMagnets.push_back(MakeMagnet(1, At(2000, 1, 3, 8, 0), 60));
    control.GetRow(1)->m_arrMagnets[0].m_bSelected = 1;
    const auto rowChanges = [&] {
        return std::count_if(host.messages.begin(), host.messages.end(),
                             [](const BoardHost::Message& m) { return m.message == WM_MB_ROW_CHANGED; });
    };
    control.SelectRow(1);
    EXPECT_EQ(control.GetCurrentRowId(), 1);
    EXPECT_EQ(rowChanges(), 1);
    control.SelectRow(1);  // the same row: repainted, and the host is told again
    EXPECT_EQ(rowChanges(), 2);
    control.SelectRow(2);
    EXPECT_EQ(control.GetCurrentRowId(), 2);
    EXPECT_EQ(control.GetRow(1)->m_arrMagnets[0].m_bSelected, 0);  // the old row's selection is cleared
    control.SelectRow(77);  // no such row
    EXPECT_EQ(control.GetCurrentRowId(), 2);
    EXPECT_EQ(rowChanges(), 3);
    control.Clear();
    EXPECT_EQ(control.GetCurrentRowId(), 0);
    EXPECT_TRUE(control.GetRows().empty());
}
