// Combo boxes: entries, item data, finding and selecting by text, the notifications of the
// user's choice (and none for the program's), the selection field height and owner drawing.
#include <gtest/gtest.h>

#include <QWidget>

#include "notify_host.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/test_support.h"
#include "platform/ui/window_api.h"

namespace {
constexpr UINT kCombo = 30;
}

TEST(ComboBoxControl, SortedEntriesDataAndFinding) {
    NotifyHost host;
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_VISIBLE | CBS_DROPDOWNLIST | CBS_SORT, CRect(10, 10, 200, 200), &host, kCombo));
    for (const wchar_t* s : {L"pear", L"Apple", L"banana"}) combo.SetItemData(combo.AddString(s), reinterpret_cast<DWORD_PTR>(s));
    CString text;
    combo.GetLBText(0, text);
    EXPECT_EQ(text, CString(L"Apple"));
    EXPECT_EQ(std::wstring(reinterpret_cast<const wchar_t*>(combo.GetItemData(2))), L"pear");
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);  // adding selects nothing
    struct Case {
        int start;
        const wchar_t* text;
        int found;
        int exact;
    };
    const Case cases[] = {{-1, L"b", 1, CB_ERR}, {-1, L"BANANA", 1, 1}, {1, L"a", 0, CB_ERR}, {-1, L"x", CB_ERR, CB_ERR}};
    for (const Case& c : cases) {
        EXPECT_EQ(combo.FindString(c.start, c.text), c.found) << c.start;
        EXPECT_EQ(combo.FindStringExact(c.start, c.text), c.exact) << c.start;
    }
    host.Clear();
    EXPECT_EQ(combo.SelectString(-1, L"PE"), 2);
    EXPECT_EQ(combo.SetCurSel(0), 0);
    EXPECT_TRUE(host.CommandCodes(kCombo).empty());  // the program's changes tell nobody
    combo.GetWindowText(text);
    EXPECT_EQ(text, CString(L"Apple"));
}

TEST(ComboBoxControl, KeyboardChoiceTellsTheParent) {
    NotifyHost host;
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_VISIBLE | CBS_DROPDOWNLIST, CRect(10, 10, 200, 200), &host, kCombo));
    combo.AddString(L"one");
    combo.AddString(L"two");
    combo.SetCurSel(0);
    combo.SetFocus();
    host.Clear();
    vorn_test::KeyPress(&combo, Qt::Key_Down);
    EXPECT_EQ(combo.GetCurSel(), 1);
    const auto codes = host.CommandCodes(kCombo);
    EXPECT_NE(std::find(codes.begin(), codes.end(), static_cast<int>(CBN_SELCHANGE)), codes.end());
    host.Clear();
    combo.ShowDropDown(TRUE);
    EXPECT_TRUE(combo.GetDroppedState());
    combo.ShowDropDown(FALSE);
    EXPECT_EQ(host.CommandCodes(kCombo), (std::vector<int>{CBN_DROPDOWN, CBN_CLOSEUP}));
}

TEST(ComboBoxControl, WindowKeepsTheSelectionFieldHeight) {
    NotifyHost host;
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_VISIBLE | CBS_DROPDOWN, CRect(10, 10, 200, 210), &host, kCombo));
    CRect rc;
    combo.GetWindowRect(&rc);
    EXPECT_LT(rc.Height(), 40);
    combo.GetDroppedControlRect(&rc);
    EXPECT_EQ(rc.Height(), 200);
    combo.SetWindowText(L"typed");
    CString text;
    combo.GetWindowText(text);
    EXPECT_EQ(text, CString(L"typed"));
}

TEST(ComboBoxControl, OwnerDrawnEntriesAreMeasuredAndDrawnByTheOwner) {
    NotifyHost host;
    std::vector<UINT> measured, drawn;
    host.onItemMessage = [&](UINT message, LPARAM lParam) -> LRESULT {
        if (message == WM_MEASUREITEM) {
            auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            measured.push_back(mis->itemID);
            mis->itemHeight = mis->itemID == static_cast<UINT>(-1) ? 16 : 18;
        } else {
            auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
            EXPECT_EQ(dis->CtlType, ODT_COMBOBOX);
            drawn.push_back(dis->itemID);
        }
        return TRUE;
    };
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_VISIBLE | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS, CRect(10, 10, 200, 200),
                             &host, kCombo));
    combo.AddString(L"first");
    combo.SetCurSel(0);
    EXPECT_EQ(combo.GetItemHeight(-1), 16);
    EXPECT_EQ(combo.GetItemHeight(0), 18);
    combo.GetWidget()->grab();
    EXPECT_NE(std::find(measured.begin(), measured.end(), static_cast<UINT>(-1)), measured.end());
    EXPECT_NE(std::find(drawn.begin(), drawn.end(), 0u), drawn.end());  // the selection field shows entry 0
}
