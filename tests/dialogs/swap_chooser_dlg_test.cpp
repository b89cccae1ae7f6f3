// The swap chooser: its two groups, the preview messages to the grid that started the drag, and
// the choice it returns.
#include <gtest/gtest.h>

#include "dialog_fixture.h"
#include "dialogs/swap_chooser_dlg.h"
#include "../platform/ui/frame_picture.h"

namespace {

// The grid that started the drag: records the preview messages.
class RecordingOwner : public CWnd {
public:
    RecordingOwner() {
        CreateEx(0, nullptr, L"grid", WS_OVERLAPPED | WS_CAPTION, 0, 0, 300, 200, nullptr, nullptr);
    }
    struct Message {
        UINT id;
        WPARAM wParam;
        LPARAM lParam;
        bool operator==(const Message&) const = default;
    };
    std::vector<Message> messages;
    std::vector<COleDateTime> previewedTimes;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message >= WM_USER + 37 && message <= WM_USER + 39) {
            messages.push_back({message, wParam, lParam});
            if (message == WM_USER + 39 && lParam == 1) previewedTimes.push_back(*reinterpret_cast<COleDateTime*>(wParam));
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

constexpr UINT kShow = WM_USER + 37, kHide = WM_USER + 38, kTarget = WM_USER + 39;

}  // namespace

class SwapChooserTest : public DialogTest {
protected:
    // A click on a row of the list, as the user makes it.
    static void ClickRow(CSwapChooserDlg& dlg, int row, bool twice = false) {
        CRect r;
        ASSERT_TRUE(dlg.m_list.GetItemRect(row, &r, LVIR_BOUNDS));
        if (twice) vorn_test::DoubleClick(&dlg.m_list, r.CenterPoint());
        else vorn_test::Click(&dlg.m_list, r.CenterPoint());
        vorn_test::ProcessEvents();
    }
    std::vector<CSwapRecord> swaps{{L"Maths 7b, Tuesday 09:00", 501}, {L"French 8a, Tuesday 10:00", 502}};
    std::vector<CFreeTimeRecord> times{{L"Wednesday 11:00", COleDateTime(2024, 3, 6, 11, 0, 0)},
                                       {L"Friday 08:00", COleDateTime(2024, 3, 8, 8, 0, 0)}};
    RecordingOwner owner;
};

TEST_F(SwapChooserTest, PreviewFollowsTheHighlightedRowAndOkTakesIt) {
    CSwapChooserDlg dlg(&swaps, &times, &owner, nullptr);
    const INT_PTR result = RunModal(dlg, [&] {
        EXPECT_EQ(dlg.m_swapCount, 2);
        EXPECT_EQ(dlg.m_list.GetItemCount(), 4);
        SaveWindowPicture(&dlg, "swap_chooser.png");
        owner.messages.clear();
        ClickRow(dlg, 1);
        ClickRow(dlg, 3);
        SaveWindowPicture(&dlg, "swap_chooser_time.png");
        // Swapping first (its value), then moving (the start's address); each followed by "show".
        std::vector<RecordingOwner::Message> previews;
        for (const auto& m : owner.messages)
            if (m.id != kHide) previews.push_back(m);
        ASSERT_EQ(previews.size(), 4u);
        EXPECT_EQ(previews[0], (RecordingOwner::Message{kTarget, 502, 0}));
        EXPECT_EQ(previews[1], (RecordingOwner::Message{kShow, 0, 0}));
        EXPECT_EQ(previews[2].id, kTarget);
        EXPECT_EQ(previews[2].lParam, 1);
        EXPECT_EQ(previews[3], (RecordingOwner::Message{kShow, 0, 0}));
        EXPECT_EQ(owner.previewedTimes, std::vector<COleDateTime>{times[1].start});
        owner.messages.clear();
        PressButton(dlg, IDOK);
    });
    ASSERT_EQ(result, IDOK);
    EXPECT_EQ(owner.messages, (std::vector<RecordingOwner::Message>{{kHide, 0, 0}}));
    EXPECT_EQ(dlg.m_choseSwap, 0);
    EXPECT_EQ(dlg.m_chosenTime, times[1].start);
}

TEST_F(SwapChooserTest, SwapChosenLeavesTheTimeAtItsStart) {
    CSwapChooserDlg dlg(&swaps, &times, &owner, nullptr);
    ASSERT_EQ(RunModal(dlg, [&] {
        ClickRow(dlg, 0);
        Key(Qt::Key_Return);  // Enter presses OK
    }),
              IDOK);
    EXPECT_EQ(dlg.m_choseSwap, 1);
    EXPECT_EQ(dlg.m_chosenValue, 501u);
    EXPECT_EQ(dlg.m_chosenTime, COleDateTime(2000, 1, 1, 0, 0, 0));
    EXPECT_EQ(owner.messages.back(), (RecordingOwner::Message{kHide, 0, 0}));
}

TEST_F(SwapChooserTest, OkWithoutARowStaysAndSaysNothing) {
    CSwapChooserDlg dlg(&swaps, &times, &owner, nullptr);
    bool stayed = false;
    EXPECT_EQ(RunModal(dlg, [&] {
        owner.messages.clear();
        PressButton(dlg, IDOK);
        stayed = IsOpen(dlg);
        EXPECT_TRUE(owner.messages.empty());
        Key(Qt::Key_Escape);  // Escape cancels and hides the preview
    }),
              IDCANCEL);
    EXPECT_TRUE(stayed);
    EXPECT_EQ(owner.messages, (std::vector<RecordingOwner::Message>{{kHide, 0, 0}}));
}

TEST_F(SwapChooserTest, OnlyFreeTimesAndADoubleClick) {
    const std::vector<CSwapRecord> none;
    CSwapChooserDlg dlg(&none, &times, &owner, nullptr);
    ASSERT_EQ(RunModal(dlg, [&] {
        EXPECT_EQ(dlg.m_swapCount, 0);
        ClickRow(dlg, 0, true);
    }),
              IDOK);
    EXPECT_EQ(dlg.m_choseSwap, 0);
    EXPECT_EQ(dlg.m_chosenTime, times[0].start);
    EXPECT_EQ(owner.messages.back(), (RecordingOwner::Message{kHide, 0, 0}));
}
