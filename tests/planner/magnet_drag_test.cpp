// Drags on the magnet page: what a moved magnet or a drag from the entity board shows (the times
// the members are not free, the entries it clashes with), drops from the entity board's list,
// a move and a resize whose pointer crosses into the second pane of a split board, and the
// status text while dragging.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "frame/wnd_board.h"
#include "magnet_page_fixture.h"
#include "model/time_values.h"
#include "platform/core/load_res_string.h"
#include "platform/ui/window_api.h"
#include "resource_ids.h"

namespace {

// A block as the tests name it: start, length in minutes and the block's day-index field (the
// activity of a clash block).
struct Block {
    COleDateTime start;
    int minutes;
    int dayIndex;
    bool operator==(const Block& other) const {
        return start == other.start && minutes == other.minutes && dayIndex == other.dayIndex;
    }
};

std::ostream& operator<<(std::ostream& out, const Block& b) {
    return out << b.start.Format(L"%a %H:%M").ToUtf8() << " +" << b.minutes << "' #" << b.dayIndex;
}

std::vector<Block> Blocks(const std::vector<CItemTime>& items, bool withDayIndex) {
    std::vector<Block> blocks;
    for (const CItemTime& item : items)
        blocks.push_back({item.m_dtStart, WholeMinutes(item.m_tsDuration), withDayIndex ? item.m_nDayIndex : 0});
    std::sort(blocks.begin(), blocks.end(), [](const Block& a, const Block& b) { return a.start < b.start; });
    return blocks;
}

CChimeSet Lessons(int id, std::initializer_list<std::pair<int, int>> starts) {
    CChimeSet set;
    set.m_nId = id;
    for (const auto& [hour, minute] : starts) set.m_arrIntervals.push_back({MakeTimeOfDay(hour, minute), CString()});
    return set;
}

class MagnetDragTest : public MagnetPageTest {
protected:
    void SetUp() override {
        MagnetPageTest::SetUp();
        // The teacher is away on Tuesday afternoon, works 09:00 to 15:00 on Wednesday and has
        // Thursday off.
        CEntity& teacher = *m_data.FindEntity(3);
        CAbsence absence;
        absence.m_dtStart = At(2000, 1, 4, 13, 0);
        absence.m_tsLength = COleDateTimeSpan(0, 2, 0, 0);
        teacher.m_arrAbsences.push_back(absence);
        teacher.m_tDayStart[2] = MakeTimeOfDay(9, 0);
        teacher.m_tDayEnd[2] = MakeTimeOfDay(15, 0);
        teacher.m_tDayStart[3] = teacher.m_tDayEnd[3] = MakeTimeOfDay(8, 0);
        // Not yet planned: 14 (the teacher alone), 15 (class 1), and group 7 of 20 (class 1 and
        // the teacher) and 21 (class 2).
        AddActivity(14, 0, {3}).m_tsMeeting = COleDateTimeSpan(0, 1, 0, 0);
        AddActivity(15, 0, {1}).m_tsMeeting = COleDateTimeSpan(0, 1, 0, 0);
        m_data.m_arrActivities.back().m_tsDuration = COleDateTimeSpan(0, 2, 0, 0);
        AddGroup(7);
        for (const auto& [id, members] : {std::pair{20, std::vector<int>{1, 3}}, std::pair{21, std::vector<int>{2}}}) {
            AddActivity(id, 7, members).m_tsDuration = COleDateTimeSpan(0, 2, 0, 0);
            m_data.m_arrActivities.back().m_tsMeeting = COleDateTimeSpan(0, 1, 0, 0);
        }
        m_page->Update(4);
        Control().SelectRow(1);
    }
    void TearDown() override {
        CWndMagnet::SetDialogs({});
        MagnetPageTest::TearDown();
    }
    CMagnetCtrlBody& Body() { return Control().GetPane(0).GetBody(); }
    // The content x at the time, in the day columns of the first pane.
    int ContentX(const COleDateTime& time) {
        int left = 0, right = 0;
        EXPECT_TRUE(Control().GetPane(0).GetTitle().TimeSpanToX(time, COleDateTimeSpan(0, 0, 5, 0), left, right));
        return left;
    }
    // The point of the first pane's body over the content x of a pane, in the current row.
    CPoint BodyPoint(int pane, int contentX) {
        const int y = Control().GetCurrentRow()->m_rect.top + 20 - Control().GetVerticalOffset();
        const int local = contentX - Control().GetPane(pane).GetHorizontalOffset();
        return CPoint(pane == 0 ? local : local + Control().GetSplitPosition() + 2, y);
    }
    // Presses the left grip (or the right edge) of the activity's magnet, selecting it first.
    CPoint PressMagnet(int activity, bool rightEdge = false) {
        const CRect rect = Magnet(1, activity).m_rect;
        const CPoint at = BodyPoint(0, rightEdge ? rect.right - 5 : rect.left + 5);
        vorn_test::Click(&Body(), CPoint(rect.left + rect.Width() / 2 - Control().GetPane(0).GetHorizontalOffset(), at.y));
        m_data.DiscardUndo();
        vorn_test::MousePress(&Body(), at);
        return at;
    }
    CWndBoard& Board() { return m_page->GetBoard(); }
    // Starts the entity board's drag of the list item with the id, as the list's begin-drag does.
    void BeginBoardDrag(int id) {
        m_page->OnShowRowBoard();
        for (int i = 0; i < Board().m_list.GetItemCount(); ++i)
            if (static_cast<int>(Board().m_list.GetItemData(i)) == id) Board().m_list.SetItemState(i, LVIS_SELECTED, LVIS_SELECTED);
        CPoint start(20, 30);
        Board().ClientToScreen(&start);
        Board().BeginDrag(start);
    }
    // The body point in the entity board's client coordinates, as its captured mouse reports it.
    CPoint BoardPoint(CPoint body) {
        Body().ClientToScreen(&body);
        Board().ScreenToClient(&body);
        return body;
    }
    CString WhenText(const COleDateTime& hour) {
        return CTimetableEntry(hour, COleDateTimeSpan(0, 0, 5, 0)).FormatWhenText(m_data, 0, 0);
    }
};

// The blocked times a drag of an activity or a group shows: each member's absences, its days
// off, and the hours of a day column outside its working day; nothing for members free all
// week or for a group that is gone.
TEST_F(MagnetDragTest, BlockedTimesAreTheMembersAbsencesDaysOffAndShortDays) {
    const std::vector<Block> teacher = {{At(2000, 1, 4, 13, 0), 120, 1},
                                        {At(2000, 1, 5, 8, 0), 60, 2},
                                        {At(2000, 1, 5, 15, 0), 60, 2},
                                        {At(2000, 1, 6, 1, 0), 22 * 60, 3}};
    struct Case {
        const char* what;
        int groupFlag, id;
        std::vector<Block> blocked;
    } cases[] = {
        {"activity of the class and the teacher", 0, 12, teacher},
        {"activity of the class alone", 0, 10, {}},
        {"group with the teacher in one activity", 1, 7, teacher},
        {"group that is gone", 1, 99, {}},
    };
    for (const Case& c : cases) {
        Control().ClearBlockedTimes();
        Control().CollectBlockedTimes(c.groupFlag, c.id);
        EXPECT_EQ(Blocks(Control().m_arrBlockedTimes, true), c.blocked) << c.what;
    }
}

// The clash blocks of a drag: the unlinked entries whose activity shares a class, or a member who
// can be in one place only; a moved magnet's own entry is left out. They are collected when a move
// starts at a magnet's grip and when the entity board's drag begins.
TEST_F(MagnetDragTest, ClashBlocksAreTheEntriesTheDraggedActivityOrGroupClashesWith) {
    const Block of10{At(2000, 1, 3, 8, 0), 60, 10}, of11{At(2000, 1, 3, 8, 30), 90, 11};
    const Block of12{At(2000, 1, 4, 10, 0), 60, 12}, of13{At(2000, 1, 5, 10, 0), 60, 13};
    CPoint pressed;
    struct Case {
        const char* what;
        std::function<void()> begin;
        std::vector<Block> clashes;
        bool blocked;  // the teacher's blocked times are shown with them
    } cases[] = {
        {"moving the magnet of 12", [&] { pressed = PressMagnet(12); }, {of10, of11, of13}, true},
        {"moving the merged magnet of the class alone", [&] { pressed = PressMagnet(10); }, {of11, of12}, false},
        {"dragging activity 14 from the entity board",
         [&] { Control().SendMessage(CWndBoard::kDragBegin, 14, 1); }, {of12, of13}, true},
        {"dragging group 7 from the entity board",
         [&] { Control().SendMessage(CWndBoard::kDragBegin, 7, 0); }, {of10, of11, of12, of13}, true},
    };
    for (const Case& c : cases) {
        c.begin();
        EXPECT_TRUE(Control().m_bDragActive) << c.what;
        EXPECT_EQ(Blocks(Control().m_arrClashBlocks, true), c.clashes) << c.what;
        EXPECT_EQ(Control().m_arrBlockedTimes.empty(), !c.blocked) << c.what;
        if (Control().m_nDragMode == CMagnetCtrl::kDragExternal)
            Control().SendMessage(CWndBoard::kDragEnd, 0, 0);
        else
            vorn_test::MouseRelease(&Body(), pressed);
        EXPECT_FALSE(Control().m_bDragActive) << c.what;
        EXPECT_EQ(Control().m_nDragMode, CMagnetCtrl::kDragNone) << c.what;
    }
}

// With two chime sets a clash block on the other set starts where the dragged set's previous
// lesson ends, so that no lesson of the dragged set reaches into it; on the same set, or with
// one chime set, it keeps its extent.
TEST_F(MagnetDragTest, ClashBlocksOnAnotherChimeSetWidenToTheDraggedLessons) {
    // Set 1 rings every hour from the day start at 08:00; set 2 has 45-minute lessons.
    m_data.m_tDayStart = MakeTimeOfDay(8, 0);
    m_data.m_arrChimeSets = {Lessons(1, {{8, 0}, {9, 0}, {10, 0}, {11, 0}, {12, 0}}),
                             Lessons(2, {{8, 0}, {8, 45}, {9, 30}, {10, 15}, {11, 0}})};
    m_data.FindActivity(13)->m_nChimeSet = 2;
    CTimetableEntry& entry13 = *m_data.FindEntryAt(13, At(2000, 1, 5, 10, 0));
    entry13.m_dtStart = At(2000, 1, 5, 9, 30);
    entry13.m_tsLength = COleDateTimeSpan(0, 0, 45, 0);
    struct Case {
        const char* what;
        int chimeSetOf14;
        int chimeSets;
        Block clash;
    } cases[] = {
        {"dragged on the hourly set", 1, 2, {At(2000, 1, 5, 9, 0), 75, 13}},
        {"dragged on the same set", 2, 2, {At(2000, 1, 5, 9, 30), 45, 13}},
        {"a single chime set", 1, 1, {At(2000, 1, 5, 9, 30), 45, 13}},
    };
    const CChimeSetArray both = m_data.m_arrChimeSets;
    for (const Case& c : cases) {
        m_data.m_arrChimeSets = both;
        if (c.chimeSets == 1) m_data.m_arrChimeSets.erase(m_data.m_arrChimeSets.begin() + 1);
        m_data.FindActivity(14)->m_nChimeSet = c.chimeSetOf14;
        Control().SendMessage(CWndBoard::kDragBegin, 14, 1);
        const std::vector<Block> clashes = Blocks(Control().m_arrClashBlocks, true);
        ASSERT_EQ(clashes.size(), 2u) << c.what;
        EXPECT_EQ(clashes[1], c.clash) << c.what;
        EXPECT_EQ(clashes[0], (Block{At(2000, 1, 4, 10, 0), 60, 12})) << c.what;  // on no chime set: kept
        Control().SendMessage(CWndBoard::kDragEnd, 0, 0);
    }
}

// An activity or a group dragged from the entity board's list onto the board: the drop lands on
// the whole hour under the pointer, adds the entries under one undo level and runs the plan
// check; Escape, a drop off the day columns, or an activity that left the plan add nothing.
TEST_F(MagnetDragTest, DropsFromTheEntityBoardAddEntriesOnTheWholeHour) {
    CMagnetPageDialogs dialogs;
    dialogs.chooseActivities = [](std::vector<int>&, std::vector<int>&, std::vector<int>&, std::vector<int>&) { return true; };
    CWndMagnet::SetDialogs(dialogs);
    const COleDateTime friday9 = At(2000, 1, 7, 9, 0);
    enum End { kDrop, kEscape, kGone, kOffTheColumns };
    struct Case {
        const char* what;
        int id;
        End end;
        std::vector<int> added;  // activities with a new hour on Friday at 09:00
    } cases[] = {
        {"activity", 15, kDrop, {15}},
        {"group", 7, kDrop, {20, 21}},
        {"escape", 15, kEscape, {}},
        {"activity gone", 15, kGone, {}},
        {"over the row names", 15, kOffTheColumns, {}},
    };
    for (const Case& c : cases) {
        const std::size_t entries = m_data.m_arrEntries.size();
        const int refreshes = m_host.refreshes;
        m_data.DiscardUndo();
        m_answerer.asked.clear();
        BeginBoardDrag(c.id);
        ASSERT_TRUE(Board().IsDragging()) << c.what;
        EXPECT_EQ(Control().m_nDragMode, CMagnetCtrl::kDragExternal) << c.what;
        // 20 minutes into the hour, in view.
        Control().GetPane(0).SetHorizontalOffset(ContentX(At(2000, 1, 7, 8, 0)));
        const CPoint over = BodyPoint(0, ContentX(friday9) + Control().GetHourWidth() / 3);
        vorn_test::MouseMove(&Board(), BoardPoint(over), Qt::LeftButton);
        EXPECT_EQ(m_host.statusTexts.back(), WhenText(friday9)) << c.what;
        const CActivity kept = *m_data.FindActivity(15);
        if (c.end == kGone) m_data.m_arrActivities.erase(m_data.FindActivity(15));
        if (c.end == kEscape)
            vorn_test::KeyPress(&Board(), Qt::Key_Escape);
        else if (c.end == kOffTheColumns)
            vorn_test::MouseRelease(&Board(), BoardPoint(CPoint(-Control().GetHeaderWidth() / 2, over.y)));
        else
            vorn_test::MouseRelease(&Board(), BoardPoint(over));
        vorn_test::ProcessEvents();
        EXPECT_EQ(m_data.m_arrEntries.size(), entries + c.added.size()) << c.what;
        for (const int id : c.added) {
            const auto entry = m_data.FindEntryAt(id, friday9);
            ASSERT_NE(entry, m_data.m_arrEntries.end()) << c.what << " " << id;
            EXPECT_EQ(WholeMinutes(entry->m_tsLength), 60) << c.what;
        }
        EXPECT_EQ(m_data.HasUndoSnapshot(), !c.added.empty()) << c.what;
        EXPECT_EQ(m_host.refreshes, refreshes + (c.added.empty() ? 0 : 1)) << c.what;
        EXPECT_EQ(m_answerer.asked, c.end == kGone ? std::vector<CString>{LoadResString(IDS_MAGNET_DROP_GONE)} : std::vector<CString>{})
            << c.what;
        EXPECT_FALSE(Control().m_bDragActive) << c.what;
        EXPECT_EQ(Control().m_nDragMode, CMagnetCtrl::kDragNone) << c.what;
        if (c.end == kGone) m_data.m_arrActivities.push_back(kept);
        if (!c.added.empty()) m_data.Undo(FALSE);
        // A cancel after the drag has ended changes nothing.
        Control().SendMessage(CWndBoard::kDragEnd, 0, 0);
        EXPECT_EQ(Control().m_nDragMode, CMagnetCtrl::kDragNone);
        m_page->Update(4);
        Control().SelectRow(1);
    }
}

// On a split board the body that took the press follows the pointer into the second pane: a
// moved magnet lands on the hour under the pointer there, a stretched end reaches it; while
// moving, both title strips mark that hour and the status bar names it; the drop takes the
// drag's tip off the screen.
TEST_F(MagnetDragTest, AMoveAndAResizeFollowThePointerIntoTheSecondPane) {
    Control().ToggleSplit();
    vorn_test::ProcessEvents();
    ASSERT_TRUE(Control().IsSplit());
    struct Case {
        const char* what;
        bool resize;
        COleDateTime pointer;  // where the pointer ends, shown in the second pane
        COleDateTime start;
        int minutes;
    } cases[] = {
        {"move to Thursday", false, At(2000, 1, 6, 11, 0), At(2000, 1, 6, 11, 0), 60},
        {"stretch to 12:00", true, At(2000, 1, 4, 12, 0), At(2000, 1, 4, 10, 0), 120},
    };
    for (const Case& c : cases) {
        // The first pane shows Tuesday morning, the second the hour the pointer goes to.
        Control().GetPane(0).SetHorizontalOffset(ContentX(At(2000, 1, 4, 9, 0)));
        Control().GetPane(1).SetHorizontalOffset(ContentX(c.pointer) - 2 * Control().GetHourWidth());
        m_host.statusTexts.clear();
        PressMagnet(12, c.resize);
        ASSERT_EQ(Control().m_nDragMode, c.resize ? CMagnetCtrl::kDragResize : CMagnetCtrl::kDragMove) << c.what;
        const CPoint to = BodyPoint(1, ContentX(c.pointer) + (c.resize ? 3 : 5));
        ASSERT_GT(to.x, Control().GetSplitPosition()) << c.what;
        vorn_test::MouseMove(&Body(), to, Qt::LeftButton);
        EXPECT_EQ(Control().m_pPointerPane, &Control().GetPane(1)) << c.what;
        ASSERT_FALSE(m_host.statusTexts.empty()) << c.what;
        EXPECT_EQ(m_host.statusTexts.back(), WhenText(c.pointer)) << c.what;
        if (!c.resize) {
            for (int pane = 0; pane < 2; ++pane)
                EXPECT_EQ(Control().GetPane(pane).GetTitle().GetHighlightColumn(), 3) << c.what << " pane " << pane;
        }
        // The tip of the drag (what the magnet would meet there) stands on screen until the drop.
        // It is shown at a point (kind 1): a tip of kind 0 belongs to a tool under the pointer,
        // and the tip's periodic check would take it away before the drop, as this one has none.
        CHtmlToolInfo tip;
        tip.m_text = L"Clashes";
        Body().GetToolTip().ShowTool(tip, Body().GetSafeHwnd(), FALSE, 1);
        vorn_test::ProcessEvents();
        ASSERT_TRUE(Body().GetToolTip().IsWindowVisible()) << c.what;
        vorn_test::MouseRelease(&Body(), to);
        vorn_test::ProcessEvents();
        EXPECT_FALSE(Body().GetToolTip().IsWindowVisible()) << c.what;
        EXPECT_EQ(Entry(12).m_dtStart, c.start) << c.what;
        EXPECT_EQ(WholeMinutes(Entry(12).m_tsLength), c.minutes) << c.what;
        EXPECT_TRUE(m_data.HasUndoSnapshot()) << c.what;
        EXPECT_EQ(m_host.statusTexts.back(), LoadResString(AFX_IDS_IDLEMESSAGE)) << c.what;
        EXPECT_EQ(Control().GetPane(1).GetTitle().GetHighlightColumn(), -1) << c.what;
        m_data.Undo(FALSE);
        m_page->Update(4);
        Control().SelectRow(1);
    }
}

// A move whose mouse is taken away ends without an edit, and a press beside every magnet takes
// no press: neither leaves a press or drag state behind, so the next press on the grip starts a
// new move.
TEST_F(MagnetDragTest, NoPressOrDragStateOutlivesALostCaptureOrAnUncapturedPress) {
    struct Case {
        const char* what;
        std::function<void()> act;
    } cases[] = {
        {"capture lost during a move",
         [&] {
             const CPoint at = PressMagnet(12);
             vorn_test::MouseMove(&Body(), CPoint(at.x + 2 * Control().GetHourWidth(), at.y), Qt::LeftButton);
             ASSERT_TRUE(Control().m_bDragActive);
             Control().SetCapture();
             vorn_test::ProcessEvents();
             ::ReleaseCapture();
         }},
        {"press beside every magnet",
         [&] { vorn_test::MousePress(&Body(), BodyPoint(0, ContentX(At(2000, 1, 3, 14, 0)))); }},
    };
    for (const Case& c : cases) {
        m_data.DiscardUndo();
        c.act();
        EXPECT_FALSE(Control().m_bPressed) << c.what;
        EXPECT_FALSE(Control().m_bDragActive) << c.what;
        EXPECT_EQ(Control().m_nDragMode, CMagnetCtrl::kDragNone) << c.what;
        EXPECT_EQ(Control().m_nTimerId, 0u) << c.what;
        EXPECT_EQ(Entry(12).m_dtStart, At(2000, 1, 4, 10, 0)) << c.what;
        EXPECT_FALSE(m_data.HasUndoSnapshot()) << c.what;
        const CPoint at = PressMagnet(12);
        EXPECT_EQ(Control().m_nDragMode, CMagnetCtrl::kDragMove) << c.what;
        vorn_test::MouseRelease(&Body(), at);
    }
}

}  // namespace
