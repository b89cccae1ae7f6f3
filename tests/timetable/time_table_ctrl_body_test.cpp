// The painting of the timetable body: its layers checked by pixels, the repaint of a hover, and
// pictures of the grid for people to look at (build/test-pictures/timetable_*.png).
#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <vector>

#include "../platform/ui/frame_picture.h"
#include "model/time_values.h"
#include "platform/ui/client_dc.h"
#include "platform/ui/test_support.h"
#include "resource_ids.h"
#include "timetable/draw_arrow.h"
#include "timetable/time_table_ctrl.h"
#include "timetable/time_table_messages.h"
#include "timetable_test_support.h"

namespace {

// The two colours of each background pattern (locale/English/grid_*.png).
const std::vector<COLORREF> kOutside = {RGB(206, 208, 212), RGB(186, 188, 194)};
const std::vector<COLORREF> kWorking = {RGB(255, 255, 250), RGB(236, 236, 226)};
const std::vector<COLORREF> kAbsence = {RGB(255, 226, 222), RGB(214, 110, 100)};

bool IsOneOf(COLORREF colour, const std::vector<COLORREF>& colours) {
    return std::find(colours.begin(), colours.end(), colour) != colours.end();
}

COLORREF PixelOf(CWnd& wnd, int x, int y) {
    wnd.UpdateWindow();
    CClientDC dc(&wnd);
    return dc.GetPixel(x, y);
}

}  // namespace

class BodyPaintTest : public TimetableTest {
protected:
    void SetUp() override {
        TimetableTest::SetUp();
        CEntity entity(MakeTimeOfDay(8, 0), 5);
        entity.m_nId = 1;
        entity.m_nType = 1;
        entity.m_strName = L"Ada Brook";
        m_data.m_arrEntities.push_back(entity);
        m_data.SetStartDate(At(2024, 9, 2, 0, 0));
        m_data.m_nDays = 5;
        m_data.m_tDayStart = MakeTimeOfDay(7, 0);
    }
    // The grid showing entity 1 in the first pane.
    void Show(GridHost& host) {
        host.control.SetDayRange(5, At(2024, 9, 2, 0, 0), MakeTimeOfDay(7, 0));
        host.control.GetTitle().LayoutColumns(0);
        FillPaneForEntity(host.control, 0, m_data, 1);
    }
    // A body x inside column c, right of the day strip and away from items.
    static int ColumnX(CTimeTableCtrl& control, int c) {
        const auto& column = control.GetTitle().GetColumns()[c];
        return control.GetTitle().GetColumnLeft(column) + column.GetEffectiveWidth() - 6;
    }
};

TEST_F(BodyPaintTest, WorkingTimeAbsencesAndEmptyRanges) {
    struct Case {
        const char* name;
        int unavailable;
        bool wholeDayAbsence;
        bool partAbsence;
        bool emptyRange;
        int hour;  // sampled at 07:00 + hour... in column 1
        const std::vector<COLORREF>* expected;
    };
    const Case cases[] = {
        {"working time", 0, false, false, false, 10, &kWorking},
        {"before the working time", 0, false, false, false, 7, &kOutside},
        {"an empty range shows only the outside", 0, false, false, true, 10, &kOutside},
        {"a whole-day absence", 0, true, false, false, 10, &kAbsence},
        {"a part-day absence", 0, false, true, false, 10, &kAbsence},
        {"beside a part-day absence", 0, false, true, false, 13, &kWorking},
        {"unavailable: every range is an absence", 1, false, false, false, 10, &kAbsence},
        {"unavailable: part-day absences are not drawn apart", 1, false, true, false, 13, &kAbsence},
    };
    for (const Case& c : cases) {
        CEntity& entity = m_data.m_arrEntities.front();
        entity.m_bUnavailable = c.unavailable;
        entity.m_arrAbsences.clear();
        if (c.wholeDayAbsence || c.partAbsence) {
            CAbsence absence;
            absence.m_bWholeDay = c.wholeDayAbsence;
            absence.m_dtStart = c.wholeDayAbsence ? At(2024, 9, 3, 0, 0) : At(2024, 9, 3, 9, 30);
            absence.m_tsLength = COleDateTimeSpan(0, c.wholeDayAbsence ? 24 : 2, 0, 0);
            entity.m_arrAbsences.push_back(absence);
        }
        GridHost host;
        Show(host);
        if (c.emptyRange) {
            auto& column = host.control.GetTitle().GetColumns()[1];
            column.m_dtRangeEnd[0] = column.m_dtRangeStart[0];
        }
        CTimeTableCtrlBody& body = host.control.GetPane(0).GetBody();
        body.Invalidate();
        const int y = host.control.GetPane(0).GetHeader().TimeToY(At(2024, 9, 3, c.hour, 10));
        EXPECT_TRUE(IsOneOf(PixelOf(body, ColumnX(host.control, 1), y), *c.expected)) << c.name;
    }
}

TEST_F(BodyPaintTest, DayStripsShowTheDragState) {
    GridHost host;
    Show(host);
    CTimeTableCtrl& control = host.control;
    CTimeTableCtrlBody& body = control.GetPane(0).GetBody();
    int left = 0, right = 0;
    control.GetTitle().GetDayExtent(0, At(2024, 9, 3, 0, 0), left, right);
    const int y = control.GetPane(0).GetHeader().TimeToY(At(2024, 9, 3, 12, 0));
    EXPECT_EQ(PixelOf(body, left, y), RGB(0, 0, 0));  // the frame
    EXPECT_EQ(PixelOf(body, left + 3, y), GetSysColor(COLOR_WINDOW));

    // A drag of an activity whose members are free from 10:00 to 14:00 on Tuesday.
    auto& column = control.GetTitle().GetColumns()[1];
    column.m_tsFreeStart[0] = COleDateTimeSpan(0, 2, 0, 0);
    column.m_tsFreeEnd[0] = COleDateTimeSpan(0, 2, 0, 0);
    body.m_bDragging = 1;
    body.m_nDragMode = CTimeTableCtrlBody::kDragMove;
    body.Invalidate();
    const COLORREF free = PixelOf(body, left + 3, y);
    EXPECT_EQ(GetRValue(free), 0);
    EXPECT_GT(GetGValue(free), 128);
    const COLORREF blocked = PixelOf(body, left + 3, control.GetPane(0).GetHeader().TimeToY(At(2024, 9, 3, 9, 0)));
    EXPECT_EQ(GetRValue(blocked), 255);
    EXPECT_GT(GetGValue(blocked), 128);
    EXPECT_LT(GetBValue(blocked), 65);
}

TEST_F(BodyPaintTest, TheCurrentTimeShowsOnlyWithTheClockInThePlansDaytime) {
    struct Case {
        const char* name;
        int clock;
        COleDateTime now;
        bool marker;
    };
    const Case cases[] = {
        {"clock on, Tuesday 10:30", 1, At(2024, 9, 3, 10, 30), true},
        {"clock off", 0, At(2024, 9, 3, 10, 30), false},
        {"clock on, after 18:00", 1, At(2024, 9, 3, 18, 10), false},
        {"clock on, a week later", 1, At(2024, 9, 10, 10, 30), false},
    };
    for (const Case& c : cases) {
        GridHost host;
        Show(host);
        CTimeTableCtrl& control = host.control;
        control.SetClockFlag(c.clock);
        control.SetClock([&c] { return c.now; });
        CTimeTableCtrlBody& body = control.GetPane(0).GetBody();
        body.Invalidate();
        const int y = control.GetPane(0).GetHeader().TimeToY(At(2024, 9, 3, c.now.GetHour(), c.now.GetMinute())) + 3;
        const COLORREF pixel = PixelOf(body, ColumnX(control, 1) - 10, y);
        const bool marked = GetRValue(pixel) == 255 && GetBValue(pixel) < 200 && GetGValue(pixel) > 100;
        EXPECT_EQ(marked, c.marker) << c.name;
    }
}

TEST_F(BodyPaintTest, HoverRepaintsOnlyTheItemsItLeavesAndEnters) {
    GridHost host;
    Show(host);
    CTimeTableCtrlView& pane = host.control.GetPane(0);
    pane.m_arrItems = {MakeItem(L"Maths", At(2024, 9, 2, 9, 0), 60), MakeItem(L"Art", At(2024, 9, 4, 11, 0), 60)};
    pane.SortItems();
    CTimeTableCtrlBody& body = pane.GetBody();
    body.UpdateWindow();
    const CRect first = pane.m_arrItems[0].m_rect, second = pane.m_arrItems[1].m_rect;

    struct Step {
        CPoint point;
        CRect update;  // the area to repaint; empty for none
    };
    const Step steps[] = {
        {first.CenterPoint(), CRect(first.left, first.top, first.right + 2, first.bottom)},
        {first.CenterPoint() + CPoint(3, 3), CRect()},
        {second.CenterPoint(), CRect(first.left, first.top, second.right + 2, second.bottom)},
        {CPoint(2, 2), CRect(second.left, second.top, second.right + 2, second.bottom)},
        {CPoint(3, 3), CRect()},
    };
    for (const Step& s : steps) {
        vorn_test::MouseMove(&body, s.point);
        CRect update;
        body.GetUpdateRect(&update);
        EXPECT_EQ(update, s.update) << s.point.x << "," << s.point.y;
        body.UpdateWindow();
    }
    // The item under the pointer shows its title box inverted.
    vorn_test::MouseMove(&body, first.CenterPoint());
    body.UpdateWindow();
    EXPECT_EQ(body.GetCurrentPoint(), first.CenterPoint());
}

TEST_F(BodyPaintTest, BlinkTimerFlipsThePhaseOnlyWhileDragging) {
    GridHost host;
    Show(host);
    CTimeTableCtrlView& pane = host.control.GetPane(0);
    pane.m_arrItems = {MakeItem(L"Maths", At(2024, 9, 2, 9, 0), 60), MakeItem(L"Art", At(2024, 9, 4, 11, 0), 60)};
    pane.SortItems();
    pane.m_arrItems[1].m_nSwapMark = 17;
    CTimeTableCtrlBody& body = pane.GetBody();
    body.UpdateWindow();
    body.m_bDragging = 1;
    body.SendMessage(WM_TIMER, CTimeTableCtrlBody::kBlinkTimer, 0);
    EXPECT_EQ(body.m_nBlinkPhase, 1);
    CRect update;
    body.GetUpdateRect(&update);
    EXPECT_EQ(update, pane.m_arrItems[1].m_rect);  // only the marked item flashes
    body.SendMessage(WM_TIMER, CTimeTableCtrlBody::kBlinkTimer, 0);
    EXPECT_EQ(body.m_nBlinkPhase, 0);
    body.m_bDragging = 0;
    body.SendMessage(WM_TIMER, CTimeTableCtrlBody::kBlinkTimer, 0);
    EXPECT_EQ(body.m_nBlinkPhase, 0);
    EXPECT_FALSE(body.KillTimer(body.m_nTimerId));  // the timer died at its tick
}

TEST(DrawArrowTest, LineAndHeadOfFifteenPixels) {
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    bitmap.CreateBitmap(140, 60, 1, 32, nullptr);
    CBitmap* old = dc.SelectObject(&bitmap);
    const COLORREF white = RGB(255, 255, 255), red = RGB(255, 0, 0);
    dc.FillSolidRect(0, 0, 140, 60, white);
    DrawArrow(&dc, 30, 30, 30, 30, red);
    EXPECT_EQ(dc.GetPixel(30, 30), white);  // equal points draw nothing

    DrawArrow(&dc, 10, 30, 110, 30, red);
    struct Case {
        int x, y;
        bool drawn;
    };
    // The base lies 21.9 pixels back from the tip (x = 88 cut toward zero), 15 pixels wide.
    const Case cases[] = {{50, 29, true},  {50, 25, false}, {90, 24, true},  {89, 17, false},
                          {83, 22, false}, {105, 30, true}, {100, 27, true}, {115, 30, false}};
    for (const Case& c : cases) EXPECT_EQ(dc.GetPixel(c.x, c.y) == red, c.drawn) << c.x << "," << c.y;
    vorn_test::SavePicture(&dc, "timetable_arrow.png");
    dc.SelectObject(old);
}
