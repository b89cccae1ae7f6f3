// The board page base: the board beside the main control by its mode, refills of a pinned
// board, and closing.
#include "frame/my_display.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/core/language_pack.h"
#include "platform/ui/test_support.h"
#include "platform/ui/win_app.h"

namespace {

class CMainRecorder : public CWnd {
public:
    std::vector<WPARAM> modes;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == CMyDisplay::kPanelMode) modes.push_back(wParam);
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class CTestDisplay : public CMyDisplay {
public:
    CMainRecorder main;
    int fills = 0, kindFills = 0;
    CWnd* GetMainWnd() override { return &main; }
    void FillBoard() override { ++fills; }
    void FillBoardByKind() override { ++kindFills; }
    void LayoutClient(CRect& rect) override { rect.top += 30; }  // room for a strip of the page's own
    void Update(int) override {}
};

class MyDisplayTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(pack.Load(CString(std::string(VORN_TEST_DIR) + "/../../locale/English.rc")).ok);
        AfxSetResourcePack(&pack);
        host.CreateEx(0, nullptr, L"host", WS_OVERLAPPED | WS_CAPTION, 0, 0, 1000, 500, nullptr, nullptr);
        host.ShowWindow(SW_SHOW);
        ASSERT_TRUE(page.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 1000, 400), &host, 1));
        page.main.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), &page, 2);
    }
    void TearDown() override {
        host.DestroyWindow();
        AfxSetResourcePack(nullptr);
    }
    CRect MainRect() {
        CRect rect;
        page.main.GetWindowRect(&rect);
        page.ScreenToClient(&rect);
        return rect;
    }
    CLanguagePack pack;
    CWnd host;
    CTestDisplay page;
};

}  // namespace

TEST_F(MyDisplayTest, AnOpenBoardTakesTheRightPartAndThePageMayShrinkItsControl) {
    page.LayoutPanes();
    EXPECT_EQ(MainRect(), CRect(0, 30, 1000, 400));
    EXPECT_FALSE(page.GetBoard().IsWindowVisible());
    page.GetBoard().m_mode = 1;
    page.Refresh();
    EXPECT_EQ(page.fills, 1);
    EXPECT_EQ(MainRect(), CRect(0, 30, 798, 400));
    EXPECT_TRUE(page.GetBoard().IsWindowVisible());
}

TEST_F(MyDisplayTest, APinnedBoardIsRefilledByItsModeAndAnUnpinnedOneCloses) {
    page.GetBoard().m_mode = 3;
    page.GetBoard().m_pinned = 1;
    page.UpdateBoard();
    EXPECT_EQ(page.kindFills, 1);
    EXPECT_EQ(page.GetBoard().m_mode, 3);
    page.GetBoard().m_pinned = 0;
    page.UpdateBoard();
    EXPECT_EQ(page.kindFills, 1);
    EXPECT_EQ(page.GetBoard().m_mode, 0);
}

TEST_F(MyDisplayTest, ClosingTheBoardTellsTheMainControlAndClearsPinModeAndOptions) {
    CWndBoard& board = page.GetBoard();
    board.m_mode = 1;
    board.m_pinned = 1;
    board.m_options = 7;
    page.SendMessage(CWndBoard::kClosed);
    EXPECT_EQ(page.main.modes, std::vector<WPARAM>{0});
    EXPECT_EQ(board.m_mode, 0);
    EXPECT_EQ(board.m_pinned, 0);
    EXPECT_EQ(board.m_options, 0);
    EXPECT_EQ(MainRect(), CRect(0, 30, 1000, 400));
}
