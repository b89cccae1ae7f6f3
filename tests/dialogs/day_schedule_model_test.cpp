// The interval model of the day-schedule control: the time grid at each zoom step, the edits
// and their limits, and the Lessons lines and chime-set pairs it gives.
#include <gtest/gtest.h>

#include <vector>

#include "../platform/core/pinned_time_zone.h"
#include "dialogs/day_schedule_model.h"
#include "model/chime_set.h"
#include "model/time_values.h"

namespace {

__time64_t At(int hour, int minute) { return MakeTimeOfDay(hour, minute); }

class DayScheduleModelTest : public ::testing::Test {
protected:
    // A day from the start, with intervals of the given minutes; labels by index.
    CDayScheduleModel Day(int hour, int minute, const std::vector<int>& minutes,
                          const std::vector<const wchar_t*>& labels = {}) {
        CDayScheduleModel model;
        model.m_tDayStart = At(hour, minute);
        for (std::size_t i = 0; i < minutes.size(); ++i)
            model.AddInterval(minutes[i], i < labels.size() ? CString(labels[i]) : CString());
        return model;
    }
    static std::vector<int> Minutes(const CDayScheduleModel& model) {
        std::vector<int> result;
        for (const auto& interval : model.m_arrIntervals) result.push_back(static_cast<int>(interval.m_tLength / 60));
        return result;
    }
    CPinnedTimeZone zone{"Europe/Berlin"};
};

TEST_F(DayScheduleModelTest, GridRowsAndTimesAtEachZoomStep) {
    struct Case {
        int minutesPerRow;
        int firstRowHour, firstRowMinute;  // one row before the row that holds 07:40
        int yOf0800;
    };
    const Case cases[] = {{60, 6, 0, 72}, {30, 7, 0, 72}, {15, 7, 15, 108}, {10, 7, 30, 108}};
    for (const auto& c : cases) {
        CDayScheduleModel model = Day(7, 40, {60});
        model.m_nMinutesPerRow = c.minutesPerRow;
        EXPECT_EQ(model.GetFirstRowTime(), At(c.firstRowHour, c.firstRowMinute)) << c.minutesPerRow;
        EXPECT_EQ(model.YFromTime(At(8, 0)), c.yOf0800) << c.minutesPerRow;
        model.m_nScrollOffset = 20;
        EXPECT_EQ(model.YFromTime(At(8, 0)), c.yOf0800 - 20) << "the scroll offset moves the content up";
        EXPECT_EQ(model.ContentYFromTime(At(8, 0)), c.yOf0800) << c.minutesPerRow;
        EXPECT_EQ(model.TimeFromY(c.yOf0800 - 20 + 1), At(8, 0)) << c.minutesPerRow;
    }
}

TEST_F(DayScheduleModelTest, TimeFromYRoundsDownToFiveMinutesFromTheFirstRow) {
    struct Case {
        int minutesPerRow, y, hour, minute;
    };
    const Case cases[] = {
        {60, 0, 6, 0},  {60, 100, 8, 45}, {60, 35, 6, 55},  // 58.3 min -> 55
        {30, 100, 8, 20}, {30, 36, 7, 30},                   // exactly one row
        {15, 100, 7, 55}, {10, 100, 7, 55},
    };
    for (const auto& c : cases) {
        CDayScheduleModel model = Day(7, 40, {60});
        model.m_nMinutesPerRow = c.minutesPerRow;
        EXPECT_EQ(model.TimeFromY(c.y), At(c.hour, c.minute)) << c.minutesPerRow << " min/row, y " << c.y;
        // Times on the 5-minute grid come back from their own y.
        const __time64_t t = model.TimeFromY(c.y);
        EXPECT_EQ(model.TimeFromY(model.YFromTime(t) + 1), t) << c.minutesPerRow << " min/row, y " << c.y;
    }
}

TEST_F(DayScheduleModelTest, FirstRowOfDayStartsOutsideTheFirstOfJanuary) {
    CDayScheduleModel model = Day(7, 0, {60});
    model.m_tDayStart = CDayScheduleModel::FirstMidnight() - 60;
    EXPECT_EQ(model.GetFirstRowTime(), CDayScheduleModel::FirstMidnight() - 2 * 1800);
    model.m_tDayStart = CDayScheduleModel::SecondMidnight();
    EXPECT_EQ(model.GetFirstRowTime(), CDayScheduleModel::SecondMidnight() - 2 * 1800);
}

TEST_F(DayScheduleModelTest, ZoomStepsStopAtTheirEnds) {
    struct Case {
        int from;
        bool in;
        int to;
    };
    const Case cases[] = {{60, true, 30}, {30, true, 15}, {15, true, 10}, {10, true, 10}, {45, true, 45},
                          {10, false, 15}, {15, false, 30}, {30, false, 60}, {60, false, 60}};
    for (const auto& c : cases) {
        CDayScheduleModel model;
        model.m_nMinutesPerRow = c.from;
        c.in ? model.ZoomIn() : model.ZoomOut();
        EXPECT_EQ(model.m_nMinutesPerRow, c.to) << c.from << (c.in ? " in" : " out");
    }
}

TEST_F(DayScheduleModelTest, SplitAtAPointInsideAnInterval) {
    struct Case {
        int hour, minute;
        std::vector<int> after;
    };
    const Case cases[] = {
        {8, 20, {20, 25, 15}},  // inside the first
        {8, 45, {45, 15}},      // on the boundary: nothing
        {8, 0, {45, 15}},       // on the day start: nothing
        {9, 30, {45, 15}},      // after the day: nothing
        {8, 50, {45, 5, 10}},
    };
    for (const auto& c : cases) {
        CDayScheduleModel model = Day(8, 0, {45, 15}, {L"", L"Break"});
        model.SplitAt(At(c.hour, c.minute));
        EXPECT_EQ(Minutes(model), c.after) << c.hour << ":" << c.minute;
        EXPECT_EQ(model.m_arrIntervals.back().m_strLabel, c.after.size() == 3 && c.minute == 50 ? L"" : L"Break");
    }
}

TEST_F(DayScheduleModelTest, RemoveBoundaryJoinsTheIntervalsAroundIt) {
    struct Case {
        int hour, minute;
        std::vector<int> after;
    };
    const Case cases[] = {
        {8, 45, {60, 30}},      // between the first two
        {9, 0, {45, 45}},       // between the last two
        {9, 30, {45, 15, 30}},  // the day's end
        {8, 0, {45, 15, 30}},   // the day start
        {8, 50, {45, 15, 30}},  // no boundary
    };
    for (const auto& c : cases) {
        CDayScheduleModel model = Day(8, 0, {45, 15, 30}, {L"Lesson", L"Break"});
        model.RemoveBoundary(At(c.hour, c.minute));
        EXPECT_EQ(Minutes(model), c.after) << c.hour << ":" << c.minute;
        EXPECT_EQ(model.m_arrIntervals.front().m_strLabel, L"Lesson") << "the earlier label stays";
    }
    CDayScheduleModel single = Day(8, 0, {60});
    EXPECT_FALSE(single.RemoveBoundary(At(9, 0)));
}

TEST_F(DayScheduleModelTest, SplitSelectedHalvesOnFiveMinuteSteps) {
    struct Case {
        int minutes;
        std::vector<int> after;
    };
    const Case cases[] = {{480, {240, 240}}, {9, {9}}, {15, {5, 10}}, {45, {20, 25}}, {11, {5, 6}}};
    for (const auto& c : cases) {
        CDayScheduleModel model = Day(8, 0, {c.minutes}, {L"Break"});
        model.SelectOnly(0);
        EXPECT_EQ(model.SplitSelected(), c.after.size() == 2) << c.minutes;
        EXPECT_EQ(Minutes(model), c.after) << c.minutes;
        EXPECT_EQ(model.m_arrIntervals[0].m_strLabel, L"Break");
        EXPECT_EQ(model.m_arrIntervals[0].m_bSelected, 1) << "the split interval keeps its selection";
        if (model.GetCount() == 2) { EXPECT_EQ(model.m_arrIntervals[1].m_bSelected, 0); }
    }
    CDayScheduleModel none = Day(8, 0, {60});
    EXPECT_FALSE(none.SplitSelected()) << "nothing selected";
}

TEST_F(DayScheduleModelTest, DeleteSelectedGivesItsTimeToANeighbour) {
    struct Case {
        int selected;
        std::vector<int> after;
        int startHour, startMinute;
    };
    const Case cases[] = {
        {0, {60, 30}, 8, 0},  // the first lengthens the second, which then starts at the day start
        {1, {60, 30}, 8, 0},  // a middle one lengthens the previous
        {2, {45, 45}, 8, 0},
    };
    for (const auto& c : cases) {
        CDayScheduleModel model = Day(8, 0, {45, 15, 30});
        model.SelectOnly(c.selected);
        EXPECT_TRUE(model.DeleteSelected());
        EXPECT_EQ(Minutes(model), c.after) << c.selected;
        EXPECT_EQ(model.GetStart(0), At(c.startHour, c.startMinute));
    }
    CDayScheduleModel only = Day(8, 0, {60});
    only.SelectOnly(0);
    EXPECT_FALSE(only.DeleteSelected());
    EXPECT_EQ(Minutes(only), std::vector<int>{60});
}

TEST_F(DayScheduleModelTest, BoundaryDragKeepsEveryIntervalLongerThanFiveMinutes) {
    struct Case {
        const char* what;
        int fromHour, fromMinute, toHour, toMinute;
        bool moved;
        std::vector<int> after;
        int dayStartMinute;  // minutes after 08:00
    };
    const Case cases[] = {
        {"end of the first, later", 8, 45, 8, 50, true, {50, 10, 30}, 0},
        {"end of the first, earlier", 8, 45, 8, 30, true, {30, 30, 30}, 0},
        {"first would be 4 minutes", 8, 45, 8, 4, false, {45, 15, 30}, 0},
        {"first would be 5 minutes", 8, 45, 8, 5, true, {5, 55, 30}, 0},
        {"next would keep exactly 5", 8, 45, 8, 55, false, {45, 15, 30}, 0},
        {"next would keep 6", 8, 45, 8, 54, true, {54, 6, 30}, 0},
        {"the day's end moves alone", 9, 30, 10, 0, true, {45, 15, 60}, 0},
        {"the day start later", 8, 0, 8, 15, true, {30, 15, 30}, 15},
        {"the day start earlier", 8, 0, 7, 30, true, {75, 15, 30}, -30},
        {"the first would keep 5", 8, 0, 8, 40, false, {45, 15, 30}, 0},
        {"not a boundary", 8, 50, 9, 10, false, {45, 15, 30}, 0},
    };
    for (const auto& c : cases) {
        CDayScheduleModel model = Day(8, 0, {45, 15, 30});
        EXPECT_EQ(model.DragBoundary(At(c.fromHour, c.fromMinute), At(c.toHour, c.toMinute)), c.moved) << c.what;
        EXPECT_EQ(Minutes(model), c.after) << c.what;
        EXPECT_EQ(model.m_tDayStart, At(8, 0) + c.dayStartMinute * 60) << c.what;
    }
    CDayScheduleModel empty = Day(8, 0, {});
    EXPECT_TRUE(empty.DragBoundary(At(8, 0), At(9, 0)));
    EXPECT_EQ(empty.m_tDayStart, At(9, 0)) << "without intervals only the day start moves";
}

TEST_F(DayScheduleModelTest, LessonListAndChimeSetPairs) {
    CDayScheduleModel model = Day(8, 0, {45, 15}, {L"", L"Break"});
    std::vector<CString> lines;
    model.GetLessonList(lines);
    EXPECT_EQ(lines, (std::vector<CString>{L"08:00", L"!08:45 Break", L"09:00"}));

    CChimeSet set;
    set.m_arrIntervals.push_back({At(7, 0), L"old"});
    model.StoreInChimeSet(set);
    ASSERT_EQ(set.m_arrIntervals.size(), 3u);
    EXPECT_EQ(set.m_arrIntervals[0].m_tStart, At(8, 0));
    EXPECT_EQ(set.m_arrIntervals[0].m_strBreak, L"");
    EXPECT_EQ(set.m_arrIntervals[1].m_tStart, At(8, 45));
    EXPECT_EQ(set.m_arrIntervals[1].m_strBreak, L"Break");
    EXPECT_EQ(set.m_arrIntervals[2].m_tStart, At(9, 0));
    EXPECT_EQ(set.m_arrIntervals[2].m_strBreak, L"");

    // And back: the pairs give the same intervals.
    CDayScheduleModel loaded;
    loaded.LoadChimeSet(set, At(6, 0));
    EXPECT_EQ(loaded.m_tDayStart, At(8, 0));
    EXPECT_EQ(Minutes(loaded), (std::vector<int>{45, 15}));
    EXPECT_EQ(loaded.m_arrIntervals[1].m_strLabel, L"Break");

    CDayScheduleModel empty = Day(8, 0, {});
    empty.GetLessonList(lines);
    EXPECT_EQ(lines, std::vector<CString>{L"08:00"}) << "without intervals the day start alone";
    empty.LoadChimeSet(CChimeSet(), At(7, 30));
    EXPECT_EQ(empty.m_tDayStart, At(7, 30));
    EXPECT_EQ(Minutes(empty), std::vector<int>{480}) << "an empty set opens as one 8-hour lesson";
}

TEST_F(DayScheduleModelTest, LabelsWithTheListSeparatorAreInvalid) {
    EXPECT_TRUE(CDayScheduleModel::IsValidLabel(L"Break"));
    EXPECT_TRUE(CDayScheduleModel::IsValidLabel(L""));
    EXPECT_FALSE(CDayScheduleModel::IsValidLabel(L"Lunch; play"));
}

}  // namespace
