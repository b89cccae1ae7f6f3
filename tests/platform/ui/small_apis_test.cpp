// Small system calls: the module's file name, class values changed after creation, tracking
// frames, palettes kept for their colours and the pointer's clip rectangle.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/core/file_system.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/dc.h"
#include "platform/ui/icon.h"
#include "platform/ui/module.h"
#include "platform/ui/palette.h"
#include "platform/ui/system_metrics.h"
#include "platform/ui/test_support.h"
#include "platform/ui/window_api.h"
#include "platform/ui/window_class.h"
#include "platform/ui/wnd.h"

namespace {

struct ModuleNameCase {
    DWORD size;
    bool cut;
};

TEST(ModuleTest, FileNameIsThePathOfTheProgramCutToTheBuffer) {
    const std::wstring full(static_cast<const wchar_t*>(GetModuleFilePath()));
    ASSERT_FALSE(full.empty());
    const DWORD length = static_cast<DWORD>(full.size());
    const ModuleNameCase cases[] = {{length + 10, false}, {length + 1, false}, {length, true}, {5, true}, {1, true}};
    for (const auto& c : cases) {
        std::vector<wchar_t> buffer(c.size + 1, L'#');
        const DWORD got = GetModuleFileName(nullptr, buffer.data(), c.size);
        EXPECT_EQ(got, c.cut ? c.size : length) << c.size;
        const std::wstring text(buffer.data());
        EXPECT_EQ(text, full.substr(0, c.size - 1)) << c.size;  // always terminated inside the buffer
        EXPECT_EQ(buffer[c.size], L'#') << c.size;
    }
    EXPECT_EQ(GetModuleFileName(nullptr, nullptr, 10), 0u);
}

// Records button messages of its window.
class CClickLog : public CWnd {
public:
    std::vector<UINT> buttons;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK) buttons.push_back(message);
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

TEST(ClassLongTest, ClassStyleSetAfterCreationReachesTheWindowAndLaterOnes) {
    WNDCLASS wc{};
    wc.lpfnWndProc = &DefWindowProc;
    wc.lpszClassName = L"VornClickClass";
    RegisterClass(&wc);
    CClickLog first;
    ASSERT_TRUE(first.CreateEx(0, L"VornClickClass", L"", WS_POPUP | WS_VISIBLE, CRect(0, 0, 80, 80), nullptr, 0));
    vorn_test::DoubleClick(&first, CPoint(10, 10));
    EXPECT_EQ(first.buttons, (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONDOWN}));

    EXPECT_EQ(SetClassLong(first.m_hWnd, GCL_STYLE, CS_DBLCLKS | CS_DROPSHADOW), 0u);
    EXPECT_EQ(GetClassLong(first.m_hWnd, GCL_STYLE), CS_DBLCLKS | CS_DROPSHADOW);
    first.buttons.clear();
    vorn_test::DoubleClick(&first, CPoint(10, 10));
    EXPECT_EQ(first.buttons, (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}));

    CClickLog later;
    ASSERT_TRUE(later.CreateEx(0, L"VornClickClass", L"", WS_POPUP | WS_VISIBLE, CRect(100, 0, 180, 80), nullptr, 0));
    EXPECT_EQ(GetClassLong(later.m_hWnd, GCL_STYLE), CS_DBLCLKS | CS_DROPSHADOW);
    EXPECT_EQ(SetClassLong(later.m_hWnd, 12345, 1), 0u);  // an unknown index changes nothing
    first.DestroyWindow();
    later.DestroyWindow();
    UnregisterClass(L"VornClickClass", nullptr);  // a repeated run starts without CS_DBLCLKS
}

class DragRectTest : public ::testing::Test {
protected:
    void SetUp() override {
        dc.CreateCompatibleDC(nullptr);
        bitmap.CreateCompatibleBitmap(nullptr, 100, 100);
        old = dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, 100, 100, RGB(255, 255, 255));
    }
    void TearDown() override { dc.SelectObject(old); }
    std::vector<COLORREF> Pixels() {
        std::vector<COLORREF> out;
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 100; ++x) out.push_back(dc.GetPixel(x, y));
        return out;
    }
    CDC dc;
    CBitmap bitmap;
    CBitmap* old = nullptr;
};

TEST_F(DragRectTest, FrameInvertsItsEdgesOnlyAndADrawAgainTakesItAway) {
    const std::vector<COLORREF> blank = Pixels();
    const CRect frame(10, 10, 60, 50), moved(20, 30, 80, 90);
    const CSize thick(4, 4);
    dc.DrawDragRect(&frame, thick, nullptr, thick);
    // Half of the edge pixels are inverted (the half-tone pattern); the inside is untouched.
    int inverted = 0;
    for (int x = frame.left; x < frame.right; ++x)
        for (int y = frame.top; y < frame.top + thick.cy; ++y) inverted += dc.GetPixel(x, y) == RGB(0, 0, 0);
    EXPECT_EQ(inverted, frame.Width() * thick.cy / 2);
    EXPECT_EQ(dc.GetPixel(35, 30), RGB(255, 255, 255));
    // Moving the frame erases the old one; drawing the moved one as the last erases it too.
    dc.DrawDragRect(&moved, thick, &frame, thick);
    int leftOver = 0;  // the old top edge lies outside the moved frame
    for (int x = frame.left; x < frame.right; ++x)
        for (int y = frame.top; y < frame.top + thick.cy; ++y) leftOver += dc.GetPixel(x, y) != RGB(255, 255, 255);
    EXPECT_EQ(leftOver, 0);
    dc.DrawDragRect(nullptr, thick, &moved, thick);
    EXPECT_EQ(Pixels(), blank);
}

TEST(PaletteTest, PaletteKeepsItsColoursAndSelectingItChangesNoDrawing) {
    std::vector<BYTE> storage(sizeof(LOGPALETTE) + 2 * sizeof(PALETTEENTRY));
    auto* log = reinterpret_cast<LOGPALETTE*>(storage.data());
    log->palVersion = 0x300;
    log->palNumEntries = 3;
    const PALETTEENTRY colours[3] = {{255, 0, 0, 0}, {0, 255, 0, 0}, {10, 20, 30, 0}};
    for (int i = 0; i < 3; ++i) log->palPalEntry[i] = colours[i];
    CPalette palette;
    ASSERT_TRUE(palette.CreatePalette(log));
    EXPECT_EQ(palette.GetEntryCount(), 3);
    PALETTEENTRY back[2] = {};
    EXPECT_EQ(palette.GetPaletteEntries(1, 5, back), 2u);
    EXPECT_EQ(back[1].peBlue, 30);

    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(nullptr, 4, 4);
    CBitmap* old = dc.SelectObject(&bitmap);
    dc.SelectPalette(&palette, FALSE);
    EXPECT_EQ(dc.RealizePalette(), 0u);
    dc.FillSolidRect(0, 0, 4, 4, PALETTERGB(10, 20, 31));  // not a palette colour: kept exactly
    EXPECT_EQ(dc.GetPixel(1, 1), RGB(10, 20, 31));
    dc.SelectObject(old);
}

TEST(ClipCursorTest, PointerIsMovedInsideAndTheRectangleRemembered) {
    SetCursorPos(500, 500);
    const RECT line{100, 40, 300, 41};
    ASSERT_TRUE(ClipCursor(&line));
    POINT p;
    GetCursorPos(&p);
    EXPECT_EQ(p.x, 299);
    EXPECT_EQ(p.y, 40);
    RECT got;
    ASSERT_TRUE(GetClipCursor(&got));
    EXPECT_EQ(CRect(got), CRect(line));
    ClipCursor(nullptr);
    GetClipCursor(&got);
    EXPECT_EQ(got.right - got.left, GetSystemMetrics(SM_CXVIRTUALSCREEN));
}

}  // namespace
