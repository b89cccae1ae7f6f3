// The rows of the option tree: radio logic, row heights, the spinner's stepping, clamp, paste
// and auto-repeat, the file row's display modes and dialog, the colour popup's keys and boxes,
// the image popup's grid, and the marks.
#include <gtest/gtest.h>

#include "controls/option_tree_color_popup.h"
#include "controls/option_tree_image_popup.h"
#include "controls/option_tree_item_color.h"
#include "controls/option_tree_item_edit.h"
#include "controls/option_tree_item_file.h"
#include "controls/option_tree_item_image.h"
#include "controls/option_tree_item_radio.h"
#include "controls/option_tree_item_spinner.h"
#include "option_tree_fixture.h"
#include "platform/core/virtual_keys.h"
#include "platform/ui/clipboard.h"
#include "platform/ui/clipboard_backend.h"
#include "platform/ui/in_memory_clipboard.h"
#include "platform/ui/scripted_answerer.h"
#include "platform/ui/window_api.h"
#include "test_icons.h"
#include "../platform/ui/frame_picture.h"
#include "platform/core/colors.h"
#include "platform/ui/menu.h"

#include <filesystem>
#include <fstream>
#include "resource_ids.h"

TEST_F(OptionTreeTest, RadioKeepsOneOptionCheckedAndGrowsWithItsOptions) {
    COptionTreeItem* group = Add<COptionTreeItem>(nullptr, L"Group");
    auto* radio = Add<COptionTreeItemRadio>(group, L"Kind");
    ASSERT_TRUE(radio->CreateRadioWindow());
    EXPECT_FALSE(radio->CreateRadioWindow());  // the window exists already
    EXPECT_EQ(radio->GetCheckedIndex(), -1);
    radio->AddOption(TRUE, L"One");
    radio->AddOption(FALSE, L"Two");
    radio->AddOption(TRUE, L"Three");  // a checked option unchecks the others
    EXPECT_EQ(radio->GetCheckedIndex(), 2);
    EXPECT_EQ(radio->GetRowHeight(), 50);
    struct Case { int index; BOOL result; int checked; };
    const Case cases[] = {{0, TRUE, 0}, {1, TRUE, 1}, {3, FALSE, -1}, {-1, FALSE, -1}};
    for (const Case& c : cases) {
        EXPECT_EQ(radio->SetCheckedIndex(c.index), c.result) << c.index;
        EXPECT_EQ(radio->GetCheckedIndex(), c.checked) << c.index;
    }
    // A click on the second option's band checks it alone.
    tree->ExpandAllItems();
    vorn_test::Click(&List(), ValuePoint(radio));
    ASSERT_TRUE(radio->IsWindowVisible());
    vorn_test::Click(radio, CPoint(40, 16 + 8));
    EXPECT_EQ(radio->GetCheckedIndex(), 1);
    // Not in a tree yet: nothing is created.
    COptionTreeItemRadio loose;
    EXPECT_FALSE(loose.CreateRadioWindow());
}

TEST_F(OptionTreeTest, RowHeightsFollowTheirKind) {
    COptionTreeItem* group = Add<COptionTreeItem>(nullptr, L"Group");
    auto* multi = Add<COptionTreeItemEdit>(group, L"Remarks");
    multi->CreateEditWindow(0x10C0, 0x40000);
    auto* image = Add<COptionTreeItemImage>(group, L"Pattern");
    image->CreateImageWindow(0x40000, 16, 16, 3);
    auto* password = Add<COptionTreeItemEdit>(group, L"Password");
    password->CreateEditWindow(0, 0x400);
    password->SetWindowText(L"abc");
    EXPECT_EQ(multi->GetRowHeight(), 75);
    EXPECT_EQ(image->GetRowHeight(), 36);
    EXPECT_EQ(password->GetRowHeight(), 21);
}

TEST_F(OptionTreeTest, ImageRowKeepsTipsWithTheImagesThatLoaded) {
    COptionTreeItem* group = Add<COptionTreeItem>(nullptr, L"Group");
    auto* image = Add<COptionTreeItemImage>(group, L"Pattern");
    image->CreateImageWindow(0x40000, 16, 16, 3);
    EXPECT_TRUE(image->AddImage(MakeTestIcon(16, RGB(200, 0, 0)), L"Red"));
    EXPECT_FALSE(image->AddImage(4242u, L"Missing"));  // no such icon: no image and no tip
    EXPECT_TRUE(image->AddImage(IDI_HATCH_CROSS, L"Grid"));  // a picture of the pack, by id
    EXPECT_EQ(image->GetImageCount(), 2);
    EXPECT_EQ(image->Tips(), (std::vector<CString>{L"Red", L"Grid"}));
}

TEST(SpinnerStep, StepsWithinTheRangeOrWraps) {
    struct Case { double value; bool up; bool wrap; double result; };
    const Case cases[] = {
        {100, true, true, 1},    {1, false, true, 100},   // wrap at both ends
        {100, true, false, 100}, {1, false, false, 1},    // stop at both ends
        {50, true, false, 51},   {50, false, true, 49},
        {150, true, true, 1},    // a typed value beyond the maximum wraps to the minimum
    };
    for (const Case& c : cases)
        EXPECT_EQ(COptionTreeSpinnerWnd::Step(c.value, c.up, 1, 100, c.wrap), c.result)
            << c.value << (c.up ? " up" : " down") << (c.wrap ? " wrap" : "");
}

TEST(SpinnerStep, RepeatDelaysFollowTheKeyboardSettings) {
    struct Case { int delay; int speed; int first; int interval; };
    const Case cases[] = {{1, 31, 500, 28}, {0, 0, 250, 400}, {3, 10, 1000, 280}, {-1, -1, 500, 200}};
    for (const Case& c : cases) {
        EXPECT_EQ(COptionTreeSpinnerWnd::InitialDelay(c.delay), c.first) << c.delay;
        EXPECT_EQ(COptionTreeSpinnerWnd::RepeatIntervalFor(c.speed), c.interval) << c.speed;
    }
}

TEST_F(OptionTreeTest, SpinnerStepsWithButtonsAndTimerAndClampsAtCommit) {
    COptionTreeItem* group = Add<COptionTreeItem>(nullptr, L"Group");
    auto* spinner = Add<COptionTreeItemSpinner>(group, L"Hours");
    ASSERT_TRUE(spinner->CreateSpinnerWindow(0x400, 98, 1, 100));  // no wrap
    tree->ExpandAllItems();
    vorn_test::Click(&List(), ValuePoint(spinner));
    ASSERT_TRUE(spinner->IsEditing());
    const CPoint up = spinner->UpButton().CenterPoint();
    vorn_test::MousePress(spinner, up);
    EXPECT_EQ(spinner->GetText(), CString(L"99"));
    EXPECT_EQ(spinner->RepeatDelay(), 500);  // the settings cannot be read: the fallbacks
    spinner->SendMessage(WM_TIMER, OT_SPINNER_TIMER);  // first repeat, then the interval
    EXPECT_EQ(spinner->GetText(), CString(L"100"));
    spinner->SendMessage(WM_TIMER, OT_SPINNER_TIMER);
    EXPECT_EQ(spinner->GetText(), CString(L"100"));  // the maximum holds without wrap
    vorn_test::MouseRelease(spinner, up);
    // Arrow keys in the edit step too.
    vorn_test::KeyPress(&spinner->Edit(), Qt::Key_Down);
    EXPECT_EQ(spinner->GetText(), CString(L"99"));
    // A typed value beyond the range is clamped when the row commits.
    spinner->Edit().SetWindowText(L"250");
    TakeNotifications();
    vorn_test::Click(&List(), LabelPoint(group));
    vorn_test::ProcessEvents();
    EXPECT_EQ(spinner->GetText(), CString(L"100"));
    int value = 0;
    EXPECT_TRUE(spinner->GetIntValue(value));
    EXPECT_EQ(value, 100);
    std::vector<int> got = TakeNotifications();
    EXPECT_EQ(std::count(got.begin(), got.end(), -1105), 1);
}

TEST_F(OptionTreeTest, SpinnerPastesDigitsOnly) {
    CInMemoryClipboard clipboard;
    IClipboardBackend* previous = SetClipboardBackend(&clipboard);
    COptionTreeItem* group = Add<COptionTreeItem>(nullptr, L"Group");
    auto* spinner = Add<COptionTreeItemSpinner>(group, L"Hours");
    spinner->CreateSpinnerWindow(0x40400, 5, 0, 1000);
    struct Case { const wchar_t* clip; const wchar_t* after; };
    const Case cases[] = {{L"12.7", L""}, {L"-3", L""}, {L"42", L"42"}, {L"", L""}};
    for (const Case& c : cases) {
        spinner->Edit().SetWindowText(L"");
        clipboard.SetText(c.clip);
        spinner->Edit().SendMessage(WM_PASTE);
        EXPECT_EQ(spinner->GetText(), CString(c.after)) << CString(c.clip).ToUtf8();
    }
    SetClipboardBackend(previous);
}

TEST_F(OptionTreeTest, FileRowShowsItsPathsAndCommitsAConfirmedChoice) {
    COptionTreeItem* group = Add<COptionTreeItem>(nullptr, L"Group");
    auto* file = Add<COptionTreeItemFile>(group, L"Plan");
    EXPECT_EQ(file->GetKind(), 11);
    COptionTreeItemFile loose;
    EXPECT_EQ(loose.SetDialogOptions(L"", L"", L"", 0x60000, 2), 0);
    // Several files may be chosen here (OFN_ALLOWMULTISELECT added to the users' 2).
    ASSERT_EQ(file->SetDialogOptions(L"", L"xml", L"XML files|*.xml|", 0x60000, 0x202), 1);
    EXPECT_EQ(file->DisplayText(), CString(L"No selection made."));
    EXPECT_TRUE(file->GetPath().IsEmpty());
    tree->ExpandAllItems();
    // A confirmed choice replaces the paths, grows the row, commits once and ends the edit.
    const std::string dir = std::filesystem::temp_directory_path().string();
    const CString a(dir + "/plan-a.xml"), b(dir + "/plan-b.xml"), c(dir + "/plan-c.xml");
    CScriptedAnswerer answerer;
    answerer.AnswerFiles({a, b, c});
    TakeNotifications();
    vorn_test::Click(&List(), ValuePoint(file));
    EXPECT_EQ(file->GetPaths(), (std::vector<CString>{a, b, c}));
    LOGFONT font{};
    COptionTree::NormalFont()->GetLogFont(&font);
    const int needed = 3 * (std::abs(static_cast<int>(font.lfHeight)) + 3);
    EXPECT_EQ(file->GetRowHeight(), std::max(21, needed + 5));
    EXPECT_FALSE(file->IsEditing());
    std::vector<int> got = TakeNotifications();
    EXPECT_EQ(std::count(got.begin(), got.end(), -1105), 1);
    // A cancelled dialog changes nothing.
    answerer.CancelFile();
    vorn_test::Click(&List(), ValuePoint(file));
    EXPECT_EQ(file->GetPaths().size(), 3u);
    got = TakeNotifications();
    EXPECT_EQ(std::count(got.begin(), got.end(), -1105), 0);
}

TEST_F(OptionTreeTest, FileRowDisplayModes) {
    const std::string dir = std::filesystem::temp_directory_path().string() + "/vorn-file-row";
    std::filesystem::create_directories(dir);
    std::ofstream(dir + "/timetable.xml") << "x";
    const CString existing(dir + "/timetable.xml"), missing(dir + "/gone.xml");
    struct Case { DWORD mode; CString path; CString shown; };
    const Case cases[] = {
        {0x40000, missing, missing},                  // full paths whether they exist or not
        {0x400, existing, L"timetable.xml"},
        {0x200, existing, L"timetable"},
        {0x100, existing, L"xml"},
        {0x400, missing, L"No selection made."},      // names only of files that exist
        {0x800, missing, CString(dir)},
        {0, existing, L"No selection made."},
    };
    COptionTreeItem* group = Add<COptionTreeItem>(nullptr, L"Group");
    for (const Case& c : cases) {
        auto* file = Add<COptionTreeItemFile>(group, L"File");
        file->SetDialogOptions(c.path, L"", L"", c.mode, 0);
        EXPECT_EQ(file->DisplayText(), c.shown) << std::hex << c.mode;
    }
    std::filesystem::remove_all(dir);
}

TEST(ColorPopupKeys, ArrowsWalkTheGridAndTheBoxesThatHaveText) {
    constexpr int A = COptionTreeColorPopup::kAutoBox, C = COptionTreeColorPopup::kCustomBox,
                  N = COptionTreeColorPopup::kNoChoice;
    struct Case { int from; UINT key; bool hasAuto; bool hasCustom; int to; };
    const Case cases[] = {
        {0, VK_LEFT, true, true, A},   {0, VK_LEFT, false, true, C},  {0, VK_LEFT, false, false, 39},
        {8, VK_LEFT, true, true, 7},   {5, VK_UP, true, true, A},     {13, VK_UP, true, true, 5},
        {A, VK_UP, true, true, C},     {A, VK_UP, true, false, 39},   {C, VK_UP, true, true, 39},
        {C, VK_DOWN, true, true, A},   {C, VK_DOWN, false, true, 0},  {A, VK_DOWN, true, true, 0},
        {39, VK_RIGHT, true, true, C}, {39, VK_RIGHT, true, false, A}, {39, VK_RIGHT, false, false, 0},
        {7, VK_RIGHT, true, true, 8},  {35, VK_DOWN, true, true, C},  {27, VK_DOWN, true, true, 35},
        {N, VK_LEFT, true, true, A},   {N, VK_RIGHT, true, true, C},  {N, VK_DOWN, false, false, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(COptionTreeColorPopup::NextChoice(c.from, c.key, c.hasAuto, c.hasCustom), c.to)
            << c.from << " key " << c.key << " auto " << c.hasAuto << " custom " << c.hasCustom;
}

TEST_F(OptionTreeTest, ColourRowCommitsOnlyOnThePopupsFinalAnswer) {
    COptionTreeItem* group = Add<COptionTreeItem>(nullptr, L"Group");
    auto* colour = Add<COptionTreeItemColor>(group, L"Colour");
    colour->CreateColorWindow(0x400, RGB(255, 0, 0), 0);
    tree->ExpandAllItems();
    struct Case {
        const char* what;
        std::vector<int> keys;
        bool answerDialog;
        COLORREF dialogColour;
        COLORREF result;
        int commits;
    };
    // The popup opens with nothing hot: Left goes to the automatic box, Down to the custom box.
    const Case cases[] = {
        {"enter on the automatic box", {Qt::Key_Left, Qt::Key_Return}, false, 0, RGB(0, 0, 0), 1},
        {"escape undoes the previews", {Qt::Key_Left, Qt::Key_Escape}, false, 0, RGB(255, 0, 0), 0},
        {"more colours answered", {Qt::Key_Down, Qt::Key_Return}, true, RGB(1, 2, 3), RGB(1, 2, 3), 1},
        {"more colours cancelled", {Qt::Key_Down, Qt::Key_Return}, false, 0, RGB(255, 0, 0), 0},
    };
    for (const Case& c : cases) {
        colour->SetColor(RGB(255, 0, 0));
        CScriptedAnswerer answerer;
        if (std::string(c.what).find("more") != std::string::npos) {
            if (c.answerDialog) answerer.AnswerColor(c.dialogColour);
            else answerer.CancelColor();
        }
        TakeNotifications();
        // The press starts editing and shows the cell; the release lands on the cell and opens the popup.
        vorn_test::Click(&List(), ValuePoint(colour));
        auto* popup = dynamic_cast<COptionTreeColorPopup*>(CWnd::GetCapture());
        ASSERT_NE(popup, nullptr) << c.what;
        EXPECT_EQ(popup->ChosenIndex(), 16) << c.what;  // red is in the table
        for (int key : c.keys) vorn_test::KeyPress(popup, key);
        EXPECT_EQ(colour->GetColor(), c.result) << c.what;
        std::vector<int> got = TakeNotifications();
        EXPECT_EQ(std::count(got.begin(), got.end(), -1105), c.commits) << c.what;
        vorn_test::Click(&List(), LabelPoint(group));
    }
}

TEST(ColorPopupOpening, ChosenBoxFollowsTheOpeningColour) {
    struct Case { COLORREF initial; bool autoText; bool customText; int chosen; };
    const Case cases[] = {
        {RGB(1, 2, 3), true, true, COptionTreeColorPopup::kCustomBox},  // not in the table
        {RGB(1, 2, 3), true, false, COptionTreeColorPopup::kNoChoice},
        {RGB(0, 0, 0), true, true, COptionTreeColorPopup::kAutoBox},    // the automatic colour wins
        {RGB(0, 0, 0), false, true, 0},
    };
    TestHost host;
    for (const Case& c : cases) {
        auto* popup = new COptionTreeColorPopup(c.initial, 10, 10, RGB(0, 0, 0), &host, c.autoText ? L"Automatic" : L"",
                                                c.customText ? L"More Colors..." : L"");
        EXPECT_EQ(popup->ChosenIndex(), c.chosen) << std::hex << c.initial;
        vorn_test::KeyPress(popup, Qt::Key_Escape);
    }
    // Moving onto the custom box reports the opening colour and keeps the current one.
    auto* popup = new COptionTreeColorPopup(RGB(1, 2, 3), 10, 10, 0, &host, L"Automatic", L"More Colors...");
    vorn_test::MouseMove(popup, popup->CellRect(0).CenterPoint());
    vorn_test::MouseMove(popup, popup->CustomBox().CenterPoint());
    EXPECT_EQ(popup->HotIndex(), COptionTreeColorPopup::kCustomBox);
    EXPECT_EQ(popup->CurrentColor(), RGB(0, 0, 0));
    vorn_test::KeyPress(popup, Qt::Key_Escape);
}

TEST_F(OptionTreeTest, ImagePopupGridAndClicks) {
    TestHost other;
    CImageList images;
    images.Create(16, 16, ILC_COLORDDB | ILC_MASK, 1, 100);
    for (int i = 0; i < 11; ++i) {
        HICON icon = MakeTestIcon(16, RGB(20 * i, 100, 200));
        images.Add(icon);
        ::DestroyIcon(icon);
    }
    std::vector<CString> tips(11, CString(L"tip"));
    auto* popup = new COptionTreeImagePopup(10, 10, 16, 16, 3, &images, tree.get(), tips, 2, &other);
    EXPECT_EQ(popup->Rows(), 4);
    CRect window;
    popup->GetWindowRect(&window);
    EXPECT_EQ(window.Size(), CSize(88, 114));
    // Between cells: nothing happens and it stays open.
    vorn_test::Click(popup, CPoint(5, 5));
    ASSERT_TRUE(::IsWindow(popup->m_hWnd));
    // Arrow keys move the selection; Enter reports and closes.
    vorn_test::KeyPress(popup, Qt::Key_Down);
    EXPECT_EQ(popup->Selected(), 5);
    vorn_test::KeyPress(popup, Qt::Key_Return);
    // An empty list: as many rows as columns.
    CImageList none;
    none.Create(16, 16, ILC_COLORDDB | ILC_MASK, 1, 100);
    auto* empty = new COptionTreeImagePopup(10, 10, 16, 16, 3, &none, tree.get(), {}, -1, &other);
    EXPECT_EQ(empty->Rows(), 3);
    vorn_test::KeyPress(empty, Qt::Key_Escape);  // nothing selected: keys do nothing
    ASSERT_TRUE(::IsWindow(empty->m_hWnd));
    vorn_test::Click(empty, CPoint(-20, -20));  // a click outside closes it
}

TEST_F(OptionTreeTest, MarksSitBesideTheirControlAndAreNumberedFromAClear) {
    COptionTreeItem* group = Add<COptionTreeItem>(nullptr, L"Group");
    auto* edit = Add<COptionTreeItemEdit>(group, L"Name");
    edit->CreateEditWindow(0, 0);
    tree->ExpandAllItems();
    CWnd control;
    ASSERT_TRUE(control.Create(nullptr, L"", WS_CHILD, CRect(30, 100, 90, 140), tree.get(), 77));
    CMarkManager& marks = tree->m_markManager;
    marks.AddMark(&control, L"Wrong value. ", 0);
    marks.AddMark(edit, L"", 0);
    ASSERT_EQ(marks.GetMarkCount(), 2);
    EXPECT_EQ(marks.Marks()[0]->m_rect, CRect(2, 114, 14, 126));
    EXPECT_EQ(marks.Marks()[0]->GetDlgCtrlID(), 90001);
    EXPECT_EQ(marks.Marks()[1]->GetDlgCtrlID(), 90002);
    // The pointer over the first mark shows its text, trimmed; over none it hides.
    vorn_test::MouseMove(&List(), CPoint(6, 118));
    EXPECT_TRUE(marks.m_toolTip.m_bShown);
    EXPECT_EQ(marks.m_toolTip.m_text, CString(L"Wrong value."));
    vorn_test::MouseMove(&List(), CPoint(200, 118));
    EXPECT_FALSE(marks.m_toolTip.m_bShown);
    // Blinking: the first tick hides a new mark, the second shows it.
    marks.Marks()[0]->SendMessage(WM_TIMER, 1);
    EXPECT_FALSE(marks.Marks()[0]->IsWindowVisible());
    marks.Marks()[0]->SendMessage(WM_TIMER, 1);
    EXPECT_TRUE(marks.Marks()[0]->IsWindowVisible());
    marks.RemoveAllMarks(TRUE);
    EXPECT_EQ(marks.GetMarkCount(), 0);
    marks.AddMark(&control, L"Again", 0);
    EXPECT_EQ(marks.Marks()[0]->GetDlgCtrlID(), 90001);
}

TEST_F(OptionTreeTest, SpinnerEditMenuFollowsTheEditableOption) {
    CInMemoryClipboard clipboard;
    IClipboardBackend* previous = SetClipboardBackend(&clipboard);
    clipboard.SetText(L"7");
    COptionTreeItem* group = Add<COptionTreeItem>(nullptr, L"Group");
    struct Case { DWORD options; std::vector<bool> enabled; UINT choose; const wchar_t* after; };
    // Undo, Cut, Copy, Paste, Delete, Select All (separators left out); the whole text selected.
    const Case cases[] = {
        {0x40400, {false, true, true, true, true, true}, WM_CLEAR, L""},
        {0x40000, {false, false, true, false, false, true}, WM_CLEAR, L"12"},  // no command works, Copy included
    };
    for (const Case& c : cases) {
        auto* spinner = Add<COptionTreeItemSpinner>(group, L"Hours");
        spinner->CreateSpinnerWindow(c.options, 12, 0, 100);
        spinner->Edit().SetSel(0, -1);
        std::vector<bool> seen;
        MenuChooser old = SetMenuChooser([&](CMenuTrackRequest& request) -> UINT {
            for (int i = 0; i < ::GetMenuItemCount(request.hMenu); ++i) {
                if (::GetMenuItemID(request.hMenu, i) == 0) continue;
                seen.push_back((::GetMenuState(request.hMenu, static_cast<UINT>(i), MF_BYPOSITION) & MF_GRAYED) == 0);
            }
            return c.choose;
        });
        spinner->Edit().SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(spinner->Edit().m_hWnd), MAKELPARAM(5, 5));
        SetMenuChooser(old);
        EXPECT_EQ(seen, c.enabled) << std::hex << c.options;
        EXPECT_EQ(spinner->GetText(), CString(c.after)) << std::hex << c.options;
    }
    SetClipboardBackend(previous);
}

TEST_F(OptionTreeTest, DisabledTreeDrawsValuesGrey) {
    COptionTreeItem* group = Add<COptionTreeItem>(nullptr, L"Group");
    auto* edit = Add<COptionTreeItemEdit>(group, L"Name");
    edit->CreateEditWindow(0, 0);
    edit->SetWindowText(L"WWWWWWWW");
    tree->ExpandAllItems();
    // The darkest channel drawn in the value cell.
    auto darkestInValue = [&]() {
        List().Invalidate(FALSE);
        List().UpdateWindow();
        CDC* dc = List().GetDC();
        const CRect cell = edit->GetValueRect();
        int darkest = 255;
        for (int x = cell.left + 1; x < cell.right - 4; ++x)
            for (int y = cell.top + 1; y < cell.bottom - 1; ++y) darkest = std::min(darkest, int(GetRValue(dc->GetPixel(x, y))));
        List().ReleaseDC(dc);
        return darkest;
    };
    EXPECT_LT(darkestInValue(), 60);  // black text
    tree->EnableWindow(FALSE);
    EXPECT_GE(darkestInValue(), GetRValue(::GetSysColor(COLOR_GRAYTEXT)));  // nothing darker than the grey text
    SaveWindowPicture(host.get(), "option_tree_disabled.png");
}
