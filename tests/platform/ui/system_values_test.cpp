// System values: the non-client fonts and keyboard settings, screens and their work areas, the
// desktop window, the screen DC, the installed fonts and the locale.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLocale>
#include <QScreen>

#include <algorithm>
#include <cwchar>
#include <string>
#include <vector>

#include "platform/ui/bitmap.h"
#include "platform/ui/dc.h"
#include "platform/ui/font.h"
#include "platform/ui/font_enum.h"
#include "platform/ui/locale_info.h"
#include "platform/ui/monitor.h"
#include "platform/ui/system_metrics.h"
#include "platform/ui/test_support.h"
#include "platform/ui/window_api.h"
#include "platform/ui/wnd.h"

namespace {

TEST(SystemParametersTest, NonClientMetricsCarryUsableFonts) {
    NONCLIENTMETRICS ncm{};
    ncm.cbSize = 500;  // callers pass sizes of other layouts; the whole structure is filled anyway
    ASSERT_TRUE(SystemParametersInfo(SPI_GETNONCLIENTMETRICS, ncm.cbSize, &ncm, 0));
    const LOGFONT* fonts[] = {&ncm.lfMenuFont, &ncm.lfMessageFont, &ncm.lfStatusFont, &ncm.lfCaptionFont};
    for (const LOGFONT* lf : fonts) {
        EXPECT_LT(lf->lfHeight, 0);
        EXPECT_GT(std::wstring(lf->lfFaceName).size(), 0u);
        // A font made from it measures text.
        CFont font;
        ASSERT_TRUE(font.CreateFontIndirect(lf));
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        CFont* old = dc.SelectObject(&font);
        EXPECT_GT(dc.GetTextExtent(L"Menu").cx, 10);
        dc.SelectObject(old);
    }
    EXPECT_EQ(ncm.lfCaptionFont.lfWeight, FW_BOLD);
    EXPECT_EQ(ncm.lfMenuFont.lfWeight, FW_NORMAL);
}

struct IntParameterCase {
    UINT action;
    int expected;
};

TEST(SystemParametersTest, KeyboardAndMenuSettingsHaveTheClassicValues) {
    const IntParameterCase cases[] = {
        {SPI_GETKEYBOARDDELAY, 1},
        {SPI_GETKEYBOARDSPEED, 31},
        {SPI_GETFLATMENU, FALSE},
        {SPI_GETKEYBOARDCUES, TRUE},
    };
    for (const auto& c : cases) {
        int value = -7;
        EXPECT_TRUE(SystemParametersInfo(c.action, 0, &value, 0)) << c.action;
        EXPECT_EQ(value, c.expected) << c.action;
    }
    int untouched = -7;
    EXPECT_FALSE(SystemParametersInfo(0x7777, 0, &untouched, 0));
    EXPECT_EQ(untouched, -7);
    EXPECT_FALSE(SystemParametersInfo(SPI_GETNONCLIENTMETRICS, 0, nullptr, 0));
}

struct ScreenCase {
    const char* what;
    RECT rc;
    bool mustTouch;
    int expected;
};

TEST(MonitorTest, RectangleBelongsToTheScreenItOverlapsMostOrTheNearest) {
    // Two screens side by side, the second one lower.
    const std::vector<RECT> screens = {{0, 0, 1920, 1080}, {1920, 200, 3200, 1224}};
    const ScreenCase cases[] = {
        {"inside the first", {10, 10, 50, 50}, true, 0},
        {"inside the second", {2000, 300, 2100, 400}, true, 1},
        {"mostly on the second", {1900, 300, 2100, 400}, true, 1},
        {"mostly on the first", {1800, 300, 1940, 400}, true, 0},
        {"a point on the border belongs to the right one", {1920, 500, 1920, 500}, true, 1},
        {"off to the right, nearest", {4000, 500, 4100, 600}, false, 1},
        {"above the second but nearer the first", {1000, -500, 1100, -400}, false, 0},
        {"off screen with no default", {4000, 500, 4100, 600}, true, -1},
    };
    for (const auto& c : cases) EXPECT_EQ(vorn_ui::ScreenForRect(screens, c.rc, c.mustTouch), c.expected) << c.what;
    EXPECT_EQ(vorn_ui::ScreenForRect({}, RECT{0, 0, 1, 1}, false), -1);
}

TEST(MonitorTest, MonitorOfAPointGivesTheScreenAndItsWorkArea) {
    QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    const QRect g = screen->geometry();
    HMONITOR inside = MonitorFromPoint(POINT{g.left() + 5, g.top() + 5}, MONITOR_DEFAULTTONULL);
    ASSERT_NE(inside, nullptr);
    MONITORINFO mi{sizeof(MONITORINFO), {}, {}, 0};
    ASSERT_TRUE(GetMonitorInfo(inside, &mi));
    EXPECT_EQ(CRect(mi.rcMonitor), CRect(g.left(), g.top(), g.left() + g.width(), g.top() + g.height()));
    const QRect w = screen->availableGeometry();
    EXPECT_EQ(CRect(mi.rcWork), CRect(w.left(), w.top(), w.left() + w.width(), w.top() + w.height()));
    EXPECT_EQ(mi.dwFlags, MONITORINFOF_PRIMARY);

    const POINT far{g.right() + 5000, g.bottom() + 5000};
    EXPECT_EQ(MonitorFromPoint(far, MONITOR_DEFAULTTONULL), nullptr);
    EXPECT_EQ(MonitorFromPoint(far, MONITOR_DEFAULTTONEAREST), inside);
    const RECT farRect{far.x, far.y, far.x + 10, far.y + 10};
    EXPECT_EQ(MonitorFromRect(&farRect, MONITOR_DEFAULTTONEAREST), inside);
    EXPECT_EQ(MonitorFromRect(&farRect, MONITOR_DEFAULTTOPRIMARY), inside);
    EXPECT_FALSE(GetMonitorInfo(reinterpret_cast<HMONITOR>(&mi), &mi));
}

TEST(MonitorTest, DesktopWindowSpansTheScreensAndStaysHidden) {
    HWND desktop = GetDesktopWindow();
    ASSERT_TRUE(IsWindow(desktop));
    EXPECT_EQ(GetDesktopWindow(), desktop);
    EXPECT_FALSE(IsWindowVisible(desktop));
    CRect rc;
    GetWindowRect(desktop, &rc);
    EXPECT_EQ(rc.left, GetSystemMetrics(SM_XVIRTUALSCREEN));
    EXPECT_EQ(rc.Width(), GetSystemMetrics(SM_CXVIRTUALSCREEN));
    EXPECT_EQ(rc.Height(), GetSystemMetrics(SM_CYVIRTUALSCREEN));
    EXPECT_EQ(MonitorFromWindow(desktop, MONITOR_DEFAULTTONULL), MonitorFromPoint(POINT{rc.left, rc.top}, 0));
}

TEST(ScreenDcTest, ScreenDcMeasuresTextAndIsGivenBack) {
    HDC dc = ::GetDC(nullptr);
    ASSERT_NE(dc, nullptr);
    CDC* cdc = CDC::FromHandle(dc);
    EXPECT_EQ(cdc->GetDeviceCaps(LOGPIXELSY), 96);
    EXPECT_GT(cdc->GetTextExtent(L"Screen").cx, 0);
    // Bitmaps made to match it are in colour.
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(cdc, 4, 4));
    BITMAP info{};
    bitmap.GetBitmap(&info);
    EXPECT_EQ(info.bmBitsPixel, 32);
    EXPECT_EQ(::ReleaseDC(nullptr, dc), 1);
}

int CollectFamilies(const LOGFONT* lf, const TEXTMETRIC* tm, DWORD type, LPARAM param) {
    EXPECT_EQ(type, TRUETYPE_FONTTYPE);
    EXPECT_GT(tm->tmHeight, 0);
    reinterpret_cast<std::vector<std::wstring>*>(param)->push_back(lf->lfFaceName);
    return 1;
}

int StopAtFirst(const LOGFONT*, const TEXTMETRIC*, DWORD, LPARAM param) {
    ++*reinterpret_cast<int*>(param);
    return 0;
}

TEST(FontEnumTest, FamiliesAreListedOnceAndFoundByNameInAnyCase) {
    std::vector<std::wstring> all;
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    EXPECT_EQ(EnumFonts(dc.m_hDC, nullptr, &CollectFamilies, reinterpret_cast<LPARAM>(&all)), 1);
    // The build installs these families.
    for (const wchar_t* needed : {L"Liberation Sans", L"DejaVu Sans"})
        EXPECT_EQ(std::count(all.begin(), all.end(), std::wstring(needed)), 1) << std::string(needed, needed + wcslen(needed));

    std::vector<std::wstring> styles;
    EnumFontFamilies(dc.m_hDC, L"liberation sans", &CollectFamilies, reinterpret_cast<LPARAM>(&styles));
    ASSERT_GE(styles.size(), 2u);  // regular, bold, ...
    for (const auto& s : styles) EXPECT_EQ(s, L"Liberation Sans");

    std::vector<std::wstring> none;
    EXPECT_EQ(EnumFontFamilies(dc.m_hDC, L"No Such Face", &CollectFamilies, reinterpret_cast<LPARAM>(&none)), 1);
    EXPECT_TRUE(none.empty());

    int calls = 0;
    EXPECT_EQ(EnumFontFamilies(dc.m_hDC, nullptr, &StopAtFirst, reinterpret_cast<LPARAM>(&calls)), 0);
    EXPECT_EQ(calls, 1);
}

TEST(FontEnumTest, CharsetComesFromTheSelectedFont) {
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    LOGFONT lf{};
    lf.lfHeight = -12;
    lf.lfCharSet = 177;  // Hebrew
    CFont font;
    font.CreateFontIndirect(&lf);
    CFont* old = dc.SelectObject(&font);
    FONTSIGNATURE sig;
    EXPECT_EQ(GetTextCharsetInfo(dc.m_hDC, &sig, 0), 177);
    dc.SelectObject(old);
}


TEST(LocaleInfoTest, FirstDayOfTheWeekIsADigitFromMondayAsNought) {
    EXPECT_EQ(GetLocaleInfo(LOCALE_USER_DEFAULT, LOCALE_IFIRSTDAYOFWEEK, nullptr, 0), 2);
    wchar_t day[2] = {L'x', L'x'};
    ASSERT_EQ(GetLocaleInfo(LOCALE_USER_DEFAULT, LOCALE_IFIRSTDAYOFWEEK, day, 2), 2);
    EXPECT_EQ(day[1], L'\0');
    EXPECT_EQ(day[0] - L'0', static_cast<int>(QLocale::system().firstDayOfWeek()) - Qt::Monday);
    wchar_t small[1] = {L'x'};
    EXPECT_EQ(GetLocaleInfo(LOCALE_USER_DEFAULT, LOCALE_IFIRSTDAYOFWEEK, small, 1), 0);
    EXPECT_EQ(GetLocaleInfo(LOCALE_USER_DEFAULT, 0x1234, day, 2), 0);
}

}  // namespace
