// The small utilities: the gradient fill in its four modes, the Escape/Enter filter of the
// record dialogs and wizard pages, the transparent static's text flags and the visual-styles
// fallbacks that send every control down its classic drawing path.
#include <gtest/gtest.h>

#include <vector>

#include "controls/fill_gradient_rect.h"
#include "controls/key_filter.h"
#include "controls/theme_api.h"
#include "controls/theme_library.h"
#include "controls/transparent_static.h"
#include "language_pack_fixture.h"
#include "platform/core/window_styles.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/dc.h"
#include "platform/ui/dialog.h"
#include "platform/ui/test_support.h"
#include "resource_ids.h"

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0), kWhite = RGB(255, 255, 255);

struct GradientProbe {
    int mode;
    CPoint at;
    COLORREF expected;
};

class Canvas {
public:
    Canvas(int width, int height) {
        dc.CreateCompatibleDC(nullptr);
        bitmap.CreateBitmap(width, height, 1, 32, nullptr);
        old = dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, width, height, RGB(255, 0, 0));
    }
    ~Canvas() { dc.SelectObject(old); }
    CDC dc;
    CBitmap bitmap;
    CBitmap* old = nullptr;
};

}  // namespace

TEST(FillGradientRect, EachModeRunsBetweenItsColoursAndSplitsHalvesWhereItShould) {
    // An 11 x 9 rectangle from black to white: halves split at 5 pixels from the left or the top.
    const GradientProbe probes[] = {
        {0, {0, 4}, kBlack},   // colour 1 at the left edge
        {0, {0, 0}, kBlack},
        {1, {5, 0}, kBlack},   // colour 1 at the top
        {2, {0, 4}, kBlack},   // left half starts with colour 1 ...
        {2, {5, 4}, kWhite},   // ... the right half starts at x 5 with colour 2
        {3, {3, 0}, kBlack},
        {3, {3, 4}, kWhite},   // the lower half starts at y 4 with colour 2
    };
    for (const GradientProbe& p : probes) {
        Canvas canvas(11, 9);
        FillGradientRect(&canvas.dc, CRect(0, 0, 11, 9), kBlack, kWhite, p.mode);
        EXPECT_EQ(canvas.dc.GetPixel(p.at), p.expected) << "mode " << p.mode << " at " << p.at.x << "," << p.at.y;
    }
}

TEST(FillGradientRect, ColourRunsAlongTheModesDirectionOnly) {
    struct Run { int mode; bool horizontal; bool mirrored; };
    const Run runs[] = {{0, true, false}, {1, false, false}, {2, true, true}, {3, false, true}};
    for (const Run& r : runs) {
        Canvas canvas(40, 40);
        FillGradientRect(&canvas.dc, CRect(0, 0, 40, 40), kBlack, kWhite, r.mode);
        std::vector<int> along;
        for (int i = 0; i < 40; ++i) {
            const COLORREF c = r.horizontal ? canvas.dc.GetPixel(i, 7) : canvas.dc.GetPixel(7, i);
            along.push_back(GetRValue(c));
            // Across the direction the colour does not change.
            const COLORREF across = r.horizontal ? canvas.dc.GetPixel(i, 33) : canvas.dc.GetPixel(33, i);
            EXPECT_EQ(across, c) << "mode " << r.mode << " at " << i;
        }
        // Brightening up to the split (or the end), then, mirrored, darkening again.
        const int end = r.mirrored ? 20 : 40;
        for (int i = 1; i < end; ++i) EXPECT_GE(along[i], along[i - 1]) << "mode " << r.mode << " at " << i;
        EXPECT_GT(along[end - 1], 200) << "mode " << r.mode;
        if (r.mirrored) {
            for (int i = 21; i < 40; ++i) EXPECT_LE(along[i], along[i - 1]) << "mode " << r.mode << " at " << i;
            EXPECT_LT(along[39], 60) << "mode " << r.mode;
        }
    }
    // An unknown mode fills nothing.
    Canvas canvas(10, 10);
    FillGradientRect(&canvas.dc, CRect(0, 0, 10, 10), kBlack, kWhite, 4);
    EXPECT_EQ(canvas.dc.GetPixel(5, 5), RGB(255, 0, 0));
}

namespace {

// A dialog that records the buttons it is told about; the filtering one consumes Escape and Enter.
class RecordingDialog : public CDialog {
public:
    RecordingDialog(UINT id, bool filter) : CDialog(id), m_filter(filter) {}
    std::vector<int> commands;
    BOOL OnCommand(WPARAM wParam, LPARAM) override {
        if (HIWORD(wParam) == BN_CLICKED) commands.push_back(LOWORD(wParam));
        return TRUE;
    }
    BOOL PreTranslateMessage(MSG* pMsg) override {
        if (m_filter && SwallowEscapeAndEnter(pMsg)) return TRUE;
        return CDialog::PreTranslateMessage(pMsg);
    }

private:
    bool m_filter;
};

}  // namespace

using KeyFilter = EnglishPackTest;

TEST_F(KeyFilter, EscapeAndEnterGoNowhereWhileOtherKeysKeepWorking) {
    struct Case { bool filter; std::vector<int> commands; };
    const Case cases[] = {
        {false, {IDCANCEL, IDCANCEL}},  // the plain dialog: Enter presses the focused Cancel, Escape cancels
        {true, {}},
    };
    for (const Case& c : cases) {
        RecordingDialog dlg(IDD_NEW_PROJECT_WIZARD, c.filter);
        ASSERT_TRUE(dlg.Create(IDD_NEW_PROJECT_WIZARD, nullptr));
        dlg.ShowWindow(SW_SHOW);
        dlg.GotoDlgCtrl(dlg.GetDlgItem(IDCANCEL));
        vorn_test::KeyPress(&dlg, Qt::Key_Return, QStringLiteral("\r"));
        vorn_test::KeyPress(&dlg, Qt::Key_Escape, QStringLiteral("\x1b"));
        EXPECT_EQ(dlg.commands, c.commands) << "filter " << c.filter;
        // Tab still moves the focus on.
        vorn_test::KeyPress(&dlg, Qt::Key_Tab);
        EXPECT_NE(CWnd::GetFocus(), dlg.GetDlgItem(IDCANCEL)) << "filter " << c.filter;
        dlg.DestroyWindow();
    }
}

TEST(TransparentStatic, DrawTextFlagsFollowTheStaticStyles) {
    struct Case { DWORD style; UINT flags; };
    const Case cases[] = {
        {SS_LEFT, DT_LEFT | DT_WORDBREAK},
        {SS_CENTER | SS_CENTERIMAGE, DT_CENTER | DT_SINGLELINE | DT_VCENTER},  // one centred line
        {SS_RIGHT | SS_NOPREFIX, DT_RIGHT | DT_NOPREFIX | DT_WORDBREAK},
        {0x4000, DT_WORD_ELLIPSIS | DT_END_ELLIPSIS},
        {0x8000, DT_WORD_ELLIPSIS | DT_PATH_ELLIPSIS},
        {0xC000, DT_WORD_ELLIPSIS | DT_END_ELLIPSIS | DT_PATH_ELLIPSIS},
        {0x0004, 0},  // a style bit of 0xC20C leaves word breaks out
    };
    for (const Case& c : cases) EXPECT_EQ(CTransparentStatic::TextFlags(c.style), c.flags) << std::hex << c.style;
}

TEST(VisualStyles, EveryEntryGivesItsFallbackSoCallersDrawClassically) {
    CThemeLibrary library;
    EXPECT_FALSE(library.IsLoaded());
    EXPECT_FALSE(library.IsAppThemed());
    EXPECT_EQ(library.OpenThemeData(nullptr, L"BUTTON"), nullptr);
    EXPECT_EQ(library.CloseThemeData(nullptr), E_FAIL);
    CRect r(0, 0, 4, 4);
    EXPECT_EQ(library.DrawThemedBackground(nullptr, &r, nullptr, nullptr, 1, 1, nullptr), E_FAIL);

    CThemeApi& api = CThemeApi::Instance();
    EXPECT_FALSE(api.IsAvailable());
    EXPECT_GE(api.RefCount(), 1);  // the start-up reference
    EXPECT_FALSE(api.IsAppThemed());
    int dummy = 0;
    EXPECT_FALSE(api.CloseTheme(&dummy));
}
