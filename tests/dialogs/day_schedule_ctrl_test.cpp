// The day-schedule control driven by the mouse and the label editor: boundary drags, splits
// and merges on the marker strip, labels, and the scroll range.
#include <gtest/gtest.h>

#include <vector>

#include "../controls/language_pack_fixture.h"
#include "../controls/test_host.h"
#include "../platform/core/pinned_time_zone.h"
#include "controls/filter_edit.h"
#include "dialogs/day_schedule_ctrl.h"
#include "model/time_values.h"
#include "platform/core/load_res_string.h"
#include "platform/ui/scripted_answerer.h"
#include "platform/ui/test_support.h"
#include "resource_ids.h"

namespace {

__time64_t At(int hour, int minute) { return MakeTimeOfDay(hour, minute); }

// At 30 minutes per row of 36 pixels the grid starts at 07:30: 08:00 is at y 36, 08:45 at 90,
// 09:00 at 108, 09:30 at 144. The marker strip runs from x 55 to 69.
class DayScheduleCtrlTest : public EnglishPackTest {
protected:
    void SetUp() override {
        EnglishPackTest::SetUp();
        host = std::make_unique<TestHost>(320, 420);
        ctrl.m_model.m_tDayStart = At(8, 0);
        ctrl.AddInterval(45, L"");
        ctrl.AddInterval(15, L"");
        ctrl.AddInterval(30, L"");
        ctrl.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 400), host.get(), CDayScheduleCtrl::kControlId);
        ctrl.UpdateWindow();
    }
    void TearDown() override {
        CDayScheduleCtrl::CloseEditor();
        ctrl.DestroyWindow();
        host.reset();
        EnglishPackTest::TearDown();
    }
    std::vector<int> Minutes() const {
        std::vector<int> result;
        for (const auto& interval : ctrl.m_model.m_arrIntervals) result.push_back(static_cast<int>(interval.m_tLength / 60));
        return result;
    }
    // Press, move and release with the mouse resting first where it is pressed.
    void Drag(CPoint from, CPoint to) {
        vorn_test::MouseMove(&ctrl, from);
        vorn_test::MousePress(&ctrl, from);
        vorn_test::MouseMove(&ctrl, CPoint((from.x + to.x) / 2, (from.y + to.y) / 2), Qt::LeftButton);
        vorn_test::MouseMove(&ctrl, to, Qt::LeftButton);
        vorn_test::ProcessEvents();
        vorn_test::MouseRelease(&ctrl, to);
        vorn_test::ProcessEvents();
    }

    CPinnedTimeZone zone{"Europe/Berlin"};
    std::unique_ptr<TestHost> host;
    CDayScheduleCtrl ctrl;
};

TEST_F(DayScheduleCtrlTest, DraggingABoundaryMovesItWithinTheLimits) {
    struct Case {
        const char* what;
        int fromY, toY;
        std::vector<int> after;
        int dayStartMinutes;  // after 08:00
    };
    const Case cases[] = {
        {"08:45 to 08:50", 91, 97, {50, 10, 30}, 0},
        {"08:45 to 08:55 leaves 5 minutes: refused", 91, 103, {45, 15, 30}, 0},
        {"08:45 to 08:30", 91, 73, {30, 30, 30}, 0},
        {"the day start to 07:45", 37, 19, {60, 15, 30}, -15},
        {"the day's end to 10:00", 145, 181, {45, 15, 60}, 0},
    };
    for (const auto& c : cases) {
        ctrl.m_model.m_tDayStart = At(8, 0);
        ctrl.m_model.Clear();
        for (int minutes : {45, 15, 30}) ctrl.AddInterval(minutes, L"");
        Drag(CPoint(150, c.fromY), CPoint(150, c.toY));
        EXPECT_EQ(Minutes(), c.after) << c.what;
        EXPECT_EQ(ctrl.m_model.m_tDayStart, At(8, 0) + c.dayStartMinutes * 60) << c.what;
        EXPECT_EQ(ctrl.m_bAtBoundary, 0) << c.what;
        EXPECT_EQ(CWnd::GetCapture(), nullptr) << c.what << ": the capture ends with the drag";
    }
}

TEST_F(DayScheduleCtrlTest, TheDragBandIsPaintedAtTheCursorWhileDragging) {
    vorn_test::MouseMove(&ctrl, CPoint(150, 91));
    vorn_test::MousePress(&ctrl, CPoint(150, 91));
    vorn_test::MouseMove(&ctrl, CPoint(150, 200), Qt::LeftButton);
    ctrl.UpdateWindow();
    vorn_test::SavePicture(&ctrl, "day_schedule_drag.png");
    EXPECT_EQ(ctrl.m_ptDrag, CPoint(150, 200));
    EXPECT_EQ(CWnd::GetCapture(), &ctrl);
    vorn_test::MouseRelease(&ctrl, CPoint(150, 200));
}

TEST_F(DayScheduleCtrlTest, ClicksOnTheMarkerStripSplitAndMerge) {
    struct Case {
        const char* what;
        CPoint press, release;
        std::vector<int> after;
    };
    const Case cases[] = {
        {"press and release in the strip inside an interval: split at 08:20", {60, 61}, {62, 61}, {20, 25, 15, 30}},
        {"press at 09:00 in the strip, release in the body: merge", {60, 109}, {150, 109}, {45, 45}},
        {"press at the day's end, release outside: nothing", {60, 145}, {150, 145}, {45, 15, 30}},
        {"press on a marker, release in the strip: nothing", {60, 86}, {60, 86}, {45, 15, 30}},
    };
    for (const auto& c : cases) {
        ctrl.m_model.Clear();
        for (int minutes : {45, 15, 30}) ctrl.AddInterval(minutes, L"");
        ctrl.UpdateWindow();
        vorn_test::MousePress(&ctrl, c.press);
        vorn_test::MouseRelease(&ctrl, c.release);
        EXPECT_EQ(Minutes(), c.after) << c.what;
    }
}

TEST_F(DayScheduleCtrlTest, AClickSelectsOneIntervalAndEmptySpaceNone) {
    vorn_test::Click(&ctrl, CPoint(150, 100));
    EXPECT_EQ(ctrl.m_model.GetFirstSelected(), 1);
    vorn_test::Click(&ctrl, CPoint(150, 60));
    EXPECT_EQ(ctrl.m_model.GetFirstSelected(), 0);
    EXPECT_EQ(ctrl.m_model.m_arrIntervals[1].m_bSelected, 0);
    vorn_test::Click(&ctrl, CPoint(150, 300));
    EXPECT_EQ(ctrl.m_model.GetFirstSelected(), -1);
}

TEST_F(DayScheduleCtrlTest, LabelEditorWritesToTheIntervalItWasOpenedOn) {
    CScriptedAnswerer answerer;
    struct Case {
        const char* what;
        const char* typed;
        bool escape;
        bool removeFirst;  // the edited interval goes before the editor reports
        const wchar_t* label;
        int messages;
    };
    const Case cases[] = {
        {"Enter keeps the typed name", "lunch", false, false, L"lunch", 0},
        {"Escape keeps the old name", "lunch", true, false, L"Break", 0},
        {"a name with the list separator is refused", "a;b", false, false, L"Break", 1},
        {"an interval that has gone takes nothing", "lunch", false, true, L"", 0},
    };
    for (const auto& c : cases) {
        ctrl.m_model.Clear();
        ctrl.AddInterval(45, L"");
        ctrl.AddInterval(15, L"Break");
        ctrl.AddInterval(30, L"");
        ctrl.UpdateWindow();
        answerer.m_messageBoxes.clear();
        vorn_test::DoubleClick(&ctrl, CPoint(150, 100));
        CFilterEdit& editor = CFilterEdit::GetInstance();
        ASSERT_TRUE(editor.GetSafeHwnd()) << c.what;
        // The owner moves the selection on; the editor still belongs to the break.
        ctrl.m_model.SelectOnly(2);
        if (c.removeFirst) ctrl.m_model.m_arrIntervals.erase(ctrl.m_model.m_arrIntervals.begin() + 1);
        for (const char* p = c.typed; *p; ++p) {
            const int key = *p == ';' ? Qt::Key_Semicolon : Qt::Key_A + (*p - 'a');
            vorn_test::KeyPress(&editor, key, QString(QChar(*p)));
        }
        vorn_test::KeyPress(&editor, c.escape ? Qt::Key_Escape : Qt::Key_Return, c.escape ? QString() : QString("\r"));
        vorn_test::ProcessEvents();
        EXPECT_EQ(ctrl.m_model.m_arrIntervals[1].m_strLabel, c.label) << c.what << ": " << ctrl.m_model.m_arrIntervals[1].m_strLabel.ToUtf8();
        EXPECT_EQ(ctrl.m_model.m_arrIntervals[c.removeFirst ? 1 : 2].m_strLabel, L"") << c.what << ": the selected one is untouched";
        ASSERT_EQ(static_cast<int>(answerer.m_messageBoxes.size()), c.messages) << c.what;
        if (c.messages) {
            EXPECT_EQ(answerer.m_messageBoxes[0].text, LoadResString(IDS_SCHEDULE_LABEL_SEMICOLON));
        }
    }
}

TEST_F(DayScheduleCtrlTest, ScrollRangeIsTheContentHeightAndPagesReachBothEnds) {
    ctrl.m_model.Clear();
    ctrl.AddInterval(480, L"");  // 08:00 to 16:00: the content ends at y 612
    ctrl.MoveWindow(0, 0, 300, 200);
    struct Case {
        int offset;
        UINT code;
        int expected;
    };
    const Case cases[] = {
        {50, SB_PAGEUP, 0},        // near the top a page up reaches the top
        {300, SB_PAGEUP, 100},
        {5, SB_LINEUP, 0},
        {100, SB_PAGEDOWN, 300},
        {400, SB_PAGEDOWN, 448},   // never past the last page
        {440, SB_LINEDOWN, 448},
        {300, SB_LINEDOWN, 310},
    };
    for (const auto& c : cases) {
        ctrl.m_model.m_nScrollOffset = c.offset;
        ctrl.UpdateScrollBar();
        SCROLLINFO info{};
        info.cbSize = sizeof(info);
        ctrl.m_scrollBar.GetScrollInfo(&info, SIF_ALL);
        EXPECT_EQ(info.nMax, 648) << "the range does not shrink while scrolled down, offset " << c.offset;
        EXPECT_EQ(static_cast<int>(info.nPage), 200);
        ctrl.SendMessage(WM_VSCROLL, MAKEWPARAM(c.code, 0), reinterpret_cast<LPARAM>(ctrl.m_scrollBar.GetSafeHwnd()));
        EXPECT_EQ(ctrl.m_model.m_nScrollOffset, c.expected) << "offset " << c.offset << " code " << c.code;
    }
}

TEST_F(DayScheduleCtrlTest, ZoomCommandsChangeTheRowsAndKeepTheIntervals) {
    ctrl.ZoomIn();
    ctrl.ZoomIn();
    EXPECT_EQ(ctrl.m_model.m_nMinutesPerRow, 10);
    ctrl.ZoomIn();
    EXPECT_EQ(ctrl.m_model.m_nMinutesPerRow, 10);
    ctrl.UpdateWindow();
    vorn_test::SavePicture(&ctrl, "day_schedule_zoomed.png");
    EXPECT_EQ(Minutes(), (std::vector<int>{45, 15, 30}));
}

}  // namespace
