// The tree control tells its owner about clicks after handling them.
#include <gtest/gtest.h>

#include "controls/my_tree_ctrl.h"
#include "platform/ui/test_support.h"
#include "recording_wnd.h"

TEST(MyTreeCtrl, ClicksReachTheOwnerAfterTheTreeHandledThem) {
    RecordingWnd host;
    CMyTreeCtrl tree;
    ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | TVS_HASLINES, CRect(10, 10, 300, 200), &host, 5));
    EXPECT_TRUE(tree.GetExStyle() & WS_EX_LEFTSCROLLBAR);
    HTREEITEM first = tree.InsertItem(L"4B");
    tree.InsertItem(L"Ada");
    CRect item;
    tree.GetItemRect(first, &item, TRUE);
    struct Case {
        const char* name;
        bool doubleClick;
        std::vector<UINT> told;
    };
    const Case cases[] = {
        {"a click", false, {CMyTreeCtrl::kClicked}},
        {"a double click", true, {CMyTreeCtrl::kClicked, CMyTreeCtrl::kDoubleClicked, CMyTreeCtrl::kClicked}},
    };
    for (const auto& c : cases) {
        host.messages.clear();
        if (c.doubleClick) vorn_test::DoubleClick(&tree, item.CenterPoint());
        else vorn_test::Click(&tree, item.CenterPoint());
        vorn_test::ProcessEvents();
        EXPECT_EQ(host.Ids(), c.told) << c.name;
        EXPECT_EQ(tree.GetSelectedItem(), first) << c.name << ": the tree handled the click first";
    }
}
