// The folder tab strip: context commands (close, pin, unpin), removing unpinned tabs, scrolling
// to the ends, selection notifications and the entity tip.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "controls/app_document.h"
#include "controls/folder_tab_ctrl.h"
#include "model/schedule_data.h"
#include "platform/ui/menu.h"
#include "platform/ui/system_metrics.h"
#include "platform/ui/test_support.h"
#include "language_pack_fixture.h"
#include "recording_wnd.h"
#include "resource_ids.h"
#include "../platform/ui/frame_picture.h"

namespace {

class ScopedChooser {
public:
    explicit ScopedChooser(MenuChooser chooser) { SetMenuChooser(std::move(chooser)); }
    ~ScopedChooser() { SetMenuChooser({}); }
};

// The strip lies on the host, owned by a window inside the host (as the timetable control
// owns it), so the owner's owner is the host.
struct FolderFixture : EnglishPackTest {
    RecordingWnd host;
    CWnd owner;
    std::unique_ptr<CFolderTabCtrl> strip;
    int secondView = 0;
    void SetUp() override {
        EnglishPackTest::SetUp();
        MakeStrip();
    }
    void MakeStrip() {
        if (!owner.GetSafeHwnd()) owner.Create(nullptr, L"", WS_CHILD, CRect(0, 0, 1, 1), &host, 50);
        host.messages.clear();
        strip = std::make_unique<CFolderTabCtrl>();
        ASSERT_TRUE(strip->Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 560, GetSystemMetrics(SM_CYHSCROLL)), &host, 1,
                                 CFolderTabCtrl::kButtonsFlag));
        strip->SetOwner(&owner);
        strip->SetSecondViewEntity(&secondView);
    }
    void Add(std::initializer_list<std::pair<const wchar_t*, bool>> tabs) {
        int data = 1;
        for (const auto& [caption, pinned] : tabs) strip->AddTab(caption, data++, pinned);
    }
    std::vector<CString> Captions() const {
        std::vector<CString> out;
        for (const auto& tab : strip->GetTabs()) out.push_back(tab.caption);
        return out;
    }
    CPoint TabPoint(int index) {
        const auto& tab = strip->GetTabs()[index];
        return CPoint(tab.rect.CenterPoint().x + strip->GetButtonAreaWidth() - strip->GetTabs()[strip->GetFirstVisible()].rect.left,
                      tab.rect.CenterPoint().y);
    }
    // Right-clicks a tab and chooses a command from its menu.
    void Choose(int tab, UINT command) {
        ScopedChooser chooser([command](CMenuTrackRequest&) { return command; });
        vorn_test::Click(strip.get(), TabPoint(tab), Qt::RightButton);
        vorn_test::ProcessEvents();
    }
    int Count(UINT message, int code = 0) const {
        int n = 0;
        for (const auto& m : host.messages) n += m.message == message && (code == 0 || m.notifyCode == code);
        return n;
    }
};

}  // namespace

TEST_F(FolderFixture, ContextCommandsKeepTheIndexesInsideTheTabs) {
    struct Case {
        const char* name;
        int tab;          // right-clicked and so selected
        UINT command;
        int second;       // entity of the owner's second view
        std::vector<CString> captions;
        int selected;
        int changed;      // WM_USER+9 sent
    };
    const Case cases[] = {
        {"closing the last tab selects the one before", 2, ID_FOLDER_TAB_CLOSE, 0, {L"Ada", L"Ben"}, 1, 1},
        {"the second view's tab cannot be closed", 1, ID_FOLDER_TAB_CLOSE, 2, {L"Ada", L"Ben", L"Cy"}, 1, 0},
        {"pinning keeps the tabs", 0, ID_FOLDER_TAB_PIN, 0, {L"Ada", L"Ben", L"Cy"}, 0, 1},
    };
    for (const auto& c : cases) {
        MakeStrip();
        secondView = c.second;
        Add({{L"Ada", false}, {L"Ben", false}, {L"Cy", false}});
        Choose(c.tab, c.command);
        EXPECT_EQ(Captions(), c.captions) << c.name;
        EXPECT_EQ(strip->GetSelectedIndex(), c.selected) << c.name;
        EXPECT_EQ(Count(CFolderTabCtrl::kTabsChanged), c.changed) << c.name;
    }
}

TEST_F(FolderFixture, PinningTellsTheOwnersOwnerWhichEntityToShow) {
    Add({{L"Ada", false}, {L"Ben", false}});
    Choose(1, ID_FOLDER_TAB_PIN);
    EXPECT_TRUE(strip->GetTabs()[1].pinned);
    ASSERT_EQ(Count(CFolderTabCtrl::kShowEntity), 1);
    for (const auto& m : host.messages)
        if (m.message == CFolderTabCtrl::kShowEntity) {
            EXPECT_EQ(m.wParam, 2u);
        }
}

TEST_F(FolderFixture, RemovingUnpinnedTabsKeepsPinnedAndSelectedTabs) {
    Add({{L"Ada", true}, {L"Ben", false}, {L"Cy", false}, {L"Dan", false}});
    strip->SelectTab(2);
    strip->RemoveUnpinnedTabs();
    EXPECT_EQ(Captions(), (std::vector<CString>{L"Ada", L"Cy"}));
    EXPECT_EQ(strip->GetSelectedIndex(), 1);  // still Cy
    strip->SelectTab(0);
    Choose(0, ID_FOLDER_TAB_UNPIN);
    strip->SelectTab(1);
    strip->RemoveUnpinnedTabs();
    EXPECT_EQ(Captions(), (std::vector<CString>{L"Cy"}));
    EXPECT_EQ(strip->GetSelectedIndex(), 0);
    EXPECT_EQ(strip->GetFirstVisible(), 0);
}

TEST_F(FolderFixture, ScrollButtonsStopAtTheEnds) {
    Add({{L"Ada", false}, {L"Ben", false}, {L"Cy", false}});
    const int h = GetSystemMetrics(SM_CYHSCROLL);
    auto press = [&](int id) { vorn_test::Click(strip.get(), CPoint((id - 1) * h + h / 2, h / 2)); };
    struct Step {
        int button;
        int firstVisible;
    };
    const Step steps[] = {{2, 0}, {3, 1}, {3, 2}, {3, 2}, {1, 0}, {4, 2}, {2, 1}};
    for (const auto& s : steps) {
        press(s.button);
        EXPECT_EQ(strip->GetFirstVisible(), s.firstVisible) << "button " << s.button;
    }
    EXPECT_EQ(strip->HitTest(CPoint(h, h / 2)), -1);  // the button area hits no tab
}

TEST_F(FolderFixture, HeldScrollButtonRepeatsAndStepsOnceMoreOnRelease) {
    Add({{L"Ada", false}, {L"Ben", false}, {L"Cy", false}, {L"Dan", false}, {L"Eve", false}});
    CFolderButton* next = strip->GetButton(3);
    CRect r;
    next->GetClientRect(&r);
    vorn_test::MousePress(next, r.CenterPoint());
    EXPECT_EQ(strip->GetFirstVisible(), 0);  // nothing before the first tick
    next->SendMessage(WM_TIMER, 1, 0);
    next->SendMessage(WM_TIMER, 1, 0);
    EXPECT_EQ(strip->GetFirstVisible(), 2);
    vorn_test::MouseRelease(next, r.CenterPoint());
    EXPECT_EQ(strip->GetFirstVisible(), 3);
}

TEST_F(FolderFixture, SelectionNotifications) {
    Add({{L"Ada", false}, {L"Ben", false}, {L"Cy", false}});
    struct Case {
        const char* name;
        std::function<void()> act;
        int selected;
        int notified;
    };
    const Case cases[] = {
        {"clicking another tab", [&] { vorn_test::Click(strip.get(), TabPoint(1)); }, 1, 1},
        {"clicking the selected tab", [&] { vorn_test::Click(strip.get(), TabPoint(1)); }, 1, 0},
        {"right click on another tab", [&] { Choose(2, 0); }, 2, 1},
        {"by data, already selected", [&] { EXPECT_EQ(strip->SelectTabByData(3), 2); }, 2, 1},
        {"by data that no tab has", [&] { EXPECT_EQ(strip->SelectTabByData(42), -1); }, 2, 0},
        {"an index outside the tabs", [&] { EXPECT_EQ(strip->SelectTab(7), -1); }, 2, 0},
    };
    for (const auto& c : cases) {
        host.messages.clear();
        c.act();
        EXPECT_EQ(strip->GetSelectedIndex(), c.selected) << c.name;
        EXPECT_EQ(Count(WM_NOTIFY, CFolderTabCtrl::kNotifySelect), c.notified) << c.name;
    }
}

TEST_F(FolderFixture, TipOnlyForAvailableEntities) {
    CScheduleData data;
    CEntity ada;
    ada.m_nId = 1;
    ada.m_strName = L"Ada";
    ada.m_nType = 1;
    CEntity ben = ada;
    ben.m_nId = 2;
    ben.m_strName = L"Ben";
    ben.m_bUnavailable = 1;
    data.m_arrEntities.push_back(ada);
    data.m_arrEntities.push_back(ben);
    SetAppDocument(&data);
    strip->AddTab(L"Ada", 1, false);
    strip->AddTab(L"Ben", 2, false);
    strip->AddTab(L"Note", 0, false);
    for (int tab = 0; tab < 3; ++tab) {
        CHtmlToolInfo info;
        CPoint pt = TabPoint(tab);
        strip->ClientToScreen(&pt);
        NMHTMLTOOLTIP nm{};
        nm.hdr.code = HTTN_NEEDTEXT;
        nm.pParam = &pt;
        nm.pToolInfo = &info;
        strip->SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&nm));
        EXPECT_EQ(info.m_text.IsEmpty(), tab != 0) << "tab " << tab;
    }
    SetAppDocument(nullptr);
}

TEST_F(FolderFixture, PictureWithPinnedTabsAndScrollButtons) {
    Add({{L"4B", true}, {L"Ada Lovelace", false}, {L"R&D", true}, {L"Physics lab", false}, {L"Ben", false}});
    strip->SelectTab(1);
    EXPECT_FALSE(SaveWindowPicture(strip.get(), "folder_tab_ctrl.png").isNull());
    // A pinned tab is 10 pixels wider than the same caption unpinned.
    const int pinned = strip->GetTabs()[0].rect.Width();
    strip->AddTab(L"4B", 9, false);
    EXPECT_EQ(pinned - strip->GetTabs().back().rect.Width(), 10);
}
