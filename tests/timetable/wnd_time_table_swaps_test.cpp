// Swaps by mouse on the timetable page: a release over an item with mark 17 exchanges the two
// lessons, one with mark 18 rotates three through the chooser; the page writes the result back
// as one undo step with the plan check, and a cancelled chooser writes nothing.
#include "time_table_page_fixture.h"

#include "model/time_values.h"
#include "timetable_test_support.h"

namespace {

using vorn_test::MouseMove;
using vorn_test::MousePress;
using vorn_test::MouseRelease;

class TimeTableSwapTest : public TimeTablePageTest {
protected:
    void TearDown() override {
        CTimeTableCtrlView::s_swapChooser = nullptr;
        TimeTablePageTest::TearDown();
    }
    // Drags the item by its move strip until its top left corner lies over the other item.
    void DragOnto(int moved, int other) {
        const CPoint grab = InItem(moved, 3, 10);
        const CRect& from = Pane().m_arrItems[moved].m_rect;
        const CRect& to = Pane().m_arrItems[other].m_rect;
        const CPoint release(grab.x + to.left - from.left + 2, grab.y + to.top - from.top + 2);
        MousePress(&Body(), grab);
        MouseMove(&Body(), CPoint(grab.x + 4, grab.y + 4), Qt::LeftButton);
        MouseMove(&Body(), release, Qt::LeftButton);
        MouseRelease(&Body(), release);
        vorn_test::ProcessEvents();
    }
    COleDateTime StartOf(std::uint64_t serial) { return Data().FindEntryBySerial(serial)->m_dtStart; }
    // The entry of the activity at the start is in the document.
    bool HasEntryAt(int activity, const COleDateTime& start) {
        return Data().FindEntryAt(activity, start) != Data().m_arrEntries.end();
    }
};

TEST_F(TimeTableSwapTest, AReleaseOnAMarkedLessonExchangesTheTwoAsOneUndoStep) {
    ShowWeek(false);
    const int w = FindItemOf(maths), x = FindItemOf(art);
    ASSERT_GE(w, 0);
    ASSERT_GE(x, 0);
    const int refreshes = host.refreshes;

    DragOnto(w, x);
    EXPECT_EQ(CompareTimesApprox(StartOf(maths), At(2000, 1, 3, 10, 0)), 0);
    EXPECT_EQ(CompareTimesApprox(StartOf(art), At(2000, 1, 3, 8, 0)), 0);
    EXPECT_TRUE(Data().HasUndoSnapshot());
    EXPECT_GT(host.refreshes, refreshes) << "the plan check ran";

    // One undo brings both lessons back.
    Data().Undo(TRUE);
    vorn_test::ProcessEvents();
    EXPECT_TRUE(HasEntryAt(10, At(2000, 1, 3, 8, 0)));
    EXPECT_TRUE(HasEntryAt(11, At(2000, 1, 3, 10, 0)));
}

TEST_F(TimeTableSwapTest, AThreeWayRotationIsChosenAndWrittenBackOrCancelled) {
    for (const bool cancel : {false, true}) {
        const char* name = cancel ? "cancelled" : "chosen";
        ShowWeek(true);
        const int w = FindItemOf(maths), x = FindItemOf(art);
        ASSERT_GE(w, 0);
        ASSERT_GE(x, 0);
        int calls = 0;
        std::vector<std::uint64_t> offered;
        CTimeTableCtrlView::s_swapChooser = [&](CWnd&, const std::vector<CSwapCandidate>& candidates,
                                                const std::vector<CSwapFreeSlot>& freeSlots) {
            ++calls;
            (void)freeSlots;
            for (const CSwapCandidate& candidate : candidates) offered.push_back(candidate.m_nEntry);
            CSwapChoice choice;
            choice.m_bOk = cancel ? 0 : 1;
            choice.m_bCandidate = 1;
            choice.m_nEntry = music;
            return choice;
        };
        const int refreshes = host.refreshes;

        DragOnto(w, x);
        EXPECT_EQ(calls, 1) << name;
        EXPECT_EQ(offered, std::vector<std::uint64_t>{music}) << name;
        if (cancel) {
            EXPECT_EQ(CompareTimesApprox(StartOf(maths), At(2000, 1, 3, 8, 0)), 0) << name;
            EXPECT_EQ(CompareTimesApprox(StartOf(art), At(2000, 1, 3, 10, 0)), 0) << name;
            EXPECT_FALSE(Data().HasUndoSnapshot()) << name;
            EXPECT_EQ(host.refreshes, refreshes) << name << ": no plan check";
            EXPECT_EQ(Body().m_bToolTips, 1) << name;
            continue;
        }
        // Maths takes Art's hour, Art Music's, Music Maths's.
        EXPECT_EQ(CompareTimesApprox(StartOf(maths), At(2000, 1, 3, 10, 0)), 0) << name;
        EXPECT_EQ(CompareTimesApprox(StartOf(art), At(2000, 1, 4, 8, 0)), 0) << name;
        EXPECT_EQ(CompareTimesApprox(StartOf(music), At(2000, 1, 3, 8, 0)), 0) << name;
        EXPECT_TRUE(Data().HasUndoSnapshot()) << name;
        EXPECT_GT(host.refreshes, refreshes) << name;
        EXPECT_EQ(Body().m_bToolTips, 1) << name << ": the refill turned the tips back on";
        Data().Undo(TRUE);
        vorn_test::ProcessEvents();
        for (const auto& [activity, start] : {std::pair{10, At(2000, 1, 3, 8, 0)}, std::pair{11, At(2000, 1, 3, 10, 0)},
                                              std::pair{12, At(2000, 1, 4, 8, 0)}})
            EXPECT_TRUE(HasEntryAt(activity, start)) << name << " undone, activity " << activity;
    }
}

// The marks of a press are gone when it ends: a later press that moves Maths and Art together
// swaps nothing, although Maths offered a swap while Art alone was pressed.
TEST_F(TimeTableSwapTest, MarksOfAnEarlierPressDoNotSwapSelectedLessons) {
    ShowWeek(false);
    const int m = FindItemOf(maths), a = FindItemOf(art);
    ASSERT_GE(m, 0);
    ASSERT_GE(a, 0);
    const CPoint grab = InItem(a, 3, 10);
    MousePress(&Body(), grab);
    ASSERT_EQ(Pane().m_arrItems[m].m_nSwapMark, 17) << "Maths and Art can change places";
    MouseRelease(&Body(), grab);
    vorn_test::ProcessEvents();
    for (const CTimeTableItem& item : Pane().m_arrItems) EXPECT_EQ(item.m_nSwapMark, 0);

    for (const int item : {m, a}) {
        const CPoint p = InItem(item, 20, 20);
        MousePress(&Body(), p, Qt::LeftButton, Qt::ControlModifier);
        MouseRelease(&Body(), p, Qt::LeftButton, Qt::ControlModifier);
    }
    ASSERT_TRUE(Pane().m_arrItems[m].m_bSelected && Pane().m_arrItems[a].m_bSelected);
    MousePress(&Body(), grab);
    MouseMove(&Body(), CPoint(grab.x + 4, grab.y + 4), Qt::LeftButton);
    MouseRelease(&Body(), CPoint(grab.x + 4, grab.y + 4));
    vorn_test::ProcessEvents();
    EXPECT_EQ(CompareTimesApprox(StartOf(maths), At(2000, 1, 3, 8, 0)), 0);
    EXPECT_EQ(CompareTimesApprox(StartOf(art), At(2000, 1, 3, 10, 0)), 0);
}

}  // namespace

namespace {

// A swap applied in the second pane leaves its tips off until the page refills that pane.
TEST_F(TimeTableSwapTest, ARefillTurnsTheSecondPanesTipsBackOn) {
    ShowWeek(false);
    Pane(1).GetBody().SetToolTipsOn(0);
    Page().FillView(1, 1);
    EXPECT_EQ(Pane(1).GetBody().m_bToolTips, 1);
    EXPECT_EQ(Pane(0).GetBody().m_bToolTips, 1);
}

// A teacher's lesson dragged on the page: the press built the clash blocks and the first move
// the blocked times, which the body shows while the drag lasts.
TEST_F(TimeTableSwapTest, PictureOfADragWithBlockedTimesAndClashBlocks) {
    Load("school-dated.xml");
    int teacher = 0;
    std::size_t most = 0;
    for (const CEntity& entity : Data().m_arrEntities) {
        if (entity.m_nType != 1 || entity.m_arrAbsences.empty()) continue;
        std::size_t count = 0;
        for (const CTimetableEntry& entry : Data().m_arrEntries) count += entity.TakesPartIn(Data(), entry) ? 1 : 0;
        if (count > most) most = count, teacher = entity.m_nId;
    }
    ASSERT_NE(teacher, 0) << "a teacher with absences";
    Data().m_nCurrentEntity = teacher;
    RecheckAndRefresh(Data(), TRUE);
    ShowTimeTable();
    const int index = FindEntryItem();
    ASSERT_GE(index, 0);
    const CPoint grab = InItem(index, 3, 10);
    const int hour = Pane().GetHeader().GetHourHeight();
    MousePress(&Body(), grab);
    MouseMove(&Body(), CPoint(grab.x + 5, grab.y + 5), Qt::LeftButton);
    MouseMove(&Body(), CPoint(grab.x + 60, grab.y + 2 * hour + hour / 3), Qt::LeftButton);
    EXPECT_EQ(Body().m_bDragging, 1);
    EXPECT_FALSE(Pane().m_arrBlockedTimes.empty() && Pane().m_arrClashBlocks.empty());
    SaveFramePicture("timetable_page_drag_feedback.png");
    MouseMove(&Body(), grab, Qt::LeftButton);
    MouseRelease(&Body(), grab);
    EXPECT_FALSE(Data().HasUndoSnapshot());
}

}  // namespace
