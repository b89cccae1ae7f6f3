// The timetable page in the main window on the school fixture (plan days Monday 5 to Friday
// 9 October 2026, current entity class 10a), driven through the layer's input path.
#include "time_table_page_fixture.h"

#include "model/time_values.h"
#include "platform/ui/menu.h"
#include "platform/ui/window_api.h"
#include "timetable/time_table_ctrl_title.h"
#include "timetable_test_support.h"

namespace {

using vorn_test::MouseMove;
using vorn_test::MousePress;
using vorn_test::MouseRelease;

TEST_F(TimeTablePageTest, ShowsTheCurrentEntitysEntries) {
    Load("school-dated.xml");
    ASSERT_NE(Data().m_nCurrentEntity, 0);
    EXPECT_EQ(Pane().m_nEntity, Data().m_nCurrentEntity);
    EXPECT_GE(FindEntryItem(), 0);
    Page().SendMessage(WM_COMMAND, ID_SHOW_PANEL_ENTITIES, 0);
    SaveFramePicture("timetable_page.png");
}

// The first hour from 07:00 of the day to which the entry can move without anyone going over
// their OVERLAPS limit; -1 for none. The entry is put back.
int FreeHour(CScheduleData& data, CTimetableEntry& entry, int day, int notHour) {
    const COleDateTime start = entry.m_dtStart;
    int found = -1;
    for (int hour = 7; hour < 16 && found < 0; ++hour) {
        if (hour == notHour) continue;
        entry.m_dtStart = COleDateTime(start.GetYear(), start.GetMonth(), day, hour, 0, 0);
        if (data.CheckOverlapLimits(FALSE) == 0) found = hour;
    }
    entry.m_dtStart = start;
    data.CheckOverlapLimits(FALSE);
    return found;
}

// A movable entry of the current entity with a free hour on its own day and one on another
// day.
struct MoveTarget {
    COleDateTime start;  // the entry's
    int sameDayHour = -1;
    int otherDay = -1, otherDayHour = -1;
};
MoveTarget FindMoveTarget(TimeTablePageTest& test, CScheduleData& data, CTimeTableCtrlView& pane) {
    (void)test;
    for (const CTimeTableItem& item : pane.m_arrItems) {
        if (item.m_bGroupItem || item.m_nState != 2) continue;
        CTimetableEntry& entry = *data.FindEntryBySerial(item.m_nSource);
        MoveTarget target;
        target.start = entry.m_dtStart;
        const int day = entry.m_dtStart.GetDay();
        target.sameDayHour = FreeHour(data, entry, day, entry.m_dtStart.GetHour());
        for (int other = 5; other <= 9 && target.otherDayHour < 0; ++other) {
            if (other == day) continue;
            target.otherDay = other;
            target.otherDayHour = FreeHour(data, entry, other, -1);
        }
        if (target.sameDayHour >= 0 && target.otherDayHour >= 0) return target;
    }
    return MoveTarget();
}

// An entry moved by its move strip to another hour and to another day is written back as one
// undo step, checked and shown; Undo puts it back.
TEST_F(TimeTablePageTest, DraggingAnEntryMovesItInTheDocument) {
    for (const bool otherDay : {false, true}) {
        const char* name = otherDay ? "another day" : "another hour";
        Load("school-dated.xml");
        const MoveTarget found = FindMoveTarget(*this, Data(), Pane());
        ASSERT_GE(found.sameDayHour, 0) << "a movable entry with free hours";
        const int fromDay = found.start.GetDay(), fromHour = found.start.GetHour();
        const int toDay = otherDay ? found.otherDay : fromDay;
        const int toHour = otherDay ? found.otherDayHour : found.sameDayHour;
        int index = -1;
        for (std::size_t i = 0; i < Pane().m_arrItems.size(); ++i)
            if (Pane().m_arrItems[i].m_dtStart == found.start && !Pane().m_arrItems[i].m_bGroupItem && Pane().m_arrItems[i].m_nState == 2) index = static_cast<int>(i);
        ASSERT_GE(index, 0) << name;
        const std::uint64_t serial = Pane().m_arrItems[index].m_nSource;
        const int refreshes = host.refreshes, problemLists = host.problemLists;
        const CPoint grab = InItem(index, 3, 10);
        const CPoint from = PointAt(fromDay, fromHour, 0), to = PointAt(toDay, toHour, 0);
        const CPoint release(grab.x + to.x - from.x, grab.y + to.y - from.y);
        MousePress(&Body(), grab);
        MouseMove(&Body(), CPoint(grab.x + 4, grab.y + 4), Qt::LeftButton);
        MouseMove(&Body(), release, Qt::LeftButton);
        EXPECT_EQ(Body().m_nDragMode, CTimeTableCtrlBody::kDragMove) << name;
        MouseRelease(&Body(), release);
        vorn_test::ProcessEvents();

        const auto entry = Data().FindEntryBySerial(serial);
        ASSERT_NE(entry, Data().m_arrEntries.end()) << name;
        EXPECT_EQ(entry->m_dtStart.GetDay(), toDay) << name;
        EXPECT_EQ(entry->m_dtStart.GetHour(), toHour) << name;
        EXPECT_EQ(entry->m_dtStart.GetMinute(), 0) << name;
        EXPECT_TRUE(Data().HasUndoSnapshot()) << name;
        EXPECT_GT(host.refreshes, refreshes) << name << ": the plan check refreshed the pages";
        EXPECT_GT(host.problemLists, problemLists) << name << ": the problem list was published";
        const int shown = FindItemOf(serial);
        ASSERT_GE(shown, 0) << name;
        EXPECT_EQ(Pane().m_arrItems[shown].m_dtStart, entry->m_dtStart) << name;

        // The snapshot's entries come back (as copies, under serials of their own).
        const int activity = entry->m_nActivity;
        Data().Undo(TRUE);
        vorn_test::ProcessEvents();
        EXPECT_NE(Data().FindEntryAt(activity, found.start), Data().m_arrEntries.end()) << name;
        EXPECT_FALSE(Pane().m_arrItems.empty()) << name;
    }
}

// With Ctrl held the selected Latin goes onto the hour of Sports (Tuesday 12:00): class 10a
// would have two lessons at once, so the store's check refuses and nothing stays changed.
TEST_F(TimeTablePageTest, AMoveTheOverlapCheckRefusesRollsBack) {
    Load("school-dated.xml");
    const int latin = FindItemAt(L"Latin", 6, 11);
    ASSERT_GE(latin, 0);
    ASSERT_GE(FindItemAt(L"Sports", 6, 12), 0);
    const COleDateTime before = EntryOf(latin).m_dtStart;
    const int activity = EntryOf(latin).m_nActivity;
    ASSERT_FALSE(Data().HasUndoSnapshot());
    vorn_test::Click(&Body(), InItem(latin, 40, 15));
    ASSERT_TRUE(Pane().m_arrItems[latin].m_bSelected);
    const CPoint grab = InItem(latin, 3, 10);
    const CPoint release(grab.x, grab.y + PointAt(6, 12, 0).y - PointAt(6, 11, 0).y);
    MousePress(&Body(), grab, Qt::LeftButton, Qt::ControlModifier);
    MouseMove(&Body(), release, Qt::LeftButton, Qt::ControlModifier);
    MouseRelease(&Body(), release, Qt::LeftButton, Qt::ControlModifier);
    vorn_test::ProcessEvents();

    EXPECT_NE(Data().FindEntryAt(activity, before), Data().m_arrEntries.end());
    EXPECT_FALSE(Data().HasUndoSnapshot());
    EXPECT_TRUE(std::any_of(Data().m_arrProblems.begin(), Data().m_arrProblems.end(),
                            [](const CProblem& p) { return p.m_nKind == 13; }));
    EXPECT_GE(FindItemAt(L"Latin", 6, 11), 0);
}

// Class 1a's Maths dragged onto Monday 10:00, where its teacher has Art with 1b: the drop lands on
// a clash, so nothing moves, and the whole grid is drawn again, so that the drag's ghost at the
// drop point and the blank left at the lesson's own hour go.
TEST_F(TimeTablePageTest, AMoveDroppedOnAClashIsRefusedAndTheGridRedrawn) {
    ShowWeek(false);
    Data().SetCurrentEntity(2);
    Data().NotifyAllViews(2);
    vorn_test::ProcessEvents();
    ASSERT_EQ(Pane().m_nEntity, 2);
    const int maths = FindItemAt(L"Maths", 3, 8);
    ASSERT_GE(maths, 0);
    const CPoint grab = InItem(maths, 3, 10);
    const CPoint release(grab.x, grab.y + PointAt(3, 10, 0).y - PointAt(3, 8, 0).y);
    MousePress(&Body(), grab);
    MouseMove(&Body(), CPoint(grab.x, grab.y + 4), Qt::LeftButton);
    MouseMove(&Body(), release, Qt::LeftButton);
    ASSERT_EQ(Body().m_nDragMode, CTimeTableCtrlBody::kDragMove);
    ASSERT_FALSE(Pane().m_arrClashBlocks.empty());
    Body().UpdateWindow();  // the drag's last frame is on the screen
    MouseRelease(&Body(), release);

    CRect update, client;
    Body().GetUpdateRect(&update);
    Body().GetClientRect(&client);
    EXPECT_EQ(update, client) << "to repaint: " << update.left << "," << update.top << " " << update.right << ","
                              << update.bottom;
    vorn_test::ProcessEvents();
    EXPECT_NE(Data().FindEntryAt(10, At(2000, 1, 3, 8, 0)), Data().m_arrEntries.end());
    EXPECT_FALSE(Data().HasUndoSnapshot());
    EXPECT_GE(FindItemAt(L"Maths", 3, 8), 0);
}

// The bottom grip stretches an entry, snapped to the hour, never past the latest end its
// participants leave it.
TEST_F(TimeTablePageTest, TheBottomGripResizesSnappedAndClamped) {
    Load("school-dated.xml");
    int index = -1;
    COleDateTime latest;
    // The first entity, in document order, with such an entry; it becomes the current one.
    for (const CEntity& candidate : Data().m_arrEntities) {
        if (candidate.m_nType == 4 || !Data().SetCurrentEntity(candidate.m_nId)) continue;
        vorn_test::ProcessEvents();
        for (std::size_t i = 0; i < Pane().m_arrItems.size() && index < 0; ++i) {
            const CTimeTableItem& item = Pane().m_arrItems[i];
            if (item.m_bGroupItem || item.m_nState != 2 || item.m_rect.IsRectEmpty()) continue;
            const CTimetableEntry& entry = EntryOf(static_cast<int>(i));
            latest = Data().GetLatestEndTime(&entry, entry.GetEndTime());
            const int room = WholeMinutes(latest - entry.GetEndTime());
            if (room >= 60 && room <= 240) index = static_cast<int>(i);
        }
        if (index >= 0) break;
    }
    ASSERT_GE(index, 0) << "an entry with one to four free hours after it";
    const std::uint64_t serial = Pane().m_arrItems[index].m_nSource;
    const COleDateTime start = EntryOf(index).m_dtStart;
    const CRect r = Pane().m_arrItems[index].m_rect;
    const CPoint grip(r.left + 20, r.bottom - 2);
    const int hour = Pane().GetHeader().GetHourHeight();
    MousePress(&Body(), grip);
    EXPECT_EQ(Body().m_nDragMode, CTimeTableCtrlBody::kDragResize);
    MouseMove(&Body(), CPoint(grip.x, grip.y + hour / 2), Qt::LeftButton);
    MouseMove(&Body(), CPoint(grip.x, grip.y + 6 * hour), Qt::LeftButton);
    MouseRelease(&Body(), CPoint(grip.x, grip.y + 6 * hour));
    vorn_test::ProcessEvents();

    // The pointer's time of day, held at the latest end, on the entry's day, to the hour.
    __time64_t t = Pane().GetHeader().YToTime(grip.y + 6 * hour);
    const __time64_t latestTime = MakeTimeOfDay(latest.GetHour(), latest.GetMinute());
    ASSERT_EQ(CompareTime64Approx(t, latestTime), 1) << "the pointer goes past the latest end";
    t = latestTime;
    const COleDateTime end(start.GetYear(), start.GetMonth(), start.GetDay(), GetLocalHour(t), GetLocalMinute(t), 0);
    const CTimetableEntry& entry = *Data().FindEntryBySerial(serial);
    EXPECT_EQ(entry.m_dtStart, start);
    EXPECT_EQ(entry.GetEndTime(), Pane().GetHeader().SnapToHour(end));
    EXPECT_GT(WholeMinutes(entry.m_tsLength), 60);
    EXPECT_TRUE(Data().HasUndoSnapshot());
}

// The end of the working day dragged in the grid is the entity's new day end, one undo step.
TEST_F(TimeTablePageTest, DraggingTheWorkingDaysEndWritesItToTheEntity) {
    ShowWeek(false);
    CEntity& teacher = *Data().FindEntity(1);
    const int endHour = GetLocalHour(teacher.m_tDayEnd[0]);
    ASSERT_LT(endHour, 17);
    const __time64_t tuesdayEnd = teacher.m_tDayEnd[1];
    const CPoint from = PointAt(3, endHour, GetLocalMinute(teacher.m_tDayEnd[0])), to = PointAt(3, 17, 0);
    MousePress(&Body(), from);
    MouseMove(&Body(), CPoint(from.x, (from.y + to.y) / 2), Qt::LeftButton);
    MouseMove(&Body(), to, Qt::LeftButton);
    MouseRelease(&Body(), to);
    vorn_test::ProcessEvents();
    EXPECT_EQ(GetLocalHour(teacher.m_tDayEnd[0]), 17);
    EXPECT_EQ(GetLocalMinute(teacher.m_tDayEnd[0]), 0);
    EXPECT_EQ(teacher.m_tDayEnd[1], tuesdayEnd) << "the other days keep theirs";
    EXPECT_TRUE(Data().HasUndoSnapshot());
}

// Free time is picked as one-hour ranges: Ctrl adds a range on another day, dragging grows the
// range of the day pressed.
TEST_F(TimeTablePageTest, RangesAreSelectedOverSeveralDays) {
    Load("school-dated.xml");
    const CPoint monday = PointAt(5, 15), wednesday = PointAt(7, 15);
    vorn_test::Click(&Body(), monday);
    ASSERT_EQ(Pane().m_nSelectionMode, 2);
    ASSERT_EQ(Pane().m_arrSelectedRanges.size(), 1u);
    MousePress(&Body(), wednesday, Qt::LeftButton, Qt::ControlModifier);
    MouseMove(&Body(), PointAt(7, 16), Qt::LeftButton, Qt::ControlModifier);
    MouseRelease(&Body(), PointAt(7, 16), Qt::LeftButton, Qt::ControlModifier);
    const auto& ranges = Pane().m_arrSelectedRanges;
    ASSERT_EQ(ranges.size(), 2u);
    EXPECT_EQ(ranges[0].m_dtStart.GetDay(), 5);
    EXPECT_EQ(WholeMinutes(ranges[0].m_tsDuration), 60);
    EXPECT_EQ(ranges[1].m_dtStart.GetDay(), 7);
    EXPECT_EQ(ranges[1].m_dtStart.GetHour(), 15);
    EXPECT_EQ(WholeMinutes(ranges[1].m_tsDuration), 120);
    // Without Ctrl the earlier ranges go.
    vorn_test::Click(&Body(), monday);
    EXPECT_EQ(Pane().m_arrSelectedRanges.size(), 1u);
    EXPECT_FALSE(Data().HasUndoSnapshot());
}

// A press right of the last day column draws no range (there is no plan day there).
TEST_F(TimeTablePageTest, NoRangeBesideThePlanDays) {
    Load("school-dated.xml");
    CTimeTableCtrlTitle& title = Page().GetControl().GetTitle();
    for (CTimeTableDayColumn& column : title.GetColumns()) column.m_nFixedWidth = 60;
    title.LayoutColumns(0);
    CRect client;
    Body().GetClientRect(&client);
    ASSERT_LT(title.GetTotalWidth(), client.right - 20);
    vorn_test::Click(&Body(), CPoint(client.right - 10, PointAt(5, 15).y));
    EXPECT_TRUE(Pane().m_arrSelectedRanges.empty());
}

// The state commands of the menu write the state of the selected entry; Back after Next returns
// to the entity left.
TEST_F(TimeTablePageTest, TheMenuSetsStatesAndNavigates) {
    Load("school-dated.xml");
    const int latin = FindItemAt(L"Latin", 6, 11);
    ASSERT_GE(latin, 0);
    const std::uint64_t serial = Pane().m_arrItems[latin].m_nSource;
    const CPoint on = InItem(latin, 40, 15);
    UINT chosen = 0;
    std::vector<UINT> offered;
    SetMenuChooser([&](CMenuTrackRequest& request) -> UINT {
        CMenu* menu = CMenu::FromHandle(request.hMenu);
        offered.clear();
        for (int i = 0; i < menu->GetMenuItemCount(); ++i) offered.push_back(menu->GetMenuItemID(i));
        return chosen;
    });
    vorn_test::Click(&Body(), on);
    chosen = ID_SET_STATE_0;
    vorn_test::Click(&Body(), on, Qt::RightButton);
    vorn_test::ProcessEvents();
    EXPECT_NE(std::find(offered.begin(), offered.end(), ID_SET_STATE_2), offered.end());
    EXPECT_EQ(Data().FindEntryBySerial(serial)->m_nState, 0);
    EXPECT_TRUE(Data().HasUndoSnapshot());

    const int first = Data().m_nCurrentEntity;
    const auto next = Data().GetNextEntity();
    ASSERT_NE(next, Data().m_arrEntities.end());
    const int second = next->m_nId;
    chosen = ID_NEXT_ENTITY;
    vorn_test::Click(&Body(), PointAt(5, 16), Qt::RightButton);
    vorn_test::ProcessEvents();
    EXPECT_EQ(Data().m_nCurrentEntity, second);
    EXPECT_EQ(Pane().m_nEntity, second);
    chosen = ID_NAVIGATE_BACK;
    vorn_test::Click(&Body(), PointAt(5, 16), Qt::RightButton);
    vorn_test::ProcessEvents();
    EXPECT_EQ(Data().m_nCurrentEntity, first);
    chosen = ID_NAVIGATE_FORWARD;
    vorn_test::Click(&Body(), PointAt(5, 16), Qt::RightButton);
    vorn_test::ProcessEvents();
    EXPECT_EQ(Data().m_nCurrentEntity, second);
    chosen = ID_PREVIOUS_ENTITY;
    vorn_test::Click(&Body(), PointAt(5, 16), Qt::RightButton);
    vorn_test::ProcessEvents();
    EXPECT_EQ(Data().m_nCurrentEntity, first);
    SetMenuChooser(nullptr);
}

// A drag that loses the mouse to another window ends without an edit.
TEST_F(TimeTablePageTest, ALostCaptureEndsTheDragWithoutWriting) {
    Load("school-dated.xml");
    const int latin = FindItemAt(L"Latin", 6, 11);
    ASSERT_GE(latin, 0);
    const std::uint64_t serial = Pane().m_arrItems[latin].m_nSource;
    const COleDateTime start = EntryOf(latin).m_dtStart;
    const COleDateTimeSpan length = EntryOf(latin).m_tsLength;
    const int hour = Pane().GetHeader().GetHourHeight();
    struct Case {
        const char* name;
        CPoint press;
        int mode;
    };
    const CRect r = Pane().m_arrItems[latin].m_rect;
    const Case cases[] = {{"move", CPoint(r.left + 3, r.top + 10), CTimeTableCtrlBody::kDragMove},
                          {"resize", CPoint(r.left + 20, r.bottom - 2), CTimeTableCtrlBody::kDragResize}};
    for (const Case& c : cases) {
        MousePress(&Body(), c.press);
        EXPECT_EQ(Body().m_nDragMode, c.mode) << c.name;
        MouseMove(&Body(), CPoint(c.press.x + 5, c.press.y + 2 * hour), Qt::LeftButton);
        frame->SetCapture();
        ReleaseCapture();
        vorn_test::ProcessEvents();
        EXPECT_EQ(Body().m_bPressed, 0) << c.name;
        EXPECT_EQ(Body().m_nDragMode, 0) << c.name;
        EXPECT_EQ(Body().m_bDragging, 0) << c.name;
        const int shown = FindItemOf(serial);
        EXPECT_EQ(Pane().m_arrItems[shown].m_dtStart, start) << c.name;
        EXPECT_EQ(WholeMinutes(Pane().m_arrItems[shown].m_tsLength), WholeMinutes(length)) << c.name;
        MouseRelease(&Body(), CPoint(c.press.x + 5, c.press.y + 2 * hour));
        vorn_test::ProcessEvents();
        EXPECT_EQ(Data().FindEntryBySerial(serial)->m_dtStart, start) << c.name;
        EXPECT_EQ(Data().FindEntryBySerial(serial)->m_tsLength, length) << c.name;
        EXPECT_FALSE(Data().HasUndoSnapshot()) << c.name;
    }
}

}  // namespace

namespace {

// A lesson dragged by its move strip: its half-transparent ghost follows the pointer.
TEST_F(TimeTablePageTest, PictureOfADrag) {
    Load("school-dated.xml");
    const int index = FindEntryItem();
    ASSERT_GE(index, 0);
    const CPoint grab = InItem(index, 3, 10);
    const int hour = Pane().GetHeader().GetHourHeight();
    const CPoint to(grab.x + Pane().m_arrItems[index].m_rect.Width() / 2 + 40, grab.y + 2 * hour + hour / 3);
    MousePress(&Body(), grab);
    MouseMove(&Body(), CPoint(grab.x + 5, grab.y + 5), Qt::LeftButton);
    MouseMove(&Body(), to, Qt::LeftButton);
    EXPECT_EQ(Body().m_bDragging, 1);
    SaveFramePicture("timetable_drag.png");
    // Dropped back where it came from: nothing changes.
    MouseMove(&Body(), grab, Qt::LeftButton);
    MouseRelease(&Body(), grab);
    EXPECT_FALSE(Data().HasUndoSnapshot());
}

}  // namespace
