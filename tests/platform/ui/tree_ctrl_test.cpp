// The tree view: items, navigation, selection and expansion notifications, and check boxes
// whose change by the user reaches the parent.
#include <gtest/gtest.h>

#include <QTreeWidget>
#include <QWidget>

#include "notify_host.h"
#include "platform/ui/test_support.h"
#include "platform/ui/tree_ctrl.h"
#include "platform/ui/window_api.h"

namespace {

constexpr UINT kTree = 60;

struct TreeFixture : ::testing::Test {
    NotifyHost host;
    CTreeCtrl tree;
    HTREEITEM staff = nullptr, ada = nullptr, ben = nullptr, rooms = nullptr;
    void Build(DWORD extra) {
        ASSERT_TRUE(tree.Create(WS_VISIBLE | WS_BORDER | TVS_HASBUTTONS | TVS_LINESATROOT | extra, CRect(10, 10, 250, 250), &host, kTree));
        staff = tree.InsertItem(L"Staff");
        rooms = tree.InsertItem(L"Rooms");
        ben = tree.InsertItem(L"Ben", staff);
        ada = tree.InsertItem(L"Ada", staff, TVI_FIRST);
        tree.SetItemData(ada, 7);
        tree.Expand(staff, TVE_EXPAND);
    }
    CPoint ItemPoint(HTREEITEM item) {
        CRect rc;
        tree.GetItemRect(item, &rc, TRUE);
        return rc.CenterPoint();
    }
};

}  // namespace

TEST_F(TreeFixture, ItemsAndNavigation) {
    Build(0);
    EXPECT_EQ(tree.GetCount(), 4u);
    EXPECT_EQ(tree.GetRootItem(), staff);
    EXPECT_EQ(tree.GetChildItem(staff), ada);
    EXPECT_EQ(tree.GetNextSiblingItem(ada), ben);
    EXPECT_EQ(tree.GetNextSiblingItem(staff), rooms);
    EXPECT_EQ(tree.GetParentItem(ben), staff);
    EXPECT_EQ(tree.GetItemText(ada), CString(L"Ada"));
    EXPECT_EQ(tree.GetItemData(ada), 7u);
    EXPECT_TRUE(tree.ItemHasChildren(staff));
    EXPECT_TRUE(tree.GetItemState(staff, TVIS_EXPANDED) & TVIS_EXPANDED);
    tree.DeleteItem(staff);
    EXPECT_EQ(tree.GetCount(), 1u);
    EXPECT_EQ(tree.GetItemText(ada), CString());  // a deleted handle names nothing
}

TEST_F(TreeFixture, ClickSelectsAndTellsTheParent) {
    Build(0);
    host.Clear();
    vorn_test::Click(&tree, ItemPoint(ada));
    EXPECT_EQ(tree.GetSelectedItem(), ada);
    ASSERT_EQ(host.treeSelections.size(), 1u);
    EXPECT_EQ(host.treeSelections[0].itemNew.hItem, ada);
    EXPECT_EQ(host.treeSelections[0].itemNew.lParam, 7);
    EXPECT_EQ(host.treeSelections[0].action, TVC_BYMOUSE);
    const auto codes = host.NotifyCodes();
    EXPECT_EQ(codes.back(), NM_CLICK);
}

TEST_F(TreeFixture, ExpandingByTheUserCanBeRefused) {
    Build(0);
    tree.Expand(staff, TVE_COLLAPSE);
    bool refuse = true;
    host.onNotify = [&](NMHDR* hdr) -> LRESULT { return static_cast<int>(hdr->code) == TVN_ITEMEXPANDING && refuse; };
    host.Clear();
    auto* widget = tree.GetWidget()->findChild<QTreeWidget*>();
    ASSERT_NE(widget, nullptr);
    widget->topLevelItem(0)->setExpanded(true);  // as the user's click on the button does
    EXPECT_FALSE(tree.GetItemState(staff, TVIS_EXPANDED) & TVIS_EXPANDED);
    refuse = false;
    widget->topLevelItem(0)->setExpanded(true);
    EXPECT_TRUE(tree.GetItemState(staff, TVIS_EXPANDED) & TVIS_EXPANDED);
    const auto codes = host.NotifyCodes();
    EXPECT_EQ(std::count(codes.begin(), codes.end(), TVN_ITEMEXPANDING), 2);
    EXPECT_EQ(std::count(codes.begin(), codes.end(), TVN_ITEMEXPANDED), 1);
    // The program's expansion tells nobody.
    host.Clear();
    tree.Expand(staff, TVE_COLLAPSE);
    EXPECT_TRUE(host.notifications.empty());
}

TEST_F(TreeFixture, CheckBoxChangeByTheUserReachesTheParent) {
    Build(TVS_CHECKBOXES);
    EXPECT_FALSE(tree.GetCheck(ben));
    host.Clear();
    tree.SetCheck(ada, TRUE);  // the program's change: no notification
    EXPECT_TRUE(tree.GetCheck(ada));
    EXPECT_TRUE(host.treeChanges.empty());
    // The user checks Ben with the space key.
    tree.SelectItem(ben);
    tree.SetFocus();
    vorn_test::KeyPress(&tree, Qt::Key_Space, QStringLiteral(" "));
    EXPECT_TRUE(tree.GetCheck(ben));
    ASSERT_EQ(host.treeChanges.size(), 1u);
    EXPECT_EQ(host.treeChanges[0].hItem, ben);
    EXPECT_EQ(host.treeChanges[0].uStateOld & TVIS_STATEIMAGEMASK, INDEXTOSTATEIMAGEMASK(1));
    EXPECT_EQ(host.treeChanges[0].uStateNew & TVIS_STATEIMAGEMASK, INDEXTOSTATEIMAGEMASK(2));
    EXPECT_EQ(host.treeChanges[0].hdr.idFrom, kTree);
}
