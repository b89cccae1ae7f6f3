// The icon menu: commands take the images of their toolbar in order over the non-separator
// ids, every item becomes owner-drawn with its record, the update handlers of the receiving
// window decide the states, and the items measure and draw in the menu's own style.
#include <gtest/gtest.h>

#include <QImage>

#include "controls/icon_menu.h"
#include "platform/core/colors.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/dc.h"
#include "platform/ui/message_map.h"
#include "platform/ui/test_support.h"
#include "memory_canvas.h"
#include "strip_pack.h"

namespace {

constexpr UINT kToolBar = 300, kCopy = 101, kPaste = 102, kDelete = 103, kNoImage = 200, kChecked = 201;

const QRgb kRed = qRgb(220, 30, 30), kGreen = qRgb(30, 160, 60), kBlue = qRgb(30, 60, 220);

// A strip of three 16 x 16 images for the commands 101, 102, 103 with a separator between the
// first two.
StripPack MakeMenuPack() {
    return StripPack(kToolBar, 16, 16, {kCopy, 0, kPaste, kDelete}, MakeStrip(16, {kRed, kGreen, kBlue}, 2, false));
}

// The window that will receive the commands: it checks kChecked and handles Copy only.
class Receiver : public CCmdTarget {
public:
    void OnCopy() {}
    void OnUpdateChecked(CCmdUI* ui) { ui->SetCheck(1); }
    void OnUpdateCopy(CCmdUI* ui) { ui->Enable(TRUE); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(Receiver, CCmdTarget)
    ON_COMMAND(kCopy, &Receiver::OnCopy)
    ON_COMMAND(kChecked, &Receiver::OnCopy)
    ON_UPDATE_COMMAND_UI(kCopy, &Receiver::OnUpdateCopy)
    ON_UPDATE_COMMAND_UI(kChecked, &Receiver::OnUpdateChecked)
END_MESSAGE_MAP()

void BuildMenu(CIconMenu& menu) {
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, kCopy, L"&Copy\tCtrl+C");
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING, kPaste, L"&Paste");
    CMenu sub;
    sub.CreatePopupMenu();
    sub.AppendMenu(MF_STRING, kDelete, L"&Delete");
    menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(sub.Detach()), L"&More");
    menu.AppendMenu(MF_STRING, kNoImage, L"No picture for this command");
    menu.AppendMenu(MF_STRING, kChecked, L"Checked by its handler");
}

const CIconMenu::Item* RecordOf(CMenu& menu, int pos) {
    MENUITEMINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_DATA | MIIM_FTYPE;
    menu.GetMenuItemInfo(static_cast<UINT>(pos), &info, TRUE);
    return (info.fType & MFT_OWNERDRAW) ? reinterpret_cast<const CIconMenu::Item*>(info.dwItemData) : nullptr;
}

}  // namespace

TEST(IconMenu, ToolbarImagesAreNumberedOverCommandsOnly) {
    StripPack pack = MakeMenuPack();
    CIconMenu menu;
    ASSERT_TRUE(menu.LoadToolBarImages(kToolBar));
    EXPECT_EQ(menu.ImageSize(), CSize(16, 16));
    struct Case { UINT command; int image; };
    const Case cases[] = {{kCopy, 0}, {kPaste, 1}, {kDelete, 2}, {kNoImage, -1}};
    for (const Case& c : cases) EXPECT_EQ(menu.ImageOf(c.command), c.image) << c.command;
    // A missing toolbar leaves the menu without images.
    CIconMenu other;
    EXPECT_FALSE(other.LoadToolBarImages(4242));
    EXPECT_EQ(other.ImageOf(kCopy), -1);
}

TEST(IconMenu, ConversionGivesEveryItemARecordAndKeepsSubmenus) {
    StripPack pack = MakeMenuPack();
    CIconMenu menu;
    BuildMenu(menu);
    menu.LoadToolBarImages(kToolBar);
    menu.ConvertToOwnerDraw(&menu);
    struct Case { int pos; int idOrKind; int image; const wchar_t* text; };
    const Case cases[] = {
        {0, static_cast<int>(kCopy), 0, L"&Copy\tCtrl+C"},
        {1, CIconMenu::kSeparator, CIconMenu::kSeparator, L"--"},
        {2, static_cast<int>(kPaste), 1, L"&Paste"},
        {3, CIconMenu::kBarItem, CIconMenu::kBarItem, L"&More"},  // a submenu of the converted menu itself
        {4, static_cast<int>(kNoImage), -1, L"No picture for this command"},
    };
    for (const Case& c : cases) {
        const CIconMenu::Item* item = RecordOf(menu, c.pos);
        ASSERT_NE(item, nullptr) << c.pos;
        EXPECT_EQ(item->idOrKind, c.idOrKind) << c.pos;
        EXPECT_EQ(item->image, c.image) << c.pos;
        EXPECT_EQ(item->text, CString(c.text)) << c.pos;
    }
    CMenu* sub = menu.GetSubMenu(3);
    ASSERT_NE(sub, nullptr);
    const CIconMenu::Item* inner = RecordOf(*sub, 0);
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(inner->image, 2);
    // Converting again leaves owner-drawn items alone (an owner-drawn submenu item has no text).
    const size_t records = menu.Items().size();
    menu.ConvertToOwnerDraw(&menu);
    EXPECT_EQ(menu.Items().size(), records);
}

TEST(IconMenu, LongTextsAreKeptWhole) {
    CIconMenu menu;
    menu.CreatePopupMenu();
    const CString longText(std::wstring(300, L'x').c_str());
    menu.AppendMenu(MF_STRING, kPaste, longText);
    menu.ConvertToOwnerDraw(&menu);
    ASSERT_NE(RecordOf(menu, 0), nullptr);
    EXPECT_EQ(RecordOf(menu, 0)->text.GetLength(), 300);
}

TEST(IconMenu, UpdateHandlersOfTheReceiverDecideTheStates) {
    CIconMenu menu;
    BuildMenu(menu);
    menu.CheckMenuItem(kPaste, MF_CHECKED);  // appended checked, but nobody handles Paste
    menu.ConvertToOwnerDraw(&menu);
    Receiver receiver;
    menu.UpdateCommandUI(&menu, &receiver);
    struct Case { UINT command; bool enabled; bool checked; };
    const Case cases[] = {
        {kCopy, true, false},
        {kPaste, false, true},       // no handler: disabled
        {kDelete, false, false},     // inside the submenu
        {kChecked, true, true},      // the handler's check mark counts
    };
    for (const Case& c : cases) {
        const UINT state = menu.GetMenuState(c.command, MF_BYCOMMAND);
        EXPECT_EQ((state & MF_GRAYED) == 0, c.enabled) << c.command;
        EXPECT_EQ((state & MF_CHECKED) != 0, c.checked) << c.command;
    }
}

TEST(IconMenu, ItemsMeasureByKind) {
    StripPack pack = MakeMenuPack();
    CIconMenu menu;
    BuildMenu(menu);
    menu.LoadToolBarImages(kToolBar);
    menu.ConvertToOwnerDraw(&menu);
    auto measure = [&](int pos) {
        MEASUREITEMSTRUCT mis{ODT_MENU, 0, 0, 0, 0, reinterpret_cast<ULONG_PTR>(RecordOf(menu, pos))};
        menu.MeasureItem(&mis);
        return CSize(static_cast<int>(mis.itemWidth), static_cast<int>(mis.itemHeight));
    };
    EXPECT_EQ(measure(1), CSize(10, 6));  // separator
    const CSize paste = measure(2);
    EXPECT_EQ(paste.cy, 21);              // image height + 5 beats the text height
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CFont* old = dc.SelectObject(CFont::FromHandle(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT))));
    EXPECT_EQ(paste.cx, dc.GetTextExtent(CString(L"&Paste")).cx + 17 + 21);
    dc.SelectObject(old);
}

namespace {

// Draws the menu's items one under another into a memory picture, as the open menu would.
class MenuPicture : public MemoryCanvas {
public:
    // On the menu colour, as the open menu lies under its items.
    MenuPicture(int width, int height) : MemoryCanvas(width, height, ::GetSysColor(COLOR_MENU)) {}
    CRect Draw(CIconMenu& menu, const CIconMenu::Item* item, int top, int width, UINT state) {
        MEASUREITEMSTRUCT mis{ODT_MENU, 0, 0, 0, 0, reinterpret_cast<ULONG_PTR>(item)};
        menu.MeasureItem(&mis);
        const CRect rect(0, top, width, top + static_cast<int>(mis.itemHeight));
        DRAWITEMSTRUCT dis{ODT_MENU, 0, 0, ODA_DRAWENTIRE, state, nullptr, dc.m_hDC, rect,
                           reinterpret_cast<ULONG_PTR>(item)};
        menu.DrawItem(&dis);
        return rect;
    }
    // The rightmost column of the row band that is not the menu colour, -1 when none.
    int RightmostInk(const CRect& rect, COLORREF background) {
        for (int x = rect.right - 1; x > rect.left + rect.Height(); --x)
            for (int y = rect.top; y < rect.bottom; ++y)
                if (dc.GetPixel(x, y) != background) return x;
        return -1;
    }
};

}  // namespace

TEST(IconMenu, ItemsDrawWithImagesStatesAndShortcutsRightAligned) {
    StripPack pack = MakeMenuPack();
    CIconMenu menu;
    BuildMenu(menu);
    menu.LoadToolBarImages(kToolBar);
    menu.ConvertToOwnerDraw(&menu);
    MenuPicture picture(220, 200);
    const int width = 220;
    int top = 0;
    const CRect copy = picture.Draw(menu, RecordOf(menu, 0), top, width, 0);
    top = copy.bottom;
    const CRect separator = picture.Draw(menu, RecordOf(menu, 1), top, width, 0);
    top = separator.bottom;
    const CRect paste = picture.Draw(menu, RecordOf(menu, 2), top, width, ODS_SELECTED);
    top = paste.bottom;
    const CRect more = picture.Draw(menu, RecordOf(menu, 3), top, width, 0);
    top = more.bottom;
    const CRect none = picture.Draw(menu, RecordOf(menu, 4), top, width, ODS_GRAYED);
    top = none.bottom;
    const CRect checked = picture.Draw(menu, RecordOf(menu, 5), top, width, ODS_CHECKED);
    vorn_test::SavePicture(&picture.dc, "icon_menu.png");

    const COLORREF menuColour = ::GetSysColor(COLOR_MENU);
    // The command's image is centred in the square as wide as the row is high.
    EXPECT_EQ(picture.dc.GetPixel(copy.left + copy.Height() / 2, copy.CenterPoint().y), RGB(220, 30, 30));
    EXPECT_EQ(picture.dc.GetPixel(paste.left + paste.Height() / 2, paste.CenterPoint().y), RGB(30, 160, 60));
    // Magenta is transparent.
    EXPECT_NE(picture.dc.GetPixel(copy.left + (copy.Height() - 16) / 2, copy.top + (copy.Height() - 16) / 2),
              RGB(255, 0, 255));
    // The shortcut after the tab ends 15 pixels in from the right; a text without one ends early.
    const int copyInk = picture.RightmostInk(copy, menuColour);
    EXPECT_GT(copyInk, width - 15 - 6);
    EXPECT_LE(copyInk, width - 15);
    EXPECT_LT(picture.RightmostInk(checked, menuColour), copyInk - 40);
    // Separator lines at top + 2 (dark) and top + 3 (light).
    EXPECT_EQ(picture.dc.GetPixel(50, separator.top + 2), ::GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(picture.dc.GetPixel(50, separator.top + 3), ::GetSysColor(COLOR_BTNHIGHLIGHT));
    // The selected item's text band is highlighted.
    EXPECT_EQ(picture.dc.GetPixel(width - 3, paste.top + 1), ::GetSysColor(COLOR_HIGHLIGHT));
}
