// The key and focus registries and the private window classes.
#include <gtest/gtest.h>

#include <vector>

#include "controls/focus_hook_registry.h"
#include "controls/keyboard_hook_registry.h"
#include "controls/window_class_name.h"
#include "platform/ui/icon.h"
#include "platform/ui/window_class.h"
#include "platform/ui/test_support.h"
#include "recording_wnd.h"

namespace {

struct KeyRecorder : CKeyboardHookListener {
    std::vector<UINT> keys;
    void OnKeyDown(UINT key, LPARAM) override { keys.push_back(key); }
};

struct FocusRecorder : CFocusHookListener {
    std::vector<std::pair<bool, HWND>> changes;
    void OnFocusChanged(bool gained, HWND window) override { changes.push_back({gained, window}); }
};

}  // namespace

TEST(HookRegistries, KeysGoingDownReachTheListenersKeysGoingUpDoNot) {
    RecordingWnd host;
    KeyRecorder recorder;
    ASSERT_TRUE(CKeyboardHookRegistry::Get().Add(&recorder));
    host.SetFocus();
    vorn_test::KeyDown(&host, Qt::Key_A, "a");
    vorn_test::KeyUp(&host, Qt::Key_A, "a");
    vorn_test::KeyPress(&host, Qt::Key_Escape);
    CKeyboardHookRegistry::Get().Remove(&recorder);
    vorn_test::KeyPress(&host, Qt::Key_B, "b");
    EXPECT_EQ(recorder.keys, (std::vector<UINT>{'A', VK_ESCAPE}));
    EXPECT_FALSE(CKeyboardHookRegistry::Get().Contains(&recorder));
}

TEST(HookRegistries, FocusInsideTheWatchedWindowReachesItsListener) {
    RecordingWnd host;
    CWnd child, grandchild, outside;
    child.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), &host, 1);
    grandchild.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), &child, 2);
    outside.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(200, 0, 300, 100), &host, 3);
    FocusRecorder recorder;
    CFocusHookRegistry& registry = CFocusHookRegistry::Get();
    ASSERT_TRUE(registry.Add(&recorder, outside.m_hWnd));
    ASSERT_TRUE(registry.Add(&recorder, child.m_hWnd));  // the newer window replaces the older
    outside.SetFocus();
    grandchild.SetFocus();
    outside.SetFocus();
    registry.Remove(&recorder);
    const std::vector<std::pair<bool, HWND>> expected = {{true, grandchild.m_hWnd}, {false, grandchild.m_hWnd}};
    EXPECT_EQ(recorder.changes, expected);
}

TEST(WindowClassName, SameParametersGiveTheSameRegisteredClass) {
    const HCURSOR arrow = ::LoadCursor(nullptr, IDC_ARROW);
    const CString first = GetWindowClassName(L"TabCtrl", CS_DBLCLKS, arrow, nullptr, nullptr);
    const CString second = GetWindowClassName(L"TabCtrl", CS_DBLCLKS, arrow, nullptr, nullptr);
    const CString other = GetWindowClassName(L"TabCtrl", 0, arrow, nullptr, nullptr);
    EXPECT_EQ(first, second);
    EXPECT_NE(first, other);
    EXPECT_EQ(first.Find(L"TabCtrl:"), 0);
    WNDCLASS wc{};
    EXPECT_TRUE(FindWindowClass(first, &wc));
    EXPECT_EQ(wc.style, static_cast<UINT>(CS_DBLCLKS));
}
