// The main window on the magnet board page with the dated school plan, the entity board open on
// the current class's groups and activities (build/test-pictures/magnet_page_school.png).
#include <gtest/gtest.h>

#include "../frame/explorer_commands.h"
#include "../frame/shell_fixture.h"
#include "planner/wnd_magnet.h"

namespace {

class MagnetShellTest : public ShellTest {
protected:
    void SetUp() override {
        RegisterFramePage(kPageMagnet, [] { return std::make_unique<CWndMagnet>(); });
        ShellTest::SetUp();
        RegisterFramePage(kPageMagnet, {});
        frame->MoveWindow(0, 0, 1400, 900);
    }
    CWndMagnet& Page() { return *static_cast<CWndMagnet*>(frame->FindPage(kPageMagnet)); }
    void ShowPage() {
        for (TabCtrlItem* item : frame->GetTabCtrl().GetItems())
            if (item->pageWnd == Page().GetSafeHwnd()) frame->GetTabCtrl().SelectTab(item);
        vorn_test::ProcessEvents();
    }
};

TEST_F(MagnetShellTest, TheMainWindowShowsTheSchoolOnTheMagnetBoard) {
    Load("school-dated.xml");
    ShowPage();
    ASSERT_TRUE(Page().IsWindowVisible());
    CMagnetCtrl& control = Page().GetControl();
    std::size_t classes = 0;
    for (const CEntity& e : application.data.m_arrEntities) classes += e.m_nType == 0;
    EXPECT_EQ(control.GetRows().size(), classes);
    EXPECT_EQ(control.GetPane(0).GetTitle().GetColumns().size(), static_cast<std::size_t>(application.data.m_nDays));
    // The second class is current and the entity board lists what may be dragged onto its row.
    control.SelectRow(control.GetRows()[1].m_nEntityId);
    Page().OnShowRowBoard();
    EXPECT_EQ(Page().GetBoard().m_mode, 1);
    EXPECT_GT(Page().GetBoard().m_list.GetItemCount(), 0);
    Page().OnZoomFit();
    SaveScreenPicture(frame, "magnet_page_school.png");
}

// The explorer bar on the magnet board tab lists the page's commands, and the page handles each.
TEST_F(MagnetShellTest, TheExplorerBarListsCommandsThePageHandles) {
    Load("school-dated.xml");
    ShowPage();
    EXPECT_GE(ExplorerCommands(*frame).size(), 10u);
    EXPECT_TRUE(ExplorerCommandsWithoutHandler(*frame, Page()).empty());
}

}  // namespace
