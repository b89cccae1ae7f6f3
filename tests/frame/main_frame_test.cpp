// The main frame: the update broadcast's order, the status text, the progress part, the layout
// of its places and the routing of commands to the selected page.
#include <QMenuBar>

#include <string>
#include <vector>

#include "frame/main_frame_host.h"
#include "frame_fixture.h"
#include "model/page_content.h"
#include "platform/ui/cmd_ui_state.h"
#include "platform/ui/client_dc.h"
#include "platform/ui/message_map.h"

namespace {

std::vector<std::string> g_log;
// What reads the document besides the updates: paints and command states.
std::vector<std::string> g_readLog;

// A page that writes what reaches it into the logs, and handles command 40000.
class CLogPage : public CFramePage {
public:
    explicit CLogPage(std::string name) : m_name(std::move(name)) {}
    void Update(int kind) override { g_log.push_back(m_name + std::to_string(kind)); }
    void OnCommand40000() { g_log.push_back(m_name + " command"); }
    void OnUpdate40000(CCmdUI* cmdUI) {
        g_readLog.push_back(m_name + " state");
        cmdUI->Enable(TRUE);
    }
    void OnPaint() {
        g_readLog.push_back(m_name + " paint");
        CPaintDC dc(this);
    }
    DECLARE_MESSAGE_MAP()

private:
    std::string m_name;
};
BEGIN_MESSAGE_MAP(CLogPage, CFramePage)
    ON_WM_PAINT()
    ON_COMMAND(40000, &CLogPage::OnCommand40000)
    ON_UPDATE_COMMAND_UI(40000, &CLogPage::OnUpdate40000)
END_MESSAGE_MAP()

class BroadcastTest : public FrameTest {
protected:
    void SetUp() override {
        const char* names[] = {"contacts", "tasks", "timetable", "magnet", "reports", "options"};
        for (int i = 0; i < kFrameTabCount; ++i) {
            const std::string name = names[i];
            RegisterFramePage(kFrameTabs[i].pageId, [name] { return std::make_unique<CLogPage>(name); });
        }
        FrameTest::SetUp();
        for (const CFrameTab& tab : kFrameTabs) RegisterFramePage(tab.pageId, {});
        g_log.clear();
    }
};

struct KindCase {
    int kind;
    std::vector<std::string> log;
};

const KindCase kKinds[] = {
    {0, {"contacts0", "tasks0", "timetable0", "reports0", "options0", "magnet0"}},
    {1, {"contacts1", "tasks1", "timetable1", "magnet1", "reports1", "options1"}},
    {5, {"contacts5", "timetable5"}},
    {6, {"reports6"}},  // told after the title and status, not in the loop
    {7, {"timetable7"}},
    {8, {"tasks8", "magnet8"}},
    {9, {}},
};

TEST_F(BroadcastTest, EachKindReachesItsPagesInItsOrderAndThenTitleAndStatus) {
    for (const KindCase& c : kKinds) {
        g_log.clear();
        frame->SetStatusText(L"busy");
        frame->BroadcastUpdate(c.kind);
        EXPECT_EQ(g_log, c.log) << c.kind;
        EXPECT_EQ(frame->GetStatusText(), L"Ready") << c.kind;
        CString title;
        frame->GetWindowText(title);
        EXPECT_EQ(title, application.data.GetFilePath() + L" - Vorn Scheduler") << c.kind;
    }
    // Kind 6 brings the reports page forward, kind 3 the contacts page; the strip is repainted
    // to show it.
    frame->BroadcastUpdate(3);
    vorn_test::ProcessEvents();
    frame->BroadcastUpdate(6);
    EXPECT_EQ(frame->GetCurrentTabIndex(), 4);
    EXPECT_TRUE(frame->GetTabCtrl().GetUpdateRect(nullptr));
    vorn_test::ProcessEvents();
    frame->BroadcastUpdate(3);
    EXPECT_EQ(frame->GetCurrentTabIndex(), 0);
    EXPECT_TRUE(frame->GetTabCtrl().GetUpdateRect(nullptr));
}

TEST_F(BroadcastTest, ACommandGoesToTheSelectedPageFirst) {
    frame->SendMessage(WM_COMMAND, 40000, 0);
    EXPECT_EQ(g_log, std::vector<std::string>{"contacts command"});
}

// While the solver's worker writes the plan, the pages are neither painted nor asked for their
// command states; what was held back follows when the run has ended.
TEST_F(BroadcastTest, WhileTheWorkerRunsThePagesAreNotPaintedNorAskedForCommandStates) {
    CWnd* page = frame->FindPage(kPageContacts);
    ASSERT_NE(page, nullptr);
    frame->SetWorkerRunning(TRUE);
    g_readLog.clear();
    page->Invalidate();
    vorn_test::ProcessEvents();
    page->UpdateWindow();
    frame->SendMessage(WM_IDLEUPDATECMDUI, TRUE, 0);
    CCmdUIState::IsEnabled(frame, 40000);
    EXPECT_TRUE(g_readLog.empty());

    frame->SetWorkerRunning(FALSE);
    page->UpdateWindow();
    EXPECT_TRUE(CCmdUIState::IsEnabled(frame, 40000));
    EXPECT_EQ(g_readLog, (std::vector<std::string>{"contacts paint", "contacts state"}));
}

TEST_F(FrameTest, TheStatusTextIsFormattedWithoutLimitAndComesBackWhenAMenuCloses) {
    const CString longName(L'x', 600);
    frame->SetStatusText(L"%s: %d", longName.GetString(), 42);
    EXPECT_EQ(frame->GetStatusText().GetLength(), 604);
    frame->SendMessage(WM_MENUSELECT, MAKEWPARAM(ID_FILE_NEW, MF_HILITE), 0);
    EXPECT_EQ(frame->GetStatusBar().GetPaneText(0), L"Start a new plan");
    frame->SendMessage(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_EQ(frame->GetStatusBar().GetPaneText(0), frame->GetStatusText());
}

TEST_F(FrameTest, TheStoreDrivesTheProgressPartThroughTheHost) {
    CMainFrameHost host;
    IProgress& bar = host.ShowProgress(L"Checking");
    EXPECT_TRUE(frame->GetStatusBar().IsProgressShown());
    EXPECT_EQ(frame->GetStatusBar().Progress().GetLabelText(), L"Checking");
    bar.SetRange(0, 4);
    bar.SetStep(1);
    bar.StepIt();
    bar.StepIt();
    EXPECT_EQ(frame->GetStatusBar().Progress().GetPos(), 2);
    host.HideProgress();
    EXPECT_FALSE(frame->GetStatusBar().IsProgressShown());
}

TEST_F(FrameTest, ThePlacesLeaveTheExplorerItsWidthAndTheTabsTheRest) {
    frame->MoveWindow(0, 0, 900, 600);
    vorn_test::ProcessEvents();
    CRect explorer, tabs, client;
    frame->GetClientRect(&client);
    frame->GetExplorerPlace().GetWindowRect(&explorer);
    frame->GetTabCtrl().GetWindowRect(&tabs);
    frame->ScreenToClient(&explorer);
    frame->ScreenToClient(&tabs);
    EXPECT_EQ(explorer.left, 0);
    EXPECT_EQ(explorer.right, frame->GetExplorerWidth() - 2);
    EXPECT_EQ(tabs.left, frame->GetExplorerWidth() + 1);
    EXPECT_EQ(tabs.right, client.right);
}

TEST_F(FrameTest, DraggingTheExplorerEdgeStaysBetweenOnceAndFourTimesItsLeast) {
    frame->MoveWindow(0, 0, 1200, 700);
    vorn_test::ProcessEvents();
    const int least = frame->GetMinExplorerWidth();
    struct Case {
        int to;
        int width;
    };
    for (const Case& c : {Case{20, least}, Case{5000 / 5, 4 * least}, Case{least + 30, least + 30}}) {
        const int edge = frame->GetExplorerWidth();
        const int y = 300;
        vorn_test::MouseMove(frame, CPoint(edge, y));
        vorn_test::MousePress(frame, CPoint(edge, y));
        vorn_test::MouseMove(frame, CPoint(c.to, y), Qt::LeftButton);
        vorn_test::MouseRelease(frame, CPoint(c.to, y));
        EXPECT_EQ(frame->GetExplorerWidth(), c.width) << c.to;
    }
}

TEST_F(FrameTest, ClosingAModifiedDocumentAsksAndCancelKeepsTheFrame) {
    // Without entities there is nothing to save: the frame closes without a question.
    application.data.m_arrEntities.push_back(CEntity());
    answerer.AnswerMessageBox(IDCANCEL);
    frame->SendMessage(WM_CLOSE);
    ASSERT_EQ(answerer.m_messageBoxes.size(), 1u);
    EXPECT_NE(application.m_pMainWnd, nullptr);
    application.saveResult = FALSE;
    answerer.AnswerMessageBox(IDYES);
    frame->SendMessage(WM_CLOSE);
    EXPECT_EQ(application.saves, 1);
    EXPECT_NE(application.m_pMainWnd, nullptr) << "a save that failed keeps the work open";
}

}  // namespace
