// The main window on the magnet board page with the dated school plan, the entity board open on
// the current class's groups and activities (build/test-pictures/magnet_page_school.png), while
// an activity is dragged from it onto the board (magnet_page_entity_board.png), and while a
// magnet is moved with the times its members are not free and the lessons it clashes with
// (magnet_drag_blocked_and_clashes.png).
#include <gtest/gtest.h>

#include "../frame/explorer_commands.h"
#include "../frame/shell_fixture.h"
#include "frame/wnd_board.h"
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
    CMagnetCtrl& Control() { return Page().GetControl(); }
    // A point of the first pane's body over the content x, in the current row.
    CPoint BodyPoint(int contentX) {
        CMagnetCtrl& control = Control();
        return CPoint(contentX - control.GetPane(0).GetHorizontalOffset(),
                      control.GetCurrentRow()->m_rect.top + control.GetCurrentRow()->m_rect.Height() / 2 -
                          control.GetVerticalOffset());
    }
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

// An activity of the current class dragged from the entity board: the class's row shows where
// the activity clashes and where its members are not free; the drop ends the drag.
TEST_F(MagnetShellTest, AnActivityDraggedFromTheEntityBoard) {
    Load("school-dated.xml");
    ShowPage();
    CMagnetCtrl& control = Control();
    control.SelectRow(control.GetRows()[1].m_nEntityId);
    Page().OnShowRowBoard();
    Page().OnZoomFit();
    vorn_test::ProcessEvents();
    CWndBoard& board = Page().GetBoard();
    int item = -1;
    for (int i = 0; i < board.m_list.GetItemCount() && item < 0; ++i) {
        LVITEM row{};
        row.mask = LVIF_GROUPID;
        row.iItem = i;
        if (board.m_list.GetItem(&row) && row.iGroupId == 1) item = i;
    }
    ASSERT_GE(item, 0) << "no activity on the entity board";
    board.m_list.SetItemState(item, LVIS_SELECTED, LVIS_SELECTED);
    CPoint start(20, 60);
    board.ClientToScreen(&start);
    board.BeginDrag(start);
    ASSERT_EQ(control.m_nDragMode, CMagnetCtrl::kDragExternal);
    EXPECT_FALSE(control.m_arrClashBlocks.empty());
    CPoint over = BodyPoint(control.GetPane(0).GetTitle().GetColumns()[2].m_nLeft + control.GetHourWidth() / 2);
    control.GetPane(0).GetBody().ClientToScreen(&over);
    board.ScreenToClient(&over);
    vorn_test::MouseMove(&board, over, Qt::LeftButton);
    SaveScreenPicture(frame, "magnet_page_entity_board.png");
    vorn_test::MouseRelease(&board, over);
    vorn_test::ProcessEvents();
    EXPECT_EQ(control.m_nDragMode, CMagnetCtrl::kDragNone);
    EXPECT_FALSE(control.m_bDragActive);
}

// A magnet moved by its grip: the row shows the hours its members are not free and the lessons
// it clashes with while the pointer is two hours further on.
TEST_F(MagnetShellTest, AMoveShowsBlockedTimesAndClashBlocks) {
    Load("school-dated.xml");
    ShowPage();
    CMagnetCtrl& control = Control();
    vorn_test::ProcessEvents();
    CMagnetCtrlBody& body = control.GetPane(0).GetBody();
    CRect client;
    body.GetClientRect(&client);
    // The first magnet of a row in view whose move shows both kinds of block.
    int rowId = 0;
    std::uint64_t entry = 0;
    for (CMagnetRow& row : control.GetRows()) {
        if (row.m_rect.bottom > client.bottom || rowId) break;
        for (const CMagnetItem& magnet : row.m_arrMagnets) {
            if (magnet.m_bGroupItem || magnet.m_rect.IsRectEmpty() || magnet.m_rect.right > client.right / 2) continue;
            control.CollectClashBlocks(magnet.m_nActivity, magnet.m_nEntry, 0);
            control.ClearBlockedTimes();
            control.CollectBlockedTimes(0, magnet.m_nActivity);
            if (!control.m_arrClashBlocks.empty() && !control.m_arrBlockedTimes.empty()) {
                rowId = row.m_nEntityId;
                entry = magnet.m_nEntry;
                break;
            }
        }
    }
    ASSERT_NE(rowId, 0) << "no magnet with blocked times and clashes in view";
    control.SelectRow(rowId);
    vorn_test::ProcessEvents();
    const CMagnetItem* magnet = nullptr;
    for (const CMagnetItem& m : control.GetCurrentRow()->m_arrMagnets)
        if (m.m_nEntry == entry) magnet = &m;
    ASSERT_NE(magnet, nullptr);
    const CPoint grip = BodyPoint(magnet->m_rect.left + 4);
    vorn_test::Click(&body, BodyPoint(magnet->m_rect.CenterPoint().x));
    vorn_test::MousePress(&body, grip);
    ASSERT_EQ(control.m_nDragMode, CMagnetCtrl::kDragMove);
    EXPECT_FALSE(control.m_arrClashBlocks.empty());
    EXPECT_FALSE(control.m_arrBlockedTimes.empty());
    vorn_test::ProcessEvents();
    body.UpdateWindow();
    control.m_nBlinkPhase = 1;
    vorn_test::MouseMove(&body, CPoint(grip.x + 2 * control.GetHourWidth(), grip.y), Qt::LeftButton);
    SaveScreenPicture(frame, "magnet_drag_blocked_and_clashes.png");
    // Back where it started: nothing changes.
    vorn_test::MouseRelease(&body, grip);
    EXPECT_EQ(control.m_nDragMode, CMagnetCtrl::kDragNone);
}

}  // namespace
