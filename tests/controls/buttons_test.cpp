// Owner-drawn, hover and icon buttons: they take over the default-button role from the
// dialog manager, count a double click as two clicks, track the mouse in the flat look,
// hand the focus on when disabled, and grey their icons.
#include <gtest/gtest.h>

#include <tuple>

#include "controls/hover_button.h"
#include "controls/icon_button.h"
#include "controls/owner_draw_button.h"
#include "controls/theme_library.h"
#include "language_pack_fixture.h"
#include "platform/core/colors.h"
#include "platform/core/window_styles.h"
#include "platform/ui/dialog.h"
#include "platform/ui/edit.h"
#include "platform/ui/resources.h"
#include "platform/ui/test_support.h"
#include "platform/ui/window_api.h"
#include "platform/ui/window_class.h"
#include "resource_ids.h"
#include "test_host.h"
#include "test_icons.h"
#include "../platform/ui/frame_picture.h"

namespace {

COLORREF PixelOf(CWnd* wnd, int x, int y) {
    wnd->UpdateWindow();
    CDC* dc = wnd->GetDC();
    const COLORREF c = dc->GetPixel(x, y);
    wnd->ReleaseDC(dc);
    return c;
}

bool IsGrey(COLORREF c) { return GetRValue(c) == GetGValue(c) && GetGValue(c) == GetBValue(c); }

}  // namespace

TEST(OwnerDrawButton, TemplateKindDecidesDefaultRoleAndCheckBoxMode) {
    struct Case { DWORD style; bool isDefault; bool checkBox; int type; UINT dlgCode; };
    const Case cases[] = {
        {BS_PUSHBUTTON, false, false, BS_PUSHBUTTON, DLGC_UNDEFPUSHBUTTON},
        {BS_DEFPUSHBUTTON, true, false, BS_PUSHBUTTON, DLGC_DEFPUSHBUTTON},
        {BS_CHECKBOX, false, true, BS_CHECKBOX, DLGC_UNDEFPUSHBUTTON},
        {BS_AUTOCHECKBOX, false, true, BS_AUTOCHECKBOX, DLGC_UNDEFPUSHBUTTON},
        {BS_RADIOBUTTON, false, false, BS_RADIOBUTTON, DLGC_UNDEFPUSHBUTTON},  // the bit of value 2 is clear
    };
    for (const Case& c : cases) {
        TestHost host;
        COwnerDrawButton button;
        ASSERT_TRUE(button.Create(L"OK", WS_VISIBLE | WS_TABSTOP | c.style, CRect(10, 10, 90, 34), &host, 7));
        EXPECT_EQ(button.GetStyle() & 0x0F, static_cast<DWORD>(BS_OWNERDRAW)) << c.style;
        EXPECT_EQ(button.IsDefault(), c.isDefault) << c.style;
        EXPECT_EQ(button.IsCheckBox(), c.checkBox) << c.style;
        EXPECT_EQ(button.ButtonType(), c.type) << c.style;
        const UINT code = static_cast<UINT>(button.SendMessage(WM_GETDLGCODE));
        EXPECT_EQ(code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON), c.dlgCode) << c.style;
    }
}

using ButtonsInDialog = EnglishPackTest;

TEST_F(ButtonsInDialog, DialogManagerHandsTheDefaultRoleBetweenHoverButtons) {
    CDialog dlg(IDD_NEW_PROJECT_WIZARD);
    ASSERT_TRUE(dlg.Create(IDD_NEW_PROJECT_WIZARD, nullptr));
    CHoverButton ok, cancel;
    ASSERT_TRUE(ok.Create(L"OK", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, CRect(10, 10, 90, 34), &dlg, 501));
    ASSERT_TRUE(cancel.Create(L"Cancel", WS_VISIBLE | WS_TABSTOP, CRect(100, 10, 180, 34), &dlg, 502));
    auto roles = [&] {
        return std::make_pair(static_cast<UINT>(ok.SendMessage(WM_GETDLGCODE)) & DLGC_DEFPUSHBUTTON,
                              static_cast<UINT>(cancel.SendMessage(WM_GETDLGCODE)) & DLGC_DEFPUSHBUTTON);
    };
    EXPECT_EQ(roles(), std::make_pair(DLGC_DEFPUSHBUTTON, 0u));
    dlg.SetDefID(502);
    EXPECT_EQ(roles(), std::make_pair(0u, DLGC_DEFPUSHBUTTON));
    EXPECT_TRUE(cancel.IsDefault());
    EXPECT_EQ(cancel.GetStyle() & 0x0F, static_cast<DWORD>(BS_OWNERDRAW));  // still drawn by the class
    dlg.DestroyWindow();
}

TEST(OwnerDrawButton, DoubleClickCountsAsTwoClicksAndCheckBoxModeToggles) {
    struct Case { DWORD style; int checkAfter; };
    const Case cases[] = {{BS_PUSHBUTTON, 0}, {BS_CHECKBOX, 0}};  // two toggles end where they began
    for (const Case& c : cases) {
        TestHost host;
        COwnerDrawButton button;
        ASSERT_TRUE(button.Create(L"Go", WS_VISIBLE | c.style, CRect(10, 10, 90, 34), &host, 7));
        vorn_test::DoubleClick(&button, CPoint(20, 10));
        EXPECT_EQ(host.CommandCodes(7), (std::vector<int>{BN_CLICKED, BN_CLICKED})) << c.style;
        EXPECT_EQ(button.CheckState(), c.checkAfter) << c.style;
        vorn_test::Click(&button, CPoint(20, 10));
        EXPECT_EQ(button.CheckState(), c.style == BS_CHECKBOX ? 1 : 0) << c.style;
        EXPECT_EQ(button.GetCheck(), c.style == BS_CHECKBOX ? 1 : 0) << c.style;
    }
}

TEST(OwnerDrawButton, DisablingMovesTheFocusOnlyWhenTheButtonHadIt) {
    struct Case { bool buttonFocused; };
    for (const Case c : {Case{true}, Case{false}}) {
        TestHost host;
        COwnerDrawButton button;
        CEdit first, second;
        ASSERT_TRUE(first.Create(WS_VISIBLE | WS_TABSTOP, CRect(10, 50, 100, 70), &host, 8));
        ASSERT_TRUE(button.Create(L"Go", WS_VISIBLE | WS_TABSTOP, CRect(10, 10, 90, 34), &host, 7));
        ASSERT_TRUE(second.Create(WS_VISIBLE | WS_TABSTOP, CRect(10, 80, 100, 100), &host, 9));
        if (c.buttonFocused) button.SetFocus();
        else first.SetFocus();
        button.EnableWindow(FALSE);
        CWnd* focus = CWnd::GetFocus();
        ASSERT_NE(focus, nullptr);
        if (c.buttonFocused) EXPECT_EQ(focus->m_hWnd, second.m_hWnd);  // the next tab stop
        else EXPECT_EQ(focus->m_hWnd, first.m_hWnd);  // the user's field keeps the focus
    }
}

TEST(HoverButton, WithoutVisualStylesStaysFlatFramedUnderTheMouseAndSunkenWhenPressed) {
    TestHost host(300, 120);
    CThemeLibrary library;
    CHoverButton button;
    button.SetThemeLibrary(&library);
    ASSERT_TRUE(button.Create(L"Cancel", WS_VISIBLE | WS_TABSTOP, CRect(20, 20, 120, 46), &host, 2));
    button.SetDrawBorder(!library.IsAppThemed());
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE), light = ::GetSysColor(COLOR_BTNHIGHLIGHT),
                   shadow = ::GetSysColor(COLOR_BTNSHADOW);
    // Idle: flat, no frame.
    EXPECT_EQ(PixelOf(&button, 0, 0), face);
    EXPECT_EQ(PixelOf(&button, 99, 25), face);
    vorn_test::MouseMove(&button, CPoint(30, 10));
    EXPECT_TRUE(button.IsHovering());
    EXPECT_EQ(PixelOf(&button, 0, 0), light);    // thin raised frame
    EXPECT_EQ(PixelOf(&button, 99, 25), shadow);
    vorn_test::MousePress(&button, CPoint(30, 10));
    EXPECT_EQ(PixelOf(&button, 0, 0), shadow);   // sunken while pressed
    EXPECT_EQ(PixelOf(&button, 99, 25), light);
    vorn_test::MouseRelease(&button, CPoint(30, 10));
    button.SendMessage(WM_MOUSELEAVE);
    EXPECT_FALSE(button.IsHovering());
    EXPECT_EQ(PixelOf(&button, 0, 0), face);
}

// OK and Cancel as the record dialogs show them: the pack's icons beside the texts, flat with
// a thin raised frame under the mouse.
class HoverButtonPicture : public EnglishPackTest {};

TEST_F(HoverButtonPicture, OkAndCancelWithTheirIconsOneUnderTheMouse) {
    TestHost host(250, 70);
    CThemeLibrary library;
    CHoverButton ok, cancel;
    const std::tuple<CHoverButton*, const wchar_t*, UINT, int> buttons[] = {
        {&ok, L"OK", IDI_BUTTON_OK, 10}, {&cancel, L"Cancel", IDI_BUTTON_CANCEL, 125}};
    for (const auto& [button, text, icon, x] : buttons) {
        button->SetThemeLibrary(&library);
        ASSERT_TRUE(button->Create(text, WS_VISIBLE | WS_TABSTOP, CRect(x, 20, x + 100, 46), &host, icon));
        button->SetDrawBorder(!library.IsAppThemed());
        button->SetFont(CFont::FromHandle(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT))));  // the dialog's
        HICON picture = static_cast<HICON>(::LoadImage(AfxGetInstanceHandle(), MAKEINTRESOURCE(icon), IMAGE_ICON, 16, 16, 0));
        ASSERT_NE(picture, nullptr) << icon;
        EXPECT_EQ(button->SetIcon(picture), 0u);
    }
    vorn_test::MouseMove(&cancel, CPoint(50, 10));
    SaveWindowPicture(&host, "hover_buttons.png");
    // The icon sits at the left margin, centred vertically: the OK arrow is green.
    const COLORREF arrow = PixelOf(&ok, 3 + 10, 13);
    EXPECT_GT(GetGValue(arrow), GetRValue(arrow)) << std::hex << arrow;
}

TEST(OwnerDrawButton, GreyOutIconShowsUntilTheMouseEnters) {
    TestHost host;
    COwnerDrawButton button;
    ASSERT_TRUE(button.Create(L"", WS_VISIBLE, CRect(10, 10, 42, 42), &host, 7));
    ASSERT_EQ(button.SetIcon(MakeTestIcon(16, RGB(200, 40, 40)), COwnerDrawButton::kGrayOut), 0u);
    const COLORREF idle = PixelOf(&button, 16, 16);
    EXPECT_TRUE(IsGrey(idle));
    EXPECT_EQ(GetRValue(idle), static_cast<int>(0.299 * 200 + 0.587 * 40 + 0.114 * 40));
    vorn_test::MouseMove(&button, CPoint(16, 16));
    EXPECT_EQ(PixelOf(&button, 16, 16), RGB(200, 40, 40));
}

TEST(ButtonIcons, GreyCopiesKeepBlackAndTurnWhiteInto254) {
    struct Case { COLORREF in; COLORREF grayscale; COLORREF disabled; };
    const Case cases[] = {
        {RGB(0, 0, 0), RGB(0, 0, 0), RGB(0, 0, 0)},
        {RGB(255, 255, 255), RGB(255, 255, 255), RGB(254, 254, 254)},
        {RGB(30, 60, 90), RGB(54, 54, 54), RGB(60, 60, 60)},  // weighted grey vs channel average
    };
    for (const Case& c : cases) {
        HICON icon = MakeTestIcon(4, c.in);
        HICON grey = COwnerDrawButton::CreateGrayscaleIcon(icon);
        HICON disabled = CIconButton::MakeDisabledBitmap(icon, CIconButton::GreyTable());
        const QRgb g = grey->color.pixel(1, 1), d = disabled->color.pixel(1, 1);
        EXPECT_EQ(RGB(qRed(g), qGreen(g), qBlue(g)), c.grayscale) << std::hex << c.in;
        EXPECT_EQ(RGB(qRed(d), qGreen(d), qBlue(d)), c.disabled) << std::hex << c.in;
        ::DestroyIcon(icon);
        ::DestroyIcon(grey);
        ::DestroyIcon(disabled);
    }
}

TEST(IconButton, DisabledButtonDrawsItsGreyIconAndKeysWorkTheMouse) {
    TestHost host(300, 120);
    CIconButton button;
    ASSERT_TRUE(button.Create(L"New project", WS_VISIBLE | WS_TABSTOP, CRect(20, 20, 220, 76), &host, 5));
    button.SetIcon(MakeTestIcon(32, RGB(255, 255, 255), RGB(20, 120, 220)), 1);
    // Icon left: half its width from the left edge, text from twice its width.
    EXPECT_EQ(PixelOf(&button, 20, 28), RGB(255, 255, 255));
    EXPECT_EQ(PixelOf(&button, 40, 28), RGB(20, 120, 220));
    SaveWindowPicture(&host, "icon_button.png");
    button.EnableWindow(FALSE);
    EXPECT_EQ(PixelOf(&button, 20, 28), RGB(254, 254, 254));
    const int avg = (20 + 120 + 220) / 3;
    EXPECT_EQ(PixelOf(&button, 40, 28), RGB(avg, avg, avg));
    SaveWindowPicture(&host, "icon_button_disabled.png");
    button.EnableWindow(TRUE);
    // Space presses and releases the button as the mouse would.
    button.SetFocus();
    vorn_test::KeyPress(&button, Qt::Key_Space, QStringLiteral(" "));
    EXPECT_EQ(host.CommandCodes(5), std::vector<int>{BN_CLICKED});
    // Tab is left to the dialog manager.
    MSG tab{button.m_hWnd, WM_KEYDOWN, VK_TAB, 0, 0, {0, 0}};
    EXPECT_EQ(button.SendMessage(WM_GETDLGCODE, VK_TAB, reinterpret_cast<LPARAM>(&tab)), 0);
}
