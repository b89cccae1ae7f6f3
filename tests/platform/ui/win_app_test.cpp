// The application object: profile, recent files, the event loop with idle processing, the
// wait cursor, worker threads, shell opening and the language pack as resource source.
#include "platform/ui/win_app.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <vector>

#include "platform/core/language_pack.h"
#include "platform/core/load_res_string.h"
#include "platform/core/settings_store.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/command_line_info.h"
#include "platform/ui/idle_hooks.h"
#include "platform/ui/recent_file_list.h"
#include "platform/ui/shell_execute.h"
#include "platform/ui/test_support.h"
#include "platform/ui/wait_cursor.h"
#include "platform/ui/win_thread.h"
#include "platform/ui/window_api.h"
#include "platform/ui/wnd.h"

namespace {

CString TempPath(const QTemporaryDir& dir, const char* name) {
    return CString(dir.filePath(QString::fromUtf8(name)).toStdWString());
}

// Ends a loop that a fault would leave running; nothing is posted once the test's guard is gone.
void QuitLater(const QObject* guard, int ms = 5000) {
    QTimer::singleShot(ms, guard, [] { PostQuitMessage(99); });
}

TEST(WinAppProfileTest, ValuesGoToTheSettingsFileAndReadBack) {
    QTemporaryDir dir;
    const CString path = TempPath(dir, "settings.ini");
    {
        CWinApp app(L"Planner");
        app.SetProfilePath(path);
        EXPECT_TRUE(app.WriteProfileString(L"Settings", L"Language", L"English"));
        EXPECT_TRUE(app.WriteProfileInt(L"Settings", L"MaxTabs", 42));
        EXPECT_TRUE(app.WriteProfileString(L"Settings", L"Fontname", L"Arial"));
    }
    CWinApp app(L"Planner");
    app.SetProfilePath(path);
    EXPECT_EQ(app.GetProfileString(L"Settings", L"Language"), L"English");
    EXPECT_EQ(app.GetProfileInt(L"Settings", L"MaxTabs", 30), 42u);
    EXPECT_EQ(app.GetProfileString(L"Settings", L"FontName"), L"Arial");  // names ignore case
    EXPECT_EQ(app.GetProfileString(L"Settings", L"Missing", L"dflt"), L"dflt");
    EXPECT_EQ(app.GetProfileInt(L"Settings", L"Missing", 30), 30u);
}

TEST(WinAppProfileTest, RecentFilesKeepTheNewestFirstAndSurviveARestart) {
    QTemporaryDir dir;
    const CString path = TempPath(dir, "settings.ini");
    {
        CWinApp app;
        app.SetProfilePath(path);
        app.LoadStdProfileSettings(4);
        ASSERT_NE(app.m_pRecentFileList, nullptr);
        for (const wchar_t* p : {L"/p/a.xml", L"/p/b.xml", L"/p/c.xml", L"/p/d.xml", L"/p/e.xml", L"/p/B.XML"})
            app.AddToRecentFileList(p);
        EXPECT_EQ(app.m_pRecentFileList->GetPaths(),
                  (std::vector<CString>{L"/p/B.XML", L"/p/e.xml", L"/p/d.xml", L"/p/c.xml"}));
        EXPECT_EQ(app.ExitInstance(), 0);
    }
    CWinApp app;
    app.SetProfilePath(path);
    app.LoadStdProfileSettings(4);
    EXPECT_EQ(app.m_pRecentFileList->GetPaths(),
              (std::vector<CString>{L"/p/B.XML", L"/p/e.xml", L"/p/d.xml", L"/p/c.xml"}));
    EXPECT_EQ(app.GetProfileString(L"Recent File List", L"File1"), L"/p/B.XML");
    // A shorter list written over a longer one leaves no stale entries behind.
    app.m_pRecentFileList->Remove(0);
    app.SaveStdProfileSettings();
    EXPECT_EQ(app.GetProfileString(L"Recent File List", L"File4"), L"");
}

TEST(WinAppTest, CommandLineNamesTheFileToOpen) {
    CCommandLineInfo info;
    info.ParseParam(L"nologo", TRUE, FALSE);
    info.ParseParam(L"/home/user/plan.xml", FALSE, FALSE);
    info.ParseParam(L"second.xml", FALSE, TRUE);
    EXPECT_EQ(info.m_strFileName, L"/home/user/plan.xml");
    EXPECT_EQ(info.m_nShellCommand, CCommandLineInfo::FileOpen);
    EXPECT_FALSE(info.m_bShowSplash);
    CCommandLineInfo none;
    EXPECT_EQ(none.m_nShellCommand, CCommandLineInfo::FileNew);
}

// Idle calls grow their count while OnIdle asks for more, stop when it returns FALSE, and
// start again at 0 only after a posted message.
class CIdleApp : public CWinApp {
public:
    std::vector<LONG> counts;
    BOOL OnIdle(LONG lCount) override {
        counts.push_back(lCount);
        if (counts.size() == 3) {
            // The loop must now sleep until this message arrives, however long that takes.
            QTimer::singleShot(50, [] { PostMessage(nullptr, WM_APP + 5, 0, 0); });
        }
        if (counts.size() == 4) PostQuitMessage(7);
        return lCount < 2;
    }
};

TEST(WinAppRunTest, IdleCountsUpStopsAndRestartsOnNewMessages) {
    CIdleApp app;
    QObject guard;
    QuitLater(&guard);
    EXPECT_EQ(app.Run(), 7);
    EXPECT_EQ(app.counts, (std::vector<LONG>{0, 1, 2, 0}));
}

TEST(WinAppRunTest, FirstIdleCallRunsTheIdleHooksAndAsksForMore) {
    CWinApp app;
    int runs = 0;
    const int cookie = AddIdleHook([&] { ++runs; });
    EXPECT_TRUE(app.OnIdle(0));
    EXPECT_FALSE(app.OnIdle(1));
    RemoveIdleHook(cookie);
    EXPECT_EQ(runs, 1);
}

class CQuietApp : public CWinApp {
public:
    int exits = 0;
    int ExitInstance() override {
        ++exits;
        return CWinApp::ExitInstance();
    }
    BOOL OnIdle(LONG) override { return FALSE; }
};

TEST(WinAppRunTest, DestroyingTheMainWindowEndsTheLoop) {
    CQuietApp app;
    CWnd main;
    ASSERT_TRUE(main.CreateEx(0, nullptr, L"main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 200, 100), nullptr, 0));
    app.m_pMainWnd = &main;
    EXPECT_EQ(AfxGetMainWnd(), &main);
    QTimer::singleShot(20, [&] { main.DestroyWindow(); });
    QObject guard;
    QuitLater(&guard);
    EXPECT_EQ(app.Run(), 0);
    EXPECT_EQ(app.exits, 1);
    EXPECT_FALSE(::IsWindow(main.m_hWnd));
}

class CFailingApp : public CQuietApp {
public:
    BOOL InitInstance() override { return FALSE; }
};

TEST(WinAppRunTest, FailedStartRunsExitWithoutTheLoop) {
    CFailingApp app;
    char name[] = "planner";
    char* argv[] = {name, nullptr};
    EXPECT_NE(AfxWinMain(1, argv), 0);
    EXPECT_EQ(app.exits, 1);
}

TEST(WaitCursorTest, NestedWaitsShowTheHourglassUntilTheLastEnds) {
    ASSERT_EQ(AfxGetWaitCursorCount(), 0);
    CWinApp app;
    {
        CWaitCursor outer;
        app.BeginWaitCursor();
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        app.EndWaitCursor();
        EXPECT_NE(QApplication::overrideCursor(), nullptr);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    app.EndWaitCursor();  // an end too many changes nothing
    EXPECT_EQ(AfxGetWaitCursorCount(), 0);
}

// A worker that posts its progress to a window; the window sees the messages on the
// user-interface thread, in order.
class CProgressWnd : public CWnd {
public:
    std::vector<WPARAM> steps;
    bool onUiThread = true;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_USER + 18) {
            steps.push_back(wParam);
            onUiThread = onUiThread && QThread::currentThread() == QApplication::instance()->thread();
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

UINT Worker(LPVOID param) {
    auto* wnd = static_cast<CProgressWnd*>(param);
    for (WPARAM i = 1; i <= 5; ++i) ::PostMessage(wnd->m_hWnd, WM_USER + 18, i, 0);
    return 3;
}

TEST(WinThreadTest, WorkerPostsToAWindowAndCanBeWaitedFor) {
    CProgressWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"page", WS_POPUP, CRect(0, 0, 50, 50), nullptr, 0));
    CWinThread* thread = AfxBeginThread(&Worker, &wnd, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    ASSERT_NE(thread, nullptr);
    thread->m_bAutoDelete = FALSE;
    EXPECT_EQ(thread->ResumeThread(), 1u);
    ASSERT_TRUE(thread->Wait(5000));
    EXPECT_EQ(thread->GetExitCode(), 3u);
    delete thread;
    vorn_test::ProcessEvents();
    EXPECT_EQ(wnd.steps, (std::vector<WPARAM>{1, 2, 3, 4, 5}));
    EXPECT_TRUE(wnd.onUiThread);
    wnd.DestroyWindow();
}

std::atomic<int> g_autoRuns{0};
UINT CountRun(LPVOID) {
    ++g_autoRuns;
    return 0;
}

TEST(WinThreadTest, AutoDeletingWorkersRunToTheirEnd) {
    // Workers that end at once delete themselves while AfxBeginThread may still be starting
    // them; the thread object must outlive that start.
    constexpr int kWorkers = 200;
    g_autoRuns = 0;
    for (int i = 0; i < kWorkers; ++i) ASSERT_NE(AfxBeginThread(&CountRun, nullptr), nullptr);
    for (int i = 0; i < 500 && g_autoRuns < kWorkers; ++i) QThread::msleep(10);
    EXPECT_EQ(g_autoRuns.load(), kWorkers);
}

TEST(ShellExecuteTest, OpenGoesToTheOpenerOtherVerbsFail) {
    std::vector<CString> opened;
    ShellOpener previous = SetShellOpener([&](const CString& target) {
        opened.push_back(target);
        return true;
    });
    EXPECT_GT(reinterpret_cast<INT_PTR>(ShellExecute(nullptr, L"open", L"https://example.org/", nullptr, nullptr, SW_SHOW)), 32);
    SHELLEXECUTEINFO info;
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.lpVerb = L"open";
    info.lpFile = L"www.example.org";
    info.nShow = SW_SHOWMAXIMIZED;
    EXPECT_TRUE(ShellExecuteEx(&info));
    EXPECT_LE(reinterpret_cast<INT_PTR>(ShellExecute(nullptr, L"print", L"/tmp/a.txt", nullptr, nullptr, SW_SHOW)), 32);
    EXPECT_LE(reinterpret_cast<INT_PTR>(ShellExecute(nullptr, L"open", L"", nullptr, nullptr, SW_SHOW)), 32);
    EXPECT_EQ(opened, (std::vector<CString>{L"https://example.org/", L"www.example.org"}));
    SetShellOpener([](const CString&) { return false; });
    EXPECT_LE(reinterpret_cast<INT_PTR>(ShellExecute(nullptr, nullptr, L"x.txt", nullptr, nullptr, SW_SHOW)), 32);
    SetShellOpener(previous);
}

TEST(ResourcePackTest, StringsAndBitmapsComeFromTheCurrentPack) {
    QTemporaryDir dir;
    QImage dot(16, 16, QImage::Format_RGB32);
    dot.fill(QColor(0, 128, 255));
    ASSERT_TRUE(dot.save(dir.filePath(QStringLiteral("dot.png"))));
    QFile rc(dir.filePath(QStringLiteral("Test.rc")));
    ASSERT_TRUE(rc.open(QIODevice::WriteOnly));
    rc.write("#define IDB_DOT 310\n"
             "IDB_DOT BITMAP \"dot.png\"\n"
             "STRINGTABLE\nBEGIN\n  61001 \"Nothing to print.\"\nEND\n");
    rc.close();
    CLanguagePack pack;
    ASSERT_TRUE(pack.Load(TempPath(dir, "Test.rc")).ok);
    CLanguagePack* previous = CLanguagePack::GetCurrent();
    AfxSetResourcePack(&pack);
    EXPECT_EQ(LoadResString(61001), L"Nothing to print.");
    CString text;
    EXPECT_TRUE(text.LoadString(61001));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.LoadBitmap(310));
    BITMAP bm{};
    bitmap.GetBitmap(&bm);
    EXPECT_EQ(bm.bmWidth, 16);
    CBitmap missing;
    EXPECT_FALSE(missing.LoadBitmap(311));
    AfxSetResourcePack(previous);
}

}  // namespace
