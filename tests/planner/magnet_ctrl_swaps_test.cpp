// Swaps on the magnet board: the marks a drag gives the other magnets of the row, a direct
// exchange by mouse, rotations through a scripted swap chooser (with its preview) and the texts
// of the chooser's free hours.
#include <gtest/gtest.h>

#include <QWidget>

#include <algorithm>
#include <vector>

#include "magnet_page_fixture.h"
#include "model/time_values.h"
#include "planner/magnet_messages.h"
#include "platform/core/load_res_string.h"
#include "resource_ids.h"

namespace {

// One lesson of class 4 (or of class 2 for activity 30) in the week from Monday 3 January 2000.
struct Lesson {
    int activity;
    int day;
    int hour;
    int state = 2;
};

// The page with its child windows, as a user sees it, saved in the test pictures.
bool SavePagePicture(CWnd* page, const char* name) {
    vorn_test::ProcessEvents();
    const CString path = vorn_test::PicturePath(name);
    return page && page->GetWidget()->grab().save(QString::fromStdWString(path.GetString()));
}

// A chooser that records what it was offered and gives a fixed answer; before answering it
// highlights its first row as the dialog does, sending the preview messages to the board.
struct ScriptedChooser {
    CSwapChoice answer;
    // Answer with the free time at this start instead of the fixed answer's.
    COleDateTime freeTime;
    int calls = 0;
    std::vector<CSwapCandidate> candidates;
    std::vector<CSwapFreeSlot> freeSlots;
    const char* picture = nullptr;  // saved while the preview shows
    int previewWhileOpen = -1;
    int thirdWhileOpen = -2;
    int toolTipsWhileOpen = -1;
    bool pointsWhileOpen = false;

    SwapChooserFn Install(CMagnetCtrl& control) {
        return [this, &control](CWnd& board, const std::vector<CSwapCandidate>& c, const std::vector<CSwapFreeSlot>& f) {
            ++calls;
            candidates = c;
            freeSlots = f;
            if (!c.empty()) {
                board.SendMessage(WM_MB_SWAP_CANDIDATE, static_cast<WPARAM>(c.front().m_nEntry), 0);
                board.SendMessage(WM_MB_SWAP_PREVIEW_SHOW, 0, 0);
                previewWhileOpen = control.m_bSwapPreview;
                thirdWhileOpen = control.m_nThirdMagnet;
                toolTipsWhileOpen = control.GetPane(0).GetBody().m_bToolTips;
                CPoint t, p, d;
                pointsWhileOpen = control.GetSwapPreviewPoints(t, p, d);
                if (picture) SavePagePicture(control.GetPage(), picture);
                board.SendMessage(WM_MB_SWAP_PREVIEW_HIDE, 0, 0);
            }
            return answer;
        };
    }
};

// Class 4 and teachers 5, 6 and 7, who can each be in one place at a time, on the page's week
// template: activities 20 (class 4, teacher 5), 21 (class 4, teacher 6), 22 (class 4, teacher
// 7) and 30 (class 2, teacher 7). Each test plans the lessons it needs.
class MagnetSwapTest : public MagnetPageTest {
protected:
    void SetUp() override {
        MagnetPageTest::SetUp();
        AddEntity(4, 0).m_nOverlaps = 0;
        for (int teacher = 5; teacher <= 7; ++teacher) AddEntity(teacher, 1).m_nOverlaps = 1;
        AddActivity(20, 0, {4, 5});
        AddActivity(21, 0, {4, 6});
        AddActivity(22, 0, {4, 7});
        AddActivity(30, 0, {2, 7});
    }
    void TearDown() override {
        CMagnetCtrl::s_swapChooser = nullptr;
        MagnetPageTest::TearDown();
    }
    void Plan(const std::vector<Lesson>& lessons) {
        for (const Lesson& lesson : lessons) AddEntry(lesson.activity, lesson.day, lesson.hour, 60, lesson.state);
        m_page->Update(4);
        Control().SelectRow(4);
    }
    // Teacher 7 works only from 09:00 to 10:00 on Monday and Wednesday.
    void KeepTeacherSevenToNineOClock() {
        CEntity& teacher = *m_data.FindEntity(7);
        for (int i = 0; i < CMagnetRow::kDaySlots; ++i) teacher.m_tDayStart[i] = teacher.m_tDayEnd[i] = MakeTimeOfDay(9, 0);
        for (const int day : {0, 2}) teacher.m_tDayEnd[day] = MakeTimeOfDay(10, 0);
    }
    // The index of class 4's magnet that starts on the day.
    int MagnetOn(int day) {
        const auto& magnets = Control().GetRow(4)->m_arrMagnets;
        for (std::size_t i = 0; i < magnets.size(); ++i)
            if (magnets[i].m_dtEntryStart.GetDay() == 3 + day) return static_cast<int>(i);
        ADD_FAILURE() << "no magnet on day " << day;
        return 0;
    }
    CMagnetItem& Row4(int index) { return Control().GetRow(4)->m_arrMagnets[index]; }
    // Client points of a magnet in the first pane's body: its move grip and its middle.
    CPoint Grip(int index) {
        const CRect& r = Row4(index).m_rect;
        return {r.left + 5 - Control().GetPane(0).GetHorizontalOffset(), r.top + 20 - Control().GetVerticalOffset()};
    }
    CPoint Middle(int index) {
        const CPoint c = Row4(index).m_rect.CenterPoint();
        return {c.x - Control().GetPane(0).GetHorizontalOffset(), c.y - Control().GetVerticalOffset()};
    }
    // Selects the magnet starting on the day and presses its grip: the drag begins.
    void PressGrip(int day) {
        CMagnetCtrlBody& body = Control().GetPane(0).GetBody();
        vorn_test::Click(&body, Grip(MagnetOn(day)));
        vorn_test::MousePress(&body, Grip(MagnetOn(day)));
        ASSERT_EQ(Control().m_nDragMode, CMagnetCtrl::kDragMove);
    }
    // Drags the magnet starting on one day onto the one starting on another and releases it.
    void DragOnto(int fromDay, int toDay) {
        CMagnetCtrlBody& body = Control().GetPane(0).GetBody();
        PressGrip(fromDay);
        const CPoint to = Middle(MagnetOn(toDay));
        vorn_test::MouseMove(&body, to, Qt::LeftButton);
        vorn_test::MouseRelease(&body, to);
        vorn_test::ProcessEvents();
    }
    COleDateTime StartOf(int activity) { return FindStart(activity); }
};

// The lessons of a rotation: 20 can take 22's Wednesday, but 22 cannot take 20's Monday, where
// its teacher already has 30; 21 on Tuesday can go to Monday, and 22 to Tuesday.
const std::vector<Lesson> kRotation = {{20, 0, 9}, {21, 1, 9}, {22, 2, 9}, {30, 0, 9}};

TEST_F(MagnetSwapTest, MarksOfTheRowWhileAMagnetIsDragged) {
    struct Case {
        const char* name;
        std::vector<Lesson> lessons;
        int targetDay;
        int mark;
        bool teacherSevenAtNineOnly = false;
    } cases[] = {
        {"both free at each other's hour", {{20, 0, 9}, {21, 1, 9}}, 1, 17},
        {"the target is locked (state 5)", {{20, 0, 9}, {21, 1, 9, 5}}, 1, 0},
        {"the target is state 9", {{20, 0, 9}, {21, 1, 9, 9}}, 1, 0},
        {"the same activity", {{20, 0, 9}, {20, 1, 9}}, 1, 0},
        {"through a third magnet", kRotation, 2, 18},
        {"a direct exchange beside a rotation", kRotation, 1, 17},
        {"through a free hour of the target's teacher", {{20, 0, 9}, {22, 2, 9}, {30, 0, 9}}, 2, 18},
        {"no third place", {{20, 0, 9}, {22, 2, 9}, {30, 0, 9}}, 2, 19, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_data.m_arrEntries.clear();
        if (c.teacherSevenAtNineOnly) KeepTeacherSevenToNineOClock();
        Plan(c.lessons);
        PressGrip(0);
        EXPECT_EQ(Row4(MagnetOn(c.targetDay)).m_nSwapMark, c.mark);
        EXPECT_EQ(Row4(MagnetOn(0)).m_nSwapMark, 0);  // the dragged magnet itself
        vorn_test::MouseRelease(&Control().GetPane(0).GetBody(), Grip(MagnetOn(0)));
    }
}

// A group magnet's release always moves it, so its drag marks nothing it could be swapped with.
TEST_F(MagnetSwapTest, AGroupMagnetsDragMarksNothing) {
    AddGroup(40);
    AddActivity(23, 40, {4, 5});
    Plan({{23, 0, 9}, {21, 1, 9}});
    ASSERT_TRUE(Row4(MagnetOn(0)).m_bGroupItem);
    PressGrip(0);
    EXPECT_EQ(Row4(MagnetOn(1)).m_nSwapMark, 0);
    vorn_test::MouseRelease(&Control().GetPane(0).GetBody(), Grip(MagnetOn(0)));
}

TEST_F(MagnetSwapTest, MagnetsStartingTogetherGetNoMark) {
    Plan({{20, 0, 9}, {21, 1, 9}});
    const CMagnetItem& target = Row4(MagnetOn(1));
    CMagnetItem dragged = Row4(MagnetOn(0));
    const std::vector<COleDateTime> noFreeHours;
    ASSERT_EQ(Control().GetSwapMark(&target, &dragged, noFreeHours), 17);
    dragged.m_dtEntryStart = target.m_dtEntryStart + COleDateTimeSpan(0, 0, 2, 0);
    EXPECT_EQ(Control().GetSwapMark(&target, &dragged, noFreeHours), 0);
}

TEST_F(MagnetSwapTest, DroppingOnAMarkedMagnetExchangesTheTwoStarts) {
    Plan({{20, 0, 9}, {21, 1, 9}});
    m_data.DiscardUndo();
    const int refreshes = m_host.refreshes;
    DragOnto(0, 1);
    EXPECT_EQ(StartOf(20), At(2000, 1, 4, 9, 0));
    EXPECT_EQ(StartOf(21), At(2000, 1, 3, 9, 0));
    EXPECT_TRUE(m_data.HasUndoSnapshot());
    EXPECT_EQ(m_host.refreshes, refreshes + 1);  // the plan check ran
    EXPECT_EQ(Control().m_nDragMode, CMagnetCtrl::kDragNone);
    m_data.Undo(FALSE);
    EXPECT_EQ(StartOf(20), At(2000, 1, 3, 9, 0));
    EXPECT_EQ(StartOf(21), At(2000, 1, 4, 9, 0));
}

// A Shift-drag computes no marks, so it swaps by none, not by those an earlier drag of another
// magnet left on the row.
TEST_F(MagnetSwapTest, ADragWithoutMarksDoesNotSwapByAnEarlierDragsMarks) {
    Plan({{20, 0, 9}, {21, 1, 9}, {22, 2, 9}, {20, 3, 9}});
    CMagnetCtrlBody& body = Control().GetPane(0).GetBody();
    // 20 dropped on its own Thursday lesson (mark 0): nothing changes and the row stays as it is,
    // 22 still marked 17 for 20.
    PressGrip(0);
    ASSERT_EQ(Row4(MagnetOn(2)).m_nSwapMark, 17);
    const CPoint thursday = Middle(MagnetOn(3));
    vorn_test::MouseMove(&body, thursday, Qt::LeftButton);
    vorn_test::MouseRelease(&body, thursday);
    ASSERT_EQ(StartOf(20), At(2000, 1, 3, 9, 0));
    m_data.DiscardUndo();

    vorn_test::Click(&body, Grip(MagnetOn(1)));
    vorn_test::MousePress(&body, Grip(MagnetOn(1)), Qt::LeftButton, Qt::ShiftModifier);
    ASSERT_EQ(Control().m_nDragMode, CMagnetCtrl::kDragMove);
    const CPoint onto = Middle(MagnetOn(2));
    vorn_test::MouseMove(&body, onto, Qt::LeftButton, Qt::ShiftModifier);
    vorn_test::MouseRelease(&body, onto, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(StartOf(21), At(2000, 1, 4, 9, 0));
    EXPECT_EQ(StartOf(22), At(2000, 1, 5, 9, 0));
    EXPECT_FALSE(m_data.HasUndoSnapshot());
}

// The user's answers in the chooser after 20 was dropped on 22 in the rotation plan.
TEST_F(MagnetSwapTest, TheChooserRotatesWhatTheUserChose) {
    struct Case {
        const char* name;
        int ok;
        int candidate;  // answer with the first candidate (21 on Tuesday)
        COleDateTime freeTime;
        COleDateTime start20, start21, start22;
        bool edited;
    } cases[] = {
        {"a third magnet", 1, 1, At(2000, 1, 1, 0, 0), At(2000, 1, 5, 9, 0), At(2000, 1, 3, 9, 0),
         At(2000, 1, 4, 9, 0), true},
        {"a free hour", 1, 0, At(2000, 1, 6, 11, 0), At(2000, 1, 5, 9, 0), At(2000, 1, 4, 9, 0),
         At(2000, 1, 6, 11, 0), true},
        {"cancelled", 0, 1, At(2000, 1, 1, 0, 0), At(2000, 1, 3, 9, 0), At(2000, 1, 4, 9, 0),
         At(2000, 1, 5, 9, 0), false},
        {"OK without a choice", 1, 0, COleDateTime(2000, 1, 1, 0, 0, 0), At(2000, 1, 3, 9, 0),
         At(2000, 1, 4, 9, 0), At(2000, 1, 5, 9, 0), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_data.m_arrEntries.clear();
        Plan(kRotation);
        Control().ZoomToFit();  // the whole week in view
        m_data.DiscardUndo();
        ScriptedChooser chooser;
        chooser.answer.m_bOk = c.ok;
        chooser.answer.m_bCandidate = c.candidate;
        chooser.answer.m_nEntry = Row4(MagnetOn(1)).m_nEntry;
        chooser.answer.m_dtFreeTime = c.freeTime;
        // The first rotation's preview: arrows between 20, 22 and 21.
        if (c.candidate && c.ok) chooser.picture = "magnet_swap_preview.png";
        CMagnetCtrl::s_swapChooser = chooser.Install(Control());
        const int third = MagnetOn(1);
        const int refreshes = m_host.refreshes;

        DragOnto(0, 2);
        ASSERT_EQ(chooser.calls, 1);
        ASSERT_EQ(chooser.candidates.size(), 1u);
        EXPECT_EQ(chooser.candidates.front().m_nEntry, chooser.answer.m_nEntry);
        // Free hours of class 4 at which teacher 7 is free, on the plan's five days only:
        // Thursday 11:00 among them, not Monday 09:00 (teacher 7 teaches 30) nor Tuesday 09:00
        // (class 4 has 21).
        const auto offered = [&](const COleDateTime& t) {
            return std::any_of(chooser.freeSlots.begin(), chooser.freeSlots.end(), [&](const CSwapFreeSlot& s) {
                return WholeMinutes(s.m_dtStart - t) == 0 && !s.m_strText.IsEmpty();
            });
        };
        EXPECT_TRUE(offered(At(2000, 1, 6, 11, 0)));
        EXPECT_FALSE(offered(At(2000, 1, 3, 9, 0)));
        EXPECT_FALSE(offered(At(2000, 1, 4, 9, 0)));
        EXPECT_TRUE(std::all_of(chooser.freeSlots.begin(), chooser.freeSlots.end(), [](const CSwapFreeSlot& s) {
            return s.m_dtStart < At(2000, 1, 8, 0, 0);
        }));
        // The preview showed the highlighted third magnet with the tips off.
        EXPECT_EQ(chooser.previewWhileOpen, 1);
        EXPECT_EQ(chooser.thirdWhileOpen, third);
        EXPECT_EQ(chooser.toolTipsWhileOpen, 0);
        EXPECT_TRUE(chooser.pointsWhileOpen);
        EXPECT_EQ(Control().m_bSwapPreview, 0);
        EXPECT_EQ(Control().GetPane(0).GetBody().m_bToolTips, 1);

        EXPECT_EQ(StartOf(20), c.start20);
        EXPECT_EQ(StartOf(21), c.start21);
        EXPECT_EQ(StartOf(22), c.start22);
        EXPECT_EQ(m_data.HasUndoSnapshot(), c.edited);
        EXPECT_EQ(m_host.refreshes, refreshes + (c.edited ? 1 : 0));
        if (!c.edited) continue;
        m_data.Undo(FALSE);  // one level takes every moved lesson back
        EXPECT_EQ(StartOf(20), At(2000, 1, 3, 9, 0));
        EXPECT_EQ(StartOf(21), At(2000, 1, 4, 9, 0));
        EXPECT_EQ(StartOf(22), At(2000, 1, 5, 9, 0));
    }
}

TEST_F(MagnetSwapTest, WithoutAChooserOrAPlaceNothingIsOffered) {
    Plan({{20, 0, 9}, {22, 2, 9}, {30, 0, 9}});
    m_data.DiscardUndo();
    DragOnto(0, 2);  // marked 18, but no chooser is installed
    EXPECT_EQ(StartOf(20), At(2000, 1, 3, 9, 0));
    EXPECT_FALSE(m_data.HasUndoSnapshot());
}

TEST_F(MagnetSwapTest, FreeHoursAreNamedByDayAndLessonForTwelveHours) {
    const int dayStart = GetLocalHour(m_data.m_tDayStart);
    const COleDateTime monday = m_data.GetDayDate(0);
    const COleDateTime first(monday.GetYear(), monday.GetMonth(), monday.GetDay(), dayStart, 0, 0);
    struct Case {
        int hours;
        UINT slot;  // 0: empty text
    } cases[] = {{0, IDS_HOUR_SLOT_0}, {3, IDS_HOUR_SLOT_3}, {11, IDS_HOUR_SLOT_11}, {12, 0}, {13, 0}};
    for (const Case& c : cases) {
        const CItemTime block(first + COleDateTimeSpan(0, c.hours, 0, 0), COleDateTimeSpan(0, 1, 0, 0), 0, 0);
        const CString expected = c.slot ? m_data.FormatDayTitle(0) + L" - " + LoadResString(c.slot) : CString();
        EXPECT_EQ(Control().FormatFreeTimeText(block), expected) << c.hours;
    }
}

// The page during a drag, the swap marks showing: 17 on Tuesday, 18 on Wednesday.
TEST_F(MagnetSwapTest, PictureOfADragWithSwapMarks) {
    Plan(kRotation);
    Control().ZoomToFit();
    vorn_test::ProcessEvents();
    PressGrip(0);
    CMagnetCtrlBody& body = Control().GetPane(0).GetBody();
    const CPoint to(Grip(MagnetOn(0)).x + Control().GetHourWidth() / 2, Grip(MagnetOn(0)).y);
    vorn_test::MouseMove(&body, to, Qt::LeftButton);
    vorn_test::ProcessEvents();
    // The marks show in the blink's visible phase; only the row's own repaint draws the drag.
    Control().m_nBlinkPhase = 1;
    body.PaintRow(4);
    EXPECT_TRUE(SavePagePicture(m_page.get(), "magnet_drag_swap_marks.png"));
    vorn_test::MouseRelease(&body, to);
}

}  // namespace
