// Buttons: clicks reach the parent as BN_CLICKED; automatic check boxes and radio buttons
// change themselves (a radio button clears the others of its group), the plain kinds leave
// the state to the program; owner-drawn buttons are drawn by their owner or their class.
#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>

#include "notify_host.h"
#include "platform/ui/button.h"
#include "platform/ui/client_dc.h"
#include "platform/ui/dc.h"
#include "platform/ui/test_support.h"
#include "platform/ui/window_api.h"

namespace {

struct ClickCase {
    DWORD style;
    int checkAfterOneClick;
    int checkAfterTwoClicks;
};

// Draws itself red when its parent leaves WM_DRAWITEM to it.
class RedButton : public CButton {
public:
    std::vector<UINT> states;
    void DrawItem(LPDRAWITEMSTRUCT dis) override {
        states.push_back(dis->itemState);
        CDC::FromHandle(dis->hDC)->FillSolidRect(&dis->rcItem, RGB(255, 0, 0));
    }
};

}  // namespace

TEST(ButtonControl, ClicksAndCheckStatesByKind) {
    const ClickCase cases[] = {
        {BS_PUSHBUTTON, BST_UNCHECKED, BST_UNCHECKED},
        {BS_AUTOCHECKBOX, BST_CHECKED, BST_UNCHECKED},
        {BS_CHECKBOX, BST_UNCHECKED, BST_UNCHECKED},  // the program checks it
        {BS_AUTO3STATE, BST_CHECKED, BST_INDETERMINATE},
        {BS_AUTORADIOBUTTON, BST_CHECKED, BST_CHECKED},
        {BS_RADIOBUTTON, BST_UNCHECKED, BST_UNCHECKED},
    };
    for (const ClickCase& c : cases) {
        NotifyHost host;
        CButton button;
        ASSERT_TRUE(button.Create(L"&Button", WS_VISIBLE | c.style, CRect(10, 10, 120, 34), &host, 7));
        vorn_test::Click(&button, CPoint(10, 10));
        EXPECT_EQ(button.GetCheck(), c.checkAfterOneClick) << c.style;
        vorn_test::Click(&button, CPoint(10, 10));
        EXPECT_EQ(button.GetCheck(), c.checkAfterTwoClicks) << c.style;
        EXPECT_EQ(host.CommandCodes(7), (std::vector<int>{BN_CLICKED, BN_CLICKED})) << c.style;
        // Setting the state tells nobody.
        host.Clear();
        button.SetCheck(BST_CHECKED);
        EXPECT_TRUE(host.CommandCodes(7).empty()) << c.style;
    }
}

TEST(ButtonControl, AutomaticRadioButtonClearsOnlyItsGroup) {
    NotifyHost host;
    CButton a, b, c, other;
    ASSERT_TRUE(a.Create(L"A", WS_VISIBLE | WS_GROUP | BS_AUTORADIOBUTTON, CRect(10, 10, 100, 30), &host, 1));
    ASSERT_TRUE(b.Create(L"B", WS_VISIBLE | BS_AUTORADIOBUTTON, CRect(10, 40, 100, 60), &host, 2));
    ASSERT_TRUE(c.Create(L"C", WS_VISIBLE | BS_AUTORADIOBUTTON, CRect(10, 70, 100, 90), &host, 3));
    ASSERT_TRUE(other.Create(L"D", WS_VISIBLE | WS_GROUP | BS_AUTORADIOBUTTON, CRect(10, 100, 100, 120), &host, 4));
    a.SetCheck(BST_CHECKED);
    other.SetCheck(BST_CHECKED);
    vorn_test::Click(&c, CPoint(5, 5));
    EXPECT_EQ(a.GetCheck(), static_cast<int>(BST_UNCHECKED));
    EXPECT_EQ(b.GetCheck(), static_cast<int>(BST_UNCHECKED));
    EXPECT_EQ(c.GetCheck(), static_cast<int>(BST_CHECKED));
    EXPECT_EQ(other.GetCheck(), static_cast<int>(BST_CHECKED));
}

TEST(ButtonControl, OwnerDrawnButtonIsDrawnByItsClassAndClicksOnReleaseInside) {
    NotifyHost host;
    RedButton button;
    ASSERT_TRUE(button.Create(L"", WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 90, 40), &host, 9));
    button.UpdateWindow();
    ASSERT_FALSE(button.states.empty());
    CClientDC dc(&button);
    EXPECT_EQ(dc.GetPixel(5, 5), RGB(255, 0, 0));
    // Pressed while the button is down; released outside: no click.
    vorn_test::MousePress(&button, CPoint(10, 10));
    button.UpdateWindow();
    EXPECT_TRUE(button.states.back() & ODS_SELECTED);
    vorn_test::MouseMove(&button, CPoint(200, 10), Qt::LeftButton);
    vorn_test::MouseRelease(&button, CPoint(200, 10));
    EXPECT_TRUE(host.CommandCodes(9).empty());
    vorn_test::Click(&button, CPoint(10, 10));
    EXPECT_EQ(host.CommandCodes(9), std::vector<int>{BN_CLICKED});
}

TEST(ButtonControl, ButtonMadeOwnerDrawnAfterCreationShowsOnlyItsDrawing) {
    // What the user sees of the button is red all over: nothing of the toolkit's button face.
    auto allRed = [](CWnd& w) {
        const QImage seen = w.GetWidget()->grab().toImage();
        for (int y = 0; y < seen.height(); ++y)
            for (int x = 0; x < seen.width(); ++x)
                if (seen.pixel(x, y) != qRgb(255, 0, 0)) return false;
        return true;
    };
    struct Case {
        const char* name;
        void (*makeOwnerDrawn)(CButton&);
        void (*makePush)(CButton&);
    };
    const Case cases[] = {
        {"BM_SETSTYLE", [](CButton& b) { b.SendMessage(BM_SETSTYLE, BS_OWNERDRAW, TRUE); },
         [](CButton& b) { b.SendMessage(BM_SETSTYLE, BS_PUSHBUTTON, TRUE); }},
        {"ModifyStyle", [](CButton& b) { b.ModifyStyle(BS_TYPEMASK, BS_OWNERDRAW); },
         [](CButton& b) { b.ModifyStyle(BS_TYPEMASK, BS_PUSHBUTTON); }},
    };
    for (const Case& c : cases) {
        NotifyHost host;
        RedButton button;
        ASSERT_TRUE(button.Create(L"Push", WS_VISIBLE | BS_PUSHBUTTON, CRect(10, 10, 90, 40), &host, 9));
        vorn_test::ProcessEvents();
        EXPECT_FALSE(allRed(button)) << c.name;
        c.makeOwnerDrawn(button);
        vorn_test::ProcessEvents();
        EXPECT_TRUE(allRed(button)) << c.name;
        vorn_test::Click(&button, CPoint(10, 10));
        EXPECT_EQ(host.CommandCodes(9), std::vector<int>{BN_CLICKED}) << c.name;
        c.makePush(button);
        vorn_test::ProcessEvents();
        EXPECT_FALSE(allRed(button)) << c.name;
    }
}

TEST(ButtonControl, ParentThatDrawsGetsWmDrawItem) {
    NotifyHost host;
    int drawn = 0;
    host.onItemMessage = [&](UINT message, LPARAM lParam) -> LRESULT {
        if (message != WM_DRAWITEM) return 0;
        auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        EXPECT_EQ(dis->CtlType, ODT_BUTTON);
        EXPECT_EQ(dis->CtlID, 9u);
        ++drawn;
        return TRUE;
    };
    RedButton button;
    ASSERT_TRUE(button.Create(L"", WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 90, 40), &host, 9));
    button.UpdateWindow();
    EXPECT_GT(drawn, 0);
    EXPECT_TRUE(button.states.empty());  // the parent drew it
}
