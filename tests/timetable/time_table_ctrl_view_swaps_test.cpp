// Swaps of a timetable pane: the marks a press on an item gives the other items, the three-way
// rotations, and the swap chooser with its preview, answered by a scripted chooser.
#include <gtest/gtest.h>

#include "model/plan_index.h"
#include "model/time_values.h"
#include "timetable/time_table_ctrl.h"
#include "timetable/time_table_view_messages.h"
#include "plan_builder.h"
#include "timetable_test_support.h"

namespace {

// A chooser that records what it was offered and gives a fixed answer; before answering it
// moves through its list as the dialog does, sending the preview messages to the pane.
struct ScriptedChooser {
    CSwapChoice answer;
    bool previewFirstCandidate = false;
    int calls = 0;
    std::vector<CSwapCandidate> candidates;
    std::vector<CSwapFreeSlot> freeSlots;
    int toolTipsWhileOpen = -1;
    int previewWhileOpen = -1;
    int choiceWhileOpen = -1;

    SwapChooserFn Install(CTimeTableCtrlView& pane) {
        return [this, &pane](CWnd& owner, const std::vector<CSwapCandidate>& c, const std::vector<CSwapFreeSlot>& f) {
            ++calls;
            candidates = c;
            freeSlots = f;
            toolTipsWhileOpen = pane.GetBody().m_bToolTips;
            if (previewFirstCandidate && !c.empty()) {
                owner.SendMessage(WM_TT_SWAP_CHOICE, static_cast<WPARAM>(c.front().m_nEntry), 0);
                owner.SendMessage(WM_TT_SWAP_PREVIEW_ON);
                previewWhileOpen = pane.m_bSwapPreview;
                choiceWhileOpen = pane.m_nSwapChoice;
                owner.SendMessage(WM_TT_SWAP_PREVIEW_OFF);
            }
            return answer;
        };
    }
};

}  // namespace

// Teacher 1 with classes 2, 3 and 4 in a week template from Monday 3 January 2000:
//   Maths (1, 2)  Monday 08:00      Art (1, 3)  Monday 10:00
//   Music (1, 4)  Tuesday 08:00     Maths again Wednesday 08:00
// and Sport (5, 3) of another teacher, added by the tests that need it.
class SwapTest : public WeekTemplateTest {
protected:
    void SetUp() override {
        WeekTemplateTest::SetUp();
        AddEntity(1, 1, L"Ada Brook");
        AddEntity(2, 0, L"1a");
        AddEntity(3, 0, L"1b");
        AddEntity(4, 0, L"1c");
        AddEntity(5, 1, L"Ben Cole");
        AddActivity(10, L"Maths", {1, 2});
        AddActivity(11, L"Art", {1, 3});
        AddActivity(12, L"Music", {1, 4});
        AddActivity(13, L"Sport", {5, 3});
        AddEntry(10, At(2000, 1, 3, 8, 0), 60);
        AddEntry(11, At(2000, 1, 3, 10, 0), 60);
        AddEntry(12, At(2000, 1, 4, 8, 0), 60);
        AddEntry(10, At(2000, 1, 5, 8, 0), 60);
        m_data.m_nCurrentEntity = 1;
    }
    void AddEntity(int id, int type, const wchar_t* name) { AddTestEntity(m_data, id, type, name); }
    void AddActivity(int id, const wchar_t* name, std::vector<int> members) {
        AddTestActivity(m_data, id, name, std::move(members));
    }
    void AddEntry(int activity, const COleDateTime& start, int minutes) { AddTestEntry(m_data, activity, start, minutes); }
    // Shows teacher 1 and presses on the item that starts at the time.
    CTimeTableCtrlView& Show(GridHost& host, const COleDateTime& pressed) {
        host.control.SetDayRange(5, m_data.GetStartDate(), m_data.m_tDayStart);
        host.control.GetTitle().LayoutColumns(1);
        FillPaneForEntity(host.control, 0, m_data, 1);
        CTimeTableCtrlView& pane = host.control.GetPane(0);
        CTimeTableItem& item = ItemAt(pane, pressed);
        item.m_bSelected = 1;
        pane.m_nCurrentItem = static_cast<int>(&item - pane.m_arrItems.data());
        return pane;
    }
    static CTimeTableItem& ItemAt(CTimeTableCtrlView& pane, const COleDateTime& start) {
        for (CTimeTableItem& item : pane.m_arrItems)
            if (CompareTimesApprox(item.m_dtStart, start) == 0) return item;
        ADD_FAILURE() << "no item at " << start.Format(L"%d/%m %H:%M").ToUtf8();
        return pane.m_arrItems.front();
    }
};

TEST_F(SwapTest, DirectExchangeIsMarkedAndSwapsTheStarts) {
    GridHost host;
    CTimeTableCtrlView& pane = Show(host, At(2000, 1, 3, 8, 0));
    pane.ComputeSwapMarks();
    CTimeTableItem& art = ItemAt(pane, At(2000, 1, 3, 10, 0));
    EXPECT_EQ(art.m_nSwapMark, 17);
    EXPECT_EQ(ItemAt(pane, At(2000, 1, 4, 8, 0)).m_nSwapMark, 17);
    // The other Maths item shares the pressed item's activity.
    EXPECT_EQ(ItemAt(pane, At(2000, 1, 5, 8, 0)).m_nSwapMark, 0);

    CTimeTableItem* maths = pane.GetCurrentItem();
    pane.SwapStarts(&art, maths);
    EXPECT_EQ(CompareTimesApprox(maths->m_dtStart, At(2000, 1, 3, 10, 0)), 0);
    EXPECT_EQ(CompareTimesApprox(art.m_dtStart, At(2000, 1, 3, 8, 0)), 0);
    EXPECT_EQ(WholeMinutes(art.m_tsLength), 60);
}

TEST_F(SwapTest, ItemsThatNeverTakeAMark) {
    struct Case {
        const char* name;
        int state;
        int groupItem;
        int startShiftMinutes;  // Art moved to this many minutes after the pressed item's start
    };
    const Case cases[] = {
        {"state 5", 5, 0, -1}, {"state 7", 7, 0, -1},   {"state 9", 9, 0, -1},
        {"a group item", 2, 1, -1}, {"starts 2 minutes apart", 2, 0, 2},
    };
    for (const Case& c : cases) {
        GridHost host;
        CTimeTableCtrlView& pane = Show(host, At(2000, 1, 3, 8, 0));
        CTimeTableItem& art = ItemAt(pane, At(2000, 1, 3, 10, 0));
        art.m_nState = c.state;
        art.m_bGroupItem = c.groupItem;
        if (c.startShiftMinutes >= 0) art.m_dtStart = At(2000, 1, 3, 8, c.startShiftMinutes);
        const std::vector<COleDateTime> none;
        EXPECT_EQ(pane.GetSwapMark(&art, pane.GetCurrentItem(), none), 0) << c.name;
    }
}

// With Sport (teacher 5, class 3) next to the pressed Maths item, Art and Maths cannot simply
// exchange; Art, Maths and Music can rotate, and so can Art into a free hour.
TEST_F(SwapTest, ThreeWayRotationThroughAThirdItemOrAFreeHour) {
    AddEntry(13, At(2000, 1, 3, 8, 30), 60);
    GridHost host;
    CTimeTableCtrlView& pane = Show(host, At(2000, 1, 3, 8, 0));
    CTimeTableItem& art = ItemAt(pane, At(2000, 1, 3, 10, 0));
    CTimeTableItem* maths = pane.GetCurrentItem();
    const CPlanIndex index(m_data);
    const std::vector<COleDateTime> none;
    EXPECT_EQ(pane.FindThreeWaySwap(&art, maths, none, &index), 18);
    // With Music and the other Maths item out of play there is no third item.
    ItemAt(pane, At(2000, 1, 4, 8, 0)).m_nState = 5;
    ItemAt(pane, At(2000, 1, 5, 8, 0)).m_nState = 5;
    EXPECT_EQ(pane.FindThreeWaySwap(&art, maths, none, &index), 0);
    const std::vector<COleDateTime> freeHours = {At(2000, 1, 6, 9, 0)};
    EXPECT_EQ(pane.FindThreeWaySwap(&art, maths, freeHours, &index), 18);
}

// An assistant in Art and in Sport who may be in one lesson at a time keeps Art out of Maths's
// slot, which Sport touches, so the mark depends on the three-way search.
TEST_F(SwapTest, MarkFollowsTheThreeWaySearchOnlyWhenTheDraggedItemFits) {
    struct Case {
        const char* name;
        bool choirBlocksClass2;  // class 2 (of Maths) is busy in Art's slot
        bool freeHour;
        int mark;
    };
    const Case cases[] = {
        {"Maths fits, no third place", false, false, 0},
        {"Maths fits, a free hour", false, true, 18},
        {"Maths does not fit Art's slot", true, true, 0},
    };
    for (const Case& c : cases) {
        m_data.ResetToNew(FALSE);
        SetUp();
        AddEntity(6, 2, L"Cy Dunn");
        m_data.FindEntity(6)->m_nOverlaps = 1;
        m_data.FindActivity(11)->m_arrMembers.push_back(6);
        m_data.FindActivity(13)->m_arrMembers = {5, 6};
        AddEntry(13, At(2000, 1, 3, 8, 30), 60);
        if (c.choirBlocksClass2) {
            AddActivity(14, L"Choir", {2});
            AddEntry(14, At(2000, 1, 3, 10, 30), 60);
        }
        GridHost host;
        CTimeTableCtrlView& pane = Show(host, At(2000, 1, 3, 8, 0));
        std::vector<COleDateTime> freeHours;
        if (c.freeHour) freeHours.push_back(At(2000, 1, 6, 9, 0));
        // Music and the second Maths item would give a rotation; out of play, only a free hour can.
        ItemAt(pane, At(2000, 1, 4, 8, 0)).m_nState = 5;
        ItemAt(pane, At(2000, 1, 5, 8, 0)).m_nState = 5;
        CTimeTableItem& art = ItemAt(pane, At(2000, 1, 3, 10, 0));
        EXPECT_EQ(pane.GetSwapMark(&art, pane.GetCurrentItem(), freeHours), c.mark) << c.name;
    }
}

// The marks of a press computed with the plan index are the marks of the plain walk.
TEST_F(SwapTest, IndexedMarksMatchThePlainWalkOnTheSchoolPlan) {
    LoadFixture("school-template.xml");
    const int teacher = BusiestEntity(1);
    m_data.m_nCurrentEntity = teacher;
    GridHost host;
    host.control.SetDayRange(m_data.m_nDays, m_data.GetStartDate(), m_data.m_tDayStart);
    FillPaneForEntity(host.control, 0, m_data, teacher);
    CTimeTableCtrlView& pane = host.control.GetPane(0);
    ASSERT_GT(pane.m_arrItems.size(), 10u);
    pane.m_nCurrentItem = 0;
    pane.m_arrItems[0].m_bSelected = 1;
    pane.ComputeSwapMarks();
    const std::vector<COleDateTime> none;
    int marked = 0;
    for (std::size_t i = 1; i < pane.m_arrItems.size(); ++i) {
        const CTimeTableItem& item = pane.m_arrItems[i];
        if (item.m_nState == 0) continue;
        // Free hours only decide between 18 and 0; the plain walk runs without them.
        const int plain = pane.GetSwapMark(&item, &pane.m_arrItems[0], none);
        if (plain == 17 || item.m_nSwapMark == 17) {
            EXPECT_EQ(item.m_nSwapMark, plain) << i;
        }
        if (plain == 18) {
            EXPECT_EQ(item.m_nSwapMark, 18) << i;
        }
        marked += item.m_nSwapMark != 0;
    }
    EXPECT_GT(marked, 0);
}

class SwapChooserTest : public SwapTest {
protected:
    void SetUp() override {
        SwapTest::SetUp();
        AddEntry(13, At(2000, 1, 3, 8, 30), 60);
    }
    void TearDown() override {
        CTimeTableCtrlView::s_swapChooser = nullptr;
        SwapTest::TearDown();
    }
};

TEST_F(SwapChooserTest, ChosenRotationMovesThreeStarts) {
    // Everybody also works on the day slots past the plan's five days.
    for (CEntity& entity : m_data.m_arrEntities)
        for (int i = m_data.m_nDays; i < 21; ++i) {
            entity.m_tDayStart[i] = MakeTimeOfDay(8, 0);
            entity.m_tDayEnd[i] = MakeTimeOfDay(16, 0);
        }
    GridHost host;
    CTimeTableCtrlView& pane = Show(host, At(2000, 1, 3, 8, 0));
    ScriptedChooser chooser;
    chooser.previewFirstCandidate = true;
    CTimeTableCtrlView::s_swapChooser = chooser.Install(pane);
    CTimeTableItem& art = ItemAt(pane, At(2000, 1, 3, 10, 0));
    CTimeTableItem& music = ItemAt(pane, At(2000, 1, 4, 8, 0));
    chooser.answer.m_bOk = 1;
    chooser.answer.m_bCandidate = 1;
    chooser.answer.m_nEntry = music.m_nSource;

    EXPECT_EQ(pane.ChooseSwap(&art, pane.GetCurrentItem()), 1);
    ASSERT_EQ(chooser.calls, 1);
    ASSERT_FALSE(chooser.candidates.empty());
    EXPECT_EQ(chooser.candidates.front().m_nEntry, music.m_nSource);
    EXPECT_EQ(chooser.candidates.front().m_strTitle, CString(L"Music"));
    EXPECT_FALSE(chooser.freeSlots.empty());
    EXPECT_FALSE(chooser.freeSlots.front().m_strText.IsEmpty());
    // Only hours of the plan's days: a lesson moved past the last one would be dropped.
    for (const CSwapFreeSlot& slot : chooser.freeSlots)
        EXPECT_LT((slot.m_dtStart - m_data.GetStartDate()).GetTotalDays(), m_data.m_nDays);
    EXPECT_EQ(chooser.toolTipsWhileOpen, 0);
    EXPECT_EQ(chooser.previewWhileOpen, 1);
    EXPECT_EQ(chooser.choiceWhileOpen, static_cast<int>(&music - pane.m_arrItems.data()));
    EXPECT_EQ(pane.m_bSwapPreview, 0);

    // Maths to Art's start, Art to Music's, Music to Maths's.
    EXPECT_EQ(CompareTimesApprox(pane.GetCurrentItem()->m_dtStart, At(2000, 1, 3, 10, 0)), 0);
    EXPECT_EQ(CompareTimesApprox(art.m_dtStart, At(2000, 1, 4, 8, 0)), 0);
    EXPECT_EQ(CompareTimesApprox(music.m_dtStart, At(2000, 1, 3, 8, 0)), 0);
    // The tips stay off until the page refills the pane.
    EXPECT_EQ(pane.GetBody().m_bToolTips, 0);
    EXPECT_EQ(pane.m_bSwapApplied, 1);
}

TEST_F(SwapChooserTest, CancelAndUnusableAnswersChangeNothing) {
    struct Case {
        const char* name;
        CSwapChoice answer;
    };
    CSwapChoice cancelled;
    CSwapChoice noTime;
    noTime.m_bOk = 1;  // OK with the dialog's "no time" value, 1 January 2000 00:00
    CSwapChoice unknownEntry;
    unknownEntry.m_bOk = 1;
    unknownEntry.m_bCandidate = 1;
    unknownEntry.m_nEntry = 0;
    const Case cases[] = {{"cancelled", cancelled}, {"no free time", noTime}, {"no such entry", unknownEntry}};
    for (const Case& c : cases) {
        GridHost host;
        CTimeTableCtrlView& pane = Show(host, At(2000, 1, 3, 8, 0));
        ScriptedChooser chooser;
        chooser.answer = c.answer;
        CTimeTableCtrlView::s_swapChooser = chooser.Install(pane);
        std::vector<COleDateTime> before;
        for (const CTimeTableItem& item : pane.m_arrItems) before.push_back(item.m_dtStart);
        CTimeTableItem& art = ItemAt(pane, At(2000, 1, 3, 10, 0));
        EXPECT_EQ(pane.ChooseSwap(&art, pane.GetCurrentItem()), 1) << c.name;
        EXPECT_EQ(chooser.calls, 1) << c.name;
        for (std::size_t i = 0; i < before.size(); ++i)
            EXPECT_EQ(CompareTimesApprox(pane.m_arrItems[i].m_dtStart, before[i]), 0) << c.name << " item " << i;
        EXPECT_EQ(pane.GetBody().m_bToolTips, 1) << c.name;
        EXPECT_EQ(pane.m_bSwapApplied, 0) << c.name;
    }
}

TEST_F(SwapChooserTest, ChosenFreeTimeMovesTheDroppedItemThere) {
    GridHost host;
    CTimeTableCtrlView& pane = Show(host, At(2000, 1, 3, 8, 0));
    ScriptedChooser chooser;
    CTimeTableCtrlView::s_swapChooser = chooser.Install(pane);
    CTimeTableItem& art = ItemAt(pane, At(2000, 1, 3, 10, 0));
    chooser.answer.m_bOk = 1;
    chooser.answer.m_dtFreeTime = At(2000, 1, 6, 9, 0);
    EXPECT_EQ(pane.ChooseSwap(&art, pane.GetCurrentItem()), 1);
    EXPECT_EQ(CompareTimesApprox(pane.GetCurrentItem()->m_dtStart, At(2000, 1, 3, 10, 0)), 0);
    EXPECT_EQ(CompareTimesApprox(art.m_dtStart, At(2000, 1, 6, 9, 0)), 0);

    // The preview's arrow of a free time points into Thursday's column at 09:00.
    pane.SendMessage(WM_TT_SWAP_CHOICE, reinterpret_cast<WPARAM>(&chooser.answer.m_dtFreeTime), 1);
    EXPECT_EQ(pane.m_nSwapChoice, CTimeTableCtrlView::kNone);
    CPoint target, choice, source;
    BOOL hasTarget = FALSE, hasSource = FALSE;
    pane.GetSwapArrowPoints(target, hasTarget, choice, source, hasSource);
    EXPECT_TRUE(hasTarget && hasSource);
    EXPECT_EQ(choice, pane.GetTimePoint(At(2000, 1, 6, 9, 0)));
}

TEST_F(SwapChooserTest, NothingToOfferShowsNoChooser) {
    GridHost host;
    CTimeTableCtrlView& pane = Show(host, At(2000, 1, 3, 8, 0));
    ScriptedChooser chooser;
    CTimeTableCtrlView::s_swapChooser = chooser.Install(pane);
    // Two items of one activity never rotate.
    CTimeTableItem& otherMaths = ItemAt(pane, At(2000, 1, 5, 8, 0));
    EXPECT_EQ(pane.ChooseSwap(&otherMaths, pane.GetCurrentItem()), 0);
    EXPECT_EQ(chooser.calls, 0);
}
