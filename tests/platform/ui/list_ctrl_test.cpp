// The list view in report mode: groups, per-item colours asked with NM_CUSTOMDRAW, state
// changes told with LVN_ITEMCHANGED (also for the program's changes), clicks and check boxes.
#include <gtest/gtest.h>

#include <QHeaderView>
#include <QImage>
#include <QTreeWidget>
#include <QWidget>

#include <map>

#include "notify_host.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/image_list.h"
#include "platform/ui/list_ctrl.h"
#include "platform/ui/test_support.h"
#include "platform/ui/window_api.h"

namespace {

constexpr UINT kList = 50;

struct ListFixture : ::testing::Test {
    NotifyHost host;
    CListCtrl list;
    void SetUp() override {
        ASSERT_TRUE(list.Create(WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS, CRect(10, 10, 410, 250), &host, kList));
        list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
        list.InsertColumn(0, L"Name", LVCFMT_LEFT, 160);
        list.InsertColumn(1, L"Hours", LVCFMT_RIGHT, 80);
    }
    void AddGroup(int id, const wchar_t* header) {
        LVGROUP g{};
        g.cbSize = sizeof(LVGROUP);
        g.mask = LVGF_HEADER | LVGF_ALIGN | LVGF_GROUPID;
        g.pszHeader = const_cast<LPWSTR>(header);
        g.iGroupId = id;
        g.uAlign = LVGA_HEADER_CENTER;
        list.InsertGroup(id, &g);
    }
    int AddItem(const wchar_t* text, int group, LPARAM data) {
        LVITEM item{};
        item.mask = LVIF_TEXT | LVIF_GROUPID | LVIF_PARAM;
        item.iItem = list.GetItemCount();
        item.pszText = const_cast<LPTSTR>(text);
        item.iGroupId = group;
        item.lParam = data;
        return list.InsertItem(&item);
    }
    CPoint ItemPoint(int index) {
        CRect rc;
        list.GetItemRect(index, &rc, LVIR_BOUNDS);
        return CPoint(rc.left + 40, rc.CenterPoint().y);
    }
};

}  // namespace

TEST_F(ListFixture, GroupsShowTheirItemsAndColoursComeFromCustomDraw) {
    list.EnableGroupView(TRUE);
    AddGroup(1, L"Teachers");
    AddGroup(2, L"Classes");
    const std::map<LPARAM, COLORREF> colours = {{11, RGB(255, 220, 220)}, {22, RGB(220, 255, 220)}};
    std::vector<DWORD> stages;
    host.onNotify = [&](NMHDR* hdr) -> LRESULT {
        if (static_cast<int>(hdr->code) != NM_CUSTOMDRAW) return 0;
        auto* cd = reinterpret_cast<NMLVCUSTOMDRAW*>(hdr);
        stages.push_back(cd->nmcd.dwDrawStage);
        if (cd->nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
        if (cd->nmcd.dwDrawStage == CDDS_ITEMPREPAINT) {
            auto it = colours.find(cd->nmcd.lItemlParam);
            cd->clrTextBk = it != colours.end() ? it->second : GetSysColor(COLOR_WINDOW);
        }
        return CDRF_DODEFAULT;
    };
    AddItem(L"Ada", 1, 11);
    AddItem(L"Ben", 1, 0);
    AddItem(L"4B", 2, 22);
    AddItem(L"Nowhere", 99, 33);  // in no group: not shown in group view
    list.SetItemText(0, 1, L"24");
    list.SetItemText(2, 1, L"31");
    EXPECT_EQ(list.GetGroupCount(), 2);
    EXPECT_EQ(list.GetItemCount(), 4);
    vorn_test::ProcessEvents();
    const QImage picture = host.GetWidget()->grab().toImage();
    EXPECT_TRUE(picture.save(QString::fromStdWString(vorn_test::PicturePath("list_view_groups.png").str())));
    ASSERT_FALSE(stages.empty());
    EXPECT_EQ(stages.front(), CDDS_PREPAINT);
    // The coloured items show their colour at the start of their rows.
    CRect ada, ben;
    list.GetItemRect(0, &ada, LVIR_BOUNDS);
    list.GetItemRect(1, &ben, LVIR_BOUNDS);
    const QImage face = list.GetWidget()->grab().toImage();
    EXPECT_EQ(face.pixelColor(ada.left + 120, ada.CenterPoint().y), QColor(255, 220, 220));
    EXPECT_EQ(face.pixelColor(ben.left + 120, ben.CenterPoint().y), QColor(255, 255, 255));
    CRect nowhere;
    EXPECT_TRUE(!list.GetItemRect(3, &nowhere, LVIR_BOUNDS) || nowhere.IsRectEmpty());
    // Without group view every item shows.
    list.EnableGroupView(FALSE);
    EXPECT_TRUE(list.GetItemRect(3, &nowhere, LVIR_BOUNDS));
    EXPECT_FALSE(nowhere.IsRectEmpty());
}

TEST_F(ListFixture, ClickSelectsThenTellsTheParent) {
    AddItem(L"one", 0, 100);
    AddItem(L"two", 0, 200);
    host.Clear();
    vorn_test::Click(&list, ItemPoint(1));
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 1);
    ASSERT_FALSE(host.listChanges.empty());
    const NMLISTVIEW& gained = host.listChanges.back();
    EXPECT_EQ(gained.iItem, 1);
    EXPECT_EQ(gained.lParam, 200);
    EXPECT_TRUE(gained.uNewState & LVIS_SELECTED);
    EXPECT_FALSE(gained.uOldState & LVIS_SELECTED);
    EXPECT_EQ(host.NotifyCodes().back(), NM_CLICK);
    // Another row: the old one loses its selection first.
    host.Clear();
    vorn_test::Click(&list, ItemPoint(0));
    ASSERT_GE(host.listChanges.size(), 2u);
    EXPECT_EQ(host.listChanges.front().iItem, 1);
    EXPECT_FALSE(host.listChanges.front().uNewState & LVIS_SELECTED);
    EXPECT_EQ(host.listChanges.back().iItem, 0);
    // The program's changes are told too.
    host.Clear();
    list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    ASSERT_EQ(host.listChanges.size(), 1u);
    EXPECT_EQ(host.listChanges[0].iItem, 1);
    EXPECT_EQ(list.GetSelectedCount(), 2u);
}

TEST_F(ListFixture, DoubleClickAndColumnClick) {
    AddItem(L"one", 0, 1);
    host.Clear();
    vorn_test::DoubleClick(&list, ItemPoint(0));
    const auto codes = host.NotifyCodes();
    EXPECT_NE(std::find(codes.begin(), codes.end(), NM_DBLCLK), codes.end());
    host.Clear();
    auto* tree = list.GetWidget()->findChild<QTreeWidget*>();
    ASSERT_NE(tree, nullptr);
    emit tree->header()->sectionClicked(1);
    ASSERT_FALSE(host.notifications.empty());
    EXPECT_EQ(host.notifications.back().code, LVN_COLUMNCLICK);
}

TEST_F(ListFixture, CheckBoxesAreStateImages) {
    list.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_CHECKBOXES);
    AddItem(L"one", 0, 1);
    EXPECT_FALSE(list.GetCheck(0));
    host.Clear();
    list.SetCheck(0, TRUE);
    EXPECT_TRUE(list.GetCheck(0));
    ASSERT_EQ(host.listChanges.size(), 1u);
    EXPECT_EQ(host.listChanges[0].uOldState & LVIS_STATEIMAGEMASK, INDEXTOSTATEIMAGEMASK(1));
    EXPECT_EQ(host.listChanges[0].uNewState & LVIS_STATEIMAGEMASK, INDEXTOSTATEIMAGEMASK(2));
    // The user's change by the keyboard (space on the current row).
    list.SetItemState(0, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
    list.SetFocus();
    host.Clear();
    vorn_test::KeyPress(&list, Qt::Key_Space, QStringLiteral(" "));
    EXPECT_FALSE(list.GetCheck(0));
    ASSERT_FALSE(host.listChanges.empty());
    EXPECT_EQ(host.listChanges.back().uNewState & LVIS_STATEIMAGEMASK, INDEXTOSTATEIMAGEMASK(1));
}

TEST_F(ListFixture, TextsDataAndDeletion) {
    AddItem(L"one", 0, 1);
    AddItem(L"two", 0, 2);
    list.SetItemText(1, 1, L"7");
    EXPECT_EQ(list.GetItemText(1, 1), CString(L"7"));
    EXPECT_EQ(list.GetItemText(1, 0), CString(L"two"));
    EXPECT_FALSE(list.SetItemText(1, 5, L"x"));  // no such column
    LVFINDINFO find{};
    find.flags = LVFI_PARAM;
    find.lParam = 2;
    EXPECT_EQ(list.FindItem(&find), 1);
    EXPECT_TRUE(list.DeleteItem(0));
    EXPECT_EQ(list.GetItemData(0), 2u);
    EXPECT_FALSE(list.DeleteItem(3));
    list.DeleteAllItems();
    EXPECT_EQ(list.GetItemCount(), 0);
}

TEST_F(ListFixture, SmallImagesShowBesideTheText) {
    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR32 | ILC_MASK, 2, 1));
    std::vector<std::uint32_t> pixels(32 * 16, 0x00FF0000u);  // red, then magenta (the mask colour)
    for (int y = 0; y < 16; ++y)
        for (int x = 16; x < 32; ++x) pixels[static_cast<std::size_t>(y * 32 + x)] = 0x00FF00FFu;
    CBitmap strip;
    ASSERT_TRUE(strip.CreateBitmap(32, 16, 1, 32, pixels.data()));
    ASSERT_EQ(images.Add(&strip, RGB(255, 0, 255)), 0);
    list.SetImageList(&images, LVSIL_SMALL);
    LVITEM item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.pszText = const_cast<LPTSTR>(L"with image");
    item.iImage = 0;
    list.InsertItem(&item);
    item.iItem = 1;
    item.iImage = 1;  // the transparent image
    list.InsertItem(&item);
    vorn_test::ProcessEvents();
    const QImage face = list.GetWidget()->grab().toImage();
    CRect first, second;
    list.GetItemRect(0, &first, LVIR_BOUNDS);
    list.GetItemRect(1, &second, LVIR_BOUNDS);
    // Red, perhaps under the tint of the current row.
    auto isRed = [](const QColor& c) { return c.red() > 200 && c.green() < 60 && c.blue() < 60; };
    int red = 0, redInSecond = 0;
    for (int x = first.left; x < first.left + 30; ++x) {
        if (isRed(face.pixelColor(x, first.CenterPoint().y))) ++red;
        if (isRed(face.pixelColor(x, second.CenterPoint().y))) ++redInSecond;
    }
    EXPECT_GT(red, 8);
    EXPECT_EQ(redInSecond, 0);
}

namespace {

TEST_F(ListFixture, SelectedItemWalkVisitsEverySelectedRowInOrder) {
    for (const wchar_t* s : {L"a", L"b", L"c", L"d"}) AddItem(s, 0, 0);
    std::vector<int> visited;
    for (POSITION pos = list.GetFirstSelectedItemPosition(); pos;) visited.push_back(list.GetNextSelectedItem(pos));
    EXPECT_TRUE(visited.empty());
    vorn_test::Click(&list, ItemPoint(3));
    list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    list.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
    for (POSITION pos = list.GetFirstSelectedItemPosition(); pos;) visited.push_back(list.GetNextSelectedItem(pos));
    EXPECT_EQ(visited, (std::vector<int>{0, 2, 3}));
}

TEST_F(ListFixture, HeaderControlCountsAndDescribesTheColumns) {
    CHeaderCtrl* header = list.GetHeaderCtrl();
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(list.GetHeaderCtrl(), header);
    EXPECT_EQ(header->GetItemCount(), 2);
    list.InsertColumn(2, L"Room", LVCFMT_LEFT, 70);
    EXPECT_EQ(header->GetItemCount(), 3);
    wchar_t text[32] = {};
    HDITEM item{};
    item.mask = HDI_TEXT | HDI_WIDTH;
    item.pszText = text;
    item.cchTextMax = 32;
    ASSERT_TRUE(header->GetItem(1, &item));
    EXPECT_EQ(std::wstring(text), L"Hours");
    EXPECT_EQ(item.cxy, 80);
    EXPECT_FALSE(header->GetItem(5, &item));
    // The header is part of the list and shows nothing of its own.
    EXPECT_FALSE(header->IsWindowVisible());
    EXPECT_EQ(header->GetParent(), &list);
}

}  // namespace
