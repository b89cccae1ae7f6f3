#include "platform/ui/menu.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>

#include <map>
#include <memory>
#include <vector>

#include "platform/core/colors.h"
#include "platform/ui/dc.h"
#include "platform/ui/gdi_object.h"
#include "platform/ui/message_map.h"
#include "platform/ui/test_support.h"
#include "platform/ui/window_api.h"
#include "platform/ui/wnd.h"

#include "frame_pack_fixture.h"

namespace {

struct Seen {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// An owner window that records the menu messages it gets; it draws owner-drawn items itself
// when asked to.
class CMenuOwner : public CWnd {
public:
    std::vector<Seen> log;
    bool drawsItems = false;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
        case WM_INITMENUPOPUP:
        case WM_COMMAND:
        case WM_MENUSELECT:
        case WM_ENTERMENULOOP:
        case WM_EXITMENULOOP:
        case WM_MEASUREITEM:
        case WM_DRAWITEM: log.push_back({message, wParam, lParam}); break;
        default: break;
        }
        if (drawsItems && message == WM_DRAWITEM) {
            auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
            CDC::FromHandle(dis->hDC)->FillSolidRect(&dis->rcItem, RGB(0, 0, 255));
            return TRUE;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }

    std::vector<Seen> Of(UINT message) const {
        std::vector<Seen> out;
        for (const Seen& s : log)
            if (s.message == message) out.push_back(s);
        return out;
    }
};

class ScopedChooser {
public:
    explicit ScopedChooser(MenuChooser chooser) { SetMenuChooser(std::move(chooser)); }
    ~ScopedChooser() { SetMenuChooser({}); }
};

// A key press and release sent to the popup that is open now, as the user types it.
void TypeInMenu(int key, const QString& text = QString()) {
    QMenu* popup = GetOpenPopup();
    ASSERT_NE(popup, nullptr);
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(popup, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(popup, &release);
    QCoreApplication::processEvents();
}

class MenuTest : public FramePackTest {
protected:
    void SetUp() override {
        FramePackTest::SetUp();
        ASSERT_TRUE(owner.CreateEx(0, nullptr, L"owner", WS_POPUP | WS_VISIBLE, CRect(50, 50, 250, 200), nullptr, 0));
        ASSERT_TRUE(context.LoadMenu(IDR_CONTEXT));
        popup = context.GetSubMenu(0);
        ASSERT_NE(popup, nullptr);
    }
    void TearDown() override {
        owner.DestroyWindow();
        FramePackTest::TearDown();
    }
    UINT Track(UINT flags) {
        const UINT r = static_cast<UINT>(popup->TrackPopupMenu(flags, 100, 100, &owner));
        vorn_test::ProcessEvents();
        return r;
    }

    CMenuOwner owner;
    CMenu context;
    CMenu* popup = nullptr;
};

TEST_F(MenuTest, LoadsPopupsSeparatorsAndStatesFromThePack) {
    ASSERT_EQ(popup->GetMenuItemCount(), 7);
    struct Expected { int pos; UINT id; const wchar_t* text; UINT state; };
    const Expected items[] = {
        {0, ID_CTX_CUT, L"Cu&t\tCtrl+X", 0},
        {1, ID_CTX_COPY, L"&Copy", MF_CHECKED},
        {2, 0, L"", MF_SEPARATOR},
        {3, ID_CTX_PASTE, L"&Paste", MF_GRAYED},
        {4, static_cast<UINT>(-1), L"&More", MF_POPUP | (2u << 8)},
        {5, ID_CTX_ORPHAN, L"&Orphan", 0},
    };
    for (const Expected& e : items) {
        CString text;
        popup->GetMenuString(static_cast<UINT>(e.pos), text, MF_BYPOSITION);
        EXPECT_EQ(popup->GetMenuItemID(e.pos), e.id) << e.pos;
        EXPECT_EQ(text, CString(e.text)) << e.pos;
        EXPECT_EQ(popup->GetMenuState(static_cast<UINT>(e.pos), MF_BYPOSITION), e.state) << e.pos;
    }
    // By command, items of submenus are found too.
    EXPECT_EQ(popup->GetMenuState(ID_CTX_BETA, MF_BYCOMMAND), 0u);
    EXPECT_EQ(popup->GetMenuState(9999, MF_BYCOMMAND), static_cast<UINT>(-1));
    EXPECT_EQ(popup->GetSubMenu(4)->GetMenuItemID(1), static_cast<UINT>(ID_CTX_BETA));
    CMenu missing;
    EXPECT_FALSE(missing.LoadMenu(12345));
}

TEST(MenuEditing, AppendInsertModifyRemoveAndDelete) {
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    CMenu sub;
    ASSERT_TRUE(sub.CreatePopupMenu());
    sub.AppendMenu(MF_STRING, 20, L"Inner");
    menu.AppendMenu(MF_STRING, 1, L"One");
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(sub.Detach()), L"Sub");
    menu.InsertMenu(0, MF_BYPOSITION | MF_STRING | MF_GRAYED, 2, L"Zero");
    menu.InsertMenu(1, MF_BYCOMMAND | MF_STRING, 3, L"Before one");
    ASSERT_EQ(menu.GetMenuItemCount(), 5);
    EXPECT_EQ(menu.GetMenuItemID(0), 2u);
    EXPECT_EQ(menu.GetMenuItemID(1), 3u);
    EXPECT_EQ(menu.GetMenuItemID(2), 1u);

    EXPECT_TRUE(menu.ModifyMenu(3, MF_BYCOMMAND | MF_STRING | MF_CHECKED, 30, L"Renamed"));
    CString text;
    menu.GetMenuString(30, text, MF_BYCOMMAND);
    EXPECT_EQ(text, CString(L"Renamed"));
    EXPECT_EQ(menu.GetMenuState(30, MF_BYCOMMAND), MF_CHECKED);
    EXPECT_EQ(menu.CheckMenuItem(30, MF_UNCHECKED), MF_CHECKED);
    EXPECT_EQ(menu.EnableMenuItem(2, MF_ENABLED), MF_GRAYED);
    EXPECT_EQ(menu.EnableMenuItem(999, MF_ENABLED), static_cast<UINT>(-1));

    // RemoveMenu keeps the submenu alive, DeleteMenu destroys it.
    HMENU inner = menu.GetSubMenu(4)->GetSafeHmenu();
    EXPECT_TRUE(menu.RemoveMenu(4, MF_BYPOSITION));
    EXPECT_TRUE(IsMenu(inner));
    menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(inner), L"Sub again");
    EXPECT_TRUE(menu.DeleteMenu(4, MF_BYPOSITION));
    EXPECT_FALSE(IsMenu(inner));
    EXPECT_FALSE(menu.DeleteMenu(77, MF_BYCOMMAND));
    EXPECT_EQ(menu.GetMenuItemCount(), 4);

    HMENU handle = menu.GetSafeHmenu();
    menu.DestroyMenu();
    EXPECT_FALSE(IsMenu(handle));
    EXPECT_EQ(CMenu::FromHandle(handle), nullptr);
}

// Owner-drawing an item that opens a submenu (its id passed as -1) must keep the submenu.
TEST(MenuEditing, OwnerDrawingASubmenuItemKeepsItsSubmenu) {
    CMenu menu;
    menu.CreatePopupMenu();
    HMENU sub = CreatePopupMenu();
    AppendMenu(sub, MF_STRING, 5, L"Inside");
    menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(sub), L"Sub");
    EXPECT_TRUE(menu.ModifyMenu(0, MF_BYPOSITION | MF_OWNERDRAW, static_cast<UINT_PTR>(-1),
                                reinterpret_cast<LPCTSTR>(static_cast<ULONG_PTR>(0x1234))));
    EXPECT_EQ(GetSubMenu(menu, 0), sub);
    EXPECT_TRUE(IsMenu(sub));
    EXPECT_EQ(menu.GetMenuState(0, MF_BYPOSITION) & (MF_POPUP | MF_OWNERDRAW), MF_POPUP | MF_OWNERDRAW);
    MENUITEMINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_DATA;
    ASSERT_TRUE(menu.GetMenuItemInfo(0, &info, TRUE));
    EXPECT_EQ(info.dwItemData, 0x1234u);
    // Any other id replaces the submenu, which goes.
    EXPECT_TRUE(menu.ModifyMenu(0, MF_BYPOSITION | MF_STRING, 6, L"Plain"));
    EXPECT_FALSE(IsMenu(sub));
}

TEST(MenuEditing, CheckMenuRadioItemChecksOneOfTheRange) {
    CMenu menu;
    menu.CreatePopupMenu();
    for (UINT id = 10; id <= 13; ++id) menu.AppendMenu(MF_STRING | MF_CHECKED, id, L"x");
    EXPECT_TRUE(menu.CheckMenuRadioItem(10, 12, 11, MF_BYCOMMAND));
    EXPECT_EQ(menu.GetMenuState(10, MF_BYCOMMAND) & MF_CHECKED, 0u);
    EXPECT_EQ(menu.GetMenuState(11, MF_BYCOMMAND), MF_CHECKED | MFT_RADIOCHECK);
    EXPECT_EQ(menu.GetMenuState(12, MF_BYCOMMAND) & MF_CHECKED, 0u);
    EXPECT_EQ(menu.GetMenuState(13, MF_BYCOMMAND) & MF_CHECKED, MF_CHECKED);  // outside the range
    EXPECT_FALSE(menu.CheckMenuRadioItem(10, 12, 99, MF_BYCOMMAND));
}

TEST_F(MenuTest, ReturnCmdGivesTheChosenCommandAndPostsNothing) {
    std::vector<UINT> statesSeen;
    ScopedChooser chooser([&](CMenuTrackRequest& request) {
        EXPECT_EQ(request.hMenu, popup->GetSafeHmenu());
        EXPECT_EQ(request.hWndOwner, owner.GetSafeHwnd());
        EXPECT_EQ(request.menu->actions().size(), 7);
        return static_cast<UINT>(ID_CTX_ORPHAN);
    });
    EXPECT_EQ(Track(TPM_RIGHTBUTTON | TPM_RETURNCMD), static_cast<UINT>(ID_CTX_ORPHAN));
    EXPECT_TRUE(owner.Of(WM_COMMAND).empty());
    // The owner heard the popup open and the menu loop start and end.
    ASSERT_EQ(owner.Of(WM_INITMENUPOPUP).size(), 1u);
    EXPECT_EQ(reinterpret_cast<HMENU>(owner.Of(WM_INITMENUPOPUP)[0].wParam), popup->GetSafeHmenu());
    EXPECT_EQ(owner.Of(WM_ENTERMENULOOP).size(), 1u);
    EXPECT_EQ(owner.Of(WM_EXITMENULOOP).size(), 1u);
}

TEST_F(MenuTest, WithoutReturnCmdTheChoiceIsPostedToTheOwner) {
    ScopedChooser chooser([](CMenuTrackRequest&) { return static_cast<UINT>(ID_CTX_ALPHA); });
    EXPECT_EQ(Track(TPM_RIGHTBUTTON), static_cast<UINT>(TRUE));
    const std::vector<Seen> commands = owner.Of(WM_COMMAND);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(LOWORD(commands[0].wParam), ID_CTX_ALPHA);
    EXPECT_EQ(HIWORD(commands[0].wParam), 0);
}

TEST_F(MenuTest, OnlyAnEnabledCommandOfTheMenuCanBeChosen) {
    struct Case { UINT answer; UINT expected; };
    const Case cases[] = {
        {ID_CTX_CUT, ID_CTX_CUT},
        {ID_CTX_BETA, ID_CTX_BETA},  // in the submenu
        {ID_CTX_PASTE, 0},           // grayed
        {9999, 0},                   // not in the menu
        {0, 0},                      // cancelled
    };
    for (const Case& c : cases) {
        ScopedChooser chooser([&](CMenuTrackRequest&) { return c.answer; });
        EXPECT_EQ(Track(TPM_RETURNCMD | TPM_NONOTIFY), c.expected) << c.answer;
    }
    // TPM_NONOTIFY: the owner heard nothing.
    EXPECT_TRUE(owner.log.empty());
}

TEST_F(MenuTest, KeysChooseItemsAndOpenSubmenus) {
    ScopedChooser down([](CMenuTrackRequest& request) {
        return DriveMenu(request, [](QMenu*) {
            TypeInMenu(Qt::Key_Down);
            TypeInMenu(Qt::Key_Return);
        });
    });
    EXPECT_EQ(Track(TPM_RETURNCMD), static_cast<UINT>(ID_CTX_CUT));

    owner.log.clear();
    ScopedChooser mnemonic([](CMenuTrackRequest& request) {
        return DriveMenu(request, [](QMenu*) {
            TypeInMenu(Qt::Key_M, QStringLiteral("m"));  // opens "More"
            TypeInMenu(Qt::Key_B, QStringLiteral("b"));  // chooses "Beta" inside it
        });
    });
    EXPECT_EQ(Track(TPM_RETURNCMD), static_cast<UINT>(ID_CTX_BETA));
    // The submenu's own WM_INITMENUPOPUP came with its handle and position.
    const std::vector<Seen> inits = owner.Of(WM_INITMENUPOPUP);
    ASSERT_EQ(inits.size(), 2u);
    EXPECT_EQ(reinterpret_cast<HMENU>(inits[1].wParam), popup->GetSubMenu(4)->GetSafeHmenu());
    EXPECT_EQ(LOWORD(inits[1].lParam), 4);
    EXPECT_FALSE(owner.Of(WM_MENUSELECT).empty());
}

TEST_F(MenuTest, StateSetWhileThePopupOpensIsWhatTheUserSees) {
    // The owner's WM_INITMENUPOPUP handling grays "Cut": Return on it then chooses nothing.
    class CGrayingOwner : public CMenuOwner {
    public:
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
            if (message == WM_INITMENUPOPUP)
                EnableMenuItem(reinterpret_cast<HMENU>(wParam), ID_CTX_CUT, MF_BYCOMMAND | MF_GRAYED);
            return CMenuOwner::WindowProc(message, wParam, lParam);
        }
    } graying;
    ASSERT_TRUE(graying.CreateEx(0, nullptr, L"g", WS_POPUP | WS_VISIBLE, CRect(0, 0, 50, 50), nullptr, 0));
    bool enabledShown = true;
    ScopedChooser chooser([&](CMenuTrackRequest& request) {
        enabledShown = request.menu->actions()[0]->isEnabled();
        return static_cast<UINT>(ID_CTX_CUT);
    });
    EXPECT_EQ(popup->TrackPopupMenu(TPM_RETURNCMD, 10, 10, &graying), 0);
    EXPECT_FALSE(enabledShown);
    graying.DestroyWindow();
}

TEST_F(MenuTest, CancelModeToTheOwnerClosesThePopup) {
    ScopedChooser chooser([this](CMenuTrackRequest& request) {
        return DriveMenu(request, [this](QMenu* menu) {
            TypeInMenu(Qt::Key_Down);
            owner.SendMessage(WM_CANCELMODE);
            EXPECT_FALSE(menu->isVisible());
        });
    });
    EXPECT_EQ(Track(TPM_RETURNCMD), 0u);
}

// A WM_MSGFILTER hook sees the keys of the menu loop first and may keep them from the menu.
LRESULT KeepRightFromMenus(int code, WPARAM, LPARAM lParam);
std::vector<UINT> g_filtered;
HHOOK g_filterHook = nullptr;
LRESULT KeepRightFromMenus(int code, WPARAM wParam, LPARAM lParam) {
    auto* msg = reinterpret_cast<MSG*>(lParam);
    if (code == MSGF_MENU && msg->message == WM_KEYDOWN) {
        g_filtered.push_back(static_cast<UINT>(msg->wParam));
        if (msg->wParam == VK_RIGHT) return 1;
    }
    return CallNextHookEx(g_filterHook, code, wParam, lParam);
}

TEST_F(MenuTest, MessageFilterHookSeesMenuKeysFirst) {
    g_filtered.clear();
    g_filterHook = SetWindowsHookEx(WH_MSGFILTER, &KeepRightFromMenus, nullptr, GetCurrentThreadId());
    ASSERT_NE(g_filterHook, nullptr);
    bool submenuOpened = true;
    ScopedChooser chooser([&](CMenuTrackRequest& request) {
        return DriveMenu(request, [&](QMenu* menu) {
            for (int i = 0; i < 4; ++i) TypeInMenu(Qt::Key_Down);  // to "More" (the separator is skipped)
            TypeInMenu(Qt::Key_Right);
            submenuOpened = GetOpenPopup() != menu;
        });
    });
    EXPECT_EQ(Track(TPM_RETURNCMD), 0u);
    UnhookWindowsHookEx(g_filterHook);
    EXPECT_FALSE(submenuOpened);
    EXPECT_EQ(g_filtered, (std::vector<UINT>{VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT}));
}

// A menu that measures and draws its owner-drawn items itself.
class CSwatchMenu : public CMenu {
public:
    std::vector<UINT> drawnStates;
    void MeasureItem(LPMEASUREITEMSTRUCT mis) override {
        mis->itemWidth = 140;
        mis->itemHeight = static_cast<UINT>(mis->itemData);
    }
    void DrawItem(LPDRAWITEMSTRUCT dis) override {
        drawnStates.push_back(dis->itemState);
        CDC* dc = CDC::FromHandle(dis->hDC);
        const bool selected = dis->itemState & ODS_SELECTED;
        dc->FillSolidRect(&dis->rcItem, selected ? RGB(200, 0, 0) : RGB(0, 160, 0));
    }
};

TEST_F(MenuTest, OwnerDrawnItemsAreMeasuredAndDrawnByTheMenuUnlessTheOwnerDoes) {
    CSwatchMenu swatches;
    ASSERT_TRUE(swatches.CreatePopupMenu());
    swatches.AppendMenu(MF_OWNERDRAW, 11, reinterpret_cast<LPCTSTR>(static_cast<ULONG_PTR>(24)));
    swatches.AppendMenu(MF_OWNERDRAW | MF_GRAYED, 12, reinterpret_cast<LPCTSTR>(static_cast<ULONG_PTR>(40)));
    QImage picture;
    QRect firstItem;
    ScopedChooser chooser([&](CMenuTrackRequest& request) {
        return DriveMenu(request, [&](QMenu* menu) {
            TypeInMenu(Qt::Key_Down);
            firstItem = menu->actionGeometry(menu->actions()[0]);
            picture = menu->grab().toImage();
        });
    });
    EXPECT_EQ(swatches.TrackPopupMenu(TPM_RETURNCMD, 60, 60, &owner), 0);
    EXPECT_EQ(firstItem.height(), 24);
    ASSERT_FALSE(picture.isNull());
    picture.save(QString::fromStdWString(vorn_test::PicturePath("menu_owner_drawn.png").GetString()));
    EXPECT_EQ(QColor(picture.pixel(firstItem.center())), QColor(200, 0, 0));  // selected
    ASSERT_FALSE(swatches.drawnStates.empty());
    bool sawGrayed = false;
    for (UINT s : swatches.drawnStates) sawGrayed = sawGrayed || (s & ODS_GRAYED);
    EXPECT_TRUE(sawGrayed);
    EXPECT_EQ(owner.Of(WM_MEASUREITEM).size(), 2u);

    // An owner that draws the items itself leaves the menu's DrawItem out.
    swatches.drawnStates.clear();
    owner.drawsItems = true;
    EXPECT_EQ(swatches.TrackPopupMenu(TPM_RETURNCMD, 60, 60, &owner), 0);
    EXPECT_TRUE(swatches.drawnStates.empty());
    EXPECT_EQ(QColor(picture.pixel(firstItem.center())), QColor(0, 0, 255));
}

}  // namespace

namespace {

// The context-menu pattern of the program: a popup made owner-drawn item by item, its states
// brought up to date through the receiving window's command route, then tracked.
struct CItemRecord {
    UINT id;
    CString text;
};

class CConvertedMenu : public CMenu {
public:
    std::vector<std::unique_ptr<CItemRecord>> records;
    std::map<UINT, UINT> drawnStates;

    void ConvertToOwnerDraw() {
        for (int i = GetMenuItemCount() - 1; i >= 0; --i) {
            const UINT id = GetMenuItemID(i);
            const UINT state = GetMenuState(static_cast<UINT>(i), MF_BYPOSITION);
            CString text;
            GetMenuString(static_cast<UINT>(i), text, MF_BYPOSITION);
            records.push_back(std::make_unique<CItemRecord>(CItemRecord{id, text}));
            ModifyMenu(static_cast<UINT>(i), MF_BYPOSITION | MF_OWNERDRAW | (state & (MF_CHECKED | MF_GRAYED | MF_DISABLED)),
                       id, reinterpret_cast<LPCTSTR>(records.back().get()));
        }
    }
    void MeasureItem(LPMEASUREITEMSTRUCT mis) override {
        mis->itemWidth = 120;
        mis->itemHeight = 22;
    }
    void DrawItem(LPDRAWITEMSTRUCT dis) override {
        auto* record = reinterpret_cast<CItemRecord*>(dis->itemData);
        if (!record) return;
        drawnStates[record->id] = dis->itemState;
        CDC* dc = CDC::FromHandle(dis->hDC);
        dc->FillSolidRect(&dis->rcItem, GetSysColor((dis->itemState & ODS_SELECTED) ? COLOR_HIGHLIGHT : COLOR_MENU));
        CRect text = dis->rcItem;
        text.left += 24;
        dc->SetBkMode(TRANSPARENT);
        dc->SetTextColor(GetSysColor((dis->itemState & ODS_GRAYED) ? COLOR_GRAYTEXT : COLOR_MENUTEXT));
        dc->DrawText(record->text, &text, DT_SINGLELINE | DT_VCENTER);
        if (dis->itemState & ODS_CHECKED) dc->FillSolidRect(6, dis->rcItem.top + 7, 8, 8, RGB(0, 0, 0));
    }
};

class CReceiver : public CCmdTarget {
public:
    void OnAlpha() {}
    void OnBeta() {}
    void OnUpdateAlpha(CCmdUI* pCmdUI) { pCmdUI->SetCheck(0); }
    void OnUpdateBeta(CCmdUI* pCmdUI) { pCmdUI->SetCheck(1); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CReceiver, CCmdTarget)
    ON_COMMAND(ID_CTX_ALPHA, &CReceiver::OnAlpha)
    ON_COMMAND(ID_CTX_BETA, &CReceiver::OnBeta)
    ON_UPDATE_COMMAND_UI(ID_CTX_ALPHA, &CReceiver::OnUpdateAlpha)
    ON_UPDATE_COMMAND_UI(ID_CTX_BETA, &CReceiver::OnUpdateBeta)
END_MESSAGE_MAP()

TEST_F(MenuTest, UpdatedStatesOfConvertedItemsAreWhatTheyDraw) {
    CConvertedMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING | MF_CHECKED, ID_CTX_ALPHA, L"Alpha");  // appended checked
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING, ID_CTX_BETA, L"Beta");
    menu.AppendMenu(MF_STRING, ID_CTX_ORPHAN, L"Orphan");
    menu.ConvertToOwnerDraw();
    CReceiver receiver;
    for (int i = menu.GetMenuItemCount() - 1; i >= 0; --i) {
        const UINT id = menu.GetMenuItemID(i);
        if (id == 0 || id == static_cast<UINT>(-1)) continue;
        CCmdUI state;
        state.m_pMenu = &menu;
        state.m_nIndex = static_cast<UINT>(i);
        state.m_nIndexMax = static_cast<UINT>(menu.GetMenuItemCount());
        state.m_nID = id;
        state.DoUpdate(&receiver, TRUE);
    }
    QImage picture;
    ScopedChooser chooser([&](CMenuTrackRequest& request) {
        return DriveMenu(request, [&](QMenu* shown) { picture = shown->grab().toImage(); });
    });
    EXPECT_EQ(menu.TrackPopupMenu(TPM_RIGHTBUTTON | TPM_RETURNCMD, 80, 80, &owner), 0);
    picture.save(QString::fromStdWString(vorn_test::PicturePath("menu_converted.png").GetString()));
    ASSERT_EQ(menu.drawnStates.count(ID_CTX_ALPHA), 1u);
    EXPECT_EQ(menu.drawnStates[ID_CTX_ALPHA] & ODS_CHECKED, 0u);  // the handler's state, not the appended one
    EXPECT_EQ(menu.drawnStates[ID_CTX_BETA] & ODS_CHECKED, ODS_CHECKED);
    EXPECT_EQ(menu.drawnStates[ID_CTX_ORPHAN] & ODS_GRAYED, ODS_GRAYED);  // no handler
    EXPECT_EQ(menu.drawnStates[ID_CTX_BETA] & ODS_GRAYED, 0u);
}

}  // namespace
