// The tab control: layout in fit and squeeze modes, the slanted hit test, selecting, dragging
// a tab and cancelling the drag, and the looks as the user sees them.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

#include "controls/main_tab_ctrl.h"
#include "controls/tab_style_slanted.h"
#include "platform/ui/bitmap.h"
#include "platform/core/colors.h"
#include "platform/ui/client_dc.h"
#include "platform/ui/test_support.h"
#include "platform/ui/window_api.h"
#include "language_pack_fixture.h"
#include "picture_page.h"
#include "recording_wnd.h"
#include "../platform/ui/frame_picture.h"

namespace {

// A look that paints like the base and gives each tab a fixed extra width, so that with empty
// captions every tab is exactly extra + 10 (the built-in padding) wide.
class FixedWidthStyle : public CTabCtrlStyle, public TabCtrlMetrics {
public:
    std::vector<int> extra;
    TabCtrlMetrics* GetMetrics() override { return this; }
    int GetTabExtraWidth(const TabCtrl* c, TabCtrlMetrics*, const TabCtrlItem* item) override {
        const auto& items = c->GetItems();
        for (size_t i = 0; i < items.size(); ++i)
            if (items[i] == item) return extra[i];
        return 0;
    }
};

struct TabFixture : EnglishPackTest {
    RecordingWnd host;
    std::vector<std::unique_ptr<CWnd>> pages;

    CWnd* MakePage() {
        pages.push_back(std::make_unique<CWnd>());
        pages.back()->Create(nullptr, L"", WS_CHILD, CRect(0, 0, 10, 10), &host, 100 + static_cast<UINT>(pages.size()));
        return pages.back().get();
    }
    void Fill(TabCtrl& tabs, const std::vector<CString>& captions) {
        for (const CString& caption : captions) tabs.AddTab(static_cast<int>(tabs.GetItems().size()), MakePage()->m_hWnd, caption, -1);
    }
};

struct LayoutCase {
    const char* name;
    std::vector<int> widths;  // tab widths before squeezing
    int clientWidth;
    std::vector<std::pair<int, int>> expected;  // left and right of each tab
};

// Client width W: border 1 and row margins 3 leave a tabs area from x = 4 to W - 4, and an
// area width of W - 9 for the sum of the tabs.
const LayoutCase kLayout[] = {
    {"total equals the area: not squeezed", {40, 60, 50}, 159, {{4, 44}, {44, 104}, {104, 154}}},
    {"one pixel more squeezes the tabs wider than the average", {40, 60, 50}, 158, {{4, 44}, {44, 103}, {103, 153}}},
    {"squeezed to the average, the last one pixel short", {100, 100, 100}, 60, {{4, 21}, {21, 38}, {38, 55}}},
    {"never below the smallest width: the row overflows", {100, 100, 100}, 30, {{4, 14}, {14, 24}, {24, 34}}},
};

}  // namespace

TEST_F(TabFixture, LayoutFitsOrSqueezesTheTabs) {
    for (const auto& c : kLayout) {
        TabCtrl tabs;
        FixedWidthStyle style;
        for (int w : c.widths) style.extra.push_back(w - 10);
        tabs.SetStyle(&style);
        ASSERT_TRUE(tabs.Create(&host, WS_CHILD | WS_VISIBLE, CRect(0, 0, c.clientWidth, 100), 1));
        Fill(tabs, std::vector<CString>(c.widths.size(), CString()));
        tabs.RecalcLayout(FALSE);
        ASSERT_EQ(tabs.GetTabsAreaRect().left, 4) << c.name;
        for (size_t i = 0; i < c.expected.size(); ++i) {
            EXPECT_EQ(tabs.GetItems()[i]->rect.left, c.expected[i].first) << c.name << " tab " << i;
            EXPECT_EQ(tabs.GetItems()[i]->rect.right, c.expected[i].second) << c.name << " tab " << i;
        }
    }
}

TEST_F(TabFixture, ScrollModeKeepsWidthsAndClampsTheOffset) {
    TabCtrl tabs;
    FixedWidthStyle style;
    style.extra = {90, 90, 90};
    tabs.SetStyle(&style);
    tabs.SetLayoutMode(1);
    ASSERT_TRUE(tabs.Create(&host, WS_CHILD | WS_VISIBLE, CRect(0, 0, 209, 100), 1));  // area 200, total 300
    Fill(tabs, {L"", L"", L""});
    tabs.RecalcLayout(FALSE);
    EXPECT_TRUE(tabs.IsOverflow());
    EXPECT_FALSE(tabs.CanScrollLeft());
    EXPECT_TRUE(tabs.CanScrollRight());
    EXPECT_EQ(tabs.GetItems()[2]->rect, CRect(204, tabs.GetTabsAreaRect().top, 304, tabs.GetTabsAreaRect().bottom));
}

TEST_F(TabFixture, AddingMakesTheFirstEnabledTabCurrentAndLayoutShowsOnlyItsPage) {
    TabCtrl tabs;
    CTabStyleSlanted look(CTabStyleSlanted::ColorSet::Silver);
    tabs.SetStyle(&look);
    ASSERT_TRUE(tabs.Create(&host, WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 200), 1));
    CWnd* first = MakePage();
    first->ShowWindow(SW_SHOW);
    tabs.AddTab(0, first->m_hWnd, L"One", -1);
    CWnd* second = MakePage();
    second->ShowWindow(SW_SHOW);
    tabs.AddTab(1, second->m_hWnd, L"Two", -1);
    EXPECT_EQ(tabs.GetCurrentTab(), tabs.GetItems()[0]);
    EXPECT_FALSE(second->IsWindowVisible());  // hidden as it is added
    tabs.RecalcLayout(TRUE);
    EXPECT_TRUE(first->IsWindowVisible());
    CRect page;
    first->GetWindowRect(&page);
    host.ScreenToClient(&page);
    CRect expected = tabs.GetPageRect();
    expected.DeflateRect(5, 3, 5, 5);  // the slanted page margins
    EXPECT_EQ(page, expected);

    tabs.GetItems()[1]->disabled = true;
    tabs.SelectTab(tabs.GetItems()[1]);  // a disabled tab is never selected
    EXPECT_EQ(tabs.GetCurrentTab(), tabs.GetItems()[0]);
}

TEST_F(TabFixture, WithoutTabsOrWithEveryTabDisabledNoPageShows) {
    struct Case {
        const char* name;
        int tabs;
        bool disable;
    };
    const Case cases[] = {{"no tabs", 0, false}, {"every tab disabled", 3, true}};
    for (const auto& c : cases) {
        TabCtrl tabs;
        FixedWidthStyle style;
        style.extra = {20, 20, 20};
        tabs.SetStyle(&style);
        ASSERT_TRUE(tabs.Create(&host, WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 120), 1));
        std::vector<CWnd*> shown;
        for (int i = 0; i < c.tabs; ++i) {
            CWnd* page = MakePage();
            page->ShowWindow(SW_SHOW);
            shown.push_back(page);
            tabs.AddTab(i, page->m_hWnd, L"", -1)->disabled = c.disable;
        }
        tabs.RecalcLayout(FALSE);
        EXPECT_EQ(tabs.GetCurrentTab(), nullptr) << c.name;
        for (CWnd* page : shown) EXPECT_FALSE(page->IsWindowVisible()) << c.name;
        if (c.tabs == 0) {
            EXPECT_EQ(tabs.GetPageRect(), CRect(1, 1, 299, 119)) << c.name;  // the client less the border
        }
    }
}

TEST_F(TabFixture, SlantedHitTestFollowsThePolygonsCurrentTabFirst) {
    TabCtrl tabs;
    CTabStyleSlanted look(CTabStyleSlanted::ColorSet::Silver);
    tabs.SetStyle(&look);
    ASSERT_TRUE(tabs.Create(&host, WS_CHILD | WS_VISIBLE, CRect(0, 0, 500, 200), 1));
    Fill(tabs, {L"Timetable", L"Diary", L"Reports"});
    tabs.RecalcLayout(FALSE);
    tabs.SelectTab(tabs.GetItems()[1]);
    tabs.RecalcLayout(FALSE);
    const auto& items = tabs.GetItems();
    const CRect r0 = items[0]->rect, r1 = items[1]->rect, r2 = items[2]->rect;

    struct HitCase {
        const char* name;
        CPoint pt;
        int slanted;  // index of the tab hit, -1 none
        int rectangles;
    };
    const HitCase cases[] = {
        {"slant of the current tab under its left neighbour", CPoint(r1.left - 2, r1.bottom - 2), 1, 0},
        {"top left corner outside the slant", CPoint(r1.left + 1, r1.top + 1), -1, 1},
        {"first tab, left of its slant", CPoint(r0.left + 2, r0.bottom - 1), -1, 0},
        {"middle of a plain tab", r2.CenterPoint(), 2, 2},
        {"below the tabs area", CPoint(r1.CenterPoint().x, tabs.GetTabsAreaRect().bottom + 2), -1, -1},
    };
    TabCtrlBehavior* builtIn = tabs.GetBuiltInBehavior();
    auto indexOf = [&](TabCtrlItem* item) {
        for (size_t i = 0; i < items.size(); ++i)
            if (items[i] == item) return static_cast<int>(i);
        return -1;
    };
    for (const auto& c : cases) {
        EXPECT_EQ(indexOf(tabs.HitTest(c.pt)), c.slanted) << c.name;
        EXPECT_EQ(indexOf(builtIn->HitTest(&tabs, builtIn, c.pt)), c.rectangles) << c.name;
    }
}

namespace {
class DragRecorder : public TabCtrlNotify {
public:
    std::vector<std::string> events;
    void OnTabSelected(TabCtrl*, TabCtrlItem*) override { events.push_back("selected"); }
    void OnStartDrag(TabCtrl*, TabCtrlItem*, CPoint) override { events.push_back("start"); }
    void OnFinishDrag(TabCtrl*, TabCtrlItem*, bool cancelled) override {
        events.push_back(cancelled ? "cancelled" : "dropped");
    }
};
}  // namespace

TEST_F(TabFixture, DraggingReordersAndEscapeOrCaptureLossPutsTheOrderBack) {
    enum class End { Release, Escape, CaptureLost };
    struct DragCase {
        const char* name;
        End end;
        std::vector<CString> order;
        const char* last;
    };
    const DragCase cases[] = {
        {"released: the new order stays", End::Release, {L"Beta", L"Alpha", L"Gamma"}, "dropped"},
        {"Escape cancels", End::Escape, {L"Alpha", L"Beta", L"Gamma"}, "cancelled"},
        {"another window takes the capture", End::CaptureLost, {L"Alpha", L"Beta", L"Gamma"}, "cancelled"},
    };
    for (const auto& c : cases) {
        TabCtrl tabs;
        FixedWidthStyle style;
        style.extra = {50, 50, 50};
        tabs.SetStyle(&style);
        tabs.SetDragToReorder(true);
        DragRecorder recorder;
        tabs.SetNotify(&recorder);
        ASSERT_TRUE(tabs.Create(&host, WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 100), 1));
        Fill(tabs, {L"Alpha", L"Beta", L"Gamma"});
        tabs.RecalcLayout(FALSE);
        const CRect alpha = tabs.GetItems()[0]->rect, beta = tabs.GetItems()[1]->rect;
        const int y = alpha.CenterPoint().y;
        vorn_test::MouseMove(&tabs, CPoint(alpha.left + 10, y));
        vorn_test::MousePress(&tabs, CPoint(alpha.left + 10, y));
        vorn_test::MouseMove(&tabs, CPoint(alpha.left + 20, y), Qt::LeftButton);
        vorn_test::MouseMove(&tabs, CPoint(beta.right - 5, y), Qt::LeftButton);
        switch (c.end) {
        case End::Release: vorn_test::MouseRelease(&tabs, CPoint(beta.right - 5, y)); break;
        case End::Escape: vorn_test::KeyPress(&tabs, Qt::Key_Escape); break;
        case End::CaptureLost: host.SetCapture(); break;
        }
        std::vector<CString> order;
        for (TabCtrlItem* item : tabs.GetItems()) order.push_back(item->caption);
        EXPECT_EQ(order, c.order) << c.name;
        ASSERT_FALSE(recorder.events.empty()) << c.name;
        EXPECT_EQ(recorder.events.front(), "start") << c.name;
        EXPECT_EQ(recorder.events.back(), c.last) << c.name;
        EXPECT_FALSE(tabs.IsDragging()) << c.name;
        if (CWnd::GetCapture()) ::ReleaseCapture();
        if (c.end == End::Release) vorn_test::MouseRelease(&tabs, CPoint(beta.right - 5, y));
    }
}

TEST_F(TabFixture, SqueezedCaptionShowsItAsTooltipAFittingOneShowsNone) {
    TabCtrl tabs;
    CTabStyleSlanted look(CTabStyleSlanted::ColorSet::Silver);
    tabs.SetStyle(&look);
    ASSERT_TRUE(tabs.Create(&host, WS_CHILD | WS_VISIBLE, CRect(0, 0, 600, 100), 1));
    Fill(tabs, {L"Short", L"A rather long caption for a page"});
    tabs.RecalcLayout(FALSE);
    const CPoint second = tabs.GetItems()[1]->rect.CenterPoint();
    vorn_test::MouseMove(&tabs, second);
    EXPECT_EQ(tabs.GetToolTipText(), L"");
    tabs.GetItems()[1]->SetTooltipText(L"Reports of the plan");
    EXPECT_EQ(tabs.GetToolTipText(), L"Reports of the plan");
    tabs.GetItems()[1]->SetTooltipText(L"");
    tabs.MoveWindow(0, 0, 160, 100);  // squeezes the long caption
    vorn_test::MouseMove(&tabs, CPoint(tabs.GetItems()[1]->rect.right - 12, second.y));
    EXPECT_EQ(tabs.GetToolTipText(), L"A rather long caption for a page");
}

// The main tab control in each selectable look, with the second tab current and the fourth hot,
// and the current tab's page in its frame.
TEST_F(TabFixture, MainTabControlPicturesInEveryLook) {
    CImageList images;
    images.Create(16, 16, ILC_COLOR32 | ILC_MASK, 6, 1);
    const COLORREF colours[] = {RGB(200, 60, 60), RGB(60, 150, 60), RGB(60, 90, 200), RGB(220, 160, 30), RGB(140, 70, 170), RGB(30, 150, 160)};
    for (COLORREF colour : colours) {
        CBitmap bitmap;
        bitmap.CreateBitmap(16, 16, 1, 32, nullptr);
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        CBitmap* old = dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, 16, 16, RGB(255, 0, 255));
        dc.FillSolidRect(2, 2, 12, 12, colour);
        dc.SelectObject(old);
        images.Add(&bitmap, RGB(255, 0, 255));
    }
    CFont font;
    font.CreatePointFont(90, L"Tahoma");
    const std::vector<CString> captions = {L"Timetable", L"Diary", L"Tasks", L"Magnet board", L"Reports", L"Contacts"};
    struct LookCase {
        int setting;
        const char* file;
    };
    const LookCase looks[] = {{0, "tab_ctrl_slanted_silver.png"}, {1, "tab_ctrl_slanted_blue.png"},
                              {2, "tab_ctrl_slanted_olive.png"},  {3, "tab_ctrl_glossy_orange.png"},
                              {4, "tab_ctrl_glossy_grey.png"}};
    for (const auto& look : looks) {
        CMainTabCtrl tabs;
        ASSERT_TRUE(tabs.Create(&host, WS_CHILD | WS_VISIBLE, CRect(0, 0, 620, 140), 2345));
        tabs.SetNormalFont(&font);
        tabs.SetSelectedFont(&font);
        tabs.SetImageLists(&images, &images);
        std::vector<std::unique_ptr<PicturePage>> shown;
        for (int i = 0; i < 6; ++i) {
            shown.push_back(std::make_unique<PicturePage>(L"The " + captions[i] + L" page"));
            // The frame makes its pages children of the tab control.
            shown.back()->Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &tabs,
                                 200 + static_cast<UINT>(i));
            tabs.AddTab(i, shown.back()->m_hWnd, captions[i], i);
        }
        tabs.SetStyle(tabs.GetStyleForSetting(look.setting));
        tabs.RecalcLayout(TRUE);
        tabs.Invalidate();
        vorn_test::MouseMove(&tabs, tabs.GetItems()[1]->rect.CenterPoint());
        vorn_test::Click(&tabs, tabs.GetItems()[1]->rect.CenterPoint());
        vorn_test::MouseMove(&tabs, tabs.GetItems()[3]->rect.CenterPoint());
        EXPECT_EQ(tabs.GetCurrentTab(), tabs.GetItems()[1]) << look.file;
        EXPECT_TRUE(tabs.IsHotTab(tabs.GetItems()[3])) << look.file;
        // Only the current tab's page shows, below the tab row.
        for (int i = 0; i < 6; ++i) EXPECT_EQ(shown[i]->IsWindowVisible() != FALSE, i == 1) << look.file << " " << i;
        CRect page;
        shown[1]->GetWindowRect(&page);
        tabs.ScreenToClient(&page);
        EXPECT_GE(page.top, tabs.GetItems()[1]->rect.bottom) << look.file;
        EXPECT_FALSE(SaveWindowPicture(&tabs, look.file).isNull());  // with the page, a child window
    }
}
