// The vertical tab strip: the order after clicks and menu choices, what the parent is told,
// and the picture with its captions running upwards.
#include <gtest/gtest.h>

#include <functional>

#include "controls/vertical_tab_ctrl.h"
#include "language_pack_fixture.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/menu.h"
#include "platform/ui/test_support.h"
#include "recording_wnd.h"
#include "resource_ids.h"

namespace {

struct VerticalTabFixture : EnglishPackTest {
    RecordingWnd host{300, 900};
    CImageList images;
    CMyVerticalTabCtrl strip{&images};

    void SetUp() override {
        EnglishPackTest::SetUp();
        // The pictures of the six kinds, in key order, as the strip's menu shows them.
        images.Create(IDR_VERTICAL_TAB_MENU, 16, 1, RGB(255, 0, 255));
        ASSERT_TRUE(strip.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(10, 10, 42, 860), &host, 7));
        const COLORREF fills[] = {RGB(166, 211, 252), RGB(171, 235, 99), RGB(255, 255, 124),
                                  RGB(254, 157, 62), RGB(255, 116, 88), RGB(194, 138, 245)};
        const COLORREF borders[] = {RGB(114, 158, 203), RGB(102, 144, 34), RGB(190, 171, 51),
                                    RGB(208, 89, 0), RGB(223, 49, 25), RGB(129, 80, 195)};
        for (int i = 0; i < 6; ++i) {
            CString caption;
            caption.LoadString(IDS_CONTACTS_CLASSES + i);
            strip.AddTab(caption, i, fills[i], borders[i]);
        }
        strip.UpdateWindow();
    }
    void ClickKey(int key) {
        for (const auto& tab : strip.GetTabs())
            if (tab.key == key) vorn_test::Click(&strip, tab.rect.CenterPoint());
        vorn_test::ProcessEvents();
        strip.UpdateWindow();
    }
    void ChooseKey(int key) {
        const UINT commands[] = {ID_CONTACTS_SHOW_CLASSES, ID_CONTACTS_SHOW_STAFF, ID_CONTACTS_SHOW_ASSISTANTS,
                                 ID_CONTACTS_SHOW_ROOMS, ID_CONTACTS_SHOW_EQUIPMENT, ID_CONTACTS_SHOW_CHIME_SETS};
        SetMenuChooser([&](CMenuTrackRequest&) { return commands[key]; });
        vorn_test::Click(&strip, CPoint(16, 20), Qt::RightButton);
        SetMenuChooser({});
        vorn_test::ProcessEvents();
        strip.UpdateWindow();
    }
    std::vector<WPARAM> Told() const {
        std::vector<WPARAM> keys;
        for (const auto& m : host.messages)
            if (m.message == CMyVerticalTabCtrl::kSelected) keys.push_back(m.wParam);
        return keys;
    }
};

}  // namespace

TEST_F(VerticalTabFixture, ClicksSortTheRestMenuChoicesOnlySwap) {
    struct Step {
        const char* name;
        std::function<void()> act;
        std::vector<int> order;
        std::vector<WPARAM> told;
    };
    const Step steps[] = {
        {"click on the first tab", [&] { ClickKey(0); }, {0, 1, 2, 3, 4, 5}, {}},
        {"click on tab 3", [&] { ClickKey(3); }, {3, 0, 1, 2, 4, 5}, {3}},
        {"menu chooses 5", [&] { ChooseKey(5); }, {5, 0, 1, 2, 4, 3}, {5}},
        {"menu chooses the first again", [&] { ChooseKey(5); }, {5, 0, 1, 2, 4, 3}, {5}},
        {"click on tab 4 sorts the others", [&] { ClickKey(4); }, {4, 0, 1, 2, 3, 5}, {4}},
        {"click below the last tab", [&] {
             ASSERT_LT(strip.GetTabs().back().rect.bottom, 840);
             vorn_test::Click(&strip, CPoint(16, 845));
         },
         {4, 0, 1, 2, 3, 5}, {}},
    };
    for (const auto& s : steps) {
        host.messages.clear();
        s.act();
        EXPECT_EQ(strip.GetKeys(), s.order) << s.name;
        EXPECT_EQ(Told(), s.told) << s.name;
    }
}

TEST_F(VerticalTabFixture, PictureWithCaptionsRunningUpwards) {
    ClickKey(1);
    EXPECT_TRUE(vorn_test::SavePicture(&strip, "vertical_tab_ctrl.png"));
    // The first tab starts at the top and the next one follows below it.
    const auto& tabs = strip.GetTabs();
    EXPECT_EQ(tabs[0].rect.top, 0);
    EXPECT_EQ(tabs[1].rect.top, tabs[0].rect.bottom);
}
