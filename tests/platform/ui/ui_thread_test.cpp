// Window calls from worker threads: refused and reported; the cross-thread messages; waiting
// for a worker while events keep flowing.
#include "platform/ui/ui_thread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/ui/color_dialog.h"
#include "platform/ui/file_dialog.h"
#include "platform/ui/folder_dialog.h"
#include "platform/ui/icon.h"
#include "platform/ui/menu.h"
#include "platform/ui/message_box.h"
#include "platform/ui/rgn.h"
#include "platform/ui/scripted_answerer.h"
#include "platform/ui/test_support.h"
#include "platform/ui/thread_messages.h"
#include "platform/ui/wait_cursor.h"
#include "platform/ui/win_thread.h"
#include "platform/ui/window_api.h"
#include "platform/ui/wnd.h"

namespace {

std::mutex g_reportMutex;
std::vector<std::string> g_reports;

void RecordReport(const char* call) {
    std::lock_guard<std::mutex> lock(g_reportMutex);
    g_reports.emplace_back(call);
}

class CLogWnd : public CWnd {
public:
    std::vector<std::pair<UINT, WPARAM>> log;
    std::atomic<bool> sawStep{false};
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message >= WM_USER) {
            log.emplace_back(message, wParam);
            sawStep = true;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class UiThreadTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_previous = vorn_ui::SetWrongThreadHandler(&RecordReport);
        g_reports.clear();
        ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"page", WS_POPUP | WS_VISIBLE, CRect(0, 0, 80, 60), nullptr, 0));
        wnd.SetTimer(7, 100000);  // a timer a worker must not stop
        vorn_test::ProcessEvents();
    }
    void TearDown() override {
        wnd.DestroyWindow();
        vorn_ui::SetWrongThreadHandler(m_previous);
    }
    static void RunOnWorker(const std::function<void()>& work) {
        std::thread worker(work);
        worker.join();
    }
    CLogWnd wnd;

private:
    vorn_ui::WrongThreadHandler m_previous = nullptr;
};

struct WorkerCallCase {
    const char* name;
    std::function<void(CWnd&)> call;
};

TEST_F(UiThreadTest, WindowCallsFromAWorkerAreCaughtAndChangeNothing) {
    const WorkerCallCase cases[] = {
        {"EnableWindow", [](CWnd& w) { EXPECT_FALSE(w.EnableWindow(FALSE)); }},
        {"ShowWindow", [](CWnd& w) { w.ShowWindow(SW_HIDE); }},
        {"SetWindowPos", [](CWnd& w) { w.MoveWindow(5, 5, 200, 200); }},
        {"InvalidateRgn", [](CWnd& w) { w.Invalidate(); }},
        {"GetDC", [](CWnd& w) { EXPECT_EQ(::GetDC(w.m_hWnd), nullptr); }},
        {"SetFocus", [](CWnd& w) { w.SetFocus(); }},
        {"SetTimer", [](CWnd& w) { EXPECT_EQ(w.SetTimer(1, 10), 0u); }},
        {"KillTimer", [](CWnd& w) { EXPECT_FALSE(w.KillTimer(7)); }},
        {"SetCapture", [](CWnd& w) { w.SetCapture(); }},
        {"SendMessage", [](CWnd& w) { w.SetWindowText(L"from worker"); }},
        {"SendNotifyMessage", [](CWnd& w) { EXPECT_FALSE(w.SendNotifyMessage(WM_USER + 1)); }},
        {"DestroyWindow", [](CWnd& w) { EXPECT_FALSE(w.DestroyWindow()); }},
        {"SetWindowLongPtr", [](CWnd& w) { w.ModifyStyle(0, WS_BORDER | WS_DISABLED); }},
        {"SetParent", [](CWnd& w) { w.SetParent(nullptr); }},
        {"SetWindowRgn", [](CWnd& w) {
             HRGN rgn = CreateRectRgn(0, 0, 10, 10);
             if (!w.SetWindowRgn(rgn, TRUE)) DeleteObject(rgn);
         }},
        {"LockWindowUpdate", [](CWnd& w) { EXPECT_FALSE(w.LockWindowUpdate()); }},
        {"ShowScrollBar", [](CWnd& w) { w.ShowScrollBar(SB_VERT, TRUE); }},
        {"ScrollWindow", [](CWnd& w) { EXPECT_FALSE(w.ScrollWindow(0, 5)); }},
        {"SetCursor", [](CWnd&) { ::SetCursor(LoadCursor(nullptr, IDC_CROSS)); }},
        {"TrackPopupMenu", [](CWnd& w) {
             CMenu menu;
             menu.CreatePopupMenu();
             menu.AppendMenu(MF_STRING, 1, L"One");
             EXPECT_FALSE(menu.TrackPopupMenu(TPM_RETURNCMD, 10, 10, &w));
         }},
        {"MessageBox", [](CWnd& w) { EXPECT_EQ(w.MessageBox(L"From a worker"), 0); }},
        {"CFileDialog::DoModal", [](CWnd&) { EXPECT_EQ(CFileDialog(TRUE).DoModal(), IDCANCEL); }},
        {"CFolderDialog::DoModal", [](CWnd&) { EXPECT_EQ(CFolderDialog(L"Folder").DoModal(), IDCANCEL); }},
        {"CColorDialog::DoModal", [](CWnd&) { EXPECT_EQ(CColorDialog().DoModal(), IDCANCEL); }},
    };
    CScriptedAnswerer answerer;  // a dialog that got through would be answered, not shown
    for (const auto& c : cases) {
        g_reports.clear();
        RunOnWorker([&] { c.call(wnd); });
        ASSERT_FALSE(g_reports.empty()) << c.name;
        EXPECT_EQ(g_reports.front(), c.name);
        vorn_test::ProcessEvents();
        ASSERT_TRUE(::IsWindow(wnd.m_hWnd)) << c.name;
        EXPECT_TRUE(wnd.IsWindowEnabled()) << c.name;
        EXPECT_TRUE(wnd.IsWindowVisible()) << c.name;
        CRect rc;
        wnd.GetWindowRect(&rc);
        EXPECT_EQ(rc.Width(), 80) << c.name;
        CString text;
        wnd.GetWindowText(text);
        EXPECT_EQ(text, CString(L"page")) << c.name;
        EXPECT_EQ(wnd.GetStyle(), static_cast<DWORD>(WS_POPUP | WS_VISIBLE)) << c.name;
        EXPECT_TRUE(wnd.log.empty()) << c.name;
        EXPECT_EQ(CWnd::GetCapture(), nullptr) << c.name;
    }
    EXPECT_TRUE(answerer.m_messageBoxes.empty());
    EXPECT_TRUE(wnd.KillTimer(7));  // still running: only the user-interface thread stops it
}

TEST_F(UiThreadTest, PostingFromAWorkerIsNotReported) {
    RunOnWorker([&] {
        EXPECT_TRUE(::PostMessage(wnd.m_hWnd, WM_USER + 2, 7, 0));
        EXPECT_TRUE(PostCoalescedMessage(wnd.m_hWnd, WM_USER + 3, 8, 0));
    });
    vorn_test::ProcessEvents();
    EXPECT_TRUE(g_reports.empty());
    EXPECT_EQ(wnd.log, (std::vector<std::pair<UINT, WPARAM>>{{WM_USER + 2, 7}, {WM_USER + 3, 8}}));
}

TEST_F(UiThreadTest, SendNotifyMessageOnTheWindowsThreadIsHandledBeforeItReturns) {
    EXPECT_TRUE(::SendNotifyMessage(wnd.m_hWnd, WM_USER + 23, 4, 0));
    EXPECT_EQ(wnd.log, (std::vector<std::pair<UINT, WPARAM>>{{WM_USER + 23, 4}}));
    EXPECT_FALSE(::SendNotifyMessage(nullptr, WM_USER + 23, 4, 0));
    EXPECT_TRUE(g_reports.empty());
}

TEST_F(UiThreadTest, CoalescedPostsDeliverOnlyTheLatestValuePerWindowAndMessage) {
    RunOnWorker([&] {
        for (WPARAM i = 1; i <= 1000; ++i) PostCoalescedMessage(wnd.m_hWnd, WM_USER + 18, i, 0);
        PostCoalescedMessage(wnd.m_hWnd, WM_USER + 19, 5, 0);
    });
    vorn_test::ProcessEvents();
    EXPECT_EQ(wnd.log, (std::vector<std::pair<UINT, WPARAM>>{{WM_USER + 18, 1000}, {WM_USER + 19, 5}}));
    // Once delivered, the next post is a new message.
    wnd.log.clear();
    RunOnWorker([&] { PostCoalescedMessage(wnd.m_hWnd, WM_USER + 18, 1001, 0); });
    vorn_test::ProcessEvents();
    EXPECT_EQ(wnd.log, (std::vector<std::pair<UINT, WPARAM>>{{WM_USER + 18, 1001}}));
}

TEST_F(UiThreadTest, CoalescedPostToADestroyedWindowIsDropped) {
    CLogWnd other;
    ASSERT_TRUE(other.CreateEx(0, nullptr, L"other", WS_POPUP, CRect(0, 0, 20, 20), nullptr, 0));
    EXPECT_TRUE(PostCoalescedMessage(other.m_hWnd, WM_USER + 18, 1, 0));
    other.DestroyWindow();
    vorn_test::ProcessEvents();  // must not reach the dead window
    EXPECT_FALSE(PostCoalescedMessage(other.m_hWnd, WM_USER + 18, 2, 0));
}

// The worker waits until the window has seen its post; a wait that stopped the events would
// never end.
struct HandshakeParam {
    CLogWnd* wnd;
    bool sawReply = false;
};

UINT PostAndAwaitReply(LPVOID p) {
    auto* param = static_cast<HandshakeParam*>(p);
    ::PostMessage(param->wnd->m_hWnd, WM_USER + 5, 1, 0);
    for (int i = 0; i < 500 && !param->wnd->sawStep; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    param->sawReply = param->wnd->sawStep;
    return 0;
}

TEST_F(UiThreadTest, WaitingForAWorkerKeepsPostedMessagesFlowing) {
    HandshakeParam param{&wnd};
    CWinThread* thread = AfxBeginThread(&PostAndAwaitReply, &param, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    ASSERT_NE(thread, nullptr);
    thread->m_bAutoDelete = FALSE;
    thread->ResumeThread();
    EXPECT_TRUE(thread->Wait());
    delete thread;
    EXPECT_TRUE(param.sawReply);
}

TEST_F(UiThreadTest, WaitCursorFromAWorkerChangesOnTheUiThread) {
    const int before = AfxGetWaitCursorCount();
    RunOnWorker([] { AfxDoWaitCursor(1); });
    vorn_test::ProcessEvents();
    EXPECT_EQ(AfxGetWaitCursorCount(), before + 1);
    RunOnWorker([] { AfxDoWaitCursor(-1); });
    vorn_test::ProcessEvents();
    EXPECT_EQ(AfxGetWaitCursorCount(), before);
    EXPECT_TRUE(g_reports.empty());
}

}  // namespace
