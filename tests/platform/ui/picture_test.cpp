// Draws a window with the layer's drawing operations and saves its picture for people to
// look at (build/test-pictures/window_drawing.png); also checks popups and window regions.
#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>

#include "platform/ui/client_dc.h"
#include "platform/ui/icon.h"
#include "platform/ui/image_list.h"
#include "platform/ui/message_map.h"
#include "platform/ui/test_support.h"
#include "platform/ui/window_api.h"
#include "platform/ui/window_class.h"

namespace {

// A strip of four 16 x 16 images on magenta: a square, a disc, a triangle and a cross.
void MakeStrip(CBitmap& strip) {
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    strip.CreateBitmap(64, 16, 1, 32, nullptr);
    CBitmap* old = dc.SelectObject(&strip);
    dc.FillSolidRect(0, 0, 64, 16, RGB(255, 0, 255));
    CBrush blue(RGB(40, 90, 200)), green(RGB(30, 160, 60)), orange(RGB(240, 140, 0));
    CPen none(PS_NULL, 0, 0);
    dc.SelectObject(&none);
    dc.FillSolidRect(2, 2, 12, 12, RGB(200, 40, 40));
    dc.SelectObject(&blue);
    dc.Ellipse(18, 2, 30, 14);
    dc.SelectObject(&green);
    const POINT tri[] = {{40, 2}, {46, 14}, {34, 14}};
    dc.Polygon(tri, 3);
    dc.SelectObject(&orange);
    dc.FillSolidRect(55, 2, 3, 12, RGB(240, 140, 0));
    dc.FillSolidRect(50, 6, 13, 3, RGB(240, 140, 0));
    dc.SelectStockObject(WHITE_BRUSH);
    dc.SelectStockObject(BLACK_PEN);
    dc.SelectObject(old);
}

class CSampler : public CWnd {
protected:
    void OnPaint() {
        CPaintDC dc(this);
        CRect rc;
        GetClientRect(&rc);
        dc.FillSolidRect(&rc, GetSysColor(COLOR_BTNFACE));

        // Title in a gradient band.
        TRIVERTEX v[2] = {{0, 0, 0x0a00, 0x2400, 0x6a00, 0}, {rc.right, 36, 0xa600, 0xca00, 0xf000, 0}};
        GRADIENT_RECT g{0, 1};
        dc.GradientFill(v, 2, &g, 1, GRADIENT_FILL_RECT_H);
        CFont title;
        title.CreateFont(-18, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
        CFont* oldFont = dc.SelectObject(&title);
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(RGB(255, 255, 255));
        CRect band(10, 0, rc.right - 10, 36);
        dc.DrawText(CString(L"Vorn drawing sample"), &band, DT_SINGLELINE | DT_VCENTER);

        // The six hatch styles, opaque and transparent.
        CFont body;
        body.CreateFont(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial");
        dc.SelectObject(&body);
        dc.SetTextColor(RGB(0, 0, 0));
        for (int h = HS_HORIZONTAL; h <= HS_DIAGCROSS; ++h) {
            CBrush hatch(h, RGB(0, 0, 160));
            CRect cell(10 + h * 50, 46, 50 + h * 50, 86);
            dc.SetBkMode(h % 2 ? TRANSPARENT : OPAQUE);
            dc.SetBkColor(RGB(255, 255, 200));
            dc.FillRect(&cell, &hatch);
            dc.Draw3dRect(&cell, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));
        }
        dc.SetBkMode(TRANSPARENT);

        // A vertical gradient and shapes.
        TRIVERTEX vv[2] = {{320, 46, 0xff00, 0xff00, 0xff00, 0}, {390, 126, 0x3000, 0x8000, 0x3000, 0}};
        dc.GradientFill(vv, 2, &g, 1, GRADIENT_FILL_RECT_V);
        CBrush yellow(RGB(250, 220, 60));
        CPen outline(PS_SOLID, 2, RGB(120, 60, 0));
        CBrush* oldBrush = dc.SelectObject(&yellow);
        CPen* oldPen = dc.SelectObject(&outline);
        dc.Ellipse(10, 96, 70, 136);
        dc.RoundRect(80, 96, 150, 136, 16, 16);
        const POINT star[] = {{185, 96}, {195, 136}, {160, 111}, {210, 111}, {175, 136}};
        dc.SetPolyFillMode(WINDING);
        dc.Polygon(star, 5);
        CPen dashed(PS_DASH, 1, RGB(0, 0, 0));
        dc.SelectObject(&dashed);
        dc.MoveTo(220, 100);
        dc.LineTo(300, 130);
        dc.SelectObject(oldPen);
        dc.SelectObject(oldBrush);

        // Edges and frame controls.
        CRect edge(10, 146, 90, 176);
        dc.DrawEdge(&edge, EDGE_RAISED, BF_RECT | BF_MIDDLE);
        CRect sunken(100, 146, 180, 176);
        dc.DrawEdge(&sunken, EDGE_SUNKEN, BF_RECT);
        CRect check(190, 150, 203, 163), push(210, 146, 260, 176), arrow(270, 146, 287, 163);
        dc.DrawFrameControl(&check, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED);
        dc.DrawFrameControl(&push, DFC_BUTTON, DFCS_BUTTONPUSH);
        dc.DrawFrameControl(&arrow, DFC_SCROLL, DFCS_SCROLLDOWN);
        CRect focus(296, 146, 390, 176);
        dc.DrawFocusRect(&focus);

        // The image strip, plain, selected and as an icon.
        for (int i = 0; i < images->GetImageCount(); ++i) {
            images->Draw(&dc, i, CPoint(10 + i * 22, 190), ILD_TRANSPARENT);
            images->Draw(&dc, i, CPoint(110 + i * 22, 190), ILD_SELECTED);
        }

        // Word-wrapped text with an end ellipsis line under it.
        CRect para(210, 186, 390, 236);
        dc.DrawText(CString(L"HTML-lite tooltips draw with DrawText, fonts, brushes and bitmaps like these."),
                    &para, DT_WORDBREAK);
        CRect cut(10, 214, 200, 232);
        dc.DrawText(CString(L"An entry name far too long for its column"), &cut, DT_SINGLELINE | DT_END_ELLIPSIS);
        dc.SelectObject(oldFont);
    }
    DECLARE_MESSAGE_MAP()

public:
    CImageList* images = nullptr;
};

BEGIN_MESSAGE_MAP(CSampler, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

TEST(Picture, DrawingSampleIsSavedAsPng) {
    CBitmap strip;
    MakeStrip(strip);
    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR32 | ILC_MASK, 4, 1));
    ASSERT_EQ(images.Add(&strip, RGB(255, 0, 255)), 0);
    CSampler w;
    w.images = &images;
    ASSERT_TRUE(w.CreateEx(0, nullptr, L"sample", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 246), nullptr, 0));
    vorn_test::ProcessEvents();
    ASSERT_TRUE(vorn_test::SavePicture(&w, "window_drawing.png"));
    CClientDC dc(&w);
    EXPECT_EQ(dc.GetPixel(0, 5), RGB(10, 36, 106));       // gradient start
    EXPECT_EQ(dc.GetPixel(12, 192), RGB(200, 40, 40));    // first image
    EXPECT_EQ(dc.GetPixel(11, 191), GetSysColor(COLOR_BTNFACE));  // its magenta corner is transparent
}

// The region of a 120 x 50 rounded balloon with a tail at its bottom left down to y 60.
HRGN BalloonRegion() {
    CRgn balloon;
    balloon.CreateRoundRectRgn(0, 0, 120, 50, 16, 16);
    CRgn tail;
    const POINT tri[] = {{10, 49}, {30, 49}, {10, 60}};
    tail.CreatePolygonRgn(tri, 3, ALTERNATE);
    balloon.CombineRgn(&balloon, &tail, RGN_OR);
    return static_cast<HRGN>(balloon.Detach());
}

TEST(Popups, ShowWithoutTakingTheFocusAndClipToTheirRegion) {
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, nullptr, L"owner", WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 200), nullptr, 0));
    owner.SetFocus();
    CWnd tip;
    ASSERT_TRUE(tip.CreateEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, nullptr, L"", WS_POPUP, CRect(0, 0, 0, 0), &owner, 0));
    tip.SetWindowPos(nullptr, 500, 400, 120, 60, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    EXPECT_TRUE(tip.IsWindowVisible());
    EXPECT_EQ(CWnd::GetFocus(), &owner);
    EXPECT_EQ(tip.GetOwner(), &owner);
    CRect placed;
    tip.GetWindowRect(&placed);
    EXPECT_EQ(placed, CRect(500, 400, 620, 460));

    tip.SetWindowRgn(BalloonRegion(), TRUE);
    EXPECT_EQ(CWnd::WindowFromPoint(CPoint(560, 420)), &tip);
    EXPECT_EQ(CWnd::WindowFromPoint(CPoint(618, 458)), nullptr);  // outside the rounded body and tail
    EXPECT_EQ(CWnd::WindowFromPoint(CPoint(512, 452)), &tip);      // inside the tail
    owner.DestroyWindow();
    EXPECT_FALSE(::IsWindow(tip.m_hWnd));  // owned windows go with their owner
}

// The saved picture of a window with a region shows what the screen shows: nothing outside
// the region, whatever the window's store still holds there.
TEST(Popups, PictureLeavesOutTheOutsideOfTheirRegion) {
    CWnd tip;
    ASSERT_TRUE(tip.CreateEx(WS_EX_TOOLWINDOW, nullptr, L"", WS_POPUP | WS_VISIBLE, CRect(40, 40, 160, 100), nullptr, 0));
    {
        CClientDC dc(&tip);
        dc.FillSolidRect(0, 0, 120, 60, RGB(200, 40, 40));
    }

    struct PixelCase { QPoint at; bool shown; const char* what; };
    const PixelCase cases[] = {
        {QPoint(60, 25), true, "body"},           {QPoint(0, 0), false, "rounded corner"},
        {QPoint(12, 55), true, "tail"},           {QPoint(60, 55), false, "beside the tail"},
        {QPoint(119, 59), false, "bottom right"},
    };
    const CString path = vorn_test::PicturePath("region_picture.png");
    for (bool withRegion : {false, true}) {
        if (withRegion) tip.SetWindowRgn(BalloonRegion(), TRUE);
        ASSERT_TRUE(tip.SavePicture(path));
        const QImage picture(QString::fromStdWString(path.str()));
        ASSERT_EQ(picture.size(), QSize(120, 60));
        for (const auto& c : cases) {
            const QRgb pixel = picture.pixel(c.at);
            const bool shown = !withRegion || c.shown;
            EXPECT_EQ(qAlpha(pixel), shown ? 255 : 0) << c.what << " region " << withRegion;
            if (shown) {
                EXPECT_EQ(pixel & 0xFFFFFFu, 0xC82828u) << c.what << " region " << withRegion;
            }
        }
    }
    tip.DestroyWindow();
}

}  // namespace
