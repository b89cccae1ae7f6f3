// The day columns of a magnet title strip: their places at each zoom and the conversions between
// times and x positions.
#include "planner/magnet_ctrl_title.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "model/time_values.h"
#include "planner/magnet_messages.h"
#include "planner_test_support.h"
#include "platform/ui/client_dc.h"
#include "platform/ui/menu.h"
#include "platform/ui/test_support.h"
#include "resource_ids.h"

namespace {

// Two days, Monday 3 and Tuesday 4 January 2000, each from startHour:startMinute to 16:00.
void AddTwoDays(CMagnetCtrlTitle& title, int hourWidth, int startHour = 8, int startMinute = 0) {
    title.AddDayColumn(L"Mon", At(2000, 1, 3, 0, 0), MakeTimeOfDay(startHour, startMinute), MakeTimeOfDay(16, 0));
    title.AddDayColumn(L"Tue", At(2000, 1, 4, 0, 0), MakeTimeOfDay(startHour, startMinute), MakeTimeOfDay(16, 0));
    title.LayoutColumns(hourWidth);
}

}  // namespace

TEST(MagnetTitleTest, TimeSpanToXAtEachZoom) {
    struct Case {
        int hourWidth, day, hour, minute, minutes;
        int left, right;
    } cases[] = {
        {60, 3, 7, 0, 180, 0, 120},      // starts before the column: clipped to its start
        {60, 3, 9, 30, 60, 90, 150},
        {60, 3, 15, 0, 120, 420, 480},   // ends after the column: clipped to its end
        {60, 4, 8, 0, 60, 480, 540},     // the second day follows the first
        {33, 3, 9, 30, 60, 49, 82},      // products cut toward zero
        {33, 4, 8, 0, 60, 264, 297},
        {100, 3, 10, 0, 90, 200, 350},
        {100, 4, 12, 0, 30, 1200, 1250},
    };
    for (const Case& c : cases) {
        CMagnetCtrlTitle title;
        AddTwoDays(title, c.hourWidth);
        int left = -1, right = -1;
        ASSERT_TRUE(title.TimeSpanToX(At(2000, 1, c.day, c.hour, c.minute), COleDateTimeSpan(0, 0, c.minutes, 0), left, right));
        EXPECT_EQ(left, c.left) << c.hourWidth << " " << c.day << " " << c.hour << ":" << c.minute;
        EXPECT_EQ(right, c.right) << c.hourWidth << " " << c.day << " " << c.hour << ":" << c.minute;
    }
    CMagnetCtrlTitle title;
    AddTwoDays(title, 60);
    int left = 0, right = 0;
    EXPECT_FALSE(title.TimeSpanToX(At(2000, 1, 5, 9, 0), COleDateTimeSpan(0, 1, 0, 0), left, right));
}

TEST(MagnetTitleTest, XToTimeAtEachZoom) {
    struct Case {
        int hourWidth, startMinute, x;
        int day, hour, minute;
    } cases[] = {
        {60, 30, 90, 3, 9, 30},   // a column from 08:30: the start's minutes are not kept
        {60, 0, 0, 3, 8, 0},
        {60, 0, 479, 3, 15, 59},
        {60, 0, 480, 3, 16, 0},   // both columns hold x = 480; the first wins
        {60, 0, 510, 4, 8, 30},
        {33, 0, 50, 3, 9, 30},    // 50 / 33 = 1 hour, 17 * 60 / 33 = 30 minutes
        {100, 0, 250, 3, 10, 30},
    };
    for (const Case& c : cases) {
        CMagnetCtrlTitle title;
        AddTwoDays(title, c.hourWidth, 8, c.startMinute);
        EXPECT_EQ(title.XToTime(c.x), At(2000, 1, c.day, c.hour, c.minute)) << c.hourWidth << " x " << c.x;
        EXPECT_EQ(title.XToTimeOfDay(c.x), MakeTimeOfDay(c.hour, c.minute)) << c.hourWidth << " x " << c.x;
    }
}

TEST(MagnetTitleTest, PointsOutsideEveryColumn) {
    CMagnetCtrlTitle title;
    EXPECT_EQ(title.XToTime(10).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ(title.XToTimeOfDay(10), -1);
    AddTwoDays(title, 60);
    EXPECT_EQ(title.XToTime(5000), At(2000, 1, 4, 16, 0));
    EXPECT_EQ(title.XToTimeOfDay(5000), MakeTimeOfDay(16, 0));
    EXPECT_EQ(title.ColumnIndexAt(5000), -1);
    EXPECT_EQ(title.HourIndexAt(5000), -1);
    EXPECT_EQ(title.HourIndexAt(539), 0);
    EXPECT_EQ(title.HourIndexAt(540), 1);
}

TEST(MagnetTitleTest, ShortColumnsTakeNoWidth) {
    CMagnetCtrlTitle title;
    title.AddDayColumn(L"Mon", At(2000, 1, 3, 0, 0), MakeTimeOfDay(8, 0), MakeTimeOfDay(16, 0));
    title.AddDayColumn(L"Tue", At(2000, 1, 4, 0, 0), MakeTimeOfDay(8, 0), MakeTimeOfDay(8, 4));
    title.AddDayColumn(L"Wed", At(2000, 1, 5, 0, 0), MakeTimeOfDay(9, 0), MakeTimeOfDay(12, 30));
    title.LayoutColumns(60);
    const auto& columns = title.GetColumns();
    EXPECT_EQ(columns[1].m_nLeft, 0);
    EXPECT_EQ(columns[1].m_nRight, 0);
    EXPECT_EQ(columns[2].m_nLeft, 480);
    EXPECT_EQ(columns[2].m_nRight, 480 + 4 * 60);  // four hour cells for 3 1/2 hours
    EXPECT_EQ(title.GetTotalWidth(), 480 + 4 + 210);
    EXPECT_EQ(title.GetTotalHours(), 8 + 0 + 3);
    EXPECT_TRUE(title.HasDay(At(2000, 1, 5, 23, 0)));
    EXPECT_FALSE(title.HasDay(At(2000, 1, 6, 0, 0)));
}

TEST(MagnetTitleTest, HourBoundariesCountFromContentZero) {
    CMagnetCtrlTitle title;
    title.AddDayColumn(L"Mon", At(2000, 1, 3, 0, 0), MakeTimeOfDay(8, 30), MakeTimeOfDay(16, 0));
    title.LayoutColumns(60);
    struct Case {
        int x;
        bool boundary;
    } cases[] = {{0, true}, {2, true}, {3, false}, {57, false}, {58, true}, {120, true}, {30, false}};
    for (const Case& c : cases) EXPECT_EQ(title.IsAtHourBoundary(c.x), c.boundary) << c.x;
}

class MagnetTitleWindowTest : public PlannerTest {};

TEST_F(MagnetTitleWindowTest, HighlightWithFlagZeroAlwaysClears) {
    BoardHost host;
    CMagnetCtrlTitle& title = host.control.GetPane(0).GetTitle();
    title.ClearDayColumns();
    AddTwoDays(title, 60);
    struct Step {
        WPARAM flag;
        int x;
        int column, hour;
    } steps[] = {
        {0, 130, -1, -1},  // nothing highlighted: flag 0 still clears, it never highlights
        {1, 130, 0, 2},
        {1, 500, 1, 0},
        {0, 130, -1, -1},
        {1, 9999, -1, -1},
    };
    for (const Step& s : steps) {
        title.SendMessage(WM_MB_HIGHLIGHT, s.flag, s.x);
        EXPECT_EQ(title.GetHighlightColumn(), s.column) << s.flag << " " << s.x;
        EXPECT_EQ(title.GetHighlightHour(), s.hour) << s.flag << " " << s.x;
    }
}

// Each day in view shows its name (dark text pixels within its caption band): with three-hour days
// whose bands are narrower than the dated captions, where the caption is shortened with an
// ellipsis, and with eight-hour days whose captions fit.
TEST_F(MagnetTitleWindowTest, EveryDayShowsItsCaptionAlsoWhenTheBandIsNarrow) {
    BoardHost host;
    CMagnetCtrlTitle& title = host.control.GetPane(0).GetTitle();
    const wchar_t* captions[] = {L"Monday 05/10/2026", L"Tuesday 06/10/2026", L"Wednesday 07/10/2026"};
    struct Case {
        int endHour;
        const char* picture;
    } cases[] = {{11, "magnet_title_narrow_days.png"}, {16, "magnet_title_wide_days.png"}};
    for (const Case& c : cases) {
        title.ClearDayColumns();
        for (int d = 0; d < 3; ++d)
            title.AddDayColumn(captions[d], At(2026, 10, 5 + d, 0, 0), MakeTimeOfDay(8, 0), MakeTimeOfDay(c.endHour, 0));
        title.LayoutColumns(40);
        title.Invalidate();
        title.UpdateWindow();
        CClientDC dc(&title);
        for (const CDayColumn& column : title.GetColumns()) {
            bool text = false;
            for (int y = 4; y < 20 && !text; ++y)
                for (int x = column.m_nLeft + 4; x < column.m_nRight - 4 && !text; ++x) {
                    const COLORREF colour = dc.GetPixel(x, y);
                    text = GetRValue(colour) + GetGValue(colour) + GetBValue(colour) < 300;
                }
            EXPECT_TRUE(text) << "day end " << c.endHour << ", " << column.m_strCaption.ToUtf8();
        }
        vorn_test::SavePicture(&title, c.picture);
    }
}

namespace {
// Records the kinds of the frame's broadcasts and each direct refresh (kRefresh) in their order.
constexpr int kRefresh = -1;
class CUpdateRecorder : public IModelHost {
public:
    void BroadcastUpdate(int kind) override { calls.push_back(kind); }
    void RefreshPages(PageRefresh) override { calls.push_back(kRefresh); }
    std::vector<int> calls;
};
}  // namespace

TEST_F(MagnetTitleWindowTest, CaptionMenuSetsTheModeAndRefreshes) {
    CUpdateRecorder recorder;
    ModelServices services;
    services.settings = &m_settings;
    services.host = &recorder;
    m_data.SetServices(services);
    BoardHost host;
    CMagnetCtrl& control = host.control;
    CMagnetCtrlTitle& title = control.GetPane(0).GetTitle();
    title.ClearDayColumns();
    AddTwoDays(title, 60);
    const int hourCaption = title.MeasureCaptionWidth();
    UINT chosen = 0;
    std::vector<UINT> checked;
    int shown = 0;
    SetMenuChooser([&](CMenuTrackRequest& request) -> UINT {
        ++shown;
        CMenu* menu = CMenu::FromHandle(request.hMenu);
        for (UINT id : {ID_TIME_AXIS_HOURS, ID_TIME_AXIS_LESSONS})
            if (menu->GetMenuState(id, MF_BYCOMMAND) & MF_CHECKED) checked.push_back(id);
        return chosen;
    });
    struct Step {
        UINT chosen;
        std::vector<UINT> checkedBefore;
        int mode;
        std::vector<int> calls;
    } steps[] = {
        {ID_TIME_AXIS_LESSONS, {ID_TIME_AXIS_HOURS}, 1, {0, 1}},
        {0, {ID_TIME_AXIS_LESSONS}, 1, {}},  // the menu closed without a choice
        {ID_TIME_AXIS_HOURS, {ID_TIME_AXIS_LESSONS}, 0, {kRefresh, 1}},
    };
    for (const Step& s : steps) {
        chosen = s.chosen;
        checked.clear();
        recorder.calls.clear();
        vorn_test::Click(&title, CPoint(100, 10), Qt::RightButton);
        vorn_test::ProcessEvents();
        EXPECT_EQ(checked, s.checkedBefore) << s.chosen;
        EXPECT_EQ(m_settings.GetCaptionMode(), s.mode) << s.chosen;
        EXPECT_EQ(recorder.calls, s.calls) << s.chosen;
        if (s.chosen == ID_TIME_AXIS_LESSONS) {
            // Lesson captions are wider; the next layout widens the hour cells to fit them.
            EXPECT_GT(title.MeasureCaptionWidth(), hourCaption);
            control.SetHourWidth(1);
            control.LayoutBoard();
            EXPECT_EQ(control.GetHourWidth(), title.MeasureCaptionWidth());
        }
    }
    // Back to plain hours the hour cells shrink to the plain caption.
    EXPECT_EQ(control.GetHourWidth(), std::max(hourCaption, control.GetMinHourWidth()));

    // With two chime sets the strip offers no menu.
    m_data.m_arrChimeSets.push_back(CChimeSet());
    m_data.m_arrChimeSets.push_back(CChimeSet());
    const int before = shown;
    vorn_test::Click(&title, CPoint(100, 10), Qt::RightButton);
    vorn_test::ProcessEvents();
    EXPECT_EQ(shown, before);
    SetMenuChooser(nullptr);
}
