// Pictures of the timetable grid for people to look at (build/test-pictures/timetable_*.png):
// a teacher of the school plan by hours and by lessons, a dated plan with a holiday and absences,
// the split display with two entities, overlapping entries in lanes, and the feedback of a drag.
#include <gtest/gtest.h>

#include "../platform/ui/frame_picture.h"
#include "model/time_values.h"
#include "platform/ui/test_support.h"
#include "timetable/time_table_ctrl.h"
#include "timetable_test_support.h"

namespace {

// Every item of a pane that lies on a plan day has a place on the grid, inside its day.
void ExpectItemsPlaced(CTimeTableCtrl& control, int pane) {
    const CTimeTableCtrlView& view = control.GetPane(pane);
    for (const CTimeTableItem& item : view.m_arrItems) {
        int left = 0, right = 0;
        if (!control.GetTitle().GetDayExtent(pane, item.m_dtStart, left, right)) continue;
        EXPECT_FALSE(item.m_rect.IsRectEmpty()) << item.m_strTitle.ToUtf8();
        EXPECT_GE(item.m_rect.left, left + 7) << item.m_strTitle.ToUtf8();
        EXPECT_LE(item.m_rect.right, right) << item.m_strTitle.ToUtf8();
    }
}

}  // namespace

class TimetablePictureTest : public TimetableTest {
protected:
    // The grid over the plan's days showing the entity in the first pane.
    void ShowPlan(GridHost& host, int entityId) {
        CTimeTableCtrl& control = host.control;
        control.SetDayRange(m_data.m_nDays, m_data.GetStartDate(), m_data.m_tDayStart);
        FillPaneForEntity(control, 0, m_data, entityId);
        control.GetTitle().LayoutColumns(entityId);
        control.RecalcLayout();
    }
};

TEST_F(TimetablePictureTest, TeacherOfTheSchoolPlanByHoursAndByLessons) {
    LoadFixture("school-template.xml");
    const int teacher = BusiestEntity(1);
    ASSERT_NE(teacher, 0);
    GridHost host(1100, 760);
    ShowPlan(host, teacher);
    CTimeTableCtrlView& pane = host.control.GetPane(0);
    ASSERT_FALSE(pane.m_arrItems.empty());
    ASSERT_NE(pane.m_nChimeSet, 0);
    ExpectItemsPlaced(host.control, 0);
    SaveWindowPicture(&host.control, "timetable_teacher_hours.png");
    m_settings.SetTimeAxisMode(1);
    pane.GetHeader().Invalidate();
    SaveWindowPicture(&host.control, "timetable_teacher_lessons.png");
    m_settings.SetTimeAxisMode(2);
    pane.GetHeader().Invalidate();
    SaveWindowPicture(&host.control, "timetable_teacher_lessons_and_hours.png");
}

TEST_F(TimetablePictureTest, DatedPlanWithAHolidayAndAbsences) {
    LoadFixture("school-dated.xml");
    // Entity 42 is away on Tuesday afternoon and all Wednesday; Thursday is a holiday.
    m_settings.AddHoliday(m_data.GetDayDate(3), L"Harvest Festival");
    GridHost host(1100, 760);
    CTimeTableCtrl& control = host.control;
    control.SetClockFlag(1);
    const COleDateTime now = m_data.GetDayDate(1) + COleDateTimeSpan(0, 9, 40, 0);
    control.SetClock([now] { return now; });
    ShowPlan(host, 42);
    const auto& columns = control.GetTitle().GetColumns();
    ASSERT_EQ(columns.size(), 5u);
    EXPECT_EQ(columns[3].GetCaption(), CString(L"Harvest Festival"));
    EXPECT_EQ(CompareTimesApprox(columns[3].m_dtRangeStart[0], columns[3].m_dtRangeEnd[0]), 0);
    const CTimeTableCtrlView& pane = control.GetPane(0);
    EXPECT_EQ(pane.IsWholeDayAbsent(m_data.GetDayDate(2)), 1);
    for (const CTimeTableItem& item : pane.m_arrItems)
        EXPECT_EQ(item.m_bHoliday, IsSameDay(item.m_dtStart, m_data.GetDayDate(3)) ? 1 : 0);
    ExpectItemsPlaced(control, 0);
    SaveWindowPicture(&control, "timetable_dated_holiday_absence.png");
}

TEST_F(TimetablePictureTest, SplitDisplayWithTwoEntities) {
    LoadFixture("school-template.xml");
    const int teacher = BusiestEntity(1);
    const int room = BusiestEntity(4);
    GridHost host(1100, 900);
    CTimeTableCtrl& control = host.control;
    ShowPlan(host, teacher);
    control.AddEntityTab(m_data.FindEntity(teacher)->m_strName, teacher, 1);
    control.AddEntityTab(m_data.FindEntity(room)->m_strName, room, 0);
    control.m_nSecondPaneEntity = room;
    control.ToggleSplit();
    FillPaneForEntity(control, 1, m_data, room);
    control.SelectSecondPaneTab();
    control.GetPane(1).m_bRoom = 1;
    ExpectItemsPlaced(control, 1);
    EXPECT_TRUE(control.GetFolderTabs().IsWindowVisible());
    EXPECT_TRUE(control.GetHorizontalBar().IsWindowVisible());
    SaveWindowPicture(&control, "timetable_split_two_entities.png");
}

TEST_F(TimetablePictureTest, OverlappingEntriesInLanesAndTheLooksOfItems) {
    CEntity entity(MakeTimeOfDay(8, 0), 5);
    entity.m_nId = 1;
    m_data.m_arrEntities.push_back(entity);
    m_data.SetStartDate(At(2024, 9, 2, 0, 0));
    m_data.m_nDays = 5;
    m_data.m_tDayStart = MakeTimeOfDay(7, 0);
    GridHost host(1000, 620);
    CTimeTableCtrl& control = host.control;
    control.SetDayRange(5, At(2024, 9, 2, 0, 0), MakeTimeOfDay(7, 0));
    control.GetTitle().LayoutColumns(0);
    CTimeTableCtrlView& pane = control.GetPane(0);
    struct Entry {
        int day, hour, minute, minutes;
        const wchar_t* title;
        COLORREF background, foreground;
        int hatch;
    };
    const Entry entries[] = {
        // Monday: overlapping, a nested one and a touching one.
        {2, 8, 0, 120, L"Maths 10a", RGB(204, 255, 255), RGB(0, 0, 0), 6},
        {2, 9, 0, 60, L"Physics 10b", RGB(255, 229, 204), RGB(0, 0, 0), 6},
        {2, 9, 30, 90, L"Choir", RGB(229, 204, 255), RGB(80, 0, 120), 2},
        {2, 10, 0, 60, L"English 9a", RGB(255, 255, 204), RGB(0, 0, 0), 6},
        // Tuesday: three at once.
        {3, 10, 0, 60, L"Sport A", RGB(204, 255, 204), RGB(0, 96, 0), 7},
        {3, 10, 0, 60, L"Sport B", RGB(204, 255, 204), RGB(0, 96, 0), 8},
        {3, 10, 0, 60, L"Sport C", RGB(204, 255, 204), RGB(0, 96, 0), 9},
        {3, 12, 0, 45, L"Lunch duty", RGB(255, 255, 255), RGB(200, 0, 0), 5},
        // Wednesday: hatches and a gradient of the fourth kind; a selected item.
        {4, 8, 0, 90, L"Art project", RGB(255, 240, 200), RGB(200, 120, 0), 0},
        {4, 10, 0, 60, L"Chemistry lab", RGB(220, 220, 255), RGB(40, 40, 160), 10},
        {4, 11, 0, 60, L"History", RGB(240, 240, 240), RGB(0, 0, 0), 3},
        {5, 9, 0, 120, L"Exam: Biology", RGB(255, 210, 210), RGB(128, 0, 0), 4},
    };
    for (const Entry& e : entries) {
        CTimeTableItem item(e.title, e.background, e.foreground, e.hatch, At(2024, 9, e.day, e.hour, e.minute),
                            COleDateTimeSpan(0, 0, e.minutes, 0), 2, 0);
        pane.m_arrItems.push_back(item);
    }
    pane.m_arrItems.back().m_nState = 7;  // a linked entry is drawn grey
    pane.SortItems();
    for (CTimeTableItem& item : pane.m_arrItems)
        if (item.m_strTitle == L"History") item.m_bSelected = 1;
    std::vector<int> lanes;
    for (const CTimeTableItem& item : pane.m_arrItems) lanes.push_back(item.m_nLane);
    EXPECT_EQ(lanes, (std::vector<int>{1, 2, 3, 1, 1, 2, 3, 1, 1, 1, 1, 1}));
    ExpectItemsPlaced(control, 0);
    SaveWindowPicture(&control, "timetable_lanes.png");
}

TEST_F(TimetablePictureTest, FeedbackOfAMoveWithSwapMarksClashesAndGhosts) {
    LoadFixture("school-template.xml");
    const int teacher = BusiestEntity(1);
    GridHost host(1100, 760);
    CTimeTableCtrl& control = host.control;
    ShowPlan(host, teacher);
    CTimeTableCtrlView& pane = control.GetPane(0);
    ASSERT_GE(pane.m_arrItems.size(), 4u);
    // The first item is being moved: selected, current, with its activity's free time and
    // clashes; two other items carry swap marks, and the preview arrows show a rotation.
    CTimeTableItem& moved = pane.m_arrItems[0];
    moved.m_bSelected = 1;
    pane.m_nCurrentItem = 0;
    pane.m_nSelectionMode = 1;
    control.GetTitle().ComputeFreeTime(moved.m_nActivity, 0);
    CItemTime blocked(m_data.GetDayDate(1) + COleDateTimeSpan(0, 12, 0, 0), COleDateTimeSpan(0, 2, 0, 0), 0, 1);
    pane.m_arrBlockedTimes.push_back(blocked);
    pane.m_arrClashBlocks.push_back(CItemTime(m_data.GetDayDate(2) + COleDateTimeSpan(0, 9, 0, 0),
                                              COleDateTimeSpan(0, 1, 0, 0), 0, 0));
    pane.m_arrClashBlocks.push_back(CItemTime(moved.m_dtStart, moved.m_tsLength, 0, 0));
    pane.m_arrItems[2].m_nSwapMark = 17;
    pane.m_arrItems[3].m_nSwapMark = 18;
    CTimeTableCtrlBody& body = pane.GetBody();
    body.m_bPressed = 1;
    body.m_bDragging = 1;
    body.m_bMarks = 1;
    body.m_nBlinkPhase = 1;
    body.m_nDragMode = CTimeTableCtrlBody::kDragMove;
    const CPoint press = moved.m_rect.TopLeft() + CPoint(4, 6);
    body.m_nPressX = press.x;
    body.m_nPressY = press.y;
    body.SetCurrentPoint(press + CPoint(150, 80));
    body.Invalidate();
    SaveWindowPicture(&control, "timetable_drag_feedback.png");

    // The swap chooser's preview: arrows between the dropped-on, the third and the moved item.
    body.m_bDragging = 0;
    body.m_nDragMode = CTimeTableCtrlBody::kDragNone;
    auto firstOn = [&](int day) {
        for (std::size_t i = 0; i < pane.m_arrItems.size(); ++i)
            if (IsSameDay(pane.m_arrItems[i].m_dtStart, m_data.GetDayDate(day))) return static_cast<int>(i);
        return -1;
    };
    pane.m_bSwapPreview = 1;
    pane.m_nSwapTarget = firstOn(2) + 2;
    pane.m_nSwapChoice = firstOn(4) + 5;
    pane.m_nSwapSource = 0;
    body.Invalidate();
    SaveWindowPicture(&control, "timetable_swap_preview.png");
}
