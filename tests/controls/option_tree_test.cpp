// The option tree: its structure and notifications, the list window's layout, selection,
// keyboard navigation over the drawn rows, the editing protocol and the splitter.
#include <gtest/gtest.h>

#include <string>

#include "controls/option_tree_item_check_box.h"
#include "controls/option_tree_item_edit.h"
#include "controls/option_tree_item_static.h"
#include "option_tree_fixture.h"
#include "platform/ui/edit.h"

namespace {

std::wstring SelectedLabel(COptionTree& tree) {
    COptionTreeItem* item = tree.GetSelectedItem();
    return item ? std::wstring(item->GetLabel().GetString()) : L"(none)";
}

}  // namespace

TEST_F(OptionTreeTest, ItemsAreNumberedInInsertionOrderAndOwnedByTheTree) {
    COptionTreeItem* group = Add<COptionTreeItem>(nullptr, L"Group");
    COptionTreeItem* first = Add<COptionTreeItem>(group, L"First");
    COptionTreeItem* second = Add<COptionTreeItem>(group, L"Second");
    EXPECT_EQ(group->GetId(), 1);
    EXPECT_EQ(first->GetId(), 2);
    EXPECT_EQ(second->GetId(), 3);
    EXPECT_EQ(group->GetFirstChild(), first);
    EXPECT_EQ(first->GetNextSibling(), second);
    EXPECT_EQ(notifications, (std::vector<int>{-1101, -1101, -1101}));
    EXPECT_EQ(tree->InsertItem(group, nullptr), nullptr);
    // A kind of each family.
    EXPECT_EQ(first->GetKind(), 1);
    EXPECT_EQ(Add<COptionTreeItemStatic>(group, L"Static")->GetKind(), 1);
    EXPECT_EQ(Add<COptionTreeItemCheckBox>(group, L"Check")->GetKind(), 2);
}

TEST_F(OptionTreeTest, DeletingSendsParentFirstAndDropsTheSelection) {
    COptionTreeItem* group = Add<COptionTreeItem>(nullptr, L"Group");
    COptionTreeItem* row = Add<COptionTreeItem>(group, L"Row");
    tree->ExpandAllItems();
    vorn_test::Click(&List(), LabelPoint(row));
    ASSERT_EQ(tree->GetSelectedItem(), row);
    TakeNotifications();
    tree->DeleteItem(group);
    EXPECT_EQ(tree->GetSelectedItem(), nullptr);
    EXPECT_EQ(notifications, (std::vector<int>{-1102, -1102}));
    EXPECT_EQ(items, (std::vector<COptionTreeItem*>{group, row}));
    EXPECT_EQ(tree->GetRootItem()->GetFirstChild(), nullptr);
    // Clearing from the root tells with no item first.
    Add<COptionTreeItem>(nullptr, L"Again");
    TakeNotifications();
    tree->DeleteItem(nullptr);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items.front(), nullptr);
}

TEST_F(OptionTreeTest, EnumItemsSkipsTheChildrenOfARefusedRow) {
    COptionTreeItem* a = Add<COptionTreeItem>(nullptr, L"A");
    Add<COptionTreeItem>(a, L"A1");
    COptionTreeItem* b = Add<COptionTreeItem>(nullptr, L"B");
    Add<COptionTreeItem>(b, L"B1");
    static std::vector<std::wstring> visited;
    visited.clear();
    const int result = tree->EnumItems(nullptr, [](COptionTree*, COptionTreeItem* item, LPARAM) -> int {
        visited.push_back(item->GetLabel().GetString());
        return item->GetLabel() != CString(L"A");
    }, 0);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(visited, (std::vector<std::wstring>{L"A", L"B", L"B1"}));
    EXPECT_EQ(tree->EnumItems(nullptr, nullptr, 0), 0);
}

TEST_F(OptionTreeTest, ColumnWidthStaysBetween16AndTheClientWidthLess16) {
    CRect client;
    List().GetClientRect(&client);
    struct Case { int asked; int stored; };
    const Case cases[] = {{5, 16}, {100, 100}, {client.Width() - 16, client.Width() - 16}, {5000, client.Width() - 16}};
    for (const Case& c : cases) {
        tree->SetColumnWidth(c.asked);
        EXPECT_EQ(tree->GetColumnWidth(), c.stored) << c.asked;
    }
    // Without a window any width from 16 up is stored.
    COptionTree unplaced;
    unplaced.SetColumnWidth(900);
    EXPECT_EQ(unplaced.GetColumnWidth(), 900);
}

TEST_F(OptionTreeTest, InfoPaneTakesTheBottom50Pixels) {
    tree->MoveWindow(0, 0, 300, 300);
    CRect info, list;
    tree->GetInfo().GetWindowRect(&info);
    tree->ScreenToClient(&info);
    List().GetWindowRect(&list);
    tree->ScreenToClient(&list);
    EXPECT_EQ(info, CRect(0, 250, 300, 300));
    EXPECT_EQ(list.Height(), 250);
    // Texts: the selection's label and description; with bit 0x4 a hint when nothing is selected.
    CString title, body;
    tree->GetInfo().GetTexts(title, body);
    EXPECT_TRUE(title.IsEmpty());
    COptionTree hinting;
    ASSERT_TRUE(hinting.Create(WS_VISIBLE, CRect(0, 0, 200, 200), host.get(), 102, 0x1 | 0x4));
    hinting.GetInfo().GetTexts(title, body);
    EXPECT_EQ(title, CString(L"No Item Selected"));
    EXPECT_EQ(body, CString(L"Select an item to see its description."));
}

TEST_F(OptionTreeTest, LayoutPlacesRowsAndValueCells) {
    COptionTreeItem* group = Add<COptionTreeItem>(nullptr, L"Group");
    COptionTreeItem* a = Add<COptionTreeItem>(group, L"A");
    COptionTreeItem* sub = Add<COptionTreeItem>(a, L"Under A");
    COptionTreeItem* b = Add<COptionTreeItem>(group, L"B");
    tree->ExpandAllItems();
    struct Case { COptionTreeItem* item; int y; int indent; };
    const Case cases[] = {{group, 0, 0}, {a, 21, 0}, {sub, 42, 16}, {b, 63, 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(c.item->GetContentY(), c.y) << c.item->GetLabel().ToUtf8();
        EXPECT_EQ(c.item->GetIndent(), c.indent) << c.item->GetLabel().ToUtf8();
    }
    CRect client;
    List().GetClientRect(&client);
    EXPECT_EQ(b->GetValueRect(), CRect(155, 63, client.right, 83));
    EXPECT_EQ(a->GetExpandBox(), CRect(4, 26, 12, 34));
    EXPECT_TRUE(b->GetExpandBox().IsRectEmpty());
    // Collapsing A takes its child out of the drawn rows.
    a->SetExpanded(FALSE);
    tree->UpdateScrollRange();
    EXPECT_EQ(b->GetContentY(), 42);
    int drawn = 0;
    for (COptionTreeItem* d = tree->GetFirstDrawn(); d; d = d->GetNextDrawn()) ++drawn;
    EXPECT_EQ(drawn, 3);
}

TEST_F(OptionTreeTest, ClicksNotifyInOrderAndRefusalsHold) {
    COptionTreeItem* group = Add<COptionTreeItem>(nullptr, L"Group");
    auto* edit = Add<COptionTreeItemEdit>(group, L"Name");
    edit->CreateEditWindow(0, 0);
    COptionTreeItem* parent = Add<COptionTreeItem>(group, L"Parent");
    Add<COptionTreeItem>(parent, L"Child");
    tree->ExpandAllItems();
    struct Case {
        const char* what;
        std::vector<int> refused;
        std::vector<int> expected;
        bool editing;
        bool parentExpanded;
    };
    const Case cases[] = {
        {"value click", {}, {-1107, -1110}, true, true},
        {"refused edit start", {-1110}, {-1107, -1110}, false, true},
        {"expand box", {}, {-1108}, false, false},
        {"refused expand box", {-1108}, {-1108}, false, true},
    };
    for (const Case& c : cases) {
        tree->SelectItem(nullptr);
        parent->SetExpanded(TRUE);
        tree->UpdateScrollRange();
        edit->CommitChanges();
        List().SetFocus();
        refuse = c.refused;
        TakeNotifications();
        const std::string what = c.what;
        if (what.find("box") != std::string::npos)
            vorn_test::Click(&List(), CPoint(8, parent->GetContentY() - tree->GetScrollPosition() + 9));
        else
            vorn_test::Click(&List(), ValuePoint(edit));
        std::vector<int> got = TakeNotifications();
        // A commit of the row being left may come between; only the order of these counts.
        got.erase(std::remove(got.begin(), got.end(), -1105), got.end());
        EXPECT_EQ(got, c.expected) << c.what;
        EXPECT_EQ(edit->IsEditing() != FALSE, c.editing) << c.what;
        EXPECT_EQ(parent->IsExpanded() != FALSE, c.parentExpanded) << c.what;
    }
    // The expand box never selects its row.
    EXPECT_NE(tree->GetSelectedItem(), parent);
}

TEST_F(OptionTreeTest, KeyboardMovesOverTheDrawnRows) {
    COptionTreeItem* g1 = Add<COptionTreeItem>(nullptr, L"G1");
    Add<COptionTreeItem>(g1, L"a");
    Add<COptionTreeItem>(g1, L"b");
    COptionTreeItem* g2 = Add<COptionTreeItem>(nullptr, L"G2");
    Add<COptionTreeItem>(g2, L"c");
    tree->ExpandAllItems();
    struct Step { int key; const wchar_t* selected; };
    struct Case { const char* what; std::vector<Step> steps; };
    const Case cases[] = {
        {"down from nothing, then on", {{Qt::Key_Down, L"G1"}, {Qt::Key_Down, L"a"}, {Qt::Key_Down, L"b"}}},
        {"up from nothing is the last", {{Qt::Key_Up, L"c"}, {Qt::Key_Up, L"G2"}}},
        {"home and end", {{Qt::Key_End, L"c"}, {Qt::Key_Home, L"G1"}, {Qt::Key_Up, L"G1"}}},
        {"last row stays", {{Qt::Key_End, L"c"}, {Qt::Key_Down, L"c"}}},
        {"left collapses, then moves up", {{Qt::Key_End, L"c"}, {Qt::Key_Up, L"G2"}, {Qt::Key_Left, L"G2"},
                                          {Qt::Key_Down, L"G2"}, {Qt::Key_Left, L"b"}}},
        {"right expands, then moves down", {{Qt::Key_Home, L"G1"}, {Qt::Key_Left, L"G1"}, {Qt::Key_Down, L"G2"},
                                           {Qt::Key_Up, L"G1"}, {Qt::Key_Right, L"G1"}, {Qt::Key_Right, L"a"}}},
    };
    for (const Case& c : cases) {
        tree->ExpandAllItems();
        tree->SelectItem(nullptr);
        List().SetFocus();
        for (const Step& s : c.steps) {
            Key(s.key);
            EXPECT_EQ(SelectedLabel(*tree), s.selected) << c.what << " key " << s.key;
        }
    }
    // Left on a row without children still asks the owner first.
    tree->ExpandAllItems();
    Key(Qt::Key_Home);
    Key(Qt::Key_Down);
    TakeNotifications();
    Key(Qt::Key_Left);
    EXPECT_EQ(TakeNotifications(), (std::vector<int>{-1108, -1107}));
    EXPECT_EQ(SelectedLabel(*tree), L"G1");
}

TEST_F(OptionTreeTest, EditingCarriesOnOverRowsAndCommitsOnce) {
    COptionTreeItem* group = Add<COptionTreeItem>(nullptr, L"Group");
    auto* first = Add<COptionTreeItemEdit>(group, L"First");
    first->CreateEditWindow(0, 0);
    auto* second = Add<COptionTreeItemEdit>(group, L"Second");
    second->CreateEditWindow(0, 0);
    auto* locked = Add<COptionTreeItemEdit>(group, L"Locked");
    locked->CreateEditWindow(0, 0);
    locked->m_bReadOnly = TRUE;
    tree->ExpandAllItems();
    // Enter starts editing the selected value row; its editor covers the cell and has the focus.
    vorn_test::Click(&List(), LabelPoint(first));
    EXPECT_FALSE(first->IsEditing());
    Key(Qt::Key_Return);
    ASSERT_TRUE(first->IsEditing());
    EXPECT_EQ(CWnd::GetFocus(), static_cast<CWnd*>(first));
    TakeNotifications();
    // Typing and moving down: the first row commits once, the second goes on editing.
    vorn_test::KeyPress(first, Qt::Key_A, QStringLiteral("a"));
    vorn_test::KeyPress(first, Qt::Key_Down);
    EXPECT_EQ(SelectedLabel(*tree), L"Second");
    EXPECT_TRUE(second->IsEditing());
    EXPECT_FALSE(first->IsEditing());
    CString text;
    first->GetWindowText(text);
    EXPECT_EQ(text, CString(L"a"));
    std::vector<int> got = TakeNotifications();
    EXPECT_EQ(std::count(got.begin(), got.end(), -1105), 1);
    // A read-only row is never edited, by click or Enter.
    vorn_test::Click(&List(), ValuePoint(locked));
    Key(Qt::Key_Return);
    EXPECT_FALSE(locked->IsEditing());
    EXPECT_FALSE(locked->IsWindowVisible());
    // Focus moving to a window outside the row commits; a second loss sends nothing more.
    CEdit outside;
    ASSERT_TRUE(outside.Create(WS_CHILD | WS_VISIBLE, CRect(0, 390, 100, 410), host.get(), 55));
    tree->ResizeControls(300, 420);
    vorn_test::Click(&List(), ValuePoint(first));
    ASSERT_TRUE(first->IsEditing());
    TakeNotifications();
    outside.SetFocus();
    first->SetFocus();
    outside.SetFocus();
    got = TakeNotifications();
    EXPECT_EQ(std::count(got.begin(), got.end(), -1105), 1);
    EXPECT_FALSE(first->IsEditing());
}

TEST_F(OptionTreeTest, CheckRowCommitsWhenDeselectedAndSpaceToggles) {
    COptionTreeItem* group = Add<COptionTreeItem>(nullptr, L"Group");
    auto* check = Add<COptionTreeItemCheckBox>(group, L"Available");
    check->CreateCheckWindow(FALSE, 0x400);
    COptionTreeItem* other = Add<COptionTreeItem>(group, L"Other");
    tree->ExpandAllItems();
    vorn_test::Click(&List(), ValuePoint(check));
    ASSERT_TRUE(check->IsEditing());
    vorn_test::KeyPress(check, Qt::Key_Space, QStringLiteral(" "));
    EXPECT_TRUE(check->GetCheck());
    TakeNotifications();
    vorn_test::Click(&List(), LabelPoint(other));
    std::vector<int> got = TakeNotifications();
    EXPECT_EQ(std::count(got.begin(), got.end(), -1105), 1);
    EXPECT_FALSE(check->IsEditing());
    EXPECT_TRUE(check->GetCheck());
}

TEST_F(OptionTreeTest, SplitterDragIsLimitedAndRefusable) {
    COptionTreeItem* group = Add<COptionTreeItem>(nullptr, L"Group");
    COptionTreeItem* row = Add<COptionTreeItem>(group, L"Row");
    tree->ExpandAllItems();
    CRect client;
    List().GetClientRect(&client);
    const int y = row->GetContentY() + 8;
    struct Case { int releaseX; int width; bool refused; };
    const Case cases[] = {{30, 41, false}, {200, 200, false}, {client.right - 5, client.right - 25, false},
                          {200, 150, true}};
    for (const Case& c : cases) {
        tree->SetColumnWidth(150);
        refuse = c.refused ? std::vector<int>{-1109} : std::vector<int>{};
        vorn_test::MousePress(&List(), CPoint(151, y));
        EXPECT_EQ(List().IsDragging(), !c.refused) << c.releaseX;
        vorn_test::MouseMove(&List(), CPoint(c.releaseX, y), Qt::LeftButton);
        vorn_test::MouseRelease(&List(), CPoint(c.releaseX, y));
        EXPECT_EQ(tree->GetColumnWidth(), c.width) << c.releaseX;
    }
}

TEST_F(OptionTreeTest, WheelScrollsOneLineOnlyWhenTheContentIsTall) {
    COptionTreeItem* group = Add<COptionTreeItem>(nullptr, L"Group");
    tree->ExpandAllItems();
    vorn_test::Wheel(&List(), CPoint(100, 10), -360);
    EXPECT_EQ(tree->GetScrollPosition(), 0);  // everything fits
    for (int i = 0; i < 40; ++i) Add<COptionTreeItem>(group, L"Row");
    tree->ExpandAllItems();
    vorn_test::Wheel(&List(), CPoint(100, 10), -360);
    EXPECT_EQ(tree->GetScrollPosition(), 21);
    vorn_test::Wheel(&List(), CPoint(100, 10), 120);
    EXPECT_EQ(tree->GetScrollPosition(), 0);
    // Selecting the last row brings it into view, one row above the bottom edge.
    Key(Qt::Key_End);
    COptionTreeItem* last = tree->GetSelectedItem();
    CRect client;
    List().GetClientRect(&client);
    const int wanted = last->GetContentY() + 2 * 21 - client.Height();
    const int limit = List().ContentHeight() - (client.Height() + 1);
    EXPECT_EQ(tree->GetScrollPosition(), std::min(wanted, limit));
    EXPECT_GE(tree->GetScrollPosition() + client.Height(), last->GetContentY() + 20);
}
