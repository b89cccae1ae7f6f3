// The frame's message panel: the plan check's problems, filtered by when they happen, and the
// Filter setting that only this panel writes.
#include "shell_fixture.h"

namespace {

CProblem Problem(int kind, const wchar_t* text, int entity, const COleDateTime& date) {
    CProblem problem;
    problem.m_nKind = kind;
    problem.m_strText = text;
    problem.m_nRecord = entity;
    problem.m_dtDate = date;
    return problem;
}

int Rows(CMainFrame* frame) { return frame->GetMessagePanel().m_wndList.GetItemCount(); }

}  // namespace

TEST_F(ShellTest, TheMessagePanelListsTheProblemsOfTheClashesPlan) {
    Load("school-clashes.xml");
    ASSERT_FALSE(application.data.m_arrProblems.empty());
    EXPECT_TRUE(frame->IsMessagePanelShown());
    EXPECT_TRUE(frame->GetMessagePanel().IsWindowVisible());
    EXPECT_EQ(Rows(frame), static_cast<int>(application.data.m_arrProblems.size()));
    EXPECT_EQ(frame->GetMessagePanel().m_wndList.GetItemText(0, 0), application.data.m_arrProblems[0].m_strText);
    // The column follows the panel's width when the window grows.
    CRect window;
    frame->GetWindowRect(&window);
    frame->MoveWindow(window.left, window.top, window.Width() + 700, window.Height());
    vorn_test::ProcessEvents();
    CRect panel;
    frame->GetMessagePanel().GetWindowRect(&panel);
    EXPECT_GT(panel.Width(), 1000);
    EXPECT_EQ(frame->GetMessagePanel().m_wndList.GetColumnWidth(0), panel.Width());
    SaveScreenPicture(frame, "message_panel_clashes.png");
}

// A dated plan's problems are today (1), later (2) or earlier (4); the Filter setting chooses.
TEST_F(ShellTest, ADatedPlanListsTheProblemsOfTheFilterAndHidesWhenNoneIsLeft) {
    Load("small-dated.xml");
    ASSERT_FALSE(application.data.HasDefaultStartDate());
    const COleDateTime today = COleDateTime::GetCurrentTime();
    const COleDateTimeSpan day(1, 0, 0, 0);
    struct Case {
        int filter;
        int rows;
        bool shown;
    };
    const Case cases[] = {{15, 4, true}, {1, 1, true}, {2, 2, true}, {4, 1, true}, {6, 3, true}, {8, 0, false}};
    for (const Case& c : cases) {
        application.data.m_arrProblems = {Problem(13, L"today", 0, today), Problem(13, L"tomorrow", 0, today + day),
                                          Problem(13, L"next week", 0, today + day * 7.0),
                                          Problem(13, L"yesterday", 0, today - day)};
        application.filter = c.filter;
        frame->FillMessagePanel();
        EXPECT_EQ(frame->IsMessagePanelShown() != FALSE, c.shown) << c.filter;
        if (c.shown) {
            EXPECT_EQ(Rows(frame), c.rows) << c.filter;
            EXPECT_EQ(frame->GetMessagePanel().m_wndList.m_nMenuOptions, 15);
        }
    }
}

TEST_F(ShellTest, AWeekTemplateListsEveryProblemWithoutTheKindMenu) {
    Load("small-template.xml");
    ASSERT_TRUE(application.data.HasDefaultStartDate());
    application.filter = 4;
    application.data.m_arrProblems = {Problem(13, L"one", 0, COleDateTime()), Problem(15, L"two", 0, COleDateTime())};
    frame->FillMessagePanel();
    EXPECT_TRUE(frame->IsMessagePanelShown());
    EXPECT_EQ(Rows(frame), 2);
    EXPECT_EQ(frame->GetMessagePanel().m_wndList.m_nMenuOptions, 0);
    application.data.m_arrProblems.clear();
    frame->FillMessagePanel();
    EXPECT_FALSE(frame->IsMessagePanelShown());
}

// Changing the kinds in the message panel's menu is the Filter setting; a page's side list
// changes only its own list.
TEST_F(ShellTest, OnlyTheMessagePanelWritesTheFilterSetting) {
    application.filter = 15;
    CWndPanel pagePanel;
    ASSERT_TRUE(pagePanel.Create(nullptr, nullptr, WS_CHILD, CRect(0, 0, 200, 200), frame, 4321));
    pagePanel.m_bShowPinButton = 1;
    pagePanel.m_wndList.m_nDisplayMode = 2;
    pagePanel.SendMessage(CMyListCtrl::kDisplayMode, 0, 0);
    EXPECT_EQ(application.filter, 15);
    frame->GetMessagePanel().m_wndList.m_nDisplayMode = 4;
    frame->GetMessagePanel().SendMessage(CMyListCtrl::kDisplayMode, 0, 0);
    EXPECT_EQ(application.filter, 4);
    pagePanel.DestroyWindow();
}

TEST_F(ShellTest, DoubleClickingAProblemMakesItsEntityCurrentAndIgnoresAMissingOne) {
    Load("small-dated.xml");
    const int first = application.data.m_arrEntities.front().m_nId;
    const int last = application.data.m_arrEntities.back().m_nId;
    application.data.SetCurrentEntity(first);
    CWndPanel& panel = frame->GetMessagePanel();
    panel.SendMessage(CMyListCtrl::kDoubleClicked, static_cast<WPARAM>(last), 0);
    EXPECT_EQ(application.data.m_nCurrentEntity, last);
    panel.SendMessage(CMyListCtrl::kDoubleClicked, 987654, 0);
    EXPECT_EQ(application.data.m_nCurrentEntity, last);
}
