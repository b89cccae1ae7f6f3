#include "platform/ui/tool_bar.h"

#include "platform/ui/common_control_defs.h"
#include "platform/ui/dc.h"

#include <gtest/gtest.h>

#include <QToolTip>

#include <string>
#include <vector>

#include "platform/core/resource_types.h"
#include "platform/ui/dialog.h"
#include "platform/ui/frame_wnd.h"
#include "platform/ui/idle_hooks.h"
#include "platform/ui/message_map.h"
#include "platform/ui/test_support.h"
#include "platform/ui/window_api.h"

#include "frame_pack_fixture.h"
#include "frame_picture.h"

namespace {

std::vector<UINT> g_commands;

// A frame that handles New, enables Open only through its update handler (here: disabled),
// checks Save, and has no handler at all for the other buttons.
class CToolFrame : public CFrameWnd {
public:
    CToolBar bar;
    void OnNew() { g_commands.push_back(ID_TEST_NEW); }
    void OnOpen() { g_commands.push_back(ID_TEST_OPEN); }
    void OnUpdateOpen(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    void OnSave() { g_commands.push_back(ID_TEST_SAVE); }
    void OnUpdateSave(CCmdUI* pCmdUI) { pCmdUI->SetCheck(1); }
    void OnAbout() { g_commands.push_back(ID_TEST_ABOUT); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CToolFrame, CFrameWnd)
    ON_COMMAND(ID_TEST_NEW, &CToolFrame::OnNew)
    ON_COMMAND(ID_TEST_OPEN, &CToolFrame::OnOpen)
    ON_UPDATE_COMMAND_UI(ID_TEST_OPEN, &CToolFrame::OnUpdateOpen)
    ON_COMMAND(ID_TEST_SAVE, &CToolFrame::OnSave)
    ON_UPDATE_COMMAND_UI(ID_TEST_SAVE, &CToolFrame::OnUpdateSave)
    ON_COMMAND(ID_TEST_ABOUT, &CToolFrame::OnAbout)
END_MESSAGE_MAP()

class ToolBarTest : public FramePackTest {
protected:
    void SetUp() override {
        FramePackTest::SetUp();
        g_commands.clear();
        frame = new CToolFrame;
        ASSERT_TRUE(frame->Create(nullptr, L"Tools", WS_OVERLAPPEDWINDOW, CRect(40, 40, 560, 240)));
        ASSERT_TRUE(Bar().CreateEx(frame, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_TOOLTIPS));
        ASSERT_TRUE(Bar().LoadToolBar(IDR_TESTFRAME));
        frame->ShowWindow(SW_SHOW);
        frame->RecalcLayout();
        vorn_test::ProcessEvents();
    }
    void TearDown() override {
        frame->DestroyWindow();
        FramePackTest::TearDown();
    }
    CToolBar& Bar() { return frame->bar; }
    CPoint Centre(UINT id) {
        CRect rc;
        Bar().GetItemRect(Bar().CommandToIndex(id), &rc);
        return rc.CenterPoint();
    }

    CToolFrame* frame = nullptr;
};

TEST_F(ToolBarTest, LoadsButtonsSeparatorsAndImagesFromThePack) {
    ASSERT_EQ(Bar().GetCount(), 12);
    const UINT expected[] = {ID_TEST_NEW, ID_TEST_OPEN, ID_TEST_SAVE, 0, ID_TEST_UNDO, 0,
                             ID_TEST_COPY, ID_TEST_PASTE, 0, ID_TEST_PRINT, 0, ID_TEST_ABOUT};
    for (int i = 0; i < 12; ++i) EXPECT_EQ(Bar().GetItemID(i), expected[i]) << i;
    // Images are numbered over the commands only.
    CToolBarCtrl& ctrl = Bar().GetToolBarCtrl();
    EXPECT_EQ(ctrl.SendMessage(TB_GETBITMAP, ID_TEST_UNDO), 3);
    EXPECT_EQ(ctrl.SendMessage(TB_GETBITMAP, ID_TEST_ABOUT), 7);
    EXPECT_EQ(ctrl.SendMessage(TB_GETBITMAP, 4242), -1);
    EXPECT_EQ(ctrl.GetImageList()->GetImageCount(), 8);
    EXPECT_EQ(ctrl.GetButtonSize(), static_cast<DWORD>(MAKELONG(39, 39)));
    CRect first, sep;
    Bar().GetItemRect(0, &first);
    Bar().GetItemRect(3, &sep);
    EXPECT_EQ(first.Size(), CSize(39, 39));
    EXPECT_EQ(sep.Width(), 8);
    // The bar docks at the top of the frame, as high as its buttons.
    CRect bar;
    Bar().GetWindowRect(&bar);
    frame->ScreenToClient(&bar);
    EXPECT_EQ(bar.top, 0);
    EXPECT_EQ(bar.Height(), 39);
}

TEST_F(ToolBarTest, IdleUpdateDisablesCommandsWithoutHandlerAndRunsUpdateHandlers) {
    RunIdleHooks();
    struct Case { UINT id; bool enabled; bool checked; };
    const Case cases[] = {
        {ID_TEST_NEW, true, false},    // handler
        {ID_TEST_OPEN, false, false},  // its update handler disables it
        {ID_TEST_SAVE, true, true},    // handler, update handler checks it
        {ID_TEST_UNDO, false, false},  // no handler on the route
        {ID_TEST_PASTE, false, false},
        {ID_TEST_ABOUT, true, false},
    };
    CToolBarCtrl& ctrl = Bar().GetToolBarCtrl();
    for (const Case& c : cases) {
        EXPECT_EQ(ctrl.IsButtonEnabled(static_cast<int>(c.id)) != FALSE, c.enabled) << c.id;
        EXPECT_EQ(ctrl.IsButtonChecked(static_cast<int>(c.id)) != FALSE, c.checked) << c.id;
    }
    // A click on a disabled button sends nothing; on an enabled one its command.
    vorn_test::Click(&Bar(), Centre(ID_TEST_UNDO));
    vorn_test::Click(&Bar(), Centre(ID_TEST_NEW));
    vorn_test::ProcessEvents();
    EXPECT_EQ(g_commands, std::vector<UINT>{ID_TEST_NEW});
    SaveWindowPicture(frame, "toolbar_after_idle.png");
}

TEST_F(ToolBarTest, AClickSendsTheCommandOnlyWhenReleasedOverTheButton) {
    vorn_test::MousePress(&Bar(), Centre(ID_TEST_ABOUT));
    EXPECT_TRUE(Bar().GetToolBarCtrl().IsButtonPressed(ID_TEST_ABOUT));
    vorn_test::MouseMove(&Bar(), Centre(ID_TEST_NEW), Qt::LeftButton);
    EXPECT_FALSE(Bar().GetToolBarCtrl().IsButtonPressed(ID_TEST_ABOUT));
    vorn_test::MouseRelease(&Bar(), Centre(ID_TEST_NEW));
    EXPECT_TRUE(g_commands.empty());
    vorn_test::Click(&Bar(), Centre(ID_TEST_ABOUT));
    EXPECT_EQ(g_commands, std::vector<UINT>{ID_TEST_ABOUT});
}

TEST_F(ToolBarTest, CheckButtonsToggleAndCheckGroupsKeepOneChecked) {
    for (UINT id : {ID_TEST_NEW, ID_TEST_OPEN}) Bar().SetButtonStyle(Bar().CommandToIndex(id), BTNS_CHECKGROUP);
    Bar().SetButtonStyle(Bar().CommandToIndex(ID_TEST_ABOUT), BTNS_CHECK);
    CToolBarCtrl& ctrl = Bar().GetToolBarCtrl();
    vorn_test::Click(&Bar(), Centre(ID_TEST_ABOUT));
    EXPECT_TRUE(ctrl.IsButtonChecked(ID_TEST_ABOUT));
    vorn_test::Click(&Bar(), Centre(ID_TEST_ABOUT));
    EXPECT_FALSE(ctrl.IsButtonChecked(ID_TEST_ABOUT));
    vorn_test::Click(&Bar(), Centre(ID_TEST_NEW));
    vorn_test::Click(&Bar(), Centre(ID_TEST_OPEN));
    EXPECT_FALSE(ctrl.IsButtonChecked(ID_TEST_NEW));
    EXPECT_TRUE(ctrl.IsButtonChecked(ID_TEST_OPEN));
    EXPECT_EQ(g_commands, (std::vector<UINT>{ID_TEST_ABOUT, ID_TEST_ABOUT, ID_TEST_NEW, ID_TEST_OPEN}));
}

TEST_F(ToolBarTest, TooltipsComeFromTheCommandStrings) {
    CToolBarCtrl& ctrl = Bar().GetToolBarCtrl();
    EXPECT_EQ(ctrl.GetButtonTip(0), CString(L"New"));
    EXPECT_EQ(ctrl.GetButtonTip(3), CString());  // a separator
    vorn_test::MouseMove(&Bar(), Centre(ID_TEST_SAVE));
    EXPECT_EQ(ctrl.GetHotItem(), Bar().CommandToIndex(ID_TEST_SAVE));
    vorn_test::ProcessEvents(700);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Save"));
    QToolTip::hideText();
}

TEST_F(ToolBarTest, AVerticalBarStacksItsButtons) {
    Bar().SetBarStyle(CBRS_ALIGN_LEFT | CBRS_TOOLTIPS);
    frame->RecalcLayout();
    CRect first, second;
    Bar().GetItemRect(0, &first);
    Bar().GetItemRect(1, &second);
    EXPECT_EQ(first.left, second.left);
    EXPECT_EQ(second.top, first.bottom);
    CRect bar;
    Bar().GetWindowRect(&bar);
    frame->ScreenToClient(&bar);
    EXPECT_EQ(bar.left, 0);
    EXPECT_EQ(bar.Width(), 39);
}

// A dialog owned by the frame, with its own bar: it handles Open itself (which the frame
// disables) and disables New (which the frame handles).
class CBarDialog : public CDialog {
public:
    CToolBar bar;
    void OnOpen() { g_commands.push_back(ID_TEST_OPEN + 1000); }
    void OnUpdateNew(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CBarDialog, CDialog)
    ON_COMMAND(ID_TEST_OPEN, &CBarDialog::OnOpen)
    ON_UPDATE_COMMAND_UI(ID_TEST_NEW, &CBarDialog::OnUpdateNew)
END_MESSAGE_MAP()

TEST_F(ToolBarTest, ABarInADialogServesTheDialogNotTheFrameThatOwnsIt) {
    CDialogTemplate t;
    t.style = WS_POPUP | WS_CAPTION | WS_VISIBLE;
    t.cx = 200;
    t.cy = 80;
    CBarDialog dialog;
    ASSERT_TRUE(dialog.CreateIndirect(t, frame));
    ASSERT_TRUE(dialog.bar.CreateEx(&dialog, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP));
    ASSERT_TRUE(dialog.bar.LoadToolBar(IDR_TESTFRAME));
    RepositionBars(&dialog, AFX_IDW_TOOLBAR, 0xE8FF, 0);
    vorn_test::ProcessEvents();
    EXPECT_EQ(dialog.bar.GetCommandTarget(), &dialog);
    RunIdleHooks();
    CToolBarCtrl& ctrl = dialog.bar.GetToolBarCtrl();
    // The frame's handlers do not count here: Save has none in the dialog.
    EXPECT_TRUE(ctrl.IsButtonEnabled(ID_TEST_OPEN));
    EXPECT_FALSE(ctrl.IsButtonEnabled(ID_TEST_NEW));
    EXPECT_FALSE(ctrl.IsButtonEnabled(ID_TEST_SAVE));
    CRect rc;
    dialog.bar.GetItemRect(dialog.bar.CommandToIndex(ID_TEST_OPEN), &rc);
    vorn_test::Click(&dialog.bar, rc.CenterPoint());
    vorn_test::ProcessEvents();
    EXPECT_EQ(g_commands, std::vector<UINT>{ID_TEST_OPEN + 1000});
    // The frame's own bar still serves the frame.
    EXPECT_EQ(Bar().GetCommandTarget(), frame);
    dialog.DestroyWindow();
}

TEST(ToolBarCtrl, TextButtonsInTheListStyleSizeToTheirText) {
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, L"p", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 60), nullptr, 0));
    CToolBarCtrl bar;
    ASSERT_TRUE(bar.Create(WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_LIST | CCS_NORESIZE, CRect(0, 0, 400, 30), &parent, 1));
    bar.SetBitmapSize(CSize(1, 1));
    const int first = bar.AddStrings(L"&File\0&Edit with a long name\0");
    TBBUTTON buttons[2] = {};
    for (int i = 0; i < 2; ++i) {
        buttons[i].iBitmap = -1;
        buttons[i].idCommand = i;
        buttons[i].fsState = TBSTATE_ENABLED;
        buttons[i].fsStyle = BTNS_AUTOSIZE;
        buttons[i].iString = first + i;
    }
    ASSERT_TRUE(bar.AddButtons(2, buttons));
    CRect a, b;
    bar.GetItemRect(0, &a);
    bar.GetItemRect(1, &b);
    EXPECT_LT(a.Width(), b.Width());
    EXPECT_EQ(b.left, a.right);
    CString text;
    EXPECT_EQ(bar.GetButtonText(1, text), 22);
    EXPECT_EQ(text, CString(L"&Edit with a long name"));
    POINT inside{b.left + 2, b.top + 2};
    EXPECT_EQ(bar.HitTest(&inside), 1);
    POINT outside{399, 2};
    EXPECT_EQ(bar.HitTest(&outside), -1);
    parent.DestroyWindow();
}

}  // namespace

namespace {

// A bar that draws its hot button itself and leaves the others to the control.
class CSelfDrawnBar : public CToolBarCtrl {
public:
    std::vector<UINT> itemStates;
    std::vector<COLORREF> textColours;
    void OnCustomDraw(NMHDR* header, LRESULT* result) {
        // The toolbar's record carries its colours after the common part.
        auto* tbcd = reinterpret_cast<NMTBCUSTOMDRAW*>(header);
        textColours.push_back(tbcd->clrText);
        auto* cd = &tbcd->nmcd;
        if (cd->dwDrawStage == CDDS_PREPAINT) {
            *result = CDRF_NOTIFYITEMDRAW;
            return;
        }
        itemStates.push_back(cd->uItemState);
        if (cd->uItemState & CDIS_HOT) {
            CDC::FromHandle(cd->hdc)->FillSolidRect(&cd->rc, RGB(255, 0, 0));
            *result = CDRF_SKIPDEFAULT;
        } else {
            *result = CDRF_DODEFAULT;
        }
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CSelfDrawnBar, CToolBarCtrl)
    ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, &CSelfDrawnBar::OnCustomDraw)
END_MESSAGE_MAP()

TEST(ToolBarCtrl, CustomDrawLetsTheOwnerDrawSingleButtons) {
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, L"p", WS_POPUP | WS_VISIBLE, CRect(0, 0, 200, 40), nullptr, 0));
    CSelfDrawnBar bar;
    ASSERT_TRUE(bar.Create(WS_VISIBLE | TBSTYLE_FLAT | CCS_NORESIZE, CRect(0, 0, 200, 30), &parent, 1));
    TBBUTTON buttons[2] = {};
    for (int i = 0; i < 2; ++i) {
        buttons[i].iBitmap = -1;
        buttons[i].idCommand = 10 + i;
        buttons[i].fsState = TBSTATE_ENABLED;
        buttons[i].iString = -1;
    }
    bar.AddButtons(2, buttons);
    bar.SetHotItem(1);
    const QImage picture = SaveWindowPicture(&bar, "toolbar_custom_draw.png");
    CRect first, second;
    bar.GetItemRect(0, &first);
    bar.GetItemRect(1, &second);
    EXPECT_EQ(QColor(picture.pixel(second.CenterPoint().x, second.CenterPoint().y)), QColor(255, 0, 0));
    EXPECT_NE(QColor(picture.pixel(first.CenterPoint().x, first.CenterPoint().y)), QColor(255, 0, 0));
    ASSERT_GE(bar.itemStates.size(), 2u);
    EXPECT_EQ(bar.itemStates[0] & CDIS_HOT, 0u);
    EXPECT_EQ(bar.itemStates[1] & CDIS_HOT, CDIS_HOT);
    for (COLORREF c : bar.textColours) EXPECT_EQ(c, GetSysColor(COLOR_BTNTEXT));
    parent.DestroyWindow();
}

}  // namespace
