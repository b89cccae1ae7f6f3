// The menu bar: the pack's menu with the toolbar's images, command updates before a popup
// opens, the prompt of the item under the pointer, and the keyboard.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "frame_fixture.h"
#include "platform/ui/message_map.h"

namespace {


class MenuBarTest : public FrameTest {
protected:
    QMenuBar* Bar() { return frame->GetMenuBar().GetWidget()->findChild<QMenuBar*>(); }
    QMenu* Popup(int index) { return Bar()->actions()[index]->menu(); }
    QAction* Item(QMenu* menu, const char* text) {
        for (QAction* a : menu->actions())
            if (a->text().startsWith(QString::fromUtf8(text))) return a;
        return nullptr;
    }
    void CloseAll() {
        for (QAction* a : Bar()->actions())
            if (a->menu()) a->menu()->hide();
        vorn_test::ProcessEvents();
    }
    // A key as the program's message filter sees it.
    BOOL Key(UINT message, UINT vk) {
        MSG msg{frame->GetSafeHwnd(), message, vk, 0, 0, POINT{0, 0}};
        return frame->PreTranslateMessage(&msg);
    }
};

TEST_F(MenuBarTest, TheBarShowsThePacksMenuWithToolbarImagesAndAcceleratorTexts) {
    ASSERT_NE(Bar(), nullptr);
    ASSERT_EQ(Bar()->actions().size(), 5);
    EXPECT_EQ(Bar()->actions()[0]->text(), QStringLiteral("&File"));
    ASSERT_TRUE(frame->GetMenuBar().OpenPopup(0, FALSE));
    QMenu* file = Popup(0);
    QAction* newItem = Item(file, "&New");
    QAction* saveAs = Item(file, "Save &As");
    ASSERT_TRUE(newItem && saveAs);
    EXPECT_FALSE(newItem->icon().isNull()) << "New is on the toolbar";
    EXPECT_TRUE(saveAs->icon().isNull()) << "Save As is not";
    EXPECT_TRUE(newItem->text().endsWith(QStringLiteral("\tCtrl+N")));
    // The frame's command update ran before the popup showed: no handler, no command.
    EXPECT_FALSE(newItem->isEnabled());
    CloseAll();
}

TEST_F(MenuBarTest, ThePromptOfTheHoveredItemShowsUntilThePopupCloses) {
    frame->GetMenuBar().OpenPopup(4, FALSE);
    QMenu* help = Popup(4);
    QAction* about = Item(help, "&About");
    ASSERT_NE(about, nullptr);
    about->setEnabled(true);
    help->setActiveAction(about);
    vorn_test::ProcessEvents();
    EXPECT_EQ(frame->GetStatusBar().GetPaneText(0), L"Show the program's name and version");
    CloseAll();
    EXPECT_EQ(frame->GetStatusBar().GetPaneText(0), frame->GetStatusText()) << "the status line comes back";
}

TEST_F(MenuBarTest, AltAloneF10AndAltWithALetterOpenThePopupsFromTheKeyboard) {
    struct Case {
        const char* name;
        std::vector<std::pair<UINT, UINT>> keys;
        int popup;
    };
    const Case cases[] = {
        {"F10", {{WM_SYSKEYDOWN, VK_F10}}, 0},
        {"Alt alone", {{WM_SYSKEYDOWN, VK_MENU}, {WM_SYSKEYUP, VK_MENU}}, 0},
        {"Alt+E", {{WM_SYSKEYDOWN, VK_MENU}, {WM_SYSKEYDOWN, 'E'}}, 1},
        {"Alt+V", {{WM_SYSKEYDOWN, VK_MENU}, {WM_SYSKEYDOWN, 'V'}}, 2},
        {"Alt+H", {{WM_SYSKEYDOWN, VK_MENU}, {WM_SYSKEYDOWN, 'H'}}, 4},
    };
    for (const Case& c : cases) {
        for (auto [message, vk] : c.keys) Key(message, vk);
        vorn_test::ProcessEvents();
        EXPECT_EQ(frame->GetMenuBar().GetOpenPopup(), c.popup) << c.name;
        CloseAll();
    }
    // Alt that went with another key opens nothing when it is let go.
    Key(WM_SYSKEYDOWN, VK_MENU);
    Key(WM_SYSKEYDOWN, 'Q');
    Key(WM_SYSKEYUP, VK_MENU);
    vorn_test::ProcessEvents();
    EXPECT_EQ(frame->GetMenuBar().GetOpenPopup(), -1);
}

TEST_F(MenuBarTest, AcceleratorsOfThePackReachTheCommandRoute) {
    // Ctrl+N is New in the pack: the frame's accelerators turn it into the command.
    EXPECT_NE(frame->m_hAccelTable, nullptr);
    EXPECT_EQ(frame->GetMenuBar().GetCommandIds().front(), static_cast<UINT>(ID_FILE_NEW));
    EXPECT_EQ(frame->GetMenuBar().GetCommandIds().size(), 8u);
}

}  // namespace
