#pragma once
// The program started inside a test: its settings folder is a fresh folder of the test, the
// dialog answerer is scripted, and the application object runs its start-up on the offscreen
// platform. Modal dialogs that the program opens are driven with WhenModal.
#include <gtest/gtest.h>

#include <QTimer>
#include <QWidget>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "../platform/ui/frame_picture.h"
#include "app/scheduler_app.h"
#include "frame/main_frame.h"
#include "platform/core/file_system.h"
#include "platform/ui/scripted_answerer.h"
#include "platform/ui/test_support.h"
#include "platform/ui/window_api.h"
#include "temp_folder.h"

inline std::string SharedDocument(const char* name) { return std::string(VORN_SHARED_DIR) + "/fixtures/documents/" + name; }
inline std::string SampleDocument() { return std::string(VORN_TEST_DIR) + "/../../samples/sample.xml"; }

// Copies a file into the folder and gives the copy's path.
inline CString CopyInto(const TempFolder& folder, const std::string& from, const std::string& name) {
    const std::string to = folder / name;
    std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing);
    return CString(to);
}


// Runs action on the modal dialog that is open once the program opens one (polling the active
// window), so that code that runs a modal dialog can be driven from a test.
template <typename Dialog>
void WhenModal(std::function<void(Dialog&)> action, int attempts = 200) {
    auto tries = std::make_shared<int>(attempts);
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [action, tries, poll] {
        if (auto* dialog = dynamic_cast<Dialog*>(CWnd::FromHandle(GetActiveWindow())); dialog && dialog->IsWindowVisible()) {
            action(*dialog);
            return;
        }
        if (--*tries > 0) QTimer::singleShot(10, *poll);
    };
    QTimer::singleShot(0, *poll);
}

class AppTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* old = std::getenv("XDG_CONFIG_HOME");
        m_oldConfig = old ? old : "";
        m_hadConfig = old != nullptr;
        ::setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
    }
    void TearDown() override {
        Stop();
        if (m_hadConfig)
            ::setenv("XDG_CONFIG_HOME", m_oldConfig.c_str(), 1);
        else
            ::unsetenv("XDG_CONFIG_HOME");
    }

    // Starts the program with these arguments; false when start-up ended.
    bool Start(const std::vector<CString>& args) {
        app = std::make_unique<CSchedulerApp>();
        app->SetCommandLineArgs(args);
        const BOOL started = app->InitInstance();
        vorn_test::ProcessEvents();
        return started != FALSE;
    }
    // Ends the program as its loop does when the main window closes.
    void Stop() {
        if (!app) return;
        if (CMainFrame* frame = app->GetMainFrame()) frame->DestroyWindow();
        vorn_test::ProcessEvents();
        app->ExitInstance();
        app.reset();
    }
    CMainFrame& Frame() { return *app->GetMainFrame(); }
    CScheduleData& Data() { return app->GetDocument(); }
    // The settings file the program writes.
    std::string SettingsFile() const { return config / "VornScheduler/settings.ini"; }

    TempFolder config;
    TempFolder files;
    CScriptedAnswerer answerer;
    std::unique_ptr<CSchedulerApp> app;

private:
    std::string m_oldConfig;
    bool m_hadConfig = false;
};
