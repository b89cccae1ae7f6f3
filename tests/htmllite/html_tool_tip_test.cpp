// The tooltip over an owner window: asking for the text, showing, placing, hiding.
#include <gtest/gtest.h>

#include <QImage>

#include "htmllite/html_tool_tip.h"
#include "htmllite/pixel_block.h"
#include "platform/ui/icon.h"
#include "platform/ui/window_api.h"
#include "ui_test_support.h"

namespace {

// An owner as the windows of the program set one up: one tool for the whole window, style
// bits 17, texts supplied on request.
class COwner : public CWnd {
public:
    CHtmlToolTip tip;
    CString text = L"<b>Room</b> 12";
    int needText = 0;
    int pops = 0;
    CPoint asked;

    void OnNeedText(NMHDR* hdr, LRESULT* result) {
        auto* notify = reinterpret_cast<NMHTMLTOOLTIP*>(hdr);
        ++needText;
        asked = *static_cast<POINT*>(notify->pParam);
        notify->pToolInfo->m_text = text;
        *result = 0;
    }
    void OnPop(NMHDR*, LRESULT* result) {
        ++pops;
        *result = 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(COwner, CWnd)
    ON_NOTIFY(HTTN_NEEDTEXT, 0, &COwner::OnNeedText)
    ON_NOTIFY(HTTN_POP, 0, &COwner::OnPop)
END_MESSAGE_MAP()

HBITMAP MakeStrip() {
    const std::uint32_t colours[4] = {0x00E03030u, 0x0030A030u, 0x003050E0u, 0x00F0C020u};
    CPixelBlock strip(64, 16);
    for (int i = 0; i < 4; ++i)
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const int dx = x - 8, dy = y - 8;
                strip.At(i * 16 + x, y) = dx * dx + dy * dy <= 49 ? colours[i] : 0x00FF00FFu;
            }
    return strip.MakeBitmap();
}

class HtmlToolTipTest : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureApplication();
        ASSERT_TRUE(frame.CreateEx(0, nullptr, L"frame", WS_POPUP | WS_VISIBLE, 100, 100, 300, 200, nullptr, nullptr));
        ASSERT_TRUE(owner.CreateEx(0, nullptr, L"", WS_CHILD | WS_VISIBLE, 0, 0, 300, 200, frame.m_hWnd,
                                   reinterpret_cast<HMENU>(1)));
        ASSERT_TRUE(owner.tip.Create(&owner, TRUE));
        owner.tip.m_notifyWindow = owner.m_hWnd;
        HBITMAP strip = MakeStrip();
        owner.tip.m_drawer.SetImageStrip(16, 16, strip, 4, RGB(255, 0, 255));
        ::DeleteObject(strip);
        CHtmlToolInfo tool;
        tool.m_rect = CRect(0, 0, 5000, 5000);
        tool.m_overrideMask = HTTO_STYLE;
        tool.m_styleBits = HTTS_SHOW_AGAIN | HTTS_NO_AUTOHIDE;
        owner.tip.AddToolInfo(owner.m_hWnd, tool);
    }
    void TearDown() override {
        owner.tip.DestroyWindow();
        owner.DestroyWindow();
        frame.DestroyWindow();
    }
    // The mouse moves to (x, y) of the owner and rests there until the show delay ends.
    void MoveTo(int x, int y) {
        const POINT screen{100 + x, 100 + y};
        ::SetCursorPos(screen.x, screen.y);
        MSG msg{owner.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(x, y), 0, screen};
        owner.tip.RelayEvent(&msg);
    }
    void Rest() { owner.tip.SendMessage(WM_TIMER, CHtmlToolTip::TIMER_SHOW, 0); }

    CWnd frame;
    COwner owner;
};

}  // namespace

TEST_F(HtmlToolTipTest, ShownOverTheOwnerWithTheTextItAsksFor) {
    MoveTo(50, 60);
    EXPECT_EQ(owner.needText, 0);  // nothing before the mouse rests
    Rest();
    EXPECT_EQ(owner.needText, 1);
    EXPECT_EQ(owner.asked, CPoint(150, 160));
    EXPECT_TRUE(owner.tip.IsWindowVisible());
    EXPECT_EQ(owner.tip.ShowState(), 2);
    EXPECT_EQ(owner.pops, 0);

    // The tail's tip sits at the mouse point.
    CRect window;
    owner.tip.GetWindowRect(&window);
    EXPECT_TRUE(window.PtInRect(CPoint(150, 160)) || window.PtInRect(CPoint(149, 159)));
}

TEST_F(HtmlToolTipTest, MovingWithinTheToolTellsTheTipAwayAndAsksAgain) {
    MoveTo(50, 60);
    Rest();
    MoveTo(51, 60);
    EXPECT_EQ(owner.pops, 2);  // told away, then hidden
    EXPECT_FALSE(owner.tip.IsWindowVisible());
    Rest();
    EXPECT_EQ(owner.needText, 2);
    EXPECT_TRUE(owner.tip.IsWindowVisible());
}

TEST_F(HtmlToolTipTest, KeysClicksAndDeactivationHideAtOnce) {
    const UINT hiding[] = {WM_KEYDOWN, WM_RBUTTONDOWN, WM_MOUSEWHEEL, WM_LBUTTONDOWN};
    for (UINT message : hiding) {
        MoveTo(40 + static_cast<int>(message % 7), 60);
        Rest();
        ASSERT_TRUE(owner.tip.IsWindowVisible()) << message;
        const int pops = owner.pops;
        MSG msg{owner.m_hWnd, message, 0, 0, 0, POINT{140, 160}};
        owner.tip.RelayEvent(&msg);
        EXPECT_FALSE(owner.tip.IsWindowVisible()) << message;
        EXPECT_EQ(owner.pops, pops + 1) << message;
        owner.tip.HideNow();
        EXPECT_EQ(owner.pops, pops + 1) << message;  // only a visible tip is told
    }
    MoveTo(10, 10);
    Rest();
    owner.tip.SendMessage(WM_ACTIVATEAPP, FALSE, 0);
    EXPECT_FALSE(owner.tip.IsWindowVisible());
}

TEST_F(HtmlToolTipTest, AnEmptyTextShowsNothing) {
    owner.text.Empty();
    MoveTo(50, 60);
    Rest();
    EXPECT_EQ(owner.needText, 1);
    EXPECT_FALSE(owner.tip.IsWindowVisible());
    EXPECT_EQ(owner.pops, 0);
}

TEST_F(HtmlToolTipTest, ToolsAreFoundByWindowAndRectangle) {
    CHtmlToolTip& tip = owner.tip;
    tip.RemoveAllTools();
    CHtmlToolInfo first, second, again;
    first.m_rect = CRect(0, 0, 100, 100);
    first.m_text = L"first";
    second.m_rect = CRect(50, 50, 200, 200);
    second.m_text = L"second";
    again.m_rect = CRect(0, 0, 100, 100);
    again.m_text = L"again";
    tip.AddToolInfo(owner.m_hWnd, first);
    tip.AddToolInfo(owner.m_hWnd, second);
    tip.AddToolInfo(owner.m_hWnd, again);  // same rectangle: replaces the first

    struct FindCase { CPoint pt; bool found; const wchar_t* text; };
    const FindCase cases[] = {
        {CPoint(10, 10), true, L"again"}, {CPoint(60, 60), true, L"again"},
        {CPoint(150, 150), true, L"second"}, {CPoint(250, 150), false, L""},
    };
    for (const auto& c : cases) {
        HWND window = nullptr;
        CHtmlToolInfo tool;
        EXPECT_EQ(tip.FindTool(c.pt, window, tool), c.found) << c.pt.x << "," << c.pt.y;
        if (c.found) {
            EXPECT_EQ(window, owner.m_hWnd);
            EXPECT_EQ(tool.m_text, CString(c.text));
        }
    }

    // A disabled child window under the mouse has no tip.
    CWnd child;
    ASSERT_TRUE(child.CreateEx(0, nullptr, L"", WS_CHILD | WS_VISIBLE, 200, 0, 50, 50, owner.m_hWnd, reinterpret_cast<HMENU>(2)));
    tip.AddTool(&child, L"child");
    HWND window = nullptr;
    CHtmlToolInfo tool;
    EXPECT_TRUE(tip.FindTool(CPoint(210, 10), window, tool));
    EXPECT_EQ(window, child.m_hWnd);
    child.EnableWindow(FALSE);
    EXPECT_FALSE(tip.FindTool(CPoint(210, 10), window, tool));
    child.DestroyWindow();
}

TEST_F(HtmlToolTipTest, PlacementFlipsAtTheScreenEdges) {
    const CRect s = CHtmlToolTip::ScreenBounds();
    const CRect body(0, 0, 100, 50);
    struct PlaceCase { int code; CPoint pt; int expected; CPoint anchor; const char* what; };
    const PlaceCase cases[] = {
        {HTTP_ABOVE, CPoint(s.left + 200, s.top + 200), HTTP_ABOVE, CPoint(16, 66), "fits above"},
        {HTTP_ABOVE, CPoint(s.left + 200, s.top + 5), HTTP_BELOW, CPoint(16, 0), "near the top: below"},
        {HTTP_BELOW, CPoint(s.left + 200, s.bottom - 5), HTTP_ABOVE, CPoint(16, 66), "near the bottom: above"},
        {HTTP_ABOVE, CPoint(s.right - 20, s.top + 200), HTTP_ABOVE | HTTP_END_FAR, CPoint(84, 66),
         "near the right: tail at the right end"},
        {HTTP_ABOVE | HTTP_END_FAR, CPoint(s.left + 5, s.top + 200), HTTP_ABOVE, CPoint(5, 66),
         "near the left: tail at the left end, pulled to the edge"},
        {HTTP_RIGHT, CPoint(s.right - 10, s.top + 200), HTTP_LEFT, CPoint(116, 16), "right of the mouse flips left"},
        {HTTP_ABOVE | HTTP_END_MIDDLE, CPoint(s.left + 200, s.top + 200), HTTP_ABOVE | HTTP_END_MIDDLE, CPoint(50, 66),
         "middle"},
    };
    for (const auto& c : cases) {
        CRect window;
        CPoint anchor;
        EXPECT_EQ(owner.tip.PlaceTip(c.code, c.pt, body, window, anchor), c.expected) << c.what;
        EXPECT_EQ(anchor, c.anchor) << c.what;
        const CRect placed(c.pt.x - anchor.x, c.pt.y - anchor.y, c.pt.x - anchor.x + window.Width(),
                           c.pt.y - anchor.y + window.Height());
        EXPECT_GE(placed.left, s.left) << c.what;
        EXPECT_LE(placed.right, s.right) << c.what;
        EXPECT_GE(placed.top, s.top) << c.what;
        EXPECT_LE(placed.bottom, s.bottom) << c.what;
    }
}

// The saved picture shows the balloon as the screen does: the rounded body and its tail in
// the tip's colour, nothing outside the window region, even where an earlier, larger tip
// left its pixels in the window.
TEST_F(HtmlToolTipTest, PictureOfATipWithTableImagesColoursAndRule) {
    const CString sample =
        L"<h2>Room 12</h2><font color=navy>Monday,</font> <b>period 3</b> &bull; <font color=#c00000>changed</font>"
        L"<hr color=#ff9900 size=2>"
        L"<table border=1 cellspacing=0 cellpadding=3 bordercolor=gray>"
        L"<tr><td bgcolor=lightyellow><ilst index=0> Maths</td><td bgcolor=#d0e8ff>Year 7 &amp; 8</td></tr>"
        L"<tr><td colspan=2 bgcolor=honeydew align=center><ilst index=1><ilst index=2><ilst index=3></td></tr>"
        L"</table><hr width=50% size=1 color=gray><i>More</i> after the rule";
    const COLORREF info = ::GetSysColor(COLOR_INFOBK);
    auto check = [&](const char* name) {
        const CString path = CString(VORN_BIN_DIR "/") + CString(name);
        ASSERT_TRUE(owner.tip.SavePicture(path));
        const QImage picture(QString::fromStdWString(path.str()));
        const CRect body = owner.tip.BodyRect();
        ASSERT_EQ(owner.tip.Placement(), HTTP_ABOVE) << name;
        ASSERT_EQ(picture.size(), QSize(body.Width(), body.Height() + owner.tip.m_tailHeight)) << name;
        const int tail = body.left + owner.tip.m_tailOffset;
        struct PixelCase { int x; int y; bool shown; const char* what; };
        const PixelCase cases[] = {
            {body.right - 3, body.bottom - 8, true, "body"},
            {0, 0, false, "top left corner"},
            {body.right - 1, body.bottom - 1, false, "bottom right corner"},
            {tail + 2, body.bottom + 4, true, "tail"},
            {tail + 1, picture.height() - 5, true, "near the tail's tip"},
            {tail + owner.tip.m_tailBase + 6, body.bottom + 4, false, "beside the tail"},
        };
        for (const auto& c : cases) {
            const QRgb pixel = picture.pixel(c.x, c.y);
            EXPECT_EQ(qAlpha(pixel), c.shown ? 255 : 0) << name << ": " << c.what;
            if (c.shown) {
                EXPECT_EQ(RGB(qRed(pixel), qGreen(pixel), qBlue(pixel)), info) << name << ": " << c.what;
            }
        }
    };

    owner.text = sample;
    MoveTo(50, 60);
    Rest();
    ASSERT_TRUE(owner.tip.IsWindowVisible());
    check("htmllite_tooltip.png");

    owner.text = L"<b>Room</b> 12";
    MoveTo(51, 60);
    Rest();
    ASSERT_TRUE(owner.tip.IsWindowVisible());
    check("htmllite_tooltip_small.png");
}
