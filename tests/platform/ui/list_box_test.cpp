// List boxes: selection by the user and by the program, multiple selection, item data and
// owner-drawn items.
#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>

#include <set>

#include "notify_host.h"
#include "platform/ui/client_dc.h"
#include "platform/ui/list_box.h"
#include "platform/ui/test_support.h"
#include "platform/ui/window_api.h"

namespace {

constexpr UINT kList = 40;

CPoint ItemCentre(CListBox& list, int index) {
    CRect rc;
    list.GetItemRect(index, &rc);
    return rc.CenterPoint();
}

}  // namespace

TEST(ListBoxControl, ClicksSelectAndNotifyOnlyWithLbsNotify) {
    for (DWORD notify : {static_cast<DWORD>(0), static_cast<DWORD>(LBS_NOTIFY)}) {
        NotifyHost host;
        CListBox list;
        ASSERT_TRUE(list.Create(WS_VISIBLE | notify, CRect(10, 10, 200, 200), &host, kList));
        for (const wchar_t* s : {L"alpha", L"beta", L"gamma"}) list.AddString(s);
        list.SetItemData(1, 42);
        host.Clear();
        vorn_test::Click(&list, ItemCentre(list, 1));
        EXPECT_EQ(list.GetCurSel(), 1);
        EXPECT_EQ(list.GetItemData(list.GetCurSel()), 42u);
        vorn_test::DoubleClick(&list, ItemCentre(list, 2));
        EXPECT_EQ(list.GetCurSel(), 2);
        const auto codes = host.CommandCodes(kList);
        std::vector<int> expected;
        if (notify) expected = {LBN_SELCHANGE, LBN_SELCHANGE, LBN_DBLCLK};
        std::vector<int> got;
        for (int c : codes)
            if (c != LBN_SETFOCUS && c != LBN_KILLFOCUS) got.push_back(c);
        EXPECT_EQ(got, expected) << notify;
        host.Clear();
        list.SetCurSel(0);
        EXPECT_TRUE(host.CommandCodes(kList).empty());
    }
}

TEST(ListBoxControl, ExtendedSelectionWithControlClick) {
    NotifyHost host;
    CListBox list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | LBS_NOTIFY | LBS_EXTENDEDSEL, CRect(10, 10, 200, 200), &host, kList));
    for (const wchar_t* s : {L"a", L"b", L"c", L"d"}) list.AddString(s);
    vorn_test::Click(&list, ItemCentre(list, 0));
    vorn_test::Click(&list, ItemCentre(list, 2), Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(list.GetSelCount(), 2);
    int items[4] = {};
    ASSERT_EQ(list.GetSelItems(4, items), 2);
    EXPECT_EQ(items[0], 0);
    EXPECT_EQ(items[1], 2);
    EXPECT_EQ(list.SetCurSel(1), LB_ERR);  // not for lists with several selections
    list.SetSel(-1, FALSE);
    EXPECT_EQ(list.GetSelCount(), 0);
}

TEST(ListBoxControl, SortedStringsAndDeletion) {
    NotifyHost host;
    CListBox list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | LBS_SORT, CRect(10, 10, 200, 200), &host, kList));
    for (const wchar_t* s : {L"b", L"A", L"c"}) list.AddString(s);
    CString text;
    list.GetText(0, text);
    EXPECT_EQ(text, CString(L"A"));
    EXPECT_EQ(list.DeleteString(5), LB_ERR);
    EXPECT_EQ(list.DeleteString(0), 2);
    EXPECT_EQ(list.FindStringExact(-1, L"C"), 1);
}

TEST(ListBoxControl, OwnerDrawnVariableItemsAskTheirHeights) {
    NotifyHost host;
    std::vector<UINT> drawn;
    host.onItemMessage = [&](UINT message, LPARAM lParam) -> LRESULT {
        if (message == WM_MEASUREITEM) {
            auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            mis->itemHeight = 10 + 10 * mis->itemID;
        } else {
            drawn.push_back(reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->itemID);
        }
        return TRUE;
    };
    CListBox list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS, CRect(10, 10, 200, 200), &host, kList));
    for (const wchar_t* s : {L"a", L"b", L"c"}) list.AddString(s);
    vorn_test::ProcessEvents();
    list.GetWidget()->grab();
    CRect first, third;
    list.GetItemRect(0, &first);
    list.GetItemRect(2, &third);
    EXPECT_EQ(first.Height(), 10);
    EXPECT_EQ(third.Height(), 30);
    EXPECT_GE(drawn.size(), 3u);
}

TEST(ListBoxControl, OwnerDrawStyleAddedAfterCreationDrawsThroughTheOwner) {
    NotifyHost host;
    std::vector<UINT> drawn;
    host.onItemMessage = [&](UINT message, LPARAM lParam) -> LRESULT {
        if (message == WM_DRAWITEM) drawn.push_back(reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->itemID);
        return TRUE;
    };
    CListBox list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | LBS_HASSTRINGS, CRect(10, 10, 200, 200), &host, kList));
    for (const wchar_t* s : {L"a", L"b"}) list.AddString(s);
    vorn_test::ProcessEvents();
    list.GetWidget()->grab();
    EXPECT_TRUE(drawn.empty());
    list.ModifyStyle(0, LBS_OWNERDRAWFIXED);
    vorn_test::ProcessEvents();
    list.GetWidget()->grab();
    EXPECT_EQ(std::set<UINT>(drawn.begin(), drawn.end()), (std::set<UINT>{0, 1}));
}

TEST(ListBoxControl, LineDrawnThroughGetDcShowsOverTheItemsUntilDrawnAgain) {
    NotifyHost host;
    CListBox list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | LBS_HASSTRINGS, CRect(10, 10, 200, 200), &host, kList));
    for (const wchar_t* s : {L"a", L"b", L"c"}) list.AddString(s);
    vorn_test::ProcessEvents();
    auto seen = [&](int x, int y) { return list.GetWidget()->grab().toImage().pixel(x, y); };
    const QRgb before = seen(100, 31);
    for (int pass = 0; pass < 2; ++pass) {
        // An insertion mark between two items, inverted so that a second drawing takes it away.
        CClientDC dc(&list);
        dc.PatBlt(0, 30, 180, 2, DSTINVERT);
        if (pass == 0) {
            EXPECT_NE(seen(100, 31), before);
            list.GetWidget()->grab().save(QString::fromStdWString(vorn_test::PicturePath("list_box_insert_mark.png").str()));
        }
    }
    EXPECT_EQ(seen(100, 31), before);
}

