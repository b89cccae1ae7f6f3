// The tab control looks of the main tab control: which look a setting picks, the measurements
// and colours each look gives, the pixels that tell the families apart, and a sheet of every look.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "controls/main_tab_ctrl.h"
#include "controls/tab_style_drawing.h"
#include "controls/tab_style_flat.h"
#include "platform/core/colors.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/client_dc.h"
#include "platform/ui/test_support.h"
#include "language_pack_fixture.h"
#include "memory_canvas.h"
#include "picture_page.h"
#include "recording_wnd.h"

namespace {

// Positions of the looks in CMainTabCtrl::GetLooks().
enum LookIndex {
    kSlantedSilverInitial = 0,
    kSimple = 1,
    kRaised1 = 2,
    kRaised2,
    kRaised3,
    kRaised4,
    kSlantedSystem = 6,
    kSlantedBlue,
    kSlantedSilver,
    kSlantedOlive,
    kFlat1 = 10,
    kFlat2,
    kFlat3,
    kFlat4,
    kFlat5,
    kFlat6,
    kFlat7,
    kFlat8,
    kGlossyFocus = 18,
    kGlossyOrange,
    kGlossyGrey,
    kGlossyWhite,
    kLookCount
};

const char* const kLookNames[kLookCount] = {
    "slanted silver (initial)", "simple",          "raised 1",          "raised 2",        "raised 3",
    "raised 4",                 "slanted system",  "slanted blue",      "slanted silver",  "slanted olive",
    "flat 1 system",            "flat 2 system, frame", "flat 3 blue",  "flat 4 blue, frame", "flat 5 silver",
    "flat 6 silver, frame",     "flat 7 olive",    "flat 8 olive, frame", "glossy focus",  "glossy orange",
    "glossy grey",              "glossy white"};

COLORREF Sys(int index) { return GetSysColor(index); }

COLORREF PixelAt(const QImage& image, int x, int y) {
    const QRgb p = image.pixel(x, y);
    return RGB(qRed(p), qGreen(p), qBlue(p));
}

std::string Rgb(COLORREF c) {
    char text[16];
    std::snprintf(text, sizeof text, "%d,%d,%d", GetRValue(c), GetGValue(c), GetBValue(c));
    return text;
}

// A 16 x 16 image list of square pictures and a 12 x 12 one of the seven black button glyphs, both
// with magenta as the transparent colour.
struct TabImages {
    CImageList pictures, buttons;
    TabImages() {
        pictures.Create(16, 16, ILC_COLOR32 | ILC_MASK, 4, 1);
        for (COLORREF colour : {RGB(200, 60, 60), RGB(60, 150, 60), RGB(60, 90, 200), RGB(220, 160, 30)})
            Add(pictures, 16, [colour](CDC& dc) { dc.FillSolidRect(2, 2, 12, 12, colour); });
        buttons.Create(12, 12, ILC_COLOR32 | ILC_MASK, 7, 1);
        // A cross for close, a bar for the others.
        Add(buttons, 12, [](CDC& dc) {
            for (int k = 2; k < 10; ++k) dc.SetPixel(k, k, 0), dc.SetPixel(11 - k, k, 0);
        });
        for (int i = 1; i < 7; ++i) Add(buttons, 12, [](CDC& dc) { dc.FillSolidRect(2, 5, 8, 2, 0); });
    }
    template <typename Paint>
    static void Add(CImageList& list, int size, Paint paint) {
        CBitmap bitmap;
        bitmap.CreateBitmap(size, size, 1, 32, nullptr);
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        CBitmap* old = dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, size, size, RGB(255, 0, 255));
        paint(dc);
        dc.SelectObject(old);
        list.Add(&bitmap, RGB(255, 0, 255));
    }
};

struct LooksFixture : EnglishPackTest {
    RecordingWnd host{700, 400};
    CMainTabCtrl looks;  // never created: it only holds the looks
    TabImages images;
    CFont font;
    std::vector<std::unique_ptr<CWnd>> pages;

    void SetUp() override {
        EnglishPackTest::SetUp();
        font.CreatePointFont(90, L"Tahoma");
    }

    // Tabs "Alpha", "Beta" (current), "Gamma" (hot) and "Delta" (disabled). Their pages lie in
    // the host, so that a picture of the control shows only what the look paints, or, as in the
    // program, inside the control with the close and menu buttons beside the tabs.
    std::unique_ptr<TabCtrl> Make(int look, int tabPosition = 0, CRect place = CRect(0, 0, 360, 90),
                                  bool asInProgram = false) {
        pages.clear();  // the pages of an earlier control would lie over this one
        auto tabs = std::make_unique<TabCtrl>();
        tabs->SetStyle(looks.GetLooks()[look].get());
        tabs->SetTabPosition(tabPosition);
        if (!tabs->Create(&host, WS_CHILD | WS_VISIBLE, place, 1)) return nullptr;
        tabs->SetNormalFont(&font);
        tabs->SetSelectedFont(&font);
        tabs->SetImageLists(&images.pictures, &images.pictures);
        if (asInProgram) tabs->SetButtonImageList(&images.buttons);
        int i = 0;
        for (const wchar_t* caption : {L"Alpha", L"Beta", L"Gamma", L"Delta"}) {
            pages.push_back(std::make_unique<PicturePage>(CString(L"The ") + caption + L" page"));
            pages.back()->Create(nullptr, L"", WS_CHILD, CRect(0, 0, 10, 10), asInProgram ? static_cast<CWnd*>(tabs.get()) : &host,
                                 100 + static_cast<UINT>(pages.size()));
            tabs->AddTab(i, pages.back()->m_hWnd, caption, i < 2 ? i : -1);
            ++i;
        }
        tabs->GetItems()[3]->disabled = true;
        tabs->RecalcLayout(FALSE);
        tabs->SelectTab(tabs->GetItems()[1]);
        tabs->RecalcLayout(FALSE);
        vorn_test::MouseMove(tabs.get(), tabs->GetItems()[2]->rect.CenterPoint());
        return tabs;
    }

    static QImage Picture(CWnd* wnd) {
        vorn_test::ProcessEvents();
        wnd->Invalidate();
        wnd->UpdateWindow();
        return wnd->GetWidget()->grab().toImage();
    }
};

}  // namespace

TEST_F(LooksFixture, TheSettingPicksOneOfFiveLooksAnyOtherValueTheSecondSilver) {
    ASSERT_EQ(looks.GetLooks().size(), static_cast<size_t>(kLookCount));
    struct SettingCase {
        int setting;
        int look;
    };
    const SettingCase cases[] = {{1, kSlantedBlue}, {2, kSlantedOlive}, {3, kGlossyOrange}, {4, kGlossyGrey},
                                 {0, kSlantedSilver}, {5, kSlantedSilver}, {-1, kSlantedSilver}};
    for (const auto& c : cases)
        EXPECT_EQ(looks.GetStyleForSetting(c.setting), looks.GetLooks()[c.look].get()) << c.setting;
    EXPECT_NE(looks.GetLooks()[kSlantedSilverInitial].get(), looks.GetLooks()[kSlantedSilver].get());
}

TEST_F(LooksFixture, EachLookMeasuresTheControl) {
    struct MetricsCase {
        int look;
        int tabPosition;
        int border;
        CRect rowMargins, pageMargins, padding;
    };
    const MetricsCase cases[] = {
        {kSimple, 0, 1, {3, 1, 3, 2}, {0, 0, 0, 0}, {5, 3, 5, 3}},  // the built-in metrics
        {kRaised1, 0, 1, {5, 2, 3, 0}, {2, 3, 2, 2}, {6, 3, 6, 3}},
        {kRaised2, 1, 1, {5, 0, 3, 2}, {2, 2, 2, 3}, {6, 3, 6, 3}},
        {kRaised3, 0, 0, {5, 2, 3, 2}, {0, 0, 0, 0}, {6, 2, 6, 2}},
        {kRaised4, 0, 0, {4, 1, 2, 0}, {1, 0, 1, 1}, {6, 2, 6, 2}},
        {kRaised4, 1, 0, {4, 0, 2, 1}, {1, 1, 1, 0}, {6, 2, 6, 2}},
        {kFlat1, 0, 0, {0, 1, 0, 2}, {0, 0, 0, 0}, {3, 4, 3, 2}},
        {kFlat2, 0, 0, {0, 1, 0, 0}, {1, 0, 1, 1}, {3, 4, 3, 2}},
        {kFlat7, 1, 0, {0, 2, 0, 1}, {0, 0, 0, 0}, {3, 2, 3, 4}},
        {kFlat8, 1, 0, {0, 0, 0, 1}, {1, 1, 1, 0}, {3, 2, 3, 4}},
        {kGlossyWhite, 0, 0, {0, 0, 3, 0}, {0, 0, 0, 0}, {5, 2, 5, 2}},
    };
    for (const auto& c : cases) {
        TabCtrl tabs;
        tabs.SetStyle(looks.GetLooks()[c.look].get());
        tabs.SetTabPosition(c.tabPosition);
        TabCtrlMetrics* metrics = tabs.GetMetrics();
        TabCtrlMetrics* builtIn = tabs.GetBuiltInMetrics();
        const std::string name = std::string(kLookNames[c.look]) + (c.tabPosition ? ", tabs below" : "");
        EXPECT_EQ(metrics->GetBorderWidth(&tabs, builtIn), c.border) << name;
        EXPECT_EQ(metrics->GetRowMargins(&tabs, builtIn), c.rowMargins) << name;
        EXPECT_EQ(metrics->GetPageMargins(&tabs, builtIn), c.pageMargins) << name;
        EXPECT_EQ(metrics->GetTabPadding(&tabs, builtIn), c.padding) << name;
    }
}

TEST_F(LooksFixture, TheSimpleLookLaysOutWithTheBuiltInMetrics) {
    auto tabs = Make(kSimple, 0, CRect(0, 0, 400, 90));
    ASSERT_TRUE(tabs);
    EXPECT_EQ(tabs->GetMetrics(), tabs->GetBuiltInMetrics());
    // Border 1 and row margins 3, 1, 3, 2 round the tabs area; the page follows the row.
    const CRect row = tabs->GetTabRowRect(), area = tabs->GetTabsAreaRect();
    EXPECT_EQ(row.left, 1);
    EXPECT_EQ(row.top, 1);
    EXPECT_EQ(CRect(area.left - row.left, area.top - row.top, row.right - area.right, row.bottom - area.bottom),
              CRect(3, 1, 3, 2));
    EXPECT_EQ(tabs->GetPageRect(), CRect(1, row.bottom, 399, 89));
    // A tab without an image is its caption and the padding of 5 on either side wide.
    CClientDC dc(tabs.get());
    CFont* old = dc.SelectObject(&font);
    const int caption = dc.GetTextExtent(L"Gamma").cx;
    dc.SelectObject(old);
    EXPECT_EQ(tabs->GetItems()[2]->rect.Width(), caption + 10);
}

TEST_F(LooksFixture, EachLookColoursItsSlots) {
    const COLORREF raisedRow = tab_drawing::Blend(Sys(COLOR_BTNHIGHLIGHT), Sys(COLOR_BTNFACE), 45);
    const COLORREF fixedLine = RGB(137, 140, 149), navy = RGB(46, 64, 94);
    struct ColourCase {
        int look;
        COLORREF border, line, row, currentTab, page, pageSideMargin, emptyPage;
    };
    const ColourCase cases[] = {
        {kSimple, Sys(COLOR_BTNSHADOW), Sys(COLOR_BTNSHADOW), Sys(COLOR_BTNFACE), Sys(COLOR_BTNFACE), Sys(COLOR_WINDOW),
         Sys(COLOR_WINDOW), Sys(COLOR_APPWORKSPACE)},
        {kRaised1, Sys(COLOR_BTNSHADOW), Sys(COLOR_BTNHIGHLIGHT), raisedRow, Sys(COLOR_BTNFACE), Sys(COLOR_WINDOW),
         Sys(COLOR_WINDOW), Sys(COLOR_APPWORKSPACE)},
        {kRaised2, Sys(COLOR_BTNSHADOW), Sys(COLOR_BTNHIGHLIGHT), raisedRow, Sys(COLOR_BTNFACE), Sys(COLOR_WINDOW),
         Sys(COLOR_WINDOW), Sys(COLOR_APPWORKSPACE)},
        {kRaised3, Sys(COLOR_BTNSHADOW), Sys(COLOR_BTNTEXT), raisedRow, Sys(COLOR_BTNFACE), Sys(COLOR_WINDOW),
         Sys(COLOR_WINDOW), Sys(COLOR_APPWORKSPACE)},
        {kRaised4, Sys(COLOR_BTNSHADOW), Sys(COLOR_BTNSHADOW), raisedRow, Sys(COLOR_BTNFACE), Sys(COLOR_WINDOW),
         Sys(COLOR_WINDOW), Sys(COLOR_APPWORKSPACE)},
        {kFlat1, Sys(COLOR_BTNSHADOW), Sys(COLOR_BTNSHADOW), Sys(COLOR_BTNFACE), Sys(COLOR_WINDOW), Sys(COLOR_WINDOW),
         Sys(COLOR_WINDOW), Sys(COLOR_APPWORKSPACE)},
        {kFlat4, Sys(COLOR_BTNSHADOW), fixedLine, Sys(COLOR_BTNFACE), Sys(COLOR_WINDOW), Sys(COLOR_WINDOW),
         Sys(COLOR_WINDOW), Sys(COLOR_APPWORKSPACE)},
        {kGlossyWhite, Sys(COLOR_BTNSHADOW), Sys(COLOR_BTNSHADOW), navy, Sys(COLOR_BTNFACE), Sys(COLOR_WINDOW),
         Sys(COLOR_WINDOW), navy},
    };
    TabCtrl tabs;
    for (const auto& c : cases) {
        auto* look = looks.GetLooks()[c.look].get();
        const char* name = kLookNames[c.look];
        EXPECT_EQ(Rgb(look->GetBorderColor(&tabs)), Rgb(c.border)) << name;
        EXPECT_EQ(Rgb(look->GetLineColor(&tabs)), Rgb(c.line)) << name;
        EXPECT_EQ(Rgb(look->GetRowColor(&tabs)), Rgb(c.row)) << name;
        EXPECT_EQ(Rgb(look->GetCurrentTabColor(&tabs)), Rgb(c.currentTab)) << name;
        EXPECT_EQ(Rgb(look->GetPageColor(&tabs)), Rgb(c.page)) << name;
        EXPECT_EQ(Rgb(look->GetPageSideMarginColor(&tabs)), Rgb(c.pageSideMargin)) << name;
        EXPECT_EQ(Rgb(look->GetEmptyPageColor(&tabs)), Rgb(c.emptyPage)) << name;
    }
}

TEST_F(LooksFixture, FlatColourSetsGiveTheTabColours) {
    using Set = CTabStyleFlat::ColorSet;
    const COLORREF white = RGB(255, 255, 255);
    struct FlatCase {
        Set set;
        const char* name;
        COLORREF outline, light, dark, hot;
    };
    const FlatCase cases[] = {
        {Set::System, "system", Sys(COLOR_3DDKSHADOW), Sys(COLOR_WINDOW), tab_drawing::Blend(white, Sys(COLOR_BTNSHADOW), 55),
         tab_drawing::Blend(white, Sys(COLOR_BTNSHADOW), 75)},
        {Set::Blue, "blue", RGB(60, 127, 177), RGB(252, 252, 252), RGB(207, 207, 207), RGB(167, 217, 245)},
        {Set::Silver, "silver", RGB(119, 119, 146), RGB(252, 252, 252), RGB(207, 207, 207), RGB(180, 179, 202)},
        {Set::Olive, "olive", RGB(143, 158, 116), RGB(252, 252, 252), RGB(207, 207, 207), RGB(182, 198, 141)},
    };
    for (const auto& c : cases) {
        CTabStyleFlat look(c.set, false);
        EXPECT_EQ(Rgb(look.GetDarkOutlineColor()), Rgb(c.outline)) << c.name;
        EXPECT_EQ(Rgb(look.GetLightColor()), Rgb(c.light)) << c.name;
        EXPECT_EQ(Rgb(look.GetDarkColor(false)), Rgb(c.dark)) << c.name;
        EXPECT_EQ(Rgb(look.GetDarkColor(true)), Rgb(c.hot)) << c.name;
    }
}

// Raised captions dim the current tab while a focus-watching control lacks the focus; flat
// captions keep it dark.
TEST_F(LooksFixture, CaptionsOfTabsOtherThanTheCurrentOneAreDimmed) {
    const COLORREF dim = tab_drawing::Blend(RGB(0, 0, 0), Sys(COLOR_BTNSHADOW), 55);
    struct CaptionCase {
        int look;
        bool watchFocus;
        COLORREF current, other, disabled;
    };
    const CaptionCase cases[] = {
        {kRaised1, false, Sys(COLOR_BTNTEXT), dim, Sys(COLOR_GRAYTEXT)},
        {kRaised3, true, dim, dim, Sys(COLOR_GRAYTEXT)},
        {kFlat5, true, Sys(COLOR_BTNTEXT), dim, Sys(COLOR_GRAYTEXT)},
    };
    for (const auto& c : cases) {
        auto tabs = Make(c.look);
        ASSERT_TRUE(tabs);
        tabs->SetWatchFocus(c.watchFocus);
        auto* look = looks.GetLooks()[c.look].get();
        const auto& items = tabs->GetItems();
        const std::string name = std::string(kLookNames[c.look]) + (c.watchFocus ? ", watching the focus" : "");
        EXPECT_EQ(Rgb(look->GetCaptionColor(tabs.get(), items[1])), Rgb(c.current)) << name;
        EXPECT_EQ(Rgb(look->GetCaptionColor(tabs.get(), items[0])), Rgb(c.other)) << name;
        EXPECT_EQ(Rgb(look->GetCaptionColor(tabs.get(), items[3])), Rgb(c.disabled)) << name;
    }
}

// Pixels that tell each family apart, at points given relative to the current tab ("Cur"), the
// first tab, the hot third tab, the disabled last tab, the tab row and the page area. With the
// tabs below the page, "Top" is still the outer edge and "Bottom" the page side.
TEST_F(LooksFixture, EachFamilyPaintsItsTabsRowAndPage) {
    enum Anchor { CurLeft, CurRight, CurTop, CurBottom, FirstLeft, FirstRight, HotLeft, HotRight, LastRight, RowEnd,
                  PageLeft, PageBottom };
    struct Probe {
        const char* what;
        Anchor x, y;
        int dx, dy;
        COLORREF colour;
    };
    struct PixelCase {
        int look;
        int tabPosition;
        std::vector<Probe> probes;
    };
    const COLORREF shadow = Sys(COLOR_BTNSHADOW), face = Sys(COLOR_BTNFACE), window = Sys(COLOR_WINDOW);
    const COLORREF light = Sys(COLOR_BTNHIGHLIGHT), text = Sys(COLOR_BTNTEXT), white = RGB(255, 255, 255);
    const COLORREF raisedRow = tab_drawing::Blend(light, face, 45);
    const COLORREF fixedLine = RGB(137, 140, 149), navy = RGB(46, 64, 94);
    const std::vector<Probe> simple = {
        {"current tab filled with the page colour", CurLeft, CurBottom, 2, -2, window},
        {"current tab outline over the left neighbour", CurLeft, CurBottom, -1, -4, shadow},
        {"cut corner shows the row", CurLeft, CurTop, -1, 0, face},
        {"current tab opens through the divider", CurLeft, CurBottom, 2, 0, window},
        {"divider between row and page-side strip", RowEnd, CurBottom, -2, 0, shadow},
        {"page-side strip", RowEnd, CurBottom, -2, 1, window},
        {"separator before the first tab", FirstLeft, CurTop, 0, 6, shadow},
        {"separator after the last tab", LastRight, CurTop, -1, 6, shadow},
        {"no separator in a tab", LastRight, CurTop, -3, 6, face},
        {"hot tab outline", HotLeft, CurBottom, 0, -4, shadow}};
    const PixelCase cases[] = {
        {kSimple, 0, simple},
        {kSimple, 1, simple},
        {kRaised1, 0, {{"current tab fill", CurLeft, CurBottom, 2, -2, face},
                       {"current tab outer edge in the line colour", CurLeft, CurTop, 2, 0, light},
                       {"current tab left edge", CurLeft, CurBottom, 0, -3, light},
                       {"current tab right edge", CurRight, CurBottom, -1, -3, text},
                       {"row colour", RowEnd, CurTop, -1, 2, raisedRow},
                       {"light line on the page side of the row", RowEnd, CurBottom, -1, -1, light},
                       {"current tab covers the light line", CurLeft, CurBottom, 2, -1, face},
                       {"separator of another tab", FirstRight, CurTop, -1, 6, shadow},
                       {"page area in the tab colour", PageLeft, PageBottom, 0, -1, face},
                       {"outline one pixel outside the page window", PageLeft, PageBottom, 1, -2, shadow}}},
        {kRaised3, 0, {{"current tab outer edge in the line colour", CurLeft, CurTop, 2, 0, text},
                       {"current tab left edge", CurLeft, CurBottom, 0, -3, light},
                       {"current tab right edge in the line colour", CurRight, CurBottom, -1, -3, text}}},
        {kRaised4, 0, {{"current tab outer edge", CurLeft, CurTop, 2, 0, shadow},
                       {"current tab right edge", CurRight, CurBottom, -1, -3, shadow},
                       {"line on the page's outer sides", PageLeft, PageBottom, 0, -1, shadow},
                       {"page filled inside the line", PageLeft, PageBottom, 1, -2, window}}},
        {kFlat1, 0, {{"current tab filled with the page colour", CurLeft, CurBottom, 2, -1, window},
                     {"current tab outline", CurLeft, CurBottom, 0, -3, Sys(COLOR_3DDKSHADOW)},
                     {"outline ends on the row-to-page line", CurLeft, CurBottom, 0, 0, Sys(COLOR_3DDKSHADOW)},
                     {"current tab breaks the line", CurLeft, CurBottom, 2, 0, window},
                     {"row-to-page line two pixels inside the row", RowEnd, CurBottom, -1, 0, shadow},
                     {"page-side pixel line", RowEnd, CurBottom, -1, 1, window},
                     {"tab left of the current one outlined on its left", FirstLeft, CurBottom, 0, -4, shadow},
                     {"with a light line inside", FirstLeft, CurBottom, 1, -4, window},
                     {"tab right of the current one outlined on its right", HotRight, CurBottom, -1, -4, shadow},
                     {"with a light line inside", HotRight, CurBottom, -2, -4, window}}},
        {kFlat4, 0, {{"current tab outline", CurLeft, CurBottom, 0, -3, RGB(60, 127, 177)},
                     {"row-to-page line on the row's edge", RowEnd, CurBottom, -1, -1, fixedLine},
                     {"current tab covers the line", CurLeft, CurBottom, 2, -1, window},
                     {"page outline, left side", PageLeft, PageBottom, 0, -3, fixedLine},
                     {"page outline, far side", PageLeft, PageBottom, 3, -1, fixedLine}}},
        {kFlat8, 1, {{"current tab outline", CurLeft, CurBottom, 0, -3, RGB(143, 158, 116)},
                     {"row-to-page line on the row's edge", RowEnd, CurBottom, -1, -1, fixedLine},
                     {"page outline, far side", PageLeft, PageBottom, 3, -1, fixedLine}}},
        {kGlossyWhite, 0, {{"white current tab", CurLeft, CurBottom, 3, -2, white},
                           {"its rounded corner", CurLeft, CurTop, 0, 0, tab_drawing::Blend(white, navy, 85)},
                           {"hot tab outline", HotLeft, CurBottom, 0, -3, RGB(155, 167, 183)},
                           {"dark row", RowEnd, CurTop, -1, 2, navy},
                           {"disabled tab leaves the row", LastRight, CurBottom, -2, -2, navy}}},
    };
    for (const auto& c : cases) {
        auto tabs = Make(c.look, c.tabPosition, CRect(0, 0, 360, 120));
        ASSERT_TRUE(tabs);
        const QImage picture = Picture(tabs.get());
        const auto& items = tabs->GetItems();
        const CRect cur = items[1]->rect, row = tabs->GetTabRowRect(), page = tabs->GetPageRect();
        const bool top = c.tabPosition == 0;
        auto coordinate = [&](Anchor a) -> int {
            switch (a) {
            case CurLeft: return cur.left;
            case CurRight: return cur.right;
            case CurTop: return top ? cur.top : cur.bottom - 1;
            case CurBottom: return top ? cur.bottom : cur.top - 1;
            case FirstLeft: return items[0]->rect.left;
            case FirstRight: return items[0]->rect.right;
            case HotLeft: return items[2]->rect.left;
            case HotRight: return items[2]->rect.right;
            case LastRight: return items[3]->rect.right;
            case RowEnd: return row.right;
            case PageLeft: return page.left;
            case PageBottom: return top ? page.bottom : page.top - 1;
            }
            return 0;
        };
        for (const Probe& p : c.probes) {
            const int x = coordinate(p.x) + p.dx;
            const int y = coordinate(p.y) + (top ? p.dy : -p.dy);
            EXPECT_EQ(Rgb(PixelAt(picture, x, y)), Rgb(p.colour))
                << kLookNames[c.look] << (top ? "" : ", tabs below") << ": " << p.what << " at " << x << "," << y;
        }
    }
}

// Raised 1 and 3 edge their buttons and move a pressed button's glyph; raised 2 and 4 take the
// system-colour face of the slanted looks.
TEST_F(LooksFixture, RaisedButtonsAreEdgedOrSystemColoured) {
    const COLORREF background = RGB(1, 2, 3);
    const COLORREF light = Sys(COLOR_BTNHIGHLIGHT), shadow = Sys(COLOR_BTNSHADOW), select = Sys(COLOR_HIGHLIGHT);
    struct ButtonCase {
        int look;
        bool hot, pushed;
        COLORREF corner, inside;  // the top left pixel and one beside the glyph
        bool glyphMoved;
    };
    const ButtonCase cases[] = {
        {kRaised1, false, false, background, background, false},
        {kRaised1, true, false, light, background, false},
        {kRaised1, true, true, shadow, background, true},
        {kRaised1, false, true, light, background, false},  // pushed, the mouse elsewhere
        {kRaised3, true, true, shadow, background, true},
        {kRaised2, true, false, select, tab_drawing::Blend(Sys(COLOR_WINDOW), select, 30), false},
        {kRaised4, true, true, select, tab_drawing::Blend(Sys(COLOR_WINDOW), select, 22), false},
    };
    TabCtrl tabs;
    ASSERT_TRUE(tabs.SetButtonImageList(&images.buttons));
    for (const auto& c : cases) {
        const std::string name = std::string(kLookNames[c.look]) + (c.hot ? " hot" : "") + (c.pushed ? " pushed" : "");
        MemoryCanvas canvas(30, 30, background);
        const CRect button(10, 10, 22, 22);
        auto* look = looks.GetLooks()[c.look].get();
        look->DrawCloseButton(&tabs, &canvas.dc, button, c.hot, c.pushed);
        const COLORREF glyph = look->GetGlyphColor(&tabs, c.hot, c.pushed);
        EXPECT_EQ(Rgb(canvas.dc.GetPixel(10, 10)), Rgb(c.corner)) << name;
        EXPECT_EQ(Rgb(canvas.dc.GetPixel(11, 15)), Rgb(c.inside)) << name;
        // The cross starts at (2, 2) of the glyph.
        EXPECT_EQ(Rgb(canvas.dc.GetPixel(12, 12)), Rgb(c.glyphMoved ? c.inside : glyph)) << name;
        EXPECT_EQ(Rgb(canvas.dc.GetPixel(13, 13)), Rgb(glyph)) << name;
    }
}

// Every look the main tab control holds, each with a current, a hot and a disabled tab and the
// close and menu buttons, on one sheet.
TEST_F(LooksFixture, SheetOfEveryLook) {
    constexpr int kWidth = 330, kHeight = 78, kLabel = 16, kGap = 8, kColumns = 2;
    const int rows = (kLookCount + kColumns - 1) / kColumns;
    QImage sheet(kColumns * (kWidth + kGap) + kGap, rows * (kHeight + kLabel + kGap) + kGap, QImage::Format_RGB32);
    sheet.fill(QColor(236, 236, 236));
    QPainter painter(&sheet);
    for (int look = 0; look < kLookCount; ++look) {
        auto tabs = Make(look, 0, CRect(0, 0, kWidth, kHeight), true);
        ASSERT_TRUE(tabs);
        EXPECT_EQ(tabs->GetCurrentTab(), tabs->GetItems()[1]) << kLookNames[look];
        EXPECT_TRUE(tabs->IsHotTab(tabs->GetItems()[2])) << kLookNames[look];
        EXPECT_FALSE(tabs->GetCloseRect().IsRectEmpty()) << kLookNames[look];
        const int x = kGap + (look % kColumns) * (kWidth + kGap), y = kGap + (look / kColumns) * (kHeight + kLabel + kGap);
        painter.setPen(Qt::black);
        painter.drawText(x, y + kLabel - 4, QString::fromUtf8(kLookNames[look]));
        painter.drawImage(x, y + kLabel, Picture(tabs.get()));
    }
    painter.end();
    EXPECT_TRUE(sheet.save(QString::fromStdWString(vorn_test::PicturePath("tab_ctrl_every_look.png").GetString()), "PNG"));
}
