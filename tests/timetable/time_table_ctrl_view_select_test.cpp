// Selection, moving and resizing of a pane's items, grips, ranges and the keys of the body.
#include <gtest/gtest.h>

#include "model/time_values.h"
#include "platform/ui/test_support.h"
#include "timetable/slot_text.h"
#include "timetable/time_table_ctrl.h"
#include "timetable/time_table_messages.h"
#include "timetable_test_support.h"

namespace {

const COleDateTimeSpan kMinute(0, 0, 1, 0);

class PaneEditTest : public WeekTemplateTest {
protected:
    CTimeTableCtrlView& Pane(GridHost& host) { return host.control.GetPane(0); }
};

TEST_F(PaneEditTest, MovingTheSelectionGoesByWholeHoursSnapped) {
    struct Case {
        const char* name;
        int toHour, toMinute;
        bool moved;
        int startHour;
    };
    const Case cases[] = {
        {"two hours later", 10, 0, true, 10},
        {"40 minutes is no move: the selection is dropped", 8, 40, false, 8},
        {"one hour earlier", 7, 0, true, 7},
    };
    for (const Case& c : cases) {
        GridHost host;
        host.control.SetDayRange(5, At(2000, 1, 3, 0, 0), MakeTimeOfDay(7, 0));
        CTimeTableCtrlView& pane = Pane(host);
        pane.m_arrItems = {MakeItem(L"A", At(2000, 1, 4, 8, 0), 60), MakeItem(L"B", At(2000, 1, 4, 12, 0), 60)};
        pane.SelectItem(0);
        pane.MoveSelection(At(2000, 1, 4, 8, 0), At(2000, 1, 4, c.toHour, c.toMinute));
        EXPECT_EQ(pane.m_arrItems[0].m_dtStart.GetHour(), c.startHour) << c.name;
        EXPECT_EQ(pane.m_arrItems[0].m_dtStart.GetMinute(), 0) << c.name;
        EXPECT_EQ(pane.m_nSelectionMode, c.moved ? 1 : 0) << c.name;
        EXPECT_EQ(pane.m_arrItems[1].m_dtStart.GetHour(), 12) << c.name << ": unselected items stay";
    }
}

TEST_F(PaneEditTest, ItemEditsSnapClampAndKeepAnHour) {
    GridHost host;
    host.control.SetDayRange(5, At(2000, 1, 3, 0, 0), MakeTimeOfDay(7, 0));
    const CTimeTableCtrlHeader& hours = Pane(host).GetHeader();
    struct Snap {
        int minute, minutes, startHour, length;
    };
    for (const Snap& c : {Snap{20, 50, 8, 60}, Snap{20, 20, 8, 60}, Snap{40, 100, 9, 120}}) {
        CTimeTableItem item = MakeItem(L"A", At(2000, 1, 4, 8, c.minute), c.minutes);
        item.SnapToHours(hours);
        EXPECT_EQ(item.m_dtStart.GetHour(), c.startHour) << c.minute << "/" << c.minutes;
        EXPECT_EQ(WholeMinutes(item.m_tsLength), c.length) << c.minute << "/" << c.minutes;
    }
    // The end follows a time of day only more than 10 minutes after the start.
    CTimeTableItem item = MakeItem(L"A", At(2000, 1, 4, 8, 0), 60);
    item.SetEndTimeOfDay(MakeTimeOfDay(8, 10));
    EXPECT_EQ(WholeMinutes(item.m_tsLength), 60);
    item.SetEndTimeOfDay(MakeTimeOfDay(8, 11));
    EXPECT_EQ(WholeMinutes(item.m_tsLength), 11);
    // A group resize never leaves an item under an hour.
    CTimeTableCtrlView& pane = Pane(host);
    pane.m_arrItems = {MakeItem(L"A", At(2000, 1, 4, 8, 0), 80)};
    pane.m_arrItems[0].m_bSelected = 1;
    pane.ResizeSelection(MakeTimeOfDay(10, 0), MakeTimeOfDay(9, 30));
    EXPECT_EQ(WholeMinutes(pane.m_arrItems[0].m_tsLength), 80);
    pane.ResizeSelection(MakeTimeOfDay(9, 30), MakeTimeOfDay(10, 0));
    EXPECT_EQ(WholeMinutes(pane.m_arrItems[0].m_tsLength), 110);
    // The latest end holds a time 3 minutes or more past it.
    pane.m_tLatestEnd = MakeTimeOfDay(12, 0);
    EXPECT_EQ(pane.ClampToLatestEnd(MakeTimeOfDay(12, 2)), MakeTimeOfDay(12, 2));
    EXPECT_EQ(pane.ClampToLatestEnd(MakeTimeOfDay(12, 3)), MakeTimeOfDay(12, 0));
}

TEST(ItemGrips, TheLeftStripMovesAndTheBottomEdgeResizes) {
    struct Case {
        const char* name;
        int state, x, y, part;
    };
    // The item spans (100, 100) to (200, 150).
    const Case cases[] = {
        {"3 pixels right of the left edge", 2, 103, 120, 2},
        {"the same on a remark item", 9, 103, 120, 0},
        {"a remark item's bottom edge", 9, 103, 148, 1},
        {"the bottom edge near the right end", 2, 195, 148, 0},
        {"inside the item", 2, 150, 120, 0},
        {"just below the item", 2, 150, 153, 1},
        {"a fixed item", 0, 103, 120, 0},
        {"a cancelled item", 7, 150, 148, 0},
    };
    for (const Case& c : cases) {
        CTimeTableItem item = MakeItem(L"A", At(2000, 1, 4, 8, 0), 60);
        item.m_nState = c.state;
        item.m_rect = CRect(100, 100, 200, 150);
        EXPECT_EQ(item.HitTestEdge(CPoint(c.x, c.y)), c.part) << c.name;
    }
}

TEST(SelectedRanges, ARangeGrowsOrShrinksOnItsOwnDay) {
    struct Case {
        const char* name;
        COleDateTime time;
        int startHour, endHour, changed;
    };
    const Case cases[] = {
        {"later on the same day", At(2000, 1, 4, 11, 0), 9, 12, 1},
        {"earlier on the same day", At(2000, 1, 4, 8, 0), 8, 10, 1},
        {"later on another day: the range's own day", At(2000, 1, 6, 11, 0), 9, 12, 1},
        {"where it already ends", At(2000, 1, 4, 9, 0), 9, 10, 0},
    };
    for (const Case& c : cases) {
        CItemTime range(At(2000, 1, 4, 9, 0), COleDateTimeSpan(0, 1, 0, 0), 0, 0);
        EXPECT_EQ(ExtendRange(range, c.time, COleDateTimeSpan(0, 1, 0, 0)), c.changed) << c.name;
        EXPECT_EQ(range.m_dtStart.GetHour(), c.startHour) << c.name;
        EXPECT_EQ(range.GetEndTime().GetHour(), c.endHour) << c.name;
        EXPECT_EQ(range.m_dtStart.GetDay(), 4) << c.name;
    }
}

TEST_F(PaneEditTest, GhostsStayInsideThePaneAndSlotsHaveTexts) {
    GridHost host;
    host.control.SetDayRange(5, At(2000, 1, 3, 0, 0), MakeTimeOfDay(7, 0));
    CTimeTableCtrlView& pane = Pane(host);
    pane.m_arrItems = {MakeItem(L"A", At(2000, 1, 4, 8, 0), 60)};
    pane.m_arrItems[0].m_rect = CRect(10, 10, 60, 40);
    pane.SelectItem(0);
    CRect client;
    pane.GetClientRect(&client);
    pane.MoveGhosts(5, 5000);
    EXPECT_EQ(pane.m_arrSelection[0].m_rect.bottom, client.bottom);
    EXPECT_EQ(pane.m_arrSelection[0].m_rect.Height(), 30);
    EXPECT_EQ(pane.GetSelectionOrigin(), CPoint(15, client.bottom - 30));

    EXPECT_TRUE(FormatSlotText(m_data, CItemTime(At(2000, 1, 4, 6, 0), COleDateTimeSpan(0.0), 0, 0)).IsEmpty());
    EXPECT_FALSE(FormatSlotText(m_data, CItemTime(At(2000, 1, 4, 8, 0), COleDateTimeSpan(0.0), 0, 0)).IsEmpty());
}

// Delete, Ctrl+A and Escape in the body go to the page as messages; other Ctrl keys do not.
TEST_F(PaneEditTest, KeysOfTheBodyReachThePage) {
    struct Case {
        const char* name;
        int key;
        Qt::KeyboardModifiers modifiers;
        std::vector<std::pair<UINT, LPARAM>> sent;
    };
    const Case cases[] = {
        {"Delete", Qt::Key_Delete, Qt::NoModifier, {{WM_TT_DELETE_KEY, 0}}},
        {"Ctrl+Delete", Qt::Key_Delete, Qt::ControlModifier, {{WM_TT_DELETE_KEY, 0}}},
        {"Ctrl+A", Qt::Key_A, Qt::ControlModifier, {{WM_TT_SELECT_KEY, 1}}},
        {"Escape", Qt::Key_Escape, Qt::NoModifier, {{WM_TT_SELECT_KEY, 0}}},
        {"Ctrl+B", Qt::Key_B, Qt::ControlModifier, {}},
    };
    for (const Case& c : cases) {
        GridHost host;
        CTimeTableCtrlBody& body = Pane(host).GetBody();
        body.SetFocus();
        host.messages.clear();
        vorn_test::KeyPress(&body, c.key, QString(), c.modifiers);
        std::vector<std::pair<UINT, LPARAM>> sent;
        for (const GridHost::Message& m : host.messages)
            if (m.message == WM_TT_DELETE_KEY || m.message == WM_TT_SELECT_KEY) sent.emplace_back(m.message, m.lParam);
        EXPECT_EQ(sent, c.sent) << c.name;
    }
}

}  // namespace
