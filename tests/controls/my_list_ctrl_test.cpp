// The side panel's list: the drag protocol toward the grid controls (begin, moving over the
// target, drop, and cancelling with Escape or when the capture goes), the double click, the
// display-mode menu and the coloured rows in their groups.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/my_list_ctrl.h"
#include "language_pack_fixture.h"
#include "platform/ui/image_list_drag.h"
#include "platform/ui/menu.h"
#include "platform/ui/test_support.h"
#include "platform/ui/window_api.h"
#include "resource_ids.h"
#include "../platform/ui/frame_picture.h"

namespace {

struct Logged {
    std::string window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    CPoint drop;  // the drop point, for the drop message
    bool operator==(const Logged& o) const {
        return window == o.window && message == o.message && wParam == o.wParam && lParam == o.lParam;
    }
};
std::ostream& operator<<(std::ostream& os, const Logged& l) {
    return os << l.window << ":" << l.message - WM_USER << "(" << l.wParam << "," << l.lParam << ")";
}

// A window that writes the private messages it gets into a shared log.
class LogWnd : public CWnd {
public:
    LogWnd(std::vector<Logged>& log, std::string name) : m_log(log), m_name(std::move(name)) {}

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message >= WM_USER && message < WM_APP) {
            Logged entry{m_name, message, wParam, lParam, {}};
            if (message == CMyListCtrl::kDrop) {
                entry.drop = *reinterpret_cast<const POINT*>(wParam);
                entry.wParam = 0;  // the pointer itself says nothing
            }
            m_log.push_back(entry);
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }

private:
    std::vector<Logged>& m_log;
    std::string m_name;
};

constexpr UINT kOver = CMyListCtrl::kDragOver;

struct ListFixture : EnglishPackTest {
    std::vector<Logged> log;
    LogWnd host{log, "host"};
    LogWnd target{log, "target"};
    LogWnd cell{log, "cell"};
    CMyListCtrl list;

    void SetUp() override {
        EnglishPackTest::SetUp();
        host.CreateEx(0, nullptr, L"panel", WS_OVERLAPPED | WS_CAPTION, 0, 0, 640, 400, nullptr, nullptr);
        host.ShowWindow(SW_SHOW);
        target.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(300, 10, 620, 300), &host, 2);
        cell.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(20, 20, 200, 200), &target, 3);
        ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS, CRect(10, 10, 260, 300), &host, 1));
        list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
        list.AddColumn(0, L"Name", 200);
        list.EnableGroupView(TRUE);
        list.InsertGroup(L"Teachers", 1);
        list.InsertGroup(L"Classes", 2);
        list.InsertGroupItem(1, L"Ada", 0, 11);
        list.InsertGroupItem(1, L"Ben", 0, 12);
        list.InsertGroupItem(2, L"4B", 0, 21);
        list.m_nDragImageId = IDB_PANEL_IMAGES;
        list.m_bDragEnabled = 1;
        list.m_pDropTarget = &target;
        vorn_test::ProcessEvents();
    }
    CPoint ItemPoint(int index) {
        CRect r;
        list.GetItemRect(index, &r, LVIR_BOUNDS);
        return CPoint(r.left + 30, r.CenterPoint().y);
    }
    // A point of `wnd` in the list's client coordinates.
    CPoint Over(CWnd& wnd, CPoint at) {
        wnd.ClientToScreen(&at);
        list.ScreenToClient(&at);
        return at;
    }
    void StartDrag(int item) {
        const CPoint p = ItemPoint(item);
        vorn_test::MouseMove(&list, p);
        vorn_test::MousePress(&list, p);
        vorn_test::MouseMove(&list, p + CPoint(12, 0), Qt::LeftButton);
    }
    bool DragImageShown() {
        RECT r;
        return vorn_ui::GetDragImageRect(&r) != FALSE;
    }
};

}  // namespace

TEST_F(ListFixture, DragOverTheTargetAndDrop) {
    StartDrag(1);
    ASSERT_TRUE(list.IsDragging());
    EXPECT_TRUE(DragImageShown());
    const CPoint overCell = Over(cell, CPoint(50, 60));
    vorn_test::MouseMove(&list, overCell, Qt::LeftButton);
    CPoint screen(50, 60);
    cell.ClientToScreen(&screen);
    const WPARAM x = static_cast<WPARAM>(screen.x);
    const LPARAM y = screen.y;
    vorn_test::MouseRelease(&list, overCell);
    const std::vector<Logged> expected = {
        {"host", CMyListCtrl::kItemChanged, 0, 0, {}},  // the press selected the item
        {"target", CMyListCtrl::kDragPrepare, 0, 0, {}},
        {"target", CMyListCtrl::kDragBegin, 12, 0, {}},
        {"cell", kOver, x, y, {}},
        {"target", kOver, x, y, {}},
        {"host", kOver, x, y, {}},
        {"target", CMyListCtrl::kDrop, 0, 0, {}},
    };
    EXPECT_EQ(log, expected);
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back().drop, CPoint(70, 80));  // in the target's client coordinates
    EXPECT_FALSE(list.IsDragging());
    EXPECT_FALSE(DragImageShown());
}

TEST_F(ListFixture, DragThatEndsElsewhereOrIsCancelledTellsTheTarget) {
    enum class End { OverTheList, Escape, CaptureLost };
    struct Case {
        const char* name;
        End end;
        std::vector<Logged> tail;  // after the begin messages and the move over the target
    };
    const Case cases[] = {
        {"released over the list itself", End::OverTheList, {{"target", CMyListCtrl::kDragEnd, 0, 0, {}}}},
        {"Escape", End::Escape, {{"target", CMyListCtrl::kDragEnd, 0, 0, {}}, {"host", CMyListCtrl::kDragEnd, 0, 0, {}}}},
        {"another window takes the capture", End::CaptureLost,
         {{"target", CMyListCtrl::kDragEnd, 0, 0, {}}, {"host", CMyListCtrl::kDragEnd, 0, 0, {}}}},
    };
    for (const auto& c : cases) {
        StartDrag(0);
        vorn_test::MouseMove(&list, Over(target, CPoint(250, 250)), Qt::LeftButton);
        log.clear();
        switch (c.end) {
        case End::OverTheList:
            vorn_test::MouseMove(&list, ItemPoint(2), Qt::LeftButton);
            vorn_test::MouseRelease(&list, ItemPoint(2));
            break;
        case End::Escape: vorn_test::KeyPress(&list, Qt::Key_Escape); break;
        case End::CaptureLost: host.SetCapture(); break;
        }
        EXPECT_EQ(log, c.tail) << c.name;
        EXPECT_FALSE(list.IsDragging()) << c.name;
        EXPECT_FALSE(DragImageShown()) << c.name;
        if (CWnd::GetCapture()) ::ReleaseCapture();
        vorn_test::MouseRelease(&list, ItemPoint(2));
    }
}

TEST_F(ListFixture, DoubleClickAndDisplayModeTellTheOwner) {
    vorn_test::DoubleClick(&list, ItemPoint(2));
    std::vector<Logged> clicks;
    for (const auto& l : log)
        if (l.message == CMyListCtrl::kDoubleClicked) clicks.push_back(l);
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0].wParam, 21u);

    struct Case {
        int pageFlag;
        UINT command;
        int mode;
    };
    const Case cases[] = {{1, ID_PANEL_SHOW_MODE_4, 4}, {1, ID_PANEL_SHOW_ALL, 15}, {0, ID_MESSAGES_SHOW_TODAY, 1},
                          {0, ID_PANEL_SHOW_MODE_8, 1}};  // not on the message panel's menu: nothing changes
    list.m_nMenuOptions = 4 | 8;
    for (const auto& c : cases) {
        list.m_nPanelPageFlag = c.pageFlag;
        log.clear();
        SetMenuChooser([&](CMenuTrackRequest&) { return c.command; });
        vorn_test::Click(&list, ItemPoint(0), Qt::RightButton);
        SetMenuChooser({});
        vorn_test::ProcessEvents();
        EXPECT_EQ(list.m_nDisplayMode, c.mode) << c.command;
    }
}

TEST_F(ListFixture, PictureWithGroupsAndColouredRows) {
    list.m_itemColors = {{11, RGB(255, 255, 0)}, {21, RGB(200, 230, 255)}};
    list.InsertGroupItem(2, L"5A", 0, 22);
    list.Invalidate();
    EXPECT_FALSE(SaveWindowPicture(&list, "my_list_ctrl.png").isNull());
}
