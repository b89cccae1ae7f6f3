// The entity board: populating groups and check boxes, and the drag protocol towards its drop
// target, seen by a target that records what reaches it.
#include "frame/wnd_board.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/core/language_pack.h"
#include "platform/core/load_res_string.h"
#include "platform/ui/test_support.h"
#include "platform/ui/win_app.h"
#include "platform/ui/window_api.h"

namespace {

struct Recorded {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// A window that keeps the private messages it gets.
class CRecordingWnd : public CWnd {
public:
    std::vector<Recorded> messages;
    std::vector<UINT> Ids() const {
        std::vector<UINT> ids;
        for (const Recorded& m : messages) ids.push_back(m.message);
        return ids;
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message >= WM_USER && message < 0xC000) messages.push_back({message, wParam, lParam});
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

constexpr UINT kBegin = CWndBoard::kDragBegin, kOver = CWndBoard::kDragOver, kDrop = CWndBoard::kDrop,
               kEnd = CWndBoard::kDragEnd;

class BoardTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(pack.Load(CString(std::string(VORN_TEST_DIR) + "/../../locale/English.rc")).ok);
        AfxSetResourcePack(&pack);
        host.CreateEx(0, nullptr, L"host", WS_OVERLAPPED | WS_CAPTION, 0, 0, 600, 400, nullptr, nullptr);
        host.ShowWindow(SW_SHOW);
        ASSERT_TRUE(board.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 300), &host, 100));
        target.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(250, 0, 550, 300), &host, 200);
        pane.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 300), &target, 1);
        body.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(10, 10, 290, 290), &pane, 2);
        board.m_dragEnabled = 1;
        board.AddGroup(L"Groups");
        board.AddGroup(L"Activities");
        board.AddItem(1, 2, L"Maths", 71, 0);
        board.AddItem(0, 5, L"Science", 9, 0);
        board.Populate(L"Plan");
        vorn_test::ProcessEvents();
    }
    void TearDown() override {
        host.DestroyWindow();
        AfxSetResourcePack(nullptr);
    }
    // Starts the drag of the list's row as the list's begin-drag notice does.
    void Begin(int row) {
        board.m_list.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
        CPoint start(20, 30);
        board.ClientToScreen(&start);
        board.BeginDrag(start);
    }
    // A board point over a window of the host, as the captured mouse reports it.
    CPoint BoardPoint(CWnd& wnd, CPoint client) {
        wnd.ClientToScreen(&client);
        board.ScreenToClient(&client);
        return client;
    }
    CLanguagePack pack;
    CRecordingWnd host;
    CWndBoard board;
    CRecordingWnd target, pane, body;
};

}  // namespace

TEST_F(BoardTest, AGroupShowsItsItemsLastAddedFirstAndChecksAreReadByGroup) {
    board.m_checkBoxes = 1;
    board.AddGroup(L"People");
    for (int id : {1, 2, 3}) board.AddItem(0, 6, CString(std::to_wstring(id).c_str()), id, id != 2);
    board.Populate(L"People");
    ASSERT_EQ(board.m_list.GetItemCount(), 3);
    EXPECT_EQ(board.m_list.GetItemData(0), 3u);
    EXPECT_EQ(board.m_list.GetItemData(2), 1u);
    std::vector<int> checked;
    board.GetCheckedIds(0, checked);
    EXPECT_EQ(checked, (std::vector<int>{3, 1}));
    checked.clear();
    board.GetCheckedIds(1, checked);
    EXPECT_TRUE(checked.empty());
}

// Begin, moves over the target and its children, drop: the target alone hears each step.
TEST_F(BoardTest, ADropTellsTheTargetWhatAndWhereAndNoOneElse) {
    board.m_dropTarget = &target;
    Begin(0);  // Science, in group 0, was added last: it is on top
    vorn_test::MouseMove(&board, BoardPoint(body, CPoint(50, 60)), Qt::LeftButton);
    vorn_test::MouseMove(&board, BoardPoint(target, CPoint(100, 100)), Qt::LeftButton);
    vorn_test::MouseRelease(&board, BoardPoint(target, CPoint(120, 110)));
    ASSERT_EQ(target.Ids(), (std::vector<UINT>{kBegin, kOver, kOver, kDrop}));
    EXPECT_EQ(target.messages[0].wParam, 9u);
    EXPECT_EQ(target.messages[0].lParam, 0);
    CPoint screen(100, 100);  // moves in screen coordinates, the drop in the target's own
    target.ClientToScreen(&screen);
    EXPECT_EQ(static_cast<int>(target.messages[2].wParam), screen.x);
    EXPECT_EQ(static_cast<int>(target.messages[2].lParam), screen.y);
    EXPECT_EQ(target.messages[3].wParam, 120u);
    EXPECT_EQ(target.messages[3].lParam, 110);
    EXPECT_TRUE(pane.messages.empty());
    EXPECT_TRUE(body.messages.empty());
    EXPECT_TRUE(host.Ids().empty());
    EXPECT_FALSE(board.IsDragging());
}


TEST_F(BoardTest, EscapeCaptureLossAndAReleaseAwayFromTheTargetCancel) {
    board.m_dropTarget = &target;
    const std::vector<std::pair<const char*, std::function<void()>>> ends = {
        {"release over the board", [&] { vorn_test::MouseRelease(&board, CPoint(20, 40)); }},
        {"escape", [&] { vorn_test::KeyPress(&board, Qt::Key_Escape); }},
        {"capture lost", [&] { target.SetCapture(); }},
    };
    for (const auto& [what, end] : ends) {
        target.messages.clear();
        Begin(1);
        vorn_test::MouseMove(&board, BoardPoint(target, CPoint(30, 30)), Qt::LeftButton);
        end();
        vorn_test::ProcessEvents();
        EXPECT_EQ(target.Ids(), (std::vector<UINT>{kBegin, kOver, kEnd})) << what;
        EXPECT_FALSE(board.IsDragging()) << what;
        if (::GetCapture() == target.m_hWnd) ::ReleaseCapture();
    }
}

TEST_F(BoardTest, ABoardWithoutATargetOrWithoutDraggingSendsNothing) {
    Begin(0);
    vorn_test::MouseMove(&board, BoardPoint(target, CPoint(30, 30)), Qt::LeftButton);
    vorn_test::MouseRelease(&board, BoardPoint(target, CPoint(30, 30)));
    EXPECT_TRUE(target.messages.empty());
    board.m_dropTarget = &target;
    board.m_dragEnabled = 0;
    Begin(0);
    EXPECT_FALSE(board.IsDragging());
    EXPECT_TRUE(target.messages.empty());
}
