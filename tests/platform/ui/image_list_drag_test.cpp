// The drag image follows the pointer during a drag driven by mouse input, and the window under
// the pointer is still the one WindowFromPoint finds.
#include "platform/ui/image_list_drag.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/ui/bitmap.h"
#include "platform/ui/dc.h"
#include "platform/ui/monitor.h"
#include "platform/ui/test_support.h"
#include "platform/ui/window_api.h"
#include "platform/ui/wnd.h"

namespace {

const CPoint kHotSpot(5, 5);

// Where the image's top-left corner belongs for a pointer at `at`.
CPoint ImageCorner(CPoint at) { return CPoint(at.x - kHotSpot.x, at.y - kHotSpot.y); }

// Drags its one image as a list does: begin on the press, follow every move, end on release.
class CDragSource : public CWnd {
public:
    CImageList images;
    std::vector<CPoint> screenPoints;
    std::vector<HWND> under;
    std::vector<CRect> imageRects;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        CPoint screen(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        ClientToScreen(&screen);
        switch (message) {
        case WM_LBUTTONDOWN:
            images.BeginDrag(0, kHotSpot);
            CImageList::DragEnter(CWnd::FromHandle(GetDesktopWindow()), screen);
            SetCapture();
            break;
        case WM_MOUSEMOVE: {
            if (GetCapture() != this) break;
            CImageList::DragMove(screen);
            screenPoints.push_back(screen);
            under.push_back(::WindowFromPoint(screen));
            CRect rc;
            if (vorn_ui::GetDragImageRect(&rc)) imageRects.push_back(rc);
            break;
        }
        case WM_LBUTTONUP:
            CImageList::DragLeave(nullptr);
            CImageList::EndDrag();
            ReleaseCapture();
            break;
        default: break;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class DragImageTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(source.CreateEx(0, nullptr, L"source", WS_POPUP | WS_VISIBLE, CRect(100, 100, 300, 250), nullptr, 0));
        ASSERT_TRUE(target.CreateEx(0, nullptr, L"target", WS_POPUP | WS_VISIBLE, CRect(400, 100, 600, 250), nullptr, 0));
        // A 32 x 32 picture: a blue square on magenta, which the mask leaves out.
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(nullptr, 32, 32);
        CBitmap* old = dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, 32, 32, RGB(255, 0, 255));
        dc.FillSolidRect(8, 8, 16, 16, RGB(0, 0, 255));
        dc.SelectObject(old);
        ASSERT_TRUE(source.images.Create(32, 32, ILC_COLOR32 | ILC_MASK, 1, 1));
        ASSERT_EQ(source.images.Add(&bitmap, RGB(255, 0, 255)), 0);
        vorn_test::ProcessEvents();
    }
    void TearDown() override {
        CImageList::EndDrag();
        source.DestroyWindow();
        target.DestroyWindow();
    }
    CDragSource source;
    CWnd target;
};

TEST_F(DragImageTest, ImageFollowsThePointerAndWindowFromPointLooksThroughIt) {
    vorn_test::MousePress(&source, CPoint(20, 20));
    CRect rc;
    ASSERT_TRUE(vorn_ui::GetDragImageRect(&rc));
    const CPoint moves[] = {{60, 40}, {150, 70}, {350, 50}, {380, 90}};
    for (const CPoint& client : moves) vorn_test::MouseMove(&source, client, Qt::LeftButton);
    ASSERT_EQ(source.imageRects.size(), std::size(moves));
    for (std::size_t i = 0; i < source.imageRects.size(); ++i) {
        const CPoint& at = source.screenPoints[i];
        EXPECT_EQ(source.imageRects[i].TopLeft(), ImageCorner(at)) << i;
        EXPECT_EQ(source.imageRects[i].Width(), 32) << i;
        EXPECT_EQ(source.imageRects[i].Height(), 32) << i;
        // The image lies under the pointer, yet the window found there is ours.
        EXPECT_TRUE(source.imageRects[i].PtInRect(at)) << i;
    }
    EXPECT_EQ(source.under[0], source.m_hWnd);
    EXPECT_EQ(source.under[1], source.m_hWnd);
    EXPECT_EQ(source.under[2], target.m_hWnd);
    EXPECT_EQ(source.under[3], target.m_hWnd);
    vorn_test::MouseRelease(&source, CPoint(380, 90));
    EXPECT_FALSE(vorn_ui::GetDragImageRect(&rc));
}

TEST_F(DragImageTest, ShowNolockHidesAndShowsWithoutEndingTheDrag) {
    ASSERT_TRUE(source.images.BeginDrag(0, kHotSpot));
    CRect rc;
    EXPECT_FALSE(vorn_ui::GetDragImageRect(&rc));  // nothing shows before DragEnter
    // Relative to a window: its top-left corner is the origin.
    ASSERT_TRUE(CImageList::DragEnter(&target, CPoint(10, 10)));
    ASSERT_TRUE(vorn_ui::GetDragImageRect(&rc));
    CRect targetRect;
    target.GetWindowRect(&targetRect);
    EXPECT_EQ(rc.TopLeft(), ImageCorner(CPoint(targetRect.left + 10, targetRect.top + 10)));
    CImageList::DragShowNolock(FALSE);
    EXPECT_FALSE(vorn_ui::GetDragImageRect(&rc));
    CImageList::DragMove(CPoint(30, 30));
    EXPECT_FALSE(vorn_ui::GetDragImageRect(&rc));
    CImageList::DragShowNolock(TRUE);
    ASSERT_TRUE(vorn_ui::GetDragImageRect(&rc));
    EXPECT_EQ(rc.TopLeft(), ImageCorner(CPoint(targetRect.left + 30, targetRect.top + 30)));
    CImageList::DragLeave(&target);
    EXPECT_FALSE(vorn_ui::GetDragImageRect(&rc));
    CImageList::EndDrag();
    EXPECT_FALSE(CImageList::DragEnter(&target, CPoint(10, 10)));  // no drag any more
}

TEST_F(DragImageTest, BeginDragWithAMissingImageFails) {
    EXPECT_FALSE(source.images.BeginDrag(3, kHotSpot));
    CImageList empty;
    EXPECT_FALSE(empty.BeginDrag(0, kHotSpot));
}

}  // namespace
