// The hour column: mapping times to pixels and back, the row highlight, the hour-height drag, the
// rows it paints and its time-axis menu.
#include <gtest/gtest.h>

#include "model/time_values.h"
#include "platform/ui/client_dc.h"
#include "platform/ui/menu.h"
#include "platform/ui/test_support.h"
#include "resource_ids.h"
#include "timetable/time_table_ctrl.h"
#include "timetable/time_table_messages.h"
#include "timetable_test_support.h"

namespace {

COleDateTime Monday(int hour, int minute) { return At(2000, 1, 3, hour, minute); }

CString Clock(const COleDateTime& t) { return t.Format(L"%H:%M"); }
CString Clock64(__time64_t t) { return Clock(COleDateTime(t)); }

// Drags the boundary below the first row of the hour column by delta pixels, the way a user does.
void DragFirstBoundary(CTimeTableCtrlHeader& header, int delta) {
    const int y = header.GetHourHeight() - header.GetVerticalOffset();
    vorn_test::MouseMove(&header, CPoint(10, y));
    vorn_test::MousePress(&header, CPoint(10, y));
    vorn_test::MouseMove(&header, CPoint(10, y + delta / 2), Qt::LeftButton);
    vorn_test::MouseMove(&header, CPoint(10, y + delta), Qt::LeftButton);
    vorn_test::MouseRelease(&header, CPoint(10, y + delta));
}

}  // namespace

using HourHeaderTest = WeekTemplateTest;

TEST_F(HourHeaderTest, MapsTimesToPixelsAtSeveralHeightsAndOffsets) {
    struct Case {
        int hourHeight;
        int offset;
        COleDateTime time;
        int y;
        int yForTime;                // YToTime is asked at this y
        const wchar_t* timeAtY;
    };
    const Case cases[] = {
        {36, 0, Monday(9, 30), 90, 90, L"09:30"},
        {36, 0, Monday(7, 0), 0, 100, L"09:46"},
        {36, 20, Monday(9, 30), 70, 70, L"09:30"},
        {36, 0, Monday(6, 30), -18, -18, L"06:30"},
        {48, 0, Monday(9, 30), 120, 120, L"09:30"},
        {48, 30, At(2000, 1, 4, 8, 15), 30, 30, L"08:15"},
        {60, 0, Monday(23, 0), 960, 961, L"23:01"},
    };
    GridHost host;
    host.control.SetDayRange(5, At(2000, 1, 3, 0, 0), MakeTimeOfDay(7, 0));
    CTimeTableCtrlView& pane = host.control.GetPane(0);
    CTimeTableCtrlHeader& header = pane.GetHeader();
    for (const Case& c : cases) {
        pane.SetVerticalOffset(0);
        if (header.GetHourHeight() != c.hourHeight) DragFirstBoundary(header, c.hourHeight - header.GetHourHeight());
        ASSERT_EQ(header.GetHourHeight(), c.hourHeight);
        pane.SetVerticalOffset(c.offset);
        EXPECT_EQ(header.TimeToY(c.time), c.y) << c.hourHeight << "/" << c.offset << " " << Clock(c.time).ToUtf8();
        EXPECT_EQ(Clock64(header.YToTime(c.yForTime)), CString(c.timeAtY)) << c.hourHeight << "/" << c.offset;
        const CRect rect = header.GetTimeRect(c.time, COleDateTimeSpan(0, 0, 90, 0));
        EXPECT_EQ(rect.top, c.y);
        EXPECT_EQ(rect.Height(), 90 * c.hourHeight / 60);
    }
}

TEST_F(HourHeaderTest, YToHourTimeLandsOnWholeHours) {
    struct Case {
        int offset;
        int y;
        int minutes;
        const wchar_t* time;
        int minutesAfter;
    };
    const Case cases[] = {
        {0, 100, 30, L"09:00", 60},   // 100 / 36 = 2 hours after 07:00; short lengths become an hour
        {0, 100, 90, L"09:00", 90},
        {0, 35, 60, L"07:00", 60},
        {40, 0, 60, L"08:00", 60},
    };
    CTimeTableCtrlHeader header;
    header.SetDayStart(MakeTimeOfDay(7, 0));
    for (const Case& c : cases) {
        header.SetVerticalOffset(c.offset);
        COleDateTime date = At(2000, 1, 5, 13, 13);
        COleDateTimeSpan length(0, 0, c.minutes, 0);
        header.YToHourTime(date, length, c.y);
        EXPECT_EQ(date.Format(L"%d %H:%M"), CString(L"05 ") + c.time) << c.y;
        EXPECT_EQ(WholeMinutes(length), c.minutesAfter) << c.y;
    }
}

TEST_F(HourHeaderTest, SnapsToTheNearestHourMarkWithinHalfAnHour) {
    struct Case {
        int hour, minute;
        const wchar_t* snapped;
    };
    const Case cases[] = {
        {8, 20, L"08:00"}, {8, 40, L"09:00"}, {8, 30, L"08:30"}, {6, 50, L"07:00"},
        {6, 20, L"06:20"}, {8, 0, L"08:00"},  {23, 20, L"23:00"}, {23, 50, L"23:50"},
    };
    CTimeTableCtrlHeader header;
    header.SetDayStart(MakeTimeOfDay(7, 0));
    for (const Case& c : cases)
        EXPECT_EQ(Clock(header.SnapToHour(Monday(c.hour, c.minute))), CString(c.snapped)) << c.hour << ":" << c.minute;
}

TEST_F(HourHeaderTest, ContentRunsToMidnight) {
    struct Case {
        int hour, minute, content;
    };
    const Case cases[] = {{7, 0, 17 * 36}, {7, 30, 594}, {0, 0, 24 * 36}};
    CTimeTableCtrlHeader header;
    for (const Case& c : cases) {
        header.SetDayStart(MakeTimeOfDay(c.hour, c.minute));
        EXPECT_EQ(header.GetContentHeight(), c.content) << c.hour << ":" << c.minute;
    }
}

TEST_F(HourHeaderTest, ScrollBarAndWheelReachTheEvening) {
    GridHost host(900, 420);
    host.control.SetDayRange(5, At(2000, 1, 3, 0, 0), MakeTimeOfDay(7, 0));
    CTimeTableCtrlView& pane = host.control.GetPane(0);
    CTimeTableCtrlHeader& header = pane.GetHeader();
    CRect client;
    header.GetClientRect(&client);
    const int last = header.GetContentHeight() - client.Height();
    ASSERT_GT(last, 0);
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    pane.GetScrollBar().GetScrollInfo(&info, SIF_ALL);
    EXPECT_EQ(info.nMax, header.GetContentHeight());
    pane.SendMessage(WM_VSCROLL, SB_PAGEDOWN, 0);
    pane.SendMessage(WM_VSCROLL, SB_PAGEDOWN, 0);
    pane.SendMessage(WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(header.GetVerticalOffset(), last);
    // 22:00 is on screen now.
    const int y = header.TimeToY(Monday(22, 0));
    EXPECT_GE(y, 0);
    EXPECT_LT(y, client.Height());
}

TEST_F(HourHeaderTest, TrackPointerHighlightsTheRowAndClearsWithoutSetting) {
    struct Step {
        WPARAM show;
        LPARAM y;
        int row;
    };
    const Step steps[] = {
        {0, 100, -1},  // a clear with nothing highlighted sets nothing
        {1, 100, 2},  {1, 10, 0}, {0, 0, -1}, {0, 100, -1}, {1, 71, 1},
    };
    GridHost host;
    CTimeTableCtrlHeader& header = host.control.GetPane(0).GetHeader();
    for (const Step& s : steps) {
        header.SendMessage(WM_TT_HIGHLIGHT, s.show, s.y);
        EXPECT_EQ(header.GetHighlightedRow(), s.row) << s.show << "," << s.y;
    }
}

TEST_F(HourHeaderTest, DraggingARowBoundaryChangesTheHourHeightDownToItsMinimum) {
    GridHost host;
    host.control.SetDayRange(5, At(2000, 1, 3, 0, 0), MakeTimeOfDay(7, 0));
    CTimeTableCtrlView& pane = host.control.GetPane(0);
    pane.m_arrItems = {MakeItem(L"A", Monday(9, 0), 60)};
    pane.SortItems();
    CTimeTableCtrlHeader& header = pane.GetHeader();
    DragFirstBoundary(header, 12);
    EXPECT_EQ(header.GetHourHeight(), 48);
    EXPECT_EQ(header.GetTrackingLine(), -1);
    EXPECT_FALSE(header.IsResizing());
    // The items follow the new height at once.
    EXPECT_EQ(pane.m_arrItems[0].m_rect.top, 96);
    EXPECT_EQ(pane.m_arrItems[0].m_rect.Height(), 48);
    // Pressing away from a boundary drags nothing.
    vorn_test::MouseMove(&header, CPoint(10, 20));
    vorn_test::MousePress(&header, CPoint(10, 20));
    vorn_test::MouseMove(&header, CPoint(10, 60), Qt::LeftButton);
    vorn_test::MouseRelease(&header, CPoint(10, 60));
    EXPECT_EQ(header.GetHourHeight(), 48);
    DragFirstBoundary(header, -30);
    EXPECT_EQ(header.GetHourHeight(), 36);
}

TEST_F(HourHeaderTest, TheTrackingLineShowsWhileDragging) {
    GridHost host;
    CTimeTableCtrlHeader& header = host.control.GetPane(0).GetHeader();
    vorn_test::MouseMove(&header, CPoint(10, 36));
    vorn_test::MousePress(&header, CPoint(10, 36));
    vorn_test::MouseMove(&header, CPoint(10, 70), Qt::LeftButton);
    EXPECT_TRUE(header.IsResizing());
    EXPECT_EQ(header.GetTrackingLine(), 70);
    vorn_test::ProcessEvents();
    {
        CClientDC dc(&header);
        EXPECT_EQ(dc.GetPixel(3, 60), GetSysColor(COLOR_BTNFACE));
        EXPECT_EQ(dc.GetPixel(3, 70), 0xFFFFFF - GetSysColor(COLOR_BTNFACE));  // the face inverted
    }
    vorn_test::MouseRelease(&header, CPoint(10, 70));
}

TEST_F(HourHeaderTest, TheMenuSetsTheTimeAxisModeAndBroadcasts) {
    GridHost host;
    CTimeTableCtrlView& pane = host.control.GetPane(0);
    UINT chosen = 0;
    std::vector<UINT> checked;
    SetMenuChooser([&](CMenuTrackRequest& request) -> UINT {
        CMenu* menu = CMenu::FromHandle(request.hMenu);
        for (UINT id : {ID_TIME_AXIS_HOURS, ID_TIME_AXIS_LESSONS, ID_TIME_AXIS_LESSONS_AND_HOURS})
            if (menu->GetMenuState(id, MF_BYCOMMAND) & MF_CHECKED) checked.push_back(id);
        return chosen;
    });
    // Without a chime set the right button does nothing.
    chosen = ID_TIME_AXIS_LESSONS;
    vorn_test::Click(&pane.GetHeader(), CPoint(10, 40), Qt::RightButton);
    vorn_test::ProcessEvents();
    EXPECT_TRUE(checked.empty());
    EXPECT_EQ(m_settings.GetTimeAxisMode(), 0);

    pane.m_nChimeSet = 1;
    vorn_test::Click(&pane.GetHeader(), CPoint(10, 40), Qt::RightButton);
    vorn_test::ProcessEvents();
    EXPECT_EQ(checked, std::vector<UINT>{ID_TIME_AXIS_HOURS});
    EXPECT_EQ(m_settings.GetTimeAxisMode(), 1);
    EXPECT_EQ(m_host.kinds, std::vector<int>{0});
    checked.clear();
    chosen = ID_TIME_AXIS_LESSONS_AND_HOURS;
    vorn_test::Click(&pane.GetHeader(), CPoint(10, 40), Qt::RightButton);
    vorn_test::ProcessEvents();
    EXPECT_EQ(checked, std::vector<UINT>{ID_TIME_AXIS_LESSONS});
    EXPECT_EQ(m_settings.GetTimeAxisMode(), 2);
    SetMenuChooser(nullptr);
}
