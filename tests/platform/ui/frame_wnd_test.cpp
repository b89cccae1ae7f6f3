#include "platform/ui/frame_wnd.h"

#include <gtest/gtest.h>

#include <QMenu>

#include <string>
#include <vector>

#include "platform/ui/accelerator_table.h"
#include "platform/ui/menu.h"
#include "platform/ui/message_map.h"
#include "platform/ui/test_support.h"
#include "platform/ui/window_api.h"

#include "frame_pack_fixture.h"

namespace {

std::vector<std::string> g_hits;

// The command targets of a frame's route, in the order the frame asks them: the page of the
// selected tab, the explorer bar, the frame itself, the application.
class CPageTarget : public CCmdTarget {
public:
    void OnCopy() { g_hits.push_back("page copy"); }
    void OnUpdateCopy(CCmdUI* pCmdUI) { pCmdUI->SetCheck(1); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CPageTarget, CCmdTarget)
    ON_COMMAND(ID_TEST_COPY, &CPageTarget::OnCopy)
    ON_UPDATE_COMMAND_UI(ID_TEST_COPY, &CPageTarget::OnUpdateCopy)
END_MESSAGE_MAP()

class CExplorerTarget : public CCmdTarget {
public:
    void OnCopy() { g_hits.push_back("explorer copy"); }
    void OnUndo() { g_hits.push_back("explorer undo"); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CExplorerTarget, CCmdTarget)
    ON_COMMAND(ID_TEST_COPY, &CExplorerTarget::OnCopy)
    ON_COMMAND(ID_TEST_UNDO, &CExplorerTarget::OnUndo)
END_MESSAGE_MAP()

class CAppTarget : public CCmdTarget {
public:
    void OnNew() { g_hits.push_back("app new"); }
    void OnSave() { g_hits.push_back("app save"); }
    void OnAbout() { g_hits.push_back("app about"); }
    void OnRefresh() { g_hits.push_back("app refresh"); }
    void OnUndo() { g_hits.push_back("app undo"); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CAppTarget, CCmdTarget)
    ON_COMMAND(ID_TEST_NEW, &CAppTarget::OnNew)
    ON_COMMAND(ID_TEST_SAVE, &CAppTarget::OnSave)
    ON_COMMAND(ID_TEST_ABOUT, &CAppTarget::OnAbout)
    ON_COMMAND(ID_CTX_REFRESH, &CAppTarget::OnRefresh)
    ON_COMMAND(ID_TEST_UNDO, &CAppTarget::OnUndo)
END_MESSAGE_MAP()

class CChainFrame : public CFrameWnd {
public:
    CPageTarget page;
    CExplorerTarget explorer;

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override {
        if (page.OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
        if (explorer.OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
        return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }
    void OnOpen() { g_hits.push_back("frame open"); }
    void OnCopy() { g_hits.push_back("frame copy"); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CChainFrame, CFrameWnd)
    ON_COMMAND(ID_TEST_OPEN, &CChainFrame::OnOpen)
    ON_COMMAND(ID_TEST_COPY, &CChainFrame::OnCopy)
END_MESSAGE_MAP()

class ScopedChooser {
public:
    explicit ScopedChooser(MenuChooser chooser) { SetMenuChooser(std::move(chooser)); }
    ~ScopedChooser() { SetMenuChooser({}); }
};

class FrameTest : public FramePackTest {
protected:
    void SetUp() override {
        FramePackTest::SetUp();
        g_hits.clear();
        CFrameWnd::SetApplicationTarget(&app);
        frame = new CChainFrame;
        ASSERT_TRUE(frame->LoadFrame(IDR_TESTFRAME));
        frame->ShowWindow(SW_SHOW);
        ASSERT_TRUE(child.Create(nullptr, L"child", WS_CHILD | WS_VISIBLE, CRect(10, 10, 100, 60), frame, 1));
        vorn_test::ProcessEvents();
    }
    void TearDown() override {
        frame->DestroyWindow();  // deletes the frame
        CFrameWnd::SetApplicationTarget(nullptr);
        FramePackTest::TearDown();
    }

    CAppTarget app;
    CChainFrame* frame = nullptr;
    CWnd child;
};

TEST_F(FrameTest, CommandsTakeTheRouteInOrderAndStopAtTheFirstHandler) {
    struct Case { UINT id; const char* hit; };
    const Case cases[] = {
        {ID_TEST_COPY, "page copy"},      // the page shadows the explorer bar and the frame
        {ID_TEST_UNDO, "explorer undo"},  // the explorer bar shadows the application
        {ID_TEST_OPEN, "frame open"},
        {ID_TEST_ABOUT, "app about"},
        {ID_TEST_PASTE, nullptr},         // nobody
    };
    for (const Case& c : cases) {
        g_hits.clear();
        const LRESULT handled = frame->SendMessage(WM_COMMAND, MAKEWPARAM(c.id, 0), 0);
        EXPECT_EQ(handled != 0, c.hit != nullptr) << c.id;
        EXPECT_EQ(g_hits, c.hit ? std::vector<std::string>{c.hit} : std::vector<std::string>{}) << c.id;
    }
}

TEST_F(FrameTest, LoadFrameTakesTitleMenuAndAcceleratorsFromThePack) {
    CString title;
    frame->GetWindowText(title);
    EXPECT_EQ(title, CString(L"Test Frame"));
    ASSERT_NE(frame->GetMenu(), nullptr);
    EXPECT_EQ(frame->GetMenu()->GetMenuItemCount(), 3);
    EXPECT_NE(frame->m_hAccelTable, nullptr);
}

TEST_F(FrameTest, AMenuCommandReachesItsHandlerAlongTheRoute) {
    ScopedChooser chooser([](CMenuTrackRequest& request) {
        return DriveMenu(request, [](QMenu* menu) { menu->actions()[1]->trigger(); });  // "Copy"
    });
    CMenu* edit = frame->GetMenu()->GetSubMenu(1);
    EXPECT_TRUE(edit->TrackPopupMenu(TPM_RIGHTBUTTON, 100, 100, frame));
    EXPECT_TRUE(g_hits.empty());  // the command is posted, not sent
    vorn_test::ProcessEvents();
    EXPECT_EQ(g_hits, (std::vector<std::string>{"page copy"}));
}

TEST_F(FrameTest, APopupShowsCommandsWithoutHandlerDisabledAndUpdateStates) {
    struct Shown { bool enabled; bool checked; };
    std::vector<Shown> shown;
    ScopedChooser chooser([&](CMenuTrackRequest& request) {
        for (QAction* a : request.menu->actions()) shown.push_back({a->isEnabled(), a->isChecked()});
        return 0u;
    });
    CMenu* edit = frame->GetMenu()->GetSubMenu(1);  // Undo, Copy, Paste
    edit->TrackPopupMenu(TPM_RETURNCMD, 100, 100, frame);
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_TRUE(shown[0].enabled);   // Undo: the explorer bar handles it
    EXPECT_TRUE(shown[1].enabled);   // Copy: the page handles it and checks it
    EXPECT_TRUE(shown[1].checked);
    EXPECT_FALSE(shown[2].enabled);  // Paste: no handler on the route
    EXPECT_EQ(edit->GetMenuState(ID_TEST_PASTE, MF_BYCOMMAND) & MF_GRAYED, MF_GRAYED);

    // With automatic disabling off, the item stays as it is.
    frame->m_bAutoMenuEnable = FALSE;
    edit->EnableMenuItem(ID_TEST_PASTE, MF_ENABLED);
    shown.clear();
    edit->TrackPopupMenu(TPM_RETURNCMD, 100, 100, frame);
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_TRUE(shown[2].enabled);
}

TEST_F(FrameTest, AcceleratorsOfThePackSendTheirCommands) {
    struct Case { int key; const char* text; Qt::KeyboardModifiers mods; const char* hit; };
    const Case cases[] = {
        {Qt::Key_N, "n", Qt::ControlModifier, "app new"},
        {Qt::Key_S, "S", Qt::ControlModifier | Qt::ShiftModifier, "app save"},
        {Qt::Key_S, "s", Qt::ControlModifier, nullptr},  // the table wants Shift too
        {Qt::Key_F5, "", Qt::NoModifier, "app refresh"},
        {Qt::Key_N, "n", Qt::NoModifier, nullptr},
        {Qt::Key_C, "c", Qt::AltModifier, "page copy"},  // a character entry with Alt
    };
    child.SetFocus();
    for (const Case& c : cases) {
        g_hits.clear();
        vorn_test::KeyPress(&child, c.key, QString::fromLatin1(c.text), c.mods);
        vorn_test::ProcessEvents();
        EXPECT_EQ(g_hits, c.hit ? std::vector<std::string>{c.hit} : std::vector<std::string>{}) << c.text;
    }
}

TEST(AcceleratorTable, AbsentTableOrResourceTranslatesNothing) {
    FramePack();
    EXPECT_EQ(LoadAccelerators(nullptr, MAKEINTRESOURCE(4321)), nullptr);
    MSG msg{nullptr, WM_KEYDOWN, 'N', 0, 0, POINT{0, 0}};
    EXPECT_EQ(TranslateAccelerator(nullptr, nullptr, &msg), 0);
    CLanguagePack::SetCurrent(nullptr);
}

}  // namespace
