// The side-panel page base: the split arithmetic, the four panel modes, applying the panel's
// choice, the problems command and removing participants of an entry.
#include "frame/my_view.h"

#include "shell_fixture.h"

namespace {

struct SplitCase {
    int width, split, divider, keptSplit;
};
// p = 80 % of the width; the side list must stay between 100 pixels and half the page.
const SplitCase kSplits[] = {
    {1000, 0, 798, 0},      // the default: 200 pixels of side list
    {1000, -150, 648, -150},  // 350 pixels: kept
    {1000, 150, 798, 0},     // 50 pixels: too narrow, back to the default
    {1000, -350, 798, 0},    // 550 pixels: more than half, back to the default
    {400, 0, 318, 0},        // 80 pixels even by default: the default stays
};

// A page whose main control is a plain window and whose panel lists come from fixed ids.
class CTestView : public CMyView {
public:
    CWnd main;
    std::vector<int> applied;
    BOOL refuse = FALSE;
    int layouts = 0;
    CWnd* GetMainWnd() override { return &main; }
    void FillPanelList() override {
        GetPanel().AddItem(2, L"Maths", CString(), RGB(255, 255, 255), 1, -1, 1);
        GetPanel().Fill();
    }
    void FillPanelExtraList() override {}
    void OnLayoutDone() override { ++layouts; }
    void ApplyDroppedEntity() override {}
    BOOL HasSelection() override { return FALSE; }
    BOOL CanApplyPanelSelection(int, const std::vector<int>&) override { return !refuse; }
    void ApplyPanelSelection(int, const std::vector<int>& ids) override { applied = ids; }
    void Update(int) override {}
};

class MyViewTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        ASSERT_TRUE(view.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 1000, 500), frame, 5555));
        ASSERT_TRUE(view.main.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), &view, 1));
        view.LayoutPanes();
    }
    void TearDown() override {
        view.DestroyWindow();
        ShellTest::TearDown();
    }
    std::vector<CString> PanelCaptions() {
        std::vector<CString> captions;
        CMyListCtrl& list = view.GetPanel().m_wndList;
        for (int i = 0; i < list.GetItemCount(); ++i) captions.push_back(list.GetItemText(i, 0));
        return captions;
    }
    CTestView view;
};

}  // namespace

TEST(PageSplit, TheSideListStaysBetweenAHundredPixelsAndHalfThePage) {
    for (const SplitCase& c : kSplits) {
        const CPageSplit split = ComputePageSplit(0, c.width, c.split);
        EXPECT_EQ(split.divider, c.divider) << c.width << " / " << c.split;
        EXPECT_EQ(split.split, c.keptSplit) << c.width << " / " << c.split;
    }
}

TEST_F(MyViewTest, APanelModeShowsThePanelBesideTheMainControlAndClosingHidesIt) {
    CRect main;
    view.main.GetWindowRect(&main);
    EXPECT_EQ(main.Width(), 1000);
    EXPECT_FALSE(view.GetPanel().IsWindowVisible());
    view.SendMessage(WM_COMMAND, ID_SHOW_PANEL_LIST);
    view.main.GetWindowRect(&main);
    CRect panel;
    view.GetPanel().GetWindowRect(&panel);
    EXPECT_EQ(main.Width(), 798);
    EXPECT_EQ(panel.Width(), 1000 - 802);
    EXPECT_TRUE(view.GetPanel().IsWindowVisible());
    EXPECT_EQ(PanelCaptions(), std::vector<CString>{L"Maths"});
    view.SendMessage(CWndPanel::kClosed);
    EXPECT_EQ(view.GetPanel().m_nMode, 0);
    EXPECT_FALSE(view.GetPanel().IsWindowVisible());
}

// People: neither the current entity, nor unavailable ones, nor rooms; type 5 only when asked.
TEST_F(MyViewTest, ThePeopleModeLeavesOutTheCurrentUnavailableRoomsAndTypeFive) {
    Load("small-dated.xml");
    CScheduleData& data = application.data;
    const CEntity& current = data.m_arrEntities.front();
    data.SetCurrentEntity(current.m_nId);
    data.m_arrEntities.back().m_bUnavailable = 1;
    for (int include5 : {0, 1}) {
        view.m_bIncludeType5 = include5;
        view.SendMessage(WM_COMMAND, ID_SHOW_PANEL_ENTITIES);
        std::vector<CString> expected;
        for (const CEntity& e : data.m_arrEntities)
            if (e.m_nId != current.m_nId && !e.m_bUnavailable && e.m_nType != 4 && (e.m_nType != 5 || include5))
                expected.push_back(e.m_strName);
        std::vector<CString> shown = PanelCaptions();
        std::sort(shown.begin(), shown.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(shown, expected) << include5;
    }
}

TEST_F(MyViewTest, TheRoomsCommandDoesNothingWithoutARoom) {
    Load("small-dated.xml");
    for (CEntity& e : application.data.m_arrEntities)
        if (e.m_nType == 4) e.m_nType = 3;
    view.SendMessage(WM_COMMAND, ID_SHOW_PANEL_LIST);
    view.SendMessage(WM_COMMAND, ID_SHOW_PANEL_ROOMS);
    EXPECT_EQ(view.GetPanel().m_nMode, 1);
}

TEST_F(MyViewTest, RefreshingAPinnedPanelKeepsItPinned) {
    view.SendMessage(WM_COMMAND, ID_SHOW_PANEL_LIST);
    view.GetPanel().m_bPinned = 1;
    view.RefreshPanel();
    EXPECT_EQ(view.GetPanel().m_bPinned, 1);
    EXPECT_EQ(PanelCaptions(), std::vector<CString>{L"Maths"});
}

TEST_F(MyViewTest, ApplyingThePanelsChoiceIsOneUndoStepAndNothingWithoutASelection) {
    Load("small-dated.xml");
    CScheduleData& data = application.data;
    data.DiscardUndo();
    view.SendMessage(WM_COMMAND, ID_SHOW_PANEL_LIST);
    view.SendMessage(WM_COMMAND, ID_APPLY_PANEL_SELECTION);
    EXPECT_FALSE(data.HasUndoSnapshot());
    EXPECT_TRUE(view.applied.empty());
    view.GetPanel().m_wndList.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    view.refuse = TRUE;
    view.SendMessage(CMyView::kApplySelection);
    EXPECT_FALSE(data.HasUndoSnapshot());
    EXPECT_TRUE(view.applied.empty());
    // A refused apply keeps the undo level of an earlier edit.
    data.SaveUndo();
    view.SendMessage(CMyView::kApplySelection);
    EXPECT_TRUE(data.HasUndoSnapshot());
    data.DiscardUndo();
    view.refuse = FALSE;
    view.SendMessage(CMyView::kApplySelection);
    EXPECT_EQ(view.applied, std::vector<int>{1});
    EXPECT_TRUE(data.HasUndoSnapshot());
}

// Showing the problems lists every kind for that check and gives the user's Filter back.
TEST_F(MyViewTest, TheProblemsCommandListsEveryKindAndKeepsTheFilterSetting) {
    Load("school-clashes.xml");
    application.filter = 8;  // no kind at all
    application.data.m_arrProblems.clear();
    frame->FillMessagePanel();
    ASSERT_FALSE(frame->IsMessagePanelShown());
    view.SendMessage(WM_COMMAND, ID_SHOW_PROBLEMS);
    EXPECT_TRUE(frame->IsMessagePanelShown());
    EXPECT_EQ(application.filter, 8);
}

// Command 202 takes selected stand-ins and rooms out of the current entry; anything else, or an
// entry that is gone, changes nothing.
TEST_F(MyViewTest, RemovingParticipantsTakesOnlyStandInsAndRoomsOfTheEntryThatStillExists) {
    Load("small-dated.xml");
    CScheduleData& data = application.data;
    ASSERT_FALSE(data.m_arrEntries.empty());
    CTimetableEntry& entry = data.m_arrEntries.front();
    entry.m_arrReplacements = {CReplacement{41, 0, 0, 1, CString(), CString()}};
    entry.m_arrRooms = {42};
    entry.m_arrPairs = {CRoomPair{42, 41}, CRoomPair{43, 44}};
    CWndPanel& panel = view.GetPanel();
    panel.m_nMode = 5;
    panel.Clear();
    panel.InsertColumn(0, L"", 100);
    for (int id : {41, 42, 99}) panel.AddItem(0, L"x", CString(), 0, 1, -1, id);
    panel.Fill();
    auto select = [&](std::vector<int> rows) {
        for (int i = 0; i < panel.m_wndList.GetItemCount(); ++i) panel.m_wndList.SetItemState(i, 0, LVIS_SELECTED);
        for (int row : rows) panel.m_wndList.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
    };
    panel.SetCurrentEntry(0);  // no entry
    select({0, 1});
    panel.SendMessage(WM_COMMAND, CWndPanel::kRemoveCommand);
    EXPECT_EQ(data.m_arrEntries.front().m_arrReplacements.size(), 1u);

    panel.SetCurrentEntry(entry.GetSerial());
    select({2});  // neither a stand-in nor a room of the entry
    data.DiscardUndo();
    panel.SendMessage(WM_COMMAND, CWndPanel::kRemoveCommand);
    EXPECT_FALSE(data.HasUndoSnapshot());
    EXPECT_EQ(data.m_arrEntries.front().m_arrRooms.size(), 1u);

    select({0, 1});
    panel.SendMessage(WM_COMMAND, CWndPanel::kRemoveCommand);
    const CTimetableEntry& after = *data.FindEntryBySerial(entry.GetSerial());
    EXPECT_TRUE(after.m_arrReplacements.empty());
    EXPECT_TRUE(after.m_arrRooms.empty());
    EXPECT_EQ(after.m_arrPairs, (std::vector<CRoomPair>{CRoomPair{43, 44}}));
    EXPECT_TRUE(data.HasUndoSnapshot());
}

// A double click on a row of a page's panel opens the row's editor in every mode.
TEST_F(MyViewTest, DoubleClickingARowOpensItsEditorInEveryMode) {
    Load("small-dated.xml");
    CScheduleData& data = application.data;
    ASSERT_FALSE(data.m_arrActivities.empty());
    CActivityGroup group;
    group.m_nId = 77;
    data.m_arrGroups.push_back(group);
    int room = 0, person = 0;
    for (const CEntity& e : data.m_arrEntities) (e.m_nType == 4 ? room : person) = e.m_nId;
    ASSERT_TRUE(room && person);
    const std::pair<int, int> rows[] = {{1, data.m_arrActivities.front().m_nId}, {2, person}, {3, room}, {4, 77}};
    std::vector<int> edited;
    CWndPanel::s_editRecord = [&](CWndPanel&, int id) {
        edited.push_back(id);
        return FALSE;
    };
    CWndPanel& panel = view.GetPanel();
    for (const auto& [mode, id] : rows) {
        panel.Clear();
        panel.m_nMode = mode;
        panel.InsertColumn(0, L"", 100);
        panel.AddItem(0, L"x", CString(), 0, 1, -1, id);
        panel.Fill();
        panel.m_wndList.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
        panel.SendMessage(CMyListCtrl::kDoubleClicked, static_cast<WPARAM>(id), 0);
    }
    CWndPanel::s_editRecord = nullptr;
    EXPECT_EQ(edited, (std::vector<int>{rows[0].second, person, room, 77}));
}

TEST_F(MyViewTest, APageWithItsSidePanel) {
    Load("school-dated.xml");
    view.MoveWindow(0, 0, 900, 500);
    view.SendMessage(WM_COMMAND, ID_SHOW_PANEL_ENTITIES);
    SaveScreenPicture(&view, "page_with_side_panel.png");
}

